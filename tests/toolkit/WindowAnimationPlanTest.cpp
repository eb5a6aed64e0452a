#include "toolkit/core/WindowAnimationPlan.h"

#include <gtest/gtest.h>

namespace {

TEST(ShowAnimationFrames, TenStepsWithRisingAlpha) {
    const struct {
        int animation;
        AnimationFrame::Kind kind;
        WipeSide side;
    } cases[] = {
        {1, AnimationFrame::Kind::Whole, WipeSide::Left},  {3, AnimationFrame::Kind::Wipe, WipeSide::Left},
        {4, AnimationFrame::Kind::Wipe, WipeSide::Right},  {5, AnimationFrame::Kind::Wipe, WipeSide::Top},
        {7, AnimationFrame::Kind::Whole, WipeSide::Left},  {2, AnimationFrame::Kind::Wipe, WipeSide::Bottom},
        {9, AnimationFrame::Kind::Wipe, WipeSide::Bottom},
    };
    for (const auto& c : cases) {
        std::vector<AnimationFrame> frames = ShowAnimationFrames(c.animation, 650, 537, 200);
        ASSERT_EQ(frames.size(), 10u) << c.animation;
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(frames[i].kind, c.kind) << c.animation;
            EXPECT_EQ(frames[i].alpha, 25 * i) << c.animation;
            if (c.kind == AnimationFrame::Kind::Wipe) {
                EXPECT_EQ(frames[i].side, c.side) << c.animation;
            }
        }
    }
    EXPECT_TRUE(ShowAnimationFrames(0, 650, 537, 200).empty());
}

TEST(ShowAnimationFrames, WipeFromTopSleepsAStepOfTheDuration) {
    std::vector<AnimationFrame> frames = ShowAnimationFrames(5, 650, 537, 200);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(frames[i].sleepMs, 20);
        EXPECT_EQ(frames[i].extent, 53 * i); // trunc(537 / 10) per step
        EXPECT_TRUE(frames[i].reveal);
    }
    EXPECT_EQ(ShowAnimationFrames(3, 650, 537, 100)[4].extent, 65 * 4);
}

TEST(ShowAnimationFrames, ZoomInsetShrinksToTheWindow) {
    std::vector<AnimationFrame> frames = ShowAnimationFrames(7, 650, 537, 200);
    EXPECT_EQ(frames[0].target, (DuiRect{54, 45, 542, 447})); // inset 6 x 9 and 5 x 9
    EXPECT_EQ(frames[0].sleepMs, 10);                         // 11 - 1, at most 10
    EXPECT_EQ(frames[9].target, (DuiRect{0, 0, 650, 537}));
    EXPECT_EQ(frames[9].sleepMs, 1);
}

TEST(ShowAnimationFrames, SoftEdgeFadesOverOneHundredLines) {
    EXPECT_EQ(SoftEdgeAlpha(200, 1), 200);
    EXPECT_EQ(SoftEdgeAlpha(200, 100), 2);
    EXPECT_EQ(SoftEdgeAlpha(25, 50), 12); // 0.25 * 51 = 12.75, truncated
}

TEST(CloseAnimationFrames, FrameCountsAndLastAlpha) {
    const struct {
        int kind;
        std::size_t frames;
        int lastAlpha;
    } cases[] = {
        {1, 15, 0}, {2, 20, 15}, {7, 15, 0}, {3, 15, 0}, {4, 15, 0}, {5, 15, 0}, {6, 15, 0},
    };
    for (const auto& c : cases) {
        std::vector<AnimationFrame> frames = CloseAnimationFrames(c.kind, 650, 537);
        ASSERT_EQ(frames.size(), c.frames) << c.kind;
        EXPECT_EQ(frames.back().alpha, c.lastAlpha) << c.kind;
    }
    EXPECT_TRUE(CloseAnimationFrames(0, 650, 537).empty());
}

TEST(CloseAnimationFrames, KindTwoSwellsThenShrinks) {
    std::vector<AnimationFrame> frames = CloseAnimationFrames(2, 650, 537);
    EXPECT_EQ(frames[0].target, (DuiRect{-0.75f, -0.75f, 651.5f, 538.5f}));
    EXPECT_EQ(frames[2].target, (DuiRect{-2.25f, -2.25f, 654.5f, 541.5f}));
    EXPECT_EQ(frames[3].target, (DuiRect{-2, -2, 654, 541})); // m = 6
    EXPECT_EQ(frames[4].target, (DuiRect{-1, -1, 652, 539})); // 2 pixels smaller each step
    EXPECT_EQ(frames[0].sleepMs, 15);
    EXPECT_EQ(frames[19].sleepMs, 10); // 16 - 20, at least 10
}

TEST(CloseAnimationFrames, WipesRemoveFromTheirSide) {
    std::vector<AnimationFrame> frames = CloseAnimationFrames(4, 650, 537);
    EXPECT_EQ(frames[0].side, WipeSide::Right);
    EXPECT_FALSE(frames[0].reveal);
    EXPECT_EQ(frames[0].extent, 43);
    EXPECT_EQ(frames[14].extent, 43 * 15);
    EXPECT_EQ(frames[0].sleepMs, 8);
    EXPECT_EQ(CloseAnimationFrames(5, 650, 537)[1].extent, 35 * 2);
}

} // namespace
