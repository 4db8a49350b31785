#include "dic/dic_reader.h"

#include "app/file_io.h"
#include "app/records.h"
#include "books/info_block.h"

int ScanDICInfo(SvFile* file, int id)
{
    if (!file || id < 0 || id >= MAX_DATAFILES) return 0;
    static const int expected[5] = {'h', 'b', 'd', 'i', 5};
    if (SvSeek(file, 0) != 0) return 0;
    for (int c : expected)
        if (SvGetc(file) != c) return 0;
    int32_t tag_info = 0, index_offset = 0;
    if (SvReadInt32At(file, 10, &tag_info) != 0 || SvReadInt32At(file, 14, &index_offset) != 0) return 0;
    InfoBlock block;
    if (!ReadInfoBlock(file, tag_info, index_offset, &block)) return 0;
    GetInfoItem(block, "|IA", datafile[id].abbrev, sizeof datafile[id].abbrev);
    GetInfoItem(block, "|IT", datafile[id].title, sizeof datafile[id].title);
    return 1;
}
