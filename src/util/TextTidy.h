// Tidying line breaks.
#pragma once

#include <string>
#include <string_view>

// Removes the empty lines of CR LF text and its leading and trailing line
// breaks: every byte pair LF CR is removed (one left-to-right pass), then CR
// and LF bytes are stripped from both ends. CR and LF never occur inside a GBK
// double-byte character, so working on bytes is safe.
std::string TidyLines(std::string_view text);
