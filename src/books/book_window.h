// What a book window does that needs no window: moving through the module
// by verse, page and scroll-bar offset, synchronising the other book windows
// by sync name, the tag options and the states of the tool-bar buttons.
// The window layer draws; it installs g_book_window_hooks to hear which
// windows must be redrawn.
#pragma once

#include <cstdint>

#include "books/book_types.h"

struct DATAWINDOW;

// Hooks of the window layer; null members are skipped.
struct BOOK_WINDOW_HOOKS {
    void (*redraw_window)(int id);  // renders window id and sets its scroll bar
};
extern BOOK_WINDOW_HOOKS g_book_window_hooks;

// 1 when id is an open book window (type 0, neither the results nor the
// information window).
int BK_IsBookWindow(int id);

// The sync name of the book window id shows, or null.
const char* BK_CurrentSyncName(int id);

// Verse steps. Each moves window id's book_position and offset, sets rtf_line
// to 0 and returns 1, or returns 0 when the window did not move (first verse
// of the module, last verse, closed file).
int BK_StepVerse(int id, int step);  // step -1 (line up) or +1 (line down by verses)
int BK_PageUp(int id);
int BK_PageDown(int id);
// The scroll-bar position is a file offset: the window goes to the verse
// record at or after it (the last verse at the end of the file).
int BK_GoToOffset(int id, int32_t offset);

// The scroll bar's range and position for window id.
struct BK_SCROLL_RANGE {
    int32_t min;
    int32_t max;
    int32_t pos;
};
BK_SCROLL_RANGE BK_ScrollRange(int id);

// Line down when the window scrolls by lines: whether only the view moves
// (the next line of the view is longer than two characters and does not
// begin a verse).
int BK_LineDownScrollsView(int line_length, int begins_verse);
// Which character of a view line tells whether the line begins a verse: its
// first character for left-to-right modules (language 0 or 2), the last
// character of the line for Hebrew, whose labels stand at the line's end.
int BK_NewLineProbe(int language, int line_start, int line_length);

// Moves every other synchronised book window to the book, chapter and verse
// of window id. A window whose module lacks the book stays; one whose module
// lacks the chapter or verse keeps its text and offset but takes the new
// position. Returns the number of windows redrawn.
int BK_SyncBooks(int id);
// The same for every synchronised book window that allows reference jumps.
int BK_SyncBooks2(BOOK_POSITION position, const char* sync_name);

// Tag options: -1 without tags or windows, 1 all ten classes shown, 2 none,
// 0 some (also when the module has none of the ten).
int GetAllTagsState(int id);
// Copies the ten class flags and bold and italic; 0 for a null record.
int CloneShowTagFlags(DATAWINDOW* destination, const DATAWINDOW* source);
// Commands 1, 2, 3 (sync, scroll by lines, reference jumps) and 5 to 16 (tag
// menu) applied to window id; returns 1 when the command was known.
int ProcessTagMenuCommand(int id, int command);
// State of a tag-menu item (commands 5 to 16) for window id.
struct BK_MENU_STATE {
    int enabled;
    int checked;
};
BK_MENU_STATE BK_TagMenuItemState(int id, int command);
// The context-menu switches 1, 2, 3, 23 and 25: whether checked, and the
// toggle. BK_ToggleWindowOption returns 1 when command was one of them.
int BK_WindowOptionChecked(int id, int command);
int BK_ToggleWindowOption(int id, int command);

// 1 when byte c separates words in text of that script.
int IsSelectionSeparator(int language, unsigned char c);

// Tool-bar button states.
enum : int32_t { BUTTON_NORMAL = 0, BUTTON_PRESSED = 1, BUTTON_INDETERMINATE = 2 };
struct BUTTON_STATES {
    int32_t tree, table, info, verse_list;  // 1102, 1104, 1106, 1110
    int32_t compare;                        // 1800
    int32_t reusable;                       // 1810
    int32_t show_all_tags, hide_all_tags;   // 1820, 1830
    int32_t search;                         // 1840: 1 enabled
    int32_t search_in_results;              // 1850: 1 enabled
    int32_t results_list;                   // 1860: 1 enabled
};
BUTTON_STATES BK_ComputeButtonStates();

// The navigator's three lists for window id: mode 0 one entry each, mode 1
// all books, chapters of the book and verses of the chapter. Returns 0 for
// a non-book window, a closed file or a chapter without verses.
struct BK_NAVIGATOR {
    int32_t books, chapters, verses;     // entries in each list
    int32_t book_sel, chapter_sel, verse_sel;
    char single_book[32];                // mode 0: the book's name
};
int BK_NavigatorContents(const BOOK_POSITION& position, int id, int mode, BK_NAVIGATOR* out);

// The status bar's texts for window id (-1 none): part 0 the library, part 1
// the window. Returns 1.
int BK_StatusBarTexts(int id, char* part0, int size0, char* part1, int size1);
