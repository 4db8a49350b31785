#include "search/strong_tags.h"

#include <climits>

namespace {

bool WordStartsAfter(const char* buf, int i)
{
    // The byte before a word: a space, or the J of a "|TJ" code.
    if (buf[i] == ' ') return true;
    return buf[i] == 'J' && i >= 2 && buf[i - 1] == 'T' && buf[i - 2] == '|';
}

} // namespace

int GetStrongWord(const char* buf, int* position, int* length)
{
    if (!buf || !position || !length || *position < 0) return 0;
    const int limit = *position;
    int i = limit - 1;
    for (;;) {
        while (i >= 0 && !WordStartsAfter(buf, i)) --i;
        const int start = i + 1;
        int e = start;
        while (e < limit && buf[e] != '|') ++e;
        // A morphology code may hold spaces: a word that is only the end of
        // one ("...|Mg") is not the word.
        const bool ends_morphology = buf[e] == '|' && buf[e + 1] == 'M' && buf[e + 2] == 'g';
        if (e > start && !ends_morphology) {
            *position = start;
            *length = e - start;
            return 1;
        }
        if (i < 0) return 0;
        --i;
    }
}

int GetWordNextStrong(const char* buf, int* position, int* length)
{
    if (!buf || !position || !length || *position < 0) return 0;
    int p = *position;
    for (;;) {
        const char c = buf[p];
        if (c == '\0' || c == ' ') return 0;
        if (c != '|') {
            ++p;
            continue;
        }
        const char a = buf[p + 1];
        if (!a) return 0;
        const char b = buf[p + 2];
        if ((a == 'M' && (b == 'H' || b == 'G')) || (a == 'L' && b == 'G')) {
            // Morphology and lemma: up to the next "|" and its code.
            int q = p + 3;
            while (buf[q] && buf[q] != '|') ++q;
            if (!buf[q] || !buf[q + 1] || !buf[q + 2]) return 0;
            p = q + 3;
            continue;
        }
        if (a == 'R' && (b == 'H' || b == 'G')) {
            int q = p + 3;
            while (buf[q] && buf[q] != '|' && buf[q] != ' ') ++q;
            if (buf[q] != '|') return 0;
            *position = p;
            *length = q - (p + 3) + 6;
            return 1;
        }
        if (a == 'R') {
            if (!b) return 0;
            p += 3;
        } else {
            p += 2;
        }
    }
}

int32_t SEARCH_TagNumber(const char* value, int length)
{
    int i = 0;
    while (i < length && (value[i] == ' ' || (value[i] >= '\t' && value[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < length && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    int64_t n = 0;
    while (i < length && value[i] >= '0' && value[i] <= '9') {
        n = n * 10 + (value[i++] - '0');
        if (n > INT_MAX) n = static_cast<int64_t>(INT_MAX) + 1;
    }
    if (negative) return n > INT_MAX ? INT_MIN : static_cast<int32_t>(-n);
    return n > INT_MAX ? INT_MAX : static_cast<int32_t>(n);
}
