// Key search and the substring filter of a lexicon window.
#include <cstring>

#include "app/records.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"
#include "text/collation.h"
#include "text/matching.h"

namespace {

bool ValidWindow(int id)
{
    return id >= 0 && id < MAX_DATAWINDOWS;
}

// The text of the key box in reading order.
void KeyFromEdit(int id, const char* text, char* key, std::size_t size)
{
    if (datawindow[id].language == SCRIPT_HEBREW) LX_Reverse(text, key, size);
    else {
        std::strncpy(key, text ? text : "", size - 1);
        key[size - 1] = '\0';
    }
}

} // namespace

int LX_SearchKey(int id, const char* key, int record)
{
    if (!ValidWindow(id) || !key) return 0;
    const DATAWINDOW& w = datawindow[id];
    LXRECORD& r = g_lx_record;
    if (!LX_FindRecordAtOrAfter(id, record, &r)) return 0;
    int32_t left_number = r.cislo;
    int32_t left_offset = r.offset;
    r.offset = w.filesize;
    if (!LX_CtiRecord(&r, 1, 0)) return 0;
    int32_t right_number = r.cislo;
    int32_t right_offset = r.offset;
    if (right_number < left_number) return 0;

    int32_t previous = -1;
    while (right_number - left_number > 2) {
        const int32_t middle = static_cast<int32_t>((static_cast<int64_t>(left_offset) + right_offset) / 2);
        if (middle == previous) break;
        previous = middle;
        r.offset = middle;
        if (!LX_CtiRecord(&r, 0, 0)) break;
        if (PorovnejRetezce(r.slovo, key, w.razeni[0]) < 0) {
            left_number = r.cislo;
            left_offset = r.offset + 12;
        } else {
            right_number = r.cislo;
            right_offset = r.offset;
        }
    }
    // Walk from the left bound to the first keyword not smaller than the key.
    r.offset = left_offset;
    while (LX_CtiRecord(&r, 0, 0) && r.cislo <= right_number) {
        if (PorovnejRetezce(r.slovo, key, w.razeni[0]) >= 0) return r.cislo;
        r.offset = r.offset + r.delka + 12;
    }
    return right_number;
}

int LX_SearchAllKeysForSubstring(int id, const char* key, int record)
{
    if (!ValidWindow(id) || !key) return 0;
    DATAWINDOW& w = datawindow[id];
    if (!w.lx_filter || w.lx_records_all <= 0) return 0;
    const bool fold = w.language == SCRIPT_HEBREW && status.opt_lx_key_ignore_vowels == 1;
    char pattern[128];
    std::strncpy(pattern, key, sizeof pattern - 1);
    pattern[sizeof pattern - 1] = '\0';
    if (fold) Strip_he_vocals(pattern, pattern);

    LXRECORD& r = g_lx_record;
    if (!LX_FindRecordAtOrAfter(id, record, &r)) return 0;
    std::memset(w.lx_filter, 1, static_cast<std::size_t>(w.lx_records_all));
    w.lx_filter_hits = 0;
    int count = 0;
    char word[128];
    do {
        if (r.cislo < 1 || r.cislo > w.lx_records_all) {
            // Numbers beyond the header's count: a damaged file.
            w.lx_filter_hits = 0;
            return 0;
        }
        std::memcpy(word, r.slovo, sizeof word);
        if (fold) Strip_he_vocals(word, word);
        const std::size_t n = std::strlen(word);
        for (std::size_t at = 0; at < n || (at == 0 && pattern[0] == '\0'); ++at) {
            int end = 0;
            if (WildcardMatchSubstring(word + at, pattern, &end)) {
                w.lx_filter[r.cislo - 1] = 0;
                ++count;
                break;
            }
        }
        r.offset = r.offset + r.delka + 12;
    } while (LX_CtiRecord(&r, 0, 0));
    w.lx_filter_hits = count;
    return count;
}

int LX_KeySearchFromEdit(int id, const char* text)
{
    if (!ValidWindow(id)) return 0;
    char key[128];
    KeyFromEdit(id, text, key, sizeof key);
    const int found = LX_SearchKey(id, key, 1);
    if (found > 0) LX_NaplnRadky(id, found);
    return found;
}

int LX_FilterFromEdit(int id, const char* text)
{
    if (!ValidWindow(id)) return 0;
    char key[128];
    KeyFromEdit(id, text, key, sizeof key);
    const int count = LX_SearchAllKeysForSubstring(id, key, 1);
    if (count > 0) LX_NaplnRadky(id, 1);
    return count;
}

void LX_Reload(int id)
{
    if (!ValidWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    LX_ClearFilter(id);
    w.search_out_lx.hit_verses = 0;
    w.search_out_lx.hit_patterns = 0;
    LX_NaplnRadky(id, 1);
}
