#include "app/win/frame_controls.h"

#include <commctrl.h>

#include "books/book_window.h"
#include "lex/lex_list.h"

HWND hCombo1 = nullptr;
HWND hCombo2 = nullptr;
HWND hCombo3 = nullptr;
HWND hToolBar2 = nullptr;
HWND hToolBar3 = nullptr;
HWND hStatus = nullptr;
HWND hWndTV = nullptr;

HMENU hSubmenuSBK = nullptr;
HMENU hSubmenuLEX = nullptr;
HMENU hSubmenuDIC = nullptr;
HMENU hSubmenuAIX = nullptr;

char g_status_text[4][256] = {};

int UpdateStatusBar(int id, int what)
{
    char* part0 = what == -1 || what == 0 ? g_status_text[0] : nullptr;
    char* part1 = what == -1 || what == 1 ? g_status_text[1] : nullptr;
    BK_StatusBarTexts(id, part0, part0 ? sizeof g_status_text[0] : 0, part1, part1 ? sizeof g_status_text[1] : 0);
    // A lexicon window shows its place in the list and the filter.
    if (part1 && part1[0] == '\0') LX_StatusText(id, part1, sizeof g_status_text[1]);
    if (hStatus) {
        if (part0) SendMessageA(hStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(part0));
        if (part1) SendMessageA(hStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(part1));
    }
    return 1;
}
