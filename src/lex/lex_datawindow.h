// The part of a lexicon window that needs no window: its data-window record.
#pragma once

// A new lexicon window record in slot num_windows for lexicon id_file: the
// window limit (string 10004), the shared file, the record's identity, the
// header read (string 10008 on failure; the slot is given back), a list
// width of 60 and the 50 list lines (string 10006 when memory runs out).
// Returns the new index or -1.
int LX_OpenDatawindow(int id_file);

// Shows the list from the first filtered-in record at or after record (the
// window layer then shows lines, article and scroll bar). Returns 1 when the
// list was filled.
int LX_PocatecniVypis(int id, int record);
