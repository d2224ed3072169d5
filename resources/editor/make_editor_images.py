#!/usr/bin/env python3
"""Draws the editor's images into a folder: the placeholder of empty items
(placeholder.png, 32 x 32 with alpha), the view's images (the hover and
selection frames of a grid cell, 72 x 93; the cursors background, 383 x 209
with alpha; the hot-spot marker, 19 x 19 with alpha; the pane title bar,
288 x 18) and the program and document icons (editor.ico, document.ico; 16
and 32 pixels, 32-bit with alpha)."""

import struct
import sys
import zlib
from pathlib import Path

SAMPLES = 4  # per axis, for smooth edges


def inside(polygon, x, y):
    crossings = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            crossings = not crossings
    return crossings


def coverage(shape, px, py):
    hits = sum(shape(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES)
               for i in range(SAMPLES) for j in range(SAMPLES))
    return hits / (SAMPLES * SAMPLES)


class Canvas:
    def __init__(self, size, height=None):
        self.size = size
        self.width = size
        self.height = size if height is None else height
        self.pixels = [[(0, 0, 0, 0)] * self.width for _ in range(self.height)]

    def blend(self, x, y, rgb, a):
        r, g, b, old = self.pixels[y][x]
        out = a + old / 255 * (1 - a)
        mix = [(c * a + o * old / 255 * (1 - a)) / out for c, o in zip(rgb, (r, g, b))]
        self.pixels[y][x] = (*[round(c) for c in mix], round(out * 255))

    def paint(self, shape, rgb, alpha=255):
        """Blends rgb over the pixels the shape covers (shape in 0..1 units of
        the width)."""
        for y in range(self.height):
            for x in range(self.width):
                a = coverage(lambda u, v: shape(u / self.width, v / self.width), x, y) * alpha / 255
                if a > 0:
                    self.blend(x, y, rgb, a)

    def fill(self, left, top, right, bottom, colour):
        """Sets whole pixels; colour is (r, g, b, a) or a function of y."""
        for y in range(max(top, 0), min(bottom, self.height)):
            value = colour(y) if callable(colour) else colour
            for x in range(max(left, 0), min(right, self.width)):
                self.pixels[y][x] = value


def rect(left, top, right, bottom):
    return lambda x, y: left <= x < right and top <= y < bottom


def frame(left, top, right, bottom, width):
    outer = rect(left, top, right, bottom)
    inner = rect(left + width, top + width, right - width, bottom - width)
    return lambda x, y: outer(x, y) and not inner(x, y)


ARROW = [(0.0, 0.0), (0.0, 0.72), (0.17, 0.56), (0.29, 0.84), (0.39, 0.8),
         (0.27, 0.52), (0.5, 0.52)]


def arrow(left, top, scale):
    points = [(left + x * scale, top + y * scale) for x, y in ARROW]
    return lambda x, y: inside(points, x, y)


def placeholder(size):
    canvas = Canvas(size)
    dashed = frame(0.06, 0.06, 0.94, 0.94, 0.05)
    canvas.paint(lambda x, y: dashed(x, y) and int((x + y) * 8) % 2 == 0, (128, 128, 128), 200)
    canvas.paint(rect(0.44, 0.28, 0.56, 0.72), (160, 160, 160), 160)
    canvas.paint(rect(0.28, 0.44, 0.72, 0.56), (160, 160, 160), 160)
    return canvas


def program_icon(size):
    canvas = Canvas(size)
    canvas.paint(rect(0.0, 0.0, 1.0, 1.0), (40, 90, 170))
    canvas.paint(arrow(0.22, 0.1, 0.95), (20, 20, 20), 160)
    canvas.paint(arrow(0.18, 0.06, 0.95), (255, 255, 255))
    return canvas


def document_icon(size):
    canvas = Canvas(size)
    canvas.paint(lambda x, y: inside([(0.12, 0.0), (0.66, 0.0), (0.88, 0.22), (0.88, 1.0),
                                      (0.12, 1.0)], x, y), (90, 90, 90))
    canvas.paint(lambda x, y: inside([(0.18, 0.05), (0.63, 0.05), (0.83, 0.25), (0.83, 0.95),
                                      (0.18, 0.95)], x, y), (255, 255, 255))
    canvas.paint(arrow(0.3, 0.25, 0.75), (40, 90, 170))
    return canvas


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def outlined(canvas, border, inner, fill):
    """A box: one-pixel border, a second ring and a fill, all opaque."""
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, border + (255,))
    canvas.fill(1, 1, w - 1, h - 1, inner + (255,))
    canvas.fill(2, 2, w - 2, h - 2, fill + (255,))
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        canvas.pixels[y][x] = inner + (255,)
    return canvas


def hover_frame():
    return outlined(Canvas(72, 93), (120, 170, 230), (214, 230, 250), (238, 245, 253))


def selection_frame():
    return outlined(Canvas(72, 93), (40, 100, 200), (90, 145, 225), (208, 226, 250))


def cursors_background():
    """A soft panel: a vertical gradient inside a grey border, corners fading
    out, all within the 5-pixel margins the view stretches around."""
    canvas = Canvas(383, 209)
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, (176, 182, 194, 255))
    canvas.fill(1, 1, w - 1, h - 1, lambda y: mix((252, 252, 254), (226, 231, 240),
                                                  y / (h - 1)) + (255,))
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        canvas.pixels[y][x] = (176, 182, 194, 0)
    for x, y in ((1, 0), (0, 1), (w - 2, 0), (w - 1, 1), (1, h - 1), (0, h - 2), (w - 2, h - 1),
                 (w - 1, h - 2)):
        canvas.pixels[y][x] = (176, 182, 194, 128)
    return canvas


def hot_spot_marker():
    """A red ring with cross hairs; the centre pixel (9, 9) is marked."""
    canvas = Canvas(19, 19)
    centre = 9.5 / 19

    def ring(x, y):
        d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5 * 19
        return 5.5 <= d <= 7.5
    canvas.paint(ring, (220, 30, 30), 230)
    for i in list(range(0, 7)) + list(range(12, 19)):
        canvas.pixels[9][i] = (220, 30, 30, 230)
        canvas.pixels[i][9] = (220, 30, 30, 230)
    canvas.pixels[9][9] = (0, 0, 0, 255)
    return canvas


def pane_title():
    canvas = Canvas(288, 18)
    canvas.fill(0, 0, 288, 17, lambda y: mix((222, 232, 246), (170, 190, 222), y / 16) + (255,))
    canvas.fill(0, 17, 288, 18, (110, 130, 165, 255))
    return canvas


def png_bytes(canvas, alpha=True):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    channels = 4 if alpha else 3
    rows = b"".join(b"\0" + bytes(c for pixel in row for c in pixel[:channels])
                    for row in canvas.pixels)
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def icon_image(canvas):
    """A 32-bit DIB image of an icon: header, BGRA rows bottom-up, AND mask."""
    size = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(canvas.pixels)
                      for r, g, b, a in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(canvas.pixels):
        bits = bytearray(mask_row)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def ico_bytes(draw):
    images = [icon_image(draw(size)) for size in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "placeholder.png").write_bytes(png_bytes(placeholder(32)))
    (folder / "hover-frame.png").write_bytes(png_bytes(hover_frame(), alpha=False))
    (folder / "selection-frame.png").write_bytes(png_bytes(selection_frame(), alpha=False))
    (folder / "cursors-background.png").write_bytes(png_bytes(cursors_background()))
    (folder / "hot-spot-marker.png").write_bytes(png_bytes(hot_spot_marker()))
    (folder / "pane-title.png").write_bytes(png_bytes(pane_title(), alpha=False))
    (folder / "editor.ico").write_bytes(ico_bytes(program_icon))
    (folder / "document.ico").write_bytes(ico_bytes(document_icon))


if __name__ == "__main__":
    main()
