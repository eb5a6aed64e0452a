#include "util/TextFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// GBK 连衣裙 (C1AC D2C2 C8B9) and 修身 (D0DE C9ED) appear in most rows; the
// same words are spelled out below in UTF-8 and UTF-16 bytes.
const std::string kDressGbk = "\xC1\xAC\xD2\xC2\xC8\xB9";
const std::string kSlimGbk = "\xD0\xDE\xC9\xED";
const std::string kDressUtf8 = "\xE8\xBF\x9E\xE8\xA1\xA3\xE8\xA3\x99";
const std::string kSlimUtf8 = "\xE4\xBF\xAE\xE8\xBA\xAB";

TEST(DecodeTextFile, Cases) {
    // clang-format off
    const struct {
        std::string bytes;
        std::string expected;
        const char* why;
    } cases[] = {
        {"", "", "empty"},
        {kDressGbk + "\t100\r\n" + kSlimGbk + "\t50\r\n", kDressGbk + "\t100\r\n" + kSlimGbk + "\t50\r\n", "GBK with CR LF stays as it is"},
        {kDressGbk + "\n" + kSlimGbk + "\n", kDressGbk + "\r\n" + kSlimGbk + "\r\n", "LF line ends"},
        {kDressGbk + "\r" + kSlimGbk, kDressGbk + "\r\n" + kSlimGbk, "lone CR line ends"},
        {"a\r\n\nb\r\rc", "a\r\n\r\nb\r\n\r\nc", "mixed line ends keep their empty lines"},
        {"\xEF\xBB\xBF" + kDressUtf8 + "\n", kDressGbk + "\r\n", "UTF-8 with a byte-order mark"},
        {kDressUtf8 + "\t100\n" + kSlimUtf8 + "\t50\n", kDressGbk + "\t100\r\n" + kSlimGbk + "\t50\r\n", "UTF-8 without a mark"},
        {"\xFF\xFE" "\xDE\x8F\x63\x88\xD9\x88" "\x0A\x00"s, kDressGbk + "\r\n", "UTF-16 LE with a mark"},
        {"\xFE\xFF" "\x8F\xDE\x88\x63\x88\xD9" "\x00\x0D\x00\x0A"s, kDressGbk + "\r\n", "UTF-16 BE with a mark"},
        {"\xEF\xBB\xBF" "a\xF0\x9F\x98\x80" "b", "ab", "a character GBK lacks is dropped (UTF-8)"},
        {"\xFF\xFE" "a\0\x3D\xD8\x00\xDE" "b\0"s, "ab", "a character GBK lacks is dropped (UTF-16)"},
        {"\xFF\xFE" "a\0\x3D\xD8" "b\0"s, "ab", "an unpaired surrogate is dropped"},
        {"ab\0cd"s, "ab", "the text ends at the first NUL"},
        {"\xFF\xFE" "a\0\0\0b\0"s, "a", "the text ends at the first NUL (UTF-16)"},
        {"\xEF\xBB\xBF", "", "only a mark"},
        {"\xFF\xFE" "a\0b"s, "a", "an odd last byte of UTF-16 is ignored"},
        {"plain ascii\n", "plain ascii\r\n", "ASCII"},
        {"\xB0\xA1\xB0", "\xB0\xA1\xB0", "not UTF-8: taken as GBK"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DecodeTextFile(c.bytes), c.expected) << c.why;
}

TEST(NormaliseLineEnds, EveryBreakBecomesCrLf) {
    EXPECT_EQ(NormaliseLineEnds("a\nb\rc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(NormaliseLineEnds("\r"), "\r\n");
    EXPECT_EQ(NormaliseLineEnds(""), "");
}

} // namespace
