// Language layer: every user-visible text is fetched by its number, from the
// chosen language file or else from the built-in English table.
#pragma once

// Copies the text of string id into buffer (cut to size - 1 characters) and
// returns its length; an unknown id gives an empty text. instance is the
// module handle of the program (unused by the portable code).
int LANG_LoadString(void* instance, int id, char* buffer, int size);
