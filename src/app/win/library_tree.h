// The library tree pane at the left of the frame: the four roots, the
// folders of "library.cfg" and the modules, with images that follow the
// open windows.
#pragma once

#include <windows.h>
#include <commctrl.h>

extern HTREEITEM hRootTVBook;
extern HTREEITEM hRootTVLex;
extern HTREEITEM hRootTVDic;
extern HTREEITEM hRootTVAix;

// Image-list positions of the tree images.
enum : int {
    idx_book_gray = 0,
    idx_dic_closed = 1,
    idx_dic_open = 2,
    idx_lex_closed = 3,
    idx_lex_open = 4,
    idx_book_closed = 5,
    idx_book_open = 6,
    idx_folder_closed = 7,
    idx_folder_open = 8,
    idx_audio_gray = 9,
    idx_audio = 10,
};

// Item numbers of the roots (folders carry -1, modules their catalogue index).
constexpr LPARAM TREE_ROOT_BOOK = -11;
constexpr LPARAM TREE_ROOT_LEX = -12;
constexpr LPARAM TREE_ROOT_DIC = -13;
constexpr LPARAM TREE_ROOT_AIX = -14;
constexpr LPARAM TREE_FOLDER = -1;

// Creates the tree view as child 112 of the frame; returns it.
HWND CreateTreeView(HWND frame);
// Rebuilds the tree; returns 1 when "library.cfg" was used.
int UpdateTreeViewFromCFG();
// Relabels the roots in the current language.
void LANG_UpdateTreeRootStrings();
// Gives every module item the image of its state (open or not).
void LIB_RefreshTreeImages();
// Double-click on the selected item: opens its module.
void LIB_TreeDoubleClick();
// A folder was expanded or collapsed.
void LIB_TreeItemExpanded(HTREEITEM item, bool expanded);
// Releases the tree's image list.
void LIB_DestroyTreeImages();
