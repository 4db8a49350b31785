// Text and Strong's number search over a whole lexicon of the size of
// Strong's Hebrew dictionary (8,674 entries of Hebrew key words, Strong's
// numbers, a header item and a body with Hebrew words, Strong's tags and
// references), generated, module already open.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "lex/lex_datawindow.h"
#include "modwriter/modwriter.h"
#include "search/lex_search.h"
#include "search/search_request.h"

namespace fs = std::filesystem;

namespace {

int Silent(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

bool OpenGenerated()
{
    static bool open = false;
    if (open) return true;
    const char* base = std::getenv("TMPDIR");
    fs::path dir = fs::path(base ? base : "/tmp") / "sevir-bench-lexsearch";
    fs::create_directories(dir);
    std::mt19937 rng(8674);
    static const char* const words[] = {"to", "be", "strong", "God", "love", "a", "the", "of", "mighty", "and",
                                        "make", "land", "from", "root", "word", "used"};
    modwriter::LexiconModule m;
    m.language = 1;
    m.info = {{"IA", "SHD"}, {"IT", "Generated Strong's Hebrew"}};
    m.labels = {{"Transliteration", 1}};
    for (char c = 0x40; c <= 0x5A; ++c) {
        m.collation.letters.push_back(std::string(1, c));
        m.collation.joins_next.push_back(false);
    }
    m.books = {modwriter::Book("Genesis", "Gen", "OTGen")};
    for (int k = 1; k <= 8674; ++k) {
        modwriter::LexEntry e;
        // Key words in collation order: three letters from the number.
        e.keyword = std::string(1, static_cast<char>(0x40 + k / 400)) +
                    std::string(1, static_cast<char>(0x40 + (k / 20) % 20)) +
                    std::string(1, static_cast<char>(0x40 + k % 20));
        e.strong = "H" + std::to_string(k);
        e.items = {"translit" + std::to_string(k)};
        std::string body = "|TH" + e.keyword + "|Th ";
        const int n = 20 + static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i) {
            body += words[rng() % 16];
            if (rng() % 8 == 0) body += "|RH" + std::to_string(1 + rng() % 8674) + "|Rh";
            if (rng() % 30 == 0) body += " |RROTGen:" + std::to_string(1 + rng() % 50) + ":1|Rr";
            body += ' ';
        }
        e.body = body;
        m.entries.push_back(e);
    }
    const std::string file = (dir / "shd.lex").string();
    modwriter::WriteFileAtomic(file, modwriter::BuildLexiconModule(m));
    ResetGlobalRecords();
    SetMessageBoxHandler(Silent);
    datafile[0].file = SvOpenRead(file.c_str());
    datafile[0].type = MODULE_LEXICON;
    if (LX_OpenDatawindow(0) != 0) return false;
    search_in.datawindow = 0;
    search_in.mode = 1;
    open = true;
    return true;
}

void BM_LexiconTextSearch(benchmark::State& state)
{
    if (!OpenGenerated()) return state.SkipWithError("no lexicon");
    search_in.type = 0;
    search_in.search_for = 1;
    search_in.case_sensitive = 0;
    search_in.in_lex_results = 0;
    for (auto _ : state) {
        SEARCH_SetTypedPattern("mighty");
        benchmark::DoNotOptimize(SEARCH_LexText());
    }
    state.counters["records"] = datawindow[0].search_out_lx.hit_verses;
    state.counters["hits"] = datawindow[0].search_out_lx.hit_patterns;
}

void BM_LexiconStrongSearch(benchmark::State& state)
{
    if (!OpenGenerated()) return state.SkipWithError("no lexicon");
    search_in.str_type = 0;
    search_in.str_language = 1;
    search_in.str_number = 430;
    search_in.in_lex_results = 0;
    for (auto _ : state) benchmark::DoNotOptimize(SEARCH_LexStrong());
    state.counters["records"] = datawindow[0].search_out_lx.hit_verses;
}

} // namespace

BENCHMARK(BM_LexiconTextSearch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LexiconStrongSearch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
