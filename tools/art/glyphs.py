"""The 16 x 16 glyphs of the tool bars, the library tree and the status bar,
the command-line lamp icons, and the splash and About pictures.

Glyphs are drawn with the Canvas of make_art.py and written as 24-bit
bitmaps on magenta (255, 0, 255), the colour the program makes transparent;
anti-aliased edges are mixed with the button face so that they look clean on
it. The splash and About pictures get their lettering from ImageMagick when
it is there.
"""

import math
import os
import shutil
import struct
import subprocess

MAGENTA = (255, 0, 255)
FACE = (212, 208, 200)

# Colours
OUTLINE = (60, 60, 70, 255)
PAPER = (255, 255, 250, 255)
LINE = (120, 128, 150, 255)
BLUE = (40, 90, 190, 255)
BLUE_DARK = (20, 50, 120, 255)
BLUE_LIGHT = (120, 170, 240, 255)
GREEN = (40, 150, 50, 255)
GREEN_DARK = (20, 90, 30, 255)
RED = (200, 40, 40, 255)
RED_DARK = (120, 20, 20, 255)
YELLOW = (240, 200, 70, 255)
YELLOW_DARK = (170, 120, 30, 255)
BROWN = (150, 90, 40, 255)
GREY = (150, 150, 150, 255)
GREY_DARK = (90, 90, 90, 255)
GREY_LIGHT = (210, 210, 210, 255)
NAVY = (28, 52, 112, 255)
BURGUNDY = (128, 24, 36, 255)
TEAL = (20, 130, 130, 255)
TEAL_DARK = (10, 80, 80, 255)
PURPLE = (110, 50, 150, 255)
PURPLE_DARK = (60, 25, 90, 255)
ORANGE = (240, 150, 30, 255)
WHITE = (255, 255, 255, 255)
BLACK = (20, 20, 20, 255)


# ---------------------------------------------------------------------------
# Output

def on_magenta(canvas):
    """Rows of RGB: opaque parts as drawn, edges mixed with the button face,
    the rest magenta."""
    rows = []
    for row in canvas.pixels():
        out = []
        for r, g, b, a in row:
            if a < 100:
                out.append(MAGENTA)
            else:
                f = a / 255.0
                out.append(tuple(int(round(c * f + F * (1 - f))) for c, F in zip((r, g, b), FACE)))
        rows.append(out)
    return rows


def write_bmp(path, rows):
    """A 24-bit bottom-up Windows bitmap of rows of RGB tuples."""
    h = len(rows)
    w = len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path + ".tmp", "wb") as f:
        f.write(header + info + bytes(data))
    os.replace(path + ".tmp", path)


def write_strip(path, canvases):
    """Images side by side in one bitmap, as tool bars and image lists load them."""
    parts = [on_magenta(c) for c in canvases]
    rows = []
    for y in range(len(parts[0])):
        row = []
        for p in parts:
            row += p[y]
        rows.append(row)
    write_bmp(path, rows)


# ---------------------------------------------------------------------------
# Shapes on a 16 x 16 canvas

def framed_rect(c, x0, y0, x1, y1, fill, edge=OUTLINE):
    c.rect(x0, y0, x1, y1, edge)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)


def page(c, x0, y0, x1, y1, lines=True, fold=True):
    c.polygon([(x0, y0), (x1 - 3, y0), (x1, y0 + 3), (x1, y1), (x0, y1)], OUTLINE)
    c.polygon([(x0 + 1, y0 + 1), (x1 - 3.5, y0 + 1), (x1 - 1, y0 + 3.5), (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)], PAPER)
    if fold:
        c.polygon([(x1 - 3.5, y0 + 1), (x1 - 3.5, y0 + 3.5), (x1 - 1, y0 + 3.5)], GREY_LIGHT)
    if lines:
        y = y0 + 4.5
        while y < y1 - 1.5:
            c.rect(x0 + 2.5, y, x1 - 2.5, y + 1, LINE)
            y += 2.5


def closed_book(c, cover, dark, x0=2.5, y0=1.5, x1=13.5, y1=14.5):
    """A book seen from the front: cover, spine and page edge."""
    c.rect(x0 + 1.5, y1 - 2, x1, y1, OUTLINE)
    c.rect(x0 + 2, y1 - 1.7, x1 - 0.5, y1 - 0.5, PAPER)
    c.rect(x0, y0, x1, y1 - 1.5, dark)
    c.rect(x0 + 0.8, y0 + 0.8, x1 - 0.8, y1 - 2.3, cover)
    c.rect(x0 + 0.8, y0 + 0.8, x0 + 2.3, y1 - 2.3, dark)
    # a golden band on the cover
    c.rect(x0 + 4, y0 + 3, x1 - 2.5, y0 + 4.2, YELLOW)


def open_book(c, cover, dark):
    c.polygon([(1, 4), (8, 5), (15, 4), (15, 14), (8, 15), (1, 14)], dark)
    c.polygon([(1.7, 2.5), (7.5, 3.5), (7.5, 13.5), (1.7, 12.5)], PAPER)
    c.polygon([(14.3, 2.5), (8.5, 3.5), (8.5, 13.5), (14.3, 12.5)], PAPER)
    for k in range(3):
        y = 5.5 + k * 2.5
        c.line(3, y, 6.5, y + 0.5, 0.9, LINE)
        c.line(9.5, y + 0.5, 13, y, 0.9, LINE)
    c.line(8, 3.5, 8, 14.5, 0.9, cover)


def magnifier(c, cx, cy, r, handle=True):
    if handle:
        c.line(cx + r * 0.6, cy + r * 0.6, cx + r * 0.6 + 5, cy + r * 0.6 + 5, 2.6, BROWN)
    c.circle(cx, cy, r, OUTLINE)
    c.circle(cx, cy, r - 1.1, (200, 225, 255, 255))
    c.circle(cx - r * 0.3, cy - r * 0.3, r * 0.3, WHITE)


def arrow(c, direction, colour, dark, y=8):
    """A thick arrow pointing left (-1) or right (+1)."""
    d = direction
    tip = 8 + 6.5 * d
    base = 8 - 6 * d
    shoulder = 8 + 0.5 * d
    pts = [(base, y - 2), (shoulder, y - 2), (shoulder, y - 5.5), (tip, y), (shoulder, y + 5.5), (shoulder, y + 2), (base, y + 2)]
    c.polygon([(x, yy) for x, yy in pts], dark)
    inner = [(base + 0.9 * d, y - 1.1), (shoulder + 0.9 * d, y - 1.1), (shoulder + 0.9 * d, y - 3.3), (tip - 1.6 * d, y),
             (shoulder + 0.9 * d, y + 3.3), (shoulder + 0.9 * d, y + 1.1), (base + 0.9 * d, y + 1.1)]
    c.polygon(inner, colour)


def triangle(c, x0, x1, cy, h, colour):
    c.polygon([(x0, cy - h), (x1, cy), (x0, cy + h)], colour)


def speaker(c, colour=GREY_DARK, x=1.5):
    c.polygon([(x, 6), (x + 3, 6), (x + 7, 2.5), (x + 7, 13.5), (x + 3, 10), (x, 10)], colour)


def waves(c, x, colour=BLUE):
    for k, r in enumerate((3.0, 5.5)):
        steps = 12
        pts = []
        for i in range(steps + 1):
            a = -math.pi / 3.2 + (2 * math.pi / 3.2) * i / steps
            pts.append((x + r * math.cos(a), 8 + r * math.sin(a)))
        for i in range(steps):
            c.line(pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1], 1.2, colour)


def folder(c, opened):
    c.polygon([(1, 3), (6, 3), (7.5, 4.5), (14, 4.5), (14, 13.5), (1, 13.5)], YELLOW_DARK)
    c.polygon([(1.8, 3.8), (5.6, 3.8), (7.1, 5.3), (13.2, 5.3), (13.2, 12.7), (1.8, 12.7)], YELLOW)
    if opened:
        c.polygon([(3.5, 7), (15.5, 7), (13.5, 13.5), (1, 13.5)], YELLOW_DARK)
        c.polygon([(4.1, 7.8), (14.5, 7.8), (12.9, 12.7), (2.2, 12.7)], (250, 225, 120, 255))


def funnel(c, fill, edge):
    c.polygon([(1.5, 2.5), (14.5, 2.5), (9.5, 8.5), (9.5, 14), (6.5, 12.5), (6.5, 8.5)], edge)
    c.polygon([(3.2, 3.4), (12.8, 3.4), (8.6, 8.2), (8.6, 12.6), (7.4, 12), (7.4, 8.2)], fill)


def new(Canvas):
    return Canvas(16, 16)


# ---------------------------------------------------------------------------
# Tool bars

def main_toolbar(Canvas):
    """1102, 1108, 1104, 1106, 1110, 1800, 1810, 1820, 1830."""
    out = []
    # 1102 library tree: a pane with a tree of three items
    c = new(Canvas)
    framed_rect(c, 0.5, 1.5, 15.5, 14.5, PAPER)
    c.rect(1.5, 2.5, 14.5, 4, BLUE_LIGHT)
    c.rect(3, 5.5, 3.9, 12.5, GREY)
    for y in (7, 9.5, 12):
        c.rect(3, y, 6, y + 0.9, GREY)
        c.rect(6.5, y - 1, 9, y + 1.6, YELLOW_DARK if y == 7 else NAVY)
        c.rect(9.8, y - 0.2, 13.5, y + 0.9, LINE)
    c.rect(2, 4.8, 5, 6.6, YELLOW_DARK)
    out.append(c)
    # 1108 library manager: three books on a shelf
    c = new(Canvas)
    c.rect(0.5, 13.5, 15.5, 15.5, BROWN)
    for x0, h, col, dark in ((1, 10.5, BURGUNDY, (80, 12, 20, 255)), (5, 12, NAVY, (14, 26, 60, 255)),
                             (9, 10, GREEN, GREEN_DARK)):
        c.rect(x0, 13.5 - h, x0 + 3.6, 13.5, dark)
        c.rect(x0 + 0.7, 14.2 - h, x0 + 2.9, 13.5, col)
        c.rect(x0 + 0.7, 16 - h, x0 + 2.9, 16.8 - h, YELLOW)
    c.polygon([(12.3, 4.5), (15.5, 3.5), (15.5, 13.5), (13.2, 13.5)], PURPLE_DARK)
    c.polygon([(13, 5.1), (14.8, 4.6), (14.8, 13.5), (13.7, 13.5)], PURPLE)
    out.append(c)
    # 1104 table of characters: a grid with alpha and aleph-like strokes
    c = new(Canvas)
    framed_rect(c, 0.5, 0.5, 15.5, 15.5, PAPER)
    for k in (5.5, 10.5):
        c.rect(k, 1, k + 0.8, 15, GREY_LIGHT)
        c.rect(1, k, 15, k + 0.8, GREY_LIGHT)
    # alpha in the first cell
    c.circle(3.4, 3.6, 1.6, BLUE_DARK)
    c.circle(3.4, 3.6, 0.8, PAPER)
    c.line(4.7, 2.2, 5.2, 5.2, 0.9, BLUE_DARK)
    # aleph-like mark in the middle cell
    c.line(6.8, 6.7, 10, 10, 1.2, BURGUNDY)
    c.line(9.6, 6.5, 9.0, 8.2, 1.0, BURGUNDY)
    c.line(7.3, 8.8, 7.0, 10.2, 1.0, BURGUNDY)
    # omega-like in the last cell
    c.circle(12, 13, 1.3, BLUE_DARK)
    c.circle(14, 13, 1.3, BLUE_DARK)
    c.rect(11, 11.3, 15, 13, PAPER)
    out.append(c)
    # 1106 information window: blue disc with an i
    c = new(Canvas)
    c.circle(8, 8, 7.2, BLUE_DARK)
    c.circle(8, 8, 6.2, BLUE)
    c.circle(8, 4.6, 1.3, WHITE)
    c.rect(6.9, 6.8, 9.1, 12.3, WHITE)
    c.rect(6, 11.3, 10, 12.3, WHITE)
    out.append(c)
    # 1110 verse list: page with bullets
    c = new(Canvas)
    page(c, 2, 0.5, 14, 15.5, lines=False)
    for y in (4.5, 7.5, 10.5):
        c.circle(4.6, y + 0.5, 1.0, BURGUNDY)
        c.rect(6.3, y, 11.5, y + 1, LINE)
    out.append(c)
    # 1800 compare texts: two columns side by side
    c = new(Canvas)
    for x in (0.5, 8.5):
        framed_rect(c, x, 1.5, x + 7, 14.5, PAPER)
        for k in range(4):
            y = 4 + k * 2.5
            c.rect(x + 1.8, y, x + 5.2, y + 0.9, BLUE if k == 1 else LINE)
    c.rect(1.5, 6.2, 14.5, 7.8, (255, 230, 120, 160))
    out.append(c)
    # 1810 reusable window: a window with a circular arrow
    c = new(Canvas)
    framed_rect(c, 0.5, 1.5, 12.5, 12.5, PAPER)
    c.rect(1.5, 2.5, 11.5, 4.5, BLUE)
    steps = 16
    pts = [(10 + 4.3 * math.cos(a), 10.5 + 4.3 * math.sin(a))
           for a in [math.pi * 0.15 + 1.5 * math.pi * i / steps for i in range(steps + 1)]]
    for i in range(steps):
        c.line(pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1], 1.8, GREEN)
    ex, ey = pts[-1]
    c.polygon([(ex - 2.8, ey - 1.6), (ex + 2.2, ey - 2.8), (ex + 0.6, ey + 2.4)], GREEN_DARK)
    out.append(c)
    # 1820 show all tags: a check mark
    c = new(Canvas)
    c.line(2, 8.5, 6, 12.5, 3.2, GREEN_DARK)
    c.line(5.4, 12.5, 14, 3, 3.2, GREEN_DARK)
    c.line(2.5, 8.5, 6, 12, 1.6, GREEN)
    c.line(5.6, 12, 13.5, 3.5, 1.6, GREEN)
    out.append(c)
    # 1830 hide all tags: a cross
    c = new(Canvas)
    c.line(3, 3, 13, 13, 3.4, RED_DARK)
    c.line(13, 3, 3, 13, 3.4, RED_DARK)
    c.line(3.4, 3.4, 12.6, 12.6, 1.6, RED)
    c.line(12.6, 3.4, 3.4, 12.6, 1.6, RED)
    out.append(c)
    return out


def search_toolbar(Canvas):
    """1840, 1850, 1860."""
    out = []
    c = new(Canvas)
    magnifier(c, 6.5, 6.5, 5.3)
    out.append(c)
    # search in results: a list behind the magnifier
    c = new(Canvas)
    framed_rect(c, 0.5, 0.5, 11.5, 12.5, PAPER)
    for k in range(4):
        c.rect(2, 2.5 + k * 2.5, 10, 3.4 + k * 2.5, LINE)
    magnifier(c, 10, 10, 3.8)
    out.append(c)
    # list of results: a list with numbered lines
    c = new(Canvas)
    framed_rect(c, 0.5, 0.5, 15.5, 15.5, PAPER)
    for k in range(4):
        y = 2.5 + k * 3.2
        c.rect(2, y, 4.5, y + 2, BLUE if k != 1 else ORANGE)
        c.rect(6, y + 0.5, 13.5, y + 1.5, LINE)
    out.append(c)
    return out


def audio_toolbar(Canvas):
    """1550, 1560, 1565, 1570, 1575, 1580, 1590."""
    out = []
    # verse sound: a speaker with waves
    c = new(Canvas)
    speaker(c)
    waves(c, 9.5)
    out.append(c)
    # play
    c = new(Canvas)
    triangle(c, 3.5, 13.5, 8, 6, GREEN_DARK)
    triangle(c, 4.6, 11.8, 8, 4.2, GREEN)
    out.append(c)
    # pause
    c = new(Canvas)
    for x in (3.5, 9.5):
        c.rect(x, 2.5, x + 3.5, 13.5, BLUE_DARK)
        c.rect(x + 0.8, 3.3, x + 2.7, 12.7, BLUE)
    out.append(c)
    # stop
    c = new(Canvas)
    c.rect(3, 3, 13, 13, RED_DARK)
    c.rect(4, 4, 12, 12, RED)
    out.append(c)
    # rewind back
    c = new(Canvas)
    for x in (0.5, 7.5):
        c.polygon([(x + 7.5, 3), (x, 8), (x + 7.5, 13)], BLUE_DARK)
        c.polygon([(x + 6.7, 4.6), (x + 1.5, 8), (x + 6.7, 11.4)], BLUE)
    out.append(c)
    # rewind forward
    c = new(Canvas)
    for x in (0.5, 7.5):
        c.polygon([(x, 3), (x + 7.5, 8), (x, 13)], BLUE_DARK)
        c.polygon([(x + 0.8, 4.6), (x + 6, 8), (x + 0.8, 11.4)], BLUE)
    out.append(c)
    # indexing of an audio file: a waveform with marks
    c = new(Canvas)
    framed_rect(c, 0.5, 1.5, 15.5, 14.5, PAPER)
    for i, h in enumerate((2, 4, 3, 5.5, 2.5, 4.5, 3, 1.5, 3.5, 2)):
        x = 2 + i * 1.25
        c.rect(x, 8 - h, x + 0.8, 8 + h, TEAL)
    for x in (4.5, 10.5):
        c.rect(x, 2.5, x + 0.9, 13.5, RED)
    out.append(c)
    return out


def history_buttons(Canvas):
    """Back and forward (the navigator's one-button bars)."""
    out = []
    c = new(Canvas)
    arrow(c, -1, GREEN, GREEN_DARK)
    out.append(c)
    c = new(Canvas)
    arrow(c, +1, GREEN, GREEN_DARK)
    out.append(c)
    return out


def history_drop(Canvas):
    """The narrow drop-down mark between them, 8 x 16."""
    c = Canvas(8, 16)
    c.polygon([(0.5, 6.5), (7.5, 6.5), (4, 10.5)], BLACK)
    return c


# ---------------------------------------------------------------------------
# Library tree, status bar, dictionary button

def tree_images(Canvas):
    """Eleven images in image-list order, one file each (2000 ... 2068)."""
    imgs = {}
    c = new(Canvas)
    closed_book(c, GREY_LIGHT, GREY)
    imgs["tree_not_open"] = c
    c = new(Canvas)
    closed_book(c, (90, 190, 190, 255), TEAL_DARK)
    imgs["tree_dic_closed"] = c
    c = new(Canvas)
    open_book(c, TEAL, TEAL_DARK)
    imgs["tree_dic_open"] = c
    c = new(Canvas)
    closed_book(c, (170, 110, 210, 255), PURPLE_DARK)
    imgs["tree_lex_closed"] = c
    c = new(Canvas)
    open_book(c, PURPLE, PURPLE_DARK)
    imgs["tree_lex_open"] = c
    c = new(Canvas)
    closed_book(c, (70, 100, 190, 255), NAVY)
    imgs["tree_book_closed"] = c
    c = new(Canvas)
    open_book(c, BLUE, NAVY)
    imgs["tree_book_open"] = c
    c = new(Canvas)
    folder(c, False)
    imgs["tree_folder_closed"] = c
    c = new(Canvas)
    folder(c, True)
    imgs["tree_folder_open"] = c
    c = new(Canvas)
    speaker(c, GREY)
    waves(c, 9.5, GREY)
    imgs["tree_audio_grey"] = c
    c = new(Canvas)
    speaker(c, ORANGE)
    waves(c, 9.5, BLUE)
    imgs["tree_audio"] = c
    return imgs


def status_images(Canvas):
    a = new(Canvas)
    funnel(a, GREY_LIGHT, GREY)
    b = new(Canvas)
    funnel(b, (255, 190, 60, 255), RED_DARK)
    return a, b


def opposite_button(Canvas):
    """Two arrows the other way round: the dictionary's direction switch."""
    c = new(Canvas)
    c.line(2, 5, 12, 5, 1.8, BLUE_DARK)
    c.polygon([(11, 2), (15, 5), (11, 8)], BLUE_DARK)
    c.line(4, 11, 14, 11, 1.8, GREEN_DARK)
    c.polygon([(5, 8), (1, 11), (5, 14)], GREEN_DARK)
    return c


def lamp(Canvas, colour, dark, size):
    c = Canvas(size, size)
    s = size / 16.0
    c.circle(8 * s, 8 * s, 6.5 * s, (60, 60, 60, 255))
    c.circle(8 * s, 8 * s, 5.5 * s, dark)
    c.circle(7.6 * s, 7.6 * s, 4.6 * s, colour)
    c.circle(6.2 * s, 6.0 * s, 1.7 * s, (255, 255, 255, 190))
    return c


# ---------------------------------------------------------------------------
# Splash and About pictures

def gradient_rows(w, h, top, bottom):
    rows = []
    for y in range(h):
        t = y / max(1, h - 1)
        col = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
        rows.append([col] * w)
    return rows


def paste(rows, canvas, x0, y0):
    for y, row in enumerate(canvas.pixels()):
        for x, (r, g, b, a) in enumerate(row):
            if a == 0:
                continue
            X, Y = x0 + x, y0 + y
            if 0 <= Y < len(rows) and 0 <= X < len(rows[0]):
                R, G, B = rows[Y][X]
                f = a / 255.0
                rows[Y][X] = (int(r * f + R * (1 - f)), int(g * f + G * (1 - f)), int(b * f + B * (1 - f)))


def letter(path, texts):
    """Draws texts (x, y, size, colour, font, text) with ImageMagick into the
    bitmap at path; without ImageMagick the picture stays unlettered."""
    convert = shutil.which("convert")
    if not convert:
        return
    fonts = {
        "serif-bold": "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
        "serif": "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
        "sans": "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        "sans-bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    }
    cmd = [convert, path]
    for x, y, size, colour, font, text in texts:
        f = fonts.get(font)
        if f and os.path.exists(f):
            cmd += ["-font", f]
        cmd += ["-pointsize", str(size), "-fill", colour, "-draw", "text %d,%d '%s'" % (x, y, text.replace("'", ""))]
    tmp = path + ".lettered.bmp"
    cmd += ["-type", "TrueColor", "BMP3:" + tmp]
    try:
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.replace(tmp, path)
    except (OSError, subprocess.CalledProcessError):
        if os.path.exists(tmp):
            os.remove(tmp)


def emblem(Canvas, draw_open_book, size):
    return draw_open_book(size)


def splash(out, Canvas, draw_open_book, version):
    w, h = 400, 300
    rows = gradient_rows(w, h, (24, 44, 100), (70, 20, 36))
    # a thin golden frame
    for x in range(6, w - 6):
        for y in (6, h - 7):
            rows[y][x] = (222, 176, 60)
    for y in range(6, h - 6):
        for x in (6, w - 7):
            rows[y][x] = (222, 176, 60)
    paste(rows, draw_open_book(96), 34, 60)
    path = os.path.join(out, "splash.bmp")
    write_bmp(path, rows)
    letter(path, [
        (150, 120, 54, "#F4E2A8", "serif-bold", "Sevir"),
        (152, 150, 15, "#FFFFFF", "sans", "Version " + version),
        (34, 205, 15, "#E8E8F0", "serif", "The Scriptures in translations"),
        (34, 226, 15, "#E8E8F0", "serif", "and in the original languages"),
        (34, 270, 11, "#C0C4D8", "sans", "Loading the library..."),
    ])


def about(out, Canvas, draw_open_book):
    w, h = 96, 128
    rows = gradient_rows(w, h, (24, 44, 100), (70, 20, 36))
    paste(rows, draw_open_book(64), 16, 16)
    path = os.path.join(out, "about.bmp")
    write_bmp(path, rows)
    letter(path, [(14, 112, 20, "#F4E2A8", "serif-bold", "Sevir")])


# ---------------------------------------------------------------------------

def write_all(out, Canvas, write_ico, draw_open_book, version="3.0.0.238"):
    write_strip(os.path.join(out, "toolbar_main.bmp"), main_toolbar(Canvas))
    write_strip(os.path.join(out, "toolbar_search.bmp"), search_toolbar(Canvas))
    write_strip(os.path.join(out, "toolbar_audio.bmp"), audio_toolbar(Canvas))
    write_strip(os.path.join(out, "history.bmp"), history_buttons(Canvas))
    write_strip(os.path.join(out, "history_drop.bmp"), [history_drop(Canvas)])
    for name, c in tree_images(Canvas).items():
        write_strip(os.path.join(out, name + ".bmp"), [c])
    a, b = status_images(Canvas)
    write_strip(os.path.join(out, "status_no_filter.bmp"), [a])
    write_strip(os.path.join(out, "status_filter.bmp"), [b])
    write_strip(os.path.join(out, "opposite.bmp"), [opposite_button(Canvas)])
    write_ico(os.path.join(out, "led_grey.ico"), [lamp(Canvas, (185, 185, 185, 255), (110, 110, 110, 255), 16)])
    write_ico(os.path.join(out, "led_orange.ico"), [lamp(Canvas, (255, 170, 40, 255), (170, 90, 10, 255), 16)])
    write_ico(os.path.join(out, "led_green.ico"), [lamp(Canvas, (70, 220, 70, 255), (20, 120, 20, 255), 16)])
    splash(out, Canvas, draw_open_book, version)
    about(out, Canvas, draw_open_book)
