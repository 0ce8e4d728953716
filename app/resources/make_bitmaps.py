#!/usr/bin/env python3
"""Draws the program's named bitmaps and icons and writes them as PNG files.

Every glyph is a 32 x 16 strip of two 16 x 16 pictures: the normal one and a
light grey one for a disabled button. Pure white (255, 255, 255) is the
background that the buttons and the window icon treat as transparent, so the
pictures use an off-white for paper that must stay opaque, and the bottom-left
pixel always stays background.

The pictures are drawn from shapes over a 16 x 16 grid of cells, not from
pixels, so each can be drawn at any scale: bitmaps/NAME.png holds the strip at
1x and bitmaps/NAME@2x.png the same strip drawn again at 2x (64 x 32) for
screens with two device pixels per pixel. A shape is a test on a point in
cell coordinates, where (x, y) is the centre of cell (x, y); every device
pixel takes the colour of the shape that holds its centre. At 1x that is
exactly the cell grid; at 2x straight edges stay where they were and slanted
ones follow the true line instead of the 1x staircase. Outlines stay one cell
wide at every scale.

The desktop icons (../icons/brimsum.png at 48 x 48 and brimsum-256.png at
256 x 256) are the calculator picture drawn at 3x and 16x, white transparent.

Run from this folder:  python3 make_bitmaps.py [--preview DIR]
--preview also writes every strip 8 times enlarged, to look at.
"""

import math
import struct
import sys
import zlib
from pathlib import Path

SIZE = 16
SCALES = {"": 1, "@2x": 2}
ICONS = {"brimsum.png": 3, "brimsum-256.png": 16}
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


def cells(first, last):
    """The span of cells first to last, both included, as a test on a cell
    coordinate: their centres lie 0.5 inside its ends."""
    return lambda v: first - 0.5 <= v <= last + 0.5


class Picture:
    """A 16 x 16 picture drawn from filled shapes with optional outlines, at
    `scale` device pixels per cell."""

    def __init__(self, scale):
        self.scale = scale
        self.side = SIZE * scale
        self.pixels = [[BACKGROUND] * self.side for _ in range(self.side)]

    def centre(self, device):
        """The cell coordinate of a device pixel's centre."""
        return (device + 0.5) / self.scale - 0.5

    def shape(self, inside, fill, outline=None):
        """Fills the device pixels whose centres inside(x, y) holds; with an
        outline colour, those of them less than one cell from a pixel outside
        the shape get that colour."""
        side = self.side
        mask = [[inside(self.centre(x), self.centre(y)) for x in range(side)]
                for y in range(side)]

        def held(x, y):
            return 0 <= x < side and 0 <= y < side and mask[y][x]

        reach = range(1, self.scale + 1)
        for y in range(side):
            for x in range(side):
                if not mask[y][x]:
                    continue
                edge = outline and any(
                    not held(x + dx * d, y + dy * d)
                    for d in reach for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                self.pixels[y][x] = PALETTE[outline if edge else fill]

    def rect(self, left, top, right, bottom, fill, outline=None):
        """The cells from (left, top) to (right, bottom), both included."""
        across, down = cells(left, right), cells(top, bottom)
        self.shape(lambda x, y: across(x) and down(y), fill, outline)

    def hline(self, left, right, y, colour):
        self.rect(left, y, right, y, colour)

    def vline(self, x, top, bottom, colour):
        self.rect(x, top, x, bottom, colour)


def triangle_right(tip_x, centre_y, half_height):
    """A triangle pointing right, its tip in cell (tip_x, centre_y) and its
    flat side along column tip_x - half_height."""
    rows = cells(centre_y - half_height, centre_y + half_height)
    return lambda x, y: rows(y) and tip_x - half_height - 0.5 <= x <= tip_x + 0.5 - abs(y - centre_y)


def down_arrow(p):
    shaft_x, shaft_y, head_y = cells(6, 9), cells(1, 7), cells(7, 12)
    p.shape(lambda x, y: (shaft_x(x) and shaft_y(y))
            or (head_y(y) and abs(x - 7.5) <= 13 - y), "blue", "navy")
    p.vline(7, 2, 10, "sky")
    p.hline(1, 14, 14, "ink")


def eraser(p):
    # A block lying at 45 degrees: x + y runs along it, x - y across it.
    block = lambda x, y: 11.5 <= x + y <= 18.5 and -8.5 <= x - y <= 8.5
    p.shape(block, "red", "ink")
    p.shape(lambda x, y: block(x, y) and x - y <= -1.5, "paper", "ink")
    p.shape(lambda x, y: block(x, y) and 16.5 <= x + y <= 17.5 and -0.5 <= x - y <= 7.5,
            "darkred")
    p.hline(1, 7, 15, "silver")


def text_lines(p):
    for top in (0, 3, 12):
        p.rect(6, top, 15, top + 1, "silver", "grey")


def insert_line(p):
    text_lines(p)
    p.rect(6, 6, 15, 10, "mint", "green")
    p.shape(triangle_right(5, 8, 4), "green", "darkgreen")


def delete_line(p):
    text_lines(p)
    p.rect(6, 6, 15, 10, "pink", "red")
    # A cross two cells thick over rows 6 to 10.
    rows = cells(6, 10)
    p.shape(lambda x, y: rows(y) and (-0.5 <= x - (y - 6) <= 1.5 or 3.5 <= x + (y - 6) <= 5.5),
            "red")


def copy_sheets(p):
    # The top-left corner stays free for a letter printed over the picture.
    p.rect(7, 0, 13, 10, "paper", "ink")
    p.rect(9, 4, 15, 15, "paper", "ink")
    for y in (7, 9, 11, 13):
        p.hline(11, 13, y, "grey")


def clipboard(p):
    p.rect(2, 2, 13, 15, "wood", "darkwood")
    p.rect(4, 5, 11, 13, "paper", "grey")
    for y in (7, 9, 11):
        p.hline(5, 10, y, "grey")
    p.rect(5, 0, 10, 3, "silver", "ink")


def gear(p):
    cx = cy = 7.5

    def tooth(dx, dy):
        # Eight teeth, each about three cells wide.
        angle = math.atan2(dy, dx)
        nearest = round(angle / (math.pi / 4)) * (math.pi / 4)
        return abs(math.hypot(dx, dy) * math.sin(angle - nearest)) <= 1.5

    def body(x, y):
        dx, dy = x - cx, y - cy
        r = math.hypot(dx, dy)
        return 2.0 <= r and (r <= 5.0 or (r <= 7.6 and tooth(dx, dy)))

    p.shape(body, "silver", "ink")
    p.shape(lambda x, y: 2.0 <= math.hypot(x - cx, y - cy) <= 3.2, "grey")


def exit_door(p):
    p.rect(1, 0, 8, 14, "ink", "darkwood")
    # The open leaf, seen at an angle from the hinge on the left: its top and
    # bottom edges drop one cell every two columns.
    leaf_x = cells(1, 5)
    p.shape(lambda x, y: leaf_x(x) and x / 2 - 0.25 <= y <= x / 2 + 13.5, "wood", "darkwood")
    bar_x, bar_y = cells(7, 11), cells(7, 9)
    arrow = triangle_right(15, 8, 4)
    p.shape(lambda x, y: (bar_x(x) and bar_y(y)) or arrow(x, y), "green", "darkgreen")


def spreadsheet(p):
    p.rect(1, 1, 14, 14, "paper", "darkgreen")
    p.rect(1, 1, 14, 4, "green", "darkgreen")
    p.rect(1, 4, 4, 14, "mint", "darkgreen")
    for y in (7, 10):
        p.hline(2, 13, y, "grey")
    for x in (4, 9):
        p.vline(x, 5, 13, "grey")
    p.hline(1, 14, 4, "darkgreen")
    p.vline(4, 1, 14, "darkgreen")


def calculator(p):
    p.rect(2, 0, 13, 15, "silver", "ink")
    p.rect(4, 2, 11, 5, "lcd", "darkgreen")
    p.hline(6, 10, 4, "ink")
    for row, y in enumerate((7, 10, 13)):
        for column, x in enumerate((4, 7, 10)):
            colour = "red" if (row, column) == (2, 2) else "navy"
            p.rect(x, y, x + 1, y + 1, colour)


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


def draw(glyph, scale):
    picture = Picture(scale)
    glyph(picture)
    return picture.pixels


def disabled(rows):
    """The same picture in light greys; the background stays background."""
    result = []
    for row in rows:
        out = []
        for colour in row:
            if colour == BACKGROUND:
                out.append(colour)
            else:
                lum = (299 * colour[0] + 587 * colour[1] + 114 * colour[2]) // 1000
                grey = 150 + lum * 90 // 255
                out.append((grey, grey, grey))
        result.append(out)
    return result


def strip(rows):
    return [normal + grey for normal, grey in zip(rows, disabled(rows))]


def png_bytes(rows, enlarge=1, alpha=False):
    """RGB rows as a PNG file; with alpha, the background is transparent."""
    rows = [[c for c in row for _ in range(enlarge)] for row in rows for _ in range(enlarge)]
    height, width = len(rows), len(rows[0])

    def pixel(c):
        if not alpha:
            return bytes(c)
        return b"\x00\x00\x00\x00" if c == BACKGROUND else bytes(c) + b"\xff"

    raw = b"".join(b"\x00" + b"".join(pixel(c) for c in row) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    here = Path(__file__).resolve().parent
    preview = Path(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[1] == "--preview" else None
    for name, glyph in GLYPHS.items():
        for suffix, scale in SCALES.items():
            rows = strip(draw(glyph, scale))
            assert rows[-1][0] == BACKGROUND, name + ": the bottom-left pixel must stay background"
            (here / "bitmaps" / (name + suffix + ".png")).write_bytes(png_bytes(rows))
            if preview:
                preview.mkdir(parents=True, exist_ok=True)
                (preview / (name + suffix + ".png")).write_bytes(png_bytes(rows, 8 // scale))
    for file_name, scale in ICONS.items():
        (here.parent / "icons" / file_name).write_bytes(
            png_bytes(draw(calculator, scale), alpha=True))


if __name__ == "__main__":
    main()
