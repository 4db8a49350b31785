// The keyword list of a lexicon window, without the window: the filter, the
// list lines (at most 50, read from the file as the list scrolls), the scroll
// rules, key search, the substring filter, the pattern history and the
// status-bar text. The window layer only shows what these leave in the
// data window (lx_radek, lx_radku_filled, lx_filter, lx_patt_hist).
#pragma once

#include <cstddef>
#include <cstdint>

#include "lex/lex_types.h"

constexpr int LX_MAX_LINES = 50;
constexpr int LX_HISTORY = 20;

// Filter of window id (see key_list.h).
int LX_GetValidRecordFromFilter(int id, int record, int direction);
int LX_IsValidRecordFromFilter(int id, int record);
int LX_GetOrderOfRecordFromFilter(int id, int record);
// Clears the filter: every record passes.
void LX_ClearFilter(int id);

// Allocates the 50 list lines of window id; 0 when memory runs out.
int LX_AllocLines(int id);

// Fills the list from the first filtered-in record at or after record: up to
// min(lx_listbox_lines, 50) lines. Returns 1, or 0 (nothing changed) when no
// record at or after record passes the filter.
int LX_NaplnRadky(int id, int record);

// mode 0: inserts line at index, the following lines move down (the last
// falls off); mode 1: lines 1 .. index move up one place (line 0 falls off)
// and line goes to index; mode 2: overwrites line index.
void LX_InsertRadek(const LX_RADEK* line, int id, int index, int mode);

// Scrolling; each returns 1 when the list moved and 0 when the window should
// beep. Page down past the end and page up before the start refill the list
// (from the last and the first record) and return 0.
int LX_ScrollLineDown(int id);
int LX_ScrollLineUp(int id);
int LX_ScrollPageDown(int id);
int LX_ScrollPageUp(int id);
int LX_ScrollTrack(int id, int record);

// The list now holds lines lines (at most 50): fewer cut the filled lines,
// more are filled with the records after the last line.
void LX_ResizeList(int id, int lines);

// Lower-bound key search (key in reading order): the number of the first
// record, at or after the first record >= record, whose keyword is not
// smaller than key under the module's collation; the last record when all are
// smaller; 0 when there is no record at or after record.
int LX_SearchKey(int id, const char* key, int record);

// Builds the filter: the records whose keyword contains key (wildcards as in
// text matching; vowels ignored for a Hebrew lexicon when
// opt_lx_key_ignore_vowels is 1). Returns the count, which also becomes
// lx_filter_hits; 0 leaves every filter byte set.
int LX_SearchAllKeysForSubstring(int id, const char* key, int record);

// The key box's text was changed to text (display order): runs the key
// search (reversed first for Hebrew) and fills the list from the record
// found. Returns that record, or 0.
int LX_KeySearchFromEdit(int id, const char* text);
// Enter in the key box: the substring filter with text (display order), and
// the list from record 1 when anything passes. Returns the count.
int LX_FilterFromEdit(int id, const char* text);
// "Reload": clears the filter and the search hits and fills the list from 1.
void LX_Reload(int id);

// Pattern history of window id (its language as type).
int LX_AddPatternToHistory(int id, const char* pattern);
// The history entries the key box's drop-down shows: those whose type is the
// lexicon's language, in history order. Returns how many were stored in out.
int LX_HistoryForCombo(int id, const PATT_HIST* out[LX_HISTORY]);

// The status-bar text of window id: "place/hits [abbrev] record/all" (string
// 10075) for the top line; returns 0 (and an empty text) when there is no
// current record.
int LX_StatusText(int id, char* out, std::size_t size);

// Copies src reversed into dst (size bytes, cut); dst may be src.
void LX_Reverse(const char* src, char* dst, std::size_t size);
