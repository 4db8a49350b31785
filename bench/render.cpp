// Rendering a 1000 x 800 book window of tagged verses, and a whole tagged
// Bible through the tag parser.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/render.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "modwriter/modwriter.h"

namespace {

int Quiet(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

// A verse of about 150 bytes with Strong's numbers, words of Christ, a note
// and a cross reference, like a tagged New Testament.
std::string TaggedVerse(int n)
{
    static const char* const words[] = {"and", "the", "light", "was", "good", "upon", "earth", "waters", "said"};
    std::string s;
    for (int k = 0; k < 14; ++k) {
        s += words[(n + k) % 9];
        if (k % 3 == 0) s += "|RG" + std::to_string((n * 7 + k) % 5624 + 1) + "|Rg";
        s += ' ';
        if (k == 6) s += "|TJFollow me|Tj ";
        if (k == 9) s += "|TNor: the word|Tn ";
    }
    s += "|RROTGen:1:" + std::to_string(n % 31 + 1) + "|Rr.";
    return s;
}

std::string g_module;

void OpenModule()
{
    ResetGlobalRecords();
    SetMessageBoxHandler(Quiet);
    if (g_module.empty()) {
        modwriter::BookModule m;
        m.tag_caps.fill(1);
        modwriter::Book gen("Genesis", "Gn", "OTGen");
        for (int c = 1; c <= 50; ++c)
            for (int v = 1; v <= 30; ++v) gen.verses.push_back(modwriter::Verse{c, v, TaggedVerse(c * 31 + v)});
        m.books = {gen};
        g_module = modwriter::BuildBookModule(m);
    }
    datafile[0].file = SvOpenMemory(g_module.data(), g_module.size());
    datafile[0].opened = 1;
    datawindow[0].id_file = 0;
    status.num_windows = 1;
    ScanSBKInfoEx(datafile[0].file, 0);
    datawindow[0].position = SV_RECT{0, 0, 1000, 800};
    datawindow[0].line_width = 1000 - 16;
}

void BM_RenderWindowOfTaggedVerses(benchmark::State& state)
{
    OpenModule();
    int verses = 0;
    for (auto _ : state) {
        verses = BK_PripravText(BOOK_POSITION{0, 1, 10, 1}, 0);
        benchmark::DoNotOptimize(bk_rtfdata.buffer[0]);
    }
    state.counters["verses"] = verses;
    state.counters["bytes"] = static_cast<double>(std::strlen(bk_rtfdata.buffer));
    ResetGlobalRecords();
}
BENCHMARK(BM_RenderWindowOfTaggedVerses)->Unit(benchmark::kMicrosecond);

void BM_ParseWholeTaggedBible(benchmark::State& state)
{
    OpenModule();
    std::vector<std::string> bible;
    for (int n = 0; n < 31102; ++n) bible.push_back(TaggedVerse(n));
    std::vector<char> out(RTFDATA_BUFFER);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const std::string& v : bible)
            bytes += static_cast<std::size_t>(BK_ParseTagsCZ(v.c_str(), 0, out.data(), RTFDATA_BUFFER, 0, 0));
        benchmark::DoNotOptimize(out[0]);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
    state.counters["verses"] = 31102;
    ResetGlobalRecords();
}
BENCHMARK(BM_ParseWholeTaggedBible)->Unit(benchmark::kMillisecond);

} // namespace
