// Shared by the toolkit's Windows tests: pixel access and test images.
#pragma once

#include "toolkit/core/Colour.h"

#include <cstdint>
#include <span>

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
