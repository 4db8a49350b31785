#include "app/win/config_windows.h"

#include "app/catalogue.h"
#include "app/config.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/win/book_window.h"

namespace {

// Smallest frame and child window the layout gives back.
constexpr int kMinFrameWidth = 320;
constexpr int kMinFrameHeight = 200;
constexpr int kMinChildSize = 40;

CFG_WINDOW_KIND g_kinds[4] = {};

bool ValidWindow(int id)
{
    return id >= 0 && id < status.num_windows && datawindow[id].hwnd;
}

// A book window on the module, at the entry's place and record.
int ReopenBookWindow(int id_file, const CFG_WINDOW& entry)
{
    if (!CreateNewMDIChild(g_hMDIClient, id_file)) return -1;
    const int id = status.num_windows - 1;
    MoveWindowByCfg(id, entry);
    BK_GoToOffset(id, entry.offset);
    BK_UpdateOneBookWindow(id);
    BK_NastavScroll(id);
    BK_UpdateNavigator(datawindow[id].book_position, id, 0);
    UpdateStatusBar(id, -1);
    return id;
}

const bool g_book_kind_registered = [] {
    g_kinds[MODULE_BOOK] = CFG_WINDOW_KIND{ReopenBookWindow, nullptr};
    return true;
}();

void BeforeWrite()
{
    if (hMain && IsWindow(hMain)) status.hMain_position = MainWindowRestoredRect(hMain);
}

// The window's rectangle relative to the MDI client; the restored one when
// the child is maximised or minimised.
void DescribeWindow(int id, CFG_WINDOW* entry)
{
    if (!ValidWindow(id) || !g_hMDIClient) return;
    HWND hwnd = static_cast<HWND>(datawindow[id].hwnd);
    if (!IsWindow(hwnd)) return;
    RECT r;
    if (IsIconic(hwnd) || IsZoomed(hwnd)) {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd, &wp);
        r = wp.rcNormalPosition;
    } else {
        GetWindowRect(hwnd, &r);
        MapWindowPoints(HWND_DESKTOP, g_hMDIClient, reinterpret_cast<POINT*>(&r), 2);
    }
    entry->left = r.left;
    entry->top = r.top;
    entry->width = r.right - r.left;
    entry->height = r.bottom - r.top;
    const int type = datawindow[id].type;
    if (type >= 0 && type < 4 && g_kinds[type].saved_offset) entry->offset = g_kinds[type].saved_offset(id);
}

} // namespace

void RegisterCfgWindowKind(int type, const CFG_WINDOW_KIND& kind)
{
    if (type >= 0 && type < 4) g_kinds[type] = kind;
}

void MoveWindowByCfg(int id, const CFG_WINDOW& entry)
{
    if (!ValidWindow(id)) return;
    if (entry.width < kMinChildSize || entry.height < kMinChildSize) return;
    MoveWindow(static_cast<HWND>(datawindow[id].hwnd), entry.left, entry.top, entry.width, entry.height, TRUE);
}

SV_RECT MainWindowRestoredRect(HWND frame)
{
    RECT r;
    if (IsIconic(frame) || IsZoomed(frame)) {
        // The restored place is kept in workspace coordinates: relative to
        // the work area of the frame's monitor.
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        GetWindowPlacement(frame, &wp);
        r = wp.rcNormalPosition;
        MONITORINFO mi = {};
        mi.cbSize = sizeof mi;
        if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi))
            OffsetRect(&r, mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    } else {
        GetWindowRect(frame, &r);
    }
    return SV_RECT{r.left, r.top, r.right, r.bottom};
}

void PlaceMainWindow(HWND frame, const SV_RECT& rect)
{
    if (!frame) return;
    RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi)) work = mi.rcWork;
    const int work_w = work.right - work.left;
    const int work_h = work.bottom - work.top;
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    if (w < kMinFrameWidth) w = kMinFrameWidth;
    if (h < kMinFrameHeight) h = kMinFrameHeight;
    if (w > work_w) w = work_w;
    if (h > work_h) h = work_h;
    int x = r.left;
    int y = r.top;
    if (x + w > work.right) x = work.right - w;
    if (y + h > work.bottom) y = work.bottom - h;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    if (IsIconic(frame) || IsZoomed(frame)) ShowWindow(frame, SW_RESTORE);
    SetWindowPos(frame, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    status.hMain_position = SV_RECT{x, y, x + w, y + h};
}

int OpenWindowsAccordingCFG(CFG_WINDOW* list, int n)
{
    if (hMain) {
        PlaceMainWindow(hMain, status.hMain_position);
        // The MDI client takes its size from the frame's layout before any
        // child is placed in it.
        RECT rc;
        GetClientRect(hMain, &rc);
        SendMessageA(hMain, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
    }
    if (!list || n <= 0 || !g_hMDIClient) return 0;
    if (n > MAX_CFG_WINDOWS) n = MAX_CFG_WINDOWS;
    int opened = 0;
    for (int i = 0; i < n; ++i) {
        const CFG_WINDOW& e = list[i];
        int id_file = -1;
        int kind = MODULE_INFO;
        if (e.type != MODULE_INFO) {
            // The module's own type decides, not the type in the file.
            if (!e.filename[0]) continue;
            id_file = IsFileInDATAFILEArray(e.filename, status.files_all);
            if (id_file < 0) continue;
            kind = datafile[id_file].type;
        }
        if (kind < 0 || kind > MODULE_INFO || !g_kinds[kind].reopen) continue;
        if (g_kinds[kind].reopen(id_file, e) < 0) return -1;
        ++opened;
        UpdateButonStates();
    }
    // The windows lie in the order of the list, the first on top and active
    // (tiling, too, takes them from the top down).
    if (opened > 0) {
        const int first = status.num_windows - opened;
        for (int id = status.num_windows - 1; id >= first; --id)
            SetWindowPos(static_cast<HWND>(datawindow[id].hwnd), HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessageA(g_hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(datawindow[first].hwnd), 0);
    }
    // Automatic tiling arranges the windows once they are all there; at
    // start-up the frame is not shown yet and tiling waits until it is.
    if (opened > 0 && status.opt_resizing == 1 && status.opt_tile == 1 && hMain) {
        if (IsWindowVisible(hMain)) {
            UsporadejOkna();
            BK_UpdateAllBookWindows();
        } else {
            PostMessageA(hMain, WM_SEVIR_RETILE, 0, 0);
        }
    }
    return opened;
}

void InstallCfgWindowHooks()
{
    g_cfg_write_hooks.before_write = BeforeWrite;
    g_cfg_write_hooks.describe_window = DescribeWindow;
}
