#include "lex/lex_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/info_block.h"
#include "books/sbk_reader.h"
#include "text/collation.h"

LXRECORD g_lx_record;

namespace {

constexpr int64_t kHeaderSize = 1024;
constexpr int64_t kBookEntrySize = 60;
constexpr int kMaxBody = 128000;
constexpr int kMaxHeader = 4096;

bool CheckSignature(SvFile* file)
{
    static const int expected[5] = {'h', 'b', 'l', 'x', 3};
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

void ReadField(SvFile* file, char* out, std::size_t size)
{
    std::memset(out, 0, size);
    SvRead(file, out, size);
    out[size - 1] = '\0';
}

SvFile* RecordFile(const LXRECORD* r)
{
    if (!r || r->id_file < 0 || r->id_file >= MAX_DATAFILES) return nullptr;
    const DATAFILE& f = datafile[r->id_file];
    return f.opened ? f.file : nullptr;
}

// The numbers after the marker at offset: delka, header_delka, cislo, deleted.
// The file is left after the last comma.
bool ReadNumbers(SvFile* file, int64_t marker, int32_t n[4])
{
    if (SvSeek(file, marker + 4) != 0) return false;
    for (int k = 0; k < 4; ++k) {
        n[k] = GetPositiveNumberFromFile(file);
        if (n[k] < 0) return false;
    }
    return true;
}

// Strong's reference after "|R": the language letter and at most 7 more
// characters up to "|". Returns false when it is too long or unterminated.
bool CopyStrong(const char* from, const char* end, char out[10])
{
    const char* p = from;
    int n = 0;
    while (p < end && *p != '|') {
        if (n >= 8) return false;
        out[n++] = *p++;
    }
    if (p >= end) return false;
    out[n] = '\0';
    return true;
}

// Header, mode 0: filler, "|SK", keyword, "|Sk", optionally "|R" + letter +
// digits + "|". The file stands after the four numbers.
int ParseHeaderQuick(SvFile* file, LXRECORD* r)
{
    int c;
    while ((c = SvGetc(file)) != '|')
        if (c < 0) return 0;
    if (SvGetc(file) != 'S' || SvGetc(file) != 'K') return 0;
    int n = 0;
    for (;;) {
        c = SvGetc(file);
        if (c < 0) return 0;
        if (c == '|') break;
        if (n >= 127) return 0;
        r->slovo[n++] = static_cast<char>(c);
    }
    r->slovo[n] = '\0';
    SvGetc(file);  // "S"
    SvGetc(file);  // "k"
    r->strong[0] = '\0';
    if (SvGetc(file) != '|' || SvGetc(file) != 'R') return 1;
    c = SvGetc(file);
    if (c != 'H' && c != 'G') {
        ReportBug(2, "LX_CtiRecord: after |Sk found |R but without 'G' or 'H'!");
        return 0;
    }
    char s[10];
    s[0] = static_cast<char>(c);
    int k = 1;
    for (;;) {
        c = SvGetc(file);
        if (c < 0) return 0;
        if (c == '|') break;
        if (k >= 8) return 0;
        s[k++] = static_cast<char>(c);
    }
    s[k] = '\0';
    std::memcpy(r->strong, s, sizeof s);
    return 1;
}

const char* Find(const char* from, const char* end, const char* what)
{
    const std::size_t n = std::strlen(what);
    if (end - from < static_cast<std::ptrdiff_t>(n)) return nullptr;
    const char* hit = std::search(from, end, what, what + n);
    return hit == end ? nullptr : hit;
}

// Header, mode 1: the header_delka bytes from "|SK" in one piece, then the
// body.
int ParseHeaderFull(SvFile* file, LXRECORD* r)
{
    int c;
    while ((c = SvGetc(file)) != '|')
        if (c < 0) return 0;
    const int64_t sk = SvTell(file) - 1;
    if (r->header_delka >= kMaxHeader || r->header_delka < 3) return 0;
    char h[kMaxHeader];
    if (SvSeek(file, sk) != 0) return 0;
    const std::size_t len = static_cast<std::size_t>(r->header_delka);
    if (SvRead(file, h, len) != len) return 0;
    const char* end = h + len;
    if (h[0] != '|' || h[1] != 'S' || h[2] != 'K') return 0;

    const char* sk_end = Find(h + 3, end, "|Sk");
    if (!sk_end || sk_end - (h + 3) >= 128) return 0;
    std::memcpy(r->slovo, h + 3, static_cast<std::size_t>(sk_end - (h + 3)));
    r->slovo[sk_end - (h + 3)] = '\0';

    r->strong[0] = '\0';
    if (const char* rh = Find(h, end, "|RH")) {
        if (!CopyStrong(rh + 2, end, r->strong)) return 0;
    }
    if (const char* rg = Find(h, end, "|RG")) {
        if (!CopyStrong(rg + 2, end, r->strong)) return 0;
    }

    std::memset(r->extra, 0, sizeof r->extra);
    r->extra_delka = 0;
    if (const char* se = Find(h, end, "|SE")) {
        if (se + 3 < end) {
            const int l = static_cast<unsigned char>(se[3]);
            const int have = static_cast<int>(end - (se + 4));
            const int take = std::min(l, have);
            std::memcpy(r->extra, se + 4, static_cast<std::size_t>(take));
            r->extra_delka = take;
        }
    }

    for (int n = 0; n < 10; ++n) r->item[n][0] = '\0';
    for (int n = 0; n < 10; ++n) {
        const char open[5] = {'|', 'S', 'H', static_cast<char>('0' + n), '\0'};
        const char close[5] = {'|', 'S', 'h', static_cast<char>('0' + n), '\0'};
        const char* o = Find(h, end, open);
        if (!o) break;
        const char* e = Find(o + 4, end, close);
        if (!e) return 0;
        const std::size_t l = std::min<std::size_t>(static_cast<std::size_t>(e - (o + 4)), 255);
        std::memcpy(r->item[n], o + 4, l);
        r->item[n][l] = '\0';
    }

    const int body = r->delka - r->header_delka;
    if (body < 0 || body > kMaxBody) return 0;
    if (SvSeek(file, sk + r->header_delka) != 0) return 0;
    const std::size_t want = static_cast<std::size_t>(std::min(body, kMaxBody - 1));
    const std::size_t got = SvRead(file, r->buffer, want);
    r->buffer[got] = '\0';
    return 1;
}

int ParseRecord(SvFile* file, LXRECORD* r, int64_t marker, const int32_t n[4], int mode)
{
    r->offset = static_cast<int32_t>(marker);
    r->delka = n[0];
    r->header_delka = n[1];
    r->cislo = n[2];
    return mode == 1 ? ParseHeaderFull(file, r) : ParseHeaderQuick(file, r);
}

int ReadForward(SvFile* file, LXRECORD* r, int mode)
{
    int64_t at = std::max<int64_t>(r->offset, 0);
    for (;;) {
        const int64_t marker = SvFindMarker(file, at, -1, '1');
        if (marker < 0) return 0;
        int32_t n[4];
        if (!ReadNumbers(file, marker, n)) return 0;
        if (n[3] == 1) {
            // Deleted: the body ends at least 12 + delka bytes after the marker.
            at = marker + 12 + n[0];
            continue;
        }
        return ParseRecord(file, r, marker, n, mode);
    }
    return 0;
}

int ReadBackward(SvFile* file, LXRECORD* r, int mode)
{
    int64_t offset = r->offset;
    for (;;) {
        const int64_t marker = SvFindMarkerBackward(file, offset, kHeaderSize, '1');
        if (marker <= kHeaderSize) return 0;
        int32_t n[4];
        if (!ReadNumbers(file, marker, n)) return 0;
        if (n[3] == 1) {
            offset = marker;  // the next block ends before this marker
            continue;
        }
        return ParseRecord(file, r, marker, n, mode);
    }
}

struct Bound {
    int32_t number;
    int32_t offset;
};

} // namespace

int ScanLEXInfo(SvFile* file, int id)
{
    if (!file || id < 0 || id >= MAX_DATAFILES) return 0;
    if (!CheckSignature(file)) return 0;
    int32_t tag_info = 0, tag_data = 0;
    if (SvReadInt32At(file, 54, &tag_info) != 0 || SvReadInt32At(file, 58, &tag_data) != 0) return 0;
    InfoBlock block;
    if (!ReadInfoBlock(file, tag_info, tag_data, &block)) return 0;
    GetInfoItem(block, "|IA", datafile[id].abbrev, sizeof datafile[id].abbrev);
    GetInfoItem(block, "|IT", datafile[id].title, sizeof datafile[id].title);
    return 1;
}

int ScanLEXInfoEx(SvFile* file, int id)
{
    if (!file || id < 0 || id >= MAX_DATAWINDOWS) return 0;
    if (!CheckSignature(file)) return 0;
    const int64_t filesize = SvFileSize(file);
    if (filesize < kHeaderSize) return 0;
    unsigned char h[kHeaderSize];
    SvSeek(file, 0);
    if (SvRead(file, h, sizeof h) != sizeof h) return 0;

    const int32_t books = Int32At(h, 38);
    const int32_t labels = Int32At(h, 42);
    const int32_t strong_offset = Int32At(h, 50);
    const int32_t tag_info = Int32At(h, 54);
    const int32_t tag_data = Int32At(h, 58);
    const int32_t records_all = Int32At(h, 62);
    // The tables must lie inside the file and in their order; a record
    // takes more than one byte, so the record count is bounded by the size.
    if (books < 0 || kHeaderSize + kBookEntrySize * books > filesize) return 0;
    const int64_t book_end = kHeaderSize + kBookEntrySize * books;
    if (tag_info < book_end || tag_data < tag_info || tag_data > filesize) return 0;
    if (strong_offset != 0 && (strong_offset < book_end || strong_offset > tag_info)) return 0;
    if (records_all < 0 || records_all > filesize) return 0;

    DATAWINDOW& w = datawindow[id];
    w.language = h[5];
    w.lx_keyword_charset = h[8];
    w.lx_header_charset = h[9];
    for (int k = 0; k < 8; ++k) w.lx_charset[k] = h[10 + k];
    int32_t* const tag[13] = {&w.tag_preface, &w.tag_christ, &w.tag_note, &w.tag_variant, &w.tag_unused,
                              &w.tag_reference, &w.tag_keyword_reference, &w.tag_strong_hebrew,
                              &w.tag_strong_greek, &w.tag_bold, &w.tag_italic, &w.tag_morph_hebrew,
                              &w.tag_morph_greek};
    int32_t* const show[13] = {&w.show_tag_preface, &w.show_tag_christ, &w.show_tag_note,
                               &w.show_tag_variant, &w.show_tag_unused, &w.show_tag_reference,
                               &w.show_tag_keyword_reference, &w.show_tag_strong_hebrew,
                               &w.show_tag_strong_greek, &w.show_tag_bold, &w.show_tag_italic,
                               &w.show_tag_morph_hebrew, &w.show_tag_morph_greek};
    for (int k = 0; k < 13; ++k) {
        const unsigned b = h[18 + k] & 3u;
        *tag[k] = static_cast<int32_t>(b & 1u);
        *show[k] = (b == 1 || b == 2) ? 1 : 0;
    }
    w.tag_morph_greek_type = h[31];
    w.tag_advanced = 1;
    w.lx_keyword_strong = h[36];
    w.lx_extra_data = h[37];
    w.lx_pocet_zahlavi = std::clamp<int32_t>(labels, 0, 10);
    w.lx_book_info_offset = Int32At(h, 46);
    w.lx_strong_offset = strong_offset;
    w.lx_tag_info_offset = tag_info;
    w.lx_tag_data_offset = tag_data;
    w.lx_records_all = records_all;
    w.lx_deleted_records = Int32At(h, 66);
    w.no_jumps = h[70];
    w.sync = h[71] ^ 1;
    for (int k = 0; k < 10; ++k) {
        LX_ZAHLAVI& z = w.lx_zahlavi[k];
        std::memcpy(z.zah_label, h + 240 + 24 * k, sizeof z.zah_label);
        z.zah_label[sizeof z.zah_label - 1] = '\0';
        z.zah_flag1 = h[240 + 24 * k + 20];
        z.zah_flag2 = h[240 + 24 * k + 21];
        z.zah_flag3 = h[240 + 24 * k + 22];
        z.zah_flag4 = h[240 + 24 * k + 23];
    }
    // Collation: the alphabet in razeni[0], one tie flag per 2-byte entry in razeni[1].
    SetSortTable(h + 512, h + 480, w.razeni[0]);

    std::free(w.book_info);
    std::free(w.lx_strong_index);
    std::free(w.lx_filter);
    w.book_info = nullptr;
    w.lx_strong_index = nullptr;
    w.lx_filter = nullptr;
    w.books = 0;
    w.lx_strong_records = 0;

    auto release = [&]() {
        std::free(w.book_info);
        std::free(w.lx_strong_index);
        std::free(w.lx_filter);
        w.book_info = nullptr;
        w.lx_strong_index = nullptr;
        w.lx_filter = nullptr;
        w.books = 0;
        w.lx_strong_records = 0;
        return 0;
    };
    auto no_memory = [&](std::size_t bytes) {
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR, static_cast<int>(bytes));
        return release();
    };

    const std::size_t filter_bytes = static_cast<std::size_t>(records_all);
    w.lx_filter = static_cast<char*>(std::calloc(filter_bytes > 0 ? filter_bytes : 1, 1));
    if (!w.lx_filter) return no_memory(filter_bytes);
    w.lx_filter_hits = records_all;

    BOOK_INFO* table = static_cast<BOOK_INFO*>(std::calloc(books > 0 ? books : 1, sizeof(BOOK_INFO)));
    if (!table) return no_memory(static_cast<std::size_t>(books) * sizeof(BOOK_INFO));
    SvSeek(file, kHeaderSize);
    for (int32_t b = 0; b < books; ++b) {
        BOOK_INFO& info = table[b];
        ReadField(file, info.name, sizeof info.name);
        ReadField(file, info.abbrev_name, sizeof info.abbrev_name);
        ReadField(file, info.sync_name, sizeof info.sync_name);
        unsigned char unused[12];
        SvRead(file, unused, sizeof unused);
        info.length = 0;
        info.offset = 0;
        info.chapters = 0;
    }
    w.book_info = table;
    w.books = books;

    if (strong_offset != 0) {
        const int32_t count = (tag_info - strong_offset) / 8;
        LX_STRONG_INDEX* index =
            static_cast<LX_STRONG_INDEX*>(std::calloc(count > 0 ? count : 1, sizeof(LX_STRONG_INDEX)));
        if (!index) return no_memory(static_cast<std::size_t>(count) * sizeof(LX_STRONG_INDEX));
        SvSeek(file, strong_offset);
        for (int32_t k = 0; k < count; ++k) {
            unsigned char e[8];
            SvRead(file, e, sizeof e);
            index[k].strong = static_cast<uint32_t>(Int32At(e, 0));
            index[k].offset = static_cast<uint32_t>(Int32At(e, 4));
        }
        w.lx_strong_index = index;
        w.lx_strong_records = count;
    }

    InfoBlock block;
    bool alloc_failed = false;
    if (!ReadInfoBlock(file, tag_info, tag_data, &block, &alloc_failed))
        return alloc_failed ? no_memory(static_cast<std::size_t>(tag_data - tag_info)) : release();
    GetInfoItem(block, "|IA", w.abbrev, sizeof w.abbrev);
    GetInfoItem(block, "|IT", w.title, sizeof w.title);
    GetInfoItem(block, "|II", w.info, sizeof w.info);
    GetInfoItem(block, "|IC", w.copyright, sizeof w.copyright);
    GetInfoItem(block, "|IP", w.contact, sizeof w.contact);
    GetInfoItem(block, "|IU", w.url, sizeof w.url);

    w.filesize = static_cast<int32_t>(filesize > INT32_MAX ? INT32_MAX : filesize);
    return 1;
}

int LX_CtiRecord(LXRECORD* lxrecord, int direction, int mode)
{
    SvFile* file = RecordFile(lxrecord);
    if (!file) return 0;
    return direction == 1 ? ReadBackward(file, lxrecord, mode) : ReadForward(file, lxrecord, mode);
}

int LX_FindRecordAtOrAfter(int id, int number, LXRECORD* out)
{
    if (id < 0 || id >= MAX_DATAWINDOWS || !out) return 0;
    const DATAWINDOW& w = datawindow[id];
    out->id_file = w.id_file;
    out->offset = w.lx_tag_data_offset;
    if (!LX_CtiRecord(out, 0, 0)) return 0;
    Bound left{out->cislo, out->offset};
    if (number <= left.number) return 1;
    out->offset = w.filesize;
    if (!LX_CtiRecord(out, 1, 0)) return 0;
    Bound right{out->cislo, out->offset};
    if (number > right.number) return 0;
    if (number == right.number) return 1;

    int32_t previous = -1;
    while (right.number - left.number >= 3) {
        const int32_t middle = static_cast<int32_t>((static_cast<int64_t>(left.offset) + right.offset) / 2);
        if (middle == previous) break;
        previous = middle;
        out->offset = middle;
        if (!LX_CtiRecord(out, 0, 0)) break;
        if (out->cislo < number) left = Bound{out->cislo, out->offset};
        else right = Bound{out->cislo, out->offset};
    }
    // Walk from the left bound; its number is below the wanted one unless it
    // is the first record.
    out->offset = left.offset;
    for (int32_t steps = 0; steps <= right.number - left.number + 1; ++steps) {
        if (!LX_CtiRecord(out, 0, 0)) return 0;
        if (out->cislo >= number) return 1;
        out->offset = out->offset + out->delka + 12;
    }
    return 0;
}

int LX_SearchRecord(int id, int number)
{
    if (id < 0 || id >= MAX_DATAWINDOWS || number < 1) return 0;
    LXRECORD& r = g_lx_record;
    if (!LX_FindRecordAtOrAfter(id, number, &r)) return 0;
    return r.cislo == number ? r.offset : 0;
}

int32_t LX_StrongNumber(const char* strong)
{
    if (!strong || !strong[0] || !strong[1]) return -1;
    int32_t value = 0;
    for (const char* p = strong + 1; *p; ++p) {
        if (*p < '0' || *p > '9') return -1;
        if (value > 99999999) return -1;
        value = value * 10 + (*p - '0');
    }
    return value;
}

int LX_SearchFirstStrong(int id, int language, int number, int record)
{
    if (id < 0 || id >= MAX_DATAWINDOWS) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (!w.lx_strong_index || w.lx_strong_records <= 0) return 0;
    LXRECORD& r = g_lx_record;
    if (!LX_FindRecordAtOrAfter(id, std::max(record, 1), &r)) return 0;
    const uint32_t start = static_cast<uint32_t>(r.offset);
    const char letter = language == 1 ? 'H' : language == 2 ? 'G' : '\0';
    if (!letter || number < 0) return 0;
    for (int32_t k = 0; k < w.lx_strong_records; ++k) {
        const LX_STRONG_INDEX& e = w.lx_strong_index[k];
        if (e.strong != static_cast<uint32_t>(number) || e.offset < start || e.offset > INT32_MAX) continue;
        r.id_file = w.id_file;
        r.offset = static_cast<int32_t>(e.offset);
        if (!LX_CtiRecord(&r, 0, 0)) return 0;
        if (r.strong[0] == letter && LX_StrongNumber(r.strong) == number) return r.cislo;
    }
    return 0;
}

int LX_PasteHeadersToBuffer(LXRECORD* lxrecord, int bufsize, int items)
{
    if (!lxrecord) return 0;
    bufsize = std::min<int>(bufsize, static_cast<int>(sizeof lxrecord->buffer));
    if (bufsize <= 0) return 0;
    lxrecord->buffer[bufsize - 1] = '\0';
    std::size_t len = std::strlen(lxrecord->buffer);
    items = std::clamp(items, 0, 10);
    for (int n = 0; n < items; ++n) {
        const std::size_t l = strnlen(lxrecord->item[n], sizeof lxrecord->item[n]);
        if (len + 1 + l >= static_cast<std::size_t>(bufsize)) {
            lxrecord->buffer[len] = '\0';
            return 0;
        }
        lxrecord->buffer[len++] = 1;
        std::memcpy(lxrecord->buffer + len, lxrecord->item[n], l);
        len += l;
    }
    lxrecord->buffer[len] = '\0';
    return 1;
}
