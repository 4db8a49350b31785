// Search ranges in the dialog: the range combo box and the "Select range"
// dialog.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdio>

#include "app/lang.h"
#include "app/records.h"
#include "app/win/lang_window.h"
#include "app/win/main_window.h"
#include "books/verse_location.h"
#include "search/ranges.h"
#include "search/win/search_dialog.h"
#include "resource.h"

// The two positions the range dialog works on.
BOOK_POSITION bp_range_from, bp_range_to;

namespace {

HWND g_range_dialog = nullptr;

const DATAWINDOW* Module()
{
    const int dw = bp_range_from.number;
    if (dw < 0 || dw >= status.num_windows || dw >= MAX_DATAWINDOWS) return nullptr;
    const DATAWINDOW& w = datawindow[dw];
    if (w.type != MODULE_BOOK || !w.book_info || w.books <= 0) return nullptr;
    return &w;
}

int Chapters(int book)
{
    const DATAWINDOW* w = Module();
    if (!w || book < 1 || book > w->books) return 0;
    return w->book_info[book - 1].chapters;
}

int Verses(int book, int chapter)
{
    if (!Module() || book < 1 || chapter < 1) return 0;
    const int n = BK_PocetVersu(BOOK_POSITION{bp_range_from.number, book, chapter, 1});
    return n > 0 ? n : 0;
}

void FillNumbers(HWND hDlg, int id, int count, int select)
{
    HWND list = GetDlgItem(hDlg, id);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int i = 1; i <= count; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", i);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(select - 1), 0);
    InvalidateRect(list, nullptr, TRUE);
}

int Selected(HWND hDlg, int id)
{
    const LRESULT i = SendDlgItemMessageA(hDlg, id, LB_GETCURSEL, 0, 0);
    return i < 0 ? 0 : static_cast<int>(i) + 1;
}

void ShowFrom(HWND hDlg)
{
    FillNumbers(hDlg, IDC_RANGE_FROM_CHAPTER, Chapters(bp_range_from.book), bp_range_from.chapter);
    FillNumbers(hDlg, IDC_RANGE_FROM_VERSE, Verses(bp_range_from.book, bp_range_from.chapter), bp_range_from.verse);
}

void ShowTo(HWND hDlg)
{
    FillNumbers(hDlg, IDC_RANGE_TO_CHAPTER, Chapters(bp_range_to.book), bp_range_to.chapter);
    FillNumbers(hDlg, IDC_RANGE_TO_VERSE, Verses(bp_range_to.book, bp_range_to.chapter), bp_range_to.verse);
}

// The labels of both bounds, and OK only when the start is not after the end.
void UpdateLabels(HWND hDlg)
{
    const DATAWINDOW* w = Module();
    if (!w) return;
    char text[96];
    std::snprintf(text, sizeof text, "%s %d:%d", w->book_info[bp_range_from.book - 1].name, bp_range_from.chapter,
                  bp_range_from.verse);
    SetDlgItemTextA(hDlg, IDC_RANGE_FROM_LABEL, text);
    std::snprintf(text, sizeof text, "%s %d:%d", w->book_info[bp_range_to.book - 1].name, bp_range_to.chapter,
                  bp_range_to.verse);
    SetDlgItemTextA(hDlg, IDC_RANGE_TO_LABEL, text);
    const BOOK_POSITION& a = bp_range_from;
    const BOOK_POSITION& b = bp_range_to;
    const bool after = a.book != b.book ? a.book > b.book : (a.chapter != b.chapter ? a.chapter > b.chapter : a.verse > b.verse);
    EnableWindow(GetDlgItem(hDlg, IDC_RANGE_OK), after ? FALSE : TRUE);
}

BOOL Range_OnInitDialog(HWND hDlg, HWND, LPARAM)
{
    g_range_dialog = hDlg;
    status.new_range_visible = 1;
    LANG_TranslateDialog(hDlg);
    // Cancel says what the library manager's Cancel says in this language.
    if (const char* cancel = LANG_FindString(IDC_LIBMAN_CANCEL)) SetDlgItemTextA(hDlg, IDCANCEL, cancel);
    char title[128];
    LANG_LoadString(nullptr, 10120, title, sizeof title);
    SetWindowTextA(hDlg, title);
    const DATAWINDOW* w = Module();
    if (!w) {
        EndDialog(hDlg, 0);
        return TRUE;
    }
    const bool from_set = bp_range_from.book || bp_range_from.chapter || bp_range_from.verse;
    const bool to_set = bp_range_to.book || bp_range_to.chapter || bp_range_to.verse;
    if (from_set) {
        bp_range_from.book = std::clamp(bp_range_from.book, 1, w->books);
        bp_range_from.chapter = std::clamp(bp_range_from.chapter, 1, std::max(1, Chapters(bp_range_from.book)));
        bp_range_from.verse =
            std::clamp(bp_range_from.verse, 1, std::max(1, Verses(bp_range_from.book, bp_range_from.chapter)));
    } else {
        bp_range_from.book = bp_range_from.chapter = bp_range_from.verse = 1;
    }
    if (to_set) {
        bp_range_to.book = std::clamp(bp_range_to.book, 1, w->books);
        bp_range_to.chapter = std::clamp(bp_range_to.chapter, 1, std::max(1, Chapters(bp_range_to.book)));
        bp_range_to.verse = std::clamp(bp_range_to.verse, 1, std::max(1, Verses(bp_range_to.book, bp_range_to.chapter)));
    } else {
        bp_range_to.book = w->books;
        bp_range_to.chapter = std::max(1, Chapters(w->books));
        bp_range_to.verse = std::max(1, Verses(bp_range_to.book, bp_range_to.chapter));
    }
    for (int id : {IDC_RANGE_FROM_BOOK, IDC_RANGE_TO_BOOK}) {
        HWND list = GetDlgItem(hDlg, id);
        for (int b = 0; b < w->books; ++b)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w->book_info[b].name));
    }
    SendDlgItemMessageA(hDlg, IDC_RANGE_FROM_BOOK, LB_SETCURSEL, static_cast<WPARAM>(bp_range_from.book - 1), 0);
    SendDlgItemMessageA(hDlg, IDC_RANGE_TO_BOOK, LB_SETCURSEL, static_cast<WPARAM>(bp_range_to.book - 1), 0);
    ShowFrom(hDlg);
    ShowTo(hDlg);
    UpdateLabels(hDlg);
    return TRUE;
}

void Range_OnCommand(HWND hDlg, int id, HWND, UINT code)
{
    if (id == IDC_RANGE_OK || id == IDOK) {
        if (IsWindowEnabled(GetDlgItem(hDlg, IDC_RANGE_OK))) EndDialog(hDlg, 1);
        return;
    }
    if (id == IDCANCEL) {
        EndDialog(hDlg, 0);
        return;
    }
    if (code != LBN_SELCHANGE) return;
    switch (id) {
    case IDC_RANGE_FROM_BOOK:
        bp_range_from.book = std::max(1, Selected(hDlg, id));
        bp_range_from.chapter = bp_range_from.verse = 1;
        ShowFrom(hDlg);
        break;
    case IDC_RANGE_FROM_CHAPTER:
        bp_range_from.chapter = std::max(1, Selected(hDlg, id));
        bp_range_from.verse = 1;
        FillNumbers(hDlg, IDC_RANGE_FROM_VERSE, Verses(bp_range_from.book, bp_range_from.chapter), 1);
        break;
    case IDC_RANGE_FROM_VERSE:
        bp_range_from.verse = std::max(1, Selected(hDlg, id));
        break;
    case IDC_RANGE_TO_BOOK:
        bp_range_to.book = std::max(1, Selected(hDlg, id));
        bp_range_to.chapter = std::max(1, Chapters(bp_range_to.book));
        bp_range_to.verse = std::max(1, Verses(bp_range_to.book, bp_range_to.chapter));
        ShowTo(hDlg);
        break;
    case IDC_RANGE_TO_CHAPTER:
        bp_range_to.chapter = std::max(1, Selected(hDlg, id));
        bp_range_to.verse = std::max(1, Verses(bp_range_to.book, bp_range_to.chapter));
        FillNumbers(hDlg, IDC_RANGE_TO_VERSE, Verses(bp_range_to.book, bp_range_to.chapter), bp_range_to.verse);
        break;
    case IDC_RANGE_TO_VERSE:
        bp_range_to.verse = std::max(1, Selected(hDlg, id));
        break;
    default:
        return;
    }
    UpdateLabels(hDlg);
}

} // namespace

namespace {

void Range_OnClose(HWND hDlg)
{
    EndDialog(hDlg, 0);
}

void Range_OnDestroy(HWND)
{
    g_range_dialog = nullptr;
    status.new_range_visible = 0;
}

} // namespace

INT_PTR CALLBACK RangeDlg(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hDlg, wParam, lParam, Range_OnInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(hDlg, wParam, lParam, Range_OnCommand);
        return TRUE;
    case WM_CLOSE:
        HANDLE_WM_CLOSE(hDlg, wParam, lParam, Range_OnClose);
        return TRUE;
    case WM_DESTROY:
        HANDLE_WM_DESTROY(hDlg, wParam, lParam, Range_OnDestroy);
        return FALSE;
    default:
        return FALSE;
    }
}

HWND SEARCH_RangeDialog()
{
    return g_range_dialog;
}

int GetNewRangeOfSearch(BOOK_POSITION* bp_from, BOOK_POSITION* bp_to)
{
    if (!bp_from || !bp_to || status.new_range_visible) return 0;
    bp_range_from = *bp_from;
    bp_range_to = *bp_to;
    bp_range_to.number = bp_range_from.number;
    HWND owner = hSearchDlg ? hSearchDlg : hMain;
    const INT_PTR ok = DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_RANGE), owner, RangeDlg, 0);
    g_range_dialog = nullptr;
    status.new_range_visible = 0;
    if (ok == 1) {
        *bp_from = bp_range_from;
        *bp_to = bp_range_to;
        return 1;
    }
    bp_from->number = bp_to->number = -1;
    return 0;
}

void FillComboOfRanges(HWND hDlg, int module_row, int select, int id_combo)
{
    HWND combo = hDlg ? GetDlgItem(hDlg, id_combo) : nullptr;
    static char rows[SEARCH_RANGES][SEARCH_RANGE_ROW];
    int dw = module_row;
    if (module_row >= 0) {
        dw = -3;
        if (module_row < search_in.combo_files_count) {
            const int id_file = search_in.combo_files_index[module_row];
            for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
                if (datawindow[i].id_file == id_file && datawindow[i].type == MODULE_BOOK && !datawindow[i].results) {
                    dw = i;
                    break;
                }
        }
    }
    const int n = dw == -3 ? 0 : SEARCH_FillRangeRows(dw, rows, SEARCH_RANGES);
    if (dw == -3) search_in.combo_ranges_count = 0;
    if (combo) {
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < n; ++i) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rows[i]));
    }
    search_in.combo_ranges_select = select >= 0 && select < n ? select : 0;
    if (combo) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(search_in.combo_ranges_select), 0);
}
