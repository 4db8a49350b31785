#include "search/ranges.h"

#include <cstdio>
#include <cstring>

#include "app/lang.h"
#include "app/records.h"
#include "books/verse_location.h"
#include "cmdline/sync_names.h"
#include "search/search_types.h"

namespace {

bool BookWindow(int dw)
{
    return dw >= 0 && dw < MAX_DATAWINDOWS && datawindow[dw].book_info && datawindow[dw].books > 0;
}

int32_t LastVerse(int dw, int32_t book, int32_t chapter)
{
    return BK_PocetVersu(BOOK_POSITION{dw, book, chapter, 1});
}

void CopySync(char* to, const char* from)
{
    std::memset(to, 0, 8);
    for (int i = 0; i < 7 && from[i]; ++i) to[i] = from[i];
}

// Entry index spans the books first .. last (0-based) of the module.
void SetBuiltIn(int index, int dw, int first, int last)
{
    RANGE& r = search_in.range[index];
    std::memset(&r, 0, sizeof r);
    if (first < 0 || last < 0) return;
    const BOOK_INFO* books = datawindow[dw].book_info;
    CopySync(r.sync_name_from, books[first].sync_name);
    r.book_from = first + 1;
    r.chapter_from = 1;
    r.verse_from = 1;
    CopySync(r.sync_name_to, books[last].sync_name);
    r.book_to = last + 1;
    r.chapter_to = books[last].chapters;
    r.verse_to = LastVerse(dw, last + 1, r.chapter_to);
}

void Format(char* row, int format_id, const RANGE& r, int dw)
{
    char format[256];
    LANG_LoadString(nullptr, format_id, format, sizeof format);
    const BOOK_INFO* books = datawindow[dw].book_info;
    std::snprintf(row, SEARCH_RANGE_ROW, format, books[r.book_from - 1].abbrev_name, books[r.book_to - 1].abbrev_name,
                  r.chapter_to, r.verse_to);
}

} // namespace

int TestRange(int index, int dw)
{
    if (index < 0 || index >= SEARCH_RANGES || !BookWindow(dw)) return 0;
    RANGE& r = search_in.range[index];
    char from[8], to[8];
    std::memcpy(from, r.sync_name_from, 8);
    std::memcpy(to, r.sync_name_to, 8);
    from[7] = to[7] = '\0';
    const int first = GetIndexOfSyncname(dw, from);
    const int last = GetIndexOfSyncname(dw, to);
    if (first < 0 || last < 0 || last < first) return 0;
    r.book_from = first + 1;
    r.book_to = last + 1;
    const BOOK_INFO* books = datawindow[dw].book_info;
    if (r.chapter_from < 1 || r.chapter_to < 1 || r.verse_from < 1 || r.verse_to < 1) return 0;
    if (r.chapter_from > books[first].chapters || r.chapter_to > books[last].chapters) return 0;
    if (r.verse_from > LastVerse(dw, r.book_from, r.chapter_from)) return 0;
    if (r.verse_to > LastVerse(dw, r.book_to, r.chapter_to)) return 0;
    if (BK_HledejVers(BOOK_POSITION{dw, r.book_from, r.chapter_from, r.verse_from}) == 0) return 0;
    if (BK_HledejVers(BOOK_POSITION{dw, r.book_to, r.chapter_to, r.verse_to}) == 0) return 0;
    return 1;
}

int SEARCH_FillRangeRows(int dw, char (*rows)[SEARCH_RANGE_ROW], int max_rows)
{
    int count = 0;
    auto add = [&](int index) -> char* {
        if (count >= SEARCH_RANGES) return nullptr;
        search_in.combo_ranges_index[count] = index;
        char* row = (rows && count < max_rows) ? rows[count] : nullptr;
        ++count;
        return row;
    };
    if (dw == -1 || dw == -2) {
        char* row = add(0);
        if (row) LANG_LoadString(nullptr, dw == -1 ? 10050 : 10076, row, SEARCH_RANGE_ROW);
        search_in.combo_ranges_count = count;
        return count;
    }
    if (!BookWindow(dw)) {
        search_in.combo_ranges_count = 0;
        return 0;
    }
    const DATAWINDOW& w = datawindow[dw];
    int ot_first = -1, ot_last = -1, nt_first = -1, nt_last = -1;
    for (int b = 0; b < w.books; ++b) {
        if (std::strncmp(w.book_info[b].sync_name, "OT", 2) == 0) {
            if (ot_first < 0) ot_first = b;
            ot_last = b;
        }
        if (std::strncmp(w.book_info[b].sync_name, "NT", 2) == 0) {
            if (nt_first < 0) nt_first = b;
            nt_last = b;
        }
    }
    SetBuiltIn(0, dw, 0, w.books - 1);
    SetBuiltIn(1, dw, ot_first, ot_last);
    SetBuiltIn(2, dw, nt_first, nt_last);
    const int formats[3] = {10040, 10041, 10042};
    for (int i = 0; i < SEARCH_FIRST_USER_RANGE; ++i) {
        if (search_in.range[i].book_from == 0) continue;
        char* row = add(i);
        if (row) Format(row, formats[i], search_in.range[i], dw);
    }
    for (int i = SEARCH_FIRST_USER_RANGE; i < SEARCH_RANGES; ++i) {
        if (!TestRange(i, dw)) continue;
        const RANGE& r = search_in.range[i];
        char* row = add(i);
        if (row)
            std::snprintf(row, SEARCH_RANGE_ROW, "%s %d:%d - %s %d:%d", w.book_info[r.book_from - 1].abbrev_name,
                          r.chapter_from, r.verse_from, w.book_info[r.book_to - 1].abbrev_name, r.chapter_to,
                          r.verse_to);
    }
    search_in.combo_ranges_count = count;
    return count;
}

int SEARCH_AddUserRange(const BOOK_POSITION& from, const BOOK_POSITION& to)
{
    const int dw = from.number;
    if (!BookWindow(dw)) return -1;
    const DATAWINDOW& w = datawindow[dw];
    if (from.book < 1 || from.book > w.books || to.book < 1 || to.book > w.books) return -1;
    if (search_in.range_count > SEARCH_RANGES - 1 || search_in.range_count < SEARCH_FIRST_USER_RANGE)
        search_in.range_count = SEARCH_FIRST_USER_RANGE;
    const int index = search_in.range_count;
    RANGE& r = search_in.range[index];
    std::memset(&r, 0, sizeof r);
    CopySync(r.sync_name_from, w.book_info[from.book - 1].sync_name);
    r.book_from = from.book;
    r.chapter_from = from.chapter;
    r.verse_from = from.verse;
    CopySync(r.sync_name_to, w.book_info[to.book - 1].sync_name);
    r.book_to = to.book;
    r.chapter_to = to.chapter;
    r.verse_to = to.verse;
    search_in.range_last = index;
    ++search_in.range_count;
    return index;
}

int SEARCH_RangeRow(int index)
{
    for (int i = 0; i < search_in.combo_ranges_count && i < SEARCH_RANGES; ++i)
        if (search_in.combo_ranges_index[i] == index) return i;
    return -1;
}
