// The About box: version, build date, the program's text and its picture.
#pragma once

#include <windows.h>

// Shows the modal About box; returns when it is closed.
INT_PTR ShowAboutBox(HWND owner);
INT_PTR CALLBACK AboutDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
