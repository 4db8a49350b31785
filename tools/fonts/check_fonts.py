#!/usr/bin/python3
"""Checks the generated display fonts against the code tables:

    /usr/bin/python3 tools/fonts/check_fonts.py DIR            check DIR/*.ttf
    /usr/bin/python3 tools/fonts/check_fonts.py --build DIR    generate into DIR first

fc-scan must report the family name and a glyph for every code of the tables;
marks must have no advance, letters and signs must have one; the fonts must
declare the Latin-1 code page so that Windows selects them with ANSI_CHARSET."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import codetable  # noqa: E402

FACES = {"HebrewUniversal": "hebrew", "HebrewUniversalS": "hebrew", "GreekUniversal": "greek"}


def charset(text):
    cps = set()
    for part in text.split():
        lo, _, hi = part.partition("-")
        for cp in range(int(lo, 16), int(hi or lo, 16) + 1):
            cps.add(cp)
    return cps


def main():
    args = sys.argv[1:]
    if args and args[0] == "--build":
        out = args[1]
        here = os.path.dirname(os.path.abspath(__file__))
        subprocess.run([sys.executable, os.path.join(here, "make_fonts.py"), out], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        args = [out]
    folder = args[0]
    errors = []
    import fontforge
    for face, script in FACES.items():
        path = os.path.join(folder, face + ".ttf")
        if not os.path.exists(path):
            errors.append("%s is missing" % path)
            continue
        res = subprocess.run(["fc-scan", "--format", "%{family}\n%{charset}\n", path],
                             capture_output=True, text=True, check=True)
        family, cs = (res.stdout.split("\n") + ["", ""])[:2]
        if family != face:
            errors.append("%s: fc-scan family %r" % (face, family))
        covered = charset(cs)
        codes, _ = codetable.read(script)
        f = fontforge.open(path)
        if not f.os2_codepages[0] & 1:
            errors.append("%s: no Latin-1 code page" % face)
        for c in codes:
            cp = ord(codetable.cp1252_char(c.code))
            if cp not in covered:
                errors.append("%s: code 0x%02X (%s) not covered" % (face, c.code, c.name))
                continue
            g = f[cp]
            if c.kind in ("MARK", "ALIAS"):
                if g.width != 0:
                    errors.append("%s: mark 0x%02X has width %d" % (face, c.code, g.width))
            elif g.width <= 0:
                errors.append("%s: 0x%02X has no width" % (face, c.code))
            if c.code != 0x20 and g.foreground.isEmpty():
                errors.append("%s: 0x%02X (%s) has no outline" % (face, c.code, c.name))
        print("%s: %d codes covered" % (face, len(codes)))
    for e in errors:
        print(e, file=sys.stderr)
    sys.exit(1 if errors else 0)


if __name__ == "__main__":
    main()
