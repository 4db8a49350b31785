#include "app/win/main_window.h"

#include <windowsx.h>
#include <initializer_list>
#include <commctrl.h>

#include "app/config.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/startup.h"
#include "app/records.h"
#include "app/win/config_windows.h"
#include "app/win/data_window.h"
#include "app/web_addresses.h"
#include "app/win/frame_controls.h"
#include "app/win/lang_window.h"
#include "app/win/library_tree.h"
#include "app/win/main_menu.h"
#include "app/win/shell.h"
#include "auxiliary/win/about.h"
#include "auxiliary/win/splash.h"
#include "auxiliary/win/tip.h"
#include "cmdline/history.h"
#include "dic/win/dic_window.h"
#include "cmdline/win/cmdline_window.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "lex/win/lex_window.h"
#include "search/win/search_dialog.h"
#include "search/win/results_window.h"
#include "text/win/info_window.h"
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

bool g_interactive_start = false;

namespace {
// The tip of the day waits for the splash screen to go.
bool g_tip_after_splash = false;
} // namespace

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
    LX_InstallWindowHooks();
    DIC_InstallWindowHooks();
    INFO_InstallWindowHooks();
    SEARCH_InstallWindowHooks();
    RES_InstallWindowHooks();
    if (g_interactive_start && status.opt_splash == 1) ShowSplashScreen(hwnd, status.opt_splash_delay_ms);

    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = nullptr;
    ccs.idFirstChild = IDM_FIRST_MDI_CHILD;
    g_hMDIClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                   WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MDICLIENT)),
                                   GetModuleHandleA(nullptr), &ccs);
    if (!g_hMDIClient) ShowMessageBox(hwnd, "Could not create MDI client.", "Error", SV_MB_OK | SV_MB_ICONERROR);
    CreateFrameControls(hwnd);

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
    if (!IsCommandAvailable(id)) {
        MessageBeep(MB_OK);
        return;
    }
    if (id >= IDM_HISTORY_BASE && id < IDM_HISTORY_BASE + HISTORY_SIZE) {
        HistoryChooseEntry(id - IDM_HISTORY_BASE);
        return;
    }
    if (id >= IDM_WINDOW_BASE && id < IDM_WINDOW_BASE + MAX_DATAWINDOWS) {
        const int i = id - IDM_WINDOW_BASE;
        if (i < status.num_windows && datawindow[i].hwnd)
            SendMessageA(g_hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(datawindow[i].hwnd), 0);
        return;
    }
    if (id >= IDM_LANGUAGE_BASE && id < IDM_LANGUAGE_BASE + 100) {
        LANG_SwitchLanguage(id - IDM_LANGUAGE_BASE);
        return;
    }
    if (id >= IDM_MODULE_BASE && id < IDM_MODULE_BASE + MAX_DATAFILES) {
        ProcessFileMenuCommand(status.bk_last_book, IDM_MODULE_BASE, id, 0);
        return;
    }
    if (id >= IDM_TAG_FIRST && id <= IDM_TAG_LAST) {
        if (ValidLastWindow()) ProcessTagMenuCommand(status.bk_last_book, id);
        BK_UpdateAllBookWindows();
        RES_UpdateResultsWindow();
        LX_UpdateAllLexComments();
        UpdateButonStates();
        return;
    }
    switch (id) {
    case IDM_EXIT:
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
    case IDM_SHOW_TREE:
        if (status.tree_visible == 1) {
            status.tree_visible = 0;
            status.tree_width_backup = status.tree_width;
            status.tree_width = 0;
        } else {
            status.tree_visible = 1;
            status.tree_width = status.tree_width_backup;
        }
        LayoutFrame(hwnd);
        break;
    case IDM_SHOW_INFO:
        INFO_ToggleWindow();
        break;
    case IDM_FILE_INFO:
        if (ValidLastWindow()) INFO_ShowModuleInfo(status.bk_last_book);
        break;
    case IDM_HISTORY_BACK:
        HistoryBack();
        break;
    case IDM_HISTORY_FORWARD:
        HistoryForward();
        break;
    case IDM_HISTORY_LIST: {
        HMENU popup = BuildHistoryPopup();
        POINT pt;
        GetCursorPos(&pt);
        if (popup) {
            TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x - 10, pt.y + 10, 0, hwnd, nullptr);
            DestroyMenu(popup);
        }
        break;
    }
    case IDM_TIP_OF_THE_DAY:
        ShowTipOfDay(hwnd);
        break;
    case IDM_HOME_PAGE:
        ShowURL(SEVIR_URL_HOME);
        break;
    case IDM_BUG_REPORT_PAGE:
        ShowURL(SEVIR_URL_BUG_REPORT);
        break;
    case IDM_FORUM_PAGE:
        ShowURL(SEVIR_URL_FORUM);
        break;
    case IDM_ABOUT:
        ShowAboutBox(hwnd);
        break;
    case IDM_MENU_LEX_RELOAD:
        SendToLastWindow(IDM_LX_RELOAD);
        break;
    case IDM_MENU_DIC_RELOAD:
        SendToLastWindow(IDM_DIC_RELOAD);
        break;
    case IDM_MENU_DIC_OPPOSITE:
        SendToLastWindow(IDM_DIC_OPPOSITE);
        break;
    case IDM_COMPARE:
        SendToLastWindow(IDM_BK_COMPARE);
        break;
    case IDM_SEARCH:
    case IDM_SEARCH_ACCEL:
    case IDM_SEARCH_IN_RESULTS:
    case IDM_RESULTS_LIST:
        SEARCH_MainCommand(id);
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
    UpdateButonStates();
    GreyUnavailableButtons();
}

void Main_OnSize(HWND hwnd, UINT state, int, int)
{
    if (state != SIZE_MINIMIZED) LayoutFrame(hwnd);
}

LRESULT Main_OnNotify(HWND hwnd, int, NMHDR* hdr)
{
    LRESULT result = 0;
    if (FrameNotify(hwnd, hdr, &result)) return result;
    return DefFrameProcA(hwnd, g_hMDIClient, WM_NOTIFY, static_cast<WPARAM>(hdr ? hdr->idFrom : 0),
                         reinterpret_cast<LPARAM>(hdr));
}

void Main_OnMouseMove(HWND hwnd, int x, int y, UINT)
{
    Splitter_OnMouseMove(hwnd, x, y);
}

void Main_OnLButtonDown(HWND hwnd, BOOL, int x, int y, UINT)
{
    Splitter_OnLButtonDown(hwnd, x, y);
}

void Main_OnLButtonUp(HWND hwnd, int x, int y, UINT)
{
    Splitter_OnLButtonUp(hwnd, x, y);
}

BOOL Main_OnSetCursor(HWND hwnd, HWND hwndCursor, UINT codeHitTest, UINT msg)
{
    if (hwndCursor == hwnd && codeHitTest == HTCLIENT) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(hwnd, &pt);
        if (OnSplitter(pt.x) || bDrag) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));  // IDC_SIZEWE
            return TRUE;
        }
    }
    return FORWARD_WM_SETCURSOR(hwnd, hwndCursor, codeHitTest, msg, DefWindowProcA);
}

// Exactly one notch scrolls the last active window by a line; anything else
// (two notches in one message, fine-grained wheels) does nothing.
void Main_OnMouseWheel(HWND, int, int, int delta, UINT)
{
    if (status.wheel != 1 || !ValidLastWindow()) return;
    HWND target = static_cast<HWND>(datawindow[status.bk_last_book].hwnd);
    if (delta == -WHEEL_DELTA) SendMessageA(target, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    if (delta == WHEEL_DELTA) SendMessageA(target, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
}

void Main_OnInitMenu(HWND, HMENU)
{
    UpdateMainMenu(status.bk_last_book);
}

void Main_OnDrawItem(HWND, const DRAWITEMSTRUCT* dis)
{
    StatusBar_OnDrawItem(dis);
}

void Main_OnClose(HWND hwnd)
{
    Ukonceni();
    DestroyWindow(hwnd);
}

void Main_OnDestroy(HWND)
{
    CloseTipOfDay();
    DestroySplashScreen();
    LIB_DestroyTreeImages();
    ForgetFrameControls();
    DestroyGlobalGDIResources();
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

void CreateFrameControls(HWND hwnd)
{
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_TREEVIEW_CLASSES | ICC_USEREX_CLASSES;
    InitCommonControlsEx(&icc);
    CreateGlobalGDIResources();
    status.rebar_height = 30;
    if (!CreateRebar(hwnd)) ReportBug(1, "CreateRebar: a control could not be created");
    CreateMainStatusBar(hwnd);
    CreateTreeView(hwnd);
    if (status.tree_visible != 1) {
        if (status.tree_width > 0) status.tree_width_backup = status.tree_width;
        status.tree_width = 0;
    }
    UpdateTreeViewFromCFG();
    LANG_BuildFrameMenu(hwnd);
    UpdateButonStates();
    GreyUnavailableButtons();
    LayoutFrame(hwnd);
}

HMENU BuildHistoryPopup()
{
    int32_t indexes[HISTORY_SIZE];
    int32_t current = -1;
    const int n = HistoryListEntries(indexes, &current);
    if (n <= 0) return nullptr;
    HMENU popup = CreatePopupMenu();
    for (int k = 0; k < n; ++k) {
        const int i = indexes[k];
        MENUITEMINFOA mi = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE;
        mi.fType = MFT_STRING | MFT_RADIOCHECK;
        mi.fState = i == current ? MFS_CHECKED : MFS_UNCHECKED;
        mi.wID = static_cast<UINT>(IDM_HISTORY_BASE + i);
        mi.dwTypeData = history[i].string;
        InsertMenuItemA(popup, static_cast<UINT>(k), TRUE, &mi);
    }
    return popup;
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SEVIR_SPLASH_GONE:
        if (g_tip_after_splash) {
            g_tip_after_splash = false;
            ShowTipOfDay(hwnd);
        }
        return 0;
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
        HANDLE_MSG(hwnd, WM_SIZE, Main_OnSize);
        HANDLE_MSG(hwnd, WM_NOTIFY, Main_OnNotify);
        HANDLE_MSG(hwnd, WM_MOUSEMOVE, Main_OnMouseMove);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, Main_OnLButtonDown);
        HANDLE_MSG(hwnd, WM_LBUTTONUP, Main_OnLButtonUp);
        HANDLE_MSG(hwnd, WM_SETCURSOR, Main_OnSetCursor);
        HANDLE_MSG(hwnd, WM_MOUSEWHEEL, Main_OnMouseWheel);
        HANDLE_MSG(hwnd, WM_INITMENU, Main_OnInitMenu);
        HANDLE_MSG(hwnd, WM_DRAWITEM, Main_OnDrawItem);
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
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);  // behind the splitter and the rebar
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
    if (hTipDlg && IsWindow(hTipDlg) && IsDialogMessageA(hTipDlg, msg)) return;
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
    g_interactive_start = true;
    HWND frame = CreateSevirFrame(instance, &aborted);
    if (!frame) return 0;
    ShowWindow(frame, show);
    UpdateWindow(frame);
    // The splash stays in front of the frame that has just come up.
    if (hSplash && IsWindowVisible(hSplash))
        SetWindowPos(hSplash, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (status.opt_show_tip == 1) {
        if (hSplash && IsWindowVisible(hSplash))
            g_tip_after_splash = true;
        else
            ShowTipOfDay(frame);
    }
    return RunSevirMessageLoop();
}
