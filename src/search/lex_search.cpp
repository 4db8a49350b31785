#include "search/lex_search.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "app/file_io.h"
#include "search/search_image.h"

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

// The records a lexicon search reads, in the order it reads them, with their
// full texts (body and header items): made by the record reader on the first
// search and kept while the module is open.
struct LexRecord {
    int32_t offset, cislo;
    bool pasted;  // the header items fitted (else a search stops here)
};
struct LexImage {
    SvFile* file = nullptr;
    int64_t size = 0;
    int32_t from = 0, to = 0, items = 0;
    std::vector<LexRecord> records;
    SEARCH_PREPARED raw;
    std::vector<std::unique_ptr<SEARCH_PREPARED>> prepared;  // tagged = mask mode
};
LexImage* g_lex_images[MAX_DATAFILES];

LexImage* MakeLexImage(int dw)
{
    DATAWINDOW& w = datawindow[dw];
    auto image = std::make_unique<LexImage>();
    image->file = datafile[w.id_file].file;
    image->size = SvFileSize(image->file);
    image->from = LX_SearchRecord(dw, 1);
    image->to = LX_SearchRecord(dw, w.lx_records_all);
    image->items = w.lx_pocet_zahlavi;
    LXRECORD* rec = static_cast<LXRECORD*>(std::malloc(sizeof(LXRECORD)));
    if (!rec) return nullptr;
    try {
        int32_t from = image->from;
        while (from > 0 && from <= image->to) {
            rec->id_file = w.id_file;
            rec->offset = from;
            if (!LX_CtiRecord(rec, 0, 1) || rec->offset > image->to) break;
            const int32_t next = rec->offset + rec->delka + 12;
            LexRecord r{rec->offset, rec->cislo, true};
            image->raw.start.push_back(static_cast<int32_t>(image->raw.bytes.size()));
            if (rec->cislo >= 1 && rec->cislo <= w.lx_records_all) {
                r.pasted = LX_PasteHeadersToBuffer(rec, BOOK_RECORD_BUFFER, image->items) != 0;
                if (r.pasted) image->raw.bytes.insert(image->raw.bytes.end(), rec->buffer, rec->buffer + std::strlen(rec->buffer));
            }
            image->raw.bytes.push_back('\0');
            image->records.push_back(r);
            from = next > rec->offset ? next : rec->offset + 1;
        }
        image->raw.start.push_back(static_cast<int32_t>(image->raw.bytes.size()));
    } catch (const std::bad_alloc&) {
        std::free(rec);
        return nullptr;
    }
    std::free(rec);
    return image.release();
}

LexImage* GetLexImage(int dw)
{
    const int id_file = datawindow[dw].id_file;
    if (id_file < 0 || id_file >= MAX_DATAFILES || !datafile[id_file].file) return nullptr;
    LexImage*& slot = g_lex_images[id_file];
    if (slot && (slot->file != datafile[id_file].file || slot->size != SvFileSize(slot->file) ||
                 slot->items != datawindow[dw].lx_pocet_zahlavi)) {
        delete slot;
        slot = nullptr;
    }
    if (!slot) slot = MakeLexImage(dw);
    return slot;
}

const SEARCH_PREPARED* LexPrepared(LexImage& image, int mask, int fold, int lower)
{
    for (const auto& p : image.prepared)
        if (p->tagged == mask && p->fold_vowels == fold && p->lower == lower) return p.get();
    try {
        auto made = std::make_unique<SEARCH_PREPARED>();
        made->tagged = mask;
        made->fold_vowels = fold;
        made->lower = lower;
        made->bytes = image.raw.bytes;
        made->start = image.raw.start;
        for (std::size_t i = 0; i + 1 < made->start.size(); ++i) {
            char* text = made->bytes.data() + made->start[i];
            StripTags(text, text, mask);
            SEARCH_PrepareText(text, 0, fold, lower);
            char* end = made->bytes.data() + made->start[i + 1];
            char* kept = text + std::strlen(text);
            std::memset(kept, 0, static_cast<std::size_t>(end - kept));
        }
        image.prepared.push_back(std::move(made));
        return image.prepared.back().get();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

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

    auto bad_number = []() {
        ShowMessageBox(nullptr, "Bad record number in searching in lexicon in ChildTabDlg function",
                       "Internal Error - please report!", SV_MB_OK | SV_MB_ICONERROR);
    };
    // The hits of one full text (prepared in place for a text search).
    auto count = [&](char* text, bool prepared) {
        int h = 0;
        if (kind == KIND_TEXT) {
            if (!prepared) {
                StripTags(text, text, mask);
                SEARCH_PrepareText(text, 0, fold, lower);
            }
            h = SEARCH_CountTextHits(text, m);
        } else {
            const char letter = kind == KIND_REFERENCE ? 'R' : (search_in.str_language == 2 ? 'G' : 'H');
            SEARCH_WalkTags(text, letter, [&](int32_t, const char* value, int length) {
                if (kind == KIND_STRONG)
                    h += SEARCH_TagNumber(value, length) == search_in.str_number;
                else
                    h += SEARCH_ReferenceInRange(value, length, dw, search_in.ref_bp_from, search_in.ref_bp_to);
            });
        }
        return h;
    };
    auto hit = [&](char& filter, int h) {
        if (h > 0) {
            filter = 0;
            ++out.hit_verses;
            out.hit_patterns += h;
        }
    };

    LexImage* image = g_search_engine == SEARCH_ENGINE_IMAGE ? GetLexImage(dw) : nullptr;
    const SEARCH_PREPARED* texts = nullptr;
    if (image) texts = kind == KIND_TEXT ? LexPrepared(*image, mask, fold, lower) : &image->raw;
    if (image && texts && image->from == search_in.offset_from && image->to == search_in.offset_to) {
        // Over the image: the same records in the same order; records
        // without any literal piece of the pattern cannot match.
        const std::size_t n = image->records.size();
        std::vector<char> candidate;
        if (kind == KIND_TEXT)
            SEARCH_MarkCandidates(*texts, 0, n, m, candidate);
        else
            candidate.assign(n, 1);
        std::vector<char> buffer;
        for (std::size_t i = 0; i < n; ++i) {
            const LexRecord& r = image->records[i];
            if (r.cislo < 1 || r.cislo > records) {
                bad_number();
                continue;
            }
            char& filter = w.lx_filter[r.cislo - 1];
            if (in_results && filter == 1) continue;
            filter = 1;
            if (!r.pasted) break;
            if (!candidate[i]) continue;
            const char* text = texts->bytes.data() + texts->start[i];
            if (kind == KIND_TEXT) {
                hit(filter, SEARCH_CountTextHits(text, m));
            } else {
                buffer.assign(text, text + std::strlen(text) + 1);
                hit(filter, count(buffer.data(), true));
            }
        }
    } else {
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
            const int32_t step = next > from ? next : from + 1;
            if (rec->cislo < 1 || rec->cislo > records) {
                bad_number();
                from = step;
                continue;
            }
            char& filter = w.lx_filter[rec->cislo - 1];
            if (in_results && filter == 1) {
                from = step;
                continue;
            }
            filter = 1;
            if (!LX_PasteHeadersToBuffer(rec, BOOK_RECORD_BUFFER, w.lx_pocet_zahlavi)) break;
            hit(filter, count(rec->buffer, false));
            from = step;
        }
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

void SEARCH_DropLexiconImage(int id_file)
{
    if (id_file < 0 || id_file >= MAX_DATAFILES) return;
    delete g_lex_images[id_file];
    g_lex_images[id_file] = nullptr;
}

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
