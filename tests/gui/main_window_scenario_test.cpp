// The main window on the sample library, run on demand (tools/book-screenshots):
// pictures of the whole frame in English and Spanish, the tip of the day,
// the About box and the splash. Without SEVIR_SAMPLE_DIR they are skipped.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/catalogue.h"
#include "app/lang.h"
#include "app/records.h"
#include <commctrl.h>

#include "app/win/frame_controls.h"
#include "app/win/lang_window.h"
#include "app/win/library_tree.h"
#include "app/win/main_window.h"
#include "auxiliary/win/splash.h"
#include "auxiliary/win/tip.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "cmdline/sync_names.h"
#include "harness.h"
#include "modwriter/modwriter.h"
#include "resource.h"

#include <chrono>

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// Saves a rectangle of the screen into a 24-bit BMP.
using gui::SaveScreen;

bool SaveWindow(HWND hwnd, const std::string& path)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return SaveScreen(rc, path);
}

std::string g_about_shot;
bool g_about_saved = false;

// Finds the About box, saves it and closes it.
void CALLBACK AboutTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = FindWindowA("#32770", nullptr);
    if (!box || !IsWindowVisible(box)) return;
    KillTimer(nullptr, id);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(100);
    if (!g_about_shot.empty()) g_about_saved = SaveWindow(box, g_about_shot);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_OK, 0), 0);
}

class SampleMainWindow : public gui::FrameTest {
protected:
    void SetUp() override
    {
        sample_ = Env("SEVIR_SAMPLE_DIR");
        if (sample_.empty()) GTEST_SKIP() << "SEVIR_SAMPLE_DIR not set";
        shots_ = Env("SEVIR_SHOT_DIR");
        GetCurrentDirectoryA(sizeof saved_, saved_);
        ASSERT_TRUE(SetCurrentDirectoryA(sample_.c_str())) << sample_;
        gui::FrameTest::SetUp();
        MoveWindow(frame(), 0, 0, 1280, 800, TRUE);
        gui::PumpUntilIdle();
    }
    void TearDown() override
    {
        if (sample_.empty()) return;
        gui::FrameTest::TearDown();
        ResetGlobalRecords();
        SetCurrentDirectoryA(saved_);
    }
    int Open(const char* file)
    {
        const int k = IsFileInDATAFILEArray(file, status.files_all);
        EXPECT_GE(k, 0) << file;
        Command(IDM_MODULE_BASE + k);
        return status.num_windows - 1;
    }
    void Type(const char* text)
    {
        SetWindowTextA(hCmdLine, text);
        SendMessageA(hToolBar4, WM_COMMAND, MAKEWPARAM(IDC_CMDLINE, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(hCmdLine));
        SendMessageA(hCmdLineEdit, WM_KEYDOWN, VK_RETURN, 0);
        gui::PumpUntilIdle();
    }
    void Shot(const char* name)
    {
        RedrawWindow(frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        gui::PumpUntilIdle(200, 3000);
        if (!shots_.empty()) {
            EXPECT_TRUE(SaveWindow(frame(), shots_ + "\\" + name + ".bmp")) << name;
        }
    }
    int Language(const char* filename)
    {
        for (int i = 0; i < status.lang_found; ++i)
            if (!lstrcmpiA(g_lang_files[i].filename, filename)) return i;
        return -1;
    }

    std::string sample_, shots_;
    char saved_[MAX_PATH] = {};
};

} // namespace

TEST_F(SampleMainWindow, FrameInEnglishAndSpanish)
{
    ASSERT_GE(status.files_all, 6);
    Command(IDM_WINDOW_CLOSE_ALL);  // the study desk, when the sample has one
    // Expand the folders of the tree.
    for (HTREEITEM root = TreeView_GetRoot(hWndTV); root; root = TreeView_GetNextSibling(hWndTV, root)) {
        TreeView_Expand(hWndTV, root, TVE_EXPAND);
        for (HTREEITEM f = TreeView_GetChild(hWndTV, root); f; f = TreeView_GetNextSibling(hWndTV, f))
            TreeView_Expand(hWndTV, f, TVE_EXPAND);
    }
    Open("kjv.sbk");
    Open("rv1909.sbk");
    Open("tr.sbk");
    Command(IDM_WINDOW_TILE_VERTICAL);
    Type("John 3:16");
    EXPECT_EQ(status.cmdline_led, 2);
    Shot("main-window");

    const int es = Language("espanol.lng");
    ASSERT_GE(es, 0);
    Command(IDM_LANGUAGE_BASE + es);
    Type("Juan 1:1");
    EXPECT_EQ(status.cmdline_led, 2);
    Shot("main-window-es");
    const int en = Language("english.lng");
    ASSERT_GE(en, 0);
    Command(IDM_LANGUAGE_BASE + en);
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(SampleMainWindow, TipAboutAndSplash)
{
    status.tip_to_show = 8;
    HWND tip = ShowTipOfDay(frame());
    ASSERT_NE(tip, nullptr);
    gui::PumpUntilIdle(200, 2000);
    if (!shots_.empty()) {
        EXPECT_TRUE(SaveWindow(tip, shots_ + "\\tip-of-the-day.bmp"));
    }
    CloseTipOfDay();

    g_about_shot = shots_.empty() ? "" : shots_ + "\\about.bmp";
    SetTimer(nullptr, 0, 300, AboutTimer);
    Command(IDM_ABOUT);
    if (!shots_.empty()) {
        EXPECT_TRUE(g_about_saved);
    }

    HWND splash = ShowSplashScreen(frame(), 0);
    ASSERT_NE(splash, nullptr);
    gui::PumpUntilIdle(200, 2000);
    if (!shots_.empty()) {
        EXPECT_TRUE(SaveWindow(splash, shots_ + "\\splash.bmp"));
    }
    DestroySplashScreen();
}

namespace {

double Ms(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// A frame made afresh in dir until it is idle: the start-up of the program
// after Wine's own (classes registered, process running).
struct StartupFigures {
    double frame_ms, create_ms, show_ms, scan_ms, tree_ms, menus_ms, open3_ms;
    int windows_at_start;
};

StartupFigures MeasureStartup(HWND old_frame, const std::string& dir, bool open_three)
{
    if (old_frame && IsWindow(old_frame)) DestroyWindow(old_frame);
    gui::PumpUntilIdle(10, 2000);
    ResetGlobalRecords();
    SetCurrentDirectoryA(dir.c_str());
    StartupFigures f{};
    constexpr int kIdle = 20;
    auto t0 = std::chrono::steady_clock::now();
    bool aborted = false;
    HWND frame = CreateSevirFrame(GetModuleHandleA(nullptr), &aborted);
    EXPECT_NE(frame, nullptr);
    if (!frame) return f;
    auto created = std::chrono::steady_clock::now();
    MoveWindow(frame, 0, 0, 1280, 800, TRUE);
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    auto shown = std::chrono::steady_clock::now();
    gui::PumpUntilIdle(kIdle, 10000);
    auto t1 = std::chrono::steady_clock::now();
    f.frame_ms = Ms(t0, t1) - kIdle;
    f.create_ms = Ms(t0, created);
    f.show_ms = Ms(created, shown);
    f.windows_at_start = status.num_windows;
    // Where the time goes: the parts again, one by one.
    auto a = std::chrono::steady_clock::now();
    ScanDataFiles();
    auto b = std::chrono::steady_clock::now();
    UpdateTreeViewFromCFG();
    auto c = std::chrono::steady_clock::now();
    LANG_RemoveMenu();
    LANG_BuildFrameMenu(frame);
    auto d = std::chrono::steady_clock::now();
    f.scan_ms = Ms(a, b);
    f.tree_ms = Ms(b, c);
    f.menus_ms = Ms(c, d);
    if (open_three && status.num_windows == 0) {
        auto e = std::chrono::steady_clock::now();
        for (const char* file : {"kjv.sbk", "rv1909.sbk", "tr.sbk"}) {
            const int k = IsFileInDATAFILEArray(file, status.files_all);
            EXPECT_GE(k, 0) << file;
            SendMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_MODULE_BASE + k, 0), 0);
        }
        gui::PumpUntilIdle(kIdle, 10000);
        f.open3_ms = Ms(e, std::chrono::steady_clock::now()) - kIdle;
        EXPECT_EQ(status.num_windows, 3);
        f.windows_at_start = 0;
    }
    return f;
}

} // namespace

TEST_F(SampleMainWindow, StartupTiming)
{
    const StartupFigures sample = MeasureStartup(frame(), sample_, true);
    std::printf("start-up, sample library (%d modules, %d book windows of the study desk reopened): frame idle "
                "%.0f ms (created %.0f, shown and painted %.0f; of that catalogue %.1f ms, tree %.1f ms, menus "
                "%.1f ms)",
                status.files_all, sample.windows_at_start, sample.frame_ms, sample.create_ms, sample.show_ms,
                sample.scan_ms, sample.tree_ms, sample.menus_ms);
    if (sample.windows_at_start == 0) std::printf("; opening KJV, RV1909 and TR afterwards %.0f ms", sample.open3_ms);
    std::printf("\n");
    DestroyWindow(hMain);
    gui::PumpUntilIdle(10, 2000);

    // 500 catalogued modules, placed in folders of "library.cfg" by tens.
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string dir = std::string(temp) + "sevir-500";
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA((dir + "\\data").c_str(), nullptr);
    std::string cfg = ";Sevir3 library configuration file.\r\n#book\r\n";
    for (int i = 0; i < 500; ++i) {
        char name[32], abbrev[16], title[64];
        std::snprintf(name, sizeof name, "m%03d.sbk", i);
        std::snprintf(abbrev, sizeof abbrev, "M%03d", i);
        std::snprintf(title, sizeof title, "Generated module %d", i);
        if (i % 10 == 0) cfg += "&1Folder " + std::to_string(i / 10) + "\r\n";
        cfg += std::string("%1") + name + "\r\n";
        const std::string path = dir + "\\data\\" + name;
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        modwriter::BookModule m;
        m.info = {{"IA", abbrev}, {"IT", title}};
        modwriter::Book b("Genesis", "Gen", "OTGen");
        b.verses.push_back({1, 1, "In the beginning"});
        m.books = {b};
        ASSERT_TRUE(modwriter::WriteFileAtomic(path, modwriter::BuildBookModule(m)));
    }
    ASSERT_TRUE(modwriter::WriteFileAtomic(dir + "\\library.cfg", cfg));
    const StartupFigures many = MeasureStartup(nullptr, dir, false);
    EXPECT_EQ(status.files_all, 500);
    std::printf("start-up, 500 catalogued modules: frame idle %.0f ms (created %.0f, shown and painted %.0f; of "
                "that catalogue %.1f ms, tree %.1f ms, menus %.1f ms)\n",
                many.frame_ms, many.create_ms, many.show_ms, many.scan_ms, many.tree_ms, many.menus_ms);
    DestroyWindow(hMain);
    gui::PumpUntilIdle(10, 2000);
    SUCCEED();
}
