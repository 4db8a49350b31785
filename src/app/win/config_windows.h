// The window layout of the configuration file: the main window's place and
// the data windows, taken at exit and reopened at start-up.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/records.h"

// How one kind of data window comes back from its configuration entry. Each
// subsystem's window layer registers its kind; entries of a kind nobody has
// registered are skipped like modules that are not in the catalogue.
struct CFG_WINDOW_KIND {
    // Creates the window for catalogue entry id_file (-1 for the information
    // window), places it by the entry and moves it to the entry's offset.
    // Returns the new window's index, or -1 when it could not be created.
    int (*reopen)(int id_file, const CFG_WINDOW& entry);
    // What the file keeps as the offset of window id (the position of a
    // lexicon's or dictionary's list scroll bar); null: the record's offset.
    int32_t (*saved_offset)(int id);
};
// type: MODULE_BOOK, MODULE_LEXICON, MODULE_DICTIONARY or MODULE_INFO.
void RegisterCfgWindowKind(int type, const CFG_WINDOW_KIND& kind);

// Places the main window at hMain_position and reopens the first n listed
// windows (each by its module's own type). Returns the number of windows
// opened, or -1 when a window could not be created (the rest are not tried).
int OpenWindowsAccordingCFG(CFG_WINDOW* list, int n);

// Moves data window id to the entry's rectangle (MDI-client coordinates);
// a rectangle too small to be seen leaves the window where it is.
void MoveWindowByCfg(int id, const CFG_WINDOW& entry);

// Puts the frame at rect (screen coordinates) as a restored window, at
// least of a usable size and wholly on the work area of the nearest monitor.
void PlaceMainWindow(HWND frame, const SV_RECT& rect);

// The frame's restored rectangle in screen coordinates, also while it is
// maximised or minimised.
SV_RECT MainWindowRestoredRect(HWND frame);

// Lets the configuration writer take the main window's place and the data
// windows' rectangles in MDI-client coordinates. Called once by the frame.
void InstallCfgWindowHooks();
