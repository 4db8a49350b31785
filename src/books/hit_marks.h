// Search-hit marks in verse and article text: "|SS" before and "|Ss" after
// every hit of the last search, inserted into the text before it is
// rendered; the tag parser draws the marked spans in the hit colour.
#pragma once

#include <cstdint>

#include "books/book_types.h"

// At most this many hits are marked in one text.
constexpr int HIT_MARKS_MAX = 128;
// The marks of a verse stop before its text would grow beyond this length.
constexpr int HIT_MARKS_TEXT_LIMIT = 127999;

// Marks in g_book_record.buffer the hits of the last book search
// (search_out_bk), each for its kind of search. All return 1.
int BK_SelectTextHits();           // text search (tab 0)
int BK_SelectStrongNumberHits();   // Strong's search by number (tab 1, str_type 0)
int BK_SelectStrongTextHits();     // Strong's search by word (tab 1, str_type 1)
int BK_SelectReferenceHits();      // reference search (tab 2)

// The marking that fits search_out_bk, for a verse of results window id.
void BK_SelectHits(int id);

// Makes window id the window whose book table resolves the reference tags
// of the last reference search: in search_out_bk (mode 0) or in the
// search_out_lx of lexicon window id (mode 1). Returns 1.
int UpdateReferenceColoringParam(int mode, int id);

// ---------------------------------------------------------------- shared parts

// One marked span: text[start] .. text[end - 1].
struct HIT_SPAN {
    int32_t start;
    int32_t end;
};

// A text request as the searches keep it: type (script), the options, the
// pattern as typed and the prepared subpatterns.
struct HIT_TEXT_REQUEST {
    int type;
    int case_sensitive;
    int ignore_vowels;
    int search_for;  // 0 any word, 1 all words, 2 phrase
    const char* pattern;
    int subpatterns;
    const char (*subpattern)[64];
};

// The hit spans of a text request in text (NUL-terminated): mask is the
// StripTags mode the text is masked with before matching (0: none), widen 1
// widens every span to the end of its word (the words that carry Strong's
// numbers). At most HIT_MARKS_MAX spans, in ascending order, without
// overlaps. Returns their number.
int HIT_CollectTextSpans(const char* text, const HIT_TEXT_REQUEST& request, int mask, int widen, HIT_SPAN* spans);

// The spans of the tags "|R" letter ... "|R" lower-case letter whose value
// accept(context, value, length) takes, each covering the whole tag.
int HIT_CollectTagSpans(const char* text, char letter, int (*accept)(void*, const char*, int), void* context,
                        HIT_SPAN* spans);

// The spans of the Strong's tags of language (1 Hebrew, 2 Greek) with the
// given number, and of the cross references that window dw resolves inside
// from ... to.
int HIT_CollectStrongSpans(const char* text, int language, int32_t number, HIT_SPAN* spans);
int HIT_CollectReferenceSpans(const char* text, int dw, const BOOK_POSITION& from, const BOOK_POSITION& to,
                              HIT_SPAN* spans);

// Inserts the marks of count spans (ascending, not overlapping) into text,
// which holds capacity bytes; stops before a pair would make the text longer
// than limit (and leaves one byte for the NUL). Returns the pairs inserted.
int HIT_InsertMarks(char* text, int capacity, int limit, const HIT_SPAN* spans, int count);
