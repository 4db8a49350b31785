#include "books/verse_location.h"

#include "app/file_io.h"
#include "app/records.h"
#include "books/sbk_reader.h"

namespace {

// The book's run of records [begin, end), cut to the record area of the file;
// false when the book table entry points outside it.
bool BookRun(const DATAWINDOW& w, SvFile* file, int book, int64_t* begin, int64_t* end)
{
    if (!w.book_info || book < 1 || book > w.books) return false;
    const BOOK_INFO& info = w.book_info[book - 1];
    int64_t size = SvFileSize(file);
    int64_t b = info.offset;
    int64_t e = b + static_cast<int64_t>(info.length);
    if (info.length <= 0 || b < w.tag_data || b >= size) return false;
    if (e > size) e = size;
    *begin = b;
    *end = e;
    return true;
}

// (c, v) compared with (C, V): negative before, 0 equal, positive after.
int Compare(int64_t c, int64_t v, int64_t C, int64_t V)
{
    if (c != C) return c < C ? -1 : 1;
    if (v != V) return v < V ? -1 : 1;
    return 0;
}

// The last "|S0" that starts before end and at or after floor; -1 if none.
// Reads 2046-byte chunks backwards, each searched from its end.
int64_t FindRecordStartBefore(SvFile* file, int64_t end, int64_t floor)
{
    char chunk[2046];
    while (end - floor >= 3) {
        int64_t start = end - static_cast<int64_t>(sizeof chunk);
        if (start < floor) start = floor;
        std::size_t want = static_cast<std::size_t>(end - start);
        if (SvSeek(file, start) != 0 || SvRead(file, chunk, want) != want) return -1;
        for (std::size_t i = want - 3 + 1; i-- > 0;)
            if (chunk[i] == '|' && chunk[i + 1] == 'S' && chunk[i + 2] == '0') return start + static_cast<int64_t>(i);
        if (start == floor) break;
        end = start + 2;  // overlap so that a marker across two chunks is seen
    }
    return -1;
}

} // namespace

int32_t BK_HledejVers(const BOOK_POSITION& position)
{
    SvFile* file = BK_WindowFile(position.number);
    if (!file) return 0;
    const DATAWINDOW& w = datawindow[position.number];
    const int64_t B = position.book, C = position.chapter, V = position.verse;
    if (B <= 0 || C <= 0 || V <= 0 || B > w.books || !w.book_info) return 0;
    if (C > w.book_info[B - 1].chapters) return 0;
    int64_t run_begin = 0, run_end = 0;
    if (!BookRun(w, file, static_cast<int>(B), &run_begin, &run_end)) return 0;

    BK_RECORD_HEADER h;
    int64_t L = run_begin;
    if (!BK_ReadRecordHeader(file, L, &h)) return 0;
    int64_t Lc = h.chapter;
    int64_t R = run_end - 1;
    int64_t Rc = C;

    // Bisection by chapter over the book's run. Every midpoint is moved to the
    // next record start inside the run; when there is none, the bisection ends
    // and the linear scan below decides.
    int64_t previous = 0;
    for (int guard = 0; Rc - Lc > 1 && guard < 64; ++guard) {
        int64_t M = (L + R) / 2;
        if (M == previous) break;
        previous = M;
        M = BK_FindRecordStart(file, M, run_end);
        if (M < 0) break;
        if (!BK_ReadRecordHeader(file, M, &h)) return 0;
        if (Compare(h.chapter, h.verse, C, V) <= 0) {
            L = M;
            Lc = h.chapter;
        } else {
            R = M;
            Rc = h.chapter;
        }
    }

    // Linear scan over record headers from the left bracket.
    int64_t P = L;
    while (L <= R && L < run_end) {
        if (!BK_ReadRecordHeader(file, L, &h)) return 0;
        int cmp = Compare(h.chapter, h.verse, C, V);
        if (cmp == 0) return static_cast<int32_t>(L);
        if (cmp > 0) return static_cast<int32_t>(P);
        P = L;
        L += static_cast<int64_t>(h.header_len) + h.length;
    }
    return 0;
}

int32_t BK_PosunOffset(BOOK_POSITION* position, int32_t offset, int step)
{
    if (!position) return 0;
    SvFile* file = BK_WindowFile(position->number);
    if (!file) return 0;
    const DATAWINDOW& w = datawindow[position->number];
    const int64_t size = SvFileSize(file);
    const int64_t floor = w.tag_data > 0 ? w.tag_data : 0;
    BK_RECORD_HEADER h;

    int64_t O = BK_FindRecordStart(file, offset < 0 ? 0 : offset);
    bool backward = step < 0;
    if (O < 0) {
        O = size;
        backward = true;
    } else if (step > 0) {
        for (int k = 0; k < step; ++k) {
            if (!BK_ReadRecordHeader(file, O, &h)) return 0;
            O += static_cast<int64_t>(h.header_len) + h.length;
            if (O >= size) {
                O = size;
                backward = true;
                break;
            }
        }
    }

    if (!backward) {
        if (!BK_ReadRecordHeader(file, O, &h)) return 0;
        position->book = h.book;
        position->chapter = h.chapter;
        position->verse = h.verse;
        return static_cast<int32_t>(O);
    }

    int64_t found = FindRecordStartBefore(file, O, floor);
    if (found < 0) return static_cast<int32_t>(floor);
    if (!BK_ReadRecordHeader(file, found, &h)) return 0;
    position->book = h.book;
    position->chapter = h.chapter;
    position->verse = h.verse;
    return static_cast<int32_t>(found);
}

int32_t BK_PocetVersu(const BOOK_POSITION& position)
{
    BOOK_POSITION copy = position;
    copy.verse = 1;
    int32_t offset = BK_HledejVers(copy);
    if (offset == 0) return 0;
    const int32_t book = copy.book, chapter = copy.chapter;
    int32_t count = 0;
    for (;;) {
        count = copy.verse;
        int32_t next = BK_PosunOffset(&copy, offset, 1);
        if (next <= offset || copy.book != book || copy.chapter != chapter) break;
        offset = next;
    }
    return count;
}

int32_t OffsetOfVerseEnd(int32_t offset, SvFile* file)
{
    if (!file) return 0;
    int64_t saved = SvTell(file);
    int64_t next = BK_FindRecordStart(file, static_cast<int64_t>(offset) + 1);
    int64_t result = next >= 0 ? next - 1 : SvFileSize(file) - 1;
    SvSeek(file, saved);
    return static_cast<int32_t>(result);
}
