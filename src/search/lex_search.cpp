#include "search/lex_search.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/message.h"
#include "app/records.h"
#include "cmdline/sync_names.h"
#include "lex/lex_reader.h"
#include "search/book_search.h"
#include "search/search_request.h"
#include "search/strong_tags.h"
#include "text/matching.h"

namespace {

enum Kind { KIND_TEXT = 0, KIND_STRONG = 1, KIND_REFERENCE = 2 };

bool LexWindow(int dw)
{
    return dw >= 0 && dw < status.num_windows && dw < MAX_DATAWINDOWS && datawindow[dw].type == MODULE_LEXICON &&
           datawindow[dw].lx_filter && datawindow[dw].lx_records_all > 0;
}

int Run(Kind kind)
{
    const auto start = std::chrono::steady_clock::now();
    const int dw = search_in.datawindow;
    std::memcpy(search_in.zaloha_patternu, search_in.pattern, sizeof search_in.pattern);
    if (!LexWindow(dw)) return -1;
    DATAWINDOW& w = datawindow[dw];
    const int records = w.lx_records_all;
    if (kind == KIND_TEXT) SEARCH_PreparePattern(search_in.search_for != 2);

    search_in.offset_from = LX_SearchRecord(dw, 1);
    search_in.offset_to = LX_SearchRecord(dw, records);
    SEARCH_OUT_LX& out = w.search_out_lx;
    out.hit_verses = out.hit_patterns = 0;
    // The filter before the search, given back when nothing is found.
    std::vector<char> previous(w.lx_filter, w.lx_filter + records);
    const bool in_results = search_in.in_lex_results != 0;
    if (!in_results) std::memset(w.lx_filter, 1, static_cast<std::size_t>(records));

    const bool hebrew = search_in.type == 1;
    const int mask = search_in.type == 1 ? -3 : (search_in.type == 2 ? -4 : -2);
    const int fold = hebrew && search_in.ignore_vowels;
    const int lower = !hebrew && !search_in.case_sensitive;
    SEARCH_MATCHER m{search_in.search_for, search_in.type, search_in.pattern, search_in.subpatterns,
                     search_in.subpattern};

    LXRECORD* rec = &g_lx_record;
    int32_t from = search_in.offset_from;
    const int32_t to = search_in.offset_to;
    while (from > 0 && from <= to) {
        rec->id_file = w.id_file;
        rec->offset = from;
        if (!LX_CtiRecord(rec, 0, 1)) break;
        if (rec->offset > to) break;
        from = rec->offset;
        const int32_t next = from + rec->delka + 12;
        if (rec->cislo < 1 || rec->cislo > records) {
            ShowMessageBox(nullptr, "Bad record number in searching in lexicon in ChildTabDlg function",
                           "Internal Error - please report!", SV_MB_OK | SV_MB_ICONERROR);
            from = next > from ? next : from + 1;
            continue;
        }
        char& filter = w.lx_filter[rec->cislo - 1];
        if (in_results && filter == 1) {
            from = next > from ? next : from + 1;
            continue;
        }
        filter = 1;
        if (!LX_PasteHeadersToBuffer(rec, BOOK_RECORD_BUFFER, w.lx_pocet_zahlavi)) break;
        int h = 0;
        if (kind == KIND_TEXT) {
            StripTags(rec->buffer, rec->buffer, mask);
            SEARCH_PrepareText(rec->buffer, 0, fold, lower);
            h = SEARCH_CountTextHits(rec->buffer, m);
        } else {
            const char letter = kind == KIND_REFERENCE ? 'R' : (search_in.str_language == 2 ? 'G' : 'H');
            SEARCH_WalkTags(rec->buffer, letter, [&](int32_t, const char* value, int length) {
                if (kind == KIND_STRONG)
                    h += SEARCH_TagNumber(value, length) == search_in.str_number;
                else
                    h += SEARCH_ReferenceInRange(value, length, dw, search_in.ref_bp_from, search_in.ref_bp_to);
            });
        }
        if (h > 0) {
            filter = 0;
            ++out.hit_verses;
            out.hit_patterns += h;
        }
        from = next > from ? next : from + 1;
    }

    out.milisec = static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    out.tab = kind;
    std::memcpy(search_in.pattern, search_in.zaloha_patternu, sizeof search_in.pattern);
    if (out.hit_verses > 0) {
        BackupSearchParameters(1);
        if (kind != KIND_TEXT) {
            out.str_type = search_in.str_type;
            out.str_language = search_in.str_language;
            out.str_number = search_in.str_number;
        }
        w.lx_filter_hits = out.hit_verses;
        return 1;
    }
    // Nothing found: the window keeps showing what it showed.
    std::memcpy(w.lx_filter, previous.data(), previous.size());
    out.hit_verses = 0;
    return 0;
}

} // namespace

int SEARCH_LexText()
{
    return Run(KIND_TEXT);
}

int SEARCH_LexStrong()
{
    return Run(KIND_STRONG);
}

int SEARCH_LexReference(int row)
{
    if (search_in.ref_hist_count <= 0) {
        ShowMessageBoxId(nullptr, 10110, 10111, SV_MB_OK | SV_MB_ICONWARNING);
        return -1;
    }
    if (row < 0 || row >= search_in.ref_hist_count || row >= SEARCH_HISTORY) return -1;
    const REF_HIST& entry = search_in.ref_hist[row];
    std::memcpy(search_in.ref_syncname_from, entry.ref_syncname_from, sizeof search_in.ref_syncname_from);
    std::memcpy(search_in.ref_syncname_to, entry.ref_syncname_to, sizeof search_in.ref_syncname_to);
    search_in.ref_bp_from = entry.ref_bp_from;
    search_in.ref_bp_to = entry.ref_bp_to;
    const int dw = search_in.datawindow;
    search_in.ref_bp_from.number = search_in.ref_bp_to.number = dw;
    const int from = GetIndexOfSyncname(dw, search_in.ref_syncname_from);
    const int to = GetIndexOfSyncname(dw, search_in.ref_syncname_to);
    if (from < 0 || to < 0) return -1;
    search_in.ref_bp_from.book = from + 1;
    search_in.ref_bp_to.book = to + 1;
    return Run(KIND_REFERENCE);
}
