#include "lex/lex_list.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/lang.h"
#include "app/records.h"
#include "lex/key_list.h"
#include "lex/lex_reader.h"

namespace {

// Records this close after a line are reached by reading on from it rather
// than by a new bisection.
constexpr int32_t kSequentialReach = 16;

bool ValidWindow(int id)
{
    return id >= 0 && id < MAX_DATAWINDOWS;
}

int Capacity(const DATAWINDOW& w)
{
    return std::clamp<int>(w.lx_listbox_lines, 0, LX_MAX_LINES);
}

LX_RADEK MakeLine(const LXRECORD& r, int language)
{
    LX_RADEK line{};
    line.record = r.cislo;
    line.offset = r.offset;
    line.delka = r.delka;
    if (language == SCRIPT_HEBREW) LX_Reverse(r.slovo, line.tLeft, sizeof line.tLeft);
    else std::snprintf(line.tLeft, sizeof line.tLeft, "%s", r.slovo);
    return line;
}

// The first live record with a number >= number that passes the filter,
// read in mode 0 into *out. from, when given, is a line the search may read
// on from.
int ReadFilteredAtOrAfter(int id, int32_t number, const LX_RADEK* from, LXRECORD* out)
{
    const DATAWINDOW& w = datawindow[id];
    LX_RADEK here{};
    int32_t r = LX_GetValidRecordFromFilter(id, number, 0);
    while (r > 0) {
        if (from && from->record > 0 && r > from->record && r - from->record <= kSequentialReach) {
            out->id_file = w.id_file;
            out->offset = from->offset + from->delka + 12;
            for (;;) {
                if (!LX_CtiRecord(out, 0, 0)) return 0;
                if (out->cislo >= r) break;
                out->offset = out->offset + out->delka + 12;
            }
        } else if (!LX_FindRecordAtOrAfter(id, r, out)) {
            return 0;
        }
        if (LX_IsValidRecordFromFilter(id, out->cislo)) return 1;
        here.record = out->cislo;
        here.offset = out->offset;
        here.delka = out->delka;
        from = &here;
        if (out->cislo < r) return 0;  // numbers out of order: a damaged file
        r = LX_GetValidRecordFromFilter(id, out->cislo + 1, 0);
    }
    return 0;
}

// The nearest live record before line top that passes the filter.
int ReadFilteredBefore(int id, const LX_RADEK& top, LXRECORD* out)
{
    const DATAWINDOW& w = datawindow[id];
    int32_t r = LX_GetValidRecordFromFilter(id, top.record - 1, 1);
    if (r <= 0) return 0;
    out->id_file = w.id_file;
    out->offset = top.offset;
    if (LX_CtiRecord(out, 1, 0)) {
        if (out->cislo == r) return 1;
        if (out->cislo < r) {
            // r is deleted: the record read is the nearest live one.
            if (LX_IsValidRecordFromFilter(id, out->cislo)) return 1;
            r = LX_GetValidRecordFromFilter(id, out->cislo - 1, 1);
        }
    }
    while (r > 0) {
        if (!LX_FindRecordAtOrAfter(id, r, out)) return 0;
        if (out->cislo == r) return 1;
        r = LX_GetValidRecordFromFilter(id, r - 1, 1);
    }
    return 0;
}

} // namespace

int LX_GetValidRecordFromFilter(int id, int record, int direction)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    return FilterFindValid(w.lx_filter, w.lx_records_all, record, direction);
}

int LX_IsValidRecordFromFilter(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    return FilterIsValid(w.lx_filter, w.lx_records_all, record);
}

int LX_GetOrderOfRecordFromFilter(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    return FilterOrder(w.lx_filter, w.lx_records_all, record);
}

void LX_ClearFilter(int id)
{
    if (!ValidWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    if (w.lx_filter && w.lx_records_all > 0) std::memset(w.lx_filter, 0, static_cast<std::size_t>(w.lx_records_all));
    w.lx_filter_hits = w.lx_records_all;
}

int LX_AllocLines(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    if (!w.lx_radek) w.lx_radek = static_cast<LX_RADEK*>(std::calloc(LX_MAX_LINES, sizeof(LX_RADEK)));
    if (!w.lx_radek) {
        w.lx_listbox_lines = 0;
        w.lx_radku_filled = 0;
        return 0;
    }
    return 1;
}

int LX_NaplnRadky(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    const int n = Capacity(w);
    if (!w.lx_radek || n <= 0) return 0;
    const int32_t start = std::max(record, 1);
    if (LX_GetValidRecordFromFilter(id, start, 0) == 0) return 0;
    LXRECORD& rec = g_lx_record;
    int filled = 0;
    int32_t next = start;
    const LX_RADEK* previous = nullptr;
    while (filled < n && next <= w.lx_records_all) {
        if (!ReadFilteredAtOrAfter(id, next, previous, &rec)) break;
        w.lx_radek[filled] = MakeLine(rec, w.language);
        previous = &w.lx_radek[filled];
        ++filled;
        next = rec.cislo + 1;
    }
    for (int i = filled; i < LX_MAX_LINES; ++i) w.lx_radek[i] = LX_RADEK{};
    w.lx_radku_filled = filled;
    return 1;
}

void LX_InsertRadek(const LX_RADEK* line, int id, int index, int mode)
{
    if (!ValidWindow(id) || !line) return;
    DATAWINDOW& w = datawindow[id];
    const int n = Capacity(w);
    if (!w.lx_radek || index < 0 || index >= n) return;
    const LX_RADEK copy = *line;
    if (mode == 0) {
        for (int i = n - 1; i > index; --i) w.lx_radek[i] = w.lx_radek[i - 1];
    } else if (mode == 1) {
        for (int i = 0; i < index; ++i) w.lx_radek[i] = w.lx_radek[i + 1];
    }
    w.lx_radek[index] = copy;
}

int LX_ScrollLineDown(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    const int n = Capacity(w);
    if (!w.lx_radek || w.lx_radku_filled <= 0 || n <= 0) return 0;
    const LX_RADEK last = w.lx_radek[w.lx_radku_filled - 1];
    LXRECORD& rec = g_lx_record;
    if (ReadFilteredAtOrAfter(id, last.record + 1, &last, &rec)) {
        const LX_RADEK line = MakeLine(rec, w.language);
        if (w.lx_radku_filled >= n) {
            LX_InsertRadek(&line, id, n - 1, 1);
        } else {
            w.lx_radek[w.lx_radku_filled] = line;
            ++w.lx_radku_filled;
        }
        return 1;
    }
    if (w.lx_radku_filled > 1) {
        // Past the end: the list moves up until one line is left.
        const LX_RADEK empty{};
        LX_InsertRadek(&empty, id, n - 1, 1);
        --w.lx_radku_filled;
        return 1;
    }
    return 0;
}

int LX_ScrollLineUp(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    const int n = Capacity(w);
    if (!w.lx_radek || w.lx_radku_filled <= 0 || n <= 0) return 0;
    LXRECORD& rec = g_lx_record;
    if (!ReadFilteredBefore(id, w.lx_radek[0], &rec)) return 0;
    const LX_RADEK line = MakeLine(rec, w.language);
    LX_InsertRadek(&line, id, 0, 0);
    if (w.lx_radku_filled < n) ++w.lx_radku_filled;
    return 1;
}

int LX_ScrollPageDown(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    if (!w.lx_radek || w.lx_radku_filled <= 1) return 0;
    const int32_t from = w.lx_radek[w.lx_radku_filled - 1].record + 1;
    if (from <= w.lx_records_all && LX_NaplnRadky(id, from) && w.lx_radku_filled > 0) return 1;
    // Past the end: the last page starts with the last record.
    const int32_t last = LX_GetValidRecordFromFilter(id, w.lx_records_all, 1);
    if (last > 0) LX_NaplnRadky(id, last);
    return 0;
}

int LX_ScrollPageUp(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    const int n = Capacity(w);
    if (!w.lx_radek || w.lx_radku_filled <= 0 || n <= 0) return 0;
    if (w.lx_radek[0].record - 1 > n) {
        LXRECORD& rec = g_lx_record;
        int moved = 0;
        for (int i = 0; i < n; ++i) {
            if (!ReadFilteredBefore(id, w.lx_radek[0], &rec)) break;
            const LX_RADEK line = MakeLine(rec, w.language);
            LX_InsertRadek(&line, id, 0, 0);
            if (w.lx_radku_filled < n) ++w.lx_radku_filled;
            moved = 1;
        }
        if (moved) return 1;
    }
    LX_NaplnRadky(id, 1);
    return 0;
}

int LX_ScrollTrack(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (w.lx_records_all <= 0) return 0;
    record = std::clamp(record, 1, static_cast<int>(w.lx_records_all));
    if (LX_NaplnRadky(id, record)) return 1;
    const int32_t before = LX_GetValidRecordFromFilter(id, record, 1);
    return before > 0 && LX_NaplnRadky(id, before) ? 1 : 0;
}

void LX_ResizeList(int id, int lines)
{
    if (!ValidWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    lines = std::clamp(lines, 0, LX_MAX_LINES);
    const int old = w.lx_listbox_lines;
    w.lx_listbox_lines = lines;
    if (!w.lx_radek) return;
    if (w.lx_radku_filled > lines) w.lx_radku_filled = lines;
    for (int i = w.lx_radku_filled; i < LX_MAX_LINES; ++i) w.lx_radek[i] = LX_RADEK{};
    if (lines <= old || w.lx_radku_filled <= 0) return;
    LXRECORD& rec = g_lx_record;
    while (w.lx_radku_filled < lines) {
        const LX_RADEK last = w.lx_radek[w.lx_radku_filled - 1];
        if (!ReadFilteredAtOrAfter(id, last.record + 1, &last, &rec)) break;
        w.lx_radek[w.lx_radku_filled++] = MakeLine(rec, w.language);
    }
}

int LX_AddPatternToHistory(int id, const char* pattern)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return PattHistAdd(w.lx_patt_hist, &w.lx_patt_hist_count, LX_HISTORY, pattern, w.language);
}

int LX_HistoryForCombo(int id, const PATT_HIST* out[LX_HISTORY])
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    int n = 0;
    for (int i = 0; i < w.lx_patt_hist_count && i < LX_HISTORY; ++i)
        if (w.lx_patt_hist[i].type == w.language) out[n++] = &w.lx_patt_hist[i];
    return n;
}

int LX_StatusText(int id, char* out, std::size_t size)
{
    if (!out || size == 0) return 0;
    out[0] = '\0';
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (w.type != MODULE_LEXICON || !w.lx_radek || w.lx_radku_filled <= 0) return 0;
    const int32_t record = w.lx_radek[0].record;
    if (record < 1 || record > w.lx_records_all) return 0;
    char format[128];
    LANG_LoadFormat(nullptr, 10075, format, sizeof format);
    std::snprintf(out, size, format, LX_GetOrderOfRecordFromFilter(id, record), w.lx_filter_hits, w.abbrev, record,
                  w.lx_records_all);
    return 1;
}

void LX_Reverse(const char* src, char* dst, std::size_t size)
{
    if (!dst || size == 0) return;
    if (!src) {
        dst[0] = '\0';
        return;
    }
    const std::size_t n = std::min(std::strlen(src), size - 1);
    if (dst != src) std::memmove(dst, src, n);
    dst[n] = '\0';
    std::reverse(dst, dst + n);
}
