// Composition and repaint, checked on the pixels of the host's back buffer.
#include "toolkit/core/Composition.h"
#include "TestHost.h"
#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kBlue = 0xFF0000FF;
constexpr Argb kGreen = 0xFF00FF00;

struct Rgb {
    int r, g, b;
};

class Composition : public ::testing::Test {
protected:
    std::uint32_t Pixel(int x, int y) { return h.host.BackBuffer().Pixel(x, y); }
    void ExpectRgb(int x, int y, Rgb expected, int tolerance = 4) {
        const std::uint32_t p = Pixel(x, y);
        EXPECT_NEAR(PixelRed(p), expected.r, tolerance) << x << "," << y;
        EXPECT_NEAR(PixelGreen(p), expected.g, tolerance) << x << "," << y;
        EXPECT_NEAR(PixelBlue(p), expected.b, tolerance) << x << "," << y;
    }
    TestControl& Add(const DuiRect& rect, Argb colour) {
        auto control = std::make_unique<TestControl>();
        control->fill = colour;
        control->Create(h.hwnd(), rect);
        controls.push_back(std::move(control));
        return *controls.back();
    }
    TestHost h; // white background, rounded frame, not layered
    std::vector<std::unique_ptr<TestControl>> controls;
};

const Rgb kWhite{254, 254, 254}; // the background is filled at alpha 254

TEST_F(Composition, ControlAlphaLetsTheBackgroundThrough) {
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    ExpectRgb(60, 60, {255, 0, 0});
    c.Alpha(128);
    PumpMessages();
    ExpectRgb(60, 60, {254, 127, 127});
    ExpectRgb(100, 60, kWhite); // outside the control
}

TEST_F(Composition, DisabledControlsAreDrawnAtHalfAlphaUnlessTheySayOtherwise) {
    TestControl& plain = Add({50, 50, 40, 40}, kRed);
    TestControl& own = Add({150, 50, 40, 40}, kRed);
    own.disabledLook = 0;
    plain.Disabled(true);
    own.Disabled(true);
    PumpMessages();
    ExpectRgb(60, 60, {254, 127, 127});
    ExpectRgb(160, 60, {255, 0, 0});
}

TEST_F(Composition, ChildrenStayInsideTheirParentAndSiblingsAfterAreNotClipped) {
    TestControl& parent = Add({50, 50, 100, 100}, kBlue);
    auto child = std::make_unique<TestControl>();
    child->fill = kRed;
    child->Create(&parent, {120, 120, 100, 100});
    TestControl& later = Add({130, 170, 60, 20}, kGreen);
    (void)later;
    h.host.RepaintAll();
    ExpectRgb(140, 140, {255, 0, 0}); // the child, inside its parent
    ExpectRgb(160, 140, kWhite);      // the child's rect beyond its parent's: clipped
    ExpectRgb(140, 160, kWhite);
    ExpectRgb(180, 175, {0, 255, 0}); // the next top-level sibling paints normally there
    ExpectRgb(60, 60, {0, 0, 255});
    child->Destroy();
}

TEST_F(Composition, OnlyControlsTouchingThePaintRectAreComposed) {
    TestControl& inside = Add({50, 50, 40, 40}, kRed);
    TestControl& outside = Add({200, 50, 40, 40}, kBlue);
    inside.disabledLook = 0;
    outside.disabledLook = 0;
    inside.Disabled(true);
    outside.Disabled(true);
    PumpMessages();
    inside.ClearLog();
    outside.ClearLog();
    PaintRect(h.host, {40, 40, 60, 60}, false);
    EXPECT_EQ(inside.Codes({DuiEvtDisabledLook}).size(), 1u);
    EXPECT_TRUE(outside.Codes({DuiEvtDisabledLook}).empty());
    // Touching edges is no overlap.
    inside.ClearLog();
    PaintRect(h.host, {90, 40, 10, 10}, false);
    EXPECT_TRUE(inside.Codes({DuiEvtDisabledLook}).empty());
}

TEST_F(Composition, MoveRepaintsTheOldAndTheNewPlace) {
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    c.Move(200.f, 100.f);
    ExpectRgb(60, 60, kWhite);
    ExpectRgb(210, 110, {255, 0, 0});
    c.Visible(false);
    PumpMessages();
    ExpectRgb(210, 110, kWhite);
}

TEST_F(Composition, PaintOutsideTheControlClipRegionIsNotTouched) {
    // The frame's corner lies outside the region that clips the controls.
    Add({0, 0, 60, 60}, kRed);
    const std::uint32_t background = h.host.BackgroundCopy().Pixel(2, 2);
    EXPECT_EQ(Pixel(2, 2), background);
    ExpectRgb(30, 30, {255, 0, 0});
}

// Drives a control's transition one timer tick at a time.
void Tick(TestHost& h, DuiControl& c) {
    DuiControl::TransitionTimerProc(h.hwnd(), WM_TIMER, reinterpret_cast<UINT_PTR>(&c) + 1, 0);
}

TEST_F(Composition, CrossFadeOfFourFramesBlendsInQuarters) {
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    c.TransitionFrames(4, 60);
    c.ClearLog();
    c.Paint(kBlue);
    EXPECT_EQ(c.Codes({DuiEvtTransitionStarted}).size(), 1u);
    KillTimer(h.hwnd(), reinterpret_cast<UINT_PTR>(&c) + 1); // the test ticks by hand
    ExpectRgb(60, 60, {255, 0, 0});                          // nothing changed on the screen yet
    for (int p = 1; p <= 4; ++p) {
        Tick(h, c);
        ExpectRgb(60, 60, {255 * (4 - p) / 4, 0, 255 * p / 4}, 5);
    }
    EXPECT_EQ(c.Codes({DuiEvtTransitionFinished}).size(), 1u);
    EXPECT_EQ(c.PreviousImage(), nullptr);
    EXPECT_EQ(c.TransitionPosition(), 0);
    c.TransitionFrames(0);
    h.host.RepaintAll(); // drawn normally afterwards
    ExpectRgb(60, 60, {0, 0, 255});
}

TEST_F(Composition, CrossFadeOfATranslucentControlEndsOnItsNewLook) {
    // Both looks are drawn at the control's alpha; the blend itself runs from
    // the old look to the new one, so the last frames approach the new look.
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    c.Alpha(128);
    PumpMessages();
    c.TransitionFrames(4, 60);
    c.Paint(kBlue);
    KillTimer(h.hwnd(), reinterpret_cast<UINT_PTR>(&c) + 1);
    for (int p = 1; p <= 3; ++p)
        Tick(h, c);
    // Old look: white and red half and half; new look: white and blue.
    ExpectRgb(60, 60, {(254 * 1 + 127 * 3) / 4, 127, (127 * 1 + 254 * 3) / 4}, 6);
    Tick(h, c);
    ExpectRgb(60, 60, {127, 127, 254}, 4);
}

TEST_F(Composition, SlidesMoveTheContentInsideTheControl) {
    const struct {
        int kind;
        int newX, newY; // where the new image shows after two of four ticks
        int oldX, oldY; // and the old one
    } cases[] = {
        {1, 60, 55, 60, 75}, // slides down: the new look comes in from the top
        {2, 60, 75, 60, 55}, // slides up
        {3, 55, 60, 75, 60}, // slides right
        {4, 75, 60, 55, 60}, // slides left
    };
    for (const auto& c : cases) {
        TestControl& control = Add({50, 50, 40, 40}, kRed);
        control.TransitionKind(c.kind);
        control.TransitionFrames(4, 60);
        control.Paint(kBlue);
        KillTimer(h.hwnd(), reinterpret_cast<UINT_PTR>(&control) + 1);
        Tick(h, control);
        Tick(h, control);
        ExpectRgb(c.newX, c.newY, {0, 0, 255});
        ExpectRgb(c.oldX, c.oldY, {255, 0, 0});
        ExpectRgb(60, 95, kWhite); // nothing slides out of the control's rect
        ExpectRgb(95, 60, kWhite);
        control.Destroy();
        h.host.RepaintAll();
    }
}

TEST_F(Composition, AControlMayDrawItsOwnTransitionFrame) {
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    c.transitionPaint = 1; // draws nothing itself
    c.TransitionFrames(4, 60);
    c.Paint(kBlue);
    KillTimer(h.hwnd(), reinterpret_cast<UINT_PTR>(&c) + 1);
    Tick(h, c);
    const auto asked = c.Messages(DuiEvtTransitionPaint);
    ASSERT_EQ(asked.size(), 1u);
    const auto* context = reinterpret_cast<const DuiComposeContext*>(asked[0].lParam);
    (void)context; // only valid during the call
    ExpectRgb(60, 60, kWhite);
}

TEST_F(Composition, RepaintQueueDrainsInOrderWithFrontInsertions) {
    // A disabled control over the window reports the rect being composed
    // whenever it is asked for its disabled look.
    TestControl& probe = Add({20, 20, 360, 260}, kRed);
    probe.disabledLook = 0;
    probe.Disabled(true);
    PumpMessages();
    std::vector<RECT> painted;
    bool first = true;
    probe.onMessage = [&](UINT code) {
        if (code != DuiEvtDisabledLook)
            return;
        RECT box{};
        GetClipBox(h.host.BackBuffer().Dc(), &box);
        painted.push_back(box);
        if (first) {
            first = false;
            EXPECT_FALSE(h.host.RepaintQueue().IsIdle());
            h.host.AddDirtyRect({30, 30, 10, 10}, kInvalidateQueue);      // waits for the drain
            h.host.AddDirtyRect({50, 50, 10, 10}, kInvalidateQueueFront); // goes before it
            h.host.AddDirtyRect({70, 70, 10, 10}, kInvalidateNow);        // painted at once
        }
    };
    h.host.AddDirtyRect({100, 100, 10, 10}, kInvalidateQueue);
    ASSERT_EQ(painted.size(), 4u);
    const LONG expectedLeft[] = {100, 70, 50, 30};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(painted[i].left, expectedLeft[i]) << i;
    EXPECT_TRUE(h.host.RepaintQueue().IsIdle());
}

TEST_F(Composition, PaintCycleNeedsAnAttachedControlAndClearsItsArea) {
    TestControl detached;
    DuiPaintContext context;
    EXPECT_FALSE(detached.BeginControlPaint(context));

    TestControl& c = Add({50, 50, 40, 40}, kRed);
    ASSERT_TRUE(c.BeginControlPaint(context, DuiRect{0, 0, 10, 10}));
    EXPECT_EQ(context.area, (DuiRect{0, 0, 10, 10}));
    EXPECT_EQ(context.surface, c.Surface());
    EXPECT_EQ(context.root, &h.host);
    EXPECT_EQ(c.Image()->Pixel(5, 5), 0u);
    EXPECT_EQ(c.Image()->Pixel(15, 5), kRed);
    c.EndControlPaint(context);
    // Put on the screen at once: the cleared corner shows the background.
    ExpectRgb(55, 55, kWhite);
    ExpectRgb(65, 55, {255, 0, 0});
}

TEST_F(Composition, RedrawDisabledKeepsTheScreenAsItWas) {
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    c.LockUpdate();
    c.Paint(kBlue);
    ExpectRgb(60, 60, {255, 0, 0});
    c.UnlockUpdate();
    c.Paint(kBlue);
    ExpectRgb(60, 60, {0, 0, 255});
}

TEST_F(Composition, SnapshotEventsUnlessSuppressed) {
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    TestControl& hidden = Add({150, 50, 40, 40}, kRed);
    hidden.Visible(false);
    PumpMessages();
    c.ClearLog();
    hidden.ClearLog();
    h.host.SetBackground({}, std::nullopt, -1);
    EXPECT_EQ(c.Codes({DuiEvtSnapshot}).size(), 1u);
    EXPECT_TRUE(hidden.Codes({DuiEvtSnapshot}).empty());
    c.ClearLog();
    h.host.SetBackground({}, std::nullopt, -1, true);
    EXPECT_TRUE(c.Codes({DuiEvtSnapshot}).empty());
    ExpectRgb(60, 60, {255, 0, 0}); // the controls are drawn over the new skin
}

TEST_F(Composition, NothingIsComposedWhilePaintingIsSuspended) {
    TestControl& c = Add({50, 50, 40, 40}, kRed);
    h.host.SuspendPainting();
    c.Paint(kBlue);
    c.Move(60.f);
    ExpectRgb(55, 60, {255, 0, 0});
    h.host.ResumePainting();
    h.host.RepaintAll();
    ExpectRgb(55, 60, kWhite);
    ExpectRgb(65, 60, {0, 0, 255});
}

// A layered host that records the part of the window each present sends.
class RecordingHost : public DuiWindow {
public:
    std::vector<RECT> presented;

protected:
    void PresentLayered(HDC source, RECT changed) override {
        presented.push_back(changed);
        DuiWindow::PresentLayered(source, changed);
    }
};

bool Covers(const RECT& outer, const DuiRect& inner) {
    return outer.left <= inner.x && outer.top <= inner.y && outer.right >= inner.Right() &&
           outer.bottom >= inner.Bottom();
}

TEST(LayeredPresent, SendsWhatWasComposedSinceTheLastPresentAndNoMore) {
    TestWindow window(400, 300);
    RecordingHost host;
    DuiWindowOptions options = TestHost::NoCaption();
    options.alpha = 255;
    ASSERT_TRUE(host.Create(window.get(), options));
    ASSERT_FALSE(host.presented.empty());
    EXPECT_TRUE(Covers(host.presented.back(), {0, 0, 400, 300})) << "creation presents the whole window";

    TestControl first, second;
    first.fill = second.fill = kRed;
    first.Create(window.get(), {20, 20, 40, 40});
    second.Create(window.get(), {200, 150, 40, 40});
    PumpMessages();

    // Composed without presenting, then a repaint elsewhere: one present covers both.
    host.presented.clear();
    PaintRect(host, first.Rect(), false);
    EXPECT_TRUE(host.presented.empty());
    second.Paint(kBlue);
    PumpMessages();
    ASSERT_EQ(host.presented.size(), 1u);
    EXPECT_TRUE(Covers(host.presented[0], first.Rect()));
    EXPECT_TRUE(Covers(host.presented[0], second.Rect()));
    EXPECT_FALSE(Covers(host.presented[0], {0, 0, 400, 300})) << "a repaint sends only its part";

    // The next repaint no longer carries the first control's rect.
    host.presented.clear();
    second.Paint(kGreen);
    PumpMessages();
    ASSERT_EQ(host.presented.size(), 1u);
    EXPECT_TRUE(Covers(host.presented[0], second.Rect()));
    EXPECT_FALSE(Covers(host.presented[0], first.Rect()));

    // A control moved in a layered window: its old and new rects in one present.
    host.presented.clear();
    const DuiRect before = first.Rect();
    first.Move(100, 60, 40, 40);
    PumpMessages();
    ASSERT_EQ(host.presented.size(), 1u);
    EXPECT_TRUE(Covers(host.presented[0], before));
    EXPECT_TRUE(Covers(host.presented[0], first.Rect()));

    // An explicit present sends the whole window.
    host.presented.clear();
    host.Present();
    ASSERT_EQ(host.presented.size(), 1u);
    EXPECT_TRUE(Covers(host.presented[0], {0, 0, 400, 300}));
    first.Destroy();
    second.Destroy();
}

} // namespace
