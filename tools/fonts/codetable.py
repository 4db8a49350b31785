"""Reads the display-code tables of the program (src/text/hebrew_codes.inc,
src/text/greek_codes.inc): the same lines the C++ core compiles, so the fonts
and the text converters draw from one source."""
import os
import re

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TABLES = {
    "hebrew": os.path.join(ROOT, "src", "text", "hebrew_codes.inc"),
    "greek": os.path.join(ROOT, "src", "text", "greek_codes.inc"),
}

_CODE = re.compile(r'^SV_CODE\(\s*(0x[0-9A-Fa-f]+)\s*,\s*"([^"]*)"\s*,\s*(\w+)\s*,\s*([^)]*)\)')
_ALSO = re.compile(r'^SV_ALSO\(\s*(0x[0-9A-Fa-f]+)\s*,\s*(0x[0-9A-Fa-f]+)\s*\)')


class Code:
    def __init__(self, code, name, kind, uni):
        self.code = code      # the 8-bit display code
        self.name = name
        self.kind = kind      # LETTER, MARK, SIGN or ALIAS
        self.uni = uni        # list of Unicode code points, decomposed

    @property
    def text(self):
        return "".join(chr(c) for c in self.uni)


def read(script):
    """Returns (codes, also) for "hebrew" or "greek": codes in file order,
    also a list of (Unicode character, code)."""
    codes, also = [], []
    with open(TABLES[script], encoding="ascii") as f:
        for line in f:
            line = line.strip()
            m = _CODE.match(line)
            if m:
                uni = [int(x, 16) for x in m.group(4).split(",") if x.strip()]
                codes.append(Code(int(m.group(1), 16), m.group(2), m.group(3), uni))
                continue
            m = _ALSO.match(line)
            if m:
                also.append((int(m.group(1), 16), int(m.group(2), 16)))
            elif line.startswith("SV_"):
                raise ValueError("%s: cannot read %r" % (TABLES[script], line))
    return codes, also


def cp1252_char(code):
    """The Unicode character that Windows code page 1252 gives a byte: the
    font places the glyph of a display code there."""
    return bytes([code]).decode("cp1252")
