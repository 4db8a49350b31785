// The word lists of a dictionary window without the window: filling and
// scrolling in both directions, key search, the filter, "Opposite", the
// history and the splitter ratio.
#include "dic_fixture.h"

using namespace testdic;

namespace {

TEST_F(DicTest, ListsFollowTheDirection)
{
    ASSERT_EQ(OpenDictionary(Build(LatinGreek()), 0, 0, 4), 1);
    ASSERT_EQ(DIC_NaplnRadky(0, 1), 1);
    EXPECT_EQ(Lines(), "amor aqua caelum deus");
    EXPECT_EQ(Numbers(), "1 2 3 4");
    datawindow[0].dic_direction = 1;
    ASSERT_EQ(DIC_NaplnRadky(0, 3), 1);
    EXPECT_EQ(Lines(), "artos gh zwh qeos");
    EXPECT_EQ(Numbers(), "3 4 5 6");
    EXPECT_STREQ(datawindow[0].dic_radek[0].from, "panis");
    EXPECT_EQ(datawindow[0].dic_radek[0].offset, DIC_SearchRecord(0, 7));
    // From near the end: the lines that are left.
    ASSERT_EQ(DIC_NaplnRadky(0, 9), 1);
    EXPECT_EQ(Lines(), "udwr fws");
    EXPECT_EQ(DIC_NaplnRadky(0, 11), 0);
    EXPECT_EQ(Lines(), "udwr fws");
}

TEST_F(DicTest, ScrollingPastBothEnds)
{
    for (int direction = 0; direction < 2; ++direction) {
        SCOPED_TRACE(direction);
        ASSERT_EQ(OpenDictionary(Build(LatinGreek()), 0, 0, 4), 1);
        datawindow[0].dic_direction = direction;
        ASSERT_EQ(DIC_NaplnRadky(0, 1), 1);
        EXPECT_EQ(DIC_ScrollLineUp(0), 0);
        EXPECT_EQ(DIC_ScrollPageUp(0), 0);
        EXPECT_EQ(Numbers(), "1 2 3 4");
        EXPECT_EQ(DIC_ScrollLineDown(0), 1);
        EXPECT_EQ(Numbers(), "2 3 4 5");
        EXPECT_EQ(DIC_ScrollPageDown(0), 1);
        EXPECT_EQ(Numbers(), "6 7 8 9");
        EXPECT_EQ(DIC_ScrollLineDown(0), 1);
        EXPECT_EQ(Numbers(), "7 8 9 10");
        // Past the end the list moves up until one line is left.
        EXPECT_EQ(DIC_ScrollLineDown(0), 1);
        EXPECT_EQ(DIC_ScrollLineDown(0), 1);
        EXPECT_EQ(DIC_ScrollLineDown(0), 1);
        EXPECT_EQ(Numbers(), "10");
        EXPECT_EQ(DIC_ScrollLineDown(0), 0);
        EXPECT_EQ(DIC_ScrollLineUp(0), 1);
        EXPECT_EQ(Numbers(), "9 10");
        EXPECT_EQ(DIC_ScrollPageDown(0), 0);  // refilled from the last one, with a beep
        EXPECT_EQ(Numbers(), "10");
        EXPECT_EQ(DIC_ScrollPageUp(0), 1);
        EXPECT_EQ(Numbers(), "6 7 8 9");
        EXPECT_EQ(DIC_ScrollPageUp(0), 0);  // refilled from the first
        EXPECT_EQ(Numbers(), "1 2 3 4");
        EXPECT_EQ(DIC_ScrollTrack(0, 99), 1);
        EXPECT_EQ(Numbers(), "10");
        DIC_ResizeList(0, 2);
        DIC_ScrollTrack(0, 5);
        DIC_ResizeList(0, 3);
        EXPECT_EQ(Numbers(), "5 6 7");
    }
}

TEST_F(DicTest, KeySearchInBothDirections)
{
    ASSERT_EQ(OpenDictionary(Build(LatinGreek())), 1);
    EXPECT_EQ(DIC_SearchKey(0, "a", 1), 1);
    EXPECT_EQ(DIC_SearchKey(0, "aqua", 1), 2);
    EXPECT_EQ(DIC_SearchKey(0, "b", 1), 3);
    EXPECT_EQ(DIC_SearchKey(0, "l", 1), 6);
    EXPECT_EQ(DIC_SearchKey(0, "zzz", 1), 10);  // greater than all: the last record
    EXPECT_EQ(DIC_SearchKey(0, "a", 4), 4);
    datawindow[0].dic_direction = 1;
    EXPECT_EQ(DIC_SearchKey(0, "a", 1), 1);
    EXPECT_EQ(DIC_SearchKey(0, "q", 1), 6);
    EXPECT_EQ(DIC_SearchKey(0, "zz", 1), 5);  // zeta-omega after zeta-zeta
    EXPECT_EQ(DIC_SearchKey(0, "fws", 1), 10);
    EXPECT_EQ(DIC_SearchKey(0, "ww", 1), 10);
    EXPECT_EQ(DIC_SearchKey(0, "a", 0), 0);
    EXPECT_EQ(DIC_SearchKey(0, "a", 11), 0);

    // Hebrew: keys in reading order, texts reversed before comparing.
    ASSERT_EQ(OpenDictionary(Build(HebrewLatin())), 1);
    EXPECT_EQ(DIC_SearchKey(0, "@E", 1), 2);
    EXPECT_EQ(DIC_SearchKey(0, "B", 1), 4);
    EXPECT_EQ(DIC_SearchKey(0, "N", 1), 7);
    EXPECT_EQ(DIC_SearchKey(0, "M", 1), 7);  // final mem sorts with mem
    EXPECT_EQ(DIC_SearchKey(0, "Z", 1), 8);
    // The window reverses what is typed.
    EXPECT_EQ(DIC_KeySearchFromEdit(0, "C"), 4);
    EXPECT_EQ(Lines(), "XAC MEI MGL MIN MEL[");
    datawindow[0].dic_direction = 1;
    EXPECT_EQ(DIC_KeySearchFromEdit(0, "do"), 3);
    EXPECT_EQ(Lines(), "domus lux panis pater pax");
}

TEST_F(DicTest, KeySearchOnALargeDictionary)
{
    modwriter::DictionaryModule m;
    m.collation_from = LatinLetters();
    m.collation_to = LatinLetters();
    for (int k = 0; k < 2000; ++k) {
        std::string from, to;
        for (int v = k, d = 0; d < 3; ++d, v /= 26) from.insert(from.begin(), static_cast<char>('a' + v % 26));
        to = std::string(from.rbegin(), from.rend());
        m.entries.emplace_back(from, to);
    }
    ASSERT_EQ(OpenDictionary(Build(m)), 1);
    DICRECORD r{};
    for (int k = 1; k <= 2000; k += 37) {
        ASSERT_EQ(DIC_FindRecordAtOrAfter(0, k, &r), 1);
        const std::string key = r.from;
        ASSERT_EQ(DIC_SearchKey(0, key.c_str(), 1), k);
    }
    datawindow[0].dic_direction = 1;
    for (int k = 1; k <= 2000; k += 41) {
        ASSERT_EQ(DIC_ReadIndexRecord(0, k, &r), 1);
        const std::string key = r.to;
        ASSERT_EQ(DIC_SearchKey(0, key.c_str(), 1), k);
    }
}

TEST_F(DicTest, FilterInEachDirection)
{
    ASSERT_EQ(OpenDictionary(Build(LatinGreek()), 0, 0, 4), 1);
    EXPECT_EQ(DIC_FilterFromEdit(0, "er"), 2);  // terra, verbum
    EXPECT_EQ(datawindow[0].dic_filter_hits, 2);
    EXPECT_EQ(Lines(), "terra verbum");
    EXPECT_EQ(DIC_GetValidRecordFromFilter(0, 1, 0), 8);
    EXPECT_EQ(DIC_GetOrderOfRecordFromFilter(0, 9), 2);
    // Nothing matches: the list stays, the count is 0.
    EXPECT_EQ(DIC_FilterFromEdit(0, "qq"), 0);
    EXPECT_EQ(datawindow[0].dic_filter_hits, 0);
    EXPECT_EQ(Lines(), "terra verbum");
    DIC_Reload(0);
    EXPECT_EQ(datawindow[0].dic_filter_hits, 10);
    EXPECT_EQ(Lines(), "amor aqua caelum deus");

    // Direction 1: Greek texts, bytes by index position; wildcards.
    datawindow[0].dic_direction = 1;
    EXPECT_EQ(DIC_FilterFromEdit(0, "o?"), 5);  // anqrwpos, artos, qeos, logos, ouranos
    EXPECT_EQ(Lines(), "anqrwpos artos qeos logos");
    EXPECT_EQ(DIC_ScrollLineDown(0), 1);
    EXPECT_EQ(Numbers(), "3 6 7 8");
    // "Opposite" clears it.
    DIC_Opposite(0);
    EXPECT_EQ(datawindow[0].dic_filter_hits, 10);
    EXPECT_EQ(datawindow[0].dic_direction, 0);

    // Hebrew as typed, in display order; vowel points ignored.
    ASSERT_EQ(OpenDictionary(Build(HebrewLatin()), 0, 0, 4), 1);
    EXPECT_EQ(DIC_FilterFromEdit(0, "ME"), 2);  // MEI, MEL[
    EXPECT_EQ(Lines(), "MEI MEL[");
    EXPECT_EQ(DIC_FilterFromEdit(0, "M\xA1" "E"), 2);
    status.opt_dic_key_ignore_vowels = 0;
    EXPECT_EQ(DIC_FilterFromEdit(0, "M\xA1" "E"), 0);
}

TEST_F(DicTest, OppositeKeepsTheTopWord)
{
    ASSERT_EQ(OpenDictionary(Build(LatinGreek()), 0, 0, 3), 1);
    DATAWINDOW& w = datawindow[0];
    DIC_SetListWidths(0, 500);
    EXPECT_EQ(w.dic_lb_width_from, 221);
    EXPECT_EQ(w.dic_lb_width_to, 221);
    DIC_SetSplit(0, 150, 500);
    const int from_width = w.dic_lb_width_from, to_width = w.dic_lb_width_to;
    EXPECT_EQ(w.dic_lb_from_ratio, 33);  // 147 of 443
    EXPECT_EQ(w.dic_lb_width_to, 296);
    ASSERT_EQ(DIC_KeySearchFromEdit(0, "deus"), 4);
    EXPECT_EQ(DIC_Opposite(0), 6);
    EXPECT_EQ(w.dic_direction, 1);
    EXPECT_EQ(Lines(), "qeos logos ouranos");
    EXPECT_EQ(w.dic_lb_width_from, to_width);
    EXPECT_EQ(w.dic_lb_width_to, from_width);
    EXPECT_EQ(w.dic_lb_from_ratio, 67);
    EXPECT_EQ(DIC_Opposite(0), 4);
    EXPECT_EQ(w.dic_direction, 0);
    EXPECT_EQ(Lines(), "deus homo lux");
    EXPECT_EQ(w.dic_lb_width_from, from_width);
    EXPECT_EQ(w.dic_lb_width_to, to_width);

    // Hebrew on the other side: the Latin word is found, then the Hebrew one.
    ASSERT_EQ(OpenDictionary(Build(HebrewLatin()), 0, 0, 2), 1);
    ASSERT_EQ(DIC_KeySearchFromEdit(0, "MGL"), 6);  // typed in display order
    EXPECT_EQ(DIC_Opposite(0), 5);
    EXPECT_EQ(Lines(), "panis pater");
    EXPECT_EQ(DIC_Opposite(0), 6);
    EXPECT_EQ(Lines(), "MGL MIN");
}

TEST_F(DicTest, HistoryByDirection)
{
    ASSERT_EQ(OpenDictionary(Build(LatinGreek())), 1);
    EXPECT_EQ(DIC_AddPatternToHistory(0, "lux"), 1);
    datawindow[0].dic_direction = 1;
    EXPECT_EQ(DIC_AddPatternToHistory(0, "fws"), 1);
    EXPECT_EQ(DIC_AddPatternToHistory(0, "fws"), 0);
    const PATT_HIST* shown[DIC_HISTORY];
    ASSERT_EQ(DIC_HistoryForCombo(0, shown), 1);
    EXPECT_STREQ(shown[0]->pattern, "fws");
    datawindow[0].dic_direction = 0;
    ASSERT_EQ(DIC_HistoryForCombo(0, shown), 1);
    EXPECT_STREQ(shown[0]->pattern, "lux");
    for (int k = 0; k < 50; ++k) DIC_AddPatternToHistory(0, ("p" + std::to_string(k)).c_str());
    EXPECT_EQ(datawindow[0].dic_patt_hist_count, 40);
    ASSERT_EQ(DIC_HistoryForCombo(0, shown), 40);
    EXPECT_STREQ(shown[0]->pattern, "p49");
    EXPECT_STREQ(shown[39]->pattern, "p10");
}

TEST_F(DicTest, StatusTextAndTopNumber)
{
    ASSERT_EQ(OpenDictionary(Build(LatinGreek())), 1);
    char text[128];
    EXPECT_EQ(DIC_StatusText(0, text, sizeof text), 0);
    DIC_NaplnRadky(0, 3);
    EXPECT_EQ(DIC_TopNumber(0), 3);
    ASSERT_EQ(DIC_StatusText(0, text, sizeof text), 1);
    EXPECT_STREQ(text, "3/10 [LAGR] 3/10");
    DIC_FilterFromEdit(0, "er");
    ASSERT_EQ(DIC_StatusText(0, text, sizeof text), 1);
    EXPECT_STREQ(text, "1/2 [LAGR] 8/10");
}

TEST_F(DicTest, BrokenIndexPositionsAreSkipped)
{
    std::vector<modwriter::DicPlace> places;
    modwriter::DictionaryModule m = LatinGreek();
    Build(m, &places);
    std::vector<int32_t> index(10);
    for (const auto& p : places) index[static_cast<std::size_t>(p.opposite - 1)] = p.offset;
    index[1] = 7;
    index[5] = places[2].offset + 3;
    m.index_override = index;
    ASSERT_EQ(OpenDictionary(Build(m), 0, 0, 4), 1);
    datawindow[0].dic_direction = 1;
    ASSERT_EQ(DIC_NaplnRadky(0, 1), 1);
    EXPECT_EQ(Numbers(), "1 3 4 5");
    EXPECT_EQ(DIC_ScrollLineDown(0), 1);
    EXPECT_EQ(Numbers(), "3 4 5 7");
    EXPECT_EQ(DIC_SearchKey(0, "q", 1), 7);  // the theta word's entry is broken
    EXPECT_EQ(DIC_FilterFromEdit(0, "o"), 3);  // artos, logos, ouranos
}

} // namespace
