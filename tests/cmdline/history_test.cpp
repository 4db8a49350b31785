// The navigation history replayed over real book windows, and the
// command-line history.
#include "cmdline/history.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "books/book_fixture.h"
#include "books/verse_location.h"

using namespace testbooks;
using modwriter::Book;
using modwriter::BookModule;

namespace {

Book MakeBook(const char* name, const char* abbrev, const char* sync, int chapters, int verses)
{
    Book b{name, abbrev, sync};
    for (int c = 1; c <= chapters; ++c)
        for (int v = 1; v <= verses; ++v) b.verses.push_back({c, v, Words(10, c * v)});
    return b;
}

std::vector<int> g_redrawn;
std::vector<int> g_navigated;
std::vector<int> g_played;

class HistoryTest : public BookTest {
protected:
    void SetUp() override
    {
        BookTest::SetUp();
        ResetHistories();
        g_redrawn.clear();
        g_navigated.clear();
        g_played.clear();
        g_history_hooks = {[](int w) { g_redrawn.push_back(w); }, [](int w) { g_navigated.push_back(w); },
                           [](int w) { g_played.push_back(w); }};
        BookModule both;
        both.books = {MakeBook("Genesis", "Gen", "OTGen", 5, 6), MakeBook("Exodus", "Ex", "OTExod", 5, 6)};
        BookModule exodus_only;
        exodus_only.books = {MakeBook("Exodo", "Ex", "OTExod", 5, 6)};
        const std::string a = modwriter::BuildBookModule(both);
        // Windows 0 and 2 show the module with Genesis (2 does not
        // synchronise), 1 a module without it, 3 a results window.
        ASSERT_EQ(OpenInWindow(a, 0, 0), 1);
        ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(exodus_only), 1, 1), 1);
        ASSERT_EQ(OpenInWindow(a, 2, 2), 1);
        ASSERT_EQ(OpenInWindow(a, 3, 3), 1);
        for (int w = 0; w < 4; ++w) {
            datawindow[w].type = MODULE_BOOK;
            datawindow[w].sync = 1;
            datawindow[w].book_position = BOOK_POSITION{w, 1, 1, 1};
            datawindow[w].offset = 0;
        }
        datawindow[1].book_position.book = 1;
        datawindow[2].sync = 0;
        datawindow[3].results = 1;
        status.bk_last_book = 1;
    }
    void TearDown() override
    {
        g_history_hooks = {nullptr, nullptr, nullptr};
        ResetHistories();
        BookTest::TearDown();
    }
    static void Jump(int w, int book, int chapter, int verse)
    {
        AddToHistory(BOOK_POSITION{w, book, chapter, verse});
    }
    static std::string Labels()
    {
        std::string s;
        for (int i = 0; i < history_used; ++i) s += std::string(history[i].string) + "|";
        return s;
    }
};

} // namespace

TEST_F(HistoryTest, EntriesHoldSyncNameAndLabel)
{
    Jump(0, 1, 2, 3);
    Jump(1, 1, 4, 5);
    ASSERT_EQ(history_used, 2);
    EXPECT_EQ(history_index, 2);
    EXPECT_STREQ(history[0].sync_name, "OTGen");
    EXPECT_STREQ(history[0].string, "Genesis 2:3 ");
    EXPECT_EQ(history[0].book_position.number, 0);
    EXPECT_STREQ(history[1].sync_name, "OTExod");
    EXPECT_STREQ(history[1].string, "Exodo 4:5 ");
}

TEST_F(HistoryTest, BackForwardAndANewJumpKeepTheSteppedOverEntries)
{
    Jump(0, 1, 1, 1);
    Jump(0, 1, 2, 2);
    Jump(0, 1, 3, 3);
    // Forward at the newest entry and Back at the oldest do nothing.
    EXPECT_EQ(HistoryForward(), 0);
    EXPECT_EQ(HistoryBack(), 1);
    EXPECT_EQ(datawindow[0].book_position.chapter, 2);
    EXPECT_EQ(HistoryBack(), 1);
    EXPECT_EQ(history_index, 1);
    EXPECT_EQ(datawindow[0].book_position.chapter, 1);
    EXPECT_EQ(HistoryBack(), 0);
    EXPECT_EQ(history_index, 1);
    EXPECT_EQ(HistoryForward(), 1);
    EXPECT_EQ(datawindow[0].book_position.chapter, 2);
    EXPECT_EQ(HistoryBack(), 1);

    Jump(0, 1, 4, 4);
    EXPECT_EQ(history_used, 4);
    EXPECT_EQ(history_index, 4);
    EXPECT_EQ(Labels(), "Genesis 1:1 |Genesis 2:2 |Genesis 3:3 |Genesis 4:4 |");
    EXPECT_EQ(HistoryForward(), 0);
}

TEST_F(HistoryTest, TheThirtyFirstJumpDropsTheOldest)
{
    for (int i = 1; i <= 31; ++i) Jump(0, 1 + i % 2, 1 + i % 5, 1 + i % 6);
    EXPECT_EQ(history_used, 30);
    EXPECT_EQ(history_index, 30);
    EXPECT_EQ(history[0].book_position.chapter, 1 + 2 % 5);
    EXPECT_EQ(history[29].book_position.chapter, 1 + 31 % 5);
    EXPECT_EQ(HistoryForward(), 0);
}

TEST_F(HistoryTest, ReplayMovesEveryBookWindowThatHasTheBook)
{
    Jump(1, 1, 5, 6);  // Exodus 5:6, recorded in the module without Genesis
    Jump(0, 1, 3, 4);  // Genesis 3:4
    EXPECT_EQ(RefreshAccordingHistory(1), 2);
    for (int w : {0, 2}) {
        EXPECT_EQ(datawindow[w].book_position.book, 1) << w;
        EXPECT_EQ(datawindow[w].book_position.chapter, 3) << w;
        EXPECT_EQ(datawindow[w].book_position.verse, 4) << w;
        EXPECT_EQ(datawindow[w].offset, BK_HledejVers(BOOK_POSITION{w, 1, 3, 4})) << w;
        EXPECT_GT(datawindow[w].offset, 0);
    }
    EXPECT_EQ(datawindow[1].book_position.chapter, 1);  // has no Genesis
    EXPECT_EQ(datawindow[3].book_position.chapter, 1);  // results window
    EXPECT_EQ(status.bk_last_book, 2);
    EXPECT_EQ(g_redrawn, (std::vector<int>{0, 2}));
    EXPECT_EQ(g_navigated, (std::vector<int>{2}));
    EXPECT_EQ(g_played, (std::vector<int>{2}));

    // Exodus is book 2 in one module and book 1 in the other.
    g_redrawn.clear();
    EXPECT_EQ(RefreshAccordingHistory(0), 3);
    EXPECT_EQ(datawindow[0].book_position.book, 2);
    EXPECT_EQ(datawindow[1].book_position.book, 1);
    EXPECT_EQ(datawindow[1].book_position.chapter, 5);
    EXPECT_EQ(datawindow[1].book_position.verse, 6);
    EXPECT_EQ(status.bk_last_book, 2);
}

TEST_F(HistoryTest, NothingMovesWhenNoWindowHasTheVerse)
{
    Jump(0, 1, 5, 6);
    datawindow[0].book_position = BOOK_POSITION{0, 1, 2, 2};
    ResetHistories();
    // An entry whose book none of the windows has.
    AddToHistory(BOOK_POSITION{0, 1, 1, 1});
    std::strcpy(history[0].sync_name, "NTRevel");
    EXPECT_EQ(RefreshAccordingHistory(0), 0);
    // A verse beyond every module.
    AddToHistory(BOOK_POSITION{0, 1, 1, 1});
    history[1].book_position.chapter = 40;
    EXPECT_EQ(RefreshAccordingHistory(1), 0);
    EXPECT_EQ(RefreshAccordingHistory(7), 0);
    EXPECT_EQ(RefreshAccordingHistory(-1), 0);
    EXPECT_EQ(datawindow[0].book_position.chapter, 2);
    EXPECT_EQ(status.bk_last_book, 1);
    EXPECT_TRUE(g_redrawn.empty());
    EXPECT_TRUE(g_navigated.empty());
    EXPECT_TRUE(g_played.empty());
}

TEST_F(HistoryTest, DropDownListsNewestFirstAndAChosenEntryBecomesNewest)
{
    Jump(0, 1, 1, 1);
    Jump(0, 1, 2, 2);
    Jump(0, 1, 3, 3);
    Jump(0, 1, 4, 4);
    HistoryBack();
    int32_t indexes[HISTORY_SIZE];
    int32_t current = -1;
    ASSERT_EQ(HistoryListEntries(indexes, &current), 4);
    EXPECT_EQ(indexes[0], 3);
    EXPECT_EQ(indexes[3], 0);
    EXPECT_EQ(current, 2);

    EXPECT_EQ(HistoryChooseEntry(1), 2);
    EXPECT_EQ(datawindow[0].book_position.chapter, 2);
    EXPECT_EQ(Labels(), "Genesis 1:1 |Genesis 3:3 |Genesis 4:4 |Genesis 2:2 |");
    EXPECT_EQ(history_index, 4);
    EXPECT_EQ(HistoryChooseEntry(4), 0);

    // Entries without a book are not listed.
    history[0].book_position.book = 0;
    ASSERT_EQ(HistoryListEntries(indexes, &current), 3);
    EXPECT_EQ(indexes[2], 1);
}

TEST(CommandLineHistory, NewestFirstWithoutRepeats)
{
    ResetHistories();
    CMD_AddReferenceToHistory("Gen 1:1");
    CMD_AddReferenceToHistory("Ex 2:2");
    CMD_AddReferenceToHistory("Lev 3:3");
    CMD_AddReferenceToHistory("Gen 1:1");
    ASSERT_EQ(cmd_history_count, 3);
    EXPECT_STREQ(cmd_history[0].string, "Gen 1:1");
    EXPECT_STREQ(cmd_history[1].string, "Lev 3:3");
    EXPECT_STREQ(cmd_history[2].string, "Ex 2:2");
    CMD_AddReferenceToHistory("Gen 1:1");
    EXPECT_EQ(cmd_history_count, 3);
    CMD_AddReferenceToHistory("gen 1:1");  // case matters
    EXPECT_EQ(cmd_history_count, 4);

    const std::string long_text(100, 'x');
    CMD_AddReferenceToHistory(long_text.c_str());
    EXPECT_EQ(std::string(cmd_history[0].string), std::string(63, 'x'));
    CMD_AddReferenceToHistory(long_text.c_str());
    EXPECT_EQ(cmd_history_count, 5);

    for (int i = 0; i < 40; ++i) CMD_AddReferenceToHistory(("Ps " + std::to_string(i)).c_str());
    EXPECT_EQ(cmd_history_count, 30);
    EXPECT_STREQ(cmd_history[0].string, "Ps 39");
    EXPECT_STREQ(cmd_history[29].string, "Ps 10");
    CMD_AddReferenceToHistory(nullptr);
    EXPECT_EQ(cmd_history_count, 30);
    ResetHistories();
}
