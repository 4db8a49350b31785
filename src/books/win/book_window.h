// The book window: its rich-text view with the replaced procedure, the
// scroll bar whose range and position are file offsets, redrawing, the
// context and tag menus, the navigator and the tool-bar button states.
#pragma once

#include <windows.h>

#include "books/book_types.h"

// Installs the window layer's redraw into the core (book window and
// history hooks). Called once when the frame is created.
void BK_InstallWindowHooks();

// Renders window id from its book_position and streams the text in. Returns
// the number of verses shown (0: nothing was rendered, the old text stays).
int BK_UpdateOneBookWindow(int id);
// The same for every open book window that is not a results window.
int BK_UpdateAllBookWindows();
// Range tag_data .. filesize, position offset; redraws the bar.
int BK_NastavScroll(int id);

// The navigator combo boxes (book, chapter, verse): mode 3 clears, 0 one
// entry each, 1 the full lists. Returns 0 for a non-book window, a closed
// file or a chapter without verses. Without the combo boxes only the
// contents are worked out (BK_LastNavigator).
int BK_UpdateNavigator(BOOK_POSITION position, int id, int mode);
struct BK_NAVIGATOR;
const BK_NAVIGATOR& BK_LastNavigator();

// Tool-bar buttons from BK_ComputeButtonStates; the last states are kept
// for BK_LastButtonStates when the tool bars are not there.
int UpdateButonStates();
struct BUTTON_STATES;
const BUTTON_STATES& BK_LastButtonStates();

// The tag-options popup of window id.
HMENU CreateTagMenu(int id);
// The context menu of window id (the caller destroys it with
// BK_DestroyContextMenu, which keeps the shared book submenu alive).
HMENU BK_CreateContextMenu(int id);
void BK_DestroyContextMenu(HMENU menu);
// A command of the context or tag menu for window id.
int BK_ProcessContextCommand(int id, int command);

// Book-window scrolling: a vertical scroll request (SB_*) for window id.
void BK_OnVScroll(int id, int code);

// The scroll-bar code of a scrolling key (Up, Down, Page Up, Page Down), or -1.
int BK_ScrollCodeOfKey(unsigned vk);

// Line down in window id (a book or the results window) when it scrolls by
// lines: moves the view one line and returns true, or false when the next
// line begins a verse (the caller steps to the next verse or result).
bool BK_ScrollViewByLine(int id);

// The rich-text view's replaced procedure.
LRESULT CALLBACK BK_RichProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Replaces the procedure of view, keeping the old one in record id and on
// the control itself (so that it still reaches its own procedure while the
// record is gone during destruction).
void BK_SubclassRichEdit(int id, HWND view);

// The scroll tip window while a thumb drag shows it, else null; its colour.
HWND BK_ScrollTipWindow();
HBRUSH BK_ScrollTipBrush(HDC dc, HWND control);
