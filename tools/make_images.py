#!/usr/bin/env python3
"""Draws the component icon (32 x 32, 16 colours) and the palette bitmap
(17 x 16, 4 bits per pixel) and writes them as resources/korval.ico and
resources/palette.bmp.  The files are committed; run this only to redraw them.

Both use the standard 16-colour VGA palette.  The icon is fully opaque (an
all-zero AND mask) so that what the component window paints is exactly the
image, whatever lies beneath it."""
import struct, pathlib

VGA = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(192,192,192),
       (128,128,128),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
BLACK, NAVY, GREY, SILVER, YELLOW, BLUE, WHITE, TEAL = 0, 4, 8, 7, 11, 12, 15, 6

def palette():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA)

def pack_rows(pixels, width):
    """4-bit rows, bottom-up, each padded to a multiple of 4 bytes."""
    out = b""
    for row in reversed(pixels):
        nibbles = row + [0] * (width % 2)
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
        out += data + b"\0" * (-len(data) % 4)
    return out

def cylinder(width, height, body, band, rim):
    """A data store drawn as a cylinder: a service that holds data."""
    img = [[SILVER] * width for _ in range(height)]
    left, right = 2, width - 3
    for y in range(1, height - 1):
        for x in range(left, right + 1):
            img[y][x] = body
        img[y][left] = img[y][right] = BLACK
    for x in range(left, right + 1):
        img[1][x] = img[height - 2][x] = BLACK
    for y in (height // 3, 2 * height // 3):
        for x in range(left + 1, right):
            img[y][x] = band
    for x in range(left + 1, right):
        img[2][x] = rim
    return img

def icon():
    img = cylinder(32, 32, BLUE, YELLOW, WHITE)
    for y in range(12, 20):          # a "C" for CICS across the middle
        img[y][12] = img[y][13] = WHITE
    for x in range(12, 20):
        img[11][x] = img[20][x] = WHITE
    xor = pack_rows(img, 32)
    mask = b"\0" * (4 * 32)          # 32 rows of 32 bits: fully opaque
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette() + xor + mask
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + image

def bitmap():
    img = cylinder(17, 16, TEAL, YELLOW, WHITE)
    bits = pack_rows(img, 17)
    info = struct.pack("<IiiHHIIiiII", 40, 17, 16, 1, 4, 0, len(bits), 2835, 2835, 16, 0)
    offset = 14 + len(info) + 64
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + info + palette() + bits

here = pathlib.Path(__file__).resolve().parent.parent / "resources"
(here / "korval.ico").write_bytes(icon())
(here / "palette.bmp").write_bytes(bitmap())
