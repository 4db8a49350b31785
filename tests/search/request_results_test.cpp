// The search request (words of a pattern, histories), the results arrays and
// their sorting, the ranges, and the Strong's tags of verse text.
#include <cstring>
#include <string>
#include <vector>

#include "search/search_fixture.h"
#include "search/strong_tags.h"
#include "text/click_info.h"

using testsearch::SearchTest;
using testsearch::Spec;

namespace {

TEST_F(SearchTest, SubpatternsAreTheWordsBetweenSpaces)
{
    CreateSubpatterns("  a   b ");
    ASSERT_EQ(search_in.subpatterns, 2);
    EXPECT_STREQ(search_in.subpattern[0], "a");
    EXPECT_STREQ(search_in.subpattern[1], "b");
    CreateSubpatterns("1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_EQ(search_in.subpatterns, 10);
    EXPECT_STREQ(search_in.subpattern[9], "10");
    // A word of 64 bytes is dropped, punctuation stays in the word.
    std::string p = std::string(64, 'x') + " love, hate";
    CreateSubpatterns(p.c_str());
    ASSERT_EQ(search_in.subpatterns, 2);
    EXPECT_STREQ(search_in.subpattern[0], "love,");
}

TEST_F(SearchTest, PatternHistory)
{
    search_in.type = 0;
    SEARCH_SetTypedPattern("love");
    AddPatternToHistory(0);
    search_in.type = 2;
    AddPatternToHistory(0);
    EXPECT_EQ(search_in.patt_hist_count, 1);
    EXPECT_EQ(search_in.patt_hist[0].type, 0);
    AddPatternToHistory(2);  // the reference tab adds nothing
    for (int i = 0; i < 50; ++i) {
        SEARCH_SetTypedPattern(std::to_string(i).c_str());
        AddPatternToHistory(0);
    }
    EXPECT_EQ(search_in.patt_hist_count, 50);
    EXPECT_STREQ(search_in.patt_hist[0].pattern, "49");
    EXPECT_STREQ(search_in.patt_hist[49].pattern, "0");  // "love" fell out
    search_in.str_language = 2;
    search_in.str_type = 0;
    SEARCH_SetTypedPattern("G26");
    AddPatternToHistory(1);
    EXPECT_EQ(search_in.patt_hist[0].type, 2);
    EXPECT_EQ(search_in.patt_hist[0].str_type, 0);
}

TEST_F(SearchTest, TypedPatternIsCutAt63Bytes)
{
    std::string long_pattern(100, 'a');
    SEARCH_SetTypedPattern(long_pattern.c_str());
    EXPECT_EQ(std::strlen(search_in.pattern), 63u);
    EXPECT_STREQ(search_in.zaloha_patternu, search_in.pattern);
}

TEST_F(SearchTest, RightClickPreparesTheRequestOfWhatWasClicked)
{
    RTFCLICK click{};
    SEARCH_PrepareFromClick(click, "In the beginning", 0, 238);
    EXPECT_EQ(search_in.tab, 0);
    EXPECT_EQ(search_in.str_type, 1);
    EXPECT_EQ(search_in.type, 0);
    EXPECT_EQ(search_in.charset, 238);
    EXPECT_STREQ(search_in.pattern, "In the beginning");
    EXPECT_STREQ(search_in.zaloha_patternu, "In the beginning");

    SEARCH_PrepareFromClick(click, std::string(80, 'x').c_str(), 2, 161);
    EXPECT_EQ(search_in.type, 2);
    EXPECT_EQ(search_in.charset, 0);
    EXPECT_EQ(std::strlen(search_in.pattern), 63u);

    click.flag_strong = 1;
    click.out_strong_language = 2;
    click.out_strong_number = 26;
    SEARCH_PrepareFromClick(click, "G26", 0, 0);
    EXPECT_EQ(search_in.tab, 1);
    EXPECT_EQ(search_in.str_type, 0);
    EXPECT_EQ(search_in.str_language, 2);
    EXPECT_EQ(search_in.str_number, 26);
    EXPECT_STREQ(search_in.pattern, "26");

    click = RTFCLICK{};
    click.flag_reference = 1;
    click.out_ref_bp = BOOK_POSITION{0, 43, 3, 16};
    std::strcpy(click.out_ref_syncname, "NTJohn");
    SEARCH_PrepareFromClick(click, "John 3:16", 0, 0);
    EXPECT_EQ(search_in.tab, 2);
    EXPECT_EQ(search_in.ref_bp_from.book, 43);
    EXPECT_EQ(search_in.ref_bp_to.verse, 16);
    EXPECT_STREQ(search_in.ref_syncname_from, "NTJohn");
    EXPECT_STREQ(search_in.ref_syncname_to, "NTJohn");
}

TEST_F(SearchTest, StrongNumberFromTypedText)
{
    int32_t n = 0;
    EXPECT_EQ(SEARCH_ReadStrongNumber("H0430", &n), 1);
    EXPECT_EQ(n, 430);
    EXPECT_EQ(SEARCH_ReadStrongNumber("G 3056", &n), 1);
    EXPECT_EQ(n, 3056);
    EXPECT_EQ(SEARCH_ReadStrongNumber("H", &n), 0);
}

TEST_F(SearchTest, CompactKeepsOrder)
{
    int32_t a[] = {5, 0, 7, 0, 9};
    EXPECT_EQ(CompactResultsArray(a, 5), 3);
    EXPECT_EQ(a[0], 5);
    EXPECT_EQ(a[1], 7);
    EXPECT_EQ(a[2], 9);
}

TEST_F(SearchTest, ResultsArrayGrowsAtThe256thVerse)
{
    ASSERT_EQ(FirstAllocResultsArray(), 1);
    for (int i = 0; i < 255; ++i) {
        SEARCH_StoreHitVerse(100 + i);
        ++search_out_bk.hit_verses;
    }
    EXPECT_EQ(search_out_bk.allocated, 1024);
    SEARCH_StoreHitVerse(1000);
    ++search_out_bk.hit_verses;
    EXPECT_EQ(search_out_bk.allocated, 2048);
    EXPECT_EQ(search_out_bk.results_array[0], 100);
    EXPECT_EQ(search_out_bk.results_array[255], 1000);
}

// The occurrences of the three verses, sorted by each column.
TEST_F(SearchTest, SortingTheOccurrences)
{
    Open(testsearch::Build({{"OTGen", "Genesis", "Gen",
                             {{"zeta|RG5|Rg alpha|RH9|Rh", "beta|RH2|Rh gamma|RG1|Rg", "delta plain"}}}}));
    search_in.str_type = 1;
    search_in.type = 0;
    SEARCH_SetTypedPattern("*a");
    ASSERT_EQ(SEARCH_BookStrong(), SEARCH_NEW_HITS);
    ASSERT_EQ(search_out_bk.hit_patterns, 5);
    status.opt_sort_results_warning = 0;
    auto offsets = [] {
        std::vector<int32_t> v;
        for (int i = 0; i < search_out_bk.hit_patterns; ++i) v.push_back(search_out_bk.ex_results_array[i].off_hit);
        return v;
    };
    ASSERT_EQ(SortExResultsArray(0, 1), 1);
    // Hebrew ascending (alpha H9 after beta H2), then Greek, then none.
    std::vector<int32_t> by_strong = offsets();
    EXPECT_EQ(by_strong[0], 0);   // beta H2
    EXPECT_EQ(by_strong[1], 12);  // alpha H9
    EXPECT_EQ(by_strong[4], 0);   // delta, no number
    ASSERT_EQ(SortExResultsArray(0, 2), 1);
    std::vector<int32_t> by_word = offsets();
    EXPECT_EQ(by_word[0], 12);  // alpha
    EXPECT_EQ(by_word[4], 0);   // zeta
    ASSERT_EQ(SortExResultsArray(0, 0), 1);
    EXPECT_LE(search_out_bk.ex_results_array[0].off_record, search_out_bk.ex_results_array[4].off_record);
}

TEST_F(SearchTest, SortingAsksAboveTheWarningLimit)
{
    Open(testsearch::Build({{"OTGen", "Genesis", "Gen", {{"a|RH1|Rh a|RH1|Rh a|RH1|Rh"}}}}));
    search_in.str_type = 0;
    search_in.str_language = 1;
    search_in.str_number = 1;
    ASSERT_EQ(SEARCH_BookStrong(), SEARCH_NEW_HITS);
    static int asked;
    asked = 0;
    SetMessageBoxHandler([](void*, const char*, const char*, unsigned) {
        ++asked;
        return static_cast<int>(SV_IDNO);
    });
    status.opt_sort_results_warning = 2;
    EXPECT_EQ(SortExResultsArray(0, 0), 0);
    EXPECT_EQ(asked, 1);
    status.opt_sort_results_warning = 0;
    EXPECT_EQ(SortExResultsArray(0, 0), 1);
    EXPECT_EQ(asked, 1);
    SetMessageBoxHandler(testsearch::Silent);
}

TEST_F(SearchTest, StrongTagsOfWords)
{
    const char* text = "word|MGxxxx yyyyy|Mg|RH123|Rh and|TJsaid|RG3004|Rg|Tj";
    int position = static_cast<int>(std::strstr(text, "|RH") - text), length = 0;
    ASSERT_EQ(GetStrongWord(text, &position, &length), 1);
    EXPECT_EQ(std::string(text + position, length), "word");
    position = static_cast<int>(std::strstr(text, "|RG") - text);
    ASSERT_EQ(GetStrongWord(text, &position, &length), 1);
    EXPECT_EQ(std::string(text + position, length), "said");
    position = 0;
    ASSERT_EQ(GetWordNextStrong(text, &position, &length), 1);
    EXPECT_EQ(std::string(text + position, length), "|RH123|Rh");
    position = static_cast<int>(std::strstr(text, "and") - text);
    ASSERT_EQ(GetWordNextStrong(text, &position, &length), 1);  // over the |TJ code
    EXPECT_EQ(std::string(text + position, length), "|RG3004|Rg");
    position = 0;
    EXPECT_EQ(GetWordNextStrong("x and|RH1|Rh", &position, &length), 0);  // a space before any tag
    position = 0;
    EXPECT_EQ(GetStrongWord(" |RH1|Rh", &position, &length), 0);
}

TEST_F(SearchTest, TagWalkNeverPassesTheEnd)
{
    for (const char* text : {"|", "|R", "|RH", "|RH12", "a|R", "|RR|", "||||"}) {
        int n = 0;
        SEARCH_WalkTags(text, 'H', [&](int32_t, const char*, int) { ++n; });
        SEARCH_WalkTags(text, 'R', [&](int32_t, const char*, int) { ++n; });
        EXPECT_LE(n, 2) << text;
    }
    EXPECT_EQ(SEARCH_TagNumber("99999999999999", 14), 2147483647);
    EXPECT_EQ(SEARCH_TagNumber(" +26x", 5), 26);
}

std::vector<Spec> ThreeBooks(bool with_exodus)
{
    std::vector<Spec> books = {{"OTGen", "Genesis", "Gen", {{"a", "b"}, {"c", "d", "e"}}}};
    if (with_exodus) books.push_back({"OTExod", "Exodus", "Exo", {{"f"}, {"g", "h"}}});
    books.push_back({"NTMatt", "Matthew", "Mat", {{"i", "j"}}});
    return books;
}

TEST_F(SearchTest, RangeRows)
{
    Open(testsearch::Build(ThreeBooks(true)));
    char rows[SEARCH_RANGES][SEARCH_RANGE_ROW];
    ASSERT_EQ(SEARCH_FillRangeRows(0, rows, SEARCH_RANGES), 3);
    EXPECT_STREQ(rows[0], "ALL [Gen 1:1 - Mat 1:2]");
    EXPECT_STREQ(rows[1], "OT [Gen 1:1 - Exo 2:2]");
    EXPECT_STREQ(rows[2], "NT [Mat 1:1 - Mat 1:2]");
    ASSERT_EQ(SEARCH_AddUserRange(BOOK_POSITION{0, 1, 1, 1}, BOOK_POSITION{0, 2, 2, 2}), 3);
    ASSERT_EQ(SEARCH_FillRangeRows(0, rows, SEARCH_RANGES), 4);
    EXPECT_STREQ(rows[3], "Gen 1:1 - Exo 2:2");
    EXPECT_EQ(SEARCH_RangeRow(3), 3);
    // Beyond the last verse of its chapter: not listed.
    SEARCH_AddUserRange(BOOK_POSITION{0, 1, 1, 1}, BOOK_POSITION{0, 1, 2, 4});
    EXPECT_EQ(SEARCH_FillRangeRows(0, rows, SEARCH_RANGES), 4);

    // A module without Exodus does not list the range; an NT-only module
    // has no OT row.
    Open(testsearch::Build(ThreeBooks(false)));
    EXPECT_EQ(SEARCH_FillRangeRows(0, rows, SEARCH_RANGES), 3);
    Open(testsearch::Build({{"NTMatt", "Matthew", "Mat", {{"i", "j"}}}}));
    ASSERT_EQ(SEARCH_FillRangeRows(0, rows, SEARCH_RANGES), 2);
    EXPECT_EQ(search_in.combo_ranges_index[1], 2);
    EXPECT_EQ(SEARCH_FillRangeRows(-1, rows, SEARCH_RANGES), 1);
    EXPECT_STREQ(rows[0], "ALL RESULTS");
}

TEST_F(SearchTest, UserRangesFormARing)
{
    Open(testsearch::Build(ThreeBooks(true)));
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(SEARCH_AddUserRange(BOOK_POSITION{0, 1, 1, 1}, BOOK_POSITION{0, 1, 1, 1 + (i % 2)}), 3 + i);
    EXPECT_EQ(SEARCH_AddUserRange(BOOK_POSITION{0, 2, 1, 1}, BOOK_POSITION{0, 2, 2, 1}), 3);
    EXPECT_EQ(search_in.range_last, 3);
    EXPECT_EQ(SEARCH_AddUserRange(BOOK_POSITION{0, 2, 1, 1}, BOOK_POSITION{0, 2, 2, 2}), 4);
    EXPECT_EQ(SEARCH_FillRangeRows(0, nullptr, 0), 20);
}

} // namespace
