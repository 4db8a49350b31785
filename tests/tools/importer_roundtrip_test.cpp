// Imported modules read back through the record reader and rendered by the
// tag parser: every verse must come back whole and render without the
// corrupted-file message, with every tag class shown and with every one hidden.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/message.h"
#include "app/records.h"
#include "books/book_fixture.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "importer/import.h"

using namespace importer;

namespace {

std::vector<std::string> g_boxes;
int Recorder(void*, const char* text, const char* caption, unsigned)
{
    g_boxes.push_back(std::string(caption) + ": " + text);
    return SV_IDOK;
}

void ShowAll(DATAWINDOW& w, int v)
{
    w.show_tag_preface = w.show_tag_christ = w.show_tag_note = w.show_tag_variant = v;
    w.show_tag_unused = w.show_tag_reference = w.show_tag_strong_hebrew = w.show_tag_strong_greek = v;
    w.show_tag_morph_hebrew = w.show_tag_morph_greek = v;
}

class ImporterRoundTrip : public testbooks::BookTest {
protected:
    void SetUp() override
    {
        BookTest::SetUp();
        g_boxes.clear();
        previous_ = SetMessageBoxHandler(Recorder);
    }
    void TearDown() override
    {
        SetMessageBoxHandler(previous_);
        BookTest::TearDown();
    }

    // Builds the module and checks each record against the converted verses.
    void Check(const ImportOptions& opt, const std::vector<SourceVerse>& verses, int expect_language)
    {
        modwriter::BookModule module;
        ImportResult result;
        std::string error;
        ASSERT_TRUE(BuildImportedModule(opt, verses, module, result, error)) << error;
        ASSERT_EQ(testbooks::OpenInWindow(modwriter::BuildBookModule(module)), 1);
        DATAWINDOW& w = datawindow[0];
        EXPECT_EQ(w.language, expect_language);
        EXPECT_EQ(w.books, static_cast<int>(module.books.size()));
        std::vector<std::string> texts;
        for (const auto& b : module.books)
            for (const auto& v : b.verses) texts.push_back(v.text);
        BOOK_RECORD& rec = g_book_record;
        rec.offset = w.tag_data;
        rec.book_position.number = 0;
        size_t n = 0;
        std::vector<char> rtf(200000);
        while (BK_CtiRecord(&rec)) {
            ASSERT_LT(n, texts.size());
            EXPECT_EQ(std::string(rec.buffer), texts[n]);
            if (w.tag_advanced == 1) {
                for (int shown = 0; shown <= 1; ++shown) {
                    ShowAll(w, shown);
                    BK_ParseTagsCZ(rec.buffer, 0, rtf.data(), static_cast<int>(rtf.size()), 0, 0);
                }
            }
            rec.offset += 4;
            ++n;
        }
        EXPECT_EQ(n, texts.size());
        EXPECT_TRUE(g_boxes.empty()) << g_boxes.front();
    }

    MessageBoxHandler previous_ = nullptr;
};

ImportOptions Options(Profile p)
{
    ImportOptions o;
    o.profile = p;
    o.abbrev = "T";
    o.title = "Test";
    if (p == Profile::GreekText) o.language = 2;
    if (p == Profile::HebrewText) o.language = 1;
    return o;
}

const char kKjvVerse[] =
    "<div type=\"x-milestone\" sID=\"pv1\"/><title canonical=\"true\" type=\"psalm\">A <w lemma=\"strong:H4210\">Psalm"
    "</w>.</title> <q marker=\"\" who=\"Jesus\"><w lemma=\"strong:G3107\">Blessed</w> <transChange type=\"added\">are"
    "</transChange> the <divineName><w lemma=\"strong:H3068\">LORD</w></divineName>:<note placement=\"foot\">"
    "<reference type=\"annotateRef\">6.2 </reference>the <divineName>LORD\\+nd*: or, JEHOVAH</note></q>";

const char kMorphVerse[] =
    "<q who=\"Jesus\" marker=\"\"><w src=\"1\" lemma=\"strong:G3107 lemma.TR:μακαριοι\" morph=\"robinson:A-NPM\">"
    "Blessed</w> <w src=\"4 5\" lemma=\"strong:G3588 strong:G4151 lemma.TR:τω lemma.TR:πνευματι\" "
    "morph=\"robinson:T-DSN robinson:N-DSN\">in spirit</w>.<w src=\"2\" lemma=\"strong:G3588 lemma.TR:οι\" "
    "morph=\"robinson:T-NPM\"/>";

const char kWebVerse[] =
    "God<note placement=\"foot\"><reference type=\"annotateRef\">1:1 </reference>The Hebrew word rendered “God” is "
    "“אֱלֹהִ֑ים” (Elohim).</note><w lemma=\"strong:H1254\">created</w>.<note type=\"crossReference\"><reference "
    "type=\"annotateRef\">2:6 </reference><reference>Amos 8:10; Wisdom 1:1; 9:2</reference></note>x.<note "
    "placement=\"foot\">Literally, <rdg type=\"alternate\">head of the corner</rdg></note><list><item>a";

} // namespace

TEST_F(ImporterRoundTrip, TaggedTranslationsRenderCleanly)
{
    std::vector<SourceVerse> v = {{1, 1, 1, kKjvVerse, 1}, {19, 3, 1, kKjvVerse, 2}, {40, 5, 3, kMorphVerse, 3},
                                  {30, 8, 10, kWebVerse, 4}, {66, 22, 21, "The grace.", 5}};
    Check(Options(Profile::Strongs), v, 0);
    Check(Options(Profile::Morphology), v, 0);
    Check(Options(Profile::Study), v, 0);
}

TEST_F(ImporterRoundTrip, OriginalLanguageTexts)
{
    Check(Options(Profile::GreekText), {{40, 5, 3, kMorphVerse, 1}, {43, 1, 1, kMorphVerse, 2}}, 2);
    Check(Options(Profile::HebrewText),
          {{1, 1, 1, "<w lemma=\"b/7225\">בְּ/רֵאשִׁ֖ית</w> <w>בָּרָ֣א</w><seg type=\"x-sof-pasuq\">׃</seg>", 1}}, 1);
    EXPECT_EQ(datawindow[0].tag_advanced, 0);
}
