// The word lists of a dictionary window, without the window: the filter, the
// list lines (at most 50, read from the file as the list scrolls), the scroll
// rules, key search in both directions, the substring filter, the pattern
// history, "Opposite" and the status-bar text. The window layer only shows
// what these leave in the data window (dic_radek, dic_radku_filled,
// dic_filter, dic_patt_hist, dic_direction).
//
// The list is numbered by the current direction: in direction 0 a line's
// number is the record number and the list follows the "from" texts; in
// direction 1 it is the position in the opposite-direction index and the
// list follows the "to" texts. The filter has one byte per number of the
// current direction.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dic/dic_types.h"
#include "lex/lex_types.h"

constexpr int DIC_MAX_LINES = 50;
constexpr int DIC_HISTORY = 40;

// Filter of window id over the numbers of the current direction (0 = the
// nearest at or after, 1 = at or before; see key_list.h).
int DIC_GetValidRecordFromFilter(int id, int record, int direction);
int DIC_IsValidRecordFromFilter(int id, int record);
int DIC_GetOrderOfRecordFromFilter(int id, int record);
// Clears the filter: every number passes.
void DIC_ClearFilter(int id);

// Allocates the 50 list lines of window id; 0 when memory runs out.
int DIC_AllocLines(int id);

// Fills the list from the first filtered-in number at or after record: up
// to min(dic_listbox_lines, 50) lines. Records that cannot be read end the
// list in direction 0 and are skipped in direction 1. Returns 1, or 0
// (nothing changed) when no number at or after record passes the filter.
int DIC_NaplnRadky(int id, int record);
// Shows the list from record (the window then shows lines and scroll bar).
int DIC_PocatecniVypis(int id, int record);

// mode 0: inserts line at index, the following lines move down (the last
// falls off); mode 1: lines 1 .. index move up one place (line 0 falls off)
// and line goes to index; mode 2: overwrites line index.
void DIC_InsertRadek(const DIC_RADEK* line, int id, int index, int mode);

// Scrolling, as in the lexicon list; each returns 1 when the list moved and
// 0 when the window should beep. Page down past the end and page up before
// the start refill the list (from the last and the first number).
int DIC_ScrollLineDown(int id);
int DIC_ScrollLineUp(int id);
int DIC_ScrollPageDown(int id);
int DIC_ScrollPageUp(int id);
int DIC_ScrollTrack(int id, int record);

// The list now holds lines lines (at most 50): fewer cut the filled lines,
// more are filled with the records after the last line.
void DIC_ResizeList(int id, int lines);

// Lower-bound key search in the current direction (key in reading order).
// Direction 0: the number of the first record at or after the first record
// >= record whose "from" text is not smaller than key under collation A;
// the last record when all are smaller; 0 when there is none. Direction 1:
// the first index position from record on whose "to" text is not smaller
// under collation B; the last position when all are smaller; 0 when record
// is outside 1 .. dic_records_all. Hebrew texts are reversed into reading
// order before they are compared.
int DIC_SearchKey(int id, const char* key, int record);

// Builds the filter of the current direction: the numbers whose source text
// (as stored) contains key (as typed; wildcards as in text matching; vowels
// ignored for a Hebrew source when opt_dic_key_ignore_vowels is 1). Returns
// the count, which also becomes dic_filter_hits; 0 leaves every byte set.
int DIC_SearchAllKeysForSubstring(int id, const char* key, int record);

// The key box's text was changed to text (display order): the key search
// (reversed first for a Hebrew source) and the list from the number found.
// Returns that number, or 0.
int DIC_KeySearchFromEdit(int id, const char* text);
// Enter in the key box: the substring filter with text as typed, and the
// list from 1 when anything passes. Returns the count.
int DIC_FilterFromEdit(int id, const char* text);
// "Reload": clears the filter and fills the list from 1.
void DIC_Reload(int id);

// "Opposite", without the window: switches dic_direction, clears the
// filter, searches the top line's word in the new direction, swaps the list
// widths and the split ratio and fills the list from the number found.
// Returns that number (0 when the list was empty).
int DIC_Opposite(int id);

// The list widths for a client width: dic_lb_width_from and dic_lb_width_to
// from dic_lb_from_ratio.
void DIC_SetListWidths(int id, int client_width);
// The splitter was dragged to x: the "from" width x - 3 (kept inside the
// client) and the ratio that follows from it.
void DIC_SetSplit(int id, int x, int client_width);

// Pattern history of window id (the direction as type), at most 40 entries.
int DIC_AddPatternToHistory(int id, const char* pattern);
// The entries the key box's drop-down shows: those of the current direction,
// in history order. Returns how many were stored in out.
int DIC_HistoryForCombo(int id, const PATT_HIST* out[DIC_HISTORY]);

// The status-bar text of window id: "place/hits [abbrev] number/all"
// (string 10075) for the top line; returns 0 (and an empty text) when there
// is no current line.
int DIC_StatusText(int id, char* out, std::size_t size);

// The number of the top line, or 0 (the position of the list scroll bar).
int DIC_TopNumber(int id);

// The dictionary side of the lookup dispatch for window v and a word of
// language from window source: 0 when v does not take the word, 1 when it
// looks it up as it is, 2 when it must switch to the opposite direction
// first (its target language is the word's, its source language is not,
// and opt_dic_look_autoopposite is 1).
int DIC_LookupMode(int v, int language, int source);
