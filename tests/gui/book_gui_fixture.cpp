#include "book_gui_fixture.h"

#include <richedit.h>

#include <cstdio>
#include <string>

#include "app/catalogue.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/main_window.h"
#include "books/book_window.h"
#include "books/verse_location.h"
#include "books/win/book_window.h"
#include "modwriter/modwriter.h"
#include "resource.h"

namespace gui {

namespace {

modwriter::Book MakeBook(const char* name, const char* abbrev, const char* sync, int chapters, int verses)
{
    modwriter::Book b(name, abbrev, sync);
    for (int c = 1; c <= chapters; ++c)
        for (int v = 1; v <= verses; ++v) {
            char text[96];
            std::snprintf(text, sizeof text, "%s verse text %d %d", abbrev, c, v);
            b.verses.push_back({c, v, text});
        }
    return b;
}

std::string Module(const char* abbrev, const char* title, std::vector<modwriter::Book> books)
{
    modwriter::BookModule m;
    m.info = {{"IA", abbrev}, {"IT", title}};
    m.tag_caps[2] = 1;  // translator's notes, shown
    m.books = std::move(books);
    return modwriter::BuildBookModule(m);
}

} // namespace

void BookGuiTest::SetUp()
{
    FrameTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    dir_ = std::string(temp) + "sevir-book-gui";
    CreateDirectoryA(dir_.c_str(), nullptr);
    CreateDirectoryA((dir_ + "\\data").c_str(), nullptr);
    MoveWindow(frame(), 0, 0, 1000, 760, TRUE);
    WriteModules();
    Rescan();
    PumpUntilIdle();
}

void BookGuiTest::TearDown()
{
    FrameTest::TearDown();
    ResetGlobalRecords();
}

void BookGuiTest::WriteModules()
{
    auto write = [this](const char* name, const std::string& bytes) {
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\" + name, bytes));
    };
    modwriter::Book gen = MakeBook("Genesis", "Gen", "OTGen", 3, 3);
    gen.verses[0].text = "In the beginning |TNa translator's note|Tn God created";
    gen.verses[1].text = "And the earth was without form";
    write("aaa.sbk", Module("A", "Alpha Bible",
                            {gen, MakeBook("Exodus", "Ex", "OTExod", 1, 2), MakeBook("Matthew", "Mt", "NTMatt", 2, 3)}));
    write("bbb.sbk",
          Module("B", "Beta Bible", {MakeBook("Genesis", "Gen", "OTGen", 2, 3), MakeBook("Matthew", "Mt", "NTMatt", 2, 3)}));
    write("ccc.sbk", Module("C", "Gamma New Testament", {MakeBook("Matthew", "Mt", "NTMatt", 2, 3)}));
    modwriter::Book lg = MakeBook("Genesis", "Gen", "OTGen", 1, 60);
    std::string longtext;
    while (longtext.size() < 1400) longtext += "and the light was good upon the waters of the earth ";
    lg.verses[0].text = longtext;
    for (int v = 1; v < 60; ++v) lg.verses[static_cast<std::size_t>(v)].text = longtext.substr(0, 180);
    write("long.sbk", Module("L", "Long verses", {lg}));

    // Hebrew in the display font's codes, stored in reading order.
    modwriter::BookModule heb;
    heb.language = 1;
    heb.tag_advanced = 0;
    heb.info = {{"IA", "H"}, {"IT", "Hebrew"}};
    modwriter::Book hg("Bereshit", "Ber", "OTGen");
    std::string words;
    while (words.size() < 700) words += "bre$ayt bara> >elohym >et ha$amaym w:>et ha>arec ";
    for (int v = 1; v <= 8; ++v) hg.verses.push_back({1, v, v == 1 ? words : words.substr(0, 120)});
    heb.books = {hg};
    write("heb.sbk", modwriter::BuildBookModule(heb));
}

void BookGuiTest::Rescan()
{
    status.path_used = 1;
    std::snprintf(status.path_data[0].path, sizeof status.path_data[0].path, "%s", dir_.c_str());
    ScanDataFiles();
    CreateDataFilesSubmenu();
    AttachDataFilesSubmenus(frame());
}

int BookGuiTest::File(const char* name)
{
    return IsFileInDATAFILEArray(name, status.files_all);
}

int BookGuiTest::Open(const char* name)
{
    const int before = status.num_windows;
    Command(IDM_MODULE_BASE + File(name));
    return status.num_windows > before ? status.num_windows - 1 : status.bk_last_book;
}

std::string BookGuiTest::Text(int i)
{
    static char buf[65536];
    buf[0] = '\0';
    GetWindowTextA(static_cast<HWND>(datawindow[i].hrichedit), buf, sizeof buf);
    return buf;
}

BookGuiTest::V BookGuiTest::Place(int i)
{
    const BOOK_POSITION& p = datawindow[i].book_position;
    return {p.book, p.chapter, p.verse};
}

void BookGuiTest::Scroll(int i, int code)
{
    SendMessageA(static_cast<HWND>(datawindow[i].hwnd), WM_VSCROLL, MAKEWPARAM(code, 0), 0);
    PumpUntilIdle();
}

void BookGuiTest::Activate(int i)
{
    SendMessageA(g_hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(datawindow[i].hwnd), 0);
    PumpUntilIdle();
}

void BookGuiTest::MoveTo(int i, int book, int chapter, int verse)
{
    datawindow[i].book_position = BOOK_POSITION{i, book, chapter, verse};
    BK_UpdateOneBookWindow(i);
    BK_NastavScroll(i);
    BK_SyncBooks(i);
    PumpUntilIdle();
}

int BookGuiTest::OffsetOf(int i, const BOOK_POSITION& p)
{
    BOOK_POSITION q = p;
    q.number = i;
    return BK_HledejVers(q);
}

} // namespace gui
