#include "dic/win/dic_window.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/data_windows.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "app/win/config_windows.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/library_tree.h"
#include "app/win/main_window.h"
#include "books/rtf_tags.h"
#include "books/win/book_window.h"
#include "dic/dic_datawindow.h"
#include "dic/dic_list.h"
#include "dic/dic_reader.h"
#include "lex/lex_list.h"
#include "lex/lookup.h"
#include "resource.h"
#include "text/display_codes.h"
#include "text/keyboard.h"
#include "text/word_tags.h"

namespace {

constexpr int kTop = 44;          // the lists start below the key box
constexpr int kScrollWidth = 16;
constexpr int kZoneLeft = 12;     // splitter zone around the "from" list's right edge
constexpr int kZoneRight = 18;
constexpr UINT kCmdLookAt = 10082;
constexpr UINT kCmdCopy = 10081;
constexpr UINT kCmdJumps = 10085;
constexpr UINT kCmdSync = 10086;
constexpr UINT kCmdGematria = 10056;

// Set while the window rewrites its own key box, so that the edit
// notification this causes is not processed twice.
bool g_ignore_edit = false;
// The last key pressed in a key box (Delete and Backspace keep the caret).
UINT g_last_key = 0;

HWND H(WINDOW_HANDLE h)
{
    return static_cast<HWND>(h);
}

HFONT F(FONT_HANDLE h)
{
    return static_cast<HFONT>(h);
}

int FindByControl(HWND control, WINDOW_HANDLE DATAWINDOW::*field)
{
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (datawindow[i].type == MODULE_DICTIONARY && datawindow[i].*field == control) return i;
    return -1;
}

int DicOfHwnd(HWND hwnd)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    return id >= 0 && datawindow[id].type == MODULE_DICTIONARY ? id : -1;
}


int ItemHeight(int id)
{
    const DATAWINDOW& w = datawindow[id];
    if (!w.dic_hlistbox_from) return 16;
    const int h = static_cast<int>(SendMessageA(H(w.dic_hlistbox_from), LB_GETITEMHEIGHT, 0, 0));
    return h > 0 ? h : 16;
}

int FontHeight(int language)
{
    const double scale = 0.81818181818182;
    if (language == SCRIPT_HEBREW) return static_cast<int>(scale * RTFHebFontSize);
    if (language == SCRIPT_GREEK) return static_cast<int>(scale * RTFGreekFontSize);
    return static_cast<int>(scale * RTFCzechFontSize);
}

HFONT MakeFont(int language, int charset)
{
    const char* face = RTFCzechFontName;
    if (language == SCRIPT_HEBREW) face = status.script == 1 ? "HebrewUniversalS" : "HebrewUniversal";
    else if (language == SCRIPT_GREEK) face = RTFGreekFontName;
    // The display fonts carry their glyphs on the codes of character set 0.
    if (language != SCRIPT_LATIN) charset = ANSI_CHARSET;
    return CreateFontA(-FontHeight(language), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<DWORD>(charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face[0] ? face : "Arial");
}

// The Opposite picture on the button face: its magenta background made
// transparent once, kept for the whole run.
HBITMAP OppositeBitmap()
{
    static HBITMAP face = nullptr;
    if (face || !g_hBmpOpposite) return face ? face : g_hBmpOpposite;
    BITMAP bm{};
    if (!GetObjectA(g_hBmpOpposite, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return g_hBmpOpposite;
    HIMAGELIST list = ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (!list) return g_hBmpOpposite;
    ImageList_AddMasked(list, g_hBmpOpposite, RGB(255, 0, 255));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    face = CreateCompatibleBitmap(screen, bm.bmWidth, bm.bmHeight);
    HGDIOBJ old = SelectObject(dc, face);
    RECT rc{0, 0, bm.bmWidth, bm.bmHeight};
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    ImageList_Draw(list, 0, dc, 0, 0, ILD_TRANSPARENT);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_Destroy(list);
    return face;
}

// The key box has a font of its own: the source language's face, no taller
// than the box (the list fonts of Hebrew are larger than its 25 pixels).
const char kKeyFontProperty[] = "SevirDicKeyFont";

void SetKeyFont(int id)
{
    DATAWINDOW& w = datawindow[id];
    const HWND hwnd = H(w.hwnd);
    const int language = DIC_GetLanguage(id, 0);
    const char* face = RTFCzechFontName;
    if (language == SCRIPT_HEBREW) face = status.script == 1 ? "HebrewUniversalS" : "HebrewUniversal";
    else if (language == SCRIPT_GREEK) face = RTFGreekFontName;
    const int charset = language == SCRIPT_LATIN
                            ? (w.dic_direction == 0 ? w.dic_charset_from : w.dic_charset_to)
                            : ANSI_CHARSET;
    HFONT font = CreateFontA(-std::min(FontHeight(language), 18), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             static_cast<DWORD>(charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face[0] ? face : "Arial");
    SendMessageA(H(w.dic_hcombo), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    HFONT old = static_cast<HFONT>(RemovePropA(hwnd, kKeyFontProperty));
    if (old) DeleteObject(old);
    if (font) SetPropA(hwnd, kKeyFontProperty, font);
}

void DeleteKeyFont(HWND hwnd)
{
    HFONT old = static_cast<HFONT>(RemovePropA(hwnd, kKeyFontProperty));
    if (old) DeleteObject(old);
}

// The client rectangle of the window.
RECT Client(int id)
{
    RECT rc{};
    GetClientRect(H(datawindow[id].hwnd), &rc);
    return rc;
}

// Places the controls. widths_from_ratio: the list widths follow the split
// ratio (a new window size); otherwise they stay as the splitter or
// "Opposite" left them.
void Layout(int id, bool widths_from_ratio = false)
{
    DATAWINDOW& w = datawindow[id];
    const RECT rc = Client(id);
    const int W = rc.right, Hh = rc.bottom;
    if (widths_from_ratio) DIC_SetListWidths(id, W);
    const int lh = std::max(0, Hh - kTop);
    MoveWindow(H(w.dic_hbutton_reload), 3, 3, 60, 25, TRUE);
    MoveWindow(H(w.dic_hbutton_opposite), 66, 3, 25, 25, TRUE);
    MoveWindow(H(w.dic_hcombo), 93, 3, std::max(20, W - 115), 200, TRUE);
    MoveWindow(H(w.dic_hlistbox_from), 3, kTop, w.dic_lb_width_from, lh, TRUE);
    MoveWindow(H(w.dic_hlistbox_to), w.dic_lb_width_from + 7, kTop, w.dic_lb_width_to, lh, TRUE);
    MoveWindow(H(w.dic_hlistbox_note), w.dic_lb_width_from + w.dic_lb_width_to + 10, kTop, w.dic_lb_width_note, lh,
               TRUE);
    MoveWindow(H(w.dic_hscroll_data), W - 19, 3, kScrollWidth, std::max(0, Hh - 3), TRUE);
    w.dic_lb_height = lh;
    RECT wr;
    GetWindowRect(H(w.hwnd), &wr);
    w.position = SV_RECT{wr.left, wr.top, wr.right, wr.bottom};
}

// Layout, the number of lines that fit, and the lines shown.
void Relayout(int id)
{
    Layout(id, true);
    DATAWINDOW& w = datawindow[id];
    const int lines = DIC_GetListBoxLines(id);
    if (lines != w.dic_listbox_lines) {
        const bool empty = w.dic_radku_filled == 0;
        DIC_ResizeList(id, lines);
        if (empty) DIC_NaplnRadky(id, 1);
    }
    DIC_ZobrazRadky(id);
}

void Refresh(int id)
{
    DIC_ZobrazRadky(id);
    UpdateStatusBar(id, 1);
    // The key box follows the filter state.
    InvalidateRect(H(datawindow[id].dic_hcombo), nullptr, TRUE);
}

int EditText(int id, char* text, int size)
{
    text[0] = '\0';
    const HWND edit = H(datawindow[id].dic_hcomboEdit);
    return edit ? GetWindowTextA(edit, text, size) : 0;
}

void SetEditText(int id, const char* text)
{
    g_ignore_edit = true;
    SetWindowTextA(H(datawindow[id].dic_hcombo), text);
    g_ignore_edit = false;
}

// The edit text changed: for a Hebrew source, final letters, the caret
// moving left and the reversal; then the key search.
void OnEditChanged(int id, bool update)
{
    if (g_ignore_edit) return;
    const bool hebrew = DIC_IsActualComboLangHE(id) == 1;
    if (hebrew != update) return;  // Hebrew works on the update notification, the others on the change
    char text[128];
    EditText(id, text, sizeof text);
    if (hebrew) {
        const HWND edit = H(datawindow[id].dic_hcomboEdit);
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        char fixed[128];
        std::memcpy(fixed, text, sizeof fixed);
        Autoend(fixed, status.autoend, 0);
        if (std::strcmp(fixed, text) != 0) {
            g_ignore_edit = true;
            SetWindowTextA(edit, fixed);
            g_ignore_edit = false;
            std::memcpy(text, fixed, sizeof text);
        }
        if (g_last_key != VK_DELETE && g_last_key != VK_BACK && start > 0 && start == end) --start;
        SendMessageA(edit, EM_SETSEL, start, start);
    }
    if (DIC_KeySearchFromEdit(id, text) > 0) {
        DIC_ZobrazRadky(id);
        UpdateStatusBar(id, 1);
    }
}

void OnEnter(int id)
{
    char text[128];
    EditText(id, text, sizeof text);
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const int count = DIC_FilterFromEdit(id, text);
    SetCursor(old);
    if (count == 0) MessageBeep(MB_OK);
    else DIC_AddPatternToHistory(id, text);
    DIC_FillComboPatterns(id);
    Refresh(id);
}

void Scroll(int id, int (*step)(int))
{
    if (step(id)) Refresh(id);
    else {
        MessageBeep(MB_OK);
        Refresh(id);
    }
}

void OnReload(int id)
{
    DIC_Reload(id);
    Refresh(id);
}

void OnOpposite(int id)
{
    DATAWINDOW& w = datawindow[id];
    DIC_Opposite(id);
    SetWindowTextA(H(w.hwnd), w.dic_dicname[w.dic_direction][0] ? w.dic_dicname[w.dic_direction]
                                                                  : datafile[w.id_file].title);
    SetEditText(id, "");
    DIC_FillComboPatterns(id);
    DIC_Setup_Fonts(id);
    Layout(id);
    Refresh(id);
}

// Splitter zone around the "from" list's right edge (client coordinates).
bool InSplitter(int id, int x, int y)
{
    const int edge = 3 + datawindow[id].dic_lb_width_from;
    return y > kTop && x >= edge - kZoneLeft && x <= edge + kZoneRight;
}

// Mouse messages of the window and of its lists in window coordinates.
// Returns true when the splitter took the message.
bool SplitterMouse(int id, UINT msg, int x, int y)
{
    DATAWINDOW& w = datawindow[id];
    const HWND hwnd = H(w.hwnd);
    switch (msg) {
    case WM_MOUSEMOVE:
        if (status.dic_resizing == 1) {
            DIC_SetSplit(id, x, Client(id).right);
            Layout(id);
            DIC_ZobrazRadky(id);
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            return true;
        }
        if (InSplitter(id, x, y)) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            return true;
        }
        return false;
    case WM_LBUTTONDOWN:
        if (!InSplitter(id, x, y)) return false;
        status.dic_resizing = 1;
        SetCapture(hwnd);
        SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
        return true;
    case WM_LBUTTONUP:
        if (status.dic_resizing != 1) return false;
        status.dic_resizing = 0;
        ReleaseCapture();
        return true;
    default:
        return false;
    }
}

// The context menu of the "from" and "to" lists at the screen point pt.
void ContextMenu(int id, HWND list, POINT pt)
{
    DATAWINDOW& w = datawindow[id];
    POINT client = pt;
    ScreenToClient(list, &client);
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int line = top + client.y / ItemHeight(id);
    if (line < 0 || line >= w.dic_radku_filled) return;
    char word[128];
    std::snprintf(word, sizeof word, "%s", DIC_SourceText(id, w.dic_radek[line].from, w.dic_radek[line].to, 0));
    const int language = DIC_GetLanguage(id, 0);

    HMENU menu = CreatePopupMenu();
    char label[128];
    LANG_LoadString(nullptr, kCmdLookAt, label, sizeof label);
    AppendMenuA(menu, MF_STRING, kCmdLookAt, label);
    LANG_LoadString(nullptr, kCmdCopy, label, sizeof label);
    AppendMenuA(menu, MF_STRING, kCmdCopy, label);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    LANG_LoadString(nullptr, kCmdJumps, label, sizeof label);
    AppendMenuA(menu, MF_STRING | (w.no_jumps == 0 ? MF_CHECKED : 0), kCmdJumps, label);
    LANG_LoadString(nullptr, kCmdSync, label, sizeof label);
    AppendMenuA(menu, MF_STRING | (w.sync == 1 ? MF_CHECKED : 0), kCmdSync, label);
    if (language == SCRIPT_HEBREW || language == SCRIPT_GREEK) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        const int n = static_cast<int>(std::strlen(word));
        for (int method = 0; method < (language == SCRIPT_HEBREW ? 2 : 1); ++method) {
            int a = 0, b = 0, c = 0;
            if (language == SCRIPT_HEBREW) EnumerateHebrew(method, word, 0, n - 1, &a, &b, &c);
            else EnumerateGreek(word, 0, n - 1, &a, &b, &c);
            char value[64];
            LANG_LoadString(nullptr, 10056 + method, value, sizeof value);
            char item[160];
            std::snprintf(item, sizeof item, "%s %d  %d  %d", value, a, b, c);
            AppendMenuA(menu, MF_STRING, kCmdGematria + static_cast<UINT>(method), item);
        }
    }
    const UINT cmd = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, 0, H(w.hwnd), nullptr));
    DestroyMenu(menu);
    switch (cmd) {
    case kCmdLookAt:
        LookupWord(word, language, id);
        UpdateStatusBar(status.bk_last_book, 1);
        break;
    case kCmdCopy:
        DIC_CopyToClipboard(H(w.hwnd), word, language);
        break;
    case kCmdJumps:
        w.no_jumps = w.no_jumps == 0 ? 1 : 0;
        break;
    case kCmdSync:
        w.sync = w.sync == 1 ? 0 : 1;
        break;
    default:
        break;
    }
}

// --------------------------------------------------------------- subclassed controls

LRESULT CALLBACK ComboEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int id = FindByControl(hwnd, &DATAWINDOW::dic_hcomboEdit);
    if (id < 0) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const WNDPROC old = reinterpret_cast<WNDPROC>(datawindow[id].dic_OldcomboEditProc);
    switch (msg) {
    case WM_KEYDOWN:
        g_last_key = static_cast<UINT>(wParam);
        switch (wParam) {
        case VK_DOWN: Scroll(id, DIC_ScrollLineDown); return 0;
        case VK_UP: Scroll(id, DIC_ScrollLineUp); return 0;
        case VK_NEXT: Scroll(id, DIC_ScrollPageDown); return 0;
        case VK_PRIOR: Scroll(id, DIC_ScrollPageUp); return 0;
        case VK_RETURN:
            if (GetKeyState(VK_CONTROL) >= 0) {
                OnEnter(id);
                return 0;
            }
            break;
        default: break;
        }
        break;
    case WM_CHAR: {
        if (wParam == '\r' || wParam == '\n') return 0;
        const int lang = DIC_GetLanguage(id, 0);
        if (status.koduj_znak == 1 && (lang == SCRIPT_HEBREW || lang == SCRIPT_GREEK) && wParam >= 32) {
            const int shift = GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
            const int ctrl = GetKeyState(VK_CONTROL) < 0 ? 1 : 0;
            const int c = lang == SCRIPT_HEBREW ? PrekodujKeyHE(static_cast<int>(wParam), shift, ctrl)
                                                : PrekodujKeyGR(static_cast<int>(wParam), shift, ctrl);
            if (c == 0) return 0;
            status.last_char = c;
            wParam = static_cast<WPARAM>(c);
        }
        break;
    }
    case WM_MOUSEWHEEL:
        if (status.wheel == 1) {
            Scroll(id, GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? DIC_ScrollLineDown : DIC_ScrollLineUp);
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK: {
        char text[128];
        EditText(id, text, sizeof text);
        if (DIC_KeySearchFromEdit(id, text) > 0) Refresh(id);
        break;
    }
    default:
        break;
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
}

LRESULT ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int id, WNDPROC old)
{
    DATAWINDOW& w = datawindow[id];
    switch (msg) {
    case WM_RBUTTONDOWN:
        return 0;
    case WM_RBUTTONUP: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &pt);
        ContextMenu(id, hwnd, pt);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(hwnd, H(w.hwnd), &pt, 1);
        if (SplitterMouse(id, msg, pt.x, pt.y)) return 0;
        break;
    }
    case WM_SETCURSOR: {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(H(w.hwnd), &pt);
        if (InSplitter(id, pt.x, pt.y)) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
        break;
    }
    case WM_MOUSEWHEEL:
        if (status.wheel == 1) {
            Scroll(id, GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? DIC_ScrollLineDown : DIC_ScrollLineUp);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_DOWN: Scroll(id, DIC_ScrollLineDown); return 0;
        case VK_UP: Scroll(id, DIC_ScrollLineUp); return 0;
        case VK_NEXT: Scroll(id, DIC_ScrollPageDown); return 0;
        case VK_PRIOR: Scroll(id, DIC_ScrollPageUp); return 0;
        default: break;
        }
        break;
    default:
        break;
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK ListBoxFromProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int id = FindByControl(hwnd, &DATAWINDOW::dic_hlistbox_from);
    if (id < 0) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return ListProc(hwnd, msg, wParam, lParam, id, reinterpret_cast<WNDPROC>(datawindow[id].dic_Old_lb_from_Proc));
}

LRESULT CALLBACK ListBoxToProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int id = FindByControl(hwnd, &DATAWINDOW::dic_hlistbox_to);
    if (id < 0) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return ListProc(hwnd, msg, wParam, lParam, id, reinterpret_cast<WNDPROC>(datawindow[id].dic_Old_lb_to_Proc));
}

// --------------------------------------------------------------- window messages

void Dic_OnCommand(HWND hwnd, int command, HWND control, UINT notify)
{
    const int id = DicOfHwnd(hwnd);
    if (id < 0) return;
    switch (command) {
    case IDM_DIC_OPPOSITE:
        OnOpposite(id);
        return;
    case IDM_DIC_RELOAD:
        OnReload(id);
        return;
    case IDC_DIC_COMBO:
        if (notify == CBN_EDITUPDATE) OnEditChanged(id, true);
        else if (notify == CBN_EDITCHANGE) OnEditChanged(id, false);
        else if (notify == CBN_SELCHANGE) {
            const HWND combo = H(datawindow[id].dic_hcombo);
            const int sel = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
            char text[128] = "";
            if (sel >= 0 && SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0) < 127)
                SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text));
            SetEditText(id, text);
            if (DIC_KeySearchFromEdit(id, text) > 0) Refresh(id);
        }
        return;
    default:
        break;
    }
    FORWARD_WM_COMMAND(hwnd, command, control, notify, DefMDIChildProcA);
}

void Dic_OnVScroll(HWND hwnd, HWND, UINT code, int)
{
    const int id = DicOfHwnd(hwnd);
    if (id < 0) return;
    switch (code) {
    case SB_LINEDOWN: Scroll(id, DIC_ScrollLineDown); break;
    case SB_LINEUP: Scroll(id, DIC_ScrollLineUp); break;
    case SB_PAGEDOWN: Scroll(id, DIC_ScrollPageDown); break;
    case SB_PAGEUP: Scroll(id, DIC_ScrollPageUp); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(H(datawindow[id].dic_hscroll_data), SB_CTL, &si);
        if (DIC_ScrollTrack(id, si.nTrackPos)) Refresh(id);
        break;
    }
    default:
        break;
    }
}

void Dic_OnMeasureItem(HWND hwnd, MEASUREITEMSTRUCT* mis)
{
    const int id = DicOfHwnd(hwnd);
    mis->itemHeight = static_cast<UINT>(id >= 0 ? ItemHeight(id) : 16);
}

// Lines alternate between the two highlight colours when the option is on.
COLORREF LineColour(int line)
{
    if (status.opt_dic_highlight_line != 1) return GetSysColor(COLOR_WINDOW);
    return static_cast<COLORREF>(status.dic_highlight_line_color[line % 2 == 0 ? 1 : 0]);
}

void DrawListItem(int id, const DRAWITEMSTRUCT* dis)
{
    const DATAWINDOW& w = datawindow[id];
    const int line = static_cast<int>(dis->itemID);
    HDC dc = dis->hDC;
    RECT rc = dis->rcItem;
    HBRUSH brush = CreateSolidBrush(LineColour(line));
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
    if (line < 0 || line >= w.dic_radku_filled || !w.dic_radek) return;
    const DIC_RADEK& r = w.dic_radek[line];
    const char* text = r.note;
    int language = SCRIPT_LATIN;
    if (dis->CtlID == IDC_DIC_LIST_FROM) {
        text = DIC_SourceText(id, r.from, r.to, 0);
        language = DIC_GetLanguage(id, 0);
    } else if (dis->CtlID == IDC_DIC_LIST_TO) {
        text = DIC_SourceText(id, r.from, r.to, 1);
        language = DIC_GetLanguage(id, 1);
    }
    char shown[128];
    std::snprintf(shown, sizeof shown, "%s", text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    rc.left += 3;
    rc.right -= 3;
    // Hebrew is stored in display order: it is drawn as it stands, right-aligned.
    const UINT align = language == SCRIPT_HEBREW ? DT_RIGHT : DT_LEFT;
    DrawTextA(dc, shown, -1, &rc, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void DrawComboItem(int id, const DRAWITEMSTRUCT* dis)
{
    HDC dc = dis->hDC;
    RECT rc = dis->rcItem;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    FillRect(dc, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (static_cast<int>(dis->itemID) < 0) return;
    char text[128] = "";
    const HWND combo = H(datawindow[id].dic_hcombo);
    if (SendMessageA(combo, CB_GETLBTEXTLEN, dis->itemID, 0) < 127)
        SendMessageA(combo, CB_GETLBTEXT, dis->itemID, reinterpret_cast<LPARAM>(text));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)));
    rc.left += LOWORD(GetDialogBaseUnits()) / 4;
    DrawTextA(dc, text, -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &dis->rcItem);
}

void Dic_OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT* dis)
{
    const int id = DicOfHwnd(hwnd);
    if (id < 0) return;
    if (dis->CtlID == IDC_DIC_COMBO) DrawComboItem(id, dis);
    else DrawListItem(id, dis);
}

HBRUSH Dic_OnCtlColorEdit(HWND hwnd, HDC dc, HWND control, int)
{
    const int id = DicOfHwnd(hwnd);
    if (id >= 0 && control == H(datawindow[id].dic_hcomboEdit) && status.opt_dic_highlight_combo == 1 &&
        datawindow[id].dic_filter_hits < datawindow[id].dic_records_all && g_hBrush_dic_filter) {
        SetBkColor(dc, static_cast<COLORREF>(status.opt_dic_highlight_combo_color));
        return g_hBrush_dic_filter;
    }
    return FORWARD_WM_CTLCOLOREDIT(hwnd, dc, control, DefMDIChildProcA);
}

void Dic_OnSize(HWND hwnd, UINT state, int cx, int cy)
{
    const int id = DicOfHwnd(hwnd);
    if (id >= 0 && state != SIZE_MINIMIZED && datawindow[id].dic_hlistbox_from) Relayout(id);
    FORWARD_WM_SIZE(hwnd, state, cx, cy, DefMDIChildProcA);
}

BOOL Dic_OnSetCursor(HWND hwnd, HWND cursor_window, UINT code, UINT msg)
{
    const int id = DicOfHwnd(hwnd);
    if (id >= 0 && cursor_window == hwnd) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(hwnd, &pt);
        if (InSplitter(id, pt.x, pt.y) || status.dic_resizing == 1) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
    }
    return FORWARD_WM_SETCURSOR(hwnd, cursor_window, code, msg, DefMDIChildProcA);
}

void Dic_OnMouseMove(HWND hwnd, int x, int y, UINT keys)
{
    const int id = DicOfHwnd(hwnd);
    if (id < 0 || !SplitterMouse(id, WM_MOUSEMOVE, x, y)) FORWARD_WM_MOUSEMOVE(hwnd, x, y, keys, DefMDIChildProcA);
}

void Dic_OnLButtonDown(HWND hwnd, BOOL dbl, int x, int y, UINT keys)
{
    const int id = DicOfHwnd(hwnd);
    if (id < 0 || dbl || !SplitterMouse(id, WM_LBUTTONDOWN, x, y))
        FORWARD_WM_LBUTTONDOWN(hwnd, dbl, x, y, keys, DefMDIChildProcA);
}

void Dic_OnLButtonUp(HWND hwnd, int x, int y, UINT keys)
{
    const int id = DicOfHwnd(hwnd);
    if (id < 0 || !SplitterMouse(id, WM_LBUTTONUP, x, y)) FORWARD_WM_LBUTTONUP(hwnd, x, y, keys, DefMDIChildProcA);
}

void Dic_OnMouseWheel(HWND hwnd, int x, int y, int delta, UINT keys)
{
    const int id = DicOfHwnd(hwnd);
    if (id >= 0 && status.wheel == 1) {
        Scroll(id, delta < 0 ? DIC_ScrollLineDown : DIC_ScrollLineUp);
        return;
    }
    FORWARD_WM_MOUSEWHEEL(hwnd, x, y, delta, keys, DefMDIChildProcA);
}

void Dic_OnMDIActivate(HWND hwnd, BOOL active, HWND activated, HWND deactivated)
{
    const int id = DicOfHwnd(hwnd);
    if (id >= 0 && activated == hwnd) {
        status.bk_last_book = id;
        UpdateButonStates();
        UpdateStatusBar(id, -1);
    }
    (void)active;  // the message carries only the two windows
    FORWARD_WM_MDIACTIVATE(hwnd, active, activated, deactivated, DefMDIChildProcA);
}

void Dic_OnSetFocus(HWND hwnd, HWND)
{
    const int id = DicOfHwnd(hwnd);
    if (id >= 0 && datawindow[id].dic_hcomboEdit) SetFocus(H(datawindow[id].dic_hcomboEdit));
}

void Dic_OnClose(HWND hwnd)
{
    // A search over the open modules must not lose its window.
    if (SearchDialogOpen()) {
        MessageBeep(MB_OK);
        return;
    }
    FORWARD_WM_CLOSE(hwnd, DefMDIChildProcA);
}

void Dic_OnDestroy(HWND hwnd)
{
    DeleteKeyFont(hwnd);
    const int id = DicOfHwnd(hwnd);
    if (id < 0) return;
    const int id_file = datawindow[id].id_file;
    ZrusDatawindow(id);
    (void)id_file;
    LIB_RefreshTreeImages();
    UsporadejOkna();
    BK_UpdateAllBookWindows();
    if (status.num_windows == 0) {
        g_status_text[1][0] = '\0';
        UpdateStatusBar(-1, 1);
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

// The status-bar part of a dictionary window.
int StatusRecord(int id, int* image, char* text, int size)
{
    if (id < 0 || id >= MAX_DATAWINDOWS || datawindow[id].type != MODULE_DICTIONARY) return 0;
    if (!DIC_StatusText(id, text, static_cast<std::size_t>(size))) return 0;
    *image = datawindow[id].dic_filter_hits < datawindow[id].dic_records_all ? 1 : 0;
    return 1;
}

void LookupInDictionary(int v, const char* word, int language, int source)
{
    DIC_LookAt(v, word, language, source);
}

int OpenDictionaryWindow(HWND client, int id_file)
{
    return CreateDicMDIChild(client, id_file);
}

// A dictionary window of the saved layout: its place, its direction and the
// number at the top of its list.
int ReopenDictionaryWindow(int id_file, const CFG_WINDOW& entry)
{
    if (!CreateDicMDIChild(g_hMDIClient, id_file)) return -1;
    const int id = status.num_windows - 1;
    MoveWindowByCfg(id, entry);
    if (entry.param != datawindow[id].dic_direction)
        SendMessageA(H(datawindow[id].hwnd), WM_COMMAND, MAKEWPARAM(IDM_DIC_OPPOSITE, 0), 0);
    if (entry.offset > 0 && DIC_NaplnRadky(id, entry.offset)) {
        DIC_ZobrazRadky(id);
        UpdateStatusBar(id, -1);
    }
    return id;
}

int32_t SavedOffset(int id)
{
    return DIC_TopNumber(id);
}

} // namespace

void DIC_InstallWindowHooks()
{
    RegisterDataWindowKind(DW_KIND_DICTIONARY, DIC_WndProc, OpenDictionaryWindow);
    SetStatusRecordProvider(MODULE_DICTIONARY, StatusRecord);
    RegisterCfgWindowKind(MODULE_DICTIONARY, CFG_WINDOW_KIND{ReopenDictionaryWindow, SavedOffset});
    g_dic_lookup = LookupInDictionary;
}

LRESULT DIC_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        HANDLE_MSG(hwnd, WM_COMMAND, Dic_OnCommand);
        HANDLE_MSG(hwnd, WM_VSCROLL, Dic_OnVScroll);
        HANDLE_MSG(hwnd, WM_MEASUREITEM, Dic_OnMeasureItem);
        HANDLE_MSG(hwnd, WM_DRAWITEM, Dic_OnDrawItem);
        HANDLE_MSG(hwnd, WM_CTLCOLOREDIT, Dic_OnCtlColorEdit);
        HANDLE_MSG(hwnd, WM_SIZE, Dic_OnSize);
        HANDLE_MSG(hwnd, WM_SETCURSOR, Dic_OnSetCursor);
        HANDLE_MSG(hwnd, WM_MOUSEMOVE, Dic_OnMouseMove);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, Dic_OnLButtonDown);
        HANDLE_MSG(hwnd, WM_LBUTTONUP, Dic_OnLButtonUp);
        HANDLE_MSG(hwnd, WM_MOUSEWHEEL, Dic_OnMouseWheel);
        HANDLE_MSG(hwnd, WM_MDIACTIVATE, Dic_OnMDIActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, Dic_OnSetFocus);
        HANDLE_MSG(hwnd, WM_CLOSE, Dic_OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, Dic_OnDestroy);
    default:
        return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    }
}

int DIC_CreateFonts(int id)
{
    DATAWINDOW& w = datawindow[id];
    DIC_DestroyFonts(id);
    w.dic_hfont_from = MakeFont(w.dic_lang_from, w.dic_charset_from);
    w.dic_hfont_to = MakeFont(w.dic_lang_to, w.dic_charset_to);
    w.dic_hfont_note = MakeFont(SCRIPT_LATIN, w.dic_charset_note);
    return w.dic_hfont_from && w.dic_hfont_to && w.dic_hfont_note ? 1 : 0;
}

void DIC_DestroyFonts(int id)
{
    DATAWINDOW& w = datawindow[id];
    for (FONT_HANDLE* f : {&w.dic_hfont_from, &w.dic_hfont_to, &w.dic_hfont_note}) {
        if (*f) DeleteObject(F(*f));
        *f = nullptr;
    }
}

void DIC_Setup_Fonts(int id)
{
    DATAWINDOW& w = datawindow[id];
    const bool forward = w.dic_direction == 0;
    const HFONT source = F(forward ? w.dic_hfont_from : w.dic_hfont_to);
    const HFONT target = F(forward ? w.dic_hfont_to : w.dic_hfont_from);
    SendMessageA(H(w.dic_hlistbox_from), WM_SETFONT, reinterpret_cast<WPARAM>(source), TRUE);
    SendMessageA(H(w.dic_hlistbox_to), WM_SETFONT, reinterpret_cast<WPARAM>(target), TRUE);
    SendMessageA(H(w.dic_hlistbox_note), WM_SETFONT, reinterpret_cast<WPARAM>(F(w.dic_hfont_note)), TRUE);
    SetKeyFont(id);
    // One item height for the three lists: the tallest of the fonts.
    int height = 0;
    HDC dc = GetDC(H(w.hwnd));
    for (FONT_HANDLE f : {w.dic_hfont_from, w.dic_hfont_to, w.dic_hfont_note}) {
        if (!f) continue;
        HGDIOBJ old = SelectObject(dc, F(f));
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        height = std::max<int>(height, tm.tmHeight);
    }
    ReleaseDC(H(w.hwnd), dc);
    height = std::max(height + 2, 14);
    for (WINDOW_HANDLE l : {w.dic_hlistbox_from, w.dic_hlistbox_to, w.dic_hlistbox_note})
        SendMessageA(H(l), LB_SETITEMHEIGHT, 0, height);
    SendMessageA(H(w.dic_hcombo), CB_SETITEMHEIGHT, 0, std::min(height, 22));
    SendMessageA(H(w.dic_hcombo), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 19);
}

int DIC_GetListBoxLines(int id)
{
    const DATAWINDOW& w = datawindow[id];
    RECT rc{};
    GetClientRect(H(w.dic_hlistbox_from), &rc);
    return std::clamp(static_cast<int>(rc.bottom) / ItemHeight(id), 0, DIC_MAX_LINES);
}

void DIC_ZobrazRadky(int id)
{
    DATAWINDOW& w = datawindow[id];
    for (WINDOW_HANDLE l : {w.dic_hlistbox_from, w.dic_hlistbox_to, w.dic_hlistbox_note}) {
        const HWND list = H(l);
        if (!list) continue;
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < w.dic_radku_filled; ++i) SendMessageA(list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    DIC_NastavScroll(id);
}

void DIC_NastavScroll(int id)
{
    const DATAWINDOW& w = datawindow[id];
    const int top = DIC_TopNumber(id);
    if (!w.dic_hscroll_data || top < 1) return;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    si.nMin = 1;
    si.nMax = std::max<int>(1, w.dic_records_all);
    si.nPage = 1;
    si.nPos = top;
    SetScrollInfo(H(w.dic_hscroll_data), SB_CTL, &si, TRUE);
}

void DIC_FillComboPatterns(int id)
{
    const DATAWINDOW& w = datawindow[id];
    const HWND combo = H(w.dic_hcombo);
    if (!combo) return;
    char text[128];
    EditText(id, text, sizeof text);
    g_ignore_edit = true;
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const PATT_HIST* shown[DIC_HISTORY];
    const int n = DIC_HistoryForCombo(id, shown);
    for (int i = 0; i < n; ++i) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown[i]->pattern));
    SetWindowTextA(combo, text);
    g_ignore_edit = false;
}

int DIC_LookAt(int v, const char* word, int language, int source)
{
    const int mode = DIC_LookupMode(v, language, source);
    if (mode == 0 || !word) return 0;
    DATAWINDOW& w = datawindow[v];
    char copy[128];
    std::snprintf(copy, sizeof copy, "%s", word);
    if (mode == 2) SendMessageA(H(w.hwnd), WM_COMMAND, MAKEWPARAM(IDM_DIC_OPPOSITE, 0), 0);
    if (status.opt_dic_clrfltr_before_look == 1) DIC_ClearFilter(v);
    DIC_AddPatternToHistory(v, copy);
    DIC_FillComboPatterns(v);
    SetEditText(v, copy);
    const UINT notify = language == SCRIPT_HEBREW ? CBN_EDITUPDATE : CBN_EDITCHANGE;
    g_last_key = VK_DELETE;  // the caret stays where the text puts it
    SendMessageA(H(w.hwnd), WM_COMMAND, MAKEWPARAM(IDC_DIC_COMBO, notify), reinterpret_cast<LPARAM>(H(w.dic_hcombo)));
    Refresh(v);
    return 1;
}

int DIC_CopyToClipboard(HWND owner, const char* text, int language)
{
    if (!text || !OpenClipboard(owner)) return 0;
    EmptyClipboard();
    const std::size_t n = std::strlen(text);
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, n + 1)) {
        std::memcpy(GlobalLock(mem), text, n + 1);
        GlobalUnlock(mem);
        if (!SetClipboardData(CF_TEXT, mem)) GlobalFree(mem);
    }
    if (language == SCRIPT_HEBREW || language == SCRIPT_GREEK) {
        // Hebrew is held in display order: Unicode text is in reading order.
        std::string codes(text, n);
        if (language == SCRIPT_HEBREW) std::reverse(codes.begin(), codes.end());
        std::u32string uni;
        DisplayToUnicode(language, codes, uni);
        std::wstring wide;
        for (char32_t c : uni) {
            if (c >= 0x10000) {
                c -= 0x10000;
                wide += static_cast<wchar_t>(0xD800 + (c >> 10));
                wide += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            } else {
                wide += static_cast<wchar_t>(c);
            }
        }
        if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t))) {
            std::memcpy(GlobalLock(mem), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
            GlobalUnlock(mem);
            if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
        }
    }
    CloseClipboard();
    return 1;
}

int CreateDicMDIChild(HWND hMDIClient, int id_file)
{
    if (!hMDIClient) return 0;
    const int id = DIC_OpenDatawindow(id_file);
    if (id < 0) return 0;
    DATAWINDOW& w = datawindow[id];
    const char* title = w.dic_dicname[0][0] ? w.dic_dicname[0] : datafile[id_file].title;
    HWND hwnd = CreateMDIWindowA(kChildClassName, title, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, hMDIClient, hInst, 0);
    if (!hwnd) {
        ZrusDatawindow(id);
        return 0;
    }
    w.hwnd = hwnd;
    auto child = [&](DWORD ex, const char* cls, const char* text, DWORD style, int control) {
        return CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)), hInst, nullptr);
    };
    char reload[64];
    LANG_LoadString(nullptr, 10079, reload, sizeof reload);
    w.dic_hbutton_reload = child(0, "BUTTON", reload, BS_PUSHBUTTON, IDC_DIC_RELOAD);
    SendMessageA(H(w.dic_hbutton_reload), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    w.dic_hbutton_opposite =
        child(0, "BUTTON", g_hBmpOpposite ? "" : "<>", BS_PUSHBUTTON | (g_hBmpOpposite ? BS_BITMAP : 0),
              IDC_DIC_OPPOSITE);
    if (g_hBmpOpposite)
        SendMessageA(H(w.dic_hbutton_opposite), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(OppositeBitmap()));
    w.dic_hcombo = child(0, "COMBOBOX", "",
                         CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP,
                         IDC_DIC_COMBO);
    w.dic_hcomboEdit = FindWindowExA(H(w.dic_hcombo), nullptr, "EDIT", nullptr);
    if (w.dic_hcomboEdit)
        w.dic_OldcomboEditProc = reinterpret_cast<PROC_HANDLE>(SetWindowLongPtrA(
            H(w.dic_hcomboEdit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboEditProc)));
    const DWORD list_style = LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOSEL | LBS_NOTIFY;
    w.dic_hlistbox_from = child(WS_EX_CLIENTEDGE, "LISTBOX", "", list_style, IDC_DIC_LIST_FROM);
    w.dic_hlistbox_to = child(WS_EX_CLIENTEDGE, "LISTBOX", "", list_style, IDC_DIC_LIST_TO);
    w.dic_hlistbox_note = child(WS_EX_CLIENTEDGE, "LISTBOX", "", list_style, IDC_DIC_LIST_NOTE);
    w.dic_Old_lb_from_Proc = reinterpret_cast<PROC_HANDLE>(
        SetWindowLongPtrA(H(w.dic_hlistbox_from), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListBoxFromProc)));
    w.dic_Old_lb_to_Proc = reinterpret_cast<PROC_HANDLE>(
        SetWindowLongPtrA(H(w.dic_hlistbox_to), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListBoxToProc)));
    w.dic_hscroll_data = child(0, "SCROLLBAR", "", SBS_VERT, IDC_DIC_SCROLLBAR);

    if (!DIC_CreateFonts(id))
        ShowMessageBox(hwnd, "Cannot create font in DIC_CreateFonts()", "Internal Error - please report!",
                       SV_MB_OK | SV_MB_ICONERROR);
    DIC_Setup_Fonts(id);
    Layout(id, true);
    w.dic_listbox_lines = DIC_GetListBoxLines(id);
    DIC_PocatecniVypis(id, 1);
    DIC_ZobrazRadky(id);

    HICON icon = LoadIconA(hInst, MAKEINTRESOURCEA(IDI_CHILD));
    if (icon) SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    LIB_RefreshTreeImages();
    UsporadejOkna();
    Relayout(id);
    BK_UpdateAllBookWindows();
    status.bk_last_book = id;
    UpdateButonStates();
    UpdateStatusBar(id, -1);
    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
    return 1;
}
