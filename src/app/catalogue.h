// Data paths and the module catalogue.
#pragma once

#include "app/records.h"

// 1 when the root of the drive of the current directory is read-only.
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
