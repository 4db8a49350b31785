#include "auxiliary/win/splash.h"

#include <windowsx.h>

#include "app/win/data_window.h"
#include "app/win/main_window.h"
#include "resource.h"

HWND hSplash = nullptr;

namespace {

const char kSplashClass[] = "SplashWindowClass";
constexpr UINT_PTR timer = IDT_SPLASH;
int g_time = 0;
HBITMAP g_picture = nullptr;

void HideSplash(HWND hwnd)
{
    KillTimer(hwnd, timer);
    const bool was_visible = IsWindowVisible(hwnd) != FALSE;
    ShowWindow(hwnd, SW_HIDE);
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (was_visible && owner) PostMessageA(owner, WM_SEVIR_SPLASH_GONE, 0, 0);
}

BOOL Splash_OnCreate(HWND hwnd, LPCREATESTRUCT)
{
    if (g_time > 0) SetTimer(hwnd, timer, static_cast<UINT>(g_time), nullptr);
    return TRUE;
}

void Splash_OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!g_picture)
        g_picture = static_cast<HBITMAP>(LoadImageA(hInst, MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0));
    if (g_picture) {
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, g_picture);
        RECT rc;
        GetClientRect(hwnd, &rc);
        BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    EndPaint(hwnd, &ps);
}

void Splash_OnTimer(HWND hwnd, UINT)
{
    HideSplash(hwnd);
}

void Splash_OnButtonDown(HWND hwnd, BOOL, int, int, UINT)
{
    HideSplash(hwnd);
}

void Splash_OnDestroy(HWND)
{
    if (g_picture) DeleteObject(g_picture);
    g_picture = nullptr;
    hSplash = nullptr;
}

LRESULT CALLBACK SplashProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, Splash_OnCreate);
        HANDLE_MSG(hwnd, WM_PAINT, Splash_OnPaint);
        HANDLE_MSG(hwnd, WM_TIMER, Splash_OnTimer);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, Splash_OnButtonDown);
        HANDLE_MSG(hwnd, WM_RBUTTONDOWN, Splash_OnButtonDown);
        HANDLE_MSG(hwnd, WM_DESTROY, Splash_OnDestroy);
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

HWND ShowSplashScreen(HWND owner, int delay)
{
    DestroySplashScreen();
    WNDCLASSA existing;
    if (!GetClassInfoA(hInst, kSplashClass, &existing)) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = SplashProc;
        wc.hInstance = hInst;
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kSplashClass;
        if (!RegisterClassA(&wc)) return nullptr;
    }
    g_time = delay;
    const int w = 400, h = 300;
    RECT r = {0, 0, w, h};
    AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - cy) / 2;
    hSplash = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSplashClass, "", WS_POPUP | WS_BORDER, x, y, cx, cy,
                              owner, nullptr, hInst, nullptr);
    if (!hSplash) return nullptr;
    ShowWindow(hSplash, SW_SHOWNA);
    UpdateWindow(hSplash);
    return hSplash;
}

void DestroySplashScreen()
{
    if (hSplash && IsWindow(hSplash)) DestroyWindow(hSplash);
    hSplash = nullptr;
}
