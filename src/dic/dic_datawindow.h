// The part of a dictionary window that needs no window: its data-window record.
#pragma once

// A new dictionary window record in slot num_windows for dictionary id_file:
// the window limit (string 10004), the shared file, the record's identity,
// the header read (string 10008 on failure; the slot is given back),
// sync 1 and no_jumps 0, direction 0, a note column of 25 and a split of 50 percent, and the 50
// list lines (string 10006 with 13600 when memory runs out). Returns the new
// index or -1.
int DIC_OpenDatawindow(int id_file);
