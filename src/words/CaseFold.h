// Case-insensitive comparison of Unicode text by simple case folding: each
// character maps to one character ("A" and "ａ" of the full-width forms fold to
// "a" and "ａ", "Σ" and "ς" to "σ"), so positions and lengths never change.
// The regular-expression matcher ignores case this way, and so does anything
// that must count exactly what the matcher counts.
#pragma once

#include <vector>

// The simple case folding of one code point; the code point itself when it has
// no folding.
char32_t SimpleCaseFold(char32_t c);

// UTF-16 helpers over a table of the Basic Multilingual Plane, the whole range
// that code page 936 text converts into.
char16_t FoldUnit(char16_t c);

// True when another unit folds to the same unit as c (c has case variants).
bool HasCaseVariants(char16_t c);

// Writes every unit whose folding equals that of c, c included, and returns
// how many there are (1 to kMaxCaseVariants).
inline constexpr int kMaxCaseVariants = 4;
int CaseVariants(char16_t c, char16_t (&variants)[kMaxCaseVariants]);

// Every unit that has case variants, ascending; the matcher walks it to close a
// character class under case folding without visiting every unit of a range.
const std::vector<char16_t>& UnitsWithCaseVariants();
