#include "toolkit/core/ImageTextLayout.h"

#include <gtest/gtest.h>

namespace {

// A 100 x 40 area at (10, 20), a 16 x 16 image, a 30 x 12 text, gap 4.
TEST(LayoutImageText, Kinds) {
    const DuiRect area{10, 20, 100, 40};
    const struct {
        int kind;
        DuiRect image;
        DuiRect text;
    } cases[] = {
        // pair 16 + 4 + 30 = 50 wide, centred: starts at 10 + 25
        {0, {35, 32, 16, 16}, {55, 34, 32, 14}},
        {1, {69, 32, 16, 16}, {35, 34, 32, 14}},
        // stacked 16 + 4 + 12 = 32 high, centred: starts at 20 + 4
        {2, {52, 24, 16, 16}, {45, 44, 32, 14}},
        {3, {52, 32, 16, 16}, {45, 34, 32, 14}},
        // text after an image at the left edge takes the rest of the width
        {4, {10, 32, 16, 16}, {30, 34, 80, 14}},
        {5, {94, 32, 16, 16}, {10, 34, 80, 14}},
        {6, {52, 20, 16, 16}, {45, 40, 35, 14}},
        {42, {35, 32, 16, 16}, {55, 34, 32, 14}}, // unknown kinds lay out as 0
    };
    for (const auto& c : cases) {
        ImageTextRects r = LayoutImageText(16, 16, c.kind, area, 30, 12, 0, 0, 4);
        EXPECT_EQ(r.image, c.image) << "kind " << c.kind;
        EXPECT_EQ(r.text, c.text) << "kind " << c.kind;
    }
}

TEST(LayoutImageText, OffsetsMoveThePairAndValuesAreTruncated) {
    // An odd free width puts the pair at a half pixel; it is truncated.
    ImageTextRects r = LayoutImageText(15, 15, 0, {0, 0, 100, 41}, 30, 12, 3, -2, 4);
    EXPECT_EQ(r.image, (DuiRect{28, 11, 15, 15})); // 3 + (100 - 49) / 2 = 28.5
    EXPECT_EQ(r.text, (DuiRect{47, 12, 32, 14}));  // -2 + (41 - 12) / 2 = 12.5
}

TEST(LayoutImageText, NoImageCentresTheTextAlone) {
    ImageTextRects r = LayoutImageText(0, 0, 0, {0, 0, 100, 40}, 30, 12, 0, 0, 0);
    EXPECT_EQ(r.text.x, 35);
    EXPECT_EQ(r.image.width, 0);
}

} // namespace
