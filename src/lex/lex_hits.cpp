#include "lex/lex_hits.h"

#include "app/records.h"
#include "books/hit_marks.h"
#include "search/book_search.h"

namespace {

bool Valid(int id)
{
    return id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS && datawindow[id].type == MODULE_LEXICON;
}

void Insert(char* text, int size, const HIT_SPAN* spans, int n)
{
    HIT_InsertMarks(text, size, size - 1, spans, n);
}

} // namespace

int LX_SelectTextHits(int id, char* text, int size)
{
    if (!Valid(id) || !text || size <= 0) return 1;
    const SEARCH_OUT_LX& o = datawindow[id].search_out_lx;
    // Only the words of the searched script take part.
    const int mask = o.type == 1 ? -3 : (o.type == 2 ? -4 : -2);
    const HIT_TEXT_REQUEST request{o.type, o.case_sensitive, o.ignore_vowels, o.search_for, o.pattern, o.subpatterns,
                                   o.subpattern};
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int n = HIT_CollectTextSpans(text, request, mask, 0, spans);
    Insert(text, size, spans, n);
    return 1;
}

int LX_SelectStrongHits(int id, char* text, int size)
{
    if (!Valid(id) || !text || size <= 0) return 1;
    const SEARCH_OUT_LX& o = datawindow[id].search_out_lx;
    if (o.str_language != 1 && o.str_language != 2) return 1;
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int n = HIT_CollectStrongSpans(text, o.str_language, o.str_number, spans);
    Insert(text, size, spans, n);
    return 1;
}

int LX_SelectReferenceHits(int id, char* text, int size)
{
    if (!Valid(id) || !text || size <= 0) return 1;
    const SEARCH_OUT_LX& o = datawindow[id].search_out_lx;
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int n = HIT_CollectReferenceSpans(text, o.ref_bp_from.number, o.ref_bp_from, o.ref_bp_to, spans);
    Insert(text, size, spans, n);
    return 1;
}

void LX_SelectHits(int id, char* text, int size)
{
    if (!Valid(id) || !text || size <= 0) return;
    const SEARCH_OUT_LX& o = datawindow[id].search_out_lx;
    if (o.hit_verses <= 0) return;
    text[size - 1] = '\0';
    switch (o.tab) {
    case 0:
        LX_SelectTextHits(id, text, size);
        break;
    case 1:
        // Strong's searches by word mark nothing in an article.
        if (o.str_type == 0) LX_SelectStrongHits(id, text, size);
        break;
    case 2:
        LX_SelectReferenceHits(id, text, size);
        break;
    default:
        break;
    }
}
