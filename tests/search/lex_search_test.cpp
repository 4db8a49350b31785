// Text, Strong's number and reference searches of lexicons: the records
// found, the counts and the window's filter.
#include <string>
#include <vector>

#include "lex/lex_fixture.h"
#include "search/book_search.h"
#include "search/lex_search.h"
#include "search/search_request.h"

using testlex::LexTest;

namespace {

modwriter::LexiconModule Entries()
{
    modwriter::LexiconModule m = testlex::Numbered(5);
    m.labels = {{"Meaning", 0}};
    m.books = {modwriter::Book("Genesis", "Gen", "OTGen"), modwriter::Book("John", "Joh", "NTJohn")};
    m.entries[0].body = "love and |TNlove|Tn hate|RG26|Rg";
    m.entries[1].body = "nothing here |RRNTJohn:3:16|Rr";
    m.entries[1].items = {"the LOVE of God"};
    m.entries[2].body = "|THabc|Th grace|RH430|Rh and|RH430|Rh";
    m.entries[3].body = "in the beginning |RROTGen:1:1|Rr";
    m.entries[4].body = "beloved, love one another";
    return m;
}

std::vector<int> Found()
{
    std::vector<int> r;
    const DATAWINDOW& w = datawindow[0];
    for (int i = 0; i < w.lx_records_all; ++i)
        if (w.lx_filter[i] == 0) r.push_back(i + 1);
    return r;
}

class LexSearchTest : public LexTest {
protected:
    void Open()
    {
        ASSERT_EQ(testlex::OpenLexicon(modwriter::BuildLexiconModule(Entries())), 1);
        search_in.datawindow = 0;
        search_in.mode = 1;
        search_in.type = 0;
        search_in.in_lex_results = 0;
    }
    int Text(const char* pattern, int search_for = 1)
    {
        search_in.search_for = search_for;
        SEARCH_SetTypedPattern(pattern);
        return SEARCH_LexText();
    }
};

TEST_F(LexSearchTest, TextInBodiesAndHeaderItems)
{
    Open();
    ASSERT_EQ(Text("love"), 1);
    // Record 1 (twice: the note is text too), record 2 (its header item),
    // record 5 ("beloved" is another word).
    EXPECT_EQ(Found(), (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(datawindow[0].search_out_lx.hit_patterns, 4);
    EXPECT_EQ(datawindow[0].search_out_lx.hit_verses, 3);
    EXPECT_EQ(datawindow[0].lx_filter_hits, 3);
    // Hebrew text inside a Latin search is masked.
    EXPECT_EQ(Text("abc"), 0);
    // Nothing found: the filter of the last search stays.
    EXPECT_EQ(Found(), (std::vector<int>{1, 2, 5}));
    // Within the results.
    search_in.in_lex_results = 1;
    ASSERT_EQ(Text("one"), 1);
    EXPECT_EQ(Found(), (std::vector<int>{5}));
    search_in.in_lex_results = 0;
    ASSERT_EQ(Text("in the", 2), 1);
    EXPECT_EQ(Found(), (std::vector<int>{4}));
}

TEST_F(LexSearchTest, HebrewWordsOnlyInAHebrewSearch)
{
    Open();
    search_in.type = 1;
    search_in.ignore_vowels = 0;
    ASSERT_EQ(Text("cba"), 1);  // typed in display order
    EXPECT_EQ(Found(), (std::vector<int>{3}));
}

TEST_F(LexSearchTest, StrongAndReferenceSearch)
{
    Open();
    search_in.str_type = 0;
    search_in.str_language = 1;
    search_in.str_number = 430;
    ASSERT_EQ(SEARCH_LexStrong(), 1);
    EXPECT_EQ(Found(), (std::vector<int>{3}));
    EXPECT_EQ(datawindow[0].search_out_lx.hit_patterns, 2);
    search_in.ref_bp_from = BOOK_POSITION{0, 2, 1, 1};
    search_in.ref_bp_to = BOOK_POSITION{0, 2, 5, 1};
    std::strcpy(search_in.ref_syncname_from, "NTJohn");
    std::strcpy(search_in.ref_syncname_to, "NTJohn");
    ASSERT_EQ(AddReferenceToHistory(), 1);
    ASSERT_EQ(SEARCH_LexReference(0), 1);
    EXPECT_EQ(Found(), (std::vector<int>{2}));
}

} // namespace
