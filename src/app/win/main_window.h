// The MDI frame: window classes, creation, the message loop.
#pragma once

#include <windows.h>

extern HINSTANCE hInst;       // the program's module
extern HWND hMain;            // the frame "Sevir3"
extern HWND g_hMDIClient;     // its MDI client
extern HMODULE g_hRichEdLib;  // RICHED32.DLL, loaded while the frame is created
extern HACCEL g_hAccel;       // accelerator table of the frame
extern HWND hSearchDlg;       // the modeless search dialog while it exists

extern const char* const kMainClassName;   // "DictionaryMainWindowClass"
extern const char* const kChildClassName;  // "DictionaryMDIChildWindowClass"

// Registers both window classes; shows the failure message and returns FALSE
// when either cannot be registered.
BOOL RegisterSevirClasses(HINSTANCE instance);

// Loads the accelerators and creates the frame (580 x 340 at the default
// position). Returns the frame or null. When the frame refused to come up
// because its start-up failed (RICHED32.DLL missing), *aborted is set and no
// further message is shown.
HWND CreateSevirFrame(HINSTANCE instance, bool* aborted);

// Offers one message to the search dialog, the MDI accelerators and the
// frame's accelerators; translates and dispatches it when none takes it.
void ProcessSevirMessage(MSG* msg);

// Runs the message loop until the frame is destroyed; returns the exit code.
int RunSevirMessageLoop();

// The whole program: classes, frame, loop.
int SevirMain(HINSTANCE instance, int show);

// The frame's controls: rebar, status bar, library tree, menus in the
// current language. Called while the frame is created.
void CreateFrameControls(HWND hwnd);

// The history pop-up: the non-empty entries newest first as commands
// 49900 + entry, the current one radio-checked; null when there are none.
// The caller destroys it.
HMENU BuildHistoryPopup();

// Set by the program's entry point: the splash and the tip of the day are
// shown only at a real start (not when tests create frames).
extern bool g_interactive_start;

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
