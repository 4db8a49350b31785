// The outcome of book searches: the array of hit verses, the array of single
// occurrences, their growth, compaction and sorting.
#pragma once

#include <cstdint>

#include "search/search_types.h"

// Frees the results array and starts a new one of 1024 bytes (256 offsets)
// with both counts zero. Returns 1, or 0 when memory runs out.
int FirstAllocResultsArray();

// Frees the occurrence array and starts a new one of 8192 bytes (1024
// entries). Returns 1 or 0.
int FirstAllocExResultsArray();

// Appends a record offset at index hit_verses (the caller counts it) and
// grows the array by 1024 bytes once hit_verses + 1 reaches allocated / 4.
// Returns 1, or 0 when memory runs out (the offset is stored, the array did
// not grow).
int SEARCH_StoreHitVerse(int32_t offset);

// Appends an occurrence at index hit_patterns and counts it; the array
// grows by 8192 bytes first when it is full. Returns 1, or 0 when memory runs
// out (nothing is stored).
int SEARCH_AppendOccurrence(int32_t off_record, int32_t off_hit);

// After a verse with occurrences: grows the occurrence array by 8192 bytes
// when 4096 bytes or fewer remain free. Returns 1, or 0 when memory runs out.
int SEARCH_GrowOccurrencesAfterVerse();

// Moves the non-zero entries among the first size entries to the front in
// their order; returns their number.
int CompactResultsArray(int32_t* array, int size);

// Sorts the occurrence list: mode 0 by reference, 1 by Strong's number,
// 2 by word. Returns 1 when sorted, else 0.
int SortExResultsArray(int datawindow, int mode);

int BK_ex_compare_mode0(const void* a, const void* b);
int BK_ex_compare_mode1(const void* a, const void* b);
int BK_ex_compare_mode2(const void* a, const void* b);

// Clears the book results: counts and backups zero, both arrays freed.
void SEARCH_ClearBookResults();

// What the search dialog and the results window ask of each other; each
// window layer fills its own entries, and an empty entry does nothing.
struct SEARCH_UI_HOOKS {
    // After a book search that found something: opens the results window
    // (or retargets the one that is open) and shows result res_hitnumber.
    // Returns 1, or 0 when the window could not be made.
    int (*show_book_results)();
    // Shows result search_out_bk.res_hitnumber in the open results window.
    int (*update_results_window)();
    // The book results were discarded (the results window closed): the
    // results list shows nothing.
    void (*book_results_discarded)();
    // The lexicon window datawindow was filtered by a search: its list and
    // article show the hits.
    void (*lexicon_results_changed)(int datawindow);
};
extern SEARCH_UI_HOOKS g_search_ui_hooks;
