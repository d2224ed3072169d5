#!/usr/bin/env python3
"""Draws the settings page's skin images as RGBA PNG files: the slider track
and knob, the nine-grid frames (each wider and taller than its margins), the
selection frame of the theme strip (72 x 98) and the three layers of the
300 x 40 colour strip. Usage: make_cpl_images.py OUTPUT_FOLDER"""

import colorsys
import os
import struct
import sys
import zlib


def png(width, height, pixel):
    """PNG bytes of a width x height image; pixel(x, y) gives (r, g, b, a)."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def inside_rounded(x, y, width, height, radius):
    """True when the pixel lies inside a rectangle with rounded corners."""
    cx = min(max(x, radius), width - 1 - radius)
    cy = min(max(y, radius), height - 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def rounded_frame(width, height, radius, border, fill, thickness=1):
    """A rounded rectangle: a border ring of the given thickness around a fill."""
    def pixel(x, y):
        if not inside_rounded(x, y, width, height, radius):
            return (0, 0, 0, 0)
        inner = inside_rounded(x - thickness, y - thickness, width - 2 * thickness,
                               height - 2 * thickness, max(radius - thickness, 0))
        edge = thickness <= x < width - thickness and thickness <= y < height - thickness
        return fill if inner and edge else border
    return pixel


def slider_track(width, height, top=3, bottom=6):
    # A sunken groove through the middle, with cut corners.
    def pixel(x, y):
        if not top <= y <= bottom:
            return (0, 0, 0, 0)
        if (x == 0 or x == width - 1) and y in (top, bottom):
            return (0, 0, 0, 0)
        if y == top or x == 0:
            return (128, 128, 128, 255)
        if y == bottom or x == width - 1:
            return (240, 240, 240, 255)
        return (200, 200, 200, 255)
    return pixel


def slider_knob(width, height):
    # A button with a pointed foot.
    body = height - width // 2

    def pixel(x, y):
        if y < body:
            inside = inside_rounded(x, y, width, body + 2, 2)
        else:
            inside = abs(x - width // 2) <= (height - 1 - y)
        if not inside:
            return (0, 0, 0, 0)
        shade = 250 - 4 * y
        return (shade - 40, shade - 10, shade, 255)
    return pixel


def hue_band(width, height):
    def pixel(x, y):
        r, g, b = colorsys.hsv_to_rgb(x / width, 0.85, 1.0 - 0.03 * y)
        return (int(r * 255), int(g * 255), int(b * 255), 255)
    return pixel


def strip_frame(width, height):
    # Two hue rows show through; a border and a rule between them.
    def pixel(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return (160, 160, 160, 255)
        if y == 12:
            return (255, 255, 255, 160)
        return (0, 0, 0, 0)
    return pixel


IMAGES = {
    113: (40, 10, slider_track),
    115: (11, 19, slider_knob),
    117: (32, 32, lambda w, h: rounded_frame(w, h, 5, (160, 160, 160, 255), (255, 255, 255, 96))),
    118: (300, 12, hue_band),
    119: (300, 12, hue_band),
    120: (300, 40, strip_frame),
    132: (72, 98, lambda w, h: rounded_frame(w, h, 5, (51, 153, 255, 255), (51, 153, 255, 48), 2)),
    133: (32, 32, lambda w, h: rounded_frame(w, h, 5, (160, 160, 160, 255), (0, 0, 0, 0))),
    135: (32, 32, lambda w, h: rounded_frame(w, h, 5, (171, 112, 19, 255), (0, 0, 0, 0))),
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_cpl_images.py OUTPUT_FOLDER")
    os.makedirs(sys.argv[1], exist_ok=True)
    for number, (width, height, drawing) in IMAGES.items():
        with open(os.path.join(sys.argv[1], "cpl%d.png" % number), "wb") as out:
            out.write(png(width, height, drawing(width, height)))


if __name__ == "__main__":
    main()
