// The built-in English string table: every text the program shows, by number.
// Language files translate them; what a language file lacks comes from here.
#pragma once

struct BUILTIN_STRING {
    int id;
    const char* text;
};

// The text of string id, or null when the table has none.
const char* BuiltinString(int id);

// The whole table, sorted by id.
const BUILTIN_STRING* BuiltinStringTable(int* count);

// One part of the table in its source order: the menu labels (menu.def), the
// dialog control texts (dialogs.def) or the numbered strings (strings_en.inc).
enum BUILTIN_GROUP { BUILTIN_MENU, BUILTIN_DIALOG, BUILTIN_STRINGS };
const BUILTIN_STRING* BuiltinStringGroup(BUILTIN_GROUP group, int* count);
