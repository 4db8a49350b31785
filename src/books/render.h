// Rendering the verses that fit a book window into one RTF document.
#pragma once

#include <cstdint>

#include "books/book_types.h"

// The output stops before it grows beyond this many bytes.
constexpr int RTF_RENDER_LIMIT = 125951;

// Where the results view (mode 1) takes its verses from: the record offset of
// result i counted from the current result index (0 past the last result),
// and the marking of the search hits in g_book_record before a verse is
// rendered. The results window installs it.
struct BK_RESULTS_SOURCE {
    int32_t (*offset)(int i);
    void (*mark_hits)(int id);
};
void BK_SetResultsSource(const BK_RESULTS_SOURCE* source);

// Renders into bk_rtfdata.buffer (NUL-terminated) the verses of data window
// position.number starting at position (mode 0, book window) or the results
// from the current result index (mode 1, results window). Returns the number
// of verses rendered; 0 when the module file is not open or the window shows
// nothing (nothing is rendered then).
int BK_PripravText(BOOK_POSITION position, int mode);
