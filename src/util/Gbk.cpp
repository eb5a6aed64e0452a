#include "util/Gbk.h"

#include <cstdint>
#include <cstring>

std::size_t AdvanceGbkBoundary(std::string_view text, std::size_t boundary, std::size_t target) {
    const char* data = text.data();
    std::size_t pos = boundary;
    while (pos < target) {
        // Eight single-byte characters at once: the boundary stays in step.
        if (target - pos >= 8) {
            std::uint64_t word;
            std::memcpy(&word, data + pos, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                pos += 8;
                continue;
            }
        }
        pos += IsGbkLeadByte(data[pos]) ? 2 : 1;
    }
    return pos < text.size() ? pos : text.size();
}

bool IsGbkBoundaryAfter(std::string_view text, std::size_t boundary, std::size_t pos) {
    const char* data = text.data();
    std::size_t runStart = pos;
    while (runStart > boundary) {
        // Eight high bytes at once.
        if (runStart - boundary >= 8) {
            std::uint64_t word;
            std::memcpy(&word, data + runStart - 8, sizeof word);
            if ((word & 0x8080808080808080ull) == 0x8080808080808080ull) {
                runStart -= 8;
                continue;
            }
        }
        if (!IsGbkLeadByte(data[runStart - 1]))
            break;
        --runStart;
    }
    return (pos - runStart) % 2 == 0;
}

std::size_t GbkCharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += GbkCharLength(text, pos))
        ++count;
    return count;
}

bool IsGbkCharBoundary(std::string_view text, std::size_t pos) {
    if (pos > text.size())
        return false;
    return AdvanceGbkBoundary(text, 0, pos) == pos;
}

std::size_t NextGbkCharBoundary(std::string_view text, std::size_t pos) {
    return AdvanceGbkBoundary(text, 0, pos);
}

std::string_view GbkTruncate(std::string_view text, std::size_t maxBytes) {
    if (maxBytes >= text.size())
        return text;
    std::size_t end = AdvanceGbkBoundary(text, 0, maxBytes);
    if (end > maxBytes)
        end -= 2; // the character at maxBytes - 1 is a lead byte: leave it out
    return text.substr(0, end);
}
