// Where the parts of a window skin go for a window of a given size and style:
// the rounded frame, its two border lines, the drawn shadow and the regions
// that clip the background, the controls, the window and the blur.
// Portable: no Windows header.
#pragma once

#include "toolkit/core/Colour.h"
#include "toolkit/core/DuiRect.h"

#include <array>
#include <vector>

// Host window styles.
inline constexpr int kSkinStyleSquare = 0;
inline constexpr int kSkinStylePlain = 1;
inline constexpr int kSkinStyleRounded = 7;

// Arguments of CreateRoundRectRgn: right and bottom are exclusive there, which
// is why the frame's regions end one pixel further out than their outlines.
struct RoundRegionSpec {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int ellipse = 0;
    friend bool operator==(const RoundRegionSpec&, const RoundRegionSpec&) = default;
};

struct OutlineSpec {
    DuiRect rect;
    float diameter = 0; // 0: a plain rectangle outline
    Argb colour = 0;
};

struct SkinGeometry {
    DuiRect inner;                  // the area inside the shadow margin
    RoundRegionSpec backgroundClip; // what the background may paint
    RoundRegionSpec controlClip;    // what controls may paint
    RoundRegionSpec windowRegion;   // the window's shape when it is not layered
    RoundRegionSpec blurRegion;     // the area DWM blurs behind a layered window
    OutlineSpec outerBorder;
    OutlineSpec innerBorder;
    std::array<OutlineSpec, 4> shadow; // innermost first
};

SkinGeometry ComputeSkinGeometry(int width, int height, int style, bool maximized, ColourRef shadowColour);

// The gradient bands that fade the edges of a background image into the
// background colour. The gradient runs from transparent at `from` to opaque at
// the far side of the band along its axis.
struct FadeBand {
    DuiRect rect;
    bool vertical = false;      // the gradient runs top to bottom (else left to right)
    bool opaqueAtStart = false; // the opaque side is the top or left one
};

// imageRect: where the image was drawn. allEdges: top and left too (a centred
// image); otherwise the bottom and right edges only.
std::vector<FadeBand> EdgeFadeBands(const DuiRect& imageRect, bool allEdges);

// The resize zone of a frameless window under the mouse, as a WMSZ value
// (1 left, 2 right, 3 top, 4 top-left, 5 top-right, 6 bottom, 7 bottom-left,
// 8 bottom-right), or 0 away from the edges. The top band is deeper than the
// others: the caption leaves no other handle there.
int ResizeZoneAt(int x, int y, int width, int height);
