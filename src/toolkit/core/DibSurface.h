// A 32 bpp top-down DIB section selected into a memory DC, with a GDI+
// bitmap and drawing surface over the same pixels. GDI (BitBlt, GdiAlphaBlend,
// UpdateLayeredWindow) and GDI+ both work on it without copies. The pixels are
// premultiplied ARGB, which is what GdiAlphaBlend with AC_SRC_ALPHA and
// UpdateLayeredWindow expect. Used for control images, the host's back buffer
// and background copy, and the scratch and animation buffers.
#pragma once

#include "toolkit/core/DuiRect.h"
#include "toolkit/core/GdiOwners.h"
#include "toolkit/core/GdiplusOwners.h"

#include <cstdint>

class DibSurface {
public:
    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface();

    // Makes a fully transparent surface of that size (at least 1 x 1); false on
    // failure, leaving the surface empty.
    bool Create(int width, int height);
    void Reset();

    explicit operator bool() const { return m_graphics.get() != nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    HDC Dc() const { return m_dc.get(); }
    GpGraphics* Graphics() const { return m_graphics.get(); }
    GpBitmap* Bitmap() const { return m_bitmap.get(); }

    // Premultiplied 0xAARRGGBB pixel; 0 outside the surface. Flushes pending
    // GDI work first.
    std::uint32_t Pixel(int x, int y) const;
    std::uint32_t* Row(int y) const { return m_bits + std::size_t(y) * std::size_t(m_width); }

    // Sets every pixel of the area (clipped to the surface) to transparent.
    void Clear(const DuiRect& area);
    void ClearAll();

    // Copies the pixels of another surface of the same size.
    void CopyFrom(const DibSurface& other);

private:
    int m_width = 0;
    int m_height = 0;
    std::uint32_t* m_bits = nullptr;
    UniqueMemoryDc m_dc;
    UniqueHbitmap m_dib;
    HGDIOBJ m_originalBitmap = nullptr;
    UniqueGpBitmap m_bitmap;
    UniqueGpGraphics m_graphics;
};
