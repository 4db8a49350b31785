#include "search/results.h"

#include <cstdlib>
#include <cstring>

#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "search/strong_tags.h"
#include "text/collation.h"
#include "text/matching.h"

namespace {

constexpr int32_t kResultsStep = 1024;  // bytes: 256 offsets
constexpr int32_t kExStep = 8192;       // bytes: 1024 occurrences
constexpr int32_t kExHeadroom = 4096;

// The sort table of the comparison by word (mode 2).
const char* g_sort_table = nullptr;

} // namespace

SEARCH_UI_HOOKS g_search_ui_hooks = {};

int FirstAllocResultsArray()
{
    SEARCH_OUT_BK& o = search_out_bk;
    if (o.allocated > 0 || o.results_array) std::free(o.results_array);
    o.results_array = nullptr;
    o.allocated = 0;
    o.hit_verses = 0;
    o.hit_patterns = 0;
    o.results_array = static_cast<int32_t*>(std::malloc(kResultsStep));
    if (!o.results_array) return 0;
    o.allocated = kResultsStep;
    return 1;
}

int FirstAllocExResultsArray()
{
    SEARCH_OUT_BK& o = search_out_bk;
    std::free(o.ex_results_array);
    o.ex_results_array = nullptr;
    o.ex_allocated = 0;
    o.ex_results_array = static_cast<EX_RESULTS_ARRAY*>(std::malloc(kExStep));
    if (!o.ex_results_array) return 0;
    o.ex_allocated = kExStep;
    return 1;
}

namespace {

// Replaces *array (of *allocated bytes) by a block step bytes larger with the
// same contents.
template <typename T>
int Grow(T** array, int32_t* allocated, int32_t step)
{
    T* larger = static_cast<T*>(std::malloc(static_cast<std::size_t>(*allocated) + step));
    if (!larger) return 0;
    if (*array && *allocated > 0) std::memcpy(larger, *array, static_cast<std::size_t>(*allocated));
    std::free(*array);
    *array = larger;
    *allocated += step;
    return 1;
}

} // namespace

int SEARCH_StoreHitVerse(int32_t offset)
{
    SEARCH_OUT_BK& o = search_out_bk;
    if (!o.results_array || o.hit_verses >= o.allocated / 4) {
        // Never store outside the block, whatever the counts say.
        if (!Grow(&o.results_array, &o.allocated, kResultsStep)) return 0;
    }
    o.results_array[o.hit_verses] = offset;
    if (o.hit_verses + 1 >= o.allocated / 4) return Grow(&o.results_array, &o.allocated, kResultsStep);
    return 1;
}

int SEARCH_AppendOccurrence(int32_t off_record, int32_t off_hit)
{
    SEARCH_OUT_BK& o = search_out_bk;
    if (!o.ex_results_array || static_cast<int64_t>(o.hit_patterns + 1) * 8 > o.ex_allocated) {
        if (!Grow(&o.ex_results_array, &o.ex_allocated, kExStep)) return 0;
    }
    o.ex_results_array[o.hit_patterns].off_record = off_record;
    o.ex_results_array[o.hit_patterns].off_hit = off_hit;
    ++o.hit_patterns;
    return 1;
}

int SEARCH_GrowOccurrencesAfterVerse()
{
    SEARCH_OUT_BK& o = search_out_bk;
    if (static_cast<int64_t>(o.ex_allocated) <= static_cast<int64_t>(o.hit_patterns) * 8 + kExHeadroom)
        return Grow(&o.ex_results_array, &o.ex_allocated, kExStep);
    return 1;
}

int CompactResultsArray(int32_t* array, int size)
{
    if (!array || size <= 0) return 0;
    int n = 0;
    for (int i = 0; i < size; ++i)
        if (array[i] != 0) array[n++] = array[i];
    return n;
}

void SEARCH_ClearBookResults()
{
    SEARCH_OUT_BK& o = search_out_bk;
    std::free(o.results_array);
    std::free(o.ex_results_array);
    o.results_array = nullptr;
    o.ex_results_array = nullptr;
    o.allocated = o.ex_allocated = 0;
    o.hit_verses = o.hit_patterns = 0;
    o.backup_hit_verses = o.backup_hit_patterns = 0;
    o.res_hitnumber = 0;
}

int BK_ex_compare_mode0(const void* a, const void* b)
{
    const auto* x = static_cast<const SORT_ARRAY*>(a);
    const auto* y = static_cast<const SORT_ARRAY*>(b);
    if (x->off_record < y->off_record) return -1;
    if (x->off_record > y->off_record) return 1;
    return 0;
}

int BK_ex_compare_mode1(const void* a, const void* b)
{
    const auto* x = static_cast<const SORT_ARRAY*>(a);
    const auto* y = static_cast<const SORT_ARRAY*>(b);
    if (x->strong_type > y->strong_type) return -1;
    if (x->strong_type < y->strong_type) return 1;
    if (x->strong_number < y->strong_number) return -1;
    if (x->strong_number > y->strong_number) return 1;
    return 0;
}

int BK_ex_compare_mode2(const void* a, const void* b)
{
    const auto* x = static_cast<const SORT_ARRAY*>(a);
    const auto* y = static_cast<const SORT_ARRAY*>(b);
    int r = PorovnejRetezce(x->word, y->word, g_sort_table);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

namespace {

bool IsVowel(unsigned char c)
{
    return c >= 0xA1 && c <= 0xAB;
}

// Fills entry e (mode 1 or 2) from the text of its record.
bool FillSortEntry(SORT_ARRAY& e, int mode, const char* text, int32_t length)
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (mode == 1) {
        int32_t start = e.off_hit;
        if (start >= 0 && start < length && text[start] == '|') {
            if (start == 0) return false;
            --start;
        }
        int position = start, tag_length = 0;
        e.strong_type = ' ';
        e.strong_number = 0;
        if (start >= 0 && start < length && GetWordNextStrong(text, &position, &tag_length)) {
            e.strong_type = static_cast<unsigned char>(text[position + 2]);
            e.strong_number = SEARCH_TagNumber(text + position + 3, tag_length - 6);
        }
        return true;
    }
    // mode 2: the word of the occurrence, at most 15 bytes.
    int32_t start = -1, count = 0;
    if (o.str_type == 1) {
        int32_t at = e.off_hit;
        if (o.type == 1 && o.ignore_vowels) {
            // off_hit counts bytes of the vowel-folded text.
            int32_t seen = 0, i = 0;
            while (i < length && (seen < at || IsVowel(static_cast<unsigned char>(text[i])))) {
                if (!IsVowel(static_cast<unsigned char>(text[i]))) ++seen;
                ++i;
            }
            at = i;
        }
        if (at >= 0 && at < length) {
            start = at;
            while (start + count < length && !IsWordSeparator(static_cast<unsigned char>(text[start + count]), o.type))
                ++count;
        }
    } else {
        int position = e.off_hit, word_length = 0;
        if (position >= 0 && position <= length && GetStrongWord(text, &position, &word_length)) {
            start = position;
            count = word_length;
        }
    }
    std::memset(e.word, 0, sizeof e.word);
    if (start >= 0) {
        if (count >= 256) ReportBug(2, "Fatal error: buffer overflow in LV results print");
        std::memcpy(e.word, text + start, static_cast<std::size_t>(count < 15 ? count : 15));
    }
    return true;
}

} // namespace

int SortExResultsArray(int datawindow_id, int mode)
{
    SEARCH_OUT_BK& o = search_out_bk;
    if (o.hit_verses == 0 || o.hit_patterns <= 0 || !o.results_array || !o.ex_results_array) return 0;
    if (mode < 0 || mode > 2) return 0;
    if (static_cast<int64_t>(o.hit_patterns) * 8 > o.ex_allocated) return 0;
    const std::size_t bytes = static_cast<std::size_t>(o.hit_patterns) * sizeof(SORT_ARRAY);
    auto* work = static_cast<SORT_ARRAY*>(std::malloc(bytes));
    if (!work) {
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR, static_cast<int>(bytes));
        return 0;
    }
    if (status.opt_sort_results_warning > 0 && status.opt_sort_results_warning < o.hit_patterns) {
        if (ShowMessageBoxId(nullptr, 10107, 10108, SV_MB_YESNO | SV_MB_ICONWARNING, o.hit_patterns) == SV_IDNO) {
            std::free(work);
            return 0;
        }
    }
    BOOK_RECORD* record = nullptr;
    if (mode != 0) {
        record = static_cast<BOOK_RECORD*>(std::malloc(sizeof(BOOK_RECORD)));
        if (!record) {
            std::free(work);
            return 0;
        }
    }
    int32_t last_read = -1;
    for (int i = 0; i < o.hit_patterns; ++i) {
        SORT_ARRAY& e = work[i];
        std::memset(&e, 0, sizeof e);
        e.off_record = o.ex_results_array[i].off_record;
        e.off_hit = o.ex_results_array[i].off_hit;
        e.strong_type = ' ';
        if (mode == 0) continue;
        if (last_read != e.off_record || last_read < 0) {
            record->offset = e.off_record;
            record->book_position.number = o.datawindow;
            if (!BK_CtiRecord(record)) {
                std::free(record);
                std::free(work);
                return 0;
            }
            last_read = e.off_record;
        }
        const int32_t length = static_cast<int32_t>(std::strlen(record->buffer));
        if (!FillSortEntry(e, mode, record->buffer, length)) {
            std::free(record);
            std::free(work);
            return 0;
        }
    }
    std::free(record);
    int (*compare)(const void*, const void*) = BK_ex_compare_mode0;
    if (mode == 1) compare = BK_ex_compare_mode1;
    if (mode == 2) {
        compare = BK_ex_compare_mode2;
        g_sort_table = (datawindow_id >= 0 && datawindow_id < MAX_DATAWINDOWS) ? datawindow[datawindow_id].razeni[0]
                                                                               : datawindow[0].razeni[0];
    }
    std::qsort(work, static_cast<std::size_t>(o.hit_patterns), sizeof(SORT_ARRAY), compare);
    for (int i = 0; i < o.hit_patterns; ++i) {
        o.ex_results_array[i].off_record = work[i].off_record;
        o.ex_results_array[i].off_hit = work[i].off_hit;
    }
    std::free(work);
    return 1;
}
