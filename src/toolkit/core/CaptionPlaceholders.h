// The toolkit's own caption parts: an icon, a title and the caption buttons
// drawn from the caption sprite. They serve every host until the picture,
// label and caption-button controls register a factory of their own
// (SetCaptionFactory).
#pragma once

#include "toolkit/core/DuiControl.h"

#include <string>

class PlaceholderCaptionIcon : public DuiControl {
public:
    DuiControl* Create(HWND host, const DuiRect& rect, HICON icon);
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    HICON m_icon = nullptr;
};

class PlaceholderCaptionTitle : public DuiControl {
public:
    DuiControl* Create(HWND host, const DuiRect& rect, std::string_view gbkText);
    void SetText(std::string_view gbkText);
    const std::wstring& Text() const { return m_text; }
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    std::wstring m_text;
};

// Kinds: 4 close, 8 maximize / restore, 16 minimize, 32, 64, 128, 256 further
// buttons whose clicks the application handles.
class PlaceholderCaptionButton : public DuiControl {
public:
    DuiControl* Create(HWND host, const DuiRect& rect, int buttonKind);
    int ButtonKind() const { return m_buttonKind; }
    int State() const { return m_state; }
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(int state, bool forced, int frames = 0);
    void OnClick();
    int m_buttonKind = 0;
    int m_state = -1;
};
