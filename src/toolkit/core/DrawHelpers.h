// Shape, border, gradient and image primitives every control draws with.
// All GDI+ through the flat API; coordinates are floats in surface pixels.
#pragma once

#include "toolkit/core/Colour.h"
#include "toolkit/core/DuiRect.h"
#include "toolkit/core/GdiplusOwners.h"

#include <optional>

// A closed path of four d x d corner arcs. The right and bottom arcs end one
// pixel inside the rect, so an outline drawn with a 1-pixel pen stays inside it.
UniqueGpPath RoundRectPath(const DuiRect& rect, float diameter);

void FillRoundRect(GpGraphics* surface, const DuiRect& rect, float diameter, Argb argb);
void DrawRoundRect(GpGraphics* surface, const DuiRect& rect, float diameter, Argb argb, int dashStyle = 0,
                   float penWidth = 1);
void FillRect(GpGraphics* surface, const DuiRect& rect, Argb argb);
void DrawLine(GpGraphics* surface, Argb argb, float x1, float y1, float x2, float y2, float penWidth = 1);

// Border styles: 0 none, 1 sunken, 2 raised, 3 solid (default RGB(100,100,100)),
// 4 dashed (default black at alpha 120), any other value: a solid outline whose
// ARGB colour is the style number itself.
inline constexpr int kBorderNone = 0;
inline constexpr int kBorderSunken = 1;
inline constexpr int kBorderRaised = 2;
inline constexpr int kBorderSolid = 3;
inline constexpr int kBorderDashed = 4;
void DrawBorder(GpGraphics* surface, const DuiRect& rect, Argb style, std::optional<Argb> argb = std::nullopt,
                float penWidth = 1);

// Linear gradient over the rect; mode is a GDI+ LinearGradientMode
// (0 horizontal, 1 vertical).
void FillGradient(GpGraphics* surface, const DuiRect& rect, Argb from, Argb to, int mode = 1);

UniqueGpRegion RegionFromHrgn(HRGN region);

// Clip helpers; mode is a GDI+ CombineMode (0 replace, 1 intersect, 4 exclude).
void ClipToRegion(GpGraphics* surface, GpRegion* region, int mode = 0);
void ClipToRect(GpGraphics* surface, const DuiRect& rect, int mode = 0);
void ClipToPath(GpGraphics* surface, GpPath* path, int mode = 0);
void ResetClip(GpGraphics* surface);

// At natural size; with centre, centred on the rect (offsets rounded).
void DrawImageCentred(GpGraphics* surface, GpImage* image, const DuiRect& rect, bool centre);

// Corners copied, edges stretched along them, centre stretched both ways.
struct Margins {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};
void DrawNineGrid(GpGraphics* surface, GpImage* image, const DuiRect& dest, const Margins& margins);

// The image scaled into the rect at an opacity of alpha / 255.
void DrawImageAlpha(GpGraphics* surface, GpImage* image, const DuiRect& rect, int alpha);

// A copy of part of a bitmap in the bitmap's own pixel format.
UniqueGpBitmap CropImage(GpBitmap* image, const DuiRect& rect);

UniqueGpBrush MakeSolidBrush(Argb argb);
UniqueGpPen MakePen(Argb argb, float width = 1);
