#include "dic/dic_list.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/lang.h"
#include "app/lookup.h"
#include "app/records.h"
#include "dic/dic_reader.h"
#include "lex/key_list.h"
#include "lex/key_list_scroll.h"
#include "lex/lex_list.h"
#include "text/collation.h"
#include "text/matching.h"

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
    return std::clamp<int>(w.dic_listbox_lines, 0, DIC_MAX_LINES);
}

DIC_RADEK MakeLine(const DICRECORD& r, int32_t number)
{
    DIC_RADEK line{};
    line.record = number;
    line.offset = r.offset;
    line.delka = r.delka_recordu;
    std::memcpy(line.from, r.from, sizeof line.from);
    std::memcpy(line.to, r.to, sizeof line.to);
    std::memcpy(line.note, r.note, sizeof line.note);
    line.from[sizeof line.from - 1] = '\0';
    line.to[sizeof line.to - 1] = '\0';
    line.note[sizeof line.note - 1] = '\0';
    return line;
}

// Copies text in reading order: reversed when it is Hebrew (stored in
// display order).
void ReadingOrder(const char* text, int language, char* out, std::size_t size)
{
    if (language == SCRIPT_HEBREW) LX_Reverse(text, out, size);
    else std::snprintf(out, size, "%s", text ? text : "");
}

// Direction 0: the lines are records in file order.
struct RecordSource {
    int id;
    int32_t Valid(int32_t number, int direction) const { return DIC_GetValidRecordFromFilter(id, number, direction); }

    bool ReadAtOrAfter(int32_t number, const DIC_RADEK* from, DIC_RADEK* out) const
    {
        const DATAWINDOW& w = datawindow[id];
        DICRECORD& r = g_dic_record;
        int32_t want = Valid(number, 0);
        DIC_RADEK here{};
        while (want > 0) {
            if (from && from->record > 0 && want > from->record && want - from->record <= kSequentialReach) {
                r.id_file = w.id_file;
                r.offset = from->offset + from->delka;
                for (;;) {
                    if (!DIC_CtiRecord(&r, 0)) return false;
                    if (r.cislo >= want || r.cislo <= from->record) break;
                    r.offset = r.offset + r.delka_recordu;
                }
                if (r.cislo <= from->record) return false;  // numbers out of order: a damaged file
            } else if (!DIC_FindRecordAtOrAfter(id, want, &r)) {
                return false;
            }
            if (r.cislo > w.dic_records_all) return false;
            if (DIC_IsValidRecordFromFilter(id, r.cislo)) {
                *out = MakeLine(r, r.cislo);
                return true;
            }
            if (r.cislo < want) return false;
            here = MakeLine(r, r.cislo);
            from = &here;
            want = Valid(r.cislo + 1, 0);
        }
        return false;
    }

    bool ReadBefore(const DIC_RADEK& top, DIC_RADEK* out) const
    {
        const DATAWINDOW& w = datawindow[id];
        DICRECORD& r = g_dic_record;
        int32_t want = Valid(top.record - 1, 1);
        if (want <= 0) return false;
        r.id_file = w.id_file;
        r.offset = top.offset;
        if (DIC_CtiRecord(&r, 1) && r.cislo == want) {
            *out = MakeLine(r, r.cislo);
            return true;
        }
        while (want > 0) {
            if (!DIC_FindRecordAtOrAfter(id, want, &r)) return false;
            if (r.cislo == want) {
                *out = MakeLine(r, r.cislo);
                return true;
            }
            want = Valid(want - 1, 1);
        }
        return false;
    }
};

// Direction 1: the lines are positions of the opposite-direction index;
// a position whose record cannot be read is skipped.
struct IndexSource {
    int id;
    int32_t Valid(int32_t number, int direction) const { return DIC_GetValidRecordFromFilter(id, number, direction); }

    bool ReadAtOrAfter(int32_t number, const DIC_RADEK*, DIC_RADEK* out) const
    {
        DICRECORD& r = g_dic_record;
        for (int32_t k = Valid(number, 0); k > 0; k = Valid(k + 1, 0))
            if (DIC_ReadIndexRecord(id, k, &r)) {
                *out = MakeLine(r, k);
                return true;
            }
        return false;
    }

    bool ReadBefore(const DIC_RADEK& top, DIC_RADEK* out) const
    {
        DICRECORD& r = g_dic_record;
        for (int32_t k = Valid(top.record - 1, 1); k > 0; k = Valid(k - 1, 1))
            if (DIC_ReadIndexRecord(id, k, &r)) {
                *out = MakeLine(r, k);
                return true;
            }
        return false;
    }
};

// Runs f with the source of the window's current direction.
template <class F>
int WithSource(int id, F f)
{
    if (datawindow[id].dic_direction == 1) {
        IndexSource s{id};
        return f(s);
    }
    RecordSource s{id};
    return f(s);
}

// The key search over record numbers (direction 0).
int SearchKeyRecords(int id, const char* key, int record)
{
    const DATAWINDOW& w = datawindow[id];
    DICRECORD& r = g_dic_record;
    char text[128];
    auto smaller = [&]() {
        ReadingOrder(r.from, w.dic_lang_from, text, sizeof text);
        return PorovnejRetezce(text, key, w.razeni[0]) < 0;
    };
    if (!DIC_FindRecordAtOrAfter(id, std::max(record, 1), &r)) return 0;
    int32_t left_number = r.cislo;
    int32_t left_offset = r.offset;
    r.offset = w.filesize;
    if (!DIC_CtiRecord(&r, 1)) return 0;
    int32_t right_number = r.cislo;
    int32_t right_offset = r.offset;
    if (right_number < left_number) return 0;

    int32_t previous = -1;
    while (right_number - left_number > 2) {
        const int32_t middle = static_cast<int32_t>((static_cast<int64_t>(left_offset) + right_offset) / 2);
        if (middle == previous) break;
        previous = middle;
        r.offset = middle;
        if (!DIC_CtiRecord(&r, 0)) break;
        if (smaller()) {
            left_number = r.cislo;
            left_offset = r.offset + r.delka_recordu;
        } else {
            right_number = r.cislo;
            right_offset = r.offset;
        }
    }
    // Walk from the left bound to the first text not smaller than the key.
    r.offset = left_offset;
    while (DIC_CtiRecord(&r, 0) && r.cislo <= right_number) {
        if (!smaller()) return r.cislo;
        if (r.delka_recordu <= 0) break;
        r.offset = r.offset + r.delka_recordu;
    }
    return right_number;
}

// The key search over index positions (direction 1).
int SearchKeyIndex(int id, const char* key, int record)
{
    const DATAWINDOW& w = datawindow[id];
    if (record < 1 || record > w.dic_records_all) return 0;
    DICRECORD& r = g_dic_record;
    char text[128];
    // -1 smaller than the key, 1 not smaller, 0 unreadable.
    auto probe = [&](int32_t k) {
        if (!DIC_ReadIndexRecord(id, k, &r)) return 0;
        ReadingOrder(r.to, w.dic_lang_to, text, sizeof text);
        return PorovnejRetezce(text, key, w.razeni[2]) < 0 ? -1 : 1;
    };
    int32_t lo = record;
    int32_t hi = w.dic_records_all;
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        // An unreadable position takes the verdict of the next readable one.
        int32_t k = mid;
        int verdict = 0;
        while (k <= hi && (verdict = probe(k)) == 0) ++k;
        if (verdict < 0) lo = k + 1;
        else hi = mid;
    }
    // The position found names a record that can be read, if any does.
    for (int32_t k = lo; k <= w.dic_records_all; ++k)
        if (DIC_ReadIndexRecord(id, k, &r)) return k;
    return std::min(lo, w.dic_records_all);
}

} // namespace

int DIC_GetValidRecordFromFilter(int id, int record, int direction)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    return FilterFindValid(w.dic_filter, w.dic_records_all, record, direction);
}

int DIC_IsValidRecordFromFilter(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    return FilterIsValid(w.dic_filter, w.dic_records_all, record);
}

int DIC_GetOrderOfRecordFromFilter(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    return FilterOrder(w.dic_filter, w.dic_records_all, record);
}

void DIC_ClearFilter(int id)
{
    if (!ValidWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    if (w.dic_filter && w.dic_records_all > 0) std::memset(w.dic_filter, 0, static_cast<std::size_t>(w.dic_records_all));
    w.dic_filter_hits = w.dic_records_all;
}

int DIC_AllocLines(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    if (!w.dic_radek) w.dic_radek = static_cast<DIC_RADEK*>(std::calloc(DIC_MAX_LINES, sizeof(DIC_RADEK)));
    if (!w.dic_radek) {
        w.dic_listbox_lines = 0;
        w.dic_radku_filled = 0;
        return 0;
    }
    return 1;
}

int DIC_NaplnRadky(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return WithSource(id, [&](auto& s) {
        return keylist::Fill(w.dic_radek, &w.dic_radku_filled, Capacity(w), DIC_MAX_LINES, w.dic_records_all, s, record);
    });
}

int DIC_PocatecniVypis(int id, int record)
{
    return DIC_NaplnRadky(id, record);
}

void DIC_InsertRadek(const DIC_RADEK* line, int id, int index, int mode)
{
    if (!ValidWindow(id) || !line) return;
    DATAWINDOW& w = datawindow[id];
    keylist::Insert(w.dic_radek, Capacity(w), *line, index, mode);
}

int DIC_ScrollLineDown(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return WithSource(id, [&](auto& s) { return keylist::LineDown(w.dic_radek, &w.dic_radku_filled, Capacity(w), s); });
}

int DIC_ScrollLineUp(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return WithSource(id, [&](auto& s) { return keylist::LineUp(w.dic_radek, &w.dic_radku_filled, Capacity(w), s); });
}

int DIC_ScrollPageDown(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return WithSource(id, [&](auto& s) {
        return keylist::PageDown(w.dic_radek, &w.dic_radku_filled, Capacity(w), DIC_MAX_LINES, w.dic_records_all, s);
    });
}

int DIC_ScrollPageUp(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return WithSource(id, [&](auto& s) {
        return keylist::PageUp(w.dic_radek, &w.dic_radku_filled, Capacity(w), DIC_MAX_LINES, w.dic_records_all, s);
    });
}

int DIC_ScrollTrack(int id, int record)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return WithSource(id, [&](auto& s) {
        return keylist::Track(w.dic_radek, &w.dic_radku_filled, Capacity(w), DIC_MAX_LINES, w.dic_records_all, s,
                              record);
    });
}

void DIC_ResizeList(int id, int lines)
{
    if (!ValidWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    w.dic_listbox_lines = std::clamp(lines, 0, DIC_MAX_LINES);
    WithSource(id, [&](auto& s) {
        keylist::Resize(w.dic_radek, &w.dic_radku_filled, Capacity(w), DIC_MAX_LINES, s);
        return 1;
    });
}

int DIC_SearchKey(int id, const char* key, int record)
{
    if (!ValidWindow(id) || !key) return 0;
    return datawindow[id].dic_direction == 1 ? SearchKeyIndex(id, key, record) : SearchKeyRecords(id, key, record);
}

int DIC_SearchAllKeysForSubstring(int id, const char* key, int record)
{
    if (!ValidWindow(id) || !key) return 0;
    DATAWINDOW& w = datawindow[id];
    if (!w.dic_filter || w.dic_records_all <= 0) return 0;
    const int source = DIC_GetLanguage(id, 0);
    const bool fold = source == SCRIPT_HEBREW && status.opt_dic_key_ignore_vowels == 1;
    char pattern[128];
    std::snprintf(pattern, sizeof pattern, "%s", key);
    if (fold) Strip_he_vocals(pattern, pattern);

    std::memset(w.dic_filter, 1, static_cast<std::size_t>(w.dic_records_all));
    w.dic_filter_hits = 0;
    int count = 0;
    char text[128];
    auto test = [&](const char* stored, int32_t number) {
        std::memcpy(text, stored, sizeof text);
        text[sizeof text - 1] = '\0';
        if (fold) Strip_he_vocals(text, text);
        const std::size_t n = std::strlen(text);
        for (std::size_t at = 0; at < n || (at == 0 && pattern[0] == '\0'); ++at) {
            int end = 0;
            if (WildcardMatchSubstring(text + at, pattern, &end)) {
                w.dic_filter[number - 1] = 0;
                ++count;
                return;
            }
        }
    };
    DICRECORD& r = g_dic_record;
    if (w.dic_direction == 1) {
        for (int32_t k = std::max(record, 1); k <= w.dic_records_all; ++k)
            if (DIC_ReadIndexRecord(id, k, &r)) test(r.to, k);
    } else {
        if (!DIC_FindRecordAtOrAfter(id, std::max(record, 1), &r)) return 0;
        int32_t last = 0;
        do {
            if (r.cislo < 1 || r.cislo > w.dic_records_all || r.cislo <= last) {
                // Numbers beyond the header's count or out of order: a damaged file.
                std::memset(w.dic_filter, 1, static_cast<std::size_t>(w.dic_records_all));
                return 0;
            }
            last = r.cislo;
            test(r.from, r.cislo);
            r.offset = r.offset + r.delka_recordu;
        } while (DIC_CtiRecord(&r, 0));
    }
    w.dic_filter_hits = count;
    return count;
}

int DIC_KeySearchFromEdit(int id, const char* text)
{
    if (!ValidWindow(id)) return 0;
    char key[128];
    ReadingOrder(text, DIC_GetLanguage(id, 0), key, sizeof key);
    const int found = DIC_SearchKey(id, key, 1);
    if (found > 0) DIC_NaplnRadky(id, found);
    return found;
}

int DIC_FilterFromEdit(int id, const char* text)
{
    if (!ValidWindow(id)) return 0;
    const int count = DIC_SearchAllKeysForSubstring(id, text ? text : "", 1);
    if (count > 0) DIC_NaplnRadky(id, 1);
    return count;
}

void DIC_Reload(int id)
{
    if (!ValidWindow(id)) return;
    DIC_ClearFilter(id);
    DIC_NaplnRadky(id, 1);
}

int DIC_Opposite(int id)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    char top[128] = "";
    const bool had_line = w.dic_radek && w.dic_radku_filled > 0;
    if (had_line) {
        // The top word in the language that becomes the source.
        const DIC_RADEK& line = w.dic_radek[0];
        std::snprintf(top, sizeof top, "%s", w.dic_direction == 0 ? line.to : line.from);
    }
    w.dic_direction ^= 1;
    DIC_ClearFilter(id);
    std::swap(w.dic_lb_width_from, w.dic_lb_width_to);
    w.dic_lb_from_ratio = 100 - w.dic_lb_from_ratio;
    int found = 0;
    if (had_line) {
        char key[128];
        ReadingOrder(top, DIC_GetLanguage(id, 0), key, sizeof key);
        found = DIC_SearchKey(id, key, 1);
    }
    DIC_NaplnRadky(id, found > 0 ? found : 1);
    return found;
}

void DIC_SetListWidths(int id, int client_width)
{
    if (!ValidWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    const int room = std::max(0, client_width - w.dic_lb_width_note - 32);
    w.dic_lb_from_ratio = std::clamp<int32_t>(w.dic_lb_from_ratio, 0, 100);
    w.dic_lb_width_from = w.dic_lb_from_ratio * room / 100;
    w.dic_lb_width_to = (100 - w.dic_lb_from_ratio) * room / 100;
}

void DIC_SetSplit(int id, int x, int client_width)
{
    if (!ValidWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    const int room = client_width - w.dic_lb_width_note - 32;
    if (room <= 0) return;
    const int width = std::clamp(x - 3, 0, room);
    w.dic_lb_width_from = width;
    w.dic_lb_from_ratio = width * 100 / room;
    w.dic_lb_width_to = (100 - w.dic_lb_from_ratio) * room / 100;
}

int DIC_AddPatternToHistory(int id, const char* pattern)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    return PattHistAdd(w.dic_patt_hist, &w.dic_patt_hist_count, DIC_HISTORY, pattern, w.dic_direction);
}

int DIC_HistoryForCombo(int id, const PATT_HIST* out[DIC_HISTORY])
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    int n = 0;
    for (int i = 0; i < w.dic_patt_hist_count && i < DIC_HISTORY; ++i)
        if (w.dic_patt_hist[i].type == w.dic_direction) out[n++] = &w.dic_patt_hist[i];
    return n;
}

int DIC_StatusText(int id, char* out, std::size_t size)
{
    if (!out || size == 0) return 0;
    out[0] = '\0';
    const int number = DIC_TopNumber(id);
    if (number < 1) return 0;
    const DATAWINDOW& w = datawindow[id];
    char format[128];
    LANG_LoadFormat(nullptr, 10075, format, sizeof format);
    std::snprintf(out, size, format, DIC_GetOrderOfRecordFromFilter(id, number), w.dic_filter_hits, w.abbrev, number,
                  w.dic_records_all);
    return 1;
}

int DIC_TopNumber(int id)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (!w.dic_radek || w.dic_radku_filled <= 0) return 0;
    const int32_t number = w.dic_radek[0].record;
    return number >= 1 && number <= w.dic_records_all ? number : 0;
}

int DIC_LookupMode(int v, int language, int source)
{
    if (!ValidWindow(v) || datawindow[v].type != MODULE_DICTIONARY) return 0;
    const int from = DIC_GetLanguage(v, 0);
    const int to = DIC_GetLanguage(v, 1);
    const bool source_matches = from == language;
    const bool target_matches = to == language && status.opt_dic_look_autoopposite == 1;
    if (!source_matches && !target_matches) return 0;
    if (!LookupTakesPart(v, source)) return 0;
    return source_matches ? 1 : 2;
}
