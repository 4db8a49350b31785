#include "text/matching.h"

#include <array>

namespace {

using uchar = unsigned char;

inline bool LatinSeparator(uchar c) { return g_word_separators.is[0][c] != 0; }

// What Strip_he_vocals makes of each byte; 0 drops it (the terminator is
// handled apart).
struct VowelTable {
    std::array<uchar, 256> to{};
    constexpr VowelTable()
    {
        for (int c = 0; c < 256; ++c) to[c] = static_cast<uchar>(c);
        for (int c = 0xA1; c <= 0xAB; ++c) to[c] = 0;
        for (int c = 0x63; c <= 0x6C; ++c) to[c] = static_cast<uchar>(c - 0x23);
        to[0x6D] = 0x4B;
        to[0x6E] = 0x4C;
        to[0x6F] = 0x4E;
        for (int c = 0x70; c <= 0x72; ++c) to[c] = static_cast<uchar>(c - 0x20);
        to[0x73] = 0x54;
        for (int c = 0x74; c <= 0x78; ++c) to[c] = static_cast<uchar>(c - 0x1E);
        for (int c : {0x4A, 0x4D, 0x4F, 0x53, 0x55}) to[c] = static_cast<uchar>(c + 1);
        for (int c : {0x5B, 0x5C, 0x79, 0x7A}) to[c] = 0x59;
        to[0x5D] = 0x45;
        for (int c : {0x5E, 0x5F, 0x60}) to[c] = 0x4B;
    }
};
constexpr VowelTable kVowels;

// Bytes StripTags stops at: the end, a tag and the line breaks.
struct StopTable {
    std::array<uchar, 256> stop{};
    constexpr StopTable()
    {
        stop[0] = stop['|'] = stop['\r'] = stop['\n'] = 1;
    }
};
constexpr StopTable kStops;

} // namespace

namespace {
constexpr WORD_SEPARATORS MakeSeparators()
{
    WORD_SEPARATORS t{};
    constexpr uchar latin[] = {0x00, 0x01, 0x20, 0x21, 0x22, 0x27, 0x2C, 0x2D, 0x2E,
                               0x3A, 0x3B, 0x3F, 0x60, 0x7C, 0xAB, 0xB4, 0xBB};
    constexpr uchar hebrew[] = {0x00, 0x01, 0x20, 0x2D, 0x3A, 0x7C};
    constexpr uchar greek[] = {0x00, 0x01, 0x20, 0x3A, 0x7C};
    for (uchar c : latin) t.is[0][c] = 1;
    for (uchar c : hebrew) t.is[1][c] = 1;
    for (uchar c : greek) t.is[2][c] = 1;
    return t;
}
} // namespace

constinit const WORD_SEPARATORS g_word_separators = MakeSeparators();

int WildcardMatchRest(const char* string, const char* wild, int* end)
{
    const uchar* s = reinterpret_cast<const uchar*>(string);
    const uchar* w = reinterpret_cast<const uchar*>(wild);
    if (*s != *w && *w != '*' && *w != '?') {
        *end = 1;
        return 0;
    }
    const uchar* const start = s;
    bool star = false;
    int i = 0;
    while (s[i]) {
        const uchar c = w[i];
        if (c == 0x01) {
            ++i;
            continue;
        }
        if (c == '?') {
            if (!LatinSeparator(s[i])) {
                ++i;
                continue;
            }
        } else if (c == '*') {
            star = true;
            s += i;
            w += i + 1;
            while (*w == '*') ++w;
            if (!*w) {
                *end = static_cast<int>(s - start);
                return 1;
            }
            i = 0;
            continue;
        } else {
            const bool sep = LatinSeparator(s[i]);
            if (sep && c == 0) {
                *end = static_cast<int>(s + i - start);
                return 1;
            }
            if (sep && star) {
                *end = static_cast<int>(s + i - start);
                return 0;
            }
            if (s[i] == c) {
                ++i;
                continue;
            }
        }
        // Mismatch: without a star the match fails, with one the last star
        // takes one more byte.
        if (!star) {
            *end = static_cast<int>(s + i - start);
            return 0;
        }
        ++s;
        i = 0;
    }
    *end = static_cast<int>(s + i - start);
    while (w[i] == '*') ++i;
    return w[i] == 0 ? 1 : 0;
}

int WildcardMatch2Rest(const char* string, const char* wild, int* end)
{
    const uchar* s = reinterpret_cast<const uchar*>(string);
    const uchar* w = reinterpret_cast<const uchar*>(wild);
    if (*s != *w && *w != '*' && *w != '?') {
        *end = 1;
        return 0;
    }
    const uchar* const start = s;
    bool star = false;
    int i = 0;
    while (s[i]) {
        const uchar c = w[i];
        if (c == 0x01 || c == '?') {
            ++i;
            continue;
        }
        if (c == '*') {
            star = true;
            s += i;
            w += i + 1;
            while (*w == '*') ++w;
            if (!*w) {
                *end = static_cast<int>(s - start);
                return 1;
            }
            i = 0;
            continue;
        }
        if (c == 0) {
            *end = static_cast<int>(s + i - start);
            return 1;
        }
        if (s[i] == c) {
            ++i;
            continue;
        }
        if (!star) {
            *end = static_cast<int>(s + i - start);
            return 0;
        }
        ++s;
        i = 0;
    }
    *end = static_cast<int>(s + i - start);
    while (w[i] == '*') ++i;
    return w[i] == 0 ? 1 : 0;
}

int WildcardMatchSubstring(const char* string, const char* wild, int* end)
{
    const uchar* s = reinterpret_cast<const uchar*>(string);
    const uchar* w = reinterpret_cast<const uchar*>(wild);
    int p = 0;
    while (*s && *w != '*') {
        if (*w == *s || *w == '?') {
            ++w;
            ++s;
            ++p;
        } else if (*w == 0) {
            *end = p - 1;
            return 1;
        } else {
            *end = p;
            return 0;
        }
    }
    const uchar* mark_w = w;
    const uchar* mark_s = s;
    int mark_p = p;
    while (*s) {
        if (*w == '*') {
            ++w;
            if (!*w) {
                *end = p > 0 ? p - 1 : 0;
                return 1;
            }
            mark_w = w;
            mark_s = s + 1;
            mark_p = p + 1;
        } else if (*w == *s || *w == '?') {
            if (w[1] == 0) {
                *end = p;
                return 1;
            }
            ++w;
            ++s;
            ++p;
        } else {
            w = mark_w;
            s = mark_s++;
            p = mark_p++;
        }
    }
    while (*w == '*') ++w;
    if (!*w) {
        *end = p - 1;
        return 1;
    }
    *end = p;
    return 0;
}

int Strip_he_vocals(const char* input, char* output)
{
    const uchar* in = reinterpret_cast<const uchar*>(input);
    uchar* out = reinterpret_cast<uchar*>(output);
    for (; *in; ++in) {
        const uchar c = kVowels.to[*in];
        if (c) *out++ = c;
    }
    *out = 0;
    return 1;
}

int StripTags(const char* input, char* output, int tag)
{
    const uchar* in = reinterpret_cast<const uchar*>(input);
    uchar* out = reinterpret_cast<uchar*>(output);
    const bool hebrew_only = tag == -3;
    const bool greek_only = tag == -4;
    const bool only = hebrew_only || greek_only;
    const bool without_original = tag == -2;
    const bool plain = tag == -1 || tag == -2;
    bool mask = only;
    std::size_t i = 0;
    for (;;) {
        // Runs of ordinary bytes: kept (no writes at all in place) or masked.
        // Each byte is tested before the next is read, so the scan never
        // passes the terminator.
        if (mask) {
            for (;;) {
                if (kStops.stop[in[i]]) break;
                out[i] = 0x01;
                if (kStops.stop[in[i + 1]]) {
                    i += 1;
                    break;
                }
                out[i + 1] = 0x01;
                i += 2;
            }
        } else if (out == in) {
            for (;;) {
                if (kStops.stop[in[i]]) break;
                if (kStops.stop[in[i + 1]]) {
                    i += 1;
                    break;
                }
                if (kStops.stop[in[i + 2]]) {
                    i += 2;
                    break;
                }
                if (kStops.stop[in[i + 3]]) {
                    i += 3;
                    break;
                }
                i += 4;
            }
        } else {
            while (!kStops.stop[in[i]]) {
                out[i] = in[i];
                ++i;
            }
        }
        const uchar c = in[i];
        if (c == 0) break;
        if (c == '|' && in[i + 1]) {
            const uchar a = in[i + 1];
            const uchar b = in[i + 2];
            int n = 0;        // bytes of the tag to mask
            int set = -1;     // new mask flag, -1 unchanged
            if (only) {
                const uchar letter = hebrew_only ? 'H' : 'G';
                if (a == 'T' && b == letter) {
                    n = 3;
                    set = 0;
                } else if (a == 'T' && b == letter + 0x20) {
                    n = 3;
                    set = 1;
                }
            } else if (plain) {
                if (without_original && a == 'T' && (b == 'H' || b == 'G')) {
                    n = 3;
                    set = 1;
                } else if (without_original && a == 'T' && (b == 'h' || b == 'g')) {
                    n = 3;
                    set = 0;
                } else if (a == 'S' && (b == 'S' || b == 's')) {
                    n = 3;
                    set = 0;
                } else if (a == 'R' && (b == 'R' || b == 'H' || b == 'G')) {
                    n = 3;
                    set = 1;
                } else if (a == 'R' && (b == 'r' || b == 'h' || b == 'g')) {
                    n = 3;
                    set = 0;
                } else if (a == 'S' && b == 'C') {
                    n = in[i + 3] ? 4 : 3;  // the font digit, unless the text ends
                } else if (a == 'T' && b) {
                    n = 3;
                } else if ((a == 'M' || a == 'L') && b == 'G') {
                    // The morphology code or lemma follows up to its closing
                    // tag; whatever its length it is masked by the flag.
                    n = 3;
                    set = 1;
                } else if ((a == 'M' || a == 'L') && b == 'g') {
                    n = 3;
                    set = 0;
                }
            }
            if (n) {
                for (int k = 0; k < n; ++k) out[i + k] = 0x01;
                i += static_cast<std::size_t>(n);
                if (set >= 0) mask = set != 0;
                continue;
            }
        }
        out[i] = (mask || c == '\r' || c == '\n') ? 0x01 : c;
        ++i;
    }
    out[i] = 0;
    return 1;
}

int StripIgnoreTags(const char* input, char* output)
{
    const char* in = input;
    char* out = output;
    for (; *in; ++in)
        if (*in != MASKED_BYTE) *out++ = *in;
    *out = 0;
    return 1;
}
