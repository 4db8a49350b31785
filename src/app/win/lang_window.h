// Translation of the menus and dialogs, the Language submenu and the switch
// of language while the program runs.
#pragma once

#include <windows.h>

// Creates hSubmenuLNG: one item per language file, command 50100 + index,
// the chosen one checked.
HMENU LANG_CreateLNGFilesSubmenu();

// Puts the language submenu at position 7 of the Program menu.
void LANG_AttachLNGFilesSubmenu(HWND frame);

// Translates menu and its submenus (level 0: the menu bar, counting from
// 1099). Returns 1, or 0 when an item had no translation; that shows string
// 10117 and leaves the rest of the menu as it is.
int LANG_TranslateMenu(HMENU menu, int level);

// Sets the text of every direct child of dialog that is not an edit field,
// list view, combo box or list box, and whose id is positive, to its
// translation when there is one.
void LANG_TranslateDialog(HWND dialog);

// Destroys the module submenus, the language submenu and the frame's menu,
// and installs a fresh copy of menu 1000.
void LANG_RemoveMenu();

// Builds the frame's menu for the current language: language submenu,
// translation, module submenus, menu state.
void LANG_BuildFrameMenu(HWND frame);

// Command 50100 + i: switches to language file i and translates the menus,
// the tool tips, the library tree and the open windows. Returns 1 on success.
int LANG_SwitchLanguage(int i);

// Open windows of later parts of the program re-translate themselves
// through these (called after every switch of language).
using LangChangeHook = void (*)();
void LANG_AddChangeHook(LangChangeHook hook);
