// Controls of the frame: the rebar with the navigator, the tool bars and the
// command line, the status bar, the library tree pane and its splitter, and
// the drawing resources they share. Each handle stays null until the frame
// creates its control; the update functions then only work out what the
// control would show.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

extern HWND hRebar;     // rebar, child 114
extern HWND hToolBar;   // navigator band container, child 116
extern HWND hCombo1;    // navigator: book
extern HWND hCombo2;    // navigator: chapter
extern HWND hCombo3;    // navigator: verse
extern HWND hUndo;      // back in history (one-button bar 123)
extern HWND hDrop;      // history list (one-button bar 126)
extern HWND hRedo;      // forward in history (one-button bar 125)
extern HWND hToolBar2;  // main tool bar, child 117
extern HWND hToolBar3;  // search tool bar, child 118
extern HWND hToolBar4;  // command-line band container, child 119
extern HWND hCmdLine;   // command-line combo box, child 130
extern HWND hCmdLineEdit;  // its edit field
extern HWND hLed;       // state lamp, child 131
extern HWND hToolBar5;  // audio tool bar, child 140
extern HWND hStatus;    // status bar
extern HWND hWndTV;     // library tree
extern int32_t bDrag;   // 1 while the tree splitter is dragged

// Module submenus of the main menu, and the language submenu.
extern HMENU hSubmenuSBK;
extern HMENU hSubmenuLEX;
extern HMENU hSubmenuDIC;
extern HMENU hSubmenuAIX;
extern HMENU hSubmenuLNG;

// Drawing resources shared across the program.
extern HIMAGELIST g_hImgList1;      // status-bar images 0 (no filter) and 1 (filter on)
extern HBITMAP g_hBmpOpposite;      // the dictionary's Opposite button
extern HBRUSH g_hBrush_lx_filter;   // lexicon key box while a filter is on
extern HBRUSH g_hBrush_dic_filter;  // dictionary key box while a filter is on
extern HBRUSH g_hBrush_ScrollTip;   // scroll tip and the frame's static controls

int CreateGlobalGDIResources();
void DestroyGlobalGDIResources();

// The rebar with its five bands and their children. Returns 1, 0 when a
// control could not be created.
int CreateRebar(HWND hMain);
LRESULT CALLBACK NavigatorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The status bar with its four parts.
HWND CreateMainStatusBar(HWND hMain);

// Places rebar, tree, MDI client and status bar in the frame's client area,
// then tiles and redraws the book windows.
void LayoutFrame(HWND hMain);

// The frame's WM_NOTIFY from its controls (tool tips, rebar, library tree).
// Returns true when handled; *result is the answer.
bool FrameNotify(HWND hMain, const NMHDR* hdr, LRESULT* result);

// The tree splitter: mouse messages of the frame's client area.
void Splitter_OnMouseMove(HWND hMain, int x, int y);
void Splitter_OnLButtonDown(HWND hMain, int x, int y);
void Splitter_OnLButtonUp(HWND hMain, int x, int y);
// True when x lies on the splitter (within 4 pixels of tree_width).
bool OnSplitter(int x);

// Forgets every control handle (the frame is gone) and releases the image
// lists of the tool bars.
void ForgetFrameControls();

// Refreshes the status bar for data window id (-1: none): what -1 all
// parts, 0 the library part, 1 the window part. The texts stay readable in
// g_status_text whether or not the status bar exists. Returns 1.
int UpdateStatusBar(int id, int what);
extern char g_status_text[4][256];

// The window part for lexicon and dictionary windows is owner-drawn from
// what their subsystem reports: image 0 or 1 of g_hImgList1 and the text
// "%d/%d [%s] %d/%d". The provider returns 0 when nothing is to be drawn.
using StatusRecordProvider = int (*)(int id, int* image, char* text, int size);
void SetStatusRecordProvider(StatusRecordProvider provider);
// The last owner-drawn state: window, image and text (for tests).
struct STATUS_PICTURE {
    int id;
    int image;
    char text[128];
};
const STATUS_PICTURE& LastStatusPicture();
// Draws image and, 20 pixels right of it on the menu colour, text.
int PaintStatusPicture(int id, HDC hdc, int x, int y, int image, const char* text);
// The frame's WM_DRAWITEM for the status bar.
void StatusBar_OnDrawItem(const DRAWITEMSTRUCT* dis);

// The tool-tip text of a command (0 when it has none).
int ToolTipStringOf(int command);
