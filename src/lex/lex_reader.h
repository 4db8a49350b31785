// Lexicon modules (LEX): header probes.
#pragma once

struct SvFile;

// Catalogue probe: fills datafile[id].abbrev and .title from the information
// block and returns 1 when file is a lexicon (signature "hblx", version 3),
// else 0.
int ScanLEXInfo(SvFile* file, int id);
