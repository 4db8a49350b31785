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

namespace {

// Both ways of reading a lexicon give the same filter and counts.
TEST_F(LexSearchTest, ImageAndRecordLoopAgree)
{
    modwriter::LexiconModule m = testlex::Numbered(60);
    m.labels = {{"Meaning", 0}, {"Use", 1}};
    m.books = {modwriter::Book("Genesis", "Gen", "OTGen")};
    static const char* const words[] = {"love", "the", "Love", "loved", "in", "beginning", "|THabc|Th", "|TGlogos|Tg",
                                        "|RH430|Rh", "|RG26|Rg", "|RROTGen:1:1|Rr", "x,y"};
    unsigned seed = 7;
    for (auto& e : m.entries) {
        e.body.clear();
        for (int i = 0; i < 12; ++i) {
            seed = seed * 1103515245u + 12345u;
            e.body += std::string(words[(seed >> 16) % 12]) + " ";
        }
        e.items = {"the love", "in"};
    }
    m.entries[10].deleted = true;
    ASSERT_EQ(testlex::OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    search_in.datawindow = 0;
    search_in.mode = 1;
    auto run = [&](int engine, int (*search)()) {
        g_search_engine = engine;
        const int r = search();
        std::vector<int> out = Found();
        out.push_back(r);
        out.push_back(datawindow[0].search_out_lx.hit_verses);
        out.push_back(datawindow[0].search_out_lx.hit_patterns);
        return out;
    };
    int compared = 0;
    for (const char* p : {"love", "the love", "lov*", "?n", "in the", "abc", "cba", "logos", "", "x,y", "zzz"})
        for (int type = 0; type < 3; ++type)
            for (int search_for = 0; search_for < 3; ++search_for)
                for (int in_results = 0; in_results < 2; ++in_results) {
                    search_in.type = type;
                    search_in.search_for = search_for;
                    search_in.ignore_vowels = 1;
                    search_in.case_sensitive = search_for == 1;
                    // The same starting filter for both.
                    std::vector<char> start(datawindow[0].lx_filter, datawindow[0].lx_filter + 60);
                    search_in.in_lex_results = in_results;
                    SEARCH_SetTypedPattern(p);
                    std::vector<int> records = run(SEARCH_ENGINE_RECORDS, SEARCH_LexText);
                    std::memcpy(datawindow[0].lx_filter, start.data(), start.size());
                    SEARCH_SetTypedPattern(p);
                    std::vector<int> image = run(SEARCH_ENGINE_IMAGE, SEARCH_LexText);
                    ASSERT_EQ(records, image) << p << " " << type << " " << search_for << " " << in_results;
                    ++compared;
                }
    search_in.in_lex_results = 0;
    for (int number : {430, 26, 1}) {
        search_in.str_language = number == 26 ? 2 : 1;
        search_in.str_number = number;
        EXPECT_EQ(run(SEARCH_ENGINE_RECORDS, SEARCH_LexStrong), run(SEARCH_ENGINE_IMAGE, SEARCH_LexStrong));
    }
    g_search_engine = SEARCH_ENGINE_IMAGE;
    EXPECT_EQ(compared, 198);
}

} // namespace
