// The article of a lexicon window: the record of the top list line as one
// RTF document (header labels with their items, then the body), and the
// keyword as Unicode for the clipboard.
#pragma once

#include <string>

// Reads the top line's record in full and writes the document into
// bk_rtfdata (count set, offset 0). Returns its length, or 0 when the list
// is empty or the record cannot be read (the document is then empty).
int LX_ZobrazComment(int id);

// The keyword (display codes in reading order) of a lexicon of language 1
// or 2 as UTF-16 text; empty for other languages.
std::u16string LX_KeywordUnicode(const char* keyword, int language);
