// Dictionary modules (DIC): header probes.
#pragma once

struct SvFile;

// Catalogue probe: fills datafile[id].abbrev and .title from the information
// block and returns 1 when file is a dictionary (signature "hbdi", version 5),
// else 0.
int ScanDICInfo(SvFile* file, int id);
