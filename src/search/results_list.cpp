#include "search/results_list.h"

#include <cstdio>
#include <cstring>

#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "search/strong_tags.h"
#include "text/matching.h"

namespace {

bool HaveResults()
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (o.hit_verses <= 0 || !o.results_array) return false;
    if (o.tab == 1 && (o.hit_patterns <= 0 || !o.ex_results_array)) return false;
    return true;
}

void Copy(char* out, std::size_t size, const char* text, std::size_t length)
{
    if (length >= size) length = size - 1;
    std::memcpy(out, text, length);
    out[length] = '\0';
}

// The position in the record of a word-search offset: for Hebrew with
// vowels ignored the offset counts only bytes that are not vowel points.
int RecordPosition(const char* text, int off_hit)
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (!(o.type == 1 && o.ignore_vowels)) return off_hit;
    int counted = 0;
    int p = 0;
    for (; text[p]; ++p) {
        const unsigned char c = static_cast<unsigned char>(text[p]);
        if (c >= 0xA1 && c <= 0xAB) continue;
        if (counted == off_hit) return p;
        ++counted;
    }
    return p;
}

} // namespace

int SEARCH_ResultsByOccurrence()
{
    return search_out_bk.tab == 1 ? 1 : 0;
}

int SEARCH_ResultColumns(SEARCH_LIST_COLUMN out[4])
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (o.tab == 1 && o.str_type == 0) {
        out[0] = {10087, 140};
        out[1] = {10088, 100};
        out[2] = {10089, 5000};
        return 3;
    }
    if (o.tab == 1) {
        out[0] = {10094, 140};
        out[1] = {10095, 100};
        out[2] = {10096, 60};
        out[3] = {10097, 5000};
        return 4;
    }
    out[0] = {10043, 140};
    out[1] = {10044, 5000};
    return 2;
}

int SEARCH_ResultRowCount()
{
    if (!HaveResults()) return 0;
    return SEARCH_ResultsByOccurrence() ? search_out_bk.hit_patterns : search_out_bk.hit_verses;
}

int SEARCH_ResultsDatawindow()
{
    if (status.res_visible && status.id_results >= 0 && status.id_results < status.num_windows) return status.id_results;
    return search_out_bk.datawindow;
}

int32_t SEARCH_ResultRowRecord(int row)
{
    if (row < 0 || row >= SEARCH_ResultRowCount()) return -1;
    if (SEARCH_ResultsByOccurrence()) return search_out_bk.ex_results_array[row].off_record;
    return search_out_bk.results_array[row];
}

int SEARCH_ResultVerseIndex(int row)
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (!HaveResults()) return 0;
    if (!SEARCH_ResultsByOccurrence()) return row < 0 ? 0 : (row >= o.hit_verses ? o.hit_verses - 1 : row);
    const int32_t record = SEARCH_ResultRowRecord(row);
    for (int i = 0; i < o.hit_verses; ++i)
        if (o.results_array[i] == record) return i;
    return 0;
}

int SEARCH_SortModeOfColumn(int column)
{
    const SEARCH_OUT_BK& o = search_out_bk;
    if (o.tab != 1) return -1;
    if (o.str_type == 1) {
        static const int modes[3] = {0, 2, 1};
        return column >= 0 && column < 3 ? modes[column] : -1;
    }
    return column == 0 ? 0 : (column == 1 ? 2 : -1);
}

int SEARCH_ResultRow(int row, SEARCH_RESULT_ROW* out)
{
    std::memset(out, 0, sizeof *out);
    const int32_t record = SEARCH_ResultRowRecord(row);
    const int dw = SEARCH_ResultsDatawindow();
    if (record < 0 || dw < 0 || dw >= status.num_windows || dw >= MAX_DATAWINDOWS) return 0;
    static BOOK_RECORD rec;
    rec.offset = record;
    rec.book_position.number = dw;
    if (!BK_CtiRecord(&rec)) return 0;
    rec.buffer[BOOK_RECORD_BUFFER - 1] = '\0';
    BK_GenerujPopisku(&rec, dw, 1);
    Copy(out->label, sizeof out->label, rec.name, std::strlen(rec.name));
    // Leading spaces of Hebrew labels do not belong in a list.
    char* l = out->label;
    while (*l == ' ') ++l;
    if (l != out->label) std::memmove(out->label, l, std::strlen(l) + 1);
    for (std::size_t n = std::strlen(out->label); n > 0 && out->label[n - 1] == ' '; --n) out->label[n - 1] = '\0';
    out->script = datawindow[dw].language;

    const SEARCH_OUT_BK& o = search_out_bk;
    if (SEARCH_ResultsByOccurrence()) {
        const int length = static_cast<int>(std::strlen(rec.buffer));
        int hit = o.ex_results_array[row].off_hit;
        int word_at = -1, word_length = 0;
        if (hit >= 0 && hit < length) {
            if (o.str_type == 0) {
                int p = hit, n = 0;
                if (GetStrongWord(rec.buffer, &p, &n)) {
                    word_at = p;
                    word_length = n;
                }
            } else {
                word_at = RecordPosition(rec.buffer, hit);
                int e = word_at;
                while (e < length && rec.buffer[e] != '|' &&
                       !IsWordSeparator(static_cast<unsigned char>(rec.buffer[e]), o.type))
                    ++e;
                word_length = e - word_at;
            }
        }
        if (word_at >= 0 && word_length > 0) {
            Copy(out->word, sizeof out->word, rec.buffer + word_at, static_cast<std::size_t>(word_length));
            if (o.type == 1 || datawindow[dw].language == 1) {
                const std::size_t n = std::strlen(out->word);
                for (std::size_t i = 0; i < n / 2; ++i) {
                    const char t = out->word[i];
                    out->word[i] = out->word[n - 1 - i];
                    out->word[n - 1 - i] = t;
                }
            }
        } else {
            std::strcpy(out->word, " ");
        }
        std::strcpy(out->strong, " ");
        if (o.str_type == 1 && word_at >= 0) {
            int p = word_at, n = 0;
            if (GetWordNextStrong(rec.buffer, &p, &n) && n > 6)
                std::snprintf(out->strong, sizeof out->strong, "%c%.*s", rec.buffer[p + 2], n - 6, rec.buffer + p + 3);
        }
    }

    StripTags(rec.buffer, rec.buffer, -1);
    StripIgnoreTags(rec.buffer, rec.buffer);
    Copy(out->preview, sizeof out->preview, rec.buffer, std::strlen(rec.buffer));
    if (out->script == 1) {
        const std::size_t n = std::strlen(out->preview);
        for (std::size_t i = 0; i < n / 2; ++i) {
            const char t = out->preview[i];
            out->preview[i] = out->preview[n - 1 - i];
            out->preview[n - 1 - i] = t;
        }
    }
    return 1;
}
