// The keyword list of a lexicon window without the window: filling,
// scrolling with deleted and filtered records, resizing, history and the
// status-bar text.
#include <string>

#include "lex/key_list.h"
#include "lex/lex_fixture.h"

using namespace testlex;

namespace {

void SetFilter(int window, std::initializer_list<int> pass)
{
    DATAWINDOW& w = datawindow[window];
    std::memset(w.lx_filter, 1, static_cast<std::size_t>(w.lx_records_all));
    for (int r : pass) w.lx_filter[r - 1] = 0;
    w.lx_filter_hits = static_cast<int32_t>(pass.size());
}

std::string Numbers(int window = 0)
{
    std::string s;
    const DATAWINDOW& w = datawindow[window];
    for (int i = 0; i < w.lx_radku_filled; ++i) s += (i ? " " : "") + std::to_string(w.lx_radek[i].record);
    return s;
}

} // namespace

TEST_F(LexTest, FillListsEveryLiveRecordThatPassesTheFilter)
{
    // A live record directly after a deleted one is listed.
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Numbered(30, false, {3, 4, 8})), 0, 0, 5), 1);
    ASSERT_EQ(LX_NaplnRadky(0, 1), 1);
    EXPECT_EQ(Numbers(), "1 2 5 6 7");
    EXPECT_EQ(Lines(), "w0001 w0002 w0005 w0006 w0007");
    EXPECT_EQ(datawindow[0].lx_radek[2].offset, LX_SearchRecord(0, 5));
    ASSERT_EQ(LX_NaplnRadky(0, 3), 1);
    EXPECT_EQ(Numbers(), "5 6 7 9 10");
    ASSERT_EQ(LX_NaplnRadky(0, -4), 1);
    EXPECT_EQ(Numbers(), "1 2 5 6 7");
    ASSERT_EQ(LX_NaplnRadky(0, 28), 1);
    EXPECT_EQ(Numbers(), "28 29 30");

    SetFilter(0, {2, 4, 5, 9, 20, 29});
    ASSERT_EQ(LX_NaplnRadky(0, 1), 1);
    EXPECT_EQ(Numbers(), "2 5 9 20 29");  // 4 is deleted
    EXPECT_EQ(LX_NaplnRadky(0, 30), 0);     // nothing passes at or after 30
    EXPECT_EQ(Numbers(), "2 5 9 20 29");    // and nothing changed
    EXPECT_EQ(LX_GetValidRecordFromFilter(0, 10, 0), 20);
    EXPECT_EQ(LX_GetValidRecordFromFilter(0, 10, 1), 9);
    EXPECT_EQ(LX_GetValidRecordFromFilter(0, 30, 0), 0);
    EXPECT_EQ(LX_IsValidRecordFromFilter(0, 9), 1);
    EXPECT_EQ(LX_IsValidRecordFromFilter(0, 31), 0);
    EXPECT_EQ(LX_GetOrderOfRecordFromFilter(0, 20), 5);
    EXPECT_EQ(LX_GetOrderOfRecordFromFilter(0, 99), 6);
}

TEST_F(LexTest, LineScrollingWalksOverDeletedAndFilteredRecords)
{
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Numbered(12, false, {5})), 0, 0, 4), 1);
    ASSERT_EQ(LX_NaplnRadky(0, 1), 1);
    EXPECT_EQ(LX_ScrollLineDown(0), 1);
    EXPECT_EQ(Numbers(), "2 3 4 6");
    EXPECT_EQ(LX_ScrollLineUp(0), 1);
    EXPECT_EQ(Numbers(), "1 2 3 4");
    EXPECT_EQ(LX_ScrollLineUp(0), 0);  // the first record: beep

    // Down past the end: empty lines come in below until one line is left.
    ASSERT_EQ(LX_NaplnRadky(0, 9), 1);
    EXPECT_EQ(Numbers(), "9 10 11 12");
    EXPECT_EQ(LX_ScrollLineDown(0), 1);
    EXPECT_EQ(Numbers(), "10 11 12");
    EXPECT_EQ(datawindow[0].lx_radek[3].record, 0);
    EXPECT_EQ(LX_ScrollLineDown(0), 1);
    EXPECT_EQ(LX_ScrollLineDown(0), 1);
    EXPECT_EQ(Numbers(), "12");
    EXPECT_EQ(LX_ScrollLineDown(0), 0);
    // ... and back up, the list grows again.
    EXPECT_EQ(LX_ScrollLineUp(0), 1);
    EXPECT_EQ(Numbers(), "11 12");
    EXPECT_EQ(LX_ScrollLineUp(0), 1);
    EXPECT_EQ(LX_ScrollLineUp(0), 1);
    EXPECT_EQ(Numbers(), "9 10 11 12");
    EXPECT_EQ(LX_ScrollLineUp(0), 1);
    EXPECT_EQ(Numbers(), "8 9 10 11");

    SetFilter(0, {1, 4, 6, 11});
    ASSERT_EQ(LX_NaplnRadky(0, 4), 1);
    EXPECT_EQ(Numbers(), "4 6 11");
    EXPECT_EQ(LX_ScrollLineUp(0), 1);
    EXPECT_EQ(Numbers(), "1 4 6 11");
    EXPECT_EQ(LX_ScrollLineDown(0), 1);  // nothing after 11: empty line
    EXPECT_EQ(Numbers(), "4 6 11");
    EXPECT_EQ(LX_ScrollLineUp(0), 1);
    EXPECT_EQ(LX_ScrollLineUp(0), 0);
}

TEST_F(LexTest, PageScrollingStopsAtBothEnds)
{
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Numbered(20, false, {10})), 0, 0, 4), 1);
    ASSERT_EQ(LX_NaplnRadky(0, 1), 1);
    EXPECT_EQ(LX_ScrollPageDown(0), 1);
    EXPECT_EQ(Numbers(), "5 6 7 8");
    EXPECT_EQ(LX_ScrollPageDown(0), 1);
    EXPECT_EQ(Numbers(), "9 11 12 13");
    EXPECT_EQ(LX_ScrollPageDown(0), 1);
    EXPECT_EQ(LX_ScrollPageDown(0), 1);
    EXPECT_EQ(Numbers(), "18 19 20");
    // The last page: refilled from the last record, beep.
    EXPECT_EQ(LX_ScrollPageDown(0), 0);
    EXPECT_EQ(Numbers(), "20");
    EXPECT_EQ(LX_ScrollPageDown(0), 0);
    EXPECT_EQ(Numbers(), "20");

    ASSERT_EQ(LX_NaplnRadky(0, 13), 1);
    EXPECT_EQ(LX_ScrollPageUp(0), 1);
    EXPECT_EQ(Numbers(), "8 9 11 12");
    EXPECT_EQ(LX_ScrollPageUp(0), 1);
    EXPECT_EQ(Numbers(), "4 5 6 7");
    // Near the start: refilled from record 1, beep.
    EXPECT_EQ(LX_ScrollPageUp(0), 0);
    EXPECT_EQ(Numbers(), "1 2 3 4");

    EXPECT_EQ(LX_ScrollTrack(0, 500), 1);
    EXPECT_EQ(Numbers(), "20");
    EXPECT_EQ(LX_ScrollTrack(0, 10), 1);
    EXPECT_EQ(Numbers(), "11 12 13 14");
}

TEST_F(LexTest, ResizingCutsOrFillsTheList)
{
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Numbered(8)), 0, 0, 3), 1);
    ASSERT_EQ(LX_NaplnRadky(0, 2), 1);
    LX_ResizeList(0, 5);
    EXPECT_EQ(Numbers(), "2 3 4 5 6");
    LX_ResizeList(0, 2);
    EXPECT_EQ(Numbers(), "2 3");
    LX_ResizeList(0, 99);
    EXPECT_EQ(datawindow[0].lx_listbox_lines, LX_MAX_LINES);
    EXPECT_EQ(Numbers(), "2 3 4 5 6 7 8");
}

TEST_F(LexTest, HebrewKeywordsAreReversedForDisplay)
{
    modwriter::LexiconModule m;
    m.language = 1;
    m.collation.letters = {"a", "b", "g"};
    m.collation.joins_next = {false, false, false};
    modwriter::LexEntry e;
    e.keyword = "abg";
    m.entries = {e};
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    ASSERT_EQ(LX_NaplnRadky(0, 1), 1);
    EXPECT_EQ(Lines(), "gba");
}

TEST_F(LexTest, PatternHistoryKeepsEachPatternOnce)
{
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Numbered(3))), 1);
    DATAWINDOW& w = datawindow[0];
    EXPECT_EQ(LX_AddPatternToHistory(0, "abc"), 1);
    EXPECT_EQ(LX_AddPatternToHistory(0, "def"), 1);
    EXPECT_EQ(LX_AddPatternToHistory(0, "abc"), 0);
    EXPECT_EQ(w.lx_patt_hist_count, 2);
    EXPECT_STREQ(w.lx_patt_hist[0].pattern, "def");
    EXPECT_STREQ(w.lx_patt_hist[1].pattern, "abc");
    for (int k = 0; k < 30; ++k) LX_AddPatternToHistory(0, ("p" + std::to_string(k)).c_str());
    EXPECT_EQ(w.lx_patt_hist_count, 20);
    EXPECT_STREQ(w.lx_patt_hist[0].pattern, "p29");
    EXPECT_STREQ(w.lx_patt_hist[19].pattern, "p10");
    LX_AddPatternToHistory(0, std::string(100, 'x').c_str());
    EXPECT_EQ(std::strlen(w.lx_patt_hist[0].pattern), 63u);
    // The drop-down shows only the patterns of the lexicon's language.
    w.lx_patt_hist[1].type = 2;
    const PATT_HIST* shown[LX_HISTORY];
    EXPECT_EQ(LX_HistoryForCombo(0, shown), 19);
    EXPECT_EQ(shown[1], &w.lx_patt_hist[2]);
}

TEST_F(LexTest, StatusTextShowsThePlaceInTheFilter)
{
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Numbered(12)), 0, 0, 3), 1);
    char text[128];
    EXPECT_EQ(LX_StatusText(0, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    ASSERT_EQ(LX_NaplnRadky(0, 7), 1);
    EXPECT_EQ(LX_StatusText(0, text, sizeof text), 1);
    EXPECT_STREQ(text, "7/12 [NUM] 7/12");
    SetFilter(0, {2, 7, 9});
    EXPECT_EQ(LX_StatusText(0, text, sizeof text), 1);
    EXPECT_STREQ(text, "2/3 [NUM] 7/12");
    LX_ClearFilter(0);
    EXPECT_EQ(datawindow[0].lx_filter_hits, 12);
    EXPECT_EQ(LX_GetOrderOfRecordFromFilter(0, 12), 12);
}
