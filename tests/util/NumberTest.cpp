#include "util/Number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TextToNumberCase {
    const char* text;
    double expected;
};

TEST(TextToNumber, ReadsTheLeadingDecimalNumberAsAtofDoes) {
    // clang-format off
    const TextToNumberCase cases[] = {
        {"58", 58},
        {"  \t\r\n58", 58},
        {"100abc", 100},
        {"abc", 0},
        {"", 0},
        {"-3.5e2x", -350},
        {"+7", 7},
        {"2.5", 2.5},
        {".5", 0.5},
        {"5.", 5},
        {"1e", 1},          // an exponent needs digits
        {"1e+", 1},
        {"1E-2", 0.01},
        {"-", 0},
        {"- 5", 0},
        {".", 0},
        {"0x1A", 0},        // no hex
        {"inf", 0},         // no words
        {"nan", 0},
        {"007", 7},
        {"1 2", 1},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToNumber, ReadsFullWidthFormsAsAscii) {
    // clang-format off
    const TextToNumberCase cases[] = {
        {"\xA3\xB5\xA3\xB8", 58},        // ５８
        {"\xA1\xA1\xA1\xA1" "12", 12},   // two full-width spaces, then 12
        {"\xA3\xAD\xA3\xB3", -3},        // －３
        {"\xA3\xAB\xA3\xB3", 3},         // ＋３
        {"\xA3\xAE\xA3\xB5", 0.5},       // ．５
        {"1\xA3\xB2", 12},               // 1２: the forms mix
        {"1\xA3\xC5" "2", 100},          // 1Ｅ2
        {"5\xA3\xA5", 5},                // 5％
        {"\xB0\xA1" "5", 0},             // 啊5: another character first
        {"60\xB8\xF6", 60},              // 60个
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToNumber, OverflowAndUnderflowBehaveAsAtof) {
    EXPECT_EQ(TextToNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(TextToNumber("-1e400"), -HUGE_VAL);
    EXPECT_EQ(TextToNumber("1e-400"), 0.0);
    EXPECT_EQ(TextToNumber("99999999999999999999"), 1e20);
}

TEST(TruncateToInt32, TruncatesTowardZeroAndClamps) {
    EXPECT_EQ(TruncateToInt32(2.9), 2);
    EXPECT_EQ(TruncateToInt32(-2.9), -2);
    EXPECT_EQ(TruncateToInt32(1e10), 2147483647);
    EXPECT_EQ(TruncateToInt32(-1e10), -2147483647 - 1);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TextToInt32("99999999999"), 2147483647);
    EXPECT_EQ(TextToInt32("2.5"), 2);
}

TEST(NumberToText, IntegersPlainOthersWithThirteenDigits) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {58, "58"},
        {-3, "-3"},
        {0, "0"},
        {-0.0, "0"},
        {2147483648.0, "2147483648"},
        {2.5, "2.5"},
        {0.1, "0.1"},
        {12.34, "12.34"},
        {1.0 / 3.0, "0.3333333333333"},
        {2.0 / 3.0, "0.6666666666667"},
        {0.00001, "1e-05"},
        {1e20, "1e+20"},
        {1234567890123.25, "1234567890123"},
        {-0.125, "-0.125"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
}

TEST(RoundNumber, RoundsHalfAwayFromZeroWithTheSmallBias) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {0.4, 0, 0},
        {0.5, 0, 1},
        {1.5, 0, 2},
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {1.2, 0, 1},
        {1.6, 0, 2},
        {100.0 / 250 * 5, 0, 2},
        {100.0 / 250 * 3, 0, 1},
        {12.3456, 2, 12.35},
        {2.675, 2, 2.68}, // 267.49999999999997 after scaling; the bias lifts it to .5
        {0.285, 2, 0.29},
        {33.333333, 2, 33.33},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RoundNumber(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

TEST(NumberComparisons, UseTheTolerance) {
    EXPECT_TRUE(NumberEquals(2, 2 + 5e-8));
    EXPECT_FALSE(NumberEquals(2, 2 + 2e-7));
    EXPECT_FALSE(NumberGreater(60 + 5e-8, 60));
    EXPECT_TRUE(NumberGreater(60 + 2e-7, 60));
    EXPECT_TRUE(NumberGreaterOrEqual(58 - 5e-8, 58));
    EXPECT_FALSE(NumberGreaterOrEqual(58 - 2e-7, 58));
    EXPECT_TRUE(NumberLess(1, 2));
    EXPECT_TRUE(NumberLessOrEqual(2 + 5e-8, 2));
    EXPECT_FALSE(NumberEquals(2, 2.5)); // a fractional count never equals a whole number of titles
}

} // namespace
