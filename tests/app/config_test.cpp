// The configuration file: what the writer writes is read back the same,
// hand-edited and damaged files are read as far as they make sense, and a
// failed write never costs the old file.
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/config.h"
#include "app/message.h"
#include "app/records.h"
#include "app/startup.h"
#include "books/rtf_tags.h"

namespace fs = std::filesystem;

namespace {

std::string TempDir(const std::string& name)
{
    const char* base = std::getenv("SEVIR_TEST_TMP");
    fs::path dir = fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / ("config-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

uint32_t Rgb(unsigned r, unsigned g, unsigned b)
{
    return r | (g << 8) | (b << 16);
}

// The value of key in lines, or "<missing>".
std::string ValueOf(const std::vector<std::string>& lines, const std::string& key)
{
    for (const std::string& l : lines)
        if (l.rfind(key + "=", 0) == 0) return l.substr(key.size() + 1);
    return "<missing>";
}

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobalRecords();
        SetupDataPaths("/home/reader");
        status.path_data[0].read_only = 0;
        status.hMain_position = SV_RECT{0, 0, 580, 340};
    }
    void TearDown() override { ResetGlobalRecords(); }

    int Read(const std::string& text, int count = MAX_CFG_WINDOWS)
    {
        return ReadSevirCfgData(text.data(), text.size(), list_, count);
    }

    CFG_WINDOW list_[MAX_CFG_WINDOWS + 5] = {};
};

// Gives every key a value other than its default.
void ChangeEverything()
{
    STATUS& s = status;
    s.opt_save_on_exit = 0;
    std::strcpy(RTFCzechFontName, "Times New Roman");
    RTFCzechFontSize = 24;
    RTFGreekFontSize = 30;
    RTFHebFontSize = 40;
    for (int row = 0; row < RTFTAG_ROWS; ++row) {
        rtftag[row].color = Rgb(10 + row, 100 + row, 200 + row);
        rtftag[row].bold = rtftag[row].bold ? 0 : 1;
        rtftag[row].italic = rtftag[row].italic ? 0 : 1;
    }
    s.hMain_position = SV_RECT{-4, 20, 1004, 760};
    s.path_used = 3;
    std::strcpy(s.path_data[1].path, "/media/cdrom, second");
    s.path_data[1].read_only = 1;
    std::strcpy(s.path_data[2].path, "/srv/bibles");
    s.path_data[2].read_only = 0;
    std::strcpy(s.lang_filename_default, "espanol.lng");
    s.table_visible = 1;
    s.table_position = SV_RECT{300, 200, 700, 500};
    s.table_language = 2;
    s.tooltip_table = 0;
    s.table_frame_color[0] = Rgb(1, 2, 3);
    s.table_frame_color[1] = Rgb(4, 5, 6);
    s.tree_visible = 0;
    s.tree_width = 222;
    s.opt_tile = 0;
    s.opt_tile_vertical = 0;
    s.opt_resizing = 0;
    s.tooltip_toolbar = 0;
    s.autoend = 0;
    s.lx_lb_min_width = 55;
    s.opt_lx_key_ignore_vowels = 0;
    s.opt_lx_clrfltr_before_look = 0;
    s.opt_lx_highlight_line = 0;
    s.lx_highlight_line_color[0] = Rgb(7, 8, 9);
    s.lx_highlight_line_color[1] = Rgb(10, 11, 12);
    s.opt_lx_highlight_combo = 0;
    s.opt_lx_highlight_combo_color = Rgb(13, 14, 15);
    s.opt_dic_key_ignore_vowels = 0;
    s.opt_dic_clrfltr_before_look = 0;
    s.opt_dic_look_autoopposite = 0;
    s.opt_dic_highlight_line = 0;
    s.dic_highlight_line_color[0] = Rgb(16, 17, 18);
    s.dic_highlight_line_color[1] = Rgb(19, 20, 21);
    s.opt_dic_highlight_combo = 0;
    s.opt_dic_highlight_combo_color = Rgb(22, 23, 24);
    s.opt_scrolltip = 0;
    s.opt_scrolltip_color = Rgb(25, 26, 27);
    s.opt_scrolltip_width = 150;
    s.opt_sort_results_warning = 5000;
    s.opt_revff_sec = 9;
    s.opt_open_mp3_autoplay = 0;
    s.opt_audio_timer = 250;
    s.opt_buffer_play = 300;
    s.opt_buffer_indexing = 400;
    s.opt_delete_temp_index = 0;
    s.opt_show_tip = 0;
    s.tip_to_show = 17;
    s.verse_visible = 1;
    s.opt_verselist_abbrev = 1;
    s.opt_ask_save_verse_list = 0;
    s.verse_position = SV_RECT{50, 60, 550, 460};
    s.verse_lv_width[0] = 210;
    s.verse_lv_width[1] = 220;
    s.verse_ref_width[0] = 80;
    s.verse_ref_width[1] = 90;
    s.opt_splash = 0;
    s.opt_splash_delay_ms = 1200;
}

} // namespace

TEST_F(ConfigTest, EveryKeyComesBackAsWritten)
{
    const std::vector<std::string> defaults = SevirCfgLines(nullptr, 0);
    ChangeEverything();
    CFG_WINDOW windows[3] = {
        {0, MODULE_BOOK, "kjv.sbk", 123456, 0, 0, 400, 300, 0},
        {1, MODULE_LEXICON, "strong, hebrew.lex", 42, 400, -10, 380, 310, 140},
        {2, MODULE_INFO, "", 0, 10, 20, 200, 100, 0},
    };
    const std::vector<std::string> changed = SevirCfgLines(windows, 3);

    // The test gives every key of the table another value than its default.
    int keys = 0;
    for (const std::string& line : defaults) {
        if (line.empty() || line[0] == ';') continue;
        const std::string key = line.substr(0, line.find('='));
        if (key == "PathData[0]") continue;
        ++keys;
        EXPECT_NE(ValueOf(changed, key), line.substr(key.size() + 1)) << key;
    }
    EXPECT_EQ(keys, 5 + 23 * 3 + 1 + 1 + 1 + 2 + 43 + 1 + 2);

    const std::string dir = TempDir("round-trip");
    const std::string path = dir + "/sevir.cfg";
    ASSERT_EQ(WriteSevirCfgFile(path.c_str(), windows, 3), 1);
    EXPECT_FALSE(fs::exists(path + ".tmp"));

    ResetGlobalRecords();
    SetupDataPaths("/somewhere/else");
    ASSERT_EQ(ReadSevirCfgFile(path.c_str(), list_, MAX_CFG_WINDOWS), 3);
    // Path 0 is where the program runs now, never what the file says.
    EXPECT_STREQ(status.path_data[0].path, "/somewhere/else");
    std::strcpy(status.path_data[0].path, "/home/reader");
    status.path_data[0].read_only = 0;
    const std::vector<std::string> again = SevirCfgLines(list_, 3);
    ASSERT_EQ(again.size(), changed.size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i], changed[i]) << i;

    EXPECT_STREQ(RTFCzechFontName, "Times New Roman");
    EXPECT_EQ(rtftag[RTF_RG].color, Rgb(25, 115, 215));
    EXPECT_EQ(rtftag[RTF_LX_KEYWORD].color, Rgb(36, 126, 226));
    EXPECT_EQ(status.path_used, 3);
    EXPECT_STREQ(status.path_data[1].path, "/media/cdrom, second");
    EXPECT_EQ(status.path_data[1].read_only, 1);
    EXPECT_EQ(status.path_data[2].read_only, 0);
    EXPECT_EQ(status.hMain_position.right, 1004);
    EXPECT_STREQ(list_[1].filename, "strong, hebrew.lex");
    EXPECT_EQ(list_[1].top, -10);
    EXPECT_EQ(list_[1].param, 140);
    EXPECT_EQ(list_[2].type, MODULE_INFO);
    EXPECT_EQ(list_[2].id, 2);
    // Rows without keys keep their defaults.
    EXPECT_EQ(rtftag[RTF_HIT].color, Rgb(255, 0, 255));
}

TEST_F(ConfigTest, TheFileHasTheProgramsLayout)
{
    CFG_WINDOW w{0, MODULE_BOOK, "web.sbk", 900, 1, 2, 3, 4, 0};
    const std::string dir = TempDir("layout");
    const std::string path = dir + "/sevir.cfg";
    ASSERT_EQ(WriteSevirCfgFile(path.c_str(), &w, 1), 1);
    const std::string text = Slurp(path);
    EXPECT_EQ(text.substr(0, 44), ";Sevir3 program configuration file.\r\n;Do NOT");
    EXPECT_NE(text.find("\r\n;=====================================================\r\nSaveOnExit=1\r\n\r\n"
                        "RTFCzechFontName=Arial\r\nRTFCzechFontSize=21\r\nRTFGreekFontSize=27\r\n"
                        "RTFHebrewFontSize=36\r\n\r\nTAG_DEF_CZ_Color=0,0,0\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("TAG_TG_Italic=0\r\n\r\n;IMPORTANT: following RGB color must be unique among all tag "
                        "colors!\r\nTAG_LABEL_Color=0,0,254\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("MainWindow=0,0,580,340\r\n\r\nNumChildWindows=1\r\n\r\n;Note: Child windows"),
              std::string::npos);
    EXPECT_NE(text.find("LEX-width of word column\r\n\r\nChildWindow[0]=web.sbk,0,900,1,2,3,4,0\r\n\r\n;Note: PathData[0]"),
              std::string::npos);
    EXPECT_NE(text.find("PathUsed=1\r\nPathData[0]=/home/reader,0\r\n\r\nLangFilenameDefault=english.lng\r\n\r\n"
                        "TableVisible=0\r\n\r\nTablePosition=100,100,0,0\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("VerseListAskSaveChanges=1\r\n\r\n;Note: Verse list position"), std::string::npos);
    EXPECT_NE(text.find("VerseListPosition=100,100,162,246,0,0,100,100\r\n\r\nSplashScreen=1\r\n"
                        "SplashScreenDelayMs=5000\r\n\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(text.size() - text.rfind("SplashScreenDelayMs"), std::string("SplashScreenDelayMs=5000\r\n\r\n\r\n").size());
    EXPECT_EQ(text.find('\n') - 1, text.find('\r'));
}

TEST_F(ConfigTest, HandEditedFilesAreReadByKeyWhereverItStands)
{
    const int n = Read("NumChildWindows=2\r\n"
                       "   TreeWidth=300\r\n"
                       ";an old comment: ScrollTipWidth=99\r\n"
                       "ChildWindow[1]=b.sbk,0,77,5,6,7,8,0\r\n"
                       "\tTAG_RG_Color= 1, 2 ,3\r\n"
                       "ChildWindow[0]=a.sbk,0,66,1,2,3,4,0\r\n"
                       "SaveOnExit=0\n"
                       "RTFCzechFontName=  Courier New  \r\n"
                       "TreeWidth=500\r\n");
    EXPECT_EQ(n, 2);
    EXPECT_EQ(status.tree_width, 300);  // the first occurrence counts
    EXPECT_EQ(status.opt_scrolltip_width, 99);
    EXPECT_EQ(rtftag[RTF_RG].color, Rgb(1, 2, 3));
    EXPECT_EQ(status.opt_save_on_exit, 0);
    EXPECT_STREQ(RTFCzechFontName, "Courier New");
    EXPECT_STREQ(list_[0].filename, "a.sbk");
    EXPECT_EQ(list_[0].offset, 66);
    EXPECT_STREQ(list_[1].filename, "b.sbk");
    EXPECT_EQ(list_[1].height, 8);
    // Keys that are missing keep their defaults.
    EXPECT_EQ(status.opt_splash_delay_ms, 5000);
    EXPECT_EQ(rtftag[RTF_LX_HEADER].bold, 1);
    EXPECT_EQ(rtftag[RTF_LABEL].color, Rgb(0, 0, 254));
    EXPECT_STREQ(status.lang_filename_default, "english.lng");
    EXPECT_EQ(status.path_used, 1);
    EXPECT_EQ(status.hMain_position.right, 580);
    // A listed window whose line is missing stays empty.
    EXPECT_EQ(Read("NumChildWindows=2\r\nChildWindow[1]=b.sbk,0,1,2,3,4,5,6\r\n"), 2);
    EXPECT_STREQ(list_[0].filename, "");
    EXPECT_EQ(list_[0].id, 0);
    EXPECT_EQ(list_[1].id, 1);
}

TEST_F(ConfigTest, WindowListIsCutToTheListSize)
{
    std::string text = "NumChildWindows=40\r\n";
    for (int i = 0; i < 40; ++i)
        text += "ChildWindow[" + std::to_string(i) + "]=m" + std::to_string(i) + ".sbk,0," + std::to_string(i) +
                ",0,0,10,10,0\r\n";
    list_[MAX_CFG_WINDOWS].offset = -7;  // never touched
    EXPECT_EQ(Read(text), 30);
    EXPECT_STREQ(list_[29].filename, "m29.sbk");
    EXPECT_EQ(list_[29].offset, 29);
    EXPECT_EQ(list_[MAX_CFG_WINDOWS].offset, -7);
    EXPECT_EQ(Read(text, 5), 5);
    EXPECT_EQ(Read("NumChildWindows=-3\r\n"), 0);
    EXPECT_EQ(Read("NumChildWindows=lots\r\n"), 0);
}

TEST_F(ConfigTest, MissingFileOrMissingWindowCountReadsAsNotFound)
{
    EXPECT_EQ(ReadSevirCfgFile((TempDir("missing") + "/sevir.cfg").c_str(), list_, MAX_CFG_WINDOWS), -1);
    EXPECT_EQ(status.tree_width, 160);
    // Without NumChildWindows the keys are taken all the same.
    EXPECT_EQ(Read("TreeWidth=200\r\nChildWindow[0]=a.sbk,0,1,2,3,4,5,6\r\n"), -1);
    EXPECT_EQ(status.tree_width, 200);
    EXPECT_STREQ(list_[0].filename, "");
    EXPECT_EQ(Read(""), -1);
}

TEST_F(ConfigTest, OutOfBoundValuesAreClampedOrSkipped)
{
    std::string text = "NumChildWindows=5\r\nPathUsed=25\r\n";
    text += "PathData[0]=/not/read,1\r\n";
    text += "PathData[1]=/first,1\r\n";
    text += "PathData[2]=/" + std::string(250, 'x') + ",0\r\n";  // too long: left out
    text += "PathData[3]=\r\n";                                   // empty: left out
    for (int i = 4; i < 20; ++i) text += "PathData[" + std::to_string(i) + "]=/p" + std::to_string(i) + ",0\r\n";
    text += "ChildWindow[0]=" + std::string(40, 'n') + ".sbk,0,1,2,3,4,5,6\r\n";
    text += "ChildWindow[1]=ok.sbk,0,-50,-99999,99999,-5,9999999999,-2\r\n";
    text += "ChildWindow[2]=bad.sbk,9,1,2,3,4,5,6\r\n";
    text += "ChildWindow[3]=short.sbk,0,1,2\r\n";
    text += "ChildWindow[4]=" + std::string(31, 'q') + ",0,1,2,3,4,5,6\r\n";
    text += "MainWindow=-70000,10,-640,99999999999999999999\r\n";
    text += "TAG_TJ_Color=300,-5,128\r\nTreeWidth=-20\r\nRTFCzechFontSize=100000\r\n";
    text += "TableLanguage=7\r\nTAG_TE_Bold=2\r\nLangFilenameDefault=" + std::string(60, 'l') + "\r\n";
    ASSERT_EQ(Read(text), 5);

    EXPECT_EQ(status.path_used, 10);
    EXPECT_STREQ(status.path_data[0].path, "/home/reader");
    EXPECT_STREQ(status.path_data[1].path, "/first");
    EXPECT_EQ(status.path_data[1].read_only, 1);
    EXPECT_STREQ(status.path_data[2].path, "/p4");
    EXPECT_STREQ(status.path_data[9].path, "/p11");

    EXPECT_STREQ(list_[0].filename, "");  // name too long: the entry stays empty
    EXPECT_EQ(list_[0].offset, 0);
    EXPECT_STREQ(list_[1].filename, "ok.sbk");
    EXPECT_EQ(list_[1].offset, 0);
    EXPECT_EQ(list_[1].left, -32768);
    EXPECT_EQ(list_[1].top, 32767);
    EXPECT_EQ(list_[1].width, 0);
    EXPECT_EQ(list_[1].height, 32767);
    EXPECT_EQ(list_[1].param, 0);
    EXPECT_STREQ(list_[2].filename, "");  // no such window type
    EXPECT_STREQ(list_[3].filename, "");  // numbers missing
    EXPECT_EQ(std::string(list_[4].filename), std::string(31, 'q'));

    EXPECT_EQ(status.hMain_position.left, -32768);
    EXPECT_EQ(status.hMain_position.right, -32768);
    EXPECT_EQ(status.hMain_position.bottom, 10 + 32767);
    EXPECT_EQ(rtftag[RTF_TJ].color, Rgb(255, 0, 128));
    EXPECT_EQ(status.tree_width, 0);
    EXPECT_EQ(RTFCzechFontSize, 200);
    EXPECT_EQ(status.table_language, 2);
    EXPECT_EQ(rtftag[RTF_TE].bold, 0);  // on only when exactly 1
    EXPECT_EQ(std::string(status.lang_filename_default), std::string(31, 'l'));
}

TEST_F(ConfigTest, DamagedAndBinaryFilesAreReadAsFarAsTheyMakeSense)
{
    std::string text("\x00\x01\xff garbage\x00TreeWidth=210\r\n", 26);
    text += std::string("\x00\x00NumChildWindows=1\x00" "ChildWindow[0]=x.sbk,0,5,1,1,1,1,0\x00", 55);
    text += "TAG_RR_Color=1,2\r\nScrollTipWidth=\r\nMainWindow=1,2,3\r\nTableFrameColorHE=9,9,9";  // no line end
    EXPECT_EQ(Read(text), 1);
    EXPECT_EQ(status.tree_width, 210);
    EXPECT_STREQ(list_[0].filename, "x.sbk");
    EXPECT_EQ(rtftag[RTF_RR].color, Rgb(20, 155, 0));  // incomplete colour: default stays
    EXPECT_EQ(status.opt_scrolltip_width, 130);
    EXPECT_EQ(status.hMain_position.right, 580);
    EXPECT_EQ(status.table_frame_color[0], Rgb(9, 9, 9));
    // Any bytes at all, cut anywhere.
    for (std::size_t cut = 0; cut < text.size(); cut += 7) ReadSevirCfgData(text.data(), cut, list_, MAX_CFG_WINDOWS);
    EXPECT_EQ(ReadSevirCfgData(nullptr, 10, list_, MAX_CFG_WINDOWS), -1);
    EXPECT_EQ(ReadSevirCfgData(text.data(), text.size(), nullptr, 30), 0);
}

TEST_F(ConfigTest, AFailedWriteLeavesTheOldFileUntouched)
{
    const std::string dir = TempDir("failed-write");
    const std::string path = dir + "/sevir.cfg";
    Spit(path, "TreeWidth=333\r\nNumChildWindows=0\r\n");

    // A disk that fills up half-way through the file.
    ChangeEverything();
    struct rlimit old_limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old_limit;
    small.rlim_cur = 700;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int written = WriteSevirCfgFile(path.c_str(), nullptr, 0);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(Slurp(path), "TreeWidth=333\r\nNumChildWindows=0\r\n");
    EXPECT_FALSE(fs::exists(path + ".tmp"));

    // A folder that does not exist.
    EXPECT_EQ(WriteSevirCfgFile((dir + "/no/such/sevir.cfg").c_str(), nullptr, 0), 0);

    // And when it works, the old file is replaced in one step.
    EXPECT_EQ(WriteSevirCfgFile(path.c_str(), nullptr, 0), 1);
    EXPECT_NE(Slurp(path).find("TreeWidth=222\r\n"), std::string::npos);
}

TEST_F(ConfigTest, StartupReadsTheFileOfTheCurrentDirectoryAndExitWritesIt)
{
    std::vector<std::string> shown;
    static std::vector<std::string>* g_shown;
    g_shown = &shown;
    MessageBoxHandler old = SetMessageBoxHandler([](void*, const char* text, const char* caption, unsigned) -> int {
        g_shown->push_back(std::string(caption) + "|" + text);
        return static_cast<int>(SV_IDOK);
    });
    const std::string dir = TempDir("startup");
    const std::string before = fs::current_path().string();
    fs::current_path(dir);

    Iniciace();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Information|Configuration file sevir.cfg was not found\n\nDefault setting of program will be used");
    EXPECT_EQ(status.result_cfg_read, -1);
    ASSERT_NE(status.cfg_window, nullptr);
    status.tree_width = 199;
    Ukonceni();
    FreeConfiguredWindows();
    ASSERT_TRUE(fs::exists(dir + "/sevir.cfg"));

    shown.clear();
    ResetGlobalRecords();
    Iniciace();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(status.result_cfg_read, 0);
    EXPECT_EQ(status.tree_width, 199);
    // With SaveOnExit=0 the file is left as it is.
    status.opt_save_on_exit = 0;
    status.tree_width = 100;
    Ukonceni();
    FreeConfiguredWindows();
    EXPECT_NE(Slurp(dir + "/sevir.cfg").find("TreeWidth=199\r\n"), std::string::npos);

    fs::current_path(before);
    SetMessageBoxHandler(old);
}

TEST_F(ConfigTest, FromReadOnlyMediaTheFileLivesInTheWindowsDirectory)
{
    const std::string program = TempDir("cd-program"), windows = TempDir("cd-windows");
    SetupDataPaths(program);
    SetupReadOnlyMedia(1, windows, program);
    EXPECT_EQ(SevirCfgPath(), windows + "/sevir.cfg");
    status.tree_width = 211;
    EXPECT_EQ(WriteSevirCfg(), 1);
    EXPECT_TRUE(fs::exists(windows + "/sevir.cfg"));
    EXPECT_FALSE(fs::exists(program + "/sevir.cfg"));

    ResetGlobalRecords();
    SetupDataPaths(program);
    SetupReadOnlyMedia(1, windows, program);
    EXPECT_EQ(ReadSevirCfg(list_, MAX_CFG_WINDOWS), 0);
    EXPECT_EQ(status.tree_width, 211);
}

TEST_F(ConfigTest, EachKindOfWindowIsListedByItsModuleAndPlace)
{
    std::strcpy(datafile[0].filename, "strong.lex");
    std::strcpy(datafile[1].filename, "kjv.sbk");
    std::strcpy(datafile[2].filename, "greek.dic");
    status.files_all = 3;
    status.num_windows = 4;
    DATAWINDOW* w = datawindow;
    w[0] = DATAWINDOW{};
    w[0].id_file = 1;
    w[0].type = MODULE_BOOK;
    w[0].results = 1;  // the results window comes back as a book window
    w[0].offset = 4711;
    w[0].position = SV_RECT{10, 20, 410, 320};
    w[1].id = 1;
    w[1].id_file = 0;
    w[1].type = MODULE_LEXICON;
    w[1].offset = 99;
    w[1].lx_listbox_width = 150;
    w[2].id = 2;
    w[2].id_file = 2;
    w[2].type = MODULE_DICTIONARY;
    w[2].dic_direction = 1;
    w[3].id = 3;
    w[3].id_file = -1;
    w[3].type = MODULE_INFO;
    w[3].infowindow = 1;

    CFG_WINDOW e = DescribeDatawindowForCfg(0);
    EXPECT_STREQ(e.filename, "kjv.sbk");
    EXPECT_EQ(e.type, MODULE_BOOK);
    EXPECT_EQ(e.offset, 4711);
    EXPECT_EQ(e.left, 10);
    EXPECT_EQ(e.width, 400);
    EXPECT_EQ(e.height, 300);
    e = DescribeDatawindowForCfg(1);
    EXPECT_STREQ(e.filename, "strong.lex");
    EXPECT_EQ(e.offset, 0);  // the window layer gives its list position
    EXPECT_EQ(e.param, 150);
    e = DescribeDatawindowForCfg(2);
    EXPECT_STREQ(e.filename, "greek.dic");
    EXPECT_EQ(e.param, 1);
    e = DescribeDatawindowForCfg(3);
    EXPECT_STREQ(e.filename, "");
    EXPECT_EQ(e.type, MODULE_INFO);
    EXPECT_EQ(e.offset, 0);

    // The window layer's hook has the last word on every entry.
    g_cfg_write_hooks.describe_window = [](int id, CFG_WINDOW* entry) { entry->offset = 1000 + id; };
    const std::string dir = TempDir("kinds");
    status.path_data[0] = PATH{0, {}};
    std::snprintf(status.path_data[0].path, sizeof status.path_data[0].path, "%s", dir.c_str());
    EXPECT_EQ(WriteSevirCfg(), 1);
    g_cfg_write_hooks.describe_window = nullptr;
    ResetGlobalRecords();
    SetupDataPaths(dir);
    ASSERT_EQ(ReadSevirCfg(list_, MAX_CFG_WINDOWS), 4);
    EXPECT_STREQ(list_[0].filename, "kjv.sbk");
    EXPECT_EQ(list_[0].offset, 1000);
    EXPECT_EQ(list_[1].type, MODULE_LEXICON);
    EXPECT_EQ(list_[1].offset, 1001);
    EXPECT_EQ(list_[3].type, MODULE_INFO);
}
