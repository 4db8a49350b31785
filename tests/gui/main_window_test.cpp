// The main window driven through its real controls: the command line and its
// lamp, the navigator, the history buttons and pop-up, the library tree and
// its splitter, the menu state per window kind, language switching, the tip
// of the day, tool tips and the mouse wheel.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/catalogue.h"
#include "app/lang.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/lang_window.h"
#include "app/win/library_tree.h"
#include "app/win/main_menu.h"
#include "app/win/main_window.h"
#include "app/win/shell.h"
#include "auxiliary/win/splash.h"
#include "auxiliary/win/tip.h"
#include "book_gui_fixture.h"
#include "books/book_window.h"
#include "cmdline/history.h"
#include "harness.h"
#include "resource.h"

namespace {

using gui::BookGuiTest;
using V = gui::BookGuiTest::V;

class MainWindowTest : public BookGuiTest {
protected:
    void SetUp() override
    {
        BookGuiTest::SetUp();
        ResetHistories();
        UpdateStatusBar(-1, -1);
    }
    // Types text into the command line as the user does: the edit change,
    // then (when enter) the Enter key in the edit field.
    void Type(const char* text, bool enter = false)
    {
        SetWindowTextA(hCmdLine, text);
        SendMessageA(hToolBar4, WM_COMMAND, MAKEWPARAM(IDC_CMDLINE, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(hCmdLine));
        if (enter) SendMessageA(hCmdLineEdit, WM_KEYDOWN, VK_RETURN, 0);
        gui::PumpUntilIdle();
    }
    // Chooses entry sel of navigator box (120, 121, 122) after dropping it down.
    void Navigate(int box, int sel)
    {
        HWND combo = GetDlgItem(hToolBar, box);
        SendMessageA(hToolBar, WM_COMMAND, MAKEWPARAM(box, CBN_DROPDOWN), reinterpret_cast<LPARAM>(combo));
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(sel), 0);
        SendMessageA(hToolBar, WM_COMMAND, MAKEWPARAM(box, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        gui::PumpUntilIdle();
    }
    static int Language(const char* filename)
    {
        for (int i = 0; i < status.lang_found; ++i)
            if (!lstrcmpiA(g_lang_files[i].filename, filename)) return i;
        return -1;
    }
    static std::string TreeText(HTREEITEM item)
    {
        char text[256] = {};
        TVITEMA it = {};
        it.mask = TVIF_TEXT | TVIF_HANDLE;
        it.hItem = item;
        it.pszText = text;
        it.cchTextMax = sizeof text;
        SendMessageA(hWndTV, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
        return text;
    }
    static int TreeImage(HTREEITEM item)
    {
        TVITEMA it = {};
        it.mask = TVIF_IMAGE | TVIF_HANDLE;
        it.hItem = item;
        SendMessageA(hWndTV, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
        return it.iImage;
    }
    // Every tree item whose text is text, with the text of its parent.
    static void FindInTree(HTREEITEM from, const std::string& text, std::vector<std::string>* parents)
    {
        for (HTREEITEM i = from; i; i = TreeView_GetNextSibling(hWndTV, i)) {
            if (TreeText(i) == text) {
                HTREEITEM p = TreeView_GetParent(hWndTV, i);
                parents->push_back(p ? TreeText(p) : "");
            }
            FindInTree(TreeView_GetChild(hWndTV, i), text, parents);
        }
    }
    // Every item of menu (and its submenus) with command id, with the label
    // of the popup that holds it.
    static void FindInMenu(HMENU menu, const std::string& label, UINT id, std::vector<std::string>* holders)
    {
        const int n = GetMenuItemCount(menu);
        for (int i = 0; i < n; ++i) {
            if (HMENU sub = GetSubMenu(menu, i)) {
                FindInMenu(sub, gui::MenuItemText(menu, static_cast<UINT>(i)), id, holders);
            } else if (GetMenuItemID(menu, i) == id) {
                holders->push_back(label);
            }
        }
    }
    static RECT ChildRect(HWND child)
    {
        RECT rc;
        GetWindowRect(child, &rc);
        MapWindowPoints(nullptr, hMain, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    static bool Greyed(HMENU menu, UINT item, UINT by = MF_BYCOMMAND)
    {
        return (GetMenuState(menu, item, by) & (MF_GRAYED | MF_DISABLED)) != 0;
    }
};

} // namespace

TEST_F(MainWindowTest, RebarBandsAndTheirChildren)
{
    ASSERT_NE(hRebar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(hRebar), IDC_REBAR);
    ASSERT_EQ(SendMessageA(hRebar, RB_GETBANDCOUNT, 0, 0), 5);
    const UINT ids[5] = {IDC_BAND_NAVIGATOR, IDC_BAND_MAIN_TOOLBAR, IDC_BAND_SEARCH_TOOLBAR, IDC_BAND_CMDLINE,
                         IDC_BAND_AUDIO_TOOLBAR};
    const HWND children[5] = {hToolBar, hToolBar2, hToolBar3, hToolBar4, hToolBar5};
    for (int i = 0; i < 5; ++i) {
        REBARBANDINFOA band = {};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_ID | RBBIM_CHILD | RBBIM_CHILDSIZE;
        SendMessageA(hRebar, RB_GETBANDINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&band));
        EXPECT_EQ(band.wID, ids[i]) << i;
        EXPECT_EQ(band.hwndChild, children[i]) << i;
        EXPECT_EQ(band.cyMinChild, 23u) << i;
    }
    // Navigator children, the command line and its lamp.
    EXPECT_EQ(GetDlgItem(hToolBar, IDC_NAV_BOOK), hCombo1);
    EXPECT_EQ(GetDlgItem(hToolBar, IDC_NAV_CHAPTER), hCombo2);
    EXPECT_EQ(GetDlgItem(hToolBar, IDC_NAV_VERSE), hCombo3);
    EXPECT_EQ(GetDlgItem(hToolBar, IDC_NAV_BACK), hUndo);
    EXPECT_EQ(GetDlgItem(hToolBar, IDC_NAV_HISTORY), hDrop);
    EXPECT_EQ(GetDlgItem(hToolBar, IDC_NAV_FORWARD), hRedo);
    EXPECT_EQ(GetDlgItem(hToolBar4, IDC_CMDLINE), hCmdLine);
    EXPECT_EQ(GetDlgItem(hToolBar4, IDC_CMDLINE_LED), hLed);
    EXPECT_EQ(GetParent(hCmdLineEdit), hCmdLine);
    EXPECT_EQ(SendMessageA(hToolBar2, TB_BUTTONCOUNT, 0, 0), 9);
    EXPECT_EQ(SendMessageA(hToolBar3, TB_BUTTONCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(hToolBar5, TB_BUTTONCOUNT, 0, 0), 9);  // seven buttons, two separators
    // Commands of later parts are greyed; the tree button is live.
    EXPECT_TRUE(SendMessageA(hToolBar2, TB_ISBUTTONENABLED, IDM_SHOW_TREE, 0));
    EXPECT_FALSE(SendMessageA(hToolBar2, TB_ISBUTTONENABLED, IDM_LIBRARY_MANAGER, 0));
    EXPECT_FALSE(SendMessageA(hToolBar3, TB_ISBUTTONENABLED, IDM_SEARCH, 0));
    EXPECT_FALSE(SendMessageA(hToolBar5, TB_ISBUTTONENABLED, IDM_MM_PLAY, 0));

    // Status bar: four parts, the library part filled.
    int parts[8] = {};
    ASSERT_EQ(SendMessageA(hStatus, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(parts)), 4);
    EXPECT_EQ(parts[0], 240);
    EXPECT_EQ(parts[1], 520);
    EXPECT_EQ(parts[2], 620);
    char text[256] = {};
    SendMessageA(hStatus, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    char expected[64];
    std::snprintf(expected, sizeof expected, "Library titles: %d  [Opened: 0]", status.files_all);
    EXPECT_STREQ(text, expected);

    // Layout: MDI client right of the tree and its 4-pixel splitter.
    const RECT mdi = ChildRect(g_hMDIClient);
    EXPECT_EQ(mdi.left, status.tree_width + 4);
    EXPECT_EQ(mdi.top, status.rebar_height);
    EXPECT_EQ(ChildRect(hWndTV).right, status.tree_width);
}

TEST_F(MainWindowTest, CommandLineLightsTheLampAndEnterJumps)
{
    Type("Gen 2:3");
    EXPECT_EQ(status.cmdline_led, 0);  // no window open
    const int w = Open("aaa.sbk");     // Genesis 3 x 3, Exodus, Matthew
    HICON grey = reinterpret_cast<HICON>(SendMessageA(hLed, STM_GETICON, 0, 0));
    Type("Gen 2:3");
    EXPECT_EQ(status.cmdline_led, 2);
    HICON green = reinterpret_cast<HICON>(SendMessageA(hLed, STM_GETICON, 0, 0));
    EXPECT_NE(green, grey);
    Type("Ma 1:1");  // Malachi, Matthew, Mark: several names, the module has Matthew
    EXPECT_EQ(status.cmdline_led, 1);
    HICON orange = reinterpret_cast<HICON>(SendMessageA(hLed, STM_GETICON, 0, 0));
    EXPECT_NE(orange, green);
    EXPECT_NE(orange, grey);
    Type("Gen 4:1");  // only three chapters
    EXPECT_EQ(status.cmdline_led, 0);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hLed, STM_GETICON, 0, 0)), grey);
    EXPECT_EQ(Place(w), (V{1, 1, 1}));  // recognising does not move

    Type("Ex 1:2", true);
    EXPECT_EQ(Place(w), (V{2, 1, 2}));
    EXPECT_EQ(history_used, 1);
    ASSERT_EQ(cmd_history_count, 1);
    EXPECT_STREQ(cmd_history[0].string, "Ex 1:2");
    EXPECT_EQ(gui::WindowText(hCombo1), "Exodus");
    Type("Ma 2:3", true);  // ambiguous still jumps, to Matthew
    EXPECT_EQ(Place(w), (V{3, 2, 3}));
    Type("Gen 9:9", true);  // not a verse of the module: nothing happens
    EXPECT_EQ(Place(w), (V{3, 2, 3}));
    EXPECT_EQ(history_used, 2);
    EXPECT_EQ(cmd_history_count, 2);

    // The drop-down list is the command-line history, newest first; picking
    // an entry jumps.
    SendMessageA(hToolBar4, WM_COMMAND, MAKEWPARAM(IDC_CMDLINE, CBN_DROPDOWN), reinterpret_cast<LPARAM>(hCmdLine));
    ASSERT_EQ(SendMessageA(hCmdLine, CB_GETCOUNT, 0, 0), 2);
    char text[64] = {};
    SendMessageA(hCmdLine, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Ex 1:2");
    SendMessageA(hCmdLine, CB_SETCURSEL, 1, 0);
    SendMessageA(hToolBar4, WM_COMMAND, MAKEWPARAM(IDC_CMDLINE, CBN_SELENDOK), reinterpret_cast<LPARAM>(hCmdLine));
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(w), (V{2, 1, 2}));
    EXPECT_STREQ(cmd_history[0].string, "Ex 1:2");
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(MainWindowTest, NavigatorMovesTheWindowAndResetsChapterAndVerse)
{
    const int a = Open("aaa.sbk");
    const int b = Open("bbb.sbk");  // Genesis and Matthew: follows by sync name
    Activate(a);
    MoveTo(a, 1, 2, 3);
    Navigate(IDC_NAV_VERSE, 1);
    EXPECT_EQ(Place(a), (V{1, 2, 2}));
    Navigate(IDC_NAV_CHAPTER, 2);  // a new chapter starts at verse 1
    EXPECT_EQ(Place(a), (V{1, 3, 1}));
    Navigate(IDC_NAV_BOOK, 2);  // a new book starts at 1:1
    EXPECT_EQ(Place(a), (V{3, 1, 1}));
    EXPECT_EQ(Place(b), (V{2, 1, 1}));  // Matthew is book 2 of the other module
    EXPECT_EQ(history_used, 3);
    EXPECT_EQ(SendMessageA(hCombo1, CB_GETCOUNT, 0, 0), 3);
    char text[64] = {};
    SendMessageA(hStatus, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "[A]  Matthew 1:1 ");
}

TEST_F(MainWindowTest, BackForwardAndTheHistoryPopup)
{
    const int w = Open("aaa.sbk");
    Type("Gen 2:1", true);
    Type("Gen 3:1", true);
    Type("Ex 1:1", true);
    ASSERT_EQ(history_used, 3);
    Command(IDM_HISTORY_BACK);
    EXPECT_EQ(Place(w), (V{1, 3, 1}));
    Command(IDM_HISTORY_BACK);
    EXPECT_EQ(Place(w), (V{1, 2, 1}));
    Command(IDM_HISTORY_BACK);  // at the oldest entry: nothing
    EXPECT_EQ(Place(w), (V{1, 2, 1}));
    Command(IDM_HISTORY_FORWARD);
    EXPECT_EQ(Place(w), (V{1, 3, 1}));

    // The pop-up: newest first, the current entry checked.
    HMENU popup = BuildHistoryPopup();
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(GetMenuItemID(popup, 0), static_cast<UINT>(IDM_HISTORY_BASE + 2));
    EXPECT_EQ(GetMenuItemID(popup, 2), static_cast<UINT>(IDM_HISTORY_BASE + 0));
    EXPECT_EQ(gui::MenuItemText(popup, 0), "Exodus 1:1 ");
    MENUITEMINFOA mi = {};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STATE | MIIM_FTYPE;
    GetMenuItemInfoA(popup, 1, TRUE, &mi);
    EXPECT_TRUE(mi.fState & MFS_CHECKED);
    EXPECT_TRUE(mi.fType & MFT_RADIOCHECK);
    GetMenuItemInfoA(popup, 0, TRUE, &mi);
    EXPECT_FALSE(mi.fState & MFS_CHECKED);
    DestroyMenu(popup);

    // Choosing the oldest entry replays it and makes it the newest.
    Command(IDM_HISTORY_BASE + 0);
    EXPECT_EQ(Place(w), (V{1, 2, 1}));
    EXPECT_EQ(history_index, history_used);
    EXPECT_STREQ(history[history_used - 1].string, "Genesis 2:1 ");

    // The navigator's buttons reach the frame.
    SendMessageA(hToolBar, WM_COMMAND, MAKEWPARAM(IDM_HISTORY_BACK, 0), reinterpret_cast<LPARAM>(hUndo));
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(w), (V{2, 1, 1}));
}

TEST_F(MainWindowTest, TreeHidesAndComesBackAtItsWidthAndTheSplitterDrags)
{
    status.tree_width = 180;
    LayoutFrame(frame());
    Command(IDM_SHOW_TREE);
    EXPECT_EQ(status.tree_visible, 0);
    EXPECT_EQ(status.tree_width, 0);
    EXPECT_FALSE(IsWindowVisible(hWndTV));
    EXPECT_EQ(ChildRect(g_hMDIClient).left, 4);
    Command(IDM_SHOW_TREE);
    EXPECT_EQ(status.tree_visible, 1);
    EXPECT_EQ(status.tree_width, 180);
    EXPECT_TRUE(IsWindowVisible(hWndTV));
    EXPECT_EQ(ChildRect(hWndTV).right, 180);
    EXPECT_EQ(ChildRect(g_hMDIClient).left, 184);
    EXPECT_TRUE(SendMessageA(hToolBar2, TB_ISBUTTONCHECKED, IDM_SHOW_TREE, 0));

    // Dragging the splitter.
    const int y = status.rebar_height + 50;
    SendMessageA(frame(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(182, y));
    EXPECT_EQ(bDrag, 1);
    SendMessageA(frame(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(240, y));
    SendMessageA(frame(), WM_LBUTTONUP, 0, MAKELPARAM(240, y));
    gui::PumpUntilIdle();
    EXPECT_EQ(bDrag, 0);
    EXPECT_EQ(status.tree_width, 240);
    EXPECT_EQ(ChildRect(hWndTV).right, 240);
    EXPECT_EQ(ChildRect(g_hMDIClient).left, 244);
    // A press away from the splitter does nothing; dragging to 0 hides the
    // tree without touching tree_visible.
    SendMessageA(frame(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, y));
    EXPECT_EQ(bDrag, 0);
    SendMessageA(frame(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(241, y));
    SendMessageA(frame(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, y));
    SendMessageA(frame(), WM_LBUTTONUP, 0, MAKELPARAM(0, y));
    gui::PumpUntilIdle();
    EXPECT_EQ(status.tree_width, 0);
    EXPECT_EQ(status.tree_visible, 1);
    EXPECT_EQ(ChildRect(g_hMDIClient).left, 4);
}

TEST_F(MainWindowTest, MenusFollowTheWindowKindAlsoWithAMaximisedChild)
{
    HMENU bar = GetMenu(frame());
    SendMessageA(frame(), WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_TRUE(Greyed(bar, IDM_HISTORY_BACK));
    EXPECT_TRUE(Greyed(bar, IDM_WINDOW_CASCADE));
    EXPECT_TRUE(Greyed(bar, IDM_FILE_INFO));
    EXPECT_FALSE(Greyed(bar, IDM_SHOW_TREE));
    EXPECT_TRUE(GetMenuState(bar, IDM_SHOW_TREE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(Greyed(bar, IDM_LIBRARY_MANAGER));  // comes later
    EXPECT_FALSE(Greyed(bar, IDM_ABOUT));
    EXPECT_FALSE(Greyed(GetSubMenu(bar, 1), 5, MF_BYPOSITION));  // Open book

    const int w = Open("aaa.sbk");
    Open("bbb.sbk");
    Activate(w);
    auto check = [&](int shift) {
        HMENU m = GetMenu(frame());
        SendMessageA(frame(), WM_INITMENU, reinterpret_cast<WPARAM>(m), 0);
        EXPECT_GE(GetMenuItemCount(m), 7 + shift);  // a maximised child adds its system menu and buttons
        HMENU program = GetSubMenu(m, 0 + shift);
        HMENU book = GetSubMenu(m, 1 + shift);
        HMENU window = GetSubMenu(m, 5 + shift);
        EXPECT_FALSE(Greyed(program, IDM_SHOW_TREE));
        EXPECT_FALSE(Greyed(program, IDM_EXIT));
        EXPECT_FALSE(Greyed(book, IDM_HISTORY_BACK));
        EXPECT_FALSE(Greyed(book, 5, MF_BYPOSITION));
        EXPECT_EQ(Greyed(book, 4, MF_BYPOSITION), datawindow[w].tag_advanced != 1);  // tag options
        EXPECT_TRUE(Greyed(m, IDM_MENU_LEX_RELOAD));
        EXPECT_TRUE(Greyed(m, IDM_MENU_DIC_OPPOSITE));
        EXPECT_FALSE(Greyed(window, IDM_WINDOW_CASCADE));
        EXPECT_EQ(gui::MenuItemText(program, 6), "Informations about A");
        // The window list: one item per window, the last active checked.
        ASSERT_EQ(GetMenuItemCount(window), 10);
        EXPECT_EQ(GetMenuItemID(window, 8), static_cast<UINT>(IDM_WINDOW_BASE));
        EXPECT_EQ(gui::MenuItemText(window, 8), "Alpha Bible");
        EXPECT_TRUE(GetMenuState(window, 8, MF_BYPOSITION) & MF_CHECKED);
        EXPECT_FALSE(GetMenuState(window, 9, MF_BYPOSITION) & MF_CHECKED);
    };
    check(0);
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[w].hwnd), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(MenuBarShift(), 1);
    check(1);

    // Window list command activates that window.
    Command(IDM_WINDOW_BASE + 1);
    EXPECT_EQ(status.bk_last_book, 1);
    // Commands of later parts are refused.
    const int before = status.num_windows;
    Command(IDM_SEARCH_ACCEL);
    EXPECT_EQ(status.num_windows, before);
}

TEST_F(MainWindowTest, ModulePlacedInAFolderAppearsOnceInTreeAndMenu)
{
    const std::string cfg = dir() + "\\library.cfg";
    FILE* f = std::fopen(cfg.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(";Sevir3 library configuration file.\r\n#book\r\n&1Folder\r\n%1bbb.sbk\r\n&2Inner\r\n%2ccc.sbk\r\n"
               "%1missing.sbk\r\n",
               f);
    std::fclose(f);
    status.sevir_cd = 1;
    std::snprintf(status.sevir_cd_cfglib_path, sizeof status.sevir_cd_cfglib_path, "%s", cfg.c_str());
    EXPECT_EQ(UpdateTreeViewFromCFG(), 1);
    LANG_RemoveMenu();
    LANG_BuildFrameMenu(frame());

    std::vector<std::string> parents;
    FindInTree(TreeView_GetRoot(hWndTV), "[B] Beta Bible", &parents);
    EXPECT_EQ(parents, std::vector<std::string>{"Folder"});
    parents.clear();
    FindInTree(TreeView_GetRoot(hWndTV), "[C] Gamma New Testament", &parents);
    EXPECT_EQ(parents, std::vector<std::string>{"Inner"});
    parents.clear();
    FindInTree(TreeView_GetRoot(hWndTV), "[A] Alpha Bible", &parents);  // not placed: under its root
    EXPECT_EQ(parents, std::vector<std::string>{"Books"});

    std::vector<std::string> holders;
    FindInMenu(hSubmenuSBK, "", static_cast<UINT>(IDM_MODULE_BASE + File("bbb.sbk")), &holders);
    EXPECT_EQ(holders, std::vector<std::string>{"Folder"});
    holders.clear();
    FindInMenu(hSubmenuSBK, "", static_cast<UINT>(IDM_MODULE_BASE + File("aaa.sbk")), &holders);
    EXPECT_EQ(holders, std::vector<std::string>{""});

    // The roots: Books first (the file's order), then the others.
    HTREEITEM root = TreeView_GetRoot(hWndTV);
    EXPECT_EQ(root, hRootTVBook);
    EXPECT_EQ(TreeView_GetNextSibling(hWndTV, root), hRootTVDic);

    // Double-click opens the module and the item shows the open book.
    HTREEITEM item = static_cast<HTREEITEM>(datafile[File("bbb.sbk")].hTreeItem);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(TreeImage(item), idx_book_gray);
    TreeView_SelectItem(hWndTV, item);
    NMHDR hdr = {hWndTV, IDC_TREEVIEW, static_cast<UINT>(NM_DBLCLK)};
    SendMessageA(frame(), WM_NOTIFY, IDC_TREEVIEW, reinterpret_cast<LPARAM>(&hdr));
    gui::PumpUntilIdle();
    ASSERT_EQ(status.num_windows, 1);
    EXPECT_EQ(datawindow[0].id_file, File("bbb.sbk"));
    EXPECT_EQ(TreeImage(item), idx_book_open);
    // A double-click on a folder or a root does nothing.
    TreeView_SelectItem(hWndTV, hRootTVBook);
    SendMessageA(frame(), WM_NOTIFY, IDC_TREEVIEW, reinterpret_cast<LPARAM>(&hdr));
    gui::PumpUntilIdle();
    EXPECT_EQ(status.num_windows, 1);
    Command(IDM_WINDOW_CLOSE_ALL);
    EXPECT_EQ(TreeImage(item), idx_book_gray);
    status.sevir_cd = 0;
}

TEST_F(MainWindowTest, SpanishRelabelsMenusTreeDialogsAndBookNames)
{
    const int es = Language("espanol.lng");
    const int en = Language("english.lng");
    ASSERT_GE(es, 0);
    ASSERT_GE(en, 0);
    const int w = Open("aaa.sbk");
    HWND tip = ShowTipOfDay(frame());
    ASSERT_NE(tip, nullptr);
    const std::string english_next = gui::WindowText(GetDlgItem(tip, IDC_TIP_NEXT));
    EXPECT_EQ(english_next, "Next tip");

    Command(IDM_LANGUAGE_BASE + es);
    EXPECT_TRUE(boxes().boxes().empty());
    EXPECT_STREQ(status.lang_filename_default, "espanol.lng");
    HMENU bar = GetMenu(frame());
    EXPECT_EQ(gui::MenuItemText(bar, 0), "&Programa");
    EXPECT_EQ(gui::MenuItemText(GetSubMenu(bar, 0), 0), "Mostrar \xE1rbol de la &biblioteca");
    EXPECT_EQ(TreeText(hRootTVBook), "Libros");
    // The language submenu: checked on the new language, its label translated.
    HMENU program = GetSubMenu(bar, 0);
    EXPECT_EQ(GetSubMenu(program, 7), hSubmenuLNG);
    EXPECT_TRUE(GetMenuState(hSubmenuLNG, IDM_LANGUAGE_BASE + es, MF_BYCOMMAND) & MF_CHECKED);
    // The tip dialog was closed and reopened in Spanish.
    ASSERT_NE(hTipDlg, nullptr);
    EXPECT_EQ(gui::WindowText(GetDlgItem(hTipDlg, IDC_TIP_NEXT)), "Siguiente consejo");
    // The module submenus are back.
    EXPECT_NE(hSubmenuSBK, nullptr);
    EXPECT_EQ(GetSubMenu(GetSubMenu(bar, 1), 5), hSubmenuSBK);
    // Spanish book names on the command line; tool tips in Spanish.
    Type("Mateo 2:3", true);
    EXPECT_EQ(status.cmdline_led, 2);
    EXPECT_EQ(Place(w), (V{3, 2, 3}));
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = hToolBar2;
    info.hdr.idFrom = IDM_SHOW_TREE;
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(frame(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    char spanish_tip[128];
    LANG_LoadString(nullptr, IDS_TT_SHOW_TREE, spanish_tip, sizeof spanish_tip);
    EXPECT_STREQ(info.lpszText, spanish_tip);
    EXPECT_STRNE(spanish_tip, "Show/hide tree of available modules");

    Command(IDM_LANGUAGE_BASE + Language("english.lng"));
    EXPECT_TRUE(boxes().boxes().empty());
    bar = GetMenu(frame());
    EXPECT_EQ(gui::MenuItemText(bar, 0), "&Program");
    EXPECT_EQ(TreeText(hRootTVBook), "Books");
    EXPECT_EQ(gui::WindowText(GetDlgItem(hTipDlg, IDC_TIP_NEXT)), "Next tip");
    EXPECT_STREQ(status.lang_filename_default, "english.lng");
    Type("Mateo 2:3");
    EXPECT_EQ(status.cmdline_led, 0);
    CloseTipOfDay();
}

TEST_F(MainWindowTest, TipOfTheDayWrapsAndStartsOverAfterTwentyFour)
{
    char tip1[256], tip24[256];
    LANG_LoadString(nullptr, IDS_TIP_FIRST, tip1, sizeof tip1);
    LANG_LoadString(nullptr, IDS_TIP_LAST, tip24, sizeof tip24);
    status.tip_to_show = 30;  // TipOfDayNumber=30
    HWND tip = ShowTipOfDay(frame());
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(status.tip_visible, 1);
    EXPECT_EQ(CurrentTipNumber(), 1);
    EXPECT_EQ(gui::WindowText(GetDlgItem(tip, IDC_TIP_TEXT)), tip1);
    EXPECT_EQ(gui::WindowText(tip), "Tip of the Day");
    EXPECT_EQ(ShowTipOfDay(frame()), tip);  // only one
    CloseTipOfDay();

    status.tip_to_show = 24;
    Command(IDM_TIP_OF_THE_DAY);
    ASSERT_NE(hTipDlg, nullptr);
    EXPECT_EQ(gui::WindowText(GetDlgItem(hTipDlg, IDC_TIP_TEXT)), tip24);
    EXPECT_EQ(status.tip_to_show, 1);
    SendMessageA(hTipDlg, WM_COMMAND, MAKEWPARAM(IDC_TIP_NEXT, BN_CLICKED), 0);
    EXPECT_EQ(CurrentTipNumber(), 1);
    EXPECT_EQ(gui::WindowText(GetDlgItem(hTipDlg, IDC_TIP_TEXT)), tip1);
    EXPECT_EQ(status.tip_to_show, 2);
    // Closing keeps the check box as the option.
    CheckDlgButton(hTipDlg, IDC_TIP_SHOW_AT_STARTUP, BST_UNCHECKED);
    SendMessageA(hTipDlg, WM_COMMAND, MAKEWPARAM(IDC_TIP_CLOSE, BN_CLICKED), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(hTipDlg, nullptr);
    EXPECT_EQ(status.tip_visible, 0);
    EXPECT_EQ(status.opt_show_tip, 0);
}

TEST_F(MainWindowTest, WheelScrollsOnlyOnExactlyOneNotch)
{
    const int w = Open("aaa.sbk");
    const V start = Place(w);
    const int32_t offset = datawindow[w].offset;
    SendMessageA(frame(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(w), start);
    EXPECT_EQ(datawindow[w].offset, offset);
    SendMessageA(frame(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(datawindow[w].offset, offset);
    datawindow[w].scroll_verse = 1;
    SendMessageA(frame(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    gui::PumpUntilIdle();
    EXPECT_NE(Place(w), start);
    SendMessageA(frame(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(120)), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(w), start);
}

TEST_F(MainWindowTest, ToolTipsOnlyWhileSwitchedOn)
{
    auto tip = [&](HWND from, int command) {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = from;
        info.hdr.idFrom = static_cast<UINT_PTR>(command);
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(frame(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return std::string(info.lpszText ? info.lpszText : "");
    };
    EXPECT_EQ(tip(hToolBar2, IDM_SHOW_TREE), "Show/hide tree of available modules");
    EXPECT_EQ(tip(hToolBar3, IDM_SEARCH), "Search in actual book or lexicon [Ctrl+F]");
    EXPECT_EQ(tip(hToolBar5, IDM_MM_REWIND), "Revind audio back");
    EXPECT_EQ(tip(hUndo, IDM_HISTORY_BACK), "Back in history");
    EXPECT_EQ(tip(hDrop, IDM_HISTORY_LIST), "Browse history list...");
    status.tooltip_toolbar = 0;
    EXPECT_EQ(tip(hToolBar2, IDM_SHOW_TREE), "");
}

TEST_F(MainWindowTest, AnchoredControlsFollowTheDialog)
{
    // A dialog-like window with three controls anchored three ways.
    HWND dlg = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, frame(), nullptr, hInst, nullptr);
    ASSERT_NE(dlg, nullptr);
    auto make = [&](int id, int x, int y, int cx, int cy) {
        return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, x, y, cx, cy, dlg,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), hInst, nullptr);
    };
    make(1, 10, 10, 50, 20);   // stretches to the right
    make(2, 150, 70, 40, 20);  // follows the bottom-right corner
    make(3, 10, 70, 40, 20);   // stays
    _DlgAncItem* list = DAI_Init(nullptr, dlg);
    list = DAI_Add(list, dlg, 1, DAI_TOP | DAI_LEFT | DAI_RIGHT);
    list = DAI_Add(list, dlg, 2, DAI_RIGHT | DAI_BOTTOM);
    list = DAI_Add(list, dlg, 3, DAI_TOP | DAI_LEFT);
    MoveWindow(dlg, 0, 0, 300, 150, TRUE);
    DAI_OnSize(list, dlg, TRUE);
    auto rect = [&](int id) {
        RECT r;
        GetWindowRect(GetDlgItem(dlg, id), &r);
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
    };
    EXPECT_EQ(rect(1), (std::vector<LONG>{10, 10, 160, 30}));
    EXPECT_EQ(rect(2), (std::vector<LONG>{250, 120, 290, 140}));
    EXPECT_EQ(rect(3), (std::vector<LONG>{10, 70, 50, 90}));
    DAI_Free(list);
    DestroyWindow(dlg);
}

namespace {

int FakeRecord(int id, int* image, char* text, int size)
{
    *image = 1;
    std::snprintf(text, static_cast<std::size_t>(size), "%d/%d [%s] %d/%d", 2, 5, "LEX", 17, 900);
    return id == 0 ? 1 : 0;
}

} // namespace

TEST_F(MainWindowTest, LexiconAndDictionaryPartIsOwnerDrawn)
{
    // A lexicon window as its subsystem records it; the frame only draws
    // what the provider reports.
    status.num_windows = 1;
    datawindow[0].type = MODULE_LEXICON;
    SetStatusRecordProvider(FakeRecord);
    UpdateStatusBar(0, 1);
    EXPECT_EQ(LastStatusPicture().id, 0);
    EXPECT_EQ(LastStatusPicture().image, 1);
    EXPECT_STREQ(LastStatusPicture().text, "2/5 [LEX] 17/900");
    const LRESULT r = SendMessageA(hStatus, SB_GETTEXTLENGTHA, 1, 0);
    EXPECT_EQ(HIWORD(r) & SBT_OWNERDRAW, SBT_OWNERDRAW);
    // Painting goes through the image list and the text.
    HDC dc = GetDC(hStatus);
    EXPECT_EQ(PaintStatusPicture(0, dc, 2, 2, 1, "2/5 [LEX] 17/900"), 1);
    ReleaseDC(hStatus, dc);
    ASSERT_NE(g_hImgList1, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(g_hImgList1), 2);
    EXPECT_NE(g_hBmpOpposite, nullptr);
    SetStatusRecordProvider(nullptr);
    datawindow[0].type = MODULE_BOOK;
    status.num_windows = 0;
    UpdateStatusBar(-1, -1);
}

TEST_F(MainWindowTest, SplashStaysUntilClickedOrItsTimeIsUp)
{
    HWND splash = ShowSplashScreen(frame(), 0);  // no delay: until clicked
    ASSERT_NE(splash, nullptr);
    char cls[64] = {};
    GetClassNameA(splash, cls, sizeof cls);
    EXPECT_STREQ(cls, "SplashWindowClass");
    RECT rc;
    GetClientRect(splash, &rc);
    EXPECT_EQ(rc.right, 400);
    EXPECT_EQ(rc.bottom, 300);
    EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(splash, GW_OWNER), frame());
    gui::PumpUntilIdle(100, 400);
    EXPECT_TRUE(IsWindowVisible(splash));
    SendMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(IsWindowVisible(splash));
    EXPECT_TRUE(IsWindow(splash));  // hidden, not destroyed

    splash = ShowSplashScreen(frame(), 50);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(IsWindowVisible(splash));
    gui::PumpUntilIdle(200, 1000);
    EXPECT_FALSE(IsWindowVisible(splash));
    DestroySplashScreen();
    EXPECT_EQ(hSplash, nullptr);
}
