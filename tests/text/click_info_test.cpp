// Click analysis over a modelled view (text with per-character underline,
// label colour and script), the link and word matching against record text,
// the information window's documents and the Unicode form of copied text.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/records.h"
#include "books/book_fixture.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "text/click_info.h"
#include "text/copy_text.h"
#include "text/info_text.h"
#include "text/word_tags.h"

namespace {

// A view whose text is given piece by piece, each piece with its look.
class ModelView : public RICH_VIEW {
public:
    struct Look {
        bool underline;
        bool label;
        int script;
    };
    ModelView& Add(const std::string& s) { return Add(s, Look{false, false, 0}); }
    ModelView& Add(const std::string& s, Look look)
    {
        text += s;
        looks.insert(looks.end(), s.size(), look);
        return *this;
    }
    int CharFromPoint(int x, int) override { return x < static_cast<int>(text.size()) ? x : -1; }
    bool IsUnderline(int p) override { return In(p) && looks[static_cast<std::size_t>(p)].underline; }
    bool IsLabel(int p) override { return In(p) && looks[static_cast<std::size_t>(p)].label; }
    int ScriptAt(int p) override { return In(p) ? looks[static_cast<std::size_t>(p)].script : 0; }
    bool In(int p) const { return p >= 0 && p < static_cast<int>(text.size()); }
    // The position of the n-th occurrence of s.
    int At(const std::string& s, int n = 1) const
    {
        std::size_t p = 0;
        for (int i = 0; i < n; ++i, ++p) p = text.find(s, p);
        return static_cast<int>(p - 1);
    }

    std::string text;
    std::vector<Look> looks;
};

const ModelView::Look kLabel{false, true, 0};
const ModelView::Look kLink{true, false, 0};
const ModelView::Look kHebrew{false, false, 1};
const ModelView::Look kGreek{false, false, 2};

std::string g_record;
const char* ReadRecord(const RTFCLICK&)
{
    return g_record.c_str();
}

class ClickTest : public testbooks::BookTest {
protected:
    void SetUp() override
    {
        BookTest::SetUp();
        BK_SetRTFTagDefaults();
        BK_BuildRTFTags();
        modwriter::BookModule m;
        m.info = {{"IA", "KJV"}, {"IT", "King James"}};
        m.tag_caps = {0, 1, 1, 0, 1, 1, 1, 1, 0, 0, 0, 1};
        m.morph_greek_type = 2;
        modwriter::Book john("John", "Jn", "NTJohn");
        john.verses = {{3, 16, "For God so loved|RG25|Rg the world"},
                       {3, 17, "For God sent|RG649|Rg not his Son |TNa note word|Tn into the world"},
                       {3, 18, "He that believeth|RG4100|Rg|MGV-PAP-NSM|Mg|LGpisteuw|Lg on him"}};
        modwriter::Book gen("Genesis", "Gen", "OTGen");
        gen.verses = {{1, 1, "In the beginning God|RH430|Rh created"}};
        m.books = {gen, john};
        bytes_ = modwriter::BuildBookModule(m);
        ASSERT_EQ(testbooks::OpenInWindow(bytes_), 1);
        DATAWINDOW& w = datawindow[0];
        w.show_tag_note = 0;
        w.book_position = BOOK_POSITION{0, 2, 3, 16};
        w.offset = BK_HledejVers(w.book_position);
        ASSERT_GT(w.offset, 0);
    }

    RTFCLICK Click(ModelView& view, int at)
    {
        buf_ = view.text;
        buf_.resize(view.text.size() + 64, '\0');
        RTFCLICK c{};
        c.in_id = 0;
        c.in_buf = buf_.data();
        c.in_size = static_cast<int>(buf_.size());
        c.in_pointl[0] = at;
        EXPECT_EQ(AnalyseClick(&c, view, ReadRecord), 1);
        return c;
    }
    std::string Word(const RTFCLICK& c) const
    {
        return std::string(buf_.data() + c.out_word_l, static_cast<std::size_t>(c.out_word_r - c.out_word_l + 1));
    }

    std::string bytes_;
    std::string buf_;
};

// The view of John 3:16-18 as the renderer lays it out.
ModelView JohnView()
{
    ModelView v;
    v.Add("John 3:16 ", kLabel).Add("For God so loved").Add(" G25", kLink).Add(" the world\r\n");
    v.Add("17 ", kLabel).Add("For God sent").Add(" G649", kLink).Add(" not his Son into the world, see ");
    v.Add("Jn\xA0" "3:16", kLink).Add(" and ").Add("NTMatt1:1", kLink).Add("\r\n");
    v.Add("18 ", kLabel).Add("He that believeth").Add(" G4100", kLink).Add(" (").Add("pisteuw", kGreek).Add(") on him\r\n");
    return v;
}

} // namespace

TEST_F(ClickTest, StrongsLinksVerseLabelsAndReferences)
{
    ModelView v = JohnView();
    // A Strong's link: language, number, no reference; the verse is 3:16.
    RTFCLICK c = Click(v, v.At("G25") + 1);
    EXPECT_EQ(c.flag_strong, 1);
    EXPECT_EQ(c.out_strong_language, 2);
    EXPECT_EQ(c.out_strong_number, 25);
    EXPECT_EQ(c.flag_reference, 0);
    EXPECT_EQ(c.flag_id, 1);
    EXPECT_EQ(c.out_bp.chapter, 3);
    EXPECT_EQ(c.out_bp.verse, 16);
    EXPECT_STREQ(c.out_syncname, "NTJohn");
    EXPECT_EQ(c.flag_ref_clicked, 1);
    EXPECT_EQ(c.out_ref_clicked, 0);

    // The second verse label counts: a word there is in 3:17.
    c = Click(v, v.At("sent") + 2);
    EXPECT_EQ(c.out_bp.verse, 17);
    EXPECT_EQ(Word(c), "sent");
    EXPECT_EQ(c.flag_strong, 0);

    // A verse label: no word.
    c = Click(v, v.At("18 "));
    EXPECT_EQ(c.out_ref_clicked, 1);
    EXPECT_EQ(c.flag_word, 0);
    EXPECT_EQ(c.out_bp.verse, 18);

    // A reference whose abbreviation is in the book table, and one that is not.
    c = Click(v, v.At("Jn\xA0") + 1);
    EXPECT_EQ(c.flag_reference, 1);
    EXPECT_STREQ(c.out_ref_syncname, "NTJohn");
    EXPECT_EQ(c.out_ref_bp.book, 2);
    EXPECT_EQ(c.out_ref_bp.chapter, 3);
    EXPECT_EQ(c.out_ref_bp.verse, 16);
    c = Click(v, v.At("NTMatt") + 3);
    EXPECT_EQ(c.flag_reference, 0);
    EXPECT_EQ(c.flag_strong, 0);
}

TEST_F(ClickTest, WordsAndTheirTagAreas)
{
    ModelView v = JohnView();
    g_record = "For God so loved|RG25|Rg the world";
    RTFCLICK c = Click(v, v.At("loved") + 1);
    EXPECT_EQ(Word(c), "loved");
    EXPECT_EQ(c.out_language, 0);
    ASSERT_EQ(c.flag_tag_area, 1);
    EXPECT_EQ(g_record.substr(static_cast<std::size_t>(c.out_tag_area_l), static_cast<std::size_t>(c.out_tag_area_r)),
              "|RG25|Rg ");

    // The second "God" of the view is the second of its paragraph only when
    // counted from the paragraph: here it is the first of verse 17.
    g_record = "For God sent|RG649|Rg not his Son |TNa God word|Tn into the world";
    c = Click(v, v.At("God", 2));
    EXPECT_EQ(c.out_bp.verse, 17);
    EXPECT_EQ(c.out_tag_area_l, 7);
    // "Son" is followed by a hidden note: the note is its tag area.
    c = Click(v, v.At("Son"));
    ASSERT_EQ(c.flag_tag_area, 1);
    EXPECT_EQ(g_record.substr(static_cast<std::size_t>(c.out_tag_area_l), static_cast<std::size_t>(c.out_tag_area_r)),
              " |TNa God word|Tn ");
    // A word inside a note has no tags of its own.
    g_record = "For God sent|RG649|Rg not his Son |TNa note word|Tn into";
    EXPECT_EQ(GetTagsOfWord(g_record.c_str() + g_record.find("note") + 4), 0);

    // A Greek word followed by Strong's, morphology and lemma tags.
    g_record = "He that believeth|RG4100|Rg|MGV-PAP-NSM|Mg|LGpisteuw|Lg on him";
    c = Click(v, v.At("believeth") + 3);
    EXPECT_EQ(Word(c), "believeth");
    EXPECT_EQ(c.out_bp.verse, 18);
    EXPECT_EQ(g_record.substr(static_cast<std::size_t>(c.out_tag_area_l), static_cast<std::size_t>(c.out_tag_area_r)),
              "|RG4100|Rg|MGV-PAP-NSM|Mg|LGpisteuw|Lg ");
    c = Click(v, v.At("pisteuw") + 2);
    EXPECT_EQ(c.out_language, 2);
    EXPECT_EQ(Word(c), "pisteuw");

    // A blank or a comma is no word.
    c = Click(v, v.At(" not"));
    EXPECT_EQ(c.flag_word, 0);
}

TEST_F(ClickTest, RecordMatchingSkipsTagContentsAndHiddenClasses)
{
    const char* rec = "the G25|RG25|Rg the |TNthe note|Tn the|TVthe|Tv end";
    // Occurrences: "the" at 0, 16, 35 (the note and the hidden variant are skipped).
    EXPECT_EQ(FindWordInRecord(rec, "the", 3, 1, 0), 3);
    EXPECT_EQ(FindWordInRecord(rec, "the", 3, 2, 0), 19);
    EXPECT_EQ(FindWordInRecord(rec, "the", 3, 3, 0), 38);
    EXPECT_EQ(FindWordInRecord(rec, "the", 3, 9, 0), 38);  // fewer: the last
    EXPECT_EQ(FindWordInRecord(rec, "G25", 3, 1, 0), 7);   // as a word, not as the tag's number
    datawindow[0].show_tag_note = 1;
    EXPECT_EQ(FindWordInRecord(rec, "the", 3, 3, 0), 26);  // the shown note counts
    EXPECT_EQ(FindWordInRecord(rec, "absent", 6, 1, 0), -1);
    EXPECT_EQ(FindWordInRecord(rec, "th", 2, 1, 0), -1);    // parts of words are not words
    EXPECT_EQ(CountWordOccurrences("a the thee the", 0, 14, "the", 3, 0), 2);
}

TEST(ClickLinks, GreekLemmasOfATranslationTakeTheTagsOfTheirWord)
{
    const char* rec = "For|RG1063|Rg|MGCONJ|Mg|LGgar|Lg God|RG2316|Rg|MGN-NSM|Mg|LGqeos|Lg so, for|LGgar|Lg";
    EXPECT_EQ(FindLemmaWord(rec, "gar", 3, 1), 3);
    EXPECT_EQ(GetTagsOfWord(rec + 3), 30);
    EXPECT_EQ(FindLemmaWord(rec, "qeos", 4, 1), 36);
    EXPECT_EQ(FindLemmaWord(rec, "gar", 3, 2), static_cast<int>(std::strlen(rec)) - 9);
    EXPECT_EQ(FindLemmaWord(rec, "gar", 3, 5), static_cast<int>(std::strlen(rec)) - 9);
    EXPECT_EQ(FindLemmaWord(rec, "logos", 5, 1), -1);
}

TEST(ClickLinks, RunsOfLinksParse)
{
    int lang = 0, number = 0, chapter = 0, verse = 0;
    char name[16];
    EXPECT_EQ(ParseLinkRun(" H430", 5, &lang, &number, name, sizeof name, &chapter, &verse), 1);
    EXPECT_EQ(lang, 1);
    EXPECT_EQ(number, 430);
    EXPECT_EQ(ParseLinkRun("\xA0" "1Jn\xA0" "4:8-10", 11, &lang, &number, name, sizeof name, &chapter, &verse), 2);
    EXPECT_STREQ(name, "1Jn");
    EXPECT_EQ(chapter, 4);
    EXPECT_EQ(verse, 8);
    EXPECT_EQ(ParseLinkRun("Genesis", 7, &lang, &number, name, sizeof name, &chapter, &verse), 0);
    EXPECT_EQ(ParseLinkRun("G", 1, &lang, &number, name, sizeof name, &chapter, &verse), 0);
    EXPECT_EQ(ParseLinkRun("G12x", 4, &lang, &number, name, sizeof name, &chapter, &verse), 0);
    EXPECT_EQ(ParseLinkRun(":5", 2, &lang, &number, name, sizeof name, &chapter, &verse), 0);
    EXPECT_EQ(ParseLinkRun("G999999999999", 13, &lang, &number, name, sizeof name, &chapter, &verse), 0);
}

TEST_F(ClickTest, HebrewModulesHaveTheirLabelsAtTheEndOfTheFirstLine)
{
    modwriter::BookModule heb;
    heb.language = 1;
    heb.tag_advanced = 0;
    heb.info = {{"IA", "H"}, {"IT", "Hebrew"}};
    modwriter::Book b("Bereshit", "Ber", "OTGen");
    b.verses = {{1, 1, "@A BCD"}, {1, 2, "EFG HIK"}, {1, 3, "LMN"}};
    heb.books = {b};
    const std::string bytes = modwriter::BuildBookModule(heb);
    ASSERT_EQ(testbooks::OpenInWindow(bytes), 1);
    datawindow[0].book_position = BOOK_POSITION{0, 1, 1, 1};
    datawindow[0].offset = BK_HledejVers(datawindow[0].book_position);
    ModelView v;
    // Verse 1 on two lines, verse 2 on one.
    v.Add("A@", kHebrew).Add(" 1:1\r\n", kLabel).Add("DCB", kHebrew).Add("\r\n");
    v.Add("KIH GFE", kHebrew).Add(" 2\r\n", kLabel).Add("NML", kHebrew).Add(" 3\r\n", kLabel);
    RTFCLICK c = Click(v, v.At("DCB") + 1);
    EXPECT_EQ(c.out_bp.verse, 1);
    EXPECT_EQ(Word(c), "DCB");
    EXPECT_EQ(c.out_language, 1);
    c = Click(v, v.At("GFE"));
    EXPECT_EQ(c.out_bp.verse, 2);
    EXPECT_EQ(Word(c), "GFE");
    c = Click(v, v.At("NML") + 2);
    EXPECT_EQ(c.out_bp.verse, 3);
}

TEST_F(ClickTest, InformationDocuments)
{
    status.info_visible = 0;
    status.opt_info_gematria = 1;
    status.opt_info_morphology = 1;
    // A Hebrew word with a final mem: method 0 counts it 40, method 1 600.
    std::string view = "xx >elohiM yy";  // display codes, any order
    RTFCLICK c{};
    c.in_buf = view.data();
    c.flag_word = c.flag_language = 1;
    c.out_language = 1;
    c.out_word_l = 3;
    c.out_word_r = 9;
    char lines[2][160];
    ASSERT_EQ(INFO_GematriaValues(1, "M", 1, lines), 2);
    EXPECT_STREQ(lines[0], "Value  I:  40  4  4");
    EXPECT_STREQ(lines[1], "Value II:  600  6  6");
    static char doc[128000];
    INFO_BuildClickText(c, nullptr, 0, doc, sizeof doc);
    EXPECT_NE(std::strstr(doc, "\\b Value  I:  \\b0 "), nullptr) << doc;
    EXPECT_NE(std::strstr(doc, "\\b Value II:  \\b0 "), nullptr);
    EXPECT_EQ(std::strncmp(doc, "{\\rtf1", 6), 0);
    status.opt_info_gematria = 0;
    INFO_BuildClickText(c, nullptr, 0, doc, sizeof doc);
    EXPECT_EQ(std::strstr(doc, "Value"), nullptr);

    // A Greek word with morphology and lemma.
    status.opt_info_gematria = 1;
    view = "agaph";
    c.in_buf = view.data();
    c.out_language = 2;
    c.out_word_l = 0;
    c.out_word_r = 4;
    c.flag_id = c.flag_tag_area = 1;
    c.out_id = 0;
    datawindow[0].tag_morph_greek_type = 2;
    const std::string area = "|RG26|Rg|MGN-NSF|Mg|LGagaph|Lg ";
    INFO_BuildClickText(c, area.c_str(), static_cast<int>(area.size()), doc, sizeof doc);
    EXPECT_NE(std::strstr(doc, "Value  I:  \\b0 93  12  3"), nullptr) << doc;
    EXPECT_EQ(std::strstr(doc, "Value II"), nullptr);
    EXPECT_NE(std::strstr(doc, "Noun"), nullptr) << doc;
    EXPECT_NE(std::strstr(doc, "Feminine"), nullptr);
    EXPECT_NE(std::strstr(doc, "\\b Lemma: \\b0"), nullptr);
    EXPECT_NE(std::strstr(doc, "agaph"), nullptr);
    status.opt_info_morphology = 0;
    INFO_BuildClickText(c, area.c_str(), static_cast<int>(area.size()), doc, sizeof doc);
    EXPECT_EQ(std::strstr(doc, "Lemma"), nullptr);
    // A tiny buffer still ends the document.
    char small[40];
    const int n = INFO_BuildClickText(c, area.c_str(), static_cast<int>(area.size()), small, sizeof small);
    EXPECT_LT(n, 40);
    EXPECT_EQ(std::strlen(small), static_cast<std::size_t>(n));
}

TEST_F(ClickTest, ModuleDescription)
{
    status.files_all = 1;
    std::snprintf(datafile[0].filename, sizeof datafile[0].filename, "kjv.sbk");
    std::snprintf(datafile[0].title, sizeof datafile[0].title, "King {James}");
    std::snprintf(datafile[0].abbrev, sizeof datafile[0].abbrev, "KJV");
    std::snprintf(datawindow[0].copyright, sizeof datawindow[0].copyright, "Public\r\ndomain \\ free");
    static char doc[128000];
    ASSERT_EQ(DecodeTagInfo(0, doc, sizeof doc), 1);
    const std::string d = doc;
    EXPECT_NE(d.find("\\b File: \\b0 kjv.sbk ["), std::string::npos) << d;
    EXPECT_NE(d.find("\\b Title: \\b0 King \\{James\\} [KJV]"), std::string::npos);
    EXPECT_NE(d.find("Public\r\n\\par domain \\\\ free"), std::string::npos);
    EXPECT_NE(d.find("Advanced text format with TAGS:"), std::string::npos);
    EXPECT_NE(d.find("Strongs Greek references (|RG)"), std::string::npos);
    EXPECT_NE(d.find("Strongs Hebrew references (|RH)"), std::string::npos);
    EXPECT_EQ(d.find("Variant of text tag (|TV)"), std::string::npos);
    EXPECT_NE(d.find("Greek morphology coding system:"), std::string::npos);
    EXPECT_NE(d.find("Robinson"), std::string::npos);
    EXPECT_NE(d.find("Full path to file:"), std::string::npos);
    EXPECT_EQ(d.back(), '}');
    EXPECT_EQ(DecodeTagInfo(5, doc, sizeof doc), 0);
}

TEST(CopiedText, HebrewBackInReadingOrderGreekAndLatinConverted)
{
    // Hebrew line as shown (reversed), a Latin label, Greek, Latin with a
    // code-page character.
    std::vector<COPY_RUN> runs = {
        {1, 1252, "A@ BA"},  // shown reversed: reading order "AB" + " " + "@A"
        {0, 1252, " 1:1\r\n"},
        {2, 1252, "logos"},
        {0, 1252, " caf\xE9 \x93q\x94"},
    };
    const std::u16string u = CopiedTextToUnicode(runs, nullptr);
    EXPECT_EQ(u, u"\u05D1\u05D2 \u05D0\u05D1 1:1\r\n\u03BB\u03BF\u03B3\u03BF\u03C3 caf\u00E9 \u201Cq\u201D");
    // Two Hebrew lines are reversed each on its own.
    const std::u16string two = CopiedTextToUnicode({{1, 1252, "A@\r\nBA"}}, nullptr);
    EXPECT_EQ(two, u"\u05D0\u05D1\r\n\u05D1\u05D2");
}
