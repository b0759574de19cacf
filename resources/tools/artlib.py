"""Writers and drawing helpers for Kestrova's resource pictures.

Standard library only, so the art can be regenerated on any machine with
Python 3: a PNG writer (8-bit RGBA), a 16-colour Windows BMP writer, a
pixel canvas for hand-placed pixel art, an anti-aliased shape painter for
the program icon, and a small bold bitmap font for tool-bar labels.
"""

import math
import struct
import zlib

# The 16 colours of the standard VGA palette, in the order Windows uses.
VGA = [
    (0, 0, 0),        # 0 black
    (128, 0, 0),      # 1 dark red
    (0, 128, 0),      # 2 dark green
    (128, 128, 0),    # 3 olive
    (0, 0, 128),      # 4 navy
    (128, 0, 128),    # 5 purple
    (0, 128, 128),    # 6 teal
    (192, 192, 192),  # 7 silver (button face)
    (128, 128, 128),  # 8 grey
    (255, 0, 0),      # 9 red
    (0, 255, 0),      # 10 lime
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 fuchsia
    (0, 255, 255),    # 14 aqua
    (255, 255, 255),  # 15 white
]
BLACK, DARKRED, DARKGREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


# ---------------------------------------------------------------- writers

def _png_chunk(tag, data):
    crc = zlib.crc32(tag + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", crc)


def png_bytes(width, height, rgba_rows):
    """An 8-bit RGBA PNG; rgba_rows is a list of rows of (r, g, b, a)."""
    assert len(rgba_rows) == height and all(len(r) == width for r in rgba_rows)
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rgba_rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header)
            + _png_chunk(b"IDAT", zlib.compress(raw, 9)) + _png_chunk(b"IEND", b""))


def bmp4_bytes(width, height, index_rows, palette=VGA):
    """An uncompressed 4-bit Windows BMP (40-byte header, rows bottom-up)."""
    assert len(index_rows) == height and all(len(r) == width for r in index_rows)
    assert len(palette) == 16
    row_bytes = (width * 4 + 31) // 32 * 4
    image_size = row_bytes * height
    offset = 14 + 40 + 16 * 4
    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size,
                              2835, 2835, 16, 16)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    rows = []
    for row in reversed(index_rows):
        packed = bytearray()
        for x in range(0, width, 2):
            right = row[x + 1] if x + 1 < width else 0
            packed.append((row[x] << 4) | right)
        packed.extend(b"\x00" * (row_bytes - len(packed)))
        rows.append(bytes(packed))
    return file_header + info_header + colours + b"".join(rows)


# ------------------------------------------------------------ pixel canvas

class Canvas:
    """A grid of values (palette indexes, or any marker) with pixel-exact drawing."""

    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, value):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = value

    def fill_rect(self, x0, y0, x1, y1, value):
        """Fills the inclusive rectangle x0..x1, y0..y1."""
        for y in range(min(y0, y1), max(y0, y1) + 1):
            for x in range(min(x0, x1), max(x0, x1) + 1):
                self.set(x, y, value)

    def frame(self, x0, y0, x1, y1, value):
        self.hline(x0, x1, y0, value)
        self.hline(x0, x1, y1, value)
        self.vline(x0, y0, y1, value)
        self.vline(x1, y0, y1, value)

    def hline(self, x0, x1, y, value, dash=None):
        for i, x in enumerate(range(min(x0, x1), max(x0, x1) + 1)):
            if dash is None or (i % sum(dash)) < dash[0]:
                self.set(x, y, value)

    def vline(self, x, y0, y1, value, dash=None):
        for i, y in enumerate(range(min(y0, y1), max(y0, y1) + 1)):
            if dash is None or (i % sum(dash)) < dash[0]:
                self.set(x, y, value)

    def line(self, x0, y0, x1, y1, value, width=1):
        """A line through both end pixels; width 2 thickens it down and right."""
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for dx in range(width):
                for dy in range(width):
                    self.set(x + dx, y + dy, value)

    def polyline(self, points, value, width=1):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, value, width)

    def disc(self, cx, cy, r, value):
        """All pixels whose centres lie within r of (cx, cy) (pixel-centre coordinates)."""
        for y in range(math.floor(cy - r) - 1, math.ceil(cy + r) + 2):
            for x in range(math.floor(cx - r) - 1, math.ceil(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, value)

    def ring(self, cx, cy, r_out, r_in, value):
        for y in range(math.floor(cy - r_out) - 1, math.ceil(cy + r_out) + 2):
            for x in range(math.floor(cx - r_out) - 1, math.ceil(cx + r_out) + 2):
                d2 = (x - cx) ** 2 + (y - cy) ** 2
                if r_in * r_in < d2 <= r_out * r_out:
                    self.set(x, y, value)

    def pattern(self, x0, y0, rows, mapping):
        """Copies a picture given as strings; each character maps to a value, '.' is skipped."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != ".":
                    self.set(x0 + dx, y0 + dy, mapping[ch])

    def bounding_box(self, predicate):
        xs = [x for y in range(self.height) for x in range(self.width) if predicate(self.px[y][x])]
        ys = [y for y in range(self.height) for x in range(self.width) if predicate(self.px[y][x])]
        return min(xs), min(ys), max(xs), max(ys)


# ------------------------------------------------------- anti-aliased art

class Painter:
    """An RGBA picture painted with anti-aliased shapes in unit coordinates.

    Each shape is a predicate over a point (u, v), 0..1 across the picture
    with v downwards, and a bounding box; coverage comes from 4 x 4
    samples per pixel, and shapes are laid over each other in order.
    """

    SAMPLES = 4

    def __init__(self, size):
        self.size = size
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def paint(self, colour, inside, box, opacity=1.0):
        n, size = self.SAMPLES, self.size
        u0, v0, u1, v1 = box
        for y in range(max(0, int(v0 * size) - 1), min(size, int(v1 * size) + 2)):
            for x in range(max(0, int(u0 * size) - 1), min(size, int(u1 * size) + 2)):
                hits = sum(inside((x + (i + 0.5) / n) / size, (y + (j + 0.5) / n) / size)
                           for i in range(n) for j in range(n))
                if hits:
                    self._over(x, y, colour, opacity * hits / (n * n))

    def _over(self, x, y, colour, alpha):
        r, g, b, a = self.px[y][x]
        out = alpha + a * (1 - alpha)
        mix = [(c * alpha + d * a * (1 - alpha)) / out for c, d in zip(colour, (r, g, b))]
        self.px[y][x] = (mix[0], mix[1], mix[2], out)

    def rounded_rect(self, colour, u0, v0, u1, v1, radius):
        def inside(u, v):
            cu = min(max(u, u0 + radius), u1 - radius)
            cv = min(max(v, v0 + radius), v1 - radius)
            return u0 <= u <= u1 and v0 <= v <= v1 and (u - cu) ** 2 + (v - cv) ** 2 <= radius ** 2
        self.paint(colour, inside, (u0, v0, u1, v1))

    def segment(self, colour, a, b, width, opacity=1.0):
        (ax, ay), (bx, by) = a, b
        half = width / 2

        def inside(u, v):
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
            return (u - ax - t * dx) ** 2 + (v - ay - t * dy) ** 2 <= half * half
        self.paint(colour, inside, (min(ax, bx) - half, min(ay, by) - half,
                                    max(ax, bx) + half, max(ay, by) + half), opacity)

    def polyline(self, colour, points, width):
        """A thick polyline painted as one shape, so joints are not painted twice."""
        half = width / 2
        pairs = list(zip(points, points[1:]))

        def near(u, v, a, b):
            (ax, ay), (bx, by) = a, b
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
            return (u - ax - t * dx) ** 2 + (v - ay - t * dy) ** 2 <= half * half

        def inside(u, v):
            return any(near(u, v, a, b) for a, b in pairs)
        us = [p[0] for p in points]
        vs = [p[1] for p in points]
        self.paint(colour, inside, (min(us) - half, min(vs) - half, max(us) + half, max(vs) + half))

    def disc(self, colour, centre, radius):
        cu, cv = centre
        self.paint(colour, lambda u, v: (u - cu) ** 2 + (v - cv) ** 2 <= radius ** 2,
                   (cu - radius, cv - radius, cu + radius, cv + radius))

    def ring(self, colour, centre, radius, width):
        cu, cv = centre
        lo, hi = radius - width / 2, radius + width / 2
        self.paint(colour, lambda u, v: lo * lo <= (u - cu) ** 2 + (v - cv) ** 2 <= hi * hi,
                   (cu - hi, cv - hi, cu + hi, cv + hi))

    def triangle(self, colour, a, b, c):
        def side(p, q, u, v):
            return (q[0] - p[0]) * (v - p[1]) - (q[1] - p[1]) * (u - p[0])

        def inside(u, v):
            s = (side(a, b, u, v), side(b, c, u, v), side(c, a, u, v))
            return all(x >= 0 for x in s) or all(x <= 0 for x in s)
        us, vs = (a[0], b[0], c[0]), (a[1], b[1], c[1])
        self.paint(colour, inside, (min(us), min(vs), max(us), max(vs)))

    def rgba_rows(self):
        return [[(round(r), round(g), round(b), round(a * 255)) for (r, g, b, a) in row]
                for row in self.px]


# ------------------------------------------------------------ bitmap font

# A bold sans-serif face for tool-bar labels: capitals 9 pixels high,
# lower case 7, descenders 2 more; stems are 2 pixels wide. Each glyph is
# (rows below the baseline, picture rows).
FONT = {
    "S": (0, [".#####.",
              "##...##",
              "##.....",
              "###....",
              ".#####.",
              "....###",
              ".....##",
              "##...##",
              ".#####."]),
    "D": (0, ["#####..",
              "##..##.",
              "##...##",
              "##...##",
              "##...##",
              "##...##",
              "##...##",
              "##..##.",
              "#####.."]),
    "H": (0, ["##...##",
              "##...##",
              "##...##",
              "##...##",
              "#######",
              "##...##",
              "##...##",
              "##...##",
              "##...##"]),
    "a": (0, [".#####.",
              ".....##",
              ".######",
              "##...##",
              "##...##",
              "##..###",
              ".###.##"]),
    "c": (0, [".####.",
              "##..##",
              "##....",
              "##....",
              "##....",
              "##..##",
              ".####."]),
    "e": (0, [".#####.",
              "##...##",
              "##...##",
              "#######",
              "##.....",
              "##...##",
              ".#####."]),
    "l": (0, ["##"] * 9),
    "p": (2, ["##.###.",
              "###..##",
              "##...##",
              "##...##",
              "##...##",
              "###..##",
              "##.###.",
              "##.....",
              "##....."]),
    "r": (0, ["##.###",
              "####..",
              "###...",
              "##....",
              "##....",
              "##....",
              "##...."]),
    "w": (0, ["##......##",
              "##......##",
              "##..##..##",
              "##..##..##",
              "##.####.##",
              ".###..###.",
              ".##....##."]),
    ".": (0, ["##",
              "##"]),
    "?": (0, [".#####.",
              "##...##",
              ".....##",
              "....##.",
              "...##..",
              "...##..",
              ".......",
              "...##..",
              "...##.."]),
    "i": (0, ["##",
              "##",
              "..",
              "##",
              "##",
              "##",
              "##",
              "##",
              "##"]),
}
CAP_HEIGHT = 9
LETTER_GAP = 1


def text_width(text):
    return sum(len(FONT[ch][1][0]) for ch in text) + LETTER_GAP * (len(text) - 1)


def draw_text(canvas, x, cap_top, text, value):
    """Draws text with its capital line at cap_top; returns the x after the last letter."""
    baseline = cap_top + CAP_HEIGHT  # first row below the letters
    for ch in text:
        descent, rows = FONT[ch]
        top = baseline + descent - len(rows)
        canvas.pattern(x, top, [r.replace("#", "k") for r in rows], {"k": value})
        x += len(rows[0]) + LETTER_GAP
    return x - LETTER_GAP
