#include "util/TextTidy.h"

namespace {
bool IsLineBreakByte(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

std::string TidyLines(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t seam; (seam = text.find("\n\r", pos)) != std::string_view::npos; pos = seam + 2)
        joined.append(text.substr(pos, seam - pos));
    joined.append(text.substr(pos));

    std::size_t first = 0;
    while (first < joined.size() && IsLineBreakByte(joined[first]))
        ++first;
    std::size_t last = joined.size();
    while (last > first && IsLineBreakByte(joined[last - 1]))
        --last;
    return joined.substr(first, last - first);
}
