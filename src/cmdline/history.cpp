#include "cmdline/history.h"

#include <cstdio>
#include <cstring>

#include "app/copy_cut.h"
#include "app/records.h"
#include "books/verse_location.h"
#include "cmdline/sync_names.h"

HISTORY history[HISTORY_SIZE];
int32_t history_used = 0;
int32_t history_index = 0;
HISTORY cmd_history[HISTORY_SIZE];
int32_t cmd_history_count = 0;
HISTORY_HOOKS g_history_hooks = {nullptr, nullptr, nullptr};

namespace {

// The entry for position: its sync name and the label "%s %d:%d " with the
// book's full name in the recording window's module.
HISTORY MakeEntry(const BOOK_POSITION& position)
{
    HISTORY entry{};
    entry.book_position = position;
    const int w = position.number;
    if (w >= 0 && w < MAX_DATAWINDOWS && datawindow[w].book_info && position.book >= 1 &&
        position.book <= datawindow[w].books) {
        const BOOK_INFO& book = datawindow[w].book_info[position.book - 1];
        char name[sizeof book.name + 1] = {};
        std::memcpy(name, book.name, sizeof book.name);
        char sync[sizeof book.sync_name + 1] = {};
        std::memcpy(sync, book.sync_name, sizeof book.sync_name);
        CopyCut(entry.sync_name, sizeof entry.sync_name, sync);
        std::snprintf(entry.string, sizeof entry.string, "%s %d:%d ", name, position.chapter, position.verse);
    }
    return entry;
}

} // namespace

void ResetHistories()
{
    std::memset(history, 0, sizeof history);
    std::memset(cmd_history, 0, sizeof cmd_history);
    history_used = history_index = cmd_history_count = 0;
}

void AddToHistory(const BOOK_POSITION& position)
{
    const HISTORY entry = MakeEntry(position);
    if (history_used < 0 || history_used > HISTORY_SIZE) history_used = 0;
    if (history_used < HISTORY_SIZE) {
        // Entries that Back stepped over stay before the new one.
        history[history_used] = entry;
        ++history_used;
        history_index = history_used;
    } else {
        std::memmove(&history[0], &history[1], sizeof(HISTORY) * (HISTORY_SIZE - 1));
        history[HISTORY_SIZE - 1] = entry;
        history_used = history_index = HISTORY_SIZE;
    }
}

int RefreshAccordingHistory(int index)
{
    if (index < 0 || index >= history_used || index >= HISTORY_SIZE) return 0;
    const HISTORY& entry = history[index];
    int moved = 0;
    int last = -1;
    for (int w = 0; w < status.num_windows && w < MAX_DATAWINDOWS; ++w) {
        DATAWINDOW& window = datawindow[w];
        if (window.type != MODULE_BOOK || window.results) continue;
        const int book = GetIndexOfSyncname(w, entry.sync_name);
        if (book < 0) continue;
        const BOOK_POSITION target{w, book + 1, entry.book_position.chapter, entry.book_position.verse};
        const int32_t offset = BK_HledejVers(target);
        if (offset <= 0) continue;
        window.book_position = target;
        window.offset = offset;
        if (g_history_hooks.redraw_window) g_history_hooks.redraw_window(w);
        ++moved;
        last = w;
    }
    if (moved > 0) {
        status.bk_last_book = last;
        if (g_history_hooks.refresh_navigator) g_history_hooks.refresh_navigator(last);
        if (g_history_hooks.play_verse) g_history_hooks.play_verse(last);
    }
    return moved;
}

int HistoryBack()
{
    if (history_index - 1 <= 0) return 0;
    --history_index;
    RefreshAccordingHistory(history_index - 1);
    return 1;
}

int HistoryForward()
{
    if (history_index + 1 > HISTORY_SIZE || history_index + 1 > history_used) return 0;
    ++history_index;
    RefreshAccordingHistory(history_index - 1);
    return 1;
}

int HistoryListEntries(int32_t indexes[HISTORY_SIZE], int32_t* current)
{
    int n = 0;
    for (int i = history_used - 1; i >= 0; --i)
        if (history[i].book_position.book != 0) indexes[n++] = i;
    if (current) *current = history_index - 1;
    return n;
}

int HistoryChooseEntry(int index)
{
    if (index < 0 || index >= history_used) return 0;
    const int moved = RefreshAccordingHistory(index);
    const HISTORY chosen = history[index];
    std::memmove(&history[index], &history[index + 1], sizeof(HISTORY) * (history_used - 1 - index));
    history[history_used - 1] = chosen;
    history_index = history_used;
    return moved;
}

void CMD_AddReferenceToHistory(const char* text)
{
    if (!text) return;
    char cut[sizeof cmd_history[0].string];
    CopyCut(cut, sizeof cut, text);
    if (cmd_history_count < 0 || cmd_history_count > HISTORY_SIZE) cmd_history_count = 0;
    int at = -1;
    for (int i = 0; i < cmd_history_count; ++i)
        if (std::strcmp(cmd_history[i].string, cut) == 0) {
            at = i;
            break;
        }
    if (at < 0) {
        // A new text: the oldest falls off the end when the list is full.
        if (cmd_history_count < HISTORY_SIZE) ++cmd_history_count;
        at = cmd_history_count - 1;
    }
    const HISTORY moved = cmd_history[at];
    std::memmove(&cmd_history[1], &cmd_history[0], sizeof(HISTORY) * static_cast<std::size_t>(at));
    cmd_history[0] = moved;
    std::memset(&cmd_history[0], 0, sizeof cmd_history[0]);
    CopyCut(cmd_history[0].string, sizeof cmd_history[0].string, cut);
}
