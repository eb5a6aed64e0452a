#include "util/TextSearch.h"

#include "util/Gbk.h"

std::ptrdiff_t FindText(std::string_view haystack, std::string_view needle, std::ptrdiff_t start) {
    if (needle.empty() || haystack.empty())
        return -1;
    if (start < 1)
        start = 1;
    if (static_cast<std::size_t>(start) > haystack.size())
        return -1;

    const std::size_t origin = static_cast<std::size_t>(start) - 1;
    const std::string_view text = haystack.substr(origin);
    std::size_t boundary = 0; // a known character boundary at or before the next candidate
    for (std::size_t from = 0;;) {
        // The library's search (memchr for the first byte, then a compare) is
        // the fastest candidate finder for words this short.
        std::size_t candidate = text.find(needle, from);
        if (candidate == std::string_view::npos)
            return -1;
        if (IsGbkBoundaryAfter(text, boundary, candidate))
            return static_cast<std::ptrdiff_t>(origin + candidate + 1);
        // The candidate is a trail byte: its character ends right after it.
        boundary = from = candidate + 1;
    }
}
