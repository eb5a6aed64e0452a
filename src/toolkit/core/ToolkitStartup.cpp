#include "toolkit/core/ToolkitStartup.h"

#include "toolkit/core/ImageLoad.h"
#include "toolkit/core/TextHelpers.h"

#include <commctrl.h>

#include <algorithm>
#include <mutex>

namespace {

// Resource 129 of the executable is the program's icon.
constexpr int kProgramIconResource = 129;

bool CanMakeFont(std::wstring_view face) {
    const std::wstring name(face);
    UniqueGpFontFamily family;
    if (GdipCreateFontFamilyFromName(name.c_str(), nullptr, family.put()) != Gdiplus::Ok)
        return false;
    UniqueGpFont font;
    return GdipCreateFont(family.get(), 12, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, font.put()) ==
           Gdiplus::Ok;
}

std::wstring CaptionFontFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        // Systems before Vista reject the larger structure of newer headers.
        metrics.cbSize = sizeof metrics - sizeof metrics.iPaddedBorderWidth;
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            return {};
    }
    return metrics.lfCaptionFont.lfFaceName;
}

void MakeDefaultFont(ToolkitState& state) {
    state.defaultFontFace = ChooseDefaultFontFace(CaptionFontFace(), CanMakeFont);
    UniqueGpFontFamily family;
    if (state.defaultFontFace.empty() ||
        GdipCreateFontFamilyFromName(state.defaultFontFace.c_str(), nullptr, family.put()) != Gdiplus::Ok) {
        GdipGetGenericFontFamilySansSerif(family.put());
        wchar_t name[LF_FACESIZE] = {};
        if (family)
            GdipGetFamilyName(family.get(), name, 0);
        state.defaultFontFace = name;
    }
    if (family)
        GdipCreateFont(family.get(), 12, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel,
                       state.defaultFont.put());
}

void RegisterToolkitClass(const ToolkitState& state) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kToolkitWindowClass, &windowClass))
        return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconResource));
    windowClass.hCursor = state.arrowCursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kToolkitWindowClass;
    RegisterClassExW(&windowClass);
}

} // namespace

ToolkitState& Toolkit() {
    static ToolkitState state;
    return state;
}

int ReadSystemMajorVersion() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                                     reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                               : nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (rtlGetVersion && rtlGetVersion(&info) == 0)
        return int(info.dwMajorVersion);
    return 0;
}

bool ToolkitStartup() {
    ToolkitState& state = Toolkit();
    if (state.started)
        return true;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&state.gdiplusToken, &input, nullptr) != Gdiplus::Ok)
        return false;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES}; // the tooltip class
    InitCommonControlsEx(&controls);
    state.systemMajorVersion = ReadSystemMajorVersion();
    MakeDefaultFont(state);
    state.arrowCursor = LoadCursorW(nullptr, IDC_ARROW);
    state.captionSprite = LoadImageFromBytes(ResourceBytes(kCaptionSpriteResource));
    RegisterToolkitClass(state);
    state.started = true;
    return true;
}

namespace {

struct ThreadResources {
    UniqueGpFont font;
    UniqueGpBitmap sprite;
    DibSurface scratch;
};

ThreadResources& ThisThread() {
    thread_local ThreadResources resources;
    return resources;
}

// Guards the originals while a thread copies them.
std::mutex& OriginalsLock() {
    static std::mutex lock;
    return lock;
}

} // namespace

GpFont* DefaultFont() {
    ThreadResources& mine = ThisThread();
    if (!mine.font) {
        const std::lock_guard<std::mutex> lock(OriginalsLock());
        if (Toolkit().defaultFont)
            GdipCloneFont(Toolkit().defaultFont.get(), mine.font.put());
    }
    return mine.font.get();
}

GpBitmap* CaptionSprite() {
    ThreadResources& mine = ThisThread();
    if (!mine.sprite) {
        const std::lock_guard<std::mutex> lock(OriginalsLock());
        GpImage* copy = nullptr;
        if (Toolkit().captionSprite && GdipCloneImage(Toolkit().captionSprite.get(), &copy) == Gdiplus::Ok)
            mine.sprite.reset(static_cast<GpBitmap*>(copy));
    }
    return mine.sprite.get();
}

DibSurface& ScratchBuffer(int width, int height) {
    DibSurface& scratch = ThisThread().scratch;
    if (!scratch || scratch.Width() < width || scratch.Height() < height)
        scratch.Create(std::max(width, scratch.Width()), std::max(height, scratch.Height()));
    return scratch;
}
