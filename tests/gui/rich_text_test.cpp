// Rendered book text streamed into a real RichEdit control: the plain text it
// shows, the colours of labels and tag classes, and the probes that tell a
// reference, a label or a script from the character format.
#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/file_io.h"
#include "app/records.h"
#include "books/render.h"
#include "books/sbk_reader.h"
#include "books/rtf_tags.h"
#include "books/tag_parser.h"
#include "books/win/gdi_measurer.h"
#include "books/win/rich_text.h"
#include "harness.h"
#include "modwriter/modwriter.h"

namespace {

BOOK_INFO g_books[1];

class RichTextTest : public gui::FrameTest {
protected:
    void SetUp() override
    {
        gui::FrameTest::SetUp();
        ResetGlobalRecords();
        std::memset(g_books, 0, sizeof g_books);
        std::strcpy(g_books[0].name, "Genesis");
        std::strcpy(g_books[0].abbrev_name, "Gn");
        std::strcpy(g_books[0].sync_name, "OTGen");
        DATAWINDOW& w = datawindow[0];
        w.language = SCRIPT_LATIN;
        w.tag_advanced = 1;
        w.books = 1;
        w.book_info = g_books;
        w.show_tag_christ = w.show_tag_reference = w.show_tag_strong_hebrew = w.show_tag_strong_greek = 1;
        w.charset[0] = EASTEUROPE_CHARSET;
        status.num_windows = 1;
        host_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 40, 40, 620, 260, frame(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        edit_ = CreateWindowExA(0, "RichEdit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY, 0,
                                0, 600, 240, host_, nullptr, GetModuleHandleA(nullptr), nullptr);
        w.hwnd = host_;
        w.hrichedit = edit_;
    }
    void TearDown() override
    {
        if (datafile[0].file) {
            std::free(datawindow[0].book_info);
            SvClose(datafile[0].file);
            datafile[0].file = nullptr;
        }
        datawindow[0].book_info = nullptr;
        datawindow[0].hrichedit = nullptr;
        datawindow[0].hwnd = nullptr;
        if (host_) DestroyWindow(host_);
        gui::FrameTest::TearDown();
    }

    // One labelled verse through the tag parser, as the book window renders it.
    void RenderVerse(const char* label, const char* text)
    {
        BK_InicRTFheader(datawindow[0].charset);
        std::string doc = BK_RTFhead;
        doc += rtftag[RTF_DEF_CZ].rtf1;
        doc += rtftag[RTF_LABEL].rtf1;
        doc += label;
        std::memcpy(bk_rtfdata.buffer, doc.data(), doc.size());
        int end = BK_ParseTagsCZ(text, 0, bk_rtfdata.buffer, RTFDATA_BUFFER, static_cast<int>(doc.size()), 0);
        std::strcpy(bk_rtfdata.buffer + end, BK_RTF_end);
        ASSERT_EQ(BK_ZobrazText(0), 1);
        gui::PumpUntilIdle();
    }
    std::string Text() const
    {
        static char buf[8192];
        GetWindowTextA(edit_, buf, sizeof buf);
        return buf;
    }
    int At(const char* what) const
    {
        std::size_t at = Text().find(what);
        return at == std::string::npos ? -1 : static_cast<int>(at);
    }
    COLORREF ColourAt(int position) const
    {
        SendMessageA(edit_, EM_SETSEL, position, position + 1);
        CHARFORMATA cf{};
        cf.cbSize = sizeof cf;
        SendMessageA(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        return cf.crTextColor;
    }

    HWND host_ = nullptr;
    HWND edit_ = nullptr;
};

// A tagged module of Genesis 1:1-20 and John 1:1, open in data window 0.
std::string g_module;
void OpenModule()
{
    modwriter::BookModule m;
    m.tag_caps.fill(1);
    m.charset[0] = EASTEUROPE_CHARSET;
    modwriter::Book gen("Genesis", "Gn", "OTGen");
    gen.verses.push_back({1, 1, "In the beginning|RH7225|Rh God|RH430|Rh created the heaven and the earth."});
    for (int v = 2; v <= 20; ++v)
        gen.verses.push_back({1, v, "And God said, |TJLet there be light|Tj: and there was light. |RROTGen:1:" +
                                        std::to_string(v - 1) + "|Rr"});
    modwriter::Book john("John", "Jn", "NTJohn");
    john.verses.push_back({1, 1, "In the beginning was the Word|TNor: the Logos|Tn."});
    m.books = {gen, john};
    g_module = modwriter::BuildBookModule(m);
    DATAWINDOW& w = datawindow[0];
    HWND host = static_cast<HWND>(w.hwnd);
    HWND edit = static_cast<HWND>(w.hrichedit);
    datafile[0].file = SvOpenMemory(g_module.data(), g_module.size());
    datafile[0].opened = 1;
    w.book_info = nullptr;
    ScanSBKInfoEx(datafile[0].file, 0);
    w.hwnd = host;
    w.hrichedit = edit;
    RECT rc;
    GetClientRect(edit, &rc);
    w.position = SV_RECT{rc.left, rc.top, rc.right, rc.bottom};
    w.line_width = rc.right - 16;
}

const char* const kVerse = "In the beginning |RROTGen:1:2|Rr God|RH430|Rh |TJsaid|Tj |THabc|Th |TGlogos|Tg.";

} // namespace

TEST_F(RichTextTest, StreamedVerseShowsItsPlainText)
{
    RenderVerse("Genesis 1:1 ", kVerse);
    std::string text = Text();
    EXPECT_EQ(text.substr(0, 63), "Genesis 1:1 In the beginning  Gn\xA0" "1:2 God H430 said cba logos.\r\n") << text;
    EXPECT_EQ(bk_rtfdata.offset, bk_rtfdata.count);

    // A second document replaces the first.
    RenderVerse("2 ", "And the earth");
    EXPECT_EQ(Text().substr(0, 15), "2 And the earth");
}

TEST_F(RichTextTest, LabelsAndTagClassesHaveTheirColours)
{
    RenderVerse("Genesis 1:1 ", kVerse);
    EXPECT_EQ(ColourAt(0), RGB(0, 0, 254));
    EXPECT_EQ(ColourAt(At("In")), RGB(0, 0, 0));
    EXPECT_EQ(ColourAt(At("Gn")), RGB(20, 155, 0));
    EXPECT_EQ(ColourAt(At("H430")), RGB(204, 153, 0));
    EXPECT_EQ(ColourAt(At("said")), RGB(255, 0, 0));

    EXPECT_EQ(BK_IsRTFNewLine(edit_, 0), 1);
    EXPECT_EQ(BK_IsRTFNewLine(edit_, 8), 1);
    EXPECT_EQ(BK_IsRTFNewLine(edit_, At("In")), 0);
    EXPECT_EQ(BK_IsRTFNewLine(edit_, At("said")), 0);
}

TEST_F(RichTextTest, ProbesTellLinksScriptsAndFonts)
{
    RenderVerse("Genesis 1:1 ", kVerse);
    EXPECT_EQ(IsRTFUnderline(edit_, At("Gn")), 1);
    EXPECT_EQ(IsRTFUnderline(edit_, At("1:2")), 1);
    EXPECT_EQ(IsRTFUnderline(edit_, At("H430") + 2), 1);
    EXPECT_EQ(IsRTFUnderline(edit_, At("In")), 0);
    EXPECT_EQ(IsRTFUnderline(edit_, At("God")), 0);

    int hebrew = At("cba");
    int greek = At("logos");
    EXPECT_EQ(BK_IsRTFHebrew(edit_, hebrew, hebrew + 3), 1);
    EXPECT_EQ(BK_IsRTFHebrew(edit_, greek, greek + 5), 0);
    EXPECT_EQ(BK_IsRTFGreek(edit_, greek, greek + 5), 1);
    EXPECT_EQ(BK_IsRTFGreek(edit_, hebrew, hebrew + 3), 0);
    EXPECT_EQ(CompareFontRTF(edit_, "Arial", At("In")), 1);
    EXPECT_EQ(CompareFontRTF(edit_, "GreekUniversal", At("In")), 0);
    EXPECT_EQ(CompareFontRTF(edit_, "GreekUniversal", greek), 1);
    EXPECT_EQ(FindRTFCharset(edit_, At("In"), At("In") + 2), EASTEUROPE_CHARSET);
    EXPECT_EQ(FindRTFCharset(edit_, greek, greek + 5), ANSI_CHARSET);

    // With the Hebrew script option the Hebrew rows use the other face.
    status.script = 1;
    RenderVerse("1 ", "|THabc|Th");
    EXPECT_EQ(CompareFontRTF(edit_, "HebrewUniversalS", At("cba")), 1);
    EXPECT_EQ(BK_IsRTFHebrew(edit_, At("cba"), At("cba") + 3), 1);
}

TEST_F(RichTextTest, ProbesLeaveTheSelectionAlone)
{
    RenderVerse("Genesis 1:1 ", kVerse);
    SendMessageA(edit_, EM_SETSEL, 3, 9);
    IsRTFUnderline(edit_, 20);
    BK_IsRTFGreek(edit_, 30, 35);
    DWORD start = 0, end = 0;
    SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 9u);
}

TEST_F(RichTextTest, StreamCallbackHandsOutTheBufferInPieces)
{
    std::strcpy(bk_rtfdata.buffer, "0123456789");
    bk_rtfdata.count = 10;
    bk_rtfdata.offset = 0;
    BYTE piece[8];
    LONG got = -1;
    EXPECT_EQ(BK_EditStreamCallback(0, piece, 4, &got), 0u);
    EXPECT_EQ(got, 4);
    EXPECT_EQ(std::memcmp(piece, "0123", 4), 0);
    EXPECT_EQ(BK_EditStreamCallback(reinterpret_cast<DWORD_PTR>(&bk_rtfdata), piece, 8, &got), 0u);
    EXPECT_EQ(got, 6);
    EXPECT_EQ(std::memcmp(piece, "456789", 6), 0);
    EXPECT_EQ(BK_EditStreamCallback(0, piece, 8, &got), 0u);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(bk_rtfdata.offset, 10);
}

TEST_F(RichTextTest, GdiMeasurerMeasuresWithTheTextFonts)
{
    GdiTextMeasurer m;
    ASSERT_TRUE(m.Begin(0));
    int one = m.Width(MEASURE_TEXT, "beginning", 9);
    int two = m.Width(MEASURE_TEXT, "beginningbeginning", 18);
    EXPECT_GT(one, 20);
    EXPECT_NEAR(two, 2 * one, 2);
    EXPECT_EQ(m.Width(MEASURE_TEXT, "x", 0), 0);
    // A larger size measures wider.
    m.End();
    RTFCzechFontSize = 42;
    ASSERT_TRUE(m.Begin(0));
    EXPECT_GT(m.Width(MEASURE_TEXT, "beginning", 9), one * 3 / 2);
    m.End();

    // A minimised window renders nothing.
    ShowWindow(host_, SW_MINIMIZE);
    gui::PumpUntilIdle();
    if (IsIconic(host_)) {
        EXPECT_FALSE(m.Begin(0));
    }
}

TEST_F(RichTextTest, RenderedWindowOfModuleVersesStreamsIn)
{
    OpenModule();
    int verses = BK_PripravText(BOOK_POSITION{0, 1, 1, 3}, 0);
    // 240 pixels of 21-point text: trunc(1.7 x 240 / 21) = 19 lines at most.
    EXPECT_GT(verses, 2);
    EXPECT_LE(verses, 19);
    ASSERT_EQ(BK_ZobrazText(0), 1);
    gui::PumpUntilIdle();
    std::string text = Text();
    EXPECT_EQ(text.rfind("Genesis 1:3 And God said, Let there be light: and there was light.  Gn\xA0" "1:2\r\n4 And", 0),
              0u)
        << text;
    EXPECT_EQ(datawindow[0].book_position.verse, 3);
    EXPECT_EQ(BK_IsRTFNewLine(edit_, 0), 1);
    EXPECT_EQ(BK_IsRTFNewLine(edit_, At("4 And")), 1);
    EXPECT_EQ(BK_IsRTFNewLine(edit_, At("4 And") + 2), 0);
    EXPECT_EQ(IsRTFUnderline(edit_, At("Gn")), 1);
    EXPECT_EQ(ColourAt(At("Let there")), RGB(255, 0, 0));

    // A wider window holds no fewer verses; a window 0 pixels high none.
    datawindow[0].position.bottom = 0;
    EXPECT_EQ(BK_PripravText(BOOK_POSITION{0, 1, 1, 3}, 0), 0);
    EXPECT_EQ(std::string(bk_rtfdata.buffer).find("Genesis"), std::string::npos);
}

TEST_F(RichTextTest, WideHebrewVerseBecomesSeveralRightAlignedParagraphs)
{
    modwriter::BookModule m;
    m.language = SCRIPT_HEBREW;
    m.tag_advanced = 0;
    modwriter::Book gen("Bereshit", "Gn", "OTGen");
    std::string words;
    static const char* const kWords[] = {"abc", "abcd", "abcde", "abcdef"};
    for (int k = 0; k < 40; ++k) {
        if (k) words += ' ';
        words += kWords[k % 4];
    }
    gen.verses.push_back({1, 1, words});
    m.books = {gen};
    g_module = modwriter::BuildBookModule(m);
    datafile[0].file = SvOpenMemory(g_module.data(), g_module.size());
    datafile[0].opened = 1;
    HWND host = host_, edit = edit_;
    ScanSBKInfoEx(datafile[0].file, 0);
    datawindow[0].hwnd = host;
    datawindow[0].hrichedit = edit;
    datawindow[0].position = SV_RECT{0, 0, 600, 240};
    datawindow[0].line_width = 600 - 16;
    ASSERT_EQ(BK_PripravText(BOOK_POSITION{0, 1, 1, 1}, 0), 1);
    BK_ZobrazText(0);
    gui::PumpUntilIdle();
    std::string text = Text();
    // The first line ends with the label; every line is reversed.
    std::size_t first_end = text.find("\r\n");
    ASSERT_NE(first_end, std::string::npos);
    EXPECT_EQ(text.substr(first_end - 16, 16), "cba Bereshit 1:1") << text;
    // Read back line by line and each line turned round, the verse is whole.
    std::string joined;
    int lines = 0;
    std::size_t start = 0;
    for (std::size_t at = first_end; at != std::string::npos && at > start; at = text.find("\r\n", start)) {
        std::string line = text.substr(start, at - start);
        if (lines == 0) line.erase(line.size() - 13);  // the label
        if (!joined.empty()) joined += ' ';
        joined.append(line.rbegin(), line.rend());
        ++lines;
        start = at + 2;
    }
    EXPECT_EQ(joined, words);
    EXPECT_GE(lines, 3);
    SendMessageA(edit_, EM_SETSEL, 1, 1);
    PARAFORMAT pf{};
    pf.cbSize = sizeof pf;
    SendMessageA(edit_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    EXPECT_EQ(pf.wAlignment, PFA_RIGHT);
    EXPECT_EQ(BK_IsRTFHebrew(edit_, 0, 3), 1);
    EXPECT_EQ(BK_IsRTFNewLine(edit_, static_cast<int>(first_end) - 5), 1);
}

// Not a check: saves what the control shows as a BMP when SEVIR_SHOT names a
// file, so that a person can look at the rendering.
TEST_F(RichTextTest, Screenshot)
{
    const char* path = std::getenv("SEVIR_SHOT");
    if (!path || !*path) GTEST_SKIP();
    OpenModule();
    ASSERT_GT(BK_PripravText(BOOK_POSITION{0, 1, 1, 1}, 0), 0);
    BK_ZobrazText(0);
    UpdateWindow(edit_);
    gui::PumpUntilIdle(200, 1500);
    RECT rc;
    GetClientRect(host_, &rc);
    HDC src = GetDC(host_);
    HDC mem = CreateCompatibleDC(src);
    HBITMAP bmp = CreateCompatibleBitmap(src, rc.right, rc.bottom);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, rc.right, rc.bottom, src, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = rc.right;
    bi.bmiHeader.biHeight = rc.bottom;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    int stride = ((rc.right * 3 + 3) / 4) * 4;
    std::string pixels(static_cast<std::size_t>(stride * rc.bottom), '\0');
    GetDIBits(mem, bmp, 0, rc.bottom, pixels.data(), &bi, DIB_RGB_COLORS);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(pixels.size());
    if (FILE* f = std::fopen(path, "wb")) {
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(pixels.data(), 1, pixels.size(), f);
        std::fclose(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(host_, src);
}
