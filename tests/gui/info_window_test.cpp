// Clicks into real book windows by character position: what rtfclick holds,
// what the information window shows, look-ups in an open lexicon, reference
// jumps with the history, the information window's commands and copying.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/main_menu.h"
#include "app/win/main_window.h"
#include "book_gui_fixture.h"
#include "books/book_window.h"
#include "cmdline/history.h"
#include "harness.h"
#include "modwriter/modwriter.h"
#include "lex/lex_list.h"
#include "lex/win/lex_window.h"
#include "resource.h"
#include "search/search_types.h"
#include "search/win/search_dialog.h"
#include "text/click_info.h"
#include "text/win/click_view.h"
#include "text/win/info_window.h"

namespace {

// What an open popup menu showed: its items' texts and states. A thread
// timer reads the menu while its modal loop runs, then picks item
// g_menu_pick (by Down keys and Enter) or closes it.
std::vector<std::string> g_menu_items;
std::vector<UINT> g_menu_states;
int g_menu_pick = -1;
std::vector<UINT> g_menu_keys;  // keys typed into the menu instead of a pick

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA("#32768", nullptr);
    HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
    g_menu_items.clear();
    g_menu_states.clear();
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        char text[256] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        g_menu_items.push_back(text);
        g_menu_states.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION));
    }
    if (popup && !g_menu_keys.empty()) {
        for (UINT key : g_menu_keys) PostMessageA(popup, WM_KEYDOWN, key, 0);
        g_menu_keys.clear();
    } else if (popup && g_menu_pick >= 0) {
        for (int i = 0; i <= g_menu_pick; ++i) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    } else {
        EndMenu();
    }
}

class InfoGuiTest : public gui::BookGuiTest {
protected:
    void WriteModules() override
    {
        BookGuiTest::WriteModules();
        auto write = [this](const char* name, const std::string& bytes) {
            ASSERT_TRUE(modwriter::WriteFileAtomic(dir() + "\\data\\" + name, bytes));
        };
        // A tagged English Bible: Strong's numbers, references, notes.
        modwriter::BookModule kjv;
        kjv.info = {{"IA", "KJ"}, {"IT", "Tagged Bible"}, {"IC", "Public domain"}};
        kjv.tag_caps = {0, 1, 1, 0, 1, 1, 1, 1, 0, 0, 0, 0};
        modwriter::Book gen("Genesis", "Gen", "OTGen");
        gen.verses = {{1, 1, "In the beginning God|RH430|Rh created the heaven"},
                      {1, 2, "And the earth was without form, see |RRNTJohn:3:16|Rr and |RRNTRom:5:8|Rr."},
                      {1, 3, "And God said |TNa note about light|Tn, Let there be light"}};
        modwriter::Book john("John", "Jn", "NTJohn");
        john.verses = {{3, 15, "That whosoever believeth"},
                       {3, 16, "For God so loved|RG25|Rg the world"},
                       {3, 17, "For God sent not his Son"}};
        kjv.books = {gen, john};
        write("kj.sbk", modwriter::BuildBookModule(kjv));

        // A Greek text with morphology and lemmas.
        modwriter::BookModule tr;
        tr.language = 2;
        tr.info = {{"IA", "GT"}, {"IT", "Greek text"}};
        tr.tag_caps = {0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1};
        tr.morph_greek_type = 2;
        modwriter::Book gj("John", "Jn", "NTJohn");
        gj.verses = {{3, 16, "outws|RG3779|Rg|MGADV|Mg|LGoutws|Lg gar|RG1063|Rg|MGCONJ|Mg|LGgar|Lg "
                              "hgaphsen|RG25|Rg|MGV-AAI-3S|Mg|LGagapaw|Lg o qeos"}};
        tr.books = {gj};
        write("gt.sbk", modwriter::BuildBookModule(tr));

        // A Hebrew verse with a final mem: "elohim" in reading order.
        modwriter::BookModule heb;
        heb.language = 1;
        heb.tag_advanced = 0;
        heb.info = {{"IA", "HB"}, {"IT", "Hebrew Bible"}};
        modwriter::Book hg("Bereshit", "Ber", "OTGen");
        hg.verses = {{1, 1, "@LDIM AR@"}};
        heb.books = {hg};
        write("hb.sbk", modwriter::BuildBookModule(heb));

        // A Greek lexicon with Strong's numbers.
        modwriter::LexiconModule lex;
        lex.language = 2;
        lex.info = {{"IA", "SG"}, {"IT", "Strong Greek"}};
        lex.collation.letters = {"a", "g", "h", "o", "p", "q", "s", "w"};
        lex.collation.joins_next.assign(lex.collation.letters.size(), false);
        const char* keys[][3] = {{"agapaw", "G25", "to love"}, {"agaph", "G26", "love"}, {"qeos", "G2316", "God"}};
        for (const auto& k : keys) {
            modwriter::LexEntry e;
            e.keyword = k[0];
            e.strong = k[1];
            e.body = k[2];
            lex.entries.push_back(e);
        }
        std::string error;
        const std::string bytes = modwriter::BuildLexiconModule(lex, &error);
        ASSERT_FALSE(bytes.empty()) << error;
        write("sg.lex", bytes);

        // A Greek lexicon whose articles hold Greek words, Strong's links and
        // references, with a book table for them.
        modwriter::LexiconModule links;
        links.language = 2;
        links.info = {{"IA", "GL"}, {"IT", "Greek Links"}};
        links.tag_bytes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
        links.collation = lex.collation;
        links.books = {modwriter::Book("Genesis", "Gen", "OTGen"), modwriter::Book("John", "Jn", "NTJohn")};
        const char* articles[][3] = {
            {"agapaw", "G25", "|TGagapaw|Tg to love, more at |RG26|Rg."},
            {"agaph", "G26", "|TGagaph|Tg love, from |TGagapaw|Tg; as in |RRNTJohn:3:16|Rr and |RRNTRom:5:8|Rr."},
            {"qeos", "G2316", "|TGqeos|Tg God."}};
        for (const auto& k : articles) {
            modwriter::LexEntry e;
            e.keyword = k[0];
            e.strong = k[1];
            e.body = k[2];
            links.entries.push_back(e);
        }
        const std::string link_bytes = modwriter::BuildLexiconModule(links, &error);
        ASSERT_FALSE(link_bytes.empty()) << error;
        write("gl.lex", link_bytes);
    }

    // Clicks (single or double) on character at of window w's view.
    static void ClickAt(int w, int at, bool twice = false)
    {
        HWND view = static_cast<HWND>(datawindow[w].hrichedit);
        POINTL pt{};
        SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), at);
        const LPARAM xy = MAKELPARAM(pt.x + 2, pt.y + 3);
        SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, xy);
        SendMessageA(view, WM_LBUTTONUP, 0, xy);
        if (twice) {
            SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, xy);
            SendMessageA(view, WM_LBUTTONUP, 0, xy);
        }
        gui::PumpUntilIdle();
    }
    // The position of the n-th s in window w's text.
    static int Find(int w, const std::string& s, int n = 1)
    {
        const std::string t = Text(w);
        std::size_t p = std::string::npos;
        for (int i = 0; i < n; ++i) p = t.find(s, p == std::string::npos ? 0 : p + 1);
        EXPECT_NE(p, std::string::npos) << s << " in " << t;
        return static_cast<int>(p);
    }
    // A right click on character at of window w's view; the menu that opens
    // is read and item pick chosen (-1: none).
    static void RightClickAt(int w, int at, int pick)
    {
        HWND view = static_cast<HWND>(datawindow[w].hrichedit);
        POINTL pt{};
        SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), at);
        g_menu_items.clear();
        g_menu_pick = pick;
        SetTimer(nullptr, 0, 200, ReadOpenMenu);
        SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x + 2, pt.y + 3));
        gui::PumpUntilIdle();
    }
    // The index of the menu item that starts with text, or -1.
    static int MenuItem(const std::string& text)
    {
        for (std::size_t i = 0; i < g_menu_items.size(); ++i)
            if (g_menu_items[i].compare(0, text.size(), text) == 0) return static_cast<int>(i);
        return -1;
    }
    static std::string Selected(int w)
    {
        DWORD start = 0, end = 0;
        SendMessageA(static_cast<HWND>(datawindow[w].hrichedit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return end > start ? Text(w).substr(start, end - start) : "";
    }
    static std::string InfoText()
    {
        if (status.info_visible != 1) return "";
        return Text(status.id_info);
    }
    std::string ClickedWord() const
    {
        return std::string(rtfclick.in_buf + rtfclick.out_word_l,
                           static_cast<std::size_t>(rtfclick.out_word_r - rtfclick.out_word_l + 1));
    }
};

} // namespace

TEST_F(InfoGuiTest, StrongsLinksReferencesAndVerseLabels)
{
    const int w = Open("kj.sbk");
    ASSERT_GE(w, 0);
    // Single clicks are analysed while the information window is there.
    Command(IDM_SHOW_INFO);
    ASSERT_EQ(status.info_visible, 1);
    // Genesis 1:1: the Hebrew Strong's link H430.
    ClickAt(w, Find(w, "H430") + 1, true);
    EXPECT_EQ(rtfclick.flag_strong, 1);
    EXPECT_EQ(rtfclick.out_strong_language, 1);
    EXPECT_EQ(rtfclick.out_strong_number, 430);
    EXPECT_EQ(rtfclick.flag_reference, 0);
    EXPECT_EQ(rtfclick.flag_id, 1);
    EXPECT_EQ(rtfclick.out_bp.verse, 1);
    EXPECT_STREQ(rtfclick.out_syncname, "OTGen");

    // A word of verse 3 with its verse and its tags.
    ClickAt(w, Find(w, "said") + 1, true);
    EXPECT_EQ(rtfclick.flag_word, 1);
    EXPECT_EQ(ClickedWord(), "said");
    EXPECT_EQ(rtfclick.out_language, 0);
    EXPECT_EQ(rtfclick.out_bp.verse, 3);
    ASSERT_EQ(rtfclick.flag_tag_area, 1);
    EXPECT_EQ(std::string(LastClickRecord() + rtfclick.out_tag_area_l, static_cast<std::size_t>(rtfclick.out_tag_area_r)),
              " |TNa note about light|Tn, ");
    // A word inside the note: no tag area of its own.
    ClickAt(w, Find(w, "about") + 1, true);
    EXPECT_EQ(ClickedWord(), "about");
    EXPECT_EQ(rtfclick.flag_tag_area, 1);
    EXPECT_EQ(rtfclick.out_tag_area_r, 0);

    // The verse label of verse 2.
    ClickAt(w, Find(w, "2 And") , true);
    EXPECT_EQ(rtfclick.flag_ref_clicked, 1);
    EXPECT_EQ(rtfclick.out_ref_clicked, 1);
    EXPECT_EQ(rtfclick.flag_word, 0);
    EXPECT_EQ(rtfclick.out_bp.verse, 2);

    // A reference whose abbreviation the module has, and one it lacks.
    ClickAt(w, Find(w, "Jn") + 1);
    EXPECT_EQ(rtfclick.flag_reference, 1);
    EXPECT_STREQ(rtfclick.out_ref_syncname, "NTJohn");
    EXPECT_EQ(rtfclick.out_ref_bp.book, 2);
    EXPECT_EQ(rtfclick.out_ref_bp.chapter, 3);
    EXPECT_EQ(rtfclick.out_ref_bp.verse, 16);
    ClickAt(w, Find(w, "NTRom") + 2);
    EXPECT_EQ(rtfclick.flag_reference, 0);
    EXPECT_EQ(rtfclick.flag_strong, 0);
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(InfoGuiTest, GreekStrongsLinkShowsItsEntryInTheLexicon)
{
    const int lex = Open("sg.lex");
    ASSERT_EQ(datawindow[lex].type, MODULE_LEXICON);
    const int w = Open("kj.sbk");
    MoveTo(w, 2, 3, 16);
    ASSERT_NE(Text(w).find("G25"), std::string::npos) << Text(w);
    ClickAt(w, Find(w, "G25") + 1, true);
    EXPECT_EQ(rtfclick.flag_strong, 1);
    EXPECT_EQ(rtfclick.out_strong_language, 2);
    EXPECT_EQ(rtfclick.out_strong_number, 25);
    ASSERT_GT(datawindow[lex].lx_radku_filled, 0);
    EXPECT_STREQ(datawindow[lex].lx_radek[0].tLeft, "agapaw");
    ClickAt(w, Find(w, "loved") + 1, true);  // a plain English word: the Greek lexicon stays
    EXPECT_STREQ(datawindow[lex].lx_radek[0].tLeft, "agapaw");
    DWORD start = 0, end = 0;
    SendMessageA(static_cast<HWND>(datawindow[w].hrichedit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(Text(w).substr(start, end - start), "loved");
}

TEST_F(InfoGuiTest, DoubleClickedReferenceMovesTheBooksAndEntersTheHistory)
{
    const int a = Open("kj.sbk");
    const int b = Open("aaa.sbk");
    Activate(a);
    ASSERT_EQ(datawindow[a].book_position.book, 1);
    const int before = history_used;
    ClickAt(a, Find(a, "Jn") + 1, true);
    EXPECT_EQ(datawindow[a].book_position.book, 2);
    EXPECT_EQ(datawindow[a].book_position.chapter, 3);
    EXPECT_EQ(datawindow[a].book_position.verse, 16);
    EXPECT_NE(Text(a).find("For God so loved"), std::string::npos);
    // The other window has no John: it stays.
    EXPECT_EQ(datawindow[b].book_position.book, 1);
    ASSERT_EQ(history_used, before + 1);
    EXPECT_STREQ(history[history_used - 1].sync_name, "NTJohn");
    EXPECT_EQ(history[history_used - 1].book_position.verse, 16);
}

TEST_F(InfoGuiTest, InformationWindowShowsGematriaMorphologyAndLemma)
{
    const int h = Open("hb.sbk");
    Command(IDM_SHOW_INFO);
    ASSERT_EQ(status.info_visible, 1);
    const int info = status.id_info;
    EXPECT_EQ(datawindow[info].infowindow, 1);
    EXPECT_EQ(datawindow[info].type, MODULE_INFO);
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(datawindow[info].hwnd)), "Information window");
    UpdateMainMenu(status.bk_last_book);
    EXPECT_TRUE(GetMenuState(GetSubMenu(GetMenu(frame()), 0), IDM_SHOW_INFO, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(GetSubMenu(GetMenu(frame()), 0), IDM_SHOW_INFO, MF_BYCOMMAND) & MF_GRAYED);

    // The Hebrew word with a final mem, shown reversed.
    const int at = Find(h, "MIDL@");
    ClickAt(h, at + 2);
    EXPECT_EQ(rtfclick.out_language, 1);
    EXPECT_EQ(ClickedWord(), "MIDL@");
    std::string shown = InfoText();
    EXPECT_NE(shown.find("Value  I:  86  14  5"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Value II:  646  16  7"), std::string::npos) << shown;

    // The gematria switch of the context menu.
    EXPECT_EQ(INFO_ProcessCommand(IDM_INFO_GEMATRIA), 1);
    EXPECT_EQ(status.opt_info_gematria, 0);
    ClickAt(h, at + 2);
    EXPECT_EQ(InfoText().find("Value"), std::string::npos);
    INFO_ProcessCommand(IDM_INFO_GEMATRIA);

    // A Greek word followed by morphology and lemma tags.
    const int g = Open("gt.sbk");
    ClickAt(g, Find(g, "hgaphsen") + 3);
    EXPECT_EQ(rtfclick.out_language, 2);
    EXPECT_EQ(ClickedWord(), "hgaphsen");
    shown = InfoText();
    EXPECT_NE(shown.find("Value  I:  "), std::string::npos) << shown;
    EXPECT_EQ(shown.find("Value II"), std::string::npos);
    EXPECT_NE(shown.find("Verb"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Aorist"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Lemma:"), std::string::npos);
    EXPECT_NE(shown.find("agapaw"), std::string::npos);
    INFO_ProcessCommand(IDM_INFO_MORPHOLOGY);
    EXPECT_EQ(status.opt_info_morphology, 0);
    ClickAt(g, Find(g, "hgaphsen") + 3);
    EXPECT_EQ(InfoText().find("Lemma:"), std::string::npos);
    INFO_ProcessCommand(IDM_INFO_MORPHOLOGY);

    // Closed, it is no longer rebuilt.
    Command(IDM_SHOW_INFO);
    EXPECT_EQ(status.info_visible, 0);
    EXPECT_EQ(status.num_windows, 2);
    const int g2 = g > info ? g - 1 : g;  // the windows after it moved up
    ClickAt(g2, Find(g2, "qeos") + 1);
    EXPECT_EQ(status.info_visible, 0);
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(InfoGuiTest, InformationsAboutTheModule)
{
    const int w = Open("kj.sbk");
    UpdateMainMenu(w);
    HMENU program = GetSubMenu(GetMenu(frame()), 0);
    char label[64] = {};
    GetMenuStringA(program, IDM_FILE_INFO, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ(label, "Informations about KJ");
    EXPECT_FALSE(GetMenuState(program, IDM_FILE_INFO, MF_BYCOMMAND) & MF_GRAYED);
    Command(IDM_FILE_INFO);
    ASSERT_EQ(status.info_visible, 1);
    const std::string shown = InfoText();
    EXPECT_NE(shown.find("File: kj.sbk ["), std::string::npos) << shown;
    EXPECT_NE(shown.find("Title: Tagged Bible [KJ]"), std::string::npos);
    EXPECT_NE(shown.find("Copyright: Public domain"), std::string::npos);
    EXPECT_NE(shown.find("Strongs Hebrew references (|RH)"), std::string::npos);
    EXPECT_NE(shown.find("Notes tag (|TN)"), std::string::npos);
    EXPECT_EQ(shown.find("Greek morphology coding system:"), std::string::npos);
    EXPECT_NE(shown.find("kj.sbk"), shown.rfind("kj.sbk"));  // the full path names it again
    (void)w;

    // Select all and copy put rich text and Unicode text on the clipboard.
    INFO_ProcessCommand(IDM_INFO_SELECT_ALL);
    INFO_ProcessCommand(IDM_INFO_COPY);
    ASSERT_TRUE(OpenClipboard(frame()));
    EXPECT_TRUE(GetClipboardData(RegisterClipboardFormatA(CF_RTF)) != nullptr);
    HANDLE u = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(u, nullptr);
    const std::wstring text(static_cast<const wchar_t*>(GlobalLock(u)));
    GlobalUnlock(u);
    CloseClipboard();
    EXPECT_NE(text.find(L"Title: Tagged Bible [KJ]"), std::wstring::npos);
}

TEST_F(InfoGuiTest, CopiedHebrewIsInReadingOrder)
{
    const int h = Open("hb.sbk");
    HWND view = static_cast<HWND>(datawindow[h].hrichedit);
    const int at = Find(h, "MIDL@");
    SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(at), static_cast<LPARAM>(at + 5));
    // Ctrl+C, as the user types it.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(view, WM_KEYDOWN, 'C', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    ASSERT_TRUE(OpenClipboard(frame()));
    EXPECT_TRUE(GetClipboardData(RegisterClipboardFormatA(CF_RTF)) != nullptr);
    HANDLE u = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(u, nullptr);
    const std::wstring text(static_cast<const wchar_t*>(GlobalLock(u)));
    GlobalUnlock(u);
    CloseClipboard();
    EXPECT_EQ(text, L"\u05D0\u05DC\u05D4\u05D9\u05DD");
}

TEST_F(InfoGuiTest, LexiconArticleClicksFollowLinksAndLookWordsUp)
{
    const int a = Open("kj.sbk");
    const int sg = Open("sg.lex");
    const int gl = Open("gl.lex");
    ASSERT_EQ(datawindow[gl].type, MODULE_LEXICON);
    ASSERT_STREQ(datawindow[gl].lx_radek[0].tLeft, "agapaw");

    // A Strong's link: the lexicons that take part show its entry, the
    // clicked one among them.
    ClickAt(gl, Find(gl, "G26") + 1, true);
    EXPECT_EQ(rtfclick.flag_id, 1);
    EXPECT_EQ(rtfclick.flag_strong, 1);
    EXPECT_EQ(rtfclick.out_strong_language, 2);
    EXPECT_EQ(rtfclick.out_strong_number, 26);
    EXPECT_STREQ(datawindow[gl].lx_radek[0].tLeft, "agaph");
    EXPECT_STREQ(datawindow[sg].lx_radek[0].tLeft, "agaph");

    // A reference whose book the lexicon's table names: the book window goes
    // there and the history gets it.
    ASSERT_EQ(Place(a), (V{1, 1, 1}));
    const int before = history_used;
    ClickAt(gl, Find(gl, "Jn") + 1, true);
    EXPECT_EQ(rtfclick.flag_reference, 1);
    EXPECT_STREQ(rtfclick.out_ref_syncname, "NTJohn");
    EXPECT_EQ(Place(a), (V{2, 3, 16}));
    ASSERT_EQ(history_used, before + 1);
    EXPECT_STREQ(history[history_used - 1].sync_name, "NTJohn");
    EXPECT_EQ(history[history_used - 1].book_position.verse, 16);
    EXPECT_STREQ(datawindow[gl].lx_radek[0].tLeft, "agaph");  // the lexicon stays

    // One it does not name: nothing moves.
    ClickAt(gl, Find(gl, "NTRom") + 2, true);
    EXPECT_EQ(rtfclick.flag_reference, 0);
    EXPECT_EQ(Place(a), (V{2, 3, 16}));
    EXPECT_EQ(history_used, before + 1);

    // A Greek word of the article is selected and looked up; with its
    // jumps switched off the lexicon itself stays.
    SendMessageA(static_cast<HWND>(datawindow[gl].hwnd), WM_COMMAND, MAKEWPARAM(IDM_LX_JUMPS, 0), 0);
    EXPECT_EQ(datawindow[gl].no_jumps, 1);
    ClickAt(gl, Find(gl, "agapaw") + 2, true);
    EXPECT_EQ(rtfclick.out_language, 2);
    EXPECT_EQ(Selected(gl), "agapaw");
    EXPECT_STREQ(datawindow[sg].lx_radek[0].tLeft, "agapaw");
    EXPECT_STREQ(datawindow[gl].lx_radek[0].tLeft, "agaph");
    // With them on it follows too.
    SendMessageA(static_cast<HWND>(datawindow[gl].hwnd), WM_COMMAND, MAKEWPARAM(IDM_LX_JUMPS, 0), 0);
    ClickAt(gl, Find(gl, "agapaw") + 2, true);
    EXPECT_STREQ(datawindow[gl].lx_radek[0].tLeft, "agapaw");
    LX_ScrollTrack(gl, 2);
    LX_Redisplay(gl);

    // With the information window shown a single click gives the word's
    // values: a 1, g 3, a 1, p 80, h 8.
    Command(IDM_SHOW_INFO);
    ASSERT_EQ(status.info_visible, 1);
    const int gl_now = FindDatawindowOfHwnd(static_cast<HWND>(datawindow[gl].hwnd));
    ClickAt(gl_now, Find(gl_now, "agaph") + 2);
    EXPECT_NE(InfoText().find("Value  I:  93  12  3"), std::string::npos) << InfoText();
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(InfoGuiTest, LexiconArticleRightClickPreparesTheSearchAndShowsTheMenu)
{
    Open("kj.sbk");
    const int sg = Open("sg.lex");
    const int gl = Open("gl.lex");
    LX_ScrollTrack(gl, 2);
    LX_Redisplay(gl);
    ASSERT_STREQ(datawindow[gl].lx_radek[0].tLeft, "agaph");

    // A Greek word: its request and its menu, with the word's value.
    RightClickAt(gl, Find(gl, "agaph") + 2, -1);
    EXPECT_EQ(Selected(gl), "agaph");
    EXPECT_EQ(search_in.tab, 0);
    EXPECT_EQ(search_in.type, 2);
    EXPECT_STREQ(search_in.pattern, "agaph");
    ASSERT_GE(g_menu_items.size(), 7u);
    EXPECT_EQ(g_menu_items[0], "Search (fulltext)... \t Ctrl+F");
    EXPECT_FALSE(g_menu_states[0] & MF_GRAYED);
    EXPECT_EQ(g_menu_items[1], "Look at");
    EXPECT_FALSE(g_menu_states[1] & MF_GRAYED);
    EXPECT_EQ(MenuItem("Add to verse list"), -1);
    const int jumps = MenuItem("Jumps inside lexicon");
    ASSERT_GE(jumps, 0);
    EXPECT_TRUE(g_menu_states[static_cast<std::size_t>(jumps)] & MF_CHECKED);
    EXPECT_GE(MenuItem("Synchronize with other dict/lex"), 0);
    EXPECT_GE(MenuItem("Tag options..."), 0);
    const int value = MenuItem("Value  I:");
    ASSERT_GE(value, 0);
    EXPECT_EQ(g_menu_items[static_cast<std::size_t>(value)], "Value  I:  93  12  3");
    EXPECT_EQ(MenuItem("Value II:"), -1);

    // A Strong's link prepares the Strong's tab.
    SendMessageA(static_cast<HWND>(datawindow[gl].hrichedit), EM_SETSEL, 0, 0);
    LX_ScrollTrack(gl, 1);
    LX_Redisplay(gl);
    RightClickAt(gl, Find(gl, "G26") + 1, -1);
    EXPECT_EQ(search_in.tab, 1);
    EXPECT_EQ(search_in.str_type, 0);
    EXPECT_EQ(search_in.str_language, 2);
    EXPECT_EQ(search_in.str_number, 26);

    // A reference: the reference tab, and the verse-list item names it
    // (greyed until verse lists come).
    SendMessageA(static_cast<HWND>(datawindow[gl].hrichedit), EM_SETSEL, 0, 0);
    LX_ScrollTrack(gl, 2);
    LX_Redisplay(gl);
    RightClickAt(gl, Find(gl, "Jn") + 1, -1);
    EXPECT_EQ(search_in.tab, 2);
    EXPECT_STREQ(search_in.ref_syncname_from, "NTJohn");
    EXPECT_EQ(search_in.ref_bp_from.chapter, 3);
    EXPECT_EQ(search_in.ref_bp_to.verse, 16);
    const int add = MenuItem("Add to verse list [John 3:16");
    ASSERT_GE(add, 0) << (g_menu_items.size() > 2 ? g_menu_items[2] : "");
    EXPECT_TRUE(g_menu_states[static_cast<std::size_t>(add)] & MF_GRAYED);

    // "Look at" on a Greek word: the synchronised lexicon shows it.
    SendMessageA(static_cast<HWND>(datawindow[gl].hrichedit), EM_SETSEL, 0, 0);
    LX_ScrollTrack(sg, 3);
    LX_Redisplay(sg);
    ASSERT_STREQ(datawindow[sg].lx_radek[0].tLeft, "qeos");
    RightClickAt(gl, Find(gl, "agaph") + 2, 1);
    EXPECT_STREQ(datawindow[sg].lx_radek[0].tLeft, "agaph");

    // "Search (fulltext)..." opens the search dialog on the prepared request:
    // a text search of the clicked word in this lexicon.
    SendMessageA(static_cast<HWND>(datawindow[gl].hrichedit), EM_SETSEL, 0, 0);
    RightClickAt(gl, Find(gl, "love") + 1, 0);
    EXPECT_EQ(search_in.type, 0);
    EXPECT_EQ(search_in.tab, 0);
    EXPECT_EQ(search_in.mode, 1);
    EXPECT_EQ(search_in.datawindow, gl);
    EXPECT_STREQ(search_in.pattern, "love");
    ASSERT_EQ(status.search_visible, 1);
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(gui::WindowText(GetDlgItem(SEARCH_CurrentTab(), IDC_ST_PATTERN)), "love");
    CloseSearchDialog();
    gui::PumpUntilIdle();
    ASSERT_EQ(status.search_visible, 0);

    // The tag submenu's last item switches decoded Greek morphology for
    // every window.
    SendMessageA(static_cast<HWND>(datawindow[gl].hrichedit), EM_SETSEL, 0, 0);
    const int decode = status.opt_decode_morphology;
    g_menu_keys = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN};
    RightClickAt(gl, Find(gl, "love") + 1, -1);
    EXPECT_EQ(status.opt_decode_morphology, decode ? 0 : 1);

    // With the information window shown, the menu's values are written there.
    Command(IDM_SHOW_INFO);
    ASSERT_EQ(status.info_visible, 1);
    SendMessageA(static_cast<HWND>(datawindow[gl].hrichedit), EM_SETSEL, 0, 0);
    RightClickAt(gl, Find(gl, "agapaw") + 2, -1);
    EXPECT_NE(MenuItem("Value  I:  886  22  4"), -1);
    EXPECT_NE(InfoText().find("Value  I:  886  22  4"), std::string::npos) << InfoText();
    // So are those of the keyword list's menu, for the keyword of the line.
    {
        HWND list = static_cast<HWND>(datawindow[gl].lx_hlistbox);
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        for (int line = 0; line < std::min(3, datawindow[gl].lx_radku_filled); ++line) {
            if (datawindow[gl].lx_radek[line].record <= 0) continue;
            g_menu_items.clear();
            g_menu_pick = -1;
            SetTimer(nullptr, 0, 200, ReadOpenMenu);
            SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, line * std::max(height, 1) + 2));
            gui::PumpUntilIdle();
            const int values = MenuItem("Value  I:");
            ASSERT_GE(values, 0) << line;
            EXPECT_NE(InfoText().find(g_menu_items[static_cast<std::size_t>(values)]), std::string::npos)
                << g_menu_items[static_cast<std::size_t>(values)] << " / " << InfoText();
        }
    }

    // Nothing under the mouse: a beep and no menu.
    HWND view = static_cast<HWND>(datawindow[gl].hrichedit);
    SendMessageA(view, EM_SETSEL, 0, 0);
    RECT rc;
    GetClientRect(view, &rc);
    g_menu_items.assign(1, "none");
    g_menu_pick = -1;
    SetTimer(nullptr, 0, 200, ReadOpenMenu);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(rc.right - 5, rc.bottom - 5));
    gui::PumpUntilIdle(300, 2000);
    EXPECT_TRUE(g_menu_items.empty());
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(InfoGuiTest, BookRightClickPreparesTheSearchRequest)
{
    const int w = Open("kj.sbk");
    RightClickAt(w, Find(w, "beginning") + 2, -1);
    EXPECT_EQ(search_in.tab, 0);
    EXPECT_EQ(search_in.type, 0);
    EXPECT_STREQ(search_in.pattern, "beginning");
    ASSERT_FALSE(g_menu_items.empty());
    EXPECT_EQ(g_menu_items[0], "Search (fulltext)... \t Ctrl+F");
    RightClickAt(w, Find(w, "H430") + 1, -1);
    EXPECT_EQ(search_in.tab, 1);
    EXPECT_EQ(search_in.str_language, 1);
    EXPECT_EQ(search_in.str_number, 430);
    RightClickAt(w, Find(w, "Jn") + 1, -1);
    EXPECT_EQ(search_in.tab, 2);
    EXPECT_STREQ(search_in.ref_syncname_from, "NTJohn");
    EXPECT_EQ(search_in.ref_bp_to.verse, 16);
}
