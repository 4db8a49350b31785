// The 66 sync names in canonical order, and the lookup of a sync name in a
// module's book table.
#pragma once

#include <cstdint>

constexpr int SYNC_NAME_COUNT = 66;
constexpr int SYNC_NAME_FIRST_STRING = 10201;  // string id of index 0

// OTGen ... NTRevel; the order in which verse lists sort books.
extern const char g_verse_sort[SYNC_NAME_COUNT][8];

// The 0-based index of the book with exactly this sync name in the book
// table of data window `window`, or -1 when the name is empty, the window is
// neither a book nor a lexicon window, it has no book table or no book matches.
int GetIndexOfSyncname(int window, const char* sync_name);
