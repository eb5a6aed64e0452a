#include "toolkit/core/SkinGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinGeometry, RoundedFrameOf681By550) {
    SkinGeometry g = ComputeSkinGeometry(681, 550, kSkinStyleRounded, false, 0);
    EXPECT_EQ(g.inner, (DuiRect{5, 5, 671, 540}));
    EXPECT_EQ(g.backgroundClip, (RoundRegionSpec{6, 6, 676, 545, 4}));
    EXPECT_EQ(g.controlClip, (RoundRegionSpec{7, 7, 675, 544, 3}));
    EXPECT_EQ(g.windowRegion, (RoundRegionSpec{6, 6, 676, 545, 5}));
    EXPECT_EQ(g.blurRegion, (RoundRegionSpec{6, 6, 676, 545, 6}));
    EXPECT_EQ(g.outerBorder.rect, (DuiRect{6, 6, 669, 538}));
    EXPECT_EQ(g.outerBorder.diameter, 7);
    EXPECT_EQ(g.outerBorder.colour, MakeArgb(204, 96, 96, 96));
    EXPECT_EQ(g.innerBorder.rect, (DuiRect{7, 7, 667, 536}));
    EXPECT_EQ(g.innerBorder.diameter, 6);
    EXPECT_EQ(g.innerBorder.colour, MakeArgb(102, 255, 255, 255));
}

TEST(SkinGeometry, ShadowGrowsOnePixelAtATime) {
    const struct {
        int style;
        float diameters[4];
    } cases[] = {
        {kSkinStyleRounded, {10, 12, 15, 18}},
        {kSkinStyleSquare, {1, 4, 7, 11}},
    };
    const int alphas[4] = {45, 25, 10, 5};
    for (const auto& c : cases) {
        SkinGeometry g = ComputeSkinGeometry(200, 100, c.style, false, MakeColourRef(0, 0, 255));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(g.shadow[i].rect, (DuiRect{5.f - i, 5.f - i, 190.f + 2 * i, 90.f + 2 * i})) << i;
            EXPECT_EQ(g.shadow[i].diameter, c.diameters[i]) << c.style << " " << i;
            EXPECT_EQ(g.shadow[i].colour, MakeArgb(alphas[i], 0, 0, 255)) << i;
        }
    }
}

TEST(SkinGeometry, SquareStyleHasNoRoundCorners) {
    SkinGeometry g = ComputeSkinGeometry(300, 200, kSkinStyleSquare, false, 0);
    EXPECT_EQ(g.backgroundClip.ellipse, 0);
    EXPECT_EQ(g.controlClip.ellipse, 0);
    EXPECT_EQ(g.windowRegion.ellipse, 0);
    EXPECT_EQ(g.outerBorder.diameter, 0);
    EXPECT_EQ(g.innerBorder.diameter, 0);
}

TEST(SkinGeometry, MaximizedWindowRegionReachesOnePixelFurther) {
    SkinGeometry g = ComputeSkinGeometry(300, 200, kSkinStyleRounded, true, 0);
    EXPECT_EQ(g.windowRegion, (RoundRegionSpec{5, 5, 296, 196, 5}));
}

TEST(EdgeFadeBands, BandsAreAtMostOneHundredOrHalfTheImage) {
    const struct {
        DuiRect image;
        bool allEdges;
        std::vector<DuiRect> bands;
    } cases[] = {
        {{5, 5, 681, 550}, false, {{11, 461, 681, 101}, {592, 11, 101, 550}}},
        // smaller than 200 in a dimension: half of it
        {{5, 5, 150, 60}, false, {{11, 41, 150, 31}, {86, 11, 76, 60}}},
        {{20, 30, 300, 300},
         true,
         {{26, 236, 300, 101}, {226, 36, 101, 300}, {20, 30, 300, 101}, {20, 30, 101, 300}}},
    };
    for (const auto& c : cases) {
        std::vector<FadeBand> bands = EdgeFadeBands(c.image, c.allEdges);
        ASSERT_EQ(bands.size(), c.bands.size());
        for (std::size_t i = 0; i < bands.size(); ++i)
            EXPECT_EQ(bands[i].rect, c.bands[i]) << i;
    }
}

TEST(EdgeFadeBands, OpaqueSideIsTheOuterEdge) {
    std::vector<FadeBand> bands = EdgeFadeBands({0, 0, 300, 300}, true);
    EXPECT_TRUE(bands[0].vertical); // bottom
    EXPECT_FALSE(bands[0].opaqueAtStart);
    EXPECT_FALSE(bands[1].vertical); // right
    EXPECT_FALSE(bands[1].opaqueAtStart);
    EXPECT_TRUE(bands[2].opaqueAtStart); // top
    EXPECT_TRUE(bands[3].opaqueAtStart); // left
}

} // namespace
