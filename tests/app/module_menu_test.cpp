// The module submenus' contents and giving a book window another module.
#include "app/module_menu.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/catalogue.h"
#include "app/data_windows.h"
#include "app/message.h"
#include "app/records.h"
#include "books/verse_location.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> g_texts;
int Record(void*, const char* text, const char*, unsigned)
{
    g_texts.push_back(text);
    return SV_IDOK;
}

std::string Book(const std::string& abbrev, const std::vector<std::string>& syncs)
{
    modwriter::BookModule m;
    m.info = {{"IA", abbrev}, {"IT", "Title " + abbrev}};
    for (const std::string& s : syncs) {
        modwriter::Book b(s, s.substr(2, 3), s);
        b.verses = {{1, 1, "one"}, {1, 2, "two"}, {2, 1, "three"}};
        m.books.push_back(b);
    }
    return modwriter::BuildBookModule(m);
}

class ModuleMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobalRecords();
        old_ = SetMessageBoxHandler(Record);
        g_texts.clear();
        const char* base = std::getenv("SEVIR_TEST_TMP");
        dir_ = (fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / (std::string("module-menu-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                   .string();
        fs::remove_all(dir_);
        fs::create_directories(dir_ + "/data");
        Write("kjv.sbk", Book("KJV", {"OTGen", "OTExod", "NTMatt"}));
        Write("web.sbk", Book("WEB", {"OTGen", "NTMatt"}));
        Write("nt.sbk", Book("NT", {"NTMatt"}));
        modwriter::LexiconModule lex;
        lex.info = {{"IA", "Strong"}, {"IT", "Strong lexicon"}};
        Write("strong.lex", modwriter::BuildLexiconModule(lex));
        status.path_used = 1;
        std::snprintf(status.path_data[0].path, sizeof status.path_data[0].path, "%s", dir_.c_str());
        ASSERT_EQ(ScanDataFiles(), 1);
        ASSERT_EQ(status.files_all, 4);
    }
    void TearDown() override
    {
        SetMessageBoxHandler(old_);
        ResetGlobalRecords();
    }
    void Write(const std::string& name, const std::string& bytes)
    {
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "/data/" + name, bytes));
    }
    static int File(const char* name) { return IsFileInDATAFILEArray(name, status.files_all); }

    std::string dir_;
    MessageBoxHandler old_ = nullptr;
};

std::vector<std::string> Texts(const std::vector<MODULE_MENU_ENTRY>& e, int section)
{
    std::vector<std::string> out;
    for (const auto& x : e) {
        if (x.section != section) continue;
        if (x.kind == MODULE_MENU_ENTRY::SEPARATOR) out.push_back("-");
        else if (x.kind == MODULE_MENU_ENTRY::FOLDER) out.push_back("&" + std::to_string(x.level) + x.text);
        else out.push_back(std::to_string(x.level) + x.text);
    }
    return out;
}

using S = std::vector<std::string>;

} // namespace

TEST_F(ModuleMenuTest, FlatListsWithoutLibraryFile)
{
    std::vector<MODULE_MENU_ENTRY> e;
    EXPECT_EQ(BuildModuleMenuEntries(dir_ + "/missing.cfg", &e), 0);
    EXPECT_EQ(Texts(e, MENU_SECTION_BOOK), (S{"0[KJV] Title KJV", "0[NT] Title NT", "0[WEB] Title WEB"}));
    EXPECT_EQ(Texts(e, MENU_SECTION_LEXICON), (S{"0[Strong] Strong lexicon"}));
    EXPECT_TRUE(Texts(e, MENU_SECTION_DICTIONARY).empty());
    for (const auto& x : e)
        if (x.kind == MODULE_MENU_ENTRY::MODULE) {
            EXPECT_EQ(x.text, ModuleMenuLabel(x.id_file));
        }
}

TEST_F(ModuleMenuTest, LibraryFileFoldersThenTheRest)
{
    const std::string cfg = dir_ + "/library.cfg";
    ASSERT_TRUE(modwriter::WriteFileAtomic(
        cfg, ";comment\r\n#book\r\n&1English\r\n%1web.sbk\r\n&2Old\r\n%2KJV.SBK\r\n%1gone.sbk\r\n%1strong.lex\r\n"
             "#lexicon\r\n#dictionary\r\n#audio\r\n%0x.aix\r\n"));
    std::vector<MODULE_MENU_ENTRY> e;
    EXPECT_EQ(BuildModuleMenuEntries(cfg, &e), 1);
    EXPECT_EQ(Texts(e, MENU_SECTION_BOOK),
              (S{"&1English", "1[WEB] Title WEB", "&2Old", "2[KJV] Title KJV", "-", "0[NT] Title NT"}));
    EXPECT_EQ(Texts(e, MENU_SECTION_LEXICON), (S{"-", "0[Strong] Strong lexicon"}));
    EXPECT_EQ(Texts(e, MENU_SECTION_DICTIONARY), (S{"-"}));
    EXPECT_EQ(Texts(e, MENU_SECTION_AUDIO), (S{"-"}));
}

TEST_F(ModuleMenuTest, SectionsInTheOrderOfTheFile)
{
    // The library tree makes its roots in this order; a section named twice counts once.
    const std::string cfg = dir_ + "/library.cfg";
    ASSERT_TRUE(modwriter::WriteFileAtomic(cfg, "#lexicon\r\n#book\r\n%0kjv.sbk\r\n#lexicon\r\n"));
    std::vector<MODULE_MENU_ENTRY> e;
    std::vector<int> order;
    EXPECT_EQ(BuildModuleMenuEntries(cfg, &e, &order), 1);
    EXPECT_EQ(order, (std::vector<int>{MENU_SECTION_LEXICON, MENU_SECTION_BOOK}));
    EXPECT_EQ(BuildModuleMenuEntries(dir_ + "/missing.cfg", &e, &order), 0);
    EXPECT_TRUE(order.empty());
}

TEST_F(ModuleMenuTest, ReplacingAWindowsModuleKeepsThePlaceBySyncName)
{
    const int kjv = File("kjv.sbk"), web = File("web.sbk"), nt = File("nt.sbk"), lex = File("strong.lex");
    ASSERT_EQ(OpenBookDatawindow(kjv), 0);
    ASSERT_EQ(OpenBookDatawindow(kjv), 1);
    datawindow[0].book_position = BOOK_POSITION{0, 3, 2, 1};  // Matthew 2:1
    datawindow[0].offset = BK_HledejVers(datawindow[0].book_position);

    EXPECT_EQ(GiveBookWindowModule(0, lex), REPLACE_NOT_BOOK);
    EXPECT_EQ(datawindow[0].id_file, kjv);

    ASSERT_EQ(GiveBookWindowModule(0, web), REPLACE_DONE);
    const DATAWINDOW& w = datawindow[0];
    EXPECT_EQ(w.id_file, web);
    EXPECT_STREQ(w.abbrev, "WEB");
    EXPECT_EQ(w.book_position.book, 2);  // NTMatt is WEB's second book
    EXPECT_EQ(w.book_position.chapter, 2);
    EXPECT_EQ(w.offset, BK_HledejVers(w.book_position));
    EXPECT_EQ(datafile[kjv].opened, 1);  // window 1 still shows it
    EXPECT_EQ(datafile[web].opened, 1);

    // A book the new module lacks: book 1, chapter 1, verse 1.
    datawindow[1].book_position = BOOK_POSITION{1, 2, 1, 2};  // Exodus 1:2
    ASSERT_EQ(GiveBookWindowModule(1, nt), REPLACE_DONE);
    EXPECT_EQ(datawindow[1].book_position.book, 1);
    EXPECT_EQ(datawindow[1].book_position.verse, 1);
    EXPECT_EQ(datafile[kjv].opened, 0);  // no window shows it any more
    EXPECT_EQ(datafile[kjv].file, nullptr);

    // The module's file went away: the window has no module left.
    fs::remove(dir_ + "/data/kjv.sbk");
    EXPECT_EQ(GiveBookWindowModule(1, kjv), REPLACE_FAILED);
    EXPECT_EQ(datawindow[1].book_info, nullptr);
    EXPECT_EQ(datafile[nt].opened, 0);
    ASSERT_EQ(ZrusDatawindow(1), 1);
    EXPECT_EQ(status.num_windows, 1);
    EXPECT_EQ(datafile[kjv].opened, 0);
    EXPECT_TRUE(g_texts.empty());
}
