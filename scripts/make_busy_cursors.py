#!/usr/bin/env python3
"""Writes the eight busy-cursor frames resources/cursors/busy_<id>.png.

Each frame is a 32 x 32 two-colour image: a black disc centred on the hot
spot (16, 15) with two opposite white sectors, transparent outside the disc.
Ids 149..156 hold four orientations, each twice; shown in the order
156, 152, 149, 153, 150, 154, 151, 155 the sectors turn clockwise by 45 degrees.
Uses only the standard library.
"""
import math
import os
import struct
import sys
import zlib

SIZE = 32
CENTRE_X, CENTRE_Y = 16.0, 15.0
RADIUS = 13.6
SECTOR_HALF_WIDTH = 25.0  # degrees on each side of the sector axis
SAMPLES = 4  # per axis, to decide each pixel by its covered share

# Axis of the two white sectors in degrees, counter-clockwise from "right",
# with y pointing up on the screen.
AXIS_BY_ID = {
    156: 0.0, 150: 0.0,      # left and right
    152: 135.0, 154: 135.0,  # upper left and lower right
    149: 90.0, 151: 90.0,    # top and bottom
    153: 45.0, 155: 45.0,    # upper right and lower left
}

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def in_sector(dx, dy, axis):
    angle = math.degrees(math.atan2(-dy, dx))  # screen y grows downwards
    off = (angle - axis) % 180.0  # two opposite sectors: period 180 degrees
    return min(off, 180.0 - off) <= SECTOR_HALF_WIDTH


def pixel(x, y, axis):
    inside = white = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            dx = x + (sx + 0.5) / SAMPLES - 0.5 - CENTRE_X
            dy = y + (sy + 0.5) / SAMPLES - 0.5 - CENTRE_Y
            if dx * dx + dy * dy <= RADIUS * RADIUS:
                inside += 1
                white += in_sector(dx, dy, axis)
    total = SAMPLES * SAMPLES
    if inside * 2 < total:
        return CLEAR
    return WHITE if white * 2 >= inside else BLACK


def png(rows):
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "cursors")
    os.makedirs(out, exist_ok=True)
    for cursor_id, axis in sorted(AXIS_BY_ID.items()):
        rows = [[pixel(x, y, axis) for x in range(SIZE)] for y in range(SIZE)]
        with open(os.path.join(out, "busy_%d.png" % cursor_id), "wb") as f:
            f.write(png(rows))


if __name__ == "__main__":
    main()
