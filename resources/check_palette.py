#!/usr/bin/env python3
"""Refuses skin art that leaves the palette: every colour an SVG names must
be one of palette.txt's, written #RRGGBB. A file whose root element carries
data-palette="spectrum" shows colours by purpose (a hue band) and is skipped.

Usage: check_palette.py PALETTE SVG...
"""

import re
import sys

COLOUR_PROPERTIES = ("fill", "stroke", "stop-color", "flood-color", "lighting-color", "color")
# A property's value, as an attribute (fill="…") or in a style (fill: …).
PROPERTY = re.compile(r'(?<![\w-])(%s)\s*(?:=\s*"([^"]*)"|:\s*([^;"]*))' %
                      "|".join(COLOUR_PROPERTIES))
NOT_COLOURS = {"none", "currentcolor", "inherit", "transparent"}


def palette_colours(path):
    colours = set()
    with open(path, encoding="utf-8") as text:
        for line in text:
            if line.startswith("#"):
                continue
            for field in line.split():
                if re.fullmatch(r"#[0-9A-F]{6}", field):
                    colours.add(field)
    return colours


def problems(path, allowed):
    with open(path, encoding="utf-8") as text:
        svg = text.read()
    if re.search(r'<svg\b[^>]*\bdata-palette="spectrum"', svg):
        return []
    found = []
    for match in PROPERTY.finditer(svg):
        value = (match.group(2) if match.group(2) is not None else match.group(3)).strip()
        if value.lower() in NOT_COLOURS or value.startswith("url("):
            continue
        if value not in allowed:
            line = svg.count("\n", 0, match.start()) + 1
            found.append(f"{path}:{line}: {match.group(1)} {value!r} is not in the palette")
    return found


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: check_palette.py PALETTE SVG...")
    allowed = palette_colours(sys.argv[1])
    found = [p for path in sys.argv[2:] for p in problems(path, allowed)]
    if found:
        sys.exit("\n".join(found))


if __name__ == "__main__":
    main()
