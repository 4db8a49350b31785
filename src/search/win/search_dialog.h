// The search dialog: a modeless frame with a tab strip (Text, Strong's
// number, Reference, Results); each tab is a child dialog created when it is
// selected. The request lives in search_in, the outcome in search_out_bk and
// in the lexicon windows.
#pragma once

#include <windows.h>

#include "books/book_types.h"

// Makes the search commands live, fills the dialog's side of the hooks
// between the search and the results window, and re-translates an open
// dialog after a language change. Called once when the frame is created.
void SEARCH_InstallWindowHooks();

// The main window's commands 1840, 1850, 1860 and 9810 (Ctrl+F).
void SEARCH_MainCommand(int command);

// Opens the dialog (or switches the open one) on the request as it is in
// search_in, for data window dw: in_results 0 a new search, 1 a search in
// the book results. The tab, pattern and script are those search_in holds.
void SEARCH_OpenPrepared(int dw, int in_results);

// Closes the dialog when it is open.
void CloseSearchDialog();

// The frame procedure and the procedure of the four tabs.
INT_PTR CALLBACK SearchDlg(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ChildTabDlg(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);

// The child dialog of the selected tab (null without the dialog).
HWND SEARCH_CurrentTab();

// Selects tab (0 text, 1 Strong's, 2 reference, 3 results) as a click on the
// tab strip does.
void SEARCH_SelectTab(int tab);

// Re-reads the tab labels and the column headers after a language change.
void UpdateTabStrings();

// Fits the tab strip into the frame with a margin of 2 pixels and the child
// dialog into the tab strip's display area.
void SizeDialog(HWND hDlg, HWND hChild, HWND hTab);

// The first open catalogue module of type (0 book, 1 lexicon), or -1.
int IsFileTypeOpen(int type);

// Replaces the pattern combo box id_combo of dialog hDlg by a new one in the
// font of the script (0 Latin, 1 Hebrew, 2 Greek), its edit field typing
// through the keyboard maps. Returns 0 when the control is missing.
int SetComboPatternLanguage(HWND hDlg, int language, int id_combo);
// The module combo of the open tab: the open modules of type, id_file
// selected; with id_file -1 and type 0 only the module searched in results.
int FillComboFiles(int id_file, int type, int id_combo);
// The pattern history entries that fit the tab, newest first.
void FillComboPatterns(HWND hDlg, int id_combo);
// The reference history, row select selected.
int FillComboReferences(HWND hDlg, int id_combo, int select);
// The book modules that interpret references: with mode 1 every open one,
// else only id_file; id_file -1 gives the warning row.
int FillRefComboSBKFiles(int id_file, int mode, int id_combo);

// The results list of the Results tab (control 3300 of dialog 3027).
void InitResultsListView(HWND hList);
int ResultsListViewNotify(HWND hDlg, int id, NMHDR* notify);
int Mark_Column_Results(HWND hList, int str_type, int column);
void ResultsList_OnDrawItem(const DRAWITEMSTRUCT* dis);
// Empties the results list of an open Results tab.
void SEARCH_ClearResultsList();

// Ranges: the range combo box of the module in row module_row of the module
// combo (-1 search in results, -2 lexicons), selecting row select.
void FillComboOfRanges(HWND hDlg, int module_row, int select, int id_combo);
// The "Select range" dialog (3500) on two positions; returns 1 on OK, 0
// otherwise (the positions' number are then -1).
int GetNewRangeOfSearch(BOOK_POSITION* bp_from, BOOK_POSITION* bp_to);
INT_PTR CALLBACK RangeDlg(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);
// The open range dialog, or null.
HWND SEARCH_RangeDialog();
