#include "TestHost.h"

#include "toolkit/core/CaptionPlaceholders.h"
#include "toolkit/core/ToolkitStartup.h"

#include <gtest/gtest.h>

namespace {

const DWORD kFramedStyle = WS_OVERLAPPEDWINDOW; // caption, thick frame, both boxes

TEST(DuiWindowCreate, RefusesAnInvalidWindowAndASecondCreate) {
    DuiWindow host;
    EXPECT_FALSE(host.Create(nullptr));
    TestWindow window;
    ASSERT_TRUE(host.Create(window.get(), TestHost::NoCaption()));
    const LONG_PTR style = GetWindowLongPtrW(window.get(), GWL_STYLE);
    EXPECT_FALSE(host.Create(window.get(), TestHost::NoCaption()));
    DuiWindow other;
    EXPECT_FALSE(other.Create(window.get(), TestHost::NoCaption())); // another host serves it
    EXPECT_EQ(GetWindowLongPtrW(window.get(), GWL_STYLE), style);
    EXPECT_EQ(DuiWindow::FromWindow(window.get()), &host);
}

TEST(DuiWindowCreate, DefaultsFromTheWindowStyles) {
    TestWindow window(500, 300, kFramedStyle);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get()));
    EXPECT_EQ(host.CaptionFlags(), kCaptionIcon | kCaptionTitle | kCaptionClose | kCaptionMaximize |
                                       kCaptionMinimize | kCaptionCreated);
    EXPECT_EQ(host.CaptionButtons().size(), 3u);
    EXPECT_NE(host.CaptionLabel(), nullptr);
    EXPECT_NE(host.IconPicture(), nullptr);
    EXPECT_FALSE(host.Layered());
    const LONG_PTR style = GetWindowLongPtrW(window.get(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER), 0);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_NE(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(host.DefaultCursorHandle(), Toolkit().arrowCursor);
    EXPECT_NE(host.ToolTipWindow(), nullptr);
    // The thick frame made it resizable: the corner is a resize zone.
    EXPECT_EQ(host.HitBorder(WM_MOUSEMOVE, Point(3, 3)), 1);
}

TEST(DuiWindowCreate, CaptionButtonsSitAtTheRightEdge) {
    TestWindow window(500, 300, kFramedStyle);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get()));
    const auto& buttons = host.CaptionButtons();
    ASSERT_EQ(buttons.size(), 3u);
    // close, maximize, minimize from right to left
    EXPECT_EQ(buttons[0]->Rect(), (DuiRect{455, 7, 39, 19})); // spans width - 45 .. width - 6
    EXPECT_EQ(buttons[1]->Rect(), (DuiRect{427, 7, 28, 19}));
    EXPECT_EQ(buttons[2]->Rect(), (DuiRect{399, 7, 28, 19}));
    EXPECT_EQ(buttons[0]->Kind(), kDuiKindCaptionButton);
    // The title runs from after the icon up to the leftmost button.
    EXPECT_EQ(host.CaptionLabel()->Rect(), (DuiRect{28, 10, 399 - 28, 20}));
    EXPECT_EQ(host.IconPicture()->Rect(), (DuiRect{11, 11, 16, 16}));
}

TEST(DuiWindowCreate, GivenCaptionFlags) {
    const struct {
        int flags;
        DWORD style;
        std::size_t buttons;
        int expected;
    } cases[] = {
        {kCaptionTitle | kCaptionClose, kFramedStyle, 1, kCaptionTitle | kCaptionClose},
        {0, kFramedStyle, 0, 0},
        {kCaptionFromStyles, WS_POPUP | WS_MINIMIZEBOX, 2,
         kCaptionFromStyles | kCaptionIcon | kCaptionTitle | kCaptionClose | kCaptionMinimize},
        {kCaptionClose | kCaptionMenu | 32, WS_POPUP, 3, kCaptionClose | kCaptionMenu | 32},
    };
    for (const auto& c : cases) {
        TestWindow window(400, 300, c.style);
        DuiWindow host;
        DuiWindowOptions options;
        options.captionFlags = c.flags;
        ASSERT_TRUE(host.Create(window.get(), options));
        EXPECT_EQ(host.CaptionFlags(), c.expected | kCaptionCreated) << c.flags;
        EXPECT_EQ(host.CaptionButtons().size(), c.buttons) << c.flags;
        // The system menu style stays only when there is a caption.
        EXPECT_EQ((GetWindowLongPtrW(window.get(), GWL_STYLE) & WS_SYSMENU) != 0,
                  c.flags != 0 || (c.style & WS_SYSMENU))
            << c.flags;
    }
}

TEST(DuiWindowMessages, MinimumTrackSizeAndMaximizedPlacement) {
    const struct {
        int flags;
        LONG minWidth;
    } cases[] = {
        {kCaptionIcon | kCaptionTitle | kCaptionClose, 28 + 11 + 36},
        {kCaptionClose | kCaptionMaximize | kCaptionMinimize, 3 * 28 + 11 + 36},
        {kCaptionMinimize, 28 + 36},
        {0, 36},
    };
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (const auto& c : cases) {
        TestWindow window;
        DuiWindow host;
        DuiWindowOptions options;
        options.captionFlags = c.flags;
        ASSERT_TRUE(host.Create(window.get(), options));
        MINMAXINFO info{};
        EXPECT_EQ(SendMessageW(window.get(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
        EXPECT_EQ(info.ptMinTrackSize.x, c.minWidth) << c.flags;
        EXPECT_EQ(info.ptMinTrackSize.y, 38);
        EXPECT_EQ(info.ptMaxSize.x, work.right - work.left + 14);
        EXPECT_EQ(info.ptMaxPosition.y, work.top - 7);
    }
}

TEST(DuiWindowMessages, WholeWindowIsClientAreaAndAlwaysActiveLooking) {
    TestHost h;
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = {10, 10, 410, 310};
    EXPECT_EQ(SendMessageW(h.hwnd(), WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)), 1);
    EXPECT_EQ(params.rgrc[0].left, 10); // untouched: the client area is the whole window
    EXPECT_EQ(SendMessageW(h.hwnd(), WM_NCACTIVATE, FALSE, 0), 1);
    RECT client{};
    GetClientRect(h.hwnd(), &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
}

TEST(DuiWindowMessages, MessageHookSeesEverythingFirst) {
    TestHost h;
    std::vector<UINT> seen;
    h.host.SetMessageHook([&](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
        seen.push_back(message);
        return message == WM_NCACTIVATE ? 42 : -1;
    });
    EXPECT_EQ(SendMessageW(h.hwnd(), WM_NCACTIVATE, 0, 0), 42);
    EXPECT_EQ(SendMessageW(h.hwnd(), WM_NCCALCSIZE, TRUE, 0), 1);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_NCACTIVATE, WM_NCCALCSIZE}));
}

TEST(DuiWindowMessages, SetTextUpdatesTheTitle) {
    TestWindow window(400, 300, kFramedStyle);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get()));
    SetWindowTextW(window.get(), L"\u6807\u9898"); // 标题
    wchar_t text[16] = {};
    GetWindowTextW(window.get(), text, 16);
    EXPECT_STREQ(text, L"\u6807\u9898");
    auto* title = dynamic_cast<PlaceholderCaptionTitle*>(host.CaptionLabel());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Text(), L"\u6807\u9898");
}

TEST(DuiWindowMessages, ResizeLaysTheCaptionOutAgain) {
    TestWindow window(400, 300, kFramedStyle);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get()));
    std::vector<std::pair<int, int>> resized;
    host.SetResizedHook([&](HWND, int w, int h) { resized.emplace_back(w, h); });
    SetWindowPos(window.get(), nullptr, 0, 0, 600, 350, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(resized, (std::vector<std::pair<int, int>>{{600, 350}}));
    EXPECT_EQ(host.Width(), 600);
    EXPECT_EQ(host.BackBuffer().Width(), 600);
    EXPECT_EQ(host.CaptionButtons()[0]->Rect().x, 600 - 45);
}

TEST(DuiWindowMessages, DestroyTearsEverythingDown) {
    TestWindow window(400, 300, kFramedStyle);
    const LONG_PTR previous = GetWindowLongPtrW(window.get(), GWLP_WNDPROC);
    DuiWindow host;
    ASSERT_TRUE(host.Create(window.get()));
    TestControl control;
    control.Create(window.get(), {10, 40, 50, 20});
    EXPECT_NE(GetWindowLongPtrW(window.get(), GWLP_WNDPROC), previous);
    SendMessageW(window.get(), WM_DESTROY, 0, 0);
    EXPECT_EQ(GetWindowLongPtrW(window.get(), GWLP_WNDPROC), previous);
    EXPECT_EQ(GetPropW(window.get(), kHostProperty), nullptr);
    EXPECT_FALSE(control.IsAttached());
    EXPECT_EQ(control.Codes({WM_DESTROY}).size(), 1u);
    EXPECT_FALSE(host.IsInstalled());
    EXPECT_FALSE(host.BackBuffer());
    EXPECT_EQ(host.FirstTopLevel(), nullptr);
    EXPECT_EQ(host.CaptionFlags(), 0);
}

TEST(DuiWindowMessages, LayeredWhenAnAlphaIsGiven) {
    DuiWindowOptions options = TestHost::NoCaption();
    options.alpha = 255;
    TestHost h(options);
    EXPECT_TRUE(h.host.Layered());
    EXPECT_NE(GetWindowLongPtrW(h.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    // Blur is only for layered windows when it is given.
    DuiWindowOptions notLayered = TestHost::NoCaption();
    notLayered.blur = true;
    TestHost plain(notLayered);
    EXPECT_FALSE(plain.host.Blur());
}

TEST(DuiWindowMessages, SetCursorShowsTheHoverControlsCursor) {
    TestHost h;
    TestControl withCursor, without;
    withCursor.Create(h.hwnd(), {10, 10, 50, 50});
    withCursor.CursorById(IDC_HAND);
    without.Create(h.hwnd(), {100, 10, 50, 50});
    SendMessageW(h.hwnd(), WM_MOUSEMOVE, 0, Point(20, 20));
    EXPECT_EQ(SendMessageW(h.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(h.hwnd()), HTCLIENT), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    SendMessageW(h.hwnd(), WM_MOUSEMOVE, 0, Point(120, 20));
    SendMessageW(h.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(h.hwnd()), HTCLIENT);
    EXPECT_EQ(GetCursor(), Toolkit().arrowCursor);
}

} // namespace
