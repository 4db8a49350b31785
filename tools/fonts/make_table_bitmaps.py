#!/usr/bin/python3
"""Draws the two pictures of the character table from the generated fonts:

    /usr/bin/python3 tools/fonts/make_table_bitmaps.py FONT_DIR OUT_DIR

table_hebrew.bmp (resource 2095) and table_greek.bmp (resource 2096), and
table_hebrew_shift.bmp and table_greek_shift.bmp with the Shift sets, each
108 x 126 pixels: 6 columns x 7 rows of 18 x 18-pixel cells, cell (c, r)
showing character 6r + c of the character table. Each glyph is centred in its
cell by its ink, marks included. ImageMagick does the drawing.
"""
import os
import subprocess
import sys

import fontforge

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import codetable  # noqa: E402

CELL = 18
COLS, ROWS = 6, 7
GLYPH_PX = 15          # pixel size of the font in a cell
MARK_PX = 30           # points and accents are shown larger, alone in their cell
FINAL_SIGN = 1         # the Hebrew cell that toggles a final letter

# The cells in the order of the character table: the normal set and the set
# used while Shift is held.
HEBREW = [ord(c) for c in "@ABCDEFGHIKLNPQRTVWXYZ]h[\\^_`"] + [FINAL_SIGN] + \
    list(range(0xA1, 0xAC)) + [ord("-")]
HEBREW_SHIFT = [ord(c) for c in "cdefghijklmnopqrstuvwx]hyz^_`"] + [FINAL_SIGN] + \
    list(range(0xA1, 0xAC)) + [ord("-")]
GREEK = [ord(c) for c in "abgdezhqiklmnxoprstufcywj @/-=`v[]';,.<>"] + [0xA1, ord("\\")]
GREEK_SHIFT = [ord(c) for c in "ABGDEZHQIKLMNXOPRSTUFCYWS @/-=`v[]';,.<>"] + [0xA1, ord("\\")]


def draw_commands(font_path, script, cells):
    f = fontforge.open(font_path)
    kinds = {c.code: c.kind for c in codetable.read(script)[0]}
    cmds = []
    for i, code in enumerate(cells):
        col, row = i % COLS, i // COLS
        cx, cy = col * CELL + CELL / 2, row * CELL + CELL / 2
        if code == FINAL_SIGN:
            # "to or from the final form": a final kaf and a kaf
            cmds += ["-fill", "#606060", "-draw", "line %d,%d %d,%d" % (col * CELL + 4, cy, col * CELL + 13, cy),
                     "-draw", "line %d,%d %d,%d" % (col * CELL + 4, cy, col * CELL + 7, cy - 3),
                     "-draw", "line %d,%d %d,%d" % (col * CELL + 13, cy, col * CELL + 10, cy + 3),
                     "-fill", "black"]
            continue
        if code == 0x20:
            continue
        px = MARK_PX if kinds[code] in ("MARK", "ALIAS") else GLYPH_PX
        scale = px / f.em
        cp = ord(codetable.cp1252_char(code))
        g = f[cp]
        x0, y0, x1, y1 = g.boundingBox()
        # the glyph's origin so that the middle of its ink falls on the cell's middle
        ox = cx - (x0 + x1) / 2 * scale
        oy = cy + (y0 + y1) / 2 * scale
        ch = chr(cp).replace("\\", "\\\\").replace("'", "\\'")
        cmds += ["-pointsize", str(px), "-draw", "text %.1f,%.1f '%s'" % (ox, oy, ch)]
    return cmds


def draw(font_path, script, cells, out_path):
    w, h = COLS * CELL, ROWS * CELL
    cmd = ["convert", "-size", "%dx%d" % (w, h), "xc:white", "-fill", "none", "-stroke", "#C8C8C8"]
    for c in range(1, COLS):
        cmd += ["-draw", "line %d,0 %d,%d" % (c * CELL, c * CELL, h - 1)]
    for r in range(1, ROWS):
        cmd += ["-draw", "line 0,%d %d,%d" % (r * CELL, w - 1, r * CELL)]
    cmd += ["-stroke", "none", "-fill", "black", "-font", font_path, "-pointsize", str(GLYPH_PX),
            "-density", "72"]
    cmd += draw_commands(font_path, script, cells)
    cmd += ["-type", "TrueColor", "BMP3:" + out_path + ".tmp"]
    subprocess.run(cmd, check=True)
    os.replace(out_path + ".tmp", out_path)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_table_bitmaps.py FONT_DIR OUT_DIR")
    font_dir, out_dir = sys.argv[1], sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    hebrew = os.path.join(font_dir, "HebrewUniversal.ttf")
    greek = os.path.join(font_dir, "GreekUniversal.ttf")
    for font, script, cells, name in [
            (hebrew, "hebrew", HEBREW, "table_hebrew"), (hebrew, "hebrew", HEBREW_SHIFT, "table_hebrew_shift"),
            (greek, "greek", GREEK, "table_greek"), (greek, "greek", GREEK_SHIFT, "table_greek_shift")]:
        assert len(cells) == COLS * ROWS, name
        draw(font, script, cells, os.path.join(out_dir, name + ".bmp"))


if __name__ == "__main__":
    main()
