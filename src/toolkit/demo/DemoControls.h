// Placeholder controls of the toolkit demo: just enough of a button, a label,
// a panel and a colour tile to show hover cross-fades, slides, alpha, the
// disabled look, clipping, focus and accelerators on a skinned window.
#pragma once

#include "toolkit/core/Colour.h"
#include "toolkit/core/DuiControl.h"

#include <string>

class DemoButton : public DuiControl {
public:
    // text may mark an Alt accelerator with "&".
    DuiControl* Create(DuiOwner owner, const DuiRect& rect, std::wstring text);
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(int state, int frames = 0);
    std::wstring m_text;
    int m_state = 0; // 0 normal, 1 hover, 2 pressed
};

class DemoLabel : public DuiControl {
public:
    DuiControl* Create(DuiOwner owner, const DuiRect& rect, std::wstring text, Argb colour);
    void SetText(std::wstring text);
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    std::wstring m_text;
    Argb m_colour = 0;
};

// A translucent rounded panel; its children are clipped to it.
class DemoPanel : public DuiControl {
public:
    DuiControl* Create(DuiOwner owner, const DuiRect& rect);
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
};

// A coloured tile that slides to its next colour.
class DemoTile : public DuiControl {
public:
    DuiControl* Create(DuiOwner owner, const DuiRect& rect);
    void Next();
    LRESULT HandleMessage(UINT code, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    int m_index = 0;
};
