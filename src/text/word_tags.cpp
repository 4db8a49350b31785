#include "text/word_tags.h"

#include <array>

namespace {

using uchar = unsigned char;

// The tag pairs that can belong to a word: "|" and an upper-case pair opens,
// the same pair with the second letter in lower case closes.
constexpr char kWordTags[][2] = {{'T', 'U'}, {'T', 'J'}, {'T', 'P'}, {'T', 'N'}, {'T', 'V'},
                                 {'R', 'R'}, {'R', 'H'}, {'R', 'G'}, {'R', 'K'}, {'M', 'G'},
                                 {'M', 'H'}, {'L', 'G'}, {'L', 'H'}};

constexpr int kScanLimit = 256;

// 1 for an opening tag at s, -1 for a closing one, 0 for anything else.
int TagAt(const char* s)
{
    if (s[0] != '|' || !s[1]) return 0;
    for (const auto& t : kWordTags) {
        if (s[1] != t[0]) continue;
        if (s[2] == t[1]) return 1;
        if (s[2] == t[1] + 0x20) return -1;
    }
    return 0;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

int DigitSum(int n)
{
    if (n < 0) n = -n;
    int sum = 0;
    for (; n; n /= 10) sum += n % 10;
    return sum;
}

struct Values {
    std::array<int, 256> ordinary{};
    std::array<int, 256> final_high{};  // method 1
};

constexpr Values MakeHebrew()
{
    Values v{};
    struct Pair {
        const char* chars;
        int value;
    };
    constexpr Pair table[] = {
        {"@c", 1},   {"Ad", 2},   {"Be", 3},   {"Cf", 4},   {"Dg", 5},   {"E]h", 6},   {"Fi", 7},
        {"Gj", 8},   {"Hk", 9},   {"Il", 10},  {"Km", 20},  {"Ln", 30},  {"No", 40},   {"Pp", 50},
        {"Qq", 60},  {"Rr", 70},  {"Ts", 80},  {"Vt", 90},  {"Wu", 100}, {"Xv", 200},  {"Y[\\wyz", 300},
        {"Zx", 400},
    };
    for (const Pair& p : table)
        for (const char* c = p.chars; *c; ++c) v.ordinary[static_cast<uchar>(*c)] = v.final_high[static_cast<uchar>(*c)] = p.value;
    constexpr Pair finals[] = {{"J^_`", 20}, {"M", 40}, {"O", 50}, {"S", 80}, {"U", 90}};
    constexpr int high[] = {500, 600, 700, 800, 900};
    for (int k = 0; k < 5; ++k)
        for (const char* c = finals[k].chars; *c; ++c) {
            v.ordinary[static_cast<uchar>(*c)] = finals[k].value;
            v.final_high[static_cast<uchar>(*c)] = high[k];
        }
    return v;
}

constexpr std::array<int, 256> MakeGreek()
{
    std::array<int, 256> v{};
    constexpr const char* letters = "abgdezhqiklmnxoprsjtufcyw";
    constexpr int values[] = {1, 2, 3, 4, 5, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 100, 200, 200, 300, 400, 500, 600, 700, 800};
    for (int k = 0; letters[k]; ++k) {
        v[static_cast<uchar>(letters[k])] = values[k];
        v[static_cast<uchar>(letters[k] - 0x20)] = values[k];
    }
    return v;
}

constexpr Values kHebrew = MakeHebrew();
constexpr std::array<int, 256> kGreek = MakeGreek();

int Sum(const std::array<int, 256>& values, const char* text, int from, int to, int* first, int* second, int* third)
{
    int sum = 0;
    if (text && from >= 0) {
        // The range is walked from the start so that it ends with the text.
        for (int i = 0; i <= to && text[i]; ++i)
            if (i >= from) sum += values[static_cast<uchar>(text[i])];
    }
    *first = sum;
    *second = DigitSum(sum);
    *third = DigitSum(*second);
    return 1;
}

} // namespace

int GetTagsOfWord(const char* text)
{
    if (!text) return 0;
    for (int i = 0; i < kScanLimit && text[i]; ++i) {
        int tag = TagAt(text + i);
        if (tag < 0) return 0;
        if (tag > 0) break;
    }
    int i = 0;
    while (text[i]) {
        if (TagAt(text + i) > 0) {
            const char a = text[i + 1];
            const char b = static_cast<char>(text[i + 2] + 0x20);
            i += 3;
            while (text[i] && !(text[i] == '|' && text[i + 1] == a && text[i + 2] == b)) ++i;
            for (int k = 0; k < 3 && text[i]; ++k) ++i;
            continue;
        }
        if (IsLetter(text[i])) break;
        ++i;
    }
    return i;
}

int EnumerateHebrew(int method, const char* text, int from, int to, int* first, int* second, int* third)
{
    return Sum(method == 1 ? kHebrew.final_high : kHebrew.ordinary, text, from, to, first, second, third);
}

int EnumerateGreek(const char* text, int from, int to, int* first, int* second, int* third)
{
    return Sum(kGreek, text, from, to, first, second, third);
}
