"""Pictures as the tests read and write them: screenshots (PPM), the artwork and skins
(BMP) and the icon."""

import struct
from pathlib import Path


class Picture:
    """RGB pixels, rows top to bottom."""

    def __init__(self, width, height, rgb):
        if len(rgb) != width * height * 3:
            raise ValueError("pixel data does not match the size")
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"({x}, {y}) lies outside {self.width} x {self.height}")
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])

    def ppm(self):
        return b"P6\n%d %d\n255\n" % (self.width, self.height) + self.rgb


def parse_ppm(data):
    """A binary PPM (P6) of 8 or 16 bits a sample."""
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != b"P6":
        raise ValueError("not a binary PPM")
    width, height, maximum = (int(field) for field in fields[1:])
    samples = data[at + 1:]
    if maximum < 256:
        rgb = samples[:width * height * 3]
    else:
        wide = struct.unpack(f">{width * height * 3}H", samples[:width * height * 6])
        rgb = bytes(value * 255 // maximum for value in wide)
    return Picture(width, height, rgb)


def read_bmp(path):
    """An uncompressed 24- or 32-bit BMP file."""
    data = Path(path).read_bytes()
    if data[:2] != b"BM":
        raise ValueError(f"{path} is not a BMP file")
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression != 0:
        raise ValueError(f"{path}: {bits}-bit BMP with compression {compression} is not read here")
    step = bits // 8
    row_size = (width * step + 3) & ~3
    rgb = bytearray()
    for row in range(abs(height)):
        stored = abs(height) - 1 - row if height > 0 else row
        line = data[offset + stored * row_size:offset + stored * row_size + width * step]
        for x in range(width):
            b, g, r = line[x * step:x * step + 3]
            rgb += bytes((r, g, b))
    return Picture(width, abs(height), rgb)


def read_icon(path):
    """The first image of a .ico file of 4 bits per pixel with its AND mask, as ARGB pixels
    (transparent ones 0) rows top to bottom: (width, height, pixels)."""
    data = Path(path).read_bytes()
    width, height = data[6] or 256, data[7] or 256
    offset, = struct.unpack_from("<I", data, 18)
    header_size, _, _, _, bits = struct.unpack_from("<IiiHH", data, offset)
    if bits != 4:
        raise ValueError(f"{path}: {bits} bits per pixel is not read here")
    palette_at = offset + header_size
    palette = [struct.unpack_from("<BBBx", data, palette_at + 4 * index) for index in range(16)]
    colour_row = (width * 4 + 31) // 32 * 4
    mask_row = (width + 31) // 32 * 4
    colours_at = palette_at + 16 * 4
    mask_at = colours_at + colour_row * height
    pixels = []
    for y in range(height):
        stored = height - 1 - y
        for x in range(width):
            if data[mask_at + stored * mask_row + x // 8] & (0x80 >> (x % 8)):
                pixels.append(0)
                continue
            byte = data[colours_at + stored * colour_row + x // 2]
            blue, green, red = palette[byte >> 4 if x % 2 == 0 else byte & 0x0F]
            pixels.append(0xFF000000 | red << 16 | green << 8 | blue)
    return width, height, pixels


def bmp_bytes(width, height, colour_at):
    """A 24-bit BMP file whose pixel (x, y) is colour_at(x, y)."""
    row_size = (width * 3 + 3) & ~3
    padding = b"\0" * (row_size - width * 3)
    pixels = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = colour_at(x, y)
            pixels += bytes((b, g, r))
        pixels += padding
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def solid_bmp(width, height, colour):
    return bmp_bytes(width, height, lambda x, y: colour)
