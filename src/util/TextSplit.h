// Splitting text into pieces.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits at every occurrence of delimiter (a plain byte search). A text that
// ends in the delimiter yields no empty last piece; an empty piece between two
// delimiters is kept; a text without the delimiter is one piece, and an empty
// text one empty piece. An empty delimiter leaves the text whole.
std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter);

// Splits the main-word box text into its lines at CR LF, never inside a
// two-byte character: an empty piece between two breaks is a line, a break at
// the very end adds none, and an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);
