// Colour arithmetic of the toolkit. The program gives colours as COLORREF
// (0x00BBGGRR); GDI+ draws with ARGB (0xAARRGGBB). Portable: no Windows header.
#pragma once

#include <cstdint>
#include <optional>

using ColourRef = std::uint32_t; // 0x00BBGGRR
using Argb = std::uint32_t;      // 0xAARRGGBB

// Swaps red and blue and puts the alpha on top. An opaque colour (no alpha, or
// alpha 255) is stored with alpha 254: the toolkit keeps 255 out of the colours
// it is given so that such a colour never claims to cover a pixel completely.
Argb ToArgb(ColourRef colour, std::optional<int> alpha = std::nullopt);

struct ArgbParts {
    int a = 0;
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const ArgbParts&, const ArgbParts&) = default;
};
ArgbParts SplitArgb(Argb argb);

inline constexpr Argb MakeArgb(int a, int r, int g, int b) {
    return (Argb(a & 255) << 24) | (Argb(r & 255) << 16) | (Argb(g & 255) << 8) | Argb(b & 255);
}
inline constexpr ColourRef MakeColourRef(int r, int g, int b) {
    return ColourRef(r & 255) | (ColourRef(g & 255) << 8) | (ColourRef(b & 255) << 16);
}

// Perceived brightness below 192 on a 0..255 scale (0.299 R + 0.587 G + 0.114 B).
bool IsDark(Argb argb);

// The nine sample points of a background test, in the order row by row:
// x + {0.2, 0.5, 0.8} * width by y + {0.2, 0.5, 0.8} * height, truncated.
struct SamplePoint {
    int x = 0;
    int y = 0;
};
void BackgroundSamplePoints(float x, float y, float width, float height, SamplePoint (&points)[9]);

// A background is dark when more than four of its nine samples are.
bool MostlyDark(const Argb (&samples)[9]);
