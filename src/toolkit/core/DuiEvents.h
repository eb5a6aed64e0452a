// The private codes that controls and their host window exchange, besides the
// Win32 messages the host passes through unchanged (WM_CREATE, WM_PAINT,
// WM_DESTROY, WM_TIMER, mouse messages over a control, keyboard messages,
// WM_MOUSEWHEEL, WM_IME_COMPOSITION and WM_COMMAND to the focused control).
#pragma once

#include <windows.h>

inline constexpr UINT DuiEvtFocusGained = 10240; // wParam key flags or 0, lParam the previous focus
inline constexpr UINT DuiEvtFocusLost = 10241;   // lParam the new focus or 0
inline constexpr UINT DuiEvtMouseEnter = 10242;  // wParam key flags, lParam the previous hover control
inline constexpr UINT DuiEvtMouseLeave = 10243;  // wParam key flags, lParam the control now under the mouse
inline constexpr UINT DuiEvtClick = 10244;   // wParam the control (mouse) or 0 (keyboard), lParam x | y << 16
inline constexpr UINT DuiEvtResized = 10245; // wParam new width, lParam new height
inline constexpr UINT DuiEvtHidden = 10246;
inline constexpr UINT DuiEvtShown = 10247;
inline constexpr UINT DuiEvtTransitionPaint =
    10248; // lParam DuiComposeContext*; 1 or more: drawn by the control
inline constexpr UINT DuiEvtWantsCapture = 10250; // query: anything but -1 takes a left press
inline constexpr UINT DuiMsgAccelerator = 10251;  // to the host: wParam control, lParam character (0 removes)
inline constexpr UINT DuiMsgPresent = 10253;      // to the host: put the whole back buffer on the screen
inline constexpr UINT DuiEvtDisabledLook = 10254; // query: -1 draws a disabled control at half alpha
inline constexpr UINT DuiMsgInvalidate = 10256;   // to the host: wParam mode, lParam DuiRect*
inline constexpr UINT DuiMsgMoved = 10257; // to the host and the control: wParam control, lParam 1 repaint
inline constexpr UINT DuiMsgEvent = 10258; // to the host: wParam control, lParam DuiEventBlock*
inline constexpr UINT DuiEvtFocusQuery = 10260;   // query: 1 focused, 0 not, -1 the host decides
inline constexpr UINT DuiEvtAlphaChanged = 10261; // lParam the new alpha
inline constexpr UINT DuiEvtSnapshot = 10262;     // before the whole tree is drawn into one surface
inline constexpr UINT DuiEvtTransitionStarted = 10263;
inline constexpr UINT DuiEvtTransitionFinished = 10264;

// A double click reaches controls as a second WM_LBUTTONDOWN with this wParam.
inline constexpr WPARAM DuiDoubleClickMark = 10086;

// DuiMsgInvalidate modes.
inline constexpr WPARAM kInvalidateQueue = 0;      // append to the repaint queue
inline constexpr WPARAM kInvalidateNow = 1;        // paint at once
inline constexpr WPARAM kInvalidateQueueFront = 2; // queue before everything else
// Added to the mode of a posted invalidation: the rect was allocated for the
// message and the host frees it (the control may be gone when it arrives).
inline constexpr WPARAM kInvalidateOwnsRect = 0x100;

// The event carried by DuiMsgEvent. Values are pointer-sized: handles travel in them.
struct DuiEventBlock {
    UINT code = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool ownedByMessage = false; // posted: the host frees the block after dispatching it
};

// Kinds of the program's control classes.
inline constexpr int kDuiKindCaptionButton = 1;
inline constexpr int kDuiKindButton = 2;
inline constexpr int kDuiKindLabel = 3;
inline constexpr int kDuiKindPicture = 4;
inline constexpr int kDuiKindLinkLabel = 5;
inline constexpr int kDuiKindListView = 8;
inline constexpr int kDuiKindEdit = 9;
inline constexpr int kDuiKindProgressBar = 12;
inline constexpr int kDuiKindGroupBox = 16;
inline constexpr int kDuiKindScrollBar = 19;
inline constexpr int kDuiKindMenuItem = 20;
inline constexpr int kDuiKindTinyImage = 21; // gets a 1 x 1 image whatever its size
inline constexpr int kDuiKindShineButton = 23;
