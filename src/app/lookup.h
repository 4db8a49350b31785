// The lookup dispatch: a word double-clicked in a text window or picked with
// "Look at" goes to every open data window, in table order, whose kind has a
// handler. Each window kind's layer registers what its windows do with the
// word (lexicons and dictionaries look it up when they take part).
#pragma once

// Looks word up in window v. language is the word's script (0 Latin,
// 1 Hebrew, 2 Greek), source the window the word comes from. Returns 1 when
// v took the word.
using LookupHandler = int (*)(int v, const char* word, int language, int source);

// type: MODULE_LEXICON, MODULE_DICTIONARY, ...
void RegisterLookupHandler(int type, LookupHandler handler);

// Offers word to every open data window. Returns how many took it.
int LookupDispatch(const char* word, int language, int source);

// Whether window v takes part in a lookup that comes from window source:
// its own lookups when no_jumps is not 1, other windows' when sync is not 0.
int LookupTakesPart(int v, int source);
