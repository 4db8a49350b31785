// Book searches on the tagged KJV of the sample library (and cross
// references on the WEB), module already open: text, Strong's number and
// reference searches, and a first search including the preparation of the
// module image. Without the sample library (make sample) a generated Bible
// of the same size and markup stands in.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "cmdline/sync_names.h"
#include "modwriter/modwriter.h"
#include "search/book_search.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/search_image.h"
#include "search/search_request.h"

namespace fs = std::filesystem;

namespace {

int Silent(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

std::string SampleDir()
{
    if (const char* dir = std::getenv("SEVIR_SAMPLE_DATA")) return dir;
    return (fs::path(__FILE__).parent_path().parent_path() / "build" / "sample" / "data").string();
}

// A generated tagged Bible of the KJV's size: 66 books, 31,102 verses with
// Strong's numbers, words of Christ and cross references.
std::string Generated()
{
    static std::string path = [] {
        const char* base = std::getenv("TMPDIR");
        fs::path dir = fs::path(base ? base : "/tmp") / "sevir-bench-search";
        fs::create_directories(dir);
        std::mt19937 rng(1611);
        static const char* const words[] = {"and", "the", "LORD", "said", "unto", "him", "in", "that", "day",
                                            "love", "they", "went", "hate", "of", "beginning", "God"};
        modwriter::BookModule m;
        m.info = {{"IA", "GEN"}, {"IT", "Generated Bible"}};
        for (int b = 0; b < 66; ++b) {
            modwriter::Book book("Book " + std::to_string(b + 1), "B" + std::to_string(b + 1),
                                 g_verse_sort[b]);
            for (int c = 1; c <= 18; ++c)
                for (int v = 1; v <= 26; ++v) {
                    std::string text;
                    const int n = 12 + static_cast<int>(rng() % 20);
                    for (int i = 0; i < n; ++i) {
                        text += words[rng() % 16];
                        text += (b < 39 ? "|RH" : "|RG") + std::to_string(rng() % 9000) + (b < 39 ? "|Rh " : "|Rg ");
                        if (rng() % 40 == 0) text += "|RROTIsa:" + std::to_string(1 + rng() % 60) + ":1|Rr ";
                    }
                    book.verses.push_back({c, v, text});
                }
            m.books.push_back(book);
        }
        std::string file = (dir / "generated.sbk").string();
        modwriter::WriteFileAtomic(file, modwriter::BuildBookModule(m));
        return file;
    }();
    return path;
}

// Opens the module as data window 0 (once per module).
bool Open(const std::string& name)
{
    static std::string open;
    std::string path = SampleDir() + "/" + name;
    if (!fs::exists(path)) path = Generated();
    if (open == path) return true;
    ResetGlobalRecords();
    SetMessageBoxHandler(Silent);
    datafile[0].file = SvOpenRead(path.c_str());
    datafile[0].type = MODULE_BOOK;
    if (OpenBookDatawindow(0) != 0) return false;
    search_in.datawindow = 0;
    search_in.type = datawindow[0].language;
    SEARCH_FillRangeRows(0, nullptr, 0);
    open = path;
    std::fprintf(stderr, "module %s\n", path.c_str());
    return true;
}

void Text(benchmark::State& state, const char* pattern, int search_for, int engine)
{
    if (!Open("kjv.sbk")) return state.SkipWithError("no module");
    g_search_engine = engine;
    search_in.search_for = search_for;
    search_in.case_sensitive = 0;
    search_in.in_results = 0;
    search_in.range_last = 0;
    for (auto _ : state) {
        SEARCH_SetTypedPattern(pattern);
        benchmark::DoNotOptimize(SEARCH_BookText());
    }
    state.counters["verses"] = search_out_bk.hit_verses;
    state.counters["hits"] = search_out_bk.hit_patterns;
    state.counters["image_MB"] = static_cast<double>(SEARCH_ModuleImageBytes(0)) / 1e6;
    g_search_engine = SEARCH_ENGINE_IMAGE;
}

void BM_AllWordsLove(benchmark::State& s) { Text(s, "love", 1, SEARCH_ENGINE_IMAGE); }
void BM_AllWordsThe(benchmark::State& s) { Text(s, "the", 1, SEARCH_ENGINE_IMAGE); }
void BM_AnyWordLoveHate(benchmark::State& s) { Text(s, "love hate", 0, SEARCH_ENGINE_IMAGE); }
void BM_PhraseInTheBeginning(benchmark::State& s) { Text(s, "in the beginning", 2, SEARCH_ENGINE_IMAGE); }
void BM_RecordLoopAllWordsLove(benchmark::State& s) { Text(s, "love", 1, SEARCH_ENGINE_RECORDS); }

void Strong(benchmark::State& state, int language, int number)
{
    if (!Open("kjv.sbk")) return state.SkipWithError("no module");
    search_in.in_results = 0;
    search_in.range_last = 0;
    search_in.str_type = 0;
    search_in.str_language = language;
    search_in.str_number = number;
    for (auto _ : state) benchmark::DoNotOptimize(SEARCH_BookStrong());
    state.counters["verses"] = search_out_bk.hit_verses;
    state.counters["hits"] = search_out_bk.hit_patterns;
}

void BM_StrongG26(benchmark::State& s) { Strong(s, 2, 26); }
void BM_StrongH430(benchmark::State& s) { Strong(s, 1, 430); }

void BM_ReferencesIntoIsaiah(benchmark::State& state)
{
    if (!Open("web.sbk")) return state.SkipWithError("no module");
    const int isaiah = GetIndexOfSyncname(0, "OTIsa");
    if (isaiah < 0) return state.SkipWithError("no Isaiah");
    const BOOK_INFO& book = datawindow[0].book_info[isaiah];
    search_in.in_results = 0;
    search_in.range_last = 0;
    search_in.ref_bp_from = BOOK_POSITION{0, isaiah + 1, 1, 1};
    search_in.ref_bp_to = BOOK_POSITION{0, isaiah + 1, book.chapters, 999};
    std::strcpy(search_in.ref_syncname_from, "OTIsa");
    std::strcpy(search_in.ref_syncname_to, "OTIsa");
    AddReferenceToHistory();
    for (auto _ : state) benchmark::DoNotOptimize(SEARCH_BookReference(0));
    state.counters["verses"] = search_out_bk.hit_verses;
    state.counters["hits"] = search_out_bk.hit_patterns;
}

// The first search of a module: the image is made again each time.
void BM_FirstSearchWithPreparation(benchmark::State& state)
{
    if (!Open("kjv.sbk")) return state.SkipWithError("no module");
    search_in.search_for = 1;
    search_in.in_results = 0;
    search_in.range_last = 0;
    for (auto _ : state) {
        SEARCH_DropModuleImage(0);
        SEARCH_SetTypedPattern("love");
        benchmark::DoNotOptimize(SEARCH_BookText());
    }
    state.counters["image_MB"] = static_cast<double>(SEARCH_ModuleImageBytes(0)) / 1e6;
}

void BM_FirstStrongWithPreparation(benchmark::State& state)
{
    if (!Open("kjv.sbk")) return state.SkipWithError("no module");
    search_in.in_results = 0;
    search_in.range_last = 0;
    search_in.str_type = 0;
    search_in.str_language = 2;
    search_in.str_number = 26;
    for (auto _ : state) {
        SEARCH_DropModuleImage(0);
        benchmark::DoNotOptimize(SEARCH_BookStrong());
    }
}

} // namespace

BENCHMARK(BM_AllWordsLove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_AllWordsThe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_AnyWordLoveHate)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PhraseInTheBeginning)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StrongG26)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StrongH430)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstSearchWithPreparation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstStrongWithPreparation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordLoopAllWordsLove)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReferencesIntoIsaiah)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
