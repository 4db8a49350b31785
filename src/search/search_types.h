// Records of searches kept in data windows.
#pragma once

#include <cstdint>

#include "books/book_types.h"

// The last search in a lexicon window, with its record filter.
struct SEARCH_OUT_LX {
    int32_t datawindow;
    int32_t tab;
    int32_t type;
    int32_t charset;
    int32_t case_sensitive;
    int32_t ignore_vowels;
    int32_t search_for;
    int32_t milisec;
    char pattern[64];
    char subpattern[10][64];
    int32_t subpatterns;
    int32_t hit_verses;
    int32_t hit_patterns;
    int32_t str_type;
    int32_t str_language;
    int32_t str_number;
    BOOK_POSITION ref_bp_from;
    char ref_syncname_from[16];
    BOOK_POSITION ref_bp_to;
    char ref_syncname_to[16];
};
