// The lexicon subcommands of sevir-cli, run as a program: exact output.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

const char* const kLatin =
        "module lexicon\n"
        "abbrev TST\n"
        "title Test Lexicon\n"
        "language 0\n"
        "collation a b c ch d e\n"
        "label Pron|1\n"
        "label Def|0\n"
        "tags 1 2 3\n"
        "e abba|H1\n"
        "item ab-ba\n"
        "item father\n"
        "body Father, see |RG3962|Rg.\n"
        "e bad|G0025\n"
        "body bad thing\n"
        "e cede\n"
        "deleted\n"
        "e chad\n"
        "body c h\n";

// Hebrew letters of the display font; 0xA2 is a vowel point.
const char* const kHebrew =
        "module lexicon\n"
        "abbrev HEB\n"
        "title Hebrew Test\n"
        "language 1\n"
        "keyword_strong 1\n"
        "collation a b g d\n"
        "label Root|1\n"
        "e ab|H1\n"
        "item father\n"
        "body one\n"
        "e a\\xA2g|H2\n"
        "body two\n"
        "e bd|H0025\n"
        "body three\n"
        "e gad|H25\n"
        "body four\n";

class CliLexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(std::string(SEVIR_BINARY_DIR) + "/sevir-cli")) GTEST_SKIP() << "sevir-cli not built";
        const char* base = std::getenv("SEVIR_TEST_TMP");
        std::string name = std::string("cli-lex-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = (fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / name).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        latin_ = Write("latin.lex", kLatin);
        hebrew_ = Write("hebrew.lex", kHebrew);
    }
    std::string Write(const std::string& name, const char* description)
    {
        modwriter::Description d;
        std::string error;
        EXPECT_TRUE(modwriter::ParseDescription(description, &d, &error)) << error;
        const std::string path = dir_ + "/" + name;
        EXPECT_TRUE(modwriter::WriteFileAtomic(path, modwriter::BuildModule(d, &error))) << error;
        return path;
    }
    static std::string Out(const std::string& args, int want_status = 0)
    {
        CliResult r = RunCli("lex " + args, " 2>&1");
        EXPECT_EQ(r.status, want_status) << args;
        return r.out;
    }
    std::string dir_, latin_, hebrew_;
};

} // namespace

TEST_F(CliLexTest, InfoPrintsTheHeaderInOrder)
{
    EXPECT_EQ(Out("info " + latin_),
              "abbrev=TST\ntitle=Test Lexicon\nlanguage=0\nkeyword_charset=0\nheader_charset=0\nkeyword_strong=0\n"
              "records_all=4\ndeleted_records=1\nstrong_records=2\nlabels=2\nno_jumps=0\nsync=1\nbooks=0\n"
              "filesize=1232\nlabel.0=Pron|1\nlabel.1=Def|0\n"
              "tag.preface=1 1\ntag.christ=0 1\ntag.note=1 0\ntag.variant=0 0\ntag.unused=0 0\n"
              "tag.reference=0 0\ntag.keyword_reference=0 0\ntag.strong_hebrew=0 0\ntag.strong_greek=0 0\n"
              "tag.bold=0 0\ntag.italic=0 0\ntag.morph_hebrew=0 0\ntag.morph_greek=0 0\n");
    EXPECT_EQ(Out("info " + dir_, 1), "error: not a lexicon\n");
    EXPECT_EQ(Out("info " + dir_ + "/missing.lex", 1), "error: not a lexicon\n");
}

TEST_F(CliLexTest, ReadRecordKeyStrongFilterAndList)
{
    EXPECT_EQ(Out("read " + latin_ + " 1024 forward"), "1062 1 abba H1\n");
    EXPECT_EQ(Out("read " + latin_ + " 99999 backward"), "1205 4 chad -\n");
    EXPECT_EQ(Out("read " + latin_ + " 1062 backward"), "none\n");
    EXPECT_EQ(Out("record " + latin_ + " 1"),
              "offset=1062\nnumber=1\nkeyword=abba\nstrong=H1\nitem0=ab-ba\nitem1=father\nbody\n"
              "Father, see |RG3962|Rg.\n");
    EXPECT_EQ(Out("record " + latin_ + " 4"), "offset=1205\nnumber=4\nkeyword=chad\nstrong=\nbody\nc h\n");
    EXPECT_EQ(Out("record " + latin_ + " 3"), "none\n");  // deleted
    EXPECT_EQ(Out("key " + latin_ + " c"), "4\n");
    EXPECT_EQ(Out("key " + latin_ + " b"), "2\n");
    EXPECT_EQ(Out("strong " + latin_ + " g 25"), "2\n");
    EXPECT_EQ(Out("strong " + latin_ + " h 25"), "0\n");
    EXPECT_EQ(Out("filter " + latin_ + " a"), "3\n1\n2\n4\n");
    EXPECT_EQ(Out("filter " + latin_ + " x"), "0\n");
    EXPECT_EQ(Out("list " + latin_ + " 1 5"), "1 abba\n2 bad\n4 chad\n");
    EXPECT_EQ(Out("list " + latin_ + " 3 1"), "4 chad\n");
    EXPECT_EQ(Out("list " + latin_ + " 1 x", 2).rfind("usage:", 0), 0u);
}

TEST_F(CliLexTest, HebrewKeywordsAreShownReversed)
{
    EXPECT_EQ(Out("read " + hebrew_ + " 1100 forward"), "1121 2 a\xA2g H2\n");
    EXPECT_EQ(Out("read " + hebrew_ + " 1100 backward"), "1077 1 ab H1\n");
    EXPECT_EQ(Out("key " + hebrew_ + " bd"), "3\n");
    EXPECT_EQ(Out("key " + hebrew_ + " a 2"), "2\n");
    // "G0025" and "H25" are the same number.
    EXPECT_EQ(Out("strong " + hebrew_ + " h 25"), "3\n");
    EXPECT_EQ(Out("strong " + hebrew_ + " h 25 4"), "4\n");
    EXPECT_EQ(Out("strong " + hebrew_ + " g 25"), "0\n");
    EXPECT_EQ(Out("filter " + hebrew_ + " ag"), "1\n2\n");  // the vowel is ignored
    EXPECT_EQ(Out("filter " + hebrew_ + " a*d"), "1\n4\n");
    EXPECT_EQ(Out("list " + hebrew_ + " 2 2"), "2 g\xA2" "a\n3 db\n");
    EXPECT_EQ(Out("list " + hebrew_ + " 1 50"), "1 ba\n2 g\xA2" "a\n3 db\n4 dag\n");
}
