// Measures the toolkit's painter on a window of the main window's size:
//   1. full recomposition of a 650 x 537 layered window with 30 controls
//      (goal: under 4 ms), without and with putting it on the screen;
//   2. one control repainting its image and presenting it (goal: under 1 ms),
//      for a layered and for an ordinary window;
//   3. the cost of one frame of a hover cross-fade.
// Prints the median and the mean of many runs and the ratio to each goal.
#include "toolkit/core/Composition.h"
#include "toolkit/core/DrawHelpers.h"
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/ImageLoad.h"
#include "toolkit/core/TextHelpers.h"
#include "toolkit/core/ToolkitStartup.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 650;
constexpr int kHeight = 537;
constexpr int kControls = 30;

// A control that paints like a push button: rounded face, gradient, border, text.
class BenchButton : public DuiControl {
public:
    DuiControl* Create(HWND host, const DuiRect& rect) {
        return Attach(host, DuiAttachParams(rect, kDuiKindButton, true, 60));
    }
    LRESULT HandleMessage(UINT code, WPARAM, LPARAM) override {
        if (code == WM_PAINT)
            Paint();
        else if (code == DuiEvtTransitionFinished)
            TransitionFrames(0);
        return -1;
    }
    void Paint() {
        DuiPaintContext context;
        if (!BeginControlPaint(context))
            return;
        const DuiRect face{0, 0, Rect().width, Rect().height};
        FillRoundRect(context.surface, face, 4, m_hover ? 0xD8FFFFFF : 0xB0FFFFFF);
        FillGradient(context.surface, AdjustRect(face, 1, 1, -2, -2), 0x000088FF, 0x660088FF);
        DrawRoundRect(context.surface, face, 4, 0x50000000);
        DrawTextEffect(context.surface, face, L"\u5f00\u59cb\u7ec4\u5408", DefaultFont(), 0xD2000000,
                       m_format.get(), kTextEffectNone);
        EndControlPaint(context);
    }
    void SetHover(bool hover) { m_hover = hover; }

private:
    bool m_hover = false;
    UniqueGpStringFormat m_format = [] {
        UniqueGpStringFormat format;
        GdipCreateStringFormat(Gdiplus::StringFormatFlagsNoWrap, 0, format.put());
        GdipSetStringFormatAlign(format.get(), Gdiplus::StringAlignmentCenter);
        GdipSetStringFormatLineAlign(format.get(), Gdiplus::StringAlignmentCenter);
        return format;
    }();
};

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct Figures {
    double median;
    double mean;
};

// Times `work` only; `setup` runs untimed before each run.
Figures Measure(int runs, const std::function<void()>& work, const std::function<void()>& setup = {}) {
    if (setup)
        setup();
    work(); // warm up caches and lazily made objects
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        const double start = NowMs();
        work();
        GdiFlush();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], std::accumulate(times.begin(), times.end(), 0.0) / double(times.size())};
}

void Report(const char* what, const Figures& f, double goalMs) {
    if (goalMs > 0)
        std::printf("%-58s median %7.3f ms  mean %7.3f ms  (%.2f x the %.0f ms goal)\n", what, f.median,
                    f.mean, f.median / goalMs, goalMs);
    else
        std::printf("%-58s median %7.3f ms  mean %7.3f ms\n", what, f.median, f.mean);
}

LRESULT CALLBACK BenchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = BenchWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TcToolkitBench";
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    return CreateWindowExW(0, L"TcToolkitBench", L"bench",
                           WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 20, 20, kWidth, kHeight,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A 681 x 550 background image, as the main window has.
std::vector<std::uint8_t> BackgroundBmp() {
    const int w = 681;
    const int h = 550;
    const int stride = (w * 3 + 3) & ~3;
    std::vector<std::uint8_t> file(54 + std::size_t(stride) * h, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = std::uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, std::uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(-h));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &file[54 + std::size_t(y) * stride + std::size_t(x) * 3];
            p[0] = std::uint8_t(150 + x / 8);
            p[1] = std::uint8_t(90 + y / 8);
            p[2] = 40;
        }
    return file;
}

struct BenchWindow {
    explicit BenchWindow(bool layered) : window(MakeWindow()) {
        DuiWindowOptions options;
        options.backgroundImage = image;
        if (layered)
            options.alpha = 255;
        options.blur = false;
        host.Create(window, options);
        for (int i = 0; i < kControls; ++i) {
            auto button = std::make_unique<BenchButton>();
            button->Create(window, {float(20 + (i % 5) * 122), float(50 + (i / 5) * 75), 110, 30});
            buttons.push_back(std::move(button));
        }
        host.Show(0);
    }
    ~BenchWindow() { DestroyWindow(window); }
    std::vector<std::uint8_t> image = BackgroundBmp();
    HWND window;
    DuiWindow host;
    std::vector<std::unique_ptr<BenchButton>> buttons;
};

// Starts a 4-frame hover cross-fade whose ticks the benchmark drives itself.
void StartHoverFade(HWND window, BenchButton& button) {
    static bool hover = false;
    hover = !hover; // alternate between entering and leaving
    button.TransitionFrames(4);
    button.SetHover(hover);
    button.Paint();
    KillTimer(window, reinterpret_cast<UINT_PTR>(&button) + 1);
}

// The second frame: composes the control's rect with the blend and presents.
void Tick(HWND window, BenchButton& button) {
    DuiControl::TransitionTimerProc(window, WM_TIMER, reinterpret_cast<UINT_PTR>(&button) + 1, 0);
}

} // namespace

int main() {
    if (!ToolkitStartup())
        return 1;
    const DuiRect whole{0, 0, float(kWidth), float(kHeight)};
    std::printf("Composition of a %d x %d window with %d controls (QueryPerformanceCounter)\n\n", kWidth,
                kHeight, kControls);
    {
        BenchWindow layered(true);
        Report("full recomposition, layered (restore + compose)",
               Measure(200, [&] { PaintRect(layered.host, whole, false); }), 4);
        Report("full recomposition, layered, presented (UpdateLayeredWindow)",
               Measure(50, [&] { PaintRect(layered.host, whole, true); }), 4);
        Report("  of which UpdateLayeredWindow alone", Measure(50, [&] { layered.host.Present(); }), 0);
        BenchButton& one = *layered.buttons[7];
        Report("one control repaint, layered, without presenting",
               Measure(200,
                       [&] {
                           layered.host.SuspendPainting(); // the image only
                           one.Paint();
                           layered.host.ResumePainting();
                           PaintRect(layered.host, one.Rect(), false);
                       }),
               1);
        Report("one control repaint and present, layered", Measure(50, [&] { one.Paint(); }), 1);
        // A hover cross-fade: each frame recomposes the control's rect and presents.
        Report("hover cross-fade frame, layered (one tick)",
               Measure(
                   50, [&] { Tick(layered.window, one); }, [&] { StartHoverFade(layered.window, one); }),
               0);
    }
    {
        BenchWindow plain(false);
        Report("full recomposition, ordinary window, presented (BitBlt)",
               Measure(200, [&] { PaintRect(plain.host, whole, true); }), 4);
        BenchButton& one = *plain.buttons[7];
        Report("one control repaint and present, ordinary window", Measure(200, [&] { one.Paint(); }), 1);
        Report("hover cross-fade frame, ordinary window (one tick)",
               Measure(
                   200, [&] { Tick(plain.window, one); }, [&] { StartHoverFade(plain.window, one); }),
               0);
    }
    return 0;
}
