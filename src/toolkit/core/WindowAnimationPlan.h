// The frames of the window animations: how a host window comes onto the
// screen (Show) and how it leaves it (closing animation). Each frame says what
// part of the window's image is drawn where and how opaque; a player draws
// the frames with GDI and waits between them. Portable: no Windows header.
#pragma once

#include "toolkit/core/DuiRect.h"

#include <vector>

// Which side a wipe starts from.
enum class WipeSide { Left, Right, Top, Bottom };

struct AnimationFrame {
    enum class Kind {
        Whole, // the whole image scaled into `target` at `alpha`
        Wipe,  // a wipe: see below
    };
    Kind kind = Kind::Whole;
    int alpha = 255;
    DuiRect target; // Whole: where the image goes (it may be larger or smaller than the window)
    // Wipe, opening: lines 0 .. extent from `side` at `alpha`, then a soft edge
    // of kSoftEdge lines fading out. Wipe, closing (`reveal` false): the lines
    // 0 .. extent from `side` are gone, then a soft edge fading in to `alpha`.
    WipeSide side = WipeSide::Left;
    int extent = 0;
    bool reveal = true;
    int sleepMs = 0;
};

inline constexpr int kSoftEdge = 100;

// Alpha of line k (1..kSoftEdge) of an opening wipe's soft edge.
inline int SoftEdgeAlpha(int alpha, int k) {
    return int(alpha / 100.0 * (101 - k));
}

// Opening animations: 1 fade, 3 wipe from the left, 4 from the right, 5 from
// the top, 7 zoom in, anything else but 0 from the bottom. Ten frames; the
// player then draws the whole window opaque. Animation 0 has no frames.
std::vector<AnimationFrame> ShowAnimationFrames(int animation, int width, int height, int durationMs);

// Closing animations: 1 fade, 2 fade with a short swell then shrink, 7 zoom
// out, anything else a wipe. Kind 0 has no frames.
std::vector<AnimationFrame> CloseAnimationFrames(int kind, int width, int height);
