// The lexicon importer on small hand-made sources: Strong's numbers in any
// spelling, links and references as tags, header items, keyword order under
// the module's own collation, and the modules read back through the reader
// and rendered by the tag parser without a message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "books/tag_parser.h"
#include "dic/dic_fixture.h"
#include "importer/import.h"
#include "importer/lexicon.h"
#include "lex/lex_fixture.h"
#include "text/collation.h"
#include "text/display_codes.h"

using namespace importer;

namespace {

const char kGreekImp[] =
    "$$$00025\n"
    "<entryFree n=\"00025\"> <orth>ἀγαπάω</orth> <orth type=\"writing\">A)GAPA/W</orth> "
    "<orth rend=\"bold\" type=\"trans\">agapáō</orth> <pron rend=\"italic\">a-ga-pah-o</pron><lb/> <lb/> "
    "perhaps from <orth>ἄγαν</orth> <orth type=\"writing\">A)/GAN</orth> (much) [or compare "
    "<ref target=\"StrongsGreek:5689\">H5689</ref>];<lb/> <def>to love (a gloss written for this test):--loved. "
    "Compare <ref target=\"StrongsGreek:5368\">G5368</ref>. </def> </entryFree>\n"
    "$$$00026\n"
    "<entryFree n=\"00026\"> <orth>ἀγάπη</orth> <orth type=\"writing\">A)GA/PH</orth> "
    "<orth rend=\"bold\" type=\"trans\">agápē</orth> <pron rend=\"italic\">a-ga-pay</pron><lb/> <lb/> "
    "<def><orig>from <ref target=\"StrongsGreek:25\">G25</ref>;</orig><lb/> love, i.e. a test gloss:--love. "
    "</def> </entryFree>\n"
    "$$$00001\n"
    "<entryFree n=\"00001\"> <orth>Α</orth> <orth type=\"writing\">*A</orth> <orth rend=\"bold\" "
    "type=\"trans\">A</orth> <pron rend=\"italic\">al-fa</pron><lb/> <def><orig>of Hebrew origin;</orig> "
    "a letter for this test:--A.</def> </entryFree>\n"
    "$$$02717\n"
    "<entryFree n=\"02717\">   <def>Not Used </def> </entryFree>\n"
    "$$$05046\n"
    "<entryFree n=\"05046\"> <orth>τέλειος</orth> <orth rend=\"bold\" type=\"trans\">téleios</orth> "
    "<def>whole:--test.</def> </entryFree>\n";

const char kHebrewXml[] =
    "<?xml version=\"1.0\"?>\n<lexicon>\n"
    "\t<entry id=\"H430\">\n"
    "\t\t<w pos=\"n-m\" pron=\"e-lo-him\" xlit=\"ʼĕlôhîym\" xml:lang=\"heb\">אֱלֹהִים</w>\n"
    "\t\t<source>plural of <w src=\"H433\">433</w>;</source>\n"
    "\t\t<meaning><def>gods</def> as a test meaning<note>an editor's note</note></meaning>\n"
    "\t\t<usage>test use, God (gods).</usage>\n"
    "\t</entry>\n"
    "\t<entry id=\"H1\">\n"
    "\t\t<w pos=\"n-m\" pron=\"awb\" xlit=\"ʼâb\" xml:lang=\"heb\">אָב</w>\n"
    "\t\t<source>a primitive word;</source>\n"
    "\t\t<meaning><def>father</def></meaning>\n"
    "\t\t<usage>father, test.</usage>\n"
    "\t</entry>\n"
    "\t<entry id=\"H2\">\n"
    "\t\t<w pos=\"n-m\" pron=\"ab\" xlit=\"ʼab\" xml:lang=\"arc\">אַב</w>\n"
    "\t\t<source>(Aramaic) corresponding to <w src=\"H1\">1</w></source>\n"
    "\t\t<usage>father.</usage>\n"
    "\t</entry>\n"
    "</lexicon>\n";

const char kNaveImp[] =
    "$$$SEAL\n"
    "<entryFree n=\"SEAL\"> <def> <lb/>→ Used to sign <ref osisRef=\"1Kgs.21.8\">1Ki 21:8</ref> <list> "
    "<item>See <ref target=\"Nave:SIGNET\">SIGNET</ref></item> </list> </def> </entryFree>\n"
    "$$$AARON\n"
    "<entryFree n=\"AARON\"> <def> <lb/>→ Family of <ref osisRef=\"Exod.6.16-Exod.6.20\">Ex 6:16-20</ref>; "
    "<ref osisRef=\"1Chr.24\">24</ref></def> </entryFree>\n"
    "$$$SEA OF GLASS\n"
    "<entryFree n=\"SEA OF GLASS\"> <def> <ref osisRef=\"Rev.4.6\">Re 4:6</ref></def> </entryFree>\n"
    "$$$ÉLAN\n"
    "<entryFree n=\"ÉLAN\"> <def>a made-up topic</def> </entryFree>\n";

std::string Codes(int script, const char* utf8)
{
    std::string out;
    UnicodeToDisplay(script, DecodeUtf8(utf8), out);
    return out;
}

class LexiconImport : public testlex::LexTest {
protected:
    modwriter::LexiconModule Build(LexKind kind, const std::string& format, const std::string& text,
                                   LexImportStats& stats)
    {
        LexImportOptions opt;
        opt.kind = kind;
        opt.format = format;
        opt.abbrev = "T";
        opt.title = "Test";
        opt.sources = {"src.txt"};
        std::vector<LexSource> sources;
        std::string error;
        bool read = format == "hebrew-strong" ? ReadHebrewStrongXml("src.txt", text, sources, error)
                                              : ReadLexiconImp("src.txt", text, sources, error);
        EXPECT_TRUE(read) << error;
        modwriter::LexiconModule m;
        EXPECT_TRUE(BuildImportedLexicon(opt, sources, m, stats, error)) << error;
        return m;
    }

    // Opens the module, reads every record in full and renders its items and
    // text; returns the records as read.
    std::vector<LXRECORD> ReadAll(const modwriter::LexiconModule& m)
    {
        std::string error;
        const std::string bytes = modwriter::BuildLexiconModule(m, &error);
        EXPECT_FALSE(bytes.empty()) << error;
        bytes_ = bytes;
        EXPECT_EQ(testlex::OpenLexicon(bytes_), 1);
        std::vector<LXRECORD> out;
        LXRECORD r{};
        r.id_file = 0;
        r.offset = datawindow[0].lx_tag_data_offset;
        std::vector<char> rtf(400000);
        while (LX_CtiRecord(&r, 0, 1)) {
            out.push_back(r);
            BK_ParseTagsCZ(r.buffer, 0, rtf.data(), static_cast<int>(rtf.size()), 0, 1);
            for (int n = 0; n < 10; ++n)
                if (r.item[n][0]) BK_ParseTagsCZ(r.item[n], 0, rtf.data(), static_cast<int>(rtf.size()), 0, 1);
            r.offset += r.delka;
        }
        EXPECT_TRUE(testlex::Boxes::texts().empty()) << testlex::Boxes::texts().front();
        return out;
    }
    std::string bytes_;
};

TEST(LexiconImportNumbers, StrongsNumbersInEverySpelling)
{
    char l;
    long n;
    ASSERT_TRUE(ParseStrongNumber("G25", 'H', l, n));
    EXPECT_EQ(l, 'G');
    EXPECT_EQ(n, 25);
    ASSERT_TRUE(ParseStrongNumber("G0025", 'H', l, n));
    EXPECT_EQ(n, 25);
    ASSERT_TRUE(ParseStrongNumber("00025", 'G', l, n));
    EXPECT_EQ(l, 'G');
    EXPECT_EQ(n, 25);
    ASSERT_TRUE(ParseStrongNumber("strong:H07225", 'G', l, n));
    EXPECT_EQ(l, 'H');
    EXPECT_EQ(n, 7225);
    ASSERT_TRUE(ParseStrongNumber("StrongsHebrew:0430", 'G', l, n));
    EXPECT_EQ(l, 'H');
    EXPECT_EQ(n, 430);
    EXPECT_FALSE(ParseStrongNumber("G", 'G', l, n));
    EXPECT_FALSE(ParseStrongNumber("00000", 'G', l, n));
    EXPECT_FALSE(ParseStrongNumber("FAITH", 'G', l, n));
    EXPECT_FALSE(ParseStrongNumber("G123456789", 'G', l, n));

    EXPECT_EQ(OsisRefToTag("Exod.6.16-Exod.6.20"), "OTExod:6:16-20");
    EXPECT_EQ(OsisRefToTag("Ps.2.12"), "OTPss:2:12");
    EXPECT_EQ(OsisRefToTag("1Chr.24"), "OT1Chr:24");
    EXPECT_EQ(OsisRefToTag("John.3.16-John.4.2"), "NTJohn:3:16-4:2");
    EXPECT_EQ(OsisRefToTag("Tob.1.1"), "");
}

TEST_F(LexiconImport, StrongsGreekFromASwordExport)
{
    LexImportStats stats;
    modwriter::LexiconModule m = Build(LexKind::StrongsGreek, "sword-lexicon", kGreekImp, stats);
    EXPECT_EQ(stats.entries, 5);
    EXPECT_EQ(stats.records, 4);
    EXPECT_EQ(stats.not_used, 1);
    EXPECT_EQ(stats.strong_links, 3);
    // The header names the tag classes the entries use, and only those.
    EXPECT_EQ(m.tag_bytes[7], 1);  // Hebrew Strong's numbers
    EXPECT_EQ(m.tag_bytes[8], 1);  // Greek Strong's numbers
    EXPECT_EQ(m.tag_bytes[5], stats.verse_refs > 0 ? 1 : 0);  // references
    std::vector<LXRECORD> recs = ReadAll(m);
    ASSERT_EQ(recs.size(), 4u);
    // Greek order: alpha (the capital tied to the small letter), agapao
    // before agape (alpha before eta; accents do not sort), then tau.
    EXPECT_STREQ(recs[0].strong, "G1");
    EXPECT_STREQ(recs[1].strong, "G25");
    EXPECT_STREQ(recs[2].strong, "G26");
    EXPECT_STREQ(recs[3].strong, "G5046");
    const LXRECORD& agapao = recs[1];
    EXPECT_EQ(std::string(agapao.slovo), Codes(SV_SCRIPT_GREEK, "ἀγαπάω"));
    EXPECT_STREQ(agapao.item[0], "agap\xE1o");
    EXPECT_STREQ(agapao.item[1], "a-ga-pah-o");
    const std::string body = agapao.buffer;
    // The Greek lexicon names Hebrew entries through targets called after
    // itself; the shown letter decides.
    EXPECT_NE(body.find("|RH5689|Rh"), std::string::npos) << body;
    EXPECT_NE(body.find("|RG5368|Rg"), std::string::npos) << body;
    EXPECT_NE(body.find("|TG" + Codes(SV_SCRIPT_GREEK, "ἄγαν") + "|Tg"), std::string::npos) << body;
    EXPECT_EQ(body.find("A)/GAN"), std::string::npos);  // Beta code stays out
    EXPECT_EQ(body.find('<'), std::string::npos);
    // The derivation is a header item with its link.
    EXPECT_EQ(std::string(recs[2].item[2]), "from|RG25|Rg;");
    EXPECT_EQ(FirstGloss("to love (a gloss for this test):--loved."), "to love");
    EXPECT_EQ(FirstGloss(" love, i.e. a test:--love"), "love");
    EXPECT_EQ(FirstGloss(""), "");
    // Qualifiers, derivations and parentheses are not the gloss.
    EXPECT_EQ(FirstGloss(" properly, to be a courier, i.e. (by implication) to press:--compel (to go). "),
              "to be a courier");
    EXPECT_EQ(FirstGloss("compare G34) (to bring tidings); a messenger; especially an \"angel\":--angel."),
              "a messenger");
    EXPECT_EQ(FirstGloss(" properly, lead, i.e. come on:--go to. "), "lead");
    EXPECT_EQ(FirstGloss("who (is) like God; Mikael, the name of an archangel"), "who (is) like God");
    EXPECT_EQ(FirstGloss("from G71; properly (by implication) a drove:--herd."), "a drove");
    EXPECT_EQ(FirstGloss("a primary particle; properly:--and."), "");
    EXPECT_EQ(FirstGloss("probably a ligament (as fastening):--joint."), "a ligament");
    EXPECT_EQ(FirstGloss("probably akin to the base of G1325; a loan:--debt."), "a loan");

    // Lookups a double click makes: by Strong's number and by headword.
    EXPECT_EQ(LX_SearchFirstStrong(0, 2, 25, 1), 2);
    EXPECT_EQ(LX_SearchFirstStrong(0, 2, 2717, 1), 0);
    EXPECT_EQ(LX_SearchKey(0, Codes(SV_SCRIPT_GREEK, "ἀγάπη").c_str(), 1), 3);
    EXPECT_EQ(LX_SearchKey(0, Codes(SV_SCRIPT_GREEK, "τελειος").c_str(), 1), 4);
}

TEST_F(LexiconImport, StrongsHebrewFromTheXmlLexicon)
{
    LexImportStats stats;
    modwriter::LexiconModule m = Build(LexKind::StrongsHebrew, "hebrew-strong", kHebrewXml, stats);
    ASSERT_EQ(m.labels.size(), 4u);
    EXPECT_EQ(m.labels[2].text, "Part of speech: ");  // the window writes the label right before the item
    std::vector<LXRECORD> recs = ReadAll(m);
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(datawindow[0].language, 1);
    // Pointed headwords in reading order; alef before ... ; points do not sort.
    EXPECT_STREQ(recs[0].strong, "H1");
    EXPECT_STREQ(recs[1].strong, "H2");
    EXPECT_STREQ(recs[2].strong, "H430");
    EXPECT_EQ(std::string(recs[2].slovo), Codes(SV_SCRIPT_HEBREW, "אֱלֹהִים"));
    EXPECT_STREQ(recs[2].item[0], "\x92" "el\xF4h\xEEym");
    EXPECT_STREQ(recs[2].item[2], "noun masculine");
    EXPECT_STREQ(recs[1].item[2], "noun masculine (Aramaic)");
    EXPECT_EQ(std::string(recs[2].item[3]), "plural of|RH433|Rh;");
    const std::string body = recs[2].buffer;
    EXPECT_EQ(body, "|TBgods|Tb as a test meaning\r\n|TBKJV:|Tb test use, God (gods).");
    EXPECT_EQ(LX_SearchFirstStrong(0, 1, 430, 1), 3);
    EXPECT_EQ(LX_SearchKey(0, Codes(SV_SCRIPT_HEBREW, "אָב").c_str(), 1), 1);
}

TEST_F(LexiconImport, TopicalWithLatinKeysAndReferences)
{
    LexImportStats stats;
    modwriter::LexiconModule m = Build(LexKind::Topical, "sword-lexicon", kNaveImp, stats);
    EXPECT_EQ(stats.verse_refs, 4);
    EXPECT_EQ(m.tag_bytes[5], 1);  // references
    EXPECT_EQ(m.tag_bytes[8], 0);  // no Strong's numbers
    std::vector<LXRECORD> recs = ReadAll(m);
    ASSERT_EQ(recs.size(), 4u);
    EXPECT_STREQ(recs[0].slovo, "AARON");
    EXPECT_STREQ(recs[1].slovo, "\xC9LAN");  // tied to E
    EXPECT_STREQ(recs[2].slovo, "SEA OF GLASS");
    EXPECT_STREQ(recs[3].slovo, "SEAL");
    EXPECT_STREQ(recs[0].strong, "");
    const std::string aaron = recs[0].buffer;
    EXPECT_NE(aaron.find("|RROTExod:6:16-20|Rr; |RROT1Chr:24|Rr"), std::string::npos) << aaron;
    const std::string seal = recs[3].buffer;
    EXPECT_NE(seal.find("|TBSIGNET|Tb"), std::string::npos) << seal;
    EXPECT_EQ(LX_SearchKey(0, "elan", 1), 2);
}

TEST_F(LexiconImport, BadSourcesStopWithFileAndLine)
{
    std::vector<LexSource> sources;
    std::string error;
    EXPECT_FALSE(ReadLexiconImp("x.imp", "stray text\n$$$00001\n<entryFree/>\n", sources, error));
    EXPECT_EQ(error, "x.imp:1: text before the first \"$$$\" key");
    sources.clear();
    EXPECT_FALSE(ReadHebrewStrongXml("h.xml", "<lexicon>\n<entry id=\"H1\"><w>x</w>\n", sources, error));
    EXPECT_EQ(error, "h.xml:2: an entry that does not end");

    sources.clear();
    ASSERT_TRUE(ReadLexiconImp("g.imp", "$$$00001\n<orth>α</orth> a\n$$$ABBA\n<orth>β</orth> b\n", sources, error));
    LexImportOptions opt;
    opt.sources = {"g.imp"};
    modwriter::LexiconModule m;
    LexImportStats stats;
    EXPECT_FALSE(BuildImportedLexicon(opt, sources, m, stats, error));
    EXPECT_EQ(error, "g.imp:3: the key \"ABBA\" is not a Strong's number");

    // A failed import leaves the old module in place.
    const std::string dir = std::string(std::getenv("SEVIR_TEST_TMP") ? std::getenv("SEVIR_TEST_TMP") : "/tmp") +
                            "/lexicon_import";
    std::filesystem::create_directories(dir);
    {
        std::ofstream(dir + "/bad.imp") << "$$$00001\n<orth>α</orth> a\n$$$ABBA\n<orth>β</orth> b\n";
        std::ofstream(dir + "/old.lex") << "old";
    }
    opt.sources = {dir + "/bad.imp"};
    opt.out = dir + "/old.lex";
    EXPECT_FALSE(RunLexiconImport(opt, stats, error));
    std::ifstream in(dir + "/old.lex");
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "old");
}

TEST_F(LexiconImport, WordListsDerivedFromTheLexicons)
{
    for (LexKind kind : {LexKind::StrongsGreek, LexKind::StrongsHebrew}) {
        const bool hebrew = kind == LexKind::StrongsHebrew;
        LexImportOptions opt;
        opt.kind = kind;
        opt.format = hebrew ? "hebrew-strong" : "sword-lexicon";
        opt.title = "Test";
        opt.dictionary_abbrev = "D";
        opt.dictionary_title = "Derived";
        std::vector<LexSource> sources;
        std::string error;
        ASSERT_TRUE(hebrew ? ReadHebrewStrongXml("h", kHebrewXml, sources, error)
                           : ReadLexiconImp("g", kGreekImp, sources, error));
        modwriter::LexiconModule m;
        LexImportStats stats;
        std::vector<modwriter::DicEntry> pairs;
        ASSERT_TRUE(BuildImportedLexicon(opt, sources, m, stats, error, &pairs)) << error;
        const std::string bytes = modwriter::BuildDictionaryModule(DerivedDictionary(opt, pairs), &error);
        ASSERT_FALSE(bytes.empty()) << error;
        ASSERT_EQ(testdic::OpenDictionary(bytes), 1);
        DATAWINDOW& w = datawindow[0];
        EXPECT_EQ(w.dic_lang_from, hebrew ? 1 : 2);
        EXPECT_EQ(w.dic_lang_to, 0);
        ASSERT_EQ(w.dic_records_all, hebrew ? 3 : 4);
        // Every record forwards, and every one again through the index in "to" order.
        std::vector<std::pair<std::string, std::string>> read;
        DICRECORD r{};
        r.id_file = 0;
        r.offset = w.dic_data_offset;
        while (DIC_CtiRecord(&r, 0)) {
            read.emplace_back(r.from, r.to);
            r.offset += r.delka_recordu;
        }
        ASSERT_EQ(read.size(), static_cast<size_t>(w.dic_records_all));
        std::string previous;
        for (int k = 1; k <= w.dic_records_all; ++k) {
            ASSERT_EQ(DIC_ReadIndexRecord(0, k, &r), 1);
            EXPECT_LE(previous, std::string(r.to));  // plain English glosses: byte order is collation order
            previous = r.to;
        }
        if (hebrew) {
            std::string elohim = Codes(SV_SCRIPT_HEBREW, "אֱלֹהִים");
            std::reverse(elohim.begin(), elohim.end());
            EXPECT_EQ(read[2], std::make_pair(elohim, std::string("gods")));
            EXPECT_EQ(read[1].second, "father");  // no definition: the first word of its use
        } else {
            EXPECT_EQ(read[1], std::make_pair(Codes(SV_SCRIPT_GREEK, "ἀγαπάω"), std::string("to love")));
            EXPECT_EQ(read[2].second, "love");
        }
    }
}

TEST(CommentaryImport, PassagesOnceWithReferences)
{
    ImportOptions opt;
    opt.profile = Profile::Commentary;
    opt.abbrev = "C";
    opt.title = "Commentary";
    std::vector<SourceVerse> verses;
    SourceStats ss;
    std::string error;
    const std::string imp =
        "$$$Genesis 1:1\n<div sID=\"g1\" type=\"x-p\"/><hi type=\"bold\">Verses 1-2</hi> <div eID=\"g1\" type=\"x-p\"/>"
        "<div sID=\"g2\" type=\"x-p\"/> Light, <reference osisRef=\"1John.5.20\">1Jo 5:20</reference>. More.\n"
        "$$$Genesis 1:2\n<div sID=\"g1\" type=\"x-p\"/><hi type=\"bold\">Verses 1-2</hi> <div eID=\"g1\" type=\"x-p\"/>"
        "<div sID=\"g2\" type=\"x-p\"/> Light, <reference osisRef=\"1John.5.20\">1Jo 5:20</reference>. More.\n"
        "$$$Genesis 1:3\nNext.\n";
    ASSERT_TRUE(ReadImpText("c.imp", imp, verses, ss, error)) << error;
    modwriter::BookModule module;
    ImportResult result;
    ASSERT_TRUE(BuildImportedModule(opt, verses, module, result, error)) << error;
    EXPECT_EQ(result.linked_verses, 1);
    ASSERT_EQ(module.books.size(), 1u);
    ASSERT_EQ(module.books[0].verses.size(), 2u);
    EXPECT_EQ(module.books[0].verses[0].text, "|TBVerses 1-2|Tb\r\nLight, |RRNT1John:5:20|Rr. More.");
    EXPECT_EQ(module.books[0].verses[1].verse, 3);
    EXPECT_EQ(module.tag_caps[5], 1);  // references
}

} // namespace
