// sevir-cli ref and inrange, run as a program: exact output.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

class RefCliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* base = std::getenv("SEVIR_TEST_TMP");
        // Test cases run in parallel: each has its own directory.
        const std::string name = std::string("cli-ref-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = (fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / name).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        modwriter::BookModule m;
        m.info = {{"IA", "TST"}, {"IT", "Test"}};
        modwriter::Book gen{"Genesis", "Gen", "OTGen"};
        for (int c = 1; c <= 3; ++c)
            for (int v = 1; v <= 10; ++v) gen.verses.push_back({c, v, "In the beginning"});
        modwriter::Book jos{"Joshua", "Josh", "OTJosh"};
        jos.verses = {{1, 1, "After the death"}, {1, 2, "Moses"}};
        modwriter::Book jude{"Jude", "Jude", "NTJude"};
        jude.verses = {{1, 1, "Jude"}};
        m.books = {gen, jos, jude};
        module_ = dir_ + "/test.sbk";
        ASSERT_TRUE(modwriter::WriteFileAtomic(module_, modwriter::BuildBookModule(m)));
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Ref(const std::string& text, const std::string& extra = "")
    {
        return RunCli("ref " + module_ + " '" + text + "'" + extra).out;
    }
    std::string dir_, module_;
};

} // namespace

TEST_F(RefCliTest, PrintsStateBookChapterVerse)
{
    EXPECT_EQ(Ref("Gen 3:10"), "2 1 3 10\n");
    EXPECT_EQ(Ref("genesis 2"), "2 1 2 1\n");
    EXPECT_EQ(Ref("J 1:2"), "1 2 1 2\n");
    EXPECT_EQ(Ref("Jude 1:1"), "2 3 1 1\n");
    EXPECT_EQ(Ref("Gen 3:11"), "0 0 0 0\n");
    EXPECT_EQ(Ref("Gen 4:1"), "0 0 0 0\n");
    EXPECT_EQ(Ref(""), "0 0 0 0\n");
    const std::string es = " --lang " + std::string(SEVIR_SOURCE_DIR) + "/language/espanol.lng";
    EXPECT_EQ(Ref("G\xE9nesis 3:10", es), "2 1 3 10\n");
    EXPECT_EQ(Ref("Josu\xE9 1:2", es), "2 2 1 2\n");
    EXPECT_EQ(Ref("Judas 1", es), "2 3 1 1\n");
    EXPECT_EQ(Ref("G\xE9nesis 3:10"), "0 0 0 0\n");  // not an English name
    EXPECT_NE(RunCli("ref " + dir_ + "/missing.sbk Gen").status, 0);
    EXPECT_NE(RunCli("ref " + module_).status, 0);
}

TEST(InRangeCli, PrintsTheRangeTest)
{
    EXPECT_EQ(RunCli("inrange 1 3 15 1 3 10 1 5 2").out, "1\n");
    EXPECT_EQ(RunCli("inrange 1 5 1 1 3 10 1 5 2").out, "1\n");
    EXPECT_EQ(RunCli("inrange 1 3 9 1 3 10 1 5 2").out, "0\n");
    EXPECT_EQ(RunCli("inrange 1 5 3 1 3 10 1 5 2").out, "0\n");
    EXPECT_NE(RunCli("inrange 1 2 3").status, 0);
    EXPECT_NE(RunCli("inrange 1 2 x 1 1 1 2 2 2").status, 0);
}
