// Searching GBK text.
#pragma once

#include <cstddef>
#include <string_view>

// <commdlg.h> maps FindText to the find-dialog function; this name is ours.
#ifdef FindText
#undef FindText
#endif

// 1-based byte position of the first occurrence of needle in haystack at or
// after start (a start below 1 counts as 1), or -1. An empty needle, an empty
// haystack and a start beyond the haystack all give -1.
//
// A match never starts on the second byte of a two-byte character. Characters
// are counted from start: a start inside a character shifts the boundaries with
// it. The byte search only proposes candidates; each one is then checked
// against the character boundaries, so the result does not depend on how the
// candidates were found.
std::ptrdiff_t FindText(std::string_view haystack, std::string_view needle, std::ptrdiff_t start = 1);
