// TextToNumber against the C library's strtod on the ASCII form of the text.
#include "util/Number.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The text as atof would see it: full-width forms replaced, other double-byte
// characters made into a byte that ends any number, cut at the first NUL.
std::string AsciiForm(const std::string& text) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size() && text[i] != '\0';) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ascii += text[i++];
        } else if (i + 1 < text.size()) {
            auto trail = static_cast<unsigned char>(text[i + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
                ascii += static_cast<char>(trail - 0x80);
            else if (lead == 0xA1 && trail == 0xA1)
                ascii += ' ';
            else
                ascii += '#';
            i += 2;
        } else {
            ascii += '#';
            ++i;
        }
    }
    return ascii;
}

bool StartsWithNoCase(const char* text, const char* word) {
    for (; *word; ++text, ++word)
        if (std::tolower(static_cast<unsigned char>(*text)) != *word)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    double value = TextToNumber(text);

    std::string ascii = AsciiForm(text);
    const char* p = ascii.c_str();
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const char* unsignedPart = (*p == '+' || *p == '-') ? p + 1 : p;
    double expected;
    if (StartsWithNoCase(unsignedPart, "0x"))
        expected = *p == '-' ? -0.0 : 0.0; // atof would read hex; the program reads the 0
    else if (StartsWithNoCase(unsignedPart, "inf") || StartsWithNoCase(unsignedPart, "nan"))
        expected = 0.0;
    else
        expected = std::strtod(ascii.c_str(), nullptr);
    if (std::isnan(value) || std::memcmp(&value, &expected, sizeof value) != 0) {
        if (!(value == 0 && expected == 0)) // the sign of a zero that is no number does not matter
            std::abort();
    }
    return 0;
}
