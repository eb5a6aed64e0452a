#include "TestHost.h"

#include "toolkit/core/DrawHelpers.h"

#include <algorithm>

namespace {

constexpr wchar_t kTestClass[] = L"TcToolkitTestWindow";

void RegisterTestClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kTestClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

DuiControl* TestControl::Create(DuiOwner owner, const DuiRect& rect, bool focusable, int kind) {
    return Attach(owner, DuiAttachParams(rect, kind, focusable));
}

LRESULT TestControl::HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) {
    log.push_back({code, wParam, lParam});
    if (onMessage)
        onMessage(code);
    switch (code) {
    case WM_PAINT:
        if (fill)
            Paint(fill);
        return -1;
    case DuiEvtWantsCapture:
        return wantsCapture;
    case DuiEvtDisabledLook:
        return disabledLook;
    case DuiEvtFocusQuery:
        return focusQuery;
    case DuiEvtTransitionPaint:
        return transitionPaint;
    case WM_KEYDOWN:
        return keyDown;
    default:
        return -1;
    }
}

void TestControl::Paint(Argb colour) {
    fill = colour;
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    GdipSetCompositingMode(context.surface, Gdiplus::CompositingModeSourceCopy);
    FillRect(context.surface, context.area, colour);
    GdipSetCompositingMode(context.surface, Gdiplus::CompositingModeSourceOver);
    EndControlPaint(context);
}

std::vector<UINT> TestControl::Codes(std::initializer_list<UINT> only) const {
    std::vector<UINT> codes;
    for (const LoggedMessage& m : log)
        if (only.size() == 0 || std::find(only.begin(), only.end(), m.code) != only.end())
            codes.push_back(m.code);
    return codes;
}

std::vector<LoggedMessage> TestControl::Messages(UINT code) const {
    std::vector<LoggedMessage> result;
    for (const LoggedMessage& m : log)
        if (m.code == code)
            result.push_back(m);
    return result;
}

TestWindow::TestWindow(int width, int height, DWORD style, DWORD exStyle, const wchar_t* title) {
    RegisterTestClass();
    m_window = CreateWindowExW(exStyle, kTestClass, title, style, 40, 40, width, height, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    if (IsWindow(m_window))
        DestroyWindow(m_window);
    PumpMessages();
}

DuiWindowOptions TestHost::NoCaption() {
    DuiWindowOptions options;
    options.captionFlags = 0;
    options.backgroundColour = MakeColourRef(255, 255, 255);
    return options;
}

TestHost::TestHost(const DuiWindowOptions& options, int width, int height, DWORD style)
    : window(width, height, style) {
    host.Create(window.get(), options);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PumpMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        PumpMessages();
        Sleep(5);
    }
    PumpMessages();
}
