#include "generate/ShareRefresh.h"
#include "generate/RunResults.h"

#include "FakeRun.h"
#include "generate/RandomGenerator.h"
#include "util/Number.h"
#include "words/RegexMatcher.h"

#include <gtest/gtest.h>

namespace {

// What the share column would hold if every word went through the matcher.
std::string MatcherShare(const RootWord& row, std::string_view joined, std::int32_t total) {
    if (row.weight == "0")
        return "0";
    RegexMatcher matcher;
    int matches = matcher.Match(row.word, joined) ? matcher.MatchCount() : 0;
    return NumberToText(RoundNumber(static_cast<double>(matches) / total * 100, 2));
}

TEST(ShareRefresh, Cases) {
    const std::string joined = Gbk("连衣裙修身百搭连衣裙韩版DressＤＲＥＳＳ a.c abc");
    const struct {
        const char* word;
        const char* weight;
        std::int32_t total;
        const char* expected;
    } cases[] = {
        {"连衣裙", "5", 8, "25"},                              // 2 of 8
        {"连衣裙", "5", 3, "66.67"},                           // 2 / 3 rounded to two decimals
        {"修身", "5", 8, "12.5"},       {"衬衫", "5", 8, "0"}, // not used
        {"连衣裙", "0", 8, "0"},                               // weight exactly "0"
        {"连衣裙", "00", 8, "25"},                             // only the text "0" counts as zero here
        {"dress", "1", 8, "12.5"},      // case ignored; full-width letters are other letters
        {"ｄｒｅｓｓ", "1", 8, "12.5"}, // full-width letters ignore their case too
        {"a.c", "1", 8, "25"},          // a pattern: matches "a.c" and "abc"
        {"a\\.c", "1", 8, "12.5"},      {"(", "1", 8, "0"}, // not a valid pattern: no match
        {"连衣裙", "5", 0, "0"},                            // no title made
    };
    for (const auto& c : cases) {
        std::vector<std::string> shares = ShareRefresh({{Gbk(c.word), c.weight}}, joined, c.total);
        ASSERT_EQ(shares.size(), 1u);
        EXPECT_EQ(shares[0], c.expected) << c.word << " / " << c.total;
    }
}

// Random titles and words with letters of mixed case and width, plain words
// and patterns mixed: the one-pass count gives what the matcher gives.
TEST(ShareRefresh, AgreesWithTheMatcherWordByWord) {
    const std::vector<std::string> pieces = {Gbk("连衣"), Gbk("裙"), "a",  "A",        Gbk("ａ"),
                                             Gbk("Ａ"),   "b",       "ab", Gbk("修身")};
    RandomGenerator random(4);
    auto randomText = [&](int maxPieces) {
        std::string text;
        for (std::int64_t i = random.UniformInt(1, maxPieces); i > 0; --i)
            text += pieces[static_cast<std::size_t>(
                random.UniformInt(0, static_cast<std::int64_t>(pieces.size()) - 1))];
        return text;
    };
    for (int round = 0; round < 50; ++round) {
        std::vector<RootWord> rows;
        for (int i = 0; i < 40; ++i)
            rows.push_back({randomText(3), i % 7 == 0 ? "0" : "3"});
        rows.push_back({"a+", "1"});
        rows.push_back({Gbk("连衣|修身"), "1"});
        std::string joined;
        for (int title = 0; title < 30; ++title)
            joined += randomText(12);
        const std::int32_t total = 90;
        std::vector<std::string> shares = ShareRefresh(rows, joined, total);
        for (std::size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(shares[i], MatcherShare(rows[i], joined, total)) << "round " << round << " row " << i;
    }
}

TEST(RunResults, TidiesCountsAndJoins) {
    TitleRunState state;
    state.resultText = Gbk("连衣裙修身\r\n连衣裙百搭\r\n\r\n衬衫修身\r\n\r\n");
    state.titleWordTotal = 6;
    RunResults results = CollectRunResults(state, {{Gbk("修身"), "2"}, {Gbk("裙修"), "1"}});
    EXPECT_EQ(results.resultText, Gbk("连衣裙修身\r\n连衣裙百搭\r\n衬衫修身"));
    EXPECT_EQ(results.titleCount, 3u);
    EXPECT_EQ(results.headerText, Gbk("生成结果【本次共生成3个标题】"));
    // The titles are joined without a separator before counting: 裙修 is found inside a title only.
    EXPECT_EQ(results.shares, (std::vector<std::string>{"33.33", "16.67"}));

    TitleRunState empty;
    empty.resultText = "\r\n\r\n";
    RunResults none = CollectRunResults(empty, {{Gbk("修身"), "2"}});
    EXPECT_EQ(none.resultText, "");
    EXPECT_EQ(none.titleCount, 0u);
    EXPECT_EQ(none.headerText, Gbk("生成结果【本次共生成0个标题】"));
    EXPECT_EQ(none.shares, std::vector<std::string>{"0"});
}

} // namespace
