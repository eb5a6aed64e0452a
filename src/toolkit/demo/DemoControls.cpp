#include "DemoControls.h"

#include "toolkit/core/DrawHelpers.h"
#include "toolkit/core/DuiWindow.h"
#include "toolkit/core/TextHelpers.h"
#include "toolkit/core/ToolkitStartup.h"

namespace {

UniqueGpStringFormat CentredFormat(bool hotkeyPrefix) {
    UniqueGpStringFormat format;
    GdipCreateStringFormat(Gdiplus::StringFormatFlagsNoWrap, 0, format.put());
    GdipSetStringFormatAlign(format.get(), Gdiplus::StringAlignmentCenter);
    GdipSetStringFormatLineAlign(format.get(), Gdiplus::StringAlignmentCenter);
    GdipSetStringFormatHotkeyPrefix(format.get(),
                                    hotkeyPrefix ? Gdiplus::HotkeyPrefixShow : Gdiplus::HotkeyPrefixNone);
    return format;
}

} // namespace

DuiControl* DemoButton::Create(DuiOwner owner, const DuiRect& rect, std::wstring text) {
    m_text = std::move(text);
    return Attach(owner, DuiAttachParams(rect, kDuiKindButton, true, 60));
}

LRESULT DemoButton::HandleMessage(UINT code, WPARAM, LPARAM) {
    switch (code) {
    case WM_CREATE:
        if (auto amp = m_text.find(L'&'); amp != std::wstring::npos && amp + 1 < m_text.size())
            SendMessageW(GetHostWindow(), DuiMsgAccelerator, ToWParam(this), LPARAM(m_text[amp + 1] & 255));
        break;
    case WM_PAINT:
    case DuiEvtFocusGained:
        Paint(m_state);
        break;
    case WM_LBUTTONDOWN:
        Paint(2);
        break;
    case WM_LBUTTONUP:
        Paint(1);
        break;
    case DuiEvtMouseEnter:
        Paint(1, 4);
        break;
    case DuiEvtMouseLeave:
    case DuiEvtFocusLost:
        Paint(0, 4);
        break;
    case DuiEvtTransitionFinished:
        TransitionFrames(0);
        break;
    default:
        break;
    }
    return -1;
}

void DemoButton::Paint(int state, int frames) {
    m_state = state;
    TransitionFrames(frames);
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    GpGraphics* g = context.surface;
    const DuiRect face{0, 0, Rect().width, Rect().height};
    static constexpr int kFaceAlpha[3] = {150, 215, 110};
    const ColourRef tint = context.root->BackgroundColour();
    FillRoundRect(g, face, 6, ToArgb(MakeColourRef(255, 255, 255), kFaceAlpha[state]));
    FillGradient(g, AdjustRect(face, 1, face.height / 2, -2, -face.height / 2), ToArgb(tint, 0),
                 ToArgb(tint, state == 1 ? 120 : 60));
    DrawRoundRect(g, face, 6, MakeArgb(90, 0, 0, 0));
    UniqueGpStringFormat format = CentredFormat(true);
    const float shift = state == 2 ? 1.f : 0.f;
    DrawTextEffect(g, AdjustRect(face, shift, shift, 0, 0), m_text, DefaultFont(), MakeArgb(220, 20, 20, 20),
                   format.get(), kTextEffectHalo, MakeArgb(120, 255, 255, 255));
    if (context.root->KeyboardFocusMarker() == this)
        DrawBorder(g, AdjustRect(face, 3, 3, -6, -6), kBorderDashed);
    EndControlPaint(context);
}

DuiControl* DemoLabel::Create(DuiOwner owner, const DuiRect& rect, std::wstring text, Argb colour) {
    m_text = std::move(text);
    m_colour = colour;
    return Attach(owner, DuiAttachParams(rect, kDuiKindLabel, false));
}

void DemoLabel::SetText(std::wstring text) {
    if (text == m_text)
        return;
    m_text = std::move(text);
    Redraw();
}

LRESULT DemoLabel::HandleMessage(UINT code, WPARAM, LPARAM) {
    if (code == WM_PAINT)
        Paint();
    return -1;
}

void DemoLabel::Paint() {
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    UniqueGpStringFormat format = CentredFormat(false);
    GdipSetStringFormatAlign(format.get(), Gdiplus::StringAlignmentNear);
    DrawTextEffect(context.surface, {0, 0, Rect().width, Rect().height}, m_text, DefaultFont(), m_colour,
                   format.get(), kTextEffectGlow);
    EndControlPaint(context);
}

DuiControl* DemoPanel::Create(DuiOwner owner, const DuiRect& rect) {
    return Attach(owner, DuiAttachParams(rect, kDuiKindGroupBox, false));
}

LRESULT DemoPanel::HandleMessage(UINT code, WPARAM, LPARAM) {
    if (code == WM_PAINT)
        Paint();
    return -1;
}

void DemoPanel::Paint() {
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    const DuiRect face{0, 0, Rect().width, Rect().height};
    FillRoundRect(context.surface, face, 10, MakeArgb(90, 255, 255, 255));
    DrawRoundRect(context.surface, face, 10, MakeArgb(110, 255, 255, 255));
    EndControlPaint(context);
}

DuiControl* DemoTile::Create(DuiOwner owner, const DuiRect& rect) {
    return Attach(owner, DuiAttachParams(rect, kDuiKindPicture, false, 40));
}

void DemoTile::Next() {
    m_index = (m_index + 1) % 4;
    TransitionKind(1 + m_index % 4);
    TransitionFrames(8);
    Paint();
}

LRESULT DemoTile::HandleMessage(UINT code, WPARAM, LPARAM) {
    if (code == WM_PAINT)
        Paint();
    else if (code == DuiEvtTransitionFinished)
        TransitionFrames(0);
    return -1;
}

void DemoTile::Paint() {
    static constexpr Argb kColours[4] = {0xFFE8663D, 0xFF3DA5E8, 0xFF6CC04A, 0xFFB562D6};
    DuiPaintContext context;
    if (!BeginControlPaint(context))
        return;
    const DuiRect face{0, 0, Rect().width, Rect().height};
    FillRoundRect(context.surface, face, 8, kColours[m_index]);
    UniqueGpStringFormat format = CentredFormat(false);
    const wchar_t digit[2] = {wchar_t(L'1' + m_index), 0};
    DrawTextEffect(context.surface, face, digit, DefaultFont(), 0xFFFFFFFF, format.get(), kTextEffectNone);
    EndControlPaint(context);
}
