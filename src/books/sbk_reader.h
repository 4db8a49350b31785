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
// success, 0 on a wrong signature or version, a header whose tables lie
// outside the file, or when memory runs out.
int ScanSBKInfoEx(SvFile* file, int id);

// Reads the first verse record at or after record->offset from the module of
// data window record->book_position.number. Returns 1 when a record was read.
int BK_CtiRecord(BOOK_RECORD* record);

// Reads one comma-terminated decimal number (1 to 8 digits) from the current
// file position; -1 on anything else.
int32_t GetPositiveNumberFromFile(SvFile* file);

// Helpers shared by the readers of book records.

// The open module file of data window number, or null when the window index
// is out of range, its catalogue entry is not opened or has no file.
SvFile* BK_WindowFile(int number);

// Offset of the first "|S0" at or after from whose "|" lies before limit
// (limit < 0: the end of the file); -1 when there is none. Reads in
// 2048-byte blocks; the file position is left undefined.
int64_t BK_FindRecordStart(SvFile* file, int64_t from, int64_t limit = -1);

// The numbers of the record header whose "|S0" is at offset.
struct BK_RECORD_HEADER {
    int32_t book;
    int32_t chapter;
    int32_t verse;
    int32_t length;      // text length as stored
    int32_t header_len;  // from the "|" to the first text byte
};
// Reads the header of the record at offset (the numbers start 4 bytes after
// it); returns 1, or 0 when no "|S0" stands there or a number does not parse.
int BK_ReadRecordHeader(SvFile* file, int64_t offset, BK_RECORD_HEADER* header);
