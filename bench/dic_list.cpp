// Dictionary list operations on a generated dictionary of 20,000 pairs:
// key search in both directions, the filter, a line and a page step.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/records.h"
#include "dic/dic_list.h"
#include "dic/dic_reader.h"
#include "modwriter/modwriter.h"

namespace {

constexpr int kPairs = 20000;

std::string Word(int k, int salt)
{
    std::string s;
    unsigned v = static_cast<unsigned>(k) * 2654435761u + static_cast<unsigned>(salt);
    for (int d = 0; d < 7; ++d, v /= 26) s += static_cast<char>('a' + v % 26);
    return s;
}

const std::string& ModuleBytes()
{
    static const std::string bytes = [] {
        modwriter::DictionaryModule m;
        m.info = {{"IA", "BENCH"}, {"IT", "Bench"}};
        for (char c = 'a'; c <= 'z'; ++c) {
            m.collation_from.letters.push_back(std::string(1, c));
            m.collation_from.joins_next.push_back(false);
        }
        m.collation_to = m.collation_from;
        for (int k = 0; k < kPairs; ++k) m.entries.emplace_back(Word(k, 1), Word(k, 7), "m");
        return modwriter::BuildDictionaryModule(m);
    }();
    return bytes;
}

void Open(int direction)
{
    ResetGlobalRecords();
    const std::string& bytes = ModuleBytes();
    DATAFILE& f = datafile[0];
    f.file = SvOpenMemory(bytes.data(), bytes.size());
    f.opened = 1;
    f.type = MODULE_DICTIONARY;
    status.num_windows = 1;
    DATAWINDOW& w = datawindow[0];
    w.type = MODULE_DICTIONARY;
    ScanDICInfoEx(f.file, 0);
    DIC_AllocLines(0);
    w.dic_listbox_lines = 30;
    w.dic_direction = direction;
}

void BM_KeySearch(benchmark::State& state)
{
    Open(static_cast<int>(state.range(0)));
    int k = 0;
    for (auto _ : state) {
        const std::string key = Word(k++ % kPairs, state.range(0) == 0 ? 1 : 7);
        benchmark::DoNotOptimize(DIC_SearchKey(0, key.c_str(), 1));
    }
    ResetGlobalRecords();
}
BENCHMARK(BM_KeySearch)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Filter(benchmark::State& state)
{
    Open(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(DIC_SearchAllKeysForSubstring(0, "ab", 1));
    ResetGlobalRecords();
}
BENCHMARK(BM_Filter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LineStep(benchmark::State& state)
{
    Open(static_cast<int>(state.range(0)));
    DIC_NaplnRadky(0, kPairs / 2);
    for (auto _ : state) {
        if (!DIC_ScrollLineDown(0) || datawindow[0].dic_radek[0].record > kPairs - 100) DIC_NaplnRadky(0, kPairs / 2);
    }
    ResetGlobalRecords();
}
BENCHMARK(BM_LineStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PageStep(benchmark::State& state)
{
    Open(static_cast<int>(state.range(0)));
    DIC_NaplnRadky(0, 1);
    for (auto _ : state) {
        if (!DIC_ScrollPageDown(0) || datawindow[0].dic_radek[0].record > kPairs - 100) DIC_NaplnRadky(0, 1);
    }
    ResetGlobalRecords();
}
BENCHMARK(BM_PageStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
