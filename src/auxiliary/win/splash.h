// The splash screen: a topmost 400 x 300 picture centred on the screen,
// hidden by its timer or a click.
#pragma once

#include <windows.h>

extern HWND hSplash;

// Shows the splash owned by the frame; a positive delay (milliseconds)
// hides it after that time, 0 keeps it until it is clicked. Returns it.
HWND ShowSplashScreen(HWND owner, int delay);
// Destroys the splash window (at shutdown).
void DestroySplashScreen();
