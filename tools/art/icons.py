#!/usr/bin/env python3
"""Draws Torvane's icons (program icon 128, tray icons 137..142) into src/res/art/.

Pure Python, no imaging library: shapes are sampled 4x4 per pixel, kept where at least half of a
pixel is covered, and stored as 256-colour icons with a transparency mask, which every Windows
from 95 on shows.
"""
import math
import os
import struct
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "res", "art")

NAVY = (22, 38, 84)
RIM = (196, 206, 232)
FACE = (40, 62, 124)
TICK = (230, 236, 250)
NEEDLE = (255, 150, 36)
HUB = (250, 250, 250)
ARC = (70, 200, 120)


def gauge(needle_deg, arc_deg=None):
    """A round gauge; the needle angle is measured from straight left (0) to straight right (180)."""
    def shade(x, y):
        # x, y in [-1, 1], y upwards
        r = math.hypot(x, y)
        if r > 1.0:
            return None
        if r > 0.86:
            return RIM
        colour = FACE if r > 0.80 else NAVY
        ang = math.degrees(math.atan2(y, -x))  # 0 at left, 90 at top, 180 at right
        if arc_deg is not None and 0.62 < r < 0.76 and y > -0.05 and 0 <= ang <= arc_deg:
            colour = ARC
        if 0.66 < r < 0.78 and y > -0.05:
            for t in range(0, 181, 30):
                if abs(ang - t) < 4:
                    colour = TICK
        # needle: a thin wedge from the hub
        a = math.radians(needle_deg)
        dx, dy = -math.cos(a), math.sin(a)
        along = x * dx + y * dy
        across = abs(-x * dy + y * dx)
        if -0.12 < along < 0.70 and across < 0.09 * (1 - along / 0.8):
            colour = NEEDLE
        if r < 0.16:
            colour = HUB
        return colour
    return shade


def render(shade, size):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(4):
                for sx in range(4):
                    x = ((px + (sx + 0.5) / 4) / size) * 2 - 1
                    y = 1 - ((py + (sy + 0.5) / 4) / size) * 2
                    c = shade(x * 1.02, y * 1.02)
                    if c is not None:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            row.append(tuple(v // hits for v in acc) if hits >= 8 else None)
        pixels.append(row)
    return pixels


def ico_image(pixels):
    size = len(pixels)
    palette = []
    index = {}
    for row in pixels:
        for c in row:
            if c is not None and c not in index:
                if len(palette) < 255:
                    index[c] = len(palette) + 1
                    palette.append(c)
                else:  # nearest existing colour
                    index[c] = 1 + min(range(len(palette)), key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))
    pal = [(0, 0, 0)] + palette
    pal += [(0, 0, 0)] * (256 - len(pal))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    xor = b""
    for row in reversed(pixels):
        xor += bytes(0 if c is None else index[c] for c in row)
    mask_stride = ((size + 31) // 32) * 4
    andmask = b""
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        andmask += bytes(bits)
    return header + table + xor + andmask


def write_ico(path, shade, sizes=(32, 16)):
    images = [ico_image(render(shade, s)) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_ico(os.path.join(OUT, "torvane.ico"), gauge(135, 135))
    write_ico(os.path.join(OUT, "tray_normal.ico"), gauge(135, 135))
    for i, angle in enumerate((20, 60, 100, 140, 175)):
        write_ico(os.path.join(OUT, "tray_frame%d.ico" % (i + 1)), gauge(angle, angle))
    return 0


if __name__ == "__main__":
    sys.exit(main())
