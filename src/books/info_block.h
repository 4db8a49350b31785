// The information block shared by book, lexicon and dictionary modules:
// items "|IA<abbrev>|IT<title>|II...", each value running up to the next "|".
#pragma once

#include <cstddef>
#include <cstdint>

struct SvFile;

// An info block read into memory; data is NUL-terminated after size bytes.
struct InfoBlock {
    char* data = nullptr;
    std::size_t size = 0;
    InfoBlock() = default;
    InfoBlock(const InfoBlock&) = delete;
    InfoBlock& operator=(const InfoBlock&) = delete;
    ~InfoBlock();
};

// Reads the bytes from begin up to end of file into block. The bounds must lie
// inside the file with begin <= end; returns 1, or 0 when they do not or the
// memory cannot be had (*alloc_failed is then set, when given).
int ReadInfoBlock(SvFile* file, int32_t begin, int32_t end, InfoBlock* block, bool* alloc_failed = nullptr);

// Clears out (size bytes) and copies into it the value of the first item with
// the three-character key ("|IA"), cut to size - 1 characters. Returns 1 when
// the key was found.
int GetInfoItem(const InfoBlock& block, const char* key, char* out, std::size_t size);
