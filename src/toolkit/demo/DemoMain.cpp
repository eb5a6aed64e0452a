// toolkit-demo: a skinned host window with a few placeholder controls, to look
// at the skin, the shadow, the caption buttons and the animations.
//
//   toolkit-demo             opens the window with the wipe from the top
//   toolkit-demo --plain     the same window without an alpha: a window region
//                            instead of the drawn shadow
//   toolkit-demo --snapshot FILE.png
//                            saves the composed window with its alpha (shadow
//                            included) as a PNG once it is shown, and exits
#include "DemoControls.h"
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/ImageLoad.h"
#include "toolkit/core/ToolkitStartup.h"

#include <shellapi.h>

#include <optional>
#include <string>

namespace {

constexpr wchar_t kDemoClass[] = L"TcToolkitDemo";

struct Demo {
    DuiWindow host;
    DemoPanel panel;
    DemoLabel title;
    DemoLabel status;
    DemoButton hello;
    DemoButton next;
    DemoButton faded;
    DemoButton disabled;
    DemoButton inPanel;
    DemoTile tile;
    int clicks = 0;
};

LRESULT CALLBACK DemoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The argument after `wanted` ("" when it is last), or nothing when absent.
std::optional<std::wstring> Argument(const wchar_t* wanted) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::optional<std::wstring> found;
    for (int i = 1; i < count && !found; ++i)
        if (std::wstring(arguments[i]) == wanted)
            found = i + 1 < count ? arguments[i + 1] : L"";
    LocalFree(arguments);
    return found;
}

bool SavePng(GpBitmap* bitmap, const std::wstring& path) {
    // The PNG encoder of GDI+.
    static const CLSID kPngEncoder = {
        0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    return GdipSaveImageToFile(bitmap, path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
}

HWND CreateDemoWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DemoWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(129));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(129), IMAGE_ICON, 16, 16, 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kDemoClass;
    if (!RegisterClassExW(&windowClass))
        return nullptr;
    return CreateWindowExW(0, kDemoClass, L"\u5de5\u5177\u5305\u6f14\u793a", // 工具包演示
                           WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, 60,
                           60, 650, 537, nullptr, nullptr, instance, nullptr);
}

void BuildControls(Demo& demo, HWND window) {
    demo.title.Create(window, {24, 44, 420, 24},
                      L"\u6807\u9898\u7ec4\u5408\u5668 \u00b7 \u5de5\u5177\u5305", // 标题组合器 · 工具包
                      0xFFFFFFFF);
    demo.panel.Create(window, {24, 84, 602, 300});
    demo.hello.Create(window, {48, 108, 120, 34}, L"\u6309\u94ae(&D)");    // 按钮(&D)
    demo.next.Create(window, {188, 108, 120, 34}, L"\u6ed1\u52a8(&N)");    // 滑动(&N)
    demo.faded.Create(window, {328, 108, 120, 34}, L"\u534a\u900f\u660e"); // 半透明
    demo.disabled.Create(window, {468, 108, 120, 34}, L"\u7981\u7528");    // 禁用
    demo.tile.Create(window, {48, 170, 180, 120});
    // Half of this button lies outside the panel: the panel clips it.
    demo.inPanel.Create(&demo.panel, {540, 340, 140, 34}, L"\u88c1\u526a");                  // 裁剪
    demo.status.Create(window, {24, 400, 600, 24}, L"\u70b9\u51fb\u6309\u94ae", 0xFFFFFFFF); // 点击按钮
    demo.faded.Alpha(128);
    demo.disabled.Disabled(true);
    demo.hello.TipText("\xB5\xE3\xCE\xD2", true); // 点我

    demo.hello.SetEventHandler(DuiEvtClick, DuiTopLevelRoutine([&demo](DuiControl*, UINT, WPARAM, LPARAM) {
                                   ++demo.clicks;
                                   demo.status.SetText(L"\u70b9\u51fb\u6b21\u6570: " +
                                                       std::to_wstring(demo.clicks)); // 点击次数:
                               }));
    demo.next.SetEventHandler(
        DuiEvtClick, DuiTopLevelRoutine([&demo](DuiControl*, UINT, WPARAM, LPARAM) { demo.tile.Next(); }));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (!ToolkitStartup())
        return 1;
    HWND window = CreateDemoWindow(instance);
    if (!window)
        return 1;
    static Demo demo;
    DuiWindowOptions options;
    options.backgroundImage = ResourceBytes(L"TC_SKIN_BACKGROUND");
    if (!Argument(L"--plain"))
        options.alpha = 255;
    if (!demo.host.Create(window, options))
        return 1;
    BuildControls(demo, window);
    demo.host.CloseAnimation(2);
    demo.host.Show(5);
    if (const auto snapshot = Argument(L"--snapshot"))
        return SavePng(demo.host.BackBuffer().Bitmap(), *snapshot) ? 0 : 1;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
