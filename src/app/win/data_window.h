// Data windows: the MDI children of the frame.
#pragma once

#include <windows.h>

// Window procedure of "DictionaryMDIChildWindowClass", shared by all data windows.
LRESULT CALLBACK MDIChildWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Opens book module id_file in a new book window; returns 1, or 0 when the
// window limit is reached (string 10004), the file cannot be opened or its
// header cannot be read (string 10008).
int CreateNewMDIChild(HWND hMDIClient, int id_file);

// Automatic tiling when opt_resizing and opt_tile are on; returns 1.
int UsporadejOkna();

// The module command base + id_file: mode 0 opens the module (in a reusable
// book window when there is one), mode 1 gives book window row the module.
// Returns 1 when a window shows the module afterwards.
int ProcessFileMenuCommand(int row, int base, int id, int mode);

// Builds the module submenus (hSubmenuSBK, hSubmenuLEX, hSubmenuDIC,
// hSubmenuAIX). Returns 1 when "library.cfg" was used, 0 when the flat
// lists of the catalogue were built.
int CreateDataFilesSubmenu();
// Puts the module submenus into the Book, Lexicon, Dictionary and
// Multimedia menus of the frame's menu bar.
void AttachDataFilesSubmenus(HWND frame);

// The window kinds other than book windows. Each subsystem's window layer
// registers its window procedure (the messages of its MDI children) and the
// creator of a new window for a module of its type.
enum : int {
    DW_KIND_LEXICON = 1,
    DW_KIND_DICTIONARY = 2,
    DW_KIND_INFO = 3,
    DW_KIND_RESULTS = 4,
    DW_KIND_COUNT = 5,
};
using DataWindowProc = LRESULT (*)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
using ModuleWindowCreator = int (*)(HWND hMDIClient, int id_file);
void RegisterDataWindowKind(int kind, DataWindowProc proc, ModuleWindowCreator creator);

// Index of the data window whose window is hwnd, or -1.
int FindDatawindowOfHwnd(HWND hwnd);

// Lays out the view and the scroll bar of book (or results) window id over
// its client area and records the window's rectangle and the view's width.
void LayoutBookWindow(int id);

// 1 while the search dialog is open: commands that would disturb a search
// beep then.
bool SearchDialogOpen();

// Message to the frame: tile the children again and redraw the book
// windows (posted when a window has gone).
constexpr UINT WM_SEVIR_RETILE = WM_APP + 1;
// Message to the frame: the splash screen has gone (the tip of the day
// waits for it).
constexpr UINT WM_SEVIR_SPLASH_GONE = WM_APP + 2;
// Posted to the search dialog once it is on the screen: the searched module
// is prepared while the user types the pattern.
constexpr UINT WM_SEVIR_PREPARE_SEARCH = WM_APP + 3;
// Posted to a book window resized while rendering was deferred: its text is
// rendered for the new size.
constexpr UINT WM_SEVIR_RENDER_LATER = WM_APP + 4;

// While on, book windows that are resized (by tiling) lay out and render
// their text from a posted message, so that a window being made (the results
// window) shows its text first.
void DeferBookRendering(bool on);
