#!/usr/bin/env python3
"""Writes the engine's transparent dummy cursor: a monochrome 32 x 32 .cur
whose AND mask is all ones and XOR mask all zeros (nothing is drawn), with its
hot spot at (19, 23), the fingerprint the engine looks for."""

import struct
import sys

SIZE = 32
HOT_SPOT = (19, 23)


def dummy_cursor():
    row_bytes = SIZE // 8  # 32 one-bit pixels: already a multiple of 4 bytes
    xor_mask = bytes(row_bytes * SIZE)
    and_mask = b"\xff" * (row_bytes * SIZE)
    palette = struct.pack("<II", 0x00000000, 0x00FFFFFF)
    header = struct.pack(
        "<IiiHHIIiiII",
        40,  # header size
        SIZE,
        SIZE * 2,  # both masks
        1,  # planes
        1,  # bits per pixel
        0,  # uncompressed
        len(xor_mask) + len(and_mask),
        0,
        0,
        2,  # colours used
        0,
    )
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)  # reserved, cursor, one image
    entry = struct.pack(
        "<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16
    )
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_dummy_cursor.py OUTPUT")
    with open(sys.argv[1], "wb") as out:
        out.write(dummy_cursor())


if __name__ == "__main__":
    main()
