// The search subcommands of sevir-cli, run as a program: exact output.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

CliResult Cli(const std::string& args) { return RunCli(args, " 2>/dev/null"); }

class CliSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(std::string(SEVIR_BINARY_DIR) + "/sevir-cli")) GTEST_SKIP() << "sevir-cli not built";
        const char* base = std::getenv("SEVIR_TEST_TMP");
        std::string name = std::string("cli-search-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = (fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / name).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        modwriter::BookModule m;
        m.info = {{"IA", "TST"}, {"IT", "Test"}};
        modwriter::Book gen("Genesis", "Gen", "OTGen");
        gen.verses = {{1, 1, "In the beginning God|RH430|Rh created"},
                      {1, 2, "And the earth|RRNTJohn:1:1|Rr was"},
                      {2, 1, "God|RH430|Rh saw, God|RH0430|Rh"}};
        modwriter::Book john("John", "Joh", "NTJohn");
        john.verses = {{1, 1, "In the beginning was|MGV-IAI-3S |Mg the Word|RG3056|Rg"},
                       {1, 2, "|TGqeos|Tg love|RG26|Rg"}};
        m.books = {gen, john};
        file_ = dir_ + "/tst.sbk";
        ASSERT_TRUE(modwriter::WriteFileAtomic(file_, modwriter::BuildBookModule(m, &layout_)));
        for (const auto& r : layout_.records) off_.push_back(std::to_string(r.offset));
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "/not.sbk", "hblx nothing"));
        modwriter::LexiconModule lex;
        lex.info = {{"IA", "LX"}, {"IT", "Lexicon"}};
        lex.collation.letters = {"a", "b", "c", "d"};
        lex.collation.joins_next.assign(4, false);
        lex.labels = {{"Meaning", 0}};
        for (const char* k : {"a", "b", "c", "d"}) {
            modwriter::LexEntry e;
            e.keyword = k;
            e.body = std::string("word ") + k + (k[0] == 'b' ? " love|RH430|Rh love" : " text");
            lex.entries.push_back(e);
        }
        lex.entries[3].items = {"Love"};
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "/lx.lex", modwriter::BuildLexiconModule(lex)));
    }
    std::string dir_, file_;
    modwriter::BookLayout layout_;
    std::vector<std::string> off_;
};

TEST_F(CliSearchTest, TextSearch)
{
    CliResult r = Cli("search " + file_ + " 'in the'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "hits=5 verses=2\n" + off_[0] + " 1 1 1\n" + off_[3] + " 2 1 1\n");
    r = Cli("search " + file_ + " 'in the' --phrase --text");
    EXPECT_EQ(r.out, "hits=2 verses=2\nGen 1:1\tIn the beginning God created\nJoh 1:1\tIn the beginning was the Word\n");
    r = Cli("search " + file_ + " 'beginning' --ot");
    EXPECT_EQ(r.out, "hits=1 verses=1\n" + off_[0] + " 1 1 1\n");
    r = Cli("search " + file_ + " 'god' --range 1 1 2 1 2 1");
    EXPECT_EQ(r.out, "hits=2 verses=1\n" + off_[2] + " 1 2 1\n");
    r = Cli("search " + file_ + " 'god' --case");
    EXPECT_EQ(r.out, "hits=0 verses=0\n");
    r = Cli("search " + file_ + " the --then word --then zebra");
    EXPECT_EQ(r.out, "hits=1 verses=1\n" + off_[3] + " 2 1 1\n");
    r = Cli("search " + file_ + " ''");
    EXPECT_EQ(r.out, "hits=0 verses=0\n");
    r = Cli("search " + file_ + " qeos --script 2 --text --unicode");
    EXPECT_EQ(r.out, "hits=1 verses=1\nJoh 1:2\t\xCE\xB8\xCE\xB5\xCE\xBF\xCF\x83 love\n");
}

TEST_F(CliSearchTest, StrongAndReferenceSearch)
{
    CliResult r = Cli("strong " + file_ + " h 430");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "hits=3 verses=2\n" + off_[0] + " 1 1 1\n" + off_[2] + " 1 2 1\noccurrences\n" + off_[0] +
                         " 20\n" + off_[2] + " 3\n" + off_[2] + " 21\n");
    r = Cli("strong " + file_ + " g 26 --sort word");
    EXPECT_EQ(r.out, "hits=1 verses=1\n" + off_[4] + " 2 1 2\noccurrences\n" + off_[4] + " 15\n");
    r = Cli("strongword " + file_ + " 'god'");
    EXPECT_EQ(r.out, "hits=3 verses=2\n" + off_[0] + " 1 1 1\n" + off_[2] + " 1 2 1\noccurrences\n" + off_[0] +
                         " 17\n" + off_[2] + " 0\n" + off_[2] + " 18\n");
    r = Cli("refsearch " + file_ + " 2 1 1 2 1 1");
    EXPECT_EQ(r.out, "hits=1 verses=1\n" + off_[1] + " 1 1 2\noccurrences\n" + off_[1] + " 13\n");
}

TEST_F(CliSearchTest, RangesAndShow)
{
    CliResult r = Cli("ranges " + file_ + " --user OTGen 1 2 NTJohn 1 1 --user OTExod 1 1 OTExod 1 1");
    EXPECT_EQ(r.out,
              "0\tALL [Gen 1:1 - Joh 1:2]\n1\tOT [Gen 1:1 - Gen 2:1]\n2\tNT [Joh 1:1 - Joh 1:2]\n"
              "3\tGen 1:2 - Joh 1:1\n");
    r = Cli("show " + file_ + " 'Gen 1'");
    EXPECT_EQ(r.out, "Gen 1:1\tIn the beginning God created\nGen 1:2\tAnd the earth was\n");
    r = Cli("show " + file_ + " 'Gen 1:2'");
    EXPECT_EQ(r.out, "Gen 1:2\tAnd the earth was\n");
}

TEST_F(CliSearchTest, LexiconSearch)
{
    const std::string lex = dir_ + "/lx.lex";
    EXPECT_EQ(Cli("lex search " + lex + " love").out, "hits=3 records=2\n2\n4\n");
    EXPECT_EQ(Cli("lex search " + lex + " love --case").out, "hits=2 records=1\n2\n");
    EXPECT_EQ(Cli("lex search " + lex + " word --then text").out, "hits=3 records=3\n1\n3\n4\n");
    EXPECT_EQ(Cli("lex search " + lex + " zebra").out, "hits=0 records=0\n");
    EXPECT_EQ(Cli("lex strongsearch " + lex + " h H0430").out, "hits=1 records=1\n2\n");
    EXPECT_EQ(Cli("lex search " + file_ + " love").status, 1);
}

TEST_F(CliSearchTest, NotABookModule)
{
    for (const char* command : {"search %s love", "strong %s h 1", "refsearch %s 1 1 1 1 1 1", "ranges %s",
                                "show %s Gen"}) {
        char line[512];
        std::snprintf(line, sizeof line, command, (dir_ + "/not.sbk").c_str());
        EXPECT_EQ(Cli(line).status, 1) << line;
    }
}

} // namespace
