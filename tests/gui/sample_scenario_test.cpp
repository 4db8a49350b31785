// Scenarios on the sample library, run on demand (tools/book-screenshots):
// screenshots of book windows and of the information window, and the time
// of a scroll step. Without
// SEVIR_SAMPLE_DIR they are skipped.
#include <windows.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <richedit.h>

#include "app/catalogue.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "books/win/book_window.h"
#include "books/win/rich_text.h"
#include "text/click_info.h"
#include "cmdline/history.h"
#include "cmdline/sync_names.h"
#include "harness.h"
#include "dic/dic_reader.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"
#include "lex/lookup.h"
#include "lex/win/lex_window.h"
#include "resource.h"
#include "search/search_types.h"

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// Saves the frame as it is on the screen into a 24-bit BMP.
bool SaveFrame(HWND frame, const std::string& path)
{
    return gui::SaveWindowImage(frame, path);
}

// A picture of the frame taken while a context menu is open, then the menu
// is closed.
std::string g_menu_shot;
HWND g_menu_frame = nullptr;
bool g_menu_seen = false;

void CALLBACK ShootOpenMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA("#32768", nullptr);
    g_menu_seen = popup && IsWindowVisible(popup);
    if (g_menu_seen) {
        RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        if (!g_menu_shot.empty()) SaveFrame(g_menu_frame, g_menu_shot);
    }
    EndMenu();
}

class SampleScenario : public gui::FrameTest {
protected:
    void SetUp() override
    {
        sample_ = Env("SEVIR_SAMPLE_DIR");
        if (sample_.empty()) GTEST_SKIP() << "SEVIR_SAMPLE_DIR not set";
        shots_ = Env("SEVIR_SHOT_DIR");
        GetCurrentDirectoryA(sizeof saved_, saved_);
        ASSERT_TRUE(SetCurrentDirectoryA(sample_.c_str())) << sample_;
        gui::FrameTest::SetUp();
        // The scenarios start from an empty desk, whatever the sample's
        // configuration reopened.
        CloseAll();
        MoveWindow(frame(), 0, 0, 1280, 800, TRUE);
        gui::PumpUntilIdle();
    }
    void TearDown() override
    {
        if (sample_.empty()) return;
        gui::FrameTest::TearDown();
        ResetGlobalRecords();
        SetCurrentDirectoryA(saved_);
    }
    int Open(const char* file)
    {
        const int k = IsFileInDATAFILEArray(file, status.files_all);
        EXPECT_GE(k, 0) << file;
        Command(IDM_MODULE_BASE + k);
        return status.num_windows - 1;
    }
    // Moves window i to sync name, chapter, verse and synchronises the others.
    void GoTo(int i, const char* sync, int chapter, int verse)
    {
        const int j = GetIndexOfSyncname(i, sync);
        ASSERT_GE(j, 0) << sync;
        datawindow[i].book_position = BOOK_POSITION{i, j + 1, chapter, verse};
        BK_UpdateOneBookWindow(i);
        BK_NastavScroll(i);
        BK_SyncBooks(i);
        BK_UpdateNavigator(datawindow[i].book_position, i, 0);
        UpdateStatusBar(i, 1);
        gui::PumpUntilIdle();
    }
    // Opens lexicon file with its word column widened, as a user drags the
    // splitter for Greek and Hebrew keywords.
    int OpenLexicon(const char* file)
    {
        const int i = Open(file);
        datawindow[i].lx_listbox_width = 130;
        LX_Layout(i);
        return i;
    }
    void Shot(const char* name)
    {
        if (shots_.empty()) return;
        RedrawWindow(frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        gui::PumpUntilIdle(200, 3000);
        EXPECT_TRUE(SaveFrame(frame(), shots_ + "\\" + name + ".bmp")) << name;
    }
    // Double clicks the n-th occurrence of s in the text of window i's view,
    // a character into it, as the mouse does.
    void DoubleClick(int i, const std::string& s, int n = 1)
    {
        HWND view = static_cast<HWND>(datawindow[i].hrichedit);
        static char text[128000];
        text[0] = '\0';
        GetWindowTextA(view, text, sizeof text);
        const std::string t = text;
        std::size_t p = std::string::npos;
        for (int k = 0; k < n; ++k) p = t.find(s, p == std::string::npos ? 0 : p + 1);
        ASSERT_NE(p, std::string::npos) << s << " in " << t.substr(0, 2000);
        POINTL pt{};
        SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(p + 1));
        const LPARAM xy = MAKELPARAM(pt.x + 2, pt.y + 3);
        SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, xy);
        SendMessageA(view, WM_LBUTTONUP, 0, xy);
        SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, xy);
        SendMessageA(view, WM_LBUTTONUP, 0, xy);
        gui::PumpUntilIdle();
    }
    // The record at the top of lexicon window i, read in full.
    static LXRECORD TopRecord(int i)
    {
        LXRECORD r{};
        r.id_file = datawindow[i].id_file;
        r.offset = datawindow[i].lx_radku_filled > 0 ? datawindow[i].lx_radek[0].offset : 0;
        EXPECT_EQ(LX_CtiRecord(&r, 0, 1), 1);
        return r;
    }
    void CloseAll()
    {
        Command(IDM_WINDOW_CLOSE_ALL);
        ASSERT_EQ(status.num_windows, 0);
    }

    std::string sample_, shots_;
    char saved_[MAX_PATH] = {};
};

} // namespace

TEST_F(SampleScenario, Screenshots)
{
    ASSERT_GE(status.files_all, 6);
    const int kjv = Open("kjv.sbk");
    Open("web.sbk");
    GoTo(kjv, "NTMatt", 5, 1);
    Shot("kjv-web-tiled");

    // All tags shown on the KJV: Strong's numbers, words of Christ, added words.
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[kjv].hwnd), 0);
    gui::PumpUntilIdle();
    Command(IDM_SHOW_ALL_TAGS);
    EXPECT_EQ(GetAllTagsState(kjv), 1);
    Shot("kjv-all-tags");
    CloseAll();

    const int wlc = Open("wlc.sbk");
    GoTo(wlc, "OTGen", 1, 1);
    const int tr = Open("tr.sbk");
    GoTo(tr, "NTJohn", 1, 1);
    Shot("wlc-tr-tiled");
    CloseAll();

    const int greek = Open("tr.sbk");
    GoTo(greek, "NTJohn", 1, 1);
    Command(IDM_SHOW_ALL_TAGS);
    Shot("tr-all-tags");

    // Morphology decoded, from the tag menu of the book window.
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[greek].hwnd), 0);
    SendMessageA(static_cast<HWND>(datawindow[greek].hwnd), WM_COMMAND, IDM_TAG_DECODE_MORPH_GREEK, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(status.opt_decode_morphology, 1);
    Shot("tr-decoded-morphology");
    const int kjvm = Open("kjvm.sbk");
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[kjvm].hwnd), 0);
    GoTo(kjvm, "NTJohn", 3, 16);
    Command(IDM_SHOW_ALL_TAGS);
    Shot("kjvm-decoded-morphology");
    SendMessageA(static_cast<HWND>(datawindow[kjvm].hwnd), WM_COMMAND, IDM_TAG_DECODE_MORPH_GREEK, 0);
    EXPECT_EQ(status.opt_decode_morphology, 0);
}

TEST_F(SampleScenario, ScrollStepTiming)
{
    // A 1000 x 800 book window on the KJV with its tags shown.
    MoveWindow(frame(), 0, 0, 1040, 900, TRUE);
    const int id = Open("kjv.sbk");
    Command(IDM_SHOW_ALL_TAGS);
    HWND child = static_cast<HWND>(datawindow[id].hwnd);
    ShowWindow(child, SW_SHOWNORMAL);
    MoveWindow(child, 0, 0, 1000, 800, TRUE);
    gui::PumpUntilIdle();
    GoTo(id, "OTGen", 1, 1);
    auto measure = [&](int code, int steps) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < steps; ++i) SendMessageA(child, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
        const auto end = std::chrono::steady_clock::now();
        return std::chrono::duration<double, std::milli>(end - start).count() / steps;
    };
    datawindow[id].scroll_verse = 1;
    const double line = measure(SB_LINEDOWN, 100);
    const double page = measure(SB_PAGEDOWN, 30);
    datawindow[id].scroll_verse = 0;
    GoTo(id, "OTGen", 1, 1);
    const double by_lines = measure(SB_LINEDOWN, 100);
    std::printf("scroll step, 1000 x 800 window, KJV with tags: line (by verses) %.2f ms, page %.2f ms, "
                "line (by lines) %.2f ms\n",
                line, page, by_lines);
    SUCCEED();
}

TEST_F(SampleScenario, InformationWindow)
{
    // The KJV with morphology, a Greek lexicon when the library has one, and
    // the information window, tiled; then a click on a Greek word.
    const int kjvm = Open("kjvm.sbk");
    GoTo(kjvm, "NTJohn", 3, 16);
    Command(IDM_SHOW_ALL_TAGS);
    const int lex = OpenLexicon("strgreek.lex");
    ASSERT_EQ(datawindow[lex].language, SCRIPT_GREEK);
    Command(IDM_SHOW_INFO);
    ASSERT_EQ(status.info_visible, 1);
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();
    HWND view = static_cast<HWND>(datawindow[kjvm].hrichedit);
    char text[65536] = {};
    GetWindowTextA(view, text, sizeof text);
    // The first word in the Greek font after the first verse label.
    const int length = static_cast<int>(std::strlen(text));
    int at = -1;
    for (int i = 20; i < length && at < 0; ++i) {
        if (text[i] < 'a' || text[i] > 'z') continue;
        SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(i), static_cast<LPARAM>(i + 1));
        if (BK_IsRTFGreek(view, i, i + 1)) at = i + 1;
    }
    SendMessageA(view, EM_SETSEL, 0, 0);
    ASSERT_GT(at, 0) << text;
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), at);
    const LPARAM xy = MAKELPARAM(pt.x + 2, pt.y + 3);
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, xy);
    SendMessageA(view, WM_LBUTTONUP, 0, xy);
    SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, xy);
    SendMessageA(view, WM_LBUTTONUP, 0, xy);
    gui::PumpUntilIdle();
    EXPECT_EQ(rtfclick.out_language, SCRIPT_GREEK);
    char info[8192] = {};
    GetWindowTextA(static_cast<HWND>(datawindow[status.id_info].hrichedit), info, sizeof info);
    EXPECT_NE(std::strstr(info, "Value  I:"), nullptr) << info;
    EXPECT_NE(std::strstr(info, "Lemma:"), nullptr) << info;
    // The double click looked the word up in the Greek lexicon.
    EXPECT_EQ(datawindow[lex].lx_patt_hist_count, 1);
    Shot("info-kjvm-greek-click");

    // "Informations about" the KJV.
    CloseAll();
    const int kjv = Open("kjv.sbk");
    Command(IDM_FILE_INFO);
    ASSERT_EQ(status.info_visible, 1);
    (void)kjv;
    Command(IDM_WINDOW_TILE_VERTICAL);
    Shot("info-about-kjv");
}

// The reference works of the sample library: the Strong's lexicons follow
// the lookups a word of the KJV starts, Nave's shows a topic, and the
// commentary follows the KJV.
TEST_F(SampleScenario, ReferenceWorks)
{
    const int kjv = Open("kjv.sbk");
    const int greek = OpenLexicon("strgreek.lex");
    const int hebrew = OpenLexicon("strhebr.lex");
    ASSERT_EQ(datawindow[greek].type, MODULE_LEXICON);
    ASSERT_EQ(datawindow[hebrew].type, MODULE_LEXICON);
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();

    // 1 John 4:8, "God is love", with the Strong's numbers shown: a double
    // click on the number that "love" carries shows agape.
    GoTo(kjv, "NT1John", 4, 8);
    SendMessageA(g_hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(datawindow[kjv].hwnd), 0);
    gui::PumpUntilIdle();
    Command(IDM_SHOW_ALL_TAGS);
    ASSERT_EQ(GetAllTagsState(kjv), 1);
    DoubleClick(kjv, "G26");
    EXPECT_EQ(rtfclick.flag_strong, 1);
    EXPECT_EQ(rtfclick.out_strong_number, 26);
    LXRECORD r = TopRecord(greek);
    EXPECT_STREQ(r.strong, "G26");
    EXPECT_STREQ(r.item[0], "ag\xE1pe");  // agape, its transliteration
    Shot("kjv-strongs-greek");

    // Genesis 1:1: "God" carries H430, elohim.
    GoTo(kjv, "OTGen", 1, 1);
    DoubleClick(kjv, "H430");
    EXPECT_EQ(rtfclick.out_strong_language, 1);
    EXPECT_EQ(rtfclick.out_strong_number, 430);
    r = TopRecord(hebrew);
    EXPECT_STREQ(r.strong, "H430");
    EXPECT_STREQ(r.item[2], "noun masculine");
    EXPECT_STREQ(TopRecord(greek).strong, "G26");  // a Hebrew number leaves the Greek lexicon
    Shot("kjv-strongs-lexicons-tiled");

    // agape's derivation links to agapao: a double click in the article
    // shows it.
    DoubleClick(greek, "G25");
    EXPECT_EQ(rtfclick.flag_strong, 1);
    EXPECT_STREQ(TopRecord(greek).strong, "G25");

    // The Hebrew entry on its own, with its labelled headers.
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[hebrew].hwnd), 0);
    gui::PumpUntilIdle();
    Shot("strhebr-entry");
    CloseAll();

    // Nave's topic FAITH with its references.
    const int nave = Open("naves.lex");
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[nave].hwnd), 0);
    datawindow[nave].lx_listbox_width = 170;
    LX_Layout(nave);
    const int faith = LX_SearchKey(nave, "FAITH", 1);
    ASSERT_GT(faith, 0);
    ASSERT_EQ(LX_NaplnRadky(nave, faith), 1);
    LX_Redisplay(nave);
    gui::PumpUntilIdle();
    EXPECT_STREQ(datawindow[nave].lx_radek[0].tLeft, "FAITH");
    Shot("naves-faith");

    // A double click on one of its references moves the KJV there and
    // enters the history.
    const int bible_for_nave = Open("kjv.sbk");
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();
    // Un-maximised, the window passed through a small size that narrowed
    // its word column: widened again.
    datawindow[nave].lx_listbox_width = 150;
    LX_Layout(nave);
    gui::PumpUntilIdle();
    const int entries = history_used;
    DoubleClick(nave, "Gen\xA0" "6:22");
    EXPECT_EQ(rtfclick.flag_reference, 1);
    const BOOK_POSITION& at = datawindow[bible_for_nave].book_position;
    EXPECT_STREQ(datawindow[bible_for_nave].book_info[at.book - 1].sync_name, "OTGen");
    EXPECT_EQ(at.chapter, 6);
    EXPECT_EQ(at.verse, 22);
    EXPECT_EQ(history_used, entries + 1);
    DoubleClick(nave, "1Sam\xA0" "14:6");
    EXPECT_STREQ(datawindow[bible_for_nave].book_info[at.book - 1].sync_name, "OT1Sam");
    EXPECT_EQ(at.chapter, 14);
    // The status bar and the navigator show where the KJV went.
    EXPECT_NE(std::strstr(g_status_text[1], "14:6"), nullptr) << g_status_text[1];
    char chapter[16] = "";
    GetWindowTextA(hCombo2, chapter, sizeof chapter);
    EXPECT_STREQ(chapter, "14");
    Shot("naves-reference-kjv");
    CloseAll();

    // The commentary follows the KJV to John 3.
    const int bible = Open("kjv.sbk");
    const int mhcc = Open("mhcc.sbk");
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();
    GoTo(bible, "NTJohn", 3, 1);
    const BOOK_POSITION& p = datawindow[mhcc].book_position;
    ASSERT_GE(p.book, 1);
    EXPECT_STREQ(datawindow[mhcc].book_info[p.book - 1].sync_name, "NTJohn");
    EXPECT_EQ(p.chapter, 3);
    Shot("kjv-mhcc-john3");
}

// The word lists of the sample library in both directions: Greek-English
// and Hebrew-English, then English-Greek and English-Hebrew.
TEST_F(SampleScenario, WordListsBothWays)
{
    const int gr = Open("gr-en.dic");
    const int he = Open("he-en.dic");
    ASSERT_EQ(datawindow[gr].type, MODULE_DICTIONARY);
    ASSERT_EQ(datawindow[he].type, MODULE_DICTIONARY);
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();
    EXPECT_EQ(DIC_GetLanguage(gr, 0), SCRIPT_GREEK);
    EXPECT_EQ(DIC_GetLanguage(he, 0), SCRIPT_HEBREW);
    LookupWord("agaph", SCRIPT_GREEK, gr);
    LookupWord("MIDL@", SCRIPT_HEBREW, he);  // elohim, display order
    gui::PumpUntilIdle();
    Shot("dictionaries-greek-hebrew-english");

    SendMessageA(static_cast<HWND>(datawindow[gr].hwnd), WM_COMMAND, MAKEWPARAM(IDM_DIC_OPPOSITE, 0), 0);
    SendMessageA(static_cast<HWND>(datawindow[he].hwnd), WM_COMMAND, MAKEWPARAM(IDM_DIC_OPPOSITE, 0), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(DIC_GetLanguage(gr, 0), SCRIPT_LATIN);
    EXPECT_EQ(DIC_GetLanguage(he, 0), SCRIPT_LATIN);
    LookupWord("love", SCRIPT_LATIN, gr);
    gui::PumpUntilIdle();
    Shot("dictionaries-english-greek-hebrew");
}

// Double clicks on words of the Hebrew and Greek Bibles look them up in the
// Strong's lexicons by headword.
TEST_F(SampleScenario, OriginalLanguageWordsLookedUp)
{
    const int wlc = Open("wlc.sbk");
    const int tr = Open("tr.sbk");
    const int hebrew = OpenLexicon("strhebr.lex");
    const int greek = OpenLexicon("strgreek.lex");
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();
    GoTo(wlc, "OTGen", 1, 1);
    GoTo(tr, "NTJohn", 1, 1);
    // Genesis 1:1 in the WLC: elohim, pointed, shown right to left.
    DoubleClick(wlc, "MI\xA6" "D\xA8L\xAA@");
    EXPECT_EQ(rtfclick.out_language, SCRIPT_HEBREW);
    EXPECT_STREQ(TopRecord(hebrew).strong, "H430");
    // John 1:1 in the TR: logos.
    DoubleClick(tr, "logoj");
    EXPECT_EQ(rtfclick.out_language, SCRIPT_GREEK);
    EXPECT_STREQ(TopRecord(greek).strong, "G3056");
    Shot("wlc-tr-words-looked-up");

    // The article's context menu on a word of logos's definition.
    g_menu_frame = frame();
    g_menu_shot = shots_.empty() ? "" : shots_ + "\\lexicon-article-menu.bmp";
    g_menu_seen = false;
    HWND view = static_cast<HWND>(datawindow[greek].hrichedit);
    static char text[128000];
    GetWindowTextA(view, text, sizeof text);
    const char* word = std::strstr(text, "discourse");
    ASSERT_NE(word, nullptr);
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(word - text + 2));
    SetTimer(nullptr, 0, 400, ShootOpenMenu);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x + 2, pt.y + 3));
    gui::PumpUntilIdle();
    EXPECT_TRUE(g_menu_seen);
    EXPECT_STREQ(search_in.pattern, "discourse");

    // "Informations about" the Greek lexicon.
    SendMessageA(g_hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(datawindow[greek].hwnd), 0);
    gui::PumpUntilIdle();
    Command(IDM_FILE_INFO);
    ASSERT_EQ(status.info_visible, 1);
    GetWindowTextA(static_cast<HWND>(datawindow[status.id_info].hrichedit), text, sizeof text);
    EXPECT_NE(std::strstr(text, "File: strgreek.lex"), nullptr) << text;
    EXPECT_NE(std::strstr(text, "Strong"), nullptr) << text;
    Shot("info-about-strgreek");
}

// Every Strong's number of a screenful of the KJV, double clicked: the click
// finds the verse that carries it and the lexicon shows its entry; every
// Greek word of the KJV with morphology, clicked: the information window
// decodes its morphology and shows its lemma.
TEST_F(SampleScenario, EveryLinkAndWordOfAPage)
{
    const int kjv = Open("kjv.sbk");
    const int greek = OpenLexicon("strgreek.lex");
    const int hebrew = OpenLexicon("strhebr.lex");
    Command(IDM_WINDOW_TILE_VERTICAL);
    SendMessageA(g_hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(datawindow[kjv].hwnd), 0);
    gui::PumpUntilIdle();
    Command(IDM_SHOW_ALL_TAGS);
    HWND view = static_cast<HWND>(datawindow[kjv].hrichedit);
    static char text[128000];
    int links = 0;
    const struct {
        const char* sync;
        int chapter, verse;
    } places[] = {{"OTGen", 1, 1}, {"OTPss", 23, 1}, {"NTJohn", 3, 16}, {"NTRevel", 22, 17}};
    for (const auto& place : places) {
        GoTo(kjv, place.sync, place.chapter, place.verse);
        GetWindowTextA(view, text, sizeof text);
        const std::string shown = text;
        // The links on the first lines: " G1063", " H430".
        for (std::size_t p = 0; p < shown.size() && p < 1500; ++p) {
            if (shown[p] != ' ' || (shown[p + 1] != 'G' && shown[p + 1] != 'H') || !std::isdigit(static_cast<unsigned char>(shown[p + 2])))
                continue;
            const char letter = shown[p + 1];
            const int number = std::atoi(shown.c_str() + p + 2);
            POINTL pt{};
            SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(p + 2));
            const LPARAM xy = MAKELPARAM(pt.x + 2, pt.y + 3);
            SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, xy);
            SendMessageA(view, WM_LBUTTONUP, 0, xy);
            ++links;
            ASSERT_EQ(rtfclick.flag_strong, 1) << place.sync << " at " << p;
            EXPECT_EQ(rtfclick.out_strong_number, number);
            EXPECT_EQ(rtfclick.out_strong_language, letter == 'H' ? 1 : 2);
            // The verse of the click carries the number.
            ASSERT_EQ(rtfclick.flag_id, 1);
            BOOK_POSITION v = rtfclick.out_bp;
            v.number = kjv;
            g_book_record.offset = BK_HledejVers(v);
            g_book_record.book_position.number = kjv;
            ASSERT_EQ(BK_CtiRecord(&g_book_record), 1);
            const std::string record(g_book_record.buffer, static_cast<std::size_t>(g_book_record.delka));
            const std::string tag = std::string("|R") + letter + std::to_string(number) + "|R";
            EXPECT_NE(record.find(tag), std::string::npos) << tag << " in " << record;
            char wanted[16];
            std::snprintf(wanted, sizeof wanted, "%c%d", letter, number);
            EXPECT_STREQ(TopRecord(letter == 'H' ? hebrew : greek).strong, wanted);
        }
    }
    std::printf("Strong's links double clicked: %d\n", links);
    EXPECT_GT(links, 60);
    CloseAll();

    // The KJV with morphology: each Greek word of John 3:16-18 clicked.
    const int kjvm = Open("kjvm.sbk");
    Command(IDM_SHOW_ALL_TAGS);
    Command(IDM_SHOW_INFO);
    ASSERT_EQ(status.info_visible, 1);
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();
    GoTo(kjvm, "NTJohn", 3, 16);
    view = static_cast<HWND>(datawindow[kjvm].hrichedit);
    GetWindowTextA(view, text, sizeof text);
    const int length = static_cast<int>(std::strlen(text));
    int words = 0;
    for (int i = 1; i < length && i < 1200; ++i) {
        if (!BK_IsRTFGreek(view, i, i + 1) || BK_IsRTFGreek(view, i - 1, i) || text[i] == ' ') continue;
        POINTL pt{};
        SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), i);
        const LPARAM xy = MAKELPARAM(pt.x + 2, pt.y + 3);
        SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, xy);
        SendMessageA(view, WM_LBUTTONUP, 0, xy);
        ++words;
        EXPECT_EQ(rtfclick.out_language, SCRIPT_GREEK) << i;
        char info[8192] = {};
        GetWindowTextA(static_cast<HWND>(datawindow[status.id_info].hrichedit), info, sizeof info);
        EXPECT_NE(std::strstr(info, "Value  I:"), nullptr) << i << ": " << info;
        EXPECT_NE(std::strstr(info, "Lemma:"), nullptr) << i << ": " << info;
        // The decoded morphology line sits between the two.
        const char* value_end = std::strstr(info, "\r");
        const char* lemma = std::strstr(info, "Lemma:");
        EXPECT_TRUE(value_end && lemma && lemma - value_end > 4) << i << ": " << info;
    }
    SendMessageA(view, EM_SETSEL, 0, 0);
    std::printf("Greek words clicked: %d\n", words);
    EXPECT_GT(words, 30);

    // The WLC: each Hebrew word of the first verses gives both gematria values.
    const int wlc = Open("wlc.sbk");
    Command(IDM_WINDOW_TILE_VERTICAL);
    gui::PumpUntilIdle();
    GoTo(wlc, "OTGen", 1, 1);
    view = static_cast<HWND>(datawindow[wlc].hrichedit);
    GetWindowTextA(view, text, sizeof text);
    const std::string hebrew_text = text;
    const std::size_t third = 500;  // the first verses (the view breaks Hebrew lines itself)
    int hebrew_words = 0;
    for (std::size_t i = 0; i < third && i < hebrew_text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(hebrew_text[i]);
        if (c < '@' || c > 'z' || (i > 0 && static_cast<unsigned char>(hebrew_text[i - 1]) > ' ')) continue;
        if (!BK_IsRTFHebrew(view, static_cast<int>(i), static_cast<int>(i) + 1)) continue;
        POINTL pt{};
        SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(i));
        const LPARAM xy = MAKELPARAM(pt.x + 2, pt.y + 3);
        SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, xy);
        SendMessageA(view, WM_LBUTTONUP, 0, xy);
        if (rtfclick.flag_word != 1) continue;  // a click beside a narrow letter
        ++hebrew_words;
        EXPECT_EQ(rtfclick.out_language, SCRIPT_HEBREW) << i;
        char info[8192] = {};
        GetWindowTextA(static_cast<HWND>(datawindow[status.id_info].hrichedit), info, sizeof info);
        EXPECT_NE(std::strstr(info, "Value  I:"), nullptr) << i << ": " << info;
        EXPECT_NE(std::strstr(info, "Value II:"), nullptr) << i << ": " << info;
    }
    SendMessageA(view, EM_SETSEL, 0, 0);
    std::printf("Hebrew words clicked: %d\n", hebrew_words);
    EXPECT_GT(hebrew_words, 15);
    CloseAll();

    // Strong's lexicon articles: every Strong's link of the entries of
    // G25 to G40, double clicked, shows the entry it names.
    const int lexicon = OpenLexicon("strgreek.lex");
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[lexicon].hwnd), 0);
    gui::PumpUntilIdle();
    view = static_cast<HWND>(datawindow[lexicon].hrichedit);
    int article_links = 0;
    for (int number = 25; number <= 40; ++number) {
        ASSERT_GE(LookupStrong(2, number, lexicon), 1);
        gui::PumpUntilIdle();
        GetWindowTextA(view, text, sizeof text);
        const std::string article = text;
        std::size_t p = article.find(" G");
        if (p == std::string::npos || !std::isdigit(static_cast<unsigned char>(article[p + 2]))) continue;
        const int target = std::atoi(article.c_str() + p + 2);
        POINTL pt{};
        SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(p + 2));
        const LPARAM xy = MAKELPARAM(pt.x + 2, pt.y + 3);
        SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, xy);
        SendMessageA(view, WM_LBUTTONUP, 0, xy);
        ++article_links;
        EXPECT_EQ(rtfclick.flag_strong, 1) << number;
        EXPECT_EQ(rtfclick.out_strong_number, target) << number;
        char wanted[16];
        std::snprintf(wanted, sizeof wanted, "G%d", target);
        EXPECT_STREQ(TopRecord(lexicon).strong, wanted) << number;
    }
    std::printf("Strong's links of lexicon articles double clicked: %d\n", article_links);
    EXPECT_GT(article_links, 8);
}
