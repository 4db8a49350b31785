// Book modules built in memory and opened as catalogue entry and data window,
// the way a book window opens them.
#pragma once

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "app/file_io.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "modwriter/modwriter.h"

namespace testbooks {

// Opens bytes as datafile[id_file] (opened, shared file) shown in
// datawindow[window]; returns the result of the full header read.
inline int OpenInWindow(const std::string& bytes, int id_file = 0, int window = 0)
{
    DATAFILE& f = datafile[id_file];
    if (f.file) SvClose(f.file);
    f.file = SvOpenMemory(bytes.data(), bytes.size());
    f.opened = 1;
    f.id_file = id_file;
    f.type = MODULE_BOOK;
    DATAWINDOW& w = datawindow[window];
    std::free(w.book_info);
    std::memset(&w, 0, sizeof w);
    w.id = window;
    w.id_file = id_file;
    w.book_position.number = window;
    if (status.num_windows <= window) status.num_windows = window + 1;
    return ScanSBKInfoEx(f.file, window);
}

// A verse text of n bytes made of words, without "|".
inline std::string Words(int n, int seed)
{
    static const char* const words[] = {"and", "the", "light", "was", "good", "upon", "earth", "waters"};
    std::string s;
    int k = seed;
    while (static_cast<int>(s.size()) < n) {
        s += words[k++ % 8];
        s += ' ';
    }
    s.resize(static_cast<std::size_t>(n));
    return s;
}

class BookTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobalRecords(); }
    void TearDown() override { ResetGlobalRecords(); }
};

} // namespace testbooks
