// The information window: a rich-text MDI child that shows what a clicked
// word yields (gematria, Greek morphology, lemma) and module descriptions.
#pragma once

#include <windows.h>

// Registers the window kind, its place in the saved layout and makes the
// commands 1106 and 1130 live. Called once when the frame is created.
void INFO_InstallWindowHooks();

// Creates the information window (subject to the window limit); returns 1.
int CreateInfoMDIChild(HWND hMDIClient);

LRESULT INFO_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK INFO_RichProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Command 1106: beeps while the search dialog is open; else creates the
// information window or closes it.
void INFO_ToggleWindow();

// Command 1130: the description of the module of window id in the
// information window (created first when hidden). Returns 1 when shown.
int INFO_ShowModuleInfo(int id);

// Carries out a command of the context menu (IDM_INFO_*) for the
// information window; returns 1 when known.
int INFO_ProcessCommand(int command);
