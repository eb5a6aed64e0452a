#include "toolkit/core/TextHelpers.h"

#include "toolkit/core/DrawHelpers.h"
#include "toolkit/core/ToolkitStartup.h"
#include "util/CodePage.h"

#include <algorithm>

namespace {

Gdiplus::RectF ToGp(const DuiRect& r) {
    return {r.x, r.y, r.width, r.height};
}

DuiRect FromGp(const Gdiplus::RectF& r) {
    return {r.X, r.Y, r.Width, r.Height};
}

UniqueGpFontFamily DefaultFamily() {
    UniqueGpFontFamily family;
    GpFont* font = DefaultFont();
    if (font && GdipGetFamily(font, family.put()) == Gdiplus::Ok)
        return family;
    GdipGetGenericFontFamilySansSerif(family.put());
    return family;
}

// Draws the text five times around its place into a bitmap with a 7-pixel
// margin; blurred by a shrink-and-stretch it becomes a halo.
UniqueGpBitmap HaloStamp(int width, int height, std::wstring_view text, GpFont* font, GpStringFormat* format,
                         Argb halo) {
    UniqueGpBitmap stamp;
    if (GdipCreateBitmapFromScan0(width + 7, height + 7, 0, PixelFormat32bppPARGB, nullptr, stamp.put()) !=
        Gdiplus::Ok)
        return {};
    UniqueGpGraphics g;
    if (GdipGetImageGraphicsContext(stamp.get(), g.put()) != Gdiplus::Ok)
        return {};
    GdipSetTextRenderingHint(g.get(), Gdiplus::TextRenderingHintAntiAlias);
    UniqueGpBrush brush = MakeSolidBrush(halo);
    static constexpr float kOffsets[5][2] = {{5, 4}, {3, 4}, {4, 3}, {4, 5}, {4, 4}};
    for (const auto& o : kOffsets) {
        Gdiplus::RectF at{o[0], o[1], float(width), float(height)};
        GdipDrawString(g.get(), text.data(), int(text.size()), font, &at, format, brush.get());
    }
    return stamp;
}

} // namespace

std::wstring ToWide(std::string_view gbk) {
    return GbkToWide(gbk);
}

int WideLength(std::string_view gbk) {
    return int(GbkToWide(gbk).size());
}

UniqueGpFont MakeFont(std::wstring_view face, float size, int style) {
    const std::wstring name(face);
    UniqueGpFontFamily family;
    if (name.empty() || GdipCreateFontFamilyFromName(name.c_str(), nullptr, family.put()) != Gdiplus::Ok)
        family = DefaultFamily();
    UniqueGpFont font;
    if (family)
        GdipCreateFont(family.get(), size, style, Gdiplus::UnitPixel, font.put());
    return font;
}

UniqueGpFont MakeFont(std::string_view gbkFace, float size, int style) {
    return MakeFont(std::wstring_view(GbkToWide(gbkFace)), size, style);
}

std::string DefaultFontFace() {
    return WideToGbk(Toolkit().defaultFontFace);
}

std::wstring ChooseDefaultFontFace(std::wstring_view captionFace,
                                   const std::function<bool(std::wstring_view)>& canMakeFont) {
    static constexpr std::wstring_view kSongTi = L"\u5b8b\u4f53"; // 宋体
    if (canMakeFont(kSongTi))
        return std::wstring(kSongTi);
    // Tahoma has no Chinese glyphs; 宋体 would take its place, and it is missing.
    if (!captionFace.empty() && captionFace != L"Tahoma" && canMakeFont(captionFace))
        return std::wstring(captionFace);
    return {};
}

bool MeasureText(GpGraphics* surface, std::wstring_view text, GpFont* font, const DuiRect& layout,
                 GpStringFormat* format, DuiRect& measured) {
    Gdiplus::RectF box = ToGp(layout);
    Gdiplus::RectF bounds{};
    if (GdipMeasureString(surface, text.data(), int(text.size()), font, &box, format, &bounds, nullptr,
                          nullptr) != Gdiplus::Ok)
        return false;
    measured = FromGp(bounds);
    return true;
}

bool MeasureRange(GpGraphics* surface, std::wstring_view text, GpFont* font, const DuiRect& layout,
                  GpStringFormat* format, int first, int length, DuiRect& measured) {
    // A private copy of the format: the measurable ranges must not stick to the caller's.
    UniqueGpStringFormat copy;
    if (format)
        GdipCloneStringFormat(format, copy.put());
    else
        GdipCreateStringFormat(0, 0, copy.put());
    if (!copy)
        return false;
    Gdiplus::CharacterRange range(first, length);
    if (GdipSetStringFormatMeasurableCharacterRanges(copy.get(), 1, &range) != Gdiplus::Ok)
        return false;
    UniqueGpRegion region;
    if (GdipCreateRegion(region.put()) != Gdiplus::Ok)
        return false;
    GpRegion* regions[1] = {region.get()};
    const Gdiplus::RectF box = ToGp(layout);
    if (GdipMeasureCharacterRanges(surface, text.data(), int(text.size()), font, box, copy.get(), 1,
                                   regions) != Gdiplus::Ok)
        return false;
    Gdiplus::RectF bounds{};
    if (GdipGetRegionBounds(region.get(), surface, &bounds) != Gdiplus::Ok)
        return false;
    measured = FromGp(bounds);
    return true;
}

Argb DefaultHaloColour(Argb textColour) {
    return IsDark(textColour) ? MakeArgb(85, 255, 255, 255) : MakeArgb(75, 0, 0, 0);
}

void DrawTextEffect(GpGraphics* surface, const DuiRect& rect, std::wstring_view text, GpFont* font, Argb argb,
                    GpStringFormat* format, int effect, std::optional<Argb> haloArgb) {
    if (!surface || !font || text.empty())
        return;
    const DuiRect r{float(int(rect.x)), float(int(rect.y)), float(int(rect.width)), float(int(rect.height))};
    if ((effect == kTextEffectGlow || effect == kTextEffectHalo) && r.width > 0 && r.height > 0) {
        const Argb halo = haloArgb.value_or(DefaultHaloColour(argb));
        UniqueGpBitmap stamp = HaloStamp(int(r.width), int(r.height), text, font, format, halo);
        const int factor = effect == kTextEffectGlow ? 3 : 1;
        const int smallWidth = std::max(1, (int(r.width) + 7) / factor);
        const int smallHeight = std::max(1, (int(r.height) + 7) / factor);
        UniqueGpBitmap blurred;
        UniqueGpGraphics g;
        if (stamp &&
            GdipCreateBitmapFromScan0(smallWidth, smallHeight, 0, PixelFormat32bppPARGB, nullptr,
                                      blurred.put()) == Gdiplus::Ok &&
            GdipGetImageGraphicsContext(blurred.get(), g.put()) == Gdiplus::Ok) {
            GdipSetCompositingQuality(g.get(), Gdiplus::CompositingQualityGammaCorrected);
            GdipSetInterpolationMode(g.get(), Gdiplus::InterpolationModeHighQualityBilinear);
            GdipSetSmoothingMode(g.get(), Gdiplus::SmoothingModeAntiAlias);
            GdipDrawImageRect(g.get(), stamp.get(), 0, 0, float(smallWidth), float(smallHeight));
            GdipDrawImageRect(surface, blurred.get(), r.x - 4, r.y - 4, r.width + 7, r.height + 7);
        }
    }
    UniqueGpBrush brush = MakeSolidBrush(argb);
    const Gdiplus::RectF box = ToGp(r);
    GdipDrawString(surface, text.data(), int(text.size()), font, &box, format, brush.get());
}
