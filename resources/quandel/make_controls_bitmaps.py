#!/usr/bin/env python3
"""Writes the tree list boxes' bitmaps as 24-bit BMP files.

  controls_tree_glyphs.bmp   32x16: the expand box with a plus (image 0,
                             collapsed) and with a minus (image 1, expanded);
                             blue RGB(0,0,255) is the mask colour.
  controls_check_images.bmp  64x16: check boxes for a group with all modules
                             checked (0), some checked (1), a checked module
                             (2) and an unchecked one (3); white is the mask
                             colour, so the row background shows inside.

Each 16-px cell is drawn so that its centre column 7 meets the tree's
connector lines.

usage: make_controls_bitmaps.py OUTPUT_DIR
"""
import os
import struct
import sys

BLUE = (0, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
BOX_EDGE = (128, 128, 128)
NAVY = (0, 0, 128)
GREY = (128, 128, 128)


def write_bmp(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y counted from the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


def glyph(x, y):
    cell, cx = divmod(x, 16)
    # 9x9 box around (7, 7)
    if 3 <= cx <= 11 and 3 <= y <= 11:
        if cx in (3, 11) or y in (3, 11):
            return BOX_EDGE
        if y == 7 and 5 <= cx <= 9:
            return BLACK
        if cell == 0 and cx == 7 and 5 <= y <= 9:
            return BLACK
        return WHITE
    return BLUE


# The tick of a check box, as (x, y) cells inside the box.
TICK = set()
for tx, ty in [(4, 7), (5, 8), (6, 9), (7, 8), (8, 7), (9, 6), (10, 5)]:
    TICK.update({(tx, ty), (tx, ty + 1)})


def check(x, y):
    cell, cx = divmod(x, 16)
    # 13x13 box from (1, 1) to (13, 13)
    if 1 <= cx <= 13 and 1 <= y <= 13:
        if cx in (1, 13) or y in (1, 13):
            return BLACK
        if (cx, y) in TICK:
            return {0: NAVY, 1: GREY, 2: BLACK}.get(cell, WHITE)
        return WHITE
    return WHITE


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "controls_tree_glyphs.bmp"), 32, 16, glyph)
    write_bmp(os.path.join(out, "controls_check_images.bmp"), 64, 16, check)


if __name__ == "__main__":
    main()
