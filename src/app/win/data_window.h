// Data windows: the MDI children of the frame.
#pragma once

#include <windows.h>

// Window procedure of "DictionaryMDIChildWindowClass", shared by all data windows.
LRESULT CALLBACK MDIChildWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
