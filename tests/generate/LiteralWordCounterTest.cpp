#include "generate/LiteralWordCounter.h"

#include "generate/RandomGenerator.h"

#include <gtest/gtest.h>

namespace {

// Left to right, each match starting after the end of the previous one.
std::int64_t NaiveCount(std::u16string_view text, std::u16string_view word) {
    if (word.empty())
        return 0;
    std::int64_t count = 0;
    for (std::size_t pos = text.find(word); pos != std::u16string_view::npos;
         pos = text.find(word, pos + word.size()))
        ++count;
    return count;
}

TEST(LiteralWordCounter, CountsNonOverlappingMatches) {
    const struct {
        std::u16string text;
        std::vector<std::u16string> words;
        std::vector<std::int64_t> expected;
    } cases[] = {
        {u"aaaa", {u"aa", u"a", u"aaa"}, {2, 4, 1}},
        {u"abababa", {u"aba", u"bab"}, {2, 1}},
        {u"连衣裙修身连衣裙", {u"连衣裙", u"衣裙", u"修身", u"裙修"}, {2, 2, 1, 1}},
        {u"xyz", {u"", u"q", u"xyz", u"xyz"}, {0, 0, 1, 1}}, // empty words never match; repeats share a count
        {u"", {u"a"}, {0}},
        {u"she sells", {u"he", u"she", u"s", u"hers"}, {1, 1, 3, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LiteralWordCounter(c.words).Count(c.text), c.expected);
}

// Random words and texts over a three-letter alphabet, where words overlap
// and nest all the time, against a search per word.
TEST(LiteralWordCounter, AgreesWithASearchPerWord) {
    RandomGenerator random(8);
    auto randomText = [&](std::size_t maxLength) {
        std::u16string text(
            static_cast<std::size_t>(random.UniformInt(0, static_cast<std::int64_t>(maxLength))), u'a');
        for (char16_t& c : text)
            c = static_cast<char16_t>(u'a' + random.UniformInt(0, 2));
        return text;
    };
    for (int round = 0; round < 500; ++round) {
        std::vector<std::u16string> words;
        for (int i = 0; i < 20; ++i)
            words.push_back(randomText(5));
        std::u16string text = randomText(300);
        std::vector<std::int64_t> counts = LiteralWordCounter(words).Count(text);
        for (std::size_t i = 0; i < words.size(); ++i)
            ASSERT_EQ(counts[i], NaiveCount(text, words[i])) << "round " << round << " word " << i;
    }
}

} // namespace
