#!/usr/bin/env python3
"""Writes the picture that scripts/e2e-check loads: an uncompressed 8-bit
bitmap with a 40-byte header and a colour table of four entries, split into
four quadrants of plain colour so that a screenshot shows whether it is
drawn, and drawn the right way up:

    top left  red     top right     green
    bottom left blue  bottom right  white

    quadrants_bmp.py FILE [WIDTH HEIGHT]     defaults: 38 x 30 pixels

The default width is no multiple of 4, so every row carries padding.
"""
import struct
import sys

# Colour-table entries as (red, green, blue), in index order.
COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]
RED, GREEN, BLUE, WHITE = range(4)


def quadrant(x, y, width, height):
    """Colour index of pixel (x, y), y counted from the top row."""
    left, top = x < width // 2, y < height // 2
    if top:
        return RED if left else GREEN
    return BLUE if left else WHITE


def bitmap(width, height):
    return encode(width, [bytes(quadrant(x, y, width, height) for x in range(width))
                          for y in range(height)], COLOURS)


def encode(width, rows, colours):
    """The file of an 8-bit bitmap: rows of colour indices, the top row
    first, and the colour table as (red, green, blue)."""
    height = len(rows)
    padding = bytes((width + 3) // 4 * 4 - width)
    # The bottom row is stored first.
    pixels = b"".join(bytes(row) + padding for row in reversed(rows))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    offset = 14 + 40 + len(table)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels),
                              2835, 2835, len(colours), 0)
    return file_header + info_header + table + pixels


def main(argv):
    if len(argv) not in (2, 4):
        sys.exit(__doc__)
    width, height = (int(argv[2]), int(argv[3])) if len(argv) == 4 else (38, 30)
    with open(argv[1], "wb") as out:
        out.write(bitmap(width, height))


if __name__ == "__main__":
    main(sys.argv)
