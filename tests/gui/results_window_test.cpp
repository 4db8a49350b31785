// The results window and the lexicon window after searches: searches run
// through the search core as the search dialog runs them, then the windows
// are driven by messages.
#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/catalogue.h"
#include "app/config.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "book_gui_fixture.h"
#include "books/book_window.h"
#include "books/win/book_window.h"
#include "books/rtf_tags.h"
#include "cmdline/sync_names.h"
#include "lex/lex_list.h"
#include "modwriter/modwriter.h"
#include "resource.h"
#include "search/book_search.h"
#include "search/lex_search.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/search_request.h"
#include "search/win/results_window.h"
#include "text/click_info.h"
#include "text/win/info_window.h"

namespace {

// Text of verse k of the large module: "love" with its Strong's number in
// every 13th verse, a cross reference in every 97th.
std::string VerseText(int k)
{
    char text[160];
    std::snprintf(text, sizeof text, "In those days %d the people went up to the city", k);
    std::string s = text;
    if (k % 13 == 0) s += " and love|RG26|Rg abides with them";
    if (k % 97 == 0) s += " as it is written|RRNTJohn:3:16|Rr";
    return s;
}

int g_discarded = 0;
void Discarded()
{
    ++g_discarded;
}

class ResultsGuiTest : public gui::BookGuiTest {
protected:
    void WriteModules() override
    {
        // 66 books of 20 chapters of 24 verses: the size of a whole Bible.
        modwriter::BookModule m;
        m.info = {{"IA", "ABC"}, {"IT", "Large Test Bible"}};
        m.tag_caps = {0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0};
        m.collation.letters = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                               "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
        m.collation.joins_next.assign(m.collation.letters.size(), false);
        int k = 0;
        for (int b = 0; b < SYNC_NAME_COUNT; ++b) {
            char name[32];
            std::snprintf(name, sizeof name, "Book%d", b + 1);
            modwriter::Book book(name, name, g_verse_sort[b]);
            for (int c = 1; c <= 20; ++c)
                for (int v = 1; v <= 24; ++v) book.verses.push_back({c, v, VerseText(++k)});
            m.books.push_back(book);
        }
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir() + "\\data\\abc.sbk", modwriter::BuildBookModule(m)));
        // Greek morphology after the words.
        modwriter::BookModule g = m;
        g.info = {{"IA", "MOR"}, {"IT", "Morphology Test"}};
        g.tag_caps = {0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1};
        g.books.resize(1);
        g.books[0].verses.resize(3);
        g.books[0].verses[1].text = "God is love|RG26|Rg|MGN-NSF|Mg and light";
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir() + "\\data\\mor.sbk", modwriter::BuildBookModule(g)));
        // A small second Bible.
        modwriter::BookModule x = m;
        x.info = {{"IA", "XYZ"}, {"IT", "Small Test Bible"}};
        x.books.resize(2);
        for (modwriter::Book& b : x.books) b.verses.resize(48);
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir() + "\\data\\xyz.sbk", modwriter::BuildBookModule(x)));

        modwriter::LexiconModule lex;
        lex.language = 2;
        lex.keyword_strong = 2;
        lex.info = {{"IA", "GRK"}, {"IT", "Greek Test Lexicon"}};
        for (const char* l : {"a", "b", "g", "d", "e", "z", "h", "q", "i", "k", "l", "m", "n", "x", "o", "p", "r",
                              "s", "j", "t", "u", "f", "c", "y", "w"}) {
            lex.collation.letters.push_back(l);
            lex.collation.joins_next.push_back(false);
        }
        lex.labels = {{"Meaning: ", 0}};
        lex.tag_bytes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
        const char* const words[][3] = {{"agapaw", "G25", "to love, to value"}, {"agaph", "G26", "love, goodwill"},
                                        {"agioj", "G40", "holy"},              {"logoj", "G3056", "word"},
                                        {"pistij", "G4102", "faith"},          {"carij", "G5485", "grace"}};
        for (const auto& w : words) {
            modwriter::LexEntry e;
            e.keyword = w[0];
            e.strong = w[1];
            e.body = std::string("|TG") + w[0] + "|Tg: " + w[2] + ". Compare the love of God.";
            if (std::string(w[1]) == "G26") e.body += " From |RG25|Rg.";
            e.items = {w[2]};
            lex.entries.push_back(e);
        }
        std::string error;
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir() + "\\data\\grk.lex", modwriter::BuildLexiconModule(lex, &error)));
        ASSERT_EQ(error, "");
    }
    void SetUp() override
    {
        gui::BookGuiTest::SetUp();
        g_discarded = 0;
        program_discarded_ = g_search_ui_hooks.book_results_discarded;
        g_search_ui_hooks.book_results_discarded = Discarded;
    }
    void TearDown() override
    {
        g_search_ui_hooks.book_results_discarded = program_discarded_;
        gui::BookGuiTest::TearDown();
    }
    void (*program_discarded_)() = nullptr;

    // A search of book window dw as the dialog's Find runs it, then the
    // results shown.
    static int FindText(int dw, const char* pattern, int search_for = 1, int in_results = 0)
    {
        search_in.datawindow = dw;
        search_in.mode = 0;
        search_in.tab = 0;
        search_in.type = datawindow[dw].language;
        search_in.in_results = in_results;
        search_in.search_for = search_for;
        SEARCH_FillRangeRows(dw, nullptr, 0);
        search_in.range_last = 0;
        SEARCH_SetTypedPattern(pattern);
        const int r = SEARCH_BookText();
        if (r == SEARCH_NEW_HITS) g_search_ui_hooks.show_book_results();
        gui::PumpUntilIdle();
        return r;
    }
    static int Res() { return RES_Window(); }
    static HWND ResFrame() { return static_cast<HWND>(datawindow[Res()].hwnd); }
    static HWND ResView() { return static_cast<HWND>(datawindow[Res()].hrichedit); }
    static HWND ResBar() { return static_cast<HWND>(datawindow[Res()].hscroll); }
    static std::string Title() { return gui::WindowText(ResFrame()); }
    static std::string Expected(int n)
    {
        return "ABC " + std::to_string(n) + "/" + std::to_string(search_out_bk.hit_verses) + " results";
    }
    static void ResScroll(int code)
    {
        SendMessageA(ResFrame(), WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(ResBar()));
        gui::PumpUntilIdle();
    }
    static std::string ViewText(HWND view)
    {
        static char text[65536];
        text[0] = '\0';
        GetWindowTextA(view, text, sizeof text);
        return text;
    }
    // The text colour at character position of view.
    static COLORREF ColourAt(HWND view, int position)
    {
        SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(position), static_cast<LPARAM>(position + 1));
        CHARFORMATA cf{};
        cf.cbSize = sizeof cf;
        cf.dwMask = CFM_COLOR;
        SendMessageA(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        return cf.crTextColor;
    }
    // Character position of the first occurrence of word in view's text
    // (the control counts a paragraph end as its two characters).
    static int Find(HWND view, const std::string& word, std::size_t from = 0)
    {
        const std::size_t at = ViewText(view).find(word, from);
        return at == std::string::npos ? -1 : static_cast<int>(at);
    }
};

} // namespace

TEST_F(ResultsGuiTest, TextSearchOpensTheResultsWindowAndStepsThroughIt)
{
    const int abc = Open("abc.sbk");
    ASSERT_GE(abc, 0);
    ASSERT_EQ(FindText(abc, "love"), SEARCH_NEW_HITS);
    const int n = search_out_bk.hit_verses;
    EXPECT_EQ(n, 66 * 480 / 13);
    ASSERT_GE(Res(), 0);
    EXPECT_EQ(status.res_visible, 1);
    EXPECT_EQ(datawindow[Res()].results, 1);
    EXPECT_EQ(datawindow[Res()].no_jumps, 1);
    EXPECT_EQ(datawindow[Res()].sync, 0);
    EXPECT_EQ(status.bk_last_book, Res());
    EXPECT_EQ(Title(), Expected(1));
    EXPECT_EQ(std::string(g_status_text[1]), "[ABC] 1/" + std::to_string(n) + " results");
    int lo = -1, hi = -1;
    GetScrollRange(ResBar(), SB_CTL, &lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, n - 1);
    // The first result is the 13th verse of the module, with its label.
    EXPECT_NE(ViewText(ResView()).find("Book1 1:13"), std::string::npos) << ViewText(ResView());
    EXPECT_NE(ViewText(ResView()).find("In those days 13 the"), std::string::npos);

    // Page up on the first result stays there.
    ResScroll(SB_PAGEUP);
    EXPECT_EQ(search_out_bk.res_hitnumber, 0);
    EXPECT_EQ(Title(), Expected(1));
    ResScroll(SB_PAGEDOWN);
    EXPECT_EQ(Title(), Expected(2));
    EXPECT_EQ(ViewText(ResView()).find("In those days 26 the") < ViewText(ResView()).find("In those days 39 the"),
              true);
    // The keys of the window and of its text.
    SendMessageA(ResView(), WM_KEYDOWN, VK_NEXT, 1);
    gui::PumpUntilIdle();
    EXPECT_EQ(Title(), Expected(3));
    SendMessageA(ResView(), WM_KEYDOWN, VK_PRIOR, 1);
    gui::PumpUntilIdle();
    EXPECT_EQ(Title(), Expected(2));
    SendMessageA(ResFrame(), WM_KEYDOWN, VK_UP, 1);
    gui::PumpUntilIdle();
    EXPECT_EQ(Title(), Expected(1));
    // Line down by verses goes to the next result.
    datawindow[Res()].scroll_verse = 1;
    SendMessageA(ResView(), WM_KEYDOWN, VK_DOWN, 1);
    gui::PumpUntilIdle();
    EXPECT_EQ(Title(), Expected(2));
    EXPECT_EQ(std::string(g_status_text[1]), "[ABC] 2/" + std::to_string(n) + " results");
    // The navigator shows the place of the current result (verse 26).
    EXPECT_STREQ(BK_LastNavigator().single_book, "Book1");
    EXPECT_EQ(datawindow[Res()].book_position.chapter, 2);
    EXPECT_EQ(datawindow[Res()].book_position.verse, 2);
    // The configuration keeps it as a book window at that verse.
    const CFG_WINDOW saved = DescribeDatawindowForCfg(Res());
    EXPECT_EQ(saved.type, MODULE_BOOK);
    EXPECT_STREQ(saved.filename, "abc.sbk");
    EXPECT_EQ(saved.offset, search_out_bk.results_array[1]);

    // The thumb dragged to the end shows the last result; page down there stays.
    SetScrollPos(ResBar(), SB_CTL, n - 1, FALSE);
    ResScroll(SB_THUMBTRACK);
    EXPECT_EQ(Title(), Expected(n));
    ResScroll(SB_THUMBPOSITION);
    EXPECT_EQ(search_out_bk.res_hitnumber, n - 1);
    ResScroll(SB_PAGEDOWN);
    ResScroll(SB_LINEDOWN);
    EXPECT_EQ(search_out_bk.res_hitnumber, n - 1);
    EXPECT_EQ(GetScrollPos(ResBar(), SB_CTL), n - 1);
    char last[64];
    std::snprintf(last, sizeof last, "In those days %d the", (66 * 480 / 13) * 13);
    EXPECT_NE(ViewText(ResView()).find(last), std::string::npos);
}

TEST_F(ResultsGuiTest, HitsAreDrawnInTheHitColour)
{
    const int abc = Open("abc.sbk");
    ASSERT_EQ(FindText(abc, "love*abides", 2), SEARCH_NEW_HITS);
    ASSERT_GE(Res(), 0);
    HWND view = ResView();
    const int hit = Find(view, "love G26 abides");
    const int plain = Find(view, "people");
    ASSERT_GE(hit, 0) << ViewText(view);
    ASSERT_GE(plain, 0);
    const COLORREF hit_colour = rtftag[RTF_HIT].color;
    EXPECT_EQ(ColourAt(view, hit), hit_colour);
    EXPECT_EQ(ColourAt(view, hit + 9), hit_colour);  // "abides"
    EXPECT_NE(ColourAt(view, plain), hit_colour);
    EXPECT_NE(ColourAt(view, Find(view, "with them")), hit_colour);

    // A Strong's search marks the number's tag, shown with the tags on.
    SendMessageA(ResFrame(), WM_COMMAND, IDM_TAGS_ALL_ON, 0);
    gui::PumpUntilIdle();
    search_in.str_language = 2;
    search_in.str_number = 26;
    search_in.str_type = 0;
    search_in.in_results = 0;
    SEARCH_SetTypedPattern("26");
    ASSERT_EQ(SEARCH_BookStrong(), SEARCH_NEW_HITS);
    g_search_ui_hooks.show_book_results();
    gui::PumpUntilIdle();
    const int tag = Find(view, "G26");
    ASSERT_GE(tag, 0) << ViewText(view);
    EXPECT_EQ(ColourAt(view, tag + 1), hit_colour);
    EXPECT_NE(ColourAt(view, Find(view, "love")), hit_colour);
}

TEST_F(ResultsGuiTest, ASecondSearchRetargetsTheWindowAndClosingDiscardsTheResults)
{
    const int abc = Open("abc.sbk");
    ASSERT_EQ(FindText(abc, "love"), SEARCH_NEW_HITS);
    const int id = Res();
    HWND hwnd = ResFrame();
    HWND view = ResView();
    ResScroll(SB_PAGEDOWN);
    const int windows = status.num_windows;
    // A search within the results: the same window, from the first result.
    ASSERT_EQ(FindText(abc, "written", 1, 1), SEARCH_NEW_HITS);
    EXPECT_EQ(search_out_bk.hit_verses, 66 * 480 / (13 * 97));
    EXPECT_EQ(Res(), id);
    EXPECT_EQ(ResFrame(), hwnd);
    EXPECT_EQ(ResView(), view);
    EXPECT_EQ(status.num_windows, windows);
    EXPECT_EQ(Title(), Expected(1));
    EXPECT_NE(ViewText(view).find("In those days 1261 the"), std::string::npos) << ViewText(view);
    // Within the results again, searched in the results window itself.
    ASSERT_EQ(FindText(id, "them", 1, 1), SEARCH_NEW_HITS);
    EXPECT_EQ(Res(), id);
    EXPECT_EQ(ResFrame(), hwnd);
    EXPECT_EQ(Title(), Expected(1));
    EXPECT_EQ(search_out_bk.hit_verses, 66 * 480 / (13 * 97));
    // A search that finds nothing keeps the window and the results.
    {
        gui::MessageBoxRecorder quiet;
        EXPECT_EQ(FindText(abc, "nothingsuch"), SEARCH_NO_HIT);
    }
    EXPECT_EQ(search_out_bk.hit_verses, 66 * 480 / (13 * 97));
    EXPECT_EQ(Res(), id);

    // Closing the results window discards the results.
    SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
    gui::PumpUntilIdle();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(status.res_visible, 0);
    EXPECT_EQ(RES_Window(), -1);
    EXPECT_EQ(status.num_windows, windows - 1);
    EXPECT_EQ(search_out_bk.hit_verses, 0);
    EXPECT_EQ(search_out_bk.hit_patterns, 0);
    EXPECT_EQ(search_out_bk.backup_hit_verses, 0);
    EXPECT_EQ(search_out_bk.results_array, nullptr);
    EXPECT_EQ(search_out_bk.allocated, 0);
    EXPECT_EQ(g_discarded, 1);
    EXPECT_EQ(status.bk_last_book, abc);
    // The book window is untouched and a new search opens a new window.
    EXPECT_EQ(datawindow[abc].results, 0);
    ASSERT_EQ(FindText(abc, "love"), SEARCH_NEW_HITS);
    EXPECT_GE(Res(), 0);
    EXPECT_NE(ResFrame(), hwnd);
}

TEST_F(ResultsGuiTest, RightClickPreparesTheSearchOfTheClickedWord)
{
    const int abc = Open("abc.sbk");
    ASSERT_EQ(FindText(abc, "love"), SEARCH_NEW_HITS);
    HWND view = ResView();
    const int at = Find(view, "people");
    ASSERT_GE(at, 0);
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), at + 2);
    SEARCH_SetTypedPattern("");
    search_in.tab = 2;
    // The context menu is closed by Escape once it is up.
    PostMessageA(view, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y + 3));
    gui::PumpUntilIdle();
    EXPECT_STREQ(search_in.pattern, "people");
    EXPECT_EQ(search_in.tab, 0);
    EXPECT_EQ(search_in.type, 0);
    EXPECT_EQ(search_in.str_type, 1);
    // The clicked verse is the first result.
    EXPECT_EQ(rtfclick.flag_results_index, 1);
    EXPECT_EQ(rtfclick.out_results_index, 0);
    EXPECT_EQ(rtfclick.out_bp.verse, 13);
    EXPECT_EQ(Place(abc), (V{1, 1, 1}));

    // The last item of the menu, the clicked result's verse, moves the
    // synchronised book windows there.
    PostMessageA(view, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(view, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y + 3));
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(abc), (V{1, 1, 13}));

    // A click on the label of the second result does the same.
    const int label = Find(view, "Book1 2:2");
    ASSERT_GE(label, 0);
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), label + 1);
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y + 3));
    SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y + 3));
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(abc), (V{1, 2, 2}));
    EXPECT_EQ(rtfclick.out_results_index, 1);

    // "Scroll down by lines" is a switch of the window.
    const int by_verses = datawindow[Res()].scroll_verse;
    SendMessageA(ResFrame(), WM_COMMAND, IDM_RES_SCROLL_BY_LINES, 0);
    EXPECT_EQ(datawindow[Res()].scroll_verse, by_verses ? 0 : 1);
}

TEST_F(ResultsGuiTest, LexiconSearchFiltersTheListAndMarksTheArticle)
{
    const int lex = Open("grk.lex");
    ASSERT_GE(lex, 0);
    DATAWINDOW& w = datawindow[lex];
    EXPECT_EQ(w.lx_filter_hits, 6);
    search_in.datawindow = lex;
    search_in.mode = 1;
    search_in.tab = 0;
    search_in.type = 0;
    search_in.search_for = 1;
    search_in.in_lex_results = 0;
    SEARCH_SetTypedPattern("love");
    ASSERT_EQ(SEARCH_LexText(), 1);
    g_search_ui_hooks.lexicon_results_changed(lex);
    gui::PumpUntilIdle();
    // "to love, to value" and "love, goodwill": two records, every article
    // says "the love of God" too.
    EXPECT_EQ(w.lx_filter_hits, 6);
    EXPECT_EQ(w.lx_radku_filled, 6);
    SEARCH_SetTypedPattern("goodwill");
    ASSERT_EQ(SEARCH_LexText(), 1);
    g_search_ui_hooks.lexicon_results_changed(lex);
    gui::PumpUntilIdle();
    EXPECT_EQ(w.lx_filter_hits, 1);
    EXPECT_EQ(w.lx_radku_filled, 1);
    EXPECT_EQ(w.lx_radek[0].record, 2);
    HWND article = static_cast<HWND>(w.hrichedit);
    const int hit = Find(article, "goodwill");
    ASSERT_GE(hit, 0) << ViewText(article);
    EXPECT_EQ(ColourAt(article, hit), rtftag[RTF_HIT].color);
    EXPECT_NE(ColourAt(article, Find(article, "Compare")), rtftag[RTF_HIT].color);
    // A Strong's number search marks the number in the article.
    search_in.str_language = 2;
    search_in.str_number = 25;
    search_in.str_type = 0;
    ASSERT_EQ(SEARCH_LexStrong(), 1);
    g_search_ui_hooks.lexicon_results_changed(lex);
    gui::PumpUntilIdle();
    EXPECT_EQ(w.lx_filter_hits, 1);
    EXPECT_EQ(w.lx_radek[0].record, 2);
    const int link = Find(article, "G25");
    ASSERT_GE(link, 0) << ViewText(article);
    EXPECT_EQ(ColourAt(article, link + 1), rtftag[RTF_HIT].color);
    EXPECT_NE(ColourAt(article, Find(article, "goodwill")), rtftag[RTF_HIT].color);
    // "Reload" shows every record again, without marks.
    SendMessageA(static_cast<HWND>(w.hwnd), WM_COMMAND, MAKEWPARAM(IDC_LX_RELOAD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(static_cast<HWND>(w.lx_hbutton)));
    gui::PumpUntilIdle();
    EXPECT_EQ(w.lx_filter_hits, 6);
    EXPECT_EQ(w.search_out_lx.hit_verses, 0);
}

TEST_F(ResultsGuiTest, DoubleClicksInTheResultsLookUpWordsAndNumbers)
{
    const int abc = Open("abc.sbk");
    const int lex = Open("grk.lex");
    ASSERT_GE(lex, 0);
    ASSERT_EQ(FindText(abc, "love"), SEARCH_NEW_HITS);
    HWND view = ResView();
    const int link = Find(view, "G26");
    ASSERT_GE(link, 0) << ViewText(view);
    EXPECT_NE(datawindow[lex].lx_radek[0].record, 2);
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), link + 1);
    SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x + 1, pt.y + 3));
    gui::PumpUntilIdle();
    EXPECT_EQ(rtfclick.flag_strong, 1);
    EXPECT_EQ(rtfclick.out_strong_number, 26);
    // The Strong's lexicon shows the number's entry.
    EXPECT_EQ(datawindow[lex].lx_radek[0].record, 2);
    // The clicked verse is known: the first result, verse 13.
    EXPECT_EQ(rtfclick.flag_id, 1);
    EXPECT_EQ(rtfclick.out_bp.verse, 13);
}

TEST_F(ResultsGuiTest, LineDownScrollsALongResultBeforeTheNextOne)
{
    const int abc = Open("abc.sbk");
    ASSERT_EQ(FindText(abc, "love"), SEARCH_NEW_HITS);
    // A narrow window: the first result takes several lines.
    MoveWindow(ResFrame(), 0, 0, 260, 400, TRUE);
    gui::PumpUntilIdle();
    datawindow[Res()].scroll_verse = 0;
    ResScroll(SB_LINEDOWN);
    EXPECT_EQ(Title(), Expected(1));
    EXPECT_EQ(datawindow[Res()].rtf_line, 1);
    int steps = 1;
    while (Title() == Expected(1) && steps < 30) {
        ResScroll(SB_LINEDOWN);
        ++steps;
    }
    EXPECT_EQ(Title(), Expected(2));
    EXPECT_GT(steps, 2);
    EXPECT_EQ(datawindow[Res()].rtf_line, 0);
}

TEST_F(ResultsGuiTest, ResultsOfAnotherModuleTakeOverTheWindowAndOutliveItsBookWindow)
{
    const int abc = Open("abc.sbk");
    const int xyz = Open("xyz.sbk");
    ASSERT_EQ(FindText(abc, "love"), SEARCH_NEW_HITS);
    HWND hwnd = ResFrame();
    ASSERT_EQ(FindText(xyz, "love"), SEARCH_NEW_HITS);
    EXPECT_EQ(ResFrame(), hwnd);
    EXPECT_EQ(search_out_bk.hit_verses, 2 * 48 / 13);
    EXPECT_EQ(Title(), "XYZ 1/7 results");
    EXPECT_EQ(datawindow[Res()].id_file, File("xyz.sbk"));
    EXPECT_EQ(datawindow[Res()].books, 2);
    // The Bible's own window closes; the results keep their module open.
    SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(datawindow[xyz].hwnd), 0);
    gui::PumpUntilIdle();
    ASSERT_GE(Res(), 0);
    EXPECT_EQ(datafile[File("xyz.sbk")].opened, 1);
    ResScroll(SB_PAGEDOWN);
    EXPECT_EQ(Title(), "XYZ 2/7 results");
    EXPECT_NE(ViewText(ResView()).find("In those days 26 the"), std::string::npos);
    // Closing the results window closes the module.
    SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(ResFrame()), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(datafile[File("xyz.sbk")].opened, 0);
    EXPECT_EQ(datafile[File("abc.sbk")].opened, 1);
    EXPECT_EQ(status.num_windows, 1);
    EXPECT_EQ(datawindow[0].id_file, File("abc.sbk"));
    (void)abc;
}

TEST_F(ResultsGuiTest, AClickInTheResultsFindsTheTagsOfTheClickedWord)
{
    const int mor = Open("mor.sbk");
    ASSERT_EQ(FindText(mor, "light"), SEARCH_NEW_HITS);
    ASSERT_EQ(search_out_bk.hit_verses, 1);
    ASSERT_EQ(CreateInfoMDIChild(g_hMDIClient), 1);
    gui::PumpUntilIdle();
    HWND view = ResView();
    const int at = Find(view, "love");
    ASSERT_GE(at, 0) << ViewText(view);
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), at + 1);
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x + 1, pt.y + 3));
    SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(pt.x + 1, pt.y + 3));
    gui::PumpUntilIdle();
    // The verse of the result, and the tags after the word in its record.
    EXPECT_EQ(rtfclick.flag_id, 1);
    EXPECT_EQ(rtfclick.out_bp.verse, 2);
    EXPECT_EQ(rtfclick.flag_word, 1);
    EXPECT_EQ(rtfclick.flag_tag_area, 1);
    EXPECT_GT(rtfclick.out_tag_area_r, 0);
    (void)mor;
}
