#!/usr/bin/env python3
"""Draws the component's artwork and writes it under resources/.

Plain Python, no imaging library: the window icon and the about image are
16-colour palette pictures, the caption buttons and the two window
backgrounds 24-bit ones. The backgrounds follow the window outline that the
component cuts its windows to, point for point. Every picture but the icon
is drawn again for screens of 1.5 and 2 times the density (144 and 192
dpi), from the same description, into NAME-150.bmp and NAME-200.bmp; the
component picks the one nearest above the screen's density. Run it again
after changing a drawing and commit what it writes.
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


# The window outline in pixels of a 96-dpi screen; the component cuts its
# windows to this polygon and the backgrounds paint their frame along it.
OUTLINE = [
    (115, 6), (317, 6), (318, 7), (319, 7), (322, 10), (323, 13), (323, 255),
    (322, 256), (322, 257), (319, 260), (316, 261), (11, 261), (10, 260),
    (9, 260), (6, 257), (5, 254), (5, 36), (6, 35), (6, 34), (9, 31),
    (12, 30), (108, 30), (109, 29), (109, 12), (110, 11), (110, 10), (113, 7),
]
BACKGROUND_SIZE = (324, 266)


def rgb(value):
    """An OLE colour 0x00BBGGRR as (r, g, b)."""
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def bmp24(pixels):
    """A 24-bit bottom-up .bmp of rows of (r, g, b)."""
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


def bmp8rle(pixels):
    """A bottom-up .bmp of rows of (r, g, b) in at most 256 colours,
    run-length encoded (BI_RLE8): the pictures for denser screens are mostly
    rows of one colour, and so take a few kilobytes instead of a megabyte."""
    h, w = len(pixels), len(pixels[0])
    colours = sorted({p for row in pixels for p in row})
    assert len(colours) <= 256, len(colours)
    index = {c: i for i, c in enumerate(colours)}
    data = bytearray()
    for row in reversed(pixels):
        x = 0
        while x < w:
            run = 1
            while x + run < w and run < 255 and row[x + run] == row[x]:
                run += 1
            data += bytes((run, index[row[x]]))
            x += run
        data += b'\x00\x00'  # end of line
    data[-1] = 1  # end of bitmap
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, 1, len(data), 3780, 3780, len(colours), 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def bmp4(pixels):
    """A 16-colour bottom-up .bmp of palette indexes."""
    h, w = len(pixels), len(pixels[0])
    stride = ((w + 7) // 8) * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for x in range(0, w, 2):
            line.append((row[x] << 4) | (row[x + 1] if x + 1 < w else 0))
        data += line + bytes(stride - len(line))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(data), 3780, 3780, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def inside(polygon, px, py):
    """Whether a point lies inside the polygon (even-odd rule)."""
    result = False
    n = len(polygon)
    for i in range(n):
        (x0, y0), (x1, y1) = polygon[i], polygon[(i + 1) % n]
        if (y0 > py) != (y1 > py):
            if px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
                result = not result
    return result


def scaled_outline(scale):
    """The outline as the component scales it: each coordinate times the
    scale, to the nearest integer, halves to even."""
    return [(round(x * scale), round(y * scale)) for x, y in OUTLINE]


def outline_mask(width, height, scale):
    """The pixels the window region keeps: those whose centre is inside."""
    polygon = scaled_outline(scale)
    return [[inside(polygon, x + 0.5, y + 0.5) for x in range(width)] for y in range(height)]


def depth(mask, width, height, limit):
    """Each kept pixel's distance in pixels (4-neighbour steps) from the
    cut, up to limit, and the side of the cut it faces (True: top or left)."""
    far = [[limit] * width for _ in range(height)]
    lit = [[False] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            if not mask[y][x]:
                continue
            for d in range(1, limit):
                hit = None
                for dx, dy, top_left in ((0, -d, True), (-d, 0, True), (0, d, False), (d, 0, False)):
                    xx, yy = x + dx, y + dy
                    if not (0 <= xx < width and 0 <= yy < height) or not mask[yy][xx]:
                        hit = top_left if hit is None else hit
                if hit is not None:
                    far[y][x], lit[y][x] = d, hit
                    break
    return far, lit


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def background(body_top, body_bottom, accent, scale=1):
    """A window background: a bevelled frame along the outline, a body in a
    soft vertical gradient, the title tab and the button band in grey
    (0x808080, the colour of the bands the window lays over them) with a
    line of the accent colour under the tab. Drawn for a screen of scale
    times 96 dpi: places are those of the 96-dpi picture, taken at each
    pixel's centre, and each line of the frame is scale pixels wide."""
    width, height = round(BACKGROUND_SIZE[0] * scale), round(BACKGROUND_SIZE[1] * scale)
    mask = outline_mask(width, height, scale)
    far, lit = depth(mask, width, height, math.ceil(4 * scale) + 1)
    grey, dark, black, white = rgb(0x808080), (64, 64, 64), (0, 0, 0), (255, 255, 255)
    outside = rgb(0xC0C0C0)
    pixels = []
    for y in range(height):
        row = []
        v = (y + 0.5) / scale
        for x in range(width):
            if not mask[y][x]:
                row.append(outside)
                continue
            u = (x + 0.5) / scale
            line = math.ceil(far[y][x] / scale - 1e-9)
            if line == 1:
                row.append(black)
            elif line == 2:
                row.append(white if lit[y][x] else dark)
            elif line == 3:
                row.append(rgb(0xE0E0E0) if lit[y][x] else grey)
            elif v < 31 and u >= 109:
                row.append(mix(grey, rgb(0x606060), (v - 6.5) / 24))
            elif v < 32 and u >= 109:
                row.append(accent)
            elif v >= 231 and u >= 192:
                row.append(grey)
            else:
                row.append(mix(body_top, body_bottom, (v - 30.5) / 231))
        pixels.append(row)
    return pixels


def coverage(glyph, gx, gy, size, x, y):
    """How much of pixel (x, y) the ink of a glyph laid at (gx, gy) with
    cells of size pixels covers, from 0 to 1 (4 by 4 samples a pixel)."""
    hits = 0
    for sy in range(4):
        for sx in range(4):
            cx, cy = (x + (sx + 0.5) / 4 - gx) / size, (y + (sy + 0.5) / 4 - gy) / size
            if 0 <= cy < len(glyph) and 0 <= cx < len(glyph[0]) and glyph[int(cy)][int(cx)] == '#':
                hits += 1
    return hits / 16


def key(glyph, sunken, scale=1):
    """A 16x14 caption key (times scale): grey face, light and dark edges,
    the glyph of strings ('#' ink, '+' etched grey, '.' nothing), pushed down
    and right by a line when the key is sunken. Lines are whole pixels
    (one, or two at twice the density); the glyph's cells are scale pixels,
    their edges shaded by how much of each pixel the ink covers."""
    w, h = round(16 * scale), round(14 * scale)
    t = max(1, math.floor(scale))
    face, white, grey, black = rgb(0xC0C0C0), (255, 255, 255), rgb(0x808080), (0, 0, 0)
    px = [[face] * w for _ in range(h)]
    # The outer edge (the side columns over the top and bottom rows), then
    # the inner one: light above and left of a raised key, dark below and
    # right; a sunken key the other way round, with a black inner edge.
    light, dark = (grey, white) if sunken else (white, black)
    for y in range(h):
        for x in range(w):
            if x < t or (y < t and x < w - t):
                px[y][x] = light
            elif x >= w - t or y >= h - t:
                px[y][x] = dark
            elif sunken and (x < 2 * t or y < 2 * t):
                px[y][x] = black
            elif not sunken and (x >= w - 2 * t or y >= h - 2 * t):
                px[y][x] = grey
    gh, gw = len(glyph), len(glyph[0])
    shift = t if sunken else 0
    gx, gy = (16 - gw) // 2 * scale + shift, (14 - gh) // 2 * scale + shift
    etched = [line.replace('#', '.').replace('+', '#') for line in glyph]
    for y in range(h):
        for x in range(w):
            light = coverage(etched, gx + t, gy + t, scale, x, y)
            if light:
                px[y][x] = mix(px[y][x], white, light)
            shade = coverage(etched, gx, gy, scale, x, y)
            if shade:
                px[y][x] = mix(px[y][x], grey, shade)
            ink = coverage(glyph, gx, gy, scale, x, y)
            if ink:
                px[y][x] = mix(px[y][x], black, ink)
    return px


CLOSE = ['##....##', '.##..##.', '..####..', '...##...', '..####..', '.##..##.', '##....##']
MINIMISE = ['........', '........', '........', '........', '........', '######..', '######..']
HELP = ['..####..', '.##..##.', '.....##.', '....##..', '...##...', '........', '...##...']
MAXIMISE = ['+++++++.', '+++++++.', '+.....+.', '+.....+.', '+.....+.', '+++++++.', '........']


def about_image():
    """16x16, 16 colours: a page with lines of text, a red wavy mark under
    one word and a blue check mark."""
    px = [[GREY] * 16 for _ in range(16)]
    for y in range(1, 15):
        for x in range(2, 13):
            px[y][x] = WHITE
    for y in range(1, 15):
        px[y][2] = px[y][12] = BLACK
    for x in range(2, 13):
        px[1][x] = px[14][x] = BLACK
    for y in (4, 7, 10):
        for x in range(4, 11):
            px[y][x] = NAVY
    for x, y in zip(range(4, 11), (9, 8, 9, 8, 9, 8, 9)):
        px[y + 2][x] = RED
    for x, y in ((9, 12), (10, 13), (11, 12), (12, 11), (13, 10), (14, 9)):
        px[y][x] = BLUE
        px[y - 1][x] = BLUE
    return px


def enlarged(pixels, scale):
    """Palette pixel art at scale times its size, 24-bit: each pixel the
    mean of the art it covers (whole pixels at twice the size)."""
    h, w = round(len(pixels) * scale), round(len(pixels[0]) * scale)
    out = []
    for y in range(h):
        row = []
        for x in range(w):
            total = [0.0, 0.0, 0.0]
            for sy in range(4):
                for sx in range(4):
                    colour = PALETTE[pixels[int((y + (sy + 0.5) / 4) / scale)][int((x + (sx + 0.5) / 4) / scale)]]
                    for i in range(3):
                        total[i] += colour[i] / 16
            row.append(tuple(round(c) for c in total))
        out.append(row)
    return out


def main():
    with open(os.path.join(OUT, 'vestrel.ico'), 'wb') as f:
        f.write(ico(icon_pixels()))
    pictures = OUT + '/pictures'
    os.makedirs(pictures, exist_ok=True)
    keys = [(CLOSE, False), (CLOSE, True), (MINIMISE, False), (MINIMISE, True),
            (HELP, False), (HELP, True), (MAXIMISE, False)]
    # The 96-dpi pictures in 24 bits (16 colours for the about image); those
    # for denser screens run-length encoded.
    for scale, suffix in ((1, ''), (1.5, '-150'), (2, '-200')):
        write = bmp24 if scale == 1 else bmp8rle
        for number, (glyph, sunken) in enumerate(keys, 1):
            with open(f'{pictures}/button{number}{suffix}.bmp', 'wb') as f:
                f.write(write(key(glyph, sunken, scale)))
        with open(f'{pictures}/checker{suffix}.bmp', 'wb') as f:
            f.write(write(background(rgb(0xE8E8E8), rgb(0xB8B8B8), rgb(0x800000), scale)))
        with open(f'{pictures}/about{suffix}.bmp', 'wb') as f:
            f.write(write(background(rgb(0xF0E8E0), rgb(0xC8B8A8), rgb(0x008000), scale)))
        with open(f'{pictures}/about_image{suffix}.bmp', 'wb') as f:
            f.write(bmp4(about_image()) if scale == 1 else write(enlarged(about_image(), scale)))


if __name__ == '__main__':
    main()
