// Lexicon modules (LEX): header scans and the record reader.
//
// A lexicon is a 1024-byte header, a book table, an optional Strong index,
// the information block and the records, each record starting with "|S1".
// Records are read in place from the catalogue entry's open file.
#pragma once

#include <cstdint>

#include "lex/lex_types.h"

struct SvFile;

// The scratch record of all lexicon list operations.
extern LXRECORD g_lx_record;

// Catalogue probe: fills datafile[id].abbrev and .title from the information
// block and returns 1 when file is a lexicon (signature "hblx", version 3),
// else 0.
int ScanLEXInfo(SvFile* file, int id);

// Full header read into data window id: header fields, tag classes, labels,
// collation tables (razeni[0] the alphabet, razeni[1] the ties), the book
// table, the Strong index, the information block, a clear filter of
// lx_records_all bytes and the file size. Returns 1, or 0 when the file is
// not a version-3 lexicon, its tables lie outside the file or memory runs out
// (string 10006 is shown then).
int ScanLEXInfoEx(SvFile* file, int id);

// Reads one live record of the module lxrecord->id_file. direction 0: the
// first live record whose marker starts at or after lxrecord->offset;
// direction 1: the nearest live record whose marker lies wholly before it.
// mode 0 fills offset, cislo, delka, header_delka, slovo and strong; mode 1
// also item, extra and buffer. Returns 1, or 0 at the end (start) of the
// records, on a malformed record or when the module is not open.
int LX_CtiRecord(LXRECORD* lxrecord, int direction, int mode);

// File offset of the marker of live record number of window id's module, or 0.
int LX_SearchRecord(int id, int number);

// The first live record with a number >= number, read in mode 0 into *out;
// returns 1, or 0 when there is none.
int LX_FindRecordAtOrAfter(int id, int number, LXRECORD* out);

// The number of the first record at or after record number `record` whose
// Strong's reference has language (1 Hebrew, 2 Greek) and number; 0 when
// there is none or the module has no Strong index.
int LX_SearchFirstStrong(int id, int language, int number, int record);

// Appends header items 0 .. items - 1 to lxrecord->buffer, each after one
// byte of value 1. Returns 0 (the text ending after the last item that fit)
// as soon as an item would make the text reach bufsize bytes, else 1.
int LX_PasteHeadersToBuffer(LXRECORD* lxrecord, int bufsize, int items);

// The number of a Strong's reference such as "G0025" (25), or -1 when the
// text after the language letter is not a number.
int32_t LX_StrongNumber(const char* strong);
