#!/usr/bin/env python3
"""Draws the program's icon and writes it as a 16-colour .ico (32x32 and 16x16).

The picture: a context menu (white panel with a title bar and three items) whose middle
item is highlighted and carries a green tick, the menu entry this setup adds.
Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

# The standard 16-colour VGA palette, in palette order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_GREEN, NAVY, SILVER, GREY, GREEN, BLUE, WHITE = 0, 2, 4, 7, 8, 10, 12, 15
CLEAR = None  # transparent


def blank(size):
    return [[CLEAR] * size for _ in range(size)]


def fill(image, left, top, right, bottom, colour):
    """Fills the rectangle [left, right) x [top, bottom)."""
    for y in range(top, bottom):
        for x in range(left, right):
            image[y][x] = colour


def frame(image, left, top, right, bottom, colour):
    for x in range(left, right):
        image[top][x] = image[bottom - 1][x] = colour
    for y in range(top, bottom):
        image[y][left] = image[y][right - 1] = colour


def tick(image, points, colour):
    for x, y in points:
        image[y][x] = colour


def draw(size):
    """The menu scaled to size pixels; s converts 32-pixel design units."""
    s = size / 32.0
    u = lambda v: int(round(v * s))
    image = blank(size)
    # Shadow, panel, border and title bar.
    fill(image, u(5), u(4), u(30), u(30), GREY)
    fill(image, u(2), u(1), u(27), u(27), WHITE)
    frame(image, u(2), u(1), u(27), u(27), BLACK)
    fill(image, u(3), u(2), u(26), u(7), NAVY)
    # Three menu items; the middle one is highlighted.
    fill(image, u(3), u(12), u(26), u(19), BLUE)
    for top in (u(9), u(15), u(22)):
        colour = WHITE if top == u(15) else GREY
        fill(image, u(11), top, u(23), top + max(1, u(2)), colour)
    # The tick left of the highlighted item.
    if size >= 32:
        points = [(5, 15), (6, 16), (7, 17), (8, 16), (9, 15), (10, 14), (5, 16), (6, 17),
                  (7, 18), (8, 17), (9, 16), (10, 15)]
    else:
        points = [(2, 7), (3, 8), (4, 7), (5, 6)]
    tick(image, points, GREEN)
    return image


def bitmap(image):
    """The icon's BITMAPINFOHEADER, palette, 4-bit XOR image and 1-bit AND mask."""
    size = len(image)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for row in reversed(image):  # bottom-up
        xor = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x, colour in enumerate(row):
            index = 0 if colour is CLEAR else colour
            xor[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if colour is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(xor))
        and_rows.append(bytes(mask))
    pixels = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + pixels


def icon(images):
    data = [bitmap(image) for image in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, blob in zip(images, data):
        size = len(image)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return out + b"".join(data)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    with open(sys.argv[1], "wb") as out:
        out.write(icon([draw(32), draw(16)]))


if __name__ == "__main__":
    main()
