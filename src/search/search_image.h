// The prepared image of a book module for fast searching: the whole file in
// memory, the table of its records, the record texts prepared for matching
// (masked, folded, lower-cased) and the tags that the Strong's and reference
// searches look at. An image is made on the first search of a module and kept
// while the module's file is open; it is dropped when the file is closed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct SvFile;

// One verse record of the image.
struct SEARCH_IMAGE_RECORD {
    int32_t offset;  // the record's "|S0"
    int32_t delka;   // text length as the record reader keeps it
};

// The record texts of the image, each ended by a NUL: text i starts at
// bytes[start[i]] (texts as the record reader reads them, up to their first
// NUL, prepared as the key says).
struct SEARCH_PREPARED {
    int tagged, fold_vowels, lower;
    std::vector<char> bytes;
    std::vector<int32_t> start;  // records + 1 entries
    // How often each byte occurs in the texts (counted when first needed).
    mutable bool counted = false;
    mutable uint32_t frequency[256];
    const uint32_t* Frequency() const;
};

// One "|RH", "|RG" or "|RR" tag found by the tag walk of a record.
struct SEARCH_TAG {
    int32_t record;  // index in the record table
    int32_t at;      // offset of the tag's "|" in the text
    int32_t value;   // offset of the value in the text
    int32_t length;  // value bytes that count (at most 256)
    int32_t number;  // the value as a number
};

struct SEARCH_IMAGE {
    SvFile* file = nullptr;
    int64_t size = 0;
    std::vector<SEARCH_IMAGE_RECORD> records;
    std::vector<std::unique_ptr<SEARCH_PREPARED>> prepared;
    bool tags_made[3] = {false, false, false};  // 'H', 'G', 'R'
    std::vector<SEARCH_TAG> tags[3];
    std::size_t Bytes() const;
};

// The image of the module of book window dw, made when needed. Null when the
// window has no open module file, memory runs out, or the records of the
// file are not laid out cleanly enough for the image to read exactly what
// the record reader reads (damaged modules are searched record by record).
SEARCH_IMAGE* SEARCH_GetModuleImage(int dw);

// The record texts of image prepared by the key (made when needed), or null.
const SEARCH_PREPARED* SEARCH_GetPrepared(SEARCH_IMAGE* image, int tagged, int fold_vowels, int lower);

// The tags of kind 'H', 'G' or 'R' of every record (made when needed).
const std::vector<SEARCH_TAG>* SEARCH_GetTags(SEARCH_IMAGE* image, char letter);

// Index of the first record at or after offset, or records.size().
std::size_t SEARCH_FirstRecordAt(const SEARCH_IMAGE& image, int64_t offset);

// Drops the image of catalogue entry id_file (when its file closes), or all.
void SEARCH_DropModuleImage(int id_file);
void SEARCH_DropAllModuleImages();

// Memory held by the image of id_file, in bytes (0 without one).
std::size_t SEARCH_ModuleImageBytes(int id_file);
