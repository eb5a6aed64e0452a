#include "toolkit/core/CaptionPlaceholders.h"

#include "toolkit/core/DrawHelpers.h"
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/ImageLoad.h"
#include "toolkit/core/TextHelpers.h"
#include "toolkit/core/ToolkitStartup.h"
#include "util/CodePage.h"

namespace {

// Left edges of the sprite cells: normal, hover, pressed.
struct SpriteCells {
    int buttonKind;
    int x[3];
};
constexpr SpriteCells kCells[] = {
    {4, {0, 40, 80}},       {8, {120, 149, 178}},   {-8, {207, 236, 265}}, // -8: restore
    {16, {294, 323, 352}},  {32, {381, 410, 439}},  {64, {468, 497, 526}},
    {128, {555, 584, 613}}, {256, {642, 671, 700}},
};

int SpriteX(int buttonKind, int state) {
    for (const SpriteCells& cells : kCells)
        if (cells.buttonKind == buttonKind)
            return cells.x[state < 0 || state > 2 ? 0 : state];
    return 0;
}

class PlaceholderFactory : public DuiCaptionFactory {
public:
    std::unique_ptr<DuiControl> CreateIcon(HWND host, const DuiRect& rect, HICON icon) override {
        auto control = std::make_unique<PlaceholderCaptionIcon>();
        return control->Create(host, rect, icon) ? std::move(control) : nullptr;
    }
    std::unique_ptr<DuiControl> CreateTitle(HWND host, const DuiRect& rect, std::string_view text) override {
        auto control = std::make_unique<PlaceholderCaptionTitle>();
        return control->Create(host, rect, text) ? std::move(control) : nullptr;
    }
    void SetTitleText(DuiControl& title, std::string_view text) override {
        if (auto* label = dynamic_cast<PlaceholderCaptionTitle*>(&title))
            label->SetText(text);
    }
    std::unique_ptr<DuiControl> CreateButton(HWND host, const DuiRect& rect, int kind) override {
        auto control = std::make_unique<PlaceholderCaptionButton>();
        return control->Create(host, rect, kind) ? std::move(control) : nullptr;
    }
};

DuiCaptionFactory* g_captionFactory = nullptr;

} // namespace

void SetCaptionFactory(DuiCaptionFactory* factory) {
    g_captionFactory = factory;
}

DuiCaptionFactory& CaptionFactory() {
    static PlaceholderFactory placeholders;
    return g_captionFactory ? *g_captionFactory : placeholders;
}

DuiControl* PlaceholderCaptionIcon::Create(HWND host, const DuiRect& rect, HICON icon) {
    m_icon = icon;
    return Attach(host, DuiAttachParams(rect, kDuiKindPicture, false));
}

LRESULT PlaceholderCaptionIcon::HandleMessage(UINT code, WPARAM, LPARAM) {
    if (code == WM_PAINT)
        Paint();
    return -1;
}

void PlaceholderCaptionIcon::Paint() {
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    UniqueGpBitmap image = BitmapFromIcon(m_icon);
    if (image)
        GdipDrawImageRect(context.surface, image.get(), 0, 0, Rect().width, Rect().height);
    EndControlPaint(context);
}

DuiControl* PlaceholderCaptionTitle::Create(HWND host, const DuiRect& rect, std::string_view gbkText) {
    m_text = GbkToWide(gbkText);
    return Attach(host, DuiAttachParams(rect, kDuiKindLabel, false));
}

void PlaceholderCaptionTitle::SetText(std::string_view gbkText) {
    std::wstring text = GbkToWide(gbkText);
    if (text == m_text)
        return;
    m_text = std::move(text);
    Redraw();
}

LRESULT PlaceholderCaptionTitle::HandleMessage(UINT code, WPARAM, LPARAM) {
    if (code == WM_PAINT || code == DuiEvtResized)
        Paint();
    return -1;
}

void PlaceholderCaptionTitle::Paint() {
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    UniqueGpStringFormat format;
    GdipCreateStringFormat(Gdiplus::StringFormatFlagsNoWrap, 0, format.put());
    GdipSetStringFormatTrimming(format.get(), Gdiplus::StringTrimmingEllipsisCharacter);
    GdipSetStringFormatLineAlign(format.get(), Gdiplus::StringAlignmentCenter);
    DrawTextEffect(context.surface, {0, 0, Rect().width, Rect().height}, m_text, DefaultFont(),
                   MakeArgb(250, 255, 255, 255), format.get(), kTextEffectNone);
    EndControlPaint(context);
}

DuiControl* PlaceholderCaptionButton::Create(HWND host, const DuiRect& rect, int buttonKind) {
    m_buttonKind = buttonKind;
    return Attach(host, DuiAttachParams(rect, kDuiKindCaptionButton, true, 60));
}

LRESULT PlaceholderCaptionButton::HandleMessage(UINT code, WPARAM, LPARAM) {
    switch (code) {
    case WM_PAINT:
        Paint(0, true);
        break;
    case WM_LBUTTONDOWN:
        Paint(2, false);
        break;
    case WM_LBUTTONUP:
        Paint(1, false);
        break;
    case DuiEvtMouseEnter:
        Paint(1, false, 3);
        break;
    case DuiEvtMouseLeave:
        Paint(0, false, 4);
        break;
    case DuiEvtTransitionFinished:
        TransitionFrames(0);
        break;
    case DuiEvtClick:
        OnClick();
        break;
    case DuiEvtWantsCapture:
        return 0; // takes presses without taking the focus
    case DuiMsgMoved:
        if (m_buttonKind == kCaptionMaximize)
            Paint(0, true); // the picture follows the window's zoomed state
        break;
    case WM_DESTROY:
        m_state = -1;
        break;
    default:
        break;
    }
    return -1;
}

void PlaceholderCaptionButton::Paint(int state, bool forced, int frames) {
    if (state == m_state && !forced)
        return;
    m_state = state;
    TransitionFrames(frames);
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    GpBitmap* sprite = CaptionSprite();
    const bool restore = m_buttonKind == kCaptionMaximize && IsZoomed(GetHostWindow());
    if (sprite)
        GdipDrawImageRectRect(context.surface, sprite, 0, 0, Rect().width, Rect().height,
                              float(SpriteX(restore ? -8 : m_buttonKind, state)), 2, Rect().width, 19,
                              Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    EndControlPaint(context);
}

void PlaceholderCaptionButton::OnClick() {
    if (Disabled())
        return;
    HWND host = GetHostWindow();
    switch (m_buttonKind) {
    case kCaptionClose:
        PostMessageW(host, WM_CLOSE, 0, 0);
        break;
    case kCaptionMaximize:
        PostMessageW(host, WM_SYSCOMMAND, IsZoomed(host) ? SC_RESTORE : SC_MAXIMIZE, 0);
        break;
    case kCaptionMinimize:
        if (!IsIconic(host))
            PostMessageW(host, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    default:
        break; // the application's click routines act
    }
}
