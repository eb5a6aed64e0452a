#include "util/TextFile.h"

#include "util/CodePage.h"

#include <algorithm>

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

std::u16string ReadUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        auto first = static_cast<unsigned char>(bytes[2 * i]);
        auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return units;
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

bool HasNonAscii(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::string DecodeBytes(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return Utf8ToGbk(UpToNul(bytes.substr(3)));
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        std::u16string units = ReadUtf16(bytes.substr(2), bytes[0] == '\xFE');
        return Utf16ToGbk(std::u16string_view(units).substr(0, units.find(u'\0')));
    }
    std::string_view text = UpToNul(bytes);
    if (HasNonAscii(text) && IsValidUtf8(text))
        return Utf8ToGbk(text);
    return std::string(text);
}

} // namespace

std::string NormaliseLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t pos = 0;
    for (std::size_t found; (found = text.find_first_of("\r\n", pos)) != std::string_view::npos;) {
        out.append(text.substr(pos, found - pos));
        out.append("\r\n");
        pos = found + (text[found] == '\r' && found + 1 < text.size() && text[found + 1] == '\n' ? 2 : 1);
    }
    out.append(text.substr(pos));
    return out;
}

std::string DecodeTextFile(std::string_view bytes) {
    return NormaliseLineEnds(DecodeBytes(bytes));
}
