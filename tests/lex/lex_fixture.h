// Lexicons built with the module writer and opened as catalogue entry and
// data window, the way a lexicon window opens them.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"
#include "modwriter/modwriter.h"

namespace testlex {

// Opens bytes as datafile[id_file] shown in datawindow[window] with lines
// list lines; returns the result of the full header read.
inline int OpenLexicon(const std::string& bytes, int id_file = 0, int window = 0, int lines = 10)
{
    DATAFILE& f = datafile[id_file];
    if (f.file) SvClose(f.file);
    f.file = SvOpenMemory(bytes.data(), bytes.size());
    f.opened = 1;
    f.id_file = id_file;
    f.type = MODULE_LEXICON;
    DATAWINDOW& w = datawindow[window];
    std::free(w.book_info);
    std::free(w.lx_strong_index);
    std::free(w.lx_filter);
    std::free(w.lx_radek);
    std::memset(&w, 0, sizeof w);
    w.id = window;
    w.id_file = id_file;
    w.type = MODULE_LEXICON;
    if (status.num_windows <= window) status.num_windows = window + 1;
    const int ok = ScanLEXInfoEx(f.file, window);
    LX_AllocLines(window);
    w.lx_listbox_lines = lines;
    return ok;
}

// A Latin lexicon of n records "w0001", "w0002", ... whose record k carries
// Strong's number Hk when strong is set; the records in deleted are deleted.
inline modwriter::LexiconModule Numbered(int n, bool strong = true, std::vector<int> deleted = {})
{
    modwriter::LexiconModule m;
    m.info = {{"IA", "NUM"}, {"IT", "Numbered"}};
    m.collation.letters = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "w"};
    m.collation.joins_next.assign(m.collation.letters.size(), false);
    for (int k = 1; k <= n; ++k) {
        modwriter::LexEntry e;
        char kw[16];
        std::snprintf(kw, sizeof kw, "w%04d", k);
        e.keyword = kw;
        if (strong) e.strong = "H" + std::to_string(k);
        e.body = "Body of " + e.keyword;
        for (int d : deleted)
            if (d == k) e.deleted = true;
        m.entries.push_back(e);
    }
    return m;
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

class LexTest : public ::testing::Test {
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
    // The keywords of the list lines as shown.
    static std::string Lines(int window = 0)
    {
        std::string s;
        const DATAWINDOW& w = datawindow[window];
        for (int i = 0; i < w.lx_radku_filled; ++i) {
            if (i) s += ' ';
            s += w.lx_radek[i].tLeft;
        }
        return s;
    }
    MessageBoxHandler previous_ = nullptr;
};

} // namespace testlex
