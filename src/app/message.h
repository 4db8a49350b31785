// Message boxes. Every message box of the program goes through ShowMessageBox,
// so that the Windows program shows it, the command-line tool prints it and a
// test records it and gives the answer it wants.
#pragma once

#include <cstdarg>

// Button and icon flags and the answers, with the values the Windows
// message box uses.
enum : unsigned {
    SV_MB_OK = 0x0000,
    SV_MB_OKCANCEL = 0x0001,
    SV_MB_YESNOCANCEL = 0x0003,
    SV_MB_YESNO = 0x0004,
    SV_MB_ICONERROR = 0x0010,
    SV_MB_ICONQUESTION = 0x0020,
    SV_MB_ICONWARNING = 0x0030,
    SV_MB_ICONINFORMATION = 0x0040,
};
enum : int { SV_IDOK = 1, SV_IDCANCEL = 2, SV_IDYES = 6, SV_IDNO = 7 };

// owner: the window handle the box belongs to (may be null).
using MessageBoxHandler = int (*)(void* owner, const char* text, const char* caption, unsigned flags);

// Installs a handler and returns the previous one; null restores the default,
// which writes "<caption>: <text>" to stderr and answers with the first button.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned flags);

// Text and caption fetched by string number through the language layer; the
// text is a printf format filled with the remaining arguments.
int ShowMessageBoxId(void* owner, int text_id, int caption_id, unsigned flags, ...);
int ShowMessageBoxIdV(void* owner, int text_id, int caption_id, unsigned flags, va_list args);

// Internal errors: level 0 fatal, 1 serious, 2 errors. The program goes on.
int ReportBug(int level, const char* text);
