#include "text/keyboard.h"

#include <cstring>

namespace {

constexpr int kBackspace = 8;

// Sub-tables: pairs of typed character and font code, ended by two zeros.
constexpr unsigned char kHebrewPlain[] = {
    'a', '@', 'b', 'A', 'g', 'B', 'd', 'C', 'h', 'D', 'v', 'E', 'z', 'F', 'x', 'G', 'u', 'H',
    'y', 'I', 'k', 'K', 'l', 'L', 'm', 'N', 'n', 'P', 'c', 'Q', 'i', 'R', 'p', 'T', 'e', 'V',
    'q', 'W', 'r', 'X', 's', 'Y', 't', 'Z', 'w', '[', 'f', '\\', 'o', ']', 'j', 'h',
    kBackspace, kBackspace, 0, 0};
constexpr unsigned char kHebrewShift[] = {
    'A', 'c', 'B', 'd', 'G', 'e', 'D', 'f', 'H', 'g', 'V', 'h', 'Z', 'i', 'X', 'j', 'U', 'k',
    'Y', 'l', 'K', 'm', 'L', 'n', 'M', 'o', 'N', 'p', 'C', 'q', 'I', 'r', 'P', 's', 'E', 't',
    'Q', 'u', 'R', 'v', 'S', 'w', 'T', 'x', 'W', 'y', 'F', 'z', 0, 0};
constexpr unsigned char kHebrewCtrl[] = {
    3, 3, 22, 22, 10, '^', 11, '_', 12, '`', 17, 0xA1, 23, 0xA2, 5, 0xA3, 18, 0xA4, 20, 0xA5,
    25, 0xA6, 21, 0xA7, 9, 0xA8, 15, 0xA9, 16, 0xAA, 7, 0xAB, 0, 0};

// The characters both Hebrew letter tables keep as they are.
constexpr char kHebrewSame[] = " -0123456789!\"#$%&'()*+,./:;<=>?";

int Lookup(const unsigned char* table, int ch)
{
    for (const unsigned char* p = table; p[0] || p[1]; p += 2)
        if (p[0] == ch) return p[1];
    return 0;
}

// Final forms: the code of each is one below its ordinary letter.
bool IsFinal(unsigned char c) { return c == 'J' || c == 'M' || c == 'O' || c == 'S' || c == 'U'; }
bool HasFinal(unsigned char c) { return c == 'K' || c == 'N' || c == 'P' || c == 'T' || c == 'V'; }
bool IsVowel(unsigned char c) { return c >= 0xA1 && c <= 0xAB; }
bool IsWordEnd(unsigned char c) { return c && std::strchr("- :.,;!", c) != nullptr; }

// The character left of position i past vowel points, or 0 at the start.
unsigned char LeftOf(const unsigned char* t, int i)
{
    for (int k = i - 1; k >= 0; --k)
        if (!IsVowel(t[k])) return t[k];
    return 0;
}

} // namespace

int PrekodujKeyHE(int ch, int shift, int ctrl)
{
    if (ch <= 0 || ch > 255) return 0;
    if (ctrl) return Lookup(kHebrewCtrl, ch);
    if (std::strchr(kHebrewSame, ch)) return ch;
    return Lookup(shift ? kHebrewShift : kHebrewPlain, ch);
}

int PrekodujKeyGR(int ch, int shift, int ctrl)
{
    if (ch <= 0 || ch > 255) return 0;
    if (ch == kBackspace || ch == 0xC5 || ch == 0xC8 || ch == 0xCE || ch == 0xD0) return ch;
    if (ch == '|') return 0xA1;
    if (ch == 'J' && !ctrl) return '@';
    if (ch >= ' ' && ch <= '~') return ch;
    (void)shift;
    return 0;
}

int Autoend(char* text, int autoend, int mode)
{
    if (!text) return 1;
    unsigned char* t = reinterpret_cast<unsigned char*>(text);
    if (mode == 1) {
        for (int i = 0; t[i]; ++i) {
            if (IsFinal(t[i])) {
                ++t[i];
                break;
            }
            if (HasFinal(t[i])) {
                --t[i];
                break;
            }
        }
        return 1;
    }
    if (!autoend) return 1;
    int i = 0;
    while (t[i] && (IsWordEnd(t[i]) || IsVowel(t[i]))) ++i;
    if (!t[i]) return 1;
    if (HasFinal(t[i])) --t[i];
    for (++i; t[i]; ++i) {
        if (IsFinal(t[i])) {
            unsigned char left = LeftOf(t, i);
            if (left && !IsWordEnd(left)) ++t[i];
        } else if (HasFinal(t[i])) {
            if (IsWordEnd(LeftOf(t, i))) --t[i];
        }
    }
    return 1;
}
