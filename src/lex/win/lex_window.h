// The lexicon window: Reload button, key box, the owner-drawn keyword list
// (its lines come from the core list in the data window), the article as
// rich text, the list's scroll bar and the splitter between list and article.
#pragma once

#include <windows.h>

// Registers the lexicon window kind (procedure and creator) with the MDI
// child class and the window layer's part of lookups. Called once when the
// frame is created.
void LX_InstallWindowHooks();

// Opens a lexicon window for catalogue entry id_file; returns 1 or 0.
int CreateLexMDIChild(HWND hMDIClient, int id_file);

// The messages of a lexicon window's MDI child.
LRESULT LX_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Shows the list lines, the scroll bar, the article and (for the active
// window) the status bar.
void LX_Redisplay(int id);
// Builds the article of window id and streams it into its rich edit.
int LX_ZobrazText(int id);
// Redraws the article of every lexicon window (after a tag option changed).
void LX_UpdateAllLexComments();

// List-box client height divided by the item height, at most 50.
int LX_GetListBoxLines(int id);
// Lays the controls out for the client area and the list width and fills
// lines the list has gained.
void LX_Layout(int id);

// The text of the window part of the status bar for lexicon id (empty when
// it has no current record).
void LX_StatusBarText(int id, char* out, int size);
