// Controls of the frame that data windows report to: the navigator's combo
// boxes, the tool bars and the status bar. Each handle stays null until the
// frame creates its control; the update functions then only work out what
// the control would show.
#pragma once

#include <windows.h>

extern HWND hCombo1;    // navigator: book
extern HWND hCombo2;    // navigator: chapter
extern HWND hCombo3;    // navigator: verse
extern HWND hToolBar2;  // main tool bar
extern HWND hToolBar3;  // search tool bar
extern HWND hStatus;    // status bar
extern HWND hWndTV;     // library tree

// Module submenus of the main menu.
extern HMENU hSubmenuSBK;
extern HMENU hSubmenuLEX;
extern HMENU hSubmenuDIC;
extern HMENU hSubmenuAIX;

// Refreshes the status bar for data window id (-1: none): what -1 all
// parts, 0 the library part, 1 the window part. The texts stay readable in
// g_status_text whether or not the status bar exists. Returns 1.
int UpdateStatusBar(int id, int what);
extern char g_status_text[4][256];
