// Book-window movement without windows: verse, page and offset steps,
// synchronisation by sync name, tag options and button states, reuse and
// replacement of a window's module.
#include "books/book_window.h"

#include <vector>

#include "app/data_windows.h"
#include "app/message.h"
#include "book_fixture.h"
#include "books/verse_location.h"

using testbooks::BookTest;
using testbooks::OpenInWindow;

namespace {

// Genesis 1:1-3, 2:1-2; Exodus 1:1-2 (and, with revelation, Revelation 1:1).
std::string Module(bool with_exodus = true, bool revelation = false, int gen_chapters = 2)
{
    modwriter::BookModule m;
    m.info = {{"IA", "T"}, {"IT", "Test"}};
    m.tag_caps[2] = 1;  // notes
    modwriter::Book g("Genesis", "Gen", "OTGen");
    g.verses = {{1, 1, "In the beginning"}, {1, 2, "And the earth"}, {1, 3, "Let there be light"}};
    if (gen_chapters > 1) g.verses.push_back({2, 1, "Thus the heavens"}), g.verses.push_back({2, 2, "And on the seventh"});
    m.books.push_back(g);
    if (with_exodus) {
        modwriter::Book e("Exodus", "Ex", "OTExod");
        e.verses = {{1, 1, "Now these are"}, {1, 2, "Reuben Simeon"}};
        m.books.push_back(e);
    }
    if (revelation) {
        modwriter::Book r("Revelation", "Rev", "NTRevel");
        r.verses = {{1, 1, "The Revelation"}};
        m.books.push_back(r);
    }
    return modwriter::BuildBookModule(m);
}

struct Redraws {
    static std::vector<int>& list()
    {
        static std::vector<int> v;
        return v;
    }
    static void Hook(int id) { list().push_back(id); }
};

class BookWindowTest : public BookTest {
protected:
    void SetUp() override
    {
        BookTest::SetUp();
        Redraws::list().clear();
        g_book_window_hooks.redraw_window = Redraws::Hook;
    }
    void TearDown() override
    {
        g_book_window_hooks.redraw_window = nullptr;
        BookTest::TearDown();
    }
    void Open(const std::string& bytes, int window)
    {
        modules_.push_back(bytes);
        ASSERT_EQ(OpenInWindow(modules_.back(), window, window), 1);
        DATAWINDOW& w = datawindow[window];
        w.sync = 1;
        w.book_position = BOOK_POSITION{window, 1, 1, 1};
        w.offset = BK_HledejVers(w.book_position);
    }
    void GoTo(int window, int book, int chapter, int verse)
    {
        DATAWINDOW& w = datawindow[window];
        w.book_position = BOOK_POSITION{window, book, chapter, verse};
        w.offset = BK_HledejVers(w.book_position);
        ASSERT_GT(w.offset, 0);
    }
    static std::vector<int> Place(int window)
    {
        const BOOK_POSITION& p = datawindow[window].book_position;
        return {p.book, p.chapter, p.verse};
    }
    std::vector<std::string> modules_;
};

using V = std::vector<int>;

} // namespace

TEST_F(BookWindowTest, VerseStepsStopAtTheEndsOfTheModule)
{
    modules_.reserve(4);
    Open(Module(), 0);
    EXPECT_EQ(BK_StepVerse(0, -1), 0);  // first verse of the module
    EXPECT_EQ(Place(0), (V{1, 1, 1}));
    ASSERT_EQ(BK_StepVerse(0, 1), 1);
    EXPECT_EQ(Place(0), (V{1, 1, 2}));
    EXPECT_EQ(datawindow[0].offset, BK_HledejVers(datawindow[0].book_position));
    EXPECT_EQ(datawindow[0].book_position.number, 0);
    datawindow[0].rtf_line = 3;
    GoTo(0, 1, 2, 2);
    ASSERT_EQ(BK_StepVerse(0, 1), 1);  // across the book boundary
    EXPECT_EQ(Place(0), (V{2, 1, 1}));
    EXPECT_EQ(datawindow[0].rtf_line, 0);
    GoTo(0, 2, 1, 2);
    EXPECT_EQ(BK_StepVerse(0, 1), 0);  // last verse
    ASSERT_EQ(BK_StepVerse(0, -1), 1);
    EXPECT_EQ(Place(0), (V{2, 1, 1}));
}

TEST_F(BookWindowTest, PagesGoByChaptersAndBooks)
{
    modules_.reserve(4);
    Open(Module(), 0);
    GoTo(0, 1, 1, 3);
    ASSERT_EQ(BK_PageUp(0), 1);  // to verse 1 of the chapter
    EXPECT_EQ(Place(0), (V{1, 1, 1}));
    EXPECT_EQ(BK_PageUp(0), 0);  // before the first book: stays at 1 1:1
    EXPECT_EQ(Place(0), (V{1, 1, 1}));

    ASSERT_EQ(BK_PageDown(0), 1);
    EXPECT_EQ(Place(0), (V{1, 2, 1}));
    ASSERT_EQ(BK_PageDown(0), 1);  // after the last chapter: next book
    EXPECT_EQ(Place(0), (V{2, 1, 1}));
    ASSERT_EQ(BK_PageDown(0), 1);  // after the last book: the last verse
    EXPECT_EQ(Place(0), (V{2, 1, 2}));
    EXPECT_EQ(BK_PageDown(0), 0);

    ASSERT_EQ(BK_PageUp(0), 1);  // verse 2 -> verse 1
    EXPECT_EQ(Place(0), (V{2, 1, 1}));
    ASSERT_EQ(BK_PageUp(0), 1);  // chapter 1 -> last chapter of the book before
    EXPECT_EQ(Place(0), (V{1, 2, 1}));
}

TEST_F(BookWindowTest, ScrollBarMapsFileOffsets)
{
    modules_.reserve(4);
    Open(Module(), 0);
    const DATAWINDOW& w = datawindow[0];
    BK_SCROLL_RANGE r = BK_ScrollRange(0);
    EXPECT_EQ(r.min, w.tag_data);
    EXPECT_EQ(r.max, w.filesize);
    EXPECT_EQ(r.pos, w.offset);

    GoTo(0, 1, 2, 1);
    const int32_t gen21 = w.offset;
    GoTo(0, 1, 1, 1);
    ASSERT_EQ(BK_GoToOffset(0, gen21 - 3), 1);  // inside the record before: the next record
    EXPECT_EQ(Place(0), (V{1, 2, 1}));
    EXPECT_EQ(w.offset, gen21);
    ASSERT_EQ(BK_GoToOffset(0, w.filesize), 1);  // the end: the last verse
    EXPECT_EQ(Place(0), (V{2, 1, 2}));
    ASSERT_EQ(BK_GoToOffset(0, -5), 1);  // below the range: the first verse
    EXPECT_EQ(Place(0), (V{1, 1, 1}));
    EXPECT_EQ(BK_ScrollRange(0).pos, w.tag_data);
}

TEST_F(BookWindowTest, LineDownRule)
{
    EXPECT_EQ(BK_LineDownScrollsView(20, 0), 1);
    EXPECT_EQ(BK_LineDownScrollsView(20, 1), 0);  // a new verse: step a verse
    EXPECT_EQ(BK_LineDownScrollsView(2, 0), 0);   // the short closing lines
    EXPECT_EQ(BK_NewLineProbe(SCRIPT_LATIN, 40, 10), 40);
    EXPECT_EQ(BK_NewLineProbe(SCRIPT_GREEK, 40, 10), 40);
    EXPECT_EQ(BK_NewLineProbe(SCRIPT_HEBREW, 40, 10), 49);
}

TEST_F(BookWindowTest, SyncByNameSkipsMissingBooksAndKeepsTextForMissingChapters)
{
    modules_.reserve(4);
    Open(Module(), 0);
    Open(Module(false), 1);                // no Exodus
    Open(Module(true, false, 1), 2);       // Genesis has one chapter
    Open(Module(), 3);
    datawindow[3].sync = 0;                // does not follow
    GoTo(0, 2, 1, 2);
    const int32_t before1 = datawindow[1].offset;
    EXPECT_EQ(BK_SyncBooks(0), 1);
    EXPECT_EQ(Redraws::list(), (std::vector<int>{2}));
    EXPECT_EQ(Place(1), (V{1, 1, 1}));
    EXPECT_EQ(datawindow[1].offset, before1);
    EXPECT_EQ(Place(2), (V{2, 1, 2}));
    EXPECT_EQ(Place(3), (V{1, 1, 1}));

    // Genesis 2:1 does not exist in window 2: its text stays, its position moves.
    GoTo(2, 1, 1, 3);
    const int32_t before2 = datawindow[2].offset;
    GoTo(0, 1, 2, 1);
    Redraws::list().clear();
    EXPECT_EQ(BK_SyncBooks(0), 1);
    EXPECT_EQ(Redraws::list(), (std::vector<int>{1}));
    EXPECT_EQ(Place(1), (V{1, 2, 1}));
    EXPECT_EQ(Place(2), (V{1, 2, 1}));
    EXPECT_EQ(datawindow[2].offset, before2);
    EXPECT_EQ(datawindow[2].book_position.number, 2);
}

TEST_F(BookWindowTest, ReferenceJumpsSkipWindowsWithoutJumps)
{
    modules_.reserve(4);
    Open(Module(), 0);
    Open(Module(), 1);
    Open(Module(), 2);
    datawindow[1].no_jumps = 1;
    EXPECT_EQ(BK_SyncBooks2(BOOK_POSITION{0, 0, 2, 2}, "OTGen"), 2);
    EXPECT_EQ(Place(0), (V{1, 2, 2}));
    EXPECT_EQ(Place(1), (V{1, 1, 1}));
    EXPECT_EQ(Place(2), (V{1, 2, 2}));
    EXPECT_EQ(BK_SyncBooks2(BOOK_POSITION{0, 0, 1, 1}, "NTRevel"), 0);
}

TEST_F(BookWindowTest, TagMenuAndAllTagsState)
{
    modules_.reserve(4);
    Open(Module(), 0);
    DATAWINDOW& w = datawindow[0];
    ASSERT_EQ(w.tag_note, 1);
    ASSERT_EQ(w.tag_strong_hebrew, 0);
    EXPECT_EQ(GetAllTagsState(0), w.show_tag_note ? 1 : 2);

    ASSERT_EQ(ProcessTagMenuCommand(0, 5), 1);  // all tags enabled
    EXPECT_EQ(w.show_tag_note, 1);
    EXPECT_EQ(w.show_tag_strong_hebrew, 0);
    EXPECT_EQ(w.show_tag_strong_greek, 0);
    EXPECT_EQ(GetAllTagsState(0), 1);
    EXPECT_EQ(BK_TagMenuItemState(0, 13).enabled, 1);
    EXPECT_EQ(BK_TagMenuItemState(0, 13).checked, 1);
    EXPECT_EQ(BK_TagMenuItemState(0, 8).enabled, 0);

    ASSERT_EQ(ProcessTagMenuCommand(0, 6), 1);
    EXPECT_EQ(w.show_tag_note, 0);
    EXPECT_EQ(GetAllTagsState(0), 2);
    ASSERT_EQ(ProcessTagMenuCommand(0, 13), 1);
    EXPECT_EQ(w.show_tag_note, 1);

    // Tags but none of the ten classes: 0; no tags at all: -1.
    w.tag_note = 0;
    EXPECT_EQ(GetAllTagsState(0), 0);
    w.tag_advanced = 0;
    EXPECT_EQ(GetAllTagsState(0), -1);
    ResetGlobalRecords();
    EXPECT_EQ(GetAllTagsState(0), -1);

    EXPECT_EQ(ProcessTagMenuCommand(0, 1), 0);  // no window
}

TEST_F(BookWindowTest, WindowOptionsAndCloning)
{
    modules_.reserve(4);
    Open(Module(), 0);
    DATAWINDOW& w = datawindow[0];
    w.scroll_verse = 1;
    EXPECT_EQ(BK_WindowOptionChecked(0, 2), 0);
    BK_ToggleWindowOption(0, 2);
    EXPECT_EQ(w.scroll_verse, 0);
    EXPECT_EQ(BK_WindowOptionChecked(0, 2), 1);
    EXPECT_EQ(BK_WindowOptionChecked(0, 3), 1);  // jumps allowed
    BK_ToggleWindowOption(0, 3);
    EXPECT_EQ(w.no_jumps, 1);
    BK_ToggleWindowOption(0, 25);
    EXPECT_EQ(w.morph_line, 1);
    BK_ToggleWindowOption(0, 23);
    EXPECT_EQ(w.compare, 1);
    EXPECT_EQ(BK_ToggleWindowOption(0, 99), 0);

    DATAWINDOW copy{};
    w.show_tag_christ = 1;
    w.show_tag_bold = 1;
    w.show_tag_keyword_reference = 1;
    ASSERT_EQ(CloneShowTagFlags(&copy, &w), 1);
    EXPECT_EQ(copy.show_tag_christ, 1);
    EXPECT_EQ(copy.show_tag_bold, 1);
    EXPECT_EQ(copy.show_tag_keyword_reference, 0);
    MessageBoxHandler old = SetMessageBoxHandler([](void*, const char* text, const char*, unsigned) {
        EXPECT_STREQ(text, "CloneShowTagFlags: NULL pointer to DATAWINDOW");
        return 1;
    });
    EXPECT_EQ(CloneShowTagFlags(nullptr, &w), 0);
    SetMessageBoxHandler(old);
}

TEST_F(BookWindowTest, SelectionSeparatorsPerScript)
{
    for (unsigned char c : {' ', '.', ',', ';', '"', '-', ':', '(', ')', '!', '?', '\t'})
        EXPECT_EQ(IsSelectionSeparator(SCRIPT_LATIN, c), 1) << c;
    for (unsigned char c : {(unsigned char)'a', (unsigned char)'Z', (unsigned char)'0', (unsigned char)'\'', (unsigned char)0xE9}) EXPECT_EQ(IsSelectionSeparator(SCRIPT_LATIN, c), 0) << c;
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_HEBREW, '/'), 1);
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_HEBREW, '5'), 0);
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_HEBREW, ':'), 1);
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_HEBREW, '?'), 1);
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_HEBREW, '@'), 0);
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_GREEK, '!'), 1);
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_GREEK, '"'), 0);
    for (unsigned char c : {0x3F, 0x5C, 0x26, 0x28, 0x29, 0xC5, 0xC8, 0xCE, 0xD0})
        EXPECT_EQ(IsSelectionSeparator(SCRIPT_GREEK, c), 1) << int(c);
    EXPECT_EQ(IsSelectionSeparator(SCRIPT_GREEK, 'a'), 0);
    EXPECT_EQ(IsSelectionSeparator(7, 'a'), 1);
}

TEST_F(BookWindowTest, ButtonStatesFollowTheLastWindow)
{
    BUTTON_STATES b = BK_ComputeButtonStates();
    EXPECT_EQ(b.compare, BUTTON_INDETERMINATE);
    EXPECT_EQ(b.show_all_tags, BUTTON_INDETERMINATE);
    EXPECT_EQ(b.search, 0);
    modules_.reserve(4);
    Open(Module(), 0);
    status.bk_last_book = 0;
    ProcessTagMenuCommand(0, 5);
    datawindow[0].reusable = 1;
    b = BK_ComputeButtonStates();
    EXPECT_EQ(b.compare, BUTTON_NORMAL);
    EXPECT_EQ(b.reusable, BUTTON_PRESSED);
    EXPECT_EQ(b.show_all_tags, BUTTON_PRESSED);
    EXPECT_EQ(b.hide_all_tags, BUTTON_NORMAL);
    EXPECT_EQ(b.search, 1);
    datawindow[0].type = MODULE_DICTIONARY;
    b = BK_ComputeButtonStates();
    EXPECT_EQ(b.compare, BUTTON_INDETERMINATE);
    EXPECT_EQ(b.search, 0);
}

TEST_F(BookWindowTest, StartPositionFollowsTheLastActiveWindowBySyncName)
{
    modules_.reserve(4);
    Open(Module(true, true), 0);
    GoTo(0, 3, 1, 1);  // Revelation 1:1
    status.bk_last_book = 0;
    Open(Module(false, true), 1);  // Genesis and Revelation
    EXPECT_EQ(SetStartPosition(1), 1);
    EXPECT_EQ(Place(1), (V{2, 1, 1}));
    EXPECT_EQ(datawindow[1].offset, BK_HledejVers(datawindow[1].book_position));

    Open(Module(false), 2);  // no Revelation
    EXPECT_EQ(SetStartPosition(2), 0);
    EXPECT_EQ(Place(2), (V{1, 1, 1}));
    EXPECT_EQ(datawindow[2].offset, datawindow[2].tag_data);

    datawindow[0].compare = 1;  // comparison view: no sync start
    EXPECT_EQ(SetStartPosition(1), 0);
    EXPECT_EQ(Place(1), (V{1, 1, 1}));
}

TEST_F(BookWindowTest, ReusableWindowChoice)
{
    status.num_windows = 3;
    EXPECT_EQ(GetFirstReusableWindow(0), -1);
    datawindow[2].reusable = 1;
    EXPECT_EQ(GetFirstReusableWindow(0), 2);
    datawindow[1].reusable = 1;
    EXPECT_EQ(GetFirstReusableWindow(2), 2);
    EXPECT_EQ(GetFirstReusableWindow(0), 1);
    EXPECT_EQ(GetFirstReusableWindow(-1), 1);
    EXPECT_EQ(GetFirstReusableWindow(7), 1);
}

TEST_F(BookWindowTest, StatusBarTexts)
{
    modules_.reserve(4);
    Open(Module(), 0);
    status.files_all = 3;
    GoTo(0, 1, 2, 2);
    char a[128], b[128];
    BK_StatusBarTexts(0, a, sizeof a, b, sizeof b);
    EXPECT_STREQ(a, "Library titles: 3  [Opened: 1]");
    EXPECT_STREQ(b, "[T]  Genesis 2:2 ");
    BK_StatusBarTexts(-1, a, sizeof a, b, sizeof b);
    EXPECT_STREQ(b, "");

    BK_NAVIGATOR nav;
    ASSERT_EQ(BK_NavigatorContents(datawindow[0].book_position, 0, 1, &nav), 1);
    EXPECT_EQ(nav.books, 2);
    EXPECT_EQ(nav.chapters, 2);
    EXPECT_EQ(nav.verses, 2);
    EXPECT_EQ(nav.verse_sel, 1);
    EXPECT_STREQ(nav.single_book, "Genesis");
    EXPECT_EQ(BK_NavigatorContents(BOOK_POSITION{0, 1, 5, 1}, 0, 1, &nav), 0);
}
