// The command line on the rebar: a combo box whose edit field recognises
// the typed reference on every change and lights the lamp beside it; Enter
// or a pick from the drop-down list moves the last active book window there.
#pragma once

#include <windows.h>

#include "books/book_types.h"

// Subclasses the band container (CmdLineProc) and the combo box's edit field
// (CMD_ComboEditProc), sets hCmdLineEdit and puts the lamp in state 0.
void CMD_InstallCommandLine(HWND container, HWND combo, HWND lamp);

LRESULT CALLBACK CmdLineProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CMD_ComboEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Shows the lamp icon of state 0 (grey), 1 (orange) or 2 (green).
void CMD_UpdateLedState(int state);

// Recognises text against the last active book window into cmdline_bp and
// cmdline_led and shows the lamp. Returns the state.
int CMD_RecognizeCommandLine(const char* text);

// Recognises text and, when it names a verse of the last active book
// window, moves that window there and records the text and the position in
// the histories. Returns the recognition state.
int CMD_JumpToReference(const char* text);

// Moves book window id to position as an explicit jump: navigator, the
// window's text and scroll bar, the windows that follow, the status bar and
// the navigation history.
void CMD_MoveBookWindow(int id, const BOOK_POSITION& position);
