// The searches of book modules: text, Strong's number, words that carry
// Strong's numbers, and cross references; fresh or within the previous
// results. They read the request from search_in and leave the outcome in
// search_out_bk; the dialog and the results window show it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/search_types.h"

// How records are found and prepared. Both give the same results.
enum : int {
    SEARCH_ENGINE_RECORDS = 0,  // record by record through BK_CtiRecord
    SEARCH_ENGINE_IMAGE = 1,    // over the prepared image of the module
};
extern int g_search_engine;

// Called ten times over a scan (each tenth of the span), for a progress bar.
extern void (*g_search_progress)(void);

// Outcomes of the searches.
enum : int {
    SEARCH_NOT_RUN = -1,  // nothing was searched (bad request)
    SEARCH_NO_HIT = 0,    // nothing found: the previous results are back
    SEARCH_NEW_HITS = 1,  // search_out_bk holds the new results
};

// Makes the prepared image of the module of book window dw for a text
// search with the options of search_in, so that the next search finds it
// ready (the dialog calls this once it is on the screen). Returns 1 when the
// image is ready, 0 when the module is searched record by record.
int SEARCH_PrepareModuleImage(int dw);

// Text search (the Text tab) of the book module of data window
// search_in.datawindow: search_in.pattern holds the pattern as typed (and
// zaloha_patternu the same), search_for, case_sensitive, ignore_vowels,
// type, in_results and range_last the options.
int SEARCH_BookText();

// Strong's tab: str_type 0 searches the tags of Strong's number str_number
// in language str_language; str_type 1 the words matching search_in.pattern
// (with their positions).
int SEARCH_BookStrong();

// Reference tab: cross references into the bounds of history entry row of
// the reference history, resolved in the module of search_in.datawindow.
int SEARCH_BookReference(int row);

// The Strong's number of a typed text: the digits after the leading bytes
// that are not digits ("H0430" gives 430). Returns 0 after the warning
// "Bad numeric value for Strong# search" when the text holds no digit.
int SEARCH_ReadStrongNumber(const char* text, int32_t* number);

// Adds the search_in.ref_* bounds to the front of the reference history.
// Returns 1, or 0 when the bounds belong to different windows or a book is
// not in the module.
int AddReferenceToHistory();

// ---------------------------------------------------------------- shared parts

// The matcher of one prepared request.
struct SEARCH_MATCHER {
    int search_for;  // 0 any word, 1 all words, 2 phrase
    int type;        // script of the pattern, for word starts
    const char* pattern;
    int subpatterns;
    const char (*subpattern)[SEARCH_PATTERN_SIZE];
};

// Matches of the prepared request in a prepared NUL-terminated text.
int SEARCH_CountTextHits(const char* text, const SEARCH_MATCHER& m);

// Calls found(context, position) for every match of pattern at a word
// start of text (positions ascending); returns their number.
int SEARCH_ForEachWordMatch(const char* text, const char* pattern, int type, void (*found)(void*, int32_t),
                            void* context);

// Over the prepared texts first .. last - 1 of an image: marks the texts
// (candidate[i - first] = 1) that contain a literal piece of the request
// that every match needs; the others cannot match.
struct SEARCH_PREPARED;
void SEARCH_MarkCandidates(const SEARCH_PREPARED& text, std::size_t first, std::size_t last, const SEARCH_MATCHER& m,
                           std::vector<char>& candidate);

// Prepares a record text for matching in place, as the text search does.
void SEARCH_PrepareText(char* text, int tagged, int fold_vowels, int lower);

// The tag test of the reference search: 1 when the value of a "|RR" tag
// names a verse of the module of dw inside from .. to.
int SEARCH_ReferenceInRange(const char* value, int length, int dw, const BOOK_POSITION& from,
                            const BOOK_POSITION& to);
