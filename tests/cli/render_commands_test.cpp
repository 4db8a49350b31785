// sevir-cli tags and render over a module file: exact output.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

CliResult Cli(const std::string& args, const char* redirect = " 2>/dev/null") { return RunCli(args, redirect); }

const std::string kBase = "\\ql\\plain\\f3\\fs21\\cf0 ";

class CliRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(std::string(SEVIR_BINARY_DIR) + "/sevir-cli")) GTEST_SKIP() << "sevir-cli not built";
        const char* base = std::getenv("SEVIR_TEST_TMP");
        // Test cases run in parallel: each has its own directory.
        const std::string name = std::string("cli-render-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = (fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / name).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        modwriter::BookModule m;
        // Christ's words exist but start hidden; Greek Strong's numbers shown.
        m.tag_caps = {0, 3, 1, 0, 0, 1, 0, 1, 1, 1, 0, 1};
        modwriter::Book gen("Genesis", "Gen", "OTGen");
        gen.verses = {{1, 1, "In the |TJbeginning|Tj"}, {1, 2, "And the earth|RG1093|Rg"}, {2, 1, "Thus"}};
        modwriter::Book exo("Exodus", "Exo", "OTExod");
        exo.verses = {{1, 1, "Now"}};
        m.books = {gen, exo};
        file_ = dir_ + "/tagged.sbk";
        ASSERT_TRUE(modwriter::WriteFileAtomic(file_, modwriter::BuildBookModule(m)));
    }
    std::string Tags(const std::string& text, const std::string& options = "")
    {
        CliResult r = Cli("tags " + file_ + " '" + text + "' " + options);
        EXPECT_EQ(r.status, 0) << options;
        return r.out;
    }
    std::string dir_, file_;
};

} // namespace

TEST_F(CliRenderTest, TagsWritesExactlyTheParsedBytes)
{
    const std::string verse = "Jesus|RG2424|Rg said, |TJFollow me|Tj.";
    EXPECT_EQ(Tags(verse), kBase + "Jesus {\\up\\ul\\f3\\fs14\\cf15 G2424}" + kBase + " said, Follow me.\r\n\\par");
    EXPECT_EQ(Tags(verse, "--show-all"), kBase + "Jesus {\\up\\ul\\f3\\fs14\\cf15 G2424}" + kBase +
                                             " said, \\plain\\f3\\fs21\\cf7 Follow me" + kBase + ".\r\n\\par");
    EXPECT_EQ(Tags(verse, "--show-all --hide strong_greek,christ"), kBase + "Jesus said, Follow me.\r\n\\par");
    EXPECT_EQ(Tags(verse, "--hide strong_greek --mode 1"), "\\plain\\f3\\fs21\\cf23 Jesus said, Follow me.\r\n");
    EXPECT_EQ(Tags("a|RROTExod:3:14|Rr"), kBase + "a {\\ul\\f3\\fs16\\cf13 Exo\\~3:14}" + kBase + "\r\n\\par");
    EXPECT_EQ(Tags("a b"), kBase + "a b\r\n\\par");
    EXPECT_EQ(Tags("a b", "--morph-line"), kBase + "a\\par b\r\n\\par");
    EXPECT_EQ(Tags("a b", "--morph-line --hide morph_greek"), kBase + "a b\r\n\\par");

    EXPECT_EQ(Cli("tags " + file_ + " x --hide nothing").status, 2);
    EXPECT_EQ(Cli("tags " + dir_ + "/missing.sbk x").status, 1);
}

TEST_F(CliRenderTest, TagsReportsCorruptedTextOnStderr)
{
    CliResult r = Cli("tags " + file_ + " 'a|Tn' --show-all", " 2>&1 >/dev/null");
    EXPECT_EQ(r.out, "Error in file: File is corrupted!\nNear the text, which is displayed are errors.\nProbably, tags "
                     "in verse are not paired well.\n\nPlease contact author of the program or author of the file.\n");
    EXPECT_EQ(Tags("a|Tn", "--show-all"), kBase + "a" + kBase);
}

TEST_F(CliRenderTest, RenderWritesTheDocumentAndTheVerseCount)
{
    CliResult r = Cli("render " + file_ + " 1 1 1 --width 1000 --height 800");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("{\\rtf1\\ansi\\deff0", 0), 0u);
    const std::string label = "\\plain\\f3\\fs21\\cf2 ";
    EXPECT_NE(r.out.find(label + "Genesis 1:1 " + kBase + "In the beginning\r\n\\par" + label + "2 " + kBase +
                         "And the earth {\\up\\ul\\f3\\fs14\\cf15 G1093}" + kBase + "\r\n\\par" + label +
                         "Genesis 2:1 " + kBase + "Thus\r\n\\par" + label + "Exodus 1:1 " + kBase + "Now\r\n\\par"),
              std::string::npos)
        << r.out;
    const std::string tail = "\\par \\pard\\plain\\f2\\fs21\\b \r\n\\par }\nverses=4\n";
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);

    r = Cli("render " + file_ + " OTExod 1 1 --width 400 --height 300 --no-labels");
    EXPECT_EQ(r.out.find("\\cf2 "), std::string::npos);
    EXPECT_NE(r.out.find(kBase + "Now\r\n\\par"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 9), "verses=1\n");

    r = Cli("render " + file_ + " 1 1 1 --width 1000 --height 0");
    EXPECT_EQ(r.out.substr(r.out.size() - 9), "verses=0\n");
    EXPECT_EQ(Cli("render " + file_ + " 1 1 1 --width 1000").status, 2);
    EXPECT_EQ(Cli("render " + file_ + " Matthew 1 1 --width 1000 --height 800").status, 1);
}
