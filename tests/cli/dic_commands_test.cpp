// The dictionary subcommands of sevir-cli, run as a program over dictionaries
// written by the module writer: exact output.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "../dic/dic_fixture.h"
#include "app/cli_test_util.h"

namespace {

class CliDicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(std::string(SEVIR_BINARY_DIR) + "/sevir-cli")) GTEST_SKIP() << "sevir-cli not built";
        dir_ = std::filesystem::temp_directory_path() /
               ("sevir-cli-dic-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir_);
        latin_greek_ = Write("lagr.dic", testdic::LatinGreek());
        hebrew_latin_ = Write("hela.dic", testdic::HebrewLatin());
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Write(const std::string& name, const modwriter::DictionaryModule& m)
    {
        const std::string path = (dir_ / name).string();
        std::string error;
        EXPECT_TRUE(modwriter::WriteFileAtomic(path, modwriter::BuildDictionaryModule(m, &error), &error)) << error;
        return path;
    }
    static std::string Out(const std::string& args) { return RunCli(args).out; }

    std::filesystem::path dir_;
    std::string latin_greek_, hebrew_latin_;
};

TEST_F(CliDicTest, Info)
{
    const auto size = std::filesystem::file_size(latin_greek_);
    EXPECT_EQ(Out("dic info " + latin_greek_),
              "abbrev=LAGR\ntitle=Latin-Greek word list\nlang_from=0\nlang_to=2\ncharset_from=0\ncharset_to=161\n"
              "charset_note=0\nrecords_all=10\ndicname0=Latin-Greek\ndicname1=Greek-Latin\nno_jumps=0\nsync=1\n"
              "filesize=" + std::to_string(size) + "\n");
    const CliResult bad = RunCli("dic info " + std::string(SEVIR_BINARY_DIR) + "/sevir-cli", " 2>&1");
    EXPECT_EQ(bad.out, "error: not a dictionary\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(RunCli("dic info " + (dir_ / "missing.dic").string()).status, 1);
    EXPECT_EQ(RunCli("dic info").status, 2);
    EXPECT_EQ(RunCli("dic key " + latin_greek_ + " 2 a").status, 2);
}

TEST_F(CliDicTest, RecordKeyAndOpposite)
{
    const std::string record = Out("dic record " + latin_greek_ + " 6");
    const std::string offset = record.substr(7, record.find('\n') - 7);
    EXPECT_EQ(record, "offset=" + offset + "\nnumber=6\nfrom=lux\nto=fws\nnote=f\n");
    EXPECT_EQ(Out("dic record " + latin_greek_ + " 11"), "none\n");
    EXPECT_EQ(Out("dic record " + latin_greek_ + " 0"), "none\n");
    EXPECT_EQ(Out("dic opposite " + latin_greek_ + " " + offset), "10\n");
    EXPECT_EQ(Out("dic opposite " + latin_greek_ + " 2112"), "0\n");
    EXPECT_EQ(Out("dic key " + latin_greek_ + " 0 l"), "6\n");
    EXPECT_EQ(Out("dic key " + latin_greek_ + " 1 q"), "6\n");
    EXPECT_EQ(Out("dic key " + latin_greek_ + " 0 zzz"), "10\n");
    EXPECT_EQ(Out("dic key " + hebrew_latin_ + " 0 @E"), "2\n");  // reading order
    EXPECT_EQ(Out("dic key " + hebrew_latin_ + " 1 pax"), "7\n");
}

TEST_F(CliDicTest, FilterAndList)
{
    EXPECT_EQ(Out("dic filter " + latin_greek_ + " 0 er"), "2\n8\n9\n");
    EXPECT_EQ(Out("dic filter " + latin_greek_ + " 1 os"), "5\n2\n3\n6\n7\n8\n");
    EXPECT_EQ(Out("dic filter " + latin_greek_ + " 0 qq"), "0\n");
    EXPECT_EQ(Out("dic filter " + hebrew_latin_ + " 0 ME"), "2\n5\n8\n");  // display order
    EXPECT_EQ(Out("dic list " + latin_greek_ + " 0 5 3"), "5\thomo\tanqrwpos\t\n6\tlux\tfws\tf\n7\tpanis\tartos\tm\n");
    EXPECT_EQ(Out("dic list " + latin_greek_ + " 1 9 5"), "9\tudwr\taqua\tn\n10\tfws\tlux\tf\n");
    EXPECT_EQ(Out("dic list " + hebrew_latin_ + " 1 1 2"), "1\taqua\tMIN\t\n2\tdies\tMEI\t\n");
    EXPECT_EQ(Out("dic list " + latin_greek_ + " 0 11 3"), "");
}

} // namespace
