// Owners of GDI and USER objects, plus the scoped helpers that put the state
// of a device context back (selected object, paint DC).
#pragma once

#include "toolkit/core/UniqueAny.h"

#include <windows.h>

namespace gdi_close {
inline void DeleteGdiObject(HGDIOBJ object) noexcept {
    DeleteObject(object);
}
inline void DeleteBitmap(HBITMAP bitmap) noexcept {
    DeleteObject(bitmap);
}
inline void DeleteRegion(HRGN region) noexcept {
    DeleteObject(region);
}
inline void DeleteFontHandle(HFONT font) noexcept {
    DeleteObject(font);
}
inline void DeleteBrushHandle(HBRUSH brush) noexcept {
    DeleteObject(brush);
}
inline void DeleteMemoryDc(HDC dc) noexcept {
    DeleteDC(dc);
}
inline void DestroyWindowHandle(HWND window) noexcept {
    DestroyWindow(window);
}
inline void DestroyIconHandle(HICON icon) noexcept {
    DestroyIcon(icon);
}
inline void FreeLibraryHandle(HMODULE module) noexcept {
    FreeLibrary(module);
}
} // namespace gdi_close

using UniqueHbitmap = UniqueAny<HBITMAP, gdi_close::DeleteBitmap>;
using UniqueHrgn = UniqueAny<HRGN, gdi_close::DeleteRegion>;
using UniqueHfont = UniqueAny<HFONT, gdi_close::DeleteFontHandle>;
using UniqueHbrush = UniqueAny<HBRUSH, gdi_close::DeleteBrushHandle>;
using UniqueMemoryDc = UniqueAny<HDC, gdi_close::DeleteMemoryDc>;
using UniqueHwnd = UniqueAny<HWND, gdi_close::DestroyWindowHandle>;
using UniqueHicon = UniqueAny<HICON, gdi_close::DestroyIconHandle>;
using UniqueHmodule = UniqueAny<HMODULE, gdi_close::FreeLibraryHandle>;

// A DC from GetDC, released with the window it came from.
class UniqueWindowDc {
public:
    UniqueWindowDc() noexcept = default;
    explicit UniqueWindowDc(HWND window) noexcept : m_window(window), m_dc(GetDC(window)) {}
    UniqueWindowDc(UniqueWindowDc&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr)), m_dc(std::exchange(other.m_dc, nullptr)) {}
    UniqueWindowDc& operator=(UniqueWindowDc&& other) noexcept {
        if (this != &other) {
            reset();
            m_window = std::exchange(other.m_window, nullptr);
            m_dc = std::exchange(other.m_dc, nullptr);
        }
        return *this;
    }
    UniqueWindowDc(const UniqueWindowDc&) = delete;
    UniqueWindowDc& operator=(const UniqueWindowDc&) = delete;
    ~UniqueWindowDc() { reset(); }

    HDC get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }
    void reset() noexcept {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
        m_dc = nullptr;
        m_window = nullptr;
    }

private:
    HWND m_window = nullptr;
    HDC m_dc = nullptr;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    ~ScopedSelectObject() {
        if (m_previous && m_previous != HGDI_ERROR)
            SelectObject(m_dc, m_previous);
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(m_window, &m_paint); }

    HDC get() const noexcept { return m_dc; }
    const RECT& Invalid() const noexcept { return m_paint.rcPaint; }

private:
    HWND m_window;
    HDC m_dc = nullptr;
    PAINTSTRUCT m_paint{};
};
