// Test doubles for the toolkit's host tests: a real top-level window turned
// into a host, and a control that records every message it receives and
// gives configurable answers to the host's queries.
#pragma once

#include "toolkit/core/DuiWindow.h"

#include <initializer_list>
#include <memory>
#include <vector>

struct LoggedMessage {
    UINT code = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class TestControl : public DuiControl {
public:
    DuiControl* Create(DuiOwner owner, const DuiRect& rect, bool focusable = true, int kind = kDuiKindButton);
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

    // Paints the whole image in one colour (and keeps it for later repaints).
    void Paint(Argb colour);

    // Codes received, in order, keeping only the given ones (all when empty).
    std::vector<UINT> Codes(std::initializer_list<UINT> only = {}) const;
    std::vector<LoggedMessage> Messages(UINT code) const;
    void ClearLog() { log.clear(); }

    std::vector<LoggedMessage> log;
    // Answers to queries; -1 means "use the default".
    LRESULT wantsCapture = -1;
    LRESULT disabledLook = -1;
    LRESULT focusQuery = -1;
    LRESULT transitionPaint = -1;
    LRESULT keyDown = -1;
    Argb fill = 0;
    std::function<void(UINT code)> onMessage; // runs after logging
};

// A top-level window of a test class; destroyed with the object.
class TestWindow {
public:
    explicit TestWindow(int width = 400, int height = 300, DWORD style = WS_POPUP | WS_SYSMENU,
                        DWORD exStyle = 0, const wchar_t* title = L"test");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return m_window; }

private:
    HWND m_window = nullptr;
};

// A window with a host installed on it.
struct TestHost {
    explicit TestHost(const DuiWindowOptions& options = NoCaption(), int width = 400, int height = 300,
                      DWORD style = WS_POPUP | WS_SYSMENU);
    static DuiWindowOptions NoCaption();
    TestWindow window;
    DuiWindow host;
    HWND hwnd() const { return window.get(); }
};

// Processes the messages already posted to this thread's windows.
void PumpMessages();
// Keeps processing messages for about that long.
void PumpMessagesFor(DWORD milliseconds);

inline LPARAM Point(int x, int y) {
    return MAKELPARAM(x, y);
}
