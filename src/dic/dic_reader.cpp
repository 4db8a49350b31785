#include "dic/dic_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/info_block.h"
#include "books/sbk_reader.h"
#include "text/collation.h"

DICRECORD g_dic_record;

namespace {

constexpr int64_t kHeaderSize = 1024;
constexpr int64_t kCollationEnd = 2112;  // two alphabets of 512 and two bitmaps of 32 bytes
constexpr int32_t kMaxText = 128;
constexpr int32_t kMaxNote = 2;

bool CheckSignature(SvFile* file)
{
    static const int expected[5] = {'h', 'b', 'd', 'i', 5};
    if (SvSeek(file, 0) != 0) return false;
    for (int c : expected)
        if (SvGetc(file) != c) return false;
    return true;
}

int32_t Int32At(const unsigned char* h, int at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(h[at]) | (static_cast<uint32_t>(h[at + 1]) << 8) |
                                (static_cast<uint32_t>(h[at + 2]) << 16) | (static_cast<uint32_t>(h[at + 3]) << 24));
}

bool ValidWindow(int id)
{
    return id >= 0 && id < MAX_DATAWINDOWS;
}

SvFile* RecordFile(const DICRECORD* r)
{
    if (!r || r->id_file < 0 || r->id_file >= MAX_DATAFILES) return nullptr;
    const DATAFILE& f = datafile[r->id_file];
    return f.opened ? f.file : nullptr;
}

// Where the records of module id_file begin: the data offset of a dictionary
// window that shows it, else the end of the header. Markers before it (bytes
// of the binary index can spell "|S2") are never taken.
int64_t RecordFloor(int32_t id_file)
{
    for (int i = 0; i < MAX_DATAWINDOWS; ++i) {
        const DATAWINDOW& w = datawindow[i];
        if (w.type == MODULE_DICTIONARY && w.id_file == id_file && w.dic_data_offset > kHeaderSize)
            return w.dic_data_offset;
    }
    return kHeaderSize;
}

// Reads one text of stored length len (its NUL included) into out.
bool ReadText(SvFile* file, int32_t len, char* out, std::size_t size)
{
    std::memset(out, 0, size);
    if (len <= 0) return true;
    if (SvRead(file, out, static_cast<std::size_t>(len)) != static_cast<std::size_t>(len)) return false;
    out[std::min<std::size_t>(static_cast<std::size_t>(len), size) - 1] = '\0';
    return true;
}

// The record whose marker is at marker.
int ParseRecord(SvFile* file, DICRECORD* r, int64_t marker)
{
    if (SvSeek(file, marker + 4) != 0) return 0;
    int32_t n[4];
    for (int k = 0; k < 4; ++k) {
        n[k] = GetPositiveNumberFromFile(file);
        if (n[k] < 0) return 0;
    }
    if (n[0] > kMaxText || n[1] > kMaxText || n[2] > kMaxNote || n[3] < 1) return 0;
    const int64_t texts = SvTell(file);
    r->offset = static_cast<int32_t>(marker);
    r->delka_from = n[0];
    r->delka_to = n[1];
    r->delka_note = n[2];
    r->cislo = n[3];
    r->delka_recordu = static_cast<int32_t>(texts - marker) + n[0] + n[1] + n[2];
    if (!ReadText(file, n[0], r->from, sizeof r->from)) return 0;
    if (!ReadText(file, n[1], r->to, sizeof r->to)) return 0;
    if (!ReadText(file, n[2], r->note, sizeof r->note)) return 0;
    return 1;
}

int ReadForward(SvFile* file, DICRECORD* r)
{
    const int64_t marker = SvFindMarker(file, std::max<int64_t>(r->offset, RecordFloor(r->id_file)), -1, '2');
    return marker >= 0 ? ParseRecord(file, r, marker) : 0;
}

int ReadBackward(SvFile* file, DICRECORD* r)
{
    // Never below the record area: the bytes of the binary index can spell a marker.
    const int64_t floor = std::max<int64_t>(RecordFloor(r->id_file), kHeaderSize);
    const int64_t marker = SvFindMarkerBackward(file, r->offset, floor, '2');
    if (marker <= kHeaderSize) return 0;
    return ParseRecord(file, r, marker);
}

struct Bound {
    int32_t number;
    int32_t offset;
};

} // namespace

int ScanDICInfo(SvFile* file, int id)
{
    if (!file || id < 0 || id >= MAX_DATAFILES) return 0;
    if (!CheckSignature(file)) return 0;
    int32_t tag_info = 0, index_offset = 0;
    if (SvReadInt32At(file, 10, &tag_info) != 0 || SvReadInt32At(file, 14, &index_offset) != 0) return 0;
    InfoBlock block;
    if (!ReadInfoBlock(file, tag_info, index_offset, &block)) return 0;
    GetInfoItem(block, "|IA", datafile[id].abbrev, sizeof datafile[id].abbrev);
    GetInfoItem(block, "|IT", datafile[id].title, sizeof datafile[id].title);
    return 1;
}

int ScanDICInfoEx(SvFile* file, int id)
{
    if (!file || !ValidWindow(id)) return 0;
    if (!CheckSignature(file)) return 0;
    const int64_t filesize = SvFileSize(file);
    if (filesize < kCollationEnd) return 0;
    unsigned char h[kHeaderSize];
    SvSeek(file, 0);
    if (SvRead(file, h, sizeof h) != sizeof h) return 0;

    const int32_t tag_info = Int32At(h, 10);
    const int32_t index_offset = Int32At(h, 14);
    const int32_t data_offset = Int32At(h, 18);
    const int32_t records_all = Int32At(h, 22);
    // The areas must lie inside the file and in their order, and the index
    // must hold one entry per record.
    if (tag_info < kCollationEnd || index_offset < tag_info || data_offset < index_offset || data_offset > filesize)
        return 0;
    if (records_all < 0 || static_cast<int64_t>(data_offset - index_offset) != 4 * static_cast<int64_t>(records_all))
        return 0;

    DATAWINDOW& w = datawindow[id];
    w.dic_lang_from = h[5];
    w.dic_lang_to = h[6];
    w.dic_charset_from = h[7];
    w.dic_charset_to = h[8];
    w.dic_charset_note = h[9];
    w.dic_tag_info_offset = tag_info;
    w.dic_index_offset = index_offset;
    w.dic_data_offset = data_offset;
    w.dic_records_all = records_all;
    w.dic_direction = 0;
    for (int k = 0; k < 2; ++k) {
        std::memcpy(w.dic_dicname[k], h + 30 + 64 * k, sizeof w.dic_dicname[k]);
        w.dic_dicname[k][sizeof w.dic_dicname[k] - 1] = '\0';
    }
    // Collation A (alphabet then bitmap) and collation B after it.
    unsigned char tables[kCollationEnd - kHeaderSize];
    if (SvRead(file, tables, sizeof tables) != sizeof tables) return 0;
    SetSortTable(tables, tables + 512, w.razeni[0]);
    SetSortTable(tables + 544, tables + 1056, w.razeni[2]);

    std::free(w.dic_index);
    std::free(w.dic_filter);
    w.dic_index = nullptr;
    w.dic_filter = nullptr;
    auto release = [&]() {
        std::free(w.dic_index);
        std::free(w.dic_filter);
        w.dic_index = nullptr;
        w.dic_filter = nullptr;
        w.dic_records_all = 0;
        w.dic_filter_hits = 0;
        return 0;
    };
    auto no_memory = [&](std::size_t bytes) {
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR, static_cast<int>(bytes));
        return release();
    };

    const std::size_t count = static_cast<std::size_t>(records_all);
    w.dic_index = static_cast<int32_t*>(std::calloc(count > 0 ? count : 1, sizeof(int32_t)));
    if (!w.dic_index) return no_memory(count * sizeof(int32_t));
    w.dic_filter = static_cast<char*>(std::calloc(count > 0 ? count : 1, 1));
    if (!w.dic_filter) return no_memory(count);
    w.dic_filter_hits = records_all;
    if (count > 0) {
        unsigned char* raw = static_cast<unsigned char*>(std::malloc(count * 4));
        if (!raw) return no_memory(count * 4);
        const bool ok = SvSeek(file, index_offset) == 0 && SvRead(file, raw, count * 4) == count * 4;
        if (ok)
            for (std::size_t k = 0; k < count; ++k) w.dic_index[k] = Int32At(raw, static_cast<int>(4 * k));
        std::free(raw);
        if (!ok) return release();
    }

    InfoBlock block;
    bool alloc_failed = false;
    if (!ReadInfoBlock(file, tag_info, index_offset, &block, &alloc_failed))
        return alloc_failed ? no_memory(static_cast<std::size_t>(index_offset - tag_info)) : release();
    GetInfoItem(block, "|IA", w.abbrev, sizeof w.abbrev);
    GetInfoItem(block, "|IT", w.title, sizeof w.title);
    GetInfoItem(block, "|II", w.info, sizeof w.info);
    GetInfoItem(block, "|IC", w.copyright, sizeof w.copyright);
    GetInfoItem(block, "|IP", w.contact, sizeof w.contact);
    GetInfoItem(block, "|IU", w.url, sizeof w.url);

    w.filesize = static_cast<int32_t>(filesize > INT32_MAX ? INT32_MAX : filesize);
    return 1;
}

int DIC_CtiRecord(DICRECORD* dicrecord, int direction)
{
    SvFile* file = RecordFile(dicrecord);
    if (!file) return 0;
    return direction == 1 ? ReadBackward(file, dicrecord) : ReadForward(file, dicrecord);
}

int DIC_FindRecordAtOrAfter(int id, int number, DICRECORD* out)
{
    if (!ValidWindow(id) || !out) return 0;
    const DATAWINDOW& w = datawindow[id];
    out->id_file = w.id_file;
    out->offset = w.dic_data_offset;
    if (!DIC_CtiRecord(out, 0)) return 0;
    Bound left{out->cislo, out->offset};
    if (number <= left.number) return 1;
    out->offset = w.filesize;
    if (!DIC_CtiRecord(out, 1)) return 0;
    Bound right{out->cislo, out->offset};
    if (number > right.number) return 0;
    if (number == right.number) return 1;

    int32_t previous = -1;
    while (right.number - left.number >= 3) {
        const int32_t middle = static_cast<int32_t>((static_cast<int64_t>(left.offset) + right.offset) / 2);
        if (middle == previous) break;
        previous = middle;
        out->offset = middle;
        if (!DIC_CtiRecord(out, 0)) break;
        if (out->cislo < number) left = Bound{out->cislo, out->offset};
        else right = Bound{out->cislo, out->offset};
    }
    // Walk from the left bound, record after record.
    out->offset = left.offset;
    for (int32_t steps = 0; steps <= right.number - left.number + 1; ++steps) {
        if (!DIC_CtiRecord(out, 0)) return 0;
        if (out->cislo >= number) return 1;
        out->offset = out->offset + out->delka_recordu;
    }
    return 0;
}

int DIC_SearchRecord(int id, int number)
{
    if (!ValidWindow(id) || number < 1) return 0;
    DICRECORD& r = g_dic_record;
    if (!DIC_FindRecordAtOrAfter(id, number, &r)) return 0;
    return r.cislo == number ? r.offset : 0;
}

int DIC_ReadIndexRecord(int id, int k, DICRECORD* out)
{
    if (!ValidWindow(id) || !out) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (!w.dic_index || k < 1 || k > w.dic_records_all) return 0;
    const int32_t at = w.dic_index[k - 1];
    if (at < w.dic_data_offset || at <= kHeaderSize || at >= w.filesize) return 0;
    out->id_file = w.id_file;
    out->offset = at;
    // The entry must name a marker: a read that resynchronises further on
    // is a broken index.
    return DIC_CtiRecord(out, 0) && out->offset == at ? 1 : 0;
}

int DIC_GetOppositeIndexFromOffset(int id, int offset)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (!w.dic_index) return 0;
    for (int32_t k = 0; k < w.dic_records_all; ++k)
        if (w.dic_index[k] == offset) return k + 1;
    return 0;
}

int DIC_GetLanguage(int id, int which)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    const bool from = (w.dic_direction == 0) == (which == 0);
    return from ? w.dic_lang_from : w.dic_lang_to;
}

int DIC_IsActualComboLangHE(int id)
{
    return DIC_GetLanguage(id, 0) == SCRIPT_HEBREW ? 1 : 0;
}

int DIC_IsActualComboLangGR(int id)
{
    return DIC_GetLanguage(id, 0) == SCRIPT_GREEK ? 1 : 0;
}

const char* DIC_SourceText(int id, const char* from, const char* to, int which)
{
    const int direction = ValidWindow(id) ? datawindow[id].dic_direction : 0;
    return (direction == 0) == (which == 0) ? from : to;
}
