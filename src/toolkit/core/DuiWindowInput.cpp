// Input routing of the host window: which control is under the mouse, which
// took a left press and holds the capture, which has the keyboard focus; clicks,
// the resize border, moving by dragging, Tab, Enter and Space, Alt accelerators
// and the window's one tooltip.
//
// Mouse state machine:
//   state     event                          next     what happens
//   idle      move over a control            idle     leave the old hover, enter the new one
//   idle      left press on a control that   pressed  capture; focus moves to a focusable control
//             is focusable or wants capture
//   idle      left press elsewhere           idle     the window moves (drag anywhere)
//   pressed   any mouse message              pressed  goes to the pressed control
//   pressed   left release over it           idle     DuiEvtClick
//   pressed   left release elsewhere         idle     DuiEvtMouseLeave to it, enter the new control
//   pressed   window deactivated             idle     DuiEvtFocusLost to it, no click
//   pressed   mouse leaves the window        idle     the capture ends, DuiEvtMouseLeave, no click
//   pressed   another window takes capture   idle     DuiEvtMouseLeave to it, no click
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/SkinGeometry.h"
#include "util/CodePage.h"

#include <windowsx.h>

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace {

// The tool record without the field newer headers add, which the common
// controls of older systems (and of programs without a manifest) reject.
constexpr UINT kToolInfoSize = offsetof(TOOLINFOW, lpReserved);

TOOLINFOW ToolRecord(HWND window) {
    TOOLINFOW tool{};
    tool.cbSize = kToolInfoSize;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    return tool;
}

LPCWSTR ZoneCursor(int zone) {
    switch (zone) {
    case WMSZ_TOPLEFT:
    case WMSZ_BOTTOMRIGHT:
        return IDC_SIZENWSE;
    case WMSZ_TOPRIGHT:
    case WMSZ_BOTTOMLEFT:
        return IDC_SIZENESW;
    case WMSZ_TOP:
    case WMSZ_BOTTOM:
        return IDC_SIZENS;
    default:
        return IDC_SIZEWE;
    }
}

LPARAM CursorScreenPosition() {
    POINT p{};
    GetCursorPos(&p);
    return MAKELPARAM(p.x, p.y);
}

bool SameCharacter(int registered, WPARAM typed) {
    if (registered < 128 && typed < 128)
        return std::tolower(registered) == std::tolower(int(typed));
    return WPARAM(registered) == typed;
}

} // namespace

int DuiWindow::HitBorder(UINT message, LPARAM lParam) {
    if (!m_resizable || m_capture || (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN) ||
        IsZoomed(m_window))
        return 0;
    const int zone = ResizeZoneAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), m_width, m_height);
    if (zone == 0)
        return 0;
    SetCursor(LoadCursorW(nullptr, ZoneCursor(zone)));
    if (m_hover) {
        DuiDispatch(m_hover, DuiEvtMouseLeave, 0, 0);
        m_hover = nullptr;
    }
    if (message == WM_LBUTTONDOWN)
        SendMessageW(m_window, WM_SYSCOMMAND, SC_SIZE + zone, CursorScreenPosition());
    return 1;
}

void DuiWindow::EnterControl(DuiControl* hit, WPARAM wParam) {
    if (!hit)
        return;
    DuiDispatch(hit, DuiEvtMouseEnter, wParam, ToLParam(m_hover));
    CallHook(m_mouseEnterHook, hit, wParam, ToLParam(m_hover));
    SetToolTip(hit, std::nullopt);
}

void DuiWindow::LeaveControl(DuiControl* control, WPARAM wParam, DuiControl* next, bool callHook) {
    DuiDispatch(control, DuiEvtMouseLeave, wParam, ToLParam(next));
    if (callHook)
        CallHook(m_mouseLeaveHook, control, wParam, ToLParam(next));
}

void DuiWindow::TakePress(DuiControl* hit, WPARAM wParam, LPARAM lParam) {
    CallHook(m_leftDownHook, hit, wParam, lParam);
    m_capture = true;
    m_pressed = hit;
    // Caption buttons take presses but never the focus, as with Tab.
    if (hit->Focusable() && hit->Kind() != kDuiKindCaptionButton && m_focus != hit) {
        DuiControl* old = m_focus;
        m_focus = hit;
        m_keyboardFocus = nullptr;
        if (old) {
            DuiDispatch(old, DuiEvtFocusLost, wParam, ToLParam(hit));
            CallHook(m_focusLostHook, old, wParam, lParam);
        }
        DuiDispatch(hit, DuiEvtFocusGained, wParam, ToLParam(old));
        CallHook(m_focusGainedHook, hit, wParam, lParam);
    }
    if (wParam == DuiDoubleClickMark)
        CallHook(m_doubleClickHook, hit, wParam, lParam);
    // A focus routine or hook may have destroyed the control (which ends the
    // press): the window must not keep a capture that nothing will release.
    if (m_capture && m_pressed == hit && IsLive(hit))
        SetCapture(m_window);
}

void DuiWindow::EndPress() {
    // Cleared first: ReleaseCapture sends WM_CAPTURECHANGED, which must not
    // see a press in progress.
    m_capture = false;
    m_pressed = nullptr;
    if (GetCapture() == m_window)
        ReleaseCapture();
}

void DuiWindow::OnCaptureLost(HWND newOwner) {
    if (!m_capture || newOwner == m_window)
        return;
    // Another window took the mouse during a press: the press ends with no click.
    DuiControl* pressed = m_pressed;
    EndPress();
    if (IsLive(pressed)) {
        DuiDispatch(pressed, DuiEvtMouseLeave, 0, 0);
        if (m_hover == pressed)
            m_hover = nullptr;
    }
}

void DuiWindow::ToggleMaximized() {
    PostMessageW(m_window, WM_SYSCOMMAND, IsZoomed(m_window) ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void DuiWindow::StartSystemMove() {
    // The system's move loop takes over until the button is released.
    SendMessageW(m_window, WM_NCLBUTTONDOWN, HTCAPTION, CursorScreenPosition());
}

void DuiWindow::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_paintingSuspended || HitBorder(message, lParam) == 1)
        return;
    const float x = float(GET_X_LPARAM(lParam));
    const float y = float(GET_Y_LPARAM(lParam));

    if (m_capture) {
        DuiControl* pressed = m_pressed;
        DuiDispatch(pressed, message, ToWParam(pressed), lParam);
        if (message != WM_LBUTTONUP || !m_capture)
            return;
        CallHook(m_leftUpHook, nullptr, wParam, lParam);
        // The press is over before the click runs: a click routine that opens a
        // nested message loop must find the window idle.
        EndPress();
        DuiControl* hit = HitTest(m_lastTop, x, y);
        if (IsLive(pressed) && hit == pressed) {
            const int kind = pressed->Kind();
            DuiDispatch(pressed, DuiEvtClick, ToWParam(pressed), lParam);
            if (m_clickHook)
                m_clickHook(m_window, pressed, wParam, lParam, kind);
        } else if (IsLive(pressed) && pressed->Visible()) {
            LeaveControl(pressed, wParam, hit, true);
            EnterControl(IsLive(hit) ? hit : nullptr, wParam);
        }
        m_hover = IsLive(hit) ? hit : nullptr;
        return;
    }

    DuiControl* hit = HitTest(m_lastTop, x, y);
    if (m_hover && m_hover != hit && m_hover->Visible())
        LeaveControl(m_hover, wParam, hit, true);

    if (message == WM_LBUTTONDOWN) {
        if (GetFocus() != m_window)
            ::SetFocus(m_window);
        if (hit) {
            const bool takes = DuiDispatch(hit, DuiEvtWantsCapture, 0, 0) != -1 || hit->Focusable();
            if (takes)
                TakePress(hit, wParam, lParam);
            else if (wParam == DuiDoubleClickMark && (m_captionFlags & kCaptionTitle) &&
                     (m_captionFlags & kCaptionMaximize) && hit == m_captionLabel.get())
                ToggleMaximized();
            else if (m_dragAnywhere)
                StartSystemMove();
        } else if (wParam == DuiDoubleClickMark && y < 30 && (m_captionFlags & kCaptionMaximize)) {
            ToggleMaximized();
        } else if (m_dragAnywhere) {
            StartSystemMove();
        }
    } else if (message == WM_RBUTTONDOWN) {
        CallHook(m_rightDownHook, hit, wParam, lParam);
    } else if (message == WM_RBUTTONUP) {
        CallHook(m_rightUpHook, hit, wParam, lParam);
    } else if (message == WM_MOUSEMOVE && hit != m_hover) {
        EnterControl(hit, wParam);
    }
    // The control sees its press after the focus change.
    if (IsLive(hit))
        DuiDispatch(hit, message, wParam, lParam);
    m_hover = IsLive(hit) ? hit : nullptr;
}

void DuiWindow::TabToNext() {
    DuiControl* start = m_focus ? m_focus : m_firstTop;
    if (!start)
        return;
    while (start->GetParent())
        start = start->GetParent();
    DuiControl* const candidate = start->NextSibling() ? start->NextSibling() : m_firstTop;
    DuiControl* c = candidate;
    do {
        if (c == m_focus)
            return;
        if (c->Visible() && c->Focusable() && !c->Disabled() && c->Kind() != kDuiKindCaptionButton) {
            SetFocus(c, true);
            return;
        }
        c = c->NextSibling() ? c->NextSibling() : m_firstTop;
    } while (c && c != candidate);
}

int DuiWindow::OnKeyDown(UINT, WPARAM wParam, LPARAM lParam) {
    const LRESULT handled = DuiDispatch(m_focus, WM_KEYDOWN, wParam, lParam);
    if (m_focus && handled != -1)
        return 1;
    if (wParam == VK_TAB) {
        TabToNext();
    } else if (wParam == VK_RETURN || wParam == VK_SPACE) {
        DuiControl* focus = m_focus;
        if (focus && focus->Visible() && !focus->Disabled()) {
            const int kind = focus->Kind();
            DuiDispatch(focus, DuiEvtClick, 0, 0);
            if (m_clickHook)
                m_clickHook(m_window, focus, 0, 0, kind);
        }
    }
    return 0;
}

int DuiWindow::OnSysChar(UINT message, WPARAM wParam, LPARAM lParam) {
    DuiDispatch(m_focus, message, wParam, lParam);
    for (const auto& [control, character] : m_accelerators) {
        if (!SameCharacter(character, wParam) || !control->Visible() || control->Disabled())
            continue;
        DuiControl* target = control; // the click may change the list
        const int kind = target->Kind();
        DuiDispatch(target, DuiEvtClick, 0, 0);
        if (m_clickHook)
            m_clickHook(m_window, target, wParam, lParam, kind);
        return 1;
    }
    return 0;
}

int DuiWindow::SetAccelerator(DuiControl* control, int charCode) {
    if (!IsLive(control))
        return 1;
    auto entry = std::find_if(m_accelerators.begin(), m_accelerators.end(),
                              [control](const auto& e) { return e.first == control; });
    if (charCode == 0) {
        if (entry != m_accelerators.end())
            m_accelerators.erase(entry);
    } else if (entry != m_accelerators.end()) {
        entry->second = charCode & 255;
    } else {
        m_accelerators.emplace_back(control, charCode & 255);
    }
    return 1;
}

void DuiWindow::SetFocus(DuiControl* control, bool byKeyboard) {
    if (!IsLive(control) || control->Disabled() || !control->Visible() || !control->Focusable() ||
        control->Kind() == kDuiKindCaptionButton || control == m_focus)
        return;
    DuiControl* old = m_focus;
    m_focus = control;
    m_keyboardFocus = nullptr;
    if (old)
        old->SendEvent(DuiEvtFocusLost, 0, ToLParam(control));
    if (byKeyboard)
        m_keyboardFocus = control;
    control->SendEvent(DuiEvtFocusGained, 0, ToLParam(old));
}

void DuiWindow::SetToolTip(DuiControl* control, std::optional<std::string_view> gbkText) {
    if (!control || !m_toolTip)
        return;
    RemoveTool();
    TOOLINFOW tool = ToolRecord(m_window);
    const std::string text = gbkText ? std::string(*gbkText) : control->TipText();
    if (text.empty())
        return;
    std::wstring wide = GbkToWide(text);
    const DuiRect& r = control->Rect();
    tool.rect = {LONG(r.x), LONG(r.y), LONG(r.x + r.width), LONG(r.y + r.height)};
    tool.lpszText = wide.data();
    SendMessageW(m_toolTip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_toolTip.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_toolTip.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void DuiWindow::RemoveTool() {
    if (!m_toolTip)
        return;
    TOOLINFOW tool = ToolRecord(m_window);
    SendMessageW(m_toolTip.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
