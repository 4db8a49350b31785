// Start-up builds the catalogue from <current directory>\data under Windows;
// the file layer reads modules through Windows paths.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/catalogue.h"
#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "harness.h"
#include "modwriter/modwriter.h"

namespace {

std::string Book(const std::string& abbrev)
{
    modwriter::BookModule m;
    m.info = {{"IA", abbrev}, {"IT", "Title " + abbrev}};
    modwriter::Book gen("Genesis", "Gen", "OTGen");
    for (int c = 1; c <= 30; ++c)
        for (int v = 1; v <= 20; ++v) gen.verses.push_back({c, v, "verse " + std::to_string(c) + ":" + std::to_string(v)});
    m.books = {gen};
    return modwriter::BuildBookModule(m);
}

class StartupCatalogueTest : public gui::FrameTest {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "sevir-catalogue-test";
        CreateDirectoryA(dir_.c_str(), nullptr);
        CreateDirectoryA((dir_ + "\\data").c_str(), nullptr);
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\UPPER.SBK", Book("Upper")));
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\alpha.sbk", Book("alpha")));
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\notes.txt", "not a module"));
        GetCurrentDirectoryA(sizeof old_, old_);
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
        GetCurrentDirectoryA(sizeof here_, here_);
        gui::FrameTest::SetUp();
    }
    void TearDown() override
    {
        gui::FrameTest::TearDown();
        while (status.num_windows > 0) ZrusDatawindow(status.num_windows - 1);
        SetCurrentDirectoryA(old_);
        for (const char* f : {"\\data\\UPPER.SBK", "\\data\\alpha.sbk", "\\data\\notes.txt"})
            DeleteFileA((dir_ + f).c_str());
        RemoveDirectoryA((dir_ + "\\data").c_str());
        RemoveDirectoryA(dir_.c_str());
    }
    std::string dir_;
    char old_[MAX_PATH] = {};
    char here_[MAX_PATH] = {};
};

} // namespace

TEST_F(StartupCatalogueTest, DataPathZeroIsTheCurrentDirectory)
{
    EXPECT_EQ(IsSevirMediaReadOnly(), 0);
    EXPECT_EQ(status.sevir_cd, 0);
    EXPECT_EQ(status.path_used, 1);
    EXPECT_STREQ(status.path_data[0].path, here_);
    EXPECT_EQ(status.path_data[0].read_only, 0);
    EXPECT_EQ(std::string(status.path_lang), std::string(here_) + "\\language\\");

    ASSERT_EQ(status.files_all, 2);
    EXPECT_EQ(status.files_book_count, 2);
    EXPECT_STREQ(datafile[0].abbrev, "alpha");
    EXPECT_STREQ(datafile[1].abbrev, "Upper");
    EXPECT_STREQ(datafile[1].filename, "UPPER.SBK");
    EXPECT_EQ(ModuleFilePath(1), std::string(here_) + "\\data\\UPPER.SBK");
    EXPECT_EQ(IsFileInDATAFILEArray("upper.sbk", 500), 1);
}

TEST_F(StartupCatalogueTest, ModulesOpenAndReadThroughWindowsPaths)
{
    ASSERT_EQ(OpenBookDatawindow(1), 0);
    EXPECT_EQ(datafile[1].opened, 1);
    EXPECT_STREQ(datawindow[0].title, "Title Upper");
    int32_t at = BK_HledejVers(BOOK_POSITION{0, 1, 17, 9});
    ASSERT_NE(at, 0);
    g_book_record.book_position.number = 0;
    g_book_record.offset = at;
    ASSERT_EQ(BK_CtiRecord(&g_book_record), 1);
    EXPECT_STREQ(g_book_record.buffer, "verse 17:9");
    BOOK_POSITION p{0, 0, 0, 0};
    EXPECT_EQ(BK_PosunOffset(&p, at, -1), BK_HledejVers(BOOK_POSITION{0, 1, 17, 8}));
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 1, 30, 1}), 20);
    ZrusDatawindow(0);
    EXPECT_EQ(datafile[1].opened, 0);
    EXPECT_EQ(datafile[1].file, nullptr);
}
