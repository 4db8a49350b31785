// The rows of the results list: columns by kind of search, the row count,
// and what a row shows.
#include <cstring>
#include <string>
#include <vector>

#include "search/results_list.h"
#include "search/search_fixture.h"

using testsearch::SearchTest;
using testsearch::Spec;

namespace {

std::vector<Spec> Bible()
{
    return {
        {"OTGen", "Genesis", "Gen", {{"In the beginning God|RH430|Rh created|RH1254|Rh the heaven, see |RRNTJohn:3:16|Rr."}}},
        {"NTJohn", "John", "Joh",
         {{"For God|RG2316|Rg so loved|RG25|Rg the world", "let us love|RG25|Rg one another|RG240|Rg",
           "he that loveth|MGV-PAP-NSM|Mg|RG25|Rg not"}}},
    };
}

TEST_F(SearchTest, ResultListColumnsFollowTheKindOfSearch)
{
    SEARCH_LIST_COLUMN c[4];
    search_out_bk.tab = 0;
    ASSERT_EQ(SEARCH_ResultColumns(c), 2);
    EXPECT_EQ(c[0].string_id, 10043);
    EXPECT_EQ(c[1].width, 5000);
    search_out_bk.tab = 1;
    search_out_bk.str_type = 0;
    ASSERT_EQ(SEARCH_ResultColumns(c), 3);
    EXPECT_EQ(c[1].string_id, 10088);
    EXPECT_EQ(SEARCH_SortModeOfColumn(0), 0);
    EXPECT_EQ(SEARCH_SortModeOfColumn(1), 2);
    EXPECT_EQ(SEARCH_SortModeOfColumn(2), -1);  // Preview sorts nothing
    search_out_bk.str_type = 1;
    ASSERT_EQ(SEARCH_ResultColumns(c), 4);
    EXPECT_EQ(c[2].string_id, 10096);
    EXPECT_EQ(c[2].width, 60);
    EXPECT_EQ(SEARCH_SortModeOfColumn(1), 2);
    EXPECT_EQ(SEARCH_SortModeOfColumn(2), 1);
    EXPECT_EQ(SEARCH_SortModeOfColumn(3), -1);
    search_out_bk.tab = 2;
    EXPECT_EQ(SEARCH_SortModeOfColumn(0), -1);
    // Without results there are no rows, whatever the counts say.
    search_out_bk.hit_verses = 3;
    EXPECT_EQ(SEARCH_ResultRowCount(), 0);
    SEARCH_RESULT_ROW r;
    EXPECT_EQ(SEARCH_ResultRow(0, &r), 0);
}

TEST_F(SearchTest, ResultRowsOfAStrongsNumberSearch)
{
    Open(testsearch::Build(Bible()));
    search_in.str_type = 0;
    search_in.str_language = 2;
    search_in.str_number = 25;
    ASSERT_EQ(SEARCH_BookStrong(), SEARCH_NEW_HITS);
    ASSERT_EQ(SEARCH_ResultRowCount(), 3);
    EXPECT_EQ(search_out_bk.hit_verses, 3);
    SEARCH_RESULT_ROW r;
    ASSERT_EQ(SEARCH_ResultRow(0, &r), 1);
    EXPECT_STREQ(r.label, "John 1:1");
    EXPECT_STREQ(r.word, "loved");
    EXPECT_STREQ(r.preview, "For God so loved the world");
    ASSERT_EQ(SEARCH_ResultRow(2, &r), 1);
    EXPECT_STREQ(r.word, "loveth");  // the morphology code is not the word
    EXPECT_EQ(SEARCH_ResultRow(3, &r), 0);
    EXPECT_EQ(SEARCH_ResultVerseIndex(2), 2);
    EXPECT_EQ(SEARCH_ResultRowRecord(1), search_out_bk.results_array[1]);
}

TEST_F(SearchTest, ResultRowsOfAWordSearchShowTheStrongsNumberAfterTheWord)
{
    Open(testsearch::Build(Bible()));
    search_in.str_type = 1;
    SEARCH_SetTypedPattern("god");
    ASSERT_EQ(SEARCH_BookStrong(), SEARCH_NEW_HITS);
    ASSERT_EQ(SEARCH_ResultRowCount(), 2);
    SEARCH_RESULT_ROW r;
    ASSERT_EQ(SEARCH_ResultRow(0, &r), 1);
    EXPECT_STREQ(r.word, "God");
    EXPECT_STREQ(r.strong, "H430");
    EXPECT_STREQ(r.label, "Genesis 1:1");
    ASSERT_EQ(SEARCH_ResultRow(1, &r), 1);
    EXPECT_STREQ(r.strong, "G2316");
    // The verse of an occurrence in the list of verses.
    EXPECT_EQ(SEARCH_ResultVerseIndex(1), 1);
}

TEST_F(SearchTest, ResultRowsOfHebrewAreReversedForDisplay)
{
    Open(testsearch::Build({{"OTGen", "Bereshit", "Ber", {{"abc def", "xyz"}}}}, 1, 0));
    search_in.type = 1;
    ASSERT_EQ(Text("fed").hit_verses, 1);  // typed in display order
    SEARCH_RESULT_ROW r;
    ASSERT_EQ(SEARCH_ResultRow(0, &r), 1);
    EXPECT_EQ(r.script, 1);
    EXPECT_STREQ(r.preview, "fed cba");
    EXPECT_EQ(r.label[0] != ' ', true);
}

int g_steps = 0;

TEST_F(SearchTest, SearchesStepTheProgressBarTenTimesAtMost)
{
    std::vector<std::vector<std::string>> chapters(4);
    for (auto& c : chapters)
        for (int v = 0; v < 10; ++v) c.push_back("the world " + std::to_string(v));
    Open(testsearch::Build({{"OTGen", "Genesis", "Gen", chapters}}));
    g_search_progress = []() { ++g_steps; };
    for (int engine : {SEARCH_ENGINE_IMAGE, SEARCH_ENGINE_RECORDS}) {
        g_steps = 0;
        ASSERT_EQ(Text("the", 1, engine).result, SEARCH_NEW_HITS);
        EXPECT_GT(g_steps, 0) << engine;
        EXPECT_LE(g_steps, 10) << engine;
        // Within the results.
        g_steps = 0;
        search_in.in_results = 1;
        Text("world", 1, engine);
        search_in.in_results = 0;
        EXPECT_GT(g_steps, 0) << engine;
        EXPECT_LE(g_steps, 10) << engine;
    }
    g_search_progress = nullptr;
}

} // namespace
