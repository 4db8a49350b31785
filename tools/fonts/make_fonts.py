#!/usr/bin/python3
"""Builds the display fonts HebrewUniversal.ttf, HebrewUniversalS.ttf and
GreekUniversal.ttf from free fonts that Debian packages.

    /usr/bin/python3 tools/fonts/make_fonts.py OUTPUT_DIR

Every glyph sits on the 8-bit display code of src/text/*_codes.inc (read
through codetable.py), at the Unicode code point that Windows code page 1252
gives that byte, so that a Win32 program selects the font by face name with
character set 0. The licences of the base fonts are written beside the fonts.

Marks have no advance width. Hebrew text is drawn in reversed (display) order,
so a vowel point, which follows its letter in reading order, is drawn over the
glyph that follows it: its ink lies right of its origin. Greek breathings and
accents follow their letter and are drawn over the glyph before them: their
ink lies left of the origin. The letters are spaced so that the point of each
lies near the place where the marks fall.
"""
import os
import shutil
import statistics
import sys
import unicodedata

import fontforge
import psMat

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import codetable  # noqa: E402

FONT_DIR = "/usr/share/fonts/truetype"
DESIGNS = [
    {
        "face": "HebrewUniversal",
        "script": "hebrew",
        "fonts": [FONT_DIR + "/ezra/SILEOT.ttf"],
        "packages": ["fonts-sil-ezra"],
        # final kaf: where sheva and qamats stand inside the letter (fraction of the body height)
        "kaf_mark_y": 0.42,
    },
    {
        "face": "HebrewUniversalS",
        "script": "hebrew",
        "fonts": [FONT_DIR + "/noto/NotoSansHebrew-Regular.ttf", FONT_DIR + "/noto/NotoSans-Regular.ttf"],
        "packages": ["fonts-noto-core"],
        "kaf_mark_y": 0.45,
    },
    {
        "face": "GreekUniversal",
        "script": "greek",
        "fonts": [FONT_DIR + "/galatia/GalSILR.ttf"],
        "packages": ["fonts-sil-galatia"],
    },
]

# Spacing forms of the Greek marks: they are drawn as one piece in the base font.
GREEK_SPACING = {
    (0x0313,): 0x1FBF, (0x0314,): 0x1FFE, (0x0301,): 0x1FFD, (0x0300,): 0x1FEF, (0x0342,): 0x1FC0,
    (0x0308,): 0x00A8, (0x0313, 0x0300): 0x1FCD, (0x0313, 0x0301): 0x1FCE, (0x0313, 0x0342): 0x1FCF,
    (0x0314, 0x0300): 0x1FDD, (0x0314, 0x0301): 0x1FDE, (0x0314, 0x0342): 0x1FDF,
    (0x0308, 0x0300): 0x1FED, (0x0308, 0x0301): 0x1FEE, (0x0345,): 0x0345,
}

HOLAM = 0x05B9
DAGESH = 0x05BC


def hebrew_presentation_forms():
    """Decomposed sequence -> presentation form (U+FB1D-U+FB4F)."""
    forms = {}
    for cp in range(0xFB1D, 0xFB50):
        nfd = unicodedata.normalize("NFD", chr(cp))
        if nfd != chr(cp):
            forms[tuple(ord(c) for c in nfd)] = cp
    return forms


class Sources:
    """The base fonts of one design, first font first."""

    def __init__(self, paths):
        self.fonts = []
        for p in paths:
            f = fontforge.open(p)
            f.selection.all()
            f.unlinkReferences()
            self.fonts.append(f)
        self.em = self.fonts[0].em

    def has(self, cp):
        return any(cp in f for f in self.fonts)

    def glyph(self, cp):
        """(layer, advance) of a character, scaled to the first font's em."""
        for f in self.fonts:
            if cp in f:
                g = f[cp]
                layer = g.foreground.dup()
                width = g.width
                if f.em != self.em:
                    s = self.em / f.em
                    layer.transform(psMat.scale(s))
                    width = round(width * s)
                return layer, width
        raise KeyError("no base font has U+%04X" % cp)


def bbox(layer):
    x0, y0, x1, y1 = layer.boundingBox()
    return x0, y0, x1, y1


def moved(layer, dx, dy=0):
    layer = layer.dup()
    layer.transform(psMat.translate(dx, dy))
    return layer


def center_x(layer):
    x0, _, x1, _ = bbox(layer)
    return (x0 + x1) / 2


class Builder:
    def __init__(self, design):
        self.design = design
        self.src = Sources(design["fonts"])
        self.codes, _ = codetable.read(design["script"])
        f = fontforge.font()
        f.encoding = "UnicodeBmp"
        f.em = self.src.em
        f.is_quadratic = True
        self.font = f
        self.done = {}   # code -> (layer, width)

    # -- Hebrew -----------------------------------------------------------
    def hebrew_letter(self, uni, forms):
        if len(uni) == 1:
            return self.src.glyph(uni[0])
        key = tuple(uni)
        if key in forms and self.src.has(forms[key]):
            return self.src.glyph(forms[key])
        # Composed here: the letter and its marks, each placed in the letter.
        layer, width = self.src.glyph(uni[0])
        x0, y0, x1, y1 = bbox(layer)
        for m in uni[1:]:
            mark, _ = self.src.glyph(m)
            mx0, my0, mx1, my1 = bbox(mark)
            if uni[0] == 0x05DA and m != DAGESH:
                # sheva and qamats of final kaf stand inside the letter
                body = self.src.glyph(0x05DB)[0]
                bx0, by0, bx1, by1 = bbox(body)
                ty = by0 + (by1 - by0) * self.design["kaf_mark_y"]
                dx = (x0 + x1) / 2 - (mx0 + mx1) / 2
                dy = ty - (my0 + my1) / 2
            elif m == DAGESH:
                dx = (x0 + x1) / 2 - (mx0 + mx1) / 2
                dy = (max(y0, 0) + y1) / 2 - (my0 + my1) / 2
            else:
                dx = (x0 + x1) / 2 - (mx0 + mx1) / 2
                dy = 0
            layer += moved(mark, dx, dy)
        return layer, width

    def build_hebrew(self):
        forms = hebrew_presentation_forms()
        letters = {}
        for c in self.codes:
            if c.kind == "LETTER":
                letters[c.code] = self.hebrew_letter(c.uni, forms)
            elif c.kind == "SIGN":
                self.done[c.code] = self.src.glyph(c.uni[0])
        # Where the points fall: the middle of a typical letter.
        plain = [letters[c.code] for c in self.codes if c.kind == "LETTER" and len(c.uni) == 1]
        target = statistics.median(center_x(l) for l, _ in plain)
        em = self.src.em
        for code, (layer, width) in letters.items():
            x0, _, x1, _ = bbox(layer)
            lsb, rsb = x0, width - x1
            # Move the letter's middle half way to the points' place, never
            # closer than a small bearing to its neighbours.
            shift = (target - (x0 + x1) / 2) * 0.6
            new_lsb = max(lsb + shift, min(lsb, 0.02 * em))
            layer = moved(layer, new_lsb - lsb)
            self.done[code] = (layer, round(new_lsb + (x1 - x0) + rsb))
        for c in self.codes:
            if c.kind != "MARK":
                continue
            mark, _ = self.src.glyph(c.uni[0])
            if c.uni[0] == HOLAM:
                # holam stands at the upper left corner of its letter, which in
                # display order is the left edge of the glyph that follows
                mx0, _, mx1, _ = bbox(mark)
                dx = 0.03 * em - mx0
            else:
                dx = target - center_x(mark)
            self.done[c.code] = (moved(mark, dx), 0)

    # -- Greek ------------------------------------------------------------
    def greek_mark(self, uni):
        key = tuple(uni)
        if key in GREEK_SPACING and self.src.has(GREEK_SPACING[key]):
            return self.src.glyph(GREEK_SPACING[key])[0]
        layer = None
        for m in uni:
            part = self.src.glyph(m)[0]
            layer = part if layer is None else layer + part
        return layer

    def build_greek(self):
        em = self.src.em
        letters = {}
        for c in self.codes:
            if c.kind in ("LETTER", "SIGN"):
                letters[c.code] = self.src.glyph(c.uni[0])
        vowels = [letters[ord(ch)] for ch in "aehiouw"]
        # How far from the end of a small vowel the marks fall.
        target = statistics.median(w - center_x(l) for l, w in vowels)
        for code, (layer, width) in letters.items():
            if chr(code) in "aehiouwr":  # the letters that carry marks
                x0, _, x1, _ = bbox(layer)
                d = width - (x0 + x1) / 2
                shift = (target - d) * 0.6
                rsb = width - x1
                new_rsb = max(rsb + shift, min(rsb, 0.02 * em))
                width = round(x1 + new_rsb)
            self.done[code] = (layer, width)
        for c in self.codes:
            if c.kind not in ("MARK", "ALIAS"):
                continue
            mark = self.greek_mark(c.uni)
            dx = -target - center_x(mark)
            self.done[c.code] = (moved(mark, dx), 0)

    # -- output -------------------------------------------------------------
    def finish(self, out_dir):
        f = self.font
        face = self.design["face"]
        base = self.src.fonts[0]
        f.createChar(-1, ".notdef").width = round(self.src.em * 0.5)
        for c in self.codes:
            layer, width = self.done[c.code]
            cp = ord(codetable.cp1252_char(c.code))
            g = f.createChar(cp, "code%02X" % c.code)
            g.foreground = layer
            g.width = width
        f.familyname = face
        f.fontname = face
        f.fullname = face
        f.weight = "Regular"
        f.version = "1.0"
        f.copyright = (base.copyright or "").strip() + \
            "\nRearranged on the Sevir display codes from " + \
            ", ".join(x.familyname for x in self.src.fonts) + "."
        lic = [n for n in base.sfnt_names if n[1] in ("License", "License URL")]
        for lang, key, value in lic:
            f.appendSFNTName(lang, key, value)
        f.appendSFNTName("English (US)", "Family", face)
        f.appendSFNTName("English (US)", "SubFamily", "Regular")
        f.appendSFNTName("English (US)", "Fullname", face)
        f.appendSFNTName("English (US)", "Descriptor",
                         "8-bit display font for Sevir; see tools/fonts/code-tables.md")
        # Latin-1 code page: selected by face name with ANSI_CHARSET.
        f.os2_codepages = (1, 0)
        f.os2_unicoderanges = (1 | 2, 0, 0, 0)
        f.os2_fstype = 0
        f.os2_weight = 400
        f.os2_vendor = "SEVR"
        ymin = min(self.done[c.code][0].boundingBox()[1] for c in self.codes)
        ymax = max(self.done[c.code][0].boundingBox()[3] for c in self.codes)
        f.ascent = base.ascent
        f.descent = base.descent
        for attr in ("os2_winascent", "os2_typoascent", "hhea_ascent"):
            setattr(f, attr + "_add", False)
        for attr in ("os2_windescent", "os2_typodescent", "hhea_descent"):
            setattr(f, attr + "_add", False)
        f.os2_winascent = max(int(ymax) + 1, base.ascent)
        f.os2_windescent = max(int(-ymin) + 1, base.descent)
        f.hhea_ascent = f.os2_winascent
        f.hhea_descent = -f.os2_windescent
        f.os2_typoascent = f.os2_winascent
        f.os2_typodescent = -f.os2_windescent
        f.os2_typolinegap = 0
        f.os2_use_typo_metrics = False
        f.hhea_linegap = 0
        path = os.path.join(out_dir, face + ".ttf")
        f.generate(path + ".tmp.ttf")
        os.replace(path + ".tmp.ttf", path)
        return path


def copy_licences(out_dir):
    lines = ["The display fonts of Sevir are built by tools/fonts/make_fonts.py from these",
             "fonts; each keeps the licence of its base fonts, copied beside this file.", ""]
    for d in DESIGNS:
        lines.append("%s.ttf: %s (Debian %s)" % (
            d["face"], ", ".join(os.path.basename(p) for p in d["fonts"]), ", ".join(d["packages"])))
        for pkg in d["packages"]:
            src = "/usr/share/doc/%s/copyright" % pkg
            if os.path.exists(src):
                shutil.copyfile(src, os.path.join(out_dir, "LICENSE-%s.txt" % pkg))
                lines.append("    licence: LICENSE-%s.txt" % pkg)
    with open(os.path.join(out_dir, "README-fonts.txt"), "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_fonts.py OUTPUT_DIR")
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for d in DESIGNS:
        b = Builder(d)
        if d["script"] == "hebrew":
            b.build_hebrew()
        else:
            b.build_greek()
        print(b.finish(out_dir))
    copy_licences(out_dir)


if __name__ == "__main__":
    main()
