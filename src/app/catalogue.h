// Data paths and the module catalogue.
#pragma once

#include <string>

#include "app/records.h"

// 1 when the root of the drive of the current directory is read-only (a
// failed query counts as read-only). The Windows program asks the file
// attributes of the drive's root; the portable build those of "/".
int IsSevirMediaReadOnly();

// Fills datafile and the catalogue counters of status from the data paths;
// returns 1.
int ScanDataFiles();

// Index of the first of the first count entries whose filename equals name
// (first 31 characters, without regard to case); the search ends at the first
// empty filename; -1 if none.
int IsFileInDATAFILEArray(const char* name, int count);

// Sort order of two catalogue entries: dictionaries, lexicons, books, each
// by abbreviation without regard to case.
int compare_datafile(const void* a, const void* b);

// <path_data[path_index].path>/data/<filename> of catalogue entry id_file;
// empty for an index outside the catalogue.
std::string ModuleFilePath(int id_file);

// Case-insensitive comparison of at most n characters (-1, 0 or 1).
int SvCompareNoCase(const char* a, const char* b, std::size_t n = static_cast<std::size_t>(-1));
