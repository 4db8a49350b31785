// The contents of the module submenus of the main menu: from "library.cfg"
// when it can be read, else flat lists of the catalogue.
#pragma once

#include <string>
#include <vector>

// Sections of "library.cfg" and the submenus they fill.
enum : int { MENU_SECTION_BOOK = 0, MENU_SECTION_LEXICON = 1, MENU_SECTION_DICTIONARY = 2, MENU_SECTION_AUDIO = 3 };

// One line of a submenu, in order.
struct MODULE_MENU_ENTRY {
    enum Kind { FOLDER, MODULE, SEPARATOR } kind = MODULE;
    int section = 0;
    int level = 0;     // FOLDER: the level it opens (its parent is level - 1); MODULE: the level it goes into
    int id_file = -1;  // MODULE: catalogue index
    std::string text;  // FOLDER: name; MODULE: "[abbrev] title"
};

// "[%s] %s" with the module's abbreviation and title.
std::string ModuleMenuLabel(int id_file);

// The entries of all four submenus. Returns 1 when library_cfg was read,
// 0 when it could not be opened and the flat lists were made (every book,
// lexicon and dictionary in catalogue order). After the file's entries each
// section gets a separator and the modules the file did not place. When
// section_order is given it receives the sections in the order the file
// starts them (each once).
int BuildModuleMenuEntries(const std::string& library_cfg, std::vector<MODULE_MENU_ENTRY>* out,
                           std::vector<int>* section_order = nullptr);
