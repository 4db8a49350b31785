#include "app/win/main_window.h"

#include <windowsx.h>

#include "app/config.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/startup.h"
#include "app/records.h"
#include "app/win/config_windows.h"
#include "app/win/data_window.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "app/win/win_message.h"
#include "books/win/gdi_measurer.h"
#include "text/win/display_fonts.h"
#include "resource.h"

HINSTANCE hInst = nullptr;
HWND hMain = nullptr;
HWND g_hMDIClient = nullptr;
HMODULE g_hRichEdLib = nullptr;
HACCEL g_hAccel = nullptr;
HWND hSearchDlg = nullptr;

const char* const kMainClassName = "DictionaryMainWindowClass";
const char* const kChildClassName = "DictionaryMDIChildWindowClass";

namespace {

bool g_startup_aborted = false;

void ShowStringBox(HWND owner, int text_id, int caption_id)
{
    ShowMessageBoxId(owner, text_id, caption_id, SV_MB_OK | SV_MB_ICONERROR);
}

BOOL Main_OnCreate(HWND hwnd, LPCREATESTRUCT)
{
    hMain = hwnd;

    g_hRichEdLib = LoadLibraryA("RICHED32.DLL");
    if (!g_hRichEdLib) {
        ShowStringBox(hwnd, IDS_NO_RICHED32, IDS_NO_RICHED32_CAPTION);
        g_startup_aborted = true;
        return FALSE;  // the frame is destroyed and never shown
    }

    // The Hebrew and Greek faces, from the program's fonts folder when the
    // machine has none, before anything is measured or drawn.
    LoadDisplayFonts();

    // The main window's place at creation, unless the configuration has one.
    RECT created;
    GetWindowRect(hwnd, &created);
    status.hMain_position = SV_RECT{created.left, created.top, created.right, created.bottom};
    InstallCfgWindowHooks();
    Iniciace();
    BK_UseGdiMeasurer();
    BK_InstallWindowHooks();

    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = nullptr;
    ccs.idFirstChild = IDM_FIRST_MDI_CHILD;
    g_hMDIClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                   WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MDICLIENT)),
                                   GetModuleHandleA(nullptr), &ccs);
    if (!g_hMDIClient) ShowMessageBox(hwnd, "Could not create MDI client.", "Error", SV_MB_OK | SV_MB_ICONERROR);
    CreateDataFilesSubmenu();
    AttachDataFilesSubmenus(hwnd);

    // The main window's place and the windows open at the last exit.
    OpenWindowsAccordingCFG(status.cfg_window, status.result_cfg_read);
    FreeConfiguredWindows();
    return TRUE;
}

bool ValidLastWindow()
{
    return status.num_windows > 0 && status.bk_last_book >= 0 && status.bk_last_book < status.num_windows;
}

// Sends command to the last active data window.
void SendToLastWindow(int command)
{
    if (!ValidLastWindow()) return;
    SendMessageA(static_cast<HWND>(datawindow[status.bk_last_book].hwnd), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void Main_OnCommand(HWND hwnd, int id, HWND, UINT)
{
    if (id >= IDM_MODULE_BASE && id < IDM_MODULE_BASE + MAX_DATAFILES) {
        ProcessFileMenuCommand(status.bk_last_book, IDM_MODULE_BASE, id, 0);
        return;
    }
    if (id >= IDM_TAG_FIRST && id <= IDM_TAG_LAST) {
        if (ValidLastWindow()) ProcessTagMenuCommand(status.bk_last_book, id);
        BK_UpdateAllBookWindows();
        UpdateButonStates();
        return;
    }
    switch (id) {
    case IDM_EXIT:
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
    case IDM_COMPARE:
        SendToLastWindow(IDM_BK_COMPARE);
        break;
    case IDM_REUSABLE:
        if (BK_IsBookWindow(status.bk_last_book) && datawindow[status.bk_last_book].compare != 1) {
            DATAWINDOW& w = datawindow[status.bk_last_book];
            w.reusable = w.reusable ? 0 : 1;
        }
        UpdateButonStates();
        break;
    case IDM_SHOW_ALL_TAGS:
        SendToLastWindow(IDM_TAGS_ALL_ON);
        BK_UpdateAllBookWindows();
        break;
    case IDM_HIDE_ALL_TAGS:
        SendToLastWindow(IDM_TAGS_ALL_OFF);
        BK_UpdateAllBookWindows();
        break;
    case IDM_WINDOW_CASCADE:
        status.opt_tile = 0;
        SendMessageA(g_hMDIClient, WM_MDICASCADE, 0, 0);
        break;
    case IDM_WINDOW_TILE_VERTICAL:
    case IDM_WINDOW_TILE_HORIZONTAL:
        status.opt_tile = 1;
        status.opt_tile_vertical = id == IDM_WINDOW_TILE_VERTICAL ? 1 : 0;
        SendMessageA(g_hMDIClient, WM_MDITILE, status.opt_tile_vertical ? MDITILE_VERTICAL : MDITILE_HORIZONTAL, 0);
        break;
    case IDM_WINDOW_AUTO_ARRANGE:
        status.opt_resizing = status.opt_resizing ? 0 : 1;
        UsporadejOkna();
        break;
    case IDM_WINDOW_CLOSE:
        if (ValidLastWindow()) SendMessageA(static_cast<HWND>(datawindow[status.bk_last_book].hwnd), WM_CLOSE, 0, 0);
        break;
    case IDM_WINDOW_CLOSE_ALL:
        for (int i = status.num_windows - 1; i >= 0; --i)
            if (i < status.num_windows) SendMessageA(static_cast<HWND>(datawindow[i].hwnd), WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void Main_OnClose(HWND hwnd)
{
    Ukonceni();
    DestroyWindow(hwnd);
}

void Main_OnDestroy(HWND)
{
    if (g_hRichEdLib) {
        FreeLibrary(g_hRichEdLib);
        g_hRichEdLib = nullptr;
    }
    UnloadDisplayFonts();
    g_hMDIClient = nullptr;
    hMain = nullptr;
    PostQuitMessage(0);
}

} // namespace

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SEVIR_RETILE:
        UsporadejOkna();
        BK_UpdateAllBookWindows();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = BK_ScrollTipBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
        HANDLE_MSG(hwnd, WM_CREATE, Main_OnCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, Main_OnCommand);
        HANDLE_MSG(hwnd, WM_CLOSE, Main_OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, Main_OnDestroy);
    default:
        break;
    }
    return DefFrameProcA(hwnd, g_hMDIClient, msg, wParam, lParam);
}

BOOL RegisterSevirClasses(HINSTANCE instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
    wc.lpszClassName = kMainClassName;
    if (!RegisterClassExA(&wc)) {
        ShowMessageBox(nullptr, "Window Registration Failed!", "Error!", SV_MB_OK | SV_MB_ICONERROR);
        return FALSE;
    }

    WNDCLASSEXA child = {};
    child.cbSize = sizeof child;
    child.style = CS_HREDRAW | CS_VREDRAW;
    child.lpfnWndProc = MDIChildWndProc;
    child.hInstance = instance;
    child.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CHILD));
    child.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_CHILD), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    child.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    child.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    child.lpszClassName = kChildClassName;
    if (!RegisterClassExA(&child)) {
        ShowMessageBox(nullptr, "Could Not Register Child Window Class", "Error", SV_MB_OK | SV_MB_ICONERROR);
        return FALSE;
    }
    return TRUE;
}

HWND CreateSevirFrame(HINSTANCE instance, bool* aborted)
{
    g_startup_aborted = false;
    g_hAccel = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCEL));
    HWND frame = CreateWindowExA(0, kMainClassName, "Sevir3", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 580, 340, nullptr, nullptr, instance, nullptr);
    if (aborted) *aborted = g_startup_aborted;
    if (!frame && !g_startup_aborted)
        ShowMessageBox(nullptr, "Window Creation Failed!", "Error!", SV_MB_OK | SV_MB_ICONERROR);
    return frame;
}

void ProcessSevirMessage(MSG* msg)
{
    if (hSearchDlg && IsWindow(hSearchDlg) && IsDialogMessageA(hSearchDlg, msg)) return;
    if (g_hMDIClient && TranslateMDISysAccel(g_hMDIClient, msg)) return;
    if (hMain && g_hAccel && TranslateAcceleratorA(hMain, g_hAccel, msg)) return;
    TranslateMessage(msg);
    DispatchMessageA(msg);
}

int RunSevirMessageLoop()
{
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        ProcessSevirMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int SevirMain(HINSTANCE instance, int show)
{
    hInst = instance;
    InstallWin32MessageBox();
    if (!RegisterSevirClasses(instance)) return 0;
    bool aborted = false;
    HWND frame = CreateSevirFrame(instance, &aborted);
    if (!frame) return 0;
    ShowWindow(frame, show);
    UpdateWindow(frame);
    return RunSevirMessageLoop();
}
