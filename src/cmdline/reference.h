// Typed references: "Gen 3:16", "1 Sam 3 4", "jude" are split into a book
// name, chapter and verse and recognised against the book names of the
// current language (strings 10201-10266) and the book table of a window.
#pragma once

#include <cstdint>

#include "books/book_types.h"

constexpr int CMD_TEXT_MAX = 300;  // characters of a typed reference that count
constexpr int CMD_NAMES = 8;       // name slots of a book entry (7 are used)
constexpr int CMD_NAME_MAX = 15;   // characters of one name

// One book entry of the language file split into its parts: "OTDeut,Deuteronomy,Dt".
struct _CMD_STRINGS {
    int32_t number;  // string id, 10201 to 10266
    char sync_name[8];
    char text[CMD_NAMES][16];
};

// 1 for the separators " ", ":", ";", ",", ".", "-"; 0 otherwise.
int CMD_IsCmdlineSeparator(int c);

// Removes every separator from text and lower-cases the rest in place, in
// the code page of the current language.
void CMD_SimplifyBookName(char* text);

// Splits text in place into the simplified book name (left in text), the
// chapter and the verse; both numbers absent give 1:1, a number below 1
// becomes 1. Returns 1.
int CMD_ParseInput(char* text, int32_t* chapter, int32_t* verse);

// Fills entry->sync_name and entry->text from string entry->number. Returns
// 0 when the number is outside 10201-10266, there is no such string, the
// sync name is not followed by a comma within 7 characters, or a name runs
// past 15 characters.
int CMD_SeparateLNGString(_CMD_STRINGS* entry);

// Recognises text against the book window position->number: 2 when it names
// exactly one book entry, 1 when several, 0 when it is no valid reference for
// that window's module. On 1 and 2 position gets book (1-based), chapter and
// verse; on 0 they are set to 0.
int CMD_RecognizeReference(const char* text, BOOK_POSITION* position);

// 1 when position lies within from .. to (book, chapter, verse; number is
// ignored), else 0.
int CompareReference(const BOOK_POSITION& position, const BOOK_POSITION& from, const BOOK_POSITION& to);
