// One scroll step of a 1000 x 800 book window: the verse step and the
// rendering of what fits, with the core measurer (the Windows program
// measures with GDI and streams into RichEdit on top of this).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/file_io.h"
#include "app/records.h"
#include "books/book_window.h"
#include "books/render.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "modwriter/modwriter.h"

namespace {

// 20 chapters of 40 tagged verses, about 160 bytes each.
const std::string& ModuleBytes()
{
    static const std::string bytes = [] {
        modwriter::BookModule m;
        m.info = {{"IA", "B"}, {"IT", "Bench"}};
        m.tag_caps = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0};
        modwriter::Book b("Genesis", "Gen", "OTGen");
        for (int c = 1; c <= 20; ++c)
            for (int v = 1; v <= 40; ++v)
                b.verses.push_back({c, v,
                                    "And God |RH430|Rh said, |TJLet there be light|Tj: and there was |TUlight|Tu. "
                                    "And God saw the light, that it was good |TNa note|Tn and God divided the light."});
        m.books = {b};
        return modwriter::BuildBookModule(m);
    }();
    return bytes;
}

void OpenWindow()
{
    ResetGlobalRecords();
    BK_SetRTFTagDefaults();
    BK_BuildRTFTags();
    const std::string& bytes = ModuleBytes();
    DATAFILE& f = datafile[0];
    f.file = SvOpenMemory(bytes.data(), bytes.size());
    f.opened = 1;
    f.type = MODULE_BOOK;
    status.num_windows = 1;
    DATAWINDOW& w = datawindow[0];
    ScanSBKInfoEx(f.file, 0);
    w.position = SV_RECT{0, 0, 1000, 800};
    w.line_width = 980;
    w.book_position = BOOK_POSITION{0, 1, 1, 1};
    w.offset = BK_HledejVers(w.book_position);
}

void BM_LineDownStep(benchmark::State& state)
{
    OpenWindow();
    for (auto _ : state) {
        if (!BK_StepVerse(0, 1)) {
            datawindow[0].book_position = BOOK_POSITION{0, 1, 1, 1};
            datawindow[0].offset = BK_HledejVers(datawindow[0].book_position);
        }
        benchmark::DoNotOptimize(BK_PripravText(datawindow[0].book_position, 0));
    }
    ResetGlobalRecords();
}
BENCHMARK(BM_LineDownStep);

void BM_PageDownStep(benchmark::State& state)
{
    OpenWindow();
    for (auto _ : state) {
        if (datawindow[0].book_position.chapter >= 20) {
            datawindow[0].book_position = BOOK_POSITION{0, 1, 1, 1};
            datawindow[0].offset = BK_HledejVers(datawindow[0].book_position);
        }
        BK_PageDown(0);
        benchmark::DoNotOptimize(BK_PripravText(datawindow[0].book_position, 0));
    }
    ResetGlobalRecords();
}
BENCHMARK(BM_PageDownStep);

} // namespace
