// Dictionary modules (DIC): header scans and the record reader.
//
// A dictionary is a 1024-byte header, two collations (A for the "from"
// texts, B for the "to" texts), the information block, the opposite-direction
// index (one record offset per record, in "to" order) and the records, each
// starting with "|S2". Records are read in place from the catalogue entry's
// open file.
#pragma once

#include <cstdint>

#include "dic/dic_types.h"

struct SvFile;

// The scratch record of all dictionary list operations.
extern DICRECORD g_dic_record;

// Catalogue probe: fills datafile[id].abbrev and .title from the information
// block and returns 1 when file is a dictionary (signature "hbdi", version 5),
// else 0.
int ScanDICInfo(SvFile* file, int id);

// Full header read into data window id: languages, character sets, the
// offsets, the record count, both names, both collations (razeni[0..1]
// collation A, razeni[2..3] collation B), the information block, the
// opposite-direction index (dic_index), a clear filter of dic_records_all
// bytes and the file size. dic_direction starts at 0. Returns 1, or 0 when
// the file is not a version-5 dictionary, its areas lie outside the file or
// out of order, or memory runs out (string 10006 is shown then).
int ScanDICInfoEx(SvFile* file, int id);

// Reads one record of the module dicrecord->id_file. direction 0: the first
// record whose marker starts at or after dicrecord->offset; direction 1: the
// nearest record whose marker lies before it. Fills every field. Returns 1,
// or 0 at the end (start) of the records, on a malformed record (bad number,
// a text longer than 128 bytes, a note longer than 2) or when the module is
// not open. Markers before the record area are never taken.
int DIC_CtiRecord(DICRECORD* dicrecord, int direction);

// File offset of the marker of record number of window id's module, or 0.
int DIC_SearchRecord(int id, int number);

// The first record with a number >= number, read into *out; returns 1, or 0
// when there is none.
int DIC_FindRecordAtOrAfter(int id, int number, DICRECORD* out);

// Reads the record that position k (1-based) of the opposite-direction index
// names into *out. Returns 1, or 0 when k is outside the index or the entry
// does not point at a record marker inside the record area.
int DIC_ReadIndexRecord(int id, int k, DICRECORD* out);

// The 1-based position in the opposite-direction index of the record whose
// marker is at offset; 0 when no index entry names that offset.
int DIC_GetOppositeIndexFromOffset(int id, int offset);

// which 0: the current source language (dic_lang_from in direction 0,
// dic_lang_to in direction 1); which 1: the current target language.
int DIC_GetLanguage(int id, int which);
// 1 when the current source language is Hebrew (Greek).
int DIC_IsActualComboLangHE(int id);
int DIC_IsActualComboLangGR(int id);

// The current source (which 0) or target (which 1) text of a record or
// list line, as stored.
const char* DIC_SourceText(int id, const char* from, const char* to, int which);
