// The importer: tolerant markup reading, conversion of source markup into
// module tags, the source readers and the modules they make.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "importer/books.h"
#include "importer/convert.h"
#include "importer/encode.h"
#include "importer/import.h"
#include "importer/markup.h"
#include "importer/sources.h"

using namespace importer;

namespace {

std::string Conv(Profile p, const std::string& markup, int book = 1, ConvertStats* out_stats = nullptr) {
    ConvertStats st;
    ConvertState state;
    std::string s = VerseConverter(p, st).Convert(markup, book, state);
    if (out_stats) *out_stats = st;
    return s;
}

}  // namespace

TEST(ImporterMarkup, TagsAttributesEntitiesAndDamage) {
    TokenizeStats st;
    auto t = Tokenize("a &amp; b<w lemma=\"strong:H1\" morph='x'>c</w><br/>&bogus; < x", &st);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].text, "a & b");
    EXPECT_EQ(t[1].kind, Token::Open);
    EXPECT_EQ(t[1].Attr("lemma"), "strong:H1");
    EXPECT_EQ(t[1].Attr("morph"), "x");
    EXPECT_EQ(t[1].Attr("none"), "");
    EXPECT_EQ(t[3].kind, Token::Close);
    EXPECT_EQ(t[4].kind, Token::Empty);
    EXPECT_EQ(t[5].text, "&bogus;  x");
    EXPECT_EQ(st.bad_tags, 1);
    EXPECT_EQ(st.bad_entities, 1);
    EXPECT_EQ(DecodeEntities("&#x3b1;&#946;"), "\xCE\xB1\xCE\xB2");
    // An unfinished tag at the end is text, not a hang or a crash.
    EXPECT_NO_THROW(Tokenize("<w lemma=\"strong:H1"));
    EXPECT_NO_THROW(Tokenize("<"));
}

TEST(ImporterEncode, CodePage1252AndFallbacks) {
    EncodeStats st;
    EXPECT_EQ(ToCp1252(DecodeUtf8("Génesis “x” — ā"), &st), "G\xE9nesis \x93x\x94 \x97 a");
    EXPECT_EQ(st.substituted, 1);
    // A decomposed letter composes into the code page's letter.
    EXPECT_EQ(ToCp1252(DecodeUtf8("e\xCC\x81")), "\xE9");
    EncodeStats st2;
    EXPECT_EQ(ToCp1252(DecodeUtf8("a\xE2\x98\x83" "b"), &st2), "ab");
    EXPECT_EQ(st2.dropped, 1);
    EXPECT_EQ(ScriptOf(U'\u05D0'), Script::Hebrew);
    EXPECT_EQ(ScriptOf(U'\u1F00'), Script::Greek);
    EXPECT_EQ(ScriptOf(U'a'), Script::Latin);
}

TEST(ImporterBooks, NamesAndReferences) {
    EXPECT_EQ(BookFromOsis("Gen"), 1);
    EXPECT_EQ(BookFromOsis("Rev"), 66);
    EXPECT_EQ(BookFromOsis("Tob"), 0);
    EXPECT_EQ(BookFromSwordName("II Kings"), 12);
    EXPECT_EQ(BookFromSwordName("Revelation of John"), 66);
    EXPECT_STREQ(Canon(19).sync_name, "OTPss");
    EXPECT_STREQ(Canon(66).sync_name, "NTRevel");
    size_t used = 0;
    EXPECT_EQ(BookFromReferenceText("2 Kings 23:21", &used), 12);
    EXPECT_EQ(used, 8u);
    EXPECT_EQ(BookFromReferenceText("Psalm 16:4", &used), 19);
    EXPECT_EQ(BookFromReferenceText("1 John 2:3", &used), 62);
    EXPECT_EQ(BookFromReferenceText("Wisdom 14:21", &used), 0);
    EXPECT_EQ(BookFromReferenceText("5:1", &used), 0);
}

TEST(ImporterConvert, StrongsChristAddedWordsNotesAndTitles) {
    EXPECT_EQ(Conv(Profile::Strongs, "<w lemma=\"strong:H07225\">In the beginning</w> <w lemma=\"strong:H0430\">God</w>."),
              "In the beginning|RH7225|Rh God|RH430|Rh.");
    // Several numbers on one word, Greek numbers, words of Christ and added words.
    EXPECT_EQ(Conv(Profile::Strongs,
                   "<q marker=\"\" who=\"Jesus\"><w lemma=\"strong:G3107\">Blessed</w> <transChange type=\"added\">are"
                   "</transChange> <w lemma=\"strong:G3588 strong:G4151\">in spirit</w>:</q>", 40),
              "|TJBlessed|RG3107|Rg |TUare|Tu in spirit|RG3588|Rg|RG4151|Rg:|Tj");
    // A note that the source glues to the next word gets its blank outside the note.
    EXPECT_EQ(Conv(Profile::Study, "God<note placement=\"foot\"><reference type=\"annotateRef\">1:1 </reference>A note.</note>"
                                   "<w lemma=\"strong:H1\">created</w>"),
              "God|TN A note.|Tn created");
    // Psalm titles are prefaces ending in a paragraph break.
    EXPECT_EQ(Conv(Profile::Strongs, "<title canonical=\"true\" type=\"psalm\">A Psalm.</title> <divineName>Lord</divineName>, how", 19),
              "|TPA Psalm.\r\n|TpLORD, how");
    // Characters that would act as tags or rich-text syntax are replaced.
    EXPECT_EQ(Conv(Profile::Strongs, "a|b {c}"), "a/b (c)");
    // Leftover character styles of another format are mended or dropped.
    ConvertStats st;
    EXPECT_EQ(Conv(Profile::Strongs, "<note>the \\nd Lord\\+nd*: or, \\x y</note>", 2, &st), "|TNthe LORD: or, y|Tn");
    EXPECT_EQ(st.repaired, 1);
}

TEST(ImporterConvert, CrossReferencesAndVariants) {
    ConvertStats st;
    std::string s = Conv(Profile::Study,
                         "remembered,<note type=\"crossReference\"><reference type=\"annotateRef\">2:6 </reference>"
                         "<reference>Exodus 23:13; Psalm 16:4-5; 17:1; Wisdom 14:21</reference></note>“Your feasts",
                         30, &st);
    EXPECT_EQ(s, "remembered, |RROTExod:23:13|Rr; |RROTPss:16:4-5|Rr; |RROTPss:17:1|Rr; Wisdom 14:21 \x93Your feasts");
    EXPECT_EQ(st.tags[kReference], 3);
    EXPECT_EQ(st.unknown_refs, 1);
    EXPECT_EQ(Conv(Profile::Study, "x.<note placement=\"foot\">Literally, <rdg type=\"alternate\">head</rdg></note>"),
              "x.|TN Literally, |TVhead|Tv|Tn");
    // WEB's Strong's numbers are not written.
    EXPECT_EQ(Conv(Profile::Study, "<w lemma=\"strong:H1\">a</w>"), "a");
    // Hebrew inside a note is written in the Hebrew display codes, in its own run.
    std::string h = Conv(Profile::Study, "<note placement=\"foot\">“אֱלֹהִ֑ים” (Elohim).</note>");
    EXPECT_NE(h.find("|TH"), std::string::npos);
    EXPECT_NE(h.find("|Th\x94 (Elohim).|Tn"), std::string::npos);
}

TEST(ImporterConvert, MorphologyLemmaAndGreekText) {
    const std::string w =
        "<w src=\"4 5\" lemma=\"strong:G3588 strong:G4151 lemma.TR:τω lemma.TR:πνευματι\" "
        "morph=\"robinson:T-DSN robinson:N-DSN\">in spirit</w> <w src=\"1\" lemma=\"strong:G3107 lemma.TR:μακαριοι\" "
        "morph=\"robinson:A-NPM\">Blessed</w><w src=\"2\" lemma=\"strong:G3588 lemma.TR:οι\" morph=\"robinson:T-NPM\"/>";
    std::string m = Conv(Profile::Morphology, w, 40);
    EXPECT_EQ(m.rfind("in spirit|RG3588|Rg|MGT-DSN|Mg|LG", 0), 0u) << m;
    EXPECT_NE(m.find("|RG4151|Rg|MGN-DSN|Mg|LG"), std::string::npos);
    EXPECT_EQ(m.find("T-NPM"), std::string::npos);  // the untranslated article has no English word
    ConvertStats st;
    std::string g = Conv(Profile::GreekText, w, 40, &st);
    // Greek order by position: makarioi(1) oi(2) tw(4) pneumati(5).
    size_t p1 = g.find("|RG3107|Rg"), p2 = g.find("|RG3588|Rg|MGT-NPM"), p3 = g.find("|RG4151|Rg");
    ASSERT_NE(p1, std::string::npos);
    ASSERT_NE(p2, std::string::npos);
    ASSERT_NE(p3, std::string::npos);
    EXPECT_LT(p1, p2);
    EXPECT_LT(p2, p3);
    EXPECT_EQ(st.tags[kStrongGreek], 4);
    EXPECT_EQ(st.tags[kMorphGreek], 4);
    EXPECT_EQ(g.find_first_of("\xCE\xCF"), std::string::npos);  // no UTF-8 left: display codes only
}

TEST(ImporterConvert, HebrewVerseAndRepairs) {
    std::string h = Conv(Profile::HebrewText,
                         "<w lemma=\"b/7225\">בְּ/רֵאשִׁ֖ית</w>\n<w>כָּל</w><seg type=\"x-maqqef\">־</seg><w>הָ</w>"
                         "<note>a note</note><seg type=\"x-sof-pasuq\">׃</seg>");
    EXPECT_FALSE(h.empty());
    EXPECT_EQ(h.find(' '), h.find(' '));  // words are separated by blanks
    EXPECT_EQ(std::count(h.begin(), h.end(), ' '), 1) << h;  // maqqef joins without a blank
    EXPECT_EQ(h.find("note"), std::string::npos);
    // Unclosed and stray elements are mended and counted; the text survives.
    ConvertStats st;
    std::string s = Conv(Profile::Strongs, "<transChange type=\"added\">a <divineName>b</transChange> c</q>", 1, &st);
    EXPECT_EQ(s, "|TUa B|Tu c");
    EXPECT_EQ(st.repaired, 1);
    // What follows the end of the chapter is not part of the verse.
    EXPECT_EQ(Conv(Profile::Study, "Amen. <chapter eID=\"Rev.22\"/><div><title>Glossary</title>abba</div>", 66), "Amen.");
    // A quotation that runs across verses is closed and reopened in each.
    ConvertStats st2;
    ConvertState state;
    VerseConverter vc(Profile::Strongs, st2);
    EXPECT_EQ(vc.Convert("x <q sID=\"q1\" who=\"Jesus\"/>y", 40, state), "x |TJy|Tj");
    EXPECT_EQ(vc.Convert("z<q eID=\"q1\"/> w", 40, state), "|TJz|Tj w");
}

TEST(ImporterSources, ImpAndOsisReaders) {
    std::vector<SourceVerse> v;
    SourceStats st;
    std::string err;
    ASSERT_TRUE(ReadImpText("t.imp",
                            "$$$[ Module Heading ]\nx\n$$$Genesis\nintro\n$$$Genesis 1:1\nIn the\n$$$II Kings 2:3\nb\n"
                            "$$$Tobit 1:1\nc\n$$$Genesis 1:0\nd\n",
                            v, st, err))
        << err;
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].book, 1);
    EXPECT_EQ(v[0].markup, "In the");
    EXPECT_EQ(v[1].book, 12);
    EXPECT_EQ(v[1].chapter, 2);
    EXPECT_EQ(v[1].verse, 3);
    EXPECT_EQ(st.skipped_entries, 4);
    EXPECT_FALSE(ReadImpText("t.imp", "$$$Genesis 1:x\n", v, st, err));
    EXPECT_EQ(err, "t.imp:1: cannot read the verse key \"Genesis 1:x\"");
    EXPECT_FALSE(ReadImpText("t.imp", "hello\n", v, st, err));

    std::vector<SourceVerse> o;
    ASSERT_TRUE(ReadOsisText("k.xml",
                             "<osis>\n<chapter osisID=\"Ps.3\"><title type=\"psalm\" canonical=\"true\">A Psalm</title>"
                             "<verse osisID=\"Ps.3.1\" sID=\"Ps.3.1\"/>LORD<verse eID=\"Ps.3.1\"/>\n"
                             "<verse osisID=\"Ps.3.2\" sID=\"Ps.3.2\"/>Many<verse eID=\"Ps.3.2\"/></chapter>"
                             "<verse osisID=\"Gen.1.1\"><w>x</w></verse></osis>",
                             o, st, err))
        << err;
    ASSERT_EQ(o.size(), 3u);
    EXPECT_EQ(o[0].markup, "<title type=\"psalm\" canonical=\"true\">A Psalm</title>LORD");
    EXPECT_EQ(o[1].markup, "Many");
    EXPECT_EQ(o[1].line, 3);
    EXPECT_EQ(o[2].book, 1);
    EXPECT_EQ(o[2].markup, "<w>x</w>");
    EXPECT_FALSE(ReadOsisText("k.xml", "<verse osisID=\"Gen.1.1\">", o, st, err));
}

TEST(ImporterModule, BuildsBooksInfoAndCapabilities) {
    ImportOptions opt;
    std::string err;
    ASSERT_TRUE(ParseImportArgs({"--format", "imp", "--profile", "strongs", "--names", "spanish", "--abbrev", "RV",
                                 "--title", "Reina", "--copyright", "Dominio público", "--out", "x.sbk", "a.imp"},
                                opt, err))
        << err;
    EXPECT_FALSE(ParseImportArgs({"--profile", "bogus"}, opt, err));
    std::vector<SourceVerse> v = {{1, 1, 2, "<w lemma=\"strong:H1\">b</w>", 3},
                                  {1, 1, 1, "<q who=\"Jesus\">a</q>", 1},
                                  {2, 1, 1, "<milestone/>", 5},
                                  {40, 1, 1, "c", 7}};
    modwriter::BookModule m;
    ImportResult r;
    ASSERT_TRUE(BuildImportedModule(opt, v, m, r, err)) << err;
    ASSERT_EQ(m.books.size(), 2u);  // Exodus had no text left
    EXPECT_EQ(m.books[0].name, "G\xE9nesis");
    EXPECT_EQ(m.books[0].sync_name, "OTGen");
    EXPECT_EQ(m.books[0].verses[0].verse, 1);  // sorted by verse
    EXPECT_EQ(m.books[1].name, "Mateo");
    EXPECT_EQ(r.empty_verses, 1);
    EXPECT_EQ(m.tag_caps[1], 1);  // words of Christ
    EXPECT_EQ(m.tag_caps[6], 1);  // Hebrew Strong's
    EXPECT_EQ(m.tag_caps[2], 0);  // no notes
    bool found = false;
    for (auto& [k, val] : m.info)
        if (k == "IC") found = val == "Dominio p\xFA" "blico";
    EXPECT_TRUE(found);
    // The same verse twice is an error naming the source line.
    v.push_back({1, 1, 1, "again", 9});
    EXPECT_FALSE(BuildImportedModule(opt, v, m, r, err));
    EXPECT_NE(err.find(":9: Genesis 1:1 occurs twice"), std::string::npos) << err;
}

TEST(ImporterModule, FailedImportLeavesTheOldModule) {
    auto dir = std::filesystem::temp_directory_path() / "sevir_import_test";
    std::filesystem::create_directories(dir);
    std::string out = (dir / "m.sbk").string();
    { std::ofstream(out) << "old"; }
    std::string src = (dir / "bad.imp").string();
    { std::ofstream(src) << "$$$Genesis 1:1\nok\n$$$Genesis 1:1\ntwice\n"; }
    ImportOptions opt;
    opt.abbrev = "T";
    opt.title = "T";
    opt.out = out;
    opt.sources = {src};
    ImportResult r;
    std::string err;
    EXPECT_FALSE(RunImport(opt, r, err));
    std::ifstream in(out);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "old");
    EXPECT_FALSE(std::filesystem::exists(out + ".tmp"));
    { std::ofstream(src) << "$$$Genesis 1:1\nok\n"; }
    ImportResult r2;
    EXPECT_TRUE(RunImport(opt, r2, err)) << err;
    EXPECT_EQ(std::filesystem::file_size(out) > 1024, true);
    std::filesystem::remove_all(dir);
}
