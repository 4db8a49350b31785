// Records of dictionary windows.
#pragma once

#include <cstdint>

// One line of the dictionary's word lists.
struct DIC_RADEK {
    int32_t record;  // record number in direction 0, index position in direction 1
    int32_t offset;  // the record's "|S2"
    int32_t delka;   // delka_recordu of the record
    char from[128];
    char to[128];
    char note[2];
};

// One dictionary record as read by DIC_CtiRecord.
struct DICRECORD {
    int32_t id_file;        // catalogue index of the module file (input)
    int32_t offset;         // where to start reading (input); the record's "|S2" (output)
    int32_t cislo;          // record number
    int32_t delka_recordu;  // from the marker to the end of the note
    int32_t delka_from;     // stored lengths, each counting the text's NUL
    int32_t delka_to;
    int32_t delka_note;
    char from[128];         // as stored: Hebrew in display order
    char to[128];
    char note[2];
};
