// How a host window comes onto the screen (Show) and leaves it (the closing
// animation at WM_CLOSE). The frames come from WindowAnimationPlan; they are
// drawn from the back buffer into a temporary buffer that is put on the screen
// as a layered window, with pending messages processed between frames so that
// other windows stay responsive.
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/ToolkitStartup.h"

#include <algorithm>

namespace {

void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(int(message.wParam)); // leave it for the main loop
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Blends the band [start, start + length) along the wipe's axis, counted from
// its side, at alpha.
void BlendBand(HDC target, HDC source, WipeSide side, int start, int length, int width, int height,
               int alpha) {
    if (length <= 0 || alpha <= 0)
        return;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(std::min(alpha, 255)), AC_SRC_ALPHA};
    int x = 0;
    int y = 0;
    int w = width;
    int h = height;
    switch (side) {
    case WipeSide::Left:
        x = start;
        w = std::min(length, width - start);
        break;
    case WipeSide::Right:
        w = std::min(length, width - start);
        x = width - start - w;
        break;
    case WipeSide::Top:
        y = start;
        h = std::min(length, height - start);
        break;
    case WipeSide::Bottom:
        h = std::min(length, height - start);
        y = height - start - h;
        break;
    }
    if (w > 0 && h > 0 && x >= 0 && y >= 0)
        GdiAlphaBlend(target, x, y, w, h, source, x, y, w, h, blend);
}

} // namespace

void DuiWindow::DrawAnimationFrame(DibSurface& target, const AnimationFrame& frame) {
    target.ClearAll();
    HDC source = m_backBuffer.Dc();
    if (frame.kind == AnimationFrame::Kind::Whole) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(std::clamp(frame.alpha, 0, 255)), AC_SRC_ALPHA};
        const DuiRect& t = frame.target;
        GdiAlphaBlend(target.Dc(), int(t.x), int(t.y), int(t.width), int(t.height), source, 0, 0, m_width,
                      m_height, blend);
        return;
    }
    const bool horizontal = frame.side == WipeSide::Left || frame.side == WipeSide::Right;
    const int extent = horizontal ? m_width : m_height;
    if (frame.reveal) {
        // Lines 0 .. extent, then a soft edge fading out.
        BlendBand(target.Dc(), source, frame.side, 0, frame.extent, m_width, m_height, frame.alpha);
        for (int k = 1; k <= kSoftEdge && frame.extent + k - 1 < extent; ++k)
            BlendBand(target.Dc(), source, frame.side, frame.extent + k - 1, 1, m_width, m_height,
                      SoftEdgeAlpha(frame.alpha, k));
        return;
    }
    // Lines 0 .. extent are gone, then a soft edge fading in to the frame's alpha.
    for (int k = 1; k <= kSoftEdge && frame.extent + k - 1 < extent; ++k)
        BlendBand(target.Dc(), source, frame.side, frame.extent + k - 1, 1, m_width, m_height,
                  SoftEdgeAlpha(frame.alpha, kSoftEdge + 1 - k));
    BlendBand(target.Dc(), source, frame.side, frame.extent + kSoftEdge, extent, m_width, m_height,
              frame.alpha);
}

void DuiWindow::Show(int animation, int durationMs) {
    ProcessPendingMessages();
    if (animation == 0) {
        if (m_blur)
            EnableBlur(6, 6, m_width - 5, m_height - 5, 6);
        ShowWindow(m_window, SW_SHOWNORMAL);
        return;
    }
    const LONG_PTR exStyle = GetWindowLongPtrW(m_window, GWL_EXSTYLE);
    const bool wasLayered = (exStyle & WS_EX_LAYERED) != 0;
    if (!wasLayered) {
        SetWindowLongPtrW(m_window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        ApplyWindowRegion();
    }
    SuspendPainting();
    DibSurface frameBuffer;
    frameBuffer.Create(m_width, m_height);
    PresentLayered(frameBuffer.Dc()); // fully transparent: the window appears invisible
    ShowWindow(m_window, SW_SHOWNORMAL);
    if (m_blur)
        DisableBlur();
    GdiFlush();
    for (const AnimationFrame& frame : ShowAnimationFrames(animation, m_width, m_height, durationMs)) {
        if (!m_installed)
            return; // destroyed by a message processed between frames
        DrawAnimationFrame(frameBuffer, frame);
        PresentLayered(frameBuffer.Dc());
        Sleep(DWORD(std::max(frame.sleepMs, 0)));
        ProcessPendingMessages();
    }
    DrawAnimationFrame(frameBuffer, AnimationFrame{AnimationFrame::Kind::Whole, 255,
                                                   DuiRect{0, 0, float(m_width), float(m_height)}});
    PresentLayered(frameBuffer.Dc());
    if (m_blur)
        EnableBlur(6, 6, m_width - 5, m_height - 5, 6);
    frameBuffer.Reset();
    if (!wasLayered)
        SetWindowLongPtrW(m_window, GWL_EXSTYLE,
                          GetWindowLongPtrW(m_window, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
    ResumePainting();
    RepaintAll();
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void DuiWindow::RunCloseAnimation() {
    const std::vector<AnimationFrame> frames = CloseAnimationFrames(m_closeAnimation, m_width, m_height);
    if (frames.empty() || !m_backBuffer)
        return;
    DibSurface frameBuffer;
    if (!frameBuffer.Create(m_width, m_height))
        return;
    frameBuffer.CopyFrom(m_backBuffer);
    const LONG_PTR exStyle = GetWindowLongPtrW(m_window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED))
        SetWindowLongPtrW(m_window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    PresentLayered(frameBuffer.Dc());
    SuspendPainting();
    if (m_blur)
        DisableBlur();
    for (const AnimationFrame& frame : frames) {
        if (!m_installed)
            return; // destroyed by a message processed between frames
        DrawAnimationFrame(frameBuffer, frame);
        PresentLayered(frameBuffer.Dc());
        Sleep(DWORD(std::max(frame.sleepMs, 0)));
        ProcessPendingMessages();
    }
    frameBuffer.ClearAll();
    PresentLayered(frameBuffer.Dc()); // the window is now fully transparent
    ResumePainting();
}
