#include "toolkit/core/SkinGeometry.h"

#include <algorithm>

namespace {

RoundRegionSpec Region(int inset, int w, int h, int ellipse) {
    return {inset, inset, w - inset + 1, h - inset + 1, ellipse};
}

} // namespace

SkinGeometry ComputeSkinGeometry(int w, int h, int style, bool maximized, ColourRef shadowColour) {
    const bool square = style == kSkinStyleSquare;
    SkinGeometry g;
    g.inner = {5, 5, float(w - 10), float(h - 10)};
    g.backgroundClip = Region(6, w, h, square ? 0 : 4);
    g.controlClip = Region(7, w, h, square ? 0 : 3);
    g.windowRegion = Region(maximized ? 5 : 6, w, h, square ? 0 : 5);
    g.blurRegion = {6, 6, w - 5, h - 5, 6};
    g.outerBorder = {
        {6, 6, float(w - 12), float(h - 12)}, square ? 0.f : 7.f, ToArgb(MakeColourRef(96, 96, 96), 204)};
    g.innerBorder = {
        {7, 7, float(w - 14), float(h - 14)}, square ? 0.f : 6.f, ToArgb(MakeColourRef(255, 255, 255), 102)};
    static constexpr float kRoundDiameters[4] = {10, 12, 15, 18};
    static constexpr float kSquareDiameters[4] = {1, 4, 7, 11};
    static constexpr int kAlphas[4] = {45, 25, 10, 5};
    for (int i = 0; i < 4; ++i) {
        DuiRect r = AdjustRect(g.inner, float(-i), float(-i), float(2 * i), float(2 * i));
        g.shadow[i] = {r, square ? kSquareDiameters[i] : kRoundDiameters[i],
                       ToArgb(shadowColour, kAlphas[i])};
    }
    return g;
}

std::vector<FadeBand> EdgeFadeBands(const DuiRect& imageRect, bool allEdges) {
    // The bands sit one frame margin further in than the image, so that the
    // fade ends on the window's border line rather than on the shadow.
    const DuiRect r = AdjustRect(imageRect, 6, 6, 0, 0);
    const float bandWidth = std::min(100.f, r.width / 2);
    const float bandHeight = std::min(100.f, r.height / 2);
    std::vector<FadeBand> bands;
    bands.push_back({{r.x, r.Bottom() - bandHeight, r.width, bandHeight + 1}, true, false});
    bands.push_back({{r.Right() - bandWidth, r.y, bandWidth + 1, r.height}, false, false});
    if (allEdges) {
        bands.push_back({{r.x - 6, r.y - 6, r.width, bandHeight + 1}, true, true});
        bands.push_back({{r.x - 6, r.y - 6, bandWidth + 1, r.height}, false, true});
    }
    return bands;
}

int ResizeZoneAt(int x, int y, int w, int h) {
    const bool nearRight = x > w - 10;
    const bool nearBottom = y > h - 10;
    if (y <= 7) {
        if (x <= 9)
            return 4;
        return nearRight ? 5 : 3;
    }
    if (!nearBottom) {
        if (x <= 7)
            return 1;
        return nearRight ? 2 : 0;
    }
    if (x < 10)
        return 7;
    return nearRight ? 8 : 6;
}
