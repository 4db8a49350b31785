// Fuzzes the dictionary reader over one file image: the header scans, both
// read directions, records by number, key search in both directions, the
// filter and the list lines over the opposite-direction index.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/records.h"
#include "dic/dic_list.h"
#include "dic/dic_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SvFile* f = SvOpenMemory(data, size);
    if (!f) return 0;
    ScanDICInfo(f, 0);

    DATAFILE& entry = datafile[0];
    entry.file = f;
    entry.opened = 1;
    entry.type = MODULE_DICTIONARY;
    DATAWINDOW& w = datawindow[0];
    w.id_file = 0;
    w.type = MODULE_DICTIONARY;
    status.num_windows = 1;
    if (ScanDICInfoEx(f, 0) && w.dic_records_all < 100000) {
        DICRECORD r{};
        r.id_file = 0;
        const int32_t offsets[4] = {0, w.dic_data_offset, static_cast<int32_t>(size / 2), static_cast<int32_t>(size)};
        for (int32_t o : offsets)
            for (int direction = 0; direction < 2; ++direction) {
                r.offset = o;
                DIC_CtiRecord(&r, direction);
            }
        const int last = w.dic_records_all;
        for (int n : {1, 2, last / 2, last, last + 1}) DIC_SearchRecord(0, n);
        DIC_AllocLines(0);
        w.dic_listbox_lines = 6;
        const char* keys[3] = {"", "m", "\x7f\x7f"};
        for (int direction = 0; direction < 2; ++direction) {
            w.dic_direction = direction;
            for (const char* k : keys) DIC_SearchKey(0, k, 1);
            if (last < 2000) DIC_SearchAllKeysForSubstring(0, "a*", 1);
            DIC_ClearFilter(0);
            DIC_NaplnRadky(0, 1);
            DIC_ScrollLineDown(0);
            DIC_ScrollPageDown(0);
            DIC_ScrollLineUp(0);
            if (last > 0) DIC_GetOppositeIndexFromOffset(0, w.dic_index[0]);
        }
    }
    FreeDatawindowMemory(0);
    std::memset(&w, 0, sizeof w);
    SvClose(f);
    std::memset(&entry, 0, sizeof entry);
    status.num_windows = 0;
    return 0;
}
