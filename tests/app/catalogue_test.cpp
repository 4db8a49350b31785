#include "app/catalogue.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/startup.h"
#include "books/sbk_reader.h"
#include "dic/dic_reader.h"
#include "lex/lex_reader.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

std::string TempDir(const std::string& name)
{
    const char* base = std::getenv("SEVIR_TEST_TMP");
    fs::path dir = fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / ("catalogue-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir / "data");
    return dir.string();
}

void Write(const std::string& path, const std::string& bytes)
{
    ASSERT_TRUE(modwriter::WriteFileAtomic(path, bytes));
}

std::string Book(const std::string& abbrev, const std::string& title = "Book")
{
    modwriter::BookModule m;
    m.info = {{"IA", abbrev}, {"IT", title}};
    modwriter::Book b("Genesis", "Gen", "OTGen");
    b.verses = {{1, 1, "In the beginning"}, {1, 2, "And the earth"}};
    m.books = {b};
    return modwriter::BuildBookModule(m);
}

std::string Lexicon(const std::string& abbrev, int version = 3)
{
    modwriter::LexiconModule m;
    m.version = version;
    m.info = {{"IT", "Lexicon " + abbrev}, {"IA", abbrev}};
    return modwriter::BuildLexiconModule(m);
}

std::string Dictionary(const std::string& abbrev, int version = 5)
{
    modwriter::DictionaryModule m;
    m.version = version;
    m.info = {{"IA", abbrev}, {"IT", "Dictionary " + abbrev}};
    return modwriter::BuildDictionaryModule(m);
}

void UsePaths(const std::vector<std::string>& dirs)
{
    status.path_used = static_cast<int32_t>(dirs.size());
    for (std::size_t i = 0; i < dirs.size(); ++i)
        std::snprintf(status.path_data[i].path, sizeof status.path_data[i].path, "%s", dirs[i].c_str());
}

std::vector<std::string> g_boxes;
int RecordBox(void*, const char* text, const char*, unsigned)
{
    g_boxes.push_back(text);
    return SV_IDOK;
}

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobalRecords();
        g_boxes.clear();
        previous_ = SetMessageBoxHandler(RecordBox);
    }
    void TearDown() override
    {
        SetMessageBoxHandler(previous_);
        ResetGlobalRecords();
    }
    MessageBoxHandler previous_ = nullptr;
};

} // namespace

TEST_F(CatalogueTest, ProbesCheckSignatureVersionAndInfoBounds)
{
    struct Case {
        std::string bytes;
        int (*probe)(SvFile*, int);
        int expect;
    } cases[] = {
        {Lexicon("STRONG"), ScanLEXInfo, 1},
        {Lexicon("old", 2), ScanLEXInfo, 0},
        {Dictionary("EN-CZ"), ScanDICInfo, 1},
        {Dictionary("old", 4), ScanDICInfo, 0},
        {Dictionary("x"), ScanLEXInfo, 0},
        {Lexicon("x"), ScanDICInfo, 0},
        {Book("x"), ScanDICInfo, 0},
        {"hblx\x03", ScanLEXInfo, 0},
        {"hbdi\x05", ScanDICInfo, 0},
    };
    for (const Case& c : cases) {
        SvFile* f = SvOpenMemory(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(c.probe(f, 3), c.expect) << c.bytes.substr(0, 4);
        SvClose(f);
    }
    modwriter::LexiconModule lex;
    lex.info = {{"IA", "ABCDEFGHIJKLMNOPQRST"}, {"IT", "Lexicon"}};
    std::string bytes = modwriter::BuildLexiconModule(lex);
    SvFile* f = SvOpenMemory(bytes.data(), bytes.size());
    ASSERT_EQ(ScanLEXInfo(f, 3), 1);
    EXPECT_STREQ(datafile[3].abbrev, "ABCDEFGHIJKLMNO");
    EXPECT_STREQ(datafile[3].title, "Lexicon");
    SvClose(f);
    lex.tag_data_override = 99999999;  // the info block runs past the end
    bytes = modwriter::BuildLexiconModule(lex);
    f = SvOpenMemory(bytes.data(), bytes.size());
    EXPECT_EQ(ScanLEXInfo(f, 3), 0);
    SvClose(f);
    modwriter::DictionaryModule dic;
    dic.index_offset_override = 100;  // before the info block
    bytes = modwriter::BuildDictionaryModule(dic);
    f = SvOpenMemory(bytes.data(), bytes.size());
    EXPECT_EQ(ScanDICInfo(f, 3), 0);
    SvClose(f);
}

TEST_F(CatalogueTest, ScanOrdersByTypeThenAbbreviationAndSkipsBadFiles)
{
    std::string a = TempDir("order-a"), b = TempDir("order-b");
    Write(a + "/data/kjv.sbk", Book("kjv", "King James"));
    Write(a + "/data/B21.SBK", Book("B21"));
    Write(a + "/data/broken.sbk", "hbbk\x01 not a module");
    Write(a + "/data/strong.lex", Lexicon("Strong"));
    Write(a + "/data/bdb.Lex", Lexicon("bdb"));
    Write(a + "/data/encz.dic", Dictionary("EN-CZ"));
    Write(a + "/data/readme.txt", "x");
    Write(a + "/data/lexicon-as-book.sbk", Lexicon("wrong"));
    // The same names in a later path are ignored, whatever their case or type.
    Write(b + "/data/KJV.sbk", Book("other"));
    Write(b + "/data/ENCZ.DIC", Dictionary("other"));
    Write(b + "/data/czech.sbk", Book("CSP"));
    fs::create_directories(b + "/data/folder.sbk");
    UsePaths({a, b, a + "/missing"});

    ASSERT_EQ(ScanDataFiles(), 1);
    EXPECT_EQ(status.files_all, 6);
    EXPECT_EQ(status.files_book_count, 3);
    EXPECT_EQ(status.files_lex_count, 2);
    EXPECT_EQ(status.files_dic_count, 1);
    struct Want {
        int type;
        const char* abbrev;
        const char* filename;
        int path_index;
    } want[] = {
        {MODULE_DICTIONARY, "EN-CZ", "encz.dic", 0}, {MODULE_LEXICON, "bdb", "bdb.Lex", 0},
        {MODULE_LEXICON, "Strong", "strong.lex", 0}, {MODULE_BOOK, "B21", "B21.SBK", 0},
        {MODULE_BOOK, "CSP", "czech.sbk", 1},        {MODULE_BOOK, "kjv", "kjv.sbk", 0},
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(datafile[i].id_file, i);
        EXPECT_EQ(datafile[i].type, want[i].type) << i;
        EXPECT_STREQ(datafile[i].abbrev, want[i].abbrev) << i;
        EXPECT_STREQ(datafile[i].filename, want[i].filename) << i;
        EXPECT_EQ(datafile[i].path_index, want[i].path_index) << i;
        EXPECT_EQ(datafile[i].opened, 0);
        EXPECT_EQ(datafile[i].file, nullptr);
    }
    EXPECT_STREQ(datafile[5].title, "King James");
    EXPECT_EQ(datafile[6].filename[0], '\0');  // no gaps, nothing after the last entry

    EXPECT_EQ(IsFileInDATAFILEArray("KJV.SBK", 500), 5);
    EXPECT_EQ(IsFileInDATAFILEArray("kjv.sbk", 5), -1);
    EXPECT_EQ(IsFileInDATAFILEArray("broken.sbk", 500), -1);
    EXPECT_EQ(IsFileInDATAFILEArray(nullptr, 500), -1);
    EXPECT_EQ(ModuleFilePath(4), b + "/data/czech.sbk");
}

TEST_F(CatalogueTest, TheCatalogueHoldsAtMost500Modules)
{
    std::string a = TempDir("full");
    std::string bytes = Book("x");
    for (int i = 0; i < 501; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "m%03d.sbk", i);
        std::ofstream(a + "/data/" + name, std::ios::binary) << bytes;
    }
    // A long name is catalogued by its first 31 characters, and only if the
    // file opens by that name.
    UsePaths({a});
    ASSERT_EQ(ScanDataFiles(), 1);
    EXPECT_EQ(status.files_all, 500);
    EXPECT_EQ(status.files_book_count, 500);
    for (int i = 0; i < 500; ++i) ASSERT_EQ(datafile[i].id_file, i);

    std::string c = TempDir("long");
    std::ofstream(c + "/data/" + std::string(40, 'n') + ".sbk", std::ios::binary) << bytes;
    std::ofstream(c + "/data/" + std::string(27, 's') + ".sbk", std::ios::binary) << bytes;
    UsePaths({c});
    ASSERT_EQ(ScanDataFiles(), 1);
    EXPECT_EQ(status.files_all, 1);
    EXPECT_EQ(std::string(datafile[0].filename), std::string(27, 's') + ".sbk");
}

TEST_F(CatalogueTest, BookWindowsShareTheModuleFileAndRenumberOnClose)
{
    std::string a = TempDir("windows");
    Write(a + "/data/one.sbk", Book("One"));
    Write(a + "/data/two.sbk", Book("Two"));
    Write(a + "/data/bad.sbk", std::string("hbbk\x02", 5) + std::string(30, '\0'));
    UsePaths({a});
    ASSERT_EQ(ScanDataFiles(), 1);
    ASSERT_EQ(status.files_all, 3);  // the bad one passes the probe (its info block is empty)
    const int bad = IsFileInDATAFILEArray("bad.sbk", 500);
    const int one = IsFileInDATAFILEArray("one.sbk", 500);
    const int two = IsFileInDATAFILEArray("two.sbk", 500);

    // A header that the full read rejects: message, no window, file closed.
    EXPECT_EQ(OpenBookDatawindow(bad), -1);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], "Error happened when openning file bad.sbk. Operation will be terminated.");
    EXPECT_EQ(status.num_windows, 0);
    EXPECT_EQ(datafile[bad].opened, 0);
    EXPECT_EQ(datafile[bad].file, nullptr);

    int ids[5] = {OpenBookDatawindow(one), OpenBookDatawindow(two), OpenBookDatawindow(one),
                  OpenBookDatawindow(two), OpenBookDatawindow(one)};
    for (int i = 0; i < 5; ++i) ASSERT_EQ(ids[i], i);
    EXPECT_EQ(status.num_windows, 5);
    EXPECT_EQ(datafile[one].opened, 1);
    SvFile* shared = datafile[one].file;
    EXPECT_NE(shared, nullptr);
    EXPECT_EQ(datawindow[4].book_position.number, 4);
    EXPECT_EQ(datawindow[4].offset, datawindow[4].tag_data);
    EXPECT_EQ(datawindow[4].sync, 1);
    EXPECT_STREQ(datawindow[1].abbrev, "Two");

    ASSERT_EQ(ZrusDatawindow(2), 1);
    EXPECT_EQ(status.num_windows, 4);
    const int files[4] = {one, two, two, one};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(datawindow[i].id, i);
        EXPECT_EQ(datawindow[i].book_position.number, i);
        EXPECT_EQ(datawindow[i].id_file, files[i]);
    }
    EXPECT_EQ(datawindow[4].id_file, 0);
    EXPECT_EQ(datawindow[4].book_info, nullptr);
    EXPECT_EQ(datafile[one].file, shared);  // still shown by windows 0 and 3

    // Records read through a renumbered window still find their module.
    g_book_record.book_position.number = 3;
    g_book_record.offset = 0;
    EXPECT_EQ(BK_CtiRecord(&g_book_record), 1);
    EXPECT_STREQ(g_book_record.buffer, "In the beginning");

    ZrusDatawindow(3);
    EXPECT_EQ(datafile[one].opened, 1);
    ZrusDatawindow(0);
    EXPECT_EQ(datafile[one].opened, 0);
    EXPECT_EQ(datafile[one].file, nullptr);
    EXPECT_EQ(datafile[two].opened, 1);
}

TEST_F(CatalogueTest, At29WindowsTheLimitWarnsWith30)
{
    std::string a = TempDir("limit");
    Write(a + "/data/one.sbk", Book("One"));
    UsePaths({a});
    ScanDataFiles();
    for (int i = 0; i < 29; ++i) ASSERT_EQ(OpenBookDatawindow(0), i);
    EXPECT_EQ(OpenBookDatawindow(0), -1);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], "Maximum number of opened windows can be 30");
    EXPECT_EQ(status.num_windows, 29);
    EXPECT_EQ(OpenBookDatawindow(7), -1);  // no file: no message (the limit came first above)
}

TEST_F(CatalogueTest, ReadOnlyMediaUsesTheWindowsDirectory)
{
    std::string program = TempDir("cd-program"), windows = TempDir("cd-windows");
    Write(program + "/library.cfg", "[library]\r\nfrom the program directory\r\n");
    SetupReadOnlyMedia(0, windows, program);
    EXPECT_EQ(status.sevir_cd, 0);
    EXPECT_FALSE(fs::exists(windows + "/library.cfg"));

    SetupReadOnlyMedia(1, windows, program);
    EXPECT_EQ(status.sevir_cd, 1);
    EXPECT_EQ(std::string(status.sevir_cd_cfg_path), windows + "/sevir.cfg");
    EXPECT_EQ(std::string(status.sevir_cd_cfglib_path), windows + "/library.cfg");
    std::ifstream copied(windows + "/library.cfg", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copied), {}), "[library]\r\nfrom the program directory\r\n");
    EXPECT_FALSE(fs::exists(windows + "/sevir.cfg"));  // the program configuration is not copied

    // An existing copy is kept.
    Write(windows + "/library.cfg", "mine");
    SetupReadOnlyMedia(1, windows, program);
    std::ifstream kept(windows + "/library.cfg", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine");
}

TEST_F(CatalogueTest, IniciaceCataloguesTheCurrentDirectory)
{
    std::string a = TempDir("startup");
    Write(a + "/data/one.sbk", Book("One"));
    Write(a + "/data/lex.lex", Lexicon("L"));
    std::string old = SvCurrentDirectory();
    ASSERT_EQ(chdir(a.c_str()), 0);
    std::string here = SvCurrentDirectory();
    EXPECT_EQ(Iniciace(), 1);
    ASSERT_EQ(chdir(old.c_str()), 0);
    EXPECT_EQ(verze.v1, 3);
    EXPECT_EQ(verze.v4, 238);
    EXPECT_EQ(status.path_used, 1);
    EXPECT_EQ(std::string(status.path_data[0].path), here);
    EXPECT_EQ(status.path_data[0].read_only, 0);
    EXPECT_EQ(std::string(status.path_lang), here + "/language/");
    EXPECT_EQ(status.files_all, 2);
    EXPECT_EQ(datafile[0].type, MODULE_LEXICON);
    EXPECT_EQ(status.num_windows, 0);
}
