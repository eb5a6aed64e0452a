// Input routing, driven by real window messages sent to a host window.
#include "TestHost.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Codes = std::vector<UINT>;

// The codes a button-like control cares about in these sequences.
const std::initializer_list<UINT> kMouseCodes = {WM_LBUTTONDOWN,   WM_LBUTTONUP,     DuiEvtClick,
                                                 DuiEvtMouseEnter, DuiEvtMouseLeave, DuiEvtFocusGained,
                                                 DuiEvtFocusLost};

// Records the system actions the routing asks for (moving, sizing,
// maximizing) and keeps them from running: they would start modal loops.
struct SystemActions {
    explicit SystemActions(DuiWindow& host) {
        host.SetMessageHook([this](HWND, UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            if (message == WM_NCLBUTTONDOWN) {
                moves.push_back(wParam);
                return 0;
            }
            if (message == WM_SYSCOMMAND) {
                commands.push_back(wParam);
                return 0;
            }
            return -1;
        });
    }
    std::vector<WPARAM> moves;
    std::vector<WPARAM> commands;
};

class Routing : public ::testing::Test {
protected:
    void SetUp() override {
        button.Create(h.hwnd(), {50, 50, 80, 30});
        other.Create(h.hwnd(), {200, 50, 80, 30});
    }
    void Send(UINT message, WPARAM wParam, int x, int y) {
        SendMessageW(h.hwnd(), message, wParam, Point(x, y));
    }
    void Click(int x, int y) {
        Send(WM_MOUSEMOVE, 0, x, y);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        Send(WM_LBUTTONUP, 0, x, y);
    }
    TestHost h;
    SystemActions actions{h.host};
    TestControl button;
    TestControl other;
};

TEST_F(Routing, PressAndReleaseOverTheControlClicksOnce) {
    std::vector<DuiControl*> clicked;
    h.host.SetClickHook([&](HWND, DuiControl* c, WPARAM, LPARAM, int kind) {
        clicked.push_back(c);
        EXPECT_EQ(kind, kDuiKindButton);
    });
    Send(WM_MOUSEMOVE, 0, 60, 60);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    EXPECT_TRUE(h.host.Capturing());
    EXPECT_EQ(GetCapture(), h.hwnd());
    Send(WM_LBUTTONUP, 0, 70, 65);
    EXPECT_EQ(button.Codes(kMouseCodes),
              (Codes{DuiEvtMouseEnter, DuiEvtFocusGained, WM_LBUTTONDOWN, WM_LBUTTONUP, DuiEvtClick}));
    const auto clicks = button.Messages(DuiEvtClick);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].wParam, ToWParam(&button));
    EXPECT_EQ(clicks[0].lParam, Point(70, 65));
    // While pressed, the control gets its own handle as wParam.
    EXPECT_EQ(button.Messages(WM_LBUTTONUP)[0].wParam, ToWParam(&button));
    EXPECT_EQ(clicked, (std::vector<DuiControl*>{&button}));
    EXPECT_FALSE(h.host.Capturing());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(actions.moves.empty());
}

TEST_F(Routing, AClickRoutineMayDestroyThePressedControl) {
    button.SetEventHandler(DuiEvtClick,
                           DuiTopLevelRoutine([](DuiControl* c, UINT, WPARAM, LPARAM) { c->Destroy(); }));
    int hooked = 0;
    h.host.SetClickHook([&](HWND, DuiControl*, WPARAM, LPARAM, int kind) {
        ++hooked;
        EXPECT_EQ(kind, kDuiKindButton); // taken before the routine ran
    });
    Click(60, 60);
    EXPECT_FALSE(button.IsAttached());
    EXPECT_EQ(hooked, 1);
    EXPECT_EQ(h.host.Hover(), nullptr);
    EXPECT_EQ(h.host.Pressed(), nullptr);
    Send(WM_MOUSEMOVE, 0, 210, 60); // routing goes on normally
    EXPECT_EQ(h.host.Hover(), &other);
}

TEST_F(Routing, ReleasingElsewhereLeavesWithoutAClick) {
    Send(WM_MOUSEMOVE, 0, 60, 60);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 210, 60); // still captured: goes to the button
    EXPECT_TRUE(other.Codes(kMouseCodes).empty());
    Send(WM_LBUTTONUP, 0, 210, 60);
    EXPECT_EQ(button.Codes({DuiEvtClick}).size(), 0u);
    const auto leaves = button.Messages(DuiEvtMouseLeave);
    ASSERT_EQ(leaves.size(), 1u);
    EXPECT_EQ(leaves[0].lParam, ToLParam(&other));
    EXPECT_EQ(other.Codes(kMouseCodes), (Codes{DuiEvtMouseEnter}));
    EXPECT_EQ(h.host.Hover(), &other);
}

TEST_F(Routing, DoubleClickIsASecondMarkedPress) {
    int doubleClicks = 0;
    h.host.SetDoubleClickHook([&](HWND, DuiControl*, WPARAM, LPARAM, int) { ++doubleClicks; });
    Send(WM_MOUSEMOVE, 0, 60, 60);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    Send(WM_LBUTTONUP, 0, 60, 60);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 60, 60);
    Send(WM_LBUTTONUP, 0, 60, 60);
    EXPECT_EQ(button.Codes({WM_LBUTTONDOWN, WM_LBUTTONUP, DuiEvtClick}),
              (Codes{WM_LBUTTONDOWN, WM_LBUTTONUP, DuiEvtClick, WM_LBUTTONDOWN, WM_LBUTTONUP, DuiEvtClick}));
    const auto presses = button.Messages(WM_LBUTTONDOWN);
    EXPECT_EQ(presses[0].wParam, WPARAM(MK_LBUTTON));
    EXPECT_EQ(presses[1].wParam, DuiDoubleClickMark);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(Routing, ANonFocusableControlThatWantsThePressGetsCaptureNotFocus) {
    TestControl caption;
    caption.Create(h.hwnd(), {300, 50, 40, 20}, false);
    caption.wantsCapture = 0;
    h.host.SetFocus(&button, false);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 310, 60);
    EXPECT_EQ(h.host.Pressed(), &caption);
    EXPECT_EQ(GetCapture(), h.hwnd());
    EXPECT_EQ(h.host.Focus(), &button);
    Send(WM_LBUTTONUP, 0, 310, 60);
    EXPECT_EQ(caption.Codes({DuiEvtClick}).size(), 1u);
    EXPECT_TRUE(caption.Codes({DuiEvtFocusGained}).empty());
    EXPECT_TRUE(actions.moves.empty());
}

TEST_F(Routing, PressOnTheBackgroundMovesTheWindow) {
    const struct {
        const char* name;
        bool dragAnywhere;
        bool onPassiveControl;
        std::size_t moves;
    } cases[] = {
        {"background", true, false, 1},
        {"control that takes no press", true, true, 1},
        {"drag anywhere off", false, false, 0},
    };
    TestControl passive;
    passive.Create(h.hwnd(), {300, 150, 40, 40}, false);
    for (const auto& c : cases) {
        actions.moves.clear();
        h.host.DragAnywhere(c.dragAnywhere);
        const int x = c.onPassiveControl ? 310 : 20;
        Send(WM_LBUTTONDOWN, MK_LBUTTON, x, 200);
        Send(WM_LBUTTONUP, 0, x, 200);
        EXPECT_EQ(actions.moves.size(), c.moves) << c.name;
        if (!actions.moves.empty()) {
            EXPECT_EQ(actions.moves[0], WPARAM(HTCAPTION)) << c.name;
        }
    }
}

TEST(RoutingCaption, DoubleClickNearTheTopTogglesMaximizedWithoutAMove) {
    DuiWindowOptions options = TestHost::NoCaption();
    options.captionFlags = kCaptionClose | kCaptionMaximize;
    TestHost h(options);
    SystemActions actions(h.host);
    SendMessageW(h.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(100, 20));
    actions.moves.clear();
    SendMessageW(h.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(100, 20));
    PumpMessages(); // the toggle is posted
    EXPECT_TRUE(actions.moves.empty());
    EXPECT_EQ(actions.commands, (std::vector<WPARAM>{SC_MAXIMIZE}));
    // Lower down, a double click is just a press that moves the window.
    actions.commands.clear();
    SendMessageW(h.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(100, 40));
    PumpMessages();
    EXPECT_TRUE(actions.commands.empty());
    EXPECT_EQ(actions.moves.size(), 1u);
}

TEST(RoutingCaption, DoubleClickOnTheTitleTogglesMaximized) {
    TestWindow window(400, 300, WS_OVERLAPPEDWINDOW);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get()));
    SystemActions actions(host);
    DuiControl* title = host.CaptionLabel();
    ASSERT_NE(title, nullptr);
    const int x = int(title->Rect().x) + 20;
    const int y = int(title->Rect().y) + 10; // on the label, which takes no press
    SendMessageW(window.get(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(x, y));
    PumpMessages();
    EXPECT_EQ(actions.commands, (std::vector<WPARAM>{SC_MAXIMIZE}));
    EXPECT_TRUE(actions.moves.empty());
}

TEST_F(Routing, TabCyclesTopLevelFocusableControls) {
    TestControl third, unfocusable, hidden, disabled;
    unfocusable.Create(h.hwnd(), {0, 0, 5, 5}, false);
    hidden.Create(h.hwnd(), {0, 0, 5, 5});
    hidden.Visible(false);
    disabled.Create(h.hwnd(), {0, 0, 5, 5});
    disabled.Disabled(true);
    third.Create(h.hwnd(), {300, 50, 20, 20});
    TestControl child;
    child.Create(&button, {55, 55, 5, 5});

    // Without a focus the walk starts after the first top-level control.
    const DuiControl* expected[] = {&other, &third, &button, &other, &third};
    for (const DuiControl* next : expected) {
        SendMessageW(h.hwnd(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(h.host.Focus(), next);
        EXPECT_EQ(h.host.KeyboardFocusMarker(), next);
    }
    // From a child, the walk starts after its top-level ancestor.
    h.host.SetFocus(&child, false);
    ASSERT_EQ(h.host.Focus(), &child);
    SendMessageW(h.hwnd(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(h.host.Focus(), &other);
}

TEST(RoutingCaption, PressingACaptionButtonKeepsTheFocus) {
    TestWindow window(400, 300, WS_OVERLAPPEDWINDOW);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get()));
    TestControl edit;
    edit.Create(window.get(), {50, 50, 80, 30});
    host.SetFocus(&edit, false);
    // The leftmost (minimize) button; the press is not released, so nothing runs.
    const DuiRect r = host.CaptionButtons().back()->Rect();
    const int x = int(r.x + r.width / 2), y = int(r.y + r.height / 2);
    SendMessageW(window.get(), WM_MOUSEMOVE, 0, Point(x, y));
    SendMessageW(window.get(), WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    ASSERT_NE(host.Pressed(), nullptr);
    EXPECT_EQ(host.Pressed()->Kind(), kDuiKindCaptionButton);
    EXPECT_EQ(host.Focus(), &edit);
    SendMessageW(window.get(), WM_ACTIVATE, WA_INACTIVE, 0);
}

TEST(RoutingTab, CaptionButtonsAndNothingEligibleChangeNothing) {
    TestWindow window(400, 300, WS_OVERLAPPEDWINDOW);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get())); // only caption parts: none takes the focus
    SendMessageW(window.get(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(host.Focus(), nullptr);
    TestControl only;
    only.Create(window.get(), {50, 50, 20, 20});
    SendMessageW(window.get(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(host.Focus(), &only);
    SendMessageW(window.get(), WM_KEYDOWN, VK_TAB, 0); // wraps back to itself
    EXPECT_EQ(host.Focus(), &only);
}

TEST_F(Routing, EnterAndSpaceClickTheFocusedControl) {
    std::vector<std::pair<WPARAM, LPARAM>> hooked;
    h.host.SetClickHook([&](HWND, DuiControl*, WPARAM w, LPARAM l, int) { hooked.emplace_back(w, l); });
    h.host.SetFocus(&button, false);
    SendMessageW(h.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(h.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(h.hwnd(), WM_KEYDOWN, 'A', 0);
    const auto clicks = button.Messages(DuiEvtClick);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].wParam, 0u);
    EXPECT_EQ(clicks[0].lParam, 0);
    EXPECT_EQ(hooked.size(), 2u);
    // A focused control that handles the key itself keeps it.
    button.keyDown = 0;
    SendMessageW(h.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(button.Messages(DuiEvtClick).size(), 2u);
}

TEST_F(Routing, AltAcceleratorsIgnoreCaseAndSkipHiddenControls) {
    TestControl later;
    later.Create(h.hwnd(), {300, 50, 20, 20});
    EXPECT_EQ(SendMessageW(h.hwnd(), DuiMsgAccelerator, ToWParam(&button), 'C'), 1);
    SendMessageW(h.hwnd(), DuiMsgAccelerator, ToWParam(&later), 'c');
    std::vector<WPARAM> hookedChars;
    h.host.SetClickHook([&](HWND, DuiControl*, WPARAM w, LPARAM, int) { hookedChars.push_back(w); });

    EXPECT_EQ(SendMessageW(h.hwnd(), WM_SYSCHAR, 'c', 0), 0);
    EXPECT_EQ(SendMessageW(h.hwnd(), WM_SYSCHAR, 'C', 0), 0);
    EXPECT_EQ(button.Messages(DuiEvtClick).size(), 2u);
    EXPECT_TRUE(later.Messages(DuiEvtClick).empty());
    EXPECT_EQ(hookedChars, (std::vector<WPARAM>{'c', 'C'}));

    button.Visible(false); // passed over: the later control registered for the same letter fires
    SendMessageW(h.hwnd(), WM_SYSCHAR, 'C', 0);
    EXPECT_EQ(button.Messages(DuiEvtClick).size(), 2u);
    EXPECT_EQ(later.Messages(DuiEvtClick).size(), 1u);

    later.Disabled(true);
    SendMessageW(h.hwnd(), WM_SYSCHAR, 'c', 0);
    EXPECT_EQ(later.Messages(DuiEvtClick).size(), 1u);

    // Re-registering replaces the character; 0 removes the entry.
    SendMessageW(h.hwnd(), DuiMsgAccelerator, ToWParam(&other), 'Y');
    SendMessageW(h.hwnd(), DuiMsgAccelerator, ToWParam(&other), 'N');
    SendMessageW(h.hwnd(), WM_SYSCHAR, 'y', 0);
    EXPECT_TRUE(other.Messages(DuiEvtClick).empty());
    SendMessageW(h.hwnd(), WM_SYSCHAR, 'n', 0);
    EXPECT_EQ(other.Messages(DuiEvtClick).size(), 1u);
    SendMessageW(h.hwnd(), DuiMsgAccelerator, ToWParam(&other), 0);
    SendMessageW(h.hwnd(), WM_SYSCHAR, 'n', 0);
    EXPECT_EQ(other.Messages(DuiEvtClick).size(), 1u);
}

TEST(RoutingBorder, ResizeZonesAndCursors) {
    DuiWindowOptions options = TestHost::NoCaption();
    options.resizable = true;
    TestHost h(options, 400, 300);
    SystemActions actions(h.host);
    const struct {
        int x, y;
        WPARAM zone; // WMSZ_*, 0 for none
        LPCWSTR cursor;
    } cases[] = {
        {5, 5, WMSZ_TOPLEFT, IDC_SIZENWSE},
        {12, 3, WMSZ_TOP, IDC_SIZENS},
        {395, 3, WMSZ_TOPRIGHT, IDC_SIZENESW},
        {3, 100, WMSZ_LEFT, IDC_SIZEWE},
        {395, 100, WMSZ_RIGHT, IDC_SIZEWE},
        {5, 295, WMSZ_BOTTOMLEFT, IDC_SIZENESW},
        {200, 295, WMSZ_BOTTOM, IDC_SIZENS},
        {395, 295, WMSZ_BOTTOMRIGHT, IDC_SIZENWSE},
        {200, 100, 0, nullptr},
    };
    for (const auto& c : cases) {
        actions.commands.clear();
        SendMessageW(h.hwnd(), WM_MOUSEMOVE, 0, Point(c.x, c.y));
        if (c.cursor) {
            EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor)) << c.x << "," << c.y;
        }
        SendMessageW(h.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(c.x, c.y));
        SendMessageW(h.hwnd(), WM_LBUTTONUP, 0, Point(c.x, c.y));
        if (c.zone) {
            EXPECT_EQ(actions.commands, (std::vector<WPARAM>{SC_SIZE + c.zone})) << c.x << "," << c.y;
        } else {
            EXPECT_TRUE(actions.commands.empty()) << c.x << "," << c.y;
        }
    }
}

TEST(RoutingBorder, NotResizableOrMaximizedHasNoBorder) {
    TestHost fixed; // no thick frame: not resizable
    EXPECT_EQ(fixed.host.HitBorder(WM_LBUTTONDOWN, Point(5, 5)), 0);

    DuiWindowOptions options = TestHost::NoCaption();
    options.resizable = true;
    TestHost h(options);
    TestControl hovered;
    hovered.Create(h.hwnd(), {0, 0, 50, 50});
    SendMessageW(h.hwnd(), WM_MOUSEMOVE, 0, Point(20, 20));
    ASSERT_EQ(h.host.Hover(), &hovered);
    EXPECT_EQ(h.host.HitBorder(WM_MOUSEMOVE, Point(5, 5)), 1);
    EXPECT_EQ(h.host.Hover(), nullptr); // the border takes the mouse from the control
    EXPECT_EQ(hovered.Codes({DuiEvtMouseLeave}).size(), 1u);
    EXPECT_EQ(h.host.HitBorder(WM_RBUTTONDOWN, Point(5, 5)), 0);
    ShowWindow(h.hwnd(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(h.hwnd()));
    EXPECT_EQ(h.host.HitBorder(WM_MOUSEMOVE, Point(5, 5)), 0);
}

TEST_F(Routing, DeactivationDuringAPressCancelsIt) {
    Send(WM_MOUSEMOVE, 0, 60, 60);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    ASSERT_EQ(GetCapture(), h.hwnd());
    SendMessageW(h.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(h.host.Capturing());
    EXPECT_EQ(GetCapture(), nullptr);
    Send(WM_LBUTTONUP, 0, 60, 60);
    EXPECT_EQ(button.Codes({DuiEvtFocusLost, DuiEvtClick}), (Codes{DuiEvtFocusLost}));
    EXPECT_EQ(button.Codes({DuiEvtMouseLeave}).size(), 1u);
    // Activated again, the control that was pressed hears of it.
    const std::size_t gained = button.Messages(DuiEvtFocusGained).size();
    SendMessageW(h.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    ASSERT_EQ(button.Messages(DuiEvtFocusGained).size(), gained + 1);
    EXPECT_EQ(button.Messages(DuiEvtFocusGained).back().wParam, WPARAM(WA_ACTIVE));
}

// A press can end without a release reaching the window: the mouse leaves it,
// another window takes the capture, or the pressed control is destroyed. Each
// time the window must end up idle, without the capture, and the next press on
// another control must click it.
TEST_F(Routing, APressEndsWhenTheReleaseCannotArrive) {
    TestWindow elsewhere(100, 100);
    const struct {
        const char* what;
        std::function<void()> end;
        bool buttonHearsLeave;
    } cases[] = {
        {"the mouse left the window", [&] { SendMessageW(h.hwnd(), WM_MOUSELEAVE, 0, 0); }, true},
        {"another window took the capture", [&] { SetCapture(elsewhere.get()); }, true},
        {"the pressed control was destroyed", [&] { button.Destroy(); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!h.host.IsLive(&button))
            button.Create(h.hwnd(), {50, 50, 80, 30});
        Send(WM_MOUSEMOVE, 0, 60, 60);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
        ASSERT_TRUE(h.host.Capturing());
        ASSERT_EQ(GetCapture(), h.hwnd());
        button.ClearLog();
        c.end();
        EXPECT_FALSE(h.host.Capturing());
        EXPECT_NE(GetCapture(), h.hwnd());
        EXPECT_EQ(h.host.Pressed(), nullptr);
        EXPECT_EQ(button.Codes({DuiEvtMouseLeave}).size(), c.buttonHearsLeave ? 1u : 0u);
        ReleaseCapture();

        other.ClearLog();
        Click(210, 60);
        EXPECT_EQ(other.Codes({DuiEvtClick}).size(), 1u);
        EXPECT_TRUE(button.Codes({DuiEvtClick}).empty());
        EXPECT_EQ(GetCapture(), nullptr);
        Send(WM_MOUSEMOVE, 0, 300, 200);
    }
}

TEST_F(Routing, ControlDestroyedWhileTakingTheFocusLeavesNoCapture) {
    button.onMessage = [&](UINT code) {
        if (code == DuiEvtFocusGained)
            button.Destroy();
    };
    Send(WM_MOUSEMOVE, 0, 60, 60);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    EXPECT_FALSE(h.host.Capturing());
    EXPECT_EQ(GetCapture(), nullptr);
    Send(WM_LBUTTONUP, 0, 60, 60);
    Click(210, 60);
    EXPECT_EQ(other.Codes({DuiEvtClick}).size(), 1u);
}

TEST_F(Routing, TheClickRunsAfterThePressHasEnded) {
    bool capturingDuringClick = true;
    HWND captureDuringClick = h.hwnd();
    h.host.SetClickHook([&](HWND, DuiControl*, WPARAM, LPARAM, int) {
        capturingDuringClick = h.host.Capturing();
        captureDuringClick = GetCapture();
    });
    Click(60, 60);
    EXPECT_FALSE(capturingDuringClick);
    EXPECT_EQ(captureDuringClick, nullptr);
    EXPECT_EQ(button.Codes({DuiEvtClick}).size(), 1u);
}

TEST_F(Routing, FocusByMouseCallsTheFocusHooks) {
    std::vector<std::pair<std::string, DuiControl*>> hooks;
    h.host.SetFocusGainedHook(
        [&](HWND, DuiControl* c, WPARAM, LPARAM, int) { hooks.emplace_back("gained", c); });
    h.host.SetFocusLostHook([&](HWND, DuiControl* c, WPARAM, LPARAM, int) { hooks.emplace_back("lost", c); });
    Click(60, 60);
    Click(210, 60);
    EXPECT_EQ(hooks, (std::vector<std::pair<std::string, DuiControl*>>{
                         {"gained", &button}, {"lost", &button}, {"gained", &other}}));
    EXPECT_EQ(other.Messages(DuiEvtFocusGained)[0].lParam, ToLParam(&button));
    EXPECT_EQ(button.Messages(DuiEvtFocusLost)[0].lParam, ToLParam(&other));
    EXPECT_EQ(h.host.KeyboardFocusMarker(), nullptr);
    // SetFocus by the program calls no hooks.
    h.host.SetFocus(&button, false);
    EXPECT_EQ(hooks.size(), 3u);
}

TEST_F(Routing, SetFocusIgnoresControlsThatCannotTakeIt) {
    TestControl hidden, unfocusable;
    hidden.Create(h.hwnd(), {0, 0, 5, 5});
    hidden.Visible(false);
    unfocusable.Create(h.hwnd(), {0, 0, 5, 5}, false);
    for (DuiControl* c : {static_cast<DuiControl*>(&hidden), static_cast<DuiControl*>(&unfocusable)}) {
        h.host.SetFocus(c, true);
        EXPECT_EQ(h.host.Focus(), nullptr);
    }
    // Sent as a window message by menus: the focus moves, no marker.
    SendMessageW(h.hwnd(), DuiEvtFocusGained, 0, ToLParam(&other));
    EXPECT_EQ(h.host.Focus(), &other);
    EXPECT_EQ(h.host.KeyboardFocusMarker(), nullptr);
}

TEST_F(Routing, MouseLeavingTheWindowLeavesTheHoverControl) {
    std::vector<DuiControl*> left;
    h.host.SetMouseLeaveHook([&](HWND, DuiControl* c, WPARAM, LPARAM, int) { left.push_back(c); });
    Send(WM_MOUSEMOVE, 0, 60, 60);
    SendMessageW(h.hwnd(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(left, (std::vector<DuiControl*>{&button}));
    EXPECT_EQ(h.host.Hover(), nullptr);
}

TEST_F(Routing, RightButtonHooksGetTheControlUnderTheMouse) {
    std::vector<DuiControl*> downs, ups;
    h.host.SetRightDownHook([&](HWND, DuiControl* c, WPARAM, LPARAM, int) { downs.push_back(c); });
    h.host.SetRightUpHook([&](HWND, DuiControl* c, WPARAM, LPARAM, int) { ups.push_back(c); });
    Send(WM_RBUTTONDOWN, MK_RBUTTON, 60, 60);
    Send(WM_RBUTTONUP, 0, 5, 250);
    EXPECT_EQ(downs, (std::vector<DuiControl*>{&button}));
    EXPECT_EQ(ups, (std::vector<DuiControl*>{nullptr}));
    EXPECT_EQ(button.Codes({WM_RBUTTONDOWN}).size(), 1u);
}

int ToolCount(HWND tooltip) {
    return int(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(Routing, TooltipBelongsToTheControlEnteredLast) {
    button.TipText("\xCC\xE1\xCA\xBE"); // 提示
    HWND tooltip = h.host.ToolTipWindow();
    ASSERT_NE(tooltip, nullptr);
    Send(WM_MOUSEMOVE, 0, 60, 60);
    ASSERT_EQ(ToolCount(tooltip), 1);
    wchar_t text[32] = {};
    TOOLINFOW tool{};
    tool.cbSize = offsetof(TOOLINFOW, lpReserved);
    tool.hwnd = h.hwnd();
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 32, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"\u63d0\u793a");
    Send(WM_MOUSEMOVE, 0, 20, 250); // empty background keeps it
    EXPECT_EQ(ToolCount(tooltip), 1);
    Send(WM_MOUSEMOVE, 0, 210, 60); // a control without tip text removes it
    EXPECT_EQ(ToolCount(tooltip), 0);
    button.TipText("x", true); // updating registers it at once
    EXPECT_EQ(ToolCount(tooltip), 1);
}

TEST_F(Routing, MouseIsIgnoredWhilePaintingIsSuspended) {
    h.host.SuspendPainting();
    Click(60, 60);
    h.host.ResumePainting();
    EXPECT_TRUE(button.Codes(kMouseCodes).empty());
}

} // namespace
