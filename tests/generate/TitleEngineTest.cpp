#include "generate/TitleEngine.h"

#include "FakeRun.h"
#include "generate/RandomGenerator.h"
#include "util/TextSearch.h"
#include "util/TextSplit.h"
#include "util/TextTidy.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Titles of fixed byte lengths: every root word has 4 bytes, and so has the
// main word 裙子, so the length range picks the number of entries.
class TitleEngineTest : public ::testing::Test {
protected:
    TitleEngineTest() {
        input.mainWordBox = Gbk("裙子--3");
        input.minimum = "8";
        input.maximum = "8";
        input.positionMinimum = "1";
        input.positionMaximum = "1";
    }

    TitleEngine::LineEnd Compose(const std::string& line) {
        TitleEngine engine(input, report, state, random);
        return engine.ComposeLine(SplitMainWordLine(line));
    }

    std::vector<std::string> Titles() const { return SplitLines(TidyLines(state.resultText)); }

    FakeInput input;
    FakeReport report;
    TitleRunState state;
    RandomGenerator random{12345};
    const std::string mainWord = Gbk("裙子");
};

TEST_F(TitleEngineTest, MakesTheRequestedTitlesWithTheLineLayout) {
    input.AddWords(20);
    EXPECT_EQ(Compose(mainWord + "--3"), TitleEngine::LineEnd::NextLine);
    std::vector<std::string> pieces = SplitText(state.resultText, "\r\n");
    ASSERT_EQ(pieces.size(), 3u) << "each title on its own line; the line's own break after the last";
    EXPECT_TRUE(state.resultText.ends_with("\r\n") && !state.resultText.ends_with("\r\n\r\n"));
    for (const std::string& title : pieces) {
        EXPECT_EQ(title.size(), 8u);
        EXPECT_EQ(title.substr(0, 4), mainWord);
    }
    EXPECT_EQ(report.accepted, 3);
    EXPECT_EQ(report.captions, std::vector<std::string>{StopCaptionText()});
    EXPECT_TRUE(report.messages.empty());
}

// 14 usable words and the main word make the 15 entries an attempt needs.
TEST_F(TitleEngineTest, NeedsFifteenEntriesWithTheMainWord) {
    const struct {
        int words;
        bool plusOneInsideTheMainWord;
        bool titlesMade;
    } cases[] = {{14, false, true}, {13, false, false}, {14, true, true}, {13, true, false}};
    const FakeInput base = input;
    for (const auto& c : cases) {
        input = base;
        input.AddWords(c.words);
        if (c.plusOneInsideTheMainWord)
            input.rows.push_back({Gbk("裙"), "50"});
        report = FakeReport();
        state.Reset();
        Compose(mainWord + "--3");
        EXPECT_EQ(report.accepted > 0, c.titlesMade) << c.words;
        if (!c.titlesMade) {
            ASSERT_EQ(report.messages.size(), 1u);
            EXPECT_EQ(report.messages[0].text, TooFewWordsMessage().text);
            EXPECT_EQ(report.messages[0].title, Gbk("提示信息："));
            EXPECT_EQ(report.messages[0].iconType, 16);
            EXPECT_EQ(state.resultText, "\r\n") << "an abandoned line still leaves its line break";
        }
    }
}

TEST_F(TitleEngineTest, WordsInsideTheMainWordAndWeightlessWordsAreNeverUsed) {
    input.AddWords(16);
    const std::vector<RootWord> excluded = {
        {Gbk("裙"), "1000"},                      // occurs inside the main word 裙子
        {FakeInput::WordOfFourBytes(500), "0"},   // weight 0
        {FakeInput::WordOfFourBytes(501), "abc"}, // no number: weight 0
        {FakeInput::WordOfFourBytes(502), "-5"},  // negative
    };
    input.rows.insert(input.rows.end(), excluded.begin(), excluded.end());
    input.minimum = "12";
    input.maximum = "12";
    Compose(mainWord + "--60");
    ASSERT_EQ(report.accepted, 60);
    for (const std::string& title : Titles()) {
        EXPECT_EQ(FindText(title, Gbk("裙"), 1), 1) << "only the main word's own character";
        EXPECT_EQ(FindText(title, Gbk("裙"), 2), -1);
        for (std::size_t i = 1; i < excluded.size(); ++i)
            EXPECT_EQ(FindText(title, excluded[i].word, 1), -1);
    }
}

TEST_F(TitleEngineTest, MainWordStandsAtTheDrawnPosition) {
    const struct {
        const char* low;
        const char* high;
        std::set<std::size_t> offsets; // byte offsets where the main word may stand
    } cases[] = {
        {"1", "1", {0}},        {"3", "3", {8}}, {"5", "2", {4, 8, 12, 16}}, // bounds swapped
        {"2.9", "3.7", {4, 8}},                                              // bounds truncated
        {"-4", "1", {0}}, // below 0 counts as 0; position 0 leaves the main word out
    };
    input.AddWords(30);
    input.minimum = "20";
    input.maximum = "20";
    for (const auto& c : cases) {
        input.positionMinimum = c.low;
        input.positionMaximum = c.high;
        state.Reset();
        report = FakeReport();
        Compose(mainWord + "--40");
        EXPECT_EQ(report.accepted, 40) << c.low << "-" << c.high;
        std::set<std::size_t> seen;
        for (const std::string& title : Titles())
            seen.insert(static_cast<std::size_t>(FindText(title, mainWord, 1) - 1));
        for (std::size_t offset : seen)
            EXPECT_TRUE(c.offsets.count(offset)) << c.low << "-" << c.high << " offset " << offset;
        if (c.offsets.size() > 1) {
            EXPECT_EQ(seen, c.offsets) << "every allowed position occurs in 40 titles";
        }
    }
}

// Lines that cannot be finished end with the failure after 1999 attempts.
TEST_F(TitleEngineTest, GivesUpAfterTheAttemptLimit) {
    const struct {
        const char* why;
        const char* minimum;
        const char* maximum;
        const char* position;
        const char* count;
        int titles;
    } cases[] = {
        {"minimum beyond what the words can reach", "1000", "1200", "1", "5", 0},
        {"position beyond the sequence", "8", "8", "100", "5", 0},
        {"maximum too small for one word", "3", "3", "1", "5", 0},
        {"a fractional count is never reached", "8", "8", "1", "2.5", 20},
        {"more titles than there are", "8", "8", "1", "100", 20},
    };
    input.AddWords(20);
    for (const auto& c : cases) {
        input.minimum = c.minimum;
        input.maximum = c.maximum;
        input.positionMinimum = input.positionMaximum = c.position;
        input.positionReads = 0;
        state.Reset();
        report = FakeReport();
        EXPECT_EQ(Compose(mainWord + "--" + c.count), TitleEngine::LineEnd::NextLine) << c.why;
        EXPECT_EQ(report.accepted, c.titles) << c.why;
        ASSERT_EQ(report.messages.size(), 1u) << c.why;
        EXPECT_EQ(report.messages[0].text, CompositionFailedMessage().text);
        EXPECT_EQ(report.messages[0].title, Gbk("提示"));
        EXPECT_EQ(report.messages[0].iconType, 1);
        EXPECT_EQ(input.positionReads, 1999) << c.why;
    }
}

TEST_F(TitleEngineTest, ACountOfZeroEndsAtTheFirstRejectedStep) {
    input.AddWords(20);
    for (const char* count : {"0", "abc", ""}) {
        input.positionReads = 0;
        state.Reset();
        report = FakeReport();
        Compose(mainWord + "--" + count);
        EXPECT_EQ(report.accepted, 0);
        EXPECT_TRUE(report.messages.empty());
        EXPECT_EQ(input.positionReads, 1) << "one attempt";
        EXPECT_EQ(state.resultText, "\r\n");
    }
}

TEST_F(TitleEngineTest, MissingParametersEndTheRun) {
    const struct {
        const char* why;
        void (*empty)(FakeInput&);
    } cases[] = {
        {"main-word box", [](FakeInput& in) { in.mainWordBox.clear(); }},
        {"minimum", [](FakeInput& in) { in.minimum.clear(); }},
        {"maximum", [](FakeInput& in) { in.maximum.clear(); }},
        {"root words", [](FakeInput& in) { in.rows.clear(); }},
    };
    for (const auto& c : cases) {
        input = FakeInput();
        input.mainWordBox = Gbk("裙子--3");
        input.AddWords(20);
        c.empty(input);
        state.Reset();
        report = FakeReport();
        EXPECT_EQ(Compose(mainWord + "--3"), TitleEngine::LineEnd::MissingParameters) << c.why;
        ASSERT_EQ(report.messages.size(), 1u);
        EXPECT_EQ(report.messages[0].text, MissingParametersMessage().text);
        EXPECT_EQ(report.messages[0].iconType, 2);
        EXPECT_EQ(state.resultText, "") << "no line break";
        EXPECT_TRUE(report.captions.empty());
    }
}

// 14 words behind the main word give exactly 14 possible titles of two
// entries; two lines of 10 share them.
TEST_F(TitleEngineTest, LinesShareTheTitleSet) {
    input.AddWords(14);
    Compose(mainWord + "--10");
    Compose(mainWord + "--10");
    std::vector<std::string> titles = Titles();
    EXPECT_EQ(titles.size(), 14u);
    EXPECT_EQ(std::set<std::string>(titles.begin(), titles.end()).size(), 14u);
    ASSERT_EQ(report.messages.size(), 1u) << "the second line runs out of new titles";
    EXPECT_EQ(report.messages[0].text, CompositionFailedMessage().text);
}

// Words counted in attempts that ended without a title are carried into the
// next accepted title's contribution to the word total.
TEST_F(TitleEngineTest, PendingWordsCarryOverIntoTheWordTotal) {
    input.AddWords(14);
    Compose(mainWord + "--14");
    ASSERT_EQ(report.accepted, 14);
    // Every attempt counts two words (the main word and one more, 8 bytes at
    // most); the last one, which finds the line finished, counts one.
    EXPECT_EQ(state.titleWordTotal, 2 * (input.positionReads - 1));
    EXPECT_EQ(state.pendingWordCount, 1);
    EXPECT_GT(input.positionReads, 15) << "some attempts met titles already made";
}

TEST_F(TitleEngineTest, SettingsAreReadAgainDuringTheLine) {
    input.AddWords(40);
    report.onAccepted = [this](int accepted) {
        if (accepted == 3)
            input.minimum = input.maximum = "12";
    };
    Compose(mainWord + "--8");
    std::vector<std::string> titles = Titles();
    ASSERT_EQ(titles.size(), 8u);
    for (std::size_t i = 0; i < titles.size(); ++i)
        EXPECT_EQ(titles[i].size(), i < 3 ? 8u : 12u) << i;
}

TEST_F(TitleEngineTest, AStopEndsTheLineWithTheTitlesSoFar) {
    input.AddWords(40);
    report.stopAfter = 5;
    EXPECT_EQ(Compose(mainWord + "--100"), TitleEngine::LineEnd::Stopped);
    EXPECT_EQ(Titles().size(), 5u);
}

} // namespace
