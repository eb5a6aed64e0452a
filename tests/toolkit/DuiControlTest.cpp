#include "TestHost.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

using Codes = std::vector<UINT>;

class ControlTree : public ::testing::Test {
protected:
    TestHost h;
};

TEST_F(ControlTree, AttachAppendsAndSendsCreateThenPaint) {
    TestControl a, b;
    ASSERT_EQ(a.Create(h.hwnd(), {10, 10, 50, 20}), &a);
    ASSERT_EQ(b.Create(h.hwnd(), {10, 40, 50, 20}), &b);
    EXPECT_EQ(h.host.FirstTopLevel(), &a);
    EXPECT_EQ(h.host.LastTopLevel(), &b);
    EXPECT_EQ(a.NextSibling(), &b);
    EXPECT_EQ(b.PreviousSibling(), &a);
    ASSERT_EQ(a.Codes(), (Codes{WM_CREATE, WM_PAINT}));
    // Both carry the new image and its surface.
    EXPECT_EQ(a.log[0].wParam, reinterpret_cast<WPARAM>(a.Image()->Bitmap()));
    EXPECT_EQ(a.log[1].lParam, reinterpret_cast<LPARAM>(a.Surface()));
    EXPECT_EQ(a.Image()->Width(), 50);
    EXPECT_EQ(a.Alpha(), 255);
    EXPECT_TRUE(a.Visible());
    EXPECT_FALSE(a.Disabled());
    EXPECT_TRUE(a.RedrawEnabled());
    EXPECT_EQ(a.GetHostWindow(), h.hwnd());
    EXPECT_EQ(a.Attach(h.hwnd(), {}), &a); // already attached: nothing happens
    EXPECT_EQ(a.Codes({WM_CREATE}).size(), 1u);
}

TEST_F(ControlTree, AttachUnderAControl) {
    TestControl group, child;
    group.Create(h.hwnd(), {0, 0, 200, 100});
    ASSERT_EQ(child.Create(&group, {10, 10, 20, 20}), &child);
    EXPECT_EQ(child.GetParent(), &group);
    EXPECT_EQ(group.FirstChild(), &child);
    EXPECT_EQ(group.LastChild(), &child);
    EXPECT_EQ(h.host.LastTopLevel(), &group); // the child is not a top-level control
    EXPECT_EQ(child.Root(), &h.host);
}

TEST(ControlAttach, RefusesOwnersThatAreNotHostsOrBelongElsewhere) {
    TestWindow plain;
    TestControl orphan;
    EXPECT_EQ(orphan.Create(plain.get(), {0, 0, 10, 10}), nullptr);
    EXPECT_FALSE(orphan.IsAttached());
    EXPECT_EQ(orphan.GetHandle(), nullptr);

    TestControl unattachedParent;
    EXPECT_EQ(orphan.Create(&unattachedParent, {0, 0, 10, 10}), nullptr);
}

TEST_F(ControlTree, SetParentAndZOrderKeepTheListsLinked) {
    TestControl a, b, c, group;
    a.Create(h.hwnd(), {0, 0, 10, 10});
    b.Create(h.hwnd(), {0, 0, 10, 10});
    c.Create(h.hwnd(), {0, 0, 10, 10});
    group.Create(h.hwnd(), {0, 0, 100, 100});

    b.SetParent(&group);
    EXPECT_EQ(a.NextSibling(), &c);
    EXPECT_EQ(c.PreviousSibling(), &a);
    EXPECT_EQ(group.FirstChild(), &b);
    EXPECT_EQ(b.PreviousSibling(), nullptr);

    c.ZOrder(2); // first
    EXPECT_EQ(h.host.FirstTopLevel(), &c);
    EXPECT_EQ(c.NextSibling(), &a);
    c.ZOrder(); // last
    EXPECT_EQ(h.host.LastTopLevel(), &c);
    EXPECT_EQ(group.NextSibling(), &c);

    b.SetParent(nullptr); // back to the top level, as the last member
    EXPECT_EQ(h.host.LastTopLevel(), &b);
    EXPECT_EQ(group.FirstChild(), nullptr);
    EXPECT_EQ(group.LastChild(), nullptr);

    b.Unlink();
    EXPECT_EQ(h.host.LastTopLevel(), &c);
    EXPECT_EQ(b.PreviousSibling(), nullptr);
}

TEST_F(ControlTree, SetParentRefusesACycle) {
    TestControl outer, inner;
    outer.Create(h.hwnd(), {0, 0, 100, 100});
    inner.Create(&outer, {0, 0, 10, 10});
    outer.SetParent(&inner);
    EXPECT_EQ(outer.GetParent(), nullptr);
    outer.SetParent(&outer);
    EXPECT_EQ(outer.GetParent(), nullptr);
    EXPECT_EQ(inner.GetParent(), &outer);
}

TEST_F(ControlTree, MoveCarriesDescendantsInWholePixels) {
    TestControl group, child, grandchild;
    group.Create(h.hwnd(), {20, 20, 100, 100});
    child.Create(&group, {30, 30, 50, 50});
    grandchild.Create(&child, {35, 35, 10, 10});
    group.Move(30, 25);
    EXPECT_EQ(child.Rect(), (DuiRect{40, 35, 50, 50}));
    EXPECT_EQ(grandchild.Rect(), (DuiRect{45, 40, 10, 10}));
    group.Move(30.9f, 25.5f); // less than a pixel: the children stay
    EXPECT_EQ(child.Rect(), (DuiRect{40, 35, 50, 50}));
    EXPECT_EQ(group.PreviousRect(), (DuiRect{30, 25, 100, 100}));
}

TEST_F(ControlTree, MoveWithinToleranceDoesNothing) {
    TestControl a;
    a.Create(h.hwnd(), {10, 10, 50, 20});
    a.ClearLog();
    a.Move(10.00000001f, 10, 50, 20);
    a.Left(10.00000001f);
    a.Width(50);
    EXPECT_TRUE(a.log.empty());
    EXPECT_EQ(a.PreviousRect(), (DuiRect{10, 10, 50, 20}));
}

TEST_F(ControlTree, ResizeMakesANewImageThenResizedThenPaint) {
    TestControl a;
    a.Create(h.hwnd(), {10, 10, 50, 20});
    a.ClearLog();
    a.Move(std::nullopt, std::nullopt, 70, 30);
    EXPECT_EQ(a.Image()->Width(), 70);
    EXPECT_EQ(a.Image()->Height(), 30);
    ASSERT_EQ(a.Codes(), (Codes{DuiEvtResized, WM_PAINT, DuiMsgMoved}));
    EXPECT_EQ(a.log[0].wParam, 70u);
    EXPECT_EQ(a.log[0].lParam, 30);
    a.ClearLog();
    a.Move(12.f); // a move without a size change repaints nothing of its own
    EXPECT_EQ(a.Codes(), (Codes{DuiMsgMoved}));
}

TEST_F(ControlTree, TinyImageKindKeepsItsOnePixelImage) {
    TestControl a;
    a.Create(h.hwnd(), {10, 10, 50, 20}, true, kDuiKindTinyImage);
    a.Move(std::nullopt, std::nullopt, 80, 40);
    EXPECT_EQ(a.Image()->Width(), 1);
    EXPECT_EQ(a.Codes({DuiEvtResized}).size(), 0u);
}

TEST_F(ControlTree, VisibleAndAlphaSendEventsOnChangeOnly) {
    TestControl a;
    a.Create(h.hwnd(), {10, 10, 50, 20});
    a.ClearLog();
    a.Visible(true);
    a.Visible(false);
    a.Visible(false);
    a.Visible(true);
    a.Alpha(128);
    EXPECT_EQ(a.Codes({DuiEvtShown, DuiEvtHidden, DuiEvtAlphaChanged}),
              (Codes{DuiEvtHidden, DuiEvtShown, DuiEvtAlphaChanged}));
    EXPECT_EQ(a.Messages(DuiEvtAlphaChanged)[0].lParam, 128);
    EXPECT_EQ(a.Alpha(), 128);
}

TEST_F(ControlTree, DisablingTheFocusedControlPostsFocusLostThenMouseLeave) {
    TestControl a;
    a.Create(h.hwnd(), {10, 10, 50, 20});
    h.host.SetFocus(&a, false);
    ASSERT_EQ(h.host.Focus(), &a);
    a.ClearLog();
    a.Disabled(true);
    EXPECT_EQ(h.host.Focus(), nullptr);
    EXPECT_TRUE(a.log.empty()); // posted, not sent
    PumpMessages();
    EXPECT_EQ(a.Codes({DuiEvtFocusLost, DuiEvtMouseLeave}), (Codes{DuiEvtFocusLost, DuiEvtMouseLeave}));
    a.ClearLog();
    a.Disabled(false); // re-enabled: leave again, no focus change
    PumpMessages();
    EXPECT_EQ(a.Codes({DuiEvtFocusLost, DuiEvtMouseLeave}), (Codes{DuiEvtMouseLeave}));
}

TEST_F(ControlTree, IsFocusedAsksTheControlFirst) {
    TestControl a;
    a.Create(h.hwnd(), {10, 10, 50, 20});
    const struct {
        LRESULT answer;
        bool hostFocus;
        bool expected;
    } cases[] = {
        {1, false, true},
        {0, true, false},
        {-1, true, true},
        {-1, false, false},
    };
    TestControl other;
    other.Create(h.hwnd(), {100, 10, 50, 20});
    for (const auto& c : cases) {
        h.host.SetFocus(c.hostFocus ? static_cast<DuiControl*>(&a) : &other, false);
        a.focusQuery = c.answer;
        EXPECT_EQ(a.IsFocused(), c.expected) << c.answer << " " << c.hostFocus;
    }
}

TEST_F(ControlTree, DestroyLeavesNoReferenceInTheHost) {
    TestControl group, child, other;
    group.Create(h.hwnd(), {0, 0, 100, 100});
    child.Create(&group, {10, 10, 20, 20});
    other.Create(h.hwnd(), {200, 0, 50, 50});
    // Hover, press and focus on the child, through real mouse messages.
    SendMessageW(h.hwnd(), WM_MOUSEMOVE, 0, Point(15, 15));
    SendMessageW(h.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(15, 15));
    ASSERT_EQ(h.host.Pressed(), &child);
    ASSERT_EQ(h.host.Focus(), &child);
    ASSERT_EQ(h.host.Hover(), &child);
    SendMessageW(h.hwnd(), DuiMsgAccelerator, ToWParam(&child), 'X');

    group.Destroy();
    EXPECT_EQ(h.host.Pressed(), nullptr);
    EXPECT_FALSE(h.host.Capturing());
    EXPECT_EQ(h.host.Focus(), nullptr);
    EXPECT_EQ(h.host.Hover(), nullptr);
    EXPECT_FALSE(child.IsAttached());
    EXPECT_FALSE(group.IsAttached());
    EXPECT_EQ(h.host.FirstTopLevel(), &other);
    // Children first, each one's WM_DESTROY before its parent's.
    EXPECT_EQ(child.Codes({WM_DESTROY}).size(), 1u);
    EXPECT_EQ(child.Rect(), DuiRect{});
    EXPECT_EQ(child.Image(), nullptr);
    EXPECT_FALSE(h.host.IsLive(&child));
    // The accelerator went with it: Alt+X clicks nothing.
    EXPECT_EQ(SendMessageW(h.hwnd(), WM_SYSCHAR, 'x', 0), DefWindowProcW(h.hwnd(), WM_SYSCHAR, 'x', 0));

    // A destroyed control can be attached again.
    ASSERT_EQ(group.Create(h.hwnd(), {0, 0, 100, 100}), &group);
    EXPECT_EQ(h.host.LastTopLevel(), &group);
}

TEST_F(ControlTree, EventsPostedToADestroyedControlAreDropped) {
    auto a = std::make_unique<TestControl>();
    a->Create(h.hwnd(), {0, 0, 10, 10});
    a->PostEvent(DuiEvtClick, 0, 0);
    a->Invalidate();
    a.reset();      // the object itself is gone before the messages arrive
    PumpMessages(); // must not touch the freed object
    SUCCEED();
}

TEST_F(ControlTree, SendEventReturnsTheDispatchResultFromAnyThread) {
    TestControl a;
    a.Create(h.hwnd(), {0, 0, 10, 10});
    a.focusQuery = 7;
    EXPECT_EQ(a.SendEvent(DuiEvtFocusQuery, 0, 0), 7);

    DWORD seenOnThread = 0;
    a.onMessage = [&](UINT code) {
        if (code == DuiEvtClick)
            seenOnThread = GetCurrentThreadId();
    };
    LRESULT fromWorker = 0;
    std::thread worker([&] {
        fromWorker = a.SendEvent(DuiEvtFocusQuery, 0, 0);
        a.SendEvent(DuiEvtClick, 0, 0);
    });
    while (seenOnThread == 0)
        PumpMessagesFor(10);
    worker.join();
    EXPECT_EQ(fromWorker, 7);
    EXPECT_EQ(seenOnThread, GetCurrentThreadId()); // delivered on the window thread
}

TEST_F(ControlTree, PostEventArrivesLater) {
    TestControl a;
    a.Create(h.hwnd(), {0, 0, 10, 10});
    a.ClearLog();
    a.PostEvent(DuiEvtClick, 3, 4);
    EXPECT_TRUE(a.log.empty());
    PumpMessages();
    ASSERT_EQ(a.Messages(DuiEvtClick).size(), 1u);
    EXPECT_EQ(a.Messages(DuiEvtClick)[0].wParam, 3u);
    EXPECT_EQ(a.Messages(DuiEvtClick)[0].lParam, 4);
}

TEST_F(ControlTree, ControlTimerTicksReachTheControl) {
    TestControl a;
    a.Create(h.hwnd(), {0, 0, 10, 10});
    a.StartTimer(10);
    PumpMessagesFor(100);
    a.StopTimer();
    EXPECT_GE(a.Messages(WM_TIMER).size(), 1u);
    // A timer identifier that is no control of this host goes nowhere.
    SendMessageW(h.hwnd(), WM_TIMER, 12345, 0);
}

TEST_F(ControlTree, KindAndTagAndTipText) {
    TestControl a;
    a.Create(h.hwnd(), {0, 0, 10, 10}, true, kDuiKindLabel);
    EXPECT_EQ(a.Kind(), kDuiKindLabel);
    a.Kind(kDuiKindLinkLabel);
    EXPECT_EQ(a.Kind(), kDuiKindLinkLabel);
    EXPECT_EQ(a.Tag("1|2|3"), "1|2|3");
    EXPECT_EQ(a.TipText("\xCC\xE1\xCA\xBE"), "\xCC\xE1\xCA\xBE"); // 提示
    EXPECT_EQ(a.Self(42), 42);
}

// ---- Dispatch ----

class Dispatch : public ControlTree {
protected:
    void SetUp() override { button.Create(h.hwnd(), {0, 0, 50, 20}); }
    TestControl button;
    std::vector<std::string> calls;
};

TEST_F(Dispatch, RegisteringACodeAgainReplacesItsRoutineInPlace) {
    button.SetEventHandler(DuiEvtClick, DuiTopLevelRoutine([&](DuiControl*, UINT, WPARAM, LPARAM) {
                               calls.push_back("first");
                           }));
    button.SetEventHandler(DuiEvtMouseEnter, DuiTopLevelRoutine([&](DuiControl*, UINT, WPARAM, LPARAM) {
                               calls.push_back("enter");
                           }));
    button.SetEventHandler(DuiEvtClick, DuiTopLevelRoutine([&](DuiControl*, UINT, WPARAM, LPARAM) {
                               calls.push_back("second");
                           }));
    ASSERT_EQ(button.EventTable().size(), 2u);
    EXPECT_EQ(button.EventTable()[0].first, DuiEvtClick); // kept its place
    DuiDispatch(&button, DuiEvtClick, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"second"}));
}

TEST_F(Dispatch, DoubleClickEntryMatchesMarkedPressFirstMatchWins) {
    const struct {
        const char* name;
        std::vector<UINT> order;
        WPARAM wParam;
        std::vector<std::string> expected;
    } cases[] = {
        {"dblclk entry first", {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}, DuiDoubleClickMark, {"515"}},
        {"down entry first", {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}, DuiDoubleClickMark, {"513"}},
        {"plain press", {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}, MK_LBUTTON, {"513"}},
        {"only dblclk, plain press", {WM_LBUTTONDBLCLK}, MK_LBUTTON, {}},
    };
    for (const auto& c : cases) {
        TestControl control;
        control.Create(h.hwnd(), {0, 0, 10, 10});
        calls.clear();
        for (UINT code : c.order)
            control.SetEventHandler(code, DuiTopLevelRoutine([this, code](DuiControl*, UINT, WPARAM, LPARAM) {
                                        calls.push_back(std::to_string(code));
                                    }));
        DuiDispatch(&control, WM_LBUTTONDOWN, c.wParam, 0);
        EXPECT_EQ(calls, c.expected) << c.name;
    }
}

TEST_F(Dispatch, RoutinesGetTheParentOnlyWhenThereIsOne) {
    TestControl group, child;
    group.Create(h.hwnd(), {0, 0, 200, 100});
    child.Create(&group, {10, 10, 50, 20});
    std::vector<std::tuple<DuiControl*, DuiControl*, UINT, WPARAM, LPARAM>> seen;
    auto childForm = DuiChildRoutine([&](DuiControl* parent, DuiControl* control, UINT code, WPARAM w,
                                         LPARAM l) { seen.emplace_back(parent, control, code, w, l); });
    auto topForm = DuiTopLevelRoutine([&](DuiControl* control, UINT code, WPARAM w, LPARAM l) {
        seen.emplace_back(nullptr, control, code, w, l);
    });
    child.SetEventHandler(DuiEvtClick, childForm);
    button.SetEventHandler(DuiEvtClick, topForm);
    group.SetEventHandler(DuiEvtClick, childForm); // a parent-form routine on a top-level control

    DuiDispatch(&child, DuiEvtClick, ToWParam(&child), Point(3, 4));
    DuiDispatch(&button, DuiEvtClick, ToWParam(&button), Point(5, 6));
    DuiDispatch(&group, DuiEvtClick, 0, 0);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_tuple(&group, &child, DuiEvtClick, ToWParam(&child), Point(3, 4)));
    EXPECT_EQ(seen[1], std::make_tuple(nullptr, &button, DuiEvtClick, ToWParam(&button), Point(5, 6)));
    EXPECT_EQ(seen[2], std::make_tuple(nullptr, &group, DuiEvtClick, WPARAM(0), LPARAM(0)));
}

TEST_F(Dispatch, ResultComesFromTheControlNotTheRoutine) {
    button.focusQuery = 1;
    button.SetEventHandler(DuiEvtFocusQuery, DuiTopLevelRoutine([](DuiControl*, UINT, WPARAM, LPARAM) {}));
    EXPECT_EQ(DuiDispatch(&button, DuiEvtFocusQuery, 0, 0), 1);
    EXPECT_EQ(DuiDispatch(nullptr, DuiEvtFocusQuery, 0, 0), 0);
}

TEST_F(Dispatch, ARoutineMayDestroyItsOwnControl) {
    button.SetEventHandler(DuiEvtClick, DuiTopLevelRoutine([&](DuiControl* control, UINT, WPARAM, LPARAM) {
                               control->Destroy(); // frees the event table this routine came from
                               calls.push_back("done");
                           }));
    DuiDispatch(&button, DuiEvtClick, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"done"}));
    EXPECT_FALSE(button.IsAttached());
}

// ---- Hit testing ----

TEST_F(ControlTree, HitTestFindsTheDeepestVisibleEnabledControl) {
    TestControl back, front, group, inside, hidden, hiddenChild, disabled, disabledChild;
    back.Create(h.hwnd(), {0, 0, 100, 100});
    front.Create(h.hwnd(), {50, 50, 100, 100});
    group.Create(h.hwnd(), {200, 0, 100, 100});
    inside.Create(&group, {210, 10, 20, 20});
    hidden.Create(h.hwnd(), {0, 150, 50, 50});
    hiddenChild.Create(&hidden, {0, 150, 10, 10});
    hidden.Visible(false);
    disabled.Create(h.hwnd(), {100, 150, 50, 50});
    disabledChild.Create(&disabled, {100, 150, 10, 10});
    disabled.Disabled(true);

    const struct {
        float x, y;
        DuiControl* expected;
    } cases[] = {
        {10, 10, &back},          {60, 60, &front},   // the later sibling wins where they overlap
        {149.9f, 149.9f, &front}, {150, 60, nullptr}, // right and bottom edges are outside
        {50, 50, &front},                             // left and top edges are inside
        {215, 15, &inside},                           // the deepest hit
        {250, 50, &group},        {5, 155, nullptr},  // a hidden control and its children
        {105, 155, nullptr},                          // a disabled one and its children
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitTest(h.host.LastTopLevel(), c.x, c.y), c.expected) << c.x << "," << c.y;
}

} // namespace
