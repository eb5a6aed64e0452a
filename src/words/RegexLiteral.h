// Searching UTF-16 text for a plain literal, the matcher's path for patterns
// without metacharacters.
#pragma once

#include <cstddef>
#include <string_view>

// Position of the first occurrence of literal at or after from, comparing
// simple case foldings when ignoreCase; npos when there is none. An empty
// literal occurs at from itself (when from <= size).
std::size_t FindLiteral(std::u16string_view subject, std::u16string_view literal, bool ignoreCase,
                        std::size_t from);
