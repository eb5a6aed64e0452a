#!/usr/bin/env python3
"""Draws the toolkit's artwork as PNG / ICO files (standard library only).

    assets/draw_assets.py        rewrites the files next to this script

caption-sprite.png  729 x 20: the caption-button pictures, one cell per state
                    (normal, hover, pressed) for close, maximize, restore,
                    minimize and four further kinds (see the cell table below).
skin-background.png 681 x 550: a window background for the demo and the
                    program's windows.
program-icon.ico    16 x 16 and 32 x 32: the program's icon.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]  # straight RGBA, 0..1

    def blend(self, x, y, rgb, alpha):
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        p = self.px[y * self.width + x]
        a = alpha + p[3] * (1 - alpha)
        if a <= 0:
            return
        for i in range(3):
            p[i] = (rgb[i] / 255 * alpha + p[i] * p[3] * (1 - alpha)) / a
        p[3] = a

    def fill(self, x0, y0, x1, y1, rgb, alpha):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.blend(x, y, rgb, alpha)

    def line(self, x0, y0, x1, y1, rgb, alpha=1.0, width=1.0):
        """Anti-aliased line by distance to the segment."""
        lo_x, hi_x = int(min(x0, x1) - width - 1), int(max(x0, x1) + width + 2)
        lo_y, hi_y = int(min(y0, y1) - width - 1), int(max(y0, y1) + width + 2)
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9
        for y in range(lo_y, hi_y):
            for x in range(lo_x, hi_x):
                cx, cy = x + 0.5, y + 0.5
                t = max(0.0, min(1.0, ((cx - x0) * dx + (cy - y0) * dy) / length2))
                d = math.hypot(cx - (x0 + t * dx), cy - (y0 + t * dy))
                cover = max(0.0, min(1.0, width / 2 + 0.5 - d))
                self.blend(x, y, rgb, alpha * cover)

    def rect_outline(self, x0, y0, x1, y1, rgb, alpha=1.0):
        self.line(x0, y0, x1, y0, rgb, alpha)
        self.line(x1, y0, x1, y1, rgb, alpha)
        self.line(x1, y1, x0, y1, rgb, alpha)
        self.line(x0, y1, x0, y0, rgb, alpha)

    def rgba_rows(self):
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                row += bytes((round(r * 255), round(g * 255), round(b * 255), round(a * 255)))
            yield bytes(row)


def png_bytes(canvas):
    raw = b"".join(b"\0" + row for row in canvas.rgba_rows())

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def ico_bytes(canvases):
    """A classic ICO: 32-bit BGRA DIBs with an AND mask, readable by every Windows."""
    images = []
    for c in canvases:
        xor = bytearray()
        for row in reversed(list(c.rgba_rows())):  # bottom-up
            for x in range(c.width):
                r, g, b, a = row[4 * x:4 * x + 4]
                xor += bytes((b, g, r, a))
        mask_stride = ((c.width + 31) // 32) * 4
        and_mask = bytes(mask_stride * c.height)
        header = struct.pack("<IiiHHIIiiII", 40, c.width, 2 * c.height, 1, 32, 0, len(xor) + len(and_mask),
                             0, 0, 0, 0)
        images.append(header + bytes(xor) + and_mask)
    out = struct.pack("<HHH", 0, 1, len(canvases))
    offset = 6 + 16 * len(canvases)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


WHITE = (255, 255, 255)

# Caption sprite cells: kind -> (width, [normal x, hover x, pressed x]).
CELLS = {
    "close": (39, [0, 40, 80]),
    "maximize": (28, [120, 149, 178]),
    "restore": (28, [207, 236, 265]),
    "minimize": (28, [294, 323, 352]),
    "help": (28, [381, 410, 439]),
    "pin": (28, [468, 497, 526]),
    "settings": (28, [555, 584, 613]),
    "menu": (28, [642, 671, 700]),
}


def draw_glyph(c, kind, x, width):
    cx = x + width / 2
    cy = 11.0  # the buttons show rows 2..20 of the strip
    if kind == "close":
        c.line(cx - 4, cy - 4, cx + 4, cy + 4, WHITE, 1, 1.6)
        c.line(cx - 4, cy + 4, cx + 4, cy - 4, WHITE, 1, 1.6)
    elif kind == "maximize":
        c.rect_outline(cx - 4.5, cy - 4, cx + 4.5, cy + 4, WHITE)
        c.line(cx - 4.5, cy - 3, cx + 4.5, cy - 3, WHITE)
    elif kind == "restore":
        c.rect_outline(cx - 2.5, cy - 5, cx + 5, cy + 2, WHITE, 0.8)
        c.fill(int(cx - 5), int(cy - 2), int(cx + 3), int(cy + 5), (0, 0, 0), 0)
        c.rect_outline(cx - 5, cy - 2, cx + 2.5, cy + 5, WHITE)
    elif kind == "minimize":
        c.line(cx - 4.5, cy + 3, cx + 4.5, cy + 3, WHITE, 1, 1.6)
    elif kind == "help":
        c.line(cx - 3, cy - 2.5, cx, cy - 5, WHITE)
        c.line(cx, cy - 5, cx + 3, cy - 2.5, WHITE)
        c.line(cx + 3, cy - 2.5, cx, cy + 1, WHITE)
        c.line(cx, cy + 1, cx, cy + 2, WHITE)
        c.fill(int(cx), int(cy + 4), int(cx + 1), int(cy + 5), WHITE, 1)
    elif kind == "pin":
        c.rect_outline(cx - 2.5, cy - 5, cx + 2.5, cy + 1, WHITE)
        c.line(cx - 4.5, cy + 1, cx + 4.5, cy + 1, WHITE)
        c.line(cx, cy + 1, cx, cy + 5.5, WHITE)
    elif kind == "settings":
        for i in range(8):
            angle = i * math.pi / 4
            c.line(cx + 2.5 * math.cos(angle), cy + 2.5 * math.sin(angle), cx + 5 * math.cos(angle),
                   cy + 5 * math.sin(angle), WHITE, 1, 1.4)
    elif kind == "menu":
        for dy in (-3, 0, 3):
            c.line(cx - 4.5, cy + dy, cx + 4.5, cy + dy, WHITE, 1, 1.2)


def caption_sprite():
    c = Canvas(729, 20)
    for kind, (width, xs) in CELLS.items():
        for state, x in enumerate(xs):
            if kind == "close":
                faces = [None, ((232, 17, 35), 0.9), ((150, 10, 20), 0.95)]
            else:
                faces = [None, (WHITE, 0.25), (WHITE, 0.4)]
            face = faces[state]
            if face:
                c.fill(x, 2, x + width, 20, face[0], face[1])
            draw_glyph(c, kind, x, width)
    return c


def skin_background():
    w, h = 681, 550
    c = Canvas(w, h)
    top, bottom = (42, 110, 190), (20, 160, 170)
    lights = [(120, 90, 160, 0.35), (520, 140, 220, 0.25), (330, 470, 260, 0.2)]
    for y in range(h):
        for x in range(w):
            t = (0.7 * y / h + 0.3 * x / w)
            rgb = [top[i] + (bottom[i] - top[i]) * t for i in range(3)]
            for lx, ly, radius, strength in lights:
                glow = max(0.0, 1 - math.hypot(x - lx, y - ly) / radius) ** 2 * strength
                rgb = [v + (255 - v) * glow for v in rgb]
            p = c.px[y * w + x]
            p[0], p[1], p[2], p[3] = rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1.0
    return c


def program_icon(size):
    c = Canvas(size, size)
    s = size / 16
    c.fill(int(1 * s), int(1 * s), int(15 * s), int(15 * s), (30, 120, 215), 1)
    for i, y in enumerate((4, 7, 10)):
        c.line(3.5 * s, y * s + 0.5, (12.5 - 3 * (i == 2)) * s, y * s + 0.5, WHITE, 1, max(1.0, s))
    return c


def main():
    with open(os.path.join(HERE, "caption-sprite.png"), "wb") as f:
        f.write(png_bytes(caption_sprite()))
    with open(os.path.join(HERE, "skin-background.png"), "wb") as f:
        f.write(png_bytes(skin_background()))
    with open(os.path.join(HERE, "program-icon.ico"), "wb") as f:
        f.write(ico_bytes([program_icon(16), program_icon(32)]))


if __name__ == "__main__":
    main()
