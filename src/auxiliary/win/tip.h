// The tip of the day: a modeless dialog with one of 24 tips.
#pragma once

#include <windows.h>

extern HWND hTipDlg;

// Opens the dialog (unless it is open) showing tip status.tip_to_show.
HWND ShowTipOfDay(HWND owner);
// Closes it, keeping the state of "Show tips at startup".
void CloseTipOfDay();
// The tip number shown now (1 to 24), 0 when the dialog is closed.
int CurrentTipNumber();
INT_PTR CALLBACK TipDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
