#include "books/sbk_reader.h"

#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/info_block.h"
#include "text/collation.h"

namespace {

constexpr int64_t kHeaderSize = 1024;
constexpr int64_t kBookEntrySize = 60;

// "hbbk" and version 2, read one byte at a time.
bool CheckSignature(SvFile* file)
{
    static const int expected[5] = {'h', 'b', 'b', 'k', 2};
    if (SvSeek(file, 0) != 0) return false;
    for (int c : expected)
        if (SvGetc(file) != c) return false;
    return true;
}

int ByteAt(SvFile* file, int64_t offset)
{
    if (SvSeek(file, offset) != 0) return -1;
    return SvGetc(file);
}

// The info block bounds at offsets 18 and 22; both inside the file, in order.
bool ReadInfoBounds(SvFile* file, int32_t* tag_info, int32_t* tag_data)
{
    if (SvReadInt32At(file, 18, tag_info) != 0 || SvReadInt32At(file, 22, tag_data) != 0) return false;
    return *tag_info >= 0 && *tag_data >= *tag_info && *tag_data <= SvFileSize(file);
}

void ReadField(SvFile* file, char* out, std::size_t size)
{
    std::memset(out, 0, size);
    SvRead(file, out, size);
    out[size - 1] = '\0';
}

int32_t ReadInt32(SvFile* file)
{
    unsigned char b[4] = {0, 0, 0, 0};
    SvRead(file, b, 4);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                                (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

} // namespace

int ScanSBKInfo(SvFile* file, int index)
{
    if (!file || index < 0 || index >= MAX_DATAFILES) return 0;
    if (!CheckSignature(file)) return 0;
    int32_t tag_info = 0, tag_data = 0;
    if (!ReadInfoBounds(file, &tag_info, &tag_data)) return 0;
    InfoBlock block;
    if (!ReadInfoBlock(file, tag_info, tag_data, &block)) return 0;
    DATAFILE& entry = datafile[index];
    GetInfoItem(block, "|IA", entry.abbrev, sizeof entry.abbrev);
    GetInfoItem(block, "|IT", entry.title, sizeof entry.title);
    return 1;
}

int ScanSBKInfoEx(SvFile* file, int id)
{
    if (!file || id < 0 || id >= MAX_DATAWINDOWS) return 0;
    if (!CheckSignature(file)) return 0;
    DATAWINDOW& w = datawindow[id];
    const int64_t filesize = SvFileSize(file);

    int language = ByteAt(file, 5);
    int32_t books = 0;
    if (language < 0 || SvReadInt32At(file, 6, &books) != 0) return 0;
    // The book table must lie inside the file; this also bounds the count.
    if (books < 0 || kHeaderSize + kBookEntrySize * books > filesize) return 0;
    int32_t tag_info = 0, tag_data = 0;
    if (!ReadInfoBounds(file, &tag_info, &tag_data)) return 0;

    w.language = language;
    w.books = books;
    SvSeek(file, 10);
    for (int k = 0; k < 8; ++k) w.charset[k] = SvGetc(file);
    w.tag_info = tag_info;
    w.tag_data = tag_data;

    std::free(w.book_info);
    w.book_info = nullptr;
    std::size_t table_bytes = static_cast<std::size_t>(books) * sizeof(BOOK_INFO);
    BOOK_INFO* table = static_cast<BOOK_INFO*>(std::calloc(books > 0 ? books : 1, sizeof(BOOK_INFO)));
    if (!table) {
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR, static_cast<int>(table_bytes));
        w.books = 0;
        return 0;
    }
    SvSeek(file, kHeaderSize);
    for (int32_t b = 0; b < books; ++b) {
        BOOK_INFO& info = table[b];
        ReadField(file, info.name, sizeof info.name);
        ReadField(file, info.abbrev_name, sizeof info.abbrev_name);
        ReadField(file, info.sync_name, sizeof info.sync_name);
        info.length = ReadInt32(file);
        info.offset = ReadInt32(file);
        info.chapters = ReadInt32(file);
    }
    w.book_info = table;

    InfoBlock block;
    if (!ReadInfoBlock(file, tag_info, tag_data, &block)) {
        std::free(w.book_info);
        w.book_info = nullptr;
        w.books = 0;
        return 0;
    }
    GetInfoItem(block, "|IA", w.abbrev, sizeof w.abbrev);
    GetInfoItem(block, "|IT", w.title, sizeof w.title);
    GetInfoItem(block, "|II", w.info, sizeof w.info);
    GetInfoItem(block, "|IC", w.copyright, sizeof w.copyright);
    GetInfoItem(block, "|IP", w.contact, sizeof w.contact);
    GetInfoItem(block, "|IU", w.url, sizeof w.url);

    // Bytes 26 to 44: tag switches and window defaults (the header is at
    // least 1024 bytes long here, so every read succeeds).
    unsigned char h[45];
    SvSeek(file, 0);
    SvRead(file, h, sizeof h);
    w.tag_advanced = h[26];
    int32_t* const tag[12] = {&w.tag_preface, &w.tag_christ, &w.tag_note, &w.tag_variant,
                              &w.tag_unused, &w.tag_reference, &w.tag_strong_hebrew, &w.tag_strong_greek,
                              &w.tag_bold, &w.tag_italic, &w.tag_morph_hebrew, &w.tag_morph_greek};
    int32_t* const show[12] = {&w.show_tag_preface, &w.show_tag_christ, &w.show_tag_note, &w.show_tag_variant,
                               &w.show_tag_unused, &w.show_tag_reference, &w.show_tag_strong_hebrew,
                               &w.show_tag_strong_greek, &w.show_tag_bold, &w.show_tag_italic,
                               &w.show_tag_morph_hebrew, &w.show_tag_morph_greek};
    for (int k = 0; k < 12; ++k) {
        unsigned b = h[27 + k];
        *tag[k] = static_cast<int32_t>(b & 1);
        *show[k] = ((b & 3) == 1 || (b & 3) == 2) ? 1 : 0;
    }
    w.tag_morph_greek_type = h[39];
    w.show_tag_keyword_reference = 0;
    w.tag_keyword_reference = 0;
    w.sync = h[42] == 1 ? 0 : 1;
    w.scroll_verse = h[43] == 1 ? 0 : 1;
    w.no_jumps = h[44];

    // Collation: the table in razeni[0], one flag per 2-byte slot in razeni[1].
    ReadSortTable(file, 512, 480, w.razeni[0]);

    w.filesize = static_cast<int32_t>(filesize > INT32_MAX ? INT32_MAX : filesize);
    return 1;
}

int32_t GetPositiveNumberFromFile(SvFile* file)
{
    if (!file) return -1;
    int32_t value = 0;
    for (int i = 0; i < 9; ++i) {
        int c = SvGetc(file);
        if (c == ',') return i == 0 ? -1 : value;
        if (c < '0' || c > '9' || i == 8) return -1;
        value = value * 10 + (c - '0');
    }
    return -1;
}

SvFile* BK_WindowFile(int number)
{
    if (number < 0 || number >= MAX_DATAWINDOWS) return nullptr;
    int id_file = datawindow[number].id_file;
    if (id_file < 0 || id_file >= MAX_DATAFILES) return nullptr;
    const DATAFILE& entry = datafile[id_file];
    if (!entry.opened || !entry.file) return nullptr;
    return entry.file;
}

int64_t BK_FindRecordStart(SvFile* file, int64_t from, int64_t limit)
{
    return SvFindMarker(file, from, limit, '0');
}

int BK_ReadRecordHeader(SvFile* file, int64_t offset, BK_RECORD_HEADER* header)
{
    // The numbers are only read where a record really starts.
    char marker[3];
    if (!file || !header || SvSeek(file, offset) != 0 || SvRead(file, marker, 3) != 3) return 0;
    if (marker[0] != '|' || marker[1] != 'S' || marker[2] != '0') return 0;
    if (SvSeek(file, offset + 4) != 0) return 0;
    int32_t book = GetPositiveNumberFromFile(file);
    if (book < 0) return 0;
    int32_t chapter = GetPositiveNumberFromFile(file);
    if (chapter < 0) return 0;
    int32_t verse = GetPositiveNumberFromFile(file);
    if (verse < 0) return 0;
    int32_t length = GetPositiveNumberFromFile(file);
    if (length < 0) return 0;
    header->book = book;
    header->chapter = chapter;
    header->verse = verse;
    header->length = length;
    header->header_len = static_cast<int32_t>(SvTell(file) - offset);
    return 1;
}

int BK_CtiRecord(BOOK_RECORD* record)
{
    if (!record) return 0;
    SvFile* file = BK_WindowFile(record->book_position.number);
    if (!file || record->offset < 0) return 0;
    int64_t start = BK_FindRecordStart(file, record->offset);
    if (start < 0) return 0;
    record->offset = static_cast<int32_t>(start);

    if (SvSeek(file, start + 4) != 0) return 0;
    int32_t n = GetPositiveNumberFromFile(file);
    if (n < 0) return 0;
    record->book_position.book = n;
    if ((n = GetPositiveNumberFromFile(file)) < 0) return 0;
    record->book_position.chapter = n;
    if ((n = GetPositiveNumberFromFile(file)) < 0) return 0;
    record->book_position.verse = n;
    int32_t length = GetPositiveNumberFromFile(file);
    if (length < 0) return 0;
    if (length > BOOK_RECORD_BUFFER) length = BOOK_RECORD_BUFFER;

    // A text cut short by the end of the file is no record; the buffer is
    // left as it was.
    int64_t text = SvTell(file);
    if (text + length > SvFileSize(file)) return 0;
    SvRead(file, record->buffer, static_cast<std::size_t>(length));
    record->delka = length;
    record->buffer[length < BOOK_RECORD_BUFFER ? length : BOOK_RECORD_BUFFER - 1] = '\0';
    return 1;
}
