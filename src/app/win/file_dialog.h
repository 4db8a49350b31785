// The common file dialogs. Like message boxes, they go through one function
// that a test can redirect, so no test ever waits on a dialog.
#pragma once

#include <windows.h>

enum FileDialogMode { FILE_DIALOG_OPEN = 0, FILE_DIALOG_SAVE = 1 };

// Answers a file dialog instead of showing it: fills buffer and returns 1,
// or returns 0 for Cancel.
using FileDialogHandler = int (*)(FileDialogMode mode, HWND owner, char* buffer, int size, const char* filter);

// Installs a handler and returns the previous one; null restores the real dialogs.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

// The file-open dialog: returns 1 with the chosen path in buffer, 0 when
// cancelled. filter is a double-NUL-terminated list of description and
// pattern pairs; the first is selected.
int Nazev_souboru_Open(HWND hwnd, char* buffer, int size, const char* filter);

// The file-save dialog, with the same conventions; default_ext is added to a
// name typed without extension (may be null).
int Nazev_souboru_Save(HWND hwnd, char* buffer, int size, const char* filter, const char* default_ext);
