#include "app/win/library_tree.h"

#include <string>
#include <initializer_list>
#include <vector>

#include "app/file_io.h"
#include "app/lang.h"
#include "app/module_menu.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "resource.h"

HTREEITEM hRootTVBook = nullptr;
HTREEITEM hRootTVLex = nullptr;
HTREEITEM hRootTVDic = nullptr;
HTREEITEM hRootTVAix = nullptr;

namespace {

HIMAGELIST g_tree_images = nullptr;


void LoadTreeImages()
{
    if (g_tree_images) return;
    g_tree_images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 11, 0);
    const int bitmaps[] = {IDB_TREE_NOT_OPEN,    IDB_TREE_DIC_CLOSED,  IDB_TREE_DIC_OPEN,      IDB_TREE_LEX_CLOSED,
                           IDB_TREE_LEX_OPEN,    IDB_TREE_BOOK_CLOSED, IDB_TREE_BOOK_OPEN,     IDB_TREE_FOLDER_CLOSED,
                           IDB_TREE_FOLDER_OPEN, IDB_TREE_AUDIO_GREY,  IDB_TREE_AUDIO};
    for (int b : bitmaps) {
        HBITMAP bmp = static_cast<HBITMAP>(LoadImageA(hInst, MAKEINTRESOURCEA(b), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (bmp) {
            ImageList_AddMasked(g_tree_images, bmp, RGB(255, 0, 255));
            DeleteObject(bmp);
        }
    }
}

HTREEITEM Insert(HTREEITEM parent, const char* text, int image, int selected, LPARAM number)
{
    TVINSERTSTRUCTA ins = {};
    ins.hParent = parent ? parent : TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    ins.item.pszText = const_cast<char*>(text);
    ins.item.iImage = image;
    ins.item.iSelectedImage = selected;
    ins.item.lParam = number;
    return reinterpret_cast<HTREEITEM>(SendMessageA(hWndTV, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
}

void SetImage(HTREEITEM item, int image, int selected)
{
    TVITEMA it = {};
    it.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    it.hItem = item;
    it.iImage = image;
    it.iSelectedImage = selected;
    SendMessageA(hWndTV, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

LPARAM ItemNumber(HTREEITEM item)
{
    TVITEMA it = {};
    it.mask = TVIF_PARAM | TVIF_HANDLE;
    it.hItem = item;
    if (!SendMessageA(hWndTV, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return TREE_FOLDER;
    return it.lParam;
}

int OpenImageOf(int type)
{
    switch (type) {
    case MODULE_BOOK: return idx_book_open;
    case MODULE_LEXICON: return idx_lex_open;
    case MODULE_DICTIONARY: return idx_dic_open;
    default: return idx_book_gray;
    }
}

int CountOf(int type)
{
    switch (type) {
    case MODULE_BOOK: return status.files_book_count;
    case MODULE_LEXICON: return status.files_lex_count;
    case MODULE_DICTIONARY: return status.files_dic_count;
    default: return 0;
    }
}

int ModuleImage(int id_file)
{
    return datafile[id_file].opened ? OpenImageOf(datafile[id_file].type) : idx_book_gray;
}

HTREEITEM MakeRoot(int section)
{
    char text[128];
    switch (section) {
    case MENU_SECTION_BOOK: {
        LANG_LoadString(nullptr, IDS_TREE_BOOKS, text, sizeof text);
        const int img = CountOf(MODULE_BOOK) > 0 ? idx_book_closed : idx_book_gray;
        return hRootTVBook = Insert(nullptr, text, img, img, TREE_ROOT_BOOK);
    }
    case MENU_SECTION_LEXICON: {
        LANG_LoadString(nullptr, IDS_TREE_LEXICONS, text, sizeof text);
        const int img = CountOf(MODULE_LEXICON) > 0 ? idx_lex_closed : idx_book_gray;
        return hRootTVLex = Insert(nullptr, text, img, img, TREE_ROOT_LEX);
    }
    case MENU_SECTION_DICTIONARY: {
        LANG_LoadString(nullptr, IDS_TREE_DICTIONARIES, text, sizeof text);
        const int img = CountOf(MODULE_DICTIONARY) > 0 ? idx_dic_closed : idx_book_gray;
        return hRootTVDic = Insert(nullptr, text, img, img, TREE_ROOT_DIC);
    }
    default: {
        LANG_LoadString(nullptr, IDS_TREE_AUDIO, text, sizeof text);
        const int img = status.aix_found > 0 ? idx_audio : idx_audio_gray;
        return hRootTVAix = Insert(nullptr, text, img, img, TREE_ROOT_AIX);
    }
    }
}

HTREEITEM RootOf(int section)
{
    switch (section) {
    case MENU_SECTION_BOOK: return hRootTVBook;
    case MENU_SECTION_LEXICON: return hRootTVLex;
    case MENU_SECTION_DICTIONARY: return hRootTVDic;
    default: return hRootTVAix;
    }
}

} // namespace

HWND CreateTreeView(HWND frame)
{
    hWndTV = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, nullptr,
                             WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                             0, 0, status.tree_width, 100, frame,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TREEVIEW)), hInst, nullptr);
    if (hWndTV) SendMessageA(hWndTV, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hWndTV;
}

int UpdateTreeViewFromCFG()
{
    if (!hWndTV) return 0;
    SendMessageA(hWndTV, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hWndTV, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    hRootTVBook = hRootTVLex = hRootTVDic = hRootTVAix = nullptr;
    for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i) datafile[i].hTreeItem = nullptr;
    LoadTreeImages();
    SendMessageA(hWndTV, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(g_tree_images));

    const std::string path = status.sevir_cd == 1 ? std::string(status.sevir_cd_cfglib_path)
                                                  : SvJoinPath(SvCurrentDirectory(), "library.cfg");
    std::vector<MODULE_MENU_ENTRY> entries;
    std::vector<int> order;
    const int used = BuildModuleMenuEntries(path, &entries, &order);
    // The roots the file names, in its order; then the others.
    for (int s : order) MakeRoot(s);
    for (int s : {MENU_SECTION_DICTIONARY, MENU_SECTION_LEXICON, MENU_SECTION_BOOK, MENU_SECTION_AUDIO})
        if (!RootOf(s)) MakeRoot(s);

    HTREEITEM stack[4][10] = {};
    for (int s = 0; s < 4; ++s) stack[s][0] = RootOf(s);
    for (const MODULE_MENU_ENTRY& e : entries) {
        if (e.section < 0 || e.section > 3) continue;
        HTREEITEM* levels = stack[e.section];
        switch (e.kind) {
        case MODULE_MENU_ENTRY::FOLDER:
            if (e.level >= 1 && e.level < 10 && levels[e.level - 1]) {
                levels[e.level] = Insert(levels[e.level - 1], e.text.c_str(), idx_folder_closed, idx_folder_open,
                                         TREE_FOLDER);
                for (int k = e.level + 1; k < 10; ++k) levels[k] = nullptr;
            }
            break;
        case MODULE_MENU_ENTRY::MODULE: {
            // An item whose folder is missing goes into the root.
            HTREEITEM parent = e.level >= 0 && e.level < 10 && levels[e.level] ? levels[e.level] : levels[0];
            const int img = ModuleImage(e.id_file);
            datafile[e.id_file].hTreeItem = Insert(parent, e.text.c_str(), img, img, e.id_file);
            break;
        }
        case MODULE_MENU_ENTRY::SEPARATOR:
            break;
        }
    }
    SendMessageA(hWndTV, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hWndTV, nullptr, TRUE);
    return used;
}

void LANG_UpdateTreeRootStrings()
{
    if (!hWndTV) return;
    const struct {
        HTREEITEM item;
        int id;
    } roots[] = {{hRootTVBook, IDS_TREE_BOOKS}, {hRootTVLex, IDS_TREE_LEXICONS}, {hRootTVDic, IDS_TREE_DICTIONARIES},
                 {hRootTVAix, IDS_TREE_AUDIO}};
    for (const auto& r : roots) {
        if (!r.item) continue;
        char text[128];
        LANG_LoadString(nullptr, r.id, text, sizeof text);
        TVITEMA it = {};
        it.mask = TVIF_TEXT | TVIF_HANDLE;
        it.hItem = r.item;
        it.pszText = text;
        SendMessageA(hWndTV, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
    }
}

void LIB_RefreshTreeImages()
{
    if (!hWndTV) return;
    for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i)
        if (datafile[i].hTreeItem) {
            const int img = ModuleImage(i);
            SetImage(static_cast<HTREEITEM>(datafile[i].hTreeItem), img, img);
        }
}

void LIB_TreeDoubleClick()
{
    if (!hWndTV || SearchDialogOpen()) return;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(hWndTV, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return;
    const LPARAM number = ItemNumber(item);
    if (number < 0 || number >= status.files_all) return;  // roots and folders
    const int k = static_cast<int>(number);
    ProcessFileMenuCommand(status.bk_last_book, IDM_MODULE_BASE, IDM_MODULE_BASE + k, 0);
    if (datafile[k].opened) {
        const int img = OpenImageOf(datafile[k].type);
        SetImage(item, img, img);
    }
}

void LIB_TreeItemExpanded(HTREEITEM item, bool expanded)
{
    if (!hWndTV || !item || ItemNumber(item) != TREE_FOLDER) return;
    const int img = expanded ? idx_folder_open : idx_folder_closed;
    SetImage(item, img, idx_folder_open);
}

void LIB_DestroyTreeImages()
{
    if (g_tree_images) ImageList_Destroy(g_tree_images);
    g_tree_images = nullptr;
    hRootTVBook = hRootTVLex = hRootTVDic = hRootTVAix = nullptr;
}
