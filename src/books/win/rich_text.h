// The rich-text control side of book rendering: streaming a rendered
// document in and the character-format probes used to find out what a
// position of the text shows.
#pragma once

#include <windows.h>

// Clears window id's rich-text control and streams bk_rtfdata into it as RTF.
// Returns 1, or 0 when the window has no control.
int BK_ZobrazText(int id);

// Stream-in callback: copies the next min(cb, count - offset) bytes of the
// RTFDATA named by cookie (bk_rtfdata when 0) and advances its offset.
DWORD CALLBACK BK_EditStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb);

// Probes. Each saves and hides the selection, selects the character or the
// range, reads its character format and restores the selection.
int IsRTFUnderline(HWND hwnd, int position);                       // reference, Strong's number, key word
int BK_IsRTFNewLine(HWND hwnd, int position);                      // in the verse-label colour
int BK_IsRTFHebrew(HWND hwnd, int left, int right);                // a Hebrew display font
int BK_IsRTFGreek(HWND hwnd, int left, int right);                 // the Greek display font
int CompareFontRTF(HWND hwnd, const char* face, int position);     // face name equals face
int FindRTFCharset(HWND hwnd, int left, int right);                // the character set byte
