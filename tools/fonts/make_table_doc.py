#!/usr/bin/python3
"""Writes tools/fonts/code-tables.md, the readable form of the display-code
tables. With --check it fails when the committed document is out of date."""
import os
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import codetable  # noqa: E402

INTRO = """# Display codes of the Hebrew and Greek fonts

Sevir keeps Hebrew and Greek text in 8-bit codes that the fonts
`HebrewUniversal`, `HebrewUniversalS` and `GreekUniversal` draw as letters,
points and accents. This document is written by `make_table_doc.py` from
`src/text/hebrew_codes.inc` and `src/text/greek_codes.inc`; the core
(`src/text/display_codes.h`), the font generator (`make_fonts.py`) and the
converters all read those two files.

Kinds: **letter** a spacing glyph; **mark** a point or accent without advance
width; **sign** punctuation, digits, blank; **alias** drawn like another code
(never produced from Unicode). Codes 0x80-0x9F are never used (Windows moves
them in code page 1252); the font places the glyph of code b at the Unicode
code point that code page 1252 gives b, so a program selects it by face name
with character set 0.

## Order and placement

- **Hebrew** is stored in reading order; the program reverses it for display.
  A vowel point follows its letter, so in display order it stands before the
  letter and the font draws it over the glyph that follows it. Letters with
  dagesh or mappiq, shin and sin with their dots, holam male and the three
  final kaf forms (with sheva, with qamats, with dagesh) are single letter
  codes; the vowel points 0xA1-0xAB follow them. Final forms are one code
  below the ordinary form (kaf K/J, mem N/M, nun P/O, pe T/S, tsadi V/U).
- **Greek**: breathings and accents follow a small letter and are drawn over
  the glyph before them. Before a capital they stand in front of it, where
  they are drawn over the blank before the capital, as print sets them. The
  iota subscript (0xA1) follows its letter, capital or small. A breathing
  with an accent, and the diaeresis with an accent, are one code each.
- Characters that have no code (cantillation, meteg, macron, Latin letters)
  are left out by the converters, which count them.

## Decisions where the program leaves a code open

- Hebrew `:` is sof pasuq and `-` is maqqef (the plain colon and hyphen map to
  them too); `^` `_` `` ` `` are final kaf with sheva, with qamats and with
  dagesh (they count as final kaf); 0xAB is hataf qamats; `w` is shin with
  dagesh but without dot.
- Greek punctuation: 0xC5 comma, 0xC8 full stop, 0xCE question mark (the
  Greek ";"), 0xD0 apostrophe of elision, and further 0xD1 dash, 0xDB and 0xDD
  square brackets, 0xAB and 0xBB quotation marks; `\\` is the ano teleia, `:`
  a colon. The ASCII comma, full stop and semicolon are accents in this font,
  so Unicode text's `,` `.` `;` become 0xC5, 0xC8, 0xCE.
- Greek `_` `+` `~` `"` `{` `}` draw the marks of `-` `=` `` ` `` `'` `[` `]`,
  so that the shifted keys of the mark keys type the same mark.
"""


def fmt_code(c):
    ch = chr(c)
    if c == 0x20:
        return "0x20 (blank)"
    if c == 0x60:
        return "0x60 `` ` ``"
    if c == 0x7C:
        return "0x7C"
    if 0x20 < c < 0x7F:
        return "0x%02X `%s`" % (c, ch.replace("|", "\\|"))
    return "0x%02X" % c


def fmt_uni(uni):
    names = []
    for u in uni:
        try:
            names.append("U+%04X %s" % (u, unicodedata.name(chr(u)).lower()))
        except ValueError:
            names.append("U+%04X" % u)
    return "; ".join(names)


def sample(uni):
    s = "".join(chr(u) for u in uni)
    if unicodedata.combining(s[0]):
        s = "\u25CC" + s
    if s.strip() == "":
        return ""
    return s.replace("|", "\\|").replace("`", "\\`").replace("*", "\\*").replace("_", "\\_") \
        .replace("[", "\\[").replace("]", "\\]").replace("<", "&lt;").replace(">", "&gt;")


def table(script, title):
    codes, also = codetable.read(script)
    out = ["## %s" % title, "", "| Code | Shows | Kind | Name | Unicode |", "|---|---|---|---|---|"]
    for c in codes:
        out.append("| %s | %s | %s | %s | %s |" % (fmt_code(c.code), sample(c.uni), c.kind.lower(), c.name,
                                                    fmt_uni(c.uni)))
    out += ["", "Further characters that become codes:", "", "| Unicode | Code |", "|---|---|"]
    for u, code in also:
        out.append("| %s | %s |" % (fmt_uni([u]), fmt_code(code)))
    return "\n".join(out) + "\n"


def render():
    return INTRO + "\n" + table("hebrew", "Hebrew (HebrewUniversal, HebrewUniversalS)") + "\n" + \
        table("greek", "Greek (GreekUniversal)")


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "code-tables.md")
    text = render()
    if "--check" in sys.argv:
        with open(path, encoding="utf-8") as f:
            if f.read() != text:
                sys.exit("code-tables.md is out of date: run tools/fonts/make_table_doc.py")
        return
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
