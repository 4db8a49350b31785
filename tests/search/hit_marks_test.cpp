// Marks of search hits in verse and article text: which bytes a search's
// marks enclose for each kind of search, and the limits of the marking.
#include <cstring>
#include <string>

#include "books/hit_marks.h"
#include "lex/lex_hits.h"
#include "search/search_fixture.h"

using testsearch::SearchTest;
using testsearch::Spec;

namespace {

std::vector<Spec> Bible()
{
    return {
        {"OTGen", "Genesis", "Gen",
         {{"In the beginning God created the heaven and the earth.", "hate and love|RRNTJohn:3:16|Rr",
           "God is Love, and love is kind|RH2424|Rh|RG2424|Rg."}}},
        {"NTJohn", "John", "Joh",
         {{"For God so loved|RG25|Rg the world|RG2889|Rg", "see|RRNTJohn:3:16|Rr|RRNTRev:1:1|Rr|RROTGen:1:2|Rr"}}},
    };
}

class HitMarksTest : public SearchTest {
protected:
    // The text after the marking of the last search for window 0.
    static std::string Marked(const std::string& text)
    {
        std::memset(g_book_record.buffer, 0, 64);
        std::memcpy(g_book_record.buffer, text.c_str(), text.size() + 1);
        BK_SelectHits(0);
        return g_book_record.buffer;
    }
    void Strong(int language, int number, int by_word, const char* pattern = "")
    {
        search_in.str_language = language;
        search_in.str_number = number;
        search_in.str_type = by_word;
        SEARCH_SetTypedPattern(pattern);
        ASSERT_EQ(SEARCH_BookStrong(), SEARCH_NEW_HITS);
    }
};

TEST_F(HitMarksTest, TextSearchMarksWordsPhrasesAndKeepsTags)
{
    Open(testsearch::Build(Bible()));
    // Any word, not case-sensitive: every occurrence, the tags untouched.
    Text("LOVE hate", 0);
    EXPECT_EQ(Marked("hate and love|RRNTJohn:3:16|Rr"), "|SShate|Ss and |SSlove|Ss|RRNTJohn:3:16|Rr");
    EXPECT_EQ(Marked("God is Love, and love is kind"), "God is |SSLove|Ss, and |SSlove|Ss is kind");
    // Case-sensitive: only the same spelling.
    search_in.case_sensitive = 1;
    Text("Love", 1);
    EXPECT_EQ(Marked("God is Love, and love is kind"), "God is |SSLove|Ss, and love is kind");
    search_in.case_sensitive = 0;
    // Words match at word starts only; a trailing star marks what it matched.
    Text("ove", 1);
    EXPECT_EQ(Marked("love"), "love");
    // A phrase across a tag: the tag bytes are masked, the marks enclose it.
    ASSERT_EQ(Text("loved*the world", 2).result, SEARCH_NEW_HITS);
    EXPECT_EQ(Marked("For God so loved|RG25|Rg the world|RG2889|Rg"),
              "For God so |SSloved|RG25|Rg the world|Ss|RG2889|Rg");
    // Two words that match the same bytes give one span, never nested marks.
    Text("love lov*", 0);
    EXPECT_EQ(Marked("a love b"), "a |SSlove|Ss b");
}

TEST_F(HitMarksTest, AtMost128MarksAndNoneWhenTheVerseIsFull)
{
    Open(testsearch::Build(Bible()));
    Text("love", 1);
    std::string many;
    for (int i = 0; i < 200; ++i) many += "love ";
    const std::string marked = Marked(many);
    std::size_t n = 0;
    for (std::size_t p = marked.find("|SS"); p != std::string::npos; p = marked.find("|SS", p + 1)) ++n;
    EXPECT_EQ(n, 128u);
    EXPECT_EQ(marked.size(), many.size() + 128 * 6);
    EXPECT_EQ(marked.substr(0, 14), "|SSlove|Ss |SS");
    EXPECT_EQ(marked.substr(marked.size() - 10), "love love ");

    // 127994 + 6 = 128000 > 127999: no room for a pair.
    std::string full(127994, 'x');
    full.replace(0, 4, "love");
    EXPECT_EQ(Marked(full), full);
    std::string fits(127993, 'x');
    fits.replace(0, 5, "love ");
    EXPECT_EQ(Marked(fits).substr(0, 12), "|SSlove|Ss x");
}

TEST_F(HitMarksTest, StrongNumbersMarkWholeTagsOfTheirLanguage)
{
    Open(testsearch::Build(Bible()));
    Strong(2, 2424, 0);
    EXPECT_EQ(Marked("kind|RH2424|Rh|RG2424|Rg."), "kind|RH2424|Rh|SS|RG2424|Rg|Ss.");
    Strong(1, 2424, 0);
    EXPECT_EQ(Marked("kind|RH2424|Rh|RG2424|Rg."), "kind|SS|RH2424|Rh|Ss|RG2424|Rg.");
    // By word: the word that matches, to its end, before its tag.
    Strong(2, 0, 1, "lov*");
    EXPECT_EQ(Marked("For God so loved|RG25|Rg the world"), "For God so |SSloved|Ss|RG25|Rg the world");
}

TEST_F(HitMarksTest, ReferencesInsideTheRangeOfBooksTheModuleHas)
{
    Open(testsearch::Build(Bible()));
    search_in.ref_hist_count = 1;
    std::strcpy(search_in.ref_hist[0].ref_syncname_from, "NTJohn");
    std::strcpy(search_in.ref_hist[0].ref_syncname_to, "NTRev");
    search_in.ref_hist[0].ref_bp_from = BOOK_POSITION{0, 2, 1, 1};
    search_in.ref_hist[0].ref_bp_to = BOOK_POSITION{0, 2, 99, 99};
    std::strcpy(search_in.ref_hist[0].ref_syncname_to, "NTJohn");
    ASSERT_EQ(SEARCH_BookReference(0), SEARCH_NEW_HITS);
    // John 3:16 is inside; Revelation is not a book of the module; Genesis
    // is outside the range.
    EXPECT_EQ(Marked("see|RRNTJohn:3:16|Rr|RRNTRev:1:1|Rr|RROTGen:1:2|Rr"),
              "see|SS|RRNTJohn:3:16|Rr|Ss|RRNTRev:1:1|Rr|RROTGen:1:2|Rr");
    EXPECT_EQ(search_out_bk.ref_bp_from.number, 0);
}

TEST_F(HitMarksTest, HebrewWithoutVowelsMarksTheWholePointedWord)
{
    // Reading order in the module; the pattern box holds display order.
    std::vector<Spec> hebrew = {{"OTGen", "Genesis", "Gen", {{"AB\xa1" "C\xa2 D\xa3" "EF", "X"}}}};
    Open(testsearch::Build(hebrew, 1, 0));
    search_in.type = 1;
    search_in.ignore_vowels = 1;
    ASSERT_EQ(Text("CBA", 1).result, SEARCH_NEW_HITS);
    EXPECT_EQ(Marked("AB\xa1" "C\xa2 D\xa3" "EF"), "|SSAB\xa1" "C\xa2|Ss D\xa3" "EF");
    // A phrase across the vowel of the next word.
    ASSERT_EQ(Text("ED C", 2).result, SEARCH_NEW_HITS);
    EXPECT_EQ(Marked("AB\xa1" "C\xa2 D\xa3" "EF"), "AB\xa1|SSC\xa2 D\xa3" "E|SsF");
    // With the vowels: the pointed word as it stands.
    search_in.ignore_vowels = 0;
    ASSERT_EQ(Text("\xa2" "C\xa1" "BA", 1).result, SEARCH_NEW_HITS);
    EXPECT_EQ(Marked("AB\xa1" "C\xa2 D\xa3" "EF"), "|SSAB\xa1" "C\xa2|Ss D\xa3" "EF");
}

TEST_F(HitMarksTest, LexiconArticlesMarkTheSearchedScriptOnly)
{
    ResetGlobalRecords();
    status.num_windows = 1;
    DATAWINDOW& w = datawindow[0];
    w.type = MODULE_LEXICON;
    SEARCH_OUT_LX& o = w.search_out_lx;
    o.hit_verses = 1;
    o.tab = 0;
    o.type = 0;
    o.search_for = 1;
    o.subpatterns = 1;
    std::strcpy(o.subpattern[0], "love");
    std::strcpy(o.pattern, "love");
    char text[64] = "love|RG25|Rg and love";
    LX_SelectHits(0, text, sizeof text);
    EXPECT_STREQ(text, "|SSlove|Ss|RG25|Rg and |SSlove|Ss");
    // A text that has no room left keeps what fits.
    char small[16] = "love love";
    LX_SelectHits(0, small, sizeof small);
    EXPECT_STREQ(small, "|SSlove|Ss love");
    // Strong's numbers; a search by word marks nothing in articles.
    o.tab = 1;
    o.str_type = 0;
    o.str_language = 2;
    o.str_number = 25;
    char strong[64] = "love|RG25|Rg|RH25|Rh";
    LX_SelectHits(0, strong, sizeof strong);
    EXPECT_STREQ(strong, "love|SS|RG25|Rg|Ss|RH25|Rh");
    o.str_type = 1;
    char by_word[64] = "love|RG25|Rg";
    LX_SelectHits(0, by_word, sizeof by_word);
    EXPECT_STREQ(by_word, "love|RG25|Rg");
    // Nothing found, nothing marked.
    o.tab = 0;
    o.hit_verses = 0;
    char none[64] = "love";
    LX_SelectHits(0, none, sizeof none);
    EXPECT_STREQ(none, "love");
}

} // namespace

namespace {

TEST_F(HitMarksTest, LexiconReferencesResolveInTheWindowTheSearchNames)
{
    Open(testsearch::Build(Bible()));
    status.num_windows = 2;
    DATAWINDOW& lex = datawindow[1];
    lex.type = MODULE_LEXICON;
    SEARCH_OUT_LX& o = lex.search_out_lx;
    o.hit_verses = 1;
    o.tab = 2;
    o.ref_bp_from = BOOK_POSITION{0, 2, 3, 1};
    o.ref_bp_to = BOOK_POSITION{0, 2, 3, 20};
    char text[128] = "see |RRNTJohn:3:16|Rr and |RRNTJohn:4:1|Rr, |RROTGen:3:2|Rr";
    LX_SelectHits(1, text, sizeof text);
    EXPECT_STREQ(text, "see |SS|RRNTJohn:3:16|Rr|Ss and |RRNTJohn:4:1|Rr, |RROTGen:3:2|Rr");
    // Resolved in the lexicon itself, which has no book table: nothing.
    UpdateReferenceColoringParam(1, 1);
    EXPECT_EQ(o.ref_bp_from.number, 1);
    EXPECT_EQ(o.ref_bp_to.number, 1);
    char again[128] = "see |RRNTJohn:3:16|Rr";
    LX_SelectHits(1, again, sizeof again);
    EXPECT_STREQ(again, "see |RRNTJohn:3:16|Rr");
}

} // namespace
