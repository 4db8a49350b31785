// Display code tables and the conversions between Unicode and display codes.
#include "text/display_codes.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

#define SV_CODE(c, name, kind, ...) {c, DK_##kind, name, {__VA_ARGS__}},
#define SV_ALSO(u, c)
const DISPLAY_CODE g_hebrew[] = {
#include "text/hebrew_codes.inc"
};
const DISPLAY_CODE g_greek[] = {
#include "text/greek_codes.inc"
};
#undef SV_CODE
#undef SV_ALSO

struct AlsoEntry {
    char32_t uni;
    unsigned char code;
};
#define SV_CODE(c, name, kind, ...)
#define SV_ALSO(u, c) {u, c},
const AlsoEntry g_hebrew_also[] = {
#include "text/hebrew_codes.inc"
};
const AlsoEntry g_greek_also[] = {
#include "text/greek_codes.inc"
};
#undef SV_CODE
#undef SV_ALSO

struct Decomp {
    char32_t c;
    char32_t parts[4];
};
#define SV_DECOMP(c, ...) {c, {__VA_ARGS__}},
const Decomp g_decomp[] = {
#include "text/unicode_decompose.inc"
};
#undef SV_DECOMP

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kDagesh = 0x05BC;

int UniLength(const DISPLAY_CODE& e)
{
    int n = 0;
    while (n < 4 && e.uni[n] != 0) ++n;
    return n;
}

// Canonical combining class of the marks that the tables use; 0 for a
// character that is not one of them.
int CombiningClass(char32_t c)
{
    if (c >= 0x05B0 && c <= 0x05BB) {
        static const unsigned char cls[] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20};
        return cls[c - 0x05B0];
    }
    switch (c) {
    case 0x05C7: return 18;
    case 0x05BC: return 21;
    case 0x05BD: return 22;
    case 0x05BF: return 23;
    case 0x05C1: return 24;
    case 0x05C2: return 25;
    case 0x0345: return 240;
    default: break;
    }
    if (c >= 0x0300 && c <= 0x036F) return 230;
    if (c >= 0x0591 && c <= 0x05AF) return 220;  // cantillation; exact class does not matter here
    return 0;
}

bool IsCombining(char32_t c)
{
    if (c >= 0x0300 && c <= 0x036F) return true;
    if (c >= 0x0591 && c <= 0x05BD) return true;
    if (c == 0x05BF || c == 0x05C1 || c == 0x05C2 || c == 0x05C4 || c == 0x05C5 || c == 0x05C7) return true;
    if (c >= 0x1DC0 && c <= 0x1DFF) return true;
    if (c >= 0x20D0 && c <= 0x20FF) return true;
    return c >= 0xFE20 && c <= 0xFE2F;
}

// Sorts each run of marks by combining class, keeping equal classes in order.
void CanonicalOrder(std::u32string& s, size_t from)
{
    size_t i = from;
    while (i < s.size()) {
        if (CombiningClass(s[i]) == 0) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < s.size() && CombiningClass(s[j]) != 0) ++j;
        std::stable_sort(s.begin() + static_cast<std::ptrdiff_t>(i), s.begin() + static_cast<std::ptrdiff_t>(j),
                         [](char32_t a, char32_t b) { return CombiningClass(a) < CombiningClass(b); });
        i = j;
    }
}

struct Script {
    const DISPLAY_CODE* table;
    int count;
    std::vector<std::pair<char32_t, unsigned char>> single;  // one character -> code, sorted
};

Script MakeScript(const DISPLAY_CODE* table, int count, const AlsoEntry* also, int also_count)
{
    Script s{table, count, {}};
    for (int i = 0; i < count; ++i) {
        const DISPLAY_CODE& e = table[i];
        if (e.kind == DK_ALIAS || UniLength(e) != 1) continue;
        s.single.emplace_back(e.uni[0], e.code);
    }
    for (int i = 0; i < also_count; ++i) s.single.emplace_back(also[i].uni, also[i].code);
    std::stable_sort(s.single.begin(), s.single.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return s;
}

const Script* GetScript(int script)
{
    static const Script hebrew = MakeScript(g_hebrew, static_cast<int>(std::size(g_hebrew)), g_hebrew_also,
                                            static_cast<int>(std::size(g_hebrew_also)));
    static const Script greek = MakeScript(g_greek, static_cast<int>(std::size(g_greek)), g_greek_also,
                                           static_cast<int>(std::size(g_greek_also)));
    if (script == SV_SCRIPT_HEBREW) return &hebrew;
    if (script == SV_SCRIPT_GREEK) return &greek;
    return nullptr;
}

// The code of a single character, or -1.
int SingleCode(const Script& s, char32_t c)
{
    auto it = std::lower_bound(s.single.begin(), s.single.end(), c,
                               [](const auto& a, char32_t v) { return a.first < v; });
    if (it == s.single.end() || it->first != c) return -1;
    return it->second;
}

// The MARK (or LETTER) entry whose characters are exactly seq.
int SequenceCode(const Script& s, std::u32string_view seq)
{
    if (seq.size() == 1) return SingleCode(s, seq[0]);
    for (int i = 0; i < s.count; ++i) {
        const DISPLAY_CODE& e = s.table[i];
        if (e.kind == DK_ALIAS) continue;
        if (std::u32string_view(e.uni, static_cast<size_t>(UniLength(e))) == seq) return e.code;
    }
    return -1;
}

struct Cluster {
    char32_t base = 0;            // 0: marks without a base
    std::u32string marks;         // in input order, without repeats
};

void Drop(DISPLAY_CONVERSION& r, char32_t c, int n = 1)
{
    if (r.dropped == 0) r.first_dropped = c;
    r.dropped += n;
}

bool Has(const std::u32string& marks, char32_t c) { return marks.find(c) != std::u32string::npos; }

void ConvertHebrew(const Script& s, const Cluster& cl, std::string& out, DISPLAY_CONVERSION& r)
{
    std::u32string rest = cl.marks;
    if (cl.base != 0) {
        // The letter entry that takes the most of the cluster's marks; with a
        // tie, the one with dagesh (a vav with dagesh and holam is a vav with
        // dagesh followed by holam).
        int best = -1, best_score = -1;
        for (int i = 0; i < s.count; ++i) {
            const DISPLAY_CODE& e = s.table[i];
            if (e.kind != DK_LETTER || e.uni[0] != cl.base) continue;
            int n = UniLength(e);
            bool all = true, dagesh = false;
            for (int k = 1; k < n; ++k) {
                if (!Has(cl.marks, e.uni[k])) all = false;
                if (e.uni[k] == kDagesh) dagesh = true;
            }
            if (!all) continue;
            int score = (n - 1) * 2 + (dagesh ? 1 : 0);
            if (score > best_score) {
                best = i;
                best_score = score;
            }
        }
        if (best < 0) {
            int code = SingleCode(s, cl.base);
            if (code < 0 || FindDisplayCode(SV_SCRIPT_HEBREW, static_cast<unsigned char>(code))->kind == DK_MARK) {
                Drop(r, cl.base, 1 + static_cast<int>(cl.marks.size()));
                return;
            }
            out.push_back(static_cast<char>(code));
        } else {
            const DISPLAY_CODE& e = s.table[best];
            out.push_back(static_cast<char>(e.code));
            for (int k = 1; k < UniLength(e); ++k) rest.erase(rest.find(e.uni[k]), 1);
        }
    }
    for (char32_t m : rest) {
        int code = SingleCode(s, m);
        if (code >= 0 && FindDisplayCode(SV_SCRIPT_HEBREW, static_cast<unsigned char>(code))->kind == DK_MARK)
            out.push_back(static_cast<char>(code));
        else
            Drop(r, m);  // cantillation, meteg, rafe, a dagesh no letter form has
    }
}

void ConvertGreek(const Script& s, const Cluster& cl, std::string& out, DISPLAY_CONVERSION& r)
{
    int letter = -1;
    bool capital = false;
    if (cl.base != 0) {
        letter = SingleCode(s, cl.base);
        if (letter < 0) {
            Drop(r, cl.base, 1 + static_cast<int>(cl.marks.size()));
            return;
        }
        const DISPLAY_CODE* e = FindDisplayCode(SV_SCRIPT_GREEK, static_cast<unsigned char>(letter));
        capital = e->kind == DK_LETTER && letter >= 'A' && letter <= 'Z';
    }
    char32_t breathing = 0, accent = 0;
    bool diaeresis = false, iota = false;
    for (char32_t m : cl.marks) {
        switch (m) {
        case 0x0313: case 0x0314: breathing = m; break;
        case 0x0300: case 0x0301: case 0x0342: accent = m; break;
        case 0x0308: diaeresis = true; break;
        case 0x0345: iota = true; break;
        default: Drop(r, m); break;
        }
    }
    auto emit = [&](std::u32string_view seq) {
        int code = SequenceCode(s, seq);
        if (code >= 0) out.push_back(static_cast<char>(code));
        else for (char32_t c : seq) Drop(r, c);
    };
    // Breathing and accent as one code, or the accent joined to the diaeresis
    // when there is no breathing.
    std::u32string diaeresis_seq;
    if (diaeresis) {
        diaeresis_seq = U"\u0308";
        if (accent != 0 && breathing == 0 && accent != 0x0342) {
            diaeresis_seq.push_back(accent);
            accent = 0;
        }
    }
    std::u32string above;
    if (breathing != 0) above.push_back(breathing);
    if (accent != 0) above.push_back(accent);

    if (capital) {
        if (!above.empty()) emit(above);
        out.push_back(static_cast<char>(letter));
        if (!diaeresis_seq.empty()) emit(diaeresis_seq);
    } else {
        if (letter >= 0) out.push_back(static_cast<char>(letter));
        if (!diaeresis_seq.empty()) emit(diaeresis_seq);
        if (!above.empty()) emit(above);
    }
    if (iota) emit(U"\u0345");
}

}  // namespace

const DISPLAY_CODE* DisplayCodeTable(int script, int* count)
{
    const Script* s = GetScript(script);
    if (count) *count = s ? s->count : 0;
    return s ? s->table : nullptr;
}

const DISPLAY_CODE* FindDisplayCode(int script, unsigned char code)
{
    const Script* s = GetScript(script);
    if (!s) return nullptr;
    for (int i = 0; i < s->count; ++i)
        if (s->table[i].code == code) return &s->table[i];
    return nullptr;
}

int DecomposeChar(char32_t c, char32_t out[4])
{
    const Decomp* lo = std::begin(g_decomp);
    const Decomp* hi = std::end(g_decomp);
    const Decomp* it = std::lower_bound(lo, hi, c, [](const Decomp& d, char32_t v) { return d.c < v; });
    if (it == hi || it->c != c) {
        out[0] = c;
        return 1;
    }
    int n = 0;
    while (n < 4 && it->parts[n] != 0) {
        out[n] = it->parts[n];
        ++n;
    }
    return n;
}

DISPLAY_CONVERSION UnicodeToDisplay(int script, std::u32string_view text, std::string& out)
{
    DISPLAY_CONVERSION r;
    const Script* s = GetScript(script);
    if (!s) {
        for (char32_t c : text) Drop(r, c);
        return r;
    }
    std::u32string nfd;
    nfd.reserve(text.size() + 8);
    for (char32_t c : text) {
        char32_t parts[4];
        int n = DecomposeChar(c, parts);
        nfd.append(parts, static_cast<size_t>(n));
    }
    size_t i = 0;
    while (i < nfd.size()) {
        Cluster cl;
        if (!IsCombining(nfd[i])) cl.base = nfd[i++];
        while (i < nfd.size() && IsCombining(nfd[i])) {
            if (!Has(cl.marks, nfd[i])) cl.marks.push_back(nfd[i]);
            ++i;
        }
        if (script == SV_SCRIPT_HEBREW) ConvertHebrew(*s, cl, out, r);
        else ConvertGreek(*s, cl, out, r);
    }
    return r;
}

void DisplayToUnicode(int script, std::string_view codes, std::u32string& out)
{
    const size_t start = out.size();
    auto append = [&](const DISPLAY_CODE* e) {
        if (!e) out.push_back(kReplacement);
        else out.append(e->uni, static_cast<size_t>(UniLength(*e)));
    };
    if (script != SV_SCRIPT_GREEK) {
        for (char ch : codes) append(FindDisplayCode(script, static_cast<unsigned char>(ch)));
        CanonicalOrder(out, start);
        return;
    }
    // Greek: marks after a letter belong to it; marks that stand after a
    // blank or sign and before a capital belong to the capital.
    bool after_letter = false;
    size_t i = 0;
    while (i < codes.size()) {
        const DISPLAY_CODE* e = FindDisplayCode(script, static_cast<unsigned char>(codes[i]));
        if (e && (e->kind == DK_MARK || e->kind == DK_ALIAS) && !after_letter) {
            size_t j = i;
            while (j < codes.size()) {
                const DISPLAY_CODE* m = FindDisplayCode(script, static_cast<unsigned char>(codes[j]));
                if (!m || (m->kind != DK_MARK && m->kind != DK_ALIAS)) break;
                ++j;
            }
            const DISPLAY_CODE* next =
                j < codes.size() ? FindDisplayCode(script, static_cast<unsigned char>(codes[j])) : nullptr;
            if (next && next->kind == DK_LETTER && next->code >= 'A' && next->code <= 'Z') {
                append(next);
                for (size_t k = i; k < j; ++k) append(FindDisplayCode(script, static_cast<unsigned char>(codes[k])));
                i = j + 1;
                after_letter = true;
                continue;
            }
        }
        append(e);
        if (e && e->kind == DK_LETTER) after_letter = true;
        else if (!e || e->kind == DK_SIGN) after_letter = false;
        ++i;
    }
    CanonicalOrder(out, start);
}

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + static_cast<size_t>(len) > text.size()) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            unsigned char t = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((t & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (t & 0x3F);
        }
        static const char32_t min_for_len[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || c < min_for_len[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<size_t>(len);
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}
