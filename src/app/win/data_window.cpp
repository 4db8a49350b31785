#include "app/win/data_window.h"

#include <windowsx.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/module_menu.h"
#include "app/records.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "resource.h"

namespace {

constexpr int kScrollWidth = 16;



void Book_OnDestroy(int id)
{
    ZrusDatawindow(id);
    UsporadejOkna();
    BK_UpdateAllBookWindows();
    if (status.num_windows == 0) {
        BK_UpdateNavigator(BOOK_POSITION{}, -1, 3);
        g_status_text[1][0] = '\0';
        UpdateStatusBar(-1, -1);  // the library part counts the open modules
        status.bk_last_book = 0;
    } else {
        HWND active = g_hMDIClient ? reinterpret_cast<HWND>(SendMessageA(g_hMDIClient, WM_MDIGETACTIVE, 0, 0)) : nullptr;
        const int a = FindDatawindowOfHwnd(active);
        status.bk_last_book = a >= 0 ? a : 0;
        UpdateStatusBar(status.bk_last_book, -1);
    }
    UpdateButonStates();
    // The MDI client still lists the window while it is destroyed: tile
    // again once it has gone.
    if (hMain) PostMessageA(hMain, WM_SEVIR_RETILE, 0, 0);
}

void Book_OnActivate(int id)
{
    status.bk_last_book = id;
    if (datawindow[id].compare != 1) BK_UpdateNavigator(datawindow[id].book_position, id, 0);
    UpdateButonStates();
    UpdateStatusBar(id, -1);
}

BOOL Book_OnCreate(HWND, LPCREATESTRUCT) { return TRUE; }

void Book_OnClose(HWND hwnd)
{
    // A search over the open modules must not lose its window.
    if (SearchDialogOpen()) {
        MessageBeep(MB_OK);
        return;
    }
    FORWARD_WM_CLOSE(hwnd, DefMDIChildProcA);
}

void Book_OnDestroyMessage(HWND hwnd)
{
    RemovePropA(hwnd, "SevirRenderLater");
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0) Book_OnDestroy(id);
}

bool g_defer_rendering = false;

void Book_OnSize(HWND hwnd, UINT state, int cx, int cy)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0) {
        if (state != SIZE_MINIMIZED && g_defer_rendering) {
            // The text is laid out and rendered for the new size from one
            // posted message, however often the window is resized meanwhile.
            if (!GetPropA(hwnd, "SevirRenderLater")) {
                SetPropA(hwnd, "SevirRenderLater", reinterpret_cast<HANDLE>(1));
                PostMessageA(hwnd, WM_SEVIR_RENDER_LATER, 0, 0);
            }
        } else {
            LayoutBookWindow(id);
            if (state != SIZE_MINIMIZED) {
                BK_UpdateOneBookWindow(id);
                BK_NastavScroll(id);
            }
        }
    }
    FORWARD_WM_SIZE(hwnd, state, cx, cy, DefMDIChildProcA);
}

void Book_OnMDIActivate(HWND hwnd, BOOL active, HWND activated, HWND deactivated)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0 && activated == hwnd) Book_OnActivate(id);
    (void)active;  // the message carries only the two windows
    FORWARD_WM_MDIACTIVATE(hwnd, active, activated, deactivated, DefMDIChildProcA);
}

void Book_OnSetFocus(HWND hwnd, HWND)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0 && datawindow[id].hrichedit) SetFocus(static_cast<HWND>(datawindow[id].hrichedit));
}

void Book_OnKey(HWND hwnd, UINT vk, BOOL down, int repeat, UINT flags)
{
    // Keys that scroll go to the book window last active, like the scroll bar.
    const int code = BK_ScrollCodeOfKey(vk);
    if (code < 0) {
        FORWARD_WM_KEYDOWN(hwnd, vk, repeat, flags, DefMDIChildProcA);
        return;
    }
    (void)down;
    const int last = status.bk_last_book;
    if (last >= 0 && last < status.num_windows && datawindow[last].hwnd)
        SendMessageA(static_cast<HWND>(datawindow[last].hwnd), WM_VSCROLL, MAKEWPARAM(code, 0), 0);
}

void Book_OnVScroll(HWND hwnd, HWND, UINT code, int)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0) BK_OnVScroll(id, static_cast<int>(code));
}

void Book_OnCommand(HWND hwnd, int command, HWND control, UINT notify)
{
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id >= 0 && BK_ProcessContextCommand(id, command)) return;
    FORWARD_WM_COMMAND(hwnd, command, control, notify, DefMDIChildProcA);
}

LRESULT BookWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, Book_OnCreate);
        HANDLE_MSG(hwnd, WM_CLOSE, Book_OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, Book_OnDestroyMessage);
        HANDLE_MSG(hwnd, WM_SIZE, Book_OnSize);
        HANDLE_MSG(hwnd, WM_MDIACTIVATE, Book_OnMDIActivate);
        HANDLE_MSG(hwnd, WM_SETFOCUS, Book_OnSetFocus);
        HANDLE_MSG(hwnd, WM_KEYDOWN, Book_OnKey);
        HANDLE_MSG(hwnd, WM_VSCROLL, Book_OnVScroll);
        HANDLE_MSG(hwnd, WM_COMMAND, Book_OnCommand);
    case WM_SEVIR_RENDER_LATER: {
        RemovePropA(hwnd, "SevirRenderLater");
        const int id = FindDatawindowOfHwnd(hwnd);
        if (id >= 0 && !IsIconic(hwnd)) {
            LayoutBookWindow(id);
            BK_UpdateOneBookWindow(id);
            BK_NastavScroll(id);
        }
        return 0;
    }
    default:
        return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    }
}

// Attaches the built submenus: stack of open submenus per level.
HMENU BuildSection(const std::vector<MODULE_MENU_ENTRY>& entries, int section)
{
    HMENU root = CreatePopupMenu();
    HMENU stack[10] = {root};
    for (const MODULE_MENU_ENTRY& e : entries) {
        if (e.section != section) continue;
        switch (e.kind) {
        case MODULE_MENU_ENTRY::FOLDER:
            if (e.level >= 1 && e.level < 10 && stack[e.level - 1]) {
                HMENU folder = CreatePopupMenu();
                AppendMenuA(stack[e.level - 1], MF_POPUP, reinterpret_cast<UINT_PTR>(folder), e.text.c_str());
                stack[e.level] = folder;
                for (int k = e.level + 1; k < 10; ++k) stack[k] = nullptr;
            }
            break;
        case MODULE_MENU_ENTRY::MODULE:
            if (e.level >= 0 && e.level < 10 && stack[e.level])
                AppendMenuA(stack[e.level], MF_STRING, static_cast<UINT_PTR>(IDM_MODULE_BASE + e.id_file),
                            e.text.c_str());
            break;
        case MODULE_MENU_ENTRY::SEPARATOR:
            AppendMenuA(root, MF_SEPARATOR, 0, nullptr);
            break;
        }
    }
    return root;
}

void ReplacePopup(HMENU parent, int position, HMENU popup, int label_id, bool enabled)
{
    if (!parent || !popup) return;
    char label[128];
    LANG_LoadString(nullptr, label_id, label, sizeof label);
    // The old popup is destroyed with the item, unless it is one of ours.
    HMENU old = GetSubMenu(parent, position);
    if (old == hSubmenuSBK || old == hSubmenuLEX || old == hSubmenuDIC || old == hSubmenuAIX) {
        RemoveMenu(parent, static_cast<UINT>(position), MF_BYPOSITION);
        InsertMenuA(parent, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | (enabled ? MF_ENABLED : MF_GRAYED),
                    reinterpret_cast<UINT_PTR>(popup), label);
    } else {
        ModifyMenuA(parent, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | (enabled ? MF_ENABLED : MF_GRAYED),
                    reinterpret_cast<UINT_PTR>(popup), label);
    }
}

struct DataWindowKind {
    DataWindowProc proc = nullptr;
    ModuleWindowCreator creator = nullptr;
};
DataWindowKind g_kinds[DW_KIND_COUNT];

// The kind of a window record: 0 for a book window.
int KindOf(const DATAWINDOW& w)
{
    if (w.type == MODULE_LEXICON) return DW_KIND_LEXICON;
    if (w.type == MODULE_DICTIONARY) return DW_KIND_DICTIONARY;
    if (w.infowindow == 1) return DW_KIND_INFO;
    if (w.results == 1) return DW_KIND_RESULTS;
    return 0;
}

} // namespace

void RegisterDataWindowKind(int kind, DataWindowProc proc, ModuleWindowCreator creator)
{
    if (kind <= 0 || kind >= DW_KIND_COUNT) return;
    g_kinds[kind] = DataWindowKind{proc, creator};
}

int FindDatawindowOfHwnd(HWND hwnd)
{
    if (!hwnd) return -1;
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (datawindow[i].hwnd == hwnd) return i;
    return -1;
}

LRESULT CALLBACK MDIChildWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd) {
        ReportBug(0, "MDIChildWndProc: hwnd == NULL");
        return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    }
    const int id = FindDatawindowOfHwnd(hwnd);
    if (id < 0) return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    const int kind = KindOf(datawindow[id]);
    if (kind != 0 && g_kinds[kind].proc) return g_kinds[kind].proc(hwnd, msg, wParam, lParam);
    // Kinds whose procedure is not there get the default handling.
    if (kind != 0) {
        if (msg == WM_DESTROY) {
            ZrusDatawindow(id);
            if (hMain) PostMessageA(hMain, WM_SEVIR_RETILE, 0, 0);
        }
        return DefMDIChildProcA(hwnd, msg, wParam, lParam);
    }
    return BookWindowProc(hwnd, msg, wParam, lParam);
}

int CreateNewMDIChild(HWND hMDIClient, int id_file)
{
    if (!hMDIClient) return 0;
    const int id = OpenBookDatawindow(id_file);
    if (id < 0) return 0;
    DATAWINDOW& w = datawindow[id];

    HWND hwnd = CreateMDIWindowA(kChildClassName, datafile[id_file].title, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, hMDIClient, hInst, 0);
    if (!hwnd) {
        ZrusDatawindow(id);
        return 0;
    }
    w.hwnd = hwnd;
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int cx = rc.right > kScrollWidth ? rc.right - kScrollWidth : 0;
    HWND view = CreateWindowExA(0, "RichEdit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY, 0,
                                0, cx, rc.bottom, hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_BOOK_RICHEDIT)), hInst, nullptr);
    w.hrichedit = view;
    BK_SubclassRichEdit(id, view);
    w.hscroll = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, cx, 0, kScrollWidth, rc.bottom,
                                hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_BOOK_SCROLLBAR)), hInst,
                                nullptr);
    LayoutBookWindow(id);

    if (SetStartPosition(id)) {
        BK_UpdateOneBookWindow(id);
        BK_NastavScroll(id);
    }
    HICON icon = LoadIconA(hInst, MAKEINTRESOURCEA(IDI_CHILD));
    if (icon) SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    UsporadejOkna();
    LayoutBookWindow(id);
    BK_UpdateAllBookWindows();
    BK_NastavScroll(id);
    BK_UpdateNavigator(w.book_position, id, 0);
    status.bk_last_book = id;
    UpdateButonStates();
    UpdateStatusBar(id, -1);
    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
    return 1;
}

void LayoutBookWindow(int id)
{
    DATAWINDOW& w = datawindow[id];
    HWND hwnd = static_cast<HWND>(w.hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int cx = rc.right > kScrollWidth ? rc.right - kScrollWidth : 0;
    if (w.hrichedit) MoveWindow(static_cast<HWND>(w.hrichedit), 0, 0, cx, rc.bottom, TRUE);
    if (w.hscroll) MoveWindow(static_cast<HWND>(w.hscroll), cx, 0, kScrollWidth, rc.bottom, TRUE);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    w.position = SV_RECT{wr.left, wr.top, wr.right, wr.bottom};
    if (w.hrichedit) {
        RECT vr;
        GetClientRect(static_cast<HWND>(w.hrichedit), &vr);
        w.line_width = vr.right;
    }
}

bool SearchDialogOpen()
{
    return status.search_visible == 1 || (hSearchDlg && IsWindow(hSearchDlg));
}

void DeferBookRendering(bool on)
{
    g_defer_rendering = on;
}

int UsporadejOkna()
{
    if (status.opt_resizing == 1 && status.opt_tile == 1 && g_hMDIClient)
        SendMessageA(g_hMDIClient, WM_MDITILE, status.opt_tile_vertical == 1 ? MDITILE_VERTICAL : MDITILE_HORIZONTAL,
                     0);
    return 1;
}

int ProcessFileMenuCommand(int row, int base, int id, int mode)
{
    if (SearchDialogOpen()) {
        MessageBeep(MB_OK);
        return 0;
    }
    const int k = id - base;
    if (k < 0 || k >= status.files_all || k >= MAX_DATAFILES) return 0;
    int w = mode == 0 ? GetFirstReusableWindow(status.bk_last_book) : row;
    if (mode == 0 && (w < 0 || datafile[k].type != MODULE_BOOK)) {
        // Lexicon and dictionary windows come with their own creators.
        int ok = 0;
        if (datafile[k].type == MODULE_BOOK) {
            ok = CreateNewMDIChild(g_hMDIClient, k);
        } else {
            const int kind = datafile[k].type == MODULE_LEXICON ? DW_KIND_LEXICON : DW_KIND_DICTIONARY;
            if (!g_kinds[kind].creator) {
                MessageBeep(MB_OK);
                return 0;
            }
            ok = g_kinds[kind].creator(g_hMDIClient, k);
        }
        if (ok) UpdateButonStates();
        return ok;
    }
    if (w < 0 || w >= status.num_windows) return 0;
    const int r = GiveBookWindowModule(w, k);
    if (r == REPLACE_NOT_BOOK) return 0;
    HWND hwnd = static_cast<HWND>(datawindow[w].hwnd);
    if (r == REPLACE_FAILED) {
        // The old book table is gone and the new module cannot be read: the
        // window closes rather than stay half made.
        if (hwnd && g_hMDIClient) SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
        else ZrusDatawindow(w);
        UpdateButonStates();
        return 0;
    }
    SetWindowTextA(hwnd, datafile[k].title);
    BK_UpdateAllBookWindows();
    UpdateButonStates();
    BK_UpdateNavigator(datawindow[w].book_position, w, 0);
    BK_NastavScroll(w);
    if (mode == 1) UpdateStatusBar(w, -1);
    return 1;
}

int CreateDataFilesSubmenu()
{
    const std::string path =
        status.sevir_cd == 1 ? std::string(status.sevir_cd_cfglib_path) : SvJoinPath(SvCurrentDirectory(), "library.cfg");
    std::vector<MODULE_MENU_ENTRY> entries;
    const int used = BuildModuleMenuEntries(path, &entries);
    HMENU* menus[4] = {&hSubmenuSBK, &hSubmenuLEX, &hSubmenuDIC, &hSubmenuAIX};
    for (int s = 0; s < 4; ++s) {
        HMENU fresh = BuildSection(entries, s);
        // A submenu still in the menu bar is replaced there by AttachDataFilesSubmenus.
        *menus[s] = fresh;
    }
    return used;
}

void AttachDataFilesSubmenus(HWND frame)
{
    HMENU bar = frame ? GetMenu(frame) : nullptr;
    if (!bar) return;
    ReplacePopup(GetSubMenu(bar, 1), 5, hSubmenuSBK, IDS_MENU_OPEN_BOOK, status.files_book_count > 0);
    ReplacePopup(GetSubMenu(bar, 2), 3, hSubmenuLEX, IDS_MENU_OPEN_LEXICON, status.files_lex_count > 0);
    ReplacePopup(GetSubMenu(bar, 3), 4, hSubmenuDIC, IDS_MENU_OPEN_DICTIONARY, status.files_dic_count > 0);
    ReplacePopup(GetSubMenu(bar, 4), 10, hSubmenuAIX, IDS_MENU_OPEN_AUDIO_INDEX, false);
    DrawMenuBar(frame);
}
