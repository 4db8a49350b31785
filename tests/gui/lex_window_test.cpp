// Lexicon windows driven through their real controls: a Latin, a Hebrew and a
// Greek lexicon written by the module writer.
#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "harness.h"
#include "lex/lex_list.h"
#include "lex/win/lex_window.h"
#include "modwriter/modwriter.h"
#include "resource.h"

namespace {

modwriter::Collation Alphabet(const std::vector<std::string>& letters)
{
    modwriter::Collation c;
    for (const std::string& l : letters) {
        const bool joins = l.size() > 1 && l.back() == '=';
        c.letters.push_back(joins ? l.substr(0, l.size() - 1) : l);
        c.joins_next.push_back(joins);
    }
    return c;
}

modwriter::LexEntry Entry(const std::string& keyword, const std::string& strong, const std::string& body,
                          std::vector<std::string> items = {})
{
    modwriter::LexEntry e;
    e.keyword = keyword;
    e.strong = strong;
    e.body = body;
    e.items = std::move(items);
    return e;
}

// 300 Latin keywords "ba".."tu" + number, in order.
std::string LatinLexicon()
{
    modwriter::LexiconModule m;
    m.info = {{"IA", "LAT"}, {"IT", "Latin Test Lexicon"}};
    m.collation = Alphabet({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "a", "b", "c", "d", "e", "f", "g", "h",
                            "i", "k", "l", "m", "n", "o", "p", "r", "s", "t", "u"});
    m.labels = {{"Pronunciation: ", 1}, {"Meaning: ", 0}};
    const char* const syllables[] = {"ba", "de", "fi", "go", "ku", "la", "me", "ni", "po", "ru", "sa", "tu"};
    for (int a = 0; a < 12; ++a)
        for (int k = 0; k < 25; ++k) {
            char kw[32];
            std::snprintf(kw, sizeof kw, "%s%02d", syllables[a], k);
            m.entries.push_back(Entry(kw, "", std::string("The article about |TB") + kw + "|Tb.", {kw, "a word"}));
        }
    std::string error;
    std::string bytes = modwriter::BuildLexiconModule(m, &error);
    EXPECT_EQ(error, "");
    return bytes;
}

std::string HebrewLexicon(int sync_byte = 0, int no_jumps = 0, const char* abbrev = "HEB")
{
    modwriter::LexiconModule m;
    m.language = 1;
    m.keyword_strong = 1;
    m.info = {{"IA", abbrev}, {"IT", std::string("Hebrew Lexicon ") + abbrev}};
    m.sync_byte = sync_byte;
    m.no_jumps = no_jumps;
    m.tag_bytes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    m.collation = Alphabet({"@", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J=", "K", "L", "M=", "N", "O=", "P",
                            "Q", "R", "S=", "T", "U=", "V", "W", "X", "Y", "Z"});
    m.labels = {{"Transliteration: ", 1}, {"Part of speech: ", 0}};
    const struct {
        const char* word;
        const char* strong;
        const char* tr;
        const char* meaning;
    } words[] = {
        {"@A", "H1", "av", "father"},          {"@AXDM", "H85", "Avraham", "Abraham"},
        {"@CM", "H120", "adam", "man, mankind"}, {"@LDIM", "H430", "elohim", "God, gods"},
        {"AO", "H1121", "ben", "son"},          {"AXIZ", "H1285", "berit", "covenant"},
        {"CAX", "H1697", "davar", "word, matter"}, {"IYX@L", "H3478", "Yisrael", "Israel"},
        {"LGM", "H3899", "lechem", "bread"},     {"NLJ", "H4428", "melekh", "king"},
        {"YLEM", "H7965", "shalom", "peace, welfare"}, {"ZEXD", "H8451", "torah", "law, instruction"},
    };
    for (const auto& w : words)
        m.entries.push_back(Entry(w.word, w.strong,
                                  std::string("|TH") + w.word + "|Th " + w.meaning +
                                      ". A common word of the Old Testament; see also |TH@A|Th.",
                                  {w.tr, "noun"}));
    std::string error;
    std::string bytes = modwriter::BuildLexiconModule(m, &error);
    EXPECT_EQ(error, "");
    return bytes;
}

std::string GreekLexicon()
{
    modwriter::LexiconModule m;
    m.language = 2;
    m.keyword_strong = 2;
    m.info = {{"IA", "GRK"}, {"IT", "Greek Test Lexicon"}};
    m.collation = Alphabet({"a", "b", "g", "d", "e", "z", "h", "q", "i", "k", "l", "m", "n", "x", "o", "p", "r", "s=",
                            "j", "t", "u", "f", "c", "y", "w"});
    m.labels = {{"Transliteration: ", 1}, {"Meaning: ", 0}};
    const struct {
        const char* word;
        const char* strong;
        const char* tr;
        const char* meaning;
    } words[] = {
        {"agapaw", "G25", "agapao", "to love"},   {"agaph", "G26", "agape", "love"},
        {"agioj", "G40", "hagios", "holy"},       {"anqrwpoj", "G444", "anthropos", "man"},
        {"basileia", "G932", "basileia", "kingdom"}, {"grafh", "G1124", "graphe", "scripture"},
        {"doxa", "G1391", "doxa", "glory"},        {"eirhnh", "G1515", "eirene", "peace"},
        {"zwh", "G2222", "zoe", "life"},           {"qeoj", "G2316", "theos", "God"},
        {"kurioj", "G2962", "kyrios", "lord"},     {"logoj", "G3056", "logos", "word"},
        {"pistij", "G4102", "pistis", "faith"},    {"pneuma", "G4151", "pneuma", "spirit"},
        {"swthria", "G4991", "soteria", "salvation"}, {"carij", "G5485", "charis", "grace"},
        {"yuch", "G5590", "psyche", "soul"},
    };
    for (const auto& w : words)
        m.entries.push_back(Entry(w.word, w.strong,
                                  std::string("|TG") + w.word + "|Tg: " + w.meaning +
                                      ". A word of the New Testament, used in many places.",
                                  {w.tr, w.meaning}));
    std::string error;
    std::string bytes = modwriter::BuildLexiconModule(m, &error);
    EXPECT_EQ(error, "");
    return bytes;
}

class LexGuiTest : public gui::FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "sevir-lex-gui";
        CreateDirectoryA(dir_.c_str(), nullptr);
        CreateDirectoryA((dir_ + "\\data").c_str(), nullptr);
        auto write = [this](const char* name, const std::string& bytes) {
            ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\" + name, bytes));
        };
        write("latin.lex", LatinLexicon());
        write("hebrew.lex", HebrewLexicon());
        write("hebrew2.lex", HebrewLexicon(0, 0, "HE2"));
        write("hebrew3.lex", HebrewLexicon(0, 1, "HE3"));
        write("greek.lex", GreekLexicon());
        status.opt_resizing = 0;
        MoveWindow(frame(), 0, 0, 1000, 760, TRUE);
        status.path_used = 1;
        std::snprintf(status.path_data[0].path, sizeof status.path_data[0].path, "%s", dir_.c_str());
        ScanDataFiles();
        CreateDataFilesSubmenu();
        AttachDataFilesSubmenus(frame());
        gui::PumpUntilIdle();
    }
    void TearDown() override
    {
        FrameTest::TearDown();
        ResetGlobalRecords();
    }

    int Open(const char* name)
    {
        const int k = IsFileInDATAFILEArray(name, status.files_all);
        EXPECT_GE(k, 0) << name;
        const int before = status.num_windows;
        Command(IDM_MODULE_BASE + k);
        EXPECT_EQ(status.num_windows, before + 1) << name;
        return status.num_windows - 1;
    }
    static DATAWINDOW& W(int i) { return datawindow[i]; }
    static HWND Child(int i) { return static_cast<HWND>(datawindow[i].hwnd); }
    static HWND Edit(int i) { return static_cast<HWND>(datawindow[i].lx_hcomboEdit); }
    static HWND List(int i) { return static_cast<HWND>(datawindow[i].lx_hlistbox); }
    static int Top(int i) { return datawindow[i].lx_radku_filled > 0 ? datawindow[i].lx_radek[0].record : 0; }
    static std::string Article(int i)
    {
        static char text[65536];
        GetWindowTextA(static_cast<HWND>(datawindow[i].hrichedit), text, sizeof text);
        return text;
    }
    static void Scroll(int i, int code)
    {
        SendMessageA(Child(i), WM_VSCROLL, MAKEWPARAM(code, 0),
                     reinterpret_cast<LPARAM>(static_cast<HWND>(datawindow[i].lx_hscroll_data)));
        gui::PumpUntilIdle();
    }
    static void Type(int i, const char* text)
    {
        for (const char* p = text; *p; ++p) SendMessageA(Edit(i), WM_CHAR, static_cast<unsigned char>(*p), 1);
        gui::PumpUntilIdle();
    }
    static void Key(HWND control, UINT vk)
    {
        SendMessageA(control, WM_KEYDOWN, vk, 1);
        gui::PumpUntilIdle();
    }
    // Saves the frame into a BMP in the folder SEVIR_SHOT_DIR names.
    void Shot(const char* name)
    {
        const char* dir = std::getenv("SEVIR_SHOT_DIR");
        if (!dir || !*dir) return;
        RedrawWindow(frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        gui::PumpUntilIdle(100, 2000);
        RECT rc;
        GetWindowRect(frame(), &rc);
        const int w = rc.right - rc.left, h = rc.bottom - rc.top;
        HDC screen = GetDC(nullptr);
        HDC mem = CreateCompatibleDC(screen);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 24;
        void* bits = nullptr;
        HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
        SelectObject(mem, old);
        const int stride = (w * 3 + 3) & ~3;
        BITMAPFILEHEADER fh{};
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
        fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * h);
        const std::string path = std::string(dir) + "\\" + name + ".bmp";
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(&fh, sizeof fh, 1, f);
            std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
            std::fwrite(bits, static_cast<std::size_t>(stride * h), 1, f);
            std::fclose(f);
        }
        DeleteObject(bmp);
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
    }

    std::string dir_;
};

} // namespace

TEST_F(LexGuiTest, TypingJumpsEnterFiltersReloadClears)
{
    const int i = Open("latin.lex");
    ASSERT_EQ(W(i).type, MODULE_LEXICON);
    EXPECT_EQ(gui::WindowText(Child(i)), "Latin Test Lexicon");
    EXPECT_EQ(GetDlgCtrlID(List(i)), IDC_LX_LISTBOX);
    EXPECT_EQ(gui::WindowText(GetDlgItem(Child(i), IDC_LX_RELOAD)), "Reload");
    EXPECT_GT(W(i).lx_listbox_lines, 5);
    EXPECT_EQ(W(i).lx_radku_filled, W(i).lx_listbox_lines);
    EXPECT_EQ(Top(i), 1);
    EXPECT_NE(Article(i).find("Pronunciation: ba00 Meaning: a word"), std::string::npos) << Article(i);
    EXPECT_NE(Article(i).find("The article about ba00."), std::string::npos);
    EXPECT_EQ(std::string(LastStatusPicture().text), "1/300 [LAT] 1/300");
    EXPECT_EQ(LastStatusPicture().image, 0);

    // Typing moves the list to the first keyword at or after the text.
    Type(i, "la1");
    EXPECT_EQ(Top(i), 5 * 25 + 11);  // "la10"
    EXPECT_STREQ(W(i).lx_radek[0].tLeft, "la10");
    EXPECT_NE(Article(i).find("about la10"), std::string::npos);

    // Enter: the keywords that contain "a1" (ba1x, la1x, sa1x): 30.
    SetWindowTextA(Edit(i), "a1");
    Key(Edit(i), VK_RETURN);
    EXPECT_EQ(W(i).lx_filter_hits, 30);
    EXPECT_EQ(Top(i), 11);  // "ba10"
    EXPECT_EQ(std::string(LastStatusPicture().text), "1/30 [LAT] 11/300");
    EXPECT_EQ(LastStatusPicture().image, 1);
    // The key box is painted on the highlight colour.
    HDC dc = GetDC(Edit(i));
    SendMessageA(Child(i), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Edit(i)));
    EXPECT_EQ(GetBkColor(dc), static_cast<COLORREF>(status.opt_lx_highlight_combo_color));
    ReleaseDC(Edit(i), dc);
    EXPECT_EQ(W(i).lx_patt_hist_count, 1);
    // Scrolling walks the filtered keywords only.
    Scroll(i, SB_LINEDOWN);
    EXPECT_EQ(Top(i), 12);
    Scroll(i, SB_PAGEDOWN);
    EXPECT_GT(Top(i), 12);
    EXPECT_EQ(W(i).lx_filter[Top(i) - 1], 0);
    // A filter that matches nothing: the list stays.
    const int top = Top(i);
    SetWindowTextA(Edit(i), "zzz");
    Key(Edit(i), VK_RETURN);
    EXPECT_EQ(W(i).lx_filter_hits, 0);
    EXPECT_EQ(Top(i), top);

    // Reload (the button, and the Lexicon menu's item) clears the filter.
    SendMessageA(Child(i), WM_COMMAND, MAKEWPARAM(IDC_LX_RELOAD, BN_CLICKED), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(W(i).lx_filter_hits, 300);
    EXPECT_EQ(Top(i), 1);
    SetWindowTextA(Edit(i), "go");
    Key(Edit(i), VK_RETURN);
    EXPECT_EQ(W(i).lx_filter_hits, 25);
    Command(IDM_MENU_LEX_RELOAD);
    EXPECT_EQ(W(i).lx_filter_hits, 300);
    dc = GetDC(Edit(i));
    SendMessageA(Child(i), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Edit(i)));
    EXPECT_NE(GetBkColor(dc), static_cast<COLORREF>(status.opt_lx_highlight_combo_color));
    ReleaseDC(Edit(i), dc);
}

TEST_F(LexGuiTest, ScrollingByLinePageWheelAndThumbStopsAtBothEnds)
{
    const int i = Open("latin.lex");
    const int lines = W(i).lx_listbox_lines;
    Scroll(i, SB_LINEUP);  // at the start: nothing moves
    EXPECT_EQ(Top(i), 1);
    Scroll(i, SB_LINEDOWN);
    EXPECT_EQ(Top(i), 2);
    Key(Edit(i), VK_DOWN);
    EXPECT_EQ(Top(i), 3);
    Key(List(i), VK_UP);
    EXPECT_EQ(Top(i), 2);
    SendMessageA(List(i), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(i), 3);
    SendMessageA(static_cast<HWND>(W(i).hrichedit), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(i), 2);
    Scroll(i, SB_PAGEDOWN);
    EXPECT_EQ(Top(i), 2 + lines);
    Scroll(i, SB_PAGEUP);
    EXPECT_EQ(Top(i), 2);
    Scroll(i, SB_PAGEUP);
    EXPECT_EQ(Top(i), 1);  // less than a page above: from the first record
    // The thumb.
    SetScrollPos(static_cast<HWND>(W(i).lx_hscroll_data), SB_CTL, 250, FALSE);
    Scroll(i, SB_THUMBPOSITION);
    EXPECT_EQ(Top(i), 250);
    EXPECT_EQ(GetScrollPos(static_cast<HWND>(W(i).lx_hscroll_data), SB_CTL), 250);
    // Past the end by pages: the last record, then it stays.
    for (int k = 0; k < 5; ++k) Scroll(i, SB_PAGEDOWN);
    EXPECT_EQ(Top(i), 300);
    EXPECT_EQ(W(i).lx_radku_filled, 1);
    // Past the start by lines from a low record.
    SetScrollPos(static_cast<HWND>(W(i).lx_hscroll_data), SB_CTL, 3, FALSE);
    Scroll(i, SB_THUMBPOSITION);
    EXPECT_EQ(Top(i), 3);
    for (int k = 0; k < 4; ++k) Scroll(i, SB_LINEUP);
    EXPECT_EQ(Top(i), 1);
    EXPECT_EQ(W(i).lx_radku_filled, lines);
}

TEST_F(LexGuiTest, ResizingRefillsAndTheSplitterMovesTheColumn)
{
    const int i = Open("latin.lex");
    MoveWindow(Child(i), 0, 0, 600, 300, TRUE);
    gui::PumpUntilIdle();
    const int small = W(i).lx_listbox_lines;
    MoveWindow(Child(i), 0, 0, 700, 600, TRUE);
    gui::PumpUntilIdle();
    EXPECT_GT(W(i).lx_listbox_lines, small);
    EXPECT_EQ(W(i).lx_radku_filled, W(i).lx_listbox_lines);
    EXPECT_EQ(W(i).lx_radek[W(i).lx_radku_filled - 1].record, W(i).lx_listbox_lines);

    // Drag the splitter from the list's right edge to x = 250.
    const int edge = 3 + W(i).lx_listbox_width;
    SendMessageA(Child(i), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(edge + 2, 100));
    EXPECT_EQ(status.lx_resizing, 1);
    SendMessageA(Child(i), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(250, 100));
    SendMessageA(Child(i), WM_LBUTTONUP, 0, MAKELPARAM(250, 100));
    gui::PumpUntilIdle();
    EXPECT_EQ(status.lx_resizing, 0);
    EXPECT_EQ(W(i).lx_listbox_width, 247);
    RECT lr, rr;
    GetWindowRect(List(i), &lr);
    GetWindowRect(static_cast<HWND>(W(i).hrichedit), &rr);
    EXPECT_EQ(lr.right - lr.left, 247);
    EXPECT_EQ(rr.left - lr.left, 247 + 4);
    // The window narrower than the column: the column follows.
    MoveWindow(Child(i), 0, 0, 200, 400, TRUE);
    gui::PumpUntilIdle();
    RECT cr;
    GetClientRect(Child(i), &cr);
    EXPECT_LE(W(i).lx_listbox_width, static_cast<int>(0.9 * (cr.right - 7)));
}

TEST_F(LexGuiTest, HebrewKeysRunRightToLeftAndLookAtMovesTheSynchronisedLexicons)
{
    const int h = Open("hebrew.lex");
    const int h2 = Open("hebrew2.lex");
    const int h3 = Open("hebrew3.lex");  // no_jumps set by its header
    const int g = Open("greek.lex");
    EXPECT_EQ(W(h3).no_jumps, 1);
    // Keywords are shown reversed.
    EXPECT_STREQ(W(h).lx_radek[0].tLeft, "A@");
    // Typed Hebrew runs right to left (the caret moves left after each
    // letter) and gets its final letters: mem, lamed, kaf give "melekh".
    status.koduj_znak = 0;
    SetFocus(Edit(h));
    Type(h, "NLK");
    EXPECT_EQ(gui::WindowText(Edit(h)), "JLN");
    EXPECT_STREQ(W(h).lx_radek[0].tLeft, "JLN");
    EXPECT_EQ(Top(h), 10);

    // "Look at" on line 2 ("adam") of the no_jumps lexicon: the other
    // synchronised Hebrew lexicons follow, it stays, the Greek one too.
    const int g_top = Top(g);
    const int item = static_cast<int>(SendMessageA(List(h3), LB_GETITEMHEIGHT, 0, 0));
    PostMessageA(List(h3), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(List(h3), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(List(h3), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 2 * item + 2));
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(h), 3);
    EXPECT_EQ(Top(h2), 3);
    EXPECT_STREQ(W(h2).lx_radek[0].tLeft, "MC@");
    EXPECT_EQ(Top(h3), 1);
    EXPECT_EQ(Top(g), g_top);
    EXPECT_EQ(std::string(W(h2).lx_patt_hist[0].pattern), "MC@");
    EXPECT_EQ(gui::WindowText(Edit(h2)), "MC@");

    // "Copy to clipboard": the keyword as shown, and as real Hebrew.
    PostMessageA(List(h2), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(List(h2), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(List(h2), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(List(h2), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 2));
    gui::PumpUntilIdle();
    ASSERT_TRUE(OpenClipboard(frame()));
    HANDLE text = GetClipboardData(CF_TEXT);
    HANDLE wide = GetClipboardData(CF_UNICODETEXT);
    std::string copied = text ? static_cast<const char*>(GlobalLock(text)) : "";
    std::wstring copied_wide = wide ? static_cast<const wchar_t*>(GlobalLock(wide)) : L"";
    if (text) GlobalUnlock(text);
    if (wide) GlobalUnlock(wide);
    CloseClipboard();
    EXPECT_EQ(copied, "MC@");
    EXPECT_EQ(copied_wide, std::wstring(L"\u05D0\u05D3\u05DD"));  // alef, dalet, final mem
}

TEST_F(LexGuiTest, ScreenshotsOfHebrewAndGreekLexiconsWithAFilter)
{
    const int h = Open("hebrew.lex");
    const int g = Open("greek.lex");
    RECT client;
    GetClientRect(g_hMDIClient, &client);
    const int half = client.right / 2;
    MoveWindow(Child(h), 0, 0, half, client.bottom, TRUE);
    MoveWindow(Child(g), half, 0, client.right - half, client.bottom, TRUE);
    gui::PumpUntilIdle();
    // A wider word column, as a user drags it.
    for (int i : {h, g}) {
        const int edge = 3 + W(i).lx_listbox_width;
        SendMessageA(Child(i), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(edge + 2, 100));
        SendMessageA(Child(i), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(133, 100));
        SendMessageA(Child(i), WM_LBUTTONUP, 0, MAKELPARAM(133, 100));
    }
    gui::PumpUntilIdle();
    EXPECT_EQ(W(h).lx_listbox_width, 130);
    SetWindowTextA(Edit(h), "@");
    Key(Edit(h), VK_RETURN);
    EXPECT_EQ(W(h).lx_filter_hits, 5);  // the keywords with alef
    SetWindowTextA(Edit(g), "oj");
    Key(Edit(g), VK_RETURN);
    EXPECT_EQ(W(g).lx_filter_hits, 5);
    EXPECT_STREQ(W(g).lx_radek[0].tLeft, "agioj");
    SendMessageA(g_hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Child(g)), 0);
    gui::PumpUntilIdle();
    Shot("lexicon-hebrew-greek");
}

namespace {

// The program started and closed as a user does, in a folder of its own.
class LexRestartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "sevir-lex-restart";
        CreateDirectoryA(dir_.c_str(), nullptr);
        CreateDirectoryA((dir_ + "\\data").c_str(), nullptr);
        DeleteFileA((dir_ + "\\sevir.cfg").c_str());
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\latin.lex", LatinLexicon()));
        GetCurrentDirectoryA(sizeof old_, old_);
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
        hInst = GetModuleHandleA(nullptr);
        WNDCLASSEXA known = {};
        known.cbSize = sizeof known;
        if (!GetClassInfoExA(hInst, kMainClassName, &known)) {
            ASSERT_TRUE(RegisterSevirClasses(hInst));
        }
    }
    void TearDown() override
    {
        if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
        gui::PumpUntilIdle(10, 2000);
        ResetGlobalRecords();
        SetCurrentDirectoryA(old_);
    }
    void Start()
    {
        ResetGlobalRecords();
        bool aborted = false;
        frame_ = CreateSevirFrame(hInst, &aborted);
        ASSERT_NE(frame_, nullptr);
        ShowWindow(frame_, SW_SHOWNORMAL);
        UpdateWindow(frame_);
        gui::PumpUntilIdle();
    }
    void Close()
    {
        PostMessageA(frame_, WM_CLOSE, 0, 0);
        int code = -1;
        EXPECT_TRUE(gui::PumpUntilIdle(100, 5000, &code));
        frame_ = nullptr;
    }
    HWND frame_ = nullptr;
    std::string dir_;
    char old_[MAX_PATH] = {};
};

} // namespace

TEST_F(LexRestartTest, TheLexiconWindowComesBackAtItsRecordAndWidth)
{
    gui::MessageBoxRecorder boxes;
    Start();
    status.opt_resizing = 0;
    const int k = IsFileInDATAFILEArray("latin.lex", status.files_all);
    ASSERT_GE(k, 0);
    SendMessageA(frame_, WM_COMMAND, MAKEWPARAM(IDM_MODULE_BASE + k, 0), 0);
    gui::PumpUntilIdle();
    ASSERT_EQ(status.num_windows, 1);
    HWND child = static_cast<HWND>(datawindow[0].hwnd);
    MoveWindow(child, 10, 20, 600, 400, TRUE);
    datawindow[0].lx_listbox_width = 180;
    LX_Layout(0);
    SetScrollPos(static_cast<HWND>(datawindow[0].lx_hscroll_data), SB_CTL, 77, FALSE);
    SendMessageA(child, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0),
                 reinterpret_cast<LPARAM>(static_cast<HWND>(datawindow[0].lx_hscroll_data)));
    gui::PumpUntilIdle();
    ASSERT_EQ(datawindow[0].lx_radek[0].record, 77);
    Close();

    Start();
    ASSERT_EQ(status.num_windows, 1);
    EXPECT_EQ(datawindow[0].type, MODULE_LEXICON);
    EXPECT_EQ(datawindow[0].lx_radek[0].record, 77);
    EXPECT_EQ(datawindow[0].lx_listbox_width, 180);
    RECT r;
    GetWindowRect(static_cast<HWND>(datawindow[0].hwnd), &r);
    MapWindowPoints(HWND_DESKTOP, g_hMDIClient, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 600);
    Close();
}
