#include "search/search_request.h"

#include <cstdio>
#include <cstring>

#include "app/codepage.h"
#include "app/records.h"
#include "text/click_info.h"
#include "text/matching.h"

namespace {

// Copies at most 63 bytes of text into a 64-byte buffer.
void CopyPattern(char* to, const char* from)
{
    std::size_t n = from ? std::strlen(from) : 0;
    if (n > SEARCH_PATTERN_SIZE - 1) n = SEARCH_PATTERN_SIZE - 1;
    if (n) std::memcpy(to, from, n);
    std::memset(to + n, 0, SEARCH_PATTERN_SIZE - n);
}

void Reverse(char* text)
{
    std::size_t n = std::strlen(text);
    for (std::size_t i = 0; i < n / 2; ++i) {
        char c = text[i];
        text[i] = text[n - 1 - i];
        text[n - 1 - i] = c;
    }
}

} // namespace

void SetSearchInDefaults(SEARCH_IN& s)
{
    s.range_last = 0;
    s.range_count = SEARCH_FIRST_USER_RANGE;
    s.case_sensitive = 0;
    s.ignore_vowels = 1;
    s.close_srch_dlg = 0;
    s.results_to_list = 0;
    s.search_for = 1;
    s.in_results = 0;
    s.in_lex_results = 0;
    s.patt_hist_count = 0;
    s.str_type = 0;
    s.str_language = 1;
    s.ref_hist_count = 0;
    s.ref_bp_from = BOOK_POSITION{0, 1, 1, 1};
    s.ref_bp_to = BOOK_POSITION{0, 1, 1, 1};
}

void CreateSubpatterns(const char* pattern)
{
    std::memset(search_in.subpattern, 0, sizeof search_in.subpattern);
    search_in.subpatterns = 0;
    if (!pattern) return;
    const char* p = pattern;
    while (*p && search_in.subpatterns < SEARCH_SUBPATTERNS) {
        while (*p == ' ') ++p;
        if (!*p) break;
        // A word ends at a space, at the end, or when it has reached 64 bytes.
        const char* start = p;
        while (*p && *p != ' ' && p - start < SEARCH_PATTERN_SIZE) ++p;
        std::size_t n = static_cast<std::size_t>(p - start);
        if (n < SEARCH_PATTERN_SIZE) {
            std::memcpy(search_in.subpattern[search_in.subpatterns], start, n);
            ++search_in.subpatterns;
        }
    }
}

void AddPatternToHistory(int tab)
{
    if (tab != 0 && tab != 1) return;
    int count = search_in.patt_hist_count;
    if (count < 0) count = 0;
    if (count > SEARCH_HISTORY) count = SEARCH_HISTORY;
    for (int i = 0; i < count; ++i)
        if (std::strncmp(search_in.patt_hist[i].pattern, search_in.pattern, SEARCH_PATTERN_SIZE) == 0) return;
    if (count < SEARCH_HISTORY) ++count;
    for (int i = count - 1; i > 0; --i) search_in.patt_hist[i] = search_in.patt_hist[i - 1];
    PATT_HIST& entry = search_in.patt_hist[0];
    std::memcpy(entry.pattern, search_in.pattern, sizeof entry.pattern);
    entry.pattern[sizeof entry.pattern - 1] = '\0';
    if (tab == 0) {
        entry.type = search_in.type;
        entry.str_type = 1;
    } else {
        entry.type = search_in.str_language;
        entry.str_type = search_in.str_type;
    }
    search_in.patt_hist_count = count;
}

void BackupSearchParameters(int mode)
{
    if (mode == 0) {
        SEARCH_OUT_BK& o = search_out_bk;
        o.type = search_in.type;
        o.charset = search_in.charset;
        o.in_results = search_in.in_results;
        o.case_sensitive = search_in.case_sensitive;
        o.ignore_vowels = search_in.ignore_vowels;
        o.search_for = search_in.search_for;
        std::memcpy(o.pattern, search_in.pattern, sizeof o.pattern);
        std::memcpy(o.subpattern, search_in.subpattern, sizeof o.subpattern);
        o.subpatterns = search_in.subpatterns;
        o.datawindow = search_in.datawindow;
        o.ref_bp_from = search_in.ref_bp_from;
        o.ref_bp_to = search_in.ref_bp_to;
        std::memcpy(o.ref_syncname_from, search_in.ref_syncname_from, sizeof o.ref_syncname_from);
        std::memcpy(o.ref_syncname_to, search_in.ref_syncname_to, sizeof o.ref_syncname_to);
        return;
    }
    if (search_in.datawindow < 0 || search_in.datawindow >= MAX_DATAWINDOWS) return;
    SEARCH_OUT_LX& o = datawindow[search_in.datawindow].search_out_lx;
    o.type = search_in.type;
    o.charset = search_in.charset;
    o.case_sensitive = search_in.case_sensitive;
    o.ignore_vowels = search_in.ignore_vowels;
    o.search_for = search_in.search_for;
    std::memcpy(o.pattern, search_in.pattern, sizeof o.pattern);
    std::memcpy(o.subpattern, search_in.subpattern, sizeof o.subpattern);
    o.subpatterns = search_in.subpatterns;
    o.datawindow = search_in.datawindow;
    o.ref_bp_from = search_in.ref_bp_from;
    o.ref_bp_to = search_in.ref_bp_to;
    std::memcpy(o.ref_syncname_from, search_in.ref_syncname_from, sizeof o.ref_syncname_from);
    std::memcpy(o.ref_syncname_to, search_in.ref_syncname_to, sizeof o.ref_syncname_to);
}

const unsigned char* SEARCH_LowerTable()
{
    static unsigned char table[256];
    static bool made = false;
    if (!made) {
        const int codepage = CodePageOfCharset(0);
        for (int c = 0; c < 256; ++c) table[c] = LowerChar8(static_cast<unsigned char>(c), codepage);
        made = true;
    }
    return table;
}

void SEARCH_LowerText(char* text)
{
    const unsigned char* lower = SEARCH_LowerTable();
    for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p; ++p) *p = lower[*p];
}

void SEARCH_SetTypedPattern(const char* text)
{
    CopyPattern(search_in.pattern, text);
    std::memcpy(search_in.zaloha_patternu, search_in.pattern, sizeof search_in.pattern);
}

void SEARCH_PreparePattern(int split)
{
    search_in.pattern[SEARCH_PATTERN_SIZE - 1] = '\0';
    const bool hebrew = search_in.type == 1;
    if (hebrew && search_in.ignore_vowels) Strip_he_vocals(search_in.pattern, search_in.pattern);
    if (!hebrew && !search_in.case_sensitive) SEARCH_LowerText(search_in.pattern);
    if (hebrew) Reverse(search_in.pattern);
    if (split) {
        CreateSubpatterns(search_in.pattern);
    } else {
        std::memset(search_in.subpattern, 0, sizeof search_in.subpattern);
        search_in.subpatterns = 0;
    }
}

void SEARCH_PrepareFromClick(const RTFCLICK& click, const char* text, int language, int charset)
{
    SEARCH_SetTypedPattern(text ? text : "");
    search_in.type = (language == 1 || language == 2) ? language : 0;
    search_in.charset = search_in.type == 0 ? charset : 0;
    search_in.tab = 0;
    search_in.str_type = 1;
    if (click.flag_strong == 1 && (click.out_strong_language == 1 || click.out_strong_language == 2) &&
        click.out_strong_number > 0) {
        search_in.tab = 1;
        search_in.str_type = 0;
        search_in.str_language = click.out_strong_language;
        search_in.str_number = click.out_strong_number;
        char number[16];
        std::snprintf(number, sizeof number, "%d", click.out_strong_number);
        SEARCH_SetTypedPattern(number);
    } else if (click.flag_reference == 1) {
        search_in.tab = 2;
        search_in.ref_bp_from = click.out_ref_bp;
        search_in.ref_bp_to = click.out_ref_bp;
        std::memcpy(search_in.ref_syncname_from, click.out_ref_syncname, sizeof search_in.ref_syncname_from);
        search_in.ref_syncname_from[sizeof search_in.ref_syncname_from - 1] = '\0';
        std::memcpy(search_in.ref_syncname_to, search_in.ref_syncname_from, sizeof search_in.ref_syncname_to);
    }
}
