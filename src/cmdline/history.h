// The navigation history (places book windows were moved to by explicit
// jumps) and the command-line history (typed references). Neither is saved.
#pragma once

#include <cstdint>

#include "books/book_types.h"

constexpr int HISTORY_SIZE = 30;

// One entry. The sync name lets an entry replay in any module; string is the
// text shown in lists.
struct HISTORY {
    BOOK_POSITION book_position;  // number: the window it was recorded from
    char sync_name[8];
    char string[64];
};

// Navigation history: oldest at 0, newest at history_used - 1;
// history_index is one past the current entry.
extern HISTORY history[HISTORY_SIZE];
extern int32_t history_used;
extern int32_t history_index;

// Command-line history: newest at 0, only string is used.
extern HISTORY cmd_history[HISTORY_SIZE];
extern int32_t cmd_history_count;

// What a replay asks of the windows once their positions are set; the book
// windows install these. Null members are skipped.
struct HISTORY_HOOKS {
    void (*redraw_window)(int window);     // text and scroll bar of a moved window
    void (*refresh_navigator)(int window); // the navigator, light form
    void (*play_verse)(int window);        // the verse's recording, when audio follows
};
extern HISTORY_HOOKS g_history_hooks;

// Empties both histories.
void ResetHistories();

// Records position (of window position.number) as the newest navigation entry.
void AddToHistory(const BOOK_POSITION& position);

// Moves every book window that has the book of entry index to its chapter
// and verse. Returns the number of windows moved.
int RefreshAccordingHistory(int index);

// Back and Forward: step through the history and replay. Return 1 when they
// moved the history, 0 when there was nowhere to go.
int HistoryBack();
int HistoryForward();

// The drop-down list: the entries to show, newest first (entries whose book
// is 0 are left out). Fills indexes with entry numbers (command 49900 +
// index) and returns their count; *current receives the current entry
// (history_index - 1).
int HistoryListEntries(int32_t indexes[HISTORY_SIZE], int32_t* current);

// A chosen drop-down entry: replays it and moves it to the newest place.
// Returns the number of windows moved.
int HistoryChooseEntry(int index);

// Records a typed reference as the newest command-line entry; a text already
// in the list moves to the top.
void CMD_AddReferenceToHistory(const char* text);
