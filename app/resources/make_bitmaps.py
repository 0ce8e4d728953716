#!/usr/bin/env python3
"""Draws the program's named bitmaps and writes them as PNG files.

Every glyph is a 32 x 16 strip of two 16 x 16 pictures: the normal one and a
light grey one for a disabled button. Pure white (255, 255, 255) is the
background that the buttons and the window icon treat as transparent, so the
pictures use an off-white for paper that must stay opaque, and the bottom-left
pixel always stays background.

Run from this folder:  python3 make_bitmaps.py [--preview DIR]
--preview also writes every strip 8 times enlarged, to look at.
"""

import math
import struct
import sys
import zlib
from pathlib import Path

SIZE = 16
BACKGROUND = (255, 255, 255)

PALETTE = {
    "paper": (255, 255, 250),
    "black": (0, 0, 0),
    "ink": (60, 60, 60),
    "grey": (128, 128, 128),
    "silver": (192, 192, 192),
    "light": (226, 226, 226),
    "red": (215, 35, 35),
    "darkred": (140, 0, 0),
    "pink": (255, 170, 170),
    "blue": (40, 100, 220),
    "navy": (0, 30, 130),
    "sky": (150, 190, 245),
    "green": (30, 160, 50),
    "darkgreen": (0, 100, 20),
    "mint": (170, 230, 170),
    "lcd": (200, 230, 180),
    "wood": (175, 115, 55),
    "darkwood": (105, 65, 25),
}


class Picture:
    """A 16 x 16 picture drawn from filled shapes with optional outlines."""

    def __init__(self):
        self.pixels = [[BACKGROUND] * SIZE for _ in range(SIZE)]

    def set(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = PALETTE[colour]

    def shape(self, inside, fill, outline=None):
        """Fills the pixels for which inside(x, y) holds; with an outline
        colour, the pixels of the shape next to one outside it get that."""
        mask = {(x, y) for y in range(SIZE) for x in range(SIZE) if inside(x, y)}
        for x, y in mask:
            edge = any(n not in mask for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
            self.set(x, y, outline if outline and edge else fill)

    def rect(self, left, top, right, bottom, fill, outline=None):
        """A rectangle from (left, top) to (right, bottom), both included."""
        self.shape(lambda x, y: left <= x <= right and top <= y <= bottom, fill, outline)

    def hline(self, left, right, y, colour):
        for x in range(left, right + 1):
            self.set(x, y, colour)

    def vline(self, x, top, bottom, colour):
        for y in range(top, bottom + 1):
            self.set(x, y, colour)


def triangle_right(tip_x, centre_y, half_height):
    """A triangle pointing right with its flat side at x = tip_x - half_height."""
    return lambda x, y: tip_x - half_height <= x <= tip_x - abs(y - centre_y)


def down_arrow():
    p = Picture()
    p.shape(lambda x, y: (6 <= x <= 9 and 1 <= y <= 7)
            or (7 <= y <= 12 and abs(x - 7.5) <= 13 - y), "blue", "navy")
    p.vline(7, 2, 10, "sky")
    p.hline(1, 14, 14, "ink")
    return p


def eraser():
    p = Picture()
    # A block lying at 45 degrees: u runs along it, v across it.
    block = lambda x, y: 12 <= x + y <= 18 and -8 <= x - y <= 8
    p.shape(block, "red", "ink")
    p.shape(lambda x, y: block(x, y) and x - y <= -2, "paper", "ink")
    p.shape(lambda x, y: block(x, y) and x + y == 17 and -1 < x - y < 8, "darkred")
    p.hline(1, 7, 15, "silver")
    return p


def text_lines(p):
    for top in (0, 3, 12):
        p.rect(6, top, 15, top + 1, "silver", "grey")


def insert_line():
    p = Picture()
    text_lines(p)
    p.rect(6, 6, 15, 10, "mint", "green")
    p.shape(triangle_right(5, 8, 4), "green", "darkgreen")
    return p


def delete_line():
    p = Picture()
    text_lines(p)
    p.rect(6, 6, 15, 10, "pink", "red")
    for i in range(5):
        for dx in (0, 1):
            p.set(i + dx, 6 + i, "red")
            p.set(4 - i + dx, 6 + i, "red")
    return p


def copy_sheets():
    # The top-left corner stays free for a letter printed over the picture.
    p = Picture()
    p.rect(7, 0, 13, 10, "paper", "ink")
    p.rect(9, 4, 15, 15, "paper", "ink")
    for y in (7, 9, 11, 13):
        p.hline(11, 13, y, "grey")
    return p


def clipboard():
    p = Picture()
    p.rect(2, 2, 13, 15, "wood", "darkwood")
    p.rect(4, 5, 11, 13, "paper", "grey")
    for y in (7, 9, 11):
        p.hline(5, 10, y, "grey")
    p.rect(5, 0, 10, 3, "silver", "ink")
    return p


def gear():
    p = Picture()
    cx = cy = 7.5

    def tooth(dx, dy):
        # Eight teeth, each about three pixels wide.
        angle = math.atan2(dy, dx)
        nearest = round(angle / (math.pi / 4)) * (math.pi / 4)
        return abs(math.hypot(dx, dy) * math.sin(angle - nearest)) <= 1.5

    def body(x, y):
        dx, dy = x - cx, y - cy
        r = math.hypot(dx, dy)
        return 2.0 <= r and (r <= 5.0 or (r <= 7.6 and tooth(dx, dy)))

    p.shape(body, "silver", "ink")
    p.shape(lambda x, y: 2.0 <= math.hypot(x - cx, y - cy) <= 3.2, "grey")
    return p


def exit_door():
    p = Picture()
    p.rect(1, 0, 8, 14, "ink", "darkwood")
    # The open leaf, seen at an angle from the hinge on the left.
    p.shape(lambda x, y: 1 <= x <= 5 and 1 + (x - 1) // 2 <= y <= 14 + (x - 1) // 2,
            "wood", "darkwood")
    p.shape(lambda x, y: (7 <= x <= 11 and 7 <= y <= 9)
            or triangle_right(15, 8, 4)(x, y), "green", "darkgreen")
    return p


def spreadsheet():
    p = Picture()
    p.rect(1, 1, 14, 14, "paper", "darkgreen")
    p.rect(1, 1, 14, 4, "green", "darkgreen")
    p.rect(1, 4, 4, 14, "mint", "darkgreen")
    for y in (7, 10):
        p.hline(2, 13, y, "grey")
    for x in (4, 9):
        p.vline(x, 5, 13, "grey")
    p.hline(1, 14, 4, "darkgreen")
    p.vline(4, 1, 14, "darkgreen")
    return p


def calculator():
    p = Picture()
    p.rect(2, 0, 13, 15, "silver", "ink")
    p.rect(4, 2, 11, 5, "lcd", "darkgreen")
    p.hline(6, 10, 4, "ink")
    for row, y in enumerate((7, 10, 13)):
        for column, x in enumerate((4, 7, 10)):
            colour = "red" if (row, column) == (2, 2) else "navy"
            p.rect(x, y, x + 1, y + 1, colour)
    return p


GLYPHS = {
    "ABAIX": down_arrow,
    "NETEJAR": eraser,
    "INSERIRLINIA": insert_line,
    "ESBORRARLINIA": delete_line,
    "COPIAR": copy_sheets,
    "ENGANXAR": clipboard,
    "UTILITATS": gear,
    "SORTIR": exit_door,
    "EXCEL": spreadsheet,
    "CALCULADORABIS": calculator,
}


def disabled(picture):
    """The same picture in light greys; the background stays background."""
    rows = []
    for row in picture.pixels:
        out = []
        for colour in row:
            if colour == BACKGROUND:
                out.append(colour)
            else:
                lum = (299 * colour[0] + 587 * colour[1] + 114 * colour[2]) // 1000
                grey = 150 + lum * 90 // 255
                out.append((grey, grey, grey))
        rows.append(out)
    return rows


def strip(picture):
    return [normal + grey for normal, grey in zip(picture.pixels, disabled(picture))]


def png_bytes(rows, scale=1):
    rows = [[c for c in row for _ in range(scale)] for row in rows for _ in range(scale)]
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for c in row for v in c) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    here = Path(__file__).resolve().parent
    preview = Path(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[1] == "--preview" else None
    for name, draw in GLYPHS.items():
        rows = strip(draw())
        assert rows[SIZE - 1][0] == BACKGROUND, name + ": the bottom-left pixel must stay background"
        (here / "bitmaps" / (name + ".png")).write_bytes(png_bytes(rows))
        if preview:
            preview.mkdir(parents=True, exist_ok=True)
            (preview / (name + ".png")).write_bytes(png_bytes(rows, 8))


if __name__ == "__main__":
    main()
