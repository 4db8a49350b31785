// The search request: its defaults, the words of a pattern, the pattern
// history, and the copy of a request into the record of its outcome.
#pragma once

#include "search/search_types.h"

// The values the search request has at program start.
void SetSearchInDefaults(SEARCH_IN& s);

// Splits pattern into search_in.subpattern at spaces (at most 10 words of
// 1 to 63 bytes; longer words are dropped).
void CreateSubpatterns(const char* pattern);

// Adds search_in.pattern to the front of the pattern history unless an
// entry already holds it. tab: 0 the text tab, 1 the Strong's tab; other
// tabs add nothing.
void AddPatternToHistory(int tab);

// Copies the request into search_out_bk (mode 0) or into the searched
// lexicon window's search_out_lx (mode 1).
void BackupSearchParameters(int mode);

// Prepares search_in.pattern for matching as a text search does: vowel
// folding of Hebrew, lower-casing, reversal of Hebrew, and (split 1, for
// "any word" and "all words") the subpatterns. search_in.zaloha_patternu
// keeps the typed form.
void SEARCH_PreparePattern(int split);

// The lower-casing of search texts (the Western code page of the system).
void SEARCH_LowerText(char* text);
const unsigned char* SEARCH_LowerTable();

// Puts a typed pattern into the request as the pattern box gives it: at
// most 63 bytes, also copied to zaloha_patternu.
void SEARCH_SetTypedPattern(const char* text);

struct RTFCLICK;

// Prepares the request a right click gives: the selected (or clicked) text
// as the text tab's pattern in its script (language 0 Latin, 1 Hebrew,
// 2 Greek) and character set; a clicked Strong's link prepares the Strong's
// tab with its language and number; a clicked reference the reference tab
// with it as both bounds. The window searched stays as it is.
void SEARCH_PrepareFromClick(const RTFCLICK& click, const char* text, int language, int charset);
