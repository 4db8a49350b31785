// Book modules (SBK): header probes and the record reader.
#pragma once

#include <cstdint>

#include "books/book_types.h"

struct SvFile;

// Catalogue probe: fills datafile[index].abbrev and .title and returns 1 when
// file is a book module (signature "hbbk", version 2), else 0.
int ScanSBKInfo(SvFile* file, int index);

// Full header read into data window id (book table, character sets, tag
// capabilities, collation table, descriptive texts, file size). Returns 1 on
// success, 0 on a wrong signature or version or when memory runs out.
int ScanSBKInfoEx(SvFile* file, int id);

// Reads the first verse record at or after record->offset from the module of
// data window record->book_position.number. Returns 1 when a record was read.
int BK_CtiRecord(BOOK_RECORD* record);

// Reads one comma-terminated decimal number (1 to 8 digits) from the current
// file position; -1 on anything else.
int32_t GetPositiveNumberFromFile(SvFile* file);
