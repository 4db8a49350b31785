// The layout survives a restart: the program is closed with book windows at
// chosen verses and places, started again in the same folder, and finds the
// same windows there.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/verse_location.h"
#include "books/win/book_window.h"
#include "harness.h"
#include "modwriter/modwriter.h"
#include "resource.h"

namespace {

std::string Module(const char* abbrev, const char* sync, int chapters)
{
    modwriter::BookModule m;
    m.info = {{"IA", abbrev}, {"IT", std::string("Bible ") + abbrev}};
    modwriter::Book b("Book", "Bk", sync);
    for (int c = 1; c <= chapters; ++c)
        for (int v = 1; v <= 12; ++v)
            b.verses.push_back({c, v, std::string(abbrev) + " " + std::to_string(c) + ":" + std::to_string(v)});
    m.books = {b};
    return modwriter::BuildBookModule(m);
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Seen {
    std::string file;
    int chapter, verse;
    RECT rect;  // in MDI-client coordinates
};

class ConfigRestartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "sevir-config-restart";
        CreateDirectoryA(dir_.c_str(), nullptr);
        CreateDirectoryA((dir_ + "\\data").c_str(), nullptr);
        DeleteFileA((dir_ + "\\sevir.cfg").c_str());
        for (const char* m : {"alpha", "beta", "gamma", "delta"})
            ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\" + m + ".sbk", Module(m, "OTGen", 5)));
        GetCurrentDirectoryA(sizeof old_, old_);
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
        hInst = GetModuleHandleA(nullptr);
        ASSERT_TRUE(gui::EnsureSevirClasses());
    }
    void TearDown() override
    {
        if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
        gui::PumpUntilIdle(10, 2000);
        ResetGlobalRecords();
        SetCurrentDirectoryA(old_);
    }

    // Starts the program as sevir.exe does.
    void Start()
    {
        ResetGlobalRecords();
        bool aborted = false;
        frame_ = CreateSevirFrame(hInst, &aborted);
        ASSERT_NE(frame_, nullptr);
        ShowWindow(frame_, SW_SHOWNORMAL);
        UpdateWindow(frame_);
        gui::PumpUntilIdle();
    }
    // Closes it as a user does; the frame goes and the loop ends.
    void Close()
    {
        PostMessageA(frame_, WM_CLOSE, 0, 0);
        int code = -1;
        EXPECT_TRUE(gui::PumpUntilIdle(100, 5000, &code));
        EXPECT_FALSE(IsWindow(frame_));
        frame_ = nullptr;
    }

    int Open(const char* file)
    {
        const int k = IsFileInDATAFILEArray(file, status.files_all);
        EXPECT_GE(k, 0) << file;
        SendMessageA(frame_, WM_COMMAND, MAKEWPARAM(IDM_MODULE_BASE + k, 0), 0);
        gui::PumpUntilIdle();
        return status.num_windows - 1;
    }
    static void GoTo(int i, int chapter, int verse)
    {
        const int32_t offset = BK_HledejVers(BOOK_POSITION{i, 1, chapter, verse});
        ASSERT_GT(offset, 0);
        BK_GoToOffset(i, offset);
        BK_UpdateOneBookWindow(i);
        BK_NastavScroll(i);
    }
    static RECT ClientRect(int i)
    {
        RECT r;
        GetWindowRect(static_cast<HWND>(datawindow[i].hwnd), &r);
        MapWindowPoints(HWND_DESKTOP, g_hMDIClient, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    static std::vector<Seen> Windows()
    {
        std::vector<Seen> seen;
        for (int i = 0; i < status.num_windows; ++i) {
            const DATAWINDOW& w = datawindow[i];
            seen.push_back(Seen{datafile[w.id_file].filename, w.book_position.chapter, w.book_position.verse,
                                ClientRect(i)});
        }
        return seen;
    }
    static void ExpectSame(const std::vector<Seen>& a, const std::vector<Seen>& b)
    {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].file, b[i].file) << i;
            EXPECT_EQ(a[i].chapter, b[i].chapter) << i;
            EXPECT_EQ(a[i].verse, b[i].verse) << i;
            EXPECT_EQ(a[i].rect.left, b[i].rect.left) << i;
            EXPECT_EQ(a[i].rect.top, b[i].rect.top) << i;
            EXPECT_EQ(a[i].rect.right, b[i].rect.right) << i;
            EXPECT_EQ(a[i].rect.bottom, b[i].rect.bottom) << i;
        }
    }

    HWND frame_ = nullptr;
    std::string dir_;
    char old_[MAX_PATH] = {};
};

} // namespace

TEST_F(ConfigRestartTest, WindowsVersesAndPlacesComeBackAfterARestart)
{
    gui::MessageBoxRecorder boxes;

    // First run: no file yet.
    Start();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Configuration file sevir.cfg was not found\n\nDefault setting of program will be used");
    EXPECT_EQ(boxes.boxes()[0].caption, "Information");
    boxes.clear();
    ASSERT_EQ(status.files_all, 4);

    // Windows where the user put them: no automatic tiling.
    status.opt_resizing = 0;
    MoveWindow(frame_, 30, 40, 1000, 700, TRUE);
    gui::PumpUntilIdle();
    const int a = Open("alpha.sbk");
    const int b = Open("beta.sbk");
    const int c = Open("gamma.sbk");
    GoTo(a, 2, 7);
    GoTo(b, 4, 1);
    GoTo(c, 5, 12);
    MoveWindow(static_cast<HWND>(datawindow[a].hwnd), 0, 0, 300, 400, TRUE);
    MoveWindow(static_cast<HWND>(datawindow[b].hwnd), 310, 20, 320, 380, TRUE);
    MoveWindow(static_cast<HWND>(datawindow[c].hwnd), 640, 50, 290, 300, TRUE);
    gui::PumpUntilIdle();
    const std::vector<Seen> before = Windows();
    // Maximised at exit: it comes back at its restored place.
    ShowWindow(frame_, SW_MAXIMIZE);
    gui::PumpUntilIdle();
    Close();
    const std::string written = Slurp(dir_ + "\\sevir.cfg");
    EXPECT_NE(written.find("\r\nMainWindow=30,40,1000,700\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\r\nNumChildWindows=3\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nChildWindow[1]=beta.sbk,0,"), std::string::npos);
    EXPECT_NE(written.find(",310,20,320,380,0\r\n"), std::string::npos);

    // Second run: the same windows at the same verses and places.
    Start();
    EXPECT_TRUE(boxes.boxes().empty());
    RECT fr;
    GetWindowRect(frame_, &fr);
    EXPECT_EQ(fr.left, 30);
    EXPECT_EQ(fr.top, 40);
    EXPECT_EQ(fr.right, 1030);
    EXPECT_EQ(fr.bottom, 740);
    EXPECT_FALSE(IsZoomed(frame_));
    ExpectSame(Windows(), before);
    for (int i = 0; i < status.num_windows; ++i) {
        EXPECT_EQ(datawindow[i].offset, BK_HledejVers(datawindow[i].book_position)) << i;
        EXPECT_NE(gui::WindowText(static_cast<HWND>(datawindow[i].hrichedit)).find(
                      before[static_cast<std::size_t>(i)].file.substr(0, 4)),
                  std::string::npos)
            << i;
    }

    // The module of the middle window is gone before the third run; the
    // frame was minimised and the first window maximised at exit.
    SendMessageA(g_hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(datawindow[0].hwnd), 0);
    gui::PumpUntilIdle();
    ASSERT_TRUE(IsZoomed(static_cast<HWND>(datawindow[0].hwnd)));
    ShowWindow(frame_, SW_MINIMIZE);
    gui::PumpUntilIdle();
    Close();
    ASSERT_TRUE(DeleteFileA((dir_ + "\\data\\beta.sbk").c_str()));
    Start();
    EXPECT_TRUE(boxes.boxes().empty());
    ASSERT_EQ(status.num_windows, 2);
    ExpectSame(Windows(), {before[0], before[2]});
    GetWindowRect(frame_, &fr);
    EXPECT_EQ(fr.left, 30);
    EXPECT_EQ(fr.right, 1030);
    EXPECT_FALSE(IsIconic(frame_));
}

TEST_F(ConfigRestartTest, AMainWindowOffTheScreenComesBackOnIt)
{
    gui::MessageBoxRecorder boxes;
    std::FILE* f = std::fopen((dir_ + "\\sevir.cfg").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("NumChildWindows=1\r\nMainWindow=5000,-900,9000,90\r\nArrangeResizing=0\r\n"
               "ChildWindow[0]=DELTA.SBK,1,0,20,30,200,150,0\r\n",
               f);
    std::fclose(f);
    Start();
    EXPECT_TRUE(boxes.boxes().empty());
    RECT fr;
    GetWindowRect(frame_, &fr);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_GE(fr.left, 0);
    EXPECT_GE(fr.top, 0);
    EXPECT_LE(fr.right, sw);
    EXPECT_LE(fr.bottom, sh);
    EXPECT_GE(fr.bottom - fr.top, 200);
    // The module's own type decides (the file says lexicon), its name is
    // matched without regard to case, and offset 0 is its first verse.
    ASSERT_EQ(status.num_windows, 1);
    EXPECT_STREQ(datafile[datawindow[0].id_file].filename, "delta.sbk");
    EXPECT_EQ(datawindow[0].book_position.chapter, 1);
    EXPECT_EQ(datawindow[0].book_position.verse, 1);
    const RECT r = ClientRect(0);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 220);
    EXPECT_EQ(r.bottom, 180);
}
