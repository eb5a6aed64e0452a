// GBK tables on systems other than Windows: iconv's "CP936".
#include "util/CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP936 and UTF-16LE");
    }
    ~IconvConverter() { iconv_close(m_cd); }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts in, calling skip(remaining input) whenever iconv meets a sequence
    // it cannot convert; skip returns how many input bytes to pass over and may
    // append a replacement to the output.
    template <typename Skip> std::string Convert(std::string_view in, std::size_t outPerInByte, Skip skip) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * outPerInByte + 8, '\0');
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        std::size_t written = 0;
        while (inLeft > 0) {
            char* outPtr = out.data() + written;
            std::size_t outLeft = out.size() - written;
            std::size_t result = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            written = out.size() - outLeft;
            if (result != static_cast<std::size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            std::string replacement;
            std::size_t skipped = skip(std::string_view(inPtr, inLeft), replacement);
            if (written + replacement.size() > out.size())
                out.resize(out.size() * 2 + replacement.size());
            out.replace(written, replacement.size(), replacement);
            written += replacement.size();
            inPtr += skipped;
            inLeft -= skipped;
        }
        out.resize(written);
        return out;
    }

private:
    iconv_t m_cd;
};

bool IsHighSurrogateLe(std::string_view bytes) {
    return bytes.size() >= 2 && (static_cast<unsigned char>(bytes[1]) & 0xFC) == 0xD8;
}

bool IsLowSurrogateLe(std::string_view bytes) {
    return bytes.size() >= 2 && (static_cast<unsigned char>(bytes[1]) & 0xFC) == 0xDC;
}

} // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
    thread_local IconvConverter converter("UTF-16LE", "CP936");
    std::string bytes = converter.Convert(gbk, 2, [](std::string_view, std::string& replacement) {
        replacement.assign("?\0", 2);
        return std::size_t{1};
    });
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    thread_local IconvConverter converter("CP936", "UTF-16LE");
    std::string bytes(utf16.size() * 2, '\0');
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        bytes[2 * i] = static_cast<char>(utf16[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(utf16[i] >> 8);
    }
    return converter.Convert(bytes, 1, [](std::string_view rest, std::string&) {
        // Drop one character: a surrogate pair whole, anything else one unit.
        if (IsHighSurrogateLe(rest) && IsLowSurrogateLe(rest.substr(2)))
            return std::size_t{4};
        return std::min<std::size_t>(2, rest.size());
    });
}
