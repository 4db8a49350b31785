// Verse location and stepping in the open file of a book module.
#pragma once

#include <cstdint>

#include "books/book_types.h"

struct SvFile;

// Offset of the record that best matches position's book, chapter and verse
// in the module of data window position.number, or 0.
int32_t BK_HledejVers(const BOOK_POSITION& position);

// Moves step records from offset (step -1, 0 or +1); returns the offset of
// the record reached and stores its book, chapter and verse into *position
// (whose number selects the data window).
int32_t BK_PosunOffset(BOOK_POSITION* position, int32_t offset, int step);

// The number of the last verse of position.chapter of position.book, or 0.
int32_t BK_PocetVersu(const BOOK_POSITION& position);

// Offset of the last byte of the record that starts at offset; the file
// position is restored. A null file gives 0.
int32_t OffsetOfVerseEnd(int32_t offset, SvFile* file);
