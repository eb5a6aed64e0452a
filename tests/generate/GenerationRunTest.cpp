#include "generate/GenerationRun.h"
#include "generate/ResultShuffle.h"

#include "FakeRun.h"
#include "generate/RandomGenerator.h"
#include "util/TextSplit.h"
#include "util/TextTidy.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class GenerationRunTest : public ::testing::Test {
protected:
    GenerationRunTest() {
        input.minimum = input.maximum = "8";
        input.positionMinimum = input.positionMaximum = "1";
        input.AddWords(30);
    }

    GenerationRun::End Run(const std::string& box) {
        input.mainWordBox = box;
        return run.Run();
    }

    FakeInput input;
    FakeReport report;
    RandomGenerator random{99};
    GenerationRun run{input, report, random};
};

TEST_F(GenerationRunTest, RunsEveryLineInOrder) {
    EXPECT_EQ(Run(Gbk("裙子--10\r\n衬衫--5")), GenerationRun::End::Completed);
    EXPECT_EQ(report.runStarts, std::vector<std::int32_t>{15});
    std::vector<std::string> titles = SplitLines(TidyLines(run.State().resultText));
    ASSERT_EQ(titles.size(), 15u);
    EXPECT_TRUE(std::all_of(titles.begin(), titles.begin() + 10,
                            [&](const std::string& t) { return t.starts_with(Gbk("裙子")); }));
    EXPECT_TRUE(std::all_of(titles.begin() + 10, titles.end(),
                            [&](const std::string& t) { return t.starts_with(Gbk("衬衫")); }));
    EXPECT_EQ(report.accepted, 15);
}

// A line without "--" runs with an empty main word: it makes no title and
// leaves one line break, which the tidy step removes.
TEST_F(GenerationRunTest, LinesWithoutTheSeparatorMakeNothing) {
    EXPECT_EQ(Run(Gbk("裙子--2\r\nplain\r\n\r\n衬衫--2")), GenerationRun::End::Completed);
    const std::string& text = run.State().resultText;
    EXPECT_EQ(SplitText(text, "\r\n").size(), 6u) << "2 titles + 2 empty lines + 2 titles";
    EXPECT_EQ(SplitLines(TidyLines(text)).size(), 4u);
}

TEST_F(GenerationRunTest, AFormatErrorEndsTheRunBeforeAnyTitle) {
    EXPECT_EQ(Run(Gbk("裙子--10\r\nabc--")), GenerationRun::End::FormatError);
    EXPECT_TRUE(report.runStarts.empty());
    EXPECT_EQ(report.accepted, 0);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].text, MainWordFormatMessage().text);
    EXPECT_EQ(report.messages[0].iconType, 16);
    EXPECT_TRUE(report.captions.empty());
    EXPECT_EQ(run.State().resultText, "");
}

TEST_F(GenerationRunTest, MissingParametersStopTheLinesAfter) {
    input.minimum.clear();
    EXPECT_EQ(Run(Gbk("裙子--3\r\n衬衫--3")), GenerationRun::End::MissingParameters);
    EXPECT_EQ(report.messages.size(), 1u) << "the second line is not run";
    EXPECT_EQ(run.State().resultText, "");
}

TEST_F(GenerationRunTest, ANewRunStartsAfresh) {
    Run(Gbk("裙子--5"));
    std::string first = run.State().resultText;
    Run(Gbk("裙子--5"));
    EXPECT_EQ(SplitLines(TidyLines(run.State().resultText)).size(), 5u);
    EXPECT_NE(run.State().resultText, first)
        << "a new run may repeat titles of the last one, but starts empty";
}

TEST(ResultShuffle, KeepsEveryLineAndEndsEachWithABreak) {
    const struct {
        std::string text;
        std::vector<std::string> lines; // in any order
    } cases[] = {
        {"t1\r\nt2\r\nt3", {"t1", "t2", "t3"}},
        {"t1\r\nt2\r\nt3\r\n", {"t1", "t2", "t3"}}, // a second shuffle finds no extra line
        {"only", {"only"}},
        {"", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}}, // an empty line moves with the rest
    };
    RandomGenerator random(3);
    for (const auto& c : cases) {
        std::string shuffled = ShuffleResultText(c.text, random);
        EXPECT_TRUE(shuffled.ends_with("\r\n")) << c.text;
        std::vector<std::string> lines = SplitText(shuffled, "\r\n");
        std::vector<std::string> expected = c.lines;
        std::sort(lines.begin(), lines.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(lines, expected) << c.text;
    }
    EXPECT_EQ(ShuffleResultText("", random), "\r\n");
    EXPECT_EQ(ShuffleResultText("only", random), "only\r\n");
}

} // namespace
