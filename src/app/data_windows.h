// The data-window table: opening and closing a module in a window record.
// This is the part of a data window that needs no window, shared by the
// Windows program, the command-line tool and the tests; the window layer
// creates the child window around the record.
#pragma once

#include "app/handles.h"

// Opens the file of catalogue entry id_file for binary reading, or shares it
// when a window already has it open, and sets opened. Returns 1, or 0 when
// the file cannot be opened.
int OpenModuleFile(int id_file);

// Closes the file of catalogue entry id_file and clears opened, unless a data
// window other than except (and the information window) still shows it.
void ReleaseModuleFile(int id_file, int except);

// Index of the first window whose id_file is id_file, or -1.
int FindDatawindow(int id_file);

// A new book window record in slot num_windows for book module id_file:
// the window limit, the shared file, the record's identity and defaults, and
// the full header read. The position is book 1, chapter 1, verse 1 at the
// module's first record. Returns the new index, or -1 after the limit
// warning (string 10004), when the file cannot be opened (no message) or
// when the header cannot be read (string 10008; the file is released again).
int OpenBookDatawindow(int id_file);

// focus when it is a valid index of a reusable window, else the first
// reusable window, else -1.
int GetFirstReusableWindow(int focus);

// The starting place of the new book window id: when other windows exist and
// the last active window is a book window not in comparison mode, the book
// with its sync name at its chapter and verse. Returns 1 when that verse was
// located (the window is then drawn at once); otherwise the window starts at
// book 1, chapter 1, verse 1 and the module's first record, and 0 is returned.
int SetStartPosition(int id);

// Gives book window w the book module k, keeping the place by sync name.
enum : int {
    REPLACE_DONE = 1,         // w shows k
    REPLACE_NOT_BOOK = 0,     // k is not a book module: nothing changed
    REPLACE_FAILED = -1,      // k could not be opened or read: w has no
                              // module any more and must be closed
};
int GiveBookWindowModule(int w, int k);

// Releases the heap blocks and fonts of record id; returns 1.
int FreeDatawindowMemory(int id);

// Removes window id from the table: releases its module file when no other
// window shows it, frees its memory, closes the gap and renumbers the
// records; returns 1.
int ZrusDatawindow(int id);

// Set by the window layer: deletes a font object, and hears that a module
// file was closed (to change the module's tree image). Both may stay null.
extern void (*g_release_font)(FONT_HANDLE font);
extern void (*g_module_file_closed)(int id_file);
