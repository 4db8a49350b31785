// The book subcommands of sevir-cli, run as a program: exact output.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

CliResult Cli(const std::string& args) { return RunCli(args, " 2>&1"); }

class CliBookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(std::string(SEVIR_BINARY_DIR) + "/sevir-cli")) GTEST_SKIP() << "sevir-cli not built";
        const char* base = std::getenv("SEVIR_TEST_TMP");
        // ctest runs the cases in parallel: each has its own directory.
        std::string name = std::string("cli-book-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = (fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / name).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_ + "/lib/data");
        modwriter::BookModule m;
        m.info = {{"IA", "KJV"}, {"IT", "King James Version"}};
        m.tag_caps = {1, 2, 3};
        m.sync_byte = 1;
        modwriter::Book gen("Genesis", "Gen", "OTGen");
        gen.verses = {{1, 1, "In the beginning"}, {1, 2, "And the earth|"}, {2, 1, "Thus"}};
        modwriter::Book exo("Exodus", "Exo", "OTExod");
        exo.verses = {{1, 1, "Now"}};
        m.books = {gen, exo};
        file_ = dir_ + "/lib/data/kjv.sbk";
        ASSERT_TRUE(modwriter::WriteFileAtomic(file_, modwriter::BuildBookModule(m, &layout_)));
        modwriter::LexiconModule lex;
        lex.info = {{"IA", "BDB"}, {"IT", "Brown Driver Briggs"}};
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "/lib/data/bdb.lex", modwriter::BuildLexiconModule(lex)));
    }
    std::string dir_, file_;
    modwriter::BookLayout layout_;
};

} // namespace

TEST_F(CliBookTest, InfoPrintsTheHeaderInOrder)
{
    CliResult r = Cli("info " + file_);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "abbrev=KJV\ntitle=King James Version\nlanguage=0\nbooks=2\ntag_info=1144\ntag_data=1172\n"
              "tag_advanced=1\nsync=0\nscroll_verse=1\nno_jumps=0\nfilesize=1259\n"
              "tag.preface=1 1\ntag.christ=0 1\ntag.note=1 0\ntag.variant=0 0\ntag.unused=0 0\n"
              "tag.reference=0 0\ntag.strong_hebrew=0 0\ntag.strong_greek=0 0\ntag.bold=0 0\ntag.italic=0 0\n"
              "tag.morph_hebrew=0 0\ntag.morph_greek=0 0\n"
              "book.1=Genesis|Gen|OTGen|72|1172|2\nbook.2=Exodus|Exo|OTExod|15|1244|1\n");
    r = Cli("info " + dir_ + "/lib/data/bdb.lex");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error: not a book module\n");
    EXPECT_EQ(Cli("info " + dir_ + "/missing.sbk").status, 1);
}

TEST_F(CliBookTest, LocationCommands)
{
    const auto& rec = layout_.records;  // 1172, 1201, 1229, 1244
    EXPECT_EQ(Cli("locate " + file_ + " 1 1 2").out, std::to_string(rec[1].offset) + "\n");
    EXPECT_EQ(Cli("locate " + file_ + " 1 3 1").out, "0\n");
    EXPECT_EQ(Cli("step " + file_ + " 0 0").out, "1172 1 1 1\n");
    EXPECT_EQ(Cli("step " + file_ + " 1172 1").out, "1201 1 1 2\n");
    EXPECT_EQ(Cli("step " + file_ + " 1200 -1").out, "1172 1 1 1\n");
    EXPECT_EQ(Cli("step " + file_ + " 1172 -1").out, "1172 0 0 0\n");
    EXPECT_EQ(Cli("step " + file_ + " 1244 1").out, "1244 2 1 1\n");
    EXPECT_EQ(Cli("versecount " + file_ + " 1 1").out, "2\n");
    EXPECT_EQ(Cli("verseend " + file_ + " 1172").out, "1200\n");
    EXPECT_EQ(Cli("verseend " + file_ + " 1244").out, "1258\n");
    EXPECT_EQ(Cli("read " + file_ + " 1190").out, "1201 1 1 2 14\nAnd the earth|\n");
    EXPECT_EQ(Cli("read " + file_ + " 1250").out, "none\n");
    EXPECT_EQ(Cli("locate " + file_ + " 1 x 2").status, 2);
}

TEST_F(CliBookTest, CatalogListsEveryPath)
{
    fs::create_directories(dir_ + "/second/data");
    fs::copy_file(file_, dir_ + "/second/data/KJV.SBK");
    modwriter::BookModule other;
    other.info = {{"IT", "Other"}, {"IA", "zed"}};
    ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "/second/data/other.sbk", modwriter::BuildBookModule(other)));
    CliResult r = Cli("catalog " + dir_ + "/lib " + dir_ + "/second");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "0\t1\tBDB\tbdb.lex\t0\tBrown Driver Briggs\n"
              "1\t0\tKJV\tkjv.sbk\t0\tKing James Version\n"
              "2\t0\tzed\tother.sbk\t1\tOther\n");
}
