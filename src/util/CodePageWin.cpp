// GBK tables on Windows: the system's code page 936.
#include "util/CodePage.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kGbkCodePage = 936;

// Converts a run of UTF-16 that holds no cut surrogate pair; returns false when
// some character had no GBK form (the run must then go character by character).
bool TryWideToGbk(std::u16string_view run, std::string& out) {
    if (run.empty())
        return true;
    auto wide = reinterpret_cast<LPCWCH>(run.data());
    int length = static_cast<int>(run.size());
    BOOL usedDefault = FALSE;
    int needed = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr,
                                     &usedDefault);
    if (needed <= 0 || usedDefault)
        return false;
    std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, length, out.data() + start, needed, nullptr,
                        nullptr);
    return true;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
    std::u16string out;
    // MultiByteToWideChar takes int lengths; a run never ends inside a
    // character because it is cut at a single-byte character.
    constexpr std::size_t kRun = 1 << 24;
    for (std::size_t pos = 0; pos < gbk.size();) {
        std::size_t end = std::min(gbk.size(), pos + kRun);
        while (end < gbk.size() && end > pos && static_cast<unsigned char>(gbk[end - 1]) >= 0x80)
            --end;
        if (end == pos)
            end = std::min(gbk.size(), pos + kRun);
        int length = static_cast<int>(end - pos);
        int needed = MultiByteToWideChar(kGbkCodePage, 0, gbk.data() + pos, length, nullptr, 0);
        if (needed > 0) {
            std::size_t start = out.size();
            out.resize(start + static_cast<std::size_t>(needed));
            MultiByteToWideChar(kGbkCodePage, 0, gbk.data() + pos, length,
                                reinterpret_cast<LPWSTR>(out.data() + start), needed);
        }
        pos = end;
    }
    return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 2);
    constexpr std::size_t kRun = 4096;
    for (std::size_t pos = 0; pos < utf16.size();) {
        std::size_t end = std::min(utf16.size(), pos + kRun);
        if (end < utf16.size() && IsHighSurrogate(utf16[end - 1]))
            --end; // keep a surrogate pair within one run
        if (end == pos)
            end = pos + 1;
        if (!TryWideToGbk(utf16.substr(pos, end - pos), out)) {
            // Character by character, dropping those without a GBK form.
            for (std::size_t i = pos; i < end;) {
                std::size_t length =
                    IsHighSurrogate(utf16[i]) && i + 1 < end && IsLowSurrogate(utf16[i + 1]) ? 2 : 1;
                TryWideToGbk(utf16.substr(i, length), out);
                i += length;
            }
        }
        pos = end;
    }
    return out;
}
