// Records of searches kept in data windows.
#pragma once

#include <cstdint>

#include "books/book_types.h"
#include "lex/lex_types.h"

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

// One search range, stored by sync name so that it applies to every module.
struct RANGE {
    char sync_name_from[8];
    int32_t book_from;  // 1-based, in the module it was last resolved in
    int32_t chapter_from;
    int32_t verse_from;
    char sync_name_to[8];
    int32_t book_to;
    int32_t chapter_to;
    int32_t verse_to;
};

constexpr int SEARCH_RANGES = 20;        // entries 0-2 built in, 3-19 user ranges
constexpr int SEARCH_FIRST_USER_RANGE = 3;
constexpr int SEARCH_PATTERN_SIZE = 64;  // pattern buffers; 63 bytes are kept
constexpr int SEARCH_SUBPATTERNS = 10;
constexpr int SEARCH_HISTORY = 50;

// One entry of the reference history.
struct REF_HIST {
    BOOK_POSITION ref_bp_from;
    char ref_syncname_from[16];
    BOOK_POSITION ref_bp_to;
    char ref_syncname_to[16];
    char string[128];  // the text shown in the reference combo box
};

// The search request of the search dialog.
struct SEARCH_IN {
    int32_t datawindow;
    int32_t tab;   // 0 text, 1 Strong's number, 2 reference, 3 results
    int32_t mode;  // 0 books, 1 lexicons
    int32_t type;  // script code of the pattern
    int32_t charset;
    int32_t case_sensitive;
    int32_t ignore_vowels;
    int32_t in_results;
    int32_t in_lex_results;
    int32_t close_srch_dlg;
    int32_t results_to_list;
    char pattern[SEARCH_PATTERN_SIZE];
    char zaloha_patternu[SEARCH_PATTERN_SIZE];
    int32_t milisec;
    int32_t range_last;
    int32_t range_count;
    RANGE range[SEARCH_RANGES];
    int32_t combo_files_index[30];
    int32_t combo_files_count;
    int32_t combo_files_select;
    int32_t combo_ranges_index[SEARCH_RANGES];
    int32_t combo_ranges_count;
    int32_t combo_ranges_select;
    RANGE range_search;
    int32_t offset_from;
    int32_t offset_to;
    int32_t patt_hist_count;
    PATT_HIST patt_hist[SEARCH_HISTORY];
    int32_t search_for;  // 0 any word, 1 all words, 2 phrase
    char subpattern[SEARCH_SUBPATTERNS][SEARCH_PATTERN_SIZE];
    int32_t subpatterns;
    int32_t str_type;      // 0 by Strong's number, 1 the words that carry them
    int32_t str_language;  // 1 Hebrew, 2 Greek
    int32_t str_number;
    BOOK_POSITION ref_bp_from, ref_bp_to;
    char ref_syncname_from[16], ref_syncname_to[16];
    int32_t ref_hist_count;
    REF_HIST ref_hist[SEARCH_HISTORY];
    int32_t ref_combo_files_index[30];
    int32_t ref_combo_files_count, ref_combo_files_select;
};

// One occurrence of a Strong's, word or reference search.
struct EX_RESULTS_ARRAY {
    int32_t off_record;  // file offset of the verse record
    int32_t off_hit;     // byte offset of the occurrence in the record's text
};

// Working entry of the sorting of the occurrence list.
struct SORT_ARRAY {
    int32_t off_record;
    int32_t off_hit;
    int32_t strong_type;  // 'H', 'G', or a space when there is none
    int32_t strong_number;
    char word[16];
};

// The outcome of the last book search.
struct SEARCH_OUT_BK {
    int32_t datawindow;
    int32_t tab;
    int32_t type;
    int32_t charset;
    int32_t in_results;
    int32_t case_sensitive, ignore_vowels;
    int32_t milisec;
    char pattern[SEARCH_PATTERN_SIZE];
    int32_t hit_verses;
    int32_t hit_patterns;
    int32_t allocated;         // bytes of results_array
    int32_t* results_array;    // record offsets of the hit verses, in file order
    int32_t res_hitnumber;
    EX_RESULTS_ARRAY* ex_results_array;
    int32_t ex_allocated;      // bytes of ex_results_array
    int32_t search_for;
    char subpattern[SEARCH_SUBPATTERNS][SEARCH_PATTERN_SIZE];
    int32_t subpatterns;
    int32_t new_search_hit;
    int32_t backup_hit_verses, backup_hit_patterns, backup_datawindow, backup_tab;
    int32_t str_type, str_language, str_number;
    int32_t str_sorted_column;
    BOOK_POSITION ref_bp_from, ref_bp_to;
    char ref_syncname_from[16], ref_syncname_to[16];
};
