// Character structure of the program's GBK text. The program's rule, shared by
// every text routine: a byte of 0x80 or above starts a two-byte character, any
// other byte is a character of its own. A lead byte at the very end of a text
// is a character of one byte.
#pragma once

#include <cstddef>
#include <string_view>

inline bool IsGbkLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// Length in bytes (1 or 2) of the character that starts at pos.
inline std::size_t GbkCharLength(std::string_view text, std::size_t pos) {
    return IsGbkLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

// Number of characters in the text.
std::size_t GbkCharCount(std::string_view text);

// True when a character starts at pos, counting characters from the start of
// the text; pos == size() is a boundary too.
bool IsGbkCharBoundary(std::string_view text, std::size_t pos);

// The first character boundary at or after pos.
std::size_t NextGbkCharBoundary(std::string_view text, std::size_t pos);

// Walks the text forward from a known boundary to the first boundary at or
// after target, skipping runs of single-byte characters a word at a time.
// Text searches use it to check the candidates a byte search proposes.
std::size_t AdvanceGbkBoundary(std::string_view text, std::size_t boundary, std::size_t target);

// Given a known character boundary at or before pos, tells whether pos is a
// boundary too. A byte below 0x80 always ends a character (as a character of
// its own or as a trail byte), so only the run of high bytes just before pos
// is looked at: they pair up from its start, and its length's parity decides.
bool IsGbkBoundaryAfter(std::string_view text, std::size_t boundary, std::size_t pos);

// The longest prefix of at most maxBytes bytes that does not end inside a
// two-byte character.
std::string_view GbkTruncate(std::string_view text, std::size_t maxBytes);
