// The module writer: builds module files byte for byte from plain records.
// Book modules, lexicons and dictionaries.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace modwriter {

// Items of an information block, in file order: key without the "|" ("IA",
// "IT", "II", "IC", "IP", "IU") and value.
using InfoItems = std::vector<std::pair<std::string, std::string>>;

// "|IA<value>|IT<value>...|": every value, the last one included, is
// followed by "|".
std::string EncodeInfoBlock(const InfoItems& items);

// A module's alphabet: up to 256 letters of one or two characters in sort
// order; joins_next[i] makes letter i sort equal to letter i + 1.
struct Collation {
    std::vector<std::string> letters;
    std::vector<bool> joins_next;
};
// The 512-byte table of 2-byte entries and the 32-byte bitmap (most
// significant bit first).
std::string EncodeCollationTable(const Collation& collation);
std::string EncodeCollationBitmap(const Collation& collation);

// ---------------------------------------------------------------- books

struct Verse {
    int32_t chapter = 1;
    int32_t verse = 1;
    std::string text;  // tagged text, written as it stands
};

struct Book {
    Book() = default;
    Book(std::string name_, std::string abbrev_, std::string sync_)
        : name(std::move(name_)), abbrev_name(std::move(abbrev_)), sync_name(std::move(sync_)) {}

    std::string name;         // at most 31 characters are kept by readers
    std::string abbrev_name;  // at most 7
    std::string sync_name;    // at most 7, such as "OTGen"
    int32_t chapters = -1;    // -1: the highest chapter among the verses
    std::vector<Verse> verses;
    // Values written instead of the computed ones (damaged tables in tests).
    std::optional<int32_t> length_override;
    std::optional<int32_t> offset_override;
};

struct BookModule {
    std::string magic = "hbbk";
    int version = 2;
    int language = 0;  // script of the text: 0 Latin, 1 Hebrew, 2 Greek
    std::array<uint8_t, 8> charset{};
    int tag_advanced = 1;
    // Capability bytes: preface, christ, note, variant, unused, reference,
    // strong_hebrew, strong_greek, bold, italic, morph_hebrew, morph_greek.
    std::array<uint8_t, 12> tag_caps{};
    int morph_greek_type = 0;
    int sync_byte = 0;    // 1: the window does not follow the others
    int scroll_byte = 0;  // 1: the window scrolls by lines
    int no_jumps = 0;
    Collation collation;
    InfoItems info;
    std::vector<Book> books;
    char skipped_byte = ',';  // the byte after "|S0"
    int info_gap = 0;         // free bytes between the book table and the info block

    // Header values written instead of the computed ones.
    std::optional<int32_t> book_count_override;
    std::optional<int32_t> tag_info_override;
    std::optional<int32_t> tag_data_override;
    std::optional<std::string> info_block_override;  // raw info block bytes
};

// Where things ended up in a built module.
struct RecordPlace {
    int32_t book;     // 1-based
    int32_t chapter;
    int32_t verse;
    int32_t offset;   // the record's "|S0"
    int32_t text_offset;
    int32_t length;   // text bytes
};
struct BookLayout {
    int32_t tag_info = 0;
    int32_t tag_data = 0;
    std::vector<std::pair<int32_t, int32_t>> runs;  // offset and length of each book
    std::vector<RecordPlace> records;                // in file order
};

// "|S0" + skipped byte + "book,chapter,verse,length," + text.
std::string EncodeVerseRecord(int32_t book, int32_t chapter, int32_t verse, const std::string& text,
                              char skipped = ',');

// The whole SBK file. Books are written in order, each book's verses as given.
std::string BuildBookModule(const BookModule& module, BookLayout* layout = nullptr);

// ---------------------------------------------------------------- lexicons

// One lexicon record. Records are numbered 1, 2, ... in the order given,
// which must be the keywords' collation order.
struct LexEntry {
    std::string keyword;             // reading order, at most 127 bytes, no "|"
    std::string strong;              // "" or "H1234" / "G25" (letter and 1 to 7 digits)
    std::vector<std::string> items;  // header items 0.. (at most 10, 255 bytes each)
    std::optional<std::string> extra;  // "|SE" data, at most 255 bytes
    std::string body;                // tagged text, at most 128000 bytes
    bool deleted = false;
    char skipped = ',';              // the byte after "|S1"
    std::string filler;              // bytes between the numbers and "|SK" (no "|")
};

struct LexLabel {
    std::string text;  // at most 19 characters
    int flag1 = 0;     // 0: the item ends a paragraph; else a space follows it
};

// Where a record ended up.
struct LexPlace {
    int32_t number;
    int32_t offset;  // its "|S1"
    int32_t delka;
    int32_t header_delka;
};

struct LexiconModule {
    std::string magic = "hblx";
    int version = 3;
    int language = 0;
    int keyword_charset = 0;
    int header_charset = 0;
    std::array<uint8_t, 8> charset{};
    std::array<uint8_t, 14> tag_bytes{};  // offsets 18 to 31
    int keyword_strong = 0;
    int extra_data = 0;
    int no_jumps = 0;
    int sync_byte = 0;  // stored inverted: 1 = the window does not take part in lookups
    std::vector<LexLabel> labels;  // up to 10
    Collation collation;
    std::vector<Book> books;  // names only; lengths and offsets are written as 0
    InfoItems info;
    std::vector<LexEntry> entries;
    bool strong_index = true;  // write the Strong index (when any record has a reference)

    // For damaged test files: raw record bytes written after the entries,
    // a Strong index given by hand, and header values written as given.
    std::string records;
    std::optional<std::vector<std::pair<uint32_t, uint32_t>>> strong_index_override;
    std::optional<int32_t> records_all_override;
    std::optional<int32_t> deleted_records_override;
    std::optional<int32_t> tag_info_override;
    std::optional<int32_t> tag_data_override;
    bool check = true;  // refuse entries that would break the format
};

// "|S1" + skipped + "delka,header_delka,number,deleted," + filler + header + body.
std::string EncodeLexRecord(const LexEntry& entry, int32_t number);

// Checks the entries (see LexiconModule::check); returns "" or what is wrong.
std::string CheckLexicon(const LexiconModule& module);

// The whole LEX file; "" with *error set when the check refuses the module.
std::string BuildLexiconModule(const LexiconModule& module, std::string* error = nullptr,
                               std::vector<LexPlace>* places = nullptr);

// ---------------------------------------------------------------- dictionaries

// One word pair. Texts are bytes as stored: Hebrew in display order (last
// letter first).
struct DicEntry {
    DicEntry() = default;
    DicEntry(std::string from_, std::string to_, std::string note_ = "")
        : from(std::move(from_)), to(std::move(to_)), note(std::move(note_)) {}
    std::string from;  // at most 127 bytes
    std::string to;    // at most 127 bytes
    std::string note;  // at most 1 byte
    char skipped = ',';  // the byte after "|S2"
};

// Where a record ended up.
struct DicPlace {
    int32_t number;    // record number (direction 0)
    int32_t offset;    // its "|S2"
    int32_t opposite;  // its 1-based position in the opposite-direction index
    DicEntry entry;
};

struct DictionaryModule {
    std::string magic = "hbdi";
    int version = 5;
    int lang_from = 0;
    int lang_to = 0;
    int charset_from = 0;
    int charset_to = 0;
    int charset_note = 0;
    std::string name_from_to;
    std::string name_to_from;
    Collation collation_from;  // A: orders the records by their "from" texts
    Collation collation_to;    // B: orders the index by the "to" texts
    InfoItems info;
    // The pairs in any order: records are numbered in the order of their
    // "from" texts under collation A, the index follows the "to" texts under
    // collation B (Hebrew compared in reading order); equal texts keep the
    // order given.
    std::vector<DicEntry> entries;
    bool check = true;  // refuse texts that are too long or contain "|S2"

    // For damaged test files: raw bytes after the records, and values
    // written as given.
    std::string records;
    std::optional<std::vector<int32_t>> index_override;
    std::optional<int32_t> records_all_override;
    std::optional<int32_t> tag_info_override;
    std::optional<int32_t> index_offset_override;
    std::optional<int32_t> data_offset_override;
};

// "|S2" + skipped + "lfrom,lto,lnote,number," + from, to, note, each with
// its NUL.
std::string EncodeDicRecord(const DicEntry& entry, int32_t number);

// Checks the pairs (see DictionaryModule::check); returns "" or what is wrong.
std::string CheckDictionary(const DictionaryModule& module);

// The whole DIC file; "" with *error set when the check refuses the module.
std::string BuildDictionaryModule(const DictionaryModule& module, std::string* error = nullptr,
                                  std::vector<DicPlace>* places = nullptr);

// ---------------------------------------------------------------- files

// Writes bytes to path under a temporary name and renames it over the target.
bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// ---------------------------------------------------------------- text descriptions

// A module described in text (see description.cpp for the format).
struct Description {
    enum Kind { BOOK, LEXICON, DICTIONARY } kind = BOOK;
    BookModule book;
    LexiconModule lexicon;
    DictionaryModule dictionary;
};

// Parses a description; on failure returns false and sets *error to
// "line N: <what>".
bool ParseDescription(const std::string& text, Description* out, std::string* error);

// The bytes of the module described; "" with *error set when a lexicon's
// records would break the format.
std::string BuildModule(const Description& description, std::string* error = nullptr);

} // namespace modwriter
