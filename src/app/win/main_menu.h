// The state of the main menu: what is enabled, checked and relabelled for
// the last active data window, and which commands the program has yet.
#pragma once

#include <windows.h>

// Enables, checks and relabels the menus for data window row (the last
// active one); called whenever a menu opens. With a maximised child the menu
// bar has one extra leading item and every position shifts by one.
void UpdateMainMenu(int row);

// Commands whose function comes with a later part of the program stay
// greyed (in menus and on tool bars) until that part declares them.
void SetCommandAvailable(int command, bool available);
bool IsCommandAvailable(int command);
// Greys the tool-bar buttons of commands that are not available.
void GreyUnavailableButtons();

// The position of the first popup of the menu bar: 1 when the active child
// is maximised (its system menu leads the bar), else 0.
int MenuBarShift();
