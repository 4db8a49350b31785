// The searches of lexicons: text, Strong's number and reference, record by
// record over the full text of each record (body and header items). The
// outcome is the lexicon window's filter (0 for the records found) and its
// search_out_lx.
#pragma once

// Text search of the lexicon of data window search_in.datawindow with the
// request in search_in (as for books; in_lex_results searches only the
// records that the filter shows). Returns 1 when records were found, 0 when
// none were (the previous filter is kept), -1 when nothing was searched.
int SEARCH_LexText();

// Strong's number search (str_language, str_number) in the lexicon.
int SEARCH_LexStrong();

// Cross references into the bounds of reference history entry row.
int SEARCH_LexReference(int row);

// Drops the prepared texts of the lexicon of catalogue entry id_file (when
// its file closes).
void SEARCH_DropLexiconImage(int id_file);
