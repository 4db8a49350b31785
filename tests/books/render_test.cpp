// Rendering a book window's worth of verses from modules written by the module
// writer: the three layouts, labels, the line budget and the buffer limits.
#include "books/render.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message.h"
#include "books/book_fixture.h"
#include "books/rtf_tags.h"
#include "books/text_measure.h"

namespace {

using modwriter::Book;
using modwriter::BookModule;
using modwriter::Verse;

// Genesis 1:1-5, 2:1-2 and Exodus 1:1.
BookModule Module(int language, int tagged)
{
    BookModule m;
    m.language = language;
    m.tag_advanced = tagged;
    m.tag_caps.fill(1);
    m.charset[0] = 238;
    Book gen("Genesis", "Gn", "OTGen");
    for (int v = 1; v <= 5; ++v) gen.verses.push_back(Verse{1, v, "verse one " + std::to_string(v)});
    gen.verses.push_back(Verse{2, 1, "chapter two"});
    gen.verses.push_back(Verse{2, 2, "and more"});
    Book exo("Exodus", "Ex", "OTExod");
    exo.verses.push_back(Verse{1, 1, "names"});
    m.books = {gen, exo};
    return m;
}

class RenderTest : public testbooks::BookTest {
protected:
    void Open(const BookModule& m, int width = 1000, int height = 800)
    {
        bytes_ = modwriter::BuildBookModule(m);
        ASSERT_EQ(testbooks::OpenInWindow(bytes_), 1);
        Resize(width, height);
    }
    static void Resize(int width, int height)
    {
        datawindow[0].position = SV_RECT{0, 0, width, height};
        datawindow[0].line_width = width - 16;
    }
    static int Render(int book, int chapter, int verse)
    {
        return BK_PripravText(BOOK_POSITION{0, book, chapter, verse}, 0);
    }
    static std::string Doc() { return bk_rtfdata.buffer; }
    // The document between the opening formats and the ending.
    static std::string Body(const std::string& opening)
    {
        std::string doc = Doc();
        std::string head = std::string(BK_RTFhead) + opening;
        EXPECT_EQ(doc.compare(0, head.size(), head), 0);
        std::string end = BK_RTF_end;
        EXPECT_GE(doc.size(), head.size() + end.size());
        EXPECT_EQ(doc.substr(doc.size() - end.size()), end);
        return doc.substr(head.size(), doc.size() - head.size() - end.size());
    }
    std::string bytes_;
};

const std::string kLabel = "\\plain\\f3\\fs21\\cf2 ";
const std::string kBase = "\\ql\\plain\\f3\\fs21\\cf0 ";

} // namespace

TEST_F(RenderTest, PlainVersesWithLabelsFromTheFirstVerseOn)
{
    Open(Module(0, 0));
    EXPECT_EQ(Render(1, 1, 4), 5);
    EXPECT_EQ(Body("\\ql" + kBase), kLabel + "Genesis 1:4 " + kBase + "verse one 4\r\n\\par" + kLabel + "5 " + kBase +
                                         "verse one 5\r\n\\par" + kLabel + "Genesis 2:1 " + kBase +
                                         "chapter two\r\n\\par" + kLabel + "2 " + kBase + "and more\r\n\\par" +
                                         kLabel + "Exodus 1:1 " + kBase + "names\r\n\\par");
    EXPECT_EQ(datawindow[0].book_position.book, 1);
    EXPECT_EQ(datawindow[0].book_position.verse, 4);
    EXPECT_GT(datawindow[0].offset, 0);

    // With labels off, verses follow one another without them.
    status.opt_bk_label = 0;
    EXPECT_EQ(Render(2, 1, 1), 1);
    EXPECT_EQ(Body("\\ql" + kBase), kBase + "names\r\n\\par");
}

TEST_F(RenderTest, TaggedVersesGoThroughTheTagParser)
{
    BookModule m = Module(0, 1);
    m.books[0].verses[0].text = "Jesus|RG2424|Rg said, |TJFollow me|Tj.";
    Open(m);
    EXPECT_EQ(Render(1, 1, 1), 8);
    std::string body = Body(kBase);
    EXPECT_EQ(body.rfind(kLabel + "Genesis 1:1 " + kBase + "Jesus {\\up\\ul\\f3\\fs14\\cf15 G2424}" +
                                            kBase + " said, \\plain\\f3\\fs21\\cf7 Follow me" + kBase +
                                            ".\r\n\\par" + kLabel + "2 " + kBase + "verse one 2\r\n\\par",
                                        0),
              0u)
        << body;

    // Greek modules start from the Greek base.
    BookModule g = Module(2, 1);
    Open(g);
    EXPECT_EQ(Render(1, 2, 2), 2);
    const std::string greek = "\\ql\\plain\\f11\\fs27\\cf17 ";
    EXPECT_EQ(Body(greek), kLabel + "Genesis 2:2 " + greek + "and more\r\n\\par" + kLabel + "Exodus 1:1 " + greek +
                               "names\r\n\\par");
}

TEST_F(RenderTest, LineBudgetFollowsTheWindowHeight)
{
    // Budget 0: a window 0 pixels high renders no verse in any layout.
    Open(Module(0, 0), 1000, 0);
    EXPECT_EQ(Render(1, 1, 1), 0);
    EXPECT_EQ(Body("\\ql" + kBase), "");
    Open(Module(0, 1), 1000, 0);
    EXPECT_EQ(Render(1, 1, 1), 0);
    EXPECT_EQ(Body(kBase), "");
    Open(Module(1, 0), 1000, 0);
    EXPECT_EQ(Render(1, 1, 1), 0);
    EXPECT_EQ(Body("\\qr"), "");

    // Plain: trunc(1.5 x 42 / 21) = 3 lines, one line per short verse.
    Open(Module(0, 0), 1000, 42);
    EXPECT_EQ(Render(1, 1, 1), 3);
    // Tagged: trunc(1.7 x 42 / 21) = 3, doubled when Strong's numbers are hidden.
    Open(Module(0, 1), 1000, 42);
    EXPECT_EQ(Render(1, 1, 1), 3);
    datawindow[0].show_tag_strong_greek = 0;
    EXPECT_EQ(Render(1, 1, 1), 6);

    // A verse as wide as several lines uses several lines of the budget:
    // 21-pixel text measures 8 pixels a byte: label and 60 bytes make
    // (96 + 480) / 168 = 3 lines, the next two verses one each.
    BookModule wide = Module(0, 0);
    wide.books[0].verses[0].text = std::string(60, 'w');
    Open(wide, 200, 70);  // budget 5
    EXPECT_EQ(Render(1, 1, 1), 3);
}

TEST_F(RenderTest, HebrewVersesAreBrokenIntoReversedLines)
{
    BookModule m = Module(1, 0);
    m.books[0].verses[0].text = "abc def ghi jkl";
    m.books[0].verses[1].text = "x\\y";
    Open(m, 150, 800);
    status.opt_bk_label = 1;
    EXPECT_EQ(Render(1, 1, 1), 8);
    // Line width 134; Hebrew measures 14 pixels a byte, the label
    // " Genesis 1:1" 12 x 8 = 96. "abc" alone reaches the width with the label
    // but a line holds at least one word; "def ghi" 98 + 16 fits, with "jkl"
    // it would not.
    const std::string th = "\\plain\\f12\\fs36\\cf5 ";
    std::string body = Body("\\qr");
    EXPECT_EQ(body.rfind(th + "cba" + kLabel + " Genesis 1:1\r\n\\par " + th + "ihg fed\r\n\\par " +
                                            "lkj\r\n\\par " + th + "y\\\\x" + kLabel + " 2\r\n\\par " + th,
                                        0),
              0u)
        << body;
}

TEST_F(RenderTest, MissingVerseRendersFromThePrecedingOne)
{
    Open(Module(0, 0));
    EXPECT_EQ(Render(1, 1, 9), 4);  // chapter 1 has 5 verses
    EXPECT_EQ(datawindow[0].book_position.chapter, 1);
    EXPECT_EQ(datawindow[0].book_position.verse, 5);
    EXPECT_EQ(Doc().find(kLabel + "Genesis 1:5 "), std::string(BK_RTFhead).size() + 3 + kBase.size());
}

TEST_F(RenderTest, OutputStopsBeforeTheBufferLimit)
{
    // Plain: the verse that would pass the limit is left out, its label stays.
    BookModule m = Module(0, 0);
    for (int v = 0; v < 3; ++v) m.books[0].verses[static_cast<std::size_t>(v)].text = testbooks::Words(50000, v);
    Open(m, 1000, 8000000);
    EXPECT_EQ(Render(1, 1, 1), 3);
    std::string doc = Doc();
    EXPECT_LE(doc.size(), static_cast<std::size_t>(RTF_RENDER_LIMIT) + std::strlen(BK_RTF_end));
    EXPECT_NE(doc.find(kLabel + "3 " + BK_RTF_end), std::string::npos);

    // Tagged: no verse starts once the output is beyond the limit, and the
    // parser itself stops 2048 bytes before the end of the buffer.
    BookModule t = Module(0, 1);
    for (auto& v : t.books[0].verses) v.text = testbooks::Words(60000, 1);
    Open(t, 1000, 8000000);
    EXPECT_EQ(Render(1, 1, 1), 3);
    doc = Doc();
    EXPECT_LT(doc.size(), static_cast<std::size_t>(RTFDATA_BUFFER));
    EXPECT_EQ(doc.substr(doc.size() - std::strlen(BK_RTF_end)), BK_RTF_end);
}

TEST_F(RenderTest, ClosedModuleOrHiddenWindowRendersNothing)
{
    Open(Module(0, 0));
    std::strcpy(bk_rtfdata.buffer, "old");
    SvClose(datafile[0].file);
    datafile[0].file = nullptr;
    EXPECT_EQ(Render(1, 1, 1), 0);
    EXPECT_STREQ(bk_rtfdata.buffer, "old");

    struct Hidden : TextMeasurer {
        bool Begin(int) override { return false; }
        int Width(int, const char*, int) override { return 0; }
        void End() override {}
    } hidden;
    Open(Module(0, 0));
    TextMeasurer* previous = BK_SetTextMeasurer(&hidden);
    EXPECT_EQ(Render(1, 1, 1), 0);
    EXPECT_STREQ(bk_rtfdata.buffer, "old");
    BK_SetTextMeasurer(previous);
}

namespace {

modwriter::BookLayout g_layout;
std::vector<int> g_results;  // indexes into g_layout.records

int32_t ResultOffset(int i)
{
    return i >= 0 && i < static_cast<int>(g_results.size()) ? g_layout.records[static_cast<std::size_t>(g_results[static_cast<std::size_t>(i)])].offset : 0;
}

// Marks the first "light" (or the Hebrew "def") of the verse.
void MarkHits(int)
{
    std::string text = g_book_record.buffer;
    std::size_t at = text.find("light");
    std::size_t len = 5;
    if (at == std::string::npos) {
        at = text.find("def");
        len = 3;
    }
    if (at == std::string::npos) return;
    text.insert(at + len, "|Ss");
    text.insert(at, "|SS");
    std::strcpy(g_book_record.buffer, text.c_str());
    g_book_record.delka = static_cast<int32_t>(text.size());
}

const BK_RESULTS_SOURCE kSource = {ResultOffset, MarkHits};

} // namespace

TEST_F(RenderTest, ResultsViewRendersTheResultsWithTheirHitsMarked)
{
    BookModule m = Module(0, 0);
    m.books[0].verses[1].text = "let there be light";
    m.books[1].verses[0].text = "the light of men";
    bytes_ = modwriter::BuildBookModule(m, &g_layout);
    ASSERT_EQ(testbooks::OpenInWindow(bytes_), 1);
    Resize(1000, 800);
    EXPECT_EQ(BK_PripravText(BOOK_POSITION{0, 1, 1, 1}, 1), 0);  // no results source yet

    BK_SetResultsSource(&kSource);
    g_results = {1, 7};  // Genesis 1:2 and Exodus 1:1
    EXPECT_EQ(BK_PripravText(BOOK_POSITION{0, 1, 1, 1}, 1), 2);
    // Untagged modules take the tagged layout here; every label is full.
    EXPECT_EQ(Body(kBase), kLabel + "Genesis 1:2 " + kBase + "let there be {\\cf16 light}\r\n\\par" + kLabel +
                               "Exodus 1:1 " + kBase + "the {\\cf16 light} of men\r\n\\par");

    // Hebrew: the marks switch the colour inside each reversed line.
    BookModule h = Module(1, 0);
    h.books[0].verses[0].text = "abc def ghi";
    bytes_ = modwriter::BuildBookModule(h, &g_layout);
    ASSERT_EQ(testbooks::OpenInWindow(bytes_), 1);
    Resize(1000, 800);
    g_results = {0};
    EXPECT_EQ(BK_PripravText(BOOK_POSITION{0, 1, 1, 1}, 1), 1);
    const std::string th = "\\plain\\f12\\fs36\\cf5 ";
    EXPECT_EQ(Body("\\qr"), th + "\\cf5 ihg \\cf16 fed\\cf5  cba" + kLabel + " Genesis 1:1\r\n\\par " + th);

    BK_SetResultsSource(nullptr);
    g_results.clear();
}
