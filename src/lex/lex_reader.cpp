#include "lex/lex_reader.h"

#include "app/file_io.h"
#include "app/records.h"
#include "books/info_block.h"

int ScanLEXInfo(SvFile* file, int id)
{
    if (!file || id < 0 || id >= MAX_DATAFILES) return 0;
    static const int expected[5] = {'h', 'b', 'l', 'x', 3};
    if (SvSeek(file, 0) != 0) return 0;
    for (int c : expected)
        if (SvGetc(file) != c) return 0;
    int32_t tag_info = 0, tag_data = 0;
    if (SvReadInt32At(file, 54, &tag_info) != 0 || SvReadInt32At(file, 58, &tag_data) != 0) return 0;
    InfoBlock block;
    if (!ReadInfoBlock(file, tag_info, tag_data, &block)) return 0;
    GetInfoItem(block, "|IA", datafile[id].abbrev, sizeof datafile[id].abbrev);
    GetInfoItem(block, "|IT", datafile[id].title, sizeof datafile[id].title);
    return 1;
}
