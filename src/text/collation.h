// Module collation: the sort table of a module (its alphabet of one- and
// two-character letters with their equivalence flags) and string comparison
// through it.
#pragma once

#include <cstdint>

struct SvFile;

// A sort table is 1024 bytes: the sequence row (256 entries of 2 bytes, a
// single character with a 0 second byte or a two-character letter; an entry
// of two 0 bytes ends it) followed by the tie row (byte 512 + 2k is the flag
// of entry k: set, the entry sorts equal to the entry after it).
constexpr int SORT_TABLE_SIZE = 1024;
constexpr int SORT_ROW_SIZE = 512;

// Compares a and b letter by letter through the sort table tab. Bytes the
// table does not list are skipped. Returns -1, 0 or 1.
int PorovnejRetezce(const char* a, const char* b, const char* tab);

// Builds a sort table from the file form of a collation: the 512-byte
// alphabet and the 32-byte equivalence bitmap (bit i, most significant bit
// first, joins entry i to entry i + 1).
void SetSortTable(const unsigned char* alphabet, const unsigned char* bitmap, char* table);

// Reads one collation of a module file into table (SORT_TABLE_SIZE bytes):
// the alphabet at alphabet_offset, the bitmap at bitmap_offset. Bytes past
// the end of the file read as 0. Returns 1, or 0 when the file is missing.
int ReadSortTable(SvFile* file, int64_t alphabet_offset, int64_t bitmap_offset, char* table);

// Reads the first collation of a book, lexicon or dictionary module, found by
// the module's signature. Returns the module type (0 book, 1 lexicon,
// 2 dictionary), or -1 when the file is none of them.
int ReadModuleSortTable(SvFile* file, char* table);
