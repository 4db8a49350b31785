#include "text/collation.h"

#include <cstring>

#include "app/file_io.h"

namespace {

using uchar = unsigned char;

constexpr int kEntries = 256;

// Finds the next letter of s at or after *pos that the table ranks; its rank
// goes to *rank and *pos moves past it. Returns false when s ends first.
// One pass over the sequence row per letter: a two-character entry equal to
// the next two bytes wins over the first entry that starts with the byte.
inline bool NextRanked(const uchar* s, int* pos, const uchar* seq, const uchar* tie, int* rank)
{
    int p = *pos;
    while (s[p]) {
        const uchar c0 = s[p];
        const uchar c1 = s[p + 1];
        int first = -1;
        int pair = -1;
        for (int k = 0; k < kEntries; ++k) {
            const uchar e0 = seq[2 * k];
            const uchar e1 = seq[2 * k + 1];
            if (e0 == 0 && e1 == 0) break;
            if (e0 != c0) continue;
            if (e1 != 0 && e1 == c1) {
                pair = k;
                break;
            }
            if (first < 0) first = k;
        }
        int entry = pair >= 0 ? pair : first;
        if (entry >= 0) {
            // Tie-flagged entries sort with the first entry after them whose
            // flag is clear.
            while (entry < kEntries - 1 && tie[2 * entry]) ++entry;
            *rank = entry;
            *pos = p + (pair >= 0 ? 2 : 1);
            return true;
        }
        ++p;  // not in the alphabet: ignored
    }
    *pos = p;
    return false;
}

} // namespace

int PorovnejRetezce(const char* a, const char* b, const char* tab)
{
    const uchar* sa = reinterpret_cast<const uchar*>(a);
    const uchar* sb = reinterpret_cast<const uchar*>(b);
    const uchar* seq = reinterpret_cast<const uchar*>(tab);
    const uchar* tie = seq + SORT_ROW_SIZE;
    int pa = 0, pb = 0;
    while (sa[pa] && sb[pb]) {
        int ra = 0, rb = 0;
        bool fa = NextRanked(sa, &pa, seq, tie, &ra);
        bool fb = NextRanked(sb, &pb, seq, tie, &rb);
        if (fa && fb) {
            if (ra != rb) return ra < rb ? -1 : 1;
            continue;
        }
        if (fa) return 1;
        if (fb) return -1;
    }
    if (!sa[pa] && sb[pb]) return -1;
    if (sa[pa] && !sb[pb]) return 1;
    return 0;
}

void SetSortTable(const unsigned char* alphabet, const unsigned char* bitmap, char* table)
{
    std::memcpy(table, alphabet, SORT_ROW_SIZE);
    std::memset(table + SORT_ROW_SIZE, 0, SORT_ROW_SIZE);
    for (int i = 0; i < kEntries; ++i)
        if (bitmap[i / 8] & (0x80 >> (i % 8))) table[SORT_ROW_SIZE + 2 * i] = 1;
}

int ReadSortTable(SvFile* file, int64_t alphabet_offset, int64_t bitmap_offset, char* table)
{
    if (!file || !table) return 0;
    unsigned char alphabet[SORT_ROW_SIZE];
    unsigned char bitmap[32];
    std::memset(alphabet, 0, sizeof alphabet);
    std::memset(bitmap, 0, sizeof bitmap);
    if (SvSeek(file, bitmap_offset) == 0) SvRead(file, bitmap, sizeof bitmap);
    if (SvSeek(file, alphabet_offset) == 0) SvRead(file, alphabet, sizeof alphabet);
    SetSortTable(alphabet, bitmap, table);
    return 1;
}

int ReadModuleSortTable(SvFile* file, char* table)
{
    if (!file || !table) return -1;
    unsigned char sig[5] = {0, 0, 0, 0, 0};
    if (SvSeek(file, 0) != 0 || SvRead(file, sig, sizeof sig) != sizeof sig) return -1;
    if (std::memcmp(sig, "hbbk", 4) == 0 && sig[4] == 2) {
        ReadSortTable(file, 512, 480, table);
        return 0;
    }
    if (std::memcmp(sig, "hblx", 4) == 0 && sig[4] == 3) {
        ReadSortTable(file, 512, 480, table);
        return 1;
    }
    if (std::memcmp(sig, "hbdi", 4) == 0 && sig[4] == 5) {
        ReadSortTable(file, 1024, 1536, table);
        return 2;
    }
    return -1;
}
