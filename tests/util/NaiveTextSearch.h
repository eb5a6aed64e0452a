// The obvious character-by-character search, kept as the oracle that FindText
// is checked against (tests and fuzzer).
#pragma once

#include <cstddef>
#include <string_view>

inline std::ptrdiff_t NaiveFindText(std::string_view haystack, std::string_view needle,
                                    std::ptrdiff_t start) {
    if (needle.empty() || haystack.empty())
        return -1;
    if (start < 1)
        start = 1;
    if (static_cast<std::size_t>(start) > haystack.size())
        return -1;
    for (std::size_t pos = static_cast<std::size_t>(start) - 1; pos < haystack.size();) {
        if (haystack.substr(pos, needle.size()) == needle)
            return static_cast<std::ptrdiff_t>(pos) + 1;
        pos += static_cast<unsigned char>(haystack[pos]) >= 0x80 ? 2 : 1;
    }
    return -1;
}
