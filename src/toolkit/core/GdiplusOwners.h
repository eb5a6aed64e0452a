// Owners of GDI+ flat-API objects.
#pragma once

#include "toolkit/core/GdiplusApi.h"
#include "toolkit/core/UniqueAny.h"

namespace gdiplus_close {
inline void DisposeImage(GpImage* image) noexcept {
    GdipDisposeImage(image);
}
inline void DisposeBitmap(GpBitmap* bitmap) noexcept {
    GdipDisposeImage(bitmap);
}
inline void DeleteGraphics(GpGraphics* graphics) noexcept {
    GdipDeleteGraphics(graphics);
}
inline void DeleteFont(GpFont* font) noexcept {
    GdipDeleteFont(font);
}
inline void DeleteFontFamily(GpFontFamily* family) noexcept {
    GdipDeleteFontFamily(family);
}
inline void DeleteStringFormat(GpStringFormat* format) noexcept {
    GdipDeleteStringFormat(format);
}
inline void DeletePath(GpPath* path) noexcept {
    GdipDeletePath(path);
}
inline void DeleteBrush(GpBrush* brush) noexcept {
    GdipDeleteBrush(brush);
}
inline void DeletePen(GpPen* pen) noexcept {
    GdipDeletePen(pen);
}
inline void DeleteRegion(GpRegion* region) noexcept {
    GdipDeleteRegion(region);
}
inline void DisposeImageAttributes(GpImageAttributes* attributes) noexcept {
    GdipDisposeImageAttributes(attributes);
}
} // namespace gdiplus_close

using UniqueGpImage = UniqueAny<GpImage*, gdiplus_close::DisposeImage>;
using UniqueGpBitmap = UniqueAny<GpBitmap*, gdiplus_close::DisposeBitmap>;
using UniqueGpGraphics = UniqueAny<GpGraphics*, gdiplus_close::DeleteGraphics>;
using UniqueGpFont = UniqueAny<GpFont*, gdiplus_close::DeleteFont>;
using UniqueGpFontFamily = UniqueAny<GpFontFamily*, gdiplus_close::DeleteFontFamily>;
using UniqueGpStringFormat = UniqueAny<GpStringFormat*, gdiplus_close::DeleteStringFormat>;
using UniqueGpPath = UniqueAny<GpPath*, gdiplus_close::DeletePath>;
using UniqueGpBrush = UniqueAny<GpBrush*, gdiplus_close::DeleteBrush>;
using UniqueGpPen = UniqueAny<GpPen*, gdiplus_close::DeletePen>;
using UniqueGpRegion = UniqueAny<GpRegion*, gdiplus_close::DeleteRegion>;
using UniqueGpImageAttributes = UniqueAny<GpImageAttributes*, gdiplus_close::DisposeImageAttributes>;

// Saves the clip of a surface and puts it back on scope exit.
class ScopedClip {
public:
    explicit ScopedClip(GpGraphics* graphics) noexcept : m_graphics(graphics) {
        if (GdipCreateRegion(m_saved.put()) == Gdiplus::Ok)
            GdipGetClip(m_graphics, m_saved.get());
    }
    ScopedClip(const ScopedClip&) = delete;
    ScopedClip& operator=(const ScopedClip&) = delete;
    ~ScopedClip() {
        if (m_saved)
            GdipSetClipRegion(m_graphics, m_saved.get(), Gdiplus::CombineModeReplace);
    }

private:
    GpGraphics* m_graphics;
    UniqueGpRegion m_saved;
};
