#!/usr/bin/env python3
"""Draws the control panel's skin images and icon, and writes beside them the
resource lines that compile them in and a C++ header of their ids and sizes.

Usage: make_panel_images.py OUTPUT_FOLDER

Every image is a flat colour of its own with a one-pixel border in a darker
shade, so tests can tell images and their borders apart. Looks:
  opaque       every pixel opaque (pages, backgrounds);
  translucent  fill at alpha 160, border at 224, the four corner pixels clear;
  shape        an opaque image on a one-pixel clear margin (icons, glyphs).
"""

import os
import struct
import sys
import zlib

# id, constant name, use, width, height, look: the one table everything else
# is made from.
IMAGES = [
    (216, "SideBar", "side bar: the background left of the pages", 148, 538, "opaque"),
    (150, "PagePlain", "page panel: online themes, About; the frame image", 629, 538, "opaque"),
    (213, "PageSettings", "page panel: settings", 629, 538, "opaque"),
    (215, "PageList", "page panel: themes, trails", 629, 538, "opaque"),
    (217, "PageTwoLists", "page panel: effects, sounds", 629, 538, "opaque"),
    (218, "PageCursors", "page panel: theme cursors", 629, 538, "opaque"),
    (182, "Logo", "logo on the side bar", 100, 40, "shape"),
    (147, "SideTab", "side tab: Over, Away, Selected, Unselected", 145, 41, "translucent"),
    (145, "TabIconThemes", "side-tab icon: themes", 22, 22, "shape"),
    (209, "TabIconEffects", "side-tab icon: effects", 22, 22, "shape"),
    (220, "TabIconTrails", "side-tab icon: trails", 22, 22, "shape"),
    (223, "TabIconSounds", "side-tab icon: sounds; a sound slot's icon", 22, 22, "shape"),
    (144, "TabIconOnline", "side-tab icon: online themes", 22, 22, "shape"),
    (179, "TabIconSettings", "side-tab icon: settings", 22, 22, "shape"),
    (177, "TabIconAbout", "side-tab icon: About", 22, 22, "shape"),
    (173, "TitleIconThemes", "page title icon: themes, theme cursors", 96, 96, "shape"),
    (210, "TitleIconEffects", "page title icon: effects", 96, 96, "shape"),
    (221, "TitleIconTrails", "page title icon: trails", 96, 96, "shape"),
    (224, "TitleIconSounds", "page title icon: sounds", 96, 96, "shape"),
    (180, "TitleIconSettings", "page title icon: settings", 96, 96, "shape"),
    (188, "TitleIconOnline", "page title icon: online themes", 96, 96, "shape"),
    (178, "TitleIconAbout", "page title icon: About", 96, 96, "shape"),
    (174, "Banner", "banner of the online themes and About pages", 400, 80, "shape"),
    (175, "Badge", "badge at the foot of the online themes and About pages", 150, 130, "shape"),
    (192, "OnlinePreview", "picture of the online theme library", 580, 280, "opaque"),
    (155, "RowButtonCursors", "theme row button: show the theme's cursors", 26, 26, "shape"),
    (154, "RowButtonEdit", "theme row button: edit the theme", 26, 26, "shape"),
    (205, "RowButtonProperties", "theme row button: properties", 16, 16, "shape"),
    (152, "RowButtonWebsite", "theme row button: website", 16, 16, "shape"),
    (153, "RowButtonEmail", "theme row button: e-mail", 16, 16, "shape"),
    (206, "RowButtonDelete", "theme row button: delete", 16, 16, "shape"),
    (191, "BackArrow", "back image of the theme cursors page", 16, 16, "shape"),
    (189, "HoverBar", "list hover bar (insets 10, 10, 5, 5)", 24, 14, "translucent"),
    (190, "SelectionBar", "list selection bar (insets 10, 10, 5, 5)", 24, 14, "translucent"),
    (160, "ScrollFrame", "scroll frame (insets 5, 5, 15, 17)", 17, 40, "opaque"),
    (159, "ScrollThumb", "scroll thumb", 17, 60, "opaque"),
    (204, "GlyphUp", "up glyph: scroll arrow, push button of style 1", 7, 7, "shape"),
    (203, "GlyphDown", "down glyph: scroll arrow, push button of style 2", 7, 7, "shape"),
    (183, "SubTabFrame", "frame of the settings sub-tabs", 629, 191, "opaque"),
    (184, "ImageTab", "image tab: Default", 40, 24, "opaque"),
    (185, "ImageTabSelected", "image tab: Selected", 40, 24, "opaque"),
    (149, "ButtonDefault", "push button of style 0: Default", 15, 15, "opaque"),
    (196, "ButtonOver", "push button of style 0: Over", 15, 15, "opaque"),
    (195, "ButtonDown", "push button of style 0: Down", 15, 15, "opaque"),
    (201, "SmallButtonDefault", "push button of style 1: Default", 17, 17, "opaque"),
    (202, "SmallButtonOver", "push button of style 1: Over", 17, 17, "opaque"),
    (200, "SmallButtonDown", "push button of style 1: Down", 17, 17, "opaque"),
    (198, "GlyphButtonDefault", "push button of style 2: Default", 17, 17, "opaque"),
    (199, "GlyphButtonOver", "push button of style 2: Over", 17, 17, "opaque"),
    (197, "GlyphButtonDown", "push button of style 2: Down", 17, 17, "opaque"),
    (219, "SliderKnob", "slider knob: Default", 10, 22, "shape"),
    (176, "SliderKnobOver", "slider knob: Over", 10, 22, "shape"),
    (225, "SliderTrack", "slider track (10-px ends)", 40, 6, "opaque"),
    (207, "Toggle", "toggle: off", 13, 13, "shape"),
    (208, "ToggleOn", "toggle: Enabled", 13, 13, "shape"),
]

ICON_ID = 156
ICON_SIZES = (16, 32)


def flat_colour(index):
    """A distinct, fairly saturated RGB colour per table row."""
    hue = (index * 0.61803398875) % 1.0
    sector = int(hue * 6)
    f = hue * 6 - sector
    high, low = 220, 60
    rise = int(low + (high - low) * f)
    fall = int(high - (high - low) * f)
    return [
        (high, rise, low),
        (fall, high, low),
        (low, high, rise),
        (low, fall, high),
        (rise, low, high),
        (high, low, fall),
    ][sector]


def darker(colour):
    return tuple(c * 3 // 5 for c in colour)


def pixel_alpha(look, x, y, width, height):
    """The alpha of one pixel and whether it is a border pixel."""
    edge_x = x in (0, width - 1)
    edge_y = y in (0, height - 1)
    if look == "opaque":
        return 255, edge_x or edge_y
    if look == "translucent":
        if edge_x and edge_y:
            return 0, True
        return (224, True) if edge_x or edge_y else (160, False)
    if edge_x or edge_y:
        return 0, True
    inner_edge = x in (1, width - 2) or y in (1, height - 2)
    return 255, inner_edge


def rgba_rows(width, height, colour, look):
    border = darker(colour)
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            alpha, is_border = pixel_alpha(look, x, y, width, height)
            r, g, b = border if is_border else colour
            row += bytes((r, g, b, alpha))
        rows.append(bytes(row))
    return rows


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(width, height, rows):
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\x00" + row for row in rows)  # filter 0 on every row
    return (
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", header)
        + png_chunk(b"IDAT", zlib.compress(raw, 9))
        + png_chunk(b"IEND", b"")
    )


def icon_image(size, colour):
    """One 32-bit icon image: header, bottom-up B G R A pixels, AND mask."""
    rows = rgba_rows(size, size, colour, "shape")
    pixels = b"".join(
        bytes((row[i + 2], row[i + 1], row[i], row[i + 3]))
        for row in reversed(rows)
        for i in range(0, len(row), 4)
    )
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # alpha decides; the mask shows every pixel
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0
    )
    return header + pixels + mask


def icon_bytes(colour):
    images = [icon_image(size, colour) for size in ICON_SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(ICON_SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def header_text():
    lines = [
        "#pragma once",
        "// Written by resources/panel/make_panel_images.py: the control panel's PNG",
        '// resources (type "PNG") with their sizes, and its icon.',
        "",
        "struct PanelImage {",
        "    int Id;",
        "    int Width;",
        "    int Height;",
        "};",
        "",
    ]
    for image_id, name, use, width, height, _ in IMAGES:
        lines.append(f"// {use}")
        lines.append(f"constexpr PanelImage kPng{name}{{{image_id}, {width}, {height}}};")
    lines += ["", f"constexpr int kPanelIconId = {ICON_ID};", ""]
    return "\n".join(lines)


def resource_lines():
    lines = ["// Written by resources/panel/make_panel_images.py."]
    for image_id, name, _, _, _, _ in IMAGES:
        lines.append(f'{image_id} PNG "panel_{image_id}.png"')
    lines.append(f'{ICON_ID} ICON "panel_{ICON_ID}.ico"')
    return "\n".join(lines) + "\n"


def write(path, data):
    mode = "w" if isinstance(data, str) else "wb"
    with open(path, mode, newline="\n" if mode == "w" else None) as out:
        out.write(data)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_panel_images.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    ids = [row[0] for row in IMAGES] + [ICON_ID]
    if len(set(ids)) != len(ids):
        sys.exit("make_panel_images.py: an id is listed twice")
    for index, (image_id, _, _, width, height, look) in enumerate(IMAGES):
        rows = rgba_rows(width, height, flat_colour(index), look)
        write(os.path.join(folder, f"panel_{image_id}.png"), png_bytes(width, height, rows))
    write(os.path.join(folder, f"panel_{ICON_ID}.ico"), icon_bytes(flat_colour(len(IMAGES))))
    write(os.path.join(folder, "panel_images.rc"), resource_lines())
    write(os.path.join(folder, "PanelImages.h"), header_text())


if __name__ == "__main__":
    main()
