// Click analysis on the real rich-text controls, and the clipboard form of a
// view's selection.
#pragma once

#include <windows.h>

#include "text/click_info.h"

// Fills the outputs of click for the rich-text view of window click->in_id
// (book, lexicon and results windows). Returns 0 when the window has no
// rich-text view, else 1. A record that cannot be read for the tag area
// shows "BK_CtiRecord" or "LX_CtiRecord" captioned "System error".
int GetRTFClickInfo(RTFCLICK* click);

// Clears rtfclick, fills its inputs for a click at (x, y) in view (the text
// of window id) and analyses it. Returns GetRTFClickInfo's result.
int AnalyseViewClick(int id, HWND view, int x, int y);

// The record text the last analysis matched the word against (the verse or
// the lexicon record), for the tag area rtfclick.out_tag_area_l/_r.
const char* LastClickRecord();

// The information window shows what the click in rtfclick yields (while it
// is visible). Returns 1 when it was rebuilt.
int INFO_ShowClick();

// The information window shows the gematria of text (display codes, length
// bytes) of script language while it is visible and opt_info_gematria is 1.
// Returns 1 when it was rebuilt.
int INFO_ShowGematria(const char* text, int length, int language);

// Copies the selection of view to the clipboard as rich text ("CF_RTF", as
// the view holds it) and as Unicode text (Hebrew and Greek converted from the
// display codes, Hebrew in reading order). Returns 1 when something was put.
int CopyViewSelection(HWND view);

// The selection of view, and the script (from the face name) and character
// set of its last character.
struct VIEW_SELECTION {
    int left = 0, right = 0;
    int language = 0;
    int charset = 0;
};
VIEW_SELECTION GetViewSelection(HWND view);
