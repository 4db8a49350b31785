#include "text/win/info_window.h"

#include <windowsx.h>

#include <richedit.h>

#include <cstring>
#include <string>

#include "app/data_windows.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "app/win/config_windows.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_menu.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/render.h"
#include "books/rtf_tags.h"
#include "books/win/book_window.h"
#include "books/win/rich_text.h"
#include "resource.h"
#include "text/info_text.h"
#include "text/win/click_view.h"

namespace {

WNDPROC g_old_rich_proc = nullptr;

std::string Str(int id)
{
    char text[256];
    LANG_LoadString(nullptr, id, text, sizeof text);
    return text;
}

int InfoId()
{
    return status.info_visible == 1 && status.id_info >= 0 && status.id_info < status.num_windows ? status.id_info
                                                                                                  : -1;
}

HWND InfoView()
{
    const int id = InfoId();
    return id >= 0 ? static_cast<HWND>(datawindow[id].hrichedit) : nullptr;
}

void Layout(HWND hwnd)
{
    HWND view = GetDlgItem(hwnd, IDC_INFO_RICHEDIT);
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (view) MoveWindow(view, 0, 0, rc.right, rc.bottom, TRUE);
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0) {
        RECT wr;
        GetWindowRect(hwnd, &wr);
        datawindow[id].position = SV_RECT{wr.left, wr.top, wr.right, wr.bottom};
        datawindow[id].line_width = rc.right;
    }
}

void ShowContextMenu(HWND view, int x, int y)
{
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    AppendMenuA(menu, MF_STRING | (status.opt_info_gematria == 1 ? MF_CHECKED : MF_UNCHECKED), IDM_INFO_GEMATRIA,
                Str(IDS_MENU_INFO_GEMATRIA).c_str());
    AppendMenuA(menu, MF_STRING | (status.opt_info_morphology == 1 ? MF_CHECKED : MF_UNCHECKED), IDM_INFO_MORPHOLOGY,
                Str(IDS_MENU_INFO_MORPHOLOGY).c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_INFO_SELECT_ALL, Str(IDS_MENU_INFO_SELECT_ALL).c_str());
    AppendMenuA(menu, MF_STRING, IDM_INFO_COPY, Str(IDS_MENU_INFO_COPY).c_str());
    POINT pt{x, y};
    ClientToScreen(view, &pt);
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY, pt.x,
                                       pt.y + 20, 0, GetParent(view), nullptr);
    DestroyMenu(menu);
    if (command) INFO_ProcessCommand(command);
}

// ------------------------------------------------------------ the MDI child

void Info_OnKey(HWND hwnd, UINT vk, BOOL down, int repeat, UINT flags)
{
    const int code = BK_ScrollCodeOfKey(vk);
    if (code >= 0 && down) {
        SendMessageA(hwnd, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
        return;
    }
    FORWARD_WM_KEYDOWN(hwnd, vk, repeat, flags, DefMDIChildProcA);
}

void Info_OnVScroll(HWND hwnd, HWND, UINT code, int)
{
    HWND view = GetDlgItem(hwnd, IDC_INFO_RICHEDIT);
    if (view && (code == SB_LINEUP || code == SB_LINEDOWN || code == SB_PAGEUP || code == SB_PAGEDOWN))
        SendMessageA(view, EM_SCROLL, code, 0);
}

void Info_OnSize(HWND hwnd, UINT state, int cx, int cy)
{
    Layout(hwnd);
    FORWARD_WM_SIZE(hwnd, state, cx, cy, DefMDIChildProcA);
}

void Info_OnMDIActivate(HWND hwnd, BOOL active, HWND activated, HWND deactivated)
{
    (void)active;
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0 && activated == hwnd) {
        status.bk_last_book = id;
        BK_UpdateNavigator(datawindow[id].book_position, id, 3);
        UpdateButonStates();
        UpdateStatusBar(id, -1);
    }
    FORWARD_WM_MDIACTIVATE(hwnd, active, activated, deactivated, DefMDIChildProcA);
}

void Info_OnClose(HWND hwnd)
{
    if (SearchDialogOpen()) {
        MessageBeep(MB_OK);
        return;
    }
    FORWARD_WM_CLOSE(hwnd, DefMDIChildProcA);
}

void Info_OnDestroy(HWND hwnd)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id < 0) return;
    ZrusDatawindow(id);
    if (status.num_windows == 0) {
        g_status_text[1][0] = '\0';
        UpdateStatusBar(-1, 1);
        BK_UpdateNavigator(BOOK_POSITION{}, 0, 3);
        status.bk_last_book = 0;
    } else {
        HWND active = g_hMDIClient ? reinterpret_cast<HWND>(SendMessageA(g_hMDIClient, WM_MDIGETACTIVE, 0, 0)) : nullptr;
        const int a = FindDatawindowOfHwnd(active);
        status.bk_last_book = a >= 0 && a != id ? a : 0;
        UpdateStatusBar(status.bk_last_book, -1);
    }
    UpdateButonStates();
    if (hMain) PostMessageA(hMain, WM_SEVIR_RETILE, 0, 0);
}

void Info_OnSetFocus(HWND hwnd, HWND)
{
    if (HWND view = GetDlgItem(hwnd, IDC_INFO_RICHEDIT)) SetFocus(view);
}

// ------------------------------------------------------------ the saved layout

int ReopenInfoWindow(int, const CFG_WINDOW& entry)
{
    if (InfoId() < 0 && !CreateInfoMDIChild(g_hMDIClient)) return -1;
    const int id = InfoId();
    if (id < 0) return -1;
    MoveWindowByCfg(id, entry);
    return id;
}

int32_t SavedOffset(int)
{
    return 0;
}

} // namespace

void INFO_InstallWindowHooks()
{
    RegisterDataWindowKind(DW_KIND_INFO, INFO_WndProc, nullptr);
    RegisterCfgWindowKind(MODULE_INFO, CFG_WINDOW_KIND{ReopenInfoWindow, SavedOffset});
    SetCommandAvailable(IDM_SHOW_INFO, true);
    SetCommandAvailable(IDM_FILE_INFO, true);
}

int CreateInfoMDIChild(HWND hMDIClient)
{
    if (!hMDIClient) return 0;
    if (status.num_windows + 1 > MAX_DATAWINDOWS - 1) {
        ShowMessageBoxId(nullptr, 10004, 10005, SV_MB_OK | SV_MB_ICONWARNING, MAX_DATAWINDOWS);
        return 0;
    }
    const int id = status.num_windows;
    DATAWINDOW& w = datawindow[id];
    std::memset(&w, 0, sizeof w);
    w.id = id;
    w.id_file = -1;
    w.type = MODULE_INFO;
    w.infowindow = 1;
    w.book_position.number = id;
    ++status.num_windows;
    status.id_info = id;
    status.info_visible = 1;

    HWND hwnd = CreateMDIWindowA(kChildClassName, Str(IDS_INFO_WINDOW_CAPTION).c_str(), 0, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hMDIClient, hInst, 0);
    if (!hwnd) {
        ZrusDatawindow(id);
        return 0;
    }
    w.hwnd = hwnd;
    RECT rc;
    GetClientRect(hwnd, &rc);
    HWND view = CreateWindowExA(0, "RichEdit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                                                       ES_READONLY,
                                0, 0, rc.right, rc.bottom, hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_INFO_RICHEDIT)), hInst, nullptr);
    w.hrichedit = view;
    if (view) {
        SendMessageA(view, EM_EXLIMITTEXT, 0, 128000);
        g_old_rich_proc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(INFO_RichProc)));
        w.OldRichProc = reinterpret_cast<PROC_HANDLE>(g_old_rich_proc);
    }
    HICON icon = LoadIconA(hInst, MAKEINTRESOURCEA(IDI_CHILD));
    if (icon) SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    Layout(hwnd);
    UsporadejOkna();
    Layout(hwnd);
    BK_UpdateAllBookWindows();
    status.bk_last_book = id;
    UpdateButonStates();
    UpdateStatusBar(id, -1);
    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
    return 1;
}

LRESULT INFO_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        HANDLE_MSG(hwnd, WM_KEYDOWN, Info_OnKey);
        HANDLE_MSG(hwnd, WM_VSCROLL, Info_OnVScroll);
        HANDLE_MSG(hwnd, WM_SIZE, Info_OnSize);
        HANDLE_MSG(hwnd, WM_MDIACTIVATE, Info_OnMDIActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, Info_OnSetFocus);
        HANDLE_MSG(hwnd, WM_CLOSE, Info_OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, Info_OnDestroy);
    default:
        return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK INFO_RichProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC old = g_old_rich_proc;
    if (!old) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_KEYDOWN: {
        const int code = BK_ScrollCodeOfKey(static_cast<UINT>(wParam));
        if (code >= 0) {
            SendMessageA(GetParent(hwnd), WM_VSCROLL, MAKEWPARAM(code, 0), 0);
            return 0;
        }
        if (GetKeyState(VK_CONTROL) < 0 && (wParam == 'C' || wParam == VK_INSERT)) {
            CopyViewSelection(hwnd);
            return 0;
        }
        break;
    }
    case WM_COPY:
        CopyViewSelection(hwnd);
        return 0;
    case WM_LBUTTONDBLCLK:
        return 0;  // double clicks do nothing here
    case WM_RBUTTONDOWN:
        ShowContextMenu(hwnd, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    default:
        break;
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
}

int INFO_ProcessCommand(int command)
{
    HWND view = InfoView();
    switch (command) {
    case IDM_INFO_GEMATRIA:
        status.opt_info_gematria = status.opt_info_gematria == 1 ? 0 : 1;
        return 1;
    case IDM_INFO_MORPHOLOGY:
        status.opt_info_morphology = status.opt_info_morphology == 1 ? 0 : 1;
        return 1;
    case IDM_INFO_SELECT_ALL:
        if (view) SendMessageA(view, EM_SETSEL, 0, static_cast<LPARAM>(-1));
        return 1;
    case IDM_INFO_COPY:
        if (view) CopyViewSelection(view);
        return 1;
    default:
        return 0;
    }
}

void INFO_ToggleWindow()
{
    if (SearchDialogOpen()) {
        MessageBeep(MB_OK);
        return;
    }
    const int id = InfoId();
    if (id < 0) {
        CreateInfoMDIChild(g_hMDIClient);
    } else if (g_hMDIClient && datawindow[id].hwnd) {
        SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(datawindow[id].hwnd), 0);
    }
    UpdateButonStates();
}

int INFO_ShowModuleInfo(int id)
{
    if (SearchDialogOpen()) {
        MessageBeep(MB_OK);
        return 0;
    }
    if (id < 0 || id >= status.num_windows) return 0;
    const int f = datawindow[id].id_file;
    if (f < 0 || f >= status.files_all || !datafile[f].opened) return 0;
    HWND keep = static_cast<HWND>(datawindow[id].hwnd);
    if (InfoId() < 0 && !CreateInfoMDIChild(g_hMDIClient)) return 0;
    // Creating the information window may have moved nothing, but look the
    // module's window up again by its handle all the same.
    const int w = FindDatawindowOfHwnd(keep);
    if (w < 0 || !DecodeTagInfo(w, bk_rtfdata.buffer, RTFDATA_BUFFER)) return 0;
    BK_ZobrazText(status.id_info);
    UpdateButonStates();
    return 1;
}
