// Tags of a word, gematria, the keyboard maps and the final-letter rule.
#include "text/keyboard.h"
#include "text/word_tags.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Gematria {
    int first, second, third;
    bool operator==(const Gematria&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Gematria& g)
{
    return os << g.first << " " << g.second << " " << g.third;
}

Gematria Hebrew(int method, const char* text)
{
    Gematria g{};
    EXPECT_EQ(EnumerateHebrew(method, text, 0, static_cast<int>(std::strlen(text)) - 1, &g.first, &g.second, &g.third), 1);
    return g;
}
Gematria Greek(const char* text, int from = 0, int to = 1000)
{
    Gematria g{};
    EnumerateGreek(text, from, to, &g.first, &g.second, &g.third);
    return g;
}

std::string Autoended(const char* text, int mode, int autoend = 1)
{
    std::string s = text;
    Autoend(s.data(), autoend, mode);
    return s;
}

} // namespace

TEST(TagsOfWord, CoversTheTagPairsAndSeparatorsUpToTheNextWord)
{
    EXPECT_EQ(GetTagsOfWord("|RG3056|Rg|MGN-NSM|Mg next"), 22);
    EXPECT_EQ(GetTagsOfWord("|RH7225|Rh, and"), 12);
    EXPECT_EQ(GetTagsOfWord(" next"), 1);
    EXPECT_EQ(GetTagsOfWord(""), 0);
    EXPECT_EQ(GetTagsOfWord("|RG25|Rg"), 8);
    // Inside a note: its closing tag comes before any opening one.
    EXPECT_EQ(GetTagsOfWord(" of the note|Tn and|RG25|Rg"), 0);
    // A closing tag after the first opening one does not count.
    EXPECT_EQ(GetTagsOfWord(" |TNa note|Tn word"), 14);
    // A pair without its closing tag runs to the end of the text.
    EXPECT_EQ(GetTagsOfWord("|RG25 rest"), 10);
    // Other tags are skipped byte by byte up to the next letter.
    EXPECT_EQ(GetTagsOfWord("|TGlogos|Tg"), 1);
}

TEST(Gematria, HebrewMethodsAndDigitSums)
{
    // Final mem: 40 with method 0, 600 with method 1.
    EXPECT_EQ(Hebrew(0, "M"), (Gematria{40, 4, 4}));
    EXPECT_EQ(Hebrew(1, "M"), (Gematria{600, 6, 6}));
    // Shalom in display codes with points: shin, vav, lamed, final mem.
    EXPECT_EQ(Hebrew(0, "M\xA9LE[") , (Gematria{376, 16, 7}));
    EXPECT_EQ(Hebrew(1, "M\xA9LE["), (Gematria{936, 18, 9}));
    // Every ordinary and final form.
    EXPECT_EQ(Hebrew(0, "@ABCDEFGHIKLNPQRTVWXYZ").first, 1495);
    EXPECT_EQ(Hebrew(0, "cdefghijklmnopqrstuvwx").first, 1495);
    EXPECT_EQ(Hebrew(0, "J^_`MOSU").first, 4 * 20 + 40 + 50 + 80 + 90);
    EXPECT_EQ(Hebrew(1, "J^_`MOSU").first, 4 * 500 + 600 + 700 + 800 + 900);
    EXPECT_EQ(Hebrew(0, "][\\yz").first, 6 + 4 * 300);
    EXPECT_EQ(Hebrew(0, "1- ").first, 0);
}

TEST(Gematria, GreekEitherCaseAndRanges)
{
    EXPECT_EQ(Greek("Ihsous"), (Gematria{888, 24, 6}));
    EXPECT_EQ(Greek("abgdezhqiklmnxoprstufcyw").first, 3999);
    EXPECT_EQ(Greek("ABGDEZHQIKLMNXOPRSTUFCYW").first, 3999);
    EXPECT_EQ(Greek("j").first, 200);
    EXPECT_EQ(Greek("logos", 1, 2).first, 70 + 3);
    EXPECT_EQ(Greek("ab", 1, 50).first, 2);
    EXPECT_EQ(Greek("ab", -1, 1).first, 0);
}

TEST(Keyboard, HebrewMap)
{
    EXPECT_EQ(PrekodujKeyHE('m', 0, 0), 'N');
    EXPECT_EQ(PrekodujKeyHE('a', 0, 0), '@');
    EXPECT_EQ(PrekodujKeyHE('f', 0, 0), '\\');
    EXPECT_EQ(PrekodujKeyHE(8, 0, 0), 8);
    EXPECT_EQ(PrekodujKeyHE('J', 1, 0), 0);  // Shift+J types nothing
    EXPECT_EQ(PrekodujKeyHE('M', 1, 0), 'o');
    EXPECT_EQ(PrekodujKeyHE('F', 1, 0), 'z');
    EXPECT_EQ(PrekodujKeyHE('3', 1, 0), '3');
    EXPECT_EQ(PrekodujKeyHE('?', 0, 0), '?');
    EXPECT_EQ(PrekodujKeyHE('@', 0, 0), 0);
    EXPECT_EQ(PrekodujKeyHE('J', 0, 0), 0);
    // Ctrl: the control codes of the keys.
    EXPECT_EQ(PrekodujKeyHE('J' & 0x1F, 0, 1), '^');
    EXPECT_EQ(PrekodujKeyHE('L' & 0x1F, 1, 1), '`');
    EXPECT_EQ(PrekodujKeyHE('Q' & 0x1F, 0, 1), 0xA1);
    EXPECT_EQ(PrekodujKeyHE('G' & 0x1F, 0, 1), 0xAB);
    EXPECT_EQ(PrekodujKeyHE('C' & 0x1F, 0, 1), 3);
    EXPECT_EQ(PrekodujKeyHE('a', 0, 1), 0);
    EXPECT_EQ(PrekodujKeyHE('B' & 0x1F, 0, 1), 0);
}

TEST(Keyboard, GreekMap)
{
    EXPECT_EQ(PrekodujKeyGR('J', 0, 0), '@');
    EXPECT_EQ(PrekodujKeyGR('J', 1, 0), '@');
    EXPECT_EQ(PrekodujKeyGR('J', 0, 1), 'J');
    EXPECT_EQ(PrekodujKeyGR('|', 0, 0), 0xA1);
    EXPECT_EQ(PrekodujKeyGR('a', 0, 0), 'a');
    EXPECT_EQ(PrekodujKeyGR('~', 1, 0), '~');
    EXPECT_EQ(PrekodujKeyGR('A' & 0x1F, 0, 1), 0);  // control codes are dropped
    EXPECT_EQ(PrekodujKeyGR(8, 0, 1), 8);
    EXPECT_EQ(PrekodujKeyGR(0xC5, 0, 0), 0xC5);
    EXPECT_EQ(PrekodujKeyGR(0xC6, 0, 0), 0);
    EXPECT_EQ(PrekodujKeyGR(0x7F, 0, 0), 0);
}

TEST(Autoend, FinalLettersAtWordEnds)
{
    // Display order: the leftmost letter ends the word.
    EXPECT_EQ(Autoended("N", 0), "M");
    EXPECT_EQ(Autoended("NL", 0), "ML");
    // A letter typed after a final one makes it ordinary again.
    EXPECT_EQ(Autoended("XM", 0), "XN");
    EXPECT_EQ(Autoended("\xA1 N\xA2L", 0), "\xA1 M\xA2L");
    EXPECT_EQ(Autoended("KP TV", 0), "JP SV");
    EXPECT_EQ(Autoended("KP-TV", 0), "JP-SV");
    EXPECT_EQ(Autoended("M\xA3M", 0), "M\xA3N");
    EXPECT_EQ(Autoended("\xA3M", 0), "\xA3M");
    EXPECT_EQ(Autoended(" - ", 0), " - ");
    EXPECT_EQ(Autoended("", 0), "");
    EXPECT_EQ(Autoended("N", 0, 0), "N");
    // Mode 1 toggles the first letter that has a final form.
    EXPECT_EQ(Autoended("@NP", 1), "@MP");
    EXPECT_EQ(Autoended("@MP", 1), "@NP");
    EXPECT_EQ(Autoended("@AB", 1), "@AB");
    EXPECT_EQ(Autoended("N", 1, 0), "M");
}
