// The inner loops of every search over a whole tagged Bible: preparing the
// verse text (StripTags mode -1 and the lower-casing), trying WildcardMatch
// at every word start, and comparing lexicon keywords with PorovnejRetezce.
// The Bible is the tagged KJV of the sample library (build/sample, or the
// module named by SEVIR_BENCH_SBK); without it a generated tagged module of
// the same size stands in.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/codepage.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "modwriter/modwriter.h"
#include "text/collation.h"
#include "text/matching.h"

namespace {

int Quiet(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

std::string SampleModule()
{
    if (const char* path = std::getenv("SEVIR_BENCH_SBK")) return path;
    std::string here = __FILE__;
    std::string root = here.substr(0, here.rfind("/bench/"));
    return root + "/build/sample/data/kjv.sbk";
}

// A tagged verse like the sample KJV: Strong's numbers after most words,
// words of Christ, an added word, a note.
std::string GeneratedVerse(int n)
{
    static const char* const words[] = {"And", "the", "LORD", "said", "unto", "Moses,", "Go", "in", "to", "Pharaoh",
                                        "and", "tell", "him", "Thus", "saith", "God", "of", "Israel;", "let", "my",
                                        "people", "go", "that", "they", "may", "serve", "me."};
    std::string s;
    for (int k = 0; k < 24; ++k) {
        const char* w = words[(n * 7 + k) % 27];
        if (k == 9) s += "|TU";
        s += w;
        if (k == 9) s += "|Tu";
        if (k % 4 != 3) s += "|RH" + std::to_string((n * 13 + k) % 8674 + 1) + "|Rh";
        if (k == 14) s += "|TNOr, jubile|Tn";
        s += ' ';
    }
    return s;
}

struct Bible {
    std::vector<std::string> verses;
    std::size_t bytes = 0;
    bool sample = false;
};

const Bible& LoadBible()
{
    static Bible bible = [] {
        Bible b;
        ResetGlobalRecords();
        SetMessageBoxHandler(Quiet);
        SvFile* file = SvOpenRead(SampleModule().c_str());
        if (file && ScanSBKInfoEx(file, 0)) {
            int64_t offset = datawindow[0].tag_data;
            const int64_t size = SvFileSize(file);
            BK_RECORD_HEADER h{};
            while ((offset = BK_FindRecordStart(file, offset)) >= 0 && BK_ReadRecordHeader(file, offset, &h)) {
                std::string text(static_cast<std::size_t>(h.length), '\0');
                if (offset + h.header_len + h.length > size) break;
                SvSeek(file, offset + h.header_len);
                SvRead(file, text.data(), text.size());
                b.verses.push_back(text.c_str());
                offset += h.header_len + h.length;
            }
            b.sample = b.verses.size() > 30000;
        }
        if (file) SvClose(file);
        ResetGlobalRecords();
        if (!b.sample) {
            b.verses.clear();
            for (int n = 0; n < 31102; ++n) b.verses.push_back(GeneratedVerse(n));
        }
        for (const std::string& v : b.verses) b.bytes += v.size();
        return b;
    }();
    return bible;
}

// What a search does to each record before matching: mask the tags, then
// lower-case the text for a case-insensitive pattern.
inline void Prepare(char* buf)
{
    StripTags(buf, buf, -1);
    LowerText8(buf, 1252);
}

// All verses prepared once, each ended by its 0 byte, in one block.
struct Prepared {
    std::vector<char> text;
    std::vector<std::size_t> starts;
};

const Prepared& PreparedBible()
{
    static Prepared p = [] {
        Prepared out;
        for (const std::string& v : LoadBible().verses) {
            out.starts.push_back(out.text.size());
            out.text.insert(out.text.end(), v.c_str(), v.c_str() + v.size() + 1);
            Prepare(out.text.data() + out.starts.back());
        }
        return out;
    }();
    return p;
}

void SetCounters(benchmark::State& state, std::size_t bytes)
{
    const Bible& b = LoadBible();
    state.counters["verses"] = static_cast<double>(b.verses.size());
    state.counters["sample"] = b.sample ? 1 : 0;
    state.counters["ns_per_byte"] = benchmark::Counter(static_cast<double>(bytes) * 1e-9,
                                                       benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

// StripTags mode -1 and the lower-casing over every verse, each copied first
// into the record buffer as the record reader leaves it.
void BM_PrepareWholeBible(benchmark::State& state)
{
    const Bible& b = LoadBible();
    std::vector<char> record(BOOK_RECORD_BUFFER + 1);
    for (auto _ : state) {
        for (const std::string& v : b.verses) {
            std::memcpy(record.data(), v.c_str(), v.size() + 1);
            Prepare(record.data());
        }
        benchmark::DoNotOptimize(record[0]);
    }
    SetCounters(state, b.bytes);
}
BENCHMARK(BM_PrepareWholeBible)->Unit(benchmark::kMillisecond);

// WildcardMatch at every word start of the prepared Bible, as the "any word"
// search tries it: position 0, then one byte past each separator.
int WordPass(const Prepared& p, const char* pattern)
{
    int hits = 0;
    for (std::size_t start : p.starts) {
        const char* s = p.text.data() + start;
        std::size_t i = 0;
        for (;;) {
            int end = 0;
            hits += WildcardMatch(s + i, pattern, &end);
            while (s[i] && !IsWordSeparator(static_cast<unsigned char>(s[i]), 0)) ++i;
            if (!s[i]) break;
            ++i;
        }
    }
    return hits;
}

void BM_WordPass(benchmark::State& state, const char* pattern)
{
    const Prepared& p = PreparedBible();
    int hits = 0;
    for (auto _ : state) {
        hits = WordPass(p, pattern);
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
    SetCounters(state, LoadBible().bytes);
}
BENCHMARK_CAPTURE(BM_WordPass, rare_jubile, "jubile")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordPass, frequent_the, "the")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordPass, star_lov, "lov*")->Unit(benchmark::kMillisecond);

// The whole search inner loop: preparation plus one word pass.
void BM_PrepareAndWordPass(benchmark::State& state)
{
    const Bible& b = LoadBible();
    std::vector<char> record(BOOK_RECORD_BUFFER + 1);
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const std::string& v : b.verses) {
            std::memcpy(record.data(), v.c_str(), v.size() + 1);
            Prepare(record.data());
            const char* s = record.data();
            std::size_t i = 0;
            for (;;) {
                int end = 0;
                hits += WildcardMatch(s + i, "lov*", &end);
                while (s[i] && !IsWordSeparator(static_cast<unsigned char>(s[i]), 0)) ++i;
                if (!s[i]) break;
                ++i;
            }
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
    SetCounters(state, b.bytes);
}
BENCHMARK(BM_PrepareAndWordPass)->Unit(benchmark::kMillisecond);

// PorovnejRetezce on pairs of Greek lexicon keywords (display codes, with
// breathings and accents that the alphabet leaves out, final sigma tied to
// sigma), as the lexicon key search and the result sort compare them.
void BM_CollateKeywords(benchmark::State& state)
{
    modwriter::Collation greek;
    for (const char* l : {"a", "b", "g", "d", "e", "z", "h", "q", "i", "k", "l", "m", "n", "x", "o", "p", "r",
                          "j", "s", "t", "u", "f", "c", "y", "w"})
        greek.letters.push_back(l);
    greek.joins_next.assign(greek.letters.size(), false);
    greek.joins_next[17] = true;  // final sigma sorts as sigma
    const std::string alphabet = modwriter::EncodeCollationTable(greek);
    const std::string bitmap = modwriter::EncodeCollationBitmap(greek);
    char table[SORT_TABLE_SIZE];
    SetSortTable(reinterpret_cast<const unsigned char*>(alphabet.data()),
                 reinterpret_cast<const unsigned char*>(bitmap.data()), table);

    std::vector<std::string> keys;
    static const char* const stems[] = {"a)gap", "a)ggel", "lo/g", "qe", "pisteu", "e)kklhsi", "basilei", "kosm",
                                        "a)nqrwp", "dikaiosun", "proseuc", "a(mart"};
    static const char* const ends[] = {"a/w", "h/", "oj", "w", "ia", "hj", "ouj", "ai", "wn", "on"};
    for (const char* s : stems)
        for (const char* e : ends) keys.push_back(std::string(s) + e);
    std::size_t k = 0;
    int sum = 0;
    for (auto _ : state) {
        const std::string& a = keys[k % keys.size()];
        const std::string& b = keys[(k * 7 + 3) % keys.size()];
        sum += PorovnejRetezce(a.c_str(), b.c_str(), table);
        ++k;
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_CollateKeywords)->Unit(benchmark::kNanosecond);

} // namespace
