#include "toolkit/core/Colour.h"

#include <gtest/gtest.h>

namespace {

TEST(ToArgb, SwapsRedAndBlueAndKeepsOpaqueAt254) {
    const struct {
        ColourRef colour;
        std::optional<int> alpha;
        ArgbParts expected;
    } cases[] = {
        {0x0000FF, std::nullopt, {254, 255, 0, 0}}, // pure red, no alpha: opaque is stored as 254
        {0x0000FF, 128, {128, 255, 0, 0}},
        {0x0000FF, 255, {254, 255, 0, 0}}, // 255 given is still stored as 254
        {0x0000FF, 254, {254, 255, 0, 0}},
        {0x0000FF, 0, {0, 255, 0, 0}},
        {0xFF0000, std::nullopt, {254, 0, 0, 255}},             // blue
        {MakeColourRef(1, 2, 3), 7, {7, 1, 2, 3}},              // each byte lands in its own place
        {0xFF000000 | MakeColourRef(9, 8, 7), 9, {9, 9, 8, 7}}, // a stray top byte is dropped
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitArgb(ToArgb(c.colour, c.alpha)), c.expected) << std::hex << c.colour;
}

TEST(IsDark, ThresholdAt192) {
    const struct {
        Argb argb;
        bool dark;
    } cases[] = {
        {MakeArgb(255, 255, 255, 255), false}, {MakeArgb(255, 191, 191, 191), true},
        {MakeArgb(255, 192, 192, 192), false}, {MakeArgb(255, 0, 0, 0), true},
        {MakeArgb(255, 255, 255, 0), false}, // yellow: bright
        {MakeArgb(255, 0, 0, 255), true},    // blue: dark
        {MakeArgb(0, 255, 255, 255), false}, // alpha does not count
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsDark(c.argb), c.dark) << std::hex << c.argb;
}

TEST(BackgroundSamples, NinePointsAtFifthsTruncated) {
    SamplePoint points[9];
    BackgroundSamplePoints(10, 20, 101, 51, points);
    const SamplePoint expected[9] = {{30, 30}, {60, 30}, {90, 30}, {30, 45}, {60, 45},
                                     {90, 45}, {30, 60}, {60, 60}, {90, 60}};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(points[i].x, expected[i].x) << i;
        EXPECT_EQ(points[i].y, expected[i].y) << i;
    }
}

TEST(BackgroundSamples, MoreThanFourDarkIsDark) {
    const Argb dark = MakeArgb(255, 0, 0, 0);
    const Argb light = MakeArgb(255, 255, 255, 255);
    const Argb fiveDark[9] = {dark, light, dark, light, dark, light, dark, light, dark};
    const Argb fourDark[9] = {light, dark, light, dark, light, dark, light, dark, light};
    EXPECT_TRUE(MostlyDark(fiveDark));
    EXPECT_FALSE(MostlyDark(fourDark));
}

} // namespace
