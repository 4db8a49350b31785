// Dictionaries built with the module writer and opened as catalogue entry and
// data window, the way a dictionary window opens them.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "dic/dic_list.h"
#include "dic/dic_reader.h"
#include "modwriter/modwriter.h"

namespace testdic {

// Opens bytes as datafile[id_file] shown in datawindow[window] with lines
// list lines; returns the result of the full header read.
inline int OpenDictionary(const std::string& bytes, int id_file = 0, int window = 0, int lines = 5)
{
    DATAFILE& f = datafile[id_file];
    if (f.file) SvClose(f.file);
    f.file = SvOpenMemory(bytes.data(), bytes.size());
    f.opened = 1;
    f.id_file = id_file;
    f.type = MODULE_DICTIONARY;
    FreeDatawindowMemory(window);
    DATAWINDOW& w = datawindow[window];
    std::memset(&w, 0, sizeof w);
    w.id = window;
    w.id_file = id_file;
    w.type = MODULE_DICTIONARY;
    if (status.num_windows <= window) status.num_windows = window + 1;
    const int ok = ScanDICInfoEx(f.file, window);
    DIC_AllocLines(window);
    w.dic_listbox_lines = lines;
    w.dic_lb_width_note = 25;
    w.dic_lb_from_ratio = 50;
    return ok;
}

inline modwriter::Collation Letters(std::vector<std::string> letters, std::vector<int> joined = {})
{
    modwriter::Collation c;
    c.letters = std::move(letters);
    c.joins_next.assign(c.letters.size(), false);
    for (int j : joined) c.joins_next[static_cast<std::size_t>(j)] = true;
    return c;
}

inline modwriter::Collation LatinLetters()
{
    std::vector<std::string> l;
    for (char c = 'a'; c <= 'z'; ++c) l.push_back(std::string(1, c));
    return Letters(l);
}

// Greek small letters in the display codes, in alphabet order.
inline modwriter::Collation GreekLetters()
{
    return Letters({"a", "b", "g", "d", "e", "z", "h", "q", "i", "k", "l", "m", "n", "x", "o", "p", "r", "s", "t", "u",
                    "f", "c", "y", "w"});
}

// Hebrew letters in the display codes: final forms sort with their letter.
inline modwriter::Collation HebrewLetters()
{
    return Letters({"@", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                    "S", "T", "U", "V", "W", "X", "Y", "[", "\\", "Z"},
                   {10, 13, 15, 19, 21, 25});
}

// Latin to Greek, ten pairs given out of order. Records (Latin order):
// 1 amor, 2 aqua, 3 caelum, 4 deus, 5 homo, 6 lux, 7 panis, 8 terra,
// 9 verbum, 10 vita. Index (Greek order): 1 agaph (1), 2 anqrwpos (5),
// 3 artos (7), 4 gh (8), 5 zwh (10), 6 qeos (4), 7 logos (9), 8 ouranos (3),
// 9 udwr (2), 10 fws (6).
inline modwriter::DictionaryModule LatinGreek()
{
    modwriter::DictionaryModule m;
    m.lang_from = 0;
    m.lang_to = 2;
    m.charset_to = 161;
    m.name_from_to = "Latin-Greek";
    m.name_to_from = "Greek-Latin";
    m.info = {{"IA", "LAGR"}, {"IT", "Latin-Greek word list"}};
    m.collation_from = LatinLetters();
    m.collation_to = GreekLetters();
    m.entries = {{"lux", "fws", "f"}, {"aqua", "udwr", "n"}, {"deus", "qeos", "m"}, {"panis", "artos", "m"},
                 {"verbum", "logos", "m"}, {"vita", "zwh", "f"}, {"amor", "agaph", "f"}, {"terra", "gh", "f"},
                 {"caelum", "ouranos", "m"}, {"homo", "anqrwpos"}};
    return m;
}

// Hebrew (display order) to Latin. Records (Hebrew reading order):
// 1 A@ pater, 2 XE@ lux, 3 ZIA domus, 4 XAC verbum, 5 MEI dies, 6 MGL panis,
// 7 MIN aqua, 8 MEL[ pax. Index (Latin): 1 aqua (7), 2 dies (5), 3 domus (3),
// 4 lux (2), 5 panis (6), 6 pater (1), 7 pax (8), 8 verbum (4).
inline modwriter::DictionaryModule HebrewLatin()
{
    modwriter::DictionaryModule m;
    m.lang_from = 1;
    m.lang_to = 0;
    m.charset_from = 177;
    m.name_from_to = "Hebrew-Latin";
    m.name_to_from = "Latin-Hebrew";
    m.info = {{"IA", "HELA"}, {"IT", "Hebrew-Latin word list"}};
    m.collation_from = HebrewLetters();
    m.collation_to = LatinLetters();
    m.entries = {{"MEL[", "pax"}, {"XAC", "verbum"}, {"A@", "pater"}, {"MIN", "aqua"},
                 {"XE@", "lux"},  {"MGL", "panis"},  {"ZIA", "domus"}, {"MEI", "dies"}};
    return m;
}

inline std::string Build(const modwriter::DictionaryModule& m, std::vector<modwriter::DicPlace>* places = nullptr)
{
    std::string error;
    std::string bytes = modwriter::BuildDictionaryModule(m, &error, places);
    EXPECT_EQ(error, "");
    return bytes;
}

// Records message boxes instead of showing them.
struct Boxes {
    static std::vector<std::string>& texts()
    {
        static std::vector<std::string> t;
        return t;
    }
    static int Record(void*, const char* text, const char* caption, unsigned)
    {
        texts().push_back(std::string(caption) + ": " + text);
        return SV_IDOK;
    }
};

class DicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobalRecords();
        Boxes::texts().clear();
        previous_ = SetMessageBoxHandler(Boxes::Record);
    }
    void TearDown() override
    {
        SetMessageBoxHandler(previous_);
        ResetGlobalRecords();
    }
    // The source texts of the list lines, as stored.
    static std::string Lines(int window = 0)
    {
        std::string s;
        const DATAWINDOW& w = datawindow[window];
        for (int i = 0; i < w.dic_radku_filled; ++i) {
            if (i) s += ' ';
            s += DIC_SourceText(window, w.dic_radek[i].from, w.dic_radek[i].to, 0);
        }
        return s;
    }
    static std::string Numbers(int window = 0)
    {
        std::string s;
        const DATAWINDOW& w = datawindow[window];
        for (int i = 0; i < w.dic_radku_filled; ++i) {
            if (i) s += ' ';
            s += std::to_string(w.dic_radek[i].record);
        }
        return s;
    }
    MessageBoxHandler previous_ = nullptr;
};

} // namespace testdic
