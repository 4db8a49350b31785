#include "app/win/main_menu.h"

#include <commctrl.h>
#include <initializer_list>

#include <cstdio>
#include <cstring>
#include <set>

#include "app/lang.h"
#include "app/records.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "resource.h"

namespace {

// Commands whose function is not part of the program yet.
std::set<int>& Unavailable()
{
    static std::set<int> commands = {
        IDM_SHOW_TABLE,      IDM_SHOW_INFO,       IDM_LIBRARY_MANAGER,   IDM_SHOW_VERSE_LIST, IDM_FILE_INFO,
        IDM_MM_OPEN_MP3,     IDM_MM_VERSE_SOUND,  IDM_MM_PLAY,           IDM_MM_PAUSE,        IDM_MM_STOP,
        IDM_MM_REWIND,       IDM_MM_FORWARD,      IDM_MM_INDEXING,       IDM_COMPARE,         IDM_SEARCH,
        IDM_SEARCH_IN_RESULTS, IDM_RESULTS_LIST,  IDM_SEARCH_ACCEL,
    };
    return commands;
}

void Enable(HMENU menu, int command, bool on)
{
    if (menu) EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void EnableAvailable(HMENU menu, int command, bool on)
{
    Enable(menu, command, on && IsCommandAvailable(command));
}

void Check(HMENU menu, int command, bool on)
{
    if (menu) CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void EnablePosition(HMENU menu, int position, bool on)
{
    if (menu) EnableMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

// Gives the popup at position its label (string label_id) and state.
void LabelPopup(HMENU menu, int position, int label_id, bool enabled)
{
    if (!menu) return;
    char label[128];
    LANG_LoadString(nullptr, label_id, label, sizeof label);
    MENUITEMINFOA mi = {};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STRING;
    mi.dwTypeData = label;
    SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &mi);
    EnablePosition(menu, position, enabled);
}

void DisableAll(HMENU menu)
{
    if (!menu) return;
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) EnablePosition(menu, i, false);
}

bool WindowModuleOpen(int row)
{
    if (row < 0 || row >= status.num_windows) return false;
    const int f = datawindow[row].id_file;
    return f >= 0 && f < status.files_all && datafile[f].opened;
}

} // namespace

void SetCommandAvailable(int command, bool available)
{
    if (available)
        Unavailable().erase(command);
    else
        Unavailable().insert(command);
}

bool IsCommandAvailable(int command)
{
    return Unavailable().count(command) == 0;
}

void GreyUnavailableButtons()
{
    for (HWND bar : {hToolBar2, hToolBar3, hToolBar5}) {
        if (!bar) continue;
        const int n = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            TBBUTTON b = {};
            SendMessageA(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b));
            if (b.idCommand && !IsCommandAvailable(b.idCommand))
                SendMessageA(bar, TB_ENABLEBUTTON, static_cast<WPARAM>(b.idCommand), MAKELPARAM(FALSE, 0));
        }
    }
}

int MenuBarShift()
{
    if (!g_hMDIClient) return 0;
    BOOL maximised = FALSE;
    HWND active = reinterpret_cast<HWND>(SendMessageA(g_hMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
    return active && maximised ? 1 : 0;
}

void UpdateMainMenu(int row)
{
    HMENU bar = hMain ? GetMenu(hMain) : nullptr;
    if (!bar) return;
    const int s = MenuBarShift();
    HMENU program = GetSubMenu(bar, 0 + s);
    HMENU book = GetSubMenu(bar, 1 + s);
    HMENU lexicon = GetSubMenu(bar, 2 + s);
    HMENU dictionary = GetSubMenu(bar, 3 + s);
    HMENU multimedia = GetSubMenu(bar, 4 + s);
    HMENU window = GetSubMenu(bar, 5 + s);
    HMENU help = GetSubMenu(bar, 6 + s);
    const bool has_windows = status.num_windows > 0;
    const bool valid_row = has_windows && row >= 0 && row < status.num_windows;

    // 1. Program menu
    Enable(program, IDM_SHOW_TREE, true);
    Check(program, IDM_SHOW_TREE, status.tree_visible == 1);
    for (int c : {IDM_SHOW_TABLE, IDM_SHOW_INFO, IDM_LIBRARY_MANAGER, IDM_SHOW_VERSE_LIST}) EnableAvailable(program, c, true);
    Check(program, IDM_SHOW_TABLE, status.table_visible == 1);
    Check(program, IDM_SHOW_INFO, status.info_visible == 1);
    Check(program, IDM_SHOW_VERSE_LIST, status.verse_visible == 1);
    {
        char label[160];
        LANG_LoadString(nullptr, IDS_MENU_INFORMATIONS_ABOUT, label, sizeof label);
        const bool open = valid_row && WindowModuleOpen(row);
        if (open) {
            const size_t n = std::strlen(label);
            std::snprintf(label + n, sizeof label - n, " %.15s", datafile[datawindow[row].id_file].abbrev);
        }
        if (program) ModifyMenuA(program, IDM_FILE_INFO, MF_BYCOMMAND | MF_STRING, IDM_FILE_INFO, label);
        EnableAvailable(program, IDM_FILE_INFO, open);
    }
    if (program && hSubmenuLNG && GetSubMenu(program, 7) == hSubmenuLNG)
        LabelPopup(program, 7, IDS_MENU_LANGUAGE, status.lang_found > 0);
    Enable(program, IDM_EXIT, true);

    // 2. Book, Lexicon, Dictionary and Multimedia start greyed.
    DisableAll(book);
    DisableAll(lexicon);
    DisableAll(dictionary);
    DisableAll(multimedia);

    // 3. Their submenus.
    LabelPopup(book, 4, IDS_MENU_TAG_OPTIONS, false);
    LabelPopup(book, 5, IDS_MENU_OPEN_BOOK, status.files_book_count > 0);
    LabelPopup(lexicon, 2, IDS_MENU_TAG_OPTIONS, false);
    LabelPopup(lexicon, 3, IDS_MENU_OPEN_LEXICON, status.files_lex_count > 0);
    LabelPopup(dictionary, 4, IDS_MENU_OPEN_DICTIONARY, status.files_dic_count > 0);

    // 4. By the kind of the window.
    if (valid_row && WindowModuleOpen(row)) {
        const DATAWINDOW& w = datawindow[row];
        if (w.type == MODULE_BOOK) {
            for (int c : {IDM_HISTORY_BACK, IDM_HISTORY_FORWARD, IDM_HISTORY_LIST}) Enable(book, c, true);
            EnablePosition(book, 5, status.files_book_count > 0);
            if (w.tag_advanced == 1) EnablePosition(book, 4, true);
        } else if (w.type == MODULE_LEXICON) {
            Enable(lexicon, IDM_MENU_LEX_RELOAD, true);
            EnablePosition(lexicon, 3, status.files_lex_count > 0);
            if (w.tag_advanced == 1) EnablePosition(lexicon, 2, true);
        } else if (w.type == MODULE_DICTIONARY) {
            Enable(dictionary, IDM_MENU_DIC_RELOAD, true);
            Enable(dictionary, IDM_MENU_DIC_OPPOSITE, true);
            EnablePosition(dictionary, 4, status.files_dic_count > 0);
        }
    }

    // 5. Multimedia
    const bool audio_open = status.aix_id >= 0 && status.aix_found > 0 && status.mm_stream != nullptr;
    for (int c : {IDM_MM_PLAY, IDM_MM_PAUSE, IDM_MM_STOP, IDM_MM_REWIND, IDM_MM_FORWARD})
        EnableAvailable(multimedia, c, audio_open);
    LabelPopup(multimedia, 10, IDS_MENU_OPEN_AUDIO_INDEX, status.aix_found > 0);
    EnableAvailable(multimedia, IDM_MM_INDEXING, audio_open && status.sevir_cd == 0);
    EnableAvailable(multimedia, IDM_MM_OPEN_MP3, true);
    EnableAvailable(multimedia, IDM_MM_VERSE_SOUND, true);

    // 6. Window menu and its list of windows
    for (int c : {IDM_WINDOW_CASCADE, IDM_WINDOW_TILE_VERTICAL, IDM_WINDOW_TILE_HORIZONTAL, IDM_WINDOW_AUTO_ARRANGE,
                  IDM_WINDOW_CLOSE, IDM_WINDOW_CLOSE_ALL})
        Enable(window, c, has_windows);
    Check(window, IDM_WINDOW_TILE_VERTICAL, has_windows && status.opt_tile == 1 && status.opt_tile_vertical == 1);
    Check(window, IDM_WINDOW_TILE_HORIZONTAL, has_windows && status.opt_tile == 1 && status.opt_tile_vertical == 0);
    Check(window, IDM_WINDOW_CASCADE, has_windows && status.opt_tile == 0);
    Check(window, IDM_WINDOW_AUTO_ARRANGE, has_windows && status.opt_resizing == 1);
    if (window) {
        while (GetMenuItemCount(window) > 7) DeleteMenu(window, 7, MF_BYPOSITION);
        if (has_windows) {
            AppendMenuA(window, MF_SEPARATOR, 0, nullptr);
            for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i) {
                char caption[160] = {};
                if (datawindow[i].hwnd) GetWindowTextA(static_cast<HWND>(datawindow[i].hwnd), caption, sizeof caption);
                AppendMenuA(window, MF_STRING | (i == row ? MF_CHECKED : MF_UNCHECKED),
                            static_cast<UINT_PTR>(IDM_WINDOW_BASE + i), caption);
            }
        }
    }

    // Help: all there.
    for (int c : {IDM_TIP_OF_THE_DAY, IDM_HOME_PAGE, IDM_BUG_REPORT_PAGE, IDM_FORUM_PAGE, IDM_ABOUT})
        Enable(help, c, true);

    // 7.
    DrawMenuBar(hMain);
}
