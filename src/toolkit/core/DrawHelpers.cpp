#include "toolkit/core/DrawHelpers.h"

#include <cmath>

namespace {

Gdiplus::GpRectF ToGp(const DuiRect& r) {
    return {r.x, r.y, r.width, r.height};
}

void OutlineRect(GpGraphics* surface, const DuiRect& rect, Argb argb, int dashStyle, float penWidth) {
    UniqueGpPen pen = MakePen(argb, penWidth);
    if (!pen)
        return;
    GdipSetPenDashStyle(pen.get(), Gdiplus::DashStyle(dashStyle));
    GdipDrawRectangle(surface, pen.get(), rect.x, rect.y, rect.width - 1, rect.height - 1);
}

} // namespace

UniqueGpBrush MakeSolidBrush(Argb argb) {
    Gdiplus::GpSolidFill* fill = nullptr;
    GdipCreateSolidFill(argb, &fill);
    return UniqueGpBrush(fill);
}

UniqueGpPen MakePen(Argb argb, float width) {
    UniqueGpPen pen;
    GdipCreatePen1(argb, width, Gdiplus::UnitPixel, pen.put());
    return pen;
}

UniqueGpPath RoundRectPath(const DuiRect& r, float d) {
    UniqueGpPath path;
    if (GdipCreatePath(Gdiplus::FillModeAlternate, path.put()) != Gdiplus::Ok)
        return {};
    GdipAddPathArc(path.get(), r.x, r.y, d, d, 180, 90);
    GdipAddPathArc(path.get(), r.x + r.width - d - 1, r.y, d, d, 270, 90);
    GdipAddPathArc(path.get(), r.x + r.width - d - 1, r.y + r.height - d - 1, d, d, 0, 90);
    GdipAddPathArc(path.get(), r.x, r.y + r.height - d - 1, d, d, 90, 90);
    GdipClosePathFigure(path.get());
    return path;
}

void FillRoundRect(GpGraphics* surface, const DuiRect& rect, float diameter, Argb argb) {
    UniqueGpPath path = RoundRectPath(rect, diameter);
    UniqueGpBrush brush = MakeSolidBrush(argb);
    if (path && brush)
        GdipFillPath(surface, brush.get(), path.get());
}

void DrawRoundRect(GpGraphics* surface, const DuiRect& rect, float diameter, Argb argb, int dashStyle,
                   float penWidth) {
    UniqueGpPath path = RoundRectPath(rect, diameter);
    UniqueGpPen pen = MakePen(argb, penWidth);
    if (!path || !pen)
        return;
    GdipSetPenDashStyle(pen.get(), Gdiplus::DashStyle(dashStyle));
    GdipDrawPath(surface, pen.get(), path.get());
}

void FillRect(GpGraphics* surface, const DuiRect& rect, Argb argb) {
    UniqueGpBrush brush = MakeSolidBrush(argb);
    if (brush)
        GdipFillRectangle(surface, brush.get(), rect.x, rect.y, rect.width, rect.height);
}

void DrawLine(GpGraphics* surface, Argb argb, float x1, float y1, float x2, float y2, float penWidth) {
    UniqueGpPen pen = MakePen(argb, penWidth);
    if (pen)
        GdipDrawLine(surface, pen.get(), x1, y1, x2, y2);
}

void DrawBorder(GpGraphics* surface, const DuiRect& r, Argb style, std::optional<Argb> argb, float w) {
    const float right = r.x + r.width - 1;
    const float bottom = r.y + r.height - 1;
    switch (style) {
    case kBorderNone:
        return;
    case kBorderSunken:
        DrawLine(surface, MakeArgb(160, 0, 0, 0), r.x, r.y, right, r.y, w);
        DrawLine(surface, MakeArgb(160, 0, 0, 0), r.x, r.y, r.x, bottom, w);
        DrawLine(surface, MakeArgb(245, 255, 255, 255), r.x, bottom, right, bottom, w / 2);
        DrawLine(surface, MakeArgb(245, 255, 255, 255), right, r.y, right, bottom, w / 2);
        return;
    case kBorderRaised:
        DrawLine(surface, MakeArgb(245, 255, 255, 255), r.x, r.y, right - 2, r.y, w / 2);
        DrawLine(surface, MakeArgb(245, 255, 255, 255), r.x, r.y, r.x, bottom - 2, w / 2);
        DrawLine(surface, MakeArgb(168, 0, 0, 0), r.x, bottom, right, bottom, w);
        DrawLine(surface, MakeArgb(168, 0, 0, 0), right, r.y, right, bottom, w);
        return;
    case kBorderSolid:
        OutlineRect(surface, r, argb.value_or(ToArgb(MakeColourRef(100, 100, 100))), Gdiplus::DashStyleSolid,
                    w);
        return;
    case kBorderDashed:
        OutlineRect(surface, r, argb.value_or(MakeArgb(120, 0, 0, 0)), Gdiplus::DashStyleDash, w);
        return;
    default:
        OutlineRect(surface, r, style, Gdiplus::DashStyleSolid, w);
        return;
    }
}

void FillGradient(GpGraphics* surface, const DuiRect& rect, Argb from, Argb to, int mode) {
    Gdiplus::GpRectF area = ToGp(rect);
    Gdiplus::GpLineGradient* gradient = nullptr;
    if (GdipCreateLineBrushFromRect(&area, from, to, Gdiplus::LinearGradientMode(mode),
                                    Gdiplus::WrapModeTileFlipXY, &gradient) != Gdiplus::Ok)
        return;
    UniqueGpBrush brush(gradient);
    GdipFillRectangle(surface, brush.get(), rect.x, rect.y, rect.width - 1, rect.height - 1);
}

UniqueGpRegion RegionFromHrgn(HRGN region) {
    UniqueGpRegion result;
    if (region)
        GdipCreateRegionHrgn(region, result.put());
    return result;
}

void ClipToRegion(GpGraphics* surface, GpRegion* region, int mode) {
    if (region)
        GdipSetClipRegion(surface, region, Gdiplus::CombineMode(mode));
}

void ClipToRect(GpGraphics* surface, const DuiRect& rect, int mode) {
    GdipSetClipRect(surface, rect.x, rect.y, rect.width, rect.height, Gdiplus::CombineMode(mode));
}

void ClipToPath(GpGraphics* surface, GpPath* path, int mode) {
    if (path)
        GdipSetClipPath(surface, path, Gdiplus::CombineMode(mode));
}

void ResetClip(GpGraphics* surface) {
    GdipResetClip(surface);
}

void DrawImageCentred(GpGraphics* surface, GpImage* image, const DuiRect& rect, bool centre) {
    if (!image)
        return;
    UINT width = 0;
    UINT height = 0;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    float x = rect.x;
    float y = rect.y;
    if (centre) {
        x -= std::round((float(width) - rect.width) / 2);
        y -= std::round((float(height) - rect.height) / 2);
    }
    GdipDrawImageRectRect(surface, image, x, y, float(width), float(height), 0, 0, float(width),
                          float(height), Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
}

void DrawNineGrid(GpGraphics* surface, GpImage* image, const DuiRect& d, const Margins& m) {
    if (!image)
        return;
    UINT iw = 0;
    UINT ih = 0;
    GdipGetImageWidth(image, &iw);
    GdipGetImageHeight(image, &ih);
    const float sw = float(iw);
    const float sh = float(ih);
    // Column and row edges in the source and in the destination.
    const float sx[4] = {0, m.left, sw - m.right, sw};
    const float sy[4] = {0, m.top, sh - m.bottom, sh};
    const float dx[4] = {d.x, d.x + m.left, d.Right() - m.right, d.Right()};
    const float dy[4] = {d.y, d.y + m.top, d.Bottom() - m.bottom, d.Bottom()};
    UniqueGpImageAttributes attributes;
    // Clamped edges keep stretched strips from blending in the pixels beyond them.
    if (GdipCreateImageAttributes(attributes.put()) == Gdiplus::Ok)
        GdipSetImageAttributesWrapMode(attributes.get(), Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const float w = dx[col + 1] - dx[col];
            const float h = dy[row + 1] - dy[row];
            const float srcW = sx[col + 1] - sx[col];
            const float srcH = sy[row + 1] - sy[row];
            if (w <= 0 || h <= 0 || srcW <= 0 || srcH <= 0)
                continue;
            GdipDrawImageRectRect(surface, image, dx[col], dy[row], w, h, sx[col], sy[row], srcW, srcH,
                                  Gdiplus::UnitPixel, attributes.get(), nullptr, nullptr);
        }
}

void DrawImageAlpha(GpGraphics* surface, GpImage* image, const DuiRect& rect, int alpha) {
    if (!image || alpha <= 0)
        return;
    if (alpha >= 255) {
        GdipDrawImageRect(surface, image, rect.x, rect.y, rect.width, rect.height);
        return;
    }
    Gdiplus::ColorMatrix matrix{};
    for (int i = 0; i < 5; ++i)
        matrix.m[i][i] = 1;
    matrix.m[3][3] = float(alpha) / 255.f;
    UniqueGpImageAttributes attributes;
    if (GdipCreateImageAttributes(attributes.put()) != Gdiplus::Ok)
        return;
    GdipSetImageAttributesColorMatrix(attributes.get(), Gdiplus::ColorAdjustTypeDefault, TRUE, &matrix,
                                      nullptr, Gdiplus::ColorMatrixFlagsDefault);
    GdipDrawImageRectRect(surface, image, rect.x, rect.y, rect.width, rect.height, 0, 0, rect.width,
                          rect.height, Gdiplus::UnitPixel, attributes.get(), nullptr, nullptr);
}

UniqueGpBitmap CropImage(GpBitmap* image, const DuiRect& rect) {
    UniqueGpBitmap copy;
    Gdiplus::PixelFormat format = PixelFormat32bppARGB;
    if (!image || GdipGetImagePixelFormat(image, &format) != Gdiplus::Ok)
        return {};
    GdipCloneBitmapArea(rect.x, rect.y, rect.width, rect.height, format, image, copy.put());
    return copy;
}
