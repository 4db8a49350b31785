// The searches of book modules: which verses are hits and how often, with
// both engines.
#include <string>
#include <vector>

#include "search/search_fixture.h"
#include "app/data_windows.h"
#include "search/search_image.h"
#include "search/strong_tags.h"

using testsearch::Outcome;
using testsearch::SearchTest;
using testsearch::Spec;

namespace {

std::vector<Spec> Bible()
{
    return {
        {"OTGen", "Genesis", "Gen",
         {{"In the beginning God created the heaven and the earth.", "And the earth was without form.",
           "God is love, and love is kind|RH430|Rh|RH430|Rh."},
          {"within the garden there was|RH430|Rh a tree|RH0430|Rh", "hate and love|RRNTJohn:3:16|Rr"}}},
        {"OTExod", "Exodus", "Exo", {{"aaa", "The LORD spoke|RRNTJohn:3:17|Rr.", "Love not the world|RG26|Rg."}}},
        {"NTMatt", "Matthew", "Mat",
         {{"The book of the generation of Jesus Christ|RG2424|Rg.", "jesus wept|RROTGen:1:1|Rr|RRNTJohn:3:16|Rr"}}},
        {"NTJohn", "John", "Joh",
         {{"In the beginning was the Word|MGN-NSM-----|Mg|RG3056|Rg.", "word|MGxxxx yyyyy|Mg|RH123|Rh end"},
          {"", "", "For God so loved|RG25|Rg the world|RG2889|Rg"}}},
    };
}

class BookSearchTest : public SearchTest, public ::testing::WithParamInterface<int> {};

TEST_P(BookSearchTest, PhraseMatchesAnywhereAndCountsOverlaps)
{
    Open(testsearch::Build(Bible()));
    Outcome o = Text("in the", 2, GetParam());
    // "In the beginning" (twice), "within the garden".
    EXPECT_EQ(o.hit_verses, 3);
    EXPECT_EQ(o.hit_patterns, 3);
    o = Text("aa", 2, GetParam());
    EXPECT_EQ(o.hit_verses, 1);
    EXPECT_EQ(o.hit_patterns, 2);
}

TEST_P(BookSearchTest, AnyAndAllWords)
{
    Open(testsearch::Build(Bible()));
    Outcome any = Text("love hate", 0, GetParam());
    EXPECT_EQ(any.hit_verses, 3);  // Gen 1:3 (2x love), Gen 2:2 (hate, love), Exod 1:3 (Love)
    EXPECT_EQ(any.hit_patterns, 5);
    Outcome all = Text("love hate", 1, GetParam());
    EXPECT_EQ(all.hit_verses, 1);
    EXPECT_EQ(all.hit_patterns, 2);
    // Words match whole words only; wildcards stay within a word.
    EXPECT_EQ(Text("lov*", 1, GetParam()).hit_patterns, 5);  // love x4, loved
    EXPECT_EQ(Text("l?ve", 1, GetParam()).hit_patterns, 4);
    EXPECT_EQ(Text("LORD", 1, GetParam()).hit_verses, 1);
}

TEST_P(BookSearchTest, CaseSensitiveSearch)
{
    Open(testsearch::Build(Bible()));
    search_in.case_sensitive = 1;
    EXPECT_EQ(Text("Love", 1, GetParam()).hit_verses, 1);
    EXPECT_EQ(Text("love", 1, GetParam()).hit_verses, 2);
}

TEST_P(BookSearchTest, MarkupIsNotSearchedButTheTextAroundIs)
{
    Open(testsearch::Build(Bible()));
    EXPECT_EQ(Text("ntjohn", 1, GetParam()).hit_verses, 0);  // inside |RR..|Rr
    EXPECT_EQ(Text("430", 1, GetParam()).hit_verses, 0);
    EXPECT_EQ(Text("nsm", 1, GetParam()).hit_verses, 0);  // inside |MG..|Mg
    Outcome o = Text("word", 1, GetParam());
    EXPECT_EQ(o.hit_verses, 2);  // "Word" before a morphology code, and "word"
    EXPECT_EQ(Text("end", 1, GetParam()).hit_verses, 1);
}

TEST_P(BookSearchTest, EmptyPatternFindsNothing)
{
    Open(testsearch::Build(Bible()));
    for (int f = 0; f < 3; ++f) {
        Outcome o = Text("", f, GetParam());
        EXPECT_EQ(o.result, SEARCH_NO_HIT);
        EXPECT_EQ(o.hit_verses, 0);
    }
    EXPECT_EQ(Text("   ", 1, GetParam()).hit_verses, 0);
}

TEST_P(BookSearchTest, RangeCoversExactlyItsVerses)
{
    Open(testsearch::Build(Bible()));
    search_in.range_last = 1;  // Old Testament: Genesis and Exodus
    EXPECT_EQ(Text("jesus", 1, GetParam()).hit_verses, 0);
    search_in.range_last = 2;
    EXPECT_EQ(Text("jesus", 1, GetParam()).hit_verses, 2);
    // A user range of one verse.
    int index = SEARCH_AddUserRange(BOOK_POSITION{0, 1, 1, 2}, BOOK_POSITION{0, 1, 1, 2});
    ASSERT_GE(index, 3);
    Outcome o = Text("earth", 1, GetParam());
    EXPECT_EQ(o.hit_verses, 1);
    EXPECT_EQ(o.hit_patterns, 1);
}

TEST_P(BookSearchTest, SearchInResultsKeepsOrRestores)
{
    Open(testsearch::Build(Bible()));
    Outcome first = Text("the", 1, GetParam());
    ASSERT_GT(first.hit_verses, 3);
    search_in.in_results = 1;
    Outcome none = Text("zebra", 1, GetParam());
    EXPECT_EQ(none.result, SEARCH_NO_HIT);
    EXPECT_EQ(none.hit_verses, first.hit_verses);
    EXPECT_EQ(none.hit_patterns, first.hit_patterns);
    EXPECT_EQ(none.verses, first.verses);
    Outcome some = Text("beginning", 1, GetParam());
    EXPECT_EQ(some.result, SEARCH_NEW_HITS);
    EXPECT_EQ(some.hit_verses, 2);
    EXPECT_EQ(some.verses[0], first.verses[0]);
    EXPECT_LT(some.verses[0], some.verses[1]);
    // The pattern as typed is back in the request.
    EXPECT_STREQ(search_in.pattern, "beginning");
}

TEST_P(BookSearchTest, StrongNumberSearchCountsTags)
{
    Open(testsearch::Build(Bible()));
    g_search_engine = GetParam();
    search_in.str_type = 0;
    search_in.str_language = 1;
    search_in.str_number = 430;
    Outcome o = testsearch::Capture(SEARCH_BookStrong());
    EXPECT_EQ(o.hit_verses, 2);
    EXPECT_EQ(o.hit_patterns, 4);  // 2 in Gen 1:3, "430" and "0430" in Gen 2:1
    ASSERT_EQ(o.occurrences.size(), 4u);
    EXPECT_EQ(o.occurrences[0].first, o.verses[0]);
    search_in.str_language = 2;
    search_in.str_number = 430;
    EXPECT_EQ(testsearch::Capture(SEARCH_BookStrong()).result, SEARCH_NO_HIT);
    search_in.str_number = 26;
    o = testsearch::Capture(SEARCH_BookStrong());
    EXPECT_EQ(o.hit_verses, 1);
    EXPECT_EQ(o.hit_patterns, 1);
}

TEST_P(BookSearchTest, ReferenceSearch)
{
    Open(testsearch::Build(Bible()));
    g_search_engine = GetParam();
    search_in.ref_bp_from = BOOK_POSITION{0, 4, 3, 16};
    search_in.ref_bp_to = BOOK_POSITION{0, 4, 3, 16};
    std::strcpy(search_in.ref_syncname_from, "NTJohn");
    std::strcpy(search_in.ref_syncname_to, "NTJohn");
    ASSERT_EQ(AddReferenceToHistory(), 1);
    EXPECT_STREQ(search_in.ref_hist[0].string, "John 3:16");
    Outcome o = testsearch::Capture(SEARCH_BookReference(0));
    EXPECT_EQ(o.hit_verses, 2);  // Gen 2:2 and Matt 1:2
    EXPECT_EQ(o.hit_patterns, 2);
    // Adding it again moves it to the top without a new entry.
    std::strcpy(search_in.ref_syncname_from, "OTGen");
    std::strcpy(search_in.ref_syncname_to, "OTGen");
    search_in.ref_bp_from = BOOK_POSITION{0, 1, 1, 1};
    search_in.ref_bp_to = BOOK_POSITION{0, 1, 50, 1};
    ASSERT_EQ(AddReferenceToHistory(), 1);
    EXPECT_EQ(search_in.ref_hist_count, 2);
    search_in.ref_bp_from = BOOK_POSITION{0, 4, 3, 16};
    search_in.ref_bp_to = BOOK_POSITION{0, 4, 3, 16};
    std::strcpy(search_in.ref_syncname_from, "NTJohn");
    std::strcpy(search_in.ref_syncname_to, "NTJohn");
    ASSERT_EQ(AddReferenceToHistory(), 1);
    EXPECT_EQ(search_in.ref_hist_count, 2);
    EXPECT_STREQ(search_in.ref_hist[0].string, "John 3:16");
    o = testsearch::Capture(SEARCH_BookReference(1));
    EXPECT_EQ(o.hit_verses, 1);  // Matt 1:2 into Gen 1:1
}

TEST_P(BookSearchTest, StrongWordSearchRecordsPositions)
{
    Open(testsearch::Build(Bible()));
    g_search_engine = GetParam();
    search_in.str_type = 1;
    search_in.type = 0;
    SEARCH_SetTypedPattern("love");
    Outcome o = testsearch::Capture(SEARCH_BookStrong());
    EXPECT_EQ(o.hit_verses, 3);
    ASSERT_EQ(o.hit_patterns, 4);
    EXPECT_EQ(o.occurrences[0].second, 7);   // "God is love"
    EXPECT_EQ(o.occurrences[1].second, 17);  // ", and love"
}

TEST_P(BookSearchTest, ManyOccurrencesInOneVerseGrowTheArray)
{
    std::string verse;
    for (int i = 0; i < 3000; ++i) verse += "x|RH7|Rh ";
    Open(testsearch::Build({{"OTGen", "Genesis", "Gen", {{verse, verse, "y"}}}}));
    g_search_engine = GetParam();
    search_in.str_type = 0;
    search_in.str_language = 1;
    search_in.str_number = 7;
    Outcome o = testsearch::Capture(SEARCH_BookStrong());
    EXPECT_EQ(o.hit_verses, 2);
    EXPECT_EQ(o.hit_patterns, 6000);
    EXPECT_GE(search_out_bk.ex_allocated, 6000 * 8);
}

TEST_P(BookSearchTest, ManyVersesGrowTheResultsArray)
{
    std::vector<std::string> verses(700, "a word");
    Open(testsearch::Build({{"OTGen", "Genesis", "Gen", {verses}}}));
    Outcome o = Text("word", 1, GetParam());
    EXPECT_EQ(o.hit_verses, 700);
    EXPECT_EQ(search_out_bk.allocated, 3 * 1024);
}

INSTANTIATE_TEST_SUITE_P(Engines, BookSearchTest, ::testing::Values(SEARCH_ENGINE_RECORDS, SEARCH_ENGINE_IMAGE));

TEST_F(SearchTest, ClosingTheModuleDropsItsImage)
{
    Open(testsearch::Build(Bible()));
    Text("love");
    EXPECT_GT(SEARCH_ModuleImageBytes(0), 0u);
    ReleaseModuleFile(0, 0);
    EXPECT_EQ(SEARCH_ModuleImageBytes(0), 0u);
}

TEST_F(SearchTest, ModulePreparedBeforeTheSearchGivesTheSameResults)
{
    Open(testsearch::Build(Bible()));
    EXPECT_EQ(SEARCH_ModuleImageBytes(0), 0u);
    search_in.type = 0;
    search_in.case_sensitive = 0;
    EXPECT_EQ(SEARCH_PrepareModuleImage(0), 1);
    const std::size_t prepared = SEARCH_ModuleImageBytes(0);
    EXPECT_GT(prepared, 0u);
    // The search finds the image ready: nothing more is made for it.
    Outcome ready = Text("love");
    EXPECT_EQ(SEARCH_ModuleImageBytes(0), prepared);
    EXPECT_EQ(ready, Text("love", 1, SEARCH_ENGINE_RECORDS));
    // Not a book window, or the record engine: nothing to prepare.
    EXPECT_EQ(SEARCH_PrepareModuleImage(-1), 0);
    EXPECT_EQ(SEARCH_PrepareModuleImage(MAX_DATAWINDOWS), 0);
    g_search_engine = SEARCH_ENGINE_RECORDS;
    EXPECT_EQ(SEARCH_PrepareModuleImage(0), 0);
    g_search_engine = SEARCH_ENGINE_IMAGE;
}

TEST_F(SearchTest, DamagedModuleIsSearchedRecordByRecord)
{
    std::string bytes = testsearch::Build(Bible());
    // A stray record marker inside a text, and a record cut short.
    std::size_t at = bytes.find("aaa");
    bytes.replace(at, 3, "|S0");
    bytes.resize(bytes.size() - 5);
    Open(bytes);
    Outcome image = Text("the", 1, SEARCH_ENGINE_IMAGE);
    Outcome records = Text("the", 1, SEARCH_ENGINE_RECORDS);
    EXPECT_EQ(image, records);
    EXPECT_EQ(SEARCH_ModuleImageBytes(0), 0u);
}

} // namespace
