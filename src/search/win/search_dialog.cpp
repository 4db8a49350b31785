#include "search/win/search_dialog.h"

#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
#include "books/rtf_tags.h"
#include "books/win/book_window.h"
#include "cmdline/sync_names.h"
#include "lex/lex_list.h"
#include "lex/lookup.h"
#include "lex/win/lex_window.h"
#include "search/book_search.h"
#include "search/lex_search.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/results_list.h"
#include "search/search_request.h"
#include "text/keyboard.h"
#include "resource.h"

namespace {

// The controls one of the three search tabs has (0 where it has none).
struct TAB_IDS {
    int dialog;
    int find, close, pattern, latin, hebrew, greek, star, question, case_sensitive, ignore_vowels, in_lex_results,
        books, lexicons, module, range, new_range, close_after, to_list, progress;
};

const TAB_IDS kTabs[3] = {
    {IDD_SEARCH_TEXT, IDC_ST_FIND, IDC_ST_CLOSE, IDC_ST_PATTERN, IDC_ST_LATIN, IDC_ST_HEBREW, IDC_ST_GREEK,
     IDC_ST_INSERT_STAR, IDC_ST_INSERT_QUESTION, IDC_ST_CASE_SENSITIVE, IDC_ST_IGNORE_VOWELS, IDC_ST_IN_LEX_RESULTS,
     IDC_ST_BOOKS, IDC_ST_LEXICONS, IDC_ST_MODULE, IDC_ST_RANGE, IDC_ST_NEW_RANGE, IDC_ST_CLOSE_AFTER,
     IDC_ST_TO_VERSE_LIST, IDC_ST_PROGRESS},
    {IDD_SEARCH_STRONG, IDC_SS_FIND, IDC_SS_CLOSE, IDC_SS_PATTERN, IDC_SS_LATIN, IDC_SS_HEBREW, IDC_SS_GREEK,
     IDC_SS_INSERT_STAR, IDC_SS_INSERT_QUESTION, IDC_SS_CASE_SENSITIVE, IDC_SS_IGNORE_VOWELS, IDC_SS_IN_LEX_RESULTS,
     IDC_SS_BOOKS, IDC_SS_LEXICONS, IDC_SS_MODULE, IDC_SS_RANGE, IDC_SS_NEW_RANGE, IDC_SS_CLOSE_AFTER,
     IDC_SS_TO_VERSE_LIST, IDC_SS_PROGRESS},
    {IDD_SEARCH_REFERENCE, IDC_SR_FIND, IDC_SR_CLOSE, 0, 0, 0, 0, 0, 0, 0, 0, IDC_SR_IN_LEX_RESULTS, IDC_SR_BOOKS,
     IDC_SR_LEXICONS, IDC_SR_MODULE, IDC_SR_RANGE, IDC_SR_NEW_RANGE, IDC_SR_CLOSE_AFTER, IDC_SR_TO_VERSE_LIST,
     IDC_SR_PROGRESS},
};

HWND g_child = nullptr;       // the child dialog of the selected tab

// The module of a book search is prepared for searching (its image read and
// its texts folded) when the dialog has been drawn, not when Find is pressed.
void PostPrepareImage()
{
    if (hSearchDlg) PostMessageA(hSearchDlg, WM_SEVIR_PREPARE_SEARCH, 0, 0);
}
int g_child_tab = -1;         // its tab
HWND g_tab = nullptr;         // the tab strip
HFONT g_pattern_font = nullptr;
SIZE g_min_frame = {0, 0};    // the frame's size at creation: the smallest it gets

// The edit field of the pattern box keeps its selection across focus changes.
int pattern_select_l = 0, pattern_select_r = 0;
WNDPROC g_old_edit_proc = nullptr;
bool g_last_key_deletes = false;

const TAB_IDS* Ids()
{
    return g_child_tab >= 0 && g_child_tab < 3 ? &kTabs[g_child_tab] : nullptr;
}

bool Checked(int id)
{
    return g_child && id && IsDlgButtonChecked(g_child, id) == BST_CHECKED;
}

void Check(int id, bool on)
{
    if (g_child && id) CheckDlgButton(g_child, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void EnableId(int id, bool on)
{
    if (g_child && id) EnableWindow(GetDlgItem(g_child, id), on ? TRUE : FALSE);
}

std::string Str(int id)
{
    char text[256];
    LANG_LoadString(nullptr, id, text, sizeof text);
    return text;
}

bool ValidWindow(int dw)
{
    return dw >= 0 && dw < status.num_windows && dw < MAX_DATAWINDOWS;
}

int FileOfWindow(int dw)
{
    return ValidWindow(dw) ? datawindow[dw].id_file : -1;
}

// The window searched for catalogue entry id_file: a book window that is not
// the results window, or the lexicon window; else -1.
int WindowOfFile(int id_file, int type)
{
    int found = -1;
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i) {
        const DATAWINDOW& w = datawindow[i];
        if (w.id_file != id_file || w.type != type || w.infowindow) continue;
        if (type == MODULE_BOOK && w.results) {
            if (found < 0) found = i;
            continue;
        }
        return i;
    }
    return found;
}

// The window whose module is the selected row of the module combo.
int SelectedWindow()
{
    const int row = search_in.combo_files_select;
    if (row < 0 || row >= search_in.combo_files_count) return -1;
    const int id_file = search_in.combo_files_index[row];
    if (FileOfWindow(search_in.datawindow) == id_file &&
        datawindow[search_in.datawindow].type == (search_in.mode == 1 ? MODULE_LEXICON : MODULE_BOOK))
        return search_in.datawindow;
    return WindowOfFile(id_file, search_in.mode == 1 ? MODULE_LEXICON : MODULE_BOOK);
}

void SetFrameTitle()
{
    if (!hSearchDlg) return;
    SetWindowTextA(hSearchDlg, Str(search_in.mode == 0 && search_in.in_results == 1 ? 10052 : 10051).c_str());
}

// ---------------------------------------------------------------- pattern box

HWND PatternEdit(HWND combo)
{
    return combo ? FindWindowExA(combo, nullptr, "Edit", nullptr) : nullptr;
}

// The script the pattern box types in: the text tab's script, or on the
// Strong's tab the chosen script of a word search.
int TypingScript(int combo_id)
{
    if (combo_id == IDC_ST_PATTERN) return search_in.type;
    if (combo_id == IDC_SS_PATTERN && Checked(IDC_SS_BY_WORD)) return search_in.type;
    return 0;
}

void HebrewAfterChange(HWND edit, bool move_left)
{
    char text[256] = "";
    GetWindowTextA(edit, text, sizeof text);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    char before[256];
    std::memcpy(before, text, sizeof before);
    Autoend(text, status.autoend, 0);
    if (std::strcmp(before, text) != 0) SetWindowTextA(edit, text);
    DWORD caret = end;
    if (move_left && caret > 0) --caret;
    CallWindowProcA(g_old_edit_proc, edit, EM_SETSEL, caret, caret);
}

LRESULT CALLBACK SearchEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int combo_id = GetDlgCtrlID(GetParent(edit));
    const int script = TypingScript(combo_id);
    switch (msg) {
    case WM_KEYDOWN:
        g_last_key_deletes = wParam == VK_DELETE || wParam == VK_BACK;
        if (wParam == VK_DELETE && script == SCRIPT_HEBREW) {
            const LRESULT r = CallWindowProcA(g_old_edit_proc, edit, msg, wParam, lParam);
            HebrewAfterChange(edit, false);
            return r;
        }
        break;
    case WM_CHAR: {
        if (wParam == '\r' || wParam == 27) break;
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        WPARAM ch = wParam;
        if ((script == SCRIPT_HEBREW || script == SCRIPT_GREEK) && status.koduj_znak == 1 && (wParam >= 32 || ctrl) &&
            wParam != 8) {
            const int shift = GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
            const int code = script == SCRIPT_HEBREW ? PrekodujKeyHE(static_cast<int>(wParam), shift, ctrl ? 1 : 0)
                                                     : PrekodujKeyGR(static_cast<int>(wParam), shift, ctrl ? 1 : 0);
            if (code == 0) return 0;
            status.last_char = code;
            ch = static_cast<WPARAM>(code & 0xFF);
        }
        const LRESULT r = CallWindowProcA(g_old_edit_proc, edit, msg, ch, lParam);
        if (script == SCRIPT_HEBREW) HebrewAfterChange(edit, wParam != 8 && !g_last_key_deletes);
        g_last_key_deletes = false;
        return r;
    }
    case WM_KILLFOCUS: {
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        pattern_select_l = static_cast<int>(start);
        pattern_select_r = static_cast<int>(end);
        break;
    }
    case EM_SETSEL:
        // Selecting everything, as a focus change does, keeps the selection.
        if (static_cast<long>(wParam) == 0 && static_cast<long>(lParam) == -1 && GetFocus() != edit &&
            (pattern_select_l || pattern_select_r))
            return CallWindowProcA(g_old_edit_proc, edit, msg, static_cast<WPARAM>(pattern_select_l),
                                   static_cast<LPARAM>(pattern_select_r));
        break;
    default:
        break;
    }
    return CallWindowProcA(g_old_edit_proc, edit, msg, wParam, lParam);
}

HFONT PatternFont(int language)
{
    const char* face = RTFCzechFontName;
    int size = RTFCzechFontSize;
    int charset = search_in.charset;
    if (language == SCRIPT_HEBREW) {
        face = status.script == 1 ? "HebrewUniversalS" : "HebrewUniversal";
        size = RTFHebFontSize;
        charset = ANSI_CHARSET;
    } else if (language == SCRIPT_GREEK) {
        face = RTFGreekFontName[0] ? RTFGreekFontName : "GreekUniversal";
        size = RTFGreekFontSize;
        charset = ANSI_CHARSET;
    }
    const int height = std::clamp(static_cast<int>(0.81818181818182 * size), 12, language == SCRIPT_LATIN ? 16 : 20);
    return CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<DWORD>(charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face && face[0] ? face : "Arial");
}

} // namespace

int SetComboPatternLanguage(HWND hDlg, int language, int id_combo)
{
    HWND old = GetDlgItem(hDlg, id_combo);
    if (!old) return 0;
    RECT rc;
    GetWindowRect(old, &rc);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    HWND previous = GetWindow(old, GW_HWNDPREV);
    DestroyWindow(old);
    HFONT font = PatternFont(language);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                 rc.left, rc.top, rc.right - rc.left, 150, hDlg,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_combo)), hInst, nullptr);
    if (!combo) {
        if (font) DeleteObject(font);
        return 0;
    }
    SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (g_pattern_font) DeleteObject(g_pattern_font);
    g_pattern_font = font;
    SetWindowPos(combo, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(combo, CB_LIMITTEXT, 63, 0);
    if (HWND edit = PatternEdit(combo)) {
        WNDPROC old_proc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SearchEditProc)));
        if (old_proc != SearchEditProc) g_old_edit_proc = old_proc;
    }
    pattern_select_l = pattern_select_r = 0;
    return 1;
}

int IsFileTypeOpen(int type)
{
    for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i)
        if (datafile[i].type == type && datafile[i].opened) return i;
    return -1;
}

// Fills the module combo box with the open modules of type, selecting id_file.
// With id_file -1 and type 0 only the module of search_in.datawindow.
int FillComboFiles(int id_file, int type, int id_combo)
{
    HWND combo = g_child ? GetDlgItem(g_child, id_combo) : nullptr;
    if (combo) SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    search_in.combo_files_count = 0;
    search_in.combo_files_select = 0;
    auto add = [&](int f) {
        if (search_in.combo_files_count >= 30) return;
        char row[128];
        std::snprintf(row, sizeof row, "[%s] %s", datafile[f].abbrev, datafile[f].title);
        if (combo) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        if (f == id_file) search_in.combo_files_select = search_in.combo_files_count;
        search_in.combo_files_index[search_in.combo_files_count++] = f;
    };
    if (id_file == -1 && type == 0) {
        const int f = FileOfWindow(search_in.datawindow);
        if (f >= 0 && f < status.files_all) add(f);
    } else {
        for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i)
            if (datafile[i].type == type && datafile[i].opened) add(i);
    }
    if (combo) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(search_in.combo_files_select), 0);
    return search_in.combo_files_count;
}

void FillComboPatterns(HWND hDlg, int id_combo)
{
    HWND combo = GetDlgItem(hDlg, id_combo);
    if (!combo) return;
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < search_in.patt_hist_count && i < SEARCH_HISTORY; ++i) {
        const PATT_HIST& h = search_in.patt_hist[i];
        bool fits;
        if (id_combo == IDC_ST_PATTERN)
            fits = h.str_type == 1 && h.type == search_in.type;
        else if (search_in.str_type == 0)
            fits = h.str_type == 0;
        else
            fits = h.str_type == 1 && h.type == search_in.type;
        if (!fits) continue;
        const LRESULT row = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(h.pattern));
        if (row >= 0) SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(row), i);
    }
}

int FillComboReferences(HWND hDlg, int id_combo, int select)
{
    HWND combo = GetDlgItem(hDlg, id_combo);
    if (!combo) return 0;
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < search_in.ref_hist_count && i < SEARCH_HISTORY; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(search_in.ref_hist[i].string));
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(select), 0);
    return 1;
}

int FillRefComboSBKFiles(int id_file, int mode, int id_combo)
{
    HWND combo = g_child ? GetDlgItem(g_child, id_combo) : nullptr;
    if (combo) SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    search_in.ref_combo_files_count = 0;
    search_in.ref_combo_files_select = 0;
    if (id_file < 0 || id_file >= status.files_all) {
        if (combo) {
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Str(10109).c_str()));
            SendMessageA(combo, CB_SETCURSEL, 0, 0);
        }
        return 0;
    }
    auto add = [&](int f) {
        if (search_in.ref_combo_files_count >= 30) return;
        char row[128];
        std::snprintf(row, sizeof row, "[%s] %s", datafile[f].abbrev, datafile[f].title);
        if (combo) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        if (f == id_file) search_in.ref_combo_files_select = search_in.ref_combo_files_count;
        search_in.ref_combo_files_index[search_in.ref_combo_files_count++] = f;
    };
    if (mode == 1) {
        for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i)
            if (datafile[i].type == MODULE_BOOK && datafile[i].opened) add(i);
    } else {
        add(id_file);
    }
    if (combo) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(search_in.ref_combo_files_select), 0);
    return search_in.ref_combo_files_count;
}

namespace {

// ---------------------------------------------------------------- tab set-up

int ModuleRowForRanges()
{
    if (search_in.mode == 1) return -2;
    if (search_in.in_results == 1) return -1;
    return search_in.combo_files_select;
}

void FillRanges()
{
    const TAB_IDS* t = Ids();
    if (!t) return;
    const int row = ModuleRowForRanges();
    int select = 0;
    if (row >= 0) {
        // The range chosen last stays chosen while the module lists it.
        const int dw = SelectedWindow();
        if (dw >= 0) SEARCH_FillRangeRows(dw, nullptr, 0);
        const int r = SEARCH_RangeRow(search_in.range_last);
        select = r >= 0 ? r : 0;
    }
    FillComboOfRanges(g_child, row, select, t->range);
}

void SetPatternText(const char* text)
{
    const TAB_IDS* t = Ids();
    if (!t || !t->pattern) return;
    SetDlgItemTextA(g_child, t->pattern, text);
}

std::string PatternText()
{
    const TAB_IDS* t = Ids();
    if (!t || !t->pattern) return "";
    char text[256] = "";
    GetDlgItemTextA(g_child, t->pattern, text, sizeof text);
    text[63] = '\0';
    return text;
}

// The script buttons show type (Strong's number search: the language).
void CheckScript()
{
    const TAB_IDS* t = Ids();
    if (!t || !t->latin) return;
    int script = search_in.type;
    if (g_child_tab == 1 && search_in.str_type == 0) script = search_in.str_language == 2 ? 2 : 1;
    Check(t->latin, script == 0);
    Check(t->hebrew, script == 1);
    Check(t->greek, script == 2);
}

// Enabling that follows the script, the kind of search and the module kind.
void UpdateEnabling()
{
    const TAB_IDS* t = Ids();
    if (!t) return;
    const bool books_open = IsFileTypeOpen(MODULE_BOOK) >= 0;
    const bool lex_open = IsFileTypeOpen(MODULE_LEXICON) >= 0;
    const bool in_results = search_in.in_results == 1;
    EnableId(t->books, books_open && !in_results);
    EnableId(t->lexicons, lex_open && !in_results);
    // Verse lists are not part of the program yet.
    Check(t->to_list, false);
    EnableId(t->to_list, false);
    const int dw = SelectedWindow();
    const bool lex_results = search_in.mode == 1 && ValidWindow(dw) && datawindow[dw].search_out_lx.hit_verses > 0;
    EnableId(t->in_lex_results, lex_results);
    if (!lex_results) Check(t->in_lex_results, false);
    EnableId(t->new_range, search_in.mode == 0 && !in_results);
    if (g_child_tab == 0) {
        EnableId(t->case_sensitive, search_in.type != SCRIPT_HEBREW);
        EnableId(t->ignore_vowels, search_in.type == SCRIPT_HEBREW);
        bool lex_of_script = false;
        for (int i = 0; i < status.num_windows; ++i)
            if (datawindow[i].type == MODULE_LEXICON && datawindow[i].language == search_in.type) lex_of_script = true;
        EnableId(IDC_ST_SHOW_IN_LEX, lex_of_script);
    } else if (g_child_tab == 1) {
        const bool number = Checked(IDC_SS_BY_NUMBER);
        EnableId(IDC_SS_PREV_NUMBER, number);
        EnableId(IDC_SS_NEXT_NUMBER, number);
        EnableId(IDC_SS_SHOW_IN_LEX, number && lex_open);
        EnableId(t->star, !number);
        EnableId(t->question, !number);
        EnableId(t->case_sensitive, !number && search_in.type != SCRIPT_HEBREW);
        EnableId(t->ignore_vowels, !number && search_in.type == SCRIPT_HEBREW);
        EnableId(t->latin, !number);
    }
}

void SetUpPatternBox()
{
    const TAB_IDS* t = Ids();
    if (!t || !t->pattern) return;
    const std::string text = PatternText();
    int script = search_in.type;
    if (g_child_tab == 1 && search_in.str_type == 0) script = 0;
    SetComboPatternLanguage(g_child, script, t->pattern);
    FillComboPatterns(g_child, t->pattern);
    SetPatternText(text.c_str());
}

void FillModuleCombos()
{
    const TAB_IDS* t = Ids();
    if (!t) return;
    if (search_in.in_results == 1)
        FillComboFiles(-1, 0, t->module);
    else
        FillComboFiles(FileOfWindow(search_in.datawindow), search_in.mode, t->module);
    FillRanges();
    if (g_child_tab == 2) {
        int book_file = -1;
        if (search_in.mode == 0) {
            book_file = FileOfWindow(search_in.datawindow);
        } else {
            const int b = IsFileTypeOpen(MODULE_BOOK);
            book_file = b;
        }
        FillRefComboSBKFiles(book_file, 1, IDC_SR_REF_BOOK);
    }
}

void SetUpTab()
{
    const TAB_IDS* t = Ids();
    if (!t) return;
    LANG_TranslateDialog(g_child);
    Check(t->books, search_in.mode == 0);
    Check(t->lexicons, search_in.mode == 1);
    FillModuleCombos();
    if (g_child_tab == 1) {
        Check(IDC_SS_BY_NUMBER, search_in.str_type == 0);
        Check(IDC_SS_BY_WORD, search_in.str_type == 1);
    }
    if (t->pattern) {
        int script = search_in.type;
        if (g_child_tab == 1 && search_in.str_type == 0) script = 0;
        SetComboPatternLanguage(g_child, script, t->pattern);
        FillComboPatterns(g_child, t->pattern);
        SetPatternText(search_in.pattern);
        CheckScript();
        Check(t->case_sensitive, search_in.case_sensitive == 1);
        Check(t->ignore_vowels, search_in.ignore_vowels == 1);
    }
    if (g_child_tab == 0) {
        Check(IDC_ST_ANY_WORD, search_in.search_for == 0);
        Check(IDC_ST_ALL_WORDS, search_in.search_for == 1);
        Check(IDC_ST_PHRASE, search_in.search_for == 2);
    }
    if (g_child_tab == 2) FillComboReferences(g_child, IDC_SR_REFERENCE, 0);
    Check(t->close_after, search_in.close_srch_dlg == 1);
    Check(t->in_lex_results, search_in.in_lex_results == 1);
    UpdateEnabling();
    if (t->progress) {
        SendDlgItemMessageA(g_child, t->progress, PBM_SETRANGE, 0, MAKELPARAM(0, 10));
        SendDlgItemMessageA(g_child, t->progress, PBM_SETSTEP, 1, 0);
    }
}

// Before leaving a tab: its controls back into the request.
void ReadTab()
{
    const TAB_IDS* t = Ids();
    if (!t) return;
    if (t->pattern) {
        const std::string text = PatternText();
        if (g_child_tab == 0) {
            std::snprintf(search_in.zaloha_patternu, sizeof search_in.zaloha_patternu, "%s", text.c_str());
            SEARCH_SetTypedPattern(text.c_str());
        } else {
            SEARCH_SetTypedPattern(text.c_str());
        }
        if (!(g_child_tab == 1 && Checked(IDC_SS_BY_NUMBER))) {
            if (Checked(t->hebrew)) search_in.type = 1;
            else if (Checked(t->greek)) search_in.type = 2;
            else if (Checked(t->latin)) search_in.type = 0;
        }
    }
    if (g_child_tab == 0) {
        search_in.search_for = Checked(IDC_ST_ANY_WORD) ? 0 : (Checked(IDC_ST_PHRASE) ? 2 : 1);
        search_in.case_sensitive = Checked(t->case_sensitive) ? 1 : 0;
        search_in.ignore_vowels = Checked(t->ignore_vowels) ? 1 : 0;
    }
    if (g_child_tab == 1) {
        search_in.str_type = Checked(IDC_SS_BY_WORD) ? 1 : 0;
        if (search_in.str_type == 0) {
            search_in.str_language = Checked(IDC_SS_GREEK) ? 2 : 1;
        } else {
            search_in.ignore_vowels = Checked(t->ignore_vowels) ? 1 : 0;
            search_in.case_sensitive = Checked(t->case_sensitive) ? 1 : 0;
        }
    }
    search_in.close_srch_dlg = Checked(t->close_after) ? 1 : 0;
    search_in.results_to_list = 0;
    search_in.in_lex_results =
        Checked(t->in_lex_results) && IsWindowEnabled(GetDlgItem(g_child, t->in_lex_results)) ? 1 : 0;
}

void CreateTab(int tab)
{
    if (!hSearchDlg) return;
    if (g_child) {
        HWND old = g_child;
        g_child = nullptr;
        DestroyWindow(old);
    }
    g_child_tab = tab;
    const int ids[4] = {IDD_SEARCH_TEXT, IDD_SEARCH_STRONG, IDD_SEARCH_REFERENCE, IDD_SEARCH_RESULTS};
    g_child = CreateDialogParamA(hInst, MAKEINTRESOURCEA(ids[tab]), hSearchDlg, ChildTabDlg, static_cast<LPARAM>(tab));
    if (!g_child) return;
    SizeDialog(hSearchDlg, g_child, g_tab);
    SetWindowPos(g_child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (tab < 3) {
        SetUpTab();
    } else {
        InitResultsListView(GetDlgItem(g_child, IDC_RESULTS_LIST));
    }
    ShowWindow(g_child, SW_SHOW);
}

// ---------------------------------------------------------------- searching

void StepProgress()
{
    const TAB_IDS* t = Ids();
    if (!t || !t->progress) return;
    // The search runs without messages: the bar is painted at once.
    HWND bar = GetDlgItem(g_child, t->progress);
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    UpdateWindow(bar);
}

struct WaitCursor {
    HCURSOR old;
    WaitCursor() : old(SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)))) {}  // IDC_WAIT
    ~WaitCursor() { SetCursor(old ? old : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); }
};

void ShowTitleOfSearch(bool lexicon, int hits, int verses, int milisec)
{
    if (!hSearchDlg) return;
    char format[160], text[256];
    LANG_LoadFormat(nullptr, lexicon ? 10101 : 10047, format, sizeof format);
    const std::string head = Str(!lexicon && search_in.in_results == 1 ? 10052 : 10051);
    std::snprintf(text, sizeof text, format, head.c_str(), hits, verses, milisec / 1000.0);
    SetWindowTextA(hSearchDlg, text);
}

// The request's window for the module chosen in the module combo; -1 after
// the message when there is none.
int ChooseWindow()
{
    const int dw = SelectedWindow();
    if (dw < 0) {
        ShowMessageBox(hSearchDlg, "Cannot find datawindow which corresponds to id_file in function ChildTabDlg() "
                                   "and FindDatawindow(int id_file)",
                       "Internal Error - please report!", SV_MB_OK | SV_MB_ICONERROR);
        return -1;
    }
    search_in.datawindow = dw;
    if (search_in.mode == 0 && search_in.in_results == 0) {
        SEARCH_FillRangeRows(dw, nullptr, 0);
        const TAB_IDS* t = Ids();
        const LRESULT row = t ? SendDlgItemMessageA(g_child, t->range, CB_GETCURSEL, 0, 0) : 0;
        search_in.combo_ranges_select = row >= 0 ? static_cast<int>(row) : 0;
        search_in.range_last = search_in.combo_ranges_index[search_in.combo_ranges_select];
    }
    return dw;
}

void StartProgress()
{
    const TAB_IDS* t = Ids();
    if (t && t->progress) SendDlgItemMessageA(g_child, t->progress, PBM_SETPOS, 0, 0);
}

void FinishBookSearch(int outcome)
{
    if (outcome == SEARCH_NOT_RUN) return;
    const SEARCH_OUT_BK& o = search_out_bk;
    // A search without hits shows its own (empty) counts; the previous
    // results are back in the record.
    if (outcome == SEARCH_NEW_HITS)
        ShowTitleOfSearch(false, o.hit_patterns, o.hit_verses, o.milisec);
    else
        ShowTitleOfSearch(false, 0, 0, o.milisec);
    if (outcome == SEARCH_NEW_HITS) {
        // The results window goes over to the module just searched: the
        // module it showed is closed when no other window shows it.
        if (status.res_visible && ValidWindow(status.id_results) && ValidWindow(search_in.datawindow)) {
            const int old_file = datawindow[status.id_results].id_file;
            if (old_file != datawindow[search_in.datawindow].id_file) ReleaseModuleFile(old_file, status.id_results);
        }
        if (g_search_ui_hooks.show_book_results) g_search_ui_hooks.show_book_results();
        if (status.res_visible) BK_UpdateNavigator(datawindow[status.id_results].book_position, status.id_results, 0);
        UpdateButonStates();
        BK_UpdateAllBookWindows();
        if (search_in.close_srch_dlg == 1) {
            CloseSearchDialog();
        } else {
            TabCtrl_SetCurSel(g_tab, 3);
            search_in.tab = 3;
            CreateTab(3);
        }
    } else {
        if (o.hit_verses > 0) {
            BK_UpdateAllBookWindows();
            if (status.res_visible && g_search_ui_hooks.update_results_window) g_search_ui_hooks.update_results_window();
        }
        UpdateButonStates();
    }
    UpdateStatusBar(status.bk_last_book, -1);
}

void FinishLexSearch(int outcome, int dw)
{
    if (outcome < 0) return;
    const TAB_IDS* t = Ids();
    const SEARCH_OUT_LX& o = datawindow[dw].search_out_lx;
    ShowTitleOfSearch(true, o.hit_patterns, o.hit_verses, o.milisec);
    if (outcome == 1) {
        if (t) EnableId(t->in_lex_results, true);
        if (g_search_ui_hooks.lexicon_results_changed) {
            g_search_ui_hooks.lexicon_results_changed(dw);
        } else {
            const int first = LX_GetValidRecordFromFilter(dw, 1, 1);
            LX_NaplnRadky(dw, first > 0 ? first : 1);
            LX_Redisplay(dw);
        }
        UpdateStatusBar(status.bk_last_book, -1);
        if (search_in.close_srch_dlg == 1) CloseSearchDialog();
    } else {
        if (t) {
            Check(t->in_lex_results, false);
            EnableId(t->in_lex_results, false);
        }
        MessageBeep(MB_OK);
    }
}

void FindText()
{
    const TAB_IDS* t = Ids();
    ReadTab();
    search_in.tab = 0;
    AddPatternToHistory(0);
    const std::string typed = search_in.pattern;
    FillComboPatterns(g_child, t->pattern);
    SetPatternText(typed.c_str());
    const int dw = ChooseWindow();
    if (dw < 0) return;
    StartProgress();
    WaitCursor wait;
    if (search_in.mode == 1)
        FinishLexSearch(SEARCH_LexText(), dw);
    else
        FinishBookSearch(SEARCH_BookText());
}

void FindStrong()
{
    const TAB_IDS* t = Ids();
    const std::string typed = PatternText();
    if (Checked(IDC_SS_BY_NUMBER)) {
        int32_t number = 0;
        if (!SEARCH_ReadStrongNumber(typed.c_str(), &number)) {
            SetPatternText("");
            return;
        }
        ReadTab();
        search_in.str_number = number;
    } else {
        ReadTab();
    }
    search_in.tab = 1;
    AddPatternToHistory(1);
    FillComboPatterns(g_child, t->pattern);
    SetPatternText(typed.c_str());
    const int dw = ChooseWindow();
    if (dw < 0) return;
    if (search_in.str_type == 0) search_in.type = datawindow[dw].language;
    StartProgress();
    WaitCursor wait;
    if (search_in.mode == 1) {
        if (search_in.str_type == 1) return;  // lexicons are searched by number only
        FinishLexSearch(SEARCH_LexStrong(), dw);
    } else {
        const int outcome = SEARCH_BookStrong();
        if (outcome == SEARCH_NEW_HITS) search_out_bk.str_sorted_column = 0;
        FinishBookSearch(outcome);
    }
}

void FindReference()
{
    ReadTab();
    search_in.tab = 2;
    const LRESULT row = SendDlgItemMessageA(g_child, IDC_SR_REFERENCE, CB_GETCURSEL, 0, 0);
    if (search_in.ref_hist_count > 0 && row < 0) return;
    const int dw = ChooseWindow();
    if (dw < 0) return;
    StartProgress();
    WaitCursor wait;
    if (search_in.mode == 1)
        FinishLexSearch(SEARCH_LexReference(static_cast<int>(row)), dw);
    else
        FinishBookSearch(SEARCH_BookReference(static_cast<int>(row)));
}

// ---------------------------------------------------------------- commands

void InsertWildcard(char symbol)
{
    const TAB_IDS* t = Ids();
    if (!t || !t->pattern) return;
    char text[256] = "";
    GetDlgItemTextA(g_child, t->pattern, text, sizeof text);
    const std::size_t n = std::strlen(text);
    if (n + 2 > 256) return;
    if (search_in.type == SCRIPT_HEBREW) {
        std::memmove(text + 1, text, n + 1);
        text[0] = symbol;
    } else {
        text[n] = symbol;
        text[n + 1] = '\0';
    }
    SetDlgItemTextA(g_child, t->pattern, text);
    HWND combo = GetDlgItem(g_child, t->pattern);
    SetFocus(combo);
    const int caret = search_in.type == SCRIPT_HEBREW ? 0 : static_cast<int>(std::strlen(text));
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(caret, caret));
}

void ChooseScript(int script)
{
    const std::string text = PatternText();
    search_in.type = script;
    search_in.str_language = script;
    search_in.charset = 0;
    SetUpPatternBox();
    SetPatternText(text.c_str());
    CheckScript();
    UpdateEnabling();
}

void ChooseModule()
{
    const TAB_IDS* t = Ids();
    const LRESULT row = SendDlgItemMessageA(g_child, t->module, CB_GETCURSEL, 0, 0);
    if (row < 0 || row >= search_in.combo_files_count) return;
    search_in.combo_files_select = static_cast<int>(row);
    search_in.range_last = 0;
    const int dw = SelectedWindow();
    if (dw >= 0) search_in.datawindow = dw;
    FillRanges();
    PostPrepareImage();
    if (dw >= 0 && t->pattern) {
        const int script = datawindow[dw].language;
        if (!(g_child_tab == 1 && Checked(IDC_SS_BY_NUMBER))) {
            ChooseScript(script);
        } else {
            search_in.type = script;
            search_in.str_language = script == 2 ? 2 : 1;
            CheckScript();
        }
    }
    UpdateEnabling();
}

void ChooseKind(int mode)
{
    if (search_in.mode == mode) return;
    const int f = IsFileTypeOpen(mode == 1 ? MODULE_LEXICON : MODULE_BOOK);
    if (f < 0) return;
    const int dw = WindowOfFile(f, mode == 1 ? MODULE_LEXICON : MODULE_BOOK);
    if (dw < 0) return;
    search_in.mode = mode;
    search_in.datawindow = dw;
    search_in.range_last = 0;
    FillModuleCombos();
    const TAB_IDS* t = Ids();
    if (t->pattern && !(g_child_tab == 1 && Checked(IDC_SS_BY_NUMBER))) ChooseScript(datawindow[dw].language);
    UpdateEnabling();
}

void NewRange()
{
    if (status.new_range_visible) return;
    const int dw = SelectedWindow();
    if (dw < 0 || search_in.mode != 0) return;
    BOOK_POSITION from{dw, 0, 0, 0}, to{dw, 0, 0, 0};
    const TAB_IDS* t = Ids();
    if (GetNewRangeOfSearch(&from, &to)) {
        from.number = to.number = dw;
        const int index = SEARCH_AddUserRange(from, to);
        if (index >= 0) search_in.range_last = index;
    } else {
        search_in.range_last = 0;
    }
    if (!g_child || !t) return;
    FillRanges();
    const int row = SEARCH_RangeRow(search_in.range_last);
    search_in.combo_ranges_select = row >= 0 ? row : 0;
    SendDlgItemMessageA(g_child, t->range, CB_SETCURSEL, static_cast<WPARAM>(search_in.combo_ranges_select), 0);
}

void NewReference()
{
    if (status.new_range_visible) return;
    const LRESULT row = SendDlgItemMessageA(g_child, IDC_SR_REF_BOOK, CB_GETCURSEL, 0, 0);
    if (row < 0 || row >= search_in.ref_combo_files_count) return;
    const int dw = WindowOfFile(search_in.ref_combo_files_index[row], MODULE_BOOK);
    if (dw < 0) return;
    BOOK_POSITION from = search_in.ref_bp_from, to = search_in.ref_bp_to;
    // The bounds are kept by sync name: they are found again in this module.
    auto resolve = [dw](BOOK_POSITION& p, const char* sync) {
        p.number = dw;
        const int b = sync[0] ? GetIndexOfSyncname(dw, sync) : -1;
        if (b >= 0) p.book = b + 1;
        else p.book = p.chapter = p.verse = 0;
    };
    resolve(from, search_in.ref_syncname_from);
    resolve(to, search_in.ref_syncname_to);
    if (!GetNewRangeOfSearch(&from, &to)) return;
    const DATAWINDOW& w = datawindow[dw];
    if (from.book < 1 || from.book > w.books || to.book < 1 || to.book > w.books) return;
    search_in.ref_bp_from = from;
    search_in.ref_bp_to = to;
    search_in.ref_bp_from.number = search_in.ref_bp_to.number = dw;
    std::snprintf(search_in.ref_syncname_from, sizeof search_in.ref_syncname_from, "%s",
                  w.book_info[from.book - 1].sync_name);
    std::snprintf(search_in.ref_syncname_to, sizeof search_in.ref_syncname_to, "%s", w.book_info[to.book - 1].sync_name);
    AddReferenceToHistory();
    if (g_child) FillComboReferences(g_child, IDC_SR_REFERENCE, 0);
}

void DisplayTextInLex()
{
    char text[256] = "";
    GetDlgItemTextA(g_child, IDC_ST_PATTERN, text, sizeof text);
    text[63] = '\0';
    if (!text[0]) return;
    int script = search_in.type;
    if (Checked(IDC_ST_HEBREW)) script = 1;
    else if (Checked(IDC_ST_GREEK)) script = 2;
    else if (Checked(IDC_ST_LATIN)) script = 0;
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i) {
        DATAWINDOW& w = datawindow[i];
        if (w.type != MODULE_LEXICON || w.sync != 1 || w.language != script) continue;
        if (status.opt_lx_clrfltr_before_look == 1) LX_ClearFilter(i);
        if (g_lx_show_key) g_lx_show_key(i, text);
        else LX_KeySearchFromEdit(i, text);
    }
}

void StepStrongNumber(int step)
{
    char text[256] = "";
    GetDlgItemTextA(g_child, IDC_SS_PATTERN, text, sizeof text);
    const char* p = text;
    while (*p && (*p < '0' || *p > '9')) ++p;
    long number = *p ? std::strtol(p, nullptr, 10) : 0;
    number += step;
    if (number < 0) number = 0;
    if (number > 99999) number = 99999;
    std::snprintf(text, sizeof text, "%ld", number);
    SetDlgItemTextA(g_child, IDC_SS_PATTERN, text);
    if (step != 0 || number >= 0) {
        const int language = Checked(IDC_SS_GREEK) ? 2 : 1;
        if (LookupStrong(language, static_cast<int>(number), search_in.datawindow) > 0)
            UpdateStatusBar(status.bk_last_book, -1);
    }
}

void Child_OnCommand(HWND hwnd, int id, HWND control, UINT code)
{
    const TAB_IDS* t = Ids();
    if (!t || hwnd != g_child) return;
    if (id == t->find || id == IDOK) {
        if (code != BN_CLICKED && id != IDOK) return;
        if (g_child_tab == 0) FindText();
        else if (g_child_tab == 1) FindStrong();
        else FindReference();
        return;
    }
    if (id == t->close || id == IDCANCEL) {
        CloseSearchDialog();
        return;
    }
    if (code == BN_CLICKED) {
        if (id == t->star) InsertWildcard('*');
        else if (id == t->question) InsertWildcard('?');
        else if (t->latin && id == t->latin) ChooseScript(0);
        else if (t->hebrew && id == t->hebrew) {
            if (g_child_tab == 1 && Checked(IDC_SS_BY_NUMBER)) search_in.str_language = 1;
            else ChooseScript(1);
        } else if (t->greek && id == t->greek) {
            if (g_child_tab == 1 && Checked(IDC_SS_BY_NUMBER)) search_in.str_language = 2;
            else ChooseScript(2);
        } else if (id == t->books) ChooseKind(0);
        else if (id == t->lexicons) ChooseKind(1);
        else if (id == t->new_range) NewRange();
        else if (id == IDC_ST_SHOW_IN_LEX) DisplayTextInLex();
        else if (id == IDC_SS_PREV_NUMBER) StepStrongNumber(-1);
        else if (id == IDC_SS_NEXT_NUMBER) StepStrongNumber(1);
        else if (id == IDC_SS_SHOW_IN_LEX) StepStrongNumber(0);
        else if (id == IDC_SR_NEW_REFERENCE) NewReference();
        else if (id == IDC_SS_BY_NUMBER || id == IDC_SS_BY_WORD) {
            const std::string text = PatternText();
            search_in.str_type = id == IDC_SS_BY_WORD ? 1 : 0;
            if (search_in.str_type == 1 && ValidWindow(search_in.datawindow) && search_in.type == 0)
                search_in.type = datawindow[search_in.datawindow].language;
            SetUpPatternBox();
            SetPatternText(text.c_str());
            CheckScript();
            UpdateEnabling();
        }
        return;
    }
    if (code == CBN_SELCHANGE) {
        if (id == t->module) ChooseModule();
        else if (id == t->range) {
            const LRESULT row = SendMessageA(control, CB_GETCURSEL, 0, 0);
            if (row >= 0 && row < search_in.combo_ranges_count) {
                search_in.combo_ranges_select = static_cast<int>(row);
                if (search_in.mode == 0 && search_in.in_results == 0)
                    search_in.range_last = search_in.combo_ranges_index[row];
            }
        }
    }
}

} // namespace

namespace {

LRESULT Child_OnNotify(HWND hwnd, int id, NMHDR* hdr)
{
    if (!hdr || id != IDC_RESULTS_LIST) return 0;
    return ResultsListViewNotify(hwnd, id, hdr);
}

void Child_OnDrawItem(HWND, const DRAWITEMSTRUCT* dis)
{
    if (dis && dis->CtlID == IDC_RESULTS_LIST) ResultsList_OnDrawItem(dis);
}

void Child_OnSize(HWND hwnd, UINT, int cx, int cy)
{
    if (HWND list = GetDlgItem(hwnd, IDC_RESULTS_LIST)) MoveWindow(list, 0, 0, cx, cy, TRUE);
}

} // namespace

INT_PTR CALLBACK ChildTabDlg(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return FALSE;  // the tab is set up by its creator
    case WM_COMMAND:
        HANDLE_WM_COMMAND(hDlg, wParam, lParam, Child_OnCommand);
        return TRUE;
    case WM_NOTIFY:
        if (static_cast<int>(wParam) != IDC_RESULTS_LIST) return FALSE;
        SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, HANDLE_WM_NOTIFY(hDlg, wParam, lParam, Child_OnNotify));
        return TRUE;
    case WM_DRAWITEM:
        HANDLE_WM_DRAWITEM(hDlg, wParam, lParam, Child_OnDrawItem);
        return TRUE;
    case WM_SIZE:
        HANDLE_WM_SIZE(hDlg, wParam, lParam, Child_OnSize);
        return TRUE;
    default:
        return FALSE;
    }
}

void SizeDialog(HWND hDlg, HWND hChild, HWND hTab)
{
    if (!hDlg || !hTab) return;
    RECT rc;
    GetClientRect(hDlg, &rc);
    MoveWindow(hTab, 2, 2, std::max(0L, rc.right - 4), std::max(0L, rc.bottom - 4), TRUE);
    if (!hChild) return;
    RECT area;
    GetClientRect(hTab, &area);
    TabCtrl_AdjustRect(hTab, FALSE, &area);
    MapWindowPoints(hTab, hDlg, reinterpret_cast<POINT*>(&area), 2);
    MoveWindow(hChild, area.left, area.top, std::max(0L, area.right - area.left), std::max(0L, area.bottom - area.top),
               TRUE);
}

namespace {

void SetTabLabels()
{
    if (!g_tab) return;
    for (int i = 0; i < 4; ++i) {
        std::string label = Str(10033 + i);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = label.data();
        if (TabCtrl_GetItemCount(g_tab) > i)
            SendMessageA(g_tab, TCM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        else
            SendMessageA(g_tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

BOOL Frame_OnInitDialog(HWND hwnd, HWND, LPARAM)
{
    hSearchDlg = hwnd;
    status.search_visible = 1;
    g_tab = GetDlgItem(hwnd, IDC_SEARCH_TAB);
    SendMessageA(g_tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SetTabLabels();
    // The frame takes the size the tabs need.
    HWND probe = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_SEARCH_STRONG), hwnd, ChildTabDlg, 1);
    if (probe) {
        RECT child;
        GetWindowRect(probe, &child);
        DestroyWindow(probe);
        RECT need{0, 0, child.right - child.left, child.bottom - child.top};
        TabCtrl_AdjustRect(g_tab, TRUE, &need);
        RECT frame{0, 0, need.right - need.left + 4, need.bottom - need.top + 4};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
        g_min_frame = SIZE{frame.right - frame.left, frame.bottom - frame.top};
        SetWindowPos(hwnd, nullptr, 0, 0, g_min_frame.cx, g_min_frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetFrameTitle();
    return TRUE;
}

void Frame_OnDestroy(HWND hwnd)
{
    if (hwnd != hSearchDlg) return;
    if (HWND range = SEARCH_RangeDialog()) EndDialog(range, 0);
    g_child = nullptr;
    g_child_tab = -1;
    g_tab = nullptr;
    hSearchDlg = nullptr;
    status.search_visible = 0;
    if (!status.res_visible) SEARCH_ClearBookResults();
    if (g_pattern_font) {
        DeleteObject(g_pattern_font);
        g_pattern_font = nullptr;
    }
    UpdateButonStates();
}

LRESULT Frame_OnNotify(HWND, int, NMHDR* hdr)
{
    if (!hdr || hdr->hwndFrom != g_tab) return 0;
    if (hdr->code == TCN_SELCHANGING) {
        if (g_child_tab >= 0 && g_child_tab < 3) ReadTab();
        return FALSE;
    }
    if (hdr->code == TCN_SELCHANGE) {
        const int tab = TabCtrl_GetCurSel(g_tab);
        if (tab >= 0 && tab < 4) {
            search_in.tab = tab;
            CreateTab(tab);
        }
    }
    return 0;
}

} // namespace

namespace {

void Frame_OnSize(HWND hwnd, UINT, int, int)
{
    SizeDialog(hwnd, g_child, g_tab);
}

void Frame_OnGetMinMaxInfo(HWND, MINMAXINFO* mmi)
{
    if (g_min_frame.cx <= 0) return;
    mmi->ptMinTrackSize.x = g_min_frame.cx;
    mmi->ptMinTrackSize.y = g_min_frame.cy;
}

// Enter and Escape come to the frame: Enter finds on the open tab.
void Frame_OnCommand(HWND, int id, HWND, UINT)
{
    if (id == IDCANCEL)
        CloseSearchDialog();
    else if (id == IDOK && g_child && g_child_tab < 3)
        SendMessageA(g_child, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void Frame_OnClose(HWND)
{
    CloseSearchDialog();
}

} // namespace

INT_PTR CALLBACK SearchDlg(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, Frame_OnInitDialog);
    case WM_NOTIFY:
        SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, HANDLE_WM_NOTIFY(hDlg, wParam, lParam, Frame_OnNotify));
        return TRUE;
    case WM_SIZE:
        HANDLE_WM_SIZE(hDlg, wParam, lParam, Frame_OnSize);
        return TRUE;
    case WM_GETMINMAXINFO:
        HANDLE_WM_GETMINMAXINFO(hDlg, wParam, lParam, Frame_OnGetMinMaxInfo);
        return TRUE;
    case WM_COMMAND:
        HANDLE_WM_COMMAND(hDlg, wParam, lParam, Frame_OnCommand);
        return TRUE;
    case WM_CLOSE:
        HANDLE_WM_CLOSE(hDlg, wParam, lParam, Frame_OnClose);
        return TRUE;
    case WM_SEVIR_PREPARE_SEARCH:
        if (search_in.mode == 0) SEARCH_PrepareModuleImage(search_in.datawindow);
        return TRUE;
    case WM_DESTROY:
        HANDLE_WM_DESTROY(hDlg, wParam, lParam, Frame_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

HWND SEARCH_CurrentTab()
{
    return g_child;
}

void SEARCH_SelectTab(int tab)
{
    if (!hSearchDlg || !g_tab || tab < 0 || tab > 3) return;
    NMHDR hdr{g_tab, static_cast<UINT_PTR>(IDC_SEARCH_TAB), static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageA(hSearchDlg, WM_NOTIFY, IDC_SEARCH_TAB, reinterpret_cast<LPARAM>(&hdr));
    TabCtrl_SetCurSel(g_tab, tab);
    hdr.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageA(hSearchDlg, WM_NOTIFY, IDC_SEARCH_TAB, reinterpret_cast<LPARAM>(&hdr));
}

void CloseSearchDialog()
{
    if (hSearchDlg) DestroyWindow(hSearchDlg);
}

void UpdateTabStrings()
{
    if (!hSearchDlg) return;
    SetTabLabels();
    if (g_child_tab >= 0 && g_child_tab < 3) ReadTab();
    if (g_child_tab >= 0) CreateTab(g_child_tab);
    SetFrameTitle();
    InvalidateRect(hSearchDlg, nullptr, TRUE);
}

namespace {

void OpenOrSwitch()
{
    if (!hSearchDlg) {
        HWND dlg = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_SEARCH), hMain, SearchDlg, 0);
        if (!dlg) return;
    }
    SetFrameTitle();
    const int tab = search_in.tab >= 0 && search_in.tab <= 3 ? search_in.tab : 0;
    TabCtrl_SetCurSel(g_tab, tab);
    CreateTab(tab);
    ShowWindow(hSearchDlg, SW_SHOW);
    SetForegroundWindow(hSearchDlg);
    PostPrepareImage();
    if (g_child && tab < 3) {
        const TAB_IDS* t = Ids();
        HWND focus = t && t->pattern ? GetDlgItem(g_child, t->pattern) : GetDlgItem(g_child, t ? t->find : 0);
        if (focus) SetFocus(focus);
    }
    UpdateButonStates();
}

} // namespace

void SEARCH_OpenPrepared(int dw, int in_results)
{
    if (!ValidWindow(dw)) return;
    const DATAWINDOW& w = datawindow[dw];
    if (w.type != MODULE_BOOK && w.type != MODULE_LEXICON) return;
    search_in.datawindow = dw;
    search_in.in_results = in_results ? 1 : 0;
    if (search_in.tab < 0 || search_in.tab > 2) search_in.tab = 0;
    search_in.mode = w.type == MODULE_LEXICON ? 1 : 0;
    if (search_in.in_results) {
        search_in.mode = 0;
        if (search_out_bk.hit_verses > 0 && ValidWindow(search_out_bk.datawindow))
            search_in.datawindow = search_out_bk.datawindow;
    } else if (w.results) {
        // The results window's module is searched in its book window.
        const int book = WindowOfFile(w.id_file, MODULE_BOOK);
        if (book >= 0) search_in.datawindow = book;
    }
    search_in.range_last = search_in.in_results ? 0 : search_in.range_last;
    // A clicked reference becomes the newest entry of the reference history,
    // so that the Reference tab offers it.
    if (search_in.tab == 2 && search_in.ref_syncname_from[0] &&
        search_in.ref_bp_from.number == search_in.ref_bp_to.number &&
        GetIndexOfSyncname(search_in.ref_bp_from.number, search_in.ref_syncname_from) >= 0 &&
        GetIndexOfSyncname(search_in.ref_bp_to.number, search_in.ref_syncname_to) >= 0)
        AddReferenceToHistory();
    OpenOrSwitch();
}

void SEARCH_MainCommand(int command)
{
    const int last = status.bk_last_book;
    if (command == IDM_RESULTS_LIST) {
        if (search_out_bk.hit_verses <= 0) {
            MessageBeep(MB_OK);
            return;
        }
        search_in.tab = 3;
        search_in.in_results = 0;
        search_in.mode = 0;
        search_in.datawindow = SEARCH_ResultsDatawindow();
        search_in.type = search_out_bk.type;
        search_in.charset = search_out_bk.charset;
        search_in.combo_files_select = 0;
        search_in.combo_ranges_select = 0;
        OpenOrSwitch();
        return;
    }
    if (!ValidWindow(last)) {
        MessageBeep(MB_OK);
        return;
    }
    const DATAWINDOW& w = datawindow[last];
    if (w.type != MODULE_BOOK && w.type != MODULE_LEXICON) {
        MessageBeep(MB_OK);
        return;
    }
    const bool in_results = command == IDM_SEARCH_IN_RESULTS;
    if (in_results && !(status.res_visible && w.results)) {
        MessageBeep(MB_OK);
        return;
    }
    search_in.tab = 0;
    search_in.type = w.language == 1 || w.language == 2 ? w.language : 0;
    search_in.charset = w.type == MODULE_LEXICON ? w.lx_keyword_charset : w.charset[0];
    SEARCH_SetTypedPattern("");
    SEARCH_OpenPrepared(last, in_results ? 1 : 0);
}

void SEARCH_InstallWindowHooks()
{
    for (int c : {IDM_SEARCH, IDM_SEARCH_IN_RESULTS, IDM_RESULTS_LIST, IDM_SEARCH_ACCEL}) SetCommandAvailable(c, true);
    g_search_progress = StepProgress;
    g_search_ui_hooks.book_results_discarded = SEARCH_ClearResultsList;
    LANG_AddChangeHook(UpdateTabStrings);
}
