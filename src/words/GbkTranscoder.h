// GbkToUtf16 and Utf16ToGbk for the matcher, which converts every subject (10
// MB of titles, 200,000 lines of a root-word file) and hands out a text for
// every group of every match. The results are exactly those of CodePage.h:
// each character is converted through the code page once per process and then
// read from a table; text the tables cannot vouch for goes to CodePage.h.
#pragma once

#include <string>
#include <string_view>

std::u16string DecodeGbk(std::string_view gbk);

void AppendAsGbk(std::u16string_view units, std::string& out);

inline std::string EncodeGbk(std::u16string_view units) {
    std::string out;
    AppendAsGbk(units, out);
    return out;
}
