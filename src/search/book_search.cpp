#include "search/book_search.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "cmdline/reference.h"
#include "cmdline/sync_names.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/search_image.h"
#include "search/search_request.h"
#include "search/strong_tags.h"
#include "text/matching.h"

int g_search_engine = SEARCH_ENGINE_IMAGE;
void (*g_search_progress)(void) = nullptr;

// ---------------------------------------------------------------- matching

void SEARCH_PrepareText(char* text, int tagged, int fold_vowels, int lower)
{
    if (fold_vowels) Strip_he_vocals(text, text);
    if (tagged) StripTags(text, text, -1);
    if (lower) SEARCH_LowerText(text);
}

int SEARCH_ForEachWordMatch(const char* text, const char* pattern, int type, void (*found)(void*, int32_t),
                            void* context)
{
    // Attempts at position 0 and after every separator, up to the end.
    int count = 0;
    int32_t p = 0;
    while (text[p]) {
        int end = 0;
        if (WildcardMatch(text + p, pattern, &end)) {
            ++count;
            if (found) found(context, p);
        }
        while (text[p] && !IsWordSeparator(static_cast<unsigned char>(text[p]), type)) ++p;
        if (!text[p]) break;
        ++p;
    }
    return count;
}

int SEARCH_CountTextHits(const char* text, const SEARCH_MATCHER& m)
{
    if (m.search_for == 2) {
        if (!m.pattern[0]) return 0;
        int h = 0;
        for (int32_t p = 0; text[p]; ++p) {
            int end = 0;
            if (WildcardMatch2(text + p, m.pattern, &end)) ++h;
        }
        return h;
    }
    if (m.subpatterns <= 0) return 0;
    int h = 0;
    for (int s = 0; s < m.subpatterns; ++s) {
        const int n = SEARCH_ForEachWordMatch(text, m.subpattern[s], m.type, nullptr, nullptr);
        if (n == 0 && m.search_for == 1) return 0;
        h += n;
    }
    return h;
}

int SEARCH_ReferenceInRange(const char* value, int length, int dw, const BOOK_POSITION& from,
                            const BOOK_POSITION& to)
{
    // sync name ":" chapter ":" verse
    int c1 = 0;
    while (c1 < length && value[c1] != ':') ++c1;
    if (c1 >= length || c1 > 15) return 0;
    int c2 = c1 + 1;
    while (c2 < length && value[c2] != ':') ++c2;
    char name[16];
    std::memcpy(name, value, static_cast<std::size_t>(c1));
    name[c1] = '\0';
    const int32_t chapter = SEARCH_TagNumber(value + c1 + 1, c2 - c1 - 1);
    const int32_t verse = c2 < length ? SEARCH_TagNumber(value + c2 + 1, length - c2 - 1) : 0;
    if (chapter < 1 || verse < 1) return 0;
    const int index = GetIndexOfSyncname(dw, name);
    if (index < 0) return 0;
    return CompareReference(BOOK_POSITION{dw, index + 1, chapter, verse}, from, to) == 1;
}

// ---------------------------------------------------------------- bookkeeping

namespace {

enum Kind { KIND_TEXT = 0, KIND_STRONG = 1, KIND_REFERENCE = 2 };

void MemoryMessage()
{
    ShowMessageBoxId(nullptr, 10045, 10046, SV_MB_OK | SV_MB_ICONWARNING);
}

// Keeps the results of a running search: what each verse adds, the clearing
// of results entries in a search in results, and the growth of the arrays.
struct Accumulator {
    bool fresh = true;
    int old_count = 0;
    bool stop = false;

    void ClearBefore(int index)
    {
        for (int j = 0; j < index && j < old_count; ++j) search_out_bk.results_array[j] = 0;
    }

    void Text(int index, int32_t offset, int h)
    {
        SEARCH_OUT_BK& o = search_out_bk;
        if (fresh) {
            if (h <= 0) return;
            if (!o.new_search_hit) {
                if (!FirstAllocResultsArray()) {
                    MemoryMessage();
                    stop = true;
                    return;
                }
                o.new_search_hit = 1;
            }
            const int stored = SEARCH_StoreHitVerse(offset);
            ++o.hit_verses;
            o.hit_patterns += h;
            if (!stored) {
                MemoryMessage();
                stop = true;
            }
            return;
        }
        if (h <= 0) {
            if (o.new_search_hit) o.results_array[index] = 0;
            return;
        }
        if (!o.new_search_hit) {
            ClearBefore(index);
            o.new_search_hit = 1;
            o.hit_verses = o.hit_patterns = 0;
        }
        ++o.hit_verses;
        o.hit_patterns += h;
    }

    void Occurrences(int index, int32_t offset, const int32_t* hits, int n)
    {
        SEARCH_OUT_BK& o = search_out_bk;
        if (n <= 0) {
            if (!fresh && o.new_search_hit) o.results_array[index] = 0;
            return;
        }
        if (!o.new_search_hit) {
            if (fresh) {
                if (!FirstAllocResultsArray()) {
                    MemoryMessage();
                    stop = true;
                    return;
                }
            } else {
                ClearBefore(index);
                o.hit_verses = 0;
            }
            if (!FirstAllocExResultsArray()) {
                MemoryMessage();
                stop = true;
                if (fresh) o.hit_verses = 0;
                return;
            }
            o.new_search_hit = 1;
            o.hit_patterns = 0;
        }
        for (int i = 0; i < n; ++i) {
            if (!SEARCH_AppendOccurrence(offset, hits[i])) {
                MemoryMessage();
                stop = true;
                break;
            }
        }
        if (fresh) {
            const int stored = SEARCH_StoreHitVerse(offset);
            ++o.hit_verses;
            if (!stored) {
                if (!stop) MemoryMessage();
                stop = true;
            }
        } else {
            ++o.hit_verses;
        }
        if (!stop && !SEARCH_GrowOccurrencesAfterVerse()) {
            MemoryMessage();
            stop = true;
        }
    }

    // The scan ended early at results index index: in a search in results
    // the entries not examined are no confirmed hits.
    void EndedAt(int index)
    {
        if (!fresh && search_out_bk.new_search_hit)
            for (int j = index; j < old_count; ++j) search_out_bk.results_array[j] = 0;
    }
};

// Ten progress steps over a span.
struct Progress {
    int64_t from = 0, span = 0, next = 0;
    int steps = 0;
    void Start(int64_t a, int64_t b)
    {
        from = a;
        span = b > a ? b - a : 0;
        next = span / 10;
        steps = 0;
    }
    void At(int64_t position)
    {
        if (!g_search_progress || span <= 0) return;
        while (steps < 10 && position - from >= next && next > 0) {
            g_search_progress();
            ++steps;
            next += span / 10;
        }
    }
};

// One search being run: its kind, the searched window and span.
struct Run {
    Kind kind = KIND_TEXT;
    int dw = 0;
    bool fresh = true;
    int32_t offset_from = 0, offset_to = -1;
    int old_count = 0;
    SEARCH_MATCHER matcher{};
    int tagged = 0, fold = 0, lower = 0;
    std::chrono::steady_clock::time_point start;
};

bool SetUpSpan(Run& run)
{
    const int dw = search_in.datawindow;
    if (dw < 0 || dw >= status.num_windows || dw >= MAX_DATAWINDOWS) return false;
    const DATAWINDOW& w = datawindow[dw];
    if (w.type != MODULE_BOOK || !w.book_info || w.books <= 0) return false;
    SvFile* file = BK_WindowFile(dw);
    if (!file) return false;
    run.dw = dw;
    run.fresh = search_in.in_results == 0;
    SEARCH_OUT_BK& o = search_out_bk;
    if (run.fresh) {
        const int r = search_in.range_last;
        if (r < 0 || r >= SEARCH_RANGES) return false;
        if (r >= SEARCH_FIRST_USER_RANGE ? !TestRange(r, dw) : search_in.range[r].book_from == 0) return false;
        search_in.range_search = search_in.range[r];
        const RANGE& range = search_in.range_search;
        search_in.offset_from = BK_HledejVers(BOOK_POSITION{dw, range.book_from, range.chapter_from, range.verse_from});
        const int32_t last = BK_HledejVers(BOOK_POSITION{dw, range.book_to, range.chapter_to, range.verse_to});
        search_in.offset_to = OffsetOfVerseEnd(last, file);
        run.offset_from = search_in.offset_from;
        run.offset_to = search_in.offset_to;
    } else {
        if (o.hit_verses <= 0 || !o.results_array) return false;
        run.old_count = o.hit_verses;
        if (run.old_count > o.allocated / 4) run.old_count = o.allocated / 4;
    }
    o.new_search_hit = 0;
    if (o.hit_verses > 0) {
        o.backup_hit_verses = o.hit_verses;
        o.backup_hit_patterns = o.hit_patterns;
        o.backup_datawindow = o.datawindow;
        o.backup_tab = o.tab;
    }
    return true;
}

// What one record adds: text hits, or the offsets of its occurrences.
struct VerseCounter {
    const Run& run;
    std::vector<int32_t> hits;

    explicit VerseCounter(const Run& r) : run(r) {}

    static void Collect(void* context, int32_t position)
    {
        static_cast<std::vector<int32_t>*>(context)->push_back(position);
    }

    // text: the record text as read (prepared in place for text and words).
    int Count(char* text)
    {
        hits.clear();
        switch (run.kind) {
        case KIND_TEXT:
            SEARCH_PrepareText(text, run.tagged, run.fold, run.lower);
            return SEARCH_CountTextHits(text, run.matcher);
        case KIND_STRONG:
            if (search_in.str_type == 1) {
                SEARCH_PrepareText(text, run.tagged, run.fold, run.lower);
                SEARCH_ForEachWordMatch(text, search_in.pattern, search_in.type, Collect, &hits);
            } else {
                const char letter = search_in.str_language == 2 ? 'G' : 'H';
                SEARCH_WalkTags(text, letter, [&](int32_t at, const char* value, int length) {
                    if (SEARCH_TagNumber(value, length) == search_in.str_number) hits.push_back(at);
                });
            }
            return static_cast<int>(hits.size());
        case KIND_REFERENCE:
            SEARCH_WalkTags(text, 'R', [&](int32_t at, const char* value, int length) {
                if (SEARCH_ReferenceInRange(value, length, run.dw, search_in.ref_bp_from, search_in.ref_bp_to))
                    hits.push_back(at);
            });
            return static_cast<int>(hits.size());
        }
        return 0;
    }
};

void Verse(Accumulator& acc, VerseCounter& counter, const Run& run, int index, int32_t offset, int h)
{
    if (run.kind == KIND_TEXT)
        acc.Text(index, offset, h);
    else
        acc.Occurrences(index, offset, counter.hits.data(), static_cast<int>(counter.hits.size()));
}

// The record loop: each record read through the record reader into
// g_book_record and prepared in its buffer.
void ScanRecords(Run& run, Accumulator& acc)
{
    BOOK_RECORD& rec = g_book_record;
    VerseCounter counter(run);
    Progress progress;
    if (run.fresh) {
        progress.Start(run.offset_from, run.offset_to);
        int32_t from = run.offset_from;
        while (from <= run.offset_to && !acc.stop) {
            rec.offset = from;
            rec.book_position.number = run.dw;
            if (!BK_CtiRecord(&rec)) break;
            // The scan covers exactly the verses of the range: a record that
            // starts after the range's last byte is not searched.
            if (rec.offset > run.offset_to) break;
            from = rec.offset;
            const int h = counter.Count(rec.buffer);
            Verse(acc, counter, run, -1, from, h);
            progress.At(from);
            from = from + rec.delka + 12;
        }
        search_in.offset_from = from;
        return;
    }
    progress.Start(0, run.old_count);
    for (int i = 0; i < run.old_count && !acc.stop; ++i) {
        const int32_t offset = search_out_bk.results_array[i];
        if (offset == 0) continue;
        rec.offset = offset;
        rec.book_position.number = run.dw;
        if (!BK_CtiRecord(&rec)) {
            acc.EndedAt(i);
            break;
        }
        const int h = counter.Count(rec.buffer);
        Verse(acc, counter, run, i, offset, h);
        progress.At(i);
    }
}

// ---------------------------------------------------------------- the image

// The literal run of a pattern that every match contains: its longest run of
// bytes that are not wildcards. prefix: only the bytes before the first
// wildcard.
std::string Literal(const char* pattern, bool prefix)
{
    std::string best, run;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '*' || *p == '?' || *p == '\x01') {
            if (prefix) return run;
            if (run.size() > best.size()) best = run;
            run.clear();
        } else {
            run += *p;
        }
    }
    if (prefix) return run;
    return run.size() > best.size() ? run : best;
}

// Calls found(position) for every occurrence of needle in bytes[from, to),
// overlapping ones included, in ascending order. The scan jumps between the
// places of the needle's rarest byte.
template <typename F>
void FindAll(const SEARCH_PREPARED& text, std::size_t from, std::size_t to, const std::string& needle, F&& found)
{
    const char* bytes = text.bytes.data();
    const std::size_t n = needle.size();
    const uint32_t* frequency = text.Frequency();
    std::size_t k = 0;
    for (std::size_t i = 1; i < n; ++i)
        if (frequency[static_cast<unsigned char>(needle[i])] < frequency[static_cast<unsigned char>(needle[k])]) k = i;
    const char anchor = needle[k];
    std::size_t at = from;  // the next candidate start
    while (at + n <= to) {
        const void* hit = std::memchr(bytes + at + k, anchor, to - at - n + 1);
        if (!hit) return;
        const std::size_t position = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes) - k;
        if (std::memcmp(bytes + position, needle.data(), n) == 0) found(position);
        at = position + 1;
    }
}

} // namespace

void SEARCH_MarkCandidates(const SEARCH_PREPARED& text, std::size_t first, std::size_t last, const SEARCH_MATCHER& m,
                           std::vector<char>& candidate)
{
    candidate.assign(last > first ? last - first : 0, 0);
    if (last <= first) return;
    std::vector<std::string> pieces;
    if (m.search_for == 2) {
        pieces.push_back(Literal(m.pattern, false));
    } else if (m.search_for == 1) {
        // Every word must match: the longest piece of any of them will do.
        std::string best;
        for (int s = 0; s < m.subpatterns; ++s) {
            std::string piece = Literal(m.subpattern[s], false);
            if (piece.size() > best.size()) best = piece;
        }
        pieces.push_back(best);
    } else {
        for (int s = 0; s < m.subpatterns; ++s) pieces.push_back(Literal(m.subpattern[s], false));
    }
    for (const std::string& piece : pieces)
        if (piece.empty()) {
            candidate.assign(last - first, 1);
            return;
        }
    for (const std::string& piece : pieces) {
        std::size_t r = first;
        FindAll(text, static_cast<std::size_t>(text.start[first]), static_cast<std::size_t>(text.start[last]), piece,
                [&](std::size_t position) {
                    while (r + 1 < text.start.size() && static_cast<std::size_t>(text.start[r + 1]) <= position) ++r;
                    candidate[r - first] = 1;
                });
    }
}

namespace {

struct ImageScan {
    const SEARCH_IMAGE& image;
    const SEARCH_PREPARED& text;
    std::size_t first, last;  // records first .. last - 1
    bool separator[256];

    ImageScan(const SEARCH_IMAGE& i, const SEARCH_PREPARED& t, std::size_t a, std::size_t b, int type)
        : image(i), text(t), first(a), last(b)
    {
        for (int c = 0; c < 256; ++c) separator[c] = IsWordSeparator(static_cast<unsigned char>(c), type) != 0;
    }

    const char* Text(std::size_t r) const { return text.bytes.data() + text.start[r]; }

    // The record that holds byte position of the texts, searching forward
    // from record r.
    std::size_t RecordOf(std::size_t position, std::size_t r) const
    {
        while (r + 1 < text.start.size() && static_cast<std::size_t>(text.start[r + 1]) <= position) ++r;
        return r;
    }

    bool WordStart(std::size_t position, std::size_t r) const
    {
        const std::size_t begin = static_cast<std::size_t>(text.start[r]);
        return position == begin || separator[static_cast<unsigned char>(text.bytes[position - 1])];
    }

    // Word-start matches of pattern in the records, in order:
    // found(record, position in its text).
    template <typename F>
    void WordMatches(const char* pattern, F&& found) const
    {
        const std::string prefix = Literal(pattern, true);
        if (prefix.empty()) {
            for (std::size_t r = first; r < last; ++r) {
                const char* t = Text(r);
                int32_t p = 0;
                while (t[p]) {
                    int end = 0;
                    if (WildcardMatch(t + p, pattern, &end)) found(r, p);
                    while (t[p] && !separator[static_cast<unsigned char>(t[p])]) ++p;
                    if (!t[p]) break;
                    ++p;
                }
            }
            return;
        }
        std::size_t r = first;
        FindAll(text, static_cast<std::size_t>(text.start[first]),
                static_cast<std::size_t>(text.start[last]), prefix, [&](std::size_t position) {
                    r = RecordOf(position, r);
                    if (!WordStart(position, r)) return;
                    int end = 0;
                    if (WildcardMatch(text.bytes.data() + position, pattern, &end))
                        found(r, static_cast<int32_t>(position - text.start[r]));
                });
    }

    // Phrase matches: at every position where the prefix stands.
    template <typename F>
    void PhraseMatches(const char* pattern, F&& found) const
    {
        const std::string prefix = Literal(pattern, true);
        if (prefix.empty()) {
            for (std::size_t r = first; r < last; ++r) {
                const char* t = Text(r);
                for (int32_t p = 0; t[p]; ++p) {
                    int end = 0;
                    if (WildcardMatch2(t + p, pattern, &end)) found(r, p);
                }
            }
            return;
        }
        std::size_t r = first;
        FindAll(text, static_cast<std::size_t>(text.start[first]),
                static_cast<std::size_t>(text.start[last]), prefix, [&](std::size_t position) {
                    r = RecordOf(position, r);
                    int end = 0;
                    if (WildcardMatch2(text.bytes.data() + position, pattern, &end))
                        found(r, static_cast<int32_t>(position - text.start[r]));
                });
    }
};

// Text hits of every record of a fresh search over the image.
void ImageTextFresh(const Run& run, const ImageScan& scan, Accumulator& acc)
{
    const SEARCH_MATCHER& m = run.matcher;
    const std::size_t count = scan.last - scan.first;
    if (count == 0) return;
    std::vector<int32_t> h(count, 0);
    if (m.search_for == 2) {
        if (!m.pattern[0]) return;
        scan.PhraseMatches(m.pattern, [&](std::size_t r, int32_t) { ++h[r - scan.first]; });
    } else {
        if (m.subpatterns <= 0) return;
        std::vector<uint16_t> words(m.search_for == 1 ? count : 0, 0);
        for (int s = 0; s < m.subpatterns; ++s) {
            std::size_t last_record = static_cast<std::size_t>(-1);
            scan.WordMatches(m.subpattern[s], [&](std::size_t r, int32_t) {
                ++h[r - scan.first];
                if (m.search_for == 1 && r != last_record) {
                    ++words[r - scan.first];
                    last_record = r;
                }
            });
        }
        if (m.search_for == 1)
            for (std::size_t i = 0; i < count; ++i)
                if (words[i] != m.subpatterns) h[i] = 0;
    }
    for (std::size_t i = 0; i < count && !acc.stop; ++i)
        if (h[i] > 0) acc.Text(-1, scan.image.records[scan.first + i].offset, h[i]);
}

// Occurrences of every record of a fresh search over the image.
void ImageOccurrencesFresh(const Run& run, SEARCH_IMAGE& image, std::size_t first, std::size_t last,
                           Accumulator& acc)
{
    std::vector<int32_t> hits;
    std::size_t current = static_cast<std::size_t>(-1);
    auto flush = [&]() {
        if (current != static_cast<std::size_t>(-1) && !hits.empty() && !acc.stop)
            acc.Occurrences(-1, image.records[current].offset, hits.data(), static_cast<int>(hits.size()));
        hits.clear();
    };
    auto add = [&](std::size_t r, int32_t at) {
        if (r != current) {
            flush();
            current = r;
        }
        hits.push_back(at);
    };
    if (run.kind == KIND_STRONG && search_in.str_type == 1) {
        const SEARCH_PREPARED* text = SEARCH_GetPrepared(&image, run.tagged, run.fold, run.lower);
        if (!text) return;
        ImageScan scan(image, *text, first, last, search_in.type);
        scan.WordMatches(search_in.pattern, add);
    } else {
        const char letter = run.kind == KIND_REFERENCE ? 'R' : (search_in.str_language == 2 ? 'G' : 'H');
        const std::vector<SEARCH_TAG>* tags = SEARCH_GetTags(&image, letter);
        if (!tags) return;
        auto begin = std::lower_bound(tags->begin(), tags->end(), static_cast<int32_t>(first),
                                      [](const SEARCH_TAG& t, int32_t r) { return t.record < r; });
        const char* raw = image.prepared[0]->bytes.data();
        for (auto it = begin; it != tags->end() && static_cast<std::size_t>(it->record) < last; ++it) {
            bool hit;
            if (run.kind == KIND_STRONG) {
                hit = it->number == search_in.str_number;
            } else {
                const char* value = raw + image.prepared[0]->start[it->record] + it->value;
                hit = SEARCH_ReferenceInRange(value, it->length, run.dw, search_in.ref_bp_from, search_in.ref_bp_to);
            }
            if (hit) add(static_cast<std::size_t>(it->record), it->at);
        }
    }
    flush();
}

// Returns false when the image cannot serve this search (it then runs
// record by record).
bool ScanImage(Run& run, Accumulator& acc)
{
    SEARCH_IMAGE* image = SEARCH_GetModuleImage(run.dw);
    if (!image) return false;
    const bool texts = run.kind == KIND_TEXT || (run.kind == KIND_STRONG && search_in.str_type == 1);
    const SEARCH_PREPARED* prepared =
        texts ? SEARCH_GetPrepared(image, run.tagged, run.fold, run.lower) : SEARCH_GetPrepared(image, 0, 0, 0);
    if (!prepared) return false;
    if (!run.fresh) {
        // Within results: each result record on its own, as the record loop
        // does, but from the image.
        VerseCounter counter(run);
        std::vector<char> buffer;
        Progress progress;
        progress.Start(0, run.old_count);
        for (int i = 0; i < run.old_count && !acc.stop; ++i) {
            progress.At(i);
            const int32_t offset = search_out_bk.results_array[i];
            if (offset == 0) continue;
            const std::size_t r = SEARCH_FirstRecordAt(*image, offset);
            if (r >= image->records.size()) {
                acc.EndedAt(i);
                break;
            }
            const SEARCH_PREPARED& raw = *image->prepared[0];
            const char* t = raw.bytes.data() + raw.start[r];
            buffer.assign(t, t + std::strlen(t) + 1);
            const int h = counter.Count(buffer.data());
            Verse(acc, counter, run, i, image->records[r].offset, h);
        }
        progress.At(run.old_count);
        return true;
    }
    if (run.offset_from > run.offset_to) return true;
    const std::size_t first = SEARCH_FirstRecordAt(*image, run.offset_from);
    const std::size_t last = SEARCH_FirstRecordAt(*image, static_cast<int64_t>(run.offset_to) + 1);
    if (first >= last) return true;
    if (run.kind == KIND_TEXT) {
        ImageScan scan(*image, *prepared, first, last, run.matcher.type);
        ImageTextFresh(run, scan, acc);
    } else {
        ImageOccurrencesFresh(run, *image, first, last, acc);
    }
    // The image is scanned in one go: the progress bar fills at its end.
    Progress progress;
    progress.Start(run.offset_from, run.offset_to);
    progress.At(run.offset_to);
    return true;
}

// ---------------------------------------------------------------- running

int Finish(Run& run, Accumulator& acc)
{
    (void)acc;
    SEARCH_OUT_BK& o = search_out_bk;
    o.milisec = static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - run.start).count());
    o.tab = run.kind;
    std::memcpy(search_in.pattern, search_in.zaloha_patternu, sizeof search_in.pattern);
    if (o.new_search_hit) {
        if (!run.fresh) o.hit_verses = CompactResultsArray(o.results_array, run.old_count);
        if (run.kind == KIND_TEXT) {
            std::free(o.ex_results_array);
            o.ex_results_array = nullptr;
            o.ex_allocated = 0;
        } else {
            o.str_type = search_in.str_type;
            o.str_language = search_in.str_language;
            o.str_number = search_in.str_number;
            o.str_sorted_column = 0;
        }
        o.backup_hit_verses = o.hit_verses;
        o.backup_hit_patterns = o.hit_patterns;
        BackupSearchParameters(0);
        o.res_hitnumber = 0;
        return SEARCH_NEW_HITS;
    }
    ShowMessageBoxId(nullptr, 10090, 10091, SV_MB_OK | SV_MB_ICONINFORMATION);
    if (o.backup_hit_verses >= 1) {
        o.hit_verses = o.backup_hit_verses;
        o.hit_patterns = o.backup_hit_patterns;
        o.datawindow = o.backup_datawindow;
        o.tab = o.backup_tab;
        o.res_hitnumber = 0;
    }
    return SEARCH_NO_HIT;
}

int RunBookSearch(Run& run)
{
    run.start = std::chrono::steady_clock::now();
    if (!SetUpSpan(run)) {
        std::memcpy(search_in.pattern, search_in.zaloha_patternu, sizeof search_in.pattern);
        return SEARCH_NOT_RUN;
    }
    const bool hebrew = search_in.type == 1;
    run.tagged = datawindow[run.dw].tag_advanced == 1;
    run.fold = hebrew && search_in.ignore_vowels;
    run.lower = !hebrew && !search_in.case_sensitive;
    run.matcher.search_for = search_in.search_for;
    run.matcher.type = search_in.type;
    run.matcher.pattern = search_in.pattern;
    run.matcher.subpatterns = search_in.subpatterns;
    run.matcher.subpattern = search_in.subpattern;

    Accumulator acc;
    acc.fresh = run.fresh;
    acc.old_count = run.old_count;
    if (g_search_engine != SEARCH_ENGINE_IMAGE || !ScanImage(run, acc)) ScanRecords(run, acc);
    return Finish(run, acc);
}

} // namespace

int SEARCH_PrepareModuleImage(int dw)
{
    if (g_search_engine != SEARCH_ENGINE_IMAGE || dw < 0 || dw >= MAX_DATAWINDOWS) return 0;
    if (datawindow[dw].type != MODULE_BOOK) return 0;
    SEARCH_IMAGE* image = SEARCH_GetModuleImage(dw);
    if (!image) return 0;
    // The same key the text search asks for.
    const bool hebrew = search_in.type == 1;
    return SEARCH_GetPrepared(image, datawindow[dw].tag_advanced == 1, hebrew && search_in.ignore_vowels,
                              !hebrew && !search_in.case_sensitive)
               ? 1
               : 0;
}

int SEARCH_BookText()
{
    search_in.pattern[SEARCH_PATTERN_SIZE - 1] = '\0';
    std::memcpy(search_in.zaloha_patternu, search_in.pattern, sizeof search_in.pattern);
    SEARCH_PreparePattern(search_in.search_for != 2);
    Run run;
    run.kind = KIND_TEXT;
    return RunBookSearch(run);
}

int SEARCH_BookStrong()
{
    search_in.pattern[SEARCH_PATTERN_SIZE - 1] = '\0';
    std::memcpy(search_in.zaloha_patternu, search_in.pattern, sizeof search_in.pattern);
    if (search_in.str_type == 1) SEARCH_PreparePattern(0);
    Run run;
    run.kind = KIND_STRONG;
    return RunBookSearch(run);
}

int SEARCH_BookReference(int row)
{
    if (search_in.ref_hist_count <= 0) {
        ShowMessageBoxId(nullptr, 10110, 10111, SV_MB_OK | SV_MB_ICONWARNING);
        return SEARCH_NOT_RUN;
    }
    if (row < 0 || row >= search_in.ref_hist_count || row >= SEARCH_HISTORY) return SEARCH_NOT_RUN;
    const REF_HIST& entry = search_in.ref_hist[row];
    search_in.ref_bp_from = entry.ref_bp_from;
    search_in.ref_bp_to = entry.ref_bp_to;
    std::memcpy(search_in.ref_syncname_from, entry.ref_syncname_from, sizeof search_in.ref_syncname_from);
    std::memcpy(search_in.ref_syncname_to, entry.ref_syncname_to, sizeof search_in.ref_syncname_to);
    search_in.ref_syncname_from[15] = search_in.ref_syncname_to[15] = '\0';
    const int dw = search_in.datawindow;
    search_in.ref_bp_from.number = search_in.ref_bp_to.number = dw;
    const int from = GetIndexOfSyncname(dw, search_in.ref_syncname_from);
    const int to = GetIndexOfSyncname(dw, search_in.ref_syncname_to);
    if (from < 0 || to < 0) return SEARCH_NOT_RUN;
    search_in.ref_bp_from.book = from + 1;
    search_in.ref_bp_to.book = to + 1;
    std::memcpy(search_in.zaloha_patternu, search_in.pattern, sizeof search_in.pattern);
    Run run;
    run.kind = KIND_REFERENCE;
    return RunBookSearch(run);
}

int SEARCH_ReadStrongNumber(const char* text, int32_t* number)
{
    const char* p = text ? text : "";
    while (*p && (*p < '0' || *p > '9')) ++p;
    if (!*p) {
        ShowMessageBoxId(nullptr, 10092, 10093, SV_MB_OK | SV_MB_ICONINFORMATION);
        return 0;
    }
    if (number) *number = SEARCH_TagNumber(p, static_cast<int>(std::strlen(p)));
    return 1;
}

int AddReferenceToHistory()
{
    SEARCH_IN& s = search_in;
    if (s.ref_bp_from.number != s.ref_bp_to.number) {
        ReportBug(2, "AddReferenceToHistory: search_in.ref_bp_from.number != search_in.ref_bp_to.number");
        return 0;
    }
    int count = s.ref_hist_count < 0 ? 0 : (s.ref_hist_count > SEARCH_HISTORY ? SEARCH_HISTORY : s.ref_hist_count);
    for (int i = 0; i < count; ++i) {
        const REF_HIST& e = s.ref_hist[i];
        if (std::strncmp(e.ref_syncname_from, s.ref_syncname_from, 16) == 0 &&
            std::strncmp(e.ref_syncname_to, s.ref_syncname_to, 16) == 0 &&
            e.ref_bp_from.chapter == s.ref_bp_from.chapter && e.ref_bp_from.verse == s.ref_bp_from.verse &&
            e.ref_bp_to.chapter == s.ref_bp_to.chapter && e.ref_bp_to.verse == s.ref_bp_to.verse) {
            const REF_HIST found = e;
            for (int j = i; j > 0; --j) s.ref_hist[j] = s.ref_hist[j - 1];
            s.ref_hist[0] = found;
            return 1;
        }
    }
    if (count < SEARCH_HISTORY) ++count;
    for (int i = count - 1; i > 0; --i) s.ref_hist[i] = s.ref_hist[i - 1];
    s.ref_hist_count = count;
    REF_HIST& e = s.ref_hist[0];
    e.ref_bp_from = s.ref_bp_from;
    e.ref_bp_to = s.ref_bp_to;
    std::memcpy(e.ref_syncname_from, s.ref_syncname_from, sizeof e.ref_syncname_from);
    std::memcpy(e.ref_syncname_to, s.ref_syncname_to, sizeof e.ref_syncname_to);
    e.ref_syncname_from[15] = e.ref_syncname_to[15] = '\0';
    const int dw = s.ref_bp_from.number;
    const int from = GetIndexOfSyncname(dw, e.ref_syncname_from);
    const int to = GetIndexOfSyncname(dw, e.ref_syncname_to);
    if (from < 0 || to < 0) return 0;
    const BOOK_INFO* books = datawindow[dw].book_info;
    if (std::strcmp(e.ref_syncname_from, e.ref_syncname_to) == 0 && s.ref_bp_from.chapter == s.ref_bp_to.chapter &&
        s.ref_bp_from.verse == s.ref_bp_to.verse)
        std::snprintf(e.string, sizeof e.string, "%s %d:%d", books[from].name, s.ref_bp_from.chapter,
                      s.ref_bp_from.verse);
    else
        std::snprintf(e.string, sizeof e.string, "%s %d:%d - %s %d:%d", books[from].name, s.ref_bp_from.chapter,
                      s.ref_bp_from.verse, books[to].name, s.ref_bp_to.chapter, s.ref_bp_to.verse);
    return 1;
}
