// The lookup dispatch: a word (or a Strong's number) picked in a book,
// lexicon, dictionary or results window is looked up in every window that
// takes part: the source window itself unless its no_jumps is 1, every other
// window whose sync is set.
#pragma once

// The window layer's part of a lexicon lookup: refill the key box's
// drop-down, put word into its edit field and let the edit notification run
// the key search. Without it the key search runs directly.
extern void (*g_lx_show_key)(int id, const char* word);
// The window layer shows lexicon id after its list was moved (Strong's
// lookup). May stay null.
extern void (*g_lx_show_list)(int id);
// Dictionaries join the dispatch through this hook: look word (language) up
// in dictionary window id, which source asked for. May stay null.
extern void (*g_dic_lookup)(int id, const char* word, int language, int source);

// 1 when window v takes part in a lookup started in window source.
int LookupTakesPart(int v, int source);

// Looks word (display order for Hebrew) up in every window that takes part:
// lexicons of language and dictionaries. Returns the number of lexicon
// windows it was given to.
int LookupWord(const char* word, int language, int source);

// Shows, in every lexicon that takes part, the first record with Strong's
// number (language 1 Hebrew, 2 Greek). Returns the number of lexicons moved.
int LookupStrong(int language, int number, int source);
