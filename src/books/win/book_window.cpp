#include "books/win/book_window.h"

#include <windowsx.h>

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <string>
#include <cstring>

#include "app/lang.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_menu.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/render.h"
#include "books/rtf_tags.h"
#include "books/tag_parser.h"
#include "books/win/rich_text.h"
#include "cmdline/history.h"
#include "lex/lookup.h"
#include "search/search_request.h"
#include "search/win/search_dialog.h"
#include "text/click_info.h"
#include "text/info_text.h"
#include "text/win/click_view.h"
#include "resource.h"

namespace {

const char kOldProcProperty[] = "SevirOldRichProc";

BK_NAVIGATOR g_navigator = {};
BUTTON_STATES g_buttons = {};
HWND g_scroll_tip = nullptr;
HBRUSH g_scroll_tip_brush = nullptr;

bool Valid(int id)
{
    return id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS;
}

HWND Frame(int id)
{
    return Valid(id) ? static_cast<HWND>(datawindow[id].hwnd) : nullptr;
}

HWND View(int id)
{
    return Valid(id) ? static_cast<HWND>(datawindow[id].hrichedit) : nullptr;
}

int WindowOfView(HWND view)
{
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (datawindow[i].hrichedit == view) return i;
    return -1;
}

void RedrawHook(int id)
{
    BK_UpdateOneBookWindow(id);
    BK_NastavScroll(id);
}

void NavigatorHook(int id)
{
    if (Valid(id)) BK_UpdateNavigator(datawindow[id].book_position, id, 0);
}

std::string Str(int id)
{
    char buf[256];
    LANG_LoadString(nullptr, id, buf, sizeof buf);
    return buf;
}

void AppendItem(HMENU menu, int command, int string_id, bool enabled, bool checked)
{
    AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED) | (checked ? MF_CHECKED : MF_UNCHECKED),
                static_cast<UINT_PTR>(command), Str(string_id).c_str());
}

// The scroll tip shows the full label of window id's position.
void ShowScrollTip(int id)
{
    if (status.opt_scrolltip != 1 || !Valid(id)) return;
    static BOOK_RECORD label;
    label.book_position = datawindow[id].book_position;
    BK_GenerujPopisku(&label, id, 1);
    POINT pt;
    GetCursorPos(&pt);
    if (!g_scroll_tip || !IsWindow(g_scroll_tip)) {
        g_scroll_tip = CreateWindowExA(0, "STATIC", label.name, WS_POPUP | WS_BORDER | SS_CENTER, pt.x, pt.y - 30,
                                       status.opt_scrolltip_width, 16, hMain, nullptr, hInst, nullptr);
        if (!g_scroll_tip) return;
        SendMessageA(g_scroll_tip, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        ShowWindow(g_scroll_tip, SW_SHOWNOACTIVATE);
        status.scrolltip_visible = 1;
    } else {
        SetWindowTextA(g_scroll_tip, label.name);
        SetWindowPos(g_scroll_tip, HWND_TOP, pt.x, pt.y - 30, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void HideScrollTip()
{
    if (g_scroll_tip && IsWindow(g_scroll_tip)) DestroyWindow(g_scroll_tip);
    g_scroll_tip = nullptr;
    status.scrolltip_visible = 0;
}

// After the window moved to another verse: its text, navigator, status bar
// and scroll bar, then the windows that follow it.
void AfterVerseStep(int id)
{
    BK_UpdateOneBookWindow(id);
    BK_UpdateNavigator(datawindow[id].book_position, id, 0);
    UpdateStatusBar(id, 1);
    BK_NastavScroll(id);
    BK_SyncBooks(id);
}


// What the current right click prepared: the selected text (display order)
// and its script, and the label of the clicked reference or verse.
struct RIGHT_CLICK {
    std::string text;
    int language = 0;
    std::string label;
};
RIGHT_CLICK g_right_click;

// The text view's characters [left, right] as a string.
std::string ClickedText(int left, int right)
{
    if (!rtfclick.in_buf || right < left || left < 0) return "";
    return std::string(rtfclick.in_buf + left, static_cast<std::size_t>(right - left + 1));
}

// A clicked cross reference moves the book windows that allow jumps; the
// history records the window's own new place when it follows, else the
// reference itself.
void FollowReference(int id)
{
    BK_SyncBooks2(rtfclick.out_ref_bp, rtfclick.out_ref_syncname);
    if (Valid(id) && datawindow[id].no_jumps != 1) {
        AddToHistory(datawindow[id].book_position);
        BK_UpdateNavigator(datawindow[id].book_position, id, 0);
    } else {
        AddToHistory(rtfclick.out_ref_bp);
    }
    UpdateStatusBar(status.bk_last_book, 1);
}

void Rich_DoubleClick(int id, HWND view, int x, int y)
{
    if (!AnalyseViewClick(id, view, x, y)) return;
    if (rtfclick.flag_word == 1)
        SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(rtfclick.out_word_l),
                     static_cast<LPARAM>(rtfclick.out_word_r + 1));
    if (rtfclick.flag_reference == 1) {
        FollowReference(id);
    } else if (rtfclick.flag_strong == 1) {
        LookupStrong(rtfclick.out_strong_language, rtfclick.out_strong_number, id);
    } else if (rtfclick.flag_word == 1) {
        const std::string word = ClickedText(rtfclick.out_word_l, rtfclick.out_word_r);
        LookupWord(word.c_str(), rtfclick.out_language, id);
    }
}

// The selected word of the view and its script (from its font), cut to 63
// characters; empty without a selection.
std::string SelectedWord(HWND view, int* language)
{
    CHARRANGE range = {};
    SendMessageA(view, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    *language = SCRIPT_LATIN;
    if (range.cpMax <= range.cpMin) return "";
    std::string text(static_cast<std::size_t>(range.cpMax - range.cpMin) + 1, '\0');
    const LRESULT n = SendMessageA(view, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n')) text.pop_back();
    if (text.size() > 63) text.resize(63);
    if (BK_IsRTFHebrew(view, range.cpMin, range.cpMax)) *language = SCRIPT_HEBREW;
    else if (BK_IsRTFGreek(view, range.cpMin, range.cpMax)) *language = SCRIPT_GREEK;
    return text;
}

// The selected word is looked up in the lexicons that take part; links
// (references, Strong's numbers) are not words.
void LookAtSelection(int id, HWND view)
{
    int language = 0;
    const std::string word = SelectedWord(view, &language);
    CHARRANGE range = {};
    SendMessageA(view, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (word.empty() || IsRTFUnderline(view, range.cpMin)) return;
    LookupWord(word.c_str(), language, id);
    UpdateStatusBar(status.bk_last_book, -1);
}

void ShowContextMenu(int id, HWND view, int x, int y)
{
    if (!AnalyseViewClick(id, view, x, y) || rtfclick.flag_id != 1) {
        MessageBeep(MB_OK);
        return;
    }
    const VIEW_SELECTION sel = GetViewSelection(view);
    g_right_click = RIGHT_CLICK{};
    int left = sel.left, right = sel.right;
    if (right <= left) {
        if (rtfclick.flag_word != 1) {
            MessageBeep(MB_OK);
            return;
        }
        left = rtfclick.out_word_l;
        right = rtfclick.out_word_r + 1;
        g_right_click.language = rtfclick.out_language;
    } else {
        g_right_click.language = sel.language;
    }
    SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(left), static_cast<LPARAM>(right));
    g_right_click.text = ClickedText(left, right - 1);
    while (!g_right_click.text.empty() && (g_right_click.text.back() == '\n' || g_right_click.text.back() == '\r'))
        g_right_click.text.pop_back();
    if (g_right_click.text.size() > 63) g_right_click.text.resize(63);
    // The request the search dialog opens with.
    SEARCH_PrepareFromClick(rtfclick, g_right_click.text.c_str(), g_right_click.language,
                            GetViewSelection(view).charset);
    search_in.datawindow = id;
    // The verse list takes the clicked reference, else the clicked verse.
    static BOOK_RECORD label;
    if (rtfclick.flag_reference == 1) {
        label.book_position = rtfclick.out_ref_bp;
        BK_GenerujPopisku(&label, id, 1);
    } else {
        label.book_position = rtfclick.out_bp;
        BK_GenerujPopisku(&label, id, 1);
    }
    g_right_click.label = label.name;

    POINT pt{x, y};
    ClientToScreen(view, &pt);
    HMENU menu = BK_CreateContextMenu(id);
    if (!menu) return;
    // The command arrives at the frame through the message queue: the right
    // click is kept until it has been carried out.
    const int command = static_cast<int>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y + 20, 0, Frame(id), nullptr));
    BK_DestroyContextMenu(menu);
    if (command) SendMessageA(Frame(id), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    g_right_click = RIGHT_CLICK{};
    SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(-1), 0);
}

// The gematria lines of the right-clicked text (Hebrew or Greek).
void AppendGematria(HMENU menu)
{
    char lines[2][160];
    const int n = INFO_GematriaValues(g_right_click.language, g_right_click.text.c_str(),
                                      static_cast<int>(g_right_click.text.size()), lines);
    if (n <= 0) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_BK_GEMATRIA1, lines[0]);
    if (n > 1) AppendMenuA(menu, MF_STRING, IDM_BK_GEMATRIA2, lines[1]);
}

} // namespace

void BK_InstallWindowHooks()
{
    g_book_window_hooks.redraw_window = RedrawHook;
    g_history_hooks.redraw_window = RedrawHook;
    g_history_hooks.refresh_navigator = NavigatorHook;
}

int BK_UpdateOneBookWindow(int id)
{
    if (!Valid(id) || !BK_IsBookWindow(id) || !View(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    bk_rtfdata.buffer[0] = '\0';
    BOOK_POSITION p = w.book_position;
    p.number = id;
    // The comparison view renders through the same path until it has its own.
    const int verses = BK_PripravText(p, 0);
    if (verses <= 0) return 0;
    BK_ZobrazText(id);
    w.rtf_line = 0;
    return verses;
}

int BK_UpdateAllBookWindows()
{
    int n = 0;
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (BK_IsBookWindow(i) && BK_UpdateOneBookWindow(i) > 0) ++n;
    return n;
}

int BK_NastavScroll(int id)
{
    if (!Valid(id) || !datawindow[id].hscroll) return 0;
    const BK_SCROLL_RANGE r = BK_ScrollRange(id);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_POS;
    si.nMin = r.min;
    si.nMax = r.max;
    si.nPos = r.pos;
    SetScrollInfo(static_cast<HWND>(datawindow[id].hscroll), SB_CTL, &si, TRUE);
    return 1;
}

int BK_UpdateNavigator(BOOK_POSITION position, int id, int mode)
{
    HWND boxes[3] = {hCombo1, hCombo2, hCombo3};
    if (mode == 3) {
        std::memset(&g_navigator, 0, sizeof g_navigator);
        for (HWND b : boxes)
            if (b) SendMessageA(b, CB_RESETCONTENT, 0, 0);
        return 1;
    }
    if (!BK_NavigatorContents(position, id, mode, &g_navigator)) return 0;
    if (!hCombo1 || !hCombo2 || !hCombo3) return 1;
    for (HWND b : boxes) SendMessageA(b, CB_RESETCONTENT, 0, 0);
    char text[40];
    const DATAWINDOW& w = datawindow[id];
    if (mode == 0) {
        SendMessageA(hCombo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(g_navigator.single_book));
        std::snprintf(text, sizeof text, "%d", position.chapter);
        SendMessageA(hCombo2, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        std::snprintf(text, sizeof text, "%d", position.verse);
        SendMessageA(hCombo3, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        for (HWND b : boxes) SendMessageA(b, CB_SETCURSEL, 0, 0);
        return 1;
    }
    for (int i = 0; i < g_navigator.books; ++i) {
        std::snprintf(text, sizeof text, "%.31s", w.book_info[i].name);
        SendMessageA(hCombo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    for (int i = 1; i <= g_navigator.chapters; ++i) {
        std::snprintf(text, sizeof text, "%d", i);
        SendMessageA(hCombo2, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    for (int i = 1; i <= g_navigator.verses; ++i) {
        std::snprintf(text, sizeof text, "%d", i);
        SendMessageA(hCombo3, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageA(hCombo1, CB_SETCURSEL, static_cast<WPARAM>(g_navigator.book_sel), 0);
    SendMessageA(hCombo2, CB_SETCURSEL, static_cast<WPARAM>(g_navigator.chapter_sel), 0);
    SendMessageA(hCombo3, CB_SETCURSEL, static_cast<WPARAM>(g_navigator.verse_sel), 0);
    return 1;
}

const BK_NAVIGATOR& BK_LastNavigator()
{
    return g_navigator;
}

int UpdateButonStates()
{
    g_buttons = BK_ComputeButtonStates();
    if (hToolBar2) {
        auto set = [](int command, int32_t state) {
            LPARAM s = state == BUTTON_INDETERMINATE ? TBSTATE_INDETERMINATE
                                                     : (TBSTATE_ENABLED | (state == BUTTON_PRESSED ? TBSTATE_CHECKED : 0));
            SendMessageA(hToolBar2, TB_SETSTATE, static_cast<WPARAM>(command), MAKELPARAM(s, 0));
        };
        set(IDM_SHOW_TREE, g_buttons.tree);
        set(IDM_SHOW_TABLE, g_buttons.table);
        set(IDM_SHOW_INFO, g_buttons.info);
        set(IDM_SHOW_VERSE_LIST, g_buttons.verse_list);
        set(IDM_COMPARE, g_buttons.compare);
        set(IDM_REUSABLE, g_buttons.reusable);
        set(IDM_SHOW_ALL_TAGS, g_buttons.show_all_tags);
        set(IDM_HIDE_ALL_TAGS, g_buttons.hide_all_tags);
    }
    if (hToolBar3) {
        SendMessageA(hToolBar3, TB_ENABLEBUTTON, IDM_SEARCH, MAKELPARAM(g_buttons.search, 0));
        SendMessageA(hToolBar3, TB_ENABLEBUTTON, IDM_SEARCH_IN_RESULTS, MAKELPARAM(g_buttons.search_in_results, 0));
        SendMessageA(hToolBar3, TB_ENABLEBUTTON, IDM_RESULTS_LIST, MAKELPARAM(g_buttons.results_list, 0));
    }
    GreyUnavailableButtons();
    return 1;
}

const BUTTON_STATES& BK_LastButtonStates()
{
    return g_buttons;
}

HMENU CreateTagMenu(int id)
{
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    AppendItem(menu, IDM_TAGS_ALL_ON, IDS_MENU_ALL_TAGS_ON, true, false);
    AppendItem(menu, IDM_TAGS_ALL_OFF, IDS_MENU_ALL_TAGS_OFF, true, false);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    static const int kItems[10][2] = {
        {IDM_TAG_REFERENCES, IDS_MENU_SHOW_REFERENCES}, {IDM_TAG_STRONG_HEBREW, IDS_MENU_SHOW_STRONG_HEBREW},
        {IDM_TAG_STRONG_GREEK, IDS_MENU_SHOW_STRONG_GREEK}, {IDM_TAG_CHRIST, IDS_MENU_SHOW_CHRIST},
        {IDM_TAG_PREFACE, IDS_MENU_SHOW_PREFACE}, {IDM_TAG_UNUSED, IDS_MENU_SHOW_UNUSED},
        {IDM_TAG_NOTES, IDS_MENU_SHOW_NOTES}, {IDM_TAG_VARIANTS, IDS_MENU_SHOW_VARIANTS},
        {IDM_TAG_MORPH_HEBREW, IDS_MENU_SHOW_MORPH_HEBREW}, {IDM_TAG_MORPH_GREEK, IDS_MENU_SHOW_MORPH_GREEK},
    };
    for (const auto& item : kItems) {
        const BK_MENU_STATE s = BK_TagMenuItemState(id, item[0]);
        AppendItem(menu, item[0], item[1], s.enabled != 0, s.checked != 0);
    }
    // One switch for every book window: morphology codes shown as words.
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    const BK_MENU_STATE decode = BK_TagMenuItemState(id, IDM_TAG_DECODE_MORPH_GREEK);
    AppendItem(menu, IDM_TAG_DECODE_MORPH_GREEK, IDS_MENU_DECODE_MORPH_GREEK, decode.enabled != 0,
               decode.checked != 0);
    return menu;
}

HMENU BK_CreateContextMenu(int id)
{
    if (!Valid(id)) return nullptr;
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    // The verse list and the comparison view are not part of the program
    // yet: their items are there, greyed.
    AppendItem(menu, IDM_BK_SEARCH, IDS_MENU_SEARCH_FULLTEXT, true, false);
    {
        // The right-clicked text, or else what is selected in the view.
        int language = 0;
        const bool word = !g_right_click.text.empty() ||
                          (Valid(id) && !SelectedWord(static_cast<HWND>(datawindow[id].hrichedit), &language).empty());
        AppendItem(menu, IDM_BK_LOOK_AT, IDS_MENU_LOOK_AT, word, false);
    }
    {
        static BOOK_RECORD label;
        std::string name = g_right_click.label;
        if (name.empty()) {
            label.book_position = datawindow[id].book_position;
            BK_GenerujPopisku(&label, id, 1);
            name = label.name;
        }
        char text[256];
        std::snprintf(text, sizeof text, Str(IDS_MENU_ADD_TO_VERSE_LIST).c_str(), name.c_str());
        AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_BK_ADD_TO_VERSE_LIST, text);
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendItem(menu, IDM_BK_COMPARE, IDS_MENU_COMPARE_MODE, false, BK_WindowOptionChecked(id, IDM_BK_COMPARE) != 0);
    static const int kSwitches[4][2] = {{IDM_BK_SYNC, IDS_MENU_SYNC_BOOK},
                                        {IDM_BK_SCROLL_BY_LINES, IDS_MENU_SCROLL_BY_LINES},
                                        {IDM_BK_MORPH_NEW_LINES, IDS_MENU_MORPH_NEW_LINES},
                                        {IDM_BK_REFERENCE_JUMPS, IDS_MENU_REFERENCE_JUMPS}};
    for (const auto& s : kSwitches) AppendItem(menu, s[0], s[1], true, BK_WindowOptionChecked(id, s[0]) != 0);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    HMENU tags = CreateTagMenu(id);
    AppendMenuA(menu, MF_POPUP | (datawindow[id].tag_advanced == 1 ? MF_ENABLED : MF_GRAYED),
                reinterpret_cast<UINT_PTR>(tags), Str(IDS_MENU_TAG_OPTIONS).c_str());
    AppendGematria(menu);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (hSubmenuSBK) {
        AppendMenuA(menu, MF_POPUP | (status.search_visible ? MF_GRAYED : MF_ENABLED),
                    reinterpret_cast<UINT_PTR>(hSubmenuSBK), Str(IDS_MENU_SWITCH_BOOK).c_str());
    } else {
        AppendMenuA(menu, MF_STRING | MF_GRAYED, 0, Str(IDS_MENU_SWITCH_BOOK).c_str());
    }
    return menu;
}

void BK_DestroyContextMenu(HMENU menu)
{
    if (!menu) return;
    // The book submenu belongs to the main menu: take it out first.
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i)
        if (hSubmenuSBK && GetSubMenu(menu, i) == hSubmenuSBK) RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    DestroyMenu(menu);
}

int BK_ProcessContextCommand(int id, int command)
{
    if (!Valid(id)) return 0;
    switch (command) {
    case IDM_BK_SEARCH:
        // The request was prepared by the right click.
        SEARCH_OpenPrepared(id, 0);
        return 1;
    case IDM_BK_LOOK_AT:
        if (!g_right_click.text.empty()) {
            LookupWord(g_right_click.text.c_str(), g_right_click.language, id);
            UpdateStatusBar(status.bk_last_book, -1);
        } else {
            LookAtSelection(id, static_cast<HWND>(datawindow[id].hrichedit));
        }
        return 1;
    case IDM_BK_GEMATRIA1:
    case IDM_BK_GEMATRIA2:
        return 1;
    case IDM_BK_SYNC:
    case IDM_BK_SCROLL_BY_LINES:
    case IDM_BK_REFERENCE_JUMPS:
    case IDM_BK_MORPH_NEW_LINES:
        BK_ToggleWindowOption(id, command);
        BK_UpdateAllBookWindows();
        return 1;
    case IDM_BK_COMPARE: {
        BK_ToggleWindowOption(id, command);
        HICON icon = LoadIconA(hInst, MAKEINTRESOURCEA(datawindow[id].compare ? IDI_COMPARE : IDI_CHILD));
        if (icon) SendMessageA(Frame(id), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        BK_UpdateAllBookWindows();
        UpdateButonStates();
        return 1;
    }
    default:
        break;
    }
    if ((command >= IDM_TAG_FIRST && command <= IDM_TAG_LAST) || command == IDM_TAG_DECODE_MORPH_GREEK) {
        ProcessTagMenuCommand(id, command);
        BK_UpdateAllBookWindows();
        UpdateButonStates();
        return 1;
    }
    if (command >= IDM_MODULE_BASE && command < IDM_MODULE_BASE + MAX_DATAFILES)
        return ProcessFileMenuCommand(id, IDM_MODULE_BASE, command, 1);
    return 0;
}

void BK_OnVScroll(int id, int code)
{
    if (!Valid(id) || !BK_IsBookWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    HWND view = View(id);
    const bool line_or_page = code == SB_LINEUP || code == SB_LINEDOWN || code == SB_PAGEUP || code == SB_PAGEDOWN;
    if (w.compare == 1 && GetKeyState(VK_CONTROL) < 0) {
        if (line_or_page && view) SendMessageA(view, EM_SCROLL, static_cast<WPARAM>(code), 0);
        return;
    }
    int moved = 0;
    switch (code) {
    case SB_LINEUP:
        moved = BK_StepVerse(id, -1);
        break;
    case SB_LINEDOWN:
        if (BK_ScrollViewByLine(id)) return;
        moved = BK_StepVerse(id, 1);
        break;
    case SB_PAGEUP:
        moved = BK_PageUp(id);
        break;
    case SB_PAGEDOWN:
        moved = BK_PageDown(id);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        if (!w.hscroll || !GetScrollInfo(static_cast<HWND>(w.hscroll), SB_CTL, &si)) return;
        BK_GoToOffset(id, si.nTrackPos);
        BK_UpdateOneBookWindow(id);
        BK_UpdateNavigator(w.book_position, id, 0);
        UpdateStatusBar(id, 1);
        BK_NastavScroll(id);
        if (code == SB_THUMBTRACK) {
            ShowScrollTip(id);
        } else {
            BK_SyncBooks(id);
            AddToHistory(w.book_position);
            HideScrollTip();
        }
        return;
    }
    case SB_ENDSCROLL:
        HideScrollTip();
        return;
    default:
        return;
    }
    if (moved) AfterVerseStep(id);
}

bool BK_ScrollViewByLine(int id)
{
    if (!Valid(id)) return false;
    DATAWINDOW& w = datawindow[id];
    HWND view = View(id);
    if (w.scroll_verse != 0 || !view) return false;
    const int next = w.rtf_line + 1;
    const int lines = static_cast<int>(SendMessageA(view, EM_GETLINECOUNT, 0, 0));
    if (next >= lines) return false;
    const int start = static_cast<int>(SendMessageA(view, EM_LINEINDEX, static_cast<WPARAM>(next), 0));
    if (start < 0) return false;
    const int length = static_cast<int>(SendMessageA(view, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    const int begins = length > 0 ? BK_IsRTFNewLine(view, BK_NewLineProbe(w.language, start, length)) : 0;
    if (!BK_LineDownScrollsView(length, begins)) return false;
    w.rtf_line = next;
    const LRESULT before = SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageA(view, EM_SCROLL, SB_LINEDOWN, 0);
    // A view without scroll bars of its own may ignore the scroll request.
    if (SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0) == before) SendMessageA(view, EM_LINESCROLL, 0, 1);
    return true;
}

int BK_ScrollCodeOfKey(unsigned vk)
{
    switch (vk) {
    case VK_DOWN: return SB_LINEDOWN;
    case VK_UP: return SB_LINEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    default: return -1;
    }
}

namespace {

// The view's own procedure, for what the book window leaves to it.
WNDPROC OldProcOf(HWND view)
{
    const int id = WindowOfView(view);
    return id >= 0 ? reinterpret_cast<WNDPROC>(datawindow[id].OldRichProc)
                   : reinterpret_cast<WNDPROC>(GetPropA(view, kOldProcProperty));
}

LRESULT CallOldProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(OldProcOf(view), view, message, wParam, lParam);
}

// Scrolling keys and the wheel scroll the book window last active.
void Rich_OnKey(HWND view, UINT vk, BOOL, int repeat, UINT flags)
{
    const int code = BK_ScrollCodeOfKey(vk);
    if (GetKeyState(VK_CONTROL) < 0 && (vk == 'C' || vk == VK_INSERT)) {
        CopyViewSelection(view);
        return;
    }
    if (code < 0) {
        FORWARD_WM_KEYDOWN(view, vk, repeat, flags, CallOldProc);
        return;
    }
    if (HWND target = Frame(status.bk_last_book)) SendMessageA(target, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
}

void Rich_OnMouseWheel(HWND view, int x, int y, int delta, UINT keys)
{
    if (status.wheel != 1) {
        FORWARD_WM_MOUSEWHEEL(view, x, y, delta, keys, CallOldProc);
        return;
    }
    // Exactly one notch moves one line; other amounts are ignored.
    HWND target = Frame(status.bk_last_book);
    if (target && delta == -WHEEL_DELTA) SendMessageA(target, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    if (target && delta == WHEEL_DELTA) SendMessageA(target, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
}

// A single click refreshes the information window while it is visible.
void Rich_OnLButtonDown(HWND view, BOOL double_click, int x, int y, UINT keys)
{
    if (status.info_visible == 1 && AnalyseViewClick(WindowOfView(view), view, x, y)) INFO_ShowClick();
    FORWARD_WM_LBUTTONDOWN(view, double_click, x, y, keys, CallOldProc);
}

void Rich_OnLButtonDblClk(HWND view, BOOL, int x, int y, UINT)
{
    Rich_DoubleClick(WindowOfView(view), view, x, y);
}

void Rich_OnCopy(HWND view)
{
    CopyViewSelection(view);
}

void Rich_OnRButtonDown(HWND view, BOOL, int x, int y, UINT)
{
    ShowContextMenu(WindowOfView(view), view, x, y);
}

} // namespace

LRESULT CALLBACK BK_RichProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC old = OldProcOf(hwnd);
    if (!old) return DefMDIChildProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(hwnd, kOldProcProperty);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        return CallWindowProcA(old, hwnd, message, wParam, lParam);
    }
    // During destruction the record is gone before the view: the view then
    // only gets its own handling.
    if (WindowOfView(hwnd) < 0) return CallWindowProcA(old, hwnd, message, wParam, lParam);

    switch (message) {
        HANDLE_MSG(hwnd, WM_KEYDOWN, Rich_OnKey);
        HANDLE_MSG(hwnd, WM_MOUSEWHEEL, Rich_OnMouseWheel);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, Rich_OnLButtonDown);
        HANDLE_MSG(hwnd, WM_LBUTTONDBLCLK, Rich_OnLButtonDblClk);
        HANDLE_MSG(hwnd, WM_COPY, Rich_OnCopy);
        HANDLE_MSG(hwnd, WM_RBUTTONDOWN, Rich_OnRButtonDown);
    default:
        return CallWindowProcA(old, hwnd, message, wParam, lParam);
    }
}

void BK_SubclassRichEdit(int id, HWND view)
{
    if (!Valid(id) || !view) return;
    WNDPROC old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BK_RichProc)));
    datawindow[id].OldRichProc = reinterpret_cast<PROC_HANDLE>(old);
    SetPropA(view, kOldProcProperty, reinterpret_cast<HANDLE>(old));
}

HWND BK_ScrollTipWindow()
{
    return g_scroll_tip && IsWindow(g_scroll_tip) ? g_scroll_tip : nullptr;
}

HBRUSH BK_ScrollTipBrush(HDC dc, HWND control)
{
    if (!control || control != g_scroll_tip) return nullptr;
    if (!g_scroll_tip_brush) g_scroll_tip_brush = CreateSolidBrush(status.opt_scrolltip_color);
    SetBkColor(dc, status.opt_scrolltip_color);
    return g_scroll_tip_brush;
}
