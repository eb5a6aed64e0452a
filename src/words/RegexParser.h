// Reads a regular expression written in UTF-16 into a RegexTree.
//
// Dialect: literals and escaped metacharacters; "." (any unit but LF); classes
// [...] and [^...] with ranges and the escapes below; \d \D \w \W \s \S \b \B
// \t \r \n \f \v \0 \xHH \uHHHH; groups (...), (?:...), lookaheads (?=...) and
// (?!...); alternation; greedy and lazy * + ? {n} {n,} {n,m}; ^ $;
// back-references \1 to \9. Like the scripting engines this dialect comes
// from, it is lenient where nothing is ambiguous: an escape of any other
// character is that character, and "{" "}" "]" that do not form a quantifier
// or close a class are literal.
#pragma once

#include "words/RegexTree.h"

#include <string_view>

// False when the pattern is not valid: unbalanced parentheses or brackets, a
// quantifier with nothing to repeat, {n,m} with n > m, a range whose ends are
// out of order, a back-reference to a group the pattern does not have, or
// groups nested deeper than kMaxRegexNesting.
inline constexpr int kMaxRegexNesting = 250;
bool ParseRegex(std::u16string_view pattern, RegexTree& tree);
