#!/usr/bin/env python3
"""Draws the placeholder artwork of the data package and writes it below
data/data: the window icons (images/) and the mouse cursors with their
description cursors.xml (cursors/).

Only the standard library is used (zlib and struct write the PNG files), and
the output is byte-for-byte the same on every run, so the committed files can
always be checked against this script:

    python3 tools/make_placeholder_art.py            # rewrite the files
    python3 tools/make_placeholder_art.py --check    # exit 1 if any differs

Shapes are signed distance functions in pixel units (negative inside); a
pixel's coverage is taken from the distance at its centre, which gives
anti-aliased edges without supersampling.
"""

import argparse
import math
import os
import struct
import sys
import zlib

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(REPO, "data", "data")


# --- PNG --------------------------------------------------------------------

def png_bytes(width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples with 0..255 components."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter type: none
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# --- Distance functions -------------------------------------------------------

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def capsule(ax, ay, bx, by, r):
    def d(x, y):
        px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
        length2 = vx * vx + vy * vy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, (px * vx + py * vy) / length2))
        return math.hypot(px - vx * t, py - vy * t) - r
    return d


def rounded_box(x0, y0, x1, y1, r):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def coverage(distance):
    return max(0.0, min(1.0, 0.5 - distance))


# --- Canvas -------------------------------------------------------------------

class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]  # straight alpha, 0..1

    def fill(self, shape, colour, alpha=1.0):
        """colour: (r, g, b) in 0..1, or a function (x, y) -> (r, g, b)."""
        for y in range(self.size):
            for x in range(self.size):
                cx, cy = x + 0.5, y + 0.5
                a = coverage(shape(cx, cy)) * alpha
                if a <= 0:
                    continue
                c = colour(cx, cy) if callable(colour) else colour
                self.blend(x, y, c, a)

    def blend(self, x, y, c, a):
        dr, dg, db, da = self.px[y][x]
        oa = a + da * (1 - a)
        if oa <= 0:
            return
        mix = lambda s, d: (s * a + d * da * (1 - a)) / oa
        self.px[y][x] = (mix(c[0], dr), mix(c[1], dg), mix(c[2], db), oa)

    def outlined(self, shape, fill, outline=(0, 0, 0), width=1.0):
        self.fill(grow(shape, width), outline)
        self.fill(shape, fill)

    def png(self):
        q = lambda v: max(0, min(255, int(round(v * 255))))
        rows = [[(q(r), q(g), q(b), q(a)) if q(a) else (0, 0, 0, 0) for r, g, b, a in row] for row in self.px]
        return png_bytes(self.size, self.size, rows)


def hsv(h, s, v):
    i = int(h * 6) % 6
    f = h * 6 - int(h * 6)
    p, q, t = v * (1 - s), v * (1 - f * s), v * (1 - (1 - f) * s)
    return [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i]


WHITE = (1.0, 1.0, 1.0)
BLACK = (0.0, 0.0, 0.0)
DARK = (0.16, 0.18, 0.22)
STEEL = (0.42, 0.46, 0.52)


# --- Window icons ---------------------------------------------------------------

def window_icon(size):
    """A magnifier whose lens shows a hue wheel: the tool picks colours."""
    s = size / 32.0
    c = Canvas(size)
    cx, cy, r = 13 * s, 13 * s, 9.6 * s
    rim = max(1.6, 2.6 * s)

    def wheel(x, y):
        angle = (math.atan2(y - cy, x - cx) / (2 * math.pi)) % 1.0
        saturation = min(1.0, math.hypot(x - cx, y - cy) / r * 1.15)
        return hsv(angle, saturation, 1.0)

    handle = capsule(20.5 * s, 20.5 * s, 28.5 * s, 28.5 * s, max(1.5, 2.7 * s))
    c.fill(grow(handle, max(0.6, 0.8 * s)), DARK)
    c.fill(handle, STEEL)
    c.fill(capsule(21.5 * s, 21.5 * s, 27.5 * s, 27.5 * s, max(0.5, 0.9 * s)), (0.66, 0.70, 0.75))
    c.fill(circle(cx, cy, r), wheel)
    c.fill(ring(cx, cy, r + rim / 2 - 0.3, rim), DARK)
    if size >= 24:
        # A soft highlight on the glass, upper left.
        highlight = subtract(circle(cx - 2.2 * s, cy - 2.2 * s, 5.2 * s), circle(cx - 0.6 * s, cy - 0.6 * s, 5.4 * s))
        c.fill(highlight, WHITE, 0.55)
    return c


# --- Cursors --------------------------------------------------------------------

def pipette():
    c = Canvas(32)
    tube = capsule(2.5, 29.5, 16, 16, 1.7)
    collar = capsule(15.5, 16.5, 19.5, 12.5, 3.0)
    bulb = capsule(20.5, 11.5, 26.5, 5.5, 3.6)
    c.fill(grow(union(tube, collar, bulb), 1.2), BLACK)
    c.fill(tube, WHITE)
    c.fill(capsule(3.2, 28.8, 12, 20, 0.7), (0.35, 0.65, 1.0))  # liquid in the tube
    c.fill(collar, STEEL)
    c.fill(bulb, DARK)
    c.fill(capsule(22.5, 7.5, 24.5, 5.5, 0.8), (0.45, 0.48, 0.55))
    return c, (1, 30)


def hand_shape(fingers_up):
    """fingers_up: heights of the index, middle, ring and little fingers
    (0 folds the finger); the thumb sticks out to the left."""
    palm = rounded_box(9, 14, 24, 27, 4)
    parts = [palm, capsule(10.5, 20, 6, 15.5, 2.1)]  # thumb
    xs = (11.2, 15.0, 18.8, 22.2)
    for x, height in zip(xs, fingers_up):
        top = 15.5 - height
        parts.append(capsule(x, 16, x, top, 1.75 if x < 22 else 1.5))
    return union(*parts), xs


def draw_hand(fingers_up):
    c = Canvas(32)
    shape, xs = hand_shape(fingers_up)
    c.outlined(shape, WHITE, BLACK, 1.2)
    # Creases between neighbouring fingers, from the lower fingertip down
    # to the palm.
    tops = [15.5 - height for height in fingers_up]
    for (a, b), (ta, tb) in zip(zip(xs, xs[1:]), zip(tops, tops[1:])):
        x = math.floor((a + b) / 2) + 0.5  # on a pixel centre, so the line stays crisp
        c.fill(capsule(x, max(ta, tb) + 0.5, x, 17.5, 0.5), BLACK)
    return c


def hand_open():
    return draw_hand((7, 9, 8, 5.5)), (16, 16)


def hand_close():
    return draw_hand((0.8, 1.2, 1.0, 0.6)), (16, 16)


def hand_finger():
    c = draw_hand((13, 1.2, 1.0, 0.6))
    return c, (11, 1)


def lens(sign):
    c = Canvas(32)
    cx, cy, r = 12.5, 12.5, 8.5
    handle = capsule(19, 19, 27.5, 27.5, 2.6)
    c.fill(grow(handle, 1.1), BLACK)
    c.fill(handle, DARK)
    c.fill(circle(cx, cy, r), WHITE, 0.45)
    c.fill(ring(cx, cy, r + 1, 3.2), BLACK)
    c.fill(ring(cx, cy, r + 1, 1.4), WHITE)
    if sign:
        c.fill(capsule(cx - 4, cy, cx + 4, cy, 1.1), BLACK)
        if sign == "+":
            c.fill(capsule(cx, cy - 4, cx, cy + 4, 1.1), BLACK)
    return c, (12, 12)


def target():
    c = Canvas(32)
    cx = cy = 15.5
    arms = union(capsule(cx, 2, cx, 11, 0.5), capsule(cx, 20, cx, 29, 0.5),
                 capsule(2, cy, 11, cy, 0.5), capsule(20, cy, 29, cy, 0.5))
    circle_line = ring(cx, cy, 9, 1.0)
    shape = union(arms, circle_line, circle(cx, cy, 0.9))
    c.outlined(shape, BLACK, WHITE, 1.0)
    return c, (15, 15)


def empty():
    return Canvas(32), (0, 0)


CURSORS = [
    ("pipette", pipette),
    ("hand", hand_open),
    ("hand_open", hand_open),
    ("hand_close", hand_close),
    ("hand_finger", hand_finger),
    ("lens", lambda: lens(None)),
    ("lens_plus", lambda: lens("+")),
    ("lens_minus", lambda: lens("-")),
    ("target", target),
    ("empty", empty),
]


# --- Output ---------------------------------------------------------------------

def outputs():
    files = {
        os.path.join("images", "window_icon_big.png"): window_icon(32).png(),
        os.path.join("images", "window_icon_small.png"): window_icon(16).png(),
    }
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<cursors>"]
    for name, draw in CURSORS:
        canvas, (hx, hy) = draw()
        files[os.path.join("cursors", name + ".png")] = canvas.png()
        lines.append('    <cursor name="%s" hotspotX="%d" hotspotY="%d" />' % (name, hx, hy))
    lines.append("</cursors>")
    files[os.path.join("cursors", "cursors.xml")] = ("\r\n".join(lines) + "\r\n").encode("utf-8")
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true", help="compare with the files on disk instead of writing")
    parser.add_argument("--output", default=DATA, help="folder to write into (default: data/data)")
    args = parser.parse_args()

    differing = []
    for relative, content in sorted(outputs().items()):
        path = os.path.join(args.output, relative)
        if args.check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == content
            except OSError:
                same = False
            if not same:
                differing.append(relative)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(content)
    if differing:
        print("differs from tools/make_placeholder_art.py: " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
