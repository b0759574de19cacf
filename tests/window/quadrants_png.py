#!/usr/bin/env python3
"""Writes the picture that scripts/e2e-check imports: the quadrants of
quadrants_bmp.py as a true-colour PNG (8 bits a channel, no palette), so
that it only comes in through File|Import Picture.

    quadrants_png.py FILE [WIDTH HEIGHT]     defaults: 38 x 30 pixels
"""
import struct
import sys
import zlib

from quadrants_bmp import COLOURS, quadrant


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(width, height):
    rows = []
    for y in range(height):
        pixels = (COLOURS[quadrant(x, y, width, height)] for x in range(width))
        rows.append(b"\0" + b"".join(bytes(p) for p in pixels))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b""))


def main(argv):
    if len(argv) not in (2, 4):
        sys.exit(__doc__)
    width, height = (int(argv[2]), int(argv[3])) if len(argv) == 4 else (38, 30)
    with open(argv[1], "wb") as out:
        out.write(png(width, height))


if __name__ == "__main__":
    main(sys.argv)
