// Dictionary windows under Wine: a Latin-Greek and a Hebrew-Latin dictionary
// written by the module writer, driven by the messages a user's actions send.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/catalogue.h"
#include "app/records.h"
#include "app/win/data_window.h"
#include "app/win/frame_controls.h"
#include "app/win/main_window.h"
#include "books/rtf_tags.h"
#include "dic/dic_list.h"
#include "dic/win/dic_window.h"
#include "dic/dic_fixture.h"
#include "lex/lookup.h"
#include "harness.h"
#include "resource.h"

namespace {

class DicGuiTest : public gui::FrameTest {
protected:
    void SetUp() override
    {
        gui::FrameTest::SetUp();
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "sevir-dic-gui";
        CreateDirectoryA(dir_.c_str(), nullptr);
        CreateDirectoryA((dir_ + "\\data").c_str(), nullptr);
        MoveWindow(frame(), 0, 0, 1000, 700, TRUE);
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\lagr.dic",
                                               modwriter::BuildDictionaryModule(testdic::LatinGreek())));
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\hela.dic",
                                               modwriter::BuildDictionaryModule(testdic::HebrewLatin())));
        status.path_used = 1;
        std::snprintf(status.path_data[0].path, sizeof status.path_data[0].path, "%s", dir_.c_str());
        ScanDataFiles();
        CreateDataFilesSubmenu();
        AttachDataFilesSubmenus(frame());
        status.opt_resizing = 0;
        gui::PumpUntilIdle();
    }
    void TearDown() override
    {
        gui::FrameTest::TearDown();
        ResetGlobalRecords();
    }

    int Open(const char* name)
    {
        const int before = status.num_windows;
        Command(IDM_MODULE_BASE + IsFileInDATAFILEArray(name, status.files_all));
        EXPECT_EQ(status.num_windows, before + 1) << name;
        return status.num_windows - 1;
    }
    static HWND Hwnd(int id) { return static_cast<HWND>(datawindow[id].hwnd); }
    static void Send(int id, int command)
    {
        SendMessageA(Hwnd(id), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        gui::PumpUntilIdle();
    }
    // Empties the key box and types text into it, key by key (without the
    // keyboard maps).
    static void Type(int id, const char* text)
    {
        status.koduj_znak = 0;
        const HWND edit = static_cast<HWND>(datawindow[id].dic_hcomboEdit);
        SetFocus(edit);
        SetWindowTextA(edit, "");
        for (const char* p = text; *p; ++p) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
        gui::PumpUntilIdle();
    }
    static void Enter(int id)
    {
        SendMessageA(static_cast<HWND>(datawindow[id].dic_hcomboEdit), WM_KEYDOWN, VK_RETURN, 0);
        gui::PumpUntilIdle();
    }
    static void ScrollBy(int id, int code)
    {
        SendMessageA(Hwnd(id), WM_VSCROLL, MAKEWPARAM(code, 0), 0);
        gui::PumpUntilIdle();
    }
    // What the first list shows on its top line, and how many lines it holds.
    static std::string Top(int id)
    {
        const DATAWINDOW& w = datawindow[id];
        if (w.dic_radku_filled <= 0) return "";
        return DIC_SourceText(id, w.dic_radek[0].from, w.dic_radek[0].to, 0);
    }
    static int Items(int id)
    {
        return static_cast<int>(SendMessageA(static_cast<HWND>(datawindow[id].dic_hlistbox_from), LB_GETCOUNT, 0, 0));
    }
    static std::string FontFace(HWND control)
    {
        HFONT f = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
        LOGFONTA lf{};
        if (!f || !GetObjectA(f, sizeof lf, &lf)) return "";
        return lf.lfFaceName;
    }

    std::string dir_;
};

} // namespace

TEST_F(DicGuiTest, KeySearchAndOppositeKeepTheTopWord)
{
    const int id = Open("lagr.dic");
    DATAWINDOW& w = datawindow[id];
    EXPECT_EQ(gui::WindowText(Hwnd(id)), "Latin-Greek");
    EXPECT_EQ(Top(id), "amor");
    EXPECT_EQ(Items(id), w.dic_radku_filled);
    EXPECT_EQ(w.dic_listbox_lines, DIC_GetListBoxLines(id));
    EXPECT_GT(w.dic_listbox_lines, 3);
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(w.dic_hbutton_reload)), "Reload");
    EXPECT_EQ(GetDlgCtrlID(static_cast<HWND>(w.dic_hbutton_opposite)), 350);

    Type(id, "deus");
    EXPECT_EQ(Top(id), "deus");
    EXPECT_EQ(GetScrollPos(static_cast<HWND>(w.dic_hscroll_data), SB_CTL), 4);
    EXPECT_STREQ(LastStatusPicture().text, "4/10 [LAGR] 4/10");
    const int from_width = w.dic_lb_width_from, to_width = w.dic_lb_width_to;

    Send(id, IDM_DIC_OPPOSITE);
    EXPECT_EQ(w.dic_direction, 1);
    EXPECT_EQ(gui::WindowText(Hwnd(id)), "Greek-Latin");
    EXPECT_EQ(Top(id), "qeos");
    EXPECT_STREQ(w.dic_radek[0].from, "deus");
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(w.dic_hcomboEdit)), "");
    EXPECT_EQ(FontFace(static_cast<HWND>(w.dic_hlistbox_from)), std::string(RTFGreekFontName));
    Type(id, "l");
    EXPECT_EQ(Top(id), "logos");

    // The menu command goes to the active dictionary.
    Command(IDM_MENU_DIC_OPPOSITE);
    EXPECT_EQ(w.dic_direction, 0);
    EXPECT_EQ(Top(id), "verbum");
    EXPECT_EQ(w.dic_lb_width_from, from_width);
    EXPECT_EQ(w.dic_lb_width_to, to_width);
}

TEST_F(DicGuiTest, FilterInEachDirectionAndReload)
{
    const int id = Open("lagr.dic");
    DATAWINDOW& w = datawindow[id];
    Type(id, "er");
    Enter(id);
    EXPECT_EQ(w.dic_filter_hits, 2);
    EXPECT_EQ(Items(id), 2);
    EXPECT_EQ(Top(id), "terra");
    EXPECT_STREQ(LastStatusPicture().text, "1/2 [LAGR] 8/10");
    EXPECT_EQ(LastStatusPicture().image, 1);
    // The pattern went into the history of direction 0.
    EXPECT_EQ(SendMessageA(static_cast<HWND>(w.dic_hcombo), CB_GETCOUNT, 0, 0), 1);
    Send(id, IDM_DIC_RELOAD);
    EXPECT_EQ(w.dic_filter_hits, 10);
    EXPECT_EQ(Top(id), "amor");
    EXPECT_EQ(LastStatusPicture().image, 0);

    Send(id, IDM_DIC_OPPOSITE);
    EXPECT_EQ(SendMessageA(static_cast<HWND>(w.dic_hcombo), CB_GETCOUNT, 0, 0), 0);  // no history of direction 1
    Type(id, "os");
    Enter(id);
    EXPECT_EQ(w.dic_filter_hits, 5);
    EXPECT_EQ(Top(id), "anqrwpos");
    EXPECT_STREQ(LastStatusPicture().text, "1/5 [LAGR] 2/10");
    Send(id, IDM_DIC_OPPOSITE);  // clears the filter
    EXPECT_EQ(w.dic_filter_hits, 10);
    EXPECT_EQ(Top(id), "homo");
    // A filter that matches nothing keeps the list where typing put it.
    Type(id, "qq");
    EXPECT_EQ(Top(id), "terra");
    Enter(id);
    EXPECT_EQ(w.dic_filter_hits, 0);
    EXPECT_EQ(Top(id), "terra");
    Command(IDM_MENU_DIC_RELOAD);
    EXPECT_EQ(w.dic_filter_hits, 10);
}

TEST_F(DicGuiTest, ScrollingPastBothEnds)
{
    const int id = Open("lagr.dic");
    DATAWINDOW& w = datawindow[id];
    // A short window: four lines.
    MoveWindow(Hwnd(id), 0, 0, 500, 44 + 4 * SendMessageA(static_cast<HWND>(w.dic_hlistbox_from), LB_GETITEMHEIGHT, 0, 0) +
                                          (GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME) + 4),
               TRUE);
    gui::PumpUntilIdle();
    const int lines = w.dic_listbox_lines;
    ASSERT_GE(lines, 2);
    ASSERT_LT(lines, 10);
    ScrollBy(id, SB_LINEUP);
    EXPECT_EQ(w.dic_radek[0].record, 1);
    ScrollBy(id, SB_LINEDOWN);
    EXPECT_EQ(w.dic_radek[0].record, 2);
    for (int k = 0; k < 6; ++k) ScrollBy(id, SB_PAGEDOWN);
    EXPECT_EQ(w.dic_radek[0].record, 10);
    EXPECT_EQ(w.dic_radku_filled, 1);
    ScrollBy(id, SB_LINEDOWN);
    EXPECT_EQ(w.dic_radek[0].record, 10);
    for (int k = 0; k < 6; ++k) ScrollBy(id, SB_PAGEUP);
    EXPECT_EQ(w.dic_radek[0].record, 1);
    EXPECT_EQ(w.dic_radku_filled, lines);
    // The keys of the key box scroll too, in direction 1 by index position.
    Send(id, IDM_DIC_OPPOSITE);
    SendMessageA(static_cast<HWND>(w.dic_hcomboEdit), WM_KEYDOWN, VK_NEXT, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(w.dic_radek[0].record, 1 + lines);
    SendMessageA(static_cast<HWND>(w.dic_hcomboEdit), WM_KEYDOWN, VK_UP, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(w.dic_radek[0].record, lines);
    EXPECT_EQ(GetScrollPos(static_cast<HWND>(w.dic_hscroll_data), SB_CTL), lines);
}

TEST_F(DicGuiTest, SplitterKeepsItsRatioOnResize)
{
    const int id = Open("lagr.dic");
    DATAWINDOW& w = datawindow[id];
    MoveWindow(Hwnd(id), 0, 0, 600, 400, TRUE);
    gui::PumpUntilIdle();
    RECT rc;
    GetClientRect(Hwnd(id), &rc);
    const int room = rc.right - 25 - 32;
    EXPECT_EQ(w.dic_lb_from_ratio, 50);
    EXPECT_EQ(w.dic_lb_width_from, room / 2);
    // Drag the edge between the lists from the gap to x = 150.
    const int edge = 3 + w.dic_lb_width_from + 2;
    SendMessageA(Hwnd(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(edge, 100));
    SendMessageA(Hwnd(id), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 100));
    SendMessageA(Hwnd(id), WM_LBUTTONUP, 0, MAKELPARAM(150, 100));
    gui::PumpUntilIdle();
    EXPECT_EQ(w.dic_lb_width_from, 147);
    EXPECT_EQ(w.dic_lb_from_ratio, 147 * 100 / room);
    RECT lr;
    GetWindowRect(static_cast<HWND>(w.dic_hlistbox_to), &lr);
    MapWindowPoints(HWND_DESKTOP, Hwnd(id), reinterpret_cast<POINT*>(&lr), 2);
    EXPECT_EQ(lr.left, 147 + 7);
    const int ratio = w.dic_lb_from_ratio;
    MoveWindow(Hwnd(id), 0, 0, 900, 450, TRUE);
    gui::PumpUntilIdle();
    GetClientRect(Hwnd(id), &rc);
    const int room2 = rc.right - 25 - 32;
    EXPECT_EQ(w.dic_lb_from_ratio, ratio);
    EXPECT_EQ(w.dic_lb_width_from, ratio * room2 / 100);
    EXPECT_EQ(w.dic_lb_width_to, (100 - ratio) * room2 / 100);
    // Opposite swaps the sides and the ratio.
    Send(id, IDM_DIC_OPPOSITE);
    EXPECT_EQ(w.dic_lb_from_ratio, 100 - ratio);
    EXPECT_EQ(w.dic_lb_width_from, (100 - ratio) * room2 / 100);
}

TEST_F(DicGuiTest, HebrewSourceListsFontsAndClipboard)
{
    const int id = Open("hela.dic");
    DATAWINDOW& w = datawindow[id];
    EXPECT_EQ(FontFace(static_cast<HWND>(w.dic_hlistbox_from)), "HebrewUniversal");
    EXPECT_EQ(FontFace(static_cast<HWND>(w.dic_hlistbox_to)), std::string(RTFCzechFontName));
    EXPECT_EQ(Top(id), "A@");
    // Hebrew is typed in reading order and runs right to left in the key box;
    // the search runs in reading order.
    Type(id, "LGM");
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(w.dic_hcomboEdit)), "MGL");
    EXPECT_EQ(Top(id), "MGL");
    EXPECT_STREQ(w.dic_radek[0].to, "panis");
    Send(id, IDM_DIC_OPPOSITE);
    EXPECT_EQ(Top(id), "panis");
    EXPECT_EQ(FontFace(static_cast<HWND>(w.dic_hlistbox_to)), "HebrewUniversal");
    Send(id, IDM_DIC_OPPOSITE);
    EXPECT_EQ(Top(id), "MGL");

    // A Hebrew word goes to the clipboard as font codes and as Unicode in
    // reading order.
    ASSERT_EQ(DIC_CopyToClipboard(Hwnd(id), "A@", 1), 1);
    ASSERT_TRUE(OpenClipboard(Hwnd(id)));
    HANDLE text = GetClipboardData(CF_TEXT);
    HANDLE wide = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(text, nullptr);
    ASSERT_NE(wide, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(text)), "A@");
    GlobalUnlock(text);
    const wchar_t* u = static_cast<const wchar_t*>(GlobalLock(wide));
    EXPECT_EQ(std::wstring(u), std::wstring(L"\x05D0\x05D1"));
    GlobalUnlock(wide);
    CloseClipboard();
}

TEST_F(DicGuiTest, LookAtReachesDictionariesByLanguage)
{
    const int lagr = Open("lagr.dic");
    const int hela = Open("hela.dic");
    status.opt_dic_look_autoopposite = 0;
    // A Latin word: the Latin-Greek dictionary looks it up; the Hebrew-Latin
    // one is left alone without the option.
    LookupWord("lux", 0, -1);
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(lagr), "lux");
    EXPECT_EQ(datawindow[hela].dic_direction, 0);
    EXPECT_EQ(Top(hela), "A@");
    // With the option the Hebrew-Latin dictionary turns round.
    status.opt_dic_look_autoopposite = 1;
    LookupWord("panis", 0, -1);
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(lagr), "panis");
    EXPECT_EQ(datawindow[hela].dic_direction, 1);
    EXPECT_EQ(Top(hela), "panis");
    EXPECT_EQ(gui::WindowText(Hwnd(hela)), "Latin-Hebrew");
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(datawindow[hela].dic_hcomboEdit)), "panis");
    // A Hebrew word (display order) reaches it in the Hebrew direction again.
    LookupWord("MEI", 1, -1);
    gui::PumpUntilIdle();
    EXPECT_EQ(datawindow[hela].dic_direction, 0);
    EXPECT_EQ(Top(hela), "MEI");
    // A window that does not synchronise stays; its own lookups still reach it
    // while jumps inside it are on.
    datawindow[lagr].sync = 0;
    LookupWord("terra", 0, hela);
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(lagr), "panis");
    LookupWord("terra", 0, lagr);
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(lagr), "terra");
    datawindow[lagr].no_jumps = 1;
    LookupWord("amor", 0, lagr);
    gui::PumpUntilIdle();
    // The filter is cleared before a lookup.
    datawindow[lagr].no_jumps = 0;
    Type(lagr, "er");
    Enter(lagr);
    EXPECT_EQ(datawindow[lagr].dic_filter_hits, 2);
    LookupWord("amor", 0, lagr);
    gui::PumpUntilIdle();
    EXPECT_EQ(datawindow[lagr].dic_filter_hits, 10);
    EXPECT_EQ(Top(lagr), "amor");
}

TEST_F(DicGuiTest, ClosingWhileTheSearchDialogIsOpenKeepsTheWindow)
{
    const int id = Open("lagr.dic");
    status.search_visible = 1;
    SendMessageA(Hwnd(id), WM_CLOSE, 0, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(status.num_windows, 1);
    status.search_visible = 0;
    SendMessageA(Hwnd(id), WM_CLOSE, 0, 0);
    gui::PumpUntilIdle();
    EXPECT_EQ(status.num_windows, 0);
    EXPECT_EQ(datafile[IsFileInDATAFILEArray("lagr.dic", status.files_all)].opened, 0);
}

namespace {

// The program started and closed as a user does, in a folder of its own.
class DicRestartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "sevir-dic-restart";
        CreateDirectoryA(dir_.c_str(), nullptr);
        CreateDirectoryA((dir_ + "\\data").c_str(), nullptr);
        DeleteFileA((dir_ + "\\sevir.cfg").c_str());
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\hela.dic",
                                               modwriter::BuildDictionaryModule(testdic::HebrewLatin())));
        ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\lagr.dic",
                                               modwriter::BuildDictionaryModule(testdic::LatinGreek())));
        GetCurrentDirectoryA(sizeof old_, old_);
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
        hInst = GetModuleHandleA(nullptr);
        WNDCLASSEXA known = {};
        known.cbSize = sizeof known;
        if (!GetClassInfoExA(hInst, kMainClassName, &known)) {
            ASSERT_TRUE(RegisterSevirClasses(hInst));
        }
    }
    void TearDown() override
    {
        if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
        gui::PumpUntilIdle(10, 2000);
        ResetGlobalRecords();
        SetCurrentDirectoryA(old_);
    }
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
    void Close()
    {
        PostMessageA(frame_, WM_CLOSE, 0, 0);
        int code = -1;
        EXPECT_TRUE(gui::PumpUntilIdle(100, 5000, &code));
        frame_ = nullptr;
    }
    static RECT Rect(int i)
    {
        RECT r;
        GetWindowRect(static_cast<HWND>(datawindow[i].hwnd), &r);
        MapWindowPoints(HWND_DESKTOP, g_hMDIClient, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    HWND frame_ = nullptr;
    std::string dir_;
    char old_[MAX_PATH] = {};
};

} // namespace

TEST_F(DicRestartTest, ADictionaryComesBackInItsDirectionAndPlace)
{
    gui::MessageBoxRecorder boxes;
    Start();
    status.opt_resizing = 0;
    MoveWindow(frame_, 20, 20, 900, 650, TRUE);
    gui::PumpUntilIdle();
    for (const char* name : {"hela.dic", "lagr.dic"})
        SendMessageA(frame_, WM_COMMAND, MAKEWPARAM(IDM_MODULE_BASE + IsFileInDATAFILEArray(name, status.files_all), 0),
                     0);
    gui::PumpUntilIdle();
    ASSERT_EQ(status.num_windows, 2);
    const int hela = datawindow[0].dic_lang_from == 1 ? 0 : 1;
    const int lagr = 1 - hela;
    SendMessageA(static_cast<HWND>(datawindow[hela].hwnd), WM_COMMAND, MAKEWPARAM(IDM_DIC_OPPOSITE, 0), 0);
    SendMessageA(static_cast<HWND>(datawindow[hela].hwnd), WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0), 0);
    SendMessageA(static_cast<HWND>(datawindow[hela].hwnd), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    SendMessageA(static_cast<HWND>(datawindow[hela].hwnd), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    SendMessageA(static_cast<HWND>(datawindow[lagr].hwnd), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    MoveWindow(static_cast<HWND>(datawindow[hela].hwnd), 10, 10, 420, 300, TRUE);
    MoveWindow(static_cast<HWND>(datawindow[lagr].hwnd), 440, 30, 400, 320, TRUE);
    gui::PumpUntilIdle();
    ASSERT_EQ(datawindow[hela].dic_radek[0].record, 3);
    const RECT hela_rect = Rect(hela), lagr_rect = Rect(lagr);
    Close();

    Start();
    ASSERT_EQ(status.num_windows, 2);
    for (int i = 0; i < 2; ++i) {
        const DATAWINDOW& w = datawindow[i];
        const bool is_hela = std::string(datafile[w.id_file].filename) == "hela.dic";
        const RECT want = is_hela ? hela_rect : lagr_rect;
        const RECT got = Rect(i);
        EXPECT_EQ(got.left, want.left) << i;
        EXPECT_EQ(got.top, want.top) << i;
        EXPECT_EQ(got.right, want.right) << i;
        EXPECT_EQ(got.bottom, want.bottom) << i;
        EXPECT_EQ(w.dic_direction, is_hela ? 1 : 0) << i;
        EXPECT_EQ(w.dic_radek[0].record, is_hela ? 3 : 2) << i;
        if (is_hela) {
            EXPECT_STREQ(w.dic_radek[0].to, "domus");  // third in Latin order
            EXPECT_EQ(gui::WindowText(static_cast<HWND>(w.hwnd)), "Latin-Hebrew");
        }
    }
    Close();
}

namespace {

// Saves the frame's area of the screen into a 24-bit BMP.
bool SaveFrame(HWND hwnd, const std::string& path)
{
    return gui::SaveWindowImage(hwnd, path);
}

} // namespace

// Pictures of dictionary windows in both directions, with a filter on, when
// SEVIR_SHOT_DIR names a folder (tools/dic-screenshots).
TEST_F(DicGuiTest, Screenshots)
{
    const char* shots = std::getenv("SEVIR_SHOT_DIR");
    if (!shots || !*shots) GTEST_SKIP() << "SEVIR_SHOT_DIR not set";
    modwriter::DictionaryModule m = testdic::LatinGreek();
    m.collation_to = testdic::Letters({"a", "b", "g", "d", "e", "z", "h", "q", "i", "k", "l", "m", "n", "x", "o", "p",
                                       "r", "j", "s", "t", "u", "f", "c", "y", "w"},
                                      {17});
    m.info = {{"IA", "LAGR"}, {"IT", "Latin-Greek vocabulary"}};
    m.entries = {{"agnus", "amnoj", "m"},  {"amicus", "filoj", "m"},   {"anima", "yuch", "f"},
                 {"annus", "etoj", "n"},   {"aqua", "udwr", "n"},      {"caelum", "ouranoj", "m"},
                 {"cor", "kardia", "f"},   {"corpus", "swma", "n"},    {"deus", "qeoj", "m"},
                 {"dies", "hmera", "f"},   {"domus", "oikoj", "m"},    {"filius", "uioj", "m"},
                 {"fides", "pistij", "f"}, {"gratia", "carij", "f"},   {"homo", "anqrwpoj", "m"},
                 {"ignis", "pur", "n"},    {"lex", "nomoj", "m"},      {"liber", "bibloj", "f"},
                 {"lux", "fwj", "n"},      {"mare", "qalassa", "f"},   {"mater", "mhthr", "f"},
                 {"mundus", "kosmoj", "m"}, {"nox", "nux", "f"},       {"oculus", "ofqalmoj", "m"},
                 {"panis", "artoj", "m"},  {"pater", "pathr", "m"},    {"pax", "eirhnh", "f"},
                 {"rex", "basileuj", "m"}, {"sanguis", "aima", "n"},   {"spiritus", "pneuma", "n"},
                 {"terra", "gh", "f"},     {"verbum", "logoj", "m"},   {"veritas", "alhqeia", "f"},
                 {"via", "odoj", "f"},     {"vita", "zwh", "f"},       {"vox", "fwnh", "f"}};
    ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\vocab.dic", modwriter::BuildDictionaryModule(m)));
    modwriter::DictionaryModule h = testdic::HebrewLatin();
    h.entries.insert(h.entries.end(), {{"LECB", "magnus"}, {"CI", "manus"}, {"ZN@", "veritas"}, {"[@", "ignis"},
                                      {"[@X", "caput"}, {"UX@", "terra"}, {"ZIXA", "foedus"}, {"DXEZ", "lex"},
                                      {"CQG", "gratia"}, {"OB", "hortus"}, {"[ECW", "sanctus"}});
    ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\hela.dic", modwriter::BuildDictionaryModule(h)));
    ScanDataFiles();
    CreateDataFilesSubmenu();
    AttachDataFilesSubmenus(frame());
    const int vocab = Open("vocab.dic");
    const int hela = Open("hela.dic");
    RECT client;
    GetClientRect(g_hMDIClient, &client);
    const int half = (client.right - 4) / 2;
    MoveWindow(Hwnd(vocab), 0, 0, half, 430, TRUE);
    MoveWindow(Hwnd(hela), half + 4, 0, half, 430, TRUE);
    Type(vocab, "dom");
    Type(hela, "@");
    gui::PumpUntilIdle(100);
    EXPECT_TRUE(SaveFrame(frame(), std::string(shots) + "\\dictionary-from-to.bmp"));
    Send(vocab, IDM_DIC_OPPOSITE);
    Send(hela, IDM_DIC_OPPOSITE);
    Type(vocab, "o");
    Enter(vocab);
    gui::PumpUntilIdle(100);
    EXPECT_TRUE(SaveFrame(frame(), std::string(shots) + "\\dictionary-to-from-filtered.bmp"));
}

TEST_F(DicGuiTest, LookAtInALexiconReachesTheDictionary)
{
    modwriter::LexiconModule lex;
    lex.info = {{"IA", "LAT"}, {"IT", "Latin lexicon"}};
    lex.collation = testdic::LatinLetters();
    for (const char* k : {"aqua", "lux", "panis"}) {
        modwriter::LexEntry e;
        e.keyword = k;
        e.body = std::string("Article ") + k;
        lex.entries.push_back(e);
    }
    ASSERT_TRUE(modwriter::WriteFileAtomic(dir_ + "\\data\\latin.lex", modwriter::BuildLexiconModule(lex)));
    ScanDataFiles();
    CreateDataFilesSubmenu();
    AttachDataFilesSubmenus(frame());
    const int lagr = Open("lagr.dic");
    const int hela = Open("hela.dic");
    const int lexicon = Open("latin.lex");
    ASSERT_EQ(datawindow[lexicon].type, MODULE_LEXICON);
    const HWND list = static_cast<HWND>(datawindow[lexicon].lx_hlistbox);
    const int item = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));

    // "Look at" on "lux" with the option off: the Hebrew-Latin one stays.
    status.opt_dic_look_autoopposite = 0;
    PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, item + 2));
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(lagr), "lux");
    EXPECT_EQ(datawindow[hela].dic_direction, 0);
    EXPECT_EQ(Top(hela), "A@");

    // With the option on it switches its direction and shows the word. The
    // lexicon followed its own lookup: "panis" is its second line now.
    status.opt_dic_look_autoopposite = 1;
    ASSERT_STREQ(datawindow[lexicon].lx_radek[1].tLeft, "panis");
    PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, item + 2));
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(lagr), "panis");
    EXPECT_EQ(datawindow[hela].dic_direction, 1);
    EXPECT_EQ(Top(hela), "panis");
    EXPECT_STREQ(datawindow[hela].dic_radek[0].from, "MGL");
}

TEST_F(DicGuiTest, ContextMenuLooksAtTheSourceWord)
{
    const int lagr = Open("lagr.dic");
    const int hela = Open("hela.dic");
    status.opt_dic_look_autoopposite = 1;
    // "Look at" on the second line of the Hebrew-Latin "to" list: the Hebrew
    // word of that line goes out; the Latin-Greek dictionary has no Hebrew.
    const HWND to = static_cast<HWND>(datawindow[hela].dic_hlistbox_to);
    const int item = static_cast<int>(SendMessageA(to, LB_GETITEMHEIGHT, 0, 0));
    datawindow[hela].no_jumps = 1;  // its own lookups do not move it
    PostMessageA(to, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(to, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(to, WM_RBUTTONUP, 0, MAKELPARAM(10, item + 2));
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(hela), "A@");
    EXPECT_EQ(Top(lagr), "amor");
    datawindow[hela].no_jumps = 0;
    PostMessageA(to, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(to, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(to, WM_RBUTTONUP, 0, MAKELPARAM(10, item + 2));
    gui::PumpUntilIdle();
    EXPECT_EQ(Top(hela), "XE@");
    EXPECT_EQ(gui::WindowText(static_cast<HWND>(datawindow[hela].dic_hcomboEdit)), "XE@");
    // "Copy to clipboard" on the first Latin-Greek line.
    const HWND from = static_cast<HWND>(datawindow[lagr].dic_hlistbox_from);
    PostMessageA(from, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(from, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(from, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(from, WM_RBUTTONUP, 0, MAKELPARAM(10, 2));
    gui::PumpUntilIdle();
    ASSERT_TRUE(OpenClipboard(frame()));
    HANDLE text = GetClipboardData(CF_TEXT);
    std::string copied = text ? static_cast<const char*>(GlobalLock(text)) : "";
    if (text) GlobalUnlock(text);
    CloseClipboard();
    EXPECT_EQ(copied, "amor");
}
