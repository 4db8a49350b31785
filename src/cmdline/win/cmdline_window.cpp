#include "cmdline/win/cmdline_window.h"

#include <windowsx.h>

#include <cstring>

#include "app/records.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "cmdline/history.h"
#include "cmdline/reference.h"
#include "resource.h"

namespace {

WNDPROC OldCmdLineProc = nullptr;
WNDPROC OldCmdLineEditProc = nullptr;
HICON g_led_icons[3] = {};

HICON LedIcon(int state)
{
    if (state < 0 || state > 2) state = 0;
    if (!g_led_icons[state])
        g_led_icons[state] = static_cast<HICON>(
            LoadImageA(hInst, MAKEINTRESOURCEA(IDI_LED_GREY + state), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    return g_led_icons[state];
}

void CommandLineText(char* text, int size)
{
    text[0] = '\0';
    if (hCmdLine) GetWindowTextA(hCmdLine, text, size);
}

void RecognizeCurrentText()
{
    if (status.num_windows < 1) {
        status.cmdline_led = 0;
        CMD_UpdateLedState(0);
        return;
    }
    char text[CMD_TEXT_MAX + 1];
    CommandLineText(text, sizeof text);
    CMD_RecognizeCommandLine(text);
}

// The drop-down list: the command-line history, newest first.
void FillDropDown()
{
    if (!hCmdLine) return;
    char text[CMD_TEXT_MAX + 1];
    CommandLineText(text, sizeof text);
    SendMessageA(hCmdLine, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < cmd_history_count && i < HISTORY_SIZE; ++i)
        SendMessageA(hCmdLine, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(cmd_history[i].string));
    if (cmd_history_count > 0) SendMessageA(hCmdLine, CB_SETCURSEL, 0, 0);
}

void PickedFromList()
{
    const int sel = static_cast<int>(SendMessageA(hCmdLine, CB_GETCURSEL, 0, 0));
    if (sel < 0) return;
    char text[CMD_TEXT_MAX + 1] = {};
    if (SendMessageA(hCmdLine, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0) >= static_cast<LRESULT>(sizeof text))
        return;
    SendMessageA(hCmdLine, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text));
    CMD_JumpToReference(text);
}

} // namespace

void CMD_UpdateLedState(int state)
{
    if (hLed) SendMessageA(hLed, STM_SETICON, reinterpret_cast<WPARAM>(LedIcon(state)), 0);
}

int CMD_RecognizeCommandLine(const char* text)
{
    BOOK_POSITION p = {};
    p.number = status.bk_last_book;
    const int state = status.num_windows > 0 ? CMD_RecognizeReference(text ? text : "", &p) : 0;
    status.cmdline_bp = p;
    status.cmdline_led = state;
    CMD_UpdateLedState(state);
    return state;
}

void CMD_MoveBookWindow(int id, const BOOK_POSITION& position)
{
    if (!BK_IsBookWindow(id)) return;
    BOOK_POSITION p = position;
    p.number = id;
    BK_UpdateNavigator(p, id, 0);
    datawindow[id].book_position = p;
    BK_UpdateOneBookWindow(id);
    BK_NastavScroll(id);
    BK_SyncBooks(id);
    UpdateStatusBar(id, 1);
    AddToHistory(datawindow[id].book_position);
}

int CMD_JumpToReference(const char* text)
{
    const int state = CMD_RecognizeCommandLine(text);
    if (state != 1 && state != 2) return state;
    CMD_MoveBookWindow(status.bk_last_book, status.cmdline_bp);
    CMD_AddReferenceToHistory(text);
    return state;
}

void CMD_InstallCommandLine(HWND container, HWND combo, HWND lamp)
{
    (void)lamp;
    OldCmdLineProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(container, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CmdLineProc)));
    POINT pt = {4, 4};
    HWND edit = ChildWindowFromPoint(combo, pt);
    if (!edit || edit == combo) edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    hCmdLineEdit = edit;
    if (edit)
        OldCmdLineEditProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CMD_ComboEditProc)));
    status.cmdline_led = 0;
    CMD_UpdateLedState(0);
}

LRESULT CALLBACK CmdLineProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_CMDLINE) {
        switch (HIWORD(wParam)) {
        case CBN_EDITCHANGE:
        case CBN_SETFOCUS:
            RecognizeCurrentText();
            return 0;
        case CBN_DROPDOWN:
            FillDropDown();
            return 0;
        case CBN_SELENDOK:
            PickedFromList();
            return 0;
        default:
            return 0;
        }
    }
    return CallWindowProcA(OldCmdLineProc ? OldCmdLineProc : DefWindowProcA, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CMD_ComboEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if ((msg == WM_KEYDOWN || msg == WM_CHAR) && wParam == VK_RETURN && !(GetKeyState(VK_CONTROL) & 0x8000)) {
        if (msg == WM_KEYDOWN) {
            char text[CMD_TEXT_MAX + 1];
            CommandLineText(text, sizeof text);
            CMD_JumpToReference(text);
        }
        return 0;  // Enter is consumed
    }
    return CallWindowProcA(OldCmdLineEditProc ? OldCmdLineEditProc : DefWindowProcA, hwnd, msg, wParam, lParam);
}
