#!/usr/bin/env python3
"""The control panel's skin images as a table: writes the resource lines that
compile them in and a C++ header of their ids and sizes, and checks that the
art folder holds exactly one <id>-<use>.svg of the table's size per image
(the build renders them) and the icon's <id>-<use>-icon.svg.

Usage: panel_image_table.py OUTPUT_FOLDER ART_FOLDER
"""

import os
import re
import sys

# id, constant name, use, width, height: the one table everything else is
# made from.
IMAGES = [
    (216, "SideBar", "side bar: the background left of the pages", 148, 538),
    (150, "PagePlain", "page panel: online themes, About; the frame image", 629, 538),
    (213, "PageSettings", "page panel: settings", 629, 538),
    (215, "PageList", "page panel: themes, trails", 629, 538),
    (217, "PageTwoLists", "page panel: effects, sounds", 629, 538),
    (218, "PageCursors", "page panel: theme cursors", 629, 538),
    (182, "Logo", "logo on the side bar", 100, 40),
    (147, "SideTab", "side tab: Over, Away, Selected, Unselected", 145, 41),
    (145, "TabIconThemes", "side-tab icon: themes", 22, 22),
    (209, "TabIconEffects", "side-tab icon: effects", 22, 22),
    (220, "TabIconTrails", "side-tab icon: trails", 22, 22),
    (223, "TabIconSounds", "side-tab icon: sounds; a sound slot's icon", 22, 22),
    (144, "TabIconOnline", "side-tab icon: online themes", 22, 22),
    (179, "TabIconSettings", "side-tab icon: settings", 22, 22),
    (177, "TabIconAbout", "side-tab icon: About", 22, 22),
    (173, "TitleIconThemes", "page title icon: themes, theme cursors", 96, 96),
    (210, "TitleIconEffects", "page title icon: effects", 96, 96),
    (221, "TitleIconTrails", "page title icon: trails", 96, 96),
    (224, "TitleIconSounds", "page title icon: sounds", 96, 96),
    (180, "TitleIconSettings", "page title icon: settings", 96, 96),
    (188, "TitleIconOnline", "page title icon: online themes", 96, 96),
    (178, "TitleIconAbout", "page title icon: About", 96, 96),
    (174, "Banner", "banner of the online themes and About pages", 400, 80),
    (175, "Badge", "badge at the foot of the online themes and About pages", 150, 130),
    (192, "OnlinePreview", "picture of the online theme library", 580, 280),
    (155, "RowButtonCursors", "theme row button: show the theme's cursors", 26, 26),
    (154, "RowButtonEdit", "theme row button: edit the theme", 26, 26),
    (205, "RowButtonProperties", "theme row button: properties", 16, 16),
    (152, "RowButtonWebsite", "theme row button: website", 16, 16),
    (153, "RowButtonEmail", "theme row button: e-mail", 16, 16),
    (206, "RowButtonDelete", "theme row button: delete", 16, 16),
    (191, "BackArrow", "back image of the theme cursors page", 16, 16),
    (189, "HoverBar", "list hover bar (insets 10, 10, 5, 5)", 24, 14),
    (190, "SelectionBar", "list selection bar (insets 10, 10, 5, 5)", 24, 14),
    (160, "ScrollFrame", "scroll frame (insets 5, 5, 15, 17)", 17, 40),
    (159, "ScrollThumb", "scroll thumb", 17, 60),
    (204, "GlyphUp", "up glyph: scroll arrow, push button of style 1", 7, 7),
    (203, "GlyphDown", "down glyph: scroll arrow, push button of style 2", 7, 7),
    (183, "SubTabFrame", "frame of the settings sub-tabs", 629, 191),
    (184, "ImageTab", "image tab: Default", 40, 24),
    (185, "ImageTabSelected", "image tab: Selected", 40, 24),
    (149, "ButtonDefault", "push button of style 0: Default", 15, 15),
    (196, "ButtonOver", "push button of style 0: Over", 15, 15),
    (195, "ButtonDown", "push button of style 0: Down", 15, 15),
    (201, "SmallButtonDefault", "push button of style 1: Default", 17, 17),
    (202, "SmallButtonOver", "push button of style 1: Over", 17, 17),
    (200, "SmallButtonDown", "push button of style 1: Down", 17, 17),
    (198, "GlyphButtonDefault", "push button of style 2: Default", 17, 17),
    (199, "GlyphButtonOver", "push button of style 2: Over", 17, 17),
    (197, "GlyphButtonDown", "push button of style 2: Down", 17, 17),
    (219, "SliderKnob", "slider knob: Default", 10, 22),
    (176, "SliderKnobOver", "slider knob: Over", 10, 22),
    (225, "SliderTrack", "slider track (10-px ends)", 40, 6),
    (207, "Toggle", "toggle: off", 13, 13),
    (208, "ToggleOn", "toggle: Enabled", 13, 13),
]

ICON_ID = 156


def header_text():
    lines = [
        "#pragma once",
        "// Written by resources/panel/panel_image_table.py: the control panel's PNG",
        '// resources (type "PNG") with their sizes, and its icon.',
        "",
        "struct PanelImage {",
        "    int Id;",
        "    int Width;",
        "    int Height;",
        "};",
        "",
    ]
    for image_id, name, use, width, height in IMAGES:
        lines.append(f"// {use}")
        lines.append(f"constexpr PanelImage kPng{name}{{{image_id}, {width}, {height}}};")
    lines += ["", f"constexpr int kPanelIconId = {ICON_ID};", ""]
    return "\n".join(lines)


def resource_lines():
    lines = ["// Written by resources/panel/panel_image_table.py."]
    for image_id, *_ in IMAGES:
        lines.append(f'{image_id} PNG "panel-{image_id}.png"')
    lines.append(f'{ICON_ID} ICON "panel-{ICON_ID}.ico"')
    return "\n".join(lines) + "\n"


def svg_size(path):
    """The width and height the SVG's root element declares, in pixels."""
    with open(path, encoding="utf-8") as text:
        root = re.search(r"<svg\b[^>]*>", text.read())
    size = [re.search(rf'\b{key}="(\d+)(px)?"', root.group(0)) if root else None
            for key in ("width", "height")]
    return tuple(int(s.group(1)) for s in size) if all(size) else None


def art_problems(art):
    """What keeps the art folder from matching the table, one line each."""
    files = {}
    for name in sorted(os.listdir(art)):
        match = re.match(r"(\d+)-.*\.svg$", name)
        if match and not name.endswith("-icon-16.svg"):
            files.setdefault(int(match.group(1)), []).append(name)
    found = []
    expected = {image_id: (width, height) for image_id, _, _, width, height in IMAGES}
    expected[ICON_ID] = None
    for image_id, size in expected.items():
        names = files.pop(image_id, [])
        if len(names) != 1:
            found.append(f"{image_id}: {len(names)} art files, not one")
        elif size is None and not names[0].endswith("-icon.svg"):
            found.append(f"{names[0]}: the icon is named <id>-<use>-icon.svg")
        elif size is not None and svg_size(os.path.join(art, names[0])) != size:
            found.append(f"{names[0]}: not {size[0]} x {size[1]}")
    found += [f"{names[0]}: no image {image_id} in the table" for image_id, names in files.items()]
    return found


def write(path, data):
    with open(path, "w", newline="\n") as out:
        out.write(data)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: panel_image_table.py OUTPUT_FOLDER ART_FOLDER")
    folder, art = sys.argv[1:]
    ids = [row[0] for row in IMAGES] + [ICON_ID]
    if len(set(ids)) != len(ids):
        sys.exit("panel_image_table.py: an id is listed twice")
    problems = art_problems(art)
    if problems:
        sys.exit("\n".join(f"{art}/{line}" for line in problems))
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "panel_images.rc"), resource_lines())
    write(os.path.join(folder, "PanelImages.h"), header_text())


if __name__ == "__main__":
    main()
