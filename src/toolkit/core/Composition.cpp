#include "toolkit/core/Composition.h"

#include "toolkit/core/DuiControl.h"
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/ToolkitStartup.h"

#include <cmath>

RECT PixelBounds(const DuiRect& r) {
    return {LONG(std::floor(r.x)), LONG(std::floor(r.y)), LONG(std::ceil(r.Right())),
            LONG(std::ceil(r.Bottom()))};
}

namespace {

// Draws an image with its top-left corner at (x, y) scaled to width x height.
void BlendImage(HDC target, const DibSurface& image, int x, int y, int width, int height, int alpha) {
    if (!image || alpha <= 0 || width <= 0 || height <= 0)
        return;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(alpha > 255 ? 255 : alpha), AC_SRC_ALPHA};
    GdiAlphaBlend(target, x, y, width, height, image.Dc(), 0, 0, image.Width(), image.Height(), blend);
}

// An image at natural size centred on the rect, moved by (dx, dy).
void BlendCentred(HDC target, const DibSurface& image, const DuiRect& r, int dx, int dy, int alpha) {
    const int x = int(r.x) - int(std::lround((image.Width() - r.width) / 2)) + dx;
    const int y = int(r.y) - int(std::lround((image.Height() - r.height) / 2)) + dy;
    BlendImage(target, image, x, y, image.Width(), image.Height(), alpha);
}

void BlendAtRect(HDC target, const DibSurface& image, const DuiRect& r, int alpha) {
    BlendImage(target, image, int(r.x), int(r.y), int(r.width), int(r.height), alpha);
}

// Saves the DC's clip region and puts it back on scope exit.
class SavedClip {
public:
    explicit SavedClip(HDC dc) : m_dc(dc), m_region(CreateRectRgn(0, 0, 0, 0)) {
        if (GetClipRgn(dc, m_region.get()) != 1)
            m_region.reset(); // there was no clip
    }
    SavedClip(const SavedClip&) = delete;
    SavedClip& operator=(const SavedClip&) = delete;
    ~SavedClip() { SelectClipRgn(m_dc, m_region.get()); }
    HRGN Region() const { return m_region.get(); }

private:
    HDC m_dc;
    UniqueHrgn m_region;
};

// Gives the back buffer's GDI+ surface the clip its DC has, for a control that
// draws its own transition frame.
void MirrorClipToSurface(HDC dc, GpGraphics* surface) {
    UniqueHrgn region(CreateRectRgn(0, 0, 0, 0));
    if (GetClipRgn(dc, region.get()) == 1)
        GdipSetClipHrgn(surface, region.get(), Gdiplus::CombineModeReplace);
    else
        GdipResetClip(surface);
}

// The look of a transition frame the control does not draw itself.
void DefaultTransition(DuiWindow& host, DuiControl& c, const DuiComposeContext& ctx) {
    HDC back = host.BackBuffer().Dc();
    const DibSurface& previous = *c.PreviousImage();
    const DibSurface& current = *c.Image();
    const DuiRect& r = ctx.rect;
    const int p = ctx.position;
    const int f = ctx.frames;
    const int alpha = c.Alpha();
    const int kind = c.TransitionKind();
    if (kind >= 1 && kind <= 4) {
        // Slides stay inside the control's rect.
        SavedClip saved(back);
        const RECT bounds = PixelBounds(r);
        IntersectClipRect(back, bounds.left, bounds.top, bounds.right, bounds.bottom);
        const bool vertical = kind <= 2;
        const int extent = int(vertical ? r.height : r.width);
        const int step = extent / f;
        const int sign = kind == 1 || kind == 3 ? 1 : -1;
        const int offset = sign * p * step;
        const int incoming = offset - sign * extent;
        BlendCentred(back, previous, r, vertical ? 0 : offset, vertical ? offset : 0, alpha);
        BlendCentred(back, current, r, vertical ? 0 : incoming, vertical ? incoming : 0, alpha);
        return;
    }
    // Cross-fade: the new look over the background in the scratch buffer, the
    // old look in the back buffer, then the scratch blended over it. Both hold
    // premultiplied pixels, so a plain constant-alpha blend mixes them exactly;
    // the last frame shows the new look alone.
    DibSurface& scratch = ScratchBuffer(host.Width(), host.Height());
    const RECT b = PixelBounds(r);
    const int width = b.right - b.left;
    const int height = b.bottom - b.top;
    GdiFlush();
    BitBlt(scratch.Dc(), b.left, b.top, width, height, back, b.left, b.top, SRCCOPY);
    BlendCentred(back, previous, r, 0, 0, alpha);
    BlendCentred(scratch.Dc(), current, r, 0, 0, alpha);
    const BLENDFUNCTION mix{AC_SRC_OVER, 0, BYTE(255 * p / f), 0};
    GdiAlphaBlend(back, b.left, b.top, width, height, scratch.Dc(), b.left, b.top, width, height, mix);
}

void ComposeTransition(DuiWindow& host, DuiControl& c) {
    DibSurface& back = host.BackBuffer();
    DibSurface& scratch = ScratchBuffer(host.Width(), host.Height());
    DuiComposeContext ctx;
    ctx.backBufferDc = back.Dc();
    ctx.backBufferSurface = back.Graphics();
    ctx.scratchDc = scratch.Dc();
    ctx.scratchSurface = scratch.Graphics();
    ctx.image = c.Image();
    ctx.previousImage = c.PreviousImage();
    ctx.rect = c.Rect();
    RECT clip{};
    GetClipBox(back.Dc(), &clip);
    ctx.clipBounds = RectFromEdges(float(clip.left), float(clip.top), float(clip.right), float(clip.bottom));
    ctx.position = c.TransitionPosition();
    ctx.frames = c.TransitionFrames();
    MirrorClipToSurface(back.Dc(), back.Graphics());
    const LRESULT drawn = DuiDispatch(&c, DuiEvtTransitionPaint, 0, reinterpret_cast<LPARAM>(&ctx));
    GdipResetClip(back.Graphics());
    if (drawn < 1)
        DefaultTransition(host, c, ctx);
}

int DisabledAlpha(DuiControl& c) {
    return DuiDispatch(&c, DuiEvtDisabledLook, 0, 1) == -1 ? c.Alpha() / 2 : c.Alpha();
}

} // namespace

void ComposeList(DuiWindow& host, DuiControl* first, const DuiRect& paintRect) {
    HDC back = host.BackBuffer().Dc();
    for (DuiControl* c = first; c; c = c->NextSibling()) {
        if (!c->Visible() || !c->Image() || !RectsOverlap(c->Rect(), paintRect))
            continue;
        if (c->Disabled())
            BlendAtRect(back, *c->Image(), c->Rect(), DisabledAlpha(*c));
        else if (!c->TransitionPending())
            BlendAtRect(back, *c->Image(), c->Rect(), c->Alpha());
        else
            ComposeTransition(host, *c);
        if (c->FirstChild()) {
            // Children never paint outside their parent; the siblings that
            // follow are clipped as before.
            SavedClip saved(back);
            const RECT bounds = PixelBounds(c->Rect());
            IntersectClipRect(back, bounds.left, bounds.top, bounds.right, bounds.bottom);
            ComposeList(host, c->FirstChild(), paintRect);
        }
    }
}

void PaintRect(DuiWindow& host, const DuiRect& rect, bool present) {
    if (host.PaintingSuspended() || !host.BackBuffer())
        return;
    HDC back = host.BackBuffer().Dc();
    SelectClipRgn(back, host.ClipRegion()); // a copy of the region; none: no clip
    const RECT bounds = PixelBounds(rect);
    IntersectClipRect(back, bounds.left, bounds.top, bounds.right, bounds.bottom);
    GdiFlush();
    BitBlt(back, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
           host.BackgroundCopy().Dc(), bounds.left, bounds.top, SRCCOPY);
    ComposeList(host, host.FirstTopLevel(), rect);
    SelectClipRgn(back, nullptr);
    GdiFlush();
    host.NoteComposed(bounds);
    if (present)
        PresentRect(host, rect);
}

void PresentRect(DuiWindow& host, const DuiRect& rect) {
    if (host.PaintingSuspended() || !host.BackBuffer())
        return;
    if (host.Layered()) {
        host.Present(rect);
        return;
    }
    const RECT b = PixelBounds(rect);
    BitBlt(host.WindowDc(), b.left, b.top, b.right - b.left, b.bottom - b.top, host.BackBuffer().Dc(), b.left,
           b.top, SRCCOPY);
}

namespace {

void SnapshotList(DuiWindow& host, DuiControl* first, bool sendEvents) {
    GpGraphics* surface = host.BackBuffer().Graphics();
    for (DuiControl* c = first; c; c = c->NextSibling()) {
        if (!c->Visible() || !c->Image())
            continue;
        if (sendEvents)
            DuiDispatch(c, DuiEvtSnapshot, 0, 0);
        const int alpha = c->Disabled() ? DisabledAlpha(*c) : c->Alpha();
        GdipFlush(surface, Gdiplus::FlushIntentionSync);
        BlendAtRect(host.BackBuffer().Dc(), *c->Image(), c->Rect(), alpha);
        if (c->FirstChild()) {
            SavedClip saved(host.BackBuffer().Dc());
            const RECT bounds = PixelBounds(c->Rect());
            IntersectClipRect(host.BackBuffer().Dc(), bounds.left, bounds.top, bounds.right, bounds.bottom);
            SnapshotList(host, c->FirstChild(), sendEvents);
        }
    }
}

} // namespace

void SnapshotPaint(DuiWindow& host, bool sendEvents) {
    if (!host.BackBuffer())
        return;
    HDC back = host.BackBuffer().Dc();
    SelectClipRgn(back, host.ClipRegion());
    SnapshotList(host, host.FirstTopLevel(), sendEvents);
    SelectClipRgn(back, nullptr);
    GdiFlush();
}
