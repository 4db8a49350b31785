// Fuzzes the lexicon reader over one file image: the full header scan, both
// read directions in both modes from offsets of the input, the search by
// record number and the key search.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"

namespace {

int Quiet(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetMessageBoxHandler(Quiet);
    SvFile* f = SvOpenMemory(data, size);
    if (!f) return 0;
    DATAFILE& entry = datafile[0];
    entry.file = f;
    entry.opened = 1;
    DATAWINDOW& w = datawindow[0];
    w.id_file = 0;
    status.num_windows = 1;
    if (ScanLEXInfoEx(f, 0)) {
        LXRECORD& r = g_lx_record;
        // Offsets from the first bytes after the header, and the ends.
        int32_t offsets[4] = {w.lx_tag_data_offset, w.filesize, 1024, w.filesize / 2};
        if (size > 1028) std::memcpy(&offsets[2], data + size - 4, 4);
        for (int32_t at : offsets)
            for (int direction = 0; direction < 2; ++direction)
                for (int mode = 0; mode < 2; ++mode) {
                    r.id_file = 0;
                    r.offset = at;
                    LX_CtiRecord(&r, direction, mode);
                }
        const int all = w.lx_records_all < 8 ? w.lx_records_all : 8;
        for (int k = 0; k <= all + 1; ++k) LX_SearchRecord(0, k);
        LX_SearchKey(0, "ab", 1);
        LX_SearchKey(0, "", 2);
        LX_SearchFirstStrong(0, 1, 1, 1);
        if (LX_AllocLines(0)) {
            w.lx_listbox_lines = 4;
            LX_NaplnRadky(0, 1);
            LX_ScrollLineDown(0);
            LX_ScrollLineUp(0);
        }
    }
    std::free(w.book_info);
    std::free(w.lx_strong_index);
    std::free(w.lx_filter);
    std::free(w.lx_radek);
    std::memset(&w, 0, sizeof w);
    entry.file = nullptr;
    entry.opened = 0;
    SvClose(f);
    return 0;
}
