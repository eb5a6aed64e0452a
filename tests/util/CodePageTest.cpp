// Conversions through the system's code page 936 tables: the same expectations
// hold natively (iconv) and under Windows.
#include "util/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Word {
    const char* gbk;
    const char16_t* utf16;
    const char* utf8;
};

const Word kWords[] = {
    {"\xC1\xAC\xD2\xC2\xC8\xB9", u"连衣裙", "\xE8\xBF\x9E\xE8\xA1\xA3\xE8\xA3\x99"},
    {"\xA3\xB5\xA3\xB8", u"５８", "\xEF\xBC\x95\xEF\xBC\x98"},
    {"\xA1\xA1", u"\u3000", "\xE3\x80\x80"}, // the full-width space
    {"\x81\x40", u"丂", "\xE4\xB8\x82"},     // a GBK character with an ASCII trail byte
    {"\x80", u"€", "\xE2\x82\xAC"},          // code page 936's single-byte euro sign
    {"abc\t1\r\n", u"abc\t1\r\n", "abc\t1\r\n"},
    {"", u"", ""},
};

TEST(CodePage, ConvertsBothWays) {
    for (const Word& word : kWords) {
        EXPECT_EQ(GbkToUtf16(word.gbk), word.utf16) << word.utf8;
        EXPECT_EQ(Utf16ToGbk(word.utf16), word.gbk) << word.utf8;
        EXPECT_EQ(GbkToUtf8(word.gbk), word.utf8);
        EXPECT_EQ(Utf8ToGbk(word.utf8), word.gbk);
        EXPECT_EQ(Utf16ToUtf8(word.utf16), word.utf8);
        EXPECT_EQ(Utf8ToUtf16(word.utf8), word.utf16);
    }
}

TEST(CodePage, DropsWhatGbkCannotHold) {
    EXPECT_EQ(Utf16ToGbk(u"a\U0001F600b"), "ab");
    EXPECT_EQ(Utf16ToGbk(std::u16string(u"a") + char16_t(0xD800) + u"b"), "ab");
    EXPECT_EQ(Utf16ToGbk(std::u16string(u"a") + char16_t(0xDC00)), "a");
    // A long text with one unconvertible character in the middle keeps the rest.
    std::u16string longText(10000, u'字');
    longText.replace(5000, 1, u"\U0001F600");
    std::string gbk = Utf16ToGbk(longText);
    EXPECT_EQ(gbk.size(), 2u * 9999);
}

TEST(CodePage, Utf8DecodingIsStrict) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("abc"));
    EXPECT_TRUE(IsValidUtf8("\xE8\xBF\x9E"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE8\xBF"));         // cut short
    EXPECT_FALSE(IsValidUtf8("\xC1\xAC"));         // GBK 连
    EXPECT_EQ(Utf8ToUtf16("a\xC0\xAF"
                          "b"),
              u"ab");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

} // namespace
