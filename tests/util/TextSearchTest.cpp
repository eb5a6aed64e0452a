#include "util/TextSearch.h"

#include "util/NaiveTextSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

struct FindCase {
    std::string haystack;
    std::string needle;
    std::ptrdiff_t start;
    std::ptrdiff_t expected;
    const char* why;
};

TEST(FindText, Cases) {
    const std::string dress = "\xC1\xAC\xD2\xC2\xC8\xB9"; // 连衣裙
    const std::string longAscii(200, 'x');
    // clang-format off
    const FindCase cases[] = {
        {"abcabc", "c", 1, 3, "first match"},
        {"abcabc", "c", 4, 6, "from start"},
        {"abcabc", "abc", 4, 4, "match at start"},
        {"abcabc", "c", 7, -1, "start beyond the text"},
        {"abcabc", "c", 0, 3, "start below 1 counts as 1"},
        {"abcabc", "c", -5, 3, "negative start"},
        {"abcabc", "", 1, -1, "empty needle"},
        {"", "a", 1, -1, "empty haystack"},
        {"abc", "abcd", 1, -1, "needle longer than haystack"},
        {"abcabc", "d", 1, -1, "absent"},
        {dress, "\xD2\xC2", 1, 3, "衣 in 连衣裙"},
        {"\xB0\xA1\xB0\xA1", "\xA1\xB0", 1, -1, "bytes spanning two characters of 啊啊"},
        {"\x81\x40", "@", 1, -1, "'@' is the trail byte of 丂"},
        {"\x81\x40@", "@", 1, 3, "the real '@' after 丂"},
        {"\xB0\xA1" "A", "A", 2, -1, "a start inside a character shifts the boundaries"},
        {"a\xB0", "\xB0", 1, 2, "a lead byte at the very end"},
        {longAscii + "\x81\x40" + longAscii + "@", "@", 1, 403, "long text: candidates are checked"},
        {longAscii + "\xB0\xA1\xB0\xA1" + dress, "\xA1\xB0\xA1", 1, -1, "long text, misaligned only"},
        {longAscii + dress + longAscii, dress, 1, 201, "long text, Chinese needle"},
        {longAscii + dress + longAscii, dress, 202, -1, "long text, after the match"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FindText(c.haystack, c.needle, c.start), c.expected) << c.why;
}

// Random GBK-ish texts over a small alphabet, so that matches and trail-byte
// near-misses are frequent, against the character-by-character oracle.
TEST(FindText, AgreesWithTheCharacterWalk) {
    const char alphabet[] = {'@', 'A', '\x81', '\xB0', '\xA1', '\x40'};
    std::mt19937 random(3);
    auto randomText = [&](std::size_t maxLength) {
        std::string text;
        std::size_t length = random() % (maxLength + 1);
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[random() % sizeof alphabet];
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string haystack = randomText(round % 2 ? 300 : 20);
        std::string needle = randomText(4);
        auto start = static_cast<std::ptrdiff_t>(random() % (haystack.size() + 3)) - 1;
        ASSERT_EQ(FindText(haystack, needle, start), NaiveFindText(haystack, needle, start))
            << "round " << round;
    }
}

} // namespace
