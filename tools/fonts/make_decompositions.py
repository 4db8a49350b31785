#!/usr/bin/python3
"""Writes src/text/unicode_decompose.inc: the full canonical decompositions of
the precomposed Greek (U+0340-U+03FF, U+1F00-U+1FFF) and Hebrew presentation
(U+FB1D-U+FB4F) characters, from Python's Unicode database. Run it again only
when the ranges change; the output is committed."""
import sys
import unicodedata

RANGES = [(0x0340, 0x0400), (0x1F00, 0x2000), (0xFB1D, 0xFB50)]


def main(out_path):
    rows = []
    for lo, hi in RANGES:
        for cp in range(lo, hi):
            ch = chr(cp)
            nfd = unicodedata.normalize("NFD", ch)
            if nfd != ch:
                assert len(nfd) <= 4, hex(cp)
                rows.append((cp, [ord(c) for c in nfd]))
    with open(out_path, "w", encoding="ascii", newline="\n") as f:
        f.write("// Canonical decompositions of precomposed Greek and Hebrew characters,\n")
        f.write("// written by tools/fonts/make_decompositions.py (Unicode %s).\n" % unicodedata.unidata_version)
        f.write("// SV_DECOMP(character, parts...)\n")
        for cp, parts in rows:
            f.write("SV_DECOMP(0x%04X, %s)\n" % (cp, ", ".join("0x%04X" % p for p in parts)))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/text/unicode_decompose.inc")
