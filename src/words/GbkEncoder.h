// Utf16ToGbk for the many short texts the matcher hands out (a group of every
// match of a 200,000-line file): the same result, but each unit is converted
// through the code page once per process and then read from a table.
#pragma once

#include <string>
#include <string_view>

void AppendAsGbk(std::u16string_view units, std::string& out);

inline std::string EncodeGbk(std::u16string_view units) {
    std::string out;
    AppendAsGbk(units, out);
    return out;
}
