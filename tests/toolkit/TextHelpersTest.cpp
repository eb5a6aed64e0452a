#include "toolkit/core/TextHelpers.h"
#include "ToolkitTestSupport.h"
#include "toolkit/core/DibSurface.h"
#include "toolkit/core/ToolkitStartup.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace {

const std::wstring kSongTi = L"\u5b8b\u4f53";

std::wstring FamilyName(GpFont* font) {
    UniqueGpFontFamily family;
    GdipGetFamily(font, family.put());
    wchar_t name[LF_FACESIZE] = {};
    GdipGetFamilyName(family.get(), name, 0);
    return name;
}

// The family that 宋体 resolves to (the test prefix maps it to a CJK font).
std::wstring SongTiFamily() {
    UniqueGpFontFamily family;
    if (GdipCreateFontFamilyFromName(kSongTi.c_str(), nullptr, family.put()) != Gdiplus::Ok)
        return L"?";
    wchar_t name[LF_FACESIZE] = {};
    GdipGetFamilyName(family.get(), name, 0);
    return name;
}

TEST(ChooseDefaultFontFace, SongTiFirstThenTheCaptionFont) {
    const struct {
        const char* name;
        std::set<std::wstring> installed;
        std::wstring captionFace;
        std::wstring expected;
    } cases[] = {
        {"SongTi installed", {kSongTi, L"Segoe UI"}, L"Segoe UI", kSongTi},
        {"caption font when SongTi is missing", {L"Segoe UI"}, L"Segoe UI", L"Segoe UI"},
        {"Tahoma is never the default", {L"Tahoma"}, L"Tahoma", L""},
        {"caption font that cannot be made", {}, L"Segoe UI", L""},
        {"no caption font", {}, L"", L""},
    };
    for (const auto& c : cases) {
        auto installed = [&](std::wstring_view face) { return c.installed.count(std::wstring(face)) > 0; };
        EXPECT_EQ(ChooseDefaultFontFace(c.captionFace, installed), c.expected) << c.name;
    }
}

TEST(ToolkitStartup, DefaultFontIsTwelvePixelsRegular) {
    GpFont* font = DefaultFont();
    ASSERT_NE(font, nullptr);
    float size = 0;
    GdipGetFontSize(font, &size);
    EXPECT_EQ(size, 12);
    Gdiplus::Unit unit{};
    GdipGetFontUnit(font, &unit);
    EXPECT_EQ(unit, Gdiplus::UnitPixel);
    INT style = -1;
    GdipGetFontStyle(font, &style);
    EXPECT_EQ(style, Gdiplus::FontStyleRegular);
    // The test prefix maps 宋体 to an installed CJK font, as a Chinese Windows has it.
    EXPECT_EQ(Toolkit().defaultFontFace, kSongTi);
    EXPECT_EQ(DefaultFontFace(), "\xCB\xCE\xCC\xE5"); // 宋体 in GBK
    EXPECT_NE(Toolkit().arrowCursor, nullptr);
    EXPECT_TRUE(Toolkit().captionSprite);
}

TEST(ToolkitStartup, RegistersTheToolkitWindowClass) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), kToolkitWindowClass, &info));
    EXPECT_EQ(info.style & CS_DBLCLKS, UINT(CS_DBLCLKS));
    EXPECT_EQ(info.hCursor, Toolkit().arrowCursor);
    EXPECT_TRUE(ToolkitStartup()); // a second start changes nothing
}

TEST(MakeFont, MissingFaceFallsBackToTheDefaultFamily) {
    const struct {
        std::string face; // GBK
        float size;
        int style;
        std::wstring family;
    } cases[] = {
        {"\xCB\xCE\xCC\xE5", 14, Gdiplus::FontStyleBold, SongTiFamily()}, // 宋体
        {"No Such Face", 9, Gdiplus::FontStyleRegular, FamilyName(DefaultFont())},
        {"", 12, Gdiplus::FontStyleItalic, FamilyName(DefaultFont())},
    };
    for (const auto& c : cases) {
        UniqueGpFont font = MakeFont(c.face, c.size, c.style);
        ASSERT_TRUE(font) << c.face;
        EXPECT_EQ(FamilyName(font.get()), c.family) << c.face;
        float size = 0;
        GdipGetFontSize(font.get(), &size);
        EXPECT_EQ(size, c.size);
        INT style = -1;
        GdipGetFontStyle(font.get(), &style);
        EXPECT_EQ(style, c.style);
    }
}

TEST(ToWide, ConvertsThroughCodePage936) {
    EXPECT_EQ(ToWide("\xB1\xEA\xCC\xE2"), L"\u6807\u9898"); // 标题
    EXPECT_EQ(WideLength("\xB1\xEA\xCC\xE2"
                         "ab"),
              4);
}

class TextSurface : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_surface.Create(200, 60)); }
    DibSurface m_surface;
};

TEST_F(TextSurface, MeasureGrowsWithTheText) {
    GpFont* font = DefaultFont();
    DuiRect one;
    DuiRect two;
    ASSERT_TRUE(MeasureText(m_surface.Graphics(), L"ab", font, {0, 0, 0, 0}, nullptr, one));
    ASSERT_TRUE(MeasureText(m_surface.Graphics(), L"abab", font, {0, 0, 0, 0}, nullptr, two));
    EXPECT_GT(one.width, 0);
    EXPECT_GT(two.width, one.width);
    EXPECT_GE(one.height, 12);
}

TEST_F(TextSurface, MeasureRangeGivesTheBoundsOfPartOfTheText) {
    GpFont* font = DefaultFont();
    const std::wstring text = L"\u6807\u9898abc"; // 标题abc
    DuiRect all;
    DuiRect tail;
    ASSERT_TRUE(MeasureRange(m_surface.Graphics(), text, font, {0, 0, 200, 60}, nullptr, 0, 5, all));
    ASSERT_TRUE(MeasureRange(m_surface.Graphics(), text, font, {0, 0, 200, 60}, nullptr, 2, 3, tail));
    EXPECT_GT(all.width, tail.width);
    EXPECT_GT(tail.x, all.x + 12); // two CJK characters of about 12 pixels come first
    EXPECT_NEAR(tail.Right(), all.Right(), 1);
}

TEST(DefaultHaloColour, LightBehindDarkText) {
    EXPECT_EQ(DefaultHaloColour(0xFF000000), MakeArgb(85, 255, 255, 255));
    EXPECT_EQ(DefaultHaloColour(0xFFFFFFFF), MakeArgb(75, 0, 0, 0));
}

// Counts the pixels where red (the halo colour) outweighs blue (the text colour).
int HaloPixels(int effect) {
    DibSurface s;
    s.Create(120, 50);
    UniqueGpStringFormat format;
    GdipCreateStringFormat(0, 0, format.put());
    DrawTextEffect(s.Graphics(), {20.7f, 15.2f, 80, 20}, L"HHHH", DefaultFont(), 0xFF0000FF, format.get(),
                   effect, 0xFFFF0000);
    int count = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 120; ++x) {
            const std::uint32_t p = s.Pixel(x, y);
            count += PixelRed(p) > PixelBlue(p) + 20 ? 1 : 0;
        }
    return count;
}

TEST(DrawTextEffect, GlowAndHaloSurroundTheText) {
    EXPECT_EQ(HaloPixels(kTextEffectNone), 0);
    EXPECT_GT(HaloPixels(kTextEffectHalo), 20);
    EXPECT_GT(HaloPixels(kTextEffectGlow), 20);
}

// Counts the pixels the text colour (blue) reached.
int InkedPixels(GpFont* font) {
    DibSurface s;
    s.Create(80, 24);
    UniqueGpStringFormat format;
    GdipCreateStringFormat(0, 0, format.put());
    DrawTextEffect(s.Graphics(), {2, 2, 76, 20}, L"HHHH", font, 0xFF0000FF, format.get(), kTextEffectNone);
    GdipFlush(s.Graphics(), Gdiplus::FlushIntentionSync);
    int count = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x)
            count += PixelBlue(s.Pixel(x, y)) > 100 ? 1 : 0;
    return count;
}

TEST(ToolkitThreads, AnotherThreadDrawsWithItsOwnFontAndSprite) {
    // A worker's message box draws text and caption buttons while the window
    // thread does: the two must never share a GDI+ object.
    GpFont* mine = DefaultFont();
    GpFont* theirs = nullptr;
    GpBitmap* theirSprite = nullptr;
    int inked = 0;
    std::thread([&] {
        theirs = DefaultFont();
        theirSprite = CaptionSprite();
        inked = InkedPixels(theirs);
    }).join();
    ASSERT_NE(theirs, nullptr);
    EXPECT_NE(theirs, mine);
    EXPECT_NE(theirSprite, nullptr);
    EXPECT_NE(theirSprite, CaptionSprite());
    EXPECT_GT(inked, 20);
    EXPECT_EQ(inked, InkedPixels(mine)); // the same font
}

} // namespace
