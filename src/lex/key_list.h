// Pieces shared by the keyword lists of lexicon and dictionary windows: the
// filter (one byte per record, 0 = the record passes) and the pattern history.
#pragma once

#include <cstdint>

#include "lex/lex_types.h"

// The nearest record number at or after (direction 0) or at or before
// (direction 1) record whose filter byte is 0; records are numbered 1 to
// count and record r has byte r - 1. 0 when there is none or no filter.
int32_t FilterFindValid(const char* filter, int32_t count, int32_t record, int direction);
// 1 when record lies in 1 .. count and passes.
int FilterIsValid(const char* filter, int32_t count, int32_t record);
// How many of the records 1 .. record pass.
int32_t FilterOrder(const char* filter, int32_t count, int32_t record);

// Adds pattern with type to a history of at most capacity entries, newest
// first. A pattern already there (exact comparison, any type) is neither
// added nor moved. Returns 1 when it was added.
int PattHistAdd(PATT_HIST* history, int32_t* count, int capacity, const char* pattern, int32_t type);
