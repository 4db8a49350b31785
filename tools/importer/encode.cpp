#include "encode.h"

#include <cstdint>

#include "text/display_codes.h"

namespace importer {

#include "latin_tables.inc"

Script ScriptOf(char32_t c) {
    if ((c >= 0x0590 && c <= 0x05FF) || (c >= 0xFB1D && c <= 0xFB4F)) return Script::Hebrew;
    if ((c >= 0x0370 && c <= 0x03FF) || (c >= 0x1F00 && c <= 0x1FFF)) return Script::Greek;
    if (c >= 0x0300 && c <= 0x036F) return Script::Other;  // combining marks stay with their letter
    return Script::Latin;
}

static int Cp1252Of(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    static const char32_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (high[i] == c && c != 0) return 0x80 + i;
    return -1;
}

std::string ToCp1252(std::u32string_view s, EncodeStats* stats) {
    EncodeStats local;
    EncodeStats& st = stats ? *stats : local;
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0x0300 && c <= 0x036F) {
            // A combining mark: compose it with the letter before when code page 1252 can.
            bool done = false;
            if (!out.empty()) {
                unsigned char prev = static_cast<unsigned char>(out.back());
                for (const auto& k : kLatinCompose)
                    if (k.base == prev && k.mark == c) {
                        out.back() = static_cast<char>(k.code);
                        done = true;
                        break;
                    }
            }
            if (!done) ++st.substituted;  // the mark is left out, the letter stays
            continue;
        }
        int b = Cp1252Of(c);
        if (b > 0) {
            out += static_cast<char>(b);
            continue;
        }
        if (b == 0) continue;  // NUL never goes into a record
        bool found = false;
        for (const auto& f : kLatinFallback)
            if (f.cp == c) {
                out += static_cast<char>(f.base);
                found = true;
                break;
            }
        if (!found) {
            switch (c) {
            case 0x2010: case 0x2011: case 0x2012: case 0x2212: out += '-'; found = true; break;
            case 0x2032: case 0x02BC: case 0x02BB: case 0x02BE: case 0x02BF: out += '\''; found = true; break;
            case 0x2033: out += '"'; found = true; break;
            case 0x2002: case 0x2003: case 0x2009: case 0x200A: case 0x202F: out += ' '; found = true; break;
            case 0x200B: case 0x200C: case 0x200D: case 0x200E: case 0x200F: case 0xFEFF: continue;
            default: break;
            }
        }
        if (found) ++st.substituted;
        else ++st.dropped;
    }
    return out;
}

static std::string ToCodes(int script, std::u32string_view s, EncodeStats* stats) {
    std::string out;
    DISPLAY_CONVERSION conv = UnicodeToDisplay(script, s, out);
    if (stats) stats->dropped += conv.dropped;
    return out;
}

std::string ToHebrewCodes(std::u32string_view s, EncodeStats* stats) {
    // Cantillation, meteg, rafe, paseq, the upper and lower dots and the
    // inverted nun are not written.
    std::u32string kept;
    kept.reserve(s.size());
    for (char32_t c : s) {
        if ((c >= 0x0591 && c <= 0x05AF) || c == 0x05BD || c == 0x05BF || c == 0x05C0 || c == 0x05C4 ||
            c == 0x05C5 || c == 0x05C6 ||
            c == U'/' || c == 0x200D)
            continue;
        kept += c;
    }
    return ToCodes(SV_SCRIPT_HEBREW, kept, stats);
}

std::string ToGreekCodes(std::u32string_view s, EncodeStats* stats) { return ToCodes(SV_SCRIPT_GREEK, s, stats); }

}  // namespace importer
