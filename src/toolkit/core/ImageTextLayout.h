// Placement of an image and a text inside an area, shared by every control
// that shows an icon beside its caption. Portable: no Windows header.
#pragma once

#include "toolkit/core/DuiRect.h"

struct ImageTextRects {
    DuiRect image;
    DuiRect text;
};

// Kinds:
//   0 image left of text, the pair centred      1 text left of image, the pair centred
//   2 image above text, the pair centred        3 both centred on each other
//   4 image at the left edge, text after it     5 text at the left edge, image after it
//   6 image at the top edge, text below it
// The text rect is (textWidth + 2) x (textHeight + 2) unless the kind gives it
// another width; every value is truncated to whole pixels. An unknown kind
// lays out as kind 0. An image of size 0 x 0 stands for "no image".
ImageTextRects LayoutImageText(float imageWidth, float imageHeight, int kind, const DuiRect& area,
                               float textWidth, float textHeight, float dx, float dy, float gap);
