// Key search, the substring filter and the module writer's checks.
#include <string>

#include "lex/lex_fixture.h"
#include "text/collation.h"

using namespace testlex;

namespace {

modwriter::Collation Latin()
{
    modwriter::Collation c;
    for (const char* l : {"a", "b", "c", "ch", "d", "e", "f", "g", "h", "i", "k", "l", "m", "n", "o", "p", "r", "s",
                          "t", "u", "v", "w", "y", "z"}) {
        c.letters.push_back(l);
        c.joins_next.push_back(false);
    }
    return c;
}

modwriter::LexiconModule Words(const std::vector<std::string>& words, std::vector<int> deleted = {})
{
    modwriter::LexiconModule m;
    m.info = {{"IA", "W"}, {"IT", "Words"}};
    m.collation = Latin();
    for (std::size_t k = 0; k < words.size(); ++k) {
        modwriter::LexEntry e;
        e.keyword = words[k];
        e.body = "about " + words[k];
        for (int d : deleted)
            if (d == static_cast<int>(k + 1)) e.deleted = true;
        m.entries.push_back(e);
    }
    return m;
}

} // namespace

TEST_F(LexTest, KeySearchIsALowerBoundUnderTheCollation)
{
    // "ch" is one letter after "c": "cz" < "cha" < "d".
    const std::vector<std::string> words = {"abba", "abide", "cz", "cha", "chaos", "dove", "dove", "eagle", "lamb",
                                            "zion"};
    std::string error;
    const std::string bytes = modwriter::BuildLexiconModule(Words(words, {5}), &error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(OpenLexicon(bytes), 1);
    EXPECT_EQ(LX_SearchKey(0, "", 1), 1);
    EXPECT_EQ(LX_SearchKey(0, "a", 1), 1);
    EXPECT_EQ(LX_SearchKey(0, "abc", 1), 2);
    EXPECT_EQ(LX_SearchKey(0, "c", 1), 3);
    EXPECT_EQ(LX_SearchKey(0, "ch", 1), 4);
    EXPECT_EQ(LX_SearchKey(0, "chb", 1), 6);  // "chaos" is deleted
    EXPECT_EQ(LX_SearchKey(0, "dove", 1), 6);
    EXPECT_EQ(LX_SearchKey(0, "DOVE", 1), 1);  // upper case is not in the alphabet: empty key
    EXPECT_EQ(LX_SearchKey(0, "m", 1), 10);
    EXPECT_EQ(LX_SearchKey(0, "zz", 1), 10);   // every keyword smaller: the last record
    EXPECT_EQ(LX_SearchKey(0, "abba", 3), 3);  // from record 3 on
    EXPECT_EQ(LX_SearchKey(0, "abba", 11), 0);

    // The key box of the window: the list jumps to the record found.
    datawindow[0].lx_listbox_lines = 3;
    EXPECT_EQ(LX_KeySearchFromEdit(0, "ea"), 8);
    EXPECT_EQ(Lines(), "eagle lamb zion");
}

TEST_F(LexTest, KeySearchAgreesWithALinearSearchOnALargeLexicon)
{
    std::vector<std::string> words;
    const char* const syllables[] = {"ba", "ce", "chi", "do", "fu", "ga", "ki", "lo", "ma", "ne", "pi", "ro"};
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 12; ++b)
            for (int c = 0; c < 12; c += 3) words.push_back(std::string(syllables[a]) + syllables[b] + syllables[c]);
    modwriter::LexiconModule m = Words(words, {1, 2, 100, 101, 576});
    std::string error;
    const std::string bytes = modwriter::BuildLexiconModule(m, &error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(OpenLexicon(bytes), 1);
    const char* table = datawindow[0].razeni[0];
    const std::vector<std::string> keys = {"a", "ba", "bace", "chi", "dodo", "kik", "rorr", "roropi", "zz", "fuma"};
    for (const std::string& key : keys) {
        int expected = static_cast<int>(words.size());
        for (std::size_t k = 0; k < words.size(); ++k) {
            const int number = static_cast<int>(k + 1);
            if (number == 1 || number == 2 || number == 100 || number == 101 || number == 576) continue;
            if (PorovnejRetezce(words[k].c_str(), key.c_str(), table) >= 0) {
                expected = number;
                break;
            }
        }
        if (expected == 576) expected = 575;  // the last record is deleted
        EXPECT_EQ(LX_SearchKey(0, key.c_str(), 1), expected) << key;
    }
}

TEST_F(LexTest, SubstringFilterMarksTheMatchingKeywords)
{
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Words({"abba", "babel", "cab", "dove", "lamb"}, {3}))), 1);
    datawindow[0].lx_listbox_lines = 5;
    ASSERT_EQ(LX_NaplnRadky(0, 1), 1);
    EXPECT_EQ(LX_SearchAllKeysForSubstring(0, "ab", 1), 2);
    EXPECT_EQ(datawindow[0].lx_filter_hits, 2);
    EXPECT_EQ(std::string(datawindow[0].lx_filter, 5), std::string("\0\0\1\1\1", 5));
    EXPECT_EQ(LX_SearchAllKeysForSubstring(0, "a*b", 1), 3);
    EXPECT_EQ(LX_SearchAllKeysForSubstring(0, "?o", 1), 1);
    EXPECT_EQ(LX_FilterFromEdit(0, "b"), 3);
    EXPECT_EQ(Lines(), "abba babel lamb");
    // Nothing matches: the list stays, every record is filtered out.
    EXPECT_EQ(LX_FilterFromEdit(0, "xyz"), 0);
    EXPECT_EQ(datawindow[0].lx_filter_hits, 0);
    EXPECT_EQ(Lines(), "abba babel lamb");
    EXPECT_EQ(LX_GetValidRecordFromFilter(0, 1, 0), 0);
    LX_Reload(0);
    EXPECT_EQ(datawindow[0].lx_filter_hits, 5);
    EXPECT_EQ(Lines(), "abba babel dove lamb");
}

TEST_F(LexTest, HebrewKeysAreTypedInDisplayOrderAndMatchedWithoutVowels)
{
    // Letters of the Hebrew display font: 'a' alef, 'b' bet, 'g' gimel,
    // 'd' dalet; 0xA1.. are vowel points.
    modwriter::LexiconModule m;
    m.language = 1;
    for (const char* l : {"a", "b", "g", "d"}) {
        m.collation.letters.push_back(l);
        m.collation.joins_next.push_back(false);
    }
    for (const char* w : {"ab", "a\xA2" "bg", "bd", "gad"}) {
        modwriter::LexEntry e;
        e.keyword = w;
        m.entries.push_back(e);
    }
    std::string error;
    const std::string bytes = modwriter::BuildLexiconModule(m, &error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(OpenLexicon(bytes, 0, 0, 4), 1);
    EXPECT_EQ(LX_KeySearchFromEdit(0, "db"), 3);  // display order of "bd"
    EXPECT_EQ(LX_FilterFromEdit(0, "ba"), 2);     // "ab" and "a(vowel)bg"
    EXPECT_EQ(Lines(), "ba gb\xA2" "a");
    status.opt_lx_key_ignore_vowels = 0;
    EXPECT_EQ(LX_FilterFromEdit(0, "ba"), 1);
}

TEST_F(LexTest, WriterRefusesRecordsThatWouldBreakTheFormat)
{
    auto refuse = [](modwriter::LexiconModule m, const char* what) {
        std::string error;
        EXPECT_EQ(modwriter::BuildLexiconModule(m, &error), "") << what;
        EXPECT_NE(error.find(what), std::string::npos) << error;
    };
    modwriter::LexiconModule m = Words({"abba", "babel"});
    m.entries[1].body = "see |S1 here";
    refuse(m, "\"|S1\" inside the record");
    m = Words({"abba", "babel"});
    m.entries[0].items = {"|S1"};
    refuse(m, "\"|S1\" inside the record");
    m = Words({"babel", "abba"});
    refuse(m, "sorts before record 1");
    m = Words({"abba"});
    m.entries[0].keyword = std::string(128, 'a');
    refuse(m, "keyword longer than 127 bytes");
    m = Words({"abba"});
    m.entries[0].strong = "X12";
    refuse(m, "Strong's reference");
    m = Words({"abba"});
    m.entries[0].strong = "G12345678";
    refuse(m, "Strong's reference");
    m = Words({"abba"});
    m.entries[0].body = "ends with |";
    refuse(m, "ends with");
    m = Words({"abba"});
    m.entries[0].body = std::string(128001, 'x');
    refuse(m, "body longer");
    m = Words({"abba"});
    m.entries[0].items.assign(11, "x");
    refuse(m, "more than 10 header items");
    m = Words({"abba"});
    m.entries[0].items = {std::string(256, 'i')};
    refuse(m, "header item longer");

    // A described lexicon.
    modwriter::Description d;
    std::string error;
    ASSERT_TRUE(modwriter::ParseDescription("module lexicon\nabbrev G\nlanguage 2\ncollation a b g\n"
                                            "label Gender|1\ntags 1 2\ne ab|G12\nitem masc.\nbody x\n"
                                            "e ag\ndeleted\ne ba\n",
                                            &d, &error))
        << error;
    ASSERT_EQ(OpenLexicon(modwriter::BuildModule(d, &error)), 1) << error;
    EXPECT_EQ(datawindow[0].lx_records_all, 3);
    EXPECT_EQ(datawindow[0].lx_deleted_records, 1);
    EXPECT_EQ(LX_SearchFirstStrong(0, 2, 12, 1), 1);
    EXPECT_FALSE(modwriter::ParseDescription("module lexicon\nitem x\n", &d, &error));
    EXPECT_EQ(error, "line 2: item before the first record");
    ASSERT_TRUE(modwriter::ParseDescription("module lexicon\ncollation a b\ne b\ne a\n", &d, &error));
    EXPECT_EQ(modwriter::BuildModule(d, &error), "");
    EXPECT_NE(error.find("sorts before"), std::string::npos);
}
