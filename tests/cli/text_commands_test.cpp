// The text subcommands of sevir-cli, run as a program: exact output.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"

namespace {

class CliTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(std::string(SEVIR_BINARY_DIR) + "/sevir-cli")) GTEST_SKIP() << "sevir-cli not built";
    }
    static std::string Out(const std::string& args) { return RunCli(args).out; }
};

} // namespace

TEST_F(CliTextTest, Match)
{
    EXPECT_EQ(Out("match word 'love, and' love"), "1 4\n");
    EXPECT_EQ(Out("match word lovely love"), "0 4\n");
    EXPECT_EQ(Out("match word loving 'lov*'"), "1 3\n");
    EXPECT_EQ(Out("match nowb 'ab c' 'a*c'"), "1 4\n");
    EXPECT_EQ(Out("match prefix abcbc 'a*c'"), "1 2\n");
    EXPECT_EQ(Out("match prefix abc ''"), "1 -1\n");
    EXPECT_EQ(RunCli("match other a b").status, 2);
}

TEST_F(CliTextTest, Strip)
{
    EXPECT_EQ(Out("strip tags -1 'a|RG25|Rg b'"), "a\x01\x01\x01\x01\x01\x01\x01\x01 b\n");
    EXPECT_EQ(Out("strip tags -4 'a|TGb|Tg'"), "\x01\x01\x01\x01" "b\x01\x01\x01\n");
    EXPECT_EQ(Out("strip vowels \"$(printf 'c\\241m')\""), "@K\n");
    EXPECT_EQ(Out("strip ignore \"$(printf 'a\\001\\001b')\""), "ab\n");
    EXPECT_EQ(RunCli("strip tags 0 a").status, 2);
}

TEST_F(CliTextTest, MorphGematriaKeysAutoendTags)
{
    EXPECT_EQ(Out("morph 2 0 V-PAI-3S"), "Verb Present Active Indicative Third person Singular \n");
    EXPECT_EQ(Out("morph 2 1 PREP"), "Preposition  \r\n\\par \n");
    EXPECT_EQ(Out("morph 0 0 N-NSM"), "\n");
    EXPECT_EQ(Out("gematria hebrew M"), "40 4 4\n");
    EXPECT_EQ(Out("gematria hebrew M --method 1"), "600 6 6\n");
    EXPECT_EQ(Out("gematria greek Ihsous"), "888 24 6\n");
    EXPECT_EQ(Out("key hebrew m"), "78\n");
    EXPECT_EQ(Out("key hebrew J --shift"), "0\n");
    EXPECT_EQ(Out("key hebrew q --ctrl"), "161\n");
    EXPECT_EQ(Out("key greek J"), "64\n");
    EXPECT_EQ(Out("key greek a --ctrl"), "0\n");
    EXPECT_EQ(Out("autoend 0 XN"), "XN\n");
    EXPECT_EQ(Out("autoend 0 N"), "M\n");
    EXPECT_EQ(Out("autoend 1 @M"), "@N\n");
    EXPECT_EQ(Out("tagsofword '|RG25|Rg next'"), "9\n");
}
