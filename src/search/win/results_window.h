// The results window: the verses of the last book search one result at a
// time, with the hits marked, a scroll bar that steps through the results,
// and the context menu of its view.
#pragma once

#include <windows.h>

// Registers the results window kind and fills the search hooks (show the
// results, redraw the window, a lexicon filtered by a search). Called once
// when the frame is created.
void RES_InstallWindowHooks();

// Opens the results window on the results of a search in book window
// datawindow; returns 1, or 0 (the header cannot be read: string 10008; the
// window cannot be made).
int CreateResultMDIChild(HWND hMDIClient, int datawindow);
// Gives the open results window the results of a search in book window
// datawindow; returns 1 or 0.
int ModifyResultMDIChild(HWND hMDIClient, int datawindow);

// Shows result search_out_bk.res_hitnumber (and the results after it that
// fit) and sets the scroll bar and the title. Returns the number of verses
// rendered, or 1 when there was nothing to show.
int RES_UpdateResultsWindow();
// Scroll range 0 .. count - 1 at position; title "ABC position+1/count results".
int RES_NastavScroll(int count, int position);

// The results window's MDI child and its view.
LRESULT RES_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RES_RichProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The index of the results window in the data-window table, or -1.
int RES_Window();
