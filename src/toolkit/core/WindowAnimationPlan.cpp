#include "toolkit/core/WindowAnimationPlan.h"

#include <algorithm>

namespace {

WipeSide SideOf(int animation) {
    switch (animation) {
    case 3:
        return WipeSide::Left;
    case 4:
        return WipeSide::Right;
    case 5:
        return WipeSide::Top;
    default:
        return WipeSide::Bottom;
    }
}

bool Horizontal(WipeSide side) {
    return side == WipeSide::Left || side == WipeSide::Right;
}

AnimationFrame Whole(const DuiRect& target, int alpha, int sleepMs) {
    AnimationFrame f;
    f.kind = AnimationFrame::Kind::Whole;
    f.target = target;
    f.alpha = alpha;
    f.sleepMs = sleepMs;
    return f;
}

AnimationFrame Wipe(WipeSide side, int extent, int alpha, bool reveal, int sleepMs) {
    AnimationFrame f;
    f.kind = AnimationFrame::Kind::Wipe;
    f.side = side;
    f.extent = extent;
    f.alpha = alpha;
    f.reveal = reveal;
    f.sleepMs = sleepMs;
    return f;
}

DuiRect Inset(int w, int h, int dx, int dy) {
    return {float(dx), float(dy), float(w - 2 * dx), float(h - 2 * dy)};
}

} // namespace

std::vector<AnimationFrame> ShowAnimationFrames(int animation, int w, int h, int durationMs) {
    std::vector<AnimationFrame> frames;
    if (animation == 0)
        return frames;
    const int step = durationMs / 10;
    const DuiRect whole{0, 0, float(w), float(h)};
    for (int i = 1; i <= 10; ++i) {
        const int a = 25 * (i - 1);
        if (animation == 1) {
            frames.push_back(Whole(whole, a, step));
        } else if (animation == 7) {
            const int dx = int(w * 0.1 / 10) * (10 - i);
            const int dy = int(h * 0.1 / 10) * (10 - i);
            frames.push_back(Whole(Inset(w, h, dx, dy), a, std::min(11 - i, 10)));
        } else {
            const WipeSide side = SideOf(animation);
            const int extent = (Horizontal(side) ? w / 10 : h / 10) * (i - 1);
            frames.push_back(Wipe(side, extent, a, true, step));
        }
    }
    return frames;
}

std::vector<AnimationFrame> CloseAnimationFrames(int kind, int w, int h) {
    std::vector<AnimationFrame> frames;
    if (kind == 0)
        return frames;
    const DuiRect whole{0, 0, float(w), float(h)};
    if (kind == 1) {
        for (int i = 1; i <= 15; ++i)
            frames.push_back(Whole(whole, 255 - 17 * i, 10));
    } else if (kind == 2) {
        for (int i = 1; i <= 20; ++i) {
            DuiRect target;
            if (i <= 3) {
                const float grow = 1.5f * i; // a short swell before the shrink
                target = {-grow / 2, -grow / 2, w + grow, h + grow};
            } else {
                const int m = 2 * i - 2; // continues the swell's size at i = 4, then 2 px less a step
                target = {m / 2.f - 5, m / 2.f - 5, float(w + 10 - m), float(h + 10 - m)};
            }
            frames.push_back(Whole(target, 255 - 12 * i, std::max(16 - i, 10)));
        }
    } else if (kind == 7) {
        for (int i = 1; i <= 15; ++i) {
            const int dx = int(w * 0.1 / 15) * (i - 1);
            const int dy = int(h * 0.1 / 15) * (i - 1);
            frames.push_back(Whole(Inset(w, h, dx, dy), 255 - 17 * i, std::max(13 - i, 1)));
        }
    } else {
        const WipeSide side = SideOf(kind);
        for (int i = 1; i <= 15; ++i) {
            const int extent = (Horizontal(side) ? w / 15 : h / 15) * i;
            frames.push_back(Wipe(side, extent, 255 - 17 * i, false, 8));
        }
    }
    return frames;
}
