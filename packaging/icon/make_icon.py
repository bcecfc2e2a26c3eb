#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the program's icon: a projector throwing its beam.

Writes qm5-control.ico (32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16 colours) and PNG
renderings for the desktop's icon theme. Standard library only; run it again after changing
the picture and commit what it writes.
"""
import os
import struct
import zlib

# The classic 16-colour palette.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, SILVER, WHITE = (0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255)
NAVY, BLUE, CYAN, YELLOW, GREEN = (0, 0, 128), (0, 0, 255), (0, 255, 255), (255, 255, 0), (0, 255, 0)


def inside_polygon(x, y, points):
    hit = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def colour_at(x, y):
    """The picture in unit coordinates; the last shape that covers a point paints it."""
    colour = None
    if inside_polygon(x, y, [(0.62, 0.42), (0.98, 0.06), (0.98, 0.50), (0.62, 0.56)]):
        colour = YELLOW  # the beam
    if 0.04 <= x <= 0.80 and 0.36 <= y <= 0.80:
        colour = BLACK  # the body's outline
    if 0.08 <= x <= 0.76 and 0.40 <= y <= 0.76:
        colour = SILVER
    if 0.08 <= x <= 0.76 and 0.68 <= y <= 0.76:
        colour = GREY  # the base
    if 0.10 <= x <= 0.40 and 0.70 <= y <= 0.80:
        colour = BLACK  # a foot
    lens = (x - 0.62) ** 2 + (y - 0.52) ** 2
    if lens <= 0.165 ** 2:
        colour = BLACK
    if lens <= 0.125 ** 2:
        colour = NAVY
    if lens <= 0.085 ** 2:
        colour = BLUE
    if (x - 0.585) ** 2 + (y - 0.485) ** 2 <= 0.03 ** 2:
        colour = CYAN  # the glint
    if 0.14 <= x <= 0.22 and 0.46 <= y <= 0.54:
        colour = GREEN  # the power lamp
    if 0.14 <= x <= 0.38 and 0.60 <= y <= 0.63:
        colour = BLACK  # vents
    return colour


def render(size, samples=4):
    """RGBA rows, each pixel averaged over samples x samples points."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = [colour_at((px + (i + 0.5) / samples) / size, (py + (j + 0.5) / samples) / size)
                    for i in range(samples) for j in range(samples)]
            painted = [c for c in hits if c is not None]
            if not painted:
                row.append((0, 0, 0, 0))
                continue
            r, g, b = (sum(c[k] for c in painted) // len(painted) for k in range(3))
            row.append((r, g, b, 255 * len(painted) // len(hits)))
        rows.append(row)
    return rows


def nearest(rgb, palette):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(rgb, palette[i])))


def indexed(size, palette):
    """Palette indices and a transparency mask, point-sampled so that edges stay crisp."""
    pixels, mask = [], []
    for py in range(size):
        for px in range(size):
            colour = colour_at((px + 0.5) / size, (py + 0.5) / size)
            mask.append(colour is None)
            pixels.append(0 if colour is None else nearest(colour, palette))
    return pixels, mask


def ico_image(size, bits, palette):
    pixels, mask = indexed(size, palette)
    per_byte = 8 // bits
    row_bytes = ((size * bits + 31) // 32) * 4
    mask_row_bytes = ((size + 31) // 32) * 4
    colours, andmask = b"", b""
    for py in reversed(range(size)):  # bottom-up
        row = bytearray(row_bytes)
        mrow = bytearray(mask_row_bytes)
        for px in range(size):
            i = py * size + px
            row[px // per_byte] |= pixels[i] << (8 - bits * (px % per_byte + 1))
            if mask[i]:
                mrow[px // 8] |= 0x80 >> (px % 8)
        colours += bytes(row)
        andmask += bytes(mrow)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(colours) + len(andmask), 0, 0, len(palette), 0)
    table = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colours + andmask


def write_ico(path):
    images = [(32, 1, [BLACK, WHITE]), (32, 4, VGA), (16, 4, VGA)]
    blobs = [ico_image(size, bits, palette) for size, bits, palette in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits, palette), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size, size, len(palette) % 256, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def write_png(path, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(here, "qm5-control.ico"))
    for size in (16, 32, 48, 64, 128, 256):
        write_png(os.path.join(here, f"qm5-control-{size}.png"), render(size))
