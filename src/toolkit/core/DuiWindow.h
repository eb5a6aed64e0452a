// DuiWindow turns an existing top-level window into a toolkit host: it removes
// the system frame, replaces the window procedure, roots a control tree, owns
// the back buffer the tree is composed into, paints the skin and the caption,
// and routes mouse and keyboard input to the controls.
//
// The window procedure finds its host through the window property
// "Ex_Wnd_Control", which holds the host's handle (its address).
#pragma once

#include "toolkit/core/DibSurface.h"
#include "toolkit/core/DrawHelpers.h"
#include "toolkit/core/DuiControl.h"
#include "toolkit/core/DuiRepaintQueue.h"
#include "toolkit/core/ImageLoad.h"
#include "toolkit/core/WindowAnimationPlan.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

inline constexpr wchar_t kHostProperty[] = L"Ex_Wnd_Control";

// Caption flags.
inline constexpr int kCaptionIcon = 1;
inline constexpr int kCaptionTitle = 2;
inline constexpr int kCaptionClose = 4;
inline constexpr int kCaptionMaximize = 8;
inline constexpr int kCaptionMinimize = 16;
inline constexpr int kCaptionMenu = 256;
inline constexpr int kCaptionCreated = 512;     // always set by Create
inline constexpr int kCaptionFromStyles = 1024; // add the buttons the window's styles ask for
// The caption buttons, in creation order (the close button is the rightmost).
inline constexpr int kCaptionButtonKinds[] = {4, 8, 16, 32, 64, 128, 256};

// Background image placement.
inline constexpr int kImageNatural = 0;
inline constexpr int kImageStretched = 1;
inline constexpr int kImageCentred = 2;

// Host options; an option left empty takes its default.
struct DuiWindowOptions {
    ImageBytes backgroundImage;                // none by default
    std::optional<ColourRef> backgroundColour; // default: the image's average colour
    std::optional<int> captionFlags;           // default: icon, title, close + what the styles ask for
    std::optional<int> alpha;                  // default -1: not layered
    std::optional<int> imageMode;              // default kImageNatural
    std::optional<int> style;                  // default 7 (rounded)
    std::optional<bool> resizable;             // default: the window had WS_THICKFRAME
    std::optional<bool> dragAnywhere;          // default true
    std::optional<bool> edgeFade;              // default true
    std::optional<bool> blur;                  // default: true on Windows 6.x
    std::optional<Margins> imageMargins;       // nine-grid margins of the background image (style 1)
    HWND skinOwner = nullptr;                  // a host whose background image and colour are shared
};

// The window-wide hooks. Mouse and focus hooks receive (window, control,
// wParam, lParam, kind of the control).
using DuiBackgroundHook = std::function<void(HWND window, GpGraphics* surface, int width, int height)>;
using DuiMessageHook = std::function<LRESULT(HWND window, UINT message, WPARAM wParam, LPARAM lParam)>;
using DuiResizedHook = std::function<void(HWND window, int width, int height)>;
using DuiMouseHook =
    std::function<void(HWND window, DuiControl* control, WPARAM wParam, LPARAM lParam, int kind)>;

// Builds the caption's icon picture, title label and buttons. The host asks the
// factory registered here (SetCaptionFactory); the toolkit's own placeholders
// serve until the real controls are registered.
class DuiCaptionFactory {
public:
    virtual ~DuiCaptionFactory() = default;
    virtual std::unique_ptr<DuiControl> CreateIcon(HWND host, const DuiRect& rect, HICON icon) = 0;
    virtual std::unique_ptr<DuiControl> CreateTitle(HWND host, const DuiRect& rect,
                                                    std::string_view gbkText) = 0;
    virtual void SetTitleText(DuiControl& title, std::string_view gbkText) = 0;
    virtual std::unique_ptr<DuiControl> CreateButton(HWND host, const DuiRect& rect, int kind) = 0;
};
void SetCaptionFactory(DuiCaptionFactory* factory);
DuiCaptionFactory& CaptionFactory();

class DuiWindow {
public:
    DuiWindow() = default;
    DuiWindow(const DuiWindow&) = delete;
    DuiWindow& operator=(const DuiWindow&) = delete;
    virtual ~DuiWindow();

    // The host serving a window, or nullptr.
    static DuiWindow* FromWindow(HWND window);

    // ---- Operations ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void AddDirtyRect(const DuiRect& rect, int mode);
    // text nullopt: the control's own tip text.
    virtual void SetToolTip(DuiControl* control, std::optional<std::string_view> gbkText);
    virtual int OnSysChar(UINT message, WPARAM wParam, LPARAM lParam);
    virtual int OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnDestroy();
    virtual void OnSize(UINT sizeType);
    virtual int SetAccelerator(DuiControl* control, int charCode);
    virtual void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    virtual int HitBorder(UINT message, LPARAM lParam);
    virtual bool Create(HWND window, const DuiWindowOptions& options = {});
    virtual bool DragAnywhere(std::optional<bool> value = std::nullopt);
    virtual int Style(std::optional<int> value = std::nullopt);
    // present: 0 put the window on the screen when done, 1 fade from the old look
    // to the new one, anything else leave it to the caller.
    virtual void SetBackground(ImageBytes image, std::optional<ColourRef> colour, int present,
                               bool noSnapshotEvents = false);
    virtual void LayoutCaption();
    virtual void ShadowColour(ColourRef colour);
    virtual void SetFocus(DuiControl* control, bool byKeyboard);
    // Puts the back buffer on the screen: the rect, or all of it. A layered
    // window also sends what was composed since its last present.
    virtual void Present(std::optional<DuiRect> rect = std::nullopt);
    // A layered window: presents what was composed since the last present, if
    // anything. An ordinary window presents as it paints, so nothing is left.
    void PresentComposed();
    // Records a part of the back buffer that the screen does not show yet.
    void NoteComposed(const RECT& area);
    virtual void Show(int animation, int durationMs = 200);
    virtual void CloseAnimation(int kind) { m_closeAnimation = kind; }
    virtual void DefaultCursor(HCURSOR cursor);
    virtual void DefaultCursorById(LPCWSTR systemCursorId);

    void SetBackgroundPaintedHook(DuiBackgroundHook hook) { m_backgroundPaintedHook = std::move(hook); }
    void SetMessageHook(DuiMessageHook hook) { m_messageHook = std::move(hook); }
    void SetResizedHook(DuiResizedHook hook) { m_resizedHook = std::move(hook); }
    void SetLeftDownHook(DuiMouseHook hook) { m_leftDownHook = std::move(hook); }
    void SetLeftUpHook(DuiMouseHook hook) { m_leftUpHook = std::move(hook); }
    void SetClickHook(DuiMouseHook hook) { m_clickHook = std::move(hook); }
    void SetDoubleClickHook(DuiMouseHook hook) { m_doubleClickHook = std::move(hook); }
    void SetRightDownHook(DuiMouseHook hook) { m_rightDownHook = std::move(hook); }
    void SetRightUpHook(DuiMouseHook hook) { m_rightUpHook = std::move(hook); }
    void SetMouseLeaveHook(DuiMouseHook hook) { m_mouseLeaveHook = std::move(hook); }
    void SetMouseEnterHook(DuiMouseHook hook) { m_mouseEnterHook = std::move(hook); }
    void SetFocusGainedHook(DuiMouseHook hook) { m_focusGainedHook = std::move(hook); }
    void SetFocusLostHook(DuiMouseHook hook) { m_focusLostHook = std::move(hook); }

    // ---- State for controls, the painter and the application ----
    HWND Window() const { return m_window; }
    bool IsInstalled() const { return m_installed; }
    DuiControl* Focus() const { return m_focus; }
    DuiControl* Hover() const { return m_hover; }
    DuiControl* Pressed() const { return m_pressed; }
    bool Capturing() const { return m_capture; }
    DuiControl* KeyboardFocusMarker() const { return m_keyboardFocus; }
    bool PaintingSuspended() const { return m_paintingSuspended; }
    int CaptionFlags() const { return m_captionFlags; }
    int Alpha() const { return m_alpha; }
    bool Layered() const { return m_alpha != -1; }
    bool Blur() const { return m_blur; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The skin's background colour and image, a skin owner's when shared.
    ColourRef BackgroundColour() const;
    GpBitmap* BackgroundImage() const;
    DuiControl* FirstTopLevel() const { return m_firstTop; }
    DuiControl* LastTopLevel() const { return m_lastTop; }
    DibSurface& BackBuffer() { return m_backBuffer; }
    DibSurface& BackgroundCopy() { return m_backgroundCopy; }
    HDC WindowDc() const { return m_windowDc.get(); }
    HRGN ClipRegion() const { return m_clipRegion.get(); }
    DuiRepaintQueue& RepaintQueue() { return m_repaintQueue; }
    HWND ToolTipWindow() const { return m_toolTip.get(); }
    const std::vector<std::unique_ptr<DuiControl>>& CaptionButtons() const { return m_captionButtons; }
    DuiControl* CaptionLabel() const { return m_captionLabel.get(); }
    DuiControl* IconPicture() const { return m_iconPicture.get(); }
    HCURSOR DefaultCursorHandle() const { return m_defaultCursor; }

    void SuspendPainting() { m_paintingSuspended = true; }
    void ResumePainting() { m_paintingSuspended = false; }
    // Restores the background everywhere, composes every control and presents.
    void RepaintAll();

    // True when the control is attached to this host and not destroyed: the
    // host checks every handle that reaches it in a message or timer.
    bool IsLive(const DuiControl* control) const { return control && m_live.count(control) > 0; }

protected:
    // Puts a layered window's picture from source on the screen, sending only
    // the changed part when that is less than the whole window.
    virtual void PresentLayered(HDC source, RECT changed);

private:
    friend class DuiControl;
    DuiControl*& FirstTopLevelRef() { return m_firstTop; }
    DuiControl*& LastTopLevelRef() { return m_lastTop; }
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept;
    static void CALLBACK FadeTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time) noexcept;

    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    void Register(DuiControl* control) { m_live.insert(control); }
    void Forget(DuiControl* control);
    void StoreOptions(const DuiWindowOptions& options);
    int ComputeCaptionFlags(std::optional<int> given) const;
    void AdjustStylesForFrame();
    bool CreateBuffers();
    void BuildCaption();
    void CreateToolTip();
    void OnActivate(WPARAM wParam, LPARAM lParam);
    void OnGetMinMaxInfo(MINMAXINFO* info) const;
    LRESULT OnMoved(DuiControl* control, LPARAM flag);
    void DrainPostedMessages();
    void ReleaseEverything();

    // Input routing helpers.
    void EnterControl(DuiControl* hit, WPARAM wParam);
    void LeaveControl(DuiControl* control, WPARAM wParam, DuiControl* next, bool callHook);
    void TakePress(DuiControl* hit, WPARAM wParam, LPARAM lParam);
    // Leaves the pressed state and gives up the mouse capture.
    void EndPress();
    void OnCaptureLost(HWND newOwner);
    void ToggleMaximized();
    void StartSystemMove();
    void CallHook(const DuiMouseHook& hook, DuiControl* control, WPARAM wParam, LPARAM lParam);
    void TabToNext();
    void RemoveTool();

    // Skin and animation helpers.
    const DuiWindow* SkinSource() const;
    GpBitmap* SkinImage(ColourRef& colour) const;
    void PaintSkin(GpBitmap* image, ColourRef colour);
    void PaintFramedBackground(GpBitmap* image, ColourRef colour);
    void FadeEdges(const DuiRect& imageRect, bool allEdges, ColourRef colour);
    void MakeInteriorOpaqueAtAlpha();
    void ApplyWindowRegion();
    void FadeTick();
    void RunCloseAnimation();
    bool EnableBlur(int left, int top, int right, int bottom, int corner);
    bool DisableBlur();
    void DrawAnimationFrame(DibSurface& target, const AnimationFrame& frame);
    void PresentLayered(HDC source) { PresentLayered(source, RECT{0, 0, m_width, m_height}); }
    // Presents the area and all composed since the last present.
    void PresentLayeredArea(RECT area);

    HWND m_window = nullptr;
    bool m_installed = false;
    WNDPROC m_previousProc = nullptr;
    DuiControl* m_focus = nullptr;
    DuiControl* m_hover = nullptr;
    DuiControl* m_pressed = nullptr;
    bool m_capture = false;
    bool m_paintingSuspended = false;
    bool m_trackingLeave = false;
    UniqueWindowDc m_windowDc;
    DibSurface m_backBuffer;
    DibSurface m_backgroundCopy;
    UniqueGpBitmap m_ownImage;
    ColourRef m_backgroundColour = 0;
    DuiControl* m_firstTop = nullptr;
    DuiControl* m_lastTop = nullptr;
    int m_captionFlags = 0;
    UniqueHwnd m_toolTip;
    int m_style = 7;
    int m_alpha = -1;
    int m_imageMode = kImageNatural;
    ColourRef m_shadowColour = 0;
    bool m_resizable = false;
    bool m_dragAnywhere = true;
    bool m_edgeFade = true;
    int m_closeAnimation = 0;
    int m_width = 0;
    int m_height = 0;
    RECT m_composed{}; // composed but not yet presented (layered windows)
    UniqueHrgn m_clipRegion;
    UniqueGpRegion m_clipGpRegion;
    DuiControl* m_keyboardFocus = nullptr;
    bool m_blur = false;
    HCURSOR m_defaultCursor = nullptr;
    Margins m_imageMargins;
    bool m_hasImageMargins = false;
    HWND m_skinOwner = nullptr;
    std::vector<std::pair<DuiControl*, int>> m_accelerators;
    std::vector<std::unique_ptr<DuiControl>> m_captionButtons;
    std::unique_ptr<DuiControl> m_iconPicture;
    std::unique_ptr<DuiControl> m_captionLabel;
    DuiRepaintQueue m_repaintQueue;
    std::unordered_set<const DuiControl*> m_live;
    int m_fadeAlpha = 0;
    DibSurface m_fadeBuffer;

    DuiBackgroundHook m_backgroundPaintedHook;
    DuiMessageHook m_messageHook;
    DuiResizedHook m_resizedHook;
    DuiMouseHook m_leftDownHook;
    DuiMouseHook m_leftUpHook;
    DuiMouseHook m_clickHook;
    DuiMouseHook m_doubleClickHook;
    DuiMouseHook m_rightDownHook;
    DuiMouseHook m_rightUpHook;
    DuiMouseHook m_mouseLeaveHook;
    DuiMouseHook m_mouseEnterHook;
    DuiMouseHook m_focusGainedHook;
    DuiMouseHook m_focusLostHook;
};

// True when the window's background under the rect is dark: nine samples of
// the background image, or the background colour when there is no image.
bool IsBackgroundDark(HWND window, const DuiRect& rect);
