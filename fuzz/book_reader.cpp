// Fuzzes the header probes of the three module kinds, the full book header
// read, the record reader and verse location over one file image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "dic/dic_reader.h"
#include "lex/lex_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SvFile* f = SvOpenMemory(data, size);
    if (!f) return 0;
    ScanSBKInfo(f, 0);
    ScanLEXInfo(f, 1);
    ScanDICInfo(f, 2);

    DATAFILE& entry = datafile[0];
    entry.file = f;
    entry.opened = 1;
    DATAWINDOW& w = datawindow[0];
    w.id_file = 0;
    status.num_windows = 1;
    if (ScanSBKInfoEx(f, 0)) {
        BOOK_RECORD& r = g_book_record;
        r.book_position.number = 0;
        int32_t at = 0;
        for (int k = 0; k < 8; ++k) {
            r.offset = at;
            if (!BK_CtiRecord(&r)) break;
            at = r.offset + 1;
        }
        // Positions from the book table and from the last bytes of the input.
        int books = w.books < 4 ? w.books : 4;
        for (int b = 1; b <= books; ++b) {
            int32_t last = w.book_info[b - 1].chapters;
            const int32_t asks[4][2] = {{1, 1}, {2, 3}, {last, 1}, {last, 9999}};
            for (const auto& a : asks) BK_HledejVers(BOOK_POSITION{0, b, a[0], a[1]});
            BK_PocetVersu(BOOK_POSITION{0, b, 1, 1});
        }
        if (size >= 3) {
            BK_HledejVers(BOOK_POSITION{0, 1 + data[size - 1] % 3, 1 + data[size - 2] % 16, 1 + data[size - 3] % 40});
        }
        const int32_t offsets[4] = {0, w.tag_data, static_cast<int32_t>(size / 2), static_cast<int32_t>(size)};
        for (int32_t o : offsets) {
            BOOK_POSITION p{0, 0, 0, 0};
            for (int step = -1; step <= 1; ++step) BK_PosunOffset(&p, o, step);
            OffsetOfVerseEnd(o, f);
        }
    }
    std::free(w.book_info);
    std::memset(&w, 0, sizeof w);
    SvClose(f);
    std::memset(&entry, 0, sizeof entry);
    status.num_windows = 0;
    return 0;
}
