// Records of book modules: positions, the book table, one verse read.
#pragma once

#include <cstdint>

// The address of a verse in one open module. number is the index of the data
// window whose module is meant.
struct BOOK_POSITION {
    int32_t number;
    int32_t book;  // 1-based index into that module's book table
    int32_t chapter;
    int32_t verse;
};

// One entry of a module's book table (60 bytes in the file).
struct BOOK_INFO {
    char name[32];        // full book name as the module writes it
    char abbrev_name[8];  // the module's abbreviation of the book
    char sync_name[8];    // the book's sync name, such as OTGen
    int32_t length;       // bytes of the book's run of verse records
    int32_t offset;       // file offset of the book's first record
    int32_t chapters;     // number of chapters
};

constexpr int BOOK_RECORD_BUFFER = 128000;

// One verse read from a book module.
struct BOOK_RECORD {
    int32_t offset;               // in: where to start looking; out: the record's "|S0"
    BOOK_POSITION book_position;  // in: number selects the window; out: book, chapter, verse
    char name[64];                // the verse label, filled by the renderer
    int32_t delka;                // length of the text read, at most 128000
    char buffer[BOOK_RECORD_BUFFER];
};

// The verse record shared by the renderer and the book windows.
extern BOOK_RECORD g_book_record;
