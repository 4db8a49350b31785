#include "text/display_codes.h"

#include <cstring>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string Codes(int script, const char* utf8, DISPLAY_CONVERSION* conv = nullptr)
{
    std::string out;
    DISPLAY_CONVERSION r = UnicodeToDisplay(script, DecodeUtf8(utf8), out);
    if (conv) *conv = r;
    return out;
}

std::u32string Uni(int script, std::string_view codes)
{
    std::u32string out;
    DisplayToUnicode(script, codes, out);
    return out;
}

// Gematria of a Hebrew letter by its Unicode character (finals as ordinary).
int HebrewLetterValue(char32_t c)
{
    static const std::map<char32_t, int> v = {
        {0x05D0, 1}, {0x05D1, 2}, {0x05D2, 3}, {0x05D3, 4}, {0x05D4, 5}, {0x05D5, 6}, {0x05D6, 7},
        {0x05D7, 8}, {0x05D8, 9}, {0x05D9, 10}, {0x05DA, 20}, {0x05DB, 20}, {0x05DC, 30}, {0x05DD, 40},
        {0x05DE, 40}, {0x05DF, 50}, {0x05E0, 50}, {0x05E1, 60}, {0x05E2, 70}, {0x05E3, 80}, {0x05E4, 80},
        {0x05E5, 90}, {0x05E6, 90}, {0x05E7, 100}, {0x05E8, 200}, {0x05E9, 300}, {0x05EA, 400}};
    auto it = v.find(c);
    return it == v.end() ? 0 : it->second;
}

int GreekLetterValue(char32_t c)
{
    static const char32_t letters[] = U"αβγδεζηθικλμνξοπρσςτυφχψω";
    static const int values[] = {1, 2, 3, 4, 5, 7, 8, 9, 10, 20, 30, 40, 50,
                                 60, 70, 80, 100, 200, 200, 300, 400, 500, 600, 700, 800};
    if (c >= 0x0391 && c <= 0x03A9) c += 0x20;
    for (int i = 0; letters[i]; ++i)
        if (letters[i] == c) return values[i];
    return 0;
}

TEST(DisplayCodeTables, AreOrderedUniqueAndComplete)
{
    for (int script : {SV_SCRIPT_HEBREW, SV_SCRIPT_GREEK}) {
        int n = 0;
        const DISPLAY_CODE* t = DisplayCodeTable(script, &n);
        ASSERT_NE(t, nullptr);
        ASSERT_GT(n, 60);
        for (int i = 0; i < n; ++i) {
            EXPECT_NE(t[i].uni[0], 0u) << int(t[i].code);
            EXPECT_GE(t[i].code, 0x20) << "control codes are never drawn";
            EXPECT_FALSE(t[i].code >= 0x80 && t[i].code < 0xA0) << "cp1252 moves 0x80-0x9F";
            if (i > 0) {
                EXPECT_LT(t[i - 1].code, t[i].code);
            }
            EXPECT_EQ(FindDisplayCode(script, t[i].code), &t[i]);
        }
    }
    EXPECT_EQ(FindDisplayCode(SV_SCRIPT_HEBREW, 'a'), nullptr);
    EXPECT_EQ(FindDisplayCode(SV_SCRIPT_GREEK, 'J'), nullptr);
    EXPECT_EQ(FindDisplayCode(0, 'a'), nullptr);
}

// The folding of Strip_he_vocals and the numeric values of the letters name
// the letter of every Hebrew code; the table must agree with both.
TEST(DisplayCodeTables, HebrewAgreesWithFoldingAndNumericValues)
{
    auto fold = [](unsigned char b) -> unsigned char {
        if (b >= 0x63 && b <= 0x6C) return b - 0x23;
        if (b == 0x6D || b == 0x6E) return b - 0x22;
        if (b == 0x6F) return 0x4E;
        if (b >= 0x70 && b <= 0x72) return b - 0x20;
        if (b == 0x73) return 0x54;
        if (b >= 0x74 && b <= 0x78) return b - 0x1E;
        if (b == 0x4A || b == 0x4D || b == 0x4F || b == 0x53 || b == 0x55) return b + 1;
        if (b == 0x5B || b == 0x5C || b == 0x79 || b == 0x7A) return 0x59;
        if (b == 0x5D) return 0x45;
        if (b >= 0x5E && b <= 0x60) return 0x4B;
        return b;
    };
    const std::map<int, const char*> numeric = {
        {1, "@c"}, {2, "Ad"}, {3, "Be"}, {4, "Cf"}, {5, "Dg"}, {6, "E]h"}, {7, "Fi"}, {8, "Gj"},
        {9, "Hk"}, {10, "Il"}, {20, "KmJ^_`"}, {30, "Ln"}, {40, "NoM"}, {50, "PpO"}, {60, "Qq"},
        {70, "Rr"}, {80, "TsS"}, {90, "VtU"}, {100, "Wu"}, {200, "Xv"}, {300, "Y[\\wyz"}, {400, "Zx"}};
    int letters = 0;
    for (const auto& [value, codes] : numeric) {
        for (const char* p = codes; *p; ++p) {
            const DISPLAY_CODE* e = FindDisplayCode(SV_SCRIPT_HEBREW, static_cast<unsigned char>(*p));
            ASSERT_NE(e, nullptr) << *p;
            EXPECT_EQ(e->kind, DK_LETTER) << *p;
            EXPECT_EQ(HebrewLetterValue(e->uni[0]), value) << *p;
            const DISPLAY_CODE* folded = FindDisplayCode(SV_SCRIPT_HEBREW, fold(static_cast<unsigned char>(*p)));
            ASSERT_NE(folded, nullptr);
            EXPECT_EQ(folded->uni[1], 0u);
            // ^ _ ` fold to kaf although they are final kaf
            EXPECT_EQ(HebrewLetterValue(folded->uni[0]), value) << *p;
            ++letters;
        }
    }
    int n = 0;
    const DISPLAY_CODE* t = DisplayCodeTable(SV_SCRIPT_HEBREW, &n);
    int table_letters = 0;
    for (int i = 0; i < n; ++i) table_letters += t[i].kind == DK_LETTER;
    EXPECT_EQ(letters, table_letters) << "every letter code has a numeric value";
    // finals are one below the ordinary form
    for (unsigned char ord : {'K', 'N', 'P', 'T', 'V'}) {
        EXPECT_EQ(FindDisplayCode(SV_SCRIPT_HEBREW, ord - 1)->uni[0], FindDisplayCode(SV_SCRIPT_HEBREW, ord)->uni[0] - 1);
    }
    // the vowel points 0xA1-0xAB are marks, the maqqef is a sign
    for (int c = 0xA1; c <= 0xAB; ++c) EXPECT_EQ(FindDisplayCode(SV_SCRIPT_HEBREW, static_cast<unsigned char>(c))->kind, DK_MARK);
    EXPECT_EQ(FindDisplayCode(SV_SCRIPT_HEBREW, '-')->uni[0], 0x05BEu);
}

TEST(DisplayCodeTables, GreekLettersAndCharacterTableCells)
{
    const char* lower = "abgdezhqiklmnxoprsjtufcyw";
    const int values[] = {1, 2, 3, 4, 5, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 100, 200, 200, 300, 400, 500, 600, 700, 800};
    for (int i = 0; lower[i]; ++i) {
        const DISPLAY_CODE* e = FindDisplayCode(SV_SCRIPT_GREEK, static_cast<unsigned char>(lower[i]));
        ASSERT_NE(e, nullptr) << lower[i];
        EXPECT_EQ(GreekLetterValue(e->uni[0]), values[i]) << lower[i];
        EXPECT_TRUE(e->uni[0] >= 0x03B1 && e->uni[0] <= 0x03C9);
        if (lower[i] == 'j') continue;
        const DISPLAY_CODE* u = FindDisplayCode(SV_SCRIPT_GREEK, static_cast<unsigned char>(lower[i] - 0x20));
        ASSERT_NE(u, nullptr) << lower[i];
        EXPECT_EQ(u->uni[0], e->uni[0] - 0x20) << lower[i];
    }
    // every cell of the four character-table sets is a code of its font
    const char* hebrew_sets[] = {"@ABCDEFGHIKLNPQRTVWXYZ]h[\\^_`", "cdefghijklmnopqrstuvwx]hyz^_`"};
    for (const char* set : hebrew_sets)
        for (const char* p = set; *p; ++p) EXPECT_NE(FindDisplayCode(SV_SCRIPT_HEBREW, static_cast<unsigned char>(*p)), nullptr) << *p;
    for (int c = 0xA1; c <= 0xAB; ++c) EXPECT_NE(FindDisplayCode(SV_SCRIPT_HEBREW, static_cast<unsigned char>(c)), nullptr);
    const char* greek_sets[] = {"abgdezhqiklmnxoprstufcywj @/-=`v[]';,.<>\xA1\\",
                                "ABGDEZHQIKLMNXOPRSTUFCYWS @/-=`v[]';,.<>\xA1\\"};
    for (const char* set : greek_sets)
        for (const char* p = set; *p; ++p) EXPECT_NE(FindDisplayCode(SV_SCRIPT_GREEK, static_cast<unsigned char>(*p)), nullptr) << *p;
    // codes the Greek keyboard passes through are punctuation
    for (unsigned char c : {0xC5, 0xC8, 0xCE, 0xD0}) EXPECT_EQ(FindDisplayCode(SV_SCRIPT_GREEK, c)->kind, DK_SIGN);
    // the shifted keys draw the mark of the unshifted one
    for (auto [alias, mark] : {std::pair{'_', '-'}, {'+', '='}, {'~', '`'}, {'"', '\''}, {'{', '['}, {'}', ']'}}) {
        const DISPLAY_CODE* a = FindDisplayCode(SV_SCRIPT_GREEK, static_cast<unsigned char>(alias));
        const DISPLAY_CODE* m = FindDisplayCode(SV_SCRIPT_GREEK, static_cast<unsigned char>(mark));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->kind, DK_ALIAS);
        EXPECT_EQ(std::u32string(a->uni, 4), std::u32string(m->uni, 4));
    }
}

TEST(UnicodeToDisplay, HebrewPointedWords)
{
    // bereshit bara elohim (Gen 1:1), with cantillation that has no code
    DISPLAY_CONVERSION r;
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05D1\u05B0\u05BC\u05E8\u05B5\u05D0\u05E9\u05C1\u05B4\u0596\u05D9\u05EA", &r), "d\xA5X\xA4@[\xA6IZ");
    EXPECT_EQ(r.dropped, 1);
    EXPECT_EQ(r.first_dropped, 0x0596u);
    // the same with the marks in another order and a precomposed shin
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05D1\u05BC\u05B0\u05E8\u05B5\u05D0\uFB2A\u05B4\u05D9\u05EA"), "d\xA5X\xA4@[\xA6IZ");
    // shin and sin with dagesh and dot in either order; undotted shin
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05E9\u05C1\u05BC\u05E9\u05BC\u05C2\u05E9\u05BC\u05E9"), "yzwY");
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\uFB2C\uFB2B"), "y\\");
    // vav: holam male, shureq, consonantal vav with holam haser
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05D0\u05D5\u05B9\u05E8 \u05EA\u05BC\u05D5\u05BC \u05DE\u05B4\u05E6\u05B0\u05D5\u05BA\u05EA"), "@]X xh N\xA6V\xA5""E\xA8Z");
    // final kaf with sheva, qamats, dagesh; final mem has no dagesh form
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05DC\u05B8\u05DA\u05B0 \u05DC\u05B0\u05DA\u05B8 \u05DA\u05BC"), "L\xA1^ L\xA5_ `");
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05DD\u05BC", &r), "M");
    EXPECT_EQ(r.dropped, 1);
    // maqqef, sof pasuq, hataf vowels, qamats qatan
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05DB\u05BC\u05B8\u05DC\u05BE\u05D0\u05B2\u05E9\u05C1\u05B6\u05E8\u05C3"), "m\xA1L-@\xA9[\xA3X:");
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "\u05D7\u05B3\u05D7\u05B1\u05D7\u05C7"), "G\xABG\xAAG\xA1");
    // Latin letters and brackets have no Hebrew code; digits and blanks do
    EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, "a [1]", &r), " 1");
    EXPECT_EQ(r.dropped, 3);
}

TEST(UnicodeToDisplay, GreekPolytonic)
{
    // John 1:1, precomposed
    EXPECT_EQ(Codes(SV_SCRIPT_GREEK, "Ἐν ἀρχῇ ἦν ὁ λόγος,"), "vEn avrch/\xA1 h=n o` lo,goj\xC5");
    // the same decomposed
    EXPECT_EQ(Codes(SV_SCRIPT_GREEK, "\u0395\u0313\u03BD \u03B1\u0313\u03C1\u03C7\u03B7\u0342\u0345"), "vEn avrch/\xA1");
    // diaeresis with accent, breathing with accent and iota, capitals
    EXPECT_EQ(Codes(SV_SCRIPT_GREEK, "ΐ ᾅ ᾬ Ὅ Ϊ ῗ"), "i< a[\xA1 ;W\xA1 [O I@ i@/");
    // tonos is oxia; psili and varia; dasia alone on rho
    EXPECT_EQ(Codes(SV_SCRIPT_GREEK, "ά ἂ ῥ"), "a, a' r`");
    // punctuation: question mark, ano teleia, elision, dash, brackets
    EXPECT_EQ(Codes(SV_SCRIPT_GREEK, "τί; οὐ· δι’ — [καὶ]."), "ti,\xCE ouv\\ di\xD0 \xD1 \xDBkai.\xDD\xC8");
    DISPLAY_CONVERSION r;
    EXPECT_EQ(Codes(SV_SCRIPT_GREEK, "ᾱ abc", &r), "a ");
    EXPECT_EQ(r.dropped, 4);  // macron and three Latin letters
}

TEST(DisplayToUnicode, RoundTripsEveryCode)
{
    for (int script : {SV_SCRIPT_HEBREW, SV_SCRIPT_GREEK}) {
        int n = 0;
        const DISPLAY_CODE* t = DisplayCodeTable(script, &n);
        for (int i = 0; i < n; ++i) {
            if (t[i].kind == DK_ALIAS) continue;
            std::string one(1, static_cast<char>(t[i].code));
            std::string back;
            DISPLAY_CONVERSION r = UnicodeToDisplay(script, Uni(script, one), back);
            EXPECT_EQ(back, one) << script << " " << t[i].name;
            EXPECT_EQ(r.dropped, 0);
        }
    }
    // pointed letters and Greek capitals come back as written
    for (const char* s : {"d\xA5X\xA4@[\xA6IZ", "m\xA1L-@\xA9[\xA3X:", "L\xA1^ h\xA8"})
        EXPECT_EQ(Codes(SV_SCRIPT_HEBREW, EncodeUtf8(Uni(SV_SCRIPT_HEBREW, s)).c_str()), s);
    for (const char* s : {"vEn avrch/\xA1 h=n o` lo,goj\xC5", "=W\xA1 [O a[\xA1 i< I@"})
        EXPECT_EQ(Codes(SV_SCRIPT_GREEK, EncodeUtf8(Uni(SV_SCRIPT_GREEK, s)).c_str()), s);
    // NFD: dagesh after the vowel, capital before its breathing
    EXPECT_EQ(Uni(SV_SCRIPT_HEBREW, "d\xA1"), U"\u05D1\u05B8\u05BC");
    EXPECT_EQ(Uni(SV_SCRIPT_GREEK, "vE"), U"\u0395\u0313");
    EXPECT_EQ(Uni(SV_SCRIPT_GREEK, "a\xAF"), U"\u03B1\uFFFD");
}

TEST(Utf8, DecodesAndRejectsMalformedInput)
{
    EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x80\x99\xF0\x9F\x98\x80"), U"a\u00E9\u2019\U0001F600");
    // overlong, surrogate, truncated, stray continuation
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xE2\x80"), U"\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\x80z"), U"\uFFFDz");
    std::u32string all = U"x\u05D0\u1F85\U00010000";
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(all)), all);
}

}  // namespace
