#include "app/codepage.h"

#include "app/lang.h"

namespace {

struct Pair {
    unsigned char upper, lower;
};

// Upper-case letters outside A-Z and outside the runs handled below.
const Pair k1250[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F},
                      {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xBC, 0xBE}};
const Pair k1251[] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
                      {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
                      {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
const Pair k1252[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
const Pair k1253[] = {{0xA2, 0xDC}, {0xB8, 0xDD}, {0xB9, 0xDE}, {0xBA, 0xDF},
                      {0xBC, 0xFC}, {0xBE, 0xFD}, {0xBF, 0xFE}};
const Pair k1254[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x9F, 0xFF}, {0xDD, 0x69}};
const Pair k1257[] = {{0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}};

template <int N>
bool Lookup(const Pair (&pairs)[N], unsigned char c, unsigned char* out)
{
    for (const Pair& p : pairs)
        if (p.upper == c) {
            *out = p.lower;
            return true;
        }
    return false;
}

// 0xC0-0xDE except 0xD7 (the multiplication sign) map to 0xE0-0xFE.
bool LatinRun(unsigned char c, unsigned char* out)
{
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        *out = static_cast<unsigned char>(c + 0x20);
        return true;
    }
    return false;
}

} // namespace

int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 238: return 1250;
    case 204: return 1251;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 163: return 1258;
    case 222: return 874;
    default: return 1252;
    }
}

unsigned char LowerChar8(unsigned char c, int codepage)
{
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c < 0x80) return c;
    unsigned char out = c;
    switch (codepage) {
    case 1250:
        if (Lookup(k1250, c, &out) || LatinRun(c, &out)) return out;
        break;
    case 1251:
        if (Lookup(k1251, c, &out)) return out;
        if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 0x20);
        break;
    case 1252:
        if (Lookup(k1252, c, &out) || LatinRun(c, &out)) return out;
        break;
    case 1253:
        if (Lookup(k1253, c, &out)) return out;
        if ((c >= 0xC1 && c <= 0xD1) || (c >= 0xD3 && c <= 0xDB)) return static_cast<unsigned char>(c + 0x20);
        break;
    case 1254:
        if (Lookup(k1254, c, &out) || LatinRun(c, &out)) return out;
        break;
    case 1257:
        if (Lookup(k1257, c, &out) || LatinRun(c, &out)) return out;
        break;
    case 1258:
        // 0xCC, 0xD2 and 0xDE are combining tone marks, not letters.
        if (Lookup(k1252, c, &out)) return out;
        if (c != 0xCC && c != 0xD2 && c != 0xDE && LatinRun(c, &out)) return out;
        break;
    default:
        break;
    }
    return c;
}

void LowerText8(char* text, int codepage)
{
    if (!text) return;
    // Searches lower-case whole modules: each code page's table is made
    // once.
    struct Table {
        int codepage = -1;
        unsigned char lower[256];
    };
    static Table cache[4];
    static int next = 0;
    const Table* table = nullptr;
    for (const Table& t : cache)
        if (t.codepage == codepage) table = &t;
    if (!table) {
        Table& t = cache[next];
        next = (next + 1) % 4;
        for (int c = 0; c < 256; ++c) t.lower[c] = LowerChar8(static_cast<unsigned char>(c), codepage);
        t.codepage = codepage;
        table = &t;
    }
    const unsigned char* lower = table->lower;
    unsigned char* p = reinterpret_cast<unsigned char*>(text);
    // Four bytes a step; each is tested for the end before the next is read.
    for (;;) {
        if (!p[0]) break;
        p[0] = lower[p[0]];
        if (!p[1]) break;
        p[1] = lower[p[1]];
        if (!p[2]) break;
        p[2] = lower[p[2]];
        if (!p[3]) break;
        p[3] = lower[p[3]];
        p += 4;
    }
}

int CurrentCodePage()
{
    return CodePageOfCharset(LANG_CurrentCharset());
}
