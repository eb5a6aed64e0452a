#include "toolkit/core/DuiWindow.h"

#include "toolkit/core/Composition.h"
#include "toolkit/core/ToolkitStartup.h"
#include "util/CodePage.h"

#include <cmath>

namespace {

// Posted invalidations and events carry memory that the message owns
// (DuiControl::Invalidate, DuiControl::PostEvent); sent ones point at the
// sender's own.
const DuiRect* OwnedRect(WPARAM wParam, LPARAM lParam) {
    return (wParam & kInvalidateOwnsRect) ? reinterpret_cast<const DuiRect*>(lParam) : nullptr;
}

const DuiEventBlock* OwnedBlock(LPARAM lParam) {
    const auto* block = reinterpret_cast<const DuiEventBlock*>(lParam);
    return block && block->ownedByMessage ? block : nullptr;
}

} // namespace

DuiWindow::~DuiWindow() {
    if (m_installed && IsWindow(m_window))
        OnDestroy();
}

DuiWindow* DuiWindow::FromWindow(HWND window) {
    if (!window || !IsWindow(window))
        return nullptr;
    return static_cast<DuiWindow*>(GetPropW(window, kHostProperty));
}

LRESULT CALLBACK DuiWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
    DuiWindow* host = FromWindow(window);
    if (!host)
        return DefWindowProcW(window, message, wParam, lParam);
    return host->WindowProc(message, wParam, lParam);
}

LRESULT DuiWindow::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    // Everything runs on the window thread, where the repaint queue is idle
    // whenever a message reaches this point from outside a drain.
    if (m_previousProc)
        return CallWindowProcW(m_previousProc, m_window, message, wParam, lParam);
    return DefWindowProcW(m_window, message, wParam, lParam);
}

int DuiWindow::ComputeCaptionFlags(std::optional<int> given) const {
    const LONG_PTR style = GetWindowLongPtrW(m_window, GWL_STYLE);
    int automatic = kCaptionIcon | kCaptionTitle | kCaptionClose;
    if (style & WS_MAXIMIZEBOX)
        automatic |= kCaptionMaximize;
    if (style & WS_MINIMIZEBOX)
        automatic |= kCaptionMinimize;
    if (!given)
        return automatic;
    return (*given & kCaptionFromStyles) ? (*given | automatic) : *given;
}

void DuiWindow::StoreOptions(const DuiWindowOptions& options) {
    const LONG_PTR style = GetWindowLongPtrW(m_window, GWL_STYLE);
    m_alpha = options.alpha.value_or(-1);
    if (m_alpha != -1)
        m_alpha &= 255;
    m_imageMode = options.imageMode.value_or(kImageNatural);
    m_style = options.style.value_or(7);
    m_resizable = options.resizable.value_or((style & WS_THICKFRAME) != 0);
    m_dragAnywhere = options.dragAnywhere.value_or(true);
    m_edgeFade = options.edgeFade.value_or(true);
    if (options.blur)
        m_blur = Layered() && *options.blur;
    else
        m_blur = Toolkit().systemMajorVersion == 6;
    m_hasImageMargins = options.imageMargins.has_value();
    m_imageMargins = options.imageMargins.value_or(Margins{});
    m_skinOwner = options.skinOwner;
    m_shadowColour = 0;
    m_closeAnimation = 0;
}

void DuiWindow::AdjustStylesForFrame() {
    LONG_PTR style = GetWindowLongPtrW(m_window, GWL_STYLE);
    style &= ~LONG_PTR(WS_THICKFRAME | WS_DLGFRAME | WS_BORDER);
    if (!(m_captionFlags & kCaptionMinimize))
        style &= ~LONG_PTR(WS_MINIMIZEBOX);
    if (!(m_captionFlags & kCaptionMaximize))
        style &= ~LONG_PTR(WS_MAXIMIZEBOX);
    SetWindowLongPtrW(m_window, GWL_STYLE, style);
}

bool DuiWindow::CreateBuffers() {
    RECT r{};
    GetWindowRect(m_window, &r);
    m_width = r.right - r.left;
    m_height = r.bottom - r.top;
    if (!m_backBuffer.Create(m_width, m_height) || !m_backgroundCopy.Create(m_width, m_height)) {
        m_backBuffer.Reset();
        m_backgroundCopy.Reset();
        return false;
    }
    ScratchBuffer(m_width, m_height);
    return true;
}

bool DuiWindow::Create(HWND window, const DuiWindowOptions& options) {
    if (!window || !IsWindow(window) || m_installed || FromWindow(window))
        return false;
    m_window = window;
    // The buffers are the one thing that can fail: made before the window changes.
    if (!CreateBuffers()) {
        m_window = nullptr;
        return false;
    }
    StoreOptions(options);
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!options.captionFlags || *options.captionFlags != 0)
        style |= WS_SYSMENU;
    SetWindowLongPtrW(window, GWL_STYLE, style | WS_POPUP);
    m_captionFlags = ComputeCaptionFlags(options.captionFlags) | kCaptionCreated;
    SetPropW(window, kHostProperty, this);
    m_defaultCursor = Toolkit().arrowCursor;
    AdjustStylesForFrame();

    m_windowDc = UniqueWindowDc(window);
    if (Layered())
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    m_repaintQueue.Init(this);
    m_previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DuiWindow::StaticWindowProc)));
    m_installed = true;
    // The frame is gone: let the system recompute the client area (all of the window).
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    SuspendPainting();
    BuildCaption();
    ResumePainting();
    SetBackground(options.backgroundImage, options.backgroundColour, -1);
    if (Layered())
        Present();
    CreateToolTip();
    return true;
}

void DuiWindow::BuildCaption() {
    DuiCaptionFactory& factory = CaptionFactory();
    if (m_captionFlags & kCaptionIcon) {
        auto icon = reinterpret_cast<HICON>(SendMessageW(m_window, WM_GETICON, ICON_SMALL, 0));
        if (!icon)
            icon = reinterpret_cast<HICON>(GetClassLongPtrW(m_window, GCLP_HICONSM));
        m_iconPicture = factory.CreateIcon(m_window, {11, 11, 16, 16}, icon);
    }
    if (m_captionFlags & kCaptionTitle) {
        const int length = GetWindowTextLengthW(m_window);
        std::wstring text(std::size_t(length) + 1, L'\0');
        text.resize(std::size_t(GetWindowTextW(m_window, text.data(), length + 1)));
        m_captionLabel = factory.CreateTitle(m_window, {0, 9, 0, 18}, WideToGbk(text));
    }
    for (int kind : kCaptionButtonKinds) {
        if (!(m_captionFlags & kind))
            continue;
        const float width = kind == kCaptionClose ? 39.f : 28.f;
        if (auto button = factory.CreateButton(m_window, {0, 7, width, 19}, kind))
            m_captionButtons.push_back(std::move(button));
    }
}

void DuiWindow::CreateToolTip() {
    m_toolTip.reset(CreateWindowExW(0, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                                    0, m_window, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!m_toolTip)
        return;
    SetWindowPos(m_toolTip.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SendMessageW(m_toolTip.get(), TTM_SETMAXTIPWIDTH, 0, 1024);
}

void DuiWindow::LayoutCaption() {
    float x = float(m_width - 5);
    if (m_captionFlags & kCaptionClose)
        x -= 12;
    for (auto& button : m_captionButtons) {
        x -= 28;
        button->Move(x, 7.f);
    }
    if ((m_captionFlags & kCaptionTitle) && m_captionLabel) {
        const float left = (m_captionFlags & kCaptionIcon) ? 28.f : 11.f;
        m_captionLabel->Move(left, 10.f, x - left, 20.f, false);
    }
}

void DuiWindow::OnGetMinMaxInfo(MINMAXINFO* info) const {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // Seven pixels of the frame's margin lie outside the work area when maximized.
    info->ptMaxSize = {work.right - work.left + 14, work.bottom - work.top + 14};
    info->ptMaxPosition = {work.left - 7, work.top - 7};
    const int buttons = int(m_captionButtons.size());
    info->ptMinTrackSize = {28 * buttons + ((m_captionFlags & kCaptionClose) ? 11 : 0) + 36, 38};
}

void DuiWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != WA_INACTIVE) {
        if (m_pressed)
            DuiDispatch(m_pressed, DuiEvtFocusGained, wParam, lParam);
        return;
    }
    DuiDispatch(m_hover, DuiEvtMouseLeave, 0, 0);
    if (m_capture) {
        // The press is cancelled: no click follows. The pressed control is
        // kept, to be told when the window is active again.
        m_capture = false;
        DuiDispatch(m_pressed, DuiEvtFocusLost, 0, 0);
        ReleaseCapture();
    }
}

LRESULT DuiWindow::OnMoved(DuiControl* control, LPARAM flag) {
    if (!IsLive(control))
        return 1;
    DuiDispatch(control, DuiMsgMoved, ToWParam(control), flag);
    if (flag != 1)
        return 1;
    if (m_paintingSuspended)
        return 0;
    // A layered window is presented once for both rects.
    const bool present = !Layered();
    PaintRect(*this, control->PreviousRect(), present);
    PaintRect(*this, control->Rect(), present);
    if (!present)
        PresentComposed();
    return 1;
}

LRESULT DuiWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Freed on the way out, whether the hook consumes the message or not.
    std::unique_ptr<const DuiRect> ownedRect;
    std::unique_ptr<const DuiEventBlock> ownedBlock;
    if (message == DuiMsgInvalidate)
        ownedRect.reset(OwnedRect(wParam, lParam));
    else if (message == DuiMsgEvent)
        ownedBlock.reset(OwnedBlock(lParam));
    if (m_messageHook) {
        const LRESULT hooked = m_messageHook(m_window, message, wParam, lParam);
        if (hooked != -1)
            return hooked;
    }
    switch (message) {
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize(UINT(wParam));
        break;
    case WM_ACTIVATE:
        OnActivate(wParam, lParam);
        break;
    case WM_SETTEXT: {
        const LRESULT result = CallDefault(message, wParam, lParam);
        if ((m_captionFlags & kCaptionTitle) && result == TRUE && m_captionLabel && lParam)
            CaptionFactory().SetTitleText(*m_captionLabel,
                                          WideToGbk(reinterpret_cast<const wchar_t*>(lParam)));
        return result;
    }
    case WM_PAINT: {
        PaintDc paint(m_window);
        const RECT& r = paint.Invalid();
        if (m_backBuffer)
            BitBlt(paint.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, m_backBuffer.Dc(), r.left,
                   r.top, SRCCOPY);
        break;
    }
    case WM_CLOSE:
        RunCloseAnimation();
        ShowWindow(m_window, SW_HIDE);
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) != m_window)
            break;
        SetCursor(m_hover && m_hover->CursorHandle() ? m_hover->CursorHandle() : m_defaultCursor);
        return TRUE;
    case WM_NCACTIVATE:
        return TRUE;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_STYLECHANGED: {
        const LONG_PTR style = GetWindowLongPtrW(m_window, GWL_STYLE);
        if (style & (WS_DLGFRAME | WS_BORDER))
            SetWindowLongPtrW(m_window, GWL_STYLE, style & ~LONG_PTR(WS_DLGFRAME | WS_BORDER));
        break;
    }
    case WM_NCCALCSIZE:
        if (wParam == TRUE)
            return 1; // the client area is the whole window
        break;
    case WM_KEYDOWN:
        OnKeyDown(message, wParam, lParam);
        break;
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_IME_COMPOSITION:
    case WM_COMMAND:
    case WM_MOUSEWHEEL:
        DuiDispatch(m_focus, message, wParam, lParam);
        break;
    case WM_SYSCHAR:
        if (OnSysChar(message, wParam, lParam))
            return 0;
        break;
    case WM_TIMER:
        if (IsLive(ControlFromParam(wParam)))
            DuiDispatch(ControlFromParam(wParam), WM_TIMER, wParam, lParam);
        break;
    case WM_MOUSEMOVE:
        if (!m_trackingLeave) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_window, 0};
            m_trackingLeave = TrackMouseEvent(&track) != FALSE;
        }
        OnMouse(message, wParam, lParam);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        OnMouse(message, wParam, lParam);
        break;
    case WM_CAPTURECHANGED:
        OnCaptureLost(reinterpret_cast<HWND>(lParam));
        break;
    case WM_LBUTTONDBLCLK:
        SendMessageW(m_window, WM_LBUTTONDOWN, DuiDoubleClickMark, lParam);
        return 0;
    case WM_MOUSELEAVE:
        // The mouse left the window, during a press too (the release will not
        // come here): back to idle.
        m_trackingLeave = false;
        if (m_capture)
            EndPress();
        else
            ReleaseCapture();
        if (m_hover) {
            DuiControl* hover = m_hover;
            DuiDispatch(hover, DuiEvtMouseLeave, 0, 0);
            CallHook(m_mouseLeaveHook, hover, 0, 0);
            m_hover = nullptr;
        }
        break;
    case DuiEvtFocusGained:
        if (IsLive(ControlFromLParam(lParam)))
            SetFocus(ControlFromLParam(lParam), false);
        break;
    case DuiMsgAccelerator:
        return SetAccelerator(ControlFromParam(wParam), int(lParam));
    case DuiMsgPresent:
        Present();
        break;
    case DuiMsgInvalidate: {
        auto* rect = reinterpret_cast<const DuiRect*>(lParam);
        const int mode = int(wParam & ~kInvalidateOwnsRect);
        if (rect)
            AddDirtyRect(*rect, mode);
        if (mode == int(kInvalidateNow))
            return 0;
        break;
    }
    case DuiMsgMoved:
        return OnMoved(ControlFromParam(wParam), lParam);
    case DuiMsgEvent: {
        const auto* block = reinterpret_cast<const DuiEventBlock*>(lParam);
        if (!block)
            return 0;
        if (!IsLive(ControlFromParam(wParam)))
            return 0;
        return DuiDispatch(ControlFromParam(wParam), block->code, block->wParam, block->lParam);
    }
    default:
        break;
    }
    return CallDefault(message, wParam, lParam);
}

void DuiWindow::AddDirtyRect(const DuiRect& rect, int mode) {
    m_repaintQueue.Add(rect, mode);
}

void DuiWindow::Present(std::optional<DuiRect> rect) {
    if (Layered()) {
        PresentLayeredArea(rect ? PixelBounds(*rect) : RECT{0, 0, m_width, m_height});
        return;
    }
    if (!m_backBuffer || !m_window)
        return;
    GdiFlush();
    const DuiRect r = rect.value_or(DuiRect{0, 0, float(m_width), float(m_height)});
    BitBlt(m_windowDc.get(), int(r.x), int(r.y), int(std::ceil(r.width)), int(std::ceil(r.height)),
           m_backBuffer.Dc(), int(r.x), int(r.y), SRCCOPY);
}

void DuiWindow::PresentComposed() {
    if (Layered() && !IsRectEmpty(&m_composed))
        PresentLayeredArea({});
}

void DuiWindow::PresentLayeredArea(RECT area) {
    if (!m_backBuffer || !m_window)
        return;
    GdiFlush();
    UnionRect(&area, &area, &m_composed);
    m_composed = {};
    PresentLayered(m_backBuffer.Dc(), area);
}

void DuiWindow::NoteComposed(const RECT& area) {
    if (Layered())
        UnionRect(&m_composed, &m_composed, &area);
}

void DuiWindow::PresentLayered(HDC source, RECT changed) {
    SIZE size{m_width, m_height};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // Only the changed part is sent to the screen; the system keeps the rest.
    const RECT whole{0, 0, m_width, m_height};
    IntersectRect(&changed, &changed, &whole);
    if (IsRectEmpty(&changed))
        return;
    UPDATELAYEREDWINDOWINFO info{};
    info.cbSize = sizeof info;
    info.psize = &size;
    info.hdcSrc = source;
    info.pptSrc = &origin;
    info.pblend = &blend;
    info.dwFlags = ULW_ALPHA;
    info.prcDirty = EqualRect(&changed, &whole) ? nullptr : &changed;
    UpdateLayeredWindowIndirect(m_window, &info);
}

void DuiWindow::RepaintAll() {
    PaintRect(*this, {0, 0, float(m_width), float(m_height)}, true);
}

void DuiWindow::OnSize(UINT sizeType) {
    if (sizeType == SIZE_MINIMIZED)
        return;
    RECT r{};
    GetWindowRect(m_window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    if (m_resizedHook) {
        // Controls the hook moves are drawn by the full repaint below, not
        // into buffers of the old size.
        const bool wasSuspended = m_paintingSuspended;
        SuspendPainting();
        m_resizedHook(m_window, width, height);
        m_paintingSuspended = wasSuspended;
    }
    if (!m_backBuffer.Create(width, height) || !m_backgroundCopy.Create(width, height))
        return;
    ScratchBuffer(width, height);
    SetBackground({}, m_backgroundColour, 0, true);
}

bool DuiWindow::DragAnywhere(std::optional<bool> value) {
    if (value)
        m_dragAnywhere = *value;
    return m_dragAnywhere;
}

int DuiWindow::Style(std::optional<int> value) {
    if (value)
        m_style = *value;
    return m_style;
}

void DuiWindow::ShadowColour(ColourRef colour) {
    m_shadowColour = colour;
}

void DuiWindow::DefaultCursor(HCURSOR cursor) {
    m_defaultCursor = cursor;
}

void DuiWindow::DefaultCursorById(LPCWSTR systemCursorId) {
    m_defaultCursor = LoadCursorW(nullptr, systemCursorId);
}

ColourRef DuiWindow::BackgroundColour() const {
    ColourRef colour = 0;
    SkinImage(colour);
    return colour;
}

GpBitmap* DuiWindow::BackgroundImage() const {
    ColourRef ignored = 0;
    return SkinImage(ignored);
}

void DuiWindow::Forget(DuiControl* control) {
    if (m_pressed == control) {
        if (m_capture)
            EndPress();
        m_pressed = nullptr;
    }
    if (m_focus == control)
        m_focus = nullptr;
    if (m_hover == control)
        m_hover = nullptr;
    if (m_keyboardFocus == control)
        m_keyboardFocus = nullptr;
    std::erase_if(m_accelerators, [control](const auto& entry) { return entry.first == control; });
    m_live.erase(control);
}

void DuiWindow::DrainPostedMessages() {
    // Posted events and invalidations own memory; free what can no longer arrive.
    MSG message;
    while (PeekMessageW(&message, m_window, DuiMsgInvalidate, DuiMsgInvalidate, PM_REMOVE)) {
        const std::unique_ptr<const DuiRect> owned(OwnedRect(message.wParam, message.lParam));
    }
    while (PeekMessageW(&message, m_window, DuiMsgEvent, DuiMsgEvent, PM_REMOVE)) {
        const std::unique_ptr<const DuiEventBlock> owned(OwnedBlock(message.lParam));
    }
}

void DuiWindow::OnDestroy() {
    if (!m_installed)
        return;
    SuspendPainting();
    KillTimer(m_window, reinterpret_cast<UINT_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    m_repaintQueue.Clear();
    while (m_firstTop)
        m_firstTop->Destroy();
    m_captionButtons.clear();
    m_captionLabel.reset();
    m_iconPicture.reset();
    m_clipRegion.reset();
    m_clipGpRegion.reset();
    m_ownImage.reset();
    RemoveTool();
    m_toolTip.reset();
    if (m_capture || m_trackingLeave)
        ReleaseCapture();
    m_focus = m_hover = m_pressed = m_keyboardFocus = nullptr;
    m_capture = m_trackingLeave = false;
    m_firstTop = m_lastTop = nullptr;
    m_captionFlags = 0;
    m_backBuffer.Reset();
    m_backgroundCopy.Reset();
    m_fadeBuffer.Reset();
    m_windowDc.reset();
    m_accelerators.clear();
    m_live.clear();
    DrainPostedMessages();
    RemovePropW(m_window, kHostProperty);
    m_installed = false;
    ResumePainting();
}

void DuiWindow::CallHook(const DuiMouseHook& hook, DuiControl* control, WPARAM wParam, LPARAM lParam) {
    if (hook)
        hook(m_window, control, wParam, lParam, control ? control->Kind() : 0);
}
