// DecodeTextFile on any bytes: no crash, and the text it gives is well formed.
#include "util/TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = DecodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0')
            std::abort(); // the text ends at the first NUL
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            std::abort(); // every line ends in CR LF
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            std::abort();
    }
    // Decoded text is stable: decoding it again changes nothing, unless the
    // GBK bytes happen to form UTF-8 or begin with a byte-order mark.
    std::string again = DecodeTextFile(text);
    if (again != text &&
        (text.size() < 2 || (text.compare(0, 2, "\xFF\xFE") && text.compare(0, 2, "\xFE\xFF"))) &&
        text.compare(0, 3, "\xEF\xBB\xBF")) {
        bool hasHigh = false;
        for (char c : text)
            hasHigh |= static_cast<unsigned char>(c) >= 0x80;
        if (!hasHigh)
            std::abort();
    }
    return 0;
}
