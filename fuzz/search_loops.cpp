// Fuzzes the text, Strong's number, word and reference searches of book
// modules over arbitrary verse bytes and patterns, fresh and within results,
// with both engines (which must agree), and the sorting of the occurrences.
//
// Input: one options byte, the pattern up to the first newline, then the
// verse texts separated by newlines. With bit 7 of the options the verse
// bytes are written after a valid header as they stand (damaged records).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "modwriter/modwriter.h"
#include "search/book_search.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/search_request.h"

namespace {

int Silent(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

struct Outcome {
    int result, verses, patterns;
    std::vector<int32_t> array;
    bool operator==(const Outcome&) const = default;
};

Outcome Take(int result)
{
    Outcome o{result, search_out_bk.hit_verses, search_out_bk.hit_patterns, {}};
    for (int i = 0; i < search_out_bk.hit_verses && search_out_bk.results_array; ++i)
        o.array.push_back(search_out_bk.results_array[i]);
    if (search_out_bk.tab != 0 && search_out_bk.ex_results_array)
        for (int i = 0; i < search_out_bk.hit_patterns; ++i) o.array.push_back(search_out_bk.ex_results_array[i].off_hit);
    return o;
}

// Runs one search with both engines from the same empty state.
void Both(int (*search)(), const std::string& pattern)
{
    SEARCH_ClearBookResults();
    g_search_engine = SEARCH_ENGINE_RECORDS;
    SEARCH_SetTypedPattern(pattern.c_str());
    Outcome a = Take(search());
    SEARCH_ClearBookResults();
    g_search_engine = SEARCH_ENGINE_IMAGE;
    SEARCH_SetTypedPattern(pattern.c_str());
    Outcome b = Take(search());
    if (!(a == b)) std::abort();
    // And within these results.
    if (b.verses > 0) {
        search_in.in_results = 1;
        SEARCH_SetTypedPattern(pattern.substr(0, pattern.size() / 2).c_str());
        search();
        search_in.in_results = 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 20000) return 0;
    ResetGlobalRecords();
    SetMessageBoxHandler(Silent);
    const unsigned options = data[0];
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t nl = rest.find('\n');
    const std::string pattern = rest.substr(0, nl);
    const std::string verses = nl == std::string::npos ? std::string() : rest.substr(nl + 1);

    modwriter::BookModule m;
    m.language = static_cast<int>(options % 3);
    m.tag_advanced = (options >> 2) & 1;
    m.info = {{"IA", "F"}, {"IT", "Fuzz"}};
    modwriter::Book ot("Genesis", "Gen", "OTGen"), nt("John", "Joh", "NTJohn");
    std::vector<std::string> texts;
    std::size_t at = 0;
    while (at <= verses.size() && texts.size() < 64) {
        std::size_t e = verses.find('\n', at);
        if (e == std::string::npos) e = verses.size();
        texts.push_back(verses.substr(at, e - at));
        at = e + 1;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        modwriter::Book& b = i % 2 ? nt : ot;
        b.verses.push_back(modwriter::Verse{static_cast<int32_t>(1 + i / 8), static_cast<int32_t>(1 + i % 8), texts[i]});
    }
    if (nt.verses.empty()) nt.verses.push_back(modwriter::Verse{1, 1, "x"});
    m.books = {ot, nt};
    modwriter::BookLayout layout;
    std::string bytes = modwriter::BuildBookModule(m, &layout);
    if (options & 0x80) bytes = bytes.substr(0, static_cast<std::size_t>(layout.tag_data)) + verses;

    DATAFILE& f = datafile[0];
    f.file = SvOpenMemory(bytes.data(), bytes.size());
    f.opened = 1;
    f.type = MODULE_BOOK;
    DATAWINDOW& w = datawindow[0];
    status.num_windows = 1;
    if (f.file && ScanSBKInfoEx(f.file, 0)) {
        search_in.datawindow = 0;
        search_in.type = static_cast<int>((options >> 3) % 3);
        search_in.case_sensitive = (options >> 5) & 1;
        search_in.ignore_vowels = (options >> 6) & 1;
        SEARCH_FillRangeRows(0, nullptr, 0);
        search_in.range_last = static_cast<int>(options % 3);
        for (int search_for = 0; search_for < 3; ++search_for) {
            search_in.search_for = search_for;
            Both(SEARCH_BookText, pattern);
        }
        search_in.str_type = 1;
        Both(SEARCH_BookStrong, pattern);
        status.opt_sort_results_warning = 0;
        for (int mode = 0; mode < 3; ++mode) SortExResultsArray(0, mode);
        search_in.str_type = 0;
        search_in.str_language = 1 + (options & 1);
        SEARCH_ReadStrongNumber(pattern.c_str(), &search_in.str_number);
        Both(SEARCH_BookStrong, pattern);
        for (int mode = 0; mode < 3; ++mode) SortExResultsArray(0, mode);
        if (w.books >= 2) {
            search_in.ref_bp_from = BOOK_POSITION{0, 1, 1, 1};
            search_in.ref_bp_to = BOOK_POSITION{0, 2, 3, 4};
            std::strcpy(search_in.ref_syncname_from, "OTGen");
            std::strcpy(search_in.ref_syncname_to, "NTJohn");
            AddReferenceToHistory();
            Both([] { return SEARCH_BookReference(0); }, pattern);
        }
    }
    ResetGlobalRecords();
    SetMessageBoxHandler(nullptr);
    return 0;
}
