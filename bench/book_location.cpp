// Verse location, stepping, verse counts and the catalogue scan on a module
// of the size of a whole Bible (66 books, 1189 chapters, 31,102 verses,
// about 5 MB), read from a real file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/catalogue.h"
#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "modwriter/modwriter.h"

namespace fs = std::filesystem;

namespace {

struct Verse {
    int book, chapter, verse;
    int32_t offset;
};

struct Bible {
    std::string dir;
    std::vector<Verse> verses;
    std::vector<std::pair<int, int>> chapters;  // book, chapter
    int64_t bytes = 0;
};

std::string TempRoot()
{
    const char* base = std::getenv("TMPDIR");
    return (fs::path(base ? base : "/tmp") / "sevir-bench-books").string();
}

const Bible& TheBible()
{
    static Bible bible = [] {
        Bible b;
        b.dir = TempRoot();
        fs::remove_all(b.dir);
        fs::create_directories(b.dir + "/data");
        std::mt19937 rng(1611);
        modwriter::BookModule m;
        m.info = {{"IA", "BIG"}, {"IT", "Generated Bible"}};
        // 1189 chapters over 66 books; 31,102 verses over the chapters.
        const int books = 66, chapters = 1189, verses = 31102;
        std::vector<int> per_book(books, chapters / books);
        for (int i = 0; i < chapters % books; ++i) per_book[i * 3 % books] += 1;
        static const char* const words[] = {"and", "the", "LORD", "said", "unto", "him", "in", "that", "day",
                                            "|Mword|m", "they", "went"};
        int made = 0, chapter_index = 0;
        for (int bk = 0; bk < books; ++bk) {
            modwriter::Book book("Book " + std::to_string(bk + 1), "B" + std::to_string(bk + 1), "S" + std::to_string(bk));
            for (int c = 1; c <= per_book[bk]; ++c, ++chapter_index) {
                int n = verses / chapters + (chapter_index < verses % chapters ? 1 : 0);
                for (int v = 1; v <= n; ++v, ++made) {
                    std::string text;
                    int len = 80 + static_cast<int>(rng() % 140);
                    while (static_cast<int>(text.size()) < len) text += std::string(words[rng() % 12]) + " ";
                    book.verses.push_back({c, v, text});
                }
            }
            m.books.push_back(book);
        }
        modwriter::BookLayout layout;
        std::string bytes = modwriter::BuildBookModule(m, &layout);
        modwriter::WriteFileAtomic(b.dir + "/data/big.sbk", bytes);
        b.bytes = static_cast<int64_t>(bytes.size());
        for (const auto& r : layout.records) b.verses.push_back({r.book, r.chapter, r.verse, r.offset});
        for (const auto& v : b.verses)
            if (v.verse == 1) b.chapters.emplace_back(v.book, v.chapter);
        return b;
    }();
    return bible;
}

// Opens the generated module in data window 0.
void OpenBible()
{
    const Bible& b = TheBible();
    ResetGlobalRecords();
    std::snprintf(status.path_data[0].path, sizeof status.path_data[0].path, "%s", b.dir.c_str());
    status.path_used = 1;
    ScanDataFiles();
    if (OpenBookDatawindow(0) != 0) std::abort();
}

void Median(benchmark::State& state, std::vector<double>& us)
{
    if (us.empty()) return;
    std::nth_element(us.begin(), us.begin() + static_cast<long>(us.size() / 2), us.end());
    state.counters["median_us"] = us[us.size() / 2];
}

void BM_LocateRandomVerse(benchmark::State& state)
{
    OpenBible();
    const Bible& b = TheBible();
    std::mt19937 rng(7);
    std::vector<double> us;
    for (auto _ : state) {
        const Verse& v = b.verses[rng() % b.verses.size()];
        auto t0 = std::chrono::steady_clock::now();
        int32_t at = BK_HledejVers(BOOK_POSITION{0, v.book, v.chapter, v.verse});
        auto t1 = std::chrono::steady_clock::now();
        if (at != v.offset) state.SkipWithError("wrong offset");
        benchmark::DoNotOptimize(at);
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    state.counters["verses"] = static_cast<double>(b.verses.size());
    state.counters["file_MB"] = static_cast<double>(b.bytes) / 1e6;
    Median(state, us);
}
BENCHMARK(BM_LocateRandomVerse)->Unit(benchmark::kMicrosecond);

void BM_StepForward(benchmark::State& state)
{
    OpenBible();
    const Bible& b = TheBible();
    BOOK_POSITION p{0, 0, 0, 0};
    int32_t at = b.verses.front().offset;
    std::vector<double> us;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        int32_t next = BK_PosunOffset(&p, at, 1);
        auto t1 = std::chrono::steady_clock::now();
        at = next == at ? b.verses.front().offset : next;
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    Median(state, us);
}
BENCHMARK(BM_StepForward)->Unit(benchmark::kMicrosecond);

void BM_StepBack(benchmark::State& state)
{
    OpenBible();
    const Bible& b = TheBible();
    BOOK_POSITION p{0, 0, 0, 0};
    int32_t at = b.verses.back().offset;
    std::vector<double> us;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        int32_t prev = BK_PosunOffset(&p, at, -1);
        auto t1 = std::chrono::steady_clock::now();
        at = prev == at ? b.verses.back().offset : prev;
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    Median(state, us);
}
BENCHMARK(BM_StepBack)->Unit(benchmark::kMicrosecond);

void BM_VerseCountOfChapter(benchmark::State& state)
{
    OpenBible();
    const Bible& b = TheBible();
    std::mt19937 rng(11);
    std::vector<double> us;
    for (auto _ : state) {
        const auto& [book, chapter] = b.chapters[rng() % b.chapters.size()];
        auto t0 = std::chrono::steady_clock::now();
        int32_t n = BK_PocetVersu(BOOK_POSITION{0, book, chapter, 1});
        auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(n);
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    Median(state, us);
}
BENCHMARK(BM_VerseCountOfChapter)->Unit(benchmark::kMicrosecond);

void BM_ScanCatalogueOf500Modules(benchmark::State& state)
{
    const std::string dir = TempRoot() + "-catalogue";
    static bool made = false;
    if (!made) {
        fs::remove_all(dir);
        fs::create_directories(dir + "/data");
        for (int i = 0; i < 500; ++i) {
            modwriter::BookModule m;
            m.info = {{"IA", "M" + std::to_string(499 - i)}, {"IT", "Module " + std::to_string(i)},
                      {"II", std::string(200, 'i')}};
            modwriter::Book book("Genesis", "Gen", "OTGen");
            for (int v = 1; v <= 50; ++v) book.verses.push_back({1, v, std::string(100, 'x')});
            m.books = {book};
            char name[32];
            std::snprintf(name, sizeof name, "m%03d.sbk", i);
            modwriter::WriteFileAtomic(dir + "/data/" + name, modwriter::BuildBookModule(m));
        }
        made = true;
    }
    ResetGlobalRecords();
    std::snprintf(status.path_data[0].path, sizeof status.path_data[0].path, "%s", dir.c_str());
    status.path_used = 1;
    for (auto _ : state) {
        ScanDataFiles();
        if (status.files_all != 500) state.SkipWithError("not 500 modules");
    }
}
BENCHMARK(BM_ScanCatalogueOf500Modules)->Unit(benchmark::kMillisecond);

} // namespace
