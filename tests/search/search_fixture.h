// Book modules for the search tests, opened as data window 0, and a way to
// run a search with either engine and capture its outcome.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message.h"
#include "app/records.h"
#include "books/tag_parser.h"
#include "modwriter/modwriter.h"
#include "search/book_search.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/search_request.h"
#include "../books/book_fixture.h"

namespace testsearch {

// The outcome of a search, copied out of search_out_bk.
struct Outcome {
    int result = 0;
    int hit_verses = 0, hit_patterns = 0;
    std::vector<int32_t> verses;
    std::vector<std::pair<int32_t, int32_t>> occurrences;
    bool operator==(const Outcome& o) const
    {
        return result == o.result && hit_verses == o.hit_verses && hit_patterns == o.hit_patterns &&
               verses == o.verses && occurrences == o.occurrences;
    }
};

inline Outcome Capture(int result)
{
    Outcome o;
    o.result = result;
    o.hit_verses = search_out_bk.hit_verses;
    o.hit_patterns = search_out_bk.hit_patterns;
    for (int i = 0; i < search_out_bk.hit_verses && search_out_bk.results_array; ++i)
        o.verses.push_back(search_out_bk.results_array[i]);
    if (search_out_bk.tab != 0 && search_out_bk.ex_results_array)
        for (int i = 0; i < search_out_bk.hit_patterns; ++i)
            o.occurrences.emplace_back(search_out_bk.ex_results_array[i].off_record,
                                       search_out_bk.ex_results_array[i].off_hit);
    return o;
}

inline int Silent(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

// A module of a few books; each verse text as given.
struct Spec {
    std::string sync, name, abbrev;
    std::vector<std::vector<std::string>> chapters;  // verses of each chapter
};

inline std::string Build(const std::vector<Spec>& books, int language = 0, int tagged = 1)
{
    modwriter::BookModule m;
    m.language = language;
    m.tag_advanced = tagged;
    m.info = {{"IA", "TST"}, {"IT", "Test"}};
    m.collation.letters = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                           "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
    m.collation.joins_next.assign(m.collation.letters.size(), false);
    for (const Spec& s : books) {
        modwriter::Book b(s.name, s.abbrev, s.sync);
        for (std::size_t c = 0; c < s.chapters.size(); ++c)
            for (std::size_t v = 0; v < s.chapters[c].size(); ++v)
                b.verses.push_back(modwriter::Verse{static_cast<int32_t>(c + 1), static_cast<int32_t>(v + 1),
                                                    s.chapters[c][v]});
        m.books.push_back(b);
    }
    return modwriter::BuildBookModule(m);
}

class SearchTest : public ::testing::Test {
protected:
    MessageBoxHandler previous_ = nullptr;
    void SetUp() override
    {
        ResetGlobalRecords();
        previous_ = SetMessageBoxHandler(Silent);
    }
    void TearDown() override
    {
        g_search_engine = SEARCH_ENGINE_IMAGE;
        SetMessageBoxHandler(previous_);
        ResetGlobalRecords();
    }

    void Open(const std::string& bytes)
    {
        ASSERT_EQ(testbooks::OpenInWindow(bytes), 1);
        search_in.datawindow = 0;
        search_in.type = datawindow[0].language;
        SEARCH_FillRangeRows(0, nullptr, 0);
        search_in.range_last = 0;
    }

    Outcome Text(const char* pattern, int search_for = 1, int engine = SEARCH_ENGINE_IMAGE)
    {
        g_search_engine = engine;
        search_in.search_for = search_for;
        SEARCH_SetTypedPattern(pattern);
        return Capture(SEARCH_BookText());
    }
};

} // namespace testsearch
