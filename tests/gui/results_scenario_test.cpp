// Searches on the sample library, run on demand (tools/book-screenshots):
// screenshots of the results window and of a lexicon after a search, and
// the time from Find to the first result on the screen. Without
// SEVIR_SAMPLE_DIR they are skipped.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/lang.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/main_window.h"
#include "harness.h"
#include "resource.h"
#include "search/book_search.h"
#include "search/lex_search.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/search_request.h"
#include "search/win/results_window.h"

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool SaveFrame(HWND frame, const std::string& path)
{
    return gui::SaveWindowImage(frame, path);
}

class SampleResults : public gui::FrameTest {
protected:
    void SetUp() override
    {
        sample_ = Env("SEVIR_SAMPLE_DIR");
        if (sample_.empty()) GTEST_SKIP() << "SEVIR_SAMPLE_DIR not set";
        shots_ = Env("SEVIR_SHOT_DIR");
        GetCurrentDirectoryA(sizeof saved_, saved_);
        ASSERT_TRUE(SetCurrentDirectoryA(sample_.c_str())) << sample_;
        gui::FrameTest::SetUp();
        Command(IDM_WINDOW_CLOSE_ALL);
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
    void Shot(const char* name)
    {
        if (shots_.empty()) return;
        RedrawWindow(frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        gui::PumpUntilIdle(200, 3000);
        EXPECT_TRUE(SaveFrame(frame(), shots_ + "\\" + name + ".bmp")) << name;
    }
    // What the search dialog's Find does for a text search of book window dw.
    static int Find(int dw, const char* pattern, int search_for, int ignore_vowels = 0)
    {
        search_in.datawindow = dw;
        search_in.mode = 0;
        search_in.tab = 0;
        search_in.type = datawindow[dw].language;
        search_in.in_results = 0;
        search_in.search_for = search_for;
        search_in.ignore_vowels = ignore_vowels;
        SEARCH_FillRangeRows(dw, nullptr, 0);
        search_in.range_last = 0;
        SEARCH_SetTypedPattern(pattern);
        const int r = SEARCH_BookText();
        if (r == SEARCH_NEW_HITS) g_search_ui_hooks.show_book_results();
        return r;
    }
    void Arrange(int book, int lexicon = -1)
    {
        // The book window (and the lexicon below it) on the left, the
        // results on the right, over the whole MDI client.
        RECT rc;
        GetClientRect(g_hMDIClient, &rc);
        const int left = rc.right * 45 / 100;
        const int half = rc.bottom / 2;
        MoveWindow(static_cast<HWND>(datawindow[book].hwnd), 0, 0, left, lexicon >= 0 ? half : rc.bottom, TRUE);
        if (lexicon >= 0)
            MoveWindow(static_cast<HWND>(datawindow[lexicon].hwnd), 0, half, left, rc.bottom - half, TRUE);
        MoveWindow(static_cast<HWND>(datawindow[RES_Window()].hwnd), left, 0, rc.right - left, rc.bottom, TRUE);
        gui::PumpUntilIdle();
    }

    std::string sample_, shots_;
    char saved_[MAX_PATH] = {};
};

} // namespace

TEST_F(SampleResults, Screenshots)
{
    status.opt_resizing = 0;
    const int kjv = Open("kjv.sbk");
    ASSERT_EQ(Find(kjv, "love", 1), SEARCH_NEW_HITS);
    ASSERT_GE(RES_Window(), 0);
    Arrange(kjv);
    Command(IDM_SHOW_ALL_TAGS);
    Shot("results-kjv-love");
    // The same in Spanish: title and status bar.
    int es = -1, en = -1;
    for (int i = 0; i < status.lang_found; ++i) {
        if (!lstrcmpiA(g_lang_files[i].filename, "espanol.lng")) es = i;
        if (!lstrcmpiA(g_lang_files[i].filename, "english.lng")) en = i;
    }
    if (es >= 0 && en >= 0) {
        Command(IDM_LANGUAGE_BASE + es);
        EXPECT_NE(gui::WindowText(static_cast<HWND>(datawindow[RES_Window()].hwnd)).find("resultados"),
                  std::string::npos);
        Shot("results-kjv-love-es");
        Command(IDM_LANGUAGE_BASE + en);
    }
    Command(IDM_WINDOW_CLOSE_ALL);

    // Hebrew with the vowels ignored: "elohim", typed as the pattern box
    // shows it.
    const int wlc = Open("wlc.sbk");
    ASSERT_EQ(Find(wlc, "MIDL@", 1, 1), SEARCH_NEW_HITS);
    Arrange(wlc);
    Shot("results-wlc-elohim");
    Command(IDM_WINDOW_CLOSE_ALL);

    // Greek: "agape" and its forms.
    const int tr = Open("tr.sbk");
    ASSERT_EQ(Find(tr, "agap*", 1), SEARCH_NEW_HITS);
    Arrange(tr);
    Shot("results-tr-agap");
    Command(IDM_WINDOW_CLOSE_ALL);

    // The Strong's Greek lexicon filtered by a search, its article marked;
    // next to the KJV's results of the same word.
    const int kjv2 = Open("kjv.sbk");
    const int lex = Open("strgreek.lex");
    ASSERT_GE(lex, 0);
    search_in.datawindow = lex;
    search_in.mode = 1;
    search_in.tab = 0;
    search_in.type = 0;
    search_in.search_for = 1;
    search_in.in_lex_results = 0;
    SEARCH_SetTypedPattern("love");
    ASSERT_EQ(SEARCH_LexText(), 1);
    g_search_ui_hooks.lexicon_results_changed(lex);
    ASSERT_EQ(Find(kjv2, "charity", 1), SEARCH_NEW_HITS);
    Arrange(kjv2, lex);
    Shot("results-lexicon-love");
}

TEST_F(SampleResults, FindToFirstResultTiming)
{
    const int kjv = Open("kjv.sbk");
    gui::PumpUntilIdle();
    // From Find to the results window showing the first result on the screen:
    // the search, the window made (or retargeted), the result rendered and
    // painted.
    auto once = [&]() {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Find(kjv, "love", 1), SEARCH_NEW_HITS);
        UpdateWindow(static_cast<HWND>(datawindow[RES_Window()].hwnd));
        const auto end = std::chrono::steady_clock::now();
        return std::chrono::duration<double, std::milli>(end - start).count();
    };
    std::vector<double> create, retarget, search;
    for (int i = 0; i < 5; ++i) {
        create.push_back(once());
        gui::PumpUntilIdle();
        retarget.push_back(once());
        gui::PumpUntilIdle();
        SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(datawindow[RES_Window()].hwnd), 0);
        gui::PumpUntilIdle();
        // The search alone, as Find runs it.
        search_in.in_results = 0;
        SEARCH_SetTypedPattern("love");
        const auto start = std::chrono::steady_clock::now();
        SEARCH_BookText();
        search.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        SEARCH_ClearBookResults();
    }
    // The same with automatic tiling off: the book window keeps its size
    // and is not drawn again.
    std::vector<double> untiled;
    const int resizing = status.opt_resizing;
    status.opt_resizing = 0;
    for (int i = 0; i < 5; ++i) {
        untiled.push_back(once());
        gui::PumpUntilIdle();
        SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(datawindow[RES_Window()].hwnd), 0);
        gui::PumpUntilIdle();
    }
    status.opt_resizing = resizing;
    std::sort(untiled.begin(), untiled.end());
    std::sort(create.begin(), create.end());
    std::sort(retarget.begin(), retarget.end());
    std::sort(search.begin(), search.end());
    std::printf("Find \"love\" (all words) in the KJV to the first result: %.1f ms opening the results window, "
                "%.1f ms retargeting it (medians of 5; target 100 ms); the search alone %.1f ms\n",
                create[2], retarget[2], search[2]);
    std::printf("  opening without automatic tiling: %.1f ms\n", untiled[2]);
}
