#!/usr/bin/env python3
"""Writes the launcher's bitmaps and icon into this directory.

Standard library only, and only arithmetic whose results IEEE 754 fixes
exactly (integers, and + - * / sqrt on floats), so every run on every
machine writes the same bytes.

The window blits each small picture opaquely over the background, so every
picture is drawn over the very background pixels it will cover; that is why
each one knows its client position.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

CLIENT_WIDTH, CLIENT_HEIGHT = 516, 529
PEAK_RED = 192
# The gradient peaks at pixel (258, 264).  Horizontally it is symmetric about
# x = 257 (the peak is flat enough that 256..258 all round to the peak),
# because that axis maps the left picture's rectangle exactly onto the
# right one's, which lets right.bmp be a plain mirror of left.bmp.
MIRROR_AXIS_X = 257
CENTRE_Y = 264
HALF_WIDTH = 257
HALF_HEIGHT = 264

TOP_AT = (184, 80)
CENTER_AT = (192, 160)
LEFT_AT = (80, 160)
RIGHT_AT = (336, 160)


# ---------------------------------------------------------------- colours

def background_red(x, y):
    """Red level of the background at client pixel (x, y).

    (1 - s)^2 with s = r^2 / 2, r the distance normalised so the nearest
    corner has r = sqrt(2): flat at the centre, zero at every corner.
    Integer arithmetic, rounded half up, so it is exact everywhere.
    """
    dx = x - MIRROR_AXIS_X
    dy = y - CENTRE_Y
    a2 = HALF_WIDTH * HALF_WIDTH
    b2 = HALF_HEIGHT * HALF_HEIGHT
    denominator = 2 * a2 * b2
    remaining = denominator - (dx * dx * b2 + dy * dy * a2)
    if remaining <= 0:
        return 0
    square = denominator ** 2
    return (2 * PEAK_RED * remaining ** 2 + square) // (2 * square)


def background_colour(x, y):
    return (background_red(x, y), 0, 0)


def blend(under, over, alpha):
    """alpha in [0, 1]; rounds half up per channel."""
    return tuple(int(u + (o - u) * alpha + 0.5) for u, o in zip(under, over))


# ---------------------------------------------------------------- images

class Image:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill(x, y) for x in range(width)] for y in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def mirrored(self):
        image = Image(self.width, self.height, lambda x, y: (0, 0, 0))
        image.rows = [list(reversed(row)) for row in self.rows]
        return image


def background_under(origin, width, height):
    ox, oy = origin
    return Image(width, height, lambda x, y: background_colour(ox + x, oy + y))


def coverage(inside, x, y, samples=4):
    """Fraction of pixel (x, y) for which inside(px, py) holds."""
    hits = 0
    for sy in range(samples):
        for sx in range(samples):
            if inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def paint_sprite(image, sprite, palette, left, top, scale):
    for row, line in enumerate(sprite):
        for column, key in enumerate(line):
            colour = palette.get(key)
            if colour is None:
                continue
            for y in range(scale):
                for x in range(scale):
                    image.put(left + column * scale + x, top + row * scale + y, colour)


# ---------------------------------------------------------------- file formats

def bmp_bytes(image):
    row_size = (image.width * 3 + 3) & ~3
    padding = b"\0" * (row_size - image.width * 3)
    pixels = bytearray()
    for row in reversed(image.rows):
        for r, g, b in row:
            pixels += bytes((b, g, r))
        pixels += padding
    info = struct.pack("<IiiHHIIiiII", 40, image.width, image.height, 1, 24, 0,
                       len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def ico_bytes(sprite, palette_keys, palette):
    """One 32 x 32 image, 4 bits per pixel; '.' is transparent."""
    size = 32
    colours = [(0, 0, 0)] + [palette[key] for key in palette_keys]
    assert len(colours) <= 16
    colours += [(0, 0, 0)] * (16 - len(colours))
    index_of = {key: i + 1 for i, key in enumerate(palette_keys)}
    xor_rows, and_rows = [], []
    for line in sprite:
        nibbles = [index_of.get(key, 0) for key in line]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        mask = 0
        for key in line:
            mask = (mask << 1) | (1 if key == "." else 0)
        and_rows.append(mask.to_bytes(size // 8, "big"))
    xor_mask = b"".join(reversed(xor_rows))
    and_mask = b"".join(reversed(and_rows))
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                       len(xor_mask) + len(and_mask), 0, 0, 0, 0)
    image = info + palette_bytes + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as file:
        file.write(data)


# ---------------------------------------------------------------- launch button

GLYPHS = {
    "G": [".#####.",
          "##...##",
          "##.....",
          "##.....",
          "##..###",
          "##...##",
          "##...##",
          "##...##",
          ".#####."],
    "O": [".#####.",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          "##...##",
          ".#####."],
    "!": ["##",
          "##",
          "##",
          "##",
          "##",
          "##",
          "..",
          "##",
          "##"],
}
LETTER_SCALE = 5
LETTER_DARK = (44, 0, 4)
LETTER_GLINT = (238, 88, 74)
PLATE_FACE = (206, 18, 18)
PLATE_LIGHT = (255, 110, 96)
PLATE_SHADOW = (92, 0, 4)
PLATE_RIM = (30, 0, 2)


def rounded_rect_distance(px, py, left, top, right, bottom, radius):
    """Signed distance from (px, py) to the rectangle's edge, negative inside."""
    half_w = (right - left) / 2
    half_h = (bottom - top) / 2
    qx = abs(px - (left + right) / 2) - (half_w - radius)
    qy = abs(py - (top + bottom) / 2) - (half_h - radius)
    ox, oy = max(qx, 0.0), max(qy, 0.0)
    outside = math.sqrt(ox * ox + oy * oy)
    return outside + min(max(qx, qy), 0.0) - radius


def word_cells(word):
    """Cells of the word set in GLYPHS, one column of space between letters."""
    cells = []
    column = 0
    for letter in word:
        glyph = GLYPHS[letter]
        for row, line in enumerate(glyph):
            cells += [(column + c, row) for c, key in enumerate(line) if key == "#"]
        column += len(glyph[0]) + 1
    return cells, column - 1, len(GLYPHS[word[0]])


def top_picture():
    image = background_under(TOP_AT, 150, 75)
    box = (4.0, 4.0, 146.0, 71.0)
    radius, bevel = 14.0, 5.0

    def distance(px, py):
        return rounded_rect_distance(px, py, *box, radius)

    for y in range(image.height):
        for x in range(image.width):
            rim = coverage(lambda px, py: distance(px, py) < 2.0, x, y)
            if rim == 0:
                continue
            colour = blend(image.get(x, y), PLATE_RIM, rim)
            face = coverage(lambda px, py: distance(px, py) < 0.0, x, y)
            if face > 0:
                cx, cy = x + 0.5, y + 0.5
                depth = -distance(cx, cy)
                plate = PLATE_FACE
                if depth < bevel:
                    # The outward normal against a light from the top left.
                    nx = distance(cx + 0.5, cy) - distance(cx - 0.5, cy)
                    ny = distance(cx, cy + 0.5) - distance(cx, cy - 0.5)
                    length = math.sqrt(nx * nx + ny * ny) or 1.0
                    facing = -(nx + ny) / (length * math.sqrt(2.0))
                    plate = blend(PLATE_FACE, PLATE_LIGHT if facing > 0 else PLATE_SHADOW,
                                  abs(facing))
                colour = blend(colour, plate, face)
            image.put(x, y, colour)

    cells, columns, rows = word_cells("GO!")
    left = (image.width - columns * LETTER_SCALE) // 2
    top = (image.height - rows * LETTER_SCALE) // 2
    for colour, shift in ((LETTER_GLINT, 2), (LETTER_DARK, 0)):
        for column, row in cells:
            for y in range(LETTER_SCALE):
                for x in range(LETTER_SCALE):
                    image.put(left + column * LETTER_SCALE + x + shift,
                              top + row * LETTER_SCALE + y + shift, colour)
    return image


# ---------------------------------------------------------------- crescents
# Circles chosen so that the horns meet at about (90, 8) and (90, 192), the
# outer edge touches x = 6 and the inner edge x = 44.

OUTER_X, OUTER_R = 98.4, 92.4
INNER_X, INNER_R = 159.0, 115.0
CRESCENT_Y = 100.0
CRESCENT_EDGE = (18, 0, 2)
CRESCENT_CORE = (66, 0, 6)


def distance_between(ax, ay, bx, by):
    dx, dy = ax - bx, ay - by
    return math.sqrt(dx * dx + dy * dy)


def in_crescent(px, py):
    return (distance_between(px, py, OUTER_X, CRESCENT_Y) < OUTER_R
            and distance_between(px, py, INNER_X, CRESCENT_Y) >= INNER_R)


def left_picture():
    image = background_under(LEFT_AT, 99, 200)
    for y in range(image.height):
        for x in range(image.width):
            alpha = coverage(in_crescent, x, y)
            if alpha == 0:
                continue
            cx, cy = x + 0.5, y + 0.5
            from_outer = OUTER_R - distance_between(cx, cy, OUTER_X, CRESCENT_Y)
            from_inner = distance_between(cx, cy, INNER_X, CRESCENT_Y) - INNER_R
            # Lighter along the middle of the band, so it reads as a solid body.
            band = max(0.0, min(from_outer, from_inner))
            colour = blend(CRESCENT_EDGE, CRESCENT_CORE, min(1.0, band / 12.0))
            image.put(x, y, blend(image.get(x, y), colour, alpha))
    return image


# ---------------------------------------------------------------- guardian
# A knight behind a shield bearing a check mark, raising a magnifier: the
# checksum button.  The same sprite, one pixel per cell, is the icon.

GUARDIAN = [
    ".....KGK.......KKKKK..",
    ".....KGK......KGGGGGK.",
    "....KKGKK....KGGLLLGGK",
    "...KHWHHhK...KGLWWLLGK",
    "..KHWHHHHhK..KGLWLLLGK",
    ".KHWHHHHHHhK.KGLLLLLGK",
    ".KHHHHHHHHhK.KGGLLLGGK",
    ".KdddddddddK..KGGGGGK.",
    ".KdEEdddEEdK...KKKKK..",
    ".KHHdHdHdHhK....KgK...",
    "..KHHHHHHhK.....KgK...",
    "...KKKKKKK.....KHHhK..",
    "KHHhKrrrKHHhKKKKHHhK..",
    "KKKKKKKKKKKRRRrKGGgK..",
    "KGGGGGGGGGKRRRrKHHhK..",
    "KGRRRRRRRGKRrKKKKKKK..",
    "KGRRRRRRCGKRrK........",
    "KGRRRRRCCGKRrK........",
    "KGRRRRCCRGKRrK........",
    "KGCRRCCRRGKGgK........",
    "KGCCCCRRRGKRrK........",
    "KGRCCRRRRGKRrK........",
    "KGRRRRRRRGKRrK........",
    ".KGRRRRRGKRRrK........",
    ".KKGRRRGKRRRrK........",
    ".KKKKGRGKKKKKK........",
    "..KHKGKKHhK...........",
    "..KHhK.KHhK...........",
    "..KHhK.KHhK...........",
    "..KHhK.KHhK...........",
    ".KdddK.KdddK..........",
    ".KKKKK.KKKKK..........",
]

GUARDIAN_PALETTE = {
    "K": (34, 0, 4),
    "H": (210, 206, 214),
    "h": (148, 142, 158),
    "d": (64, 58, 74),
    "E": (255, 214, 80),
    "W": (255, 250, 240),
    "R": (124, 12, 20),
    "r": (80, 4, 10),
    "G": (236, 184, 52),
    "g": (164, 108, 24),
    "L": (178, 214, 232),
    "C": (255, 244, 214),
}
GUARDIAN_SCALE = 6


def center_picture():
    image = background_under(CENTER_AT, 136, 202)
    width = len(GUARDIAN[0]) * GUARDIAN_SCALE
    height = len(GUARDIAN) * GUARDIAN_SCALE
    paint_sprite(image, GUARDIAN, GUARDIAN_PALETTE,
                 (image.width - width) // 2, (image.height - height) // 2, GUARDIAN_SCALE)
    return image


def icon_sprite():
    margin = (32 - len(GUARDIAN[0])) // 2
    return ["." * margin + line + "." * (32 - margin - len(line)) for line in GUARDIAN]


def main():
    assert all(len(line) == len(GUARDIAN[0]) for line in GUARDIAN)
    # right.bmp is only a mirror of left.bmp while the two rectangles mirror
    # each other about the gradient's axis.
    assert RIGHT_AT[0] + 98 == 2 * MIRROR_AXIS_X - LEFT_AT[0] and RIGHT_AT[1] == LEFT_AT[1]
    write("background.bmp", bmp_bytes(Image(CLIENT_WIDTH, CLIENT_HEIGHT, background_colour)))
    write("top.bmp", bmp_bytes(top_picture()))
    write("center.bmp", bmp_bytes(center_picture()))
    left = left_picture()
    write("left.bmp", bmp_bytes(left))
    write("right.bmp", bmp_bytes(left.mirrored()))
    write("talqo.ico", ico_bytes(icon_sprite(), sorted(GUARDIAN_PALETTE), GUARDIAN_PALETTE))


if __name__ == "__main__":
    main()
