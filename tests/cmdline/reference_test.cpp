// Reference recognition against book modules built for the test, in English
// and in Spanish.
#include "cmdline/reference.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/lang.h"
#include "books/book_fixture.h"
#include "cmdline/sync_names.h"

using namespace testbooks;
using modwriter::Book;
using modwriter::BookModule;

namespace {

Book MakeBook(const char* name, const char* abbrev, const char* sync, int chapters, int verses)
{
    Book b{name, abbrev, sync};
    for (int c = 1; c <= chapters; ++c)
        for (int v = 1; v <= verses; ++v) b.verses.push_back({c, v, Words(12, c + v)});
    return b;
}

// Genesis has 50 chapters; chapter 1 ends at verse 31, the others at 5.
BookModule FullModule()
{
    BookModule m;
    m.info = {{"IA", "TST"}, {"IT", "Test Bible"}};
    Book gen{"Genesis", "Gen", "OTGen"};
    for (int c = 1; c <= 50; ++c)
        for (int v = 1; v <= (c == 1 ? 31 : 5); ++v) gen.verses.push_back({c, v, Words(12, c + v)});
    m.books = {gen,
               MakeBook("Exodus", "Ex", "OTExod", 3, 5),
               MakeBook("Joshua", "Josh", "OTJosh", 2, 3),
               MakeBook("Judges", "Judg", "OTJudg", 2, 3),
               MakeBook("1 Samuel", "1Sam", "OT1Sam", 3, 4),
               MakeBook("Jude", "Jude", "NTJude", 1, 25)};
    return m;
}

BookModule OldTestamentModule()
{
    BookModule m;
    m.info = {{"IA", "OT"}, {"IT", "Old Testament"}};
    m.books = {MakeBook("Genesis", "Gen", "OTGen", 3, 3), MakeBook("Malachi", "Mal", "OTMal", 2, 2)};
    return m;
}

class ReferenceTest : public BookTest {
protected:
    void SetUp() override
    {
        BookTest::SetUp();
        LANG_FreeAll();
        ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(FullModule())), 1);
        datawindow[0].type = MODULE_BOOK;
    }
    void TearDown() override
    {
        LANG_FreeAll();
        BookTest::TearDown();
    }
    // "<state> <book> <chapter> <verse>" for text against window w.
    static std::string Recognize(const char* text, int w = 0)
    {
        BOOK_POSITION p{w, 7, 7, 7};
        const int state = CMD_RecognizeReference(text, &p);
        char out[64];
        std::snprintf(out, sizeof out, "%d %d %d %d", state, p.book, p.chapter, p.verse);
        EXPECT_EQ(p.number, w);
        return out;
    }
    static void UseSpanish()
    {
        std::snprintf(status.path_lang, sizeof status.path_lang, "%s/language/", SEVIR_SOURCE_DIR);
        std::strcpy(status.lang_filename_default, "espanol.lng");
        ASSERT_EQ(LANG_Scan_LNG_Files(), 1);
        ASSERT_GT(LANG_ReadStringsFromFile(status.lang_index), 0);
    }
};

} // namespace

TEST_F(ReferenceTest, EquivalentSpellingsNameTheSameVerse)
{
    for (const char* text : {"Gen 3:4", "gen3.4", "Gen 3,4", "genesis 3 4", "GENESIS  3-4", "Genesisxyz 3:4"})
        EXPECT_EQ(Recognize(text), "2 1 3 4") << text;
    for (const char* text : {"1 Sam 3:4", "1sam 3 4", "1Samuel3:4", "1 samuel 3.4"})
        EXPECT_EQ(Recognize(text), "2 5 3 4") << text;
    EXPECT_EQ(Recognize("Gen"), "2 1 1 1");
    EXPECT_EQ(Recognize("Gen 5"), "2 1 5 1");
    EXPECT_EQ(Recognize("Gen 0:0"), "2 1 1 1");
    EXPECT_EQ(Recognize("Gen 2:0"), "2 1 2 1");
    EXPECT_EQ(Recognize("Gen 1:3-5"), "2 1 1 3");
    EXPECT_EQ(Recognize("Jude 1:1"), "2 6 1 1");
    EXPECT_EQ(Recognize("Dt 1:1"), "0 0 0 0");  // the module has no Deuteronomy
    EXPECT_EQ(Recognize("Jueces 1:1"), "0 0 0 0");  // a Spanish name
}

TEST_F(ReferenceTest, AmbiguousNamesGoToTheFirstBookTheModuleHas)
{
    // J matches Joshua, Judges, Job, Jeremiah ...: Joshua is the first the module has.
    EXPECT_EQ(Recognize("J 1:1"), "1 3 1 1");
    EXPECT_EQ(Recognize("Ju 1:1"), "1 4 1 1");  // Judges and Jude
    EXPECT_EQ(Recognize("Jude 1:1"), "2 6 1 1");
}

TEST_F(ReferenceTest, PlacesBeyondTheModuleAndBadInputGiveState0)
{
    EXPECT_EQ(Recognize("Gen 51:1"), "0 0 0 0");
    EXPECT_EQ(Recognize("Gen 1:31"), "2 1 1 31");
    EXPECT_EQ(Recognize("Gen 1:32"), "0 0 0 0");
    EXPECT_EQ(Recognize("Gen 2:6"), "0 0 0 0");
    EXPECT_EQ(Recognize("Gen 99999999999999999999:1"), "0 0 0 0");
    EXPECT_EQ(Recognize(""), "0 0 0 0");
    EXPECT_EQ(Recognize(" :-. "), "0 0 0 0");
    EXPECT_EQ(Recognize("3:16"), "0 0 0 0");
    EXPECT_EQ(Recognize("xyz 1:1"), "0 0 0 0");
    EXPECT_EQ(Recognize(std::string(5000, 'g').c_str()), "0 0 0 0");
    EXPECT_EQ(Recognize(("Gen 2:3" + std::string(400, ' ')).c_str()), "2 1 2 3");
    // Not a book window, or no such window.
    EXPECT_EQ(Recognize("Gen 1:1", 5), "0 0 0 0");
    EXPECT_EQ(Recognize("Gen 1:1", -1), "0 0 0 0");
    datawindow[0].type = MODULE_LEXICON;
    EXPECT_EQ(Recognize("Gen 1:1"), "0 0 0 0");
}

TEST_F(ReferenceTest, AnOldTestamentModuleHasNoMatthew)
{
    ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(OldTestamentModule()), 1, 1), 1);
    EXPECT_EQ(Recognize("Matt 1:1", 1), "0 0 0 0");
    EXPECT_EQ(Recognize("Gen 2:3", 1), "2 1 2 3");
}

TEST_F(ReferenceTest, SpanishBookNamesAreRecognisedWithAccentsAndCase)
{
    UseSpanish();
    EXPECT_EQ(Recognize("G\xE9nesis 3:4"), "2 1 3 4");
    EXPECT_EQ(Recognize("G\xC9NESIS 3:4"), "2 1 3 4");  // upper-case E acute
    EXPECT_EQ(Recognize("genesis 3 4"), "2 1 3 4");
    EXPECT_EQ(Recognize("Gn 2"), "2 1 2 1");
    EXPECT_EQ(Recognize("\xC9xodo 2:5"), "2 2 2 5");
    EXPECT_EQ(Recognize("Josu\xE9 2:3"), "2 3 2 3");
    EXPECT_EQ(Recognize("Jueces 1:2"), "2 4 1 2");
    EXPECT_EQ(Recognize("1 Samuel 3:4"), "2 5 3 4");
    EXPECT_EQ(Recognize("Judas 1:25"), "2 6 1 25");
    // Names compare over the shorter length: "Judges" now matches only the
    // abbreviation "Jud" of Judas.
    EXPECT_EQ(Recognize("Judges 1:1"), "2 6 1 1");
    EXPECT_EQ(Recognize("Revelaci\xF3n 1:1"), "0 0 0 0");
}

TEST(ReferenceParts, ParseInputSplitsNameChapterAndVerse)
{
    auto parse = [](const char* in) {
        char text[128];
        std::strcpy(text, in);
        int32_t c = -5, v = -5;
        EXPECT_EQ(CMD_ParseInput(text, &c, &v), 1);
        return std::string(text) + "|" + std::to_string(c) + "|" + std::to_string(v);
    };
    EXPECT_EQ(parse("Gen 3:16"), "gen|3|16");
    EXPECT_EQ(parse("1 Kings 2"), "1kings|2|1");
    EXPECT_EQ(parse("  Song of Songs 2 verse 5"), "songofsongs|2|5");
    EXPECT_EQ(parse("Ps"), "ps|1|1");
    EXPECT_EQ(parse(""), "|1|1");
    EXPECT_EQ(parse("12 34"), "1234|1|1");
    EXPECT_EQ(parse("a1b"), "a|1|1");
}

TEST(ReferenceParts, SeparatorsAndSimplifying)
{
    for (char c : std::string(" :;,.-")) EXPECT_EQ(CMD_IsCmdlineSeparator(c), 1) << c;
    for (char c : std::string("a/_1\t")) EXPECT_EQ(CMD_IsCmdlineSeparator(c), 0) << c;
    char text[] = "1 Co-R.;i:n,THIANS \xC9";
    CMD_SimplifyBookName(text);
    EXPECT_STREQ(text, "1corinthians\xE9");
}

TEST(ReferenceParts, SeparateLngStringSplitsEntries)
{
    LANG_FreeAll();
    _CMD_STRINGS e{};
    e.number = 10205;
    ASSERT_EQ(CMD_SeparateLNGString(&e), 1);
    EXPECT_STREQ(e.sync_name, "OTDeut");
    EXPECT_STREQ(e.text[0], "Deuteronomy");
    EXPECT_STREQ(e.text[1], "Dt");
    EXPECT_STREQ(e.text[2], "");
    e.number = 10200;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 0);
    e.number = 10267;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 0);
}

TEST(ReferenceParts, SeparateLngStringRejectsBrokenEntries)
{
    const std::string dir = std::string(SEVIR_BINARY_DIR) + "/test-tmp-lang-entries/";
    std::filesystem::create_directories(dir);
    std::FILE* f = std::fopen((dir + "t.lng").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(";T\r\n;0\r\n"
               "10201,OTGen,Abcdefghijklmno,B\r\n"     // a name of 15 characters is fine
               "10202,OTExod,Abcdefghijklmnop\r\n"     // 16: broken
               "10203,OTLeviticus,Lev\r\n"             // sync name too long
               "10204,,Numbers\r\n"                    // no sync name
               "10205,OTDeut\r\n"                      // no names at all
               "10206,OTJosh,a,b,c,d,e,f,g,h,i\r\n",   // seven names are used
               f);
    std::fclose(f);
    std::snprintf(status.path_lang, sizeof status.path_lang, "%s", dir.c_str());
    std::strcpy(status.lang_filename_default, "t.lng");
    ASSERT_EQ(LANG_Scan_LNG_Files(), 1);
    ASSERT_EQ(LANG_ReadStringsFromFile(status.lang_index), 6);
    _CMD_STRINGS e{};
    e.number = 10201;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 1);
    EXPECT_STREQ(e.text[0], "Abcdefghijklmno");
    e.number = 10202;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 0);
    e.number = 10203;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 0);
    e.number = 10204;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 0);
    e.number = 10205;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 0);
    e.number = 10206;
    EXPECT_EQ(CMD_SeparateLNGString(&e), 1);
    EXPECT_STREQ(e.text[6], "g");
    EXPECT_STREQ(e.text[7], "");
    e.number = 10207;  // not in the file: the built-in entry
    EXPECT_EQ(CMD_SeparateLNGString(&e), 1);
    EXPECT_STREQ(e.text[0], "Judges");
    LANG_FreeAll();
    std::filesystem::remove_all(dir);
}

TEST(ReferenceParts, CompareReferenceIsInclusiveInBookChapterVerseOrder)
{
    const BOOK_POSITION from{0, 1, 3, 10}, to{0, 1, 5, 2};
    auto in = [&](int b, int c, int v) { return CompareReference(BOOK_POSITION{9, b, c, v}, from, to); };
    EXPECT_EQ(in(1, 3, 15), 1);
    EXPECT_EQ(in(1, 5, 1), 1);
    EXPECT_EQ(in(1, 3, 10), 1);
    EXPECT_EQ(in(1, 5, 2), 1);
    EXPECT_EQ(in(1, 4, 99), 1);
    EXPECT_EQ(in(1, 3, 9), 0);
    EXPECT_EQ(in(1, 5, 3), 0);
    EXPECT_EQ(in(2, 1, 1), 0);
    // Across books.
    const BOOK_POSITION b_from{0, 2, 40, 1}, b_to{0, 4, 1, 5};
    EXPECT_EQ(CompareReference(BOOK_POSITION{0, 3, 1, 1}, b_from, b_to), 1);
    EXPECT_EQ(CompareReference(BOOK_POSITION{0, 2, 39, 99}, b_from, b_to), 0);
    EXPECT_EQ(CompareReference(BOOK_POSITION{0, 4, 1, 6}, b_from, b_to), 0);
}

TEST_F(ReferenceTest, SyncNameLookupIsExact)
{
    EXPECT_EQ(GetIndexOfSyncname(0, "OTGen"), 0);
    EXPECT_EQ(GetIndexOfSyncname(0, "NTJude"), 5);
    EXPECT_EQ(GetIndexOfSyncname(0, "otgen"), -1);
    EXPECT_EQ(GetIndexOfSyncname(0, "OTGe"), -1);
    EXPECT_EQ(GetIndexOfSyncname(0, ""), -1);
    EXPECT_EQ(GetIndexOfSyncname(0, nullptr), -1);
    EXPECT_EQ(GetIndexOfSyncname(0, "NTMatt"), -1);
    EXPECT_EQ(GetIndexOfSyncname(-1, "OTGen"), -1);
    EXPECT_EQ(GetIndexOfSyncname(30, "OTGen"), -1);
    datawindow[0].type = MODULE_LEXICON;
    EXPECT_EQ(GetIndexOfSyncname(0, "OTGen"), 0);
    datawindow[0].type = MODULE_DICTIONARY;
    EXPECT_EQ(GetIndexOfSyncname(0, "OTGen"), -1);
    EXPECT_STREQ(g_verse_sort[0], "OTGen");
    EXPECT_STREQ(g_verse_sort[64], "NTJude");
    EXPECT_STREQ(g_verse_sort[65], "NTRevel");
}

TEST(SyncNames, TableMatchesTheBuiltInBookEntries)
{
    LANG_FreeAll();
    for (int i = 0; i < SYNC_NAME_COUNT; ++i) {
        _CMD_STRINGS e{};
        e.number = SYNC_NAME_FIRST_STRING + i;
        ASSERT_EQ(CMD_SeparateLNGString(&e), 1);
        EXPECT_STREQ(e.sync_name, g_verse_sort[i]);
    }
}
