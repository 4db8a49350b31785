// Book windows in the real frame: opened from the module menu, scrolled by
// line, page, keys, wheel and thumb, synchronised by sync name, reused for
// another module, closed with renumbering, the window limit, the tag menu.
#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/data_windows.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "book_gui_fixture.h"
#include "books/book_window.h"
#include "books/verse_location.h"
#include "books/win/book_window.h"
#include "books/win/rich_text.h"
#include "harness.h"
#include "modwriter/modwriter.h"
#include "resource.h"

using gui::BookGuiTest;
using V = gui::BookGuiTest::V;

TEST_F(BookGuiTest, ModuleMenuOpensABookWindow)
{
    // The flat or library menu lists every book as "[abbrev] title".
    ASSERT_NE(hSubmenuSBK, nullptr);
    HMENU book_menu = GetSubMenu(GetMenu(frame()), 1);
    EXPECT_EQ(GetSubMenu(book_menu, 5), hSubmenuSBK);
    EXPECT_FALSE(GetMenuState(book_menu, 5, MF_BYPOSITION) & MF_GRAYED);
    char text[128] = {};
    ASSERT_GT(GetMenuStringA(hSubmenuSBK, IDM_MODULE_BASE + File("aaa.sbk"), text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "[A] Alpha Bible");

    const int w = Open("aaa.sbk");
    ASSERT_EQ(w, 0);
    const DATAWINDOW& d = datawindow[0];
    HWND child = static_cast<HWND>(d.hwnd);
    ASSERT_TRUE(IsWindow(child));
    EXPECT_EQ(GetParent(child), g_hMDIClient);
    EXPECT_EQ(gui::WindowText(child), "Alpha Bible");
    EXPECT_EQ(status.bk_last_book, 0);
    EXPECT_EQ(datafile[File("aaa.sbk")].opened, 1);

    HWND view = GetDlgItem(child, IDC_BOOK_RICHEDIT);
    HWND bar = GetDlgItem(child, IDC_BOOK_SCROLLBAR);
    ASSERT_EQ(view, d.hrichedit);
    ASSERT_EQ(bar, d.hscroll);
    EXPECT_TRUE(GetWindowLongA(view, GWL_STYLE) & ES_READONLY);
    RECT client, vr, br;
    GetClientRect(child, &client);
    GetWindowRect(view, &vr);
    GetWindowRect(bar, &br);
    EXPECT_EQ(br.right - br.left, 16);
    EXPECT_EQ(vr.right - vr.left, client.right - 16);
    EXPECT_EQ(br.bottom - br.top, client.bottom);

    EXPECT_EQ(Text(0).rfind("Genesis 1:1 In the beginning", 0), 0u) << Text(0);
    EXPECT_NE(Text(0).find("2 And the earth"), std::string::npos);
    int lo = 0, hi = 0;
    GetScrollRange(bar, SB_CTL, &lo, &hi);
    EXPECT_EQ(lo, d.tag_data);
    EXPECT_EQ(hi, d.filesize);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), d.offset);
    EXPECT_STREQ(g_status_text[1], "[A]  Genesis 1:1 ");
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(BookGuiTest, LinePageKeysWheelAndThumbMoveTheWindow)
{
    Open("aaa.sbk");
    Open("bbb.sbk");
    ASSERT_EQ(status.num_windows, 2);
    DATAWINDOW& a = datawindow[0];
    a.scroll_verse = 1;
    Activate(0);

    Scroll(0, SB_LINEDOWN);
    EXPECT_EQ(Place(0), (V{1, 1, 2}));
    EXPECT_EQ(a.offset, BK_HledejVers(a.book_position));
    EXPECT_EQ(Text(0).rfind("Genesis 1:2 And the earth", 0), 0u) << Text(0);
    EXPECT_EQ(GetScrollPos(static_cast<HWND>(a.hscroll), SB_CTL), a.offset);
    EXPECT_EQ(Place(1), (V{1, 1, 2}));  // the other window follows
    EXPECT_EQ(Text(1).rfind("Genesis 1:2", 0), 0u);

    Scroll(0, SB_LINEUP);
    EXPECT_EQ(Place(0), (V{1, 1, 1}));
    Scroll(0, SB_LINEUP);  // first verse of the module: nothing
    EXPECT_EQ(Place(0), (V{1, 1, 1}));

    Scroll(0, SB_PAGEDOWN);
    EXPECT_EQ(Place(0), (V{1, 2, 1}));
    EXPECT_EQ(Text(0).rfind("Genesis 2:1 ", 0), 0u);
    Scroll(0, SB_PAGEDOWN);
    Scroll(0, SB_PAGEDOWN);  // past Genesis 3: Exodus
    EXPECT_EQ(Place(0), (V{2, 1, 1}));
    EXPECT_EQ(Place(1), (V{1, 3, 1}));  // B lacks Exodus: stays
    Scroll(0, SB_PAGEUP);
    EXPECT_EQ(Place(0), (V{1, 3, 1}));

    // Keys and the wheel act on the last active window.
    HWND view = static_cast<HWND>(a.hrichedit);
    SendMessageA(view, WM_KEYDOWN, VK_DOWN, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(0), (V{1, 3, 2}));
    SendMessageA(view, WM_KEYDOWN, VK_PRIOR, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(0), (V{1, 3, 1}));
    SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(0), (V{1, 3, 2}));
    SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);  // two notches at once: nothing
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(0), (V{1, 3, 2}));
    SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(0), (V{1, 3, 1}));

    // Thumb: the position is a file offset.
    const int32_t target = OffsetOf(0, BOOK_POSITION{0, 3, 2, 2});
    HWND bar = static_cast<HWND>(a.hscroll);
    SetScrollPos(bar, SB_CTL, target - 2, FALSE);  // inside the record before: the next record
    SendMessageA(static_cast<HWND>(a.hwnd), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), reinterpret_cast<LPARAM>(bar));
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(0), (V{3, 2, 2}));
    EXPECT_EQ(a.offset, target);
    EXPECT_EQ(Text(0).rfind("Matthew 2:2 ", 0), 0u) << Text(0);
    HWND tip = BK_ScrollTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(gui::WindowText(tip), "Matthew 2:2 ");
    EXPECT_EQ(status.scrolltip_visible, 1);
    EXPECT_EQ(Place(1), (V{1, 3, 1}));  // tracking does not synchronise
    SendMessageA(static_cast<HWND>(a.hwnd), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0),
                 reinterpret_cast<LPARAM>(bar));
    gui::PumpUntilIdle();
    EXPECT_EQ(BK_ScrollTipWindow(), nullptr);
    EXPECT_EQ(status.scrolltip_visible, 0);
    EXPECT_EQ(Place(1), (V{2, 2, 2}));  // Matthew is B's second book
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), target);
}

TEST_F(BookGuiTest, ScrollingByLinesMovesTheViewUntilTheNextVerse)
{
    Open("long.sbk");
    DATAWINDOW& w = datawindow[0];
    w.scroll_verse = 0;
    BK_UpdateOneBookWindow(0);
    gui::PumpUntilIdle();
    HWND view = static_cast<HWND>(w.hrichedit);
    // Line 0 is verse 1's label line; its text wraps over several lines.
    ASSERT_GT(SendMessageA(view, EM_GETLINECOUNT, 0, 0), 4);
    const int second = static_cast<int>(SendMessageA(view, EM_LINEINDEX, 1, 0));
    ASSERT_EQ(BK_IsRTFNewLine(view, second), 0) << Text(0);

    int steps = 0;
    while (w.book_position.verse == 1 && steps < 40) {
        Scroll(0, SB_LINEDOWN);
        ++steps;
        if (w.book_position.verse == 1) {
            EXPECT_EQ(w.rtf_line, steps);
            EXPECT_EQ(SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0), steps);
        }
    }
    EXPECT_GT(steps, 1);  // some lines scrolled the view only
    EXPECT_LT(steps, 40);
    EXPECT_EQ(Place(0), (V{1, 1, 2}));  // then the next verse's line stepped a verse
    EXPECT_EQ(w.rtf_line, 0);
    EXPECT_EQ(SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(Text(0).rfind("Genesis 1:2 ", 0), 0u);
}

TEST_F(BookGuiTest, ThreeWindowsSynchroniseBySyncName)
{
    Open("aaa.sbk");
    Open("bbb.sbk");
    Open("ccc.sbk");  // Matthew only
    ASSERT_EQ(status.num_windows, 3);
    const std::string c_text = Text(2);

    // Genesis 3:2: C lacks Genesis and stays; B lacks chapter 3: its text
    // stays but its position is the new one.
    const std::string b_text = Text(1);
    const int32_t b_offset = datawindow[1].offset;
    MoveTo(0, 1, 3, 2);
    EXPECT_EQ(Place(2), (V{1, 1, 1}));
    EXPECT_EQ(Text(2), c_text);
    EXPECT_EQ(Place(1), (V{1, 3, 2}));
    EXPECT_EQ(datawindow[1].offset, b_offset);
    EXPECT_EQ(Text(1), b_text);

    // Matthew 2:1 reaches all three.
    MoveTo(0, 3, 2, 1);
    EXPECT_EQ(Place(1), (V{2, 2, 1}));
    EXPECT_EQ(Place(2), (V{1, 2, 1}));
    EXPECT_EQ(Text(2).rfind("Matthew 2:1 ", 0), 0u) << Text(2);

    // A window that does not synchronise stays.
    SendMessageA(static_cast<HWND>(datawindow[2].hwnd), WM_COMMAND, IDM_BK_SYNC, 0);
    EXPECT_EQ(datawindow[2].sync, 0);
    MoveTo(0, 3, 1, 2);
    EXPECT_EQ(Place(1), (V{2, 1, 2}));
    EXPECT_EQ(Place(2), (V{1, 2, 1}));

    // A new window starts where the last active one is.
    Activate(0);
    Open("ccc.sbk");
    EXPECT_EQ(Place(3), (V{1, 1, 2}));
    EXPECT_EQ(Text(3).rfind("Matthew 1:2 ", 0), 0u) << Text(3);
}

TEST_F(BookGuiTest, ReusableWindowTakesTheNextModuleAndKeepsThePlace)
{
    Open("aaa.sbk");
    MoveTo(0, 3, 2, 3);  // Matthew 2:3
    Command(IDM_REUSABLE);
    ASSERT_EQ(datawindow[0].reusable, 1);
    EXPECT_EQ(BK_LastButtonStates().reusable, BUTTON_PRESSED);

    Command(IDM_MODULE_BASE + File("bbb.sbk"));
    ASSERT_EQ(status.num_windows, 1);
    EXPECT_EQ(datawindow[0].id_file, File("bbb.sbk"));
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(datawindow[0].hwnd)), "Beta Bible");
    EXPECT_EQ(Place(0), (V{2, 2, 3}));
    EXPECT_EQ(Text(0).rfind("Matthew 2:3 ", 0), 0u) << Text(0);
    EXPECT_EQ(datafile[File("aaa.sbk")].opened, 0);
    EXPECT_EQ(datafile[File("bbb.sbk")].opened, 1);

    // Replace mode from the window's own menu.
    SendMessageA(static_cast<HWND>(datawindow[0].hwnd), WM_COMMAND, IDM_MODULE_BASE + File("ccc.sbk"), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(datawindow[0].id_file, File("ccc.sbk"));
    EXPECT_EQ(Place(0), (V{1, 2, 3}));

    // A module that cannot be opened any more: the window closes cleanly.
    ASSERT_TRUE(DeleteFileA((dir() + "\\data\\aaa.sbk").c_str()));
    HWND old = static_cast<HWND>(datawindow[0].hwnd);
    Command(IDM_MODULE_BASE + File("aaa.sbk"));
    EXPECT_EQ(status.num_windows, 0);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(datafile[File("ccc.sbk")].opened, 0);
    EXPECT_EQ(datafile[File("aaa.sbk")].opened, 0);
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(BookGuiTest, ClosingWindowTwoOfFiveRenumbers)
{
    const char* files[5] = {"aaa.sbk", "bbb.sbk", "ccc.sbk", "aaa.sbk", "ccc.sbk"};
    for (const char* f : files) Open(f);
    ASSERT_EQ(status.num_windows, 5);
    HWND hwnds[5];
    for (int i = 0; i < 5; ++i) hwnds[i] = static_cast<HWND>(datawindow[i].hwnd);

    SendMessageA(hwnds[2], WM_CLOSE, 0, 0);
    gui::PumpUntilIdle();
    ASSERT_EQ(status.num_windows, 4);
    EXPECT_FALSE(IsWindow(hwnds[2]));
    const int left[4] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(datawindow[i].id, i);
        EXPECT_EQ(datawindow[i].book_position.number, i);
        EXPECT_EQ(datawindow[i].hwnd, hwnds[left[i]]);
        EXPECT_EQ(datawindow[i].id_file, File(files[left[i]]));
    }
    EXPECT_EQ(datafile[File("ccc.sbk")].opened, 1);  // window 4 still shows it
    EXPECT_GE(status.bk_last_book, 0);
    EXPECT_LT(status.bk_last_book, 4);

    // Scrolling a renumbered window still reaches its own record.
    Scroll(3, SB_PAGEDOWN);
    EXPECT_EQ(Place(3), (V{1, 2, 1}));

    SendMessageA(hwnds[4], WM_CLOSE, 0, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(datafile[File("ccc.sbk")].opened, 0);
    EXPECT_EQ(datafile[File("ccc.sbk")].file, nullptr);

    Command(IDM_WINDOW_CLOSE_ALL);
    EXPECT_EQ(status.num_windows, 0);
    EXPECT_EQ(datafile[File("aaa.sbk")].opened, 0);
    EXPECT_STREQ(g_status_text[1], "");
}

TEST_F(BookGuiTest, TwentyNineWindowsAtMost)
{
    status.opt_tile = 0;  // no tiling of 29 windows
    for (int i = 0; i < 29; ++i) ASSERT_EQ(CreateNewMDIChild(g_hMDIClient, File("ccc.sbk")), 1) << i;
    gui::PumpUntilIdle();
    EXPECT_EQ(status.num_windows, 29);
    ASSERT_TRUE(boxes().boxes().empty());
    Command(IDM_MODULE_BASE + File("aaa.sbk"));
    EXPECT_EQ(status.num_windows, 29);
    ASSERT_EQ(boxes().boxes().size(), 1u);
    EXPECT_EQ(boxes().boxes()[0].text, "Maximum number of opened windows can be 30");
    EXPECT_EQ(boxes().boxes()[0].caption, "Warning");
    EXPECT_EQ(datafile[File("aaa.sbk")].opened, 0);
}

TEST_F(BookGuiTest, TagMenuOnAModuleWithNotesButNoStrongs)
{
    Open("aaa.sbk");
    DATAWINDOW& w = datawindow[0];
    ASSERT_EQ(w.tag_advanced, 1);
    ASSERT_EQ(w.tag_note, 1);
    ASSERT_EQ(w.tag_strong_hebrew, 0);
    HWND child = static_cast<HWND>(w.hwnd);
    SendMessageA(child, WM_COMMAND, IDM_TAGS_ALL_OFF, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(GetAllTagsState(0), 2);
    EXPECT_EQ(Text(0).find("a translator's note"), std::string::npos);

    HMENU tags = CreateTagMenu(0);
    ASSERT_NE(tags, nullptr);
    EXPECT_EQ(GetMenuItemCount(tags), 15);
    // Decoding of Greek morphology: greyed for a module without it.
    EXPECT_TRUE(GetMenuState(tags, IDM_TAG_DECODE_MORPH_GREEK, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(tags, IDM_TAGS_ALL_ON, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(tags, IDM_TAG_NOTES, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(tags, IDM_TAG_NOTES, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(tags, IDM_TAG_STRONG_HEBREW, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(gui::MenuItemText(tags, 0), "All tags enabled");
    EXPECT_EQ(gui::MenuItemText(tags, 9), "Show translator notes");
    DestroyMenu(tags);

    // "All tags" from the tool-bar command: notes on, Strong's numbers off.
    Command(IDM_SHOW_ALL_TAGS);
    EXPECT_EQ(w.show_tag_note, 1);
    EXPECT_EQ(w.show_tag_strong_hebrew, 0);
    EXPECT_EQ(w.show_tag_strong_greek, 0);
    EXPECT_EQ(GetAllTagsState(0), 1);
    EXPECT_EQ(BK_LastButtonStates().show_all_tags, BUTTON_PRESSED);
    EXPECT_NE(Text(0).find("a translator's note"), std::string::npos) << Text(0);
    tags = CreateTagMenu(0);
    EXPECT_TRUE(GetMenuState(tags, IDM_TAG_NOTES, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(tags);

    // The context menu: switches checked by the window, later targets greyed;
    // the search is live.
    HMENU menu = BK_CreateContextMenu(0);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(GetMenuState(menu, IDM_BK_SEARCH, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, IDM_BK_LOOK_AT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, IDM_BK_COMPARE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, IDM_BK_SYNC, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, IDM_BK_REFERENCE_JUMPS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(gui::MenuItemText(menu, 2), "Add to verse list [Genesis 1:1 ]");
    const int n = GetMenuItemCount(menu);
    EXPECT_EQ(GetSubMenu(menu, n - 1), hSubmenuSBK);
    EXPECT_EQ(gui::MenuItemText(menu, n - 1), "Switch to book...");
    BK_DestroyContextMenu(menu);
    EXPECT_TRUE(IsMenu(hSubmenuSBK));  // the shared submenu survives

    SendMessageA(child, WM_COMMAND, IDM_BK_SCROLL_BY_LINES, 0);
    EXPECT_EQ(BK_WindowOptionChecked(0, IDM_BK_SCROLL_BY_LINES), w.scroll_verse == 0);
    SendMessageA(child, WM_COMMAND, IDM_TAG_NOTES, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(w.show_tag_note, 0);
    EXPECT_EQ(GetAllTagsState(0), 2);
}

TEST_F(BookGuiTest, HebrewLinesAreBrokenByMeasureAndRightAligned)
{
    Open("heb.sbk");
    HWND view = static_cast<HWND>(datawindow[0].hrichedit);
    const std::string text = Text(0);
    const int lines = static_cast<int>(SendMessageA(view, EM_GETLINECOUNT, 0, 0));
    ASSERT_GT(lines, 4) << text;
    // Every view line is one paragraph of its own: the control never had to
    // wrap a line the renderer measured.
    for (int i = 1; i < lines; ++i) {
        const int start = static_cast<int>(SendMessageA(view, EM_LINEINDEX, static_cast<WPARAM>(i), 0));
        ASSERT_GT(start, 0);
        EXPECT_EQ(text[static_cast<std::size_t>(start - 1)], '\n') << "line " << i << ": " << text;
    }
    // The long first verse took several lines; its label ends the first.
    const std::string first = text.substr(0, text.find('\r'));
    EXPECT_EQ(first.substr(first.size() - 13), " Bereshit 1:1") << first;
    PARAFORMAT pf{};
    pf.cbSize = sizeof pf;
    SendMessageA(view, EM_SETSEL, 2, 2);
    SendMessageA(view, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    EXPECT_EQ(pf.wAlignment, PFA_RIGHT);
    EXPECT_EQ(BK_IsRTFNewLine(view, BK_NewLineProbe(SCRIPT_HEBREW, 0, static_cast<int>(first.size()))), 1);
}

TEST_F(BookGuiTest, DoubleClickSelectsTheWordUnderTheMouse)
{
    Open("aaa.sbk");
    HWND view = static_cast<HWND>(datawindow[0].hrichedit);
    const std::string text = Text(0);
    const int at = static_cast<int>(text.find("beginning")) + 3;
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), at);
    SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x + 1, pt.y + 2));
    gui::PumpUntilIdle();
    DWORD start = 0, end = 0;
    SendMessageA(view, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(text.substr(start, end - start), "beginning");
}

TEST_F(BookGuiTest, DecodeGreekMorphologySwitchesEveryBookWindow)
{
    modwriter::BookModule m;
    m.info = {{"IA", "GM"}, {"IT", "Greek morphology"}};
    m.tag_caps[7] = 1;   // Greek Strong's numbers
    m.tag_caps[11] = 1;  // Greek morphology, shown
    m.morph_greek_type = 2;
    modwriter::Book john("John", "Jn", "NTJohn");
    john.verses = {{1, 1, "In|RG1722|Rg|MGPREP|Mg the beginning|RG746|Rg|MGN-DSF|Mg was|RG2258|Rg|MGV-IXI-3S|Mg"},
                   {1, 2, "The same|MGD-NSM|Mg was"}};
    m.books = {john};
    ASSERT_TRUE(modwriter::WriteFileAtomic(dir() + "\\data\\zgm.sbk", modwriter::BuildBookModule(m)));
    Rescan();
    const int a = Open("zgm.sbk");
    const int b = Open("zgm.sbk");
    ASSERT_EQ(status.opt_decode_morphology, 0);
    EXPECT_NE(Text(a).find("beginning G746(N-DSF)"), std::string::npos) << Text(a);

    HMENU tags = CreateTagMenu(a);
    ASSERT_NE(tags, nullptr);
    EXPECT_FALSE(GetMenuState(tags, IDM_TAG_DECODE_MORPH_GREEK, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(tags, IDM_TAG_DECODE_MORPH_GREEK, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(gui::MenuItemText(tags, GetMenuItemCount(tags) - 1), "Decode Greek morphology");
    DestroyMenu(tags);

    // The command of one window's tag menu redraws all of them decoded.
    SendMessageA(static_cast<HWND>(datawindow[a].hwnd), WM_COMMAND, IDM_TAG_DECODE_MORPH_GREEK, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(status.opt_decode_morphology, 1);
    for (int i : {a, b}) {
        const std::string text = Text(i);
        EXPECT_NE(text.find("In G1722(Preposition )"), std::string::npos) << text;
        EXPECT_NE(text.find("beginning G746(Noun Dative Singular Feminine )"), std::string::npos) << text;
        EXPECT_NE(text.find("(Verb Imperfect No voice stated Indicative Third person Singular )"), std::string::npos)
            << text;
    }
    tags = CreateTagMenu(b);
    EXPECT_TRUE(GetMenuState(tags, IDM_TAG_DECODE_MORPH_GREEK, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(tags);

    SendMessageA(static_cast<HWND>(datawindow[b].hwnd), WM_COMMAND, IDM_TAG_DECODE_MORPH_GREEK, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(status.opt_decode_morphology, 0);
    EXPECT_NE(Text(a).find("(N-DSF)"), std::string::npos) << Text(a);
}
