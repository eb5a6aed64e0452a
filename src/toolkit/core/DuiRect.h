// Toolkit rectangles: x, y, width, height as 32-bit floats in client pixels of
// the host window. Conversions to whole pixels truncate toward zero.
// Portable: no Windows header.
#pragma once

#include <cmath>

struct DuiRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;

    float Right() const { return x + width; }
    float Bottom() const { return y + height; }
    friend bool operator==(const DuiRect&, const DuiRect&) = default;
};

// Positions and sizes that differ by no more than this are the same.
inline constexpr float kDuiTolerance = 1e-7f;

inline bool DuiDiffers(float a, float b) {
    return std::fabs(a - b) > kDuiTolerance;
}

inline DuiRect MakeRect(float x, float y, float width, float height) {
    return {x, y, width, height};
}
inline DuiRect AdjustRect(const DuiRect& r, float dx, float dy, float dw, float dh) {
    return {r.x + dx, r.y + dy, r.width + dw, r.height + dh};
}
inline DuiRect RectFromEdges(float left, float top, float right, float bottom) {
    return {left, top, right - left, bottom - top};
}

// Hit test of a point: left and top edges inside, right and bottom outside.
inline bool RectContains(const DuiRect& r, float px, float py) {
    return px - r.x >= -kDuiTolerance && py - r.y >= -kDuiTolerance && r.Right() - px > kDuiTolerance &&
           r.Bottom() - py > kDuiTolerance;
}

// Strict overlap: rectangles that only touch do not overlap.
inline bool RectsOverlap(const DuiRect& a, const DuiRect& b) {
    return b.Right() - a.x > kDuiTolerance && a.Right() - b.x > kDuiTolerance &&
           b.Bottom() - a.y > kDuiTolerance && a.Bottom() - b.y > kDuiTolerance;
}

inline DuiRect IntersectRects(const DuiRect& a, const DuiRect& b) {
    float left = std::fmax(a.x, b.x);
    float top = std::fmax(a.y, b.y);
    float right = std::fmin(a.Right(), b.Right());
    float bottom = std::fmin(a.Bottom(), b.Bottom());
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

inline DuiRect UnionRects(const DuiRect& a, const DuiRect& b) {
    if (a.width <= 0 || a.height <= 0)
        return b;
    if (b.width <= 0 || b.height <= 0)
        return a;
    float left = std::fmin(a.x, b.x);
    float top = std::fmin(a.y, b.y);
    return {left, top, std::fmax(a.Right(), b.Right()) - left, std::fmax(a.Bottom(), b.Bottom()) - top};
}
