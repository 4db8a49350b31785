#include "search/win/results_window.h"

#include <windowsx.h>

#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/data_windows.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/lang_window.h"
#include "app/win/main_menu.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/hit_marks.h"
#include "books/render.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "books/win/book_window.h"
#include "books/win/rich_text.h"
#include "lex/lookup.h"
#include "lex/win/lex_hits.h"
#include "search/results.h"
#include "search/search_request.h"
#include "search/win/search_dialog.h"
#include "text/click_info.h"
#include "text/info_text.h"
#include "text/win/click_view.h"
#include "resource.h"

namespace {

constexpr int kScrollWidth = 16;
const char kOldProcProperty[] = "SevirOldResultsProc";

// How many results the last rendering showed, from res_hitnumber on.
int g_rendered = 0;
// While the window is made, its sizes come one after another: it is drawn
// once, when it is complete.
bool g_creating = false;
int MakeWindow(HWND hMDIClient, int source);

bool Valid(int id)
{
    return id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS;
}

std::string Str(int id)
{
    char text[256];
    LANG_LoadString(nullptr, id, text, sizeof text);
    return text;
}


HWND Frame(int id)
{
    return Valid(id) ? static_cast<HWND>(datawindow[id].hwnd) : nullptr;
}


bool HaveResults()
{
    return search_out_bk.hit_verses > 0 && search_out_bk.results_array;
}

// Results index i of the array, or 0 past its end.
int32_t ResultAt(int i)
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (!o.results_array || i < 0 || i >= o.hit_verses || i >= o.allocated / 4) return 0;
    return o.results_array[i];
}

int32_t ResultOffset(int i)
{
    return ResultAt(search_out_bk.res_hitnumber + i);
}

void MarkHits(int id)
{
    BK_SelectHits(id);
}

const BK_RESULTS_SOURCE kResultsSource = {ResultOffset, MarkHits};

// The view and the scroll bar over the client area; the window rectangle and
// the line width recorded.
void Layout(int id)
{
    if (Frame(id)) LayoutBookWindow(id);
}

void SetIcon(int id)
{
    HICON icon = LoadIconA(hInst, MAKEINTRESOURCEA(search_out_bk.in_results ? IDI_RESULTS_IN_RESULTS : IDI_RESULTS));
    if (icon) SendMessageA(Frame(id), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

// Fills slot id from book window source: a copy of its record made a results
// window, with its own book table read from the module. retarget keeps the
// window's handles and its own tag display flags.
bool FillSlot(int id, int source, bool retarget)
{
    DATAWINDOW& w = datawindow[id];
    static DATAWINDOW kept;
    std::memcpy(&kept, &w, sizeof kept);
    const int old_file = w.id_file;
    if (retarget) {
        std::free(w.book_info);
        w.book_info = nullptr;
    }
    std::memcpy(&w, &datawindow[source], sizeof w);
    // Heap blocks and fonts belong to the searched window.
    w.book_info = nullptr;
    w.lx_strong_index = nullptr;
    w.lx_filter = nullptr;
    w.lx_radek = nullptr;
    w.lx_hfont = nullptr;
    w.dic_index = nullptr;
    w.dic_filter = nullptr;
    w.dic_radek = nullptr;
    w.dic_hfont_from = w.dic_hfont_to = w.dic_hfont_note = nullptr;
    w.id = id;
    w.type = MODULE_BOOK;
    w.results = 1;
    w.infowindow = 0;
    w.hwnd = kept.hwnd;
    w.hrichedit = kept.hrichedit;
    w.OldRichProc = kept.OldRichProc;
    w.hscroll = kept.hscroll;
    w.position = kept.position;
    w.sync = 0;
    w.no_jumps = 1;
    w.reusable = 0;
    w.compare = 0;
    w.rtf_line = 0;
    w.book_position.number = id;
    if (retarget) {
        w.scroll_verse = kept.scroll_verse;
        w.morph_line = kept.morph_line;
    }
    const int file = w.id_file;
    if (file < 0 || file >= MAX_DATAFILES || !datafile[file].file || !ScanSBKInfoEx(datafile[file].file, id)) {
        ShowMessageBoxId(nullptr, 10008, 10009, SV_MB_OK | SV_MB_ICONERROR,
                         file >= 0 && file < MAX_DATAFILES ? datafile[file].filename : "");
        return false;
    }
    // The header read sets the window flags of the module: a results window
    // neither follows nor jumps.
    w.sync = 0;
    w.no_jumps = 1;
    w.reusable = 0;
    CloneShowTagFlags(&w, retarget ? &kept : &datawindow[source]);
    // The module shown before stays open only while another window has it.
    if (retarget && old_file != file) ReleaseModuleFile(old_file, id);
    return true;
}

// The verse of the current result becomes the window's position.
void TakeResultPosition(int id)
{
    const int32_t offset = ResultOffset(0);
    if (!offset) return;
    static BOOK_RECORD record;
    record.offset = offset;
    record.book_position.number = id;
    if (BK_CtiRecord(&record)) {
        datawindow[id].book_position = record.book_position;
        datawindow[id].book_position.number = id;
        // Saved in the configuration, the window reopens as a book window
        // at this verse.
        datawindow[id].offset = record.offset;
    }
}

void AfterStep(int id)
{
    RES_UpdateResultsWindow();
    UpdateStatusBar(id, 1);
}

void StepTo(int id, int index)
{
    if (!Valid(id)) return;
    const int last = search_out_bk.hit_verses - 1;
    if (index > last) index = last;
    if (index < 0) index = 0;
    search_out_bk.res_hitnumber = index;
    datawindow[id].rtf_line = 0;
    AfterStep(id);
}


void OnScroll(int id, int code)
{
    if (!Valid(id) || !HaveResults()) return;
    const int n = search_out_bk.res_hitnumber;
    switch (code) {
    case SB_LINEUP:
    case SB_PAGEUP:
        StepTo(id, n - 1);
        break;
    case SB_PAGEDOWN:
        StepTo(id, n + 1);
        break;
    case SB_LINEDOWN:
        if (BK_ScrollViewByLine(id)) return;
        StepTo(id, n + 1);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        HWND bar = static_cast<HWND>(datawindow[id].hscroll);
        if (!bar || !GetScrollInfo(bar, SB_CTL, &si)) return;
        StepTo(id, si.nTrackPos);
        break;
    }
    default:
        break;
    }
}


// ------------------------------------------------------------ clicks

// The result a click in the view belongs to: the last verse label shown at
// or before the end of the clicked paragraph (Hebrew lines carry the label
// at their end).
int ClickVerse(int id, const char* text, int length, int para_end, BOOK_POSITION* verse, int* index)
{
    if (id != RES_Window() || g_rendered <= 0 || !text || length <= 0) return 0;
    const std::string_view shown(text, static_cast<std::size_t>(length));
    static BOOK_RECORD label;
    int found = -1;
    BOOK_POSITION place{};
    std::size_t from = 0;
    for (int i = 0; i < g_rendered; ++i) {
        const int32_t offset = ResultOffset(i);
        if (!offset) break;
        label.offset = offset;
        label.book_position.number = id;
        if (!BK_CtiRecord(&label)) break;
        BK_GenerujPopisku(&label, id, 1);
        if (!label.name[0]) break;
        const std::size_t at = shown.find(label.name, from);
        if (at == std::string_view::npos || static_cast<int>(at) > para_end) break;
        found = i;
        place = label.book_position;
        from = at + 1;
    }
    if (found < 0) return 0;
    *verse = place;
    *index = search_out_bk.res_hitnumber + found;
    return 1;
}

// What the current right click prepared.
struct RIGHT_CLICK {
    std::string text;
    int language = 0;
    int result = -1;  // results index of the clicked verse
};
RIGHT_CLICK g_right_click;

// Fills rtfclick for a click at (x, y); on a result's verse with the verse
// and its results index.
bool Analyse(int id, HWND view, int x, int y)
{
    return AnalyseViewClick(id, view, x, y) != 0;
}

// Moves the synchronised book windows to results index k.
void GoToResult(int id, int k)
{
    static BOOK_RECORD record;
    record.offset = ResultAt(k);
    record.book_position.number = id;
    if (!record.offset || !BK_CtiRecord(&record)) return;
    const DATAWINDOW& w = datawindow[id];
    const int b = record.book_position.book;
    if (!w.book_info || b < 1 || b > w.books) return;
    char sync[16];
    std::snprintf(sync, sizeof sync, "%.7s", w.book_info[b - 1].sync_name);
    BOOK_POSITION p = record.book_position;
    p.number = id;
    BK_SyncBooks2(p, sync);
    UpdateStatusBar(status.bk_last_book, 1);
}

void OnLeftClick(int id, HWND view, int x, int y)
{
    if (!Analyse(id, view, x, y)) return;
    if (rtfclick.out_ref_clicked == 1 && rtfclick.flag_results_index == 1) {
        GoToResult(id, rtfclick.out_results_index);
        return;
    }
    if (status.info_visible == 1) INFO_ShowClick();
}

void OnDoubleClick(int id, HWND view, int x, int y)
{
    if (!Analyse(id, view, x, y)) return;
    if (rtfclick.flag_word == 1)
        SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(rtfclick.out_word_l),
                     static_cast<LPARAM>(rtfclick.out_word_r + 1));
    if (rtfclick.flag_reference == 1) {
        BK_SyncBooks2(rtfclick.out_ref_bp, rtfclick.out_ref_syncname);
        UpdateStatusBar(status.bk_last_book, 1);
    } else if (rtfclick.flag_strong == 1) {
        LookupStrong(rtfclick.out_strong_language, rtfclick.out_strong_number, id);
    } else if (rtfclick.flag_word == 1 && rtfclick.in_buf) {
        const std::string word(rtfclick.in_buf + rtfclick.out_word_l,
                               static_cast<std::size_t>(rtfclick.out_word_r - rtfclick.out_word_l + 1));
        LookupWord(word.c_str(), rtfclick.out_language, id);
    }
}

void AppendItem(HMENU menu, int command, const std::string& text, bool enabled, bool checked)
{
    AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED) | (checked ? MF_CHECKED : MF_UNCHECKED),
                static_cast<UINT_PTR>(command), text.c_str());
}

HMENU CreateContextMenu(int id)
{
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    const DATAWINDOW& w = datawindow[id];
    const bool word = !g_right_click.text.empty();
    AppendItem(menu, IDM_RES_SEARCH, Str(IDS_MENU_SEARCH_FULLTEXT), IsCommandAvailable(IDM_SEARCH), false);
    AppendItem(menu, IDM_RES_SEARCH_IN_RESULTS, Str(IDS_MENU_SEARCH_IN_RESULTS),
               IsCommandAvailable(IDM_SEARCH_IN_RESULTS), false);
    AppendItem(menu, IDM_RES_LOOK_AT, Str(IDS_MENU_LOOK_AT), word, false);
    {
        std::string name;
        if (g_right_click.result >= 0) {
            static BOOK_RECORD label;
            label.book_position = rtfclick.out_bp;
            BK_GenerujPopisku(&label, id, 1);
            name = label.name;
        }
        char text[256];
        std::snprintf(text, sizeof text, Str(IDS_MENU_ADD_TO_VERSE_LIST).c_str(), name.c_str());
        // Verse lists are not part of the program yet.
        AppendItem(menu, IDM_RES_ADD_TO_VERSE_LIST, text, false, false);
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    // Checked while the window scrolls by lines, as in a book window.
    AppendItem(menu, IDM_RES_SCROLL_BY_LINES, Str(IDS_MENU_SCROLL_BY_LINES), true, w.scroll_verse == 0);
    AppendItem(menu, IDM_BK_MORPH_NEW_LINES, Str(IDS_MENU_MORPH_NEW_LINES), true, w.morph_line == 1);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    HMENU tags = CreateTagMenu(id);
    AppendMenuA(menu, MF_POPUP | (w.tag_advanced == 1 ? MF_ENABLED : MF_GRAYED), reinterpret_cast<UINT_PTR>(tags),
                Str(IDS_MENU_TAG_OPTIONS).c_str());
    char lines[2][160];
    const int n = (g_right_click.language == 1 || g_right_click.language == 2)
                      ? INFO_GematriaValues(g_right_click.language, g_right_click.text.c_str(),
                                            static_cast<int>(g_right_click.text.size()), lines)
                      : 0;
    if (n > 0) {
        AppendMenuA(menu, MF_STRING, IDM_BK_GEMATRIA1, lines[0]);
        if (n > 1) AppendMenuA(menu, MF_STRING, IDM_BK_GEMATRIA2, lines[1]);
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (g_right_click.result >= 0) {
        static BOOK_RECORD label;
        label.book_position = rtfclick.out_bp;
        BK_GenerujPopisku(&label, id, 1);
        AppendMenuA(menu, MF_STRING, IDM_RES_GOTO_VERSE, label.name);
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

void OnRightClick(int id, HWND view, int x, int y)
{
    if (!Analyse(id, view, x, y)) {
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
    if (rtfclick.in_buf && left >= 0 && right > left)
        g_right_click.text.assign(rtfclick.in_buf + left, static_cast<std::size_t>(right - left));
    while (!g_right_click.text.empty() && (g_right_click.text.back() == '\n' || g_right_click.text.back() == '\r'))
        g_right_click.text.pop_back();
    if (g_right_click.text.size() > 63) g_right_click.text.resize(63);
    g_right_click.result = rtfclick.flag_results_index == 1 ? rtfclick.out_results_index : -1;

    // The clicked word, Strong's number or reference is the next search.
    const int charset = g_right_click.language == 0 ? FindRTFCharset(view, left, right) : 0;
    SEARCH_PrepareFromClick(rtfclick, g_right_click.text.c_str(), g_right_click.language, charset);

    POINT pt{x, y};
    ClientToScreen(view, &pt);
    HMENU menu = CreateContextMenu(id);
    if (!menu) return;
    const int command = static_cast<int>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y + 20, 0, Frame(id), nullptr));
    DestroyMenu(menu);
    if (command) SendMessageA(Frame(id), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    g_right_click = RIGHT_CLICK{};
}

// 220 and 222: the search dialog on the prepared request, in the results'
// module, fresh or within the results.
void OpenSearch(int id, bool in_results)
{
    SEARCH_OpenPrepared(id, in_results ? 1 : 0);
}

bool ProcessCommand(int id, int command)
{
    DATAWINDOW& w = datawindow[id];
    switch (command) {
    case IDM_BK_SYNC:
        w.sync = w.sync ? 0 : 1;
        RES_UpdateResultsWindow();
        return true;
    case IDM_BK_SCROLL_BY_LINES:
    case IDM_RES_SCROLL_BY_LINES:
        w.scroll_verse = w.scroll_verse ? 0 : 1;
        RES_UpdateResultsWindow();
        return true;
    case IDM_BK_REFERENCE_JUMPS:
        w.no_jumps = w.no_jumps ? 0 : 1;
        RES_UpdateResultsWindow();
        return true;
    case IDM_BK_MORPH_NEW_LINES:
        w.morph_line = w.morph_line ? 0 : 1;
        RES_UpdateResultsWindow();
        return true;
    case IDM_RES_SEARCH:
        OpenSearch(id, false);
        return true;
    case IDM_RES_SEARCH_IN_RESULTS:
        OpenSearch(id, true);
        return true;
    case IDM_RES_LOOK_AT:
        if (!g_right_click.text.empty()) {
            LookupWord(g_right_click.text.c_str(), g_right_click.language, id);
            UpdateStatusBar(status.bk_last_book, -1);
        }
        return true;
    case IDM_RES_GOTO_VERSE:
        if (g_right_click.result >= 0) GoToResult(id, g_right_click.result);
        return true;
    case IDM_BK_GEMATRIA1:
    case IDM_BK_GEMATRIA2:
        return true;
    default:
        break;
    }
    if ((command >= IDM_TAG_FIRST && command <= IDM_TAG_LAST) || command == IDM_TAG_DECODE_MORPH_GREEK) {
        ProcessTagMenuCommand(id, command);
        // Decoded morphology is one switch for every book window.
        if (command == IDM_TAG_DECODE_MORPH_GREEK) BK_UpdateAllBookWindows();
        RES_UpdateResultsWindow();
        UpdateButonStates();
        return true;
    }
    return false;
}

// ------------------------------------------------------------ the MDI child

void Res_OnVScroll(HWND hwnd, HWND, UINT code, int)
{
    OnScroll(FindDatawindowOfHwnd(hwnd), static_cast<int>(code));
}

void Res_OnKey(HWND hwnd, UINT vk, BOOL down, int repeat, UINT flags)
{
    const int code = BK_ScrollCodeOfKey(vk);
    if (code < 0 || !down) {
        FORWARD_WM_KEYDOWN(hwnd, vk, repeat, flags, DefMDIChildProcA);
        return;
    }
    OnScroll(FindDatawindowOfHwnd(hwnd), code);
}

void Res_OnSize(HWND hwnd, UINT state, int cx, int cy)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0) {
        Layout(id);
        if (state != SIZE_MINIMIZED && !g_creating) RES_UpdateResultsWindow();
    }
    FORWARD_WM_SIZE(hwnd, state, cx, cy, DefMDIChildProcA);
}

void Res_OnMDIActivate(HWND hwnd, BOOL active, HWND activated, HWND deactivated)
{
    (void)active;  // the message carries only the two windows
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0 && activated == hwnd) {
        status.bk_last_book = id;
        BK_UpdateNavigator(datawindow[id].book_position, id, 0);
        UpdateButonStates();
        UpdateStatusBar(id, -1);
    }
    FORWARD_WM_MDIACTIVATE(hwnd, active, activated, deactivated, DefMDIChildProcA);
}

void Res_OnSetFocus(HWND hwnd, HWND)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0 && datawindow[id].hrichedit) SetFocus(static_cast<HWND>(datawindow[id].hrichedit));
}

void Res_OnClose(HWND hwnd)
{
    // A search over the open modules must not lose its window.
    if (SearchDialogOpen()) {
        MessageBeep(MB_OK);
        return;
    }
    FORWARD_WM_CLOSE(hwnd, DefMDIChildProcA);
}

void Res_OnDestroy(HWND hwnd)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id < 0) return;
    ZrusDatawindow(id);
    UsporadejOkna();
    BK_UpdateAllBookWindows();
    // The results go with their window.
    SEARCH_ClearBookResults();
    g_rendered = 0;
    if (g_search_ui_hooks.book_results_discarded) g_search_ui_hooks.book_results_discarded();
    if (status.num_windows == 0) {
        BK_UpdateNavigator(BOOK_POSITION{}, -1, 3);
        g_status_text[1][0] = '\0';
        UpdateStatusBar(-1, -1);
        status.bk_last_book = 0;
    } else {
        HWND active = g_hMDIClient ? reinterpret_cast<HWND>(SendMessageA(g_hMDIClient, WM_MDIGETACTIVE, 0, 0)) : nullptr;
        const int a = FindDatawindowOfHwnd(active);
        status.bk_last_book = a >= 0 ? a : 0;
        UpdateStatusBar(status.bk_last_book, -1);
    }
    UpdateButonStates();
    if (hMain) PostMessageA(hMain, WM_SEVIR_RETILE, 0, 0);
}

void Res_OnCommand(HWND hwnd, int command, HWND control, UINT notify)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0 && ProcessCommand(id, command)) return;
    FORWARD_WM_COMMAND(hwnd, command, control, notify, DefMDIChildProcA);
}

// ------------------------------------------------------------ the view

int WindowOfView(HWND view)
{
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (datawindow[i].hrichedit == view && datawindow[i].results == 1) return i;
    return -1;
}

WNDPROC OldProcOf(HWND view)
{
    const int id = WindowOfView(view);
    return id >= 0 && datawindow[id].OldRichProc ? reinterpret_cast<WNDPROC>(datawindow[id].OldRichProc)
                                                 : reinterpret_cast<WNDPROC>(GetPropA(view, kOldProcProperty));
}

LRESULT CallOldProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(OldProcOf(view), view, message, wParam, lParam);
}

void Rich_OnKey(HWND view, UINT vk, BOOL, int repeat, UINT flags)
{
    if (GetKeyState(VK_CONTROL) < 0 && (vk == 'C' || vk == VK_INSERT)) {
        CopyViewSelection(view);
        return;
    }
    const int code = BK_ScrollCodeOfKey(vk);
    if (code < 0) {
        FORWARD_WM_KEYDOWN(view, vk, repeat, flags, CallOldProc);
        return;
    }
    OnScroll(WindowOfView(view), code);
}

void Rich_OnMouseWheel(HWND view, int x, int y, int delta, UINT keys)
{
    if (status.wheel != 1) {
        FORWARD_WM_MOUSEWHEEL(view, x, y, delta, keys, CallOldProc);
        return;
    }
    const int id = WindowOfView(view);
    if (delta == -WHEEL_DELTA) OnScroll(id, SB_LINEDOWN);
    if (delta == WHEEL_DELTA) OnScroll(id, SB_LINEUP);
}

void Rich_OnLButtonDown(HWND view, BOOL double_click, int x, int y, UINT keys)
{
    OnLeftClick(WindowOfView(view), view, x, y);
    FORWARD_WM_LBUTTONDOWN(view, double_click, x, y, keys, CallOldProc);
}

void Rich_OnLButtonDblClk(HWND view, BOOL, int x, int y, UINT)
{
    OnDoubleClick(WindowOfView(view), view, x, y);
}

void Rich_OnRButtonDown(HWND view, BOOL, int x, int y, UINT)
{
    OnRightClick(WindowOfView(view), view, x, y);
}

void Rich_OnCopy(HWND view)
{
    CopyViewSelection(view);
}

// ------------------------------------------------------------ the hooks

int ShowBookResults()
{
    const int source = search_out_bk.datawindow;
    if (!HaveResults() || !Valid(source) || datawindow[source].type != MODULE_BOOK) return 0;
    HCURSOR old = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    if (search_out_bk.res_hitnumber < 0 || search_out_bk.res_hitnumber >= search_out_bk.hit_verses)
        search_out_bk.res_hitnumber = 0;
    int ok;
    // The book windows that tiling makes smaller render after the first
    // result is on the screen.
    DeferBookRendering(true);
    if (status.res_visible == 0 || RES_Window() < 0)
        ok = CreateResultMDIChild(g_hMDIClient, source);
    else
        ok = ModifyResultMDIChild(g_hMDIClient, source);
    if (ok) {
        const int id = RES_Window();
        RES_UpdateResultsWindow();
        UpdateWindow(static_cast<HWND>(datawindow[id].hwnd));
        UpdateStatusBar(id, -1);
        UpdateButonStates();
    }
    DeferBookRendering(false);
    SetCursor(old);
    return ok;
}

int UpdateResultsHook()
{
    return RES_UpdateResultsWindow();
}

void LexiconResultsChanged(int id)
{
    LX_ShowSearchResults(id);
}

// The title in the language just chosen.
void LanguageChanged()
{
    if (RES_Window() >= 0 && HaveResults()) RES_NastavScroll(search_out_bk.hit_verses, search_out_bk.res_hitnumber);
}

} // namespace

int RES_Window()
{
    if (status.res_visible != 1) return -1;
    const int id = status.id_results;
    return Valid(id) && datawindow[id].results == 1 && datawindow[id].hwnd ? id : -1;
}

LRESULT RES_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        HANDLE_MSG(hwnd, WM_VSCROLL, Res_OnVScroll);
        HANDLE_MSG(hwnd, WM_KEYDOWN, Res_OnKey);
        HANDLE_MSG(hwnd, WM_SIZE, Res_OnSize);
        HANDLE_MSG(hwnd, WM_MDIACTIVATE, Res_OnMDIActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, Res_OnSetFocus);
        HANDLE_MSG(hwnd, WM_CLOSE, Res_OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, Res_OnDestroy);
        HANDLE_MSG(hwnd, WM_COMMAND, Res_OnCommand);
    default:
        return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK RES_RichProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC old = OldProcOf(hwnd);
    if (!old) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(hwnd, kOldProcProperty);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        return CallWindowProcA(old, hwnd, message, wParam, lParam);
    }
    // While the window is destroyed its record is gone before the view.
    if (WindowOfView(hwnd) < 0) return CallWindowProcA(old, hwnd, message, wParam, lParam);
    switch (message) {
        HANDLE_MSG(hwnd, WM_KEYDOWN, Rich_OnKey);
        HANDLE_MSG(hwnd, WM_MOUSEWHEEL, Rich_OnMouseWheel);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, Rich_OnLButtonDown);
        HANDLE_MSG(hwnd, WM_LBUTTONDBLCLK, Rich_OnLButtonDblClk);
        HANDLE_MSG(hwnd, WM_RBUTTONDOWN, Rich_OnRButtonDown);
        HANDLE_MSG(hwnd, WM_COPY, Rich_OnCopy);
    case WM_COMMAND:
        // Commands of the tool bar and the menu that reach the view.
        if (const int id = WindowOfView(hwnd); id >= 0 && ProcessCommand(id, LOWORD(wParam))) return 0;
        return CallWindowProcA(old, hwnd, message, wParam, lParam);
    default:
        return CallWindowProcA(old, hwnd, message, wParam, lParam);
    }
}

void RES_InstallWindowHooks()
{
    RegisterDataWindowKind(DW_KIND_RESULTS, RES_WndProc, nullptr);
    BK_SetResultsSource(&kResultsSource);
    g_results_click_verse = ClickVerse;
    LANG_AddChangeHook(LanguageChanged);
    g_search_ui_hooks.show_book_results = ShowBookResults;
    g_search_ui_hooks.update_results_window = UpdateResultsHook;
    g_search_ui_hooks.lexicon_results_changed = LexiconResultsChanged;
}

int CreateResultMDIChild(HWND hMDIClient, int source)
{
    if (!hMDIClient || !Valid(source) || datawindow[source].type != MODULE_BOOK) return 0;
    if (status.num_windows + 1 > MAX_DATAWINDOWS - 1) {
        ShowMessageBoxId(nullptr, 10004, 10005, SV_MB_OK | SV_MB_ICONWARNING, MAX_DATAWINDOWS);
        return 0;
    }
    g_creating = true;
    const int made = MakeWindow(hMDIClient, source);
    g_creating = false;
    return made;
}

namespace {

int MakeWindow(HWND hMDIClient, int source)
{
    HWND hwnd = CreateMDIWindowA(kChildClassName, "Search results", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, hMDIClient, hInst, 0);
    if (!hwnd) return 0;
    const int id = status.num_windows++;
    DATAWINDOW& w = datawindow[id];
    std::memset(&w, 0, sizeof w);
    w.hwnd = hwnd;
    if (!FillSlot(id, source, false)) {
        std::free(w.book_info);
        std::memset(&w, 0, sizeof w);
        --status.num_windows;
        SendMessageA(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
        return 0;
    }
    status.res_visible = 1;
    status.id_results = id;

    RECT rc;
    GetClientRect(hwnd, &rc);
    const int cx = rc.right > kScrollWidth ? rc.right - kScrollWidth : 0;
    HWND view = CreateWindowExA(0, "RichEdit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY, 0,
                                0, cx, rc.bottom, hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_RES_RICHEDIT)), hInst, nullptr);
    w.hrichedit = view;
    if (view) {
        WNDPROC old = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RES_RichProc)));
        w.OldRichProc = reinterpret_cast<PROC_HANDLE>(old);
        SetPropA(view, kOldProcProperty, reinterpret_cast<HANDLE>(old));
    }
    w.hscroll = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, cx, 0, kScrollWidth, rc.bottom,
                                hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_RES_SCROLLBAR)), hInst,
                                nullptr);
    SetIcon(id);
    UsporadejOkna();
    Layout(id);
    status.bk_last_book = id;
    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
    return 1;
}

} // namespace

int ModifyResultMDIChild(HWND hMDIClient, int source)
{
    const int id = RES_Window();
    if (!hMDIClient || id < 0 || !Valid(source) || datawindow[source].type != MODULE_BOOK) return 0;
    if (source == id) {
        // A search within the results of this window: same module, same window.
        SetIcon(id);
        status.bk_last_book = id;
        return 1;
    }
    if (!FillSlot(id, source, true)) {
        // Without its module the window cannot show anything: it goes.
        SendMessageA(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(datawindow[id].hwnd), 0);
        return 0;
    }
    Layout(id);
    SetIcon(id);
    status.bk_last_book = id;
    return 1;
}

int RES_UpdateResultsWindow()
{
    const int id = RES_Window();
    if (id < 0 || !HaveResults()) return 1;
    SEARCH_OUT_BK& o = search_out_bk;
    if (o.res_hitnumber < 0 || o.res_hitnumber >= o.hit_verses) return 1;
    DATAWINDOW& w = datawindow[id];
    TakeResultPosition(id);
    bk_rtfdata.buffer[0] = '\0';
    BOOK_POSITION p = w.book_position;
    p.number = id;
    const int verses = BK_PripravText(p, 1);
    g_rendered = verses;
    if (verses > 0) BK_ZobrazText(id);
    w.rtf_line = 0;
    RES_NastavScroll(o.hit_verses, o.res_hitnumber);
    if (status.bk_last_book == id) BK_UpdateNavigator(w.book_position, id, 0);
    return verses;
}

int RES_NastavScroll(int count, int position)
{
    const int id = RES_Window();
    if (id < 0) return 0;
    DATAWINDOW& w = datawindow[id];
    if (w.hscroll) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_POS;
        si.nMin = 0;
        si.nMax = count > 0 ? count - 1 : 0;
        si.nPos = position;
        SetScrollInfo(static_cast<HWND>(w.hscroll), SB_CTL, &si, TRUE);
    }
    char format[128];
    LANG_LoadString(nullptr, IDS_RESULTS_TITLE, format, sizeof format);
    char title[256];
    std::snprintf(title, sizeof title, format, w.abbrev, position + 1, count);
    SetWindowTextA(static_cast<HWND>(w.hwnd), title);
    return 1;
}
