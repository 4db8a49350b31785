#include "books/hit_marks.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/records.h"
#include "search/book_search.h"
#include "search/search_request.h"
#include "search/strong_tags.h"
#include "text/matching.h"

namespace {

constexpr unsigned char kVowelFirst = 0xA1;
constexpr unsigned char kVowelLast = 0xAB;

bool IsVowel(unsigned char c)
{
    return c >= kVowelFirst && c <= kVowelLast;
}

// The window the verse being marked belongs to.
int g_mark_window = -1;

int MarkWindow()
{
    const int id = g_mark_window;
    if (id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS) return id;
    return search_out_bk.datawindow;
}

bool ValidWindow(int id)
{
    return id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS;
}

// The typed pattern prepared as the search prepared it: vowels folded for
// Hebrew without vowels, lower case unless case-sensitive, Hebrew turned
// from the display order of the pattern box into reading order.
void PreparePattern(const char* typed, const HIT_TEXT_REQUEST& r, char* out, int size)
{
    std::strncpy(out, typed ? typed : "", static_cast<std::size_t>(size - 1));
    out[size - 1] = '\0';
    const bool hebrew = r.type == 1;
    if (hebrew && r.ignore_vowels) Strip_he_vocals(out, out);
    if (!hebrew && !r.case_sensitive) SEARCH_LowerText(out);
    if (hebrew) std::reverse(out, out + std::strlen(out));
}

// Sorts the spans, joins overlapping ones and keeps at most HIT_MARKS_MAX.
int Normalise(std::vector<HIT_SPAN>& found, HIT_SPAN* spans)
{
    std::sort(found.begin(), found.end(),
              [](const HIT_SPAN& a, const HIT_SPAN& b) { return a.start < b.start || (a.start == b.start && a.end < b.end); });
    int n = 0;
    for (const HIT_SPAN& s : found) {
        if (s.end <= s.start) continue;
        if (n > 0 && s.start < spans[n - 1].end) {
            // Marks of overlapping hits would nest: one span covers both.
            spans[n - 1].end = std::max(spans[n - 1].end, s.end);
            continue;
        }
        if (n >= HIT_MARKS_MAX) break;
        spans[n++] = s;
    }
    return n;
}

int StrongNumberAccept(void* context, const char* value, int length)
{
    return SEARCH_TagNumber(value, length) == *static_cast<const int32_t*>(context);
}

struct REFERENCE_TEST {
    int dw;
    BOOK_POSITION from, to;
};

int ReferenceAccept(void* context, const char* value, int length)
{
    const REFERENCE_TEST& t = *static_cast<const REFERENCE_TEST*>(context);
    if (!ValidWindow(t.dw)) return 0;
    return SEARCH_ReferenceInRange(value, length, t.dw, t.from, t.to);
}

HIT_TEXT_REQUEST BookRequest()
{
    const SEARCH_OUT_BK& o = search_out_bk;
    return HIT_TEXT_REQUEST{o.type, o.case_sensitive, o.ignore_vowels, o.search_for, o.pattern, o.subpatterns,
                            o.subpattern};
}

void MarkBookRecord(const HIT_SPAN* spans, int n)
{
    HIT_InsertMarks(g_book_record.buffer, BOOK_RECORD_BUFFER, HIT_MARKS_TEXT_LIMIT, spans, n);
}

int BookMask()
{
    const int id = MarkWindow();
    return ValidWindow(id) && datawindow[id].tag_advanced == 1 ? -1 : 0;
}

} // namespace

int HIT_CollectTextSpans(const char* text, const HIT_TEXT_REQUEST& r, int mask, int widen, HIT_SPAN* spans)
{
    if (!text || !spans) return 0;
    const int len = static_cast<int>(std::strlen(text));
    if (len == 0) return 0;
    const bool hebrew = r.type == 1;
    const bool fold = hebrew && r.ignore_vowels;
    const int script = r.type >= 0 && r.type <= 2 ? r.type : 0;

    // Matching runs on a masked copy; spans are positions in the text.
    std::string work(text, static_cast<std::size_t>(len));
    if (mask) StripTags(work.data(), work.data(), mask);
    if (!hebrew && !r.case_sensitive) SEARCH_LowerText(work.data());
    std::string m;
    std::vector<int32_t> at;  // position in the text of each byte of m
    if (fold) {
        m.reserve(work.size());
        at.reserve(work.size() + 1);
        for (int i = 0; i < len; ++i) {
            const char one[2] = {work[static_cast<std::size_t>(i)], '\0'};
            char folded[2];
            Strip_he_vocals(one, folded);
            if (!folded[0]) continue;
            m += folded[0];
            at.push_back(i);
        }
    } else {
        m = work;
    }
    at.push_back(len);
    const int mlen = static_cast<int>(m.size());
    auto pos = [&](int k) { return fold ? at[static_cast<std::size_t>(k)] : k; };

    std::vector<HIT_SPAN> found;
    auto add = [&](int k, int end) {
        if (end <= 0 || static_cast<int>(found.size()) >= HIT_MARKS_MAX) return;
        int e = k + end;
        if (widen)
            while (e < mlen && !IsWordSeparator(static_cast<unsigned char>(m[static_cast<std::size_t>(e)]), script)) ++e;
        if (e > mlen) e = mlen;
        int32_t start = pos(k);
        int32_t stop = pos(e - 1) + 1;
        // The vowels of the last letter belong to the hit.
        if (fold)
            while (stop < len && IsVowel(static_cast<unsigned char>(text[stop]))) ++stop;
        // Masked bytes (tags) at either end stay outside the marks.
        while (start < stop && work[static_cast<std::size_t>(start)] == MASKED_BYTE) ++start;
        while (stop > start && work[static_cast<std::size_t>(stop - 1)] == MASKED_BYTE) --stop;
        if (stop > start) found.push_back(HIT_SPAN{start, stop});
    };
    auto word_start = [&](int k) {
        return k == 0 || IsWordSeparator(static_cast<unsigned char>(m[static_cast<std::size_t>(k - 1)]), script);
    };

    char pattern[64];
    if (r.search_for == 2 || widen) {
        PreparePattern(r.pattern, r, pattern, sizeof pattern);
        if (pattern[0]) {
            for (int k = 0; k < mlen && static_cast<int>(found.size()) < HIT_MARKS_MAX;) {
                int end = 0;
                const bool hit = widen ? (word_start(k) && WildcardMatch(m.c_str() + k, pattern, &end))
                                       : WildcardMatch2(m.c_str() + k, pattern, &end);
                if (hit && end > 0) {
                    add(k, end);
                    k += end;
                } else {
                    ++k;
                }
            }
        }
    } else if (r.subpattern) {
        for (int s = 0; s < r.subpatterns && s < 10; ++s) {
            const char* sub = r.subpattern[s];
            if (!sub[0]) continue;
            for (int k = 0; k < mlen && static_cast<int>(found.size()) < HIT_MARKS_MAX;) {
                int end = 0;
                if (word_start(k) && WildcardMatch(m.c_str() + k, sub, &end) && end > 0) {
                    add(k, end);
                    k += end;
                } else {
                    ++k;
                }
            }
        }
    }
    return Normalise(found, spans);
}

int HIT_CollectTagSpans(const char* text, char letter, int (*accept)(void*, const char*, int), void* context,
                        HIT_SPAN* spans)
{
    if (!text || !spans) return 0;
    const int len = static_cast<int>(std::strlen(text));
    std::vector<HIT_SPAN> found;
    SEARCH_WalkTags(text, letter, [&](int32_t at, const char* value, int length) {
        if (static_cast<int>(found.size()) >= HIT_MARKS_MAX) return;
        if (!accept(context, value, length)) return;
        // The closing tag "|R" + letter follows the value.
        int32_t close = static_cast<int32_t>(value - text);
        while (close < len && text[close] != '|') ++close;
        int32_t end = close + 3;
        if (end > len) end = len;
        found.push_back(HIT_SPAN{at, end});
    });
    return Normalise(found, spans);
}

int HIT_InsertMarks(char* text, int capacity, int limit, const HIT_SPAN* spans, int count)
{
    if (!text || capacity <= 0 || !spans) return 0;
    int len = static_cast<int>(strnlen(text, static_cast<std::size_t>(capacity)));
    if (len >= capacity) return 0;
    int inserted = 0;
    int32_t previous_end = 0;
    for (int i = 0; i < count; ++i) {
        if (len + 6 > limit || len + 6 >= capacity) break;
        const int32_t shift = 6 * inserted;
        int32_t start = spans[i].start;
        int32_t end = spans[i].end;
        if (start < previous_end || end <= start || start + shift > len || end + shift > len) continue;
        start += shift;
        end += shift;
        // "|SS" before the first byte, "|Ss" before the byte after the span.
        std::memmove(text + start + 3, text + start, static_cast<std::size_t>(len - start + 1));
        std::memcpy(text + start, "|SS", 3);
        len += 3;
        end += 3;
        std::memmove(text + end + 3, text + end, static_cast<std::size_t>(len - end + 1));
        std::memcpy(text + end, "|Ss", 3);
        len += 3;
        previous_end = spans[i].end;
        ++inserted;
    }
    return inserted;
}

int BK_SelectTextHits()
{
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int n = HIT_CollectTextSpans(g_book_record.buffer, BookRequest(), BookMask(), 0, spans);
    MarkBookRecord(spans, n);
    return 1;
}

int BK_SelectStrongTextHits()
{
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int n = HIT_CollectTextSpans(g_book_record.buffer, BookRequest(), BookMask(), 1, spans);
    MarkBookRecord(spans, n);
    return 1;
}

int HIT_CollectStrongSpans(const char* text, int language, int32_t number, HIT_SPAN* spans)
{
    if (language != 1 && language != 2) return 0;
    return HIT_CollectTagSpans(text, language == 2 ? 'G' : 'H', StrongNumberAccept, &number, spans);
}

int HIT_CollectReferenceSpans(const char* text, int dw, const BOOK_POSITION& from, const BOOK_POSITION& to,
                              HIT_SPAN* spans)
{
    REFERENCE_TEST test{dw, from, to};
    return HIT_CollectTagSpans(text, 'R', ReferenceAccept, &test, spans);
}

int BK_SelectStrongNumberHits()
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (o.str_language != 1 && o.str_language != 2) return 1;
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int n = HIT_CollectStrongSpans(g_book_record.buffer, o.str_language, o.str_number, spans);
    MarkBookRecord(spans, n);
    return 1;
}

int BK_SelectReferenceHits()
{
    const SEARCH_OUT_BK& o = search_out_bk;
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int n =
        HIT_CollectReferenceSpans(g_book_record.buffer, o.ref_bp_from.number, o.ref_bp_from, o.ref_bp_to, spans);
    MarkBookRecord(spans, n);
    return 1;
}

void BK_SelectHits(int id)
{
    g_mark_window = id;
    g_book_record.buffer[BOOK_RECORD_BUFFER - 1] = '\0';
    switch (search_out_bk.tab) {
    case 0:
        BK_SelectTextHits();
        break;
    case 1:
        if (search_out_bk.str_type == 1)
            BK_SelectStrongTextHits();
        else
            BK_SelectStrongNumberHits();
        break;
    case 2:
        UpdateReferenceColoringParam(0, id);
        BK_SelectReferenceHits();
        break;
    default:
        break;
    }
    g_mark_window = -1;
}

int UpdateReferenceColoringParam(int mode, int id)
{
    if (mode == 0) {
        search_out_bk.ref_bp_from.number = id;
        search_out_bk.ref_bp_to.number = id;
        return 1;
    }
    // A lexicon resolves the references of its own search by its own table.
    if (ValidWindow(id)) {
        datawindow[id].search_out_lx.ref_bp_from.number = id;
        datawindow[id].search_out_lx.ref_bp_to.number = id;
    }
    return 1;
}
