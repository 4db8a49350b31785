// The rows of the results list: which columns the last book search has, how
// many rows, and what each row shows (verse label, word, Strong's number,
// plain text of the verse).
#pragma once

#include <cstdint>

struct SEARCH_LIST_COLUMN {
    int string_id;  // title
    int width;      // pixels
};

// The columns of the current outcome (search_out_bk.tab, str_type): 2 for
// text and reference results, 3 for a Strong's number search, 4 for a
// Strong's word search. Returns their number.
int SEARCH_ResultColumns(SEARCH_LIST_COLUMN out[4]);

// 1 when the rows are single occurrences (Strong's results).
int SEARCH_ResultsByOccurrence();

// Rows of the list: hit_verses, or hit_patterns for Strong's results (0
// without arrays).
int SEARCH_ResultRowCount();

// The data window whose module the results come from: the results window
// while it is shown, else the searched one.
int SEARCH_ResultsDatawindow();

// The record offset of row, or -1.
int32_t SEARCH_ResultRowRecord(int row);

// The index in results_array of the verse of row (text and reference
// results: the row itself within 0 .. hit_verses - 1; Strong's results: the
// entry with the row's record, 0 when none has it).
int SEARCH_ResultVerseIndex(int row);

// The sort mode of a click on column (Strong's results only), or -1.
int SEARCH_SortModeOfColumn(int column);

struct SEARCH_RESULT_ROW {
    char label[64];     // verse label
    char word[64];      // the occurrence's word, " " when none
    char strong[24];    // language letter and number of the tag after it, " " when none
    char preview[512];  // plain text (Hebrew reversed for display)
    int script;         // of the preview: 0 Latin, 1 Hebrew, 2 Greek
};

// Reads the record of row and fills out. Returns 1, or 0 (out empty) when
// the row does not exist or its record cannot be read.
int SEARCH_ResultRow(int row, SEARCH_RESULT_ROW* out);
