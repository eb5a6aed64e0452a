// FindText against the character-by-character walk.
#include "util/TextSearch.h"

#include "util/NaiveTextSearch.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // Byte 0: the start position (-1..254); byte 1: the needle's length.
    std::ptrdiff_t start = static_cast<std::ptrdiff_t>(data[0]) - 1;
    std::size_t needleLength = data[1] % 16;
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    if (needleLength > rest.size())
        needleLength = rest.size();
    std::string_view needle = rest.substr(0, needleLength);
    std::string_view haystack = rest.substr(needleLength);
    if (FindText(haystack, needle, start) != NaiveFindText(haystack, needle, start))
        std::abort();
    return 0;
}
