#include "util/Gbk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(Gbk, CountsCharactersByTheLeadByteRule) {
    EXPECT_EQ(GbkCharCount(""), 0u);
    EXPECT_EQ(GbkCharCount("abc"), 3u);
    EXPECT_EQ(GbkCharCount("\xC1\xAC\xD2\xC2\xC8\xB9"), 3u); // 连衣裙
    EXPECT_EQ(GbkCharCount("a\x81\x40"
                           "b"),
              3u);                        // 丂 has the ASCII trail byte '@'
    EXPECT_EQ(GbkCharCount("a\xB0"), 2u); // a lead byte at the end stands alone
}

TEST(Gbk, BoundariesAndTruncation) {
    const std::string text = "a\xB0\xA1"
                             "b\x81\x40"; // a 啊 b 丂
    const bool boundary[] = {true, true, false, true, true, false, true};
    for (std::size_t pos = 0; pos <= text.size(); ++pos)
        EXPECT_EQ(IsGbkCharBoundary(text, pos), boundary[pos]) << pos;
    EXPECT_FALSE(IsGbkCharBoundary(text, text.size() + 1));
    EXPECT_EQ(NextGbkCharBoundary(text, 2), 3u);

    EXPECT_EQ(GbkTruncate(text, 2), "a");
    EXPECT_EQ(GbkTruncate(text, 3), "a\xB0\xA1");
    EXPECT_EQ(GbkTruncate(text, 5), "a\xB0\xA1"
                                    "b");
    EXPECT_EQ(GbkTruncate(text, 100), text);
}

// The word-at-a-time skips must agree with a byte-by-byte walk.
TEST(Gbk, AdvanceAgreesWithAByteWalk) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        std::size_t length = random() % 80;
        for (std::size_t i = 0; i < length; ++i)
            text += random() % 4 == 0 ? static_cast<char>(0x80 + random() % 0x80)
                                      : static_cast<char>(random() % 0x80);
        std::size_t target = length ? random() % (length + 1) : 0;
        std::size_t expected = 0;
        while (expected < target)
            expected += static_cast<unsigned char>(text[expected]) >= 0x80 ? 2 : 1;
        if (expected > text.size())
            expected = text.size();
        ASSERT_EQ(AdvanceGbkBoundary(text, 0, target), expected) << "round " << round;
        if (target < text.size()) {
            ASSERT_EQ(IsGbkBoundaryAfter(text, 0, target), expected == target) << "round " << round;
        }
    }
}

} // namespace
