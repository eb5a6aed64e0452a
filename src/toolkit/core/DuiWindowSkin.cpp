// The window skin: a background image or colour inside a rounded frame, a
// two-line border, a drawn shadow, optional DWM blur, and then the caption and
// the controls on top. Painted into the back buffer and kept in the
// background copy, so ordinary repaints never redraw it.
#include "toolkit/core/Composition.h"
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/SkinGeometry.h"
#include "toolkit/core/ToolkitStartup.h"

#include <algorithm>
#include <mutex>

namespace {

HRGN MakeRegion(const RoundRegionSpec& r) {
    return CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, r.ellipse, r.ellipse);
}

void DrawOutline(GpGraphics* g, const OutlineSpec& outline) {
    if (outline.diameter > 0) {
        DrawRoundRect(g, outline.rect, outline.diameter, outline.colour);
        return;
    }
    UniqueGpPen pen = MakePen(outline.colour);
    if (pen)
        GdipDrawRectangle(g, pen.get(), outline.rect.x, outline.rect.y, outline.rect.width - 1,
                          outline.rect.height - 1);
}

Argb WithAlpha(ColourRef colour, int alpha) {
    // ToArgb keeps 255 out; the fade bands need a truly opaque far side.
    return (ToArgb(colour) & 0x00FFFFFFu) | (Argb(alpha & 255) << 24);
}

// The DWM functions are looked up at run time: only Vista and 7 get the blur.
struct DwmApi {
    using IsCompositionEnabledFn = HRESULT(WINAPI*)(BOOL*);
    using EnableBlurBehindWindowFn = HRESULT(WINAPI*)(HWND, const void*);
    UniqueHmodule module;
    IsCompositionEnabledFn isCompositionEnabled = nullptr;
    EnableBlurBehindWindowFn enableBlurBehindWindow = nullptr;
};

// DWM_BLURBEHIND.
struct BlurBehind {
    DWORD flags;
    BOOL enable;
    HRGN region;
    BOOL transitionOnMaximized;
};
constexpr DWORD kBlurEnable = 1;
constexpr DWORD kBlurRegion = 2;

DwmApi& Dwm() {
    static DwmApi api = [] {
        DwmApi a;
        a.module.reset(LoadLibraryW(L"dwmapi.dll"));
        if (a.module) {
            a.isCompositionEnabled = reinterpret_cast<DwmApi::IsCompositionEnabledFn>(
                reinterpret_cast<void*>(GetProcAddress(a.module.get(), "DwmIsCompositionEnabled")));
            a.enableBlurBehindWindow = reinterpret_cast<DwmApi::EnableBlurBehindWindowFn>(
                reinterpret_cast<void*>(GetProcAddress(a.module.get(), "DwmEnableBlurBehindWindow")));
        }
        return a;
    }();
    return api;
}

// A message box on a worker thread draws its skin owner's image: hosts take
// this lock while they draw, read or replace a skin image. Recursive, because
// the background-painted hook may ask whether the background is dark.
std::recursive_mutex& SkinImageLock() {
    static std::recursive_mutex lock;
    return lock;
}

} // namespace

const DuiWindow* DuiWindow::SkinSource() const {
    // Follows skin owners that are hosts; a short chain, never a cycle.
    const DuiWindow* source = this;
    for (int depth = 0; depth < 8 && source->m_skinOwner; ++depth) {
        const DuiWindow* owner = FromWindow(source->m_skinOwner);
        if (!owner || owner == this || owner == source)
            break;
        source = owner;
    }
    return source;
}

GpBitmap* DuiWindow::SkinImage(ColourRef& colour) const {
    const DuiWindow* source = SkinSource();
    colour = source->m_backgroundColour;
    return source->m_ownImage.get();
}

void DuiWindow::SetBackground(ImageBytes image, std::optional<ColourRef> colour, int present,
                              bool noSnapshotEvents) {
    SuspendPainting();
    if (SkinSource() == this) {
        if (!image.empty()) {
            UniqueGpBitmap loaded = LoadImageFromBytes(image);
            if (loaded)
                m_backgroundColour = AverageColour(loaded.get());
            const std::lock_guard<std::recursive_mutex> lock(SkinImageLock());
            m_ownImage = std::move(loaded);
        }
        if (colour && *colour != 0xFFFFFFFFu)
            m_backgroundColour = *colour;
    }
    if (present == 1 && Layered() && m_fadeBuffer.Create(m_width, m_height))
        m_fadeBuffer.CopyFrom(m_backBuffer); // the old look, faded out below
    {
        const std::lock_guard<std::recursive_mutex> lock(SkinImageLock());
        ColourRef skinColour = 0;
        GpBitmap* skinImage = SkinImage(skinColour);
        PaintSkin(skinImage, skinColour);
    }
    m_backgroundCopy.CopyFrom(m_backBuffer);

    if (m_style != kSkinStylePlain) {
        const SkinGeometry geometry =
            ComputeSkinGeometry(m_width, m_height, m_style, IsZoomed(m_window) != 0, 0);
        m_clipRegion.reset(MakeRegion(geometry.controlClip));
        m_clipGpRegion = RegionFromHrgn(m_clipRegion.get());
    } else {
        m_clipRegion.reset();
        m_clipGpRegion.reset();
    }
    m_repaintQueue.Init(this);
    LayoutCaption();
    SnapshotPaint(*this, !noSnapshotEvents);
    ResumePainting();

    if (m_blur && Layered())
        EnableBlur(6, 6, m_width - 5, m_height - 5, 6);
    if (present == 0) {
        Present();
    } else if (present == 1) {
        SuspendPainting();
        m_fadeAlpha = 0;
        SetTimer(m_window, reinterpret_cast<UINT_PTR>(this), 50, FadeTimerProc);
    }
}

void DuiWindow::PaintSkin(GpBitmap* image, ColourRef colour) {
    m_backBuffer.ClearAll();
    GpGraphics* g = m_backBuffer.Graphics();
    if (m_style == kSkinStylePlain) {
        if (image && m_hasImageMargins)
            DrawNineGrid(g, image, {0, 0, float(m_width), float(m_height)}, m_imageMargins);
        else if (image)
            DrawImageCentred(g, image, {0, 0, 0, 0}, false);
        if (m_backgroundPaintedHook)
            m_backgroundPaintedHook(m_window, g, m_width, m_height);
        GdipFlush(g, Gdiplus::FlushIntentionSync);
        return;
    }
    const SkinGeometry geometry =
        ComputeSkinGeometry(m_width, m_height, m_style, IsZoomed(m_window) != 0, m_shadowColour);
    UniqueHrgn backgroundClip(MakeRegion(geometry.backgroundClip));
    UniqueGpRegion clip = RegionFromHrgn(backgroundClip.get());
    ClipToRegion(g, clip.get());
    PaintFramedBackground(image, colour);
    if (m_backgroundPaintedHook)
        m_backgroundPaintedHook(m_window, g, m_width, m_height);
    DrawOutline(g, geometry.outerBorder);
    DrawOutline(g, geometry.innerBorder);
    ResetClip(g);
    if (Layered()) {
        for (const OutlineSpec& line : geometry.shadow)
            DrawOutline(g, line);
    } else {
        ApplyWindowRegion();
    }
    GdipFlush(g, Gdiplus::FlushIntentionSync);
}

void DuiWindow::PaintFramedBackground(GpBitmap* image, ColourRef colour) {
    GpGraphics* g = m_backBuffer.Graphics();
    const SkinGeometry geometry = ComputeSkinGeometry(m_width, m_height, m_style, false, m_shadowColour);
    if (!image) {
        FillRect(g, {0, 0, float(m_width), float(m_height)}, ToArgb(colour, Layered() ? m_alpha : 255));
        if (Layered())
            MakeInteriorOpaqueAtAlpha();
        return;
    }
    FillRect(g, {0, 0, float(m_width), float(m_height)}, ToArgb(colour));
    const float iw = float(ImageWidth(image));
    const float ih = float(ImageHeight(image));
    if (m_imageMode == kImageStretched) {
        GdipDrawImageRect(g, image, geometry.inner.x, geometry.inner.y, geometry.inner.width,
                          geometry.inner.height);
    } else if (m_imageMode == kImageCentred) {
        const DuiRect at{std::floor((m_width - iw) / 2), std::floor((m_height - ih) / 2), iw, ih};
        DrawImageCentred(g, image, at, false);
        if (m_edgeFade)
            FadeEdges(at, true, colour);
    } else {
        const DuiRect at{5, 5, iw, ih};
        DrawImageCentred(g, image, at, false);
        if (m_edgeFade)
            FadeEdges(at, false, colour);
    }
    if (Layered())
        MakeInteriorOpaqueAtAlpha();
}

void DuiWindow::FadeEdges(const DuiRect& imageRect, bool allEdges, ColourRef colour) {
    GpGraphics* g = m_backBuffer.Graphics();
    for (const FadeBand& band : EdgeFadeBands(imageRect, allEdges)) {
        const Argb clear = WithAlpha(colour, 0);
        const Argb opaque = WithAlpha(colour, 255);
        FillGradient(g, band.rect, band.opaqueAtStart ? opaque : clear, band.opaqueAtStart ? clear : opaque,
                     band.vertical ? Gdiplus::LinearGradientModeVertical
                                   : Gdiplus::LinearGradientModeHorizontal);
    }
}

void DuiWindow::MakeInteriorOpaqueAtAlpha() {
    // Everything inside the background clip becomes exactly as opaque as the
    // window's alpha, whatever the image or the fill left there.
    GdipFlush(m_backBuffer.Graphics(), Gdiplus::FlushIntentionSync);
    GdiFlush();
    const SkinGeometry geometry = ComputeSkinGeometry(m_width, m_height, m_style, false, 0);
    UniqueHrgn region(MakeRegion(geometry.backgroundClip));
    const DWORD size = GetRegionData(region.get(), 0, nullptr);
    std::vector<std::uint8_t> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || GetRegionData(region.get(), size, data) == 0)
        return;
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    const std::uint32_t target = std::uint32_t(m_alpha);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        const RECT& r = rects[i];
        for (LONG y = std::max(0L, r.top); y < std::min(LONG(m_height), r.bottom); ++y) {
            std::uint32_t* row = m_backBuffer.Row(int(y));
            for (LONG x = std::max(0L, r.left); x < std::min(LONG(m_width), r.right); ++x) {
                const std::uint32_t p = row[x];
                const std::uint32_t a = p >> 24;
                if (a == 0 || a == target)
                    continue;
                auto scale = [&](std::uint32_t c) { return std::min<std::uint32_t>(c * target / a, target); };
                row[x] = (target << 24) | (scale((p >> 16) & 255) << 16) | (scale((p >> 8) & 255) << 8) |
                         scale(p & 255);
            }
        }
    }
}

void DuiWindow::ApplyWindowRegion() {
    const SkinGeometry geometry = ComputeSkinGeometry(m_width, m_height, m_style, IsZoomed(m_window) != 0, 0);
    UniqueHrgn region(MakeRegion(geometry.windowRegion));
    if (region && SetWindowRgn(m_window, region.get(), TRUE))
        region.release(); // the system owns a window's region
}

void CALLBACK DuiWindow::FadeTimerProc(HWND window, UINT, UINT_PTR id, DWORD) noexcept {
    DuiWindow* host = FromWindow(window);
    if (!host || reinterpret_cast<UINT_PTR>(host) != id) {
        KillTimer(window, id);
        return;
    }
    host->FadeTick();
}

void DuiWindow::FadeTick() {
    m_fadeAlpha = std::min(m_fadeAlpha + 51, 255);
    const BLENDFUNCTION mix{AC_SRC_OVER, 0, BYTE(m_fadeAlpha), 0};
    GdiFlush();
    if (Layered() && m_fadeBuffer) {
        PresentLayered(m_fadeBuffer.Dc());
        GdiAlphaBlend(m_fadeBuffer.Dc(), 0, 0, m_width, m_height, m_backBuffer.Dc(), 0, 0, m_width, m_height,
                      mix);
    } else {
        GdiAlphaBlend(m_windowDc.get(), 0, 0, m_width, m_height, m_backBuffer.Dc(), 0, 0, m_width, m_height,
                      mix);
    }
    if (m_fadeAlpha < 255)
        return;
    KillTimer(m_window, reinterpret_cast<UINT_PTR>(this));
    m_fadeBuffer.Reset();
    ResumePainting();
    // Controls that changed during the fade were not shown; show the window as it is now.
    RepaintAll();
}

bool DuiWindow::EnableBlur(int left, int top, int right, int bottom, int corner) {
    if (Toolkit().systemMajorVersion != 6 || m_style == kSkinStylePlain || !Layered())
        return false;
    DwmApi& dwm = Dwm();
    BOOL composition = FALSE;
    if (!dwm.isCompositionEnabled || !dwm.enableBlurBehindWindow ||
        FAILED(dwm.isCompositionEnabled(&composition)) || !composition)
        return false;
    UniqueHrgn region(CreateRoundRectRgn(left, top, right, bottom, corner, corner));
    BlurBehind blur{kBlurEnable | kBlurRegion, TRUE, region.get(), FALSE};
    dwm.enableBlurBehindWindow(m_window, &blur);
    return true;
}

bool DuiWindow::DisableBlur() {
    return EnableBlur(0, 0, 0, 0, 0); // blur behind an empty region
}

bool IsBackgroundDark(HWND window, const DuiRect& rect) {
    DuiWindow* host = DuiWindow::FromWindow(window);
    if (!host)
        return false;
    const std::lock_guard<std::recursive_mutex> lock(SkinImageLock());
    const Argb colour = ToArgb(host->BackgroundColour());
    GpBitmap* image = host->BackgroundImage();
    if (!image)
        return IsDark(colour);
    SamplePoint points[9];
    BackgroundSamplePoints(rect.x, rect.y, rect.width, rect.height, points);
    Argb samples[9];
    for (int i = 0; i < 9; ++i) {
        ARGB pixel = 0;
        // A point outside the image sees the background colour around it.
        samples[i] =
            GdipBitmapGetPixel(image, points[i].x, points[i].y, &pixel) == Gdiplus::Ok ? pixel : colour;
    }
    return MostlyDark(samples);
}
