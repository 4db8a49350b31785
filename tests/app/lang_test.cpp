// Language files: the scan of the language directory, loading strings, the
// lookup with its fallback, and the files shipped with the program.
#include "app/lang.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/builtin_strings.h"
#include "app/codepage.h"
#include "app/message.h"
#include "app/records.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> g_boxes;
int RecordBox(void*, const char* text, const char* caption, unsigned)
{
    g_boxes.push_back(std::string(caption) + ": " + text);
    return SV_IDOK;
}

class LangTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobalRecords();
        LANG_FreeAll();
        g_boxes.clear();
        previous_ = SetMessageBoxHandler(RecordBox);
        dir_ = fs::temp_directory_path() /
               ("sevir-lang-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        UseDirectory(dir_);
    }
    void TearDown() override
    {
        LANG_FreeAll();
        SetMessageBoxHandler(previous_);
        fs::remove_all(dir_);
    }
    static void UseDirectory(const fs::path& dir)
    {
        std::snprintf(status.path_lang, sizeof status.path_lang, "%s/", dir.string().c_str());
    }
    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    // Scans, chooses file `name` and loads it; returns the number of strings.
    int Load(const char* name)
    {
        std::snprintf(status.lang_filename_default, sizeof status.lang_filename_default, "%s", name);
        EXPECT_EQ(LANG_Scan_LNG_Files(), 1);
        return LANG_ReadStringsFromFile(status.lang_index);
    }
    static std::string Text(int id)
    {
        char buf[512];
        LANG_LoadString(nullptr, id, buf, sizeof buf);
        return buf;
    }

    fs::path dir_;
    MessageBoxHandler previous_ = nullptr;
};

} // namespace

TEST_F(LangTest, ScanListsFilesByLabelAndChoosesTheDefault)
{
    Write("zz.lng", ";alpha\r\n;238\r\n");
    Write("aa.LNG", ";Gamma\r\n;0\r\n");
    Write("mm.lng", ";Beta\r\n;161\r\n");
    Write("notes.txt", ";Aaa\r\n;0\r\n");
    std::strcpy(status.lang_filename_default, "MM.lng");
    EXPECT_EQ(LANG_Scan_LNG_Files(), 1);
    ASSERT_EQ(status.lang_found, 3);
    EXPECT_STREQ(g_lang_files[0].label, "alpha");
    EXPECT_STREQ(g_lang_files[0].filename, "zz.lng");
    EXPECT_EQ(g_lang_files[0].charset, 238);
    EXPECT_STREQ(g_lang_files[1].label, "Beta");
    EXPECT_STREQ(g_lang_files[2].filename, "aa.LNG");
    EXPECT_EQ(status.lang_index, 1);
    EXPECT_EQ(LANG_CurrentCharset(), 161);
    EXPECT_EQ(CurrentCodePage(), 1253);

    std::strcpy(status.lang_filename_default, "gone.lng");
    EXPECT_EQ(LANG_Scan_LNG_Files(), 0);
    EXPECT_EQ(status.lang_found, 3);
    EXPECT_EQ(status.lang_index, 0);
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(LangTest, BrokenHeadersAreSkippedAndTheScanGoesOn)
{
    Write("a.lng", "no comment\r\n;0\r\n");            // line 1 not a comment
    Write("b.lng", ";\r\n;0\r\n");                      // empty label
    Write("c.lng", ";Only one line\r\n");               // no second line
    Write("d.lng", ";Second\r\n10001,x\r\n");            // line 2 not a comment
    Write("e.lng", "");                                 // empty file
    Write("f.lng", ";" + std::string(40, 'L') + "\r\n;999\r\n");
    Write("g.lng", ";Good\n;x7\n");                      // line feeds only, bad charset
    Write(std::string(40, 'n') + ".lng", ";Long name\r\n;0\r\n");
    EXPECT_EQ(LANG_Scan_LNG_Files(), 0);
    ASSERT_EQ(status.lang_found, 2);
    EXPECT_STREQ(g_lang_files[0].label, "Good");
    EXPECT_EQ(g_lang_files[0].charset, 0);
    EXPECT_EQ(std::string(g_lang_files[1].label), std::string(31, 'L'));
    EXPECT_EQ(g_lang_files[1].charset, 0);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], "Internal Error - please report!: Too long filename of language file");
}

TEST_F(LangTest, NoDirectoryOrNoFilesLeavesTheBuiltInTexts)
{
    UseDirectory(dir_ / "missing");
    EXPECT_EQ(LANG_Scan_LNG_Files(), 0);
    EXPECT_EQ(status.lang_found, 0);
    EXPECT_EQ(LANG_ReadStringsFromFile(0), 0);
    EXPECT_EQ(LANG_FindString(10005), nullptr);
    EXPECT_EQ(Text(10005), "Warning");
    EXPECT_EQ(LANG_CurrentCharset(), 0);
    EXPECT_EQ(CurrentCodePage(), 1252);
}

TEST_F(LangTest, StringsLoadWithEscapesFirstWinsAndFallBack)
{
    Write("t.lng",
          ";Test\r\n;0\r\n"
          "; a comment 10007,not a string\r\n"
          "\r\n"
          "10005,Aviso\r\n"
          "10005,Second\r\n"
          "10010,one\\ntwo\\tthree\\rfour\r\n"
          "10011\r\n"                       // no comma: ignored
          "abc,not a number\r\n"            // ignored
          "10049,\r\n"                      // an empty translation
          " 10050 ,spaces around the number\r\n"
          "10051,text, with, commas\r\n");
    EXPECT_EQ(Load("t.lng"), 6);
    EXPECT_EQ(status.lang_array_size, 6);
    EXPECT_EQ(Text(10005), "Aviso");
    EXPECT_EQ(Text(10010), "one\ntwo\tthree\rfour");
    EXPECT_EQ(Text(10011), "Error");  // built-in
    EXPECT_EQ(Text(10049), "");
    EXPECT_EQ(Text(10050), "spaces around the number");
    EXPECT_EQ(Text(10051), "text, with, commas");
    EXPECT_EQ(Text(10007), "Error");
    EXPECT_EQ(Text(999999), "");
    // A second lookup of a translated text finds it unchanged.
    EXPECT_STREQ(LANG_FindString(10010), "one\ntwo\tthree\rfour");
    EXPECT_EQ(LANG_FindString(10011), nullptr);

    EXPECT_EQ(LANG_ReadStringsFromFile(5), 0);
    EXPECT_EQ(LANG_ReadStringsFromFile(-1), 0);
    EXPECT_EQ(status.lang_array_size, 0);
    EXPECT_EQ(Text(10005), "Warning");
}

TEST_F(LangTest, OverlongLinesAndTextsAreCut)
{
    const std::string long_text(300, 'x');
    const std::string huge_line(5000, 'y');
    Write("t.lng", ";Test\r\n;0\r\n10005," + long_text + "\r\n10006," + huge_line + "\r\n10007,after\r\n" +
                       std::string(600, '1') + ",too big a number\r\n10008,last line without end");
    EXPECT_EQ(Load("t.lng"), 4);
    EXPECT_EQ(Text(10005), std::string(127, 'x'));
    EXPECT_EQ(Text(10006), std::string(127, 'y'));
    EXPECT_EQ(Text(10007), "after");
    EXPECT_EQ(Text(10008), "last line without end");
    // A label line longer than a line buffer keeps its first 31 characters.
    Write("u.lng", ";" + std::string(2000, 'Q') + "\r\n;0\r\n");
    LANG_Scan_LNG_Files();
    ASSERT_EQ(status.lang_found, 2);
    EXPECT_EQ(std::string(g_lang_files[0].label), std::string(31, 'Q'));
}

TEST_F(LangTest, LoadStringCutsToTheCallersBuffer)
{
    Write("t.lng", ";Test\r\n;0\r\n10005,Aviso importante\r\n");
    Load("t.lng");
    char buf[6];
    EXPECT_EQ(LANG_LoadString(nullptr, 10005, buf, sizeof buf), 5);
    EXPECT_STREQ(buf, "Aviso");
    EXPECT_EQ(LANG_LoadString(nullptr, 10005, buf, 1), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(LANG_LoadString(nullptr, 10005, nullptr, 10), 0);
}

TEST(LangTranslateBackslash, ReplacesTheThreeEscapesInOrder)
{
    char a[] = "a\\nb\\tc\\rd\\x\\";
    EXPECT_STREQ(LANG_TranslateBackslash(a), "a\nb\tc\rd\\x\\");
    // "\n" is replaced first, so "\\n" leaves a backslash before a line feed.
    char b[] = "\\\\n";
    EXPECT_STREQ(LANG_TranslateBackslash(b), "\\\n");
    EXPECT_EQ(LANG_TranslateBackslash(nullptr), nullptr);
}

TEST(CodePages, LowerCaseFollowsTheCodePage)
{
    auto lower = [](const char* text, int cp) {
        std::string s = text;
        LowerText8(s.data(), cp);
        return s;
    };
    EXPECT_EQ(lower("\xC9XODO G\xC9NESIS \xD7 \x8A\x9F", 1252), "\xE9xodo g\xE9nesis \xD7 \x9A\xFF");
    EXPECT_EQ(lower("\xA3\xD3" "D\xAF", 1250), "\xB3\xF3" "d\xBF");           // Polish
    EXPECT_EQ(lower("\xC0\xDF\xA8\xB2", 1251), "\xE0\xFF\xB8\xB3");        // Cyrillic
    EXPECT_EQ(lower("\xC1\xD2\xD3\xDB\xA2", 1253), "\xE1\xD2\xF3\xFB\xDC"); // Greek
    EXPECT_EQ(lower("\xDD\xD0", 1254), "i\xF0");                          // Turkish
    EXPECT_EQ(lower("\xC0\xE0", 1255), "\xC0\xE0");                       // Hebrew has no case
    for (int c = 0; c < 256; ++c) {
        // Lower-casing never leaves the printable range or changes lower case.
        const unsigned char l = LowerChar8(static_cast<unsigned char>(c), 1252);
        EXPECT_EQ(LowerChar8(l, 1252), l);
        if (c < 0x80 && !(c >= 'A' && c <= 'Z')) {
            EXPECT_EQ(l, c);
        }
    }
    EXPECT_EQ(CodePageOfCharset(0), 1252);
    EXPECT_EQ(CodePageOfCharset(238), 1250);
    EXPECT_EQ(CodePageOfCharset(77), 1252);
}

// The language files shipped in language/.
class ShippedLanguages : public LangTest {
protected:
    void SetUp() override
    {
        LangTest::SetUp();
        UseDirectory(fs::path(SEVIR_SOURCE_DIR) / "language");
    }
};

TEST_F(ShippedLanguages, EnglishAndSpanishAreListedAndEnglishIsTheDefault)
{
    EXPECT_EQ(LANG_Scan_LNG_Files(), 1);
    ASSERT_GE(status.lang_found, 2);
    EXPECT_STREQ(g_lang_files[status.lang_index].filename, "english.lng");
    bool spanish = false;
    for (int i = 0; i < status.lang_found; ++i)
        if (std::strcmp(g_lang_files[i].filename, "espanol.lng") == 0) {
            spanish = true;
            EXPECT_STREQ(g_lang_files[i].label, "Espa\xF1ol");
            EXPECT_EQ(g_lang_files[i].charset, 0);
        }
    EXPECT_TRUE(spanish);
}

TEST_F(ShippedLanguages, EnglishFileGivesTheBuiltInTexts)
{
    const int n = Load("english.lng");
    EXPECT_GT(n, 600);
    int count = 0;
    const BUILTIN_STRING* table = BuiltinStringTable(&count);
    for (int i = 0; i < count; ++i) {
        const char* found = LANG_FindString(table[i].id);
        if (std::strlen(table[i].text) <= 120 && !std::strchr(table[i].text, '\n')) {
            ASSERT_NE(found, nullptr) << table[i].id;
            EXPECT_STREQ(found, table[i].text) << table[i].id;
        }
        EXPECT_EQ(Text(table[i].id), std::string(table[i].text).substr(0, 511)) << table[i].id;
    }
}

TEST_F(ShippedLanguages, SpanishTranslatesEveryMenuItemAndBook)
{
    Load("espanol.lng");
    int count = 0;
    const BUILTIN_STRING* table = BuiltinStringTable(&count);
    for (int i = 0; i < count; ++i) {
        const int id = table[i].id;
        if (id < 2000) {
            EXPECT_NE(LANG_FindString(id), nullptr) << "menu item " << id;
        }
    }
    for (int id = 10201; id <= 10266; ++id) {
        const char* es = LANG_FindString(id);
        ASSERT_NE(es, nullptr) << id;
        const std::string en = BuiltinString(id);
        const std::string sync = en.substr(0, en.find(',') + 1);
        EXPECT_EQ(std::string(es).rfind(sync, 0), 0u) << id << " keeps its sync name";
    }
    // Every Spanish text keeps the conversions of its English one.
    for (int i = 0; i < status.lang_array_size; ++i) {
        char format[256];
        LANG_LoadFormat(nullptr, g_lang_array[i].id, format, sizeof format);
        EXPECT_STREQ(format, g_lang_array[i].text) << g_lang_array[i].id;
    }
    EXPECT_EQ(Text(10201), "OTGen,G\xE9nesis,Genesis,Gn");
    EXPECT_EQ(Text(1100), "&Programa");
    EXPECT_EQ(Text(10010), "No se puede abrir la biblioteca RICHED32.DLL\nEl programa terminar\xE1");
}

TEST_F(LangTest, FormatsWithOtherConversionsThanTheBuiltInTextAreNotUsed)
{
    Write("t.lng", ";Test\r\n;0\r\n"
                   "10004,%s ventanas\r\n"
                   "10047,%s %d aciertos, %d vers, %.1f s\r\n"
                   "10006,%d bytes %\r\n"
                   "10008,%s %n\r\n"
                   "10074,%d %d %d\r\n"
                   "10005,Aviso %d\r\n"
                   "10048,%-10s %5d/%*d\r\n");
    Load("t.lng");
    char buf[128];
    LANG_LoadFormat(nullptr, 10004, buf, sizeof buf);
    EXPECT_STREQ(buf, "Maximum number of opened windows can be %d");
    LANG_LoadFormat(nullptr, 10047, buf, sizeof buf);
    EXPECT_STREQ(buf, "%s %d aciertos, %d vers, %.1f s");
    LANG_LoadFormat(nullptr, 10006, buf, sizeof buf);
    EXPECT_STREQ(buf, "Cannot allocate %d bytes in memory. Operation will be terminated.");
    LANG_LoadFormat(nullptr, 10008, buf, sizeof buf);
    EXPECT_STREQ(buf, "Error happened when openning file %s. Operation will be terminated.");
    LANG_LoadFormat(nullptr, 10074, buf, sizeof buf);
    EXPECT_STREQ(buf, "Library titles: %d  [Opened: %d]");
    LANG_LoadFormat(nullptr, 10005, buf, sizeof buf);
    EXPECT_STREQ(buf, "Warning");
    LANG_LoadFormat(nullptr, 10048, buf, sizeof buf);
    EXPECT_STREQ(buf, "%s %d/%d results");  // the star takes an argument of its own
    // Message boxes take their formats this way.
    ShowMessageBoxId(nullptr, 10004, 10005, SV_MB_OK, 30);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], "Aviso %d: Maximum number of opened windows can be 30");
}
