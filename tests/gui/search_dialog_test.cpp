// The search dialog driven through its real controls: text searches in a
// Bible-sized module, searching in results, Strong's and reference searches,
// the results list with its sorting, ranges, lexicon searches, Ctrl+F and the
// right click of a book window.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "app/records.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "book_gui_fixture.h"
#include "cmdline/sync_names.h"
#include "harness.h"
#include "modwriter/modwriter.h"
#include "resource.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/win/results_window.h"
#include "search/win/search_dialog.h"
#include "text/keyboard.h"

namespace {

constexpr int kBooks = 66, kChapters = 18, kVerses = 26;

// Verse i of the big module speaks of love every seventh verse.
bool Loves(int i)
{
    return i % 7 == 3;
}

int g_shown = 0;         // calls of show_book_results
int g_lex_changed = -1;  // the window lexicon_results_changed was called with
// The program's own hooks: the dialog is tested without the results window
// and gets them back afterwards.
SEARCH_UI_HOOKS g_program_hooks;

class SearchGuiTest : public gui::BookGuiTest {
protected:
    void SetUp() override
    {
        BookGuiTest::SetUp();
        g_shown = 0;
        g_lex_changed = -1;
        g_program_hooks = g_search_ui_hooks;
        g_search_ui_hooks.show_book_results = []() {
            ++g_shown;
            return 1;
        };
        g_search_ui_hooks.lexicon_results_changed = [](int dw) { g_lex_changed = dw; };
    }
    void TearDown() override
    {
        CloseSearchDialog();
        gui::PumpUntilIdle();
        g_search_ui_hooks = g_program_hooks;
        BookGuiTest::TearDown();
    }

    void WriteModules() override
    {
        BookGuiTest::WriteModules();
        auto write = [this](const char* name, const std::string& bytes) {
            ASSERT_TRUE(modwriter::WriteFileAtomic(dir() + "\\data\\" + name, bytes));
        };
        // A Bible of 66 books and 30888 verses.
        modwriter::BookModule big;
        big.info = {{"IA", "BIG"}, {"IT", "Big Bible"}};
        int i = 0;
        for (int b = 0; b < kBooks; ++b) {
            char name[32], abbrev[8];
            std::snprintf(name, sizeof name, "Book%d", b + 1);
            std::snprintf(abbrev, sizeof abbrev, "B%d", b + 1);
            modwriter::Book book(name, abbrev, g_verse_sort[b]);
            for (int c = 1; c <= kChapters; ++c)
                for (int v = 1; v <= kVerses; ++v, ++i) {
                    std::string text = "And the people went on their way in chapter " + std::to_string(c);
                    if (Loves(i)) text += " and love was shown to them";
                    book.verses.push_back({c, v, text});
                }
            big.books.push_back(book);
        }
        write("big.sbk", modwriter::BuildBookModule(big));

        // A tagged Bible: Strong's numbers and cross references.
        modwriter::BookModule st;
        st.info = {{"IA", "ST"}, {"IT", "Strong Bible"}};
        st.tag_caps = {0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0};
        for (char c = 'a'; c <= 'z'; ++c) st.collation.letters.push_back(std::string(1, c));
        st.collation.joins_next.assign(st.collation.letters.size(), false);
        modwriter::Book gen("Genesis", "Gen", "OTGen");
        gen.verses = {{1, 1, "In the beginning God|RH430|Rh created|RH1254|Rh the heaven"},
                      {1, 2, "And the spirit of God|RH430|Rh moved, see |RRNTJohn:3:16|Rr"},
                      {1, 3, "And God|RH430|Rh said, Let there be light, and God|RH430|Rh saw it"}};
        modwriter::Book john("John", "Jn", "NTJohn");
        john.verses = {{3, 15, "That whosoever believeth|RG4100|Rg"},
                       {3, 16, "For God|RG2316|Rg so loved|RG25|Rg the world, see |RROTGen:1:1|Rr"},
                       {3, 17, "Beloved|RG27|Rg, let us love|RG25|Rg one another: for love|RG26|Rg is of God|RG2316|Rg"},
                       {3, 18, "He that loveth|RG25|Rg not knoweth|RG1097|Rg not God|RG2316|Rg, see |RRNTJohn:3:16|Rr"}};
        st.books = {gen, john};
        write("st.sbk", modwriter::BuildBookModule(st));

        // A Greek lexicon.
        modwriter::LexiconModule lex;
        lex.language = 2;
        lex.info = {{"IA", "SG"}, {"IT", "Strong Greek"}};
        lex.collation.letters = {"a", "g", "h", "o", "p", "q", "s", "w"};
        lex.collation.joins_next.assign(lex.collation.letters.size(), false);
        const char* keys[][3] = {{"agapaw", "G25", "to love"}, {"agaph", "G26", "love, charity"},
                                 {"agaphtos", "G27", "beloved"}, {"qeos", "G2316", "God"}};
        for (const auto& k : keys) {
            modwriter::LexEntry e;
            e.keyword = k[0];
            e.strong = k[1];
            e.body = k[2];
            lex.entries.push_back(e);
        }
        std::string error;
        const std::string bytes = modwriter::BuildLexiconModule(lex, &error);
        ASSERT_FALSE(bytes.empty()) << error;
        write("sg.lex", bytes);
    }

    static HWND Tab()
    {
        return SEARCH_CurrentTab();
    }
    static HWND Item(int id)
    {
        return GetDlgItem(Tab(), id);
    }
    static void Click(int id)
    {
        SendMessageA(Tab(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
        gui::PumpUntilIdle();
    }
    static void Choose(int id, int row)
    {
        SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(Tab(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
        gui::PumpUntilIdle();
    }
    static void Radio(int id)
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        gui::PumpUntilIdle();
    }
    static bool Checked(int id)
    {
        return IsDlgButtonChecked(Tab(), id) == BST_CHECKED;
    }
    static std::string Text(int id)
    {
        return gui::WindowText(Item(id));
    }
    static void Type(int id, const char* text)
    {
        SetWindowTextA(Item(id), text);
    }
    static std::string Title()
    {
        return gui::WindowText(hSearchDlg);
    }
    static HWND List()
    {
        return Item(IDC_RESULTS_LIST);
    }
    static int Rows()
    {
        return static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    }
    static std::string Cell(int row, int column)
    {
        char text[512] = "";
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(List(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    static std::string Header(int column)
    {
        char text[128] = "";
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT;
        c.pszText = text;
        c.cchTextMax = sizeof text;
        SendMessageA(List(), LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
        return text;
    }
    static void ClickHeader(int column)
    {
        NMLISTVIEW nm = {};
        nm.hdr.hwndFrom = List();
        nm.hdr.idFrom = IDC_RESULTS_LIST;
        nm.hdr.code = LVN_COLUMNCLICK;
        nm.iItem = -1;
        nm.iSubItem = column;
        SendMessageA(Tab(), WM_NOTIFY, IDC_RESULTS_LIST, reinterpret_cast<LPARAM>(&nm));
        gui::PumpUntilIdle();
    }
    static int ComboRows(int id)
    {
        return static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
    }
    static std::string ComboRow(int id, int row)
    {
        char text[256] = "";
        SendMessageA(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        return text;
    }
    static int ComboSelection(int id)
    {
        return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0));
    }
    // Runs step inside the modal loop of the range dialog that click opens.
    static void WithRangeDialog(int click, std::function<void(HWND)> step)
    {
        static std::function<void(HWND)> pending;
        pending = std::move(step);
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
            HWND dialog = SEARCH_RangeDialog();
            if (!dialog) return;
            KillTimer(nullptr, id);
            if (pending) {
                auto run = std::move(pending);
                pending = nullptr;
                run(dialog);
            }
        });
        Click(click);
        KillTimer(nullptr, timer);
    }
    static void PickText(HWND dialog, int id, const char* text)
    {
        const LRESULT row = SendDlgItemMessageA(dialog, id, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(text));
        ASSERT_GE(row, 0) << text;
        Pick(dialog, id, static_cast<int>(row));
    }
    static void Pick(HWND dialog, int id, int row)
    {
        SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

    int BigLoveVerses() const
    {
        int n = 0;
        for (int i = 0; i < kBooks * kChapters * kVerses; ++i) n += Loves(i);
        return n;
    }
};

} // namespace

TEST_F(SearchGuiTest, TextSearchFillsTheResultsTabAndTheTitle)
{
    const int w = Open("big.sbk");
    Command(IDM_SEARCH);
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(status.search_visible, 1);
    EXPECT_EQ(Title(), "Search");
    EXPECT_EQ(search_in.datawindow, w);
    EXPECT_EQ(search_in.mode, 0);
    // The module and its built-in ranges.
    ASSERT_EQ(ComboRows(IDC_ST_MODULE), 1);
    EXPECT_EQ(ComboRow(IDC_ST_MODULE, 0), "[BIG] Big Bible");
    ASSERT_EQ(ComboRows(IDC_ST_RANGE), 3);
    EXPECT_EQ(ComboRow(IDC_ST_RANGE, 0), "ALL [B1 1:1 - B66 18:26]");
    EXPECT_EQ(ComboRow(IDC_ST_RANGE, 2), "NT [B40 1:1 - B66 18:26]");
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ST_TO_VERSE_LIST)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ST_LEXICONS)));  // no lexicon is open

    Type(IDC_ST_PATTERN, "Love");
    Click(IDC_ST_FIND);
    const int expected = BigLoveVerses();
    EXPECT_EQ(search_out_bk.hit_verses, expected);
    EXPECT_EQ(search_out_bk.hit_patterns, expected);
    EXPECT_EQ(g_shown, 1);
    EXPECT_TRUE(gui::WindowText(hSearchDlg).find("Search " + std::to_string(expected) + " hits, " +
                                                 std::to_string(expected) + " verses, ") == 0)
        << Title();
    EXPECT_TRUE(std::regex_match(Title(), std::regex("Search \\d+ hits, \\d+ verses, \\d+\\.\\d\\d seconds")));
    // The dialog went over to the Results tab.
    EXPECT_EQ(search_in.tab, 3);
    ASSERT_TRUE(List());
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(Header(0), "Reference");
    EXPECT_EQ(Header(1), "Preview");
    EXPECT_EQ(Cell(0, 0), "Book1 1:4");
    EXPECT_EQ(Cell(0, 1), "And the people went on their way in chapter 1 and love was shown to them");
    // The pattern went into the history and the tool bar's list button is live.
    EXPECT_EQ(search_in.patt_hist_count, 1);
    EXPECT_STREQ(search_in.patt_hist[0].pattern, "Love");
    EXPECT_EQ(SendMessageA(hToolBar3, TB_ISBUTTONENABLED, IDM_RESULTS_LIST, 0) != 0, true);

    // Phrase search over the New Testament only.
    gui::FrameTest::Command(IDM_SEARCH);
    Radio(IDC_ST_PHRASE);
    Choose(IDC_ST_RANGE, 2);
    Type(IDC_ST_PATTERN, "love was");
    Click(IDC_ST_FIND);
    int nt = 0;
    for (int i = 39 * kChapters * kVerses; i < kBooks * kChapters * kVerses; ++i) nt += Loves(i);
    EXPECT_EQ(search_out_bk.hit_verses, nt);
    EXPECT_EQ(Rows(), nt);
    EXPECT_EQ(Cell(0, 0).rfind("Book40 ", 0), 0u) << Cell(0, 0);

    // Closing the dialog without a results window discards the results.
    CloseSearchDialog();
    gui::PumpUntilIdle();
    EXPECT_EQ(status.search_visible, 0);
    EXPECT_EQ(hSearchDlg, nullptr);
    EXPECT_EQ(search_out_bk.hit_verses, 0);
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(SearchGuiTest, SearchInResultsThatFindsNothingKeepsThePreviousResults)
{
    const int w = Open("big.sbk");
    Command(IDM_SEARCH_ACCEL);
    Type(IDC_ST_PATTERN, "love");
    Click(IDC_ST_FIND);
    const int before = search_out_bk.hit_verses;
    ASSERT_GT(before, 0);
    const int32_t first = search_out_bk.results_array[0];

    // The results window's "Search in results...".
    SEARCH_OpenPrepared(w, 1);
    gui::PumpUntilIdle();
    EXPECT_EQ(Title(), "Search in results");
    ASSERT_EQ(ComboRows(IDC_ST_RANGE), 1);
    EXPECT_EQ(ComboRow(IDC_ST_RANGE, 0), "ALL RESULTS");
    Type(IDC_ST_PATTERN, "hatred");
    Click(IDC_ST_FIND);
    ASSERT_EQ(boxes().boxes().size(), 1u);
    EXPECT_EQ(boxes().boxes()[0].text, "No verses matching your criteria found.\n\nPrevious results will be displayed.");
    EXPECT_EQ(boxes().boxes()[0].caption, "Information");
    EXPECT_EQ(search_out_bk.hit_verses, before);
    EXPECT_EQ(search_out_bk.results_array[0], first);
    // The progress bar went through the results.
    EXPECT_GT(SendMessageA(Item(IDC_ST_PROGRESS), PBM_GETPOS, 0, 0), 5);
    EXPECT_TRUE(std::regex_match(Title(), std::regex("Search in results 0 hits, 0 verses, .*"))) << Title();

    // A search in results that finds some keeps only those, in order.
    Type(IDC_ST_PATTERN, "chapter 18");
    Radio(IDC_ST_PHRASE);
    Click(IDC_ST_FIND);
    EXPECT_GT(search_out_bk.hit_verses, 0);
    EXPECT_LT(search_out_bk.hit_verses, before);
    EXPECT_EQ(Rows(), search_out_bk.hit_verses);
    EXPECT_NE(Cell(0, 1).find("chapter 18 and love"), std::string::npos) << Cell(0, 1);
}

TEST_F(SearchGuiTest, StrongsNumberWithoutDigitWarnsAndEmptiesTheBox)
{
    Open("st.sbk");
    Command(IDM_SEARCH);
    SEARCH_SelectTab(1);
    gui::PumpUntilIdle();
    ASSERT_TRUE(Item(IDC_SS_PATTERN));
    Radio(IDC_SS_BY_NUMBER);
    Type(IDC_SS_PATTERN, "H");
    Click(IDC_SS_FIND);
    ASSERT_EQ(boxes().boxes().size(), 1u);
    EXPECT_EQ(boxes().boxes()[0].text, "Bad numeric value for Strong# search");
    EXPECT_EQ(boxes().boxes()[0].caption, "Warning");
    EXPECT_EQ(Text(IDC_SS_PATTERN), "");
    EXPECT_EQ(search_out_bk.hit_verses, 0);
    EXPECT_EQ(search_in.tab, 1);

    // "<< #" stops at 0, "# >>" counts up.
    Type(IDC_SS_PATTERN, "H0");
    Click(IDC_SS_PREV_NUMBER);
    EXPECT_EQ(Text(IDC_SS_PATTERN), "0");
    Click(IDC_SS_NEXT_NUMBER);
    Click(IDC_SS_NEXT_NUMBER);
    EXPECT_EQ(Text(IDC_SS_PATTERN), "2");
}

TEST_F(SearchGuiTest, StrongsResultsSortByEachColumn)
{
    Open("st.sbk");
    Command(IDM_SEARCH);
    SEARCH_SelectTab(1);
    gui::PumpUntilIdle();
    Radio(IDC_SS_BY_NUMBER);
    Radio(IDC_SS_GREEK);
    Type(IDC_SS_PATTERN, "G25");
    Click(IDC_SS_FIND);
    ASSERT_TRUE(boxes().boxes().empty()) << boxes().boxes()[0].text;
    EXPECT_EQ(search_out_bk.hit_verses, 3);
    EXPECT_EQ(search_out_bk.hit_patterns, 3);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Header(0), "Reference \xA4");
    EXPECT_EQ(Header(1), "Word");
    EXPECT_EQ(Header(2), "Preview");
    EXPECT_EQ(Cell(0, 1), "loved");
    EXPECT_EQ(Cell(1, 1), "love");
    EXPECT_EQ(Cell(2, 1), "loveth");
    EXPECT_EQ(Cell(0, 0), "John 3:16");
    // By word.
    ClickHeader(1);
    EXPECT_EQ(search_out_bk.str_sorted_column, 1);
    EXPECT_EQ(Header(0), "Reference");
    EXPECT_EQ(Header(1), "Word \xA4");
    EXPECT_EQ(Cell(0, 1), "love");
    EXPECT_EQ(Cell(1, 1), "loved");
    EXPECT_EQ(Cell(2, 1), "loveth");
    // The Preview column sorts nothing.
    ClickHeader(2);
    EXPECT_EQ(search_out_bk.str_sorted_column, 1);
    EXPECT_EQ(Header(1), "Word \xA4");
    // Back by reference.
    ClickHeader(0);
    EXPECT_EQ(Header(0), "Reference \xA4");
    EXPECT_EQ(Cell(0, 1), "loved");

    // A word search has the Strong column, and the warning before sorting.
    SEARCH_SelectTab(1);
    gui::PumpUntilIdle();
    Radio(IDC_SS_BY_WORD);
    Radio(IDC_SS_LATIN);
    Type(IDC_SS_PATTERN, "God");
    Click(IDC_SS_FIND);
    ASSERT_EQ(Rows(), 7);
    EXPECT_EQ(Header(2), "Strong");
    EXPECT_EQ(Header(3), "Preview");
    EXPECT_EQ(Cell(0, 1), "God");
    EXPECT_EQ(Cell(0, 2), "H430");
    status.opt_sort_results_warning = 5;
    ClickHeader(2);  // by Strong's number: Hebrew first, then Greek
    ASSERT_EQ(boxes().boxes().size(), 1u);
    EXPECT_EQ(boxes().boxes()[0].caption, "Warning");
    EXPECT_EQ(Header(2), "Strong \xA4");
    std::vector<std::string> order;
    for (int r = 0; r < Rows(); ++r) order.push_back(Cell(r, 2));
    EXPECT_EQ(order, (std::vector<std::string>{"H430", "H430", "H430", "H430", "G2316", "G2316", "G2316"}));
}

TEST_F(SearchGuiTest, RangesTheModuleLacksAreNotListedAndTheRangeDialogChecksItsBounds)
{
    const int big = Open("big.sbk");
    Open("ccc.sbk");  // the New Testament only
    Activate(big);
    Command(IDM_SEARCH);
    ASSERT_EQ(ComboRows(IDC_ST_MODULE), 2);
    EXPECT_EQ(ComboRow(IDC_ST_MODULE, ComboSelection(IDC_ST_MODULE)), "[BIG] Big Bible");
    bool disabled_when_reversed = false, enabled_again = false;
    WithRangeDialog(IDC_ST_NEW_RANGE, [&](HWND dialog) {
        EXPECT_EQ(gui::WindowText(dialog), "Select range");
        EXPECT_EQ(gui::WindowText(GetDlgItem(dialog, IDC_RANGE_FROM_LABEL)), "Book1 1:1");
        EXPECT_EQ(gui::WindowText(GetDlgItem(dialog, IDC_RANGE_TO_LABEL)), "Book66 18:26");
        Pick(dialog, IDC_RANGE_FROM_BOOK, 1);  // Book2 1:1
        Pick(dialog, IDC_RANGE_TO_BOOK, 0);    // Book1 18:26: before the start
        disabled_when_reversed = !IsWindowEnabled(GetDlgItem(dialog, IDC_RANGE_OK));
        Pick(dialog, IDC_RANGE_TO_BOOK, 1);
        Pick(dialog, IDC_RANGE_TO_CHAPTER, 2);  // Book2 3:26
        enabled_again = IsWindowEnabled(GetDlgItem(dialog, IDC_RANGE_OK)) != 0;
        EXPECT_EQ(gui::WindowText(GetDlgItem(dialog, IDC_RANGE_TO_LABEL)), "Book2 3:26");
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RANGE_OK, BN_CLICKED), 0);
    });
    EXPECT_TRUE(disabled_when_reversed);
    EXPECT_TRUE(enabled_again);
    EXPECT_EQ(status.new_range_visible, 0);
    ASSERT_EQ(ComboRows(IDC_ST_RANGE), 4);
    EXPECT_EQ(ComboRow(IDC_ST_RANGE, 3), "B2 1:1 - B2 3:26");
    EXPECT_EQ(ComboSelection(IDC_ST_RANGE), 3);
    EXPECT_EQ(search_in.range_last, 3);
    Type(IDC_ST_PATTERN, "love");
    Click(IDC_ST_FIND);
    int inside = 0;
    for (int i = kChapters * kVerses; i < kChapters * kVerses + 3 * kVerses; ++i) inside += Loves(i);
    EXPECT_EQ(search_out_bk.hit_verses, inside);

    // The New Testament module lacks Book2 (OTExod): the range is not listed.
    SEARCH_SelectTab(0);
    gui::PumpUntilIdle();
    Choose(IDC_ST_MODULE, 1);
    EXPECT_EQ(ComboRow(IDC_ST_MODULE, 1), "[C] Gamma New Testament");
    ASSERT_EQ(ComboRows(IDC_ST_RANGE), 2);
    EXPECT_EQ(ComboRow(IDC_ST_RANGE, 0).rfind("ALL [", 0), 0u);
    EXPECT_EQ(ComboRow(IDC_ST_RANGE, 1).rfind("NT [", 0), 0u);
    // Cancelling the dialog chooses the whole module.
    WithRangeDialog(IDC_ST_NEW_RANGE, [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(ComboSelection(IDC_ST_RANGE), 0);
    EXPECT_EQ(search_in.range_last, 0);
}

TEST_F(SearchGuiTest, ReferenceSearchFromANewReference)
{
    Open("st.sbk");
    Command(IDM_SEARCH);
    SEARCH_SelectTab(2);
    gui::PumpUntilIdle();
    ASSERT_TRUE(Item(IDC_SR_REFERENCE));
    EXPECT_EQ(ComboRow(IDC_SR_REF_BOOK, 0), "[ST] Strong Bible");
    // Without a reference: the warning.
    Click(IDC_SR_FIND);
    ASSERT_EQ(boxes().boxes().size(), 1u);
    EXPECT_EQ(boxes().boxes()[0].text, "No reference was specified. Operation will be aborted");
    boxes().clear();

    WithRangeDialog(IDC_SR_NEW_REFERENCE, [](HWND dialog) {
        Pick(dialog, IDC_RANGE_FROM_BOOK, 1);
        PickText(dialog, IDC_RANGE_FROM_CHAPTER, "3");
        PickText(dialog, IDC_RANGE_FROM_VERSE, "16");
        Pick(dialog, IDC_RANGE_TO_BOOK, 1);
        PickText(dialog, IDC_RANGE_TO_CHAPTER, "3");
        PickText(dialog, IDC_RANGE_TO_VERSE, "16");
        EXPECT_EQ(gui::WindowText(GetDlgItem(dialog, IDC_RANGE_FROM_LABEL)), "John 3:16");
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RANGE_OK, BN_CLICKED), 0);
    });
    ASSERT_EQ(search_in.ref_hist_count, 1);
    ASSERT_EQ(ComboRows(IDC_SR_REFERENCE), 1);
    EXPECT_EQ(ComboRow(IDC_SR_REFERENCE, 0), "John 3:16");
    EXPECT_EQ(ComboSelection(IDC_SR_REFERENCE), 0);
    Click(IDC_SR_FIND);
    EXPECT_TRUE(boxes().boxes().empty());
    EXPECT_EQ(search_out_bk.tab, 2);
    EXPECT_EQ(search_out_bk.hit_verses, 2);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, 0), "Genesis 1:2");
    EXPECT_EQ(Cell(1, 0), "John 3:18");
}

TEST_F(SearchGuiTest, LexiconSearchFiltersTheLexiconWindow)
{
    Open("st.sbk");
    const int lex = Open("sg.lex");
    ASSERT_EQ(datawindow[lex].type, MODULE_LEXICON);
    Command(IDM_SEARCH_ACCEL);  // Ctrl+F in the lexicon window
    EXPECT_EQ(search_in.mode, 1);
    EXPECT_EQ(search_in.datawindow, lex);
    EXPECT_TRUE(Checked(IDC_ST_LEXICONS));
    ASSERT_EQ(ComboRows(IDC_ST_RANGE), 1);
    EXPECT_EQ(ComboRow(IDC_ST_RANGE, 0), "ALL LEXICON");
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ST_IN_LEX_RESULTS)));
    Radio(IDC_ST_LATIN);
    Type(IDC_ST_PATTERN, "love");
    Click(IDC_ST_FIND);
    const DATAWINDOW& w = datawindow[lex];
    EXPECT_EQ(w.search_out_lx.hit_verses, 2);
    EXPECT_EQ(w.lx_filter_hits, 2);
    EXPECT_EQ(w.lx_filter[0], 0);  // agapaw: to love
    EXPECT_EQ(w.lx_filter[1], 0);  // agaph: love, charity
    EXPECT_EQ(w.lx_filter[2], 1);
    EXPECT_EQ(g_lex_changed, lex);
    EXPECT_TRUE(std::regex_match(Title(), std::regex("Search 2 hits, 2 records, .*"))) << Title();
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_ST_IN_LEX_RESULTS)));
    // The book results stay as they were.
    EXPECT_EQ(search_out_bk.hit_verses, 0);

    // "Display # in LEX" shows the entry of the number in the lexicon.
    SEARCH_SelectTab(1);
    gui::PumpUntilIdle();
    Radio(IDC_SS_BY_NUMBER);
    Radio(IDC_SS_GREEK);
    Type(IDC_SS_PATTERN, "26");
    Click(IDC_SS_SHOW_IN_LEX);
    ASSERT_GT(w.lx_radku_filled, 0);
    EXPECT_STREQ(w.lx_radek[0].tLeft, "agaph");

    // Books again: the book module and its ranges.
    SEARCH_SelectTab(0);
    gui::PumpUntilIdle();
    Radio(IDC_ST_BOOKS);
    EXPECT_EQ(search_in.mode, 0);
    EXPECT_EQ(ComboRow(IDC_ST_MODULE, 0), "[ST] Strong Bible");
    EXPECT_EQ(ComboRows(IDC_ST_RANGE), 3);

    // "Display text in LEX": the Greek pattern in the synchronised Greek
    // lexicon, its filter cleared first.
    datawindow[lex].sync = 1;
    status.opt_lx_clrfltr_before_look = 1;
    Radio(IDC_ST_GREEK);
    Type(IDC_ST_PATTERN, "qeos");
    Click(IDC_ST_SHOW_IN_LEX);
    EXPECT_EQ(w.lx_filter_hits, w.lx_records_all);
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(w.lx_hcomboEdit)), "qeos");
}

TEST_F(SearchGuiTest, CtrlFFromABookWindowOpensTheDialogOnThatModule)
{
    const int a = Open("aaa.sbk");
    const int b = Open("bbb.sbk");
    Activate(a);
    Command(IDM_SEARCH_ACCEL);
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(search_in.datawindow, a);
    EXPECT_EQ(search_in.combo_files_index[ComboSelection(IDC_ST_MODULE)], File("aaa.sbk"));
    // Commands that would disturb the search beep: the windows stay.
    SendMessageA(static_cast<HWND>(datawindow[b].hwnd), WM_CLOSE, 0, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(status.num_windows, 2);
    // Again from the other window: the open dialog follows it.
    Activate(b);
    Command(IDM_SEARCH_ACCEL);
    EXPECT_EQ(search_in.datawindow, b);
    EXPECT_EQ(search_in.combo_files_index[ComboSelection(IDC_ST_MODULE)], File("bbb.sbk"));
}

TEST_F(SearchGuiTest, RightClickOnAWordPreparesItsPattern)
{
    const int w = Open("st.sbk");
    HWND view = static_cast<HWND>(datawindow[w].hrichedit);
    const std::string text = BookGuiTest::Text(w);
    const std::size_t at = text.find("beginning");
    ASSERT_NE(at, std::string::npos) << text;
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(at + 2));
    // The menu's first item, "Search (fulltext)...".
    PostMessageA(view, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(view, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x + 2, pt.y + 3));
    gui::PumpUntilIdle();
    EXPECT_STREQ(search_in.pattern, "beginning");
    EXPECT_EQ(search_in.type, 0);
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(search_in.tab, 0);
    EXPECT_EQ(Text(IDC_ST_PATTERN), "beginning");
    EXPECT_EQ(search_in.datawindow, w);
}

TEST_F(SearchGuiTest, DiscardedResultsEmptyTheResultsTab)
{
    Open("big.sbk");
    Command(IDM_SEARCH);
    Type(IDC_ST_PATTERN, "love");
    Click(IDC_ST_FIND);
    ASSERT_GT(Rows(), 0);
    // The results window closes: the results are gone and the list is empty.
    SEARCH_ClearBookResults();
    ASSERT_TRUE(g_search_ui_hooks.book_results_discarded);
    g_search_ui_hooks.book_results_discarded();
    EXPECT_EQ(Rows(), 0);
    // "List of results" has nothing to show now.
    EXPECT_EQ(SendMessageA(hToolBar3, TB_ISBUTTONENABLED, IDM_RESULTS_LIST, 0), 0);
}

TEST_F(SearchGuiTest, HebrewPatternsAreTypedRightToLeft)
{
    const int w = Open("heb.sbk");
    Command(IDM_SEARCH_ACCEL);
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(search_in.type, 1);  // the module's script
    EXPECT_TRUE(Checked(IDC_ST_HEBREW));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_ST_IGNORE_VOWELS)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ST_CASE_SENSITIVE)));
    HWND edit = FindWindowExA(Item(IDC_ST_PATTERN), nullptr, "Edit", nullptr);
    ASSERT_TRUE(edit);
    status.koduj_znak = 1;
    const char a = static_cast<char>(PrekodujKeyHE('b', 0, 0));
    const char b = static_cast<char>(PrekodujKeyHE('r', 0, 0));
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    SendMessageA(edit, WM_CHAR, 'b', 0);
    SendMessageA(edit, WM_CHAR, 'r', 0);
    // The second letter stands left of the first: Hebrew is shown in display
    // order, and the caret stays left of what was typed.
    std::string typed = gui::WindowText(edit);
    ASSERT_EQ(typed.size(), 2u);
    EXPECT_EQ(typed[1], a);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, 0u);
    // The wildcard goes to the beginning of a Hebrew pattern.
    Click(IDC_ST_INSERT_STAR);
    EXPECT_EQ(gui::WindowText(edit)[0], '*');
    // Latin again: the box is made anew and shows the Latin history.
    Radio(IDC_ST_LATIN);
    EXPECT_EQ(search_in.type, 0);
    EXPECT_EQ(Text(IDC_ST_PATTERN), "*" + typed);
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_ST_CASE_SENSITIVE)));
    (void)w;
}

TEST_F(SearchGuiTest, SearchToolBarFollowsTheWindowsAndTheResults)
{
    // Without windows Ctrl+F only beeps.
    Command(IDM_SEARCH_ACCEL);
    EXPECT_EQ(hSearchDlg, nullptr);
    Open("st.sbk");
    EXPECT_TRUE(SendMessageA(hToolBar3, TB_ISBUTTONENABLED, IDM_SEARCH, 0));
    EXPECT_FALSE(SendMessageA(hToolBar3, TB_ISBUTTONENABLED, IDM_SEARCH_IN_RESULTS, 0));  // no results window
    EXPECT_FALSE(SendMessageA(hToolBar3, TB_ISBUTTONENABLED, IDM_RESULTS_LIST, 0));
    Command(IDM_SEARCH);
    Type(IDC_ST_PATTERN, "God");
    Click(IDC_ST_FIND);
    EXPECT_TRUE(SendMessageA(hToolBar3, TB_ISBUTTONENABLED, IDM_RESULTS_LIST, 0));
    // "List of results" opens the Results tab.
    SEARCH_SelectTab(0);
    gui::PumpUntilIdle();
    Command(IDM_RESULTS_LIST);
    EXPECT_EQ(search_in.tab, 3);
    ASSERT_TRUE(List());
    EXPECT_EQ(Rows(), search_out_bk.hit_verses);
    // Enter in the pattern box finds.
    SEARCH_SelectTab(0);
    gui::PumpUntilIdle();
    Type(IDC_ST_PATTERN, "light");
    SendMessageA(hSearchDlg, WM_COMMAND, IDOK, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(search_out_bk.hit_verses, 1);
}

TEST_F(SearchGuiTest, ClicksInTheResultsListMoveTheBooksAndTheResultsWindow)
{
    const int big = Open("big.sbk");
    Command(IDM_SEARCH);
    Type(IDC_ST_PATTERN, "love");
    Click(IDC_ST_FIND);
    ASSERT_GT(Rows(), 10);
    // Double click: the synchronised book windows go to the row's verse.
    const int row = 9;  // verse index 66: Book1 3:15
    LVITEMA state = {};
    state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    state.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    NMITEMACTIVATE nm = {};
    nm.hdr.hwndFrom = List();
    nm.hdr.idFrom = IDC_RESULTS_LIST;
    nm.hdr.code = NM_DBLCLK;
    nm.iItem = row;
    SendMessageA(Tab(), WM_NOTIFY, IDC_RESULTS_LIST, reinterpret_cast<LPARAM>(&nm));
    gui::PumpUntilIdle();
    EXPECT_EQ(Place(big), (V{1, 3, 15}));
    EXPECT_EQ(Cell(row, 0), "Book1 3:15");

    // With a results window a click shows that result in it.
    static int updates = 0;
    updates = 0;
    g_search_ui_hooks.update_results_window = []() {
        ++updates;
        return 1;
    };
    status.res_visible = 1;
    status.id_results = big;
    nm.hdr.code = NM_CLICK;
    nm.iItem = 4;
    SendMessageA(Tab(), WM_NOTIFY, IDC_RESULTS_LIST, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(search_out_bk.res_hitnumber, 4);
    EXPECT_EQ(updates, 1);
    // Closing the dialog while the results window is shown keeps the results.
    CloseSearchDialog();
    gui::PumpUntilIdle();
    EXPECT_GT(search_out_bk.hit_verses, 10);
    status.res_visible = 0;
    status.id_results = 0;
    g_search_ui_hooks.update_results_window = g_program_hooks.update_results_window;
}

TEST_F(SearchGuiTest, RightClickOnAReferencePreparesTheReferenceTab)
{
    const int w = Open("st.sbk");
    MoveTo(w, 1, 1, 1);
    HWND view = static_cast<HWND>(datawindow[w].hrichedit);
    const std::string text = BookGuiTest::Text(w);
    const std::size_t at = text.find("Jn");
    ASSERT_NE(at, std::string::npos) << text;
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(at + 1));
    PostMessageA(view, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(view, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x + 2, pt.y + 3));
    gui::PumpUntilIdle();
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(search_in.tab, 2);
    ASSERT_TRUE(Item(IDC_SR_REFERENCE));
    ASSERT_EQ(ComboRows(IDC_SR_REFERENCE), 1);
    EXPECT_EQ(ComboRow(IDC_SR_REFERENCE, 0), "John 3:16");
    Click(IDC_SR_FIND);
    EXPECT_EQ(search_out_bk.hit_verses, 2);
}

TEST_F(SearchGuiTest, RightClickOnAStrongsNumberPreparesTheStrongsTab)
{
    const int w = Open("st.sbk");
    HWND view = static_cast<HWND>(datawindow[w].hrichedit);
    const std::string text = BookGuiTest::Text(w);
    const std::size_t at = text.find("H430");
    ASSERT_NE(at, std::string::npos) << text;
    POINTL pt{};
    SendMessageA(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(at + 1));
    PostMessageA(view, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(view, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x + 2, pt.y + 3));
    gui::PumpUntilIdle();
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(search_in.tab, 1);
    ASSERT_TRUE(Item(IDC_SS_PATTERN));
    EXPECT_EQ(Text(IDC_SS_PATTERN), "430");
    EXPECT_TRUE(Checked(IDC_SS_BY_NUMBER));
    EXPECT_TRUE(Checked(IDC_SS_HEBREW));
    Click(IDC_SS_FIND);
    EXPECT_EQ(search_out_bk.hit_verses, 3);
    EXPECT_EQ(search_out_bk.hit_patterns, 4);
}

// Find in the dialog with the program's own results window: it opens at the
// first result, the Results list steps it, and closing it empties the list.
TEST_F(SearchGuiTest, FindOpensTheResultsWindowAndTheListStepsIt)
{
    g_search_ui_hooks = g_program_hooks;
    const int w = Open("big.sbk");
    Command(IDM_SEARCH_ACCEL);
    ASSERT_TRUE(hSearchDlg);
    Type(IDC_ST_PATTERN, "love");
    Click(IDC_ST_FIND);
    const int expected = BigLoveVerses();
    ASSERT_EQ(search_out_bk.hit_verses, expected);
    ASSERT_EQ(status.res_visible, 1);
    const int res = RES_Window();
    ASSERT_GE(res, 0);
    EXPECT_EQ(datawindow[res].results, 1);
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(datawindow[res].hwnd)),
              "BIG 1/" + std::to_string(expected) + " results");
    ASSERT_EQ(Rows(), expected);
    // The book window that tiling made narrower has laid out its text for
    // its new size once the results window was on the screen.
    gui::PumpUntilIdle();
    RECT client, text;
    GetClientRect(static_cast<HWND>(datawindow[w].hwnd), &client);
    GetWindowRect(static_cast<HWND>(datawindow[w].hrichedit), &text);
    EXPECT_LE(text.right - text.left, client.right);
    EXPECT_GT(text.right - text.left, client.right / 2);
    EXPECT_FALSE(GetPropA(static_cast<HWND>(datawindow[w].hwnd), "SevirRenderLater"));

    // A click on row 5 shows result 6 in the window.
    NMITEMACTIVATE nm = {};
    nm.hdr.hwndFrom = List();
    nm.hdr.idFrom = IDC_RESULTS_LIST;
    nm.hdr.code = NM_CLICK;
    nm.iItem = 5;
    SendMessageA(Tab(), WM_NOTIFY, IDC_RESULTS_LIST, reinterpret_cast<LPARAM>(&nm));
    gui::PumpUntilIdle();
    EXPECT_EQ(search_out_bk.res_hitnumber, 5);
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(datawindow[res].hwnd)),
              "BIG 6/" + std::to_string(expected) + " results");
    EXPECT_NE(gui::WindowText(static_cast<HWND>(datawindow[res].hrichedit)).find(Cell(5, 0)), std::string::npos);

    // A second search retargets the same window.
    HWND frame = static_cast<HWND>(datawindow[res].hwnd);
    SEARCH_SelectTab(0);
    gui::PumpUntilIdle();
    Type(IDC_ST_PATTERN, "people");
    Click(IDC_ST_FIND);
    EXPECT_EQ(search_out_bk.hit_verses, kBooks * kChapters * kVerses);
    EXPECT_EQ(RES_Window(), res);
    EXPECT_EQ(static_cast<HWND>(datawindow[res].hwnd), frame);
    EXPECT_EQ(gui::WindowText(frame), "BIG 1/" + std::to_string(kBooks * kChapters * kVerses) + " results");

    // Closing the results window discards the results and empties the list.
    SendMessageA(g_hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(frame), 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(status.res_visible, 0);
    EXPECT_EQ(search_out_bk.hit_verses, 0);
    ASSERT_TRUE(hSearchDlg);
    EXPECT_EQ(Rows(), 0);
}
