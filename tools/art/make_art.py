#!/usr/bin/env python3
"""Draws the program's icons and bitmaps into a folder.

Everything is drawn here from simple shapes (polygons, lines, circles) with
anti-aliasing by supersampling, and written as Windows .ico files, so the
resources are our own and need nothing but Python to build.

    make_art.py OUTDIR
"""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

SS = 4  # supersampling per axis


class Canvas:
    """An RGBA picture drawn at SS times its size and reduced on output."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.W, self.H = w * SS, h * SS
        self.px = [(0, 0, 0, 0)] * (self.W * self.H)

    # Coordinates are given in output pixels (floats allowed).
    def _blend(self, i, rgba):
        r, g, b, a = rgba
        if a >= 255:
            self.px[i] = (r, g, b, 255)
            return
        R, G, B, A = self.px[i]
        fa = a / 255.0
        na = fa + (A / 255.0) * (1 - fa)
        if na <= 0:
            return
        mix = lambda c, C: int(round((c * fa + C * (A / 255.0) * (1 - fa)) / na))
        self.px[i] = (mix(r, R), mix(g, G), mix(b, B), int(round(na * 255)))

    def polygon(self, pts, rgba):
        pts = [(x * SS, y * SS) for x, y in pts]
        ys = [p[1] for p in pts]
        y0 = max(0, int(min(ys)))
        y1 = min(self.H - 1, int(max(ys)) + 1)
        n = len(pts)
        for y in range(y0, y1 + 1):
            yc = y + 0.5
            xs = []
            for k in range(n):
                (ax, ay), (bx, by) = pts[k], pts[(k + 1) % n]
                if (ay <= yc < by) or (by <= yc < ay):
                    xs.append(ax + (yc - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for k in range(0, len(xs) - 1, 2):
                xa = max(0, int(round(xs[k])))
                xb = min(self.W, int(round(xs[k + 1])))
                for x in range(xa, xb):
                    self._blend(y * self.W + x, rgba)

    def rect(self, x0, y0, x1, y1, rgba):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], rgba)

    def line(self, x0, y0, x1, y1, width, rgba):
        dx, dy = x1 - x0, y1 - y0
        length = (dx * dx + dy * dy) ** 0.5 or 1.0
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], rgba)

    def circle(self, cx, cy, r, rgba, steps=40):
        import math
        self.polygon([(cx + r * math.cos(2 * math.pi * k / steps), cy + r * math.sin(2 * math.pi * k / steps))
                      for k in range(steps)], rgba)

    def pixels(self):
        """Reduced RGBA rows, top to bottom."""
        out = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                acc = [0, 0, 0, 0]
                for sy in range(SS):
                    base = (y * SS + sy) * self.W + x * SS
                    for sx in range(SS):
                        r, g, b, a = self.px[base + sx]
                        acc[0] += r * a
                        acc[1] += g * a
                        acc[2] += b * a
                        acc[3] += a
                if acc[3]:
                    row.append((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], acc[3] // (SS * SS)))
                else:
                    row.append((0, 0, 0, 0))
            out.append(row)
        return out


def ico_image(canvas):
    """One icon image: a 32-bit DIB with its AND mask."""
    rows = canvas.pixels()
    w, h = canvas.w, canvas.h
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def write_ico(path, canvases):
    images = [ico_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path + ".tmp", "wb") as f:
        f.write(out)
    os.replace(path + ".tmp", path)


# Colours
NAVY = (28, 52, 112, 255)
NAVY_DARK = (16, 30, 70, 255)
BURGUNDY = (128, 24, 36, 255)
BURGUNDY_DARK = (84, 14, 22, 255)
GOLD = (222, 176, 60, 255)
PAGE = (252, 250, 240, 255)
PAGE_SHADE = (214, 208, 188, 255)
INK = (120, 120, 130, 255)
CLEAR = (0, 0, 0, 0)


def draw_open_book(size):
    """Main icon: an open book on a dark cover, a golden ribbon."""
    c = Canvas(size, size)
    s = size / 32.0
    # cover behind the pages
    c.polygon([(2 * s, 9 * s), (16 * s, 11 * s), (30 * s, 9 * s), (30 * s, 27 * s), (16 * s, 29.5 * s), (2 * s, 27 * s)],
              BURGUNDY_DARK)
    # left and right pages, slightly curved by two segments each
    c.polygon([(3.5 * s, 6 * s), (9 * s, 6.2 * s), (15.5 * s, 8.5 * s), (15.5 * s, 27.5 * s),
               (9 * s, 25.2 * s), (3.5 * s, 25 * s)], PAGE)
    c.polygon([(28.5 * s, 6 * s), (23 * s, 6.2 * s), (16.5 * s, 8.5 * s), (16.5 * s, 27.5 * s),
               (23 * s, 25.2 * s), (28.5 * s, 25 * s)], PAGE)
    # gutter shadow
    c.line(16 * s, 8.5 * s, 16 * s, 28 * s, 1.3 * s, PAGE_SHADE)
    # lines of text
    if size >= 24:
        for k in range(6):
            y = 10 * s + k * 2.6 * s
            c.line(5.5 * s, y - 0.2 * s, 13.8 * s, y + 1.0 * s, 0.8 * s, INK)
            c.line(18.2 * s, y + 1.0 * s, 26.5 * s, y - 0.2 * s, 0.8 * s, INK)
    else:
        for k in range(3):
            y = 11 * s + k * 4.5 * s
            c.line(5.5 * s, y, 13.8 * s, y + 1.0 * s, 1.6 * s, INK)
            c.line(18.2 * s, y + 1.0 * s, 26.5 * s, y, 1.6 * s, INK)
    # ribbon
    c.polygon([(20 * s, 7.4 * s), (22.5 * s, 6.6 * s), (22.5 * s, 31 * s), (21.25 * s, 29.2 * s), (20 * s, 31 * s)], GOLD)
    return c


def draw_closed_book(size):
    """Child icon: a closed book with a golden cross on its cover."""
    c = Canvas(size, size)
    s = size / 32.0
    # page block
    c.polygon([(8 * s, 5 * s), (27 * s, 3 * s), (27 * s, 27 * s), (8 * s, 29 * s)], PAGE_SHADE)
    c.polygon([(8 * s, 5 * s), (26 * s, 3.4 * s), (26 * s, 26.6 * s), (8 * s, 28.2 * s)], PAGE)
    # cover
    c.polygon([(4 * s, 4 * s), (23 * s, 2 * s), (23 * s, 27 * s), (4 * s, 29 * s)], NAVY)
    c.polygon([(4 * s, 4 * s), (7 * s, 3.7 * s), (7 * s, 28.7 * s), (4 * s, 29 * s)], NAVY_DARK)
    # cross
    c.line(15 * s, 7.5 * s, 15 * s, 21 * s, 2.2 * s, GOLD)
    c.line(10.5 * s, 11.8 * s, 19.5 * s, 11.0 * s, 2.2 * s, GOLD)
    return c


# Results window: the closed book under a magnifying glass; results of a
# search in results carry a second, smaller glass.
def draw_results(size, twice=False):
    c = draw_closed_book(size)
    s = size / 32.0
    glass = (236, 244, 252, 235)
    rim = (60, 60, 70, 255)
    c.circle(19 * s, 17 * s, 7.5 * s, rim)
    c.circle(19 * s, 17 * s, 5.6 * s, glass)
    c.line(24.2 * s, 22.6 * s, 30 * s, 29 * s, 3.2 * s, rim)
    if twice:
        c.circle(8 * s, 24 * s, 5 * s, rim)
        c.circle(8 * s, 24 * s, 3.5 * s, glass)
        c.line(11.2 * s, 27.4 * s, 14 * s, 30.5 * s, 2.2 * s, rim)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    write_ico(os.path.join(out, "sevir.ico"), [draw_open_book(n) for n in (16, 32, 48)])
    write_ico(os.path.join(out, "book.ico"), [draw_closed_book(n) for n in (16, 32)])
    write_ico(os.path.join(out, "results.ico"), [draw_results(n) for n in (16, 32)])
    write_ico(os.path.join(out, "results_in_results.ico"), [draw_results(n, True) for n in (16, 32)])
    import glyphs
    glyphs.write_all(out, Canvas, write_ico, draw_open_book)


if __name__ == "__main__":
    main()
