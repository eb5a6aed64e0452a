#include "toolkit/core/Colour.h"

Argb ToArgb(ColourRef colour, std::optional<int> alpha) {
    int a = alpha.value_or(255) & 255;
    if (a == 255)
        a = 254;
    int r = colour & 255;
    int g = (colour >> 8) & 255;
    int b = (colour >> 16) & 255;
    return MakeArgb(a, r, g, b);
}

ArgbParts SplitArgb(Argb argb) {
    return {int(argb >> 24), int((argb >> 16) & 255), int((argb >> 8) & 255), int(argb & 255)};
}

bool IsDark(Argb argb) {
    ArgbParts p = SplitArgb(argb);
    return 0.299 * p.r + 0.587 * p.g + 0.114 * p.b < 192.0;
}

void BackgroundSamplePoints(float x, float y, float width, float height, SamplePoint (&points)[9]) {
    static constexpr float kFractions[3] = {0.2f, 0.5f, 0.8f};
    int i = 0;
    for (float fy : kFractions)
        for (float fx : kFractions)
            points[i++] = {int(x + fx * width), int(y + fy * height)};
}

bool MostlyDark(const Argb (&samples)[9]) {
    int dark = 0;
    for (Argb s : samples)
        dark += IsDark(s) ? 1 : 0;
    return dark > 4;
}
