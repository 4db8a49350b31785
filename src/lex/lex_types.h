// Records of lexicon windows.
#pragma once

#include <cstdint>

// One header (entry field) of a lexicon.
struct LX_ZAHLAVI {
    char zah_label[20];
    unsigned char zah_flag1;
    unsigned char zah_flag2;
    unsigned char zah_flag3;
    unsigned char zah_flag4;
};

// One entry of a lexicon's Strong's-number index.
struct LX_STRONG_INDEX {
    uint32_t strong;
    uint32_t offset;
};

// One line of the lexicon's key-word list.
struct LX_RADEK {
    int32_t record;
    int32_t offset;
    int32_t delka;
    char tLeft[128];
};

// One entry of a pattern history (lexicon, dictionary and search dialog).
struct PATT_HIST {
    char pattern[64];
    int32_t type;      // script code of the pattern, or the Strong's language
    int32_t str_type;  // 1 a text or Strong's word pattern, 0 a Strong's number
};

// One lexicon record as read by LX_CtiRecord.
struct LXRECORD {
    int32_t id_file;       // catalogue index of the module file (input)
    int32_t offset;        // where to start reading (input); the record's "|S1" (output)
    int32_t cislo;         // record number
    int32_t delka;         // record length as stored (header and body)
    int32_t header_delka;  // header length as stored
    int32_t extra_delka;   // length of extra
    char slovo[128];       // keyword, in reading order
    char strong[10];       // "H1234" or "G25", empty without a reference
    char item[10][256];    // header items 0 to 9, empty when missing
    char extra[256];       // extra data after "|SE" (binary)
    char buffer[128000];   // body text (full reads only)
};
