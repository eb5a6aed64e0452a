#include "toolkit/core/ImageTextLayout.h"

namespace {

float Whole(float v) {
    return float(int(v));
}

DuiRect WholeRect(float x, float y, float width, float height) {
    return {Whole(x), Whole(y), Whole(width), Whole(height)};
}

} // namespace

ImageTextRects LayoutImageText(float iw, float ih, int kind, const DuiRect& a, float tw, float th, float dx,
                               float dy, float gap) {
    const float centreImageY = dy + a.y + (a.height - ih) / 2;
    const float centreTextY = dy + a.y + (a.height - th) / 2;
    const float centreImageX = dx + a.x + (a.width - iw) / 2;
    const float centreTextX = dx + a.x + (a.width - tw) / 2;
    const float pairX = dx + a.x + (a.width - (iw + gap + tw)) / 2;
    ImageTextRects r;
    switch (kind) {
    case 1:
        r.text = WholeRect(pairX, centreTextY, tw + 2, th + 2);
        r.image = WholeRect(r.text.x + tw + gap, centreImageY, iw, ih);
        break;
    case 2:
        r.image = WholeRect(centreImageX, dy + a.y + (a.height - ih - gap - th) / 2, iw, ih);
        r.text = WholeRect(centreTextX, r.image.Bottom() + gap, tw + 2, th + 2);
        break;
    case 3:
        r.image = WholeRect(centreImageX, centreImageY, iw, ih);
        r.text = WholeRect(centreTextX, centreTextY, tw + 2, th + 2);
        break;
    case 4:
        r.image = WholeRect(dx + a.x, centreImageY, iw, ih);
        r.text = WholeRect(r.image.Right() + gap, centreTextY, a.width - iw - gap - dx, th + 2);
        break;
    case 5:
        r.text = WholeRect(dx + a.x, centreTextY, a.width - iw - gap - dx, th + 2);
        r.image = WholeRect(r.text.Right() + gap, centreImageY, iw, ih);
        break;
    case 6:
        r.image = WholeRect(centreImageX, dy + a.y, iw, ih);
        r.text = WholeRect(centreTextX, r.image.Bottom() + gap, tw + 5, th + 2);
        break;
    default:
        r.image = WholeRect(pairX, centreImageY, iw, ih);
        r.text = WholeRect(r.image.Right() + gap, centreTextY, tw + 2, th + 2);
        break;
    }
    return r;
}
