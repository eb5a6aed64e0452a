// Conversions between the program's GBK text (code page 936) and Unicode, made
// only at the boundaries: the Win32 "W" functions, GDI+, the clipboard, files
// and the command line. Code page 936 is named explicitly everywhere, so the
// program behaves the same on a Windows whose ANSI code page is not Chinese.
#pragma once

#include <string>
#include <string_view>

// GBK to UTF-16. A byte sequence that is not GBK becomes '?'.
std::u16string GbkToUtf16(std::string_view gbk);

// UTF-16 to GBK. Characters that GBK cannot hold, and unpaired surrogates, are
// dropped; the rest of the text is kept.
std::string Utf16ToGbk(std::u16string_view utf16);

// UTF-8 to UTF-16 and back. Bytes that are not well-formed UTF-8 (overlong
// forms, surrogates, values beyond U+10FFFF, cut sequences) are dropped, as are
// unpaired surrogates in the other direction.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

inline std::string GbkToUtf8(std::string_view gbk) {
    return Utf16ToUtf8(GbkToUtf16(gbk));
}
inline std::string Utf8ToGbk(std::string_view utf8) {
    return Utf16ToGbk(Utf8ToUtf16(utf8));
}

// True when the bytes are well-formed UTF-8 (an empty or ASCII text is).
bool IsValidUtf8(std::string_view bytes);

#ifdef _WIN32
// wchar_t is UTF-16 on Windows; these feed the "W" functions directly.
inline std::wstring GbkToWide(std::string_view gbk) {
    std::u16string utf16 = GbkToUtf16(gbk);
    return std::wstring(utf16.begin(), utf16.end());
}
inline std::string WideToGbk(std::wstring_view wide) {
    return Utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}
#endif
