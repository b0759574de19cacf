#!/usr/bin/env python3
"""Writes the picture that scripts/loupe-error-check digitizes: an 8-bit
bitmap, white, with red square marks whose centres are the true positions.

    marks_bmp.py FILE WIDTH HEIGHT SIZE LEFT,TOP...

Each LEFT,TOP is a mark's top left pixel, counted from the picture's top
left corner; a mark covers SIZE x SIZE pixels, so its centre lies at
(LEFT + SIZE / 2, TOP + SIZE / 2) in picture pixels.
"""
import sys

from quadrants_bmp import encode

COLOURS = [(255, 255, 255), (255, 0, 0)]
WHITE, RED = range(2)


def main(argv):
    if len(argv) < 6:
        sys.exit(__doc__)
    width, height, size = (int(a) for a in argv[2:5])
    rows = [bytearray([WHITE]) * width for _ in range(height)]
    for mark in argv[5:]:
        left, top = (int(v) for v in mark.split(","))
        if not (0 <= left <= width - size and 0 <= top <= height - size):
            sys.exit(f"mark {mark} lies outside the picture")
        for row in rows[top:top + size]:
            row[left:left + size] = bytes([RED]) * size
    with open(argv[1], "wb") as out:
        out.write(encode(width, rows, COLOURS))


if __name__ == "__main__":
    main(sys.argv)
