#!/usr/bin/env python3
"""Draws Kestrova's cursors, program icon and tool-bar glyphs.

    resources/tools/make_art.py            writes the pictures into resources/
    resources/tools/make_art.py --out DIR  writes them into DIR (same sub-folders)

Cursors are 32 x 32 PNGs with three kinds of pixels only (black, white,
fully transparent); every black stroke gets a white outline so the cursor
reads on light and dark backgrounds alike. Their hot spots are kept in the
cursor table in code; the pictures here are drawn around them. Glyphs are
16-colour BMPs on the VGA palette with a silver (button face) background.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from artlib import (BLACK, BLUE, DARKGREEN, DARKRED, GREY, NAVY, OLIVE, RED, SILVER,  # noqa: E402
                    TEAL, WHITE, YELLOW, Canvas, Painter, bmp4_bytes, draw_text, png_bytes,
                    text_width)

# ------------------------------------------------------------------ cursors

K, W = "k", "w"  # black and white cursor pixels; None is transparent
CURSOR_SIZE = 32


def outlined(canvas):
    """Gives every black stroke a one-pixel white outline (all eight neighbours)."""
    size = canvas.width
    for y in range(size):
        for x in range(size):
            if canvas.get(x, y) is not None:
                continue
            if any(canvas.get(x + dx, y + dy) == K
                   for dx in (-1, 0, 1) for dy in (-1, 0, 1)
                   if 0 <= x + dx < size and 0 <= y + dy < size):
                canvas.set(x, y, W)
    return canvas


def small_cross(c, cx, cy, arm):
    c.hline(cx - arm, cx + arm, cy, K)
    c.vline(cx, cy - arm, cy + arm, K)


def cross_cursor():
    """At rest: a fine cross on the hot spot and a tag with a little plotted curve."""
    c = Canvas(CURSOR_SIZE, CURSOR_SIZE, None)
    small_cross(c, 4, 4, 3)
    c.line(7, 7, 10, 10, K)
    c.fill_rect(11, 11, 25, 22, W)
    c.frame(11, 11, 25, 22, K)
    c.vline(14, 13, 20, K)           # y axis
    c.hline(14, 23, 20, K)           # x axis
    c.polyline([(15, 19), (17, 16), (19, 15), (21, 14), (23, 14)], K)
    return outlined(c)


def drag_cursor():
    """Dragging a zoom rectangle: the cross on the corner the drag began at, and the band."""
    c = Canvas(CURSOR_SIZE, CURSOR_SIZE, None)
    small_cross(c, 4, 4, 3)
    c.hline(8, 27, 8, K, dash=(3, 2))
    c.vline(8, 8, 24, K, dash=(3, 2))
    c.hline(8, 27, 24, K, dash=(3, 2))
    c.vline(27, 8, 24, K, dash=(3, 2))
    # a magnifying glass inside the band
    c.ring(17.5, 15.5, 4.2, 2.6, K)
    c.line(20, 18, 23, 21, K, width=2)
    return outlined(c)


def drop_point_cursor():
    """Placing a data point: a sight around the hot spot, with a plus for 'add a point'."""
    c = Canvas(CURSOR_SIZE, CURSOR_SIZE, None)
    c.ring(9, 9, 4.6, 3.4, K)
    c.hline(1, 5, 9, K)
    c.hline(13, 17, 9, K)
    c.vline(9, 1, 5, K)
    c.vline(9, 13, 17, K)
    c.set(9, 9, K)
    c.fill_rect(21, 17, 22, 24, K)   # plus sign
    c.fill_rect(18, 20, 25, 21, K)
    outlined(c)
    for y in range(5, 14):           # see through the sight, but keep the dot outlined
        for x in range(5, 14):
            if (x - 9) ** 2 + (y - 9) ** 2 < 3.4 ** 2 and max(abs(x - 9), abs(y - 9)) > 1:
                c.set(x, y, None)
    return c


def align_cursor():
    """Stretching the picture: arrows out to all four sides from the hot spot."""
    c = Canvas(CURSOR_SIZE, CURSOR_SIZE, None)
    cx = cy = 15
    c.hline(5, 11, cy, K)
    c.hline(19, 25, cy, K)
    c.vline(cx, 5, 11, K)
    c.vline(cx, 19, 25, K)
    c.frame(cx - 2, cy - 2, cx + 2, cy + 2, K)
    c.set(cx, cy, K)
    for i in range(5):               # filled arrowheads, tips 14 pixels from the hot spot
        c.vline(1 + i, cy - i, cy + i, K)
        c.vline(29 - i, cy - i, cy + i, K)
        c.hline(cx - i, cx + i, 1 + i, K)
        c.hline(cx - i, cx + i, 29 - i, K)
    return outlined(c)


def cursor_png(canvas):
    colours = {K: (0, 0, 0, 255), W: (255, 255, 255, 255), None: (0, 0, 0, 0)}
    rows = [[colours[v] for v in row] for row in canvas.px]
    return png_bytes(canvas.width, canvas.height, rows)


CURSORS = {
    "CROSSCURSOR": (cross_cursor, (4, 4)),
    "DRAGCURSOR": (drag_cursor, (4, 4)),
    "DROPPOINTCURSOR": (drop_point_cursor, (9, 9)),
    "ALIGNCURSOR": (align_cursor, (15, 15)),
}

# --------------------------------------------------------------------- icon


def program_icon(size):
    """A sheet of graph paper with axes, a plotted curve and the digitizing cross.

    Drawn on a 32-unit grid so that straight lines fall on whole pixels at
    32, 64, 128 and 256 pixels alike (at 48 they fall on half pixels).
    """
    p = Painter(size)

    def at(x, y):
        return (x / 32, y / 32)

    def unit(n):
        return n / 32

    p.rounded_rect((64, 72, 92), *at(1, 1), *at(31, 31), unit(5))
    p.rounded_rect((252, 252, 246), *at(2, 2), *at(30, 30), unit(4))
    grid = (186, 206, 232)
    for t in (12.5, 18.5, 24.5):
        p.segment(grid, at(t, 3), at(t, 24), unit(1))
    for t in (7.5, 13.5, 19.5):
        p.segment(grid, at(8, t), at(29, t), unit(1))
    ink = (28, 32, 44)
    p.segment(ink, at(7, 6), at(7, 25), unit(2))            # y axis
    p.segment(ink, at(7, 25), at(26, 25), unit(2))          # x axis
    p.triangle(ink, at(7, 2.5), at(3.5, 8), at(10.5, 8))
    p.triangle(ink, at(29.5, 25), at(24, 21.5), at(24, 28.5))
    red = (210, 36, 36)
    curve = [at(8, 23.5), at(11.5, 19.5), at(15, 15.5), at(18.5, 12.5), at(22.5, 10.5),
             at(27.5, 9.5)]
    p.polyline(red, curve, unit(2))
    for point in (curve[1], curve[3]):
        p.disc(red, point, unit(2.6))
        p.disc((255, 255, 255), point, unit(1.2))
    blue = (0, 96, 200)
    cx, cy = 22.5, 10.5
    for a, b in (((cx - 6, cy), (cx - 2.5, cy)), ((cx + 2.5, cy), (cx + 6, cy)),
                 ((cx, cy - 6), (cx, cy - 2.5)), ((cx, cy + 2.5), (cx, cy + 6))):
        p.segment(blue, at(*a), at(*b), unit(1))
    p.ring(blue, at(cx, cy), unit(3.5), unit(1))
    return png_bytes(size, size, p.rgba_rows())


# The program's own window icon (compiled in), and the sizes the desktop's
# hicolor theme gets when the program is installed.
ICON_SIZES = {"KESTROVA_ICON": 32, "KESTROVA_ICON_48": 48, "KESTROVA_ICON_64": 64,
              "KESTROVA_ICON_128": 128, "KESTROVA_ICON_256": 256}

# ------------------------------------------------------------------- glyphs

GLYPH_HEIGHT = 30
TEXT_TOP = 10  # capital line of labels, centring 9-pixel capitals in 30 rows


def glyph(width):
    return Canvas(width, GLYPH_HEIGHT, SILVER)


def label(c, left, right, text):
    """Centres a black label between left and right."""
    draw_text(c, left + (right - left - text_width(text) + 1) // 2, TEXT_TOP, text, BLACK)


def scale_glyph():
    """221, Scale...: axes with a dashed zoom band, and the label."""
    c = glyph(100)
    c.fill_rect(5, 4, 28, 25, WHITE)
    c.frame(4, 3, 29, 26, GREY)
    c.vline(8, 6, 23, BLACK)
    c.hline(8, 26, 23, BLACK)
    for t in (12, 16, 20, 24):      # ticks on the x axis
        c.set(t, 24, BLACK)
    for t in (19, 15, 11, 7):       # ticks on the y axis
        c.set(7, t, BLACK)
    c.frame(12, 8, 25, 19, NAVY)
    c.hline(12, 25, 8, WHITE, dash=(2, 2))
    c.hline(12, 25, 19, WHITE, dash=(2, 2))
    c.vline(12, 8, 19, WHITE, dash=(2, 2))
    c.vline(25, 8, 19, WHITE, dash=(2, 2))
    c.polyline([(9, 21), (13, 18), (17, 14), (21, 12), (25, 11)], RED)
    label(c, 31, 100, "Scale...")
    return c


def pencil(c, tip_x, tip_y, length):
    """A pencil lying at 45 degrees, its point at (tip_x, tip_y), rising to the right."""
    root = 0.5 ** 0.5
    for y in range(tip_y - length, tip_y + 3):
        for x in range(tip_x - 2, tip_x + length + 2):
            dx, dy = x - tip_x, y - tip_y
            along = (dx - dy) * root           # from the point up the pencil
            across = abs(dx + dy) * root
            if along < -0.4 or along > length:
                continue
            if along < 1.6:
                colour = BLACK if across <= 0.8 else None          # the lead
            elif along < 6:
                half = 0.62 * along
                colour = None if across > half else (BLACK if across > half - 0.9 else OLIVE)
            elif across > 3.6:
                colour = None
            elif across > 2.6 or along > length - 1.2:
                colour = BLACK
            elif along > length - 4:
                colour = RED                    # the eraser
            elif along > length - 5.5:
                colour = GREY                   # the metal band
            else:
                colour = YELLOW
            if colour is not None:
                c.set(x, y, colour)


def point_symbol(c, x, y):
    """A data point as the glyphs show it: a small white square with a black rim."""
    c.fill_rect(x - 1, y - 1, x + 2, y + 2, BLACK)
    c.fill_rect(x, y, x + 1, y + 1, WHITE)


def draw_glyph():
    """241, Draw: a pencil putting points on a curve, and the label."""
    c = glyph(100)
    curve = [(2, 26), (6, 23), (10, 22), (14, 21)]
    c.polyline(curve, RED, width=2)
    point_symbol(c, 3, 25)
    point_symbol(c, 9, 22)
    pencil(c, 15, 21, 22)
    label(c, 32, 100, "Draw")
    return c


def delete_point_glyph():
    """261, Delete last point: a plotted curve whose last point is struck out."""
    c = glyph(50)
    points = [(6, 23), (15, 14), (25, 18), (37, 9)]
    c.polyline(points, NAVY, width=2)
    for x, y in points[:3]:
        point_symbol(c, x, y)
    c.fill_rect(36, 8, 39, 11, BLACK)
    for i in range(9):                # a red cross over the last point
        c.fill_rect(33 + i, 5 + i, 34 + i, 5 + i, RED)
        c.fill_rect(33 + i, 13 - i, 34 + i, 13 - i, RED)
    c.hline(4, 45, 27, GREY)
    return c


def recall_glyph():
    """263, Recall image position: a shifted picture sent back to its frame."""
    c = glyph(50)
    # where the picture was moved to: a dashed outline, up and to the left
    c.frame(4, 3, 22, 17, GREY)
    for x in range(4, 23):
        if x % 3 == 2:
            c.set(x, 3, SILVER)
            c.set(x, 17, SILVER)
    for y in range(3, 18):
        if y % 3 == 2:
            c.set(4, y, SILVER)
            c.set(22, y, SILVER)
    # the picture in its own place: sky, a hill and the sun
    c.fill_rect(23, 9, 44, 26, WHITE)
    c.fill_rect(24, 10, 43, 19, 14)  # aqua sky
    c.disc(38.5, 13.5, 2.3, YELLOW)
    for x in range(24, 44):
        top = 19 - max(0, 5 - abs(x - 30) // 2)
        c.vline(x, top, 25, DARKGREEN)
    c.frame(22, 8, 45, 26, BLACK)
    # the arrow home, from the old corner down to the frame's corner
    c.line(10, 10, 18, 18, TEAL, width=2)
    c.pattern(14, 14, ["......tt",
                       "......tt",
                       "......tt",
                       "......tt",
                       "......tt",
                       "......tt",
                       "tttttttt",
                       "tttttttt"], {"t": TEAL})
    return c


def help_glyph():
    """281, Help contents: a question mark on a blue button, and the label."""
    c = glyph(80)
    c.disc(15.5, 14.5, 11.2, NAVY)
    c.disc(14.5, 13.5, 9.6, BLUE)
    draw_text(c, 12, 10, "?", WHITE)
    label(c, 29, 80, "Help")
    return c


def about_glyph():
    """283, About: the information sign."""
    c = glyph(30)
    c.disc(15.5, 14.5, 12.2, NAVY)
    c.disc(14.5, 13.5, 10.6, TEAL)
    c.fill_rect(14, 7, 15, 8, WHITE)
    c.fill_rect(14, 11, 15, 20, WHITE)
    c.fill_rect(12, 11, 13, 11, WHITE)
    c.fill_rect(12, 20, 17, 21, WHITE)
    return c


GLYPHS = {
    "221": (scale_glyph, 100),
    "241": (draw_glyph, 100),
    "261": (delete_point_glyph, 50),
    "263": (recall_glyph, 50),
    "281": (help_glyph, 80),
    "283": (about_glyph, 30),
}


def glyph_bmp(canvas):
    return bmp4_bytes(canvas.width, canvas.height, canvas.px)

# --------------------------------------------------------------------- main


def pictures():
    """Every picture as (path below resources/, bytes)."""
    for name, (make, hot) in CURSORS.items():
        canvas = make()
        assert canvas.get(*hot) == K, f"{name}: the hot spot must be a black pixel"
        yield f"cursors/{name}.png", cursor_png(canvas)
    for name, size in ICON_SIZES.items():
        yield f"icons/{name}.png", program_icon(size)
    for name, (make, width) in GLYPHS.items():
        canvas = make()
        assert canvas.width == width and canvas.height == GLYPH_HEIGHT
        yield f"glyphs/{name}.bmp", glyph_bmp(canvas)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.dirname(here),
                        help="folder to write cursors/, icons/ and glyphs/ into")
    args = parser.parse_args()
    for path, data in pictures():
        full = os.path.join(args.out, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)
        print(full)


if __name__ == "__main__":
    main()
