#!/usr/bin/env python3
"""Holds the windows drawn at other densities to the 96-dpi ones enlarged.

usage: density_compare.py FOLDER NAME...
FOLDER holds what density_render wrote: 96-checker.bmp/.txt, 96-about.*,
and the same for each NAME (120, 144, 192, 96to144, ...), whose density is
the number at its end. For each window and NAME:
- geometry: the window's size, its outline's bounds and each control's
  place and size are the 96-dpi ones times the scale, within a pixel;
- pictures: the window reduced to its 96-dpi size (each pixel the mean of
  what it covers) shows what the 96-dpi window shows, away from anything
  that draws letters (text may differ slightly) and from the outline's
  edge: at most 3 % of those pixels differ by more than 40 in a channel;
- a host's picture (16 by 10 magenta pixels on the check button, made at
  the screen's density) is drawn as the host's own forms draw it: pixel for
  pixel at the density it was made at, and grown with the window when the
  window moves to a denser monitor.
Prints a line for each check, then 'density: N passed, N failed'.
"""
import re
import struct
import sys

# Lines one pixel wide at 96 dpi cannot be drawn 1.5 pixels wide: their
# edges differ once reduced, a share of a few hundredths of the pixels.
TOLERANCE, SHARE = 40, 0.03


def read_bmp(path):
    with open(path, 'rb') as f:
        data = f.read()
    offset, = struct.unpack_from('<I', data, 10)
    width, height, _, bits = struct.unpack_from('<iiHH', data, 18)
    assert bits == 24, path
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        row_y = abs(height) - 1 - y if height > 0 else y
        start = offset + row_y * stride
        line = data[start:start + width * 3]
        rows.append([(line[x * 3 + 2], line[x * 3 + 1], line[x * 3]) for x in range(width)])
    return rows


def read_geometry(path):
    """The window, its outline's bounds and each control, in order; and
    the rectangles the outline is made of."""
    rows, parts = [], []
    with open(path) as f:
        for line in f:
            kind, text, *box = line.split('\t')
            (parts if kind == 'part' else rows).append((kind, text == '1', [int(v) for v in box]))
    return rows, [box for _, _, box in parts]


def reduced(pixels, width, height):
    """The picture at width x height, each pixel the area-weighted mean of
    the pixels it covers."""
    sh, sw = len(pixels), len(pixels[0])
    fx, fy = sw / width, sh / height

    def spans(count, factor, limit):
        out = []
        for i in range(count):
            a, b = i * factor, (i + 1) * factor
            parts, j = [], int(a)
            while j < b and j < limit:
                w = min(b, j + 1) - max(a, j)
                if w > 0:
                    parts.append((j, w))
                j += 1
            out.append(parts)
        return out

    xs, ys = spans(width, fx, sw), spans(height, fy, sh)
    result = []
    for y in range(height):
        row = []
        for x in range(width):
            total, r, g, b = 0.0, 0.0, 0.0, 0.0
            for sy, wy in ys[y]:
                line = pixels[sy]
                for sx, wx in xs[x]:
                    w = wx * wy
                    p = line[sx]
                    r += p[0] * w
                    g += p[1] * w
                    b += p[2] * w
                    total += w
            row.append((r / total, g / total, b / total))
        result.append(row)
    return result


def compare(folder, window, name, report):
    scale = int(re.search(r'(\d+)$', name).group(1)) / 96
    base_geo, outline = read_geometry(f'{folder}/96-{window}.txt')
    geo, _ = read_geometry(f'{folder}/{name}-{window}.txt')
    label = f'{window} at {name}'

    # Geometry, row by row: window, region, then each control.
    wrong = []
    if len(base_geo) != len(geo):
        wrong.append(f'{len(geo)} rows, not {len(base_geo)}')
    def place(box):  # left, top, width, height
        return [box[0], box[1], box[2] - box[0], box[3] - box[1]]

    for (kind0, _, box0), (kind, _, box) in zip(base_geo, geo):
        if kind0 != kind:
            wrong.append(f'{kind} where {kind0} was')
            continue
        if any(abs(v0 * scale - v) > 1.0 + 1e-6 for v0, v in zip(place(box0), place(box))):
            wrong.append(f'{kind} at {place(box)} where {place(box0)} x {scale:g} is '
                         f'{[round(b * scale, 1) for b in place(box0)]}')
    report(f'{label}: geometry is the 96-dpi window\'s times {scale:g}', wrong)

    # Pictures.
    base = read_bmp(f'{folder}/96-{window}.bmp')
    height, width = len(base), len(base[0])
    small = reduced(read_bmp(f'{folder}/{name}-{window}.bmp'), width, height)
    # Compared: pixels inside the outline, 2 pixels or more from its edge.
    inside = [[False] * width for _ in range(height)]
    for left, top, right, bottom in outline:
        for y in range(max(0, top), min(height, bottom)):
            for x in range(max(0, left), min(width, right)):
                inside[y][x] = True
    masked = [[True] * width for _ in range(height)]
    for y in range(2, height - 2):
        for x in range(2, width - 2):
            masked[y][x] = not all(inside[y + dy][x + dx] for dy in (-2, 0, 2) for dx in (-2, 0, 2))
    for kind, text, box in base_geo[2:]:
        if text:
            for y in range(max(0, box[1] - 2), min(height, box[3] + 2)):
                for x in range(max(0, box[0] - 2), min(width, box[2] + 2)):
                    masked[y][x] = True
    compared = differing = 0
    for y in range(height):
        for x in range(width):
            if masked[y][x]:
                continue
            compared += 1
            if max(abs(a - b) for a, b in zip(base[y][x], small[y][x])) > TOLERANCE:
                differing += 1
    share = differing / compared if compared else 1
    detail = [] if compared and share <= SHARE else [f'{differing} of {compared} pixels differ ({share:.1%})']
    report(f'{label}: pictures match the 96-dpi window ({differing} of {compared} pixels differ, {share:.2%})', detail)

    if window == 'checker':
        moved = re.match(r'(\d+)to(\d+)$', name)
        grown = int(moved.group(2)) / int(moved.group(1)) if moved else 1
        wanted = round(16 * grown) * round(10 * grown)
        shown = sum(row.count((255, 0, 255)) for row in read_bmp(f'{folder}/{name}-{window}.bmp'))
        report(f'{label}: the host\'s picture shows {wanted} pixels', [] if shown == wanted else [f'{shown} shown'])


def main():
    folder, names = sys.argv[1], sys.argv[2:]
    counts = [0, 0]

    def report(what, wrong):
        counts[1 if wrong else 0] += 1
        print(('FAILED: ' if wrong else 'ok: ') + what)
        for line in wrong[:8]:
            print('   ' + line)

    for name in names:
        for window in ('checker', 'about'):
            compare(folder, window, name, report)
    print(f'density: {counts[0]} passed, {counts[1]} failed')
    sys.exit(1 if counts[1] else 0)


if __name__ == '__main__':
    main()
