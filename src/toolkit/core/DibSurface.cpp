#include "toolkit/core/DibSurface.h"

#include <algorithm>
#include <cstring>

DibSurface::~DibSurface() {
    Reset();
}

void DibSurface::Reset() {
    m_graphics.reset();
    m_bitmap.reset();
    if (m_dc && m_originalBitmap)
        SelectObject(m_dc.get(), m_originalBitmap);
    m_originalBitmap = nullptr;
    m_dib.reset();
    m_dc.reset();
    m_bits = nullptr;
    m_width = m_height = 0;
}

bool DibSurface::Create(int width, int height) {
    Reset();
    width = std::max(width, 1);
    height = std::max(height, 1);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 is the top of the window
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = DWORD(width) * DWORD(height) * 4;

    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return false;
    void* bits = nullptr;
    UniqueHbitmap dib(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits)
        return false;
    UniqueGpBitmap bitmap;
    if (GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits),
                                  bitmap.put()) != Gdiplus::Ok)
        return false;
    UniqueGpGraphics graphics;
    if (GdipGetImageGraphicsContext(bitmap.get(), graphics.put()) != Gdiplus::Ok)
        return false;
    GdipSetSmoothingMode(graphics.get(), Gdiplus::SmoothingModeAntiAlias);
    GdipSetTextRenderingHint(graphics.get(), Gdiplus::TextRenderingHintAntiAliasGridFit);

    m_originalBitmap = SelectObject(dc.get(), dib.get());
    m_dc = std::move(dc);
    m_dib = std::move(dib);
    m_bitmap = std::move(bitmap);
    m_graphics = std::move(graphics);
    m_bits = static_cast<std::uint32_t*>(bits);
    m_width = width;
    m_height = height;
    std::memset(m_bits, 0, std::size_t(width) * std::size_t(height) * 4);
    return true;
}

std::uint32_t DibSurface::Pixel(int x, int y) const {
    if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    GdiFlush();
    return Row(y)[x];
}

void DibSurface::Clear(const DuiRect& area) {
    if (!m_bits)
        return;
    const int left = std::clamp(int(area.x), 0, m_width);
    const int top = std::clamp(int(area.y), 0, m_height);
    const int right = std::clamp(int(std::ceil(area.Right())), 0, m_width);
    const int bottom = std::clamp(int(std::ceil(area.Bottom())), 0, m_height);
    if (right <= left)
        return;
    GdiFlush();
    for (int y = top; y < bottom; ++y)
        std::memset(Row(y) + left, 0, std::size_t(right - left) * 4);
}

void DibSurface::ClearAll() {
    Clear({0, 0, float(m_width), float(m_height)});
}

void DibSurface::CopyFrom(const DibSurface& other) {
    if (!m_bits || !other.m_bits || other.m_width != m_width || other.m_height != m_height)
        return;
    GdiFlush();
    std::memcpy(m_bits, other.m_bits, std::size_t(m_width) * std::size_t(m_height) * 4);
}
