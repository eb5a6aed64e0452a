#include "generate/MainWordSpec.h"

#include "FakeRun.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWordSpec, SplitsAtTheFirstAndLastSeparator) {
    const struct {
        const char* line;
        const char* mainWord;
        const char* countText;
        double count;
    } cases[] = {
        {"连衣裙--100", "连衣裙", "100", 100},
        {"a--b--3", "a", "3", 3},
        {"a---3", "a", "3", 3},
        {"连衣裙--", "连衣裙", "", 0},
        {"--100", "", "100", 100},
        {" 连衣裙 --100abc", " 连衣裙 ", "100abc", 100}, // spaces stay; the count reads its leading number
        {"连衣裙--abc", "连衣裙", "abc", 0},
        {"连衣裙--2.5", "连衣裙", "2.5", 2.5},
        {"连衣裙", "", "", 0},
        {"a-b", "", "", 0},
    };
    for (const auto& c : cases) {
        MainWordSpec parsed = SplitMainWordLine(Gbk(c.line));
        EXPECT_EQ(parsed.mainWord, Gbk(c.mainWord)) << c.line;
        EXPECT_EQ(parsed.countText, Gbk(c.countText)) << c.line;
        EXPECT_DOUBLE_EQ(parsed.RequestedCount(), c.count) << c.line;
    }
}

TEST(MainWordSpec, CheckBeforeStart) {
    const struct {
        const char* box;
        std::size_t rows;
        const RunMessage* expected;
    } cases[] = {
        {"", 100, &MainWordMissingMessage()},
        {"连衣裙", 100, &MainWordMissingMessage()},
        {"连衣裙-100", 100, &MainWordMissingMessage()},
        {"连衣裙--100", 14, &TooFewRootWordsMessage()},
        {"连衣裙--100", 15, nullptr},
        {"连衣裙\r\nabc--", 15, nullptr},   // passes here; the run stops at the second line's format error
        {"", 0, &MainWordMissingMessage()}, // the box is checked first
    };
    for (const auto& c : cases) {
        std::optional<RunMessage> message = CheckBeforeStart(Gbk(c.box), c.rows);
        ASSERT_EQ(message.has_value(), c.expected != nullptr) << c.box << " " << c.rows;
        if (message) {
            EXPECT_EQ(message->text, c.expected->text);
            EXPECT_EQ(message->title, c.expected->title);
            EXPECT_EQ(message->iconType, c.expected->iconType);
        }
    }
    EXPECT_EQ(MainWordMissingMessage().iconType, 16);
    EXPECT_EQ(TooFewRootWordsMessage().iconType, 2);
    EXPECT_EQ(TooFewRootWordsMessage().title, Gbk("提示"));
    EXPECT_EQ(MainWordMissingMessage().title, Gbk("提示信息："));
}

TEST(MainWordSpec, SumRequested) {
    const struct {
        const char* box;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"连衣裙--100", 100},
        {"连衣裙--100\r\n吊带裙--50", 150},
        {"a--2.5\r\nb--2.5", 4}, // the fraction is dropped after each addition
        {"a--100abc\r\nb--abc", 100},
        {"a--1\r\n\r\nplain line\r\nb--2", 3}, // lines without "--" are skipped
        {"连衣裙--", std::nullopt},
        {"--100", std::nullopt},
        {"连衣裙--100\r\nabc--", std::nullopt},
        {"a--99999999999", 2147483647},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SumRequested(Gbk(c.box)), c.expected) << c.box;
}

} // namespace
