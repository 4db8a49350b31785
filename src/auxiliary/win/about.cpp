#include "auxiliary/win/about.h"

#include <windowsx.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/lang.h"
#include "app/startup.h"
#include "app/win/lang_window.h"
#include "app/win/main_window.h"
#include "resource.h"

namespace {

HBITMAP g_about_picture = nullptr;

// The text resource 3568 with its line ends made CR LF for the edit control.
std::string AboutText()
{
    HRSRC res = FindResourceA(hInst, MAKEINTRESOURCEA(IDR_ABOUT_TEXT), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!res) return "";
    HGLOBAL data = LoadResource(hInst, res);
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    const DWORD size = SizeofResource(hInst, res);
    std::string text;
    for (DWORD i = 0; bytes && i < size; ++i) {
        if (bytes[i] == '\r') continue;
        if (bytes[i] == '\n') text += '\r';
        text += bytes[i];
    }
    return text;
}

BOOL About_OnInitDialog(HWND hwnd, HWND, LPARAM)
{
    char text[512];
    LANG_LoadString(nullptr, IDS_ABOUT_CAPTION, text, sizeof text);
    SetWindowTextA(hwnd, text);
    LANG_TranslateDialog(hwnd);
    char version_label[128], build_label[128];
    LANG_LoadString(nullptr, IDS_ABOUT_VERSION, version_label, sizeof version_label);
    LANG_LoadString(nullptr, IDS_ABOUT_BUILD, build_label, sizeof build_label);
    std::snprintf(text, sizeof text,
                  "%s%d.%d.%d.%d\n%s%s %s\n\nSevir: the Scriptures in translations and in the original languages.",
                  version_label, verze.v1, verze.v2, verze.v3, verze.v4, build_label, __DATE__, __TIME__);
    SetDlgItemTextA(hwnd, IDC_ABOUT_VERSION, text);
    SetDlgItemTextA(hwnd, IDC_ABOUT_TEXT, AboutText().c_str());
    g_about_picture = static_cast<HBITMAP>(LoadImageA(hInst, MAKEINTRESOURCEA(IDB_ABOUT), IMAGE_BITMAP, 0, 0, 0));
    return TRUE;
}

void About_End(HWND hwnd)
{
    if (g_about_picture) DeleteObject(g_about_picture);
    g_about_picture = nullptr;
    EndDialog(hwnd, IDOK);
}

void About_OnCommand(HWND hwnd, int id, HWND, UINT)
{
    if (id == IDC_ABOUT_OK || id == IDOK || id == IDCANCEL) About_End(hwnd);
}

void About_OnDrawItem(HWND, const DRAWITEMSTRUCT* dis)
{
    if (!dis || dis->CtlID != IDC_ABOUT_PICTURE || !g_about_picture) return;
    BITMAP bm = {};
    GetObjectA(g_about_picture, sizeof bm, &bm);
    HDC mem = CreateCompatibleDC(dis->hDC);
    HGDIOBJ old = SelectObject(mem, g_about_picture);
    SetStretchBltMode(dis->hDC, HALFTONE);
    StretchBlt(dis->hDC, dis->rcItem.left, dis->rcItem.top, dis->rcItem.right - dis->rcItem.left,
               dis->rcItem.bottom - dis->rcItem.top, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

} // namespace

INT_PTR CALLBACK AboutDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(hwnd, wParam, lParam, About_OnInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(hwnd, wParam, lParam, About_OnCommand);
        return TRUE;
    case WM_DRAWITEM:
        HANDLE_WM_DRAWITEM(hwnd, wParam, lParam, About_OnDrawItem);
        return TRUE;
    case WM_CLOSE:
        About_End(hwnd);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR ShowAboutBox(HWND owner)
{
    return DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDlgProc, 0);
}
