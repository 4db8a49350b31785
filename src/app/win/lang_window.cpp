#include "app/win/lang_window.h"

#include <cstring>
#include <initializer_list>
#include <vector>

#include "app/copy_cut.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/library_tree.h"
#include "app/win/main_menu.h"
#include "app/win/main_window.h"
#include "auxiliary/win/tip.h"
#include "resource.h"

namespace {

std::vector<LangChangeHook>& Hooks()
{
    static std::vector<LangChangeHook> hooks;
    return hooks;
}

int g_last_id = 1099;

// Walks one menu; returns 0 at the first item without a translation.
int TranslateItems(HMENU menu)
{
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOA mi = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mi)) continue;
        if (mi.fType & MFT_SEPARATOR) continue;
        if (mi.hSubMenu) {
            const int number = g_last_id + 1;
            if (const char* text = LANG_FindString(number)) {
                char label[128];
                CopyCut(label, sizeof label, text);
                MENUITEMINFOA set = {};
                set.cbSize = sizeof set;
                set.fMask = MIIM_STRING;
                set.dwTypeData = label;
                SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &set);
                g_last_id = number;
            }
            if (!TranslateItems(mi.hSubMenu)) return 0;
            continue;
        }
        const int id = static_cast<int>(mi.wID);
        if (id <= 0) continue;
        const char* text = LANG_FindString(id);
        if (!text) {
            ShowMessageBoxId(hMain, IDS_LANG_CORRUPTED, IDS_LANG_CORRUPTED_CAPTION, SV_MB_OK | SV_MB_ICONERROR, id);
            return 0;
        }
        char label[128];
        CopyCut(label, sizeof label, text);
        MENUITEMINFOA set = {};
        set.cbSize = sizeof set;
        set.fMask = MIIM_STRING;
        set.dwTypeData = label;
        SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &set);
        g_last_id = id;
    }
    return 1;
}

// Takes our submenus out of the menu bar so that destroying it leaves them.
void DetachOwnSubmenus(HMENU menu)
{
    if (!menu) return;
    const int n = GetMenuItemCount(menu);
    for (int i = n - 1; i >= 0; --i) {
        HMENU sub = GetSubMenu(menu, i);
        if (!sub) continue;
        if (sub == hSubmenuSBK || sub == hSubmenuLEX || sub == hSubmenuDIC || sub == hSubmenuAIX || sub == hSubmenuLNG)
            RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
        else
            DetachOwnSubmenus(sub);
    }
}

void DestroyOwn(HMENU* menu)
{
    if (*menu && IsMenu(*menu)) DestroyMenu(*menu);
    *menu = nullptr;
}

} // namespace

HMENU LANG_CreateLNGFilesSubmenu()
{
    hSubmenuLNG = CreatePopupMenu();
    for (int i = 0; i < status.lang_found && g_lang_files; ++i)
        AppendMenuA(hSubmenuLNG, MF_STRING | (i == status.lang_index ? MF_CHECKED : MF_UNCHECKED),
                    static_cast<UINT_PTR>(IDM_LANGUAGE_BASE + i), g_lang_files[i].label);
    return hSubmenuLNG;
}

void LANG_AttachLNGFilesSubmenu(HWND frame)
{
    HMENU bar = frame ? GetMenu(frame) : nullptr;
    HMENU program = bar ? GetSubMenu(bar, 0) : nullptr;
    if (!program || !hSubmenuLNG) return;
    char label[128];
    LANG_LoadString(nullptr, IDS_MENU_LANGUAGE, label, sizeof label);
    // The placeholder popup of the menu resource is destroyed with its item.
    HMENU old = GetSubMenu(program, 7);
    if (old == hSubmenuLNG) return;
    ModifyMenuA(program, 7, MF_BYPOSITION | MF_POPUP | (status.lang_found > 0 ? MF_ENABLED : MF_GRAYED),
                reinterpret_cast<UINT_PTR>(hSubmenuLNG), label);
    if (old) DestroyMenu(old);
}

int LANG_TranslateMenu(HMENU menu, int level)
{
    if (!menu) return 0;
    if (level == 0) g_last_id = 1099;
    return TranslateItems(menu);
}

void LANG_TranslateDialog(HWND dialog)
{
    if (!dialog) return;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (!lstrcmpiA(cls, "EDIT") || !lstrcmpiA(cls, "SysListView32") || !lstrcmpiA(cls, "COMBOBOX") ||
            !lstrcmpiA(cls, "LISTBOX"))
            continue;
        const int id = GetDlgCtrlID(child);
        if (id <= 0) continue;
        if (const char* text = LANG_FindString(id)) SetWindowTextA(child, text);
    }
}

void LANG_RemoveMenu()
{
    if (!hMain) return;
    HMENU bar = GetMenu(hMain);
    DetachOwnSubmenus(bar);
    DestroyOwn(&hSubmenuSBK);
    DestroyOwn(&hSubmenuLEX);
    DestroyOwn(&hSubmenuDIC);
    DestroyOwn(&hSubmenuAIX);
    DestroyOwn(&hSubmenuLNG);
    HMENU fresh = LoadMenuA(hInst, MAKEINTRESOURCEA(IDR_MAINMENU));
    SetMenu(hMain, fresh);
    if (bar) DestroyMenu(bar);
}

void LANG_BuildFrameMenu(HWND frame)
{
    // The fresh menu is translated before the language submenu, whose items
    // are language names, goes in.
    if (status.lang_array_size > 0) LANG_TranslateMenu(GetMenu(frame), 0);
    LANG_CreateLNGFilesSubmenu();
    LANG_AttachLNGFilesSubmenu(frame);
    CreateDataFilesSubmenu();
    AttachDataFilesSubmenus(frame);
    UpdateMainMenu(status.bk_last_book);
}

int LANG_SwitchLanguage(int i)
{
    if (i < 0 || i >= status.lang_found || !g_lang_files || !hMain) return 0;
    status.lang_index = i;
    CopyCut(status.lang_filename_default, sizeof status.lang_filename_default, g_lang_files[i].filename);
    LANG_RemoveMenu();
    LANG_ReadStringsFromFile(i);
    LANG_BuildFrameMenu(hMain);
    UpdateStatusBar(status.bk_last_book < status.num_windows ? status.bk_last_book : -1, -1);
    LANG_UpdateTreeRootStrings();
    if (status.tip_visible == 1) {
        CloseTipOfDay();
        ShowTipOfDay(hMain);
    }
    for (LangChangeHook hook : Hooks()) hook();
    return 1;
}

void LANG_AddChangeHook(LangChangeHook hook)
{
    if (!hook) return;
    for (LangChangeHook h : Hooks())
        if (h == hook) return;
    Hooks().push_back(hook);
}
