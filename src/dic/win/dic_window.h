// The dictionary window: an MDI child with three parallel owner-drawn lists
// (source words, target words, notes), a key box, "Reload" and "Opposite".
#pragma once

#include <windows.h>

// Registers the dictionary window with the MDI child class, the status bar,
// the saved layout and the lookup dispatch. Called once by the frame.
void DIC_InstallWindowHooks();

// Opens dictionary id_file in a new window; returns 1, or 0 after the
// window-limit, file or memory message.
int CreateDicMDIChild(HWND hMDIClient, int id_file);

// Messages of a dictionary window (the MDI child class hands them over).
LRESULT DIC_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Puts the lines of window id into its three lists, sets the scroll bar and
// the status bar.
void DIC_ZobrazRadky(int id);
void DIC_NastavScroll(int id);
// Lines that fit in the lists: their client height divided by the item height.
int DIC_GetListBoxLines(int id);
// Fonts of the three lists by the dictionary's languages, and which list
// shows which in the current direction.
int DIC_CreateFonts(int id);
void DIC_DestroyFonts(int id);
void DIC_Setup_Fonts(int id);
// Refills the key box's drop-down with the history of the current direction.
void DIC_FillComboPatterns(int id);

// The dictionary side of the lookup dispatch: window v looks word (of
// language) up when it takes part. Returns 1 when it did.
int DIC_LookAt(int v, const char* word, int language, int source);

// Puts text on the clipboard; Hebrew (display order) and Greek are also put
// there as Unicode text. Returns 1.
int DIC_CopyToClipboard(HWND owner, const char* text, int language);
