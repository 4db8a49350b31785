#include "lex/win/lex_window.h"

#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/data_windows.h"
#include "app/lang.h"
#include "app/records.h"
#include "app/win/config_windows.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/rtf_tags.h"
#include "books/win/book_window.h"
#include "books/tag_parser.h"
#include "books/win/rich_text.h"
#include "cmdline/history.h"
#include "lex/lex_article.h"
#include "lex/lex_datawindow.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"
#include "lex/lookup.h"
#include "resource.h"
#include "search/search_request.h"
#include "search/win/search_dialog.h"
#include "text/click_info.h"
#include "text/keyboard.h"
#include "text/word_tags.h"
#include "text/win/click_view.h"

namespace {

constexpr const char* kOldProc = "SevirLxOldProc";
constexpr const char* kSelStart = "SevirLxSelStart";
constexpr const char* kSelEnd = "SevirLxSelEnd";
constexpr int kTop = 42;          // the list and the article start here
constexpr int kSplitLeft = 12;    // the splitter band around the list's right edge
constexpr int kSplitRight = 18;

// The edit notification that the window's own rewriting of the Hebrew key
// text causes is not processed again.
bool g_rewriting = false;
// The last key in a key box was Delete or Backspace.
bool g_last_key_deletes = false;

HBRUSH g_filter_brush = nullptr;
COLORREF g_filter_colour = 0;

bool Valid(int id)
{
    return id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS && datawindow[id].type == MODULE_LEXICON &&
           datawindow[id].hwnd;
}

HWND H(WINDOW_HANDLE handle)
{
    return static_cast<HWND>(handle);
}

std::string Str(int id)
{
    char text[256];
    LANG_LoadString(nullptr, id, text, sizeof text);
    return text;
}

// The lexicon window that control belongs to (its MDI child), or -1.
int WindowOfControl(HWND control)
{
    HWND parent = GetParent(control);
    // The key box's edit field sits inside the combo box.
    if (parent && FindDatawindowOfHwnd(parent) < 0) parent = GetParent(parent);
    const int id = FindDatawindowOfHwnd(parent);
    return Valid(id) ? id : -1;
}

WNDPROC OldProc(HWND control)
{
    return reinterpret_cast<WNDPROC>(GetPropA(control, kOldProc));
}

LRESULT CallOld(HWND control, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC old = OldProc(control);
    return old ? CallWindowProcA(old, control, msg, wParam, lParam) : DefWindowProcA(control, msg, wParam, lParam);
}

PROC_HANDLE Subclass(HWND control, WNDPROC proc)
{
    WNDPROC old =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    SetPropA(control, kOldProc, reinterpret_cast<HANDLE>(old));
    return reinterpret_cast<PROC_HANDLE>(old);
}

// Common end of the subclassed procedures: the old procedure comes back
// before the control goes.
bool Unsubclass(HWND control, UINT msg)
{
    if (msg != WM_NCDESTROY) return false;
    WNDPROC old = OldProc(control);
    RemovePropA(control, kOldProc);
    RemovePropA(control, kSelStart);
    RemovePropA(control, kSelEnd);
    if (old) SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    return true;
}

std::string ControlText(HWND control)
{
    char text[256] = "";
    if (control) GetWindowTextA(control, text, sizeof text);
    return text;
}

void SetKeyText(int id, const char* text)
{
    g_rewriting = true;
    SetWindowTextA(H(datawindow[id].lx_hcomboEdit), text);
    g_rewriting = false;
}

bool FilterActive(const DATAWINDOW& w)
{
    return w.lx_filter_hits < w.lx_records_all;
}

HBRUSH FilterBrush()
{
    const COLORREF colour = static_cast<COLORREF>(status.opt_lx_highlight_combo_color);
    if (!g_filter_brush || colour != g_filter_colour) {
        if (g_filter_brush) DeleteObject(g_filter_brush);
        g_filter_brush = CreateSolidBrush(colour);
        g_filter_colour = colour;
    }
    return g_filter_brush;
}

// ------------------------------------------------------------ showing

int ItemHeight(int id)
{
    const LRESULT h = SendMessageA(H(datawindow[id].lx_hlistbox), LB_GETITEMHEIGHT, 0, 0);
    return h > 0 && h != LB_ERR ? static_cast<int>(h) : 16;
}

void LX_ZobrazRadky(int id)
{
    DATAWINDOW& w = datawindow[id];
    HWND list = H(w.lx_hlistbox);
    if (!list) return;
    const int lines = std::clamp<int>(w.lx_listbox_lines, 0, LX_MAX_LINES);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) != lines) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < lines; ++i) SendMessageA(list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    }
    InvalidateRect(list, nullptr, TRUE);
}

void LX_NastavScroll(int id)
{
    DATAWINDOW& w = datawindow[id];
    HWND bar = H(w.lx_hscroll_data);
    if (!bar || !w.lx_radek || w.lx_radku_filled <= 0) return;
    const int top = w.lx_radek[0].record;
    if (top < 1 || top > w.lx_records_all) return;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    si.nMin = 1;
    si.nMax = std::max(1, static_cast<int>(w.lx_records_all));
    si.nPage = 1;
    si.nPos = top;
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
}

void UpdateStatusIfActive(int id)
{
    if (status.bk_last_book == id) UpdateStatusBar(id, -1);
    if (datawindow[id].lx_hcomboEdit) InvalidateRect(H(datawindow[id].lx_hcomboEdit), nullptr, TRUE);
}

void Beep()
{
    MessageBeep(MB_OK);
}

// ------------------------------------------------------------ actions

void ShowKeyResult(int id)
{
    LX_Redisplay(id);
}

void KeySearch(int id)
{
    const std::string text = ControlText(H(datawindow[id].lx_hcomboEdit));
    if (LX_KeySearchFromEdit(id, text.c_str()) > 0) ShowKeyResult(id);
}

// Hebrew: final letters, the caret moves left, then the search.
void HebrewKeyUpdate(int id)
{
    HWND edit = H(datawindow[id].lx_hcomboEdit);
    char text[256] = "";
    GetWindowTextA(edit, text, sizeof text);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Autoend(text, status.autoend, 0);
    SetKeyText(id, text);
    DWORD caret = end;
    if (!g_last_key_deletes && caret > 0) --caret;
    SendMessageA(edit, EM_SETSEL, caret, caret);
    if (LX_KeySearchFromEdit(id, text) > 0) ShowKeyResult(id);
}

void RunFilter(int id)
{
    const std::string text = ControlText(H(datawindow[id].lx_hcomboEdit));
    HCURSOR old = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    const int count = LX_FilterFromEdit(id, text.c_str());
    SetCursor(old);
    LX_AddPatternToHistory(id, text.c_str());
    if (count == 0) Beep();
    LX_Redisplay(id);
}

void Reload(int id)
{
    LX_Reload(id);
    LX_Redisplay(id);
}

void FillComboPatterns(int id)
{
    DATAWINDOW& w = datawindow[id];
    HWND combo = H(w.lx_hcombo);
    if (!combo) return;
    const std::string keep = ControlText(H(w.lx_hcomboEdit));
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const PATT_HIST* entries[LX_HISTORY];
    const int n = LX_HistoryForCombo(id, entries);
    for (int i = 0; i < n; ++i) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i]->pattern));
    SetKeyText(id, keep.c_str());
}

// The lookup of the window layer: the key box gets the word and its own
// edit notification runs the key search.
void ShowKey(int v, const char* word)
{
    if (!Valid(v)) {
        LX_KeySearchFromEdit(v, word);
        return;
    }
    DATAWINDOW& w = datawindow[v];
    FillComboPatterns(v);
    SetKeyText(v, word);
    const int code = w.language == SCRIPT_HEBREW ? CBN_EDITUPDATE : CBN_EDITCHANGE;
    SendMessageA(H(w.hwnd), WM_COMMAND, MAKEWPARAM(IDC_LX_COMBO, code), reinterpret_cast<LPARAM>(H(w.lx_hcombo)));
}

void ShowList(int v)
{
    if (Valid(v)) LX_Redisplay(v);
}

void Scroll(int id, int code)
{
    DATAWINDOW& w = datawindow[id];
    int ok = 0;
    switch (code) {
    case SB_LINEDOWN: ok = LX_ScrollLineDown(id); break;
    case SB_LINEUP: ok = LX_ScrollLineUp(id); break;
    case SB_PAGEDOWN: ok = LX_ScrollPageDown(id); break;
    case SB_PAGEUP: ok = LX_ScrollPageUp(id); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS | SIF_POS;
        GetScrollInfo(H(w.lx_hscroll_data), SB_CTL, &si);
        ok = LX_ScrollTrack(id, code == SB_THUMBTRACK ? si.nTrackPos : si.nPos);
        break;
    }
    default:
        return;
    }
    LX_Redisplay(id);
    if (!ok) Beep();
}

// A scrolling key or wheel step in one of the controls.
bool ScrollKey(int id, UINT vk)
{
    const int code = BK_ScrollCodeOfKey(vk);
    if (code < 0) return false;
    Scroll(id, code);
    return true;
}

bool WheelStep(int id, int delta)
{
    if (status.wheel != 1) return false;
    if (delta == -WHEEL_DELTA) Scroll(id, SB_LINEDOWN);
    else if (delta == WHEEL_DELTA) Scroll(id, SB_LINEUP);
    return true;
}

// Gematria lines of text (display codes, reading order) for a lexicon of
// language: "Value  I:  a  b  c" (and "Value II: ..." for Hebrew).
void AppendGematria(HMENU menu, const std::string& text, int language)
{
    if (text.empty() || (language != SCRIPT_HEBREW && language != SCRIPT_GREEK)) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    const int last = static_cast<int>(text.size()) - 1;
    int a = 0, b = 0, c = 0;
    char line[160];
    if (language == SCRIPT_HEBREW) {
        EnumerateHebrew(0, text.c_str(), 0, last, &a, &b, &c);
        std::snprintf(line, sizeof line, "%s %d  %d  %d", Str(IDS_GEMATRIA_VALUE1).c_str(), a, b, c);
        AppendMenuA(menu, MF_STRING, IDM_LX_GEMATRIA1, line);
        EnumerateHebrew(1, text.c_str(), 0, last, &a, &b, &c);
        std::snprintf(line, sizeof line, "%s %d  %d  %d", Str(IDS_GEMATRIA_VALUE2).c_str(), a, b, c);
        AppendMenuA(menu, MF_STRING, IDM_LX_GEMATRIA2, line);
    } else {
        EnumerateGreek(text.c_str(), 0, last, &a, &b, &c);
        std::snprintf(line, sizeof line, "%s %d  %d  %d", Str(IDS_GEMATRIA_VALUE1).c_str(), a, b, c);
        AppendMenuA(menu, MF_STRING, IDM_LX_GEMATRIA1, line);
    }
}

// The keyword as text, and for Hebrew and Greek also as Unicode.
void CopyKeyword(HWND owner, const char* shown, const char* reading, int language)
{
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    const std::size_t n = std::strlen(shown) + 1;
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, n)) {
        std::memcpy(GlobalLock(mem), shown, n);
        GlobalUnlock(mem);
        if (!SetClipboardData(CF_TEXT, mem)) GlobalFree(mem);
    }
    const std::u16string uni = LX_KeywordUnicode(reading, language);
    if (!uni.empty()) {
        const std::size_t bytes = (uni.size() + 1) * sizeof(char16_t);
        if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            std::memcpy(GlobalLock(mem), uni.c_str(), bytes);
            GlobalUnlock(mem);
            if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
        }
    }
    CloseClipboard();
}

// ------------------------------------------------------------ list-box menu

void ListMenu(int id, HWND list, int x, int y)
{
    DATAWINDOW& w = datawindow[id];
    const int line = y / std::max(1, ItemHeight(id));
    if (line < 0 || line >= w.lx_radku_filled || w.lx_radek[line].record <= 0) {
        Beep();
        return;
    }
    const LX_RADEK entry = w.lx_radek[line];
    char reading[128];
    if (w.language == SCRIPT_HEBREW) LX_Reverse(entry.tLeft, reading, sizeof reading);
    else std::snprintf(reading, sizeof reading, "%s", entry.tLeft);

    // The values of the menu's gematria lines go to the information window too.
    INFO_ShowGematria(entry.tLeft, static_cast<int>(strnlen(entry.tLeft, sizeof entry.tLeft)), w.language);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, IDM_LX_LOOK_AT, Str(IDS_MENU_LX_LOOK_AT).c_str());
    AppendMenuA(menu, MF_STRING, IDM_LX_COPY, Str(IDS_MENU_LX_COPY).c_str());
    AppendGematria(menu, reading, w.language);
    POINT pt = {x, y};
    ClientToScreen(list, &pt);
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, pt.x, pt.y, 0,
                                       H(w.hwnd), nullptr);
    DestroyMenu(menu);
    if (command == IDM_LX_LOOK_AT) {
        LookupWord(entry.tLeft, w.language, id);
        UpdateStatusIfActive(id);
    } else if (command == IDM_LX_COPY) {
        CopyKeyword(H(w.hwnd), entry.tLeft, reading, w.language);
    }
}

// ------------------------------------------------------------ article clicks

// The view's characters [left, right) as the last click analysis read them,
// without paragraph ends, cut to 63 characters.
std::string ClickedText(int left, int right)
{
    if (!rtfclick.in_buf || left < 0 || right <= left) return "";
    const int length = static_cast<int>(strnlen(rtfclick.in_buf, static_cast<std::size_t>(rtfclick.in_size)));
    if (right > length) right = length;
    if (right <= left) return "";
    std::string text(rtfclick.in_buf + left, static_cast<std::size_t>(right - left));
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (text.size() > 63) text.resize(63);
    return text;
}

// A double click: the word is selected; a reference moves the book windows
// and enters the history, a Strong's link shows its entry in the lexicons
// that take part, any other word is looked up.
void ArticleDoubleClick(int id, HWND view, int x, int y)
{
    if (!AnalyseViewClick(id, view, x, y)) return;
    if (rtfclick.flag_word == 1)
        SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(rtfclick.out_word_l),
                     static_cast<LPARAM>(rtfclick.out_word_r + 1));
    if (rtfclick.flag_reference == 1) {
        BK_SyncBooks2(rtfclick.out_ref_bp, rtfclick.out_ref_syncname);
        AddToHistory(rtfclick.out_ref_bp);
        // The navigator and status bar of the book window last active.
        const int last = status.bk_last_book;
        if (last != id && last >= 0 && last < status.num_windows && BK_IsBookWindow(last)) {
            BK_UpdateNavigator(datawindow[last].book_position, last, 0);
            UpdateStatusBar(last, 1);
        }
    } else if (rtfclick.flag_strong == 1) {
        LookupStrong(rtfclick.out_strong_language, rtfclick.out_strong_number, id);
    } else if (rtfclick.flag_word == 1) {
        const std::string word = ClickedText(rtfclick.out_word_l, rtfclick.out_word_r + 1);
        if (!word.empty()) LookupWord(word.c_str(), rtfclick.out_language, id);
    }
    UpdateStatusIfActive(id);
}

// What the current right click of an article took: the text (display
// order) and its script.
struct ARTICLE_CLICK {
    std::string text;
    int language = 0;
};

// A right click selects the clicked word (a selection is kept) and prepares
// the search request from it. False, after a beep, when nothing was hit.
bool PrepareArticleClick(int id, HWND view, int x, int y, ARTICLE_CLICK* click)
{
    if (!AnalyseViewClick(id, view, x, y)) {
        Beep();
        return false;
    }
    VIEW_SELECTION sel = GetViewSelection(view);
    if (sel.right <= sel.left) {
        if (rtfclick.flag_word != 1) {
            Beep();
            return false;
        }
        SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(rtfclick.out_word_l),
                     static_cast<LPARAM>(rtfclick.out_word_r + 1));
        sel = GetViewSelection(view);
        sel.language = rtfclick.out_language;
    }
    click->text = ClickedText(sel.left, sel.right);
    click->language = sel.language;
    if (click->text.empty()) {
        Beep();
        return false;
    }
    SEARCH_PrepareFromClick(rtfclick, click->text.c_str(), click->language, sel.charset);
    return true;
}

HMENU CreateArticleMenu(int id, const ARTICLE_CLICK& click)
{
    DATAWINDOW& w = datawindow[id];
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    AppendMenuA(menu, MF_STRING, IDM_LX_SEARCH, Str(IDS_MENU_SEARCH_FULLTEXT).c_str());
    AppendMenuA(menu, MF_STRING, IDM_LX_LOOK_AT, Str(IDS_MENU_LOOK_AT).c_str());
    if (rtfclick.flag_reference == 1) {
        // Verse lists are not part of the program yet: the item waits greyed.
        static BOOK_RECORD label;
        label.book_position = rtfclick.out_ref_bp;
        BK_GenerujPopisku(&label, id, 1);
        char text[256];
        std::snprintf(text, sizeof text, Str(IDS_MENU_ADD_TO_VERSE_LIST).c_str(), label.name);
        AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_BK_ADD_TO_VERSE_LIST, text);
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | (w.no_jumps == 0 ? MF_CHECKED : MF_UNCHECKED), IDM_LX_JUMPS,
                Str(IDS_MENU_LX_JUMPS).c_str());
    AppendMenuA(menu, MF_STRING | (w.sync == 1 ? MF_CHECKED : MF_UNCHECKED), IDM_LX_SYNC,
                Str(IDS_MENU_LX_SYNC).c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    HMENU tags = CreateTagMenu(id);
    AppendMenuA(menu, MF_POPUP | (w.tag_advanced == 1 ? MF_ENABLED : MF_GRAYED), reinterpret_cast<UINT_PTR>(tags),
                Str(IDS_MENU_TAG_OPTIONS).c_str());
    // Hebrew is shown reversed; its values are counted in reading order.
    std::string reading = click.text;
    if (click.language == SCRIPT_HEBREW) std::reverse(reading.begin(), reading.end());
    AppendGematria(menu, reading, click.language);
    return menu;
}

void ArticleMenu(int id, HWND view, int x, int y)
{
    ARTICLE_CLICK click;
    if (!PrepareArticleClick(id, view, x, y, &click)) return;
    DATAWINDOW& w = datawindow[id];
    // The values of the menu's gematria lines go to the information window too.
    INFO_ShowGematria(click.text.data(), static_cast<int>(click.text.size()), click.language);
    HMENU menu = CreateArticleMenu(id, click);
    if (!menu) return;
    POINT pt = {x, y};
    ClientToScreen(view, &pt);
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, pt.x, pt.y + 20, 0,
                                       H(w.hwnd), nullptr);
    DestroyMenu(menu);
    if (command == IDM_LX_SEARCH) {
        // The dialog opens on the request prepared above.
        SEARCH_OpenPrepared(id, 0);
    } else if (command == IDM_LX_LOOK_AT) {
        LookupWord(click.text.c_str(), click.language, id);
        UpdateStatusIfActive(id);
    } else if (command == IDM_LX_JUMPS || command == IDM_LX_SYNC ||
               (command >= IDM_TAG_FIRST && command <= IDM_TAG_LAST)) {
        SendMessageA(H(w.hwnd), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    } else if (command == IDM_TAG_DECODE_MORPH_GREEK) {
        // One switch for every window that shows Greek morphology.
        ProcessTagMenuCommand(id, command);
        BK_UpdateAllBookWindows();
        LX_UpdateAllLexComments();
        UpdateButonStates();
    }
}

// ------------------------------------------------------------ splitter

// Client x of the list's right edge.
int ListRight(const DATAWINDOW& w)
{
    return 3 + w.lx_listbox_width;
}

bool InSplitter(int id, HWND from, int x, int y)
{
    POINT pt = {x, y};
    MapWindowPoints(from, H(datawindow[id].hwnd), &pt, 1);
    const int right = ListRight(datawindow[id]);
    return pt.y >= kTop && pt.x >= right - kSplitLeft && pt.x <= right + kSplitRight;
}

int MaxListWidth(int id)
{
    RECT rc;
    GetClientRect(H(datawindow[id].hwnd), &rc);
    return static_cast<int>(0.9 * (rc.right - 7));
}

void StartSplit(int id)
{
    DATAWINDOW& w = datawindow[id];
    status.lx_resizing = 1;
    SetCapture(H(w.hwnd));
    RECT rc;
    GetClientRect(H(w.hwnd), &rc);
    POINT a = {3 + status.lx_lb_min_width, rc.top};
    POINT b = {3 + MaxListWidth(id), rc.bottom};
    ClientToScreen(H(w.hwnd), &a);
    ClientToScreen(H(w.hwnd), &b);
    RECT clip = {a.x, a.y, b.x, b.y};
    ClipCursor(&clip);
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));  // IDC_SIZEWE
}

// ------------------------------------------------------------ control procedures

LRESULT CALLBACK LX_ComboEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Unsubclass(edit, msg)) return CallWindowProcA(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)),
                                                      edit, msg, wParam, lParam);
    const int id = WindowOfControl(edit);
    if (id < 0) return CallOld(edit, msg, wParam, lParam);
    DATAWINDOW& w = datawindow[id];
    switch (msg) {
    case WM_KEYDOWN:
        g_last_key_deletes = wParam == VK_DELETE || wParam == VK_BACK;
        if (ScrollKey(id, static_cast<UINT>(wParam))) return 0;
        if (wParam == VK_RETURN && GetKeyState(VK_CONTROL) >= 0) {
            RunFilter(id);
            return 0;
        }
        break;
    case WM_CHAR: {
        if (wParam == '\r' || wParam == '\n') return 0;
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        if ((w.language == SCRIPT_HEBREW || w.language == SCRIPT_GREEK) && status.koduj_znak == 1 &&
            (wParam >= 32 || ctrl) && wParam != 8 && wParam != 27) {
            const int shift = GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
            const int ch = w.language == SCRIPT_HEBREW ? PrekodujKeyHE(static_cast<int>(wParam), shift, ctrl ? 1 : 0)
                                                       : PrekodujKeyGR(static_cast<int>(wParam), shift, ctrl ? 1 : 0);
            if (ch == 0) return 0;
            status.last_char = ch;
            return CallOld(edit, msg, static_cast<WPARAM>(ch & 0xFF), lParam);
        }
        break;
    }
    case WM_MOUSEWHEEL:
        if (WheelStep(id, GET_WHEEL_DELTA_WPARAM(wParam))) return 0;
        break;
    case WM_LBUTTONDBLCLK:
        KeySearch(id);
        return 0;
    case WM_KILLFOCUS: {
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SetPropA(edit, kSelStart, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(start) + 1));
        SetPropA(edit, kSelEnd, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(end) + 1));
        break;
    }
    case EM_SETSEL: {
        // Selecting everything (as a focus change does) keeps the caret.
        const UINT_PTR saved_start = reinterpret_cast<UINT_PTR>(GetPropA(edit, kSelStart));
        const UINT_PTR saved_end = reinterpret_cast<UINT_PTR>(GetPropA(edit, kSelEnd));
        const long from = static_cast<long>(wParam);
        const long to = static_cast<long>(lParam);
        if (saved_start && from == 0 && (to == -1 || to > static_cast<long>(saved_end - 1) + 100))
            return CallOld(edit, msg, saved_start - 1, saved_end - 1);
        break;
    }
    default:
        break;
    }
    return CallOld(edit, msg, wParam, lParam);
}

LRESULT CALLBACK LX_ListBoxProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Unsubclass(list, msg)) return CallWindowProcA(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(list, GWLP_WNDPROC)),
                                                      list, msg, wParam, lParam);
    const int id = WindowOfControl(list);
    if (id < 0) return CallOld(list, msg, wParam, lParam);
    switch (msg) {
    case WM_KEYDOWN:
        if (ScrollKey(id, static_cast<UINT>(wParam))) return 0;
        break;
    case WM_MOUSEWHEEL:
        if (WheelStep(id, GET_WHEEL_DELTA_WPARAM(wParam))) return 0;
        break;
    case WM_SETCURSOR: {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(list, &pt);
        if (InSplitter(id, list, pt.x, pt.y)) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        if (InSplitter(id, list, x, y)) {
            StartSplit(id);
            return 0;
        }
        // A keyword clicked comes to the top: its article is shown.
        DATAWINDOW& w = datawindow[id];
        const int line = y / std::max(1, ItemHeight(id));
        SetFocus(list);
        if (line > 0 && line < w.lx_radku_filled && w.lx_radek[line].record > 0 &&
            LX_NaplnRadky(id, w.lx_radek[line].record))
            LX_Redisplay(id);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_RBUTTONDOWN:
        ListMenu(id, list, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    default:
        break;
    }
    return CallOld(list, msg, wParam, lParam);
}

LRESULT CALLBACK LX_RichProc(HWND view, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Unsubclass(view, msg)) return CallWindowProcA(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(view, GWLP_WNDPROC)),
                                                      view, msg, wParam, lParam);
    const int id = WindowOfControl(view);
    if (id < 0) return CallOld(view, msg, wParam, lParam);
    switch (msg) {
    case WM_KEYDOWN:
        if (ScrollKey(id, static_cast<UINT>(wParam))) return 0;
        if (GetKeyState(VK_CONTROL) < 0 && (wParam == 'C' || wParam == VK_INSERT)) {
            CopyViewSelection(view);
            return 0;
        }
        break;
    case WM_COPY:
        // Rich text as shown, and Unicode text for other programs.
        CopyViewSelection(view);
        return 0;
    case WM_MOUSEWHEEL:
        if (WheelStep(id, GET_WHEEL_DELTA_WPARAM(wParam))) return 0;
        break;
    case WM_SETCURSOR: {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(view, &pt);
        if (InSplitter(id, view, pt.x, pt.y)) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
        if (InSplitter(id, view, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
            StartSplit(id);
            return 0;
        }
        // A click refreshes the information window while it is visible.
        if (status.info_visible == 1 && AnalyseViewClick(id, view, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
            INFO_ShowClick();
        break;
    case WM_LBUTTONDBLCLK:
        ArticleDoubleClick(id, view, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        ArticleMenu(id, view, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    default:
        break;
    }
    return CallOld(view, msg, wParam, lParam);
}

// ------------------------------------------------------------ the MDI child

void LX_Setup_ListBox(int id)
{
    DATAWINDOW& w = datawindow[id];
    const char* face = RTFCzechFontName;
    int height = static_cast<int>(0.81818181818182 * RTFCzechFontSize);
    int charset = w.lx_keyword_charset;
    if (w.language == SCRIPT_HEBREW) {
        face = status.script == 1 ? "HebrewUniversalS" : "HebrewUniversal";
        height = static_cast<int>(0.81818181818182 * RTFHebFontSize);
        charset = DEFAULT_CHARSET;
    } else if (w.language == SCRIPT_GREEK) {
        face = RTFGreekFontName;
        height = static_cast<int>(0.81818181818182 * RTFGreekFontSize);
        charset = DEFAULT_CHARSET;
    }
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<DWORD>(charset),
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    if (!font) {
        MessageBoxA(H(w.hwnd), "Cannot create font in LX_Setup_ListBox()", "Internal Error - please report!",
                    MB_OK | MB_ICONERROR);
        return;
    }
    w.lx_hfont = font;
    SendMessageA(H(w.lx_hlistbox), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageA(H(w.lx_hcombo), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    HDC dc = GetDC(H(w.lx_hlistbox));
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(H(w.lx_hlistbox), dc);
    const int item = std::max<int>(12, tm.tmHeight + 2);
    SendMessageA(H(w.lx_hlistbox), LB_SETITEMHEIGHT, 0, item);
    SendMessageA(H(w.lx_hcombo), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
    SendMessageA(H(w.lx_hcombo), CB_SETITEMHEIGHT, 0, item);
}

void Lx_OnDrawItem(HWND, const DRAWITEMSTRUCT* di)
{
    const int id = WindowOfControl(di->hwndItem);
    if (id < 0) return;
    DATAWINDOW& w = datawindow[id];
    HDC dc = di->hDC;
    RECT rc = di->rcItem;
    if (di->CtlType == ODT_LISTBOX) {
        const int i = static_cast<int>(di->itemID);
        COLORREF back = GetSysColor(COLOR_WINDOW);
        if (status.opt_lx_highlight_line == 1)
            back = static_cast<COLORREF>(status.lx_highlight_line_color[i % 2 == 0 ? 1 : 0]);
        HBRUSH brush = CreateSolidBrush(back);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        if (i >= 0 && i < w.lx_radku_filled && w.lx_radek[i].record > 0) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            HGDIOBJ old = SelectObject(dc, w.lx_hfont ? static_cast<HFONT>(w.lx_hfont) : GetStockObject(DEFAULT_GUI_FONT));
            RECT text = rc;
            text.left += 3;
            text.right -= 3;
            DrawTextA(dc, w.lx_radek[i].tLeft, -1, &text,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (w.language == SCRIPT_HEBREW ? DT_RIGHT : DT_LEFT));
            SelectObject(dc, old);
        }
        return;
    }
    if (di->CtlType == ODT_COMBOBOX) {
        const bool selected = (di->itemState & ODS_SELECTED) != 0;
        FillRect(dc, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (static_cast<int>(di->itemID) >= 0) {
            char text[128] = "";
            SendMessageA(di->hwndItem, CB_GETLBTEXT, di->itemID, reinterpret_cast<LPARAM>(text));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT t = rc;
            t.left += LOWORD(GetDialogBaseUnits()) / 4;
            DrawTextA(dc, text, -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (di->itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
    }
}

void Lx_OnMeasureItem(HWND, MEASUREITEMSTRUCT* mi)
{
    mi->itemHeight = 18;
}

HBRUSH Lx_OnCtlColorEdit(HWND hwnd, HDC dc, HWND control, int type)
{
    (void)type;
    const int id = FindDatawindowOfHwnd(hwnd);
    if (Valid(id) && control == H(datawindow[id].lx_hcomboEdit) && status.opt_lx_highlight_combo == 1 &&
        FilterActive(datawindow[id])) {
        SetBkColor(dc, static_cast<COLORREF>(status.opt_lx_highlight_combo_color));
        return FilterBrush();
    }
    return FORWARD_WM_CTLCOLOREDIT(hwnd, dc, control, DefMDIChildProcA);
}

void Lx_OnCommand(HWND hwnd, int command, HWND control, UINT notify)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (!Valid(id)) return;
    DATAWINDOW& w = datawindow[id];
    if (command == IDC_LX_COMBO) {
        if (g_rewriting) return;
        if (notify == CBN_EDITCHANGE && w.language != SCRIPT_HEBREW) KeySearch(id);
        else if (notify == CBN_EDITUPDATE && w.language == SCRIPT_HEBREW) HebrewKeyUpdate(id);
        else if (notify == CBN_DROPDOWN) FillComboPatterns(id);
        else if (notify == CBN_SELCHANGE) {
            const LRESULT k = SendMessageA(H(w.lx_hcombo), CB_GETCURSEL, 0, 0);
            char text[128] = "";
            if (k != CB_ERR) SendMessageA(H(w.lx_hcombo), CB_GETLBTEXT, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(text));
            SetKeyText(id, text);
            if (LX_KeySearchFromEdit(id, text) > 0) ShowKeyResult(id);
        }
        return;
    }
    if (command == IDC_LX_RELOAD) {
        Reload(id);
        return;
    }
    if (command >= IDM_TAG_FIRST && command <= IDM_TAG_LAST) {
        ProcessTagMenuCommand(id, command);
        LX_ZobrazText(id);
        return;
    }
    switch (command) {
    case IDM_LX_JUMPS:
        w.no_jumps = w.no_jumps ? 0 : 1;
        return;
    case IDM_LX_SYNC:
        w.sync = w.sync ? 0 : 1;
        return;
    default:
        FORWARD_WM_COMMAND(hwnd, command, control, notify, DefMDIChildProcA);
    }
}

void Lx_OnVScroll(HWND hwnd, HWND, UINT code, int)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (Valid(id)) Scroll(id, static_cast<int>(code));
}

void Lx_OnSize(HWND hwnd, UINT state, int cx, int cy)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (Valid(id) && state != SIZE_MINIMIZED) LX_Layout(id);
    FORWARD_WM_SIZE(hwnd, state, cx, cy, DefMDIChildProcA);
}

void Lx_OnMouseMove(HWND hwnd, int x, int, UINT)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (!Valid(id) || status.lx_resizing != 1) return;
    DATAWINDOW& w = datawindow[id];
    w.lx_listbox_width = std::clamp(x - 3, static_cast<int>(status.lx_lb_min_width), std::max(1, MaxListWidth(id)));
    LX_Layout(id);
}

void Lx_OnLButtonDown(HWND hwnd, BOOL, int x, int y, UINT)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (Valid(id) && InSplitter(id, hwnd, x, y)) StartSplit(id);
}

void Lx_OnLButtonUp(HWND hwnd, int, int, UINT)
{
    if (status.lx_resizing != 1) return;
    status.lx_resizing = 0;
    ClipCursor(nullptr);
    ReleaseCapture();
    const int id = FindDatawindowOfHwnd(hwnd);
    if (Valid(id)) LX_Layout(id);
}

BOOL Lx_OnSetCursor(HWND hwnd, HWND cursor_window, UINT hit, UINT msg)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    if (Valid(id) && cursor_window == hwnd && (status.lx_resizing == 1 || InSplitter(id, hwnd, pt.x, pt.y))) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));
        return TRUE;
    }
    return FORWARD_WM_SETCURSOR(hwnd, cursor_window, hit, msg, DefMDIChildProcA);
}

// The Lexicon menu's tag submenu holds the tag options of the active
// lexicon window (the frame enables the menu's items).
void PutTagMenu(int id)
{
    HMENU bar = hMain ? GetMenu(hMain) : nullptr;
    if (!bar || !g_hMDIClient) return;
    BOOL maximised = FALSE;
    SendMessageA(g_hMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    HMENU lex = GetSubMenu(bar, 2 + (maximised ? 1 : 0));
    if (!lex) return;
    HMENU old = GetSubMenu(lex, 2);
    HMENU tags = CreateTagMenu(id);
    if (!tags) return;
    char label[128];
    LANG_LoadString(nullptr, IDS_MENU_TAG_OPTIONS, label, sizeof label);
    const UINT state = GetMenuState(lex, 2, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED);
    ModifyMenuA(lex, 2, MF_BYPOSITION | MF_POPUP | state, reinterpret_cast<UINT_PTR>(tags), label);
    if (old && old != tags) DestroyMenu(old);
}

void Lx_OnMDIActivate(HWND hwnd, BOOL active, HWND activated, HWND deactivated)
{
    (void)active;  // the message carries only the two windows
    const int id = FindDatawindowOfHwnd(hwnd);
    if (Valid(id) && activated == hwnd) {
        status.bk_last_book = id;
        PutTagMenu(id);
        UpdateButonStates();
        UpdateStatusBar(id, -1);
    }
    FORWARD_WM_MDIACTIVATE(hwnd, active, activated, deactivated, DefMDIChildProcA);
}

void Lx_OnSetFocus(HWND hwnd, HWND)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (Valid(id) && datawindow[id].lx_hcomboEdit) SetFocus(H(datawindow[id].lx_hcomboEdit));
}

void Lx_OnClose(HWND hwnd)
{
    if (SearchDialogOpen()) {
        Beep();
        return;
    }
    FORWARD_WM_CLOSE(hwnd, DefMDIChildProcA);
}

void Lx_OnDestroy(HWND hwnd)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id < 0) return;
    ZrusDatawindow(id);
    UsporadejOkna();
    BK_UpdateAllBookWindows();
    if (status.num_windows == 0) {
        BK_UpdateNavigator(BOOK_POSITION{}, -1, 3);
        g_status_text[1][0] = '\0';
        UpdateStatusBar(-1, -1);  // the library part counts the open modules
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

} // namespace

LRESULT LX_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        HANDLE_MSG(hwnd, WM_DRAWITEM, Lx_OnDrawItem);
        HANDLE_MSG(hwnd, WM_MEASUREITEM, Lx_OnMeasureItem);
        HANDLE_MSG(hwnd, WM_CTLCOLOREDIT, Lx_OnCtlColorEdit);
        HANDLE_MSG(hwnd, WM_COMMAND, Lx_OnCommand);
        HANDLE_MSG(hwnd, WM_VSCROLL, Lx_OnVScroll);
        HANDLE_MSG(hwnd, WM_SIZE, Lx_OnSize);
        HANDLE_MSG(hwnd, WM_MOUSEMOVE, Lx_OnMouseMove);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, Lx_OnLButtonDown);
        HANDLE_MSG(hwnd, WM_LBUTTONUP, Lx_OnLButtonUp);
        HANDLE_MSG(hwnd, WM_SETCURSOR, Lx_OnSetCursor);
        HANDLE_MSG(hwnd, WM_MDIACTIVATE, Lx_OnMDIActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, Lx_OnSetFocus);
        HANDLE_MSG(hwnd, WM_CLOSE, Lx_OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, Lx_OnDestroy);
    default:
        return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    }
}

int LX_GetListBoxLines(int id)
{
    if (!Valid(id) || !datawindow[id].lx_hlistbox) return 0;
    RECT rc;
    GetClientRect(H(datawindow[id].lx_hlistbox), &rc);
    return std::clamp(static_cast<int>(rc.bottom / std::max(1, ItemHeight(id))), 0, LX_MAX_LINES);
}

void LX_Layout(int id)
{
    if (!Valid(id)) return;
    DATAWINDOW& w = datawindow[id];
    HWND hwnd = H(w.hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int W = rc.right, Ht = rc.bottom;
    const int most = static_cast<int>(0.9 * (W - 7));
    w.lx_listbox_width = std::max<int>(w.lx_listbox_width, status.lx_lb_min_width);
    if (most > 0) w.lx_listbox_width = std::min(w.lx_listbox_width, most);
    const int lw = w.lx_listbox_width;
    const int h = std::max(0, Ht - kTop);
    if (w.lx_hbutton) MoveWindow(H(w.lx_hbutton), 3, 3, 60, 25, TRUE);
    if (w.lx_hcombo) MoveWindow(H(w.lx_hcombo), 68, 3, std::max(20, W - 90), 200, TRUE);
    if (w.lx_hlistbox) MoveWindow(H(w.lx_hlistbox), 3, kTop, lw, h, TRUE);
    if (w.hrichedit) MoveWindow(H(w.hrichedit), lw + 7, kTop, std::max(0, W - lw - 29), h, TRUE);
    if (w.lx_hscroll_data) MoveWindow(H(w.lx_hscroll_data), W - 19, 3, 16, std::max(0, Ht - 3), TRUE);
    w.lx_rtf_width = std::max(0, W - lw - 29);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    w.position = SV_RECT{wr.left, wr.top, wr.right, wr.bottom};

    const int lines = LX_GetListBoxLines(id);
    if (lines != w.lx_listbox_lines) {
        LX_ResizeList(id, lines);
        LX_ZobrazRadky(id);
        LX_NastavScroll(id);
    }
}

int LX_ZobrazText(int id)
{
    if (!Valid(id)) return 0;
    LX_ZobrazComment(id);
    return BK_ZobrazText(id);
}

void LX_Redisplay(int id)
{
    if (!Valid(id)) return;
    LX_ZobrazRadky(id);
    LX_NastavScroll(id);
    LX_ZobrazText(id);
    UpdateStatusIfActive(id);
}

void LX_UpdateAllLexComments()
{
    for (int i = 0; i < status.num_windows; ++i)
        if (Valid(i)) LX_ZobrazText(i);
}

void LX_StatusBarText(int id, char* out, int size)
{
    if (!out || size <= 0) return;
    out[0] = '\0';
    if (Valid(id)) LX_StatusText(id, out, static_cast<std::size_t>(size));
}

int CreateLexMDIChild(HWND hMDIClient, int id_file)
{
    if (!hMDIClient) return 0;
    const int id = LX_OpenDatawindow(id_file);
    if (id < 0) return 0;
    DATAWINDOW& w = datawindow[id];
    HWND hwnd = CreateMDIWindowA(kChildClassName, datafile[id_file].title, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, hMDIClient, hInst, 0);
    if (!hwnd) {
        ZrusDatawindow(id);
        return 0;
    }
    w.hwnd = hwnd;
    auto child = [&](DWORD ex, const char* cls, const char* text, DWORD style, int control) {
        return CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)), hInst, nullptr);
    };
    HWND button = child(0, "BUTTON", Str(IDS_LX_RELOAD).c_str(), BS_PUSHBUTTON, IDC_LX_RELOAD);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    w.lx_hbutton = button;
    HWND combo = child(0, "COMBOBOX", "", CBS_DROPDOWN | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_AUTOHSCROLL |
                                              WS_VSCROLL | WS_TABSTOP, IDC_LX_COMBO);
    w.lx_hcombo = combo;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    HWND edit = GetComboBoxInfo(combo, &info) ? info.hwndItem : GetWindow(combo, GW_CHILD);
    w.lx_hcomboEdit = edit;
    if (edit) w.lx_OldcomboEditProc = Subclass(edit, LX_ComboEditProc);
    HWND list = child(WS_EX_CLIENTEDGE, "LISTBOX", "",
                      LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | LBS_NOSEL, IDC_LX_LISTBOX);
    w.lx_hlistbox = list;
    w.lx_Old_lb_Proc = Subclass(list, LX_ListBoxProc);
    HWND view = child(WS_EX_CLIENTEDGE, "RichEdit", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL, IDC_LX_RICHEDIT);
    w.hrichedit = view;
    SendMessageA(view, EM_EXLIMITTEXT, 0, 128000);
    w.lx_OldRichProc = Subclass(view, LX_RichProc);
    w.lx_hscroll_data = child(0, "SCROLLBAR", "", SBS_VERT, IDC_LX_SCROLLBAR);
    LX_Setup_ListBox(id);
    LX_Layout(id);

    LX_PocatecniVypis(id, 1);
    HICON icon = LoadIconA(hInst, MAKEINTRESOURCEA(IDI_CHILD));
    if (icon) SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    UsporadejOkna();
    LX_Layout(id);
    BK_UpdateAllBookWindows();
    status.bk_last_book = id;
    LX_Redisplay(id);
    UpdateButonStates();
    UpdateStatusBar(id, -1);
    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
    return 1;
}

namespace {

// A lexicon window of the saved layout: its rectangle, its word-column width
// and the record at the top of its list.
int ReopenLexWindow(int id_file, const CFG_WINDOW& entry)
{
    if (!CreateLexMDIChild(g_hMDIClient, id_file)) return -1;
    const int id = status.num_windows - 1;
    MoveWindowByCfg(id, entry);
    if (entry.param > 0) datawindow[id].lx_listbox_width = entry.param;
    LX_Layout(id);
    if (LX_ScrollTrack(id, entry.offset)) LX_Redisplay(id);
    UpdateStatusBar(id, -1);
    return id;
}

// What the layout keeps as a lexicon's place: the list's scroll position,
// the number of its top record.
int32_t SavedListPosition(int id)
{
    const DATAWINDOW& w = datawindow[id];
    return w.lx_radek && w.lx_radku_filled > 0 ? w.lx_radek[0].record : 0;
}

// The window part of the status bar: image 1 while a filter is active.
int StatusProvider(int id, int* image, char* text, int size)
{
    if (!Valid(id) || !LX_StatusText(id, text, static_cast<std::size_t>(size))) return 0;
    *image = FilterActive(datawindow[id]) ? 1 : 0;
    return 1;
}

} // namespace

void LX_InstallWindowHooks()
{
    SetStatusRecordProvider(StatusProvider);
    RegisterCfgWindowKind(MODULE_LEXICON, CFG_WINDOW_KIND{ReopenLexWindow, SavedListPosition});
    RegisterDataWindowKind(DW_KIND_LEXICON, LX_WndProc, CreateLexMDIChild);
    g_lx_show_key = ShowKey;
    g_lx_show_list = ShowList;
}
