#include "app/win/shell.h"

#include <shellapi.h>

#include <cstring>
#include <string>

int ShowURL(const char* url)
{
    if (!url || !*url) return 0;
    const INT_PTR r = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", url, nullptr, nullptr, SW_SHOWNORMAL));
    if (r > 32) return 1;
    // The program registered for ".htm".
    char cls[256] = {};
    LONG size = sizeof cls;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", cls, &size) != ERROR_SUCCESS || !cls[0]) return 0;
    char command[501] = {};
    size = sizeof command - 1;
    const std::string key = std::string(cls) + "\\shell\\open\\command";
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), command, &size) != ERROR_SUCCESS) return 0;
    command[500] = '\0';
    if (command[0] == '"') command[0] = ' ';
    char* exe = std::strstr(command, ".exe");
    if (!exe) exe = std::strstr(command, ".EXE");
    if (!exe) return 0;
    exe[4] = ' ';
    std::string line(command, static_cast<std::size_t>(exe - command) + 5);
    line += url;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string mutable_line = line;
    if (!CreateProcessA(nullptr, mutable_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 1;
}

namespace {

RECT ClientRectOf(HWND hDlg)
{
    RECT rc = {};
    GetClientRect(hDlg, &rc);
    return rc;
}

RECT ControlRect(HWND hDlg, HWND control)
{
    RECT rc = {};
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

_DlgAncItem* Find(_DlgAncItem* list, HWND hDlg, int control)
{
    HWND hwnd = GetDlgItem(hDlg, control);
    for (_DlgAncItem* p = list; p && p->pNext; p = p->pNext)
        if (p->hDlg == hDlg && p->hWnd == hwnd) return p;
    return nullptr;
}

// One axis: near and far edges of the control, with the flags for the
// near side, the far side, and the centre variants.
void Axis(LONG* a, LONG* b, int change, UINT flags, UINT near_flag, UINT far_flag, UINT far_center, UINT near_center)
{
    const int half = change / 2;
    if (flags & near_flag) {
        if (flags & far_flag) *b += change;
        else if (flags & near_center) *b += half;
    } else if (flags & far_flag) {
        if (flags & far_center) {
            *a += half;
            *b += change;
        } else {
            *a += change;
            *b += change;
        }
    } else {
        *a += half;
        *b += half;
    }
}

} // namespace

_DlgAncItem* DAI_Init(_DlgAncItem* list, HWND hDlg)
{
    if (list) DAI_Free(list);
    _DlgAncItem* sentinel = new _DlgAncItem{};
    sentinel->hDlg = hDlg;
    return sentinel;
}

_DlgAncItem* DAI_Add(_DlgAncItem* list, HWND hDlg, int control, UINT flags)
{
    HWND hwnd = GetDlgItem(hDlg, control);
    if (!hwnd) return list;
    _DlgAncItem* node = new _DlgAncItem{};
    node->hDlg = hDlg;
    node->m_pRect = ClientRectOf(hDlg);
    node->hWnd = hwnd;
    node->uFlag = flags;
    node->pRect = ControlRect(hDlg, hwnd);
    node->pNext = list;
    return node;
}

int DAI_Update(_DlgAncItem* list, HWND hDlg, int control)
{
    _DlgAncItem* p = Find(list, hDlg, control);
    if (!p) return 0;
    p->pRect = ControlRect(hDlg, p->hWnd);
    return 1;
}

int DAI_Remove(_DlgAncItem* list, HWND hDlg, int control)
{
    HWND hwnd = GetDlgItem(hDlg, control);
    for (_DlgAncItem* p = list; p && p->pNext; p = p->pNext)
        if (p->pNext->pNext && p->pNext->hDlg == hDlg && p->pNext->hWnd == hwnd) {
            _DlgAncItem* gone = p->pNext;
            p->pNext = gone->pNext;
            delete gone;
            return 1;
        }
    return 0;
}

int DAI_OnSize(_DlgAncItem* list, HWND hDlg, BOOL repaint)
{
    const RECT now = ClientRectOf(hDlg);
    for (_DlgAncItem* p = list; p && p->pNext; p = p->pNext) {
        if (p->hDlg != hDlg) continue;
        const int dw = (now.right - now.left) - (p->m_pRect.right - p->m_pRect.left);
        const int dh = (now.bottom - now.top) - (p->m_pRect.bottom - p->m_pRect.top);
        RECT r = p->pRect;
        Axis(&r.left, &r.right, dw, p->uFlag, DAI_LEFT, DAI_RIGHT, DAI_LEFT_CENTER, DAI_RIGHT_CENTER);
        Axis(&r.top, &r.bottom, dh, p->uFlag, DAI_TOP, DAI_BOTTOM, DAI_TOP_CENTER, DAI_BOTTOM_CENTER);
        if (p->uFlag & DAI_SNAP_TOP) r.top = now.top;
        if (p->uFlag & DAI_SNAP_LEFT) r.left = now.left;
        if (p->uFlag & DAI_SNAP_RIGHT) r.right = now.right;
        if (p->uFlag & DAI_SNAP_BOTTOM) r.bottom = now.bottom;
        MoveWindow(p->hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
        p->pRect = r;
    }
    for (_DlgAncItem* p = list; p && p->pNext; p = p->pNext)
        if (p->hDlg == hDlg) p->m_pRect = now;
    return 1;
}

void DAI_Free(_DlgAncItem* list)
{
    while (list) {
        _DlgAncItem* next = list->pNext;
        delete list;
        list = next;
    }
}
