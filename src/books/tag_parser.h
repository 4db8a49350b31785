// The tag markup of book text and lexicon comments, turned into RTF.
#pragma once

#include "books/book_types.h"

constexpr int LT_MAX = 256;    // entries of the formatting stack
constexpr int PODTECENI = 3;   // at or below this many entries the tags are not paired

// Renders the NUL-terminated text data_buf with the show flags and language
// of data window id, appending RTF to rtf_buf from position index; size is
// the capacity of rtf_buf. mode 0: verse text (book, results and comparison
// views); mode 1: lexicon comments. Returns the new end position. The output
// is not NUL-terminated and never goes beyond size bytes; the verse ends
// early once the output reaches size - 2048.
int BK_ParseTagsCZ(const char* data_buf, int id, char* rtf_buf, int size, int index, int mode);

// Makes the verse label of record (a verse of data window id) into
// record->name: book name, chapter and verse when full is 1 or the verse is
// the first of its chapter, else only the verse number. Hebrew modules get
// the leading-space form.
void BK_GenerujPopisku(BOOK_RECORD* record, int id, int full);
