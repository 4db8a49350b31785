// Collation: comparison through a module's sort table and the reading of the
// tables from module files.
#include "text/collation.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"
#include "app/file_io.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

// A sort table built the way a module stores it.
struct Table {
    char t[SORT_TABLE_SIZE];
    Table(const std::vector<std::string>& letters, const std::vector<bool>& joins = {})
    {
        modwriter::Collation c{letters, joins};
        std::string alphabet = modwriter::EncodeCollationTable(c);
        std::string bitmap = modwriter::EncodeCollationBitmap(c);
        SetSortTable(reinterpret_cast<const unsigned char*>(alphabet.data()),
                     reinterpret_cast<const unsigned char*>(bitmap.data()), t);
    }
    int operator()(const char* a, const char* b) const { return PorovnejRetezce(a, b, t); }
};

} // namespace

TEST(Collation, OrderFollowsTheAlphabetNotTheByteValues)
{
    Table z({"z", "b", "a"});
    EXPECT_EQ(z("z", "a"), -1);
    EXPECT_EQ(z("a", "b"), 1);
    EXPECT_EQ(z("ba", "ba"), 0);
    EXPECT_EQ(z("bz", "ba"), -1);
    // A string that runs out first is the smaller.
    EXPECT_EQ(z("b", "ba"), -1);
    EXPECT_EQ(z("ba", "b"), 1);
    EXPECT_EQ(z("", ""), 0);
    EXPECT_EQ(z("", "a"), -1);
    EXPECT_EQ(z("a", ""), 1);
}

TEST(Collation, UnlistedBytesTakeNoPartInTheOrder)
{
    Table t({"a", "b", "c"});
    EXPECT_EQ(t("a-b", "ab"), 0);
    EXPECT_EQ(t("-a b", "ab"), 0);
    EXPECT_EQ(t("xyz", ""), 1);
    // A key of unlisted bytes only sorts before any key with a letter.
    EXPECT_EQ(t("xyz", "a"), -1);
    EXPECT_EQ(t("a", "xyz"), 1);
    // Once one string has run out, the bytes left in the other count even
    // when none of them is ranked.
    EXPECT_EQ(t("a!", "a"), 1);
    EXPECT_EQ(t("a", "a!"), -1);
    EXPECT_EQ(t("a!b", "a?b"), 0);
}

TEST(Collation, DigraphsAreOneLetterAndWinOverTheirFirstByte)
{
    // Czech-like: c, then ch after h.
    Table t({"c", "d", "h", "ch", "i"});
    EXPECT_EQ(t("c", "d"), -1);
    EXPECT_EQ(t("ch", "h"), 1);   // ch ranks after h
    EXPECT_EQ(t("ch", "i"), -1);
    EXPECT_EQ(t("cd", "ch"), -1);
    EXPECT_EQ(t("hc", "hch"), -1);
    // A digraph entry matches on its first byte alone when it is the first
    // entry with that byte.
    Table d({"ch", "a"});
    EXPECT_EQ(d("c", "a"), -1);
    EXPECT_EQ(d("c", "ch"), 0);
}

TEST(Collation, TieFlagsJoinLettersToTheNextUnflaggedOne)
{
    // a and its accented form (0xE1) sort equal; so do the run b, B, 0xDF.
    Table t({"a", "\xE1", "b", "B", "\xDF", "c"}, {true, false, true, true, false, false});
    EXPECT_EQ(t("a", "\xE1"), 0);
    EXPECT_EQ(t("\xE1" "b", "aB"), 0);
    EXPECT_EQ(t("b", "\xDF"), 0);
    EXPECT_EQ(t("\xDF", "c"), -1);
    EXPECT_EQ(t("\xE1", "b"), -1);
    // A flag on the last letter joins it to nothing further.
    Table last({"a", "b"}, {false, true});
    EXPECT_EQ(last("a", "b"), -1);
    EXPECT_EQ(last("b", "b"), 0);
}

TEST(Collation, EmptyTableMakesEverythingEqual)
{
    Table t({});
    EXPECT_EQ(t("abc", "xyz"), 0);
    EXPECT_EQ(t("abc", ""), 1);
}

TEST(Collation, FullTableOf256LettersHasNoTerminator)
{
    std::vector<std::string> letters;
    for (int c = 255; c >= 1; --c) letters.push_back(std::string(1, static_cast<char>(c)));
    letters.push_back("zz");
    Table t(letters);
    EXPECT_EQ(t("\x01", "\x02"), 1);
    EXPECT_EQ(t("zz", "z"), 1);
    EXPECT_EQ(t("\xFF", "\x01"), -1);
}

TEST(Collation, ReadModuleTablesBySignature)
{
    modwriter::BookModule m;
    m.collation = {{"b", "a", "ch"}, {false, true, false}};
    m.books = {modwriter::Book("Genesis", "Gen", "OTGen")};
    m.books[0].verses = {{1, 1, "x"}};
    std::string bytes = modwriter::BuildBookModule(m);
    SvFile* f = SvOpenMemory(bytes.data(), bytes.size());
    char table[SORT_TABLE_SIZE];
    ASSERT_EQ(ReadModuleSortTable(f, table), 0);
    SvClose(f);
    EXPECT_EQ(std::string(table, 7), std::string("b\0a\0ch\0", 7));
    EXPECT_EQ(table[SORT_ROW_SIZE + 2], 1);
    EXPECT_EQ(PorovnejRetezce("b", "a", table), -1);
    EXPECT_EQ(PorovnejRetezce("a", "ch", table), 0);

    // A dictionary keeps its first alphabet at 1024 and the bitmap after it.
    std::string dic(4096, '\0');
    dic.replace(0, 5, std::string("hbdi\x05", 5));
    dic.replace(1024, 4, std::string("y\0x\0", 4));
    dic[1536] = static_cast<char>(0x80);
    f = SvOpenMemory(dic.data(), dic.size());
    EXPECT_EQ(ReadModuleSortTable(f, table), 2);
    SvClose(f);
    EXPECT_EQ(PorovnejRetezce("y", "x", table), 0);
    EXPECT_EQ(table[SORT_ROW_SIZE], 1);

    // Short and foreign files.
    std::string lex("hblx\x03", 5);
    f = SvOpenMemory(lex.data(), lex.size());
    EXPECT_EQ(ReadModuleSortTable(f, table), 1);
    EXPECT_EQ(PorovnejRetezce("a", "b", table), 0);
    SvClose(f);
    std::string other("hbbk\x03", 5);
    f = SvOpenMemory(other.data(), other.size());
    EXPECT_EQ(ReadModuleSortTable(f, table), -1);
    SvClose(f);
}

TEST(Collation, CliCollate)
{
    if (!fs::exists(std::string(SEVIR_BINARY_DIR) + "/sevir-cli")) GTEST_SKIP() << "sevir-cli not built";
    const char* base = std::getenv("SEVIR_TEST_TMP");
    fs::path dir = fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / "cli-collate";
    fs::create_directories(dir);
    modwriter::BookModule m;
    m.collation = {{"z", "y", "c", "ch"}, {false, false, false, false}};
    m.books = {modwriter::Book("Genesis", "Gen", "OTGen")};
    m.books[0].verses = {{1, 1, "x"}};
    std::string file = (dir / "z.sbk").string();
    ASSERT_TRUE(modwriter::WriteFileAtomic(file, modwriter::BuildBookModule(m)));
    EXPECT_EQ(RunCli("collate " + file + " z y").out, "-1\n");
    EXPECT_EQ(RunCli("collate " + file + " ch c").out, "1\n");
    EXPECT_EQ(RunCli("collate " + file + " '-z' z").out, "0\n");
    CliResult bad = RunCli("collate " + (dir / "missing.sbk").string() + " a b");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
}
