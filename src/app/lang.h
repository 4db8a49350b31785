// Language layer: every user-visible text is fetched by its number, from the
// chosen language file or else from the built-in English table.
//
// Language files ("*.lng" in status.path_lang) are 8-bit text lines ended by
// CR LF: line 1 ";label", line 2 ";charset", then "number,text" lines; other
// lines that begin with ";" and empty lines are comments.
#pragma once

#include <cstdint>

constexpr int LANG_LINE_MAX = 511;   // characters of a line that are read
constexpr int LANG_LABEL_MAX = 31;   // characters of a label that are kept
constexpr int LANG_STRING_MAX = 127; // characters of a text that are kept

// One language file found in the language directory.
struct LANG_FILE {
    char filename[32];
    char label[32];
    int32_t charset;
};

// One string loaded from the chosen language file.
struct LANG_STRING {
    int32_t id;
    char text[128];
};

// The language files found, status.lang_found entries sorted by label.
extern LANG_FILE* g_lang_files;
// The strings of the chosen file, status.lang_array_size entries in file order.
extern LANG_STRING* g_lang_array;

// Lists the language files of status.path_lang, sorts them by label without
// regard to case and sets status.lang_index to the one named
// status.lang_filename_default (0 when none is). Returns 1 when that file
// was found.
int LANG_Scan_LNG_Files();

// Loads the strings of language file i, replacing the previous ones. Returns
// the number of strings (0 for an invalid i or a missing file).
int LANG_ReadStringsFromFile(int i);

// The translated text of id, or null. Its escapes are turned into their
// characters in place before it is returned.
char* LANG_FindString(int id);

// Copies the translation of id into buffer (cut to size - 1 characters), or
// without one the built-in text; an unknown id gives an empty text. Returns
// the length. instance is the program's module handle (unused here).
int LANG_LoadString(void* instance, int id, char* buffer, int size);

// As LANG_LoadString for a text that is used as a printf format: a
// translation whose conversions (%d, %s, ...) differ in number, order or kind
// from the built-in text's would read the wrong arguments, so the built-in
// text is taken instead.
int LANG_LoadFormat(void* instance, int id, char* buffer, int size);

// Replaces every "\n" by a line feed, then every "\t" by a tab, then every
// "\r" by a carriage return, in place. Returns text.
char* LANG_TranslateBackslash(char* text);

// The character set of the chosen language file (0 without one).
int LANG_CurrentCharset();

// Releases the file list and the strings.
void LANG_FreeAll();
