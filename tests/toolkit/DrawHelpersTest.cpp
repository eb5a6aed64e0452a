#include "toolkit/core/DrawHelpers.h"
#include "ToolkitTestSupport.h"
#include "toolkit/core/DibSurface.h"
#include "toolkit/core/ImageLoad.h"

#include <gtest/gtest.h>

namespace {

constexpr Argb kOpaqueRed = 0xFFFF0000;

struct Probe {
    int x;
    int y;
    std::uint32_t pixel; // premultiplied, compared per channel with a tolerance
};

void ExpectPixel(const DibSurface& s, const Probe& p, const char* name, int tolerance = 3) {
    const std::uint32_t got = s.Pixel(p.x, p.y);
    EXPECT_NEAR(PixelAlpha(got), PixelAlpha(p.pixel), tolerance) << name << " at " << p.x << "," << p.y;
    EXPECT_NEAR(PixelRed(got), PixelRed(p.pixel), tolerance) << name << " at " << p.x << "," << p.y;
    EXPECT_NEAR(PixelGreen(got), PixelGreen(p.pixel), tolerance) << name << " at " << p.x << "," << p.y;
    EXPECT_NEAR(PixelBlue(got), PixelBlue(p.pixel), tolerance) << name << " at " << p.x << "," << p.y;
}

TEST(DibSurface, StartsTransparentAndClearsAnArea) {
    DibSurface s;
    ASSERT_TRUE(s.Create(20, 10));
    EXPECT_EQ(s.Pixel(19, 9), 0u);
    FillRect(s.Graphics(), {0, 0, 20, 10}, kOpaqueRed);
    s.Clear({5, 2, 4, 3});
    EXPECT_EQ(s.Pixel(5, 2), 0u);
    EXPECT_EQ(s.Pixel(8, 4), 0u);
    EXPECT_EQ(s.Pixel(9, 4), kOpaqueRed);
    EXPECT_EQ(s.Pixel(5, 5), kOpaqueRed);
    EXPECT_EQ(s.Pixel(20, 0), 0u); // outside
}

TEST(RoundRectPath, CornersCutAndFarEdgesOnePixelIn) {
    DibSurface s;
    ASSERT_TRUE(s.Create(60, 50));
    FillRoundRect(s.Graphics(), {5, 5, 40, 30}, 10, kOpaqueRed);
    const Probe probes[] = {
        {5, 5, 0},            // outside the top-left arc
        {43, 33, 0},          // outside the bottom-right arc
        {25, 20, kOpaqueRed}, // inside
        {6, 20, kOpaqueRed},  // left edge, between the arcs
        {45, 20, 0},          // the arcs end at x + width - 1
        {25, 35, 0},
    };
    for (const Probe& p : probes)
        ExpectPixel(s, p, "round rect", 40);
}

TEST(DrawBorder, Styles) {
    const DuiRect box{2, 2, 16, 16}; // edges at 2 and 17
    const struct {
        const char* name;
        Argb style;
        std::optional<Argb> colour;
        Probe probe;
    } cases[] = {
        {"none", kBorderNone, {}, {2, 10, 0}},
        {"sunken top", kBorderSunken, {}, {10, 2, MakeArgb(160, 0, 0, 0)}},
        {"sunken left", kBorderSunken, {}, {2, 10, MakeArgb(160, 0, 0, 0)}},
        {"raised right", kBorderRaised, {}, {17, 10, MakeArgb(168, 0, 0, 0)}},
        {"solid default", kBorderSolid, {}, {2, 10, 0xFE646464}},
        {"solid given", kBorderSolid, 0xFF00FF00, {17, 10, 0xFF00FF00}},
        {"solid inside", kBorderSolid, {}, {10, 10, 0}},
        {"dashed default", kBorderDashed, {}, {3, 2, MakeArgb(120, 0, 0, 0)}},
        {"style as colour", 0xFF0000FF, {}, {10, 17, 0xFF0000FF}},
    };
    for (const auto& c : cases) {
        DibSurface s;
        ASSERT_TRUE(s.Create(20, 20));
        DrawBorder(s.Graphics(), box, c.style, c.colour);
        ExpectPixel(s, c.probe, c.name, 12);
    }
}

TEST(DrawBorder, SunkenLowerEdgesAreLight) {
    DibSurface s;
    ASSERT_TRUE(s.Create(20, 20));
    DrawBorder(s.Graphics(), {2, 2, 16, 16}, kBorderSunken);
    const std::uint32_t bottom = s.Pixel(10, 17);
    ASSERT_GT(PixelAlpha(bottom), 0);
    EXPECT_EQ(PixelRed(bottom), PixelAlpha(bottom)); // white, premultiplied
}

TEST(DrawBorder, DashedHasGaps) {
    DibSurface s;
    ASSERT_TRUE(s.Create(40, 10));
    DrawBorder(s.Graphics(), {0, 2, 40, 6}, kBorderDashed);
    int drawn = 0;
    for (int x = 1; x < 38; ++x)
        drawn += PixelAlpha(s.Pixel(x, 2)) > 60 ? 1 : 0;
    EXPECT_GT(drawn, 10);
    EXPECT_LT(drawn, 34);
}

TEST(FillGradient, VerticalRampFromTopToBottom) {
    DibSurface s;
    ASSERT_TRUE(s.Create(10, 101));
    FillGradient(s.Graphics(), {0, 0, 10, 101}, 0x00FF0000, kOpaqueRed, 1);
    EXPECT_LT(PixelAlpha(s.Pixel(5, 2)), 20);
    EXPECT_NEAR(PixelAlpha(s.Pixel(5, 50)), 128, 12);
    EXPECT_GT(PixelAlpha(s.Pixel(5, 98)), 235);
}

// A 30 x 30 image in a 3 x 3 grid of 10-pixel cells: red corners, green edges, blue centre.
UniqueGpBitmap NineCellImage() {
    UniqueGpBitmap image;
    GdipCreateBitmapFromScan0(30, 30, 0, PixelFormat32bppARGB, nullptr, image.put());
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const int edges = (x / 10 == 1 ? 0 : 1) + (y / 10 == 1 ? 0 : 1);
            const ARGB colours[3] = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000};
            GdipBitmapSetPixel(image.get(), x, y, colours[edges]);
        }
    return image;
}

TEST(DrawNineGrid, CornersKeepTheirSizeEdgesStretch) {
    UniqueGpBitmap image = NineCellImage();
    DibSurface s;
    ASSERT_TRUE(s.Create(80, 80));
    DrawNineGrid(s.Graphics(), image.get(), {5, 5, 70, 70}, {10, 10, 10, 10});
    // Destination cells: 5..14, 15..64, 65..74 in both directions. Stretched
    // strips are probed a few pixels from their ends, where filtering may reach
    // across (Wine's GDI+ reaches half a source pixel beyond the source rect).
    const Probe probes[] = {
        {5, 5, 0xFFFF0000},
        {14, 14, 0xFFFF0000},
        {65, 65, 0xFFFF0000},
        {74, 5, 0xFFFF0000}, // corners
        {20, 5, 0xFF00FF00},
        {40, 14, 0xFF00FF00},
        {5, 40, 0xFF00FF00},
        {70, 58, 0xFF00FF00}, // edges
        {20, 20, 0xFF0000FF},
        {40, 40, 0xFF0000FF},
        {58, 58, 0xFF0000FF}, // centre
        {4, 4, 0},
        {75, 75, 0},
    };
    for (const Probe& p : probes)
        ExpectPixel(s, p, "nine grid", 8);
}

TEST(DrawImageAlpha, ScalesOpacity) {
    UniqueGpBitmap image = LoadImageFromBytes(TestPng());
    ASSERT_TRUE(image);
    const struct {
        int alpha;
        int expected; // alpha of the opaque red pixel after drawing
    } cases[] = {{255, 255}, {128, 128}, {0, 0}};
    for (const auto& c : cases) {
        DibSurface s;
        ASSERT_TRUE(s.Create(3, 2));
        DrawImageAlpha(s.Graphics(), image.get(), {0, 0, 3, 2}, c.alpha);
        EXPECT_NEAR(PixelAlpha(s.Pixel(0, 0)), c.expected, 2) << c.alpha;
        EXPECT_NEAR(PixelRed(s.Pixel(0, 0)), c.expected, 2) << c.alpha;
    }
}

TEST(DrawImageCentred, RoundsTheOffset) {
    UniqueGpBitmap image = LoadImageFromBytes(TestPng()); // 3 x 2
    ASSERT_TRUE(image);
    const struct {
        DuiRect rect;
        bool centre;
        int firstX; // column of the red pixel
        int firstY;
    } cases[] = {
        {{4, 4, 10, 10}, true, 8, 8}, // (10 - 3) / 2 = 3.5 rounds to 4, (10 - 2) / 2 = 4
        {{4, 4, 10, 10}, false, 4, 4},
        {{4, 4, 1, 1}, true, 3, 3}, // larger than the rect: moved up-left by 1 and by 0.5 rounded to 1
    };
    for (const auto& c : cases) {
        DibSurface s;
        ASSERT_TRUE(s.Create(20, 20));
        DrawImageCentred(s.Graphics(), image.get(), c.rect, c.centre);
        EXPECT_EQ(s.Pixel(c.firstX, c.firstY), 0xFFFF0000u) << c.rect.width << " " << c.centre;
        EXPECT_EQ(s.Pixel(c.firstX - 1, c.firstY), 0u) << c.rect.width << " " << c.centre;
    }
}

TEST(CropImage, KeepsThePartAndItsFormat) {
    UniqueGpBitmap image = LoadImageFromBytes(TestPng());
    UniqueGpBitmap part = CropImage(image.get(), {1, 0, 2, 2});
    ASSERT_TRUE(part);
    EXPECT_EQ(ImageWidth(part.get()), 2);
    ARGB first = 0;
    GdipBitmapGetPixel(part.get(), 0, 0, &first);
    EXPECT_EQ(first, 0xFF00FF00u);
    EXPECT_FALSE(CropImage(nullptr, {0, 0, 1, 1}));
}

} // namespace
