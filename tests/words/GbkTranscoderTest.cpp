#include "words/GbkTranscoder.h"

#include "util/CodePage.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(GbkTranscoder, SameAsTheCodePage) {
    const std::string cases[] = {
        "",
        "abc\r\n",
        "\xC1\xAC\xD2\xC2\xC8\xB9", // 连衣裙
        "\xC1",                     // a lead byte at the end
        "\x80",                     // the single byte 0x80
        "\x81\x30",                 // a lead byte before a byte that cannot follow it
        "\xFF\xFE",                 // bytes no character starts with
        "a\xA3\xC1"
        "b\xA1\xA1", // full-width A, the ideographic space
        std::string("\0x", 2),
    };
    for (const std::string& gbk : cases) {
        EXPECT_EQ(DecodeGbk(gbk), GbkToUtf16(gbk));
        std::u16string units = GbkToUtf16(gbk);
        EXPECT_EQ(EncodeGbk(units), Utf16ToGbk(units));
    }
}

TEST(GbkTranscoder, SameAsTheCodePageOnRandomText) {
    std::mt19937 random(4);
    for (int round = 0; round < 300; ++round) {
        std::string gbk;
        for (int i = static_cast<int>(random() % 64); i > 0; --i) {
            if (round % 3 == 0 || random() % 4 == 0) {
                gbk += static_cast<char>(random() % 256); // anything at all
            } else {
                gbk += static_cast<char>(0x81 + random() % 0x7E); // a well-formed pair
                gbk += static_cast<char>(0x40 + random() % 0xBF);
            }
        }
        ASSERT_EQ(DecodeGbk(gbk), GbkToUtf16(gbk)) << round;
        std::u16string units;
        for (int i = static_cast<int>(random() % 32); i > 0; --i)
            units +=
                static_cast<char16_t>(random() % 3 == 0 ? random() % 0x10000 : 0x4E00 + random() % 0x5000);
        ASSERT_EQ(EncodeGbk(units), Utf16ToGbk(units)) << round;
    }
}

// The decoder works through the text in chunks of a few thousand bytes: a
// pair may straddle the end of a chunk, and the last byte may stand alone.
TEST(GbkTranscoder, SameAsTheCodePageAcrossChunks) {
    for (std::size_t ascii = 0; ascii < 4; ++ascii) {
        for (const char* tail : {"", "a", "\xC1", "\xC1\xAC", "\x80"}) {
            std::string gbk(ascii, 'x');
            while (gbk.size() < 9000)
                gbk += "\xC1\xAC"
                       "7"; // 连 and a digit: pairs start at both even and odd bytes
            gbk += tail;
            ASSERT_EQ(DecodeGbk(gbk), GbkToUtf16(gbk)) << ascii << " " << gbk.size();
        }
    }
}

} // namespace
