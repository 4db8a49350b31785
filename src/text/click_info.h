// What a click into the text of a book, lexicon or results window hit: the
// verse, the word and its script, a Strong's number or reference link, a
// verse label, and the tags that follow the word in the module text.
//
// The analysis asks the rich-text view only a few questions (RICH_VIEW); the
// window layer answers them from the real control, the tests from a model.
#pragma once

#include <cstdint>

#include "books/book_types.h"

struct RTFCLICK {
    // Inputs: the caller clears the record and fills these.
    int32_t in_id;          // data window clicked
    char* in_buf;           // the view's plain text (paragraphs end with CR LF)
    int32_t in_pointl[2];   // x, y in the view's client coordinates
    int32_t in_size;        // capacity of in_buf
    int32_t in_select_l, in_select_r;
    int32_t in_lx_record;   // lexicon windows: the record on display

    // Outputs, each valid while its flag is 1.
    int32_t out_id;
    BOOK_POSITION out_bp;
    char out_syncname[16];
    int32_t out_language;  // 0 Latin, 1 Hebrew, 2 Greek
    int32_t out_word_l, out_word_r;  // first and last character of the word in in_buf
    int32_t out_results_index;
    char out_ref_syncname[16];
    BOOK_POSITION out_ref_bp;
    int32_t out_tag_area_l;  // offset in the record text just after the word
    int32_t out_tag_area_r;  // length of the tags that follow it
    int32_t out_strong_language;  // 1 Hebrew, 2 Greek
    int32_t out_strong_number;
    int32_t out_ref_clicked;  // 1 on a verse label

    int32_t flag_reference, flag_strong, flag_id, flag_results_index, flag_word, flag_language, flag_tag_area,
        flag_ref_clicked;
};

// The one click record of the program.
extern RTFCLICK rtfclick;

// The questions click analysis asks of a rich-text view, by character index.
class RICH_VIEW {
public:
    virtual ~RICH_VIEW() = default;
    virtual int CharFromPoint(int x, int y) = 0;  // -1 outside the text
    virtual bool IsUnderline(int position) = 0;
    virtual bool IsLabel(int position) = 0;       // drawn in the verse-label colour
    virtual int ScriptAt(int position) = 0;       // by the font: 0 Latin, 1 Hebrew, 2 Greek
};

// The record text a click is matched against, read for the clicked window:
// for a book window the verse click->out_bp, for a lexicon window record
// click->in_lx_record. Returns the NUL-terminated text, or null after a
// failed read (the reader has told the user then).
using ClickRecordReader = const char* (*)(const RTFCLICK& click);

// The verse of a click in the results view, which only the results window
// knows: from the view's text and the end of the clicked paragraph it gives
// the verse (in its own book table) and the results index. Returns 1, or 0
// when the click is on no result. Null until the results window sets it.
using ResultsClickVerse = int (*)(int id, const char* text, int length, int para_end, BOOK_POSITION* verse,
                                  int* index);
extern ResultsClickVerse g_results_click_verse;

// Fills the outputs of click for the view of window click->in_id. Returns 1.
int AnalyseClick(RTFCLICK* click, RICH_VIEW& view, ClickRecordReader read_record);

// The pieces of the analysis, for the window layers and the tests.

// A clicked underlined run: "G25"/"H430" (a Strong's number: *strong_language
// 1 or 2 and *strong_number) returns 1; "name chapter:verse" returns 2 with
// the name (blanks and non-breaking spaces trimmed) in name (size bytes),
// chapter and verse; anything else 0.
int ParseLinkRun(const char* run, int length, int* strong_language, int* strong_number, char* name, int name_size,
                 int* chapter, int* verse);

// Where the k-th (1-based) whole-word occurrence of word (length bytes)
// ends in the record text: the offset just after it, or -1. Tags ("|" and
// two letters) separate words; the contents of Strong's, reference,
// morphology and lemma tags are not text; nor are the classes window id does
// not show (notes, prefaces, variants, added words). When there are fewer
// occurrences, the last one counts.
int FindWordInRecord(const char* record, const char* word, int length, int k, int id);

// For a Greek word that a translation shows from a lemma tag ("|LG" word
// "|Lg"): where the translated word the lemma belongs to ends in the record
// text (its tags follow there), for the k-th such lemma (the last when there
// are fewer); -1 when there is none.
int FindLemmaWord(const char* record, const char* word, int length, int k);

// How often word (length bytes) occurs as a whole word of the given script
// in text[from, to).
int CountWordOccurrences(const char* text, int from, int to, const char* word, int length, int language);
