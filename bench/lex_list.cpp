// A lexicon of the size of Strong's Hebrew lexicon (8,674 records, made up):
// key search, Strong's lookup, the substring filter over all records and the
// list's line and page steps.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/file_io.h"
#include "app/records.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"
#include "modwriter/modwriter.h"

namespace {

constexpr int kRecords = 8674;

// Keywords of three to five letters in collation order, a Strong's number
// each, two header items and a body of a few hundred bytes.
const std::string& ModuleBytes()
{
    static const std::string bytes = [] {
        modwriter::LexiconModule m;
        m.language = 1;
        m.info = {{"IA", "SH"}, {"IT", "Bench Hebrew"}};
        const std::string letters = "abgdhwzxTyklmnsopcqrSt";
        for (char c : letters) {
            m.collation.letters.push_back(std::string(1, c));
            m.collation.joins_next.push_back(false);
        }
        m.labels = {{"Root", 1}, {"Meaning", 0}};
        const std::size_t n = letters.size();
        for (int k = 0; k < kRecords; ++k) {
            modwriter::LexEntry e;
            int v = k;
            std::string w;
            w += letters[static_cast<std::size_t>(v / static_cast<int>(n * n)) % n];
            w += letters[static_cast<std::size_t>(v / static_cast<int>(n)) % n];
            w += letters[static_cast<std::size_t>(v) % n];
            e.keyword = w;
            e.strong = "H" + std::to_string(k + 1);
            e.items = {w, "a meaning of the word"};
            e.body = "|TBbold|Tb text of the article about the word, with a reference |RR1:1|Rr and more text "
                     "that fills the body to a few hundred bytes, as a real article would have them. " +
                     std::string(200, 'x');
            m.entries.push_back(e);
        }
        std::string error;
        std::string out = modwriter::BuildLexiconModule(m, &error);
        if (out.empty()) std::fprintf(stderr, "bench lexicon refused: %s\n", error.c_str());
        return out;
    }();
    return bytes;
}

void OpenWindow(int lines)
{
    ResetGlobalRecords();
    const std::string& bytes = ModuleBytes();
    DATAFILE& f = datafile[0];
    f.file = SvOpenMemory(bytes.data(), bytes.size());
    f.opened = 1;
    f.type = MODULE_LEXICON;
    status.num_windows = 1;
    datawindow[0].id_file = 0;
    ScanLEXInfoEx(f.file, 0);
    LX_AllocLines(0);
    datawindow[0].lx_listbox_lines = lines;
}

void BM_SearchKey(benchmark::State& state)
{
    OpenWindow(30);
    const char* keys[] = {"abg", "mnq", "Stt", "zz", "k"};
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(LX_SearchKey(0, keys[i++ % 5], 1));
}
BENCHMARK(BM_SearchKey)->Unit(benchmark::kMicrosecond);

void BM_SearchFirstStrong(benchmark::State& state)
{
    OpenWindow(30);
    int number = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LX_SearchFirstStrong(0, 1, number, 1));
        number = number * 7 % kRecords + 1;
    }
}
BENCHMARK(BM_SearchFirstStrong)->Unit(benchmark::kMicrosecond);

void BM_SubstringFilter(benchmark::State& state)
{
    OpenWindow(30);
    for (auto _ : state) benchmark::DoNotOptimize(LX_SearchAllKeysForSubstring(0, "bg", 1));
}
BENCHMARK(BM_SubstringFilter)->Unit(benchmark::kMillisecond);

void BM_LineStep(benchmark::State& state)
{
    OpenWindow(30);
    LX_NaplnRadky(0, 4000);
    bool down = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(down ? LX_ScrollLineDown(0) : LX_ScrollLineUp(0));
        down = !down;
    }
}
BENCHMARK(BM_LineStep)->Unit(benchmark::kMicrosecond);

void BM_PageStep(benchmark::State& state)
{
    OpenWindow(30);
    LX_NaplnRadky(0, 4000);
    bool down = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(down ? LX_ScrollPageDown(0) : LX_ScrollPageUp(0));
        down = !down;
    }
}
BENCHMARK(BM_PageStep)->Unit(benchmark::kMicrosecond);

} // namespace
