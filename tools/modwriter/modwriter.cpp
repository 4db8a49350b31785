#include "modwriter/modwriter.h"

#include "text/collation.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace modwriter {

namespace {

void PutInt32(std::string& out, std::size_t at, int32_t value)
{
    uint32_t v = static_cast<uint32_t>(value);
    for (int k = 0; k < 4; ++k) out[at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}

void AppendInt32(std::string& out, int32_t value)
{
    out.append(4, '\0');
    PutInt32(out, out.size() - 4, value);
}

// A fixed-size, NUL-padded field; the text is cut so that a NUL ends it.
void AppendField(std::string& out, const std::string& text, std::size_t size)
{
    std::string field = text.substr(0, size - 1);
    field.resize(size, '\0');
    out += field;
}

void PutField(std::string& out, std::size_t at, const std::string& text, std::size_t size)
{
    std::string field = text.substr(0, size - 1);
    field.resize(size, '\0');
    out.replace(at, size, field);
}

void AppendBookTable(std::string& out, const std::vector<Book>& books,
                     const std::vector<std::pair<int32_t, int32_t>>* runs)
{
    for (std::size_t b = 0; b < books.size(); ++b) {
        const Book& book = books[b];
        AppendField(out, book.name, 32);
        AppendField(out, book.abbrev_name, 8);
        AppendField(out, book.sync_name, 8);
        int32_t chapters = book.chapters;
        if (chapters < 0) {
            chapters = 0;
            for (const Verse& v : book.verses) chapters = std::max(chapters, v.chapter);
        }
        int32_t length = runs ? (*runs)[b].second : 0;
        int32_t offset = runs ? (*runs)[b].first : 0;
        if (runs && book.length_override) length = *book.length_override;
        if (runs && book.offset_override) offset = *book.offset_override;
        AppendInt32(out, length);
        AppendInt32(out, offset);
        AppendInt32(out, runs ? chapters : 0);
    }
}

} // namespace

std::string EncodeInfoBlock(const InfoItems& items)
{
    std::string out;
    for (const auto& [key, value] : items) out += "|" + key + value;
    out += "|";
    return out;
}

std::string EncodeCollationTable(const Collation& collation)
{
    std::string out(512, '\0');
    std::size_t n = std::min<std::size_t>(collation.letters.size(), 256);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& letter = collation.letters[i];
        if (!letter.empty()) out[2 * i] = letter[0];
        if (letter.size() > 1) out[2 * i + 1] = letter[1];
    }
    return out;
}

std::string EncodeCollationBitmap(const Collation& collation)
{
    std::string out(32, '\0');
    std::size_t n = std::min<std::size_t>(collation.joins_next.size(), 256);
    for (std::size_t i = 0; i < n; ++i)
        if (collation.joins_next[i]) out[i / 8] = static_cast<char>(out[i / 8] | (0x80 >> (i % 8)));
    return out;
}

std::string EncodeVerseRecord(int32_t book, int32_t chapter, int32_t verse, const std::string& text, char skipped)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%d,%d,%d,%d,", book, chapter, verse, static_cast<int>(text.size()));
    std::string out = "|S0";
    out += skipped;
    out += numbers;
    out += text;
    return out;
}

std::string BuildBookModule(const BookModule& m, BookLayout* layout)
{
    std::string header(1024, '\0');
    for (std::size_t k = 0; k < 4 && k < m.magic.size(); ++k) header[k] = m.magic[k];
    header[4] = static_cast<char>(m.version);
    header[5] = static_cast<char>(m.language);
    PutInt32(header, 6, m.book_count_override ? *m.book_count_override : static_cast<int32_t>(m.books.size()));
    for (int k = 0; k < 8; ++k) header[10 + k] = static_cast<char>(m.charset[k]);
    header[26] = static_cast<char>(m.tag_advanced);
    for (int k = 0; k < 12; ++k) header[27 + k] = static_cast<char>(m.tag_caps[k]);
    header[39] = static_cast<char>(m.morph_greek_type);
    header[42] = static_cast<char>(m.sync_byte);
    header[43] = static_cast<char>(m.scroll_byte);
    header[44] = static_cast<char>(m.no_jumps);
    header.replace(480, 32, EncodeCollationBitmap(m.collation));
    header.replace(512, 512, EncodeCollationTable(m.collation));

    const std::string info = m.info_block_override ? *m.info_block_override : EncodeInfoBlock(m.info);
    const int32_t tag_info = static_cast<int32_t>(1024 + 60 * m.books.size()) + m.info_gap;
    const int32_t tag_data = tag_info + static_cast<int32_t>(info.size());

    // Records first, so that the book table knows the runs.
    std::string records;
    std::vector<std::pair<int32_t, int32_t>> runs;
    BookLayout local;
    BookLayout& out = layout ? *layout : local;
    out = BookLayout{};
    for (std::size_t b = 0; b < m.books.size(); ++b) {
        int32_t run_start = tag_data + static_cast<int32_t>(records.size());
        for (const Verse& v : m.books[b].verses) {
            std::string rec = EncodeVerseRecord(static_cast<int32_t>(b + 1), v.chapter, v.verse, v.text, m.skipped_byte);
            int32_t at = tag_data + static_cast<int32_t>(records.size());
            out.records.push_back(RecordPlace{static_cast<int32_t>(b + 1), v.chapter, v.verse, at,
                                              at + static_cast<int32_t>(rec.size() - v.text.size()),
                                              static_cast<int32_t>(v.text.size())});
            records += rec;
        }
        runs.emplace_back(run_start, tag_data + static_cast<int32_t>(records.size()) - run_start);
    }
    out.runs = runs;
    out.tag_info = m.tag_info_override ? *m.tag_info_override : tag_info;
    out.tag_data = m.tag_data_override ? *m.tag_data_override : tag_data;
    PutInt32(header, 18, out.tag_info);
    PutInt32(header, 22, out.tag_data);

    std::string file = header;
    AppendBookTable(file, m.books, &runs);
    file.append(static_cast<std::size_t>(std::max(0, m.info_gap)), '\0');
    file += info;
    file += records;
    return file;
}

namespace {

std::string LexHeader(const LexEntry& e)
{
    std::string h = "|SK" + e.keyword + "|Sk";
    if (!e.strong.empty()) h += "|R" + e.strong + "|";
    if (e.extra) {
        h += "|SE";
        h += static_cast<char>(std::min<std::size_t>(e.extra->size(), 255));
        h += e.extra->substr(0, 255);
    }
    for (std::size_t n = 0; n < e.items.size(); ++n) {
        const char digit = static_cast<char>('0' + n);
        h += std::string("|SH") + digit + e.items[n] + "|Sh" + digit;
    }
    return h;
}

bool ValidStrong(const std::string& s)
{
    if (s.size() < 2 || s.size() > 8 || (s[0] != 'H' && s[0] != 'G')) return false;
    for (std::size_t k = 1; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    return true;
}

uint32_t StrongValue(const std::string& s)
{
    return static_cast<uint32_t>(std::strtoul(s.c_str() + 1, nullptr, 10));
}

} // namespace

std::string EncodeLexRecord(const LexEntry& e, int32_t number)
{
    const std::string header = LexHeader(e);
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%d,%d,%d,%d,", static_cast<int>(header.size() + e.body.size()),
                  static_cast<int>(header.size()), number, e.deleted ? 1 : 0);
    std::string out = "|S1";
    out += e.skipped;
    out += numbers;
    out += e.filler;
    out += header;
    out += e.body;
    return out;
}

std::string CheckLexicon(const LexiconModule& m)
{
    if (m.labels.size() > 10) return "more than 10 header labels";
    for (const LexLabel& l : m.labels)
        if (l.text.size() > 19) return "header label longer than 19 characters: " + l.text;
    if (m.collation.letters.size() > 256) return "more than 256 letters";
    for (std::size_t k = 0; k < m.entries.size(); ++k) {
        const LexEntry& e = m.entries[k];
        const std::string where = "record " + std::to_string(k + 1) + " (" + e.keyword + "): ";
        if (e.keyword.size() > 127) return where + "keyword longer than 127 bytes";
        if (e.keyword.find('|') != std::string::npos) return where + "\"|\" in the keyword";
        if (!e.strong.empty() && !ValidStrong(e.strong)) return where + "Strong's reference is not H or G and 1 to 7 digits";
        if (e.items.size() > 10) return where + "more than 10 header items";
        for (std::size_t n = 0; n < e.items.size(); ++n) {
            if (e.items[n].size() > 255) return where + "header item longer than 255 bytes";
            if (e.items[n].find("|Sh") != std::string::npos || e.items[n].find("|SH") != std::string::npos)
                return where + "header item holds an item marker";
        }
        if (e.extra && e.extra->size() > 255) return where + "extra data longer than 255 bytes";
        if (e.filler.find('|') != std::string::npos) return where + "\"|\" in the filler";
        if (e.body.size() > 128000) return where + "body longer than 128000 bytes";
        const std::string header = LexHeader(e);
        if (header.size() >= 4096) return where + "header of 4096 bytes or more";
        const std::string whole = header + e.body;
        if (whole.find("|S1") != std::string::npos) return where + "\"|S1\" inside the record";
        if (!whole.empty() && whole.back() == '|') return where + "the record ends with \"|\"";
    }
    // The readers find keywords by bisection: the records must be sorted.
    const std::string alphabet = EncodeCollationTable(m.collation);
    const std::string bitmap = EncodeCollationBitmap(m.collation);
    char table[SORT_TABLE_SIZE];
    SetSortTable(reinterpret_cast<const unsigned char*>(alphabet.data()),
                 reinterpret_cast<const unsigned char*>(bitmap.data()), table);
    for (std::size_t k = 1; k < m.entries.size(); ++k)
        if (PorovnejRetezce(m.entries[k - 1].keyword.c_str(), m.entries[k].keyword.c_str(), table) > 0)
            return "record " + std::to_string(k + 1) + " (" + m.entries[k].keyword + ") sorts before record " +
                   std::to_string(k) + " (" + m.entries[k - 1].keyword + ")";
    return "";
}

std::string BuildLexiconModule(const LexiconModule& m, std::string* error, std::vector<LexPlace>* places)
{
    if (m.check) {
        const std::string problem = CheckLexicon(m);
        if (!problem.empty()) {
            if (error) *error = problem;
            return "";
        }
    }
    std::string header(1024, '\0');
    for (std::size_t k = 0; k < 4 && k < m.magic.size(); ++k) header[k] = m.magic[k];
    header[4] = static_cast<char>(m.version);
    header[5] = static_cast<char>(m.language);
    header[8] = static_cast<char>(m.keyword_charset);
    header[9] = static_cast<char>(m.header_charset);
    for (int k = 0; k < 8; ++k) header[10 + k] = static_cast<char>(m.charset[k]);
    for (int k = 0; k < 14; ++k) header[18 + k] = static_cast<char>(m.tag_bytes[k]);
    header[36] = static_cast<char>(m.keyword_strong);
    header[37] = static_cast<char>(m.extra_data);

    // Records first: the Strong index needs their offsets, which depend on
    // the size of the index itself.
    std::size_t strong_entries = 0;
    if (m.strong_index_override) strong_entries = m.strong_index_override->size();
    else if (m.strong_index)
        for (const LexEntry& e : m.entries)
            if (!e.deleted && ValidStrong(e.strong)) ++strong_entries;
    const int32_t books = static_cast<int32_t>(m.books.size());
    const int32_t strong_offset = strong_entries == 0 ? 0 : 1024 + 60 * books;
    const std::string info = EncodeInfoBlock(m.info);
    const int32_t tag_info = 1024 + 60 * books + 8 * static_cast<int32_t>(strong_entries);
    const int32_t tag_data = tag_info + static_cast<int32_t>(info.size());

    std::string records;
    std::vector<std::pair<uint32_t, uint32_t>> index;
    std::vector<LexPlace> local;
    std::vector<LexPlace>& out = places ? *places : local;
    out.clear();
    int32_t deleted = 0;
    for (std::size_t k = 0; k < m.entries.size(); ++k) {
        const LexEntry& e = m.entries[k];
        const int32_t number = static_cast<int32_t>(k + 1);
        const int32_t at = tag_data + static_cast<int32_t>(records.size());
        const std::string header_bytes = LexHeader(e);
        out.push_back(LexPlace{number, at, static_cast<int32_t>(header_bytes.size() + e.body.size()),
                               static_cast<int32_t>(header_bytes.size())});
        if (e.deleted) ++deleted;
        else if (m.strong_index && ValidStrong(e.strong)) index.emplace_back(StrongValue(e.strong), static_cast<uint32_t>(at));
        records += EncodeLexRecord(e, number);
    }
    std::stable_sort(index.begin(), index.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (m.strong_index_override) index = *m.strong_index_override;
    records += m.records;

    PutInt32(header, 38, books);
    PutInt32(header, 42, static_cast<int32_t>(std::min<std::size_t>(m.labels.size(), 10)));
    PutInt32(header, 46, 1024);
    PutInt32(header, 50, strong_offset);
    PutInt32(header, 54, m.tag_info_override ? *m.tag_info_override : tag_info);
    PutInt32(header, 58, m.tag_data_override ? *m.tag_data_override : tag_data);
    PutInt32(header, 62, m.records_all_override ? *m.records_all_override : static_cast<int32_t>(m.entries.size()));
    PutInt32(header, 66, m.deleted_records_override ? *m.deleted_records_override : deleted);
    header[70] = static_cast<char>(m.no_jumps);
    header[71] = static_cast<char>(m.sync_byte);
    for (std::size_t k = 0; k < m.labels.size() && k < 10; ++k) {
        PutField(header, 240 + 24 * k, m.labels[k].text, 20);
        header[240 + 24 * k + 20] = static_cast<char>(m.labels[k].flag1);
    }
    header.replace(480, 32, EncodeCollationBitmap(m.collation));
    header.replace(512, 512, EncodeCollationTable(m.collation));

    std::string file = header;
    AppendBookTable(file, m.books, nullptr);
    for (const auto& [strong, offset] : index) {
        AppendInt32(file, static_cast<int32_t>(strong));
        AppendInt32(file, static_cast<int32_t>(offset));
    }
    file += info;
    file += records;
    return file;
}

std::string EncodeDicRecord(const DicEntry& e, int32_t number)
{
    std::string r = "|S2";
    r += e.skipped;
    r += std::to_string(e.from.size() + 1) + "," + std::to_string(e.to.size() + 1) + "," +
         std::to_string(e.note.size() + 1) + "," + std::to_string(number) + ",";
    r += e.from;
    r += '\0';
    r += e.to;
    r += '\0';
    r += e.note;
    r += '\0';
    return r;
}

std::string CheckDictionary(const DictionaryModule& m)
{
    for (std::size_t k = 0; k < m.entries.size(); ++k) {
        const DicEntry& e = m.entries[k];
        const std::string where = "pair " + std::to_string(k + 1) + " (" + e.from + "): ";
        if (e.from.size() > 127) return where + "the \"from\" text is longer than 127 bytes";
        if (e.to.size() > 127) return where + "the \"to\" text is longer than 127 bytes";
        if (e.note.size() > 1) return where + "the note is longer than 1 byte";
        for (const std::string* t : {&e.from, &e.to, &e.note}) {
            if (t->find("|S2") != std::string::npos) return where + "\"|S2\" inside a text";
            if (t->find('\0') != std::string::npos) return where + "a NUL byte inside a text";
        }
    }
    return "";
}

namespace {

// A text as collation compares it: Hebrew turned back into reading order.
std::string CollationKey(const std::string& stored, int language)
{
    return language == 1 ? std::string(stored.rbegin(), stored.rend()) : stored;
}

void SortTableOf(const Collation& c, char* table)
{
    const std::string alphabet = EncodeCollationTable(c);
    const std::string bitmap = EncodeCollationBitmap(c);
    SetSortTable(reinterpret_cast<const unsigned char*>(alphabet.data()),
                 reinterpret_cast<const unsigned char*>(bitmap.data()), table);
}

} // namespace

std::string BuildDictionaryModule(const DictionaryModule& m, std::string* error, std::vector<DicPlace>* places)
{
    if (m.check) {
        const std::string what = CheckDictionary(m);
        if (!what.empty()) {
            if (error) *error = what;
            return "";
        }
    }
    std::string header(1024, '\0');
    for (std::size_t k = 0; k < 4 && k < m.magic.size(); ++k) header[k] = m.magic[k];
    header[4] = static_cast<char>(m.version);
    header[5] = static_cast<char>(m.lang_from);
    header[6] = static_cast<char>(m.lang_to);
    header[7] = static_cast<char>(m.charset_from);
    header[8] = static_cast<char>(m.charset_to);
    header[9] = static_cast<char>(m.charset_note);

    // Records in "from" order under collation A.
    char table_a[SORT_TABLE_SIZE], table_b[SORT_TABLE_SIZE];
    SortTableOf(m.collation_from, table_a);
    SortTableOf(m.collation_to, table_b);
    std::vector<std::size_t> order(m.entries.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::vector<std::string> keys_a(m.entries.size()), keys_b(m.entries.size());
    for (std::size_t k = 0; k < m.entries.size(); ++k) {
        keys_a[k] = CollationKey(m.entries[k].from, m.lang_from);
        keys_b[k] = CollationKey(m.entries[k].to, m.lang_to);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return PorovnejRetezce(keys_a[x].c_str(), keys_a[y].c_str(), table_a) < 0;
    });

    const std::string info = EncodeInfoBlock(m.info);
    const int32_t count = static_cast<int32_t>(m.entries.size());
    const int32_t index_entries = m.index_override ? static_cast<int32_t>(m.index_override->size()) : count;
    const int32_t tag_info = 2112;
    const int32_t index_offset = tag_info + static_cast<int32_t>(info.size());
    const int32_t data_offset = index_offset + 4 * index_entries;

    std::string records;
    std::vector<DicPlace> local;
    std::vector<DicPlace>& out = places ? *places : local;
    out.clear();
    for (std::size_t n = 0; n < order.size(); ++n) {
        const DicEntry& e = m.entries[order[n]];
        const int32_t number = static_cast<int32_t>(n + 1);
        out.push_back(DicPlace{number, data_offset + static_cast<int32_t>(records.size()), 0, e});
        records += EncodeDicRecord(e, number);
    }
    records += m.records;

    // The index: record numbers in "to" order under collation B.
    std::vector<std::size_t> by_to(order.size());
    for (std::size_t n = 0; n < by_to.size(); ++n) by_to[n] = n;
    std::stable_sort(by_to.begin(), by_to.end(), [&](std::size_t x, std::size_t y) {
        return PorovnejRetezce(keys_b[order[x]].c_str(), keys_b[order[y]].c_str(), table_b) < 0;
    });
    std::vector<int32_t> index;
    for (std::size_t k = 0; k < by_to.size(); ++k) {
        index.push_back(out[by_to[k]].offset);
        out[by_to[k]].opposite = static_cast<int32_t>(k + 1);
    }
    if (m.index_override) index = *m.index_override;

    PutInt32(header, 10, m.tag_info_override ? *m.tag_info_override : tag_info);
    PutInt32(header, 14, m.index_offset_override ? *m.index_offset_override : index_offset);
    PutInt32(header, 18, m.data_offset_override ? *m.data_offset_override : data_offset);
    PutInt32(header, 22, m.records_all_override ? *m.records_all_override : count);
    PutField(header, 30, m.name_from_to, 64);
    PutField(header, 94, m.name_to_from, 64);

    std::string file = header;
    file += EncodeCollationTable(m.collation_from);
    file += EncodeCollationBitmap(m.collation_from);
    file += EncodeCollationTable(m.collation_to);
    file += EncodeCollationBitmap(m.collation_to);
    file += info;
    for (int32_t offset : index) AppendInt32(file, offset);
    file += records;
    return file;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error)
{
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            if (error) *error = "cannot create " + temp;
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            if (error) *error = "cannot write " + temp;
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        if (error) *error = "cannot rename " + temp + " to " + path + ": " + ec.message();
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

std::string BuildModule(const Description& d, std::string* error)
{
    switch (d.kind) {
    case Description::LEXICON:
        return BuildLexiconModule(d.lexicon, error);
    case Description::DICTIONARY:
        return BuildDictionaryModule(d.dictionary, error);
    case Description::BOOK:
    default:
        return BuildBookModule(d.book);
    }
}

} // namespace modwriter
