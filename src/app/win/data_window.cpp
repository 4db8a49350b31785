#include "app/win/data_window.h"

#include "app/message.h"

LRESULT CALLBACK MDIChildWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd) ReportBug(0, "MDIChildWndProc: hwnd == NULL");
    return DefMDIChildProcA(hwnd, msg, wParam, lParam);
}
