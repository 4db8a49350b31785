// The lookup dispatch over several open lexicons.
#include "lex/lex_fixture.h"
#include "lex/lookup.h"

using namespace testlex;

namespace {

modwriter::LexiconModule Letters(int language, const char* first)
{
    modwriter::LexiconModule m = Numbered(5);
    m.language = language;
    m.entries[0].keyword = first;  // "0..." sorts before "w..."
    m.entries[2].strong = "G0003";
    return m;
}

} // namespace

TEST_F(LexTest, LookupMovesTheLexiconsThatTakePart)
{
    const std::string hebrew = modwriter::BuildLexiconModule(Letters(1, "0a"));
    const std::string greek = modwriter::BuildLexiconModule(Letters(2, "0b"));
    ASSERT_EQ(OpenLexicon(hebrew, 0, 0, 2), 1);
    ASSERT_EQ(OpenLexicon(hebrew, 1, 1, 2), 1);
    ASSERT_EQ(OpenLexicon(greek, 2, 2, 2), 1);
    ASSERT_EQ(OpenLexicon(hebrew, 3, 3, 2), 1);
    for (int v = 0; v < 4; ++v) LX_NaplnRadky(v, 1);
    datawindow[1].sync = 0;      // takes no part in lookups from elsewhere
    datawindow[3].no_jumps = 1;  // does not follow its own lookups
    // A Hebrew word in display order: "w0004" read backwards.
    EXPECT_EQ(LookupWord("4000w", 1, 3), 1);
    EXPECT_EQ(datawindow[0].lx_radek[0].record, 4);
    EXPECT_EQ(datawindow[1].lx_radek[0].record, 1);
    EXPECT_EQ(datawindow[2].lx_radek[0].record, 1);  // Greek
    EXPECT_EQ(datawindow[3].lx_radek[0].record, 1);  // its own lookup
    EXPECT_EQ(datawindow[0].lx_patt_hist_count, 1);
    EXPECT_STREQ(datawindow[0].lx_patt_hist[0].pattern, "4000w");
    EXPECT_EQ(datawindow[0].lx_patt_hist[0].type, 1);
    // The source window takes part unless its no_jumps is set; the filter
    // is cleared first.
    datawindow[1].lx_filter[0] = 1;
    datawindow[1].lx_filter_hits = 4;
    EXPECT_EQ(LookupWord("2000w", 1, 1), 3);
    EXPECT_EQ(datawindow[1].lx_radek[0].record, 2);
    EXPECT_EQ(datawindow[1].lx_filter_hits, 5);
    EXPECT_EQ(datawindow[3].lx_radek[0].record, 2);
    // A Greek word in Greek lexicons only.
    EXPECT_EQ(LookupWord("w0005", 2, 0), 1);
    EXPECT_EQ(datawindow[2].lx_radek[0].record, 5);
    // A Strong's number: every lexicon that takes part, by number.
    EXPECT_EQ(LookupStrong(2, 3, 0), 3);
    EXPECT_EQ(datawindow[0].lx_radek[0].record, 3);
    EXPECT_EQ(datawindow[1].lx_radek[0].record, 2);
    EXPECT_EQ(datawindow[2].lx_radek[0].record, 3);
}
