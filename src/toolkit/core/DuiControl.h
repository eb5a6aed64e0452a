// DuiControl: the base of every drawn control. A control is a node in the
// control tree of one host window (DuiWindow); it owns a 32 bpp image of its
// own size that it repaints on a state change, and the host composes the
// images of all visible nodes onto the screen. All input reaches a control as
// a message through DuiDispatch; all its requests to the host (repaint, move,
// deliver an event) go to the host window as private messages.
//
// A control's handle is the object's address: pointer-sized, the same for the
// control's life, 0 (nullptr) while it is not attached.
#pragma once

#include "toolkit/core/DibSurface.h"
#include "toolkit/core/DuiEvents.h"
#include "toolkit/core/DuiRect.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class DuiControl;
class DuiWindow;

// Routines registered for events. A control with a parent calls its routine
// with the parent first; a top-level control without it. A routine written for
// the other form is still called with the arguments it declares (the parent is
// dropped, or given as nullptr).
using DuiTopLevelRoutine = std::function<void(DuiControl* control, UINT code, WPARAM wParam, LPARAM lParam)>;
using DuiChildRoutine =
    std::function<void(DuiControl* parent, DuiControl* control, UINT code, WPARAM wParam, LPARAM lParam)>;

class DuiEventRoutine {
public:
    DuiEventRoutine() = default;
    DuiEventRoutine(DuiTopLevelRoutine routine) : m_routine(std::move(routine)) {}
    DuiEventRoutine(DuiChildRoutine routine) : m_routine(std::move(routine)) {}
    void Call(DuiControl* parent, DuiControl* control, UINT code, WPARAM wParam, LPARAM lParam) const;

private:
    std::variant<DuiTopLevelRoutine, DuiChildRoutine> m_routine;
};

// The owner a control is attached to: a host window or another control.
struct DuiOwner {
    DuiOwner(HWND hostWindow) : window(hostWindow) {}
    DuiOwner(DuiControl* parent) : control(parent) {}
    HWND window = nullptr;
    DuiControl* control = nullptr;
};

struct DuiAttachParams {
    DuiAttachParams() = default;
    DuiAttachParams(const DuiRect& where, int controlKind, std::optional<bool> takesFocus = std::nullopt,
                    int interval = 0)
        : rect(where), kind(controlKind), focusable(takesFocus), transitionInterval(interval) {}

    DuiRect rect;
    int kind = 0;
    bool visible = true;
    std::optional<bool> focusable; // not given: focusable
    HCURSOR cursor = nullptr;      // a cursor handle, or
    LPCWSTR cursorId = nullptr;    // a system cursor (IDC_...) loaded when attached
    int transitionInterval = 0;    // ms between transition frames; 0: none
    int transitionFrames = 0;
    int transitionKind = 0; // 1..4 slides, any other value a cross-fade
};

// Handed to a control's paint code between BeginControlPaint and EndControlPaint.
struct DuiPaintContext {
    HWND window = nullptr;
    GpGraphics* surface = nullptr; // the control's own image
    DuiRect area;                  // being repainted, in image coordinates
    bool clear = false;
    DuiWindow* root = nullptr;
    HDC windowDc = nullptr;
    HDC backBufferDc = nullptr;
    GpGraphics* backBufferSurface = nullptr;
    DibSurface* image = nullptr;
};

// Handed (as lParam) with DuiEvtTransitionPaint while the host composes a
// transition frame of the control.
struct DuiComposeContext {
    HDC backBufferDc = nullptr;
    GpGraphics* backBufferSurface = nullptr; // clipped like the back buffer's DC
    HDC scratchDc = nullptr;
    GpGraphics* scratchSurface = nullptr;
    DibSurface* image = nullptr;
    DibSurface* previousImage = nullptr;
    DuiRect rect;
    DuiRect clipBounds;
    int position = 0;
    int frames = 0;
};

// The single way a message reaches a control: its own HandleMessage first, then
// the first matching routine of its event table (a routine for
// WM_LBUTTONDBLCLK also matches a WM_LBUTTONDOWN carrying DuiDoubleClickMark).
// Returns HandleMessage's result; 0 for a null control.
LRESULT DuiDispatch(DuiControl* control, UINT code, WPARAM wParam, LPARAM lParam);

// Windows messages carry handles as their parameters.
inline WPARAM ToWParam(const DuiControl* control) {
    return reinterpret_cast<WPARAM>(control);
}
inline DuiControl* ControlFromParam(WPARAM value) {
    return reinterpret_cast<DuiControl*>(value);
}
inline DuiControl* ControlFromLParam(LPARAM value) {
    return reinterpret_cast<DuiControl*>(value);
}
inline LPARAM ToLParam(const DuiControl* control) {
    return reinterpret_cast<LPARAM>(control);
}

class DuiControl {
public:
    DuiControl() = default;
    DuiControl(const DuiControl&) = delete;
    DuiControl& operator=(const DuiControl&) = delete;
    virtual ~DuiControl();

    // ---- The common operations ----
    virtual DuiControl* Attach(DuiOwner owner, const DuiAttachParams& params);
    virtual DuiControl* GetHandle() const;
    virtual HWND GetHostWindow() const;
    virtual DuiControl* GetParent() const;
    virtual void SetParent(DuiControl* newParent);
    virtual void Destroy();
    virtual DuiRect GetRect(std::optional<DuiRect> moveFirst = std::nullopt);
    virtual bool Visible(std::optional<bool> value = std::nullopt);
    virtual bool Disabled(std::optional<bool> value = std::nullopt);
    virtual bool Focusable(std::optional<bool> value = std::nullopt);
    virtual bool IsFocused();
    virtual void Redraw();
    virtual void Invalidate();
    virtual void Move(std::optional<float> x, std::optional<float> y = std::nullopt,
                      std::optional<float> width = std::nullopt, std::optional<float> height = std::nullopt,
                      bool repaint = true);
    virtual std::string TipText(std::optional<std::string_view> text = std::nullopt, bool update = false);
    virtual void UpdateTip(std::string_view text);
    virtual void SetEventHandler(UINT code, DuiEventRoutine routine);
    virtual LPARAM Self(LPARAM value) const { return value; }
    virtual int Alpha(std::optional<int> value = std::nullopt, bool invalidate = true);
    virtual int TransitionFrames(std::optional<int> frames = std::nullopt,
                                 std::optional<int> interval = std::nullopt);
    virtual int TransitionInterval(std::optional<int> value = std::nullopt);
    virtual int TransitionPosition() const { return m_transitionPosition; }
    virtual int TransitionKind(std::optional<int> value = std::nullopt);
    virtual LRESULT SendEvent(UINT code, WPARAM wParam, LPARAM lParam);
    virtual void PostEvent(UINT code, WPARAM wParam, LPARAM lParam);
    virtual HCURSOR Cursor(std::optional<HCURSOR> cursor = std::nullopt);
    virtual HCURSOR CursorById(LPCWSTR systemCursorId);
    virtual std::string Tag(std::optional<std::string_view> text = std::nullopt);
    virtual float Left(std::optional<float> value = std::nullopt);
    virtual float Top(std::optional<float> value = std::nullopt);
    virtual float Width(std::optional<float> value = std::nullopt);
    virtual float Height(std::optional<float> value = std::nullopt);
    // where 2: first of its sibling list (painted first), else last.
    virtual void ZOrder(std::optional<int> where = std::nullopt, bool invalidate = true);
    virtual void Unlink();
    virtual void LockUpdate() { m_redrawEnabled = false; }
    virtual void UnlockUpdate() { m_redrawEnabled = true; }
    // The timer procedure of state transitions (timer id = handle + 1).
    static void CALLBACK TransitionTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time) noexcept;
    virtual void BeforePaint(DuiPaintContext&) {}
    virtual void AfterPaint(DuiPaintContext&) {}

    // ---- The message method of the concrete class ----
    // Returns -1 when it did not consume the message; for queries the answer.
    virtual LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) = 0;

    // ---- Node data for the host, the painter and concrete classes ----
    bool IsAttached() const { return m_root != nullptr; }
    DuiWindow* Root() const { return m_root; }
    int Kind(std::optional<int> value = std::nullopt);
    const DuiRect& Rect() const { return m_rect; }
    const DuiRect& PreviousRect() const { return m_previousRect; }
    bool RedrawEnabled() const { return m_redrawEnabled; }
    HCURSOR CursorHandle() const { return m_cursor; }
    DibSurface* Image() const { return m_image.get(); }
    DibSurface* PreviousImage() const { return m_previousImage.get(); }
    GpGraphics* Surface() const { return m_image ? m_image->Graphics() : nullptr; }
    DuiControl* FirstChild() const { return m_firstChild; }
    DuiControl* LastChild() const { return m_lastChild; }
    DuiControl* PreviousSibling() const { return m_previousSibling; }
    DuiControl* NextSibling() const { return m_nextSibling; }
    bool TransitionPending() const;
    const std::vector<std::pair<UINT, DuiEventRoutine>>& EventTable() const { return m_events; }

    // The control's own periodic tick: WM_TIMER dispatched to it by the host.
    void StartTimer(UINT milliseconds);
    void StopTimer();

    // ---- The paint cycle ----
    // A control repaints its image only between these two. clear: the area is
    // made transparent first, and EndControlPaint puts the change on the screen
    // (through a transition when the control has one set).
    bool BeginControlPaint(DuiPaintContext& context, std::optional<DuiRect> area = std::nullopt,
                           bool clear = true);
    void EndControlPaint(DuiPaintContext& context);

private:
    friend class DuiWindow;

    void ShiftDescendants(float dx, float dy);
    void LinkLast(DuiControl*& first, DuiControl*& last);
    void LinkFirst(DuiControl*& first, DuiControl*& last);
    void ListEnds(DuiControl**& first, DuiControl**& last);
    bool IsAncestorOf(const DuiControl* other) const;
    void ResizeImage();
    void TransitionTick();
    void ResetNode();

    HWND m_hostWindow = nullptr;
    DuiWindow* m_root = nullptr;
    DuiControl* m_parent = nullptr;
    bool m_visible = false;
    bool m_disabled = false;
    bool m_focusable = false;
    bool m_redrawEnabled = false;
    HCURSOR m_cursor = nullptr;
    std::vector<std::pair<UINT, DuiEventRoutine>> m_events;
    DuiRect m_rect;
    DuiRect m_previousRect;
    std::string m_tipText;
    std::string m_tag;
    int m_kind = 0;
    DuiControl* m_firstChild = nullptr;
    DuiControl* m_lastChild = nullptr;
    DuiControl* m_previousSibling = nullptr;
    DuiControl* m_nextSibling = nullptr;
    int m_transitionPosition = 0;
    std::unique_ptr<DibSurface> m_image;
    int m_alpha = 255;
    std::unique_ptr<DibSurface> m_previousImage;
    int m_transitionInterval = 0;
    int m_transitionFrames = 0;
    int m_transitionKind = 0;
};

// The deepest visible, enabled control under the point, searched from the last
// member of a sibling list backwards; nullptr when there is none.
DuiControl* HitTest(DuiControl* last, float x, float y);
