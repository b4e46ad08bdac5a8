#!/usr/bin/env python3
"""Draws the component's artwork and writes it under resources/.

Plain Python, no imaging library: the images are small palette pictures.
Run it again after changing a drawing and commit what it writes.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)

# The 16 colours of the standard Windows palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, GREY, RED, WHITE, BLUE, YELLOW = 0, 4, 8, 9, 15, 12, 11
CLEAR = None


def icon_pixels():
    """32x32: a blue disc with a white check mark and a red wavy underline,
    the mark a spelling checker leaves under a word."""
    size = 32
    px = [[CLEAR] * size for _ in range(size)]
    cx = cy = 15.5
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - cx, y - cy)
            if d <= 15.5:
                px[y][x] = NAVY if d > 14.2 else BLUE
    # The check mark: two thick strokes.
    def stroke(x0, y0, x1, y1, width, colour):
        steps = 200
        for i in range(steps + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for yy in range(int(y - width), int(y + width) + 1):
                for xx in range(int(x - width), int(x + width) + 1):
                    if 0 <= xx < size and 0 <= yy < size and math.hypot(xx - x, yy - y) <= width:
                        px[yy][xx] = colour
    stroke(8, 14, 13, 19, 1.8, WHITE)
    stroke(13, 19, 24, 7, 1.8, WHITE)
    # The wavy underline.
    for x in range(7, 26):
        y = 24 + round(1.5 * math.sin((x - 7) * math.pi / 3))
        for yy in (y, y + 1):
            px[yy][x] = RED
    return px


def ico(pixels):
    """A one-image .ico: 4 bits per pixel with the palette above, plus the
    transparency mask."""
    h, w = len(pixels), len(pixels[0])
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor = bytearray()
    for row in reversed(pixels):  # bottom-up rows
        for x in range(0, w, 2):
            hi, lo = (row[x] or 0), (row[x + 1] or 0)
            xor.append(hi << 4 | lo)
    mask = bytearray()
    stride = ((w + 31) // 32) * 4
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', w, h, 16, 0, 1, 4, len(image), 22)
    return directory + image


def main():
    with open(os.path.join(OUT, 'vestrel.ico'), 'wb') as f:
        f.write(ico(icon_pixels()))


if __name__ == '__main__':
    main()
