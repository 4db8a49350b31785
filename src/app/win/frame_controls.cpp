#include "app/win/frame_controls.h"

#include <windowsx.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "app/lang.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/library_tree.h"
#include "app/win/main_menu.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "cmdline/win/cmdline_window.h"
#include "resource.h"

HWND hRebar = nullptr;
HWND hToolBar = nullptr;
HWND hCombo1 = nullptr;
HWND hCombo2 = nullptr;
HWND hCombo3 = nullptr;
HWND hUndo = nullptr;
HWND hDrop = nullptr;
HWND hRedo = nullptr;
HWND hToolBar2 = nullptr;
HWND hToolBar3 = nullptr;
HWND hToolBar4 = nullptr;
HWND hCmdLine = nullptr;
HWND hCmdLineEdit = nullptr;
HWND hLed = nullptr;
HWND hToolBar5 = nullptr;
HWND hStatus = nullptr;
HWND hWndTV = nullptr;
int32_t bDrag = 0;

HMENU hSubmenuSBK = nullptr;
HMENU hSubmenuLEX = nullptr;
HMENU hSubmenuDIC = nullptr;
HMENU hSubmenuAIX = nullptr;
HMENU hSubmenuLNG = nullptr;

HIMAGELIST g_hImgList1 = nullptr;
HBITMAP g_hBmpOpposite = nullptr;
HBRUSH g_hBrush_lx_filter = nullptr;
HBRUSH g_hBrush_dic_filter = nullptr;
HBRUSH g_hBrush_ScrollTip = nullptr;

char g_status_text[4][256] = {};

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kBandHeight = 23;
constexpr int kRowHeight = 30;
constexpr int kSplitter = 4;

const char kBandClass[] = "SevirBandContainer";
WNDPROC g_old_navigator_proc = nullptr;

// Image lists of the tool bars, released with the frame.
HIMAGELIST g_toolbar_images[6] = {};

StatusRecordProvider g_status_provider = nullptr;
STATUS_PICTURE g_status_picture = {-1, 0, ""};

struct TOOLTIP {
    int command;
    int string_id;
};
const TOOLTIP kToolTips[] = {
    {IDM_SHOW_TREE, IDS_TT_SHOW_TREE},       {IDM_SHOW_TABLE, IDS_TT_SHOW_TABLE},
    {IDM_SHOW_INFO, IDS_TT_SHOW_INFO},       {IDM_LIBRARY_MANAGER, IDS_TT_LIBMAN},
    {IDM_SHOW_VERSE_LIST, IDS_TT_VERSE_LIST}, {IDM_MM_VERSE_SOUND, IDS_TT_VERSE_SOUND},
    {IDM_MM_PLAY, IDS_TT_PLAY},              {IDM_MM_PAUSE, IDS_TT_PAUSE},
    {IDM_MM_STOP, IDS_TT_STOP},              {IDM_MM_REWIND, IDS_TT_REWIND},
    {IDM_MM_FORWARD, IDS_TT_FORWARD},        {IDM_MM_INDEXING, IDS_TT_AUDIO_INDEXING},
    {IDM_COMPARE, IDS_TT_COMPARE},           {IDM_REUSABLE, IDS_TT_REUSABLE},
    {IDM_SHOW_ALL_TAGS, IDS_TT_SHOW_ALL_TAGS}, {IDM_HIDE_ALL_TAGS, IDS_TT_HIDE_ALL_TAGS},
    {IDM_SEARCH, IDS_TT_SEARCH},             {IDM_SEARCH_IN_RESULTS, IDS_TT_SEARCH_IN_RESULTS},
    {IDM_RESULTS_LIST, IDS_TT_RESULTS_LIST}, {IDM_HISTORY_BACK, IDS_TT_HISTORY_BACK},
    {IDM_HISTORY_FORWARD, IDS_TT_HISTORY_FORWARD}, {IDM_HISTORY_LIST, IDS_TT_HISTORY_LIST},
};

HFONT GuiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SetGuiFont(HWND hwnd)
{
    if (hwnd) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
}

HIMAGELIST LoadStrip(int bitmap, int cx)
{
    return ImageList_LoadImageA(hInst, MAKEINTRESOURCEA(bitmap), cx, 0, kMagenta, IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

void KeepImageList(HIMAGELIST list)
{
    for (HIMAGELIST& slot : g_toolbar_images)
        if (!slot) {
            slot = list;
            return;
        }
    ImageList_Destroy(list);
}

// A band container: a plain button-face window whose commands and
// notifications go on to the frame.
LRESULT CALLBACK BandContainerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
        if (hMain) return SendMessageA(hMain, msg, wParam, lParam);
        break;
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterBandClass()
{
    WNDCLASSA existing;
    if (GetClassInfoA(hInst, kBandClass, &existing)) return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BandContainerProc;
    wc.hInstance = hInst;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kBandClass;
    RegisterClassA(&wc);
}

HWND Child(HWND parent, const char* cls, DWORD style, int x, int y, int cx, int cy, int id, DWORD ex = 0)
{
    return CreateWindowExA(ex, cls, nullptr, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), hInst, nullptr);
}

HWND MakeToolBar(HWND parent, int id, int x, int width, HIMAGELIST images, const TBBUTTON* buttons, int count,
                 int image_cx = 16)
{
    HWND tb = Child(parent, TOOLBARCLASSNAMEA,
                    TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT | CCS_NORESIZE | CCS_NODIVIDER |
                        CCS_NOPARENTALIGN,
                    x, 0, width, kBandHeight, id);
    if (!tb) return nullptr;
    SendMessageA(tb, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(tb, TB_SETBITMAPSIZE, 0, MAKELPARAM(image_cx, 16));
    SendMessageA(tb, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(tb, TB_ADDBUTTONSA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons));
    SendMessageA(tb, TB_SETBUTTONSIZE, 0, MAKELPARAM(image_cx + 7, 22));
    return tb;
}

TBBUTTON Button(int image, int command)
{
    TBBUTTON b = {};
    b.iBitmap = image;
    b.idCommand = command;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = BTNS_BUTTON;
    return b;
}

TBBUTTON Separator()
{
    TBBUTTON b = {};
    b.iBitmap = 6;
    b.fsStyle = BTNS_SEP;
    return b;
}

bool AddBand(HWND child, int id, int width, int band_width)
{
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_COLORS;
    band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
    band.clrFore = GetSysColor(COLOR_BTNTEXT);
    band.clrBack = GetSysColor(COLOR_BTNFACE);
    band.hwndChild = child;
    band.cxMinChild = width;
    band.cyMinChild = kBandHeight;
    band.cx = band_width;
    band.wID = static_cast<UINT>(id);
    return SendMessageA(hRebar, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)) != 0;
}

HWND BandContainer(int id, int width)
{
    return Child(hRebar, kBandClass, WS_CLIPCHILDREN, 0, 0, width, kBandHeight, id);
}

HWND NavigatorCombo(int id, int x, int width)
{
    HWND box = Child(hToolBar, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, 1, width, 400, id);
    SetGuiFont(box);
    return box;
}

// One of the three history buttons: a one-button tool bar in the navigator.
HWND HistoryButton(int id, int command, int x, HIMAGELIST images, int image, int image_cx)
{
    TBBUTTON b = Button(image, command);
    return MakeToolBar(hToolBar, id, x, image_cx + 7, images, &b, 1, image_cx);
}

// A change of selection in the navigator: book, chapter and verse from the
// three boxes; a new book starts at 1:1, a new chapter at verse 1.
void NavigatorSelectionChanged(int box)
{
    const int id = status.bk_last_book;
    if (!BK_IsBookWindow(id)) return;
    DATAWINDOW& w = datawindow[id];
    BOOK_POSITION p = w.book_position;
    p.number = id;
    p.book = static_cast<int32_t>(SendMessageA(hCombo1, CB_GETCURSEL, 0, 0)) + 1;
    p.chapter = static_cast<int32_t>(SendMessageA(hCombo2, CB_GETCURSEL, 0, 0)) + 1;
    p.verse = static_cast<int32_t>(SendMessageA(hCombo3, CB_GETCURSEL, 0, 0)) + 1;
    if (box == IDC_NAV_BOOK) p.chapter = p.verse = 1;
    if (box == IDC_NAV_CHAPTER) p.verse = 1;
    if (p.book < 1 || p.chapter < 1 || p.verse < 1) return;
    CMD_MoveBookWindow(id, p);
    // The lists stay full so that the next choice reads the right numbers.
    BK_UpdateNavigator(w.book_position, id, 1);
}

void LayoutAfterRebarChange(HWND frame)
{
    if (!hRebar) return;
    const int rows = static_cast<int>(SendMessageA(hRebar, RB_GETROWCOUNT, 0, 0));
    status.rebar_height = kRowHeight * (rows > 0 ? rows : 1);
    LayoutFrame(frame);
}

bool TreeNotify(const NMHDR* hdr, LRESULT* result)
{
    if (hdr->hwndFrom != hWndTV || !hWndTV) return false;
    switch (hdr->code) {
    case NM_DBLCLK:
        LIB_TreeDoubleClick();
        *result = 1;
        return true;
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW: {
        const NMTREEVIEWA* tv = reinterpret_cast<const NMTREEVIEWA*>(hdr);
        LIB_TreeItemExpanded(tv->itemNew.hItem, (tv->action & TVE_EXPAND) != 0);
        *result = 0;
        return true;
    }
    default:
        return false;
    }
}

bool ToolTipNotify(const NMHDR* hdr, LRESULT* result)
{
    if (hdr->code != TTN_GETDISPINFOA && hdr->code != TTN_GETDISPINFOW) return false;
    *result = 0;
    const int command = static_cast<int>(hdr->idFrom);
    const int string_id = ToolTipStringOf(command);
    static char text[256];
    static wchar_t wide[256];
    text[0] = '\0';
    if (status.tooltip_toolbar == 1 && string_id) LANG_LoadString(nullptr, string_id, text, sizeof text);
    if (hdr->code == TTN_GETDISPINFOA) {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(hdr));
        info->hinst = nullptr;
        info->lpszText = text;
    } else {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(hdr));
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 256);
        info->hinst = nullptr;
        info->lpszText = wide;
    }
    return true;
}

} // namespace

int ToolTipStringOf(int command)
{
    for (const TOOLTIP& t : kToolTips)
        if (t.command == command) return t.string_id;
    return 0;
}

int CreateGlobalGDIResources()
{
    DestroyGlobalGDIResources();
    g_hImgList1 = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    for (int bitmap : {IDB_STATUS_NO_FILTER, IDB_STATUS_FILTER}) {
        HBITMAP bmp = static_cast<HBITMAP>(
            LoadImageA(hInst, MAKEINTRESOURCEA(bitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (bmp && g_hImgList1) ImageList_AddMasked(g_hImgList1, bmp, kMagenta);
        if (bmp) DeleteObject(bmp);
    }
    g_hBmpOpposite = static_cast<HBITMAP>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDB_OPPOSITE), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    g_hBrush_lx_filter = CreateSolidBrush(status.opt_lx_highlight_combo_color);
    g_hBrush_dic_filter = CreateSolidBrush(status.opt_dic_highlight_combo_color);
    g_hBrush_ScrollTip = CreateSolidBrush(status.opt_scrolltip_color);
    return g_hImgList1 && g_hBmpOpposite && g_hBrush_lx_filter && g_hBrush_dic_filter && g_hBrush_ScrollTip ? 1 : 0;
}

void DestroyGlobalGDIResources()
{
    if (g_hImgList1) ImageList_Destroy(g_hImgList1);
    g_hImgList1 = nullptr;
    for (HGDIOBJ* obj : {reinterpret_cast<HGDIOBJ*>(&g_hBmpOpposite), reinterpret_cast<HGDIOBJ*>(&g_hBrush_lx_filter),
                         reinterpret_cast<HGDIOBJ*>(&g_hBrush_dic_filter),
                         reinterpret_cast<HGDIOBJ*>(&g_hBrush_ScrollTip)}) {
        if (*obj) DeleteObject(*obj);
        *obj = nullptr;
    }
}

int CreateRebar(HWND frame)
{
    RegisterBandClass();
    hRebar = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                 RBS_BANDBORDERS | CCS_NODIVIDER,
                             0, 0, 2000, 100, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REBAR)), hInst,
                             nullptr);
    if (!hRebar) return 0;
    REBARINFO info = {};
    info.cbSize = sizeof info;
    SendMessageA(hRebar, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));

    // Navigator: book, chapter and verse, then the three history buttons.
    hToolBar = BandContainer(IDC_BAND_NAVIGATOR, 270);
    if (!hToolBar) return 0;
    g_old_navigator_proc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hToolBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NavigatorProc)));
    hCombo1 = NavigatorCombo(IDC_NAV_BOOK, 0, 110);
    hCombo2 = NavigatorCombo(IDC_NAV_CHAPTER, 112, 45);
    hCombo3 = NavigatorCombo(IDC_NAV_VERSE, 159, 45);
    HIMAGELIST arrows = LoadStrip(IDB_TOOLBAR_HISTORY, 16);
    HIMAGELIST drop = LoadStrip(IDB_HISTORY_DROP, 8);
    KeepImageList(arrows);
    KeepImageList(drop);
    hUndo = HistoryButton(IDC_NAV_BACK, IDM_HISTORY_BACK, 208, arrows, 0, 16);
    hDrop = HistoryButton(IDC_NAV_HISTORY, IDM_HISTORY_LIST, 231, drop, 0, 8);
    hRedo = HistoryButton(IDC_NAV_FORWARD, IDM_HISTORY_FORWARD, 246, arrows, 1, 16);
    if (!hCombo1 || !hCombo2 || !hCombo3 || !hUndo || !hDrop || !hRedo) return 0;

    // Main tool bar.
    HIMAGELIST main_images = LoadStrip(IDB_TOOLBAR_MAIN, 16);
    KeepImageList(main_images);
    const int main_commands[] = {IDM_SHOW_TREE, IDM_LIBRARY_MANAGER, IDM_SHOW_TABLE,    IDM_SHOW_INFO,    IDM_SHOW_VERSE_LIST,
                                 IDM_COMPARE,   IDM_REUSABLE,        IDM_SHOW_ALL_TAGS, IDM_HIDE_ALL_TAGS};
    TBBUTTON main_buttons[9];
    for (int i = 0; i < 9; ++i) main_buttons[i] = Button(i, main_commands[i]);
    hToolBar2 = MakeToolBar(hRebar, IDC_BAND_MAIN_TOOLBAR, 0, 216, main_images, main_buttons, 9);

    // Search tool bar.
    HIMAGELIST search_images = LoadStrip(IDB_TOOLBAR_SEARCH, 16);
    KeepImageList(search_images);
    TBBUTTON search_buttons[] = {Button(0, IDM_SEARCH), Button(1, IDM_SEARCH_IN_RESULTS), Button(2, IDM_RESULTS_LIST)};
    hToolBar3 = MakeToolBar(hRebar, IDC_BAND_SEARCH_TOOLBAR, 0, 72, search_images, search_buttons, 3);

    // Command line: the lamp and the combo box.
    hToolBar4 = BandContainer(IDC_BAND_CMDLINE, 110);
    if (!hToolBar4) return 0;
    hLed = Child(hToolBar4, "STATIC", SS_ICON | SS_CENTERIMAGE, 1, 3, 16, 16, IDC_CMDLINE_LED);
    hCmdLine = Child(hToolBar4, "COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 20, 1, 90, 300,
                     IDC_CMDLINE);
    SetGuiFont(hCmdLine);
    if (!hLed || !hCmdLine) return 0;
    CMD_InstallCommandLine(hToolBar4, hCmdLine, hLed);

    // Audio tool bar.
    HIMAGELIST audio_images = LoadStrip(IDB_TOOLBAR_AUDIO, 16);
    KeepImageList(audio_images);
    TBBUTTON audio_buttons[] = {Button(0, IDM_MM_VERSE_SOUND), Separator(),           Button(1, IDM_MM_PLAY),
                                Button(2, IDM_MM_PAUSE),       Button(3, IDM_MM_STOP), Button(4, IDM_MM_REWIND),
                                Button(5, IDM_MM_FORWARD),     Separator(),           Button(6, IDM_MM_INDEXING)};
    hToolBar5 = MakeToolBar(hRebar, IDC_BAND_AUDIO_TOOLBAR, 0, 178, audio_images, audio_buttons, 9);
    if (!hToolBar2 || !hToolBar3 || !hToolBar5) return 0;

    // Band widths include the gripper. The last band asks for more than any
    // row has, so that it, not the others, takes the rest of the row.
    AddBand(hToolBar, IDC_BAND_NAVIGATOR, 270, 290);
    AddBand(hToolBar2, IDC_BAND_MAIN_TOOLBAR, 9 * 23, 216 + 12);
    AddBand(hToolBar3, IDC_BAND_SEARCH_TOOLBAR, 3 * 23, 72 + 12);
    AddBand(hToolBar4, IDC_BAND_CMDLINE, 110, 110 + 12);
    AddBand(hToolBar5, IDC_BAND_AUDIO_TOOLBAR, 7 * 23 + 2 * 8, 4000);
    return 1;
}

LRESULT CALLBACK NavigatorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDC_NAV_BOOK || id == IDC_NAV_CHAPTER || id == IDC_NAV_VERSE) {
            if (code == CBN_DROPDOWN) {
                const int last = status.bk_last_book;
                if (BK_IsBookWindow(last)) BK_UpdateNavigator(datawindow[last].book_position, last, 1);
                return 0;
            }
            if (code == CBN_SELCHANGE) {
                NavigatorSelectionChanged(id);
                return 0;
            }
            return 0;
        }
        if (id == IDM_HISTORY_BACK || id == IDM_HISTORY_FORWARD || id == IDM_HISTORY_LIST) {
            if (hMain) PostMessageA(hMain, WM_COMMAND, MAKEWPARAM(id, 0), 0);
            return 0;
        }
    }
    return CallWindowProcA(g_old_navigator_proc ? g_old_navigator_proc : DefWindowProcA, hwnd, msg, wParam, lParam);
}

HWND CreateMainStatusBar(HWND frame)
{
    hStatus = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUSBAR)), hInst, nullptr);
    if (!hStatus) return nullptr;
    int parts[4] = {240, 520, 620, -1};
    SendMessageA(hStatus, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    RECT rc;
    GetWindowRect(hStatus, &rc);
    status.statusbar_height = rc.bottom - rc.top;
    UpdateStatusBar(-1, -1);
    return hStatus;
}

void LayoutFrame(HWND frame)
{
    if (!frame) return;
    RECT rc;
    GetClientRect(frame, &rc);
    if (hRebar) {
        RECT rr;
        GetWindowRect(hRebar, &rr);
        MoveWindow(hRebar, 0, 0, rc.right, rr.bottom - rr.top, TRUE);
    }
    if (hStatus) {
        SendMessageA(hStatus, WM_SIZE, 0, 0);
        RECT sr;
        GetWindowRect(hStatus, &sr);
        status.statusbar_height = sr.bottom - sr.top;
    }
    const int top = hRebar ? status.rebar_height : 0;
    const int bottom = hStatus ? status.statusbar_height : 0;
    int height = rc.bottom - top - bottom;
    if (height < 0) height = 0;
    int tree = status.tree_width;
    if (tree < 0) tree = 0;
    if (tree > rc.right - kSplitter) tree = rc.right > kSplitter ? rc.right - kSplitter : 0;
    const int mdi_x = hWndTV ? tree + kSplitter : 0;
    if (g_hMDIClient) MoveWindow(g_hMDIClient, mdi_x, top, rc.right > mdi_x ? rc.right - mdi_x : 0, height, TRUE);
    if (hWndTV) {
        MoveWindow(hWndTV, 0, top, tree, height, TRUE);
        ShowWindow(hWndTV, tree > 0 ? SW_SHOWNA : SW_HIDE);
    }
    UsporadejOkna();
    BK_UpdateAllBookWindows();
}

bool FrameNotify(HWND frame, const NMHDR* hdr, LRESULT* result)
{
    if (!hdr) return false;
    if (ToolTipNotify(hdr, result)) return true;
    if (TreeNotify(hdr, result)) return true;
    if (hRebar && hdr->hwndFrom == hRebar &&
        (hdr->code == RBN_HEIGHTCHANGE || hdr->code == RBN_BEGINDRAG || hdr->code == RBN_MINMAX)) {
        LayoutAfterRebarChange(frame);
        *result = 0;
        return true;
    }
    return false;
}

bool OnSplitter(int x)
{
    return hWndTV && x >= status.tree_width && x < status.tree_width + kSplitter;
}

void Splitter_OnMouseMove(HWND frame, int x, int y)
{
    (void)y;
    if (bDrag) {
        RECT rc;
        GetClientRect(frame, &rc);
        if (x < 0) x = 0;
        if (x > rc.right - kSplitter) x = rc.right - kSplitter;
        status.tree_width = x;
        // Only tree and client move while dragging; tiling waits for the release.
        const int top = status.rebar_height;
        int height = rc.bottom - top - status.statusbar_height;
        if (height < 0) height = 0;
        if (hWndTV) {
            MoveWindow(hWndTV, 0, top, x, height, TRUE);
            ShowWindow(hWndTV, x > 0 ? SW_SHOWNA : SW_HIDE);
        }
        if (g_hMDIClient) MoveWindow(g_hMDIClient, x + kSplitter, top, rc.right - x - kSplitter, height, TRUE);
    }
    if (bDrag || OnSplitter(x)) SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));  // IDC_SIZEWE
}

void Splitter_OnLButtonDown(HWND frame, int x, int)
{
    if (!OnSplitter(x)) return;
    SetCapture(frame);
    bDrag = 1;
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));
}

void Splitter_OnLButtonUp(HWND frame, int, int)
{
    if (!bDrag) return;
    bDrag = 0;
    ReleaseCapture();
    LayoutFrame(frame);
}

void ForgetFrameControls()
{
    for (HWND* h : {&hRebar, &hToolBar, &hCombo1, &hCombo2, &hCombo3, &hUndo, &hDrop, &hRedo, &hToolBar2, &hToolBar3,
                    &hToolBar4, &hCmdLine, &hCmdLineEdit, &hLed, &hToolBar5, &hStatus, &hWndTV})
        *h = nullptr;
    for (HIMAGELIST& list : g_toolbar_images) {
        if (list) ImageList_Destroy(list);
        list = nullptr;
    }
    bDrag = 0;
}

void SetStatusRecordProvider(StatusRecordProvider provider)
{
    g_status_provider = provider;
}

const STATUS_PICTURE& LastStatusPicture()
{
    return g_status_picture;
}

int UpdateStatusBar(int id, int what)
{
    char* part0 = what == -1 || what == 0 ? g_status_text[0] : nullptr;
    char* part1 = what == -1 || what == 1 ? g_status_text[1] : nullptr;
    BK_StatusBarTexts(id, part0, part0 ? sizeof g_status_text[0] : 0, part1, part1 ? sizeof g_status_text[1] : 0);
    bool owner_drawn = false;
    if (part1 && id >= 0 && id < status.num_windows &&
        (datawindow[id].type == MODULE_LEXICON || datawindow[id].type == MODULE_DICTIONARY)) {
        g_status_picture.id = id;
        g_status_picture.image = 0;
        g_status_picture.text[0] = '\0';
        if (g_status_provider &&
            g_status_provider(id, &g_status_picture.image, g_status_picture.text, sizeof g_status_picture.text))
            owner_drawn = true;
        else
            g_status_picture.id = -1;
        part1[0] = '\0';
    }
    if (hStatus) {
        if (part0) SendMessageA(hStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(part0));
        if (part1) {
            if (owner_drawn)
                SendMessageA(hStatus, SB_SETTEXTA, 1 | SBT_OWNERDRAW, static_cast<LPARAM>(id));
            else
                SendMessageA(hStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(part1));
        }
    }
    // The library part counts the open modules: the tree's images follow them.
    if (part0) LIB_RefreshTreeImages();
    return 1;
}

int PaintStatusPicture(int id, HDC hdc, int x, int y, int image, const char* text)
{
    (void)id;
    if (!hdc) return 0;
    if (g_hImgList1) ImageList_Draw(g_hImgList1, image, hdc, x, y, ILD_TRANSPARENT);
    if (text && *text) {
        const int old_mode = SetBkMode(hdc, OPAQUE);
        const COLORREF old_bk = SetBkColor(hdc, GetSysColor(COLOR_MENU));
        const COLORREF old_fg = SetTextColor(hdc, GetSysColor(COLOR_MENUTEXT));
        HGDIOBJ old_font = SelectObject(hdc, GuiFont());
        TextOutA(hdc, x + 20, y + 1, text, static_cast<int>(std::strlen(text)));
        SelectObject(hdc, old_font);
        SetTextColor(hdc, old_fg);
        SetBkColor(hdc, old_bk);
        SetBkMode(hdc, old_mode);
    }
    return 1;
}

void StatusBar_OnDrawItem(const DRAWITEMSTRUCT* dis)
{
    if (!dis || dis->hwndItem != hStatus) return;
    const int id = static_cast<int>(dis->itemData);
    if (id != g_status_picture.id) return;
    const int h = dis->rcItem.bottom - dis->rcItem.top;
    PaintStatusPicture(id, dis->hDC, dis->rcItem.left + 2, dis->rcItem.top + (h - 16) / 2, g_status_picture.image,
                       g_status_picture.text);
}
