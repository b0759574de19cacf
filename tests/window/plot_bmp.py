#!/usr/bin/env python3
"""Writes the plot that scripts/calibrate-check calibrates and digitizes: a
black-and-white (1-bit) bitmap with a 40-byte header of a linear X axis
from 0 to 10 and a log Y axis from 1 to 1000, ticks at every whole X and
every decade of Y, and the curve y = 10^(0.3 x) drawn in black.

    plot_bmp.py FILE        prints nothing; the geometry is fixed:

    width 640, height 480 (rows counted from the top)
    X axis along row 420 from column 80 (x = 0) to 600 (x = 10): 52 px a unit
    Y axis along column 80 from row 420 (y = 1) to 60 (y = 1000): 120 px a decade
    X ticks hang below row 420 down to row 428; Y ticks run left to column 72
"""
import struct
import sys

WIDTH, HEIGHT = 640, 480
LEFT, RIGHT, BOTTOM, TOP = 80, 600, 420, 60
UNIT, DECADE = 52, 120


def plot():
    black = set()
    for u in range(LEFT, RIGHT + 1):
        black.add((u, BOTTOM))
    for v in range(TOP, BOTTOM + 1):
        black.add((LEFT, v))
    for k in range(11):
        for v in range(BOTTOM, BOTTOM + 9):
            black.add((LEFT + UNIT * k, v))
    for d in range(4):
        for u in range(LEFT - 8, LEFT + 1):
            black.add((u, BOTTOM - DECADE * d))
    # y = 10^(0.3 x) falls 36 rows for every unit of x, so 36/52 of a row a
    # column; each column's run joins the previous one's end.
    previous = None
    for u in range(LEFT, RIGHT + 1):
        v = round(BOTTOM - 36 * (u - LEFT) / UNIT)
        for w in range(v, (previous if previous is not None else v) + 1):
            black.add((u, w))
        previous = v
    return black


def bitmap():
    black = plot()
    row_bytes = (WIDTH + 31) // 32 * 4
    rows = []
    for v in reversed(range(HEIGHT)):  # the bottom row is stored first
        row = bytearray(row_bytes)
        for u in range(WIDTH):
            if (u, v) not in black:  # index 1 is white
                row[u // 8] |= 0x80 >> (u % 8)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    table = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    offset = 14 + 40 + len(table)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 1, 0, len(pixels),
                              2835, 2835, 2, 0)
    return file_header + info_header + table + pixels


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    with open(argv[1], "wb") as out:
        out.write(bitmap())


if __name__ == "__main__":
    main(sys.argv)
