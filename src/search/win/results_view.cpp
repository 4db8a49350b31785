// The Results tab: a virtual, owner-drawn list view of the last book search.
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/lang.h"
#include "app/records.h"
#include "app/win/frame_controls.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "search/results.h"
#include "search/results_list.h"
#include "search/win/search_dialog.h"
#include "resource.h"

namespace {

struct ListFonts {
    HFONT latin = nullptr;
    HFONT script = nullptr;  // the preview's font (Latin results: the Latin one)
    HIMAGELIST rows = nullptr;
    int script_code = 0;
};
ListFonts g_fonts;

void FreeFonts()
{
    if (g_fonts.latin) DeleteObject(g_fonts.latin);
    if (g_fonts.script && g_fonts.script != g_fonts.latin) DeleteObject(g_fonts.script);
    if (g_fonts.rows) ImageList_Destroy(g_fonts.rows);
    g_fonts = ListFonts{};
}

int ListFontHeight(int script)
{
    int size = RTFCzechFontSize;
    if (script == 1) size = RTFHebFontSize;
    else if (script == 2) size = RTFGreekFontSize;
    // Latin rows in a dialog-sized font; the display fonts draw their
    // letters smaller and get a few pixels more.
    const int limit = script == 1 ? 19 : (script == 2 ? 17 : 14);
    return std::clamp(static_cast<int>(0.81818181818182 * size), 11, limit);
}

HFONT MakeListFont(int script)
{
    const char* face = RTFCzechFontName[0] ? RTFCzechFontName : "Arial";
    int charset = search_out_bk.charset;
    if (script == 1) {
        face = status.script == 1 ? "HebrewUniversalS" : "HebrewUniversal";
        charset = ANSI_CHARSET;
    } else if (script == 2) {
        face = RTFGreekFontName[0] ? RTFGreekFontName : "GreekUniversal";
        charset = ANSI_CHARSET;
    }
    return CreateFontA(-ListFontHeight(script), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<DWORD>(charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

int ResultsScript()
{
    const int dw = SEARCH_ResultsDatawindow();
    if (dw >= 0 && dw < status.num_windows && dw < MAX_DATAWINDOWS) return datawindow[dw].language;
    return search_out_bk.type;
}

std::string Str(int id)
{
    char text[256];
    LANG_LoadString(nullptr, id, text, sizeof text);
    return text;
}

HWND ResultsList()
{
    HWND tab = SEARCH_CurrentTab();
    return tab ? GetDlgItem(tab, IDC_RESULTS_LIST) : nullptr;
}

void ShowResultInWindow(int row)
{
    if (!status.res_visible) return;
    search_out_bk.res_hitnumber = SEARCH_ResultVerseIndex(row);
    if (g_search_ui_hooks.update_results_window) g_search_ui_hooks.update_results_window();
    UpdateStatusBar(status.bk_last_book, -1);
}

// The book windows that synchronise go to the verse of row.
void GoToRow(int row)
{
    const int32_t offset = SEARCH_ResultRowRecord(row);
    const int dw = SEARCH_ResultsDatawindow();
    if (offset < 0 || dw < 0 || dw >= status.num_windows) return;
    static BOOK_RECORD rec;
    rec.offset = offset;
    rec.book_position.number = dw;
    if (!BK_CtiRecord(&rec)) return;
    const DATAWINDOW& w = datawindow[dw];
    const int book = rec.book_position.book;
    if (book < 1 || book > w.books) return;
    BK_SyncBooks2(rec.book_position, w.book_info[book - 1].sync_name);
}

void DrawCell(HDC dc, const char* text, RECT cell, HFONT font, bool right)
{
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    cell.left += 4;
    cell.right -= 4;
    DrawTextA(dc, text, -1, &cell,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | (right ? DT_RIGHT : DT_LEFT));
    SelectObject(dc, old);
}

} // namespace

int Mark_Column_Results(HWND hList, int str_type, int column)
{
    if (!hList || search_out_bk.tab != 1) return 0;
    const int first = str_type == 1 ? 10094 : 10087;
    const int count = str_type == 1 ? 4 : 3;
    for (int i = 0; i < count; ++i) {
        std::string title = Str(first + i);
        if (search_out_bk.hit_patterns > 0 && column == i) title += " \xA4";
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT;
        c.pszText = title.data();
        SendMessageA(hList, LVM_SETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&c));
    }
    return 1;
}

void InitResultsListView(HWND hList)
{
    if (!hList) return;
    SendMessageA(hList, LVM_SETITEMCOUNT, 0, 0);
    while (SendMessageA(hList, LVM_DELETECOLUMN, 0, 0)) {
    }
    FreeFonts();
    SendMessageA(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const int script = ResultsScript();
    g_fonts.script_code = script;
    g_fonts.latin = MakeListFont(0);
    g_fonts.script = script == 0 ? g_fonts.latin : MakeListFont(script);
    SendMessageA(hList, WM_SETFONT, reinterpret_cast<WPARAM>(g_fonts.latin), FALSE);

    // The row height by script, forced by an image list one pixel wide.
    const double factor = script == 1 ? 1.3 : 1.2;
    const int height = static_cast<int>(factor * ListFontHeight(script) + 0.5);
    g_fonts.rows = ImageList_Create(1, std::max(height, 16), ILC_COLOR, 1, 1);
    SendMessageA(hList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_fonts.rows));

    SEARCH_LIST_COLUMN columns[4];
    const int n = SEARCH_ResultColumns(columns);
    for (int i = 0; i < n; ++i) {
        std::string title = Str(columns[i].string_id);
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        c.fmt = (script == 1 && i > 0 && columns[i].string_id != 10096) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        c.cx = columns[i].width;
        c.pszText = title.data();
        c.iSubItem = i;
        SendMessageA(hList, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&c));
    }
    if (search_out_bk.tab == 1) Mark_Column_Results(hList, search_out_bk.str_type, search_out_bk.str_sorted_column);
    const int rows = SEARCH_ResultRowCount();
    SendMessageA(hList, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOINVALIDATEALL);
    if (script == 1 && rows > 0) SendMessageA(hList, LVM_SCROLL, 5000, 0);
    InvalidateRect(hList, nullptr, TRUE);
}

void SEARCH_ClearResultsList()
{
    if (HWND list = ResultsList()) InitResultsListView(list);
    UpdateButonStates();
}

void ResultsList_OnDrawItem(const DRAWITEMSTRUCT* dis)
{
    if (!dis || dis->itemID == static_cast<UINT>(-1)) return;
    HWND list = dis->hwndItem;
    HDC dc = dis->hDC;
    const int row = static_cast<int>(dis->itemID);
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    FillRect(dc, &dis->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));

    SEARCH_RESULT_ROW r;
    if (SEARCH_ResultRow(row, &r)) {
        SEARCH_LIST_COLUMN columns[4];
        const int n = SEARCH_ResultColumns(columns);
        const bool hebrew = g_fonts.script_code == 1;
        int x = dis->rcItem.left;
        for (int i = 0; i < n; ++i) {
            const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
            RECT cell{x, dis->rcItem.top, x + width, dis->rcItem.bottom};
            x += width;
            const int id = columns[i].string_id;
            if (i == 0) {
                DrawCell(dc, r.label, cell, g_fonts.latin, false);
            } else if (id == 10088 || id == 10095) {
                DrawCell(dc, r.word, cell, g_fonts.script, hebrew);
            } else if (id == 10096) {
                DrawCell(dc, r.strong, cell, g_fonts.latin, false);
            } else {
                DrawCell(dc, r.preview, cell, g_fonts.script, hebrew);
            }
        }
    }
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &dis->rcItem);
}

int ResultsListViewNotify(HWND hDlg, int, NMHDR* notify)
{
    if (!notify) return 0;
    HWND list = notify->hwndFrom;
    switch (notify->code) {
    case LVN_GETDISPINFOA: {
        // The texts of the cells, for readers of the list (the list draws
        // its rows itself).
        NMLVDISPINFOA* info = reinterpret_cast<NMLVDISPINFOA*>(notify);
        if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0) break;
        info->item.pszText[0] = '\0';
        SEARCH_RESULT_ROW r;
        if (!SEARCH_ResultRow(info->item.iItem, &r)) break;
        SEARCH_LIST_COLUMN columns[4];
        const int n = SEARCH_ResultColumns(columns);
        if (info->item.iSubItem < 0 || info->item.iSubItem >= n) break;
        const int id = columns[info->item.iSubItem].string_id;
        const char* text = r.preview;
        if (info->item.iSubItem == 0) text = r.label;
        else if (id == 10088 || id == 10095) text = r.word;
        else if (id == 10096) text = r.strong;
        lstrcpynA(info->item.pszText, text, info->item.cchTextMax);
        break;
    }
    case LVN_COLUMNCLICK: {
        const NMLISTVIEW* nm = reinterpret_cast<const NMLISTVIEW*>(notify);
        const int mode = SEARCH_SortModeOfColumn(nm->iSubItem);
        if (mode < 0) break;
        HCURSOR old = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
        const int sorted = SortExResultsArray(search_out_bk.datawindow, mode);
        SetCursor(old);
        if (sorted) {
            search_out_bk.str_sorted_column = nm->iSubItem;
            InvalidateRect(list, nullptr, TRUE);
            SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);
        }
        Mark_Column_Results(list, search_out_bk.str_type, search_out_bk.str_sorted_column);
        break;
    }
    case NM_CLICK: {
        const NMITEMACTIVATE* nm = reinterpret_cast<const NMITEMACTIVATE*>(notify);
        if (nm->iItem >= 0) ShowResultInWindow(nm->iItem);
        break;
    }
    case NM_DBLCLK: {
        if (SEARCH_ResultRowCount() <= 0) break;
        const int row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        const NMITEMACTIVATE* nm = reinterpret_cast<const NMITEMACTIVATE*>(notify);
        const int target = row >= 0 ? row : nm->iItem;
        if (target < 0) break;
        GoToRow(target);
        ShowResultInWindow(target);
        UpdateStatusBar(status.bk_last_book, -1);
        break;
    }
    default:
        break;
    }
    (void)hDlg;
    return 0;
}
