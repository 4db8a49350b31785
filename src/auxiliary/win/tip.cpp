#include "auxiliary/win/tip.h"

#include <windowsx.h>

#include "app/lang.h"
#include "app/records.h"
#include "app/win/lang_window.h"
#include "app/win/main_window.h"
#include "resource.h"

HWND hTipDlg = nullptr;

namespace {

constexpr int kTips = 24;
HFONT g_heading_font = nullptr;
HFONT g_text_font = nullptr;
int g_shown = 0;

HFONT Arial(int height, int weight)
{
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, static_cast<DWORD>(LANG_CurrentCharset()),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

// Shows tip n (above 24: tip 1); the next one, wrapping from 24 to 1, is
// kept in tip_to_show.
void ShowTip(HWND hwnd, int n)
{
    if (n < 1 || n > kTips) n = 1;
    char text[512];
    LANG_LoadString(nullptr, IDS_TIP_BASE + n, text, sizeof text);
    SetDlgItemTextA(hwnd, IDC_TIP_TEXT, text);
    g_shown = n;
    status.tip_to_show = n % kTips + 1;
}

void Tip_Close(HWND hwnd)
{
    status.opt_show_tip = IsDlgButtonChecked(hwnd, IDC_TIP_SHOW_AT_STARTUP) == BST_CHECKED ? 1 : 0;
    DestroyWindow(hwnd);
}

BOOL Tip_OnInitDialog(HWND hwnd, HWND, LPARAM)
{
    hTipDlg = hwnd;
    status.tip_visible = 1;
    RECT rc;
    GetWindowRect(hwnd, &rc);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    g_heading_font = Arial(30, 700);
    g_text_font = Arial(17, 400);
    SendDlgItemMessageA(hwnd, IDC_TIP_HEADING, WM_SETFONT, reinterpret_cast<WPARAM>(g_heading_font), FALSE);
    SendDlgItemMessageA(hwnd, IDC_TIP_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(g_text_font), FALSE);
    char caption[128];
    LANG_LoadString(nullptr, IDS_TIP_CAPTION, caption, sizeof caption);
    SetWindowTextA(hwnd, caption);
    LANG_TranslateDialog(hwnd);
    CheckDlgButton(hwnd, IDC_TIP_SHOW_AT_STARTUP, status.opt_show_tip == 1 ? BST_CHECKED : BST_UNCHECKED);
    ShowTip(hwnd, status.tip_to_show);
    return TRUE;
}

void Tip_OnCommand(HWND hwnd, int id, HWND, UINT)
{
    switch (id) {
    case IDC_TIP_NEXT:
        ShowTip(hwnd, status.tip_to_show);
        break;
    case IDC_TIP_CLOSE:
    case IDCANCEL:
        Tip_Close(hwnd);
        break;
    default:
        break;
    }
}

void Tip_OnDestroy(HWND)
{
    if (g_heading_font) DeleteObject(g_heading_font);
    if (g_text_font) DeleteObject(g_text_font);
    g_heading_font = g_text_font = nullptr;
    hTipDlg = nullptr;
    status.tip_visible = 0;
    g_shown = 0;
}

HBRUSH Tip_OnCtlColorStatic(HWND, HDC dc, HWND control, int)
{
    const int id = GetDlgCtrlID(control);
    if (id != IDC_TIP_HEADING && id != IDC_TIP_TEXT) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, id == IDC_TIP_HEADING ? RGB(28, 52, 112) : RGB(0, 0, 0));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

} // namespace

INT_PTR CALLBACK TipDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hwnd, wParam, lParam, Tip_OnInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(hwnd, wParam, lParam, Tip_OnCommand);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(HANDLE_WM_CTLCOLORSTATIC(hwnd, wParam, lParam, Tip_OnCtlColorStatic));
    case WM_DESTROY:
        HANDLE_WM_DESTROY(hwnd, wParam, lParam, Tip_OnDestroy);
        return TRUE;
    default:
        return FALSE;
    }
}

HWND ShowTipOfDay(HWND owner)
{
    if (hTipDlg && IsWindow(hTipDlg)) return hTipDlg;
    HWND dlg = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_TIP), owner, TipDlgProc, 0);
    if (dlg) ShowWindow(dlg, SW_SHOW);
    return dlg;
}

void CloseTipOfDay()
{
    if (hTipDlg && IsWindow(hTipDlg)) Tip_Close(hTipDlg);
}

int CurrentTipNumber()
{
    return hTipDlg ? g_shown : 0;
}
