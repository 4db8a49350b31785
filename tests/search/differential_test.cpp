// The search over the prepared module image must give exactly what the
// record-by-record search gives: the same hit verses in the same order, the
// same counts and the same occurrences, for every kind of pattern, option,
// range and search in results, on generated modules and on the sample
// library when it has been built.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "search/search_fixture.h"

using testsearch::Outcome;
using testsearch::SearchTest;
using testsearch::Spec;

namespace {

// Hebrew with points: letters 0x40-0x5A and 0x63-0x7A, points 0xA1-0xAB.
std::string HebrewWord(std::mt19937& rng)
{
    std::string w;
    const int n = 2 + static_cast<int>(rng() % 4);
    for (int i = 0; i < n; ++i) {
        w += static_cast<char>(0x40 + rng() % 8);
        if (rng() % 2) w += static_cast<char>(0xA1 + rng() % 11);
    }
    return w;
}

std::string GreekWord(std::mt19937& rng)
{
    static const char* const words[] = {"agaph", "logos", "qeos", "kosmos", "En", "arch|", "hn"};
    std::string w = words[rng() % 7];
    if (w.back() == '|') w.pop_back();
    return w;
}

// A verse of tagged Latin text with every kind of markup.
std::string LatinVerse(std::mt19937& rng, int language)
{
    static const char* const words[] = {"In", "the", "beginning", "God", "love", "LOVE", "Love", "hate",
                                        "the", "and", "loved", "within", "aa", "aaa", "end", "Jesus",
                                        "x-y", "word,", "(the)", "the."};
    std::string v;
    const int n = static_cast<int>(rng() % 14);
    for (int i = 0; i < n; ++i) {
        if (i) v += ' ';
        const int k = static_cast<int>(rng() % 20);
        switch (rng() % 12) {
        case 0: v += std::string(words[k]) + "|RH" + std::to_string(rng() % 12) + "|Rh"; break;
        case 1: v += std::string(words[k]) + "|RG" + std::to_string(rng() % 12) + "|Rg"; break;
        case 2: v += std::string(words[k]) + "|MGV-PAI-3S |Mg|RG26|Rg"; break;
        case 3: v += "|RR" + std::string(rng() % 2 ? "OTGen" : "NTJohn") + ":" + std::to_string(1 + rng() % 3) + ":" +
                     std::to_string(rng() % 4) + "|Rr"; break;
        case 4: v += "|TJ" + std::string(words[k]) + "|Tj"; break;
        case 5: v += "|TH" + HebrewWord(rng) + "|Th"; break;
        case 6: v += "|TG" + GreekWord(rng) + "|Tg"; break;
        case 7: v += "|TN note " + std::string(words[k]) + "|Tn"; break;
        default: v += language == 1 ? HebrewWord(rng) : (language == 2 ? GreekWord(rng) : words[k]);
        }
    }
    if (rng() % 7 == 0) v += "\r\n";
    return v;
}

std::string Generated(unsigned seed, int language, int tagged)
{
    std::mt19937 rng(seed);
    std::vector<Spec> books = {{"OTGen", "Genesis", "Gen", {}}, {"OTExod", "Exodus", "Exo", {}},
                               {"NTMatt", "Matthew", "Mat", {}}, {"NTJohn", "John", "Joh", {}}};
    for (Spec& b : books) {
        const int chapters = 1 + static_cast<int>(rng() % 3);
        for (int c = 0; c < chapters; ++c) {
            std::vector<std::string> verses;
            const int n = 1 + static_cast<int>(rng() % 12);
            for (int v = 0; v < n; ++v) verses.push_back(LatinVerse(rng, language));
            b.chapters.push_back(verses);
        }
    }
    return testsearch::Build(books, language, tagged);
}

class DifferentialTest : public SearchTest {
protected:
    int compared_ = 0;

    // Runs the request as it stands with both engines from the same state
    // and compares them; then leaves the outcome of the image engine.
    void Compare(int (*search)(), const std::string& what)
    {
        // The state the search starts from, for the second run.
        SEARCH_OUT_BK saved = search_out_bk;
        std::vector<int32_t> verses(saved.results_array, saved.results_array + (saved.allocated / 4));
        std::vector<EX_RESULTS_ARRAY> ex(saved.ex_results_array,
                                         saved.ex_results_array + (saved.ex_allocated / 8));
        const std::string pattern = search_in.pattern;

        g_search_engine = SEARCH_ENGINE_RECORDS;
        Outcome records = testsearch::Capture(search());
        const int allocated = search_out_bk.allocated, ex_allocated = search_out_bk.ex_allocated;

        // Back to the starting state.
        SEARCH_ClearBookResults();
        search_out_bk = saved;
        search_out_bk.results_array = nullptr;
        search_out_bk.ex_results_array = nullptr;
        if (saved.allocated) {
            search_out_bk.results_array = static_cast<int32_t*>(std::malloc(saved.allocated));
            std::memcpy(search_out_bk.results_array, verses.data(), saved.allocated);
        }
        if (saved.ex_allocated) {
            search_out_bk.ex_results_array = static_cast<EX_RESULTS_ARRAY*>(std::malloc(saved.ex_allocated));
            std::memcpy(search_out_bk.ex_results_array, ex.data(), saved.ex_allocated);
        }
        SEARCH_SetTypedPattern(pattern.c_str());

        g_search_engine = SEARCH_ENGINE_IMAGE;
        Outcome image = testsearch::Capture(search());
        ASSERT_TRUE(image == records) << what << ": records " << records.hit_verses << "/" << records.hit_patterns
                                      << " image " << image.hit_verses << "/" << image.hit_patterns;
        EXPECT_EQ(allocated, search_out_bk.allocated) << what;
        EXPECT_EQ(ex_allocated, search_out_bk.ex_allocated) << what;
        ++compared_;
    }

    // One search of each given kind: pattern, search_for, options (bit 0 case
    // sensitive, bit 1 without vowels), range; then one in its results.
    struct One {
        const char* pattern;
        int search_for, options, range;
        const char* then;
    };
    void Searches(const std::vector<One>& list)
    {
        for (const One& one : list) {
            search_in.range_last = one.range;
            search_in.search_for = one.search_for;
            search_in.case_sensitive = one.options & 1;
            search_in.ignore_vowels = (one.options >> 1) & 1;
            search_in.in_results = 0;
            SEARCH_SetTypedPattern(one.pattern);
            const std::string what = std::string("'") + one.pattern + "' for " + std::to_string(one.search_for);
            Compare(SEARCH_BookText, what);
            if (!one.then) continue;
            search_in.in_results = 1;
            SEARCH_SetTypedPattern(one.then);
            Compare(SEARCH_BookText, what + " then '" + one.then + "'");
            search_in.in_results = 0;
        }
    }

    void TextSearches(const std::vector<std::string>& patterns, const std::vector<int>& ranges)
    {
        for (int range : ranges)
            for (const std::string& p : patterns)
                for (int search_for = 0; search_for < 3; ++search_for)
                    for (int options = 0; options < 4; ++options) {
                        search_in.range_last = range;
                        search_in.search_for = search_for;
                        search_in.case_sensitive = options & 1;
                        search_in.ignore_vowels = (options >> 1) & 1;
                        search_in.in_results = 0;
                        SEARCH_SetTypedPattern(p.c_str());
                        const std::string what = "'" + p + "' for " + std::to_string(search_for) + " options " +
                                                 std::to_string(options) + " range " + std::to_string(range);
                        Compare(SEARCH_BookText, what);
                        // And within those results.
                        search_in.in_results = 1;
                        SEARCH_SetTypedPattern(patterns[(compared_ * 7) % patterns.size()].c_str());
                        Compare(SEARCH_BookText, what + " then in results");
                        search_in.in_results = 0;
                    }
    }

    void TagSearches(const std::vector<int>& ranges, const std::vector<int>& numbers, int book_step = 1,
                     const std::vector<const char*>& words = {"love", "th*", "?o?", "the"})
    {
        for (int range : ranges) {
            search_in.range_last = range;
            search_in.in_results = 0;
            for (int language = 1; language <= 2; ++language)
                for (int n : numbers) {
                    search_in.str_type = 0;
                    search_in.str_language = language;
                    search_in.str_number = n;
                    Compare(SEARCH_BookStrong, "strong " + std::to_string(n));
                    search_in.in_results = 1;
                    search_in.str_number = n + 1;
                    Compare(SEARCH_BookStrong, "strong in results " + std::to_string(n + 1));
                    search_in.in_results = 0;
                }
            for (const char* word : words) {
                search_in.str_type = 1;
                search_in.case_sensitive = 0;
                SEARCH_SetTypedPattern(word);
                Compare(SEARCH_BookStrong, std::string("strong word ") + word);
            }
            const DATAWINDOW& w = datawindow[0];
            for (int b = 1; b <= w.books; b += book_step) {
                search_in.ref_bp_from = BOOK_POSITION{0, b, 1, 1};
                search_in.ref_bp_to = BOOK_POSITION{0, b, 2, 3};
                std::snprintf(search_in.ref_syncname_from, 16, "%s", w.book_info[b - 1].sync_name);
                std::snprintf(search_in.ref_syncname_to, 16, "%s", w.book_info[b - 1].sync_name);
                AddReferenceToHistory();
                Compare([] { return SEARCH_BookReference(0); }, "reference " + std::to_string(b));
            }
        }
    }
};

TEST_F(DifferentialTest, GeneratedModules)
{
    const std::vector<std::string> latin = {"love", "the", "LOVE", "love hate", "in the beginning", "in the",
                                            "l*", "*e", "?he", "a?", "aa", "the.", "word,", "(the)", "x-y",
                                            "", " ", "*", "?", "t*e", "zzz", "\x01he", "end", "n the b"};
    for (unsigned seed = 1; seed <= 4; ++seed)
        for (int tagged = 0; tagged <= 1; ++tagged) {
            Open(Generated(seed, 0, tagged));
            TextSearches(latin, {0, 1, 2});
            TagSearches({0, 1}, {0, 1, 5, 26});
        }
    // Hebrew and Greek modules, with the patterns typed in display order.
    std::mt19937 rng(9);
    std::vector<std::string> hebrew = {"", "*"};
    for (int i = 0; i < 6; ++i) hebrew.push_back(HebrewWord(rng));
    hebrew.push_back(hebrew[2] + " " + hebrew[3]);
    hebrew.push_back(std::string(1, static_cast<char>(0x41)) + "*");
    for (unsigned seed = 5; seed <= 6; ++seed) {
        Open(Generated(seed, 1, 0));
        search_in.type = 1;
        TextSearches(hebrew, {0});
        Open(Generated(seed, 1, 1));
        search_in.type = 1;
        TextSearches(hebrew, {0, 2});
        Open(Generated(seed, 2, 1));
        search_in.type = 2;
        TextSearches({"logos", "agaph qeos", "en", "En arch", "*os", "k?smos"}, {0, 2});
        TagSearches({0}, {26, 3});
    }
    EXPECT_GT(compared_, 2000);
}

TEST_F(DifferentialTest, SampleLibrary)
{
    const std::string dir = std::string(SEVIR_SOURCE_DIR) + "/build/sample/data/";
    int modules = 0;
    for (const char* name : {"kjv.sbk", "kjvm.sbk", "web.sbk", "tr.sbk", "wlc.sbk", "rv1909.sbk"}) {
        const std::string path = dir + name;
        if (!std::filesystem::exists(path)) continue;
        ResetGlobalRecords();
        datafile[0].file = SvOpenRead(path.c_str());
        datafile[0].type = MODULE_BOOK;
        ASSERT_EQ(OpenBookDatawindow(0), 0) << name;
        search_in.datawindow = 0;
        search_in.type = datawindow[0].language;
        SEARCH_FillRangeRows(0, nullptr, 0);
        ++modules;
        if (datawindow[0].language == 0) {
            Searches({{"love", 1, 0, 0, "god"},
                      {"the", 1, 0, 0, "lord"},
                      {"love hate", 0, 0, 0, nullptr},
                      {"in the beginning", 2, 0, 0, nullptr},
                      {"jesus", 1, 0, 1, nullptr},
                      {"LORD", 1, 1, 2, "said"},
                      {"lov*", 1, 0, 2, "?od"},
                      {"said unto", 1, 0, 0, "him"}});
        } else {
            // The first word of the module, as typed.
            g_book_record.offset = datawindow[0].tag_data;
            g_book_record.book_position.number = 0;
            ASSERT_EQ(BK_CtiRecord(&g_book_record), 1);
            std::string first(g_book_record.buffer);
            first = first.substr(0, first.find(' '));
            if (first.find('|') != std::string::npos) first = first.substr(0, first.find('|'));
            if (datawindow[0].language == 1) first.assign(first.rbegin(), first.rend());
            Searches({{first.c_str(), 1, 2, 0, "*"}, {first.c_str(), 2, 0, 0, nullptr}, {"a*", 0, 2, 0, nullptr}});
        }
        TagSearches({0}, {26, 430}, 20, {"love", "th*"});
    }
    if (modules == 0) GTEST_SKIP() << "no sample library in " << dir << " (make sample)";
}

} // namespace
