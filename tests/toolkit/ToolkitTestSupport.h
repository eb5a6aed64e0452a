// Shared by the toolkit's Windows tests: pixel access and test images.
#pragma once

#include "toolkit/core/Colour.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Channels of a premultiplied 0xAARRGGBB pixel as stored in a DIB surface.
inline int PixelAlpha(std::uint32_t p) {
    return int(p >> 24);
}
inline int PixelRed(std::uint32_t p) {
    return int((p >> 16) & 255);
}
inline int PixelGreen(std::uint32_t p) {
    return int((p >> 8) & 255);
}
inline int PixelBlue(std::uint32_t p) {
    return int(p & 255);
}

// A 3 x 2 RGBA PNG: red, green, blue / white, black, grey (128) at alpha 128.
std::span<const std::uint8_t> TestPng();

// A 24-bit BMP file of that size whose pixel colours come from the function
// (as 0xRRGGBB).
std::vector<std::uint8_t> MakeBmp(int width, int height,
                                  const std::function<std::uint32_t(int x, int y)>& rgb);
