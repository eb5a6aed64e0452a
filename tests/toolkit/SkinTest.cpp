// Window skins and window animations.
#include "TestHost.h"
#include "ToolkitTestSupport.h"
#include "toolkit/core/SkinGeometry.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> SolidImage(int width, int height, std::uint32_t rgb) {
    return MakeBmp(width, height, [rgb](int, int) { return rgb; });
}

DuiWindowOptions Skin(const std::vector<std::uint8_t>& image, std::optional<int> alpha, int style = 7) {
    DuiWindowOptions options;
    options.captionFlags = 0;
    options.backgroundImage = image;
    options.alpha = alpha;
    options.style = style;
    return options;
}

TEST(Skin, LayeredRoundedWindowHasTransparentCornersAndAnOpaqueInside) {
    const auto image = SolidImage(681, 550, 0x336699);
    TestHost h(Skin(image, 255), 681, 550);
    const DibSurface& back = h.host.BackBuffer();
    const struct {
        int x, y;
        int minAlpha, maxAlpha;
        const char* what;
    } probes[] = {
        {0, 0, 0, 0, "corner"},
        {1, 275, 0, 0, "beyond the shadow"},
        {680, 549, 0, 0, "far corner"},
        {340, 0, 0, 0, "top margin"},
        {5, 275, 1, 60, "innermost shadow line"},
        {3, 275, 1, 20, "outer shadow line"},
        {6, 275, 255, 255, "outer border line, inside the frame"},
        {340, 275, 255, 255, "inside"},
        {9, 9, 255, 255, "inside near the rounded corner"},
        {671, 541, 255, 255, "inside near the far corner"},
    };
    for (const auto& p : probes) {
        const int alpha = PixelAlpha(back.Pixel(p.x, p.y));
        EXPECT_GE(alpha, p.minAlpha) << p.what;
        EXPECT_LE(alpha, p.maxAlpha) << p.what;
    }
    // The background copy holds the same skin.
    EXPECT_EQ(h.host.BackgroundCopy().Pixel(340, 275), back.Pixel(340, 275));
    // The average colour of the image became the background colour.
    EXPECT_EQ(h.host.BackgroundColour(), MakeColourRef(0x33, 0x66, 0x99));
}

TEST(Skin, LayeredWindowAlphaMakesTheInsideExactlyThatOpaque) {
    TestHost h(Skin(SolidImage(300, 200, 0xFFFFFF), 128), 300, 200);
    EXPECT_EQ(PixelAlpha(h.host.BackBuffer().Pixel(150, 100)), 128);
    TestHost noImage(Skin({}, 200), 300, 200);
    EXPECT_EQ(PixelAlpha(noImage.host.BackBuffer().Pixel(150, 100)), 200);
}

TEST(Skin, SquareStyleHasSquareCorners) {
    const auto image = SolidImage(300, 200, 0x808080);
    TestHost rounded(Skin(image, 255, kSkinStyleRounded), 300, 200);
    TestHost square(Skin(image, 255, kSkinStyleSquare), 300, 200);
    EXPECT_LT(PixelAlpha(rounded.host.BackBuffer().Pixel(6, 6)), 255);
    EXPECT_EQ(PixelAlpha(square.host.BackBuffer().Pixel(6, 6)), 255);
    EXPECT_EQ(PixelAlpha(square.host.BackBuffer().Pixel(293, 193)), 255);
}

TEST(Skin, WindowWithoutAlphaGetsARegionAndNoShadow) {
    TestHost h(Skin(SolidImage(300, 200, 0x808080), std::nullopt), 300, 200);
    EXPECT_FALSE(h.host.Layered());
    UniqueHrgn region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(h.hwnd(), region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 2, 2));
    EXPECT_TRUE(PtInRegion(region.get(), 150, 100));
    EXPECT_EQ(PixelAlpha(h.host.BackBuffer().Pixel(5, 100)), 0); // no shadow drawn
}

TEST(Skin, PlainStyleDrawsOnlyTheImage) {
    TestHost h(Skin(SolidImage(100, 80, 0xFF0000), 255, kSkinStylePlain), 300, 200);
    EXPECT_EQ(h.host.BackBuffer().Pixel(0, 0), 0xFFFF0000u); // no frame, no margin
    EXPECT_EQ(h.host.BackBuffer().Pixel(150, 100), 0u);      // beyond the image: nothing
    EXPECT_EQ(h.host.ClipRegion(), nullptr);
}

TEST(Skin, EdgeFadeBlendsTheImageIntoTheBackgroundColour) {
    const auto image = SolidImage(150, 60, 0xFF0000);
    for (bool fade : {true, false}) {
        DuiWindowOptions options = Skin(image, std::nullopt);
        options.backgroundColour = MakeColourRef(0, 0, 255);
        options.edgeFade = fade;
        TestHost h(options, 400, 300);
        const std::uint32_t top = h.host.BackBuffer().Pixel(50, 20);
        const std::uint32_t bottom = h.host.BackBuffer().Pixel(50, 63); // last row of the image
        const std::uint32_t right = h.host.BackBuffer().Pixel(153, 30); // last column
        EXPECT_GT(PixelRed(top), 240) << fade;
        EXPECT_EQ(PixelBlue(bottom) > PixelRed(bottom), fade) << "bottom " << fade;
        EXPECT_EQ(PixelBlue(right) > PixelRed(right), fade) << "right " << fade;
        EXPECT_GT(PixelBlue(h.host.BackBuffer().Pixel(300, 200)), 240); // beyond: the colour
    }
}

TEST(Skin, SharedSkinComesFromTheOwnerHost) {
    const auto green = SolidImage(300, 200, 0x00FF00);
    DuiWindowOptions ownerOptions = Skin(green, 255);
    TestHost owner(ownerOptions, 300, 200);
    DuiWindowOptions options = Skin({}, 255);
    options.skinOwner = owner.hwnd();
    TestHost shared(options, 300, 200);
    EXPECT_EQ(shared.host.BackgroundImage(), owner.host.BackgroundImage());
    EXPECT_EQ(shared.host.BackgroundColour(), MakeColourRef(0, 255, 0));
    EXPECT_EQ(PixelGreen(shared.host.BackBuffer().Pixel(150, 100)), 255);
    // A skin owner that is no host is ignored.
    TestWindow plain;
    DuiWindowOptions ignored = Skin({}, 255);
    ignored.skinOwner = plain.get();
    ignored.backgroundColour = MakeColourRef(255, 0, 0);
    TestHost own(ignored, 300, 200);
    EXPECT_EQ(own.host.BackgroundColour(), MakeColourRef(255, 0, 0));
}

TEST(Skin, BackgroundIsDarkWhenMoreThanFourOfNineSamplesAre) {
    // Samples of (0, 0, 100, 100) fall on x, y in {20, 50, 80}.
    const auto fiveDark = MakeBmp(100, 100, [](int x, int y) {
        return (y < 40 || (y < 60 && x < 60)) ? 0x101010u : 0xF0F0F0u; // 3 + 2 dark
    });
    const auto fourDark = MakeBmp(100, 100, [](int x, int y) {
        return (y < 40 || (y < 60 && x < 40)) ? 0x101010u : 0xF0F0F0u; // 3 + 1 dark
    });
    TestHost dark(Skin(fiveDark, std::nullopt), 300, 200);
    TestHost light(Skin(fourDark, std::nullopt), 300, 200);
    EXPECT_TRUE(IsBackgroundDark(dark.hwnd(), {0, 0, 100, 100}));
    EXPECT_FALSE(IsBackgroundDark(light.hwnd(), {0, 0, 100, 100}));

    DuiWindowOptions colourOnly = Skin({}, std::nullopt);
    colourOnly.backgroundColour = MakeColourRef(20, 20, 20);
    TestHost noImage(colourOnly, 300, 200);
    EXPECT_TRUE(IsBackgroundDark(noImage.hwnd(), {0, 0, 100, 100}));
}

TEST(Skin, BackgroundPaintedHookDrawsUnderTheFrameAndControls) {
    TestWindow window(300, 200);
    DuiWindow host;
    std::vector<std::pair<int, int>> calls;
    host.SetBackgroundPaintedHook([&](HWND, GpGraphics* surface, int w, int h) {
        calls.emplace_back(w, h);
        FillRect(surface, {0, 0, 50, 50}, 0xFF00FF00);
    });
    ASSERT_TRUE(host.Create(window.get(), Skin({}, 255)));
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{300, 200}}));
    EXPECT_EQ(PixelGreen(host.BackBuffer().Pixel(20, 20)), 255);
    EXPECT_EQ(PixelAlpha(host.BackBuffer().Pixel(1, 1)), 0); // still clipped to the frame
}

TEST(SkinAnimation, FadeInSuspendsPaintingUntilItEnds) {
    TestHost h(Skin({}, 255), 300, 200);
    h.host.SetBackground({}, MakeColourRef(255, 0, 0), 1);
    EXPECT_TRUE(h.host.PaintingSuspended());
    PumpMessagesFor(600); // five ticks of 50 ms
    EXPECT_FALSE(h.host.PaintingSuspended());
    EXPECT_EQ(PixelRed(h.host.BackBuffer().Pixel(150, 100)), 255);
}

TEST(SkinAnimation, ShowEndsVisibleAndKeepsTheLayeredStyleAsItWas) {
    const struct {
        std::optional<int> alpha;
        int animation;
    } cases[] = {{std::nullopt, 5}, {255, 7}, {255, 0}};
    // The frames themselves are tested natively; each case here costs seconds
    // under Wine, which waits that long when a shown window is hidden again.
    for (const auto& c : cases) {
        TestHost h(Skin({}, c.alpha), 300, 200);
        h.host.Show(c.animation, 50);
        EXPECT_TRUE(IsWindowVisible(h.hwnd())) << c.animation;
        EXPECT_FALSE(h.host.PaintingSuspended()) << c.animation;
        EXPECT_EQ((GetWindowLongPtrW(h.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.alpha.has_value())
            << c.animation;
    }
}

TEST(SkinAnimation, CloseAnimationEndsWithTheWindowGone) {
    for (int kind : {2, 0}) { // the frames themselves are tested natively
        TestHost h(Skin({}, 255), 300, 200);
        h.host.Show(0);
        h.host.CloseAnimation(kind);
        SendMessageW(h.hwnd(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(h.hwnd())) << kind; // hidden, then destroyed by the default handler
        EXPECT_FALSE(h.host.IsInstalled()) << kind;
    }
}

} // namespace
