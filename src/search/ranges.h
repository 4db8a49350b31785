// Search ranges: the built-in whole-module, Old and New Testament ranges,
// the ring of user ranges, and the rows of the range combo box.
#pragma once

#include "books/book_types.h"

constexpr int SEARCH_RANGE_ROW = 128;  // bytes of one row text

// 1 when search_in.range[index] can be searched in the module of data window
// dw: both books exist in it (their numbers are stored in the entry), the
// last does not come before the first, chapters and verses exist, and both
// bounds are located.
int TestRange(int index, int dw);

// Fills the rows of the range combo box for the book module of data window
// dw: resolves entries 0 to 2 for it, lists them and every usable user
// range, and sets search_in.combo_ranges_index and combo_ranges_count. With
// dw -1 (search in results) the one row "ALL RESULTS", with -2 (lexicons)
// "ALL LEXICON". rows (may be null) receive the row texts. Returns the
// number of rows.
int SEARCH_FillRangeRows(int dw, char (*rows)[SEARCH_RANGE_ROW], int max_rows);

// Stores the range from .. to (positions in the module of from.number) as
// the next user range of the ring: entry range_count (back to 3 after 19),
// which becomes range_last; range_count grows by one. Returns the index, or
// -1 when a book does not exist in the module.
int SEARCH_AddUserRange(const BOOK_POSITION& from, const BOOK_POSITION& to);

// The row of the range combo box that lists entry index, or -1.
int SEARCH_RangeRow(int index);
