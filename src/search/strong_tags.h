// Strong's numbers and cross references in tagged verse text: the word that
// carries a Strong's tag, the tag after a word, and the walk over the tags
// that the Strong's number and reference searches share.
#pragma once

#include <cstdint>
#include <cstring>

// Given in *position the offset of a Strong's tag in buf, finds the word that
// carries it: returns 1 with *position at the word's first byte and *length
// its byte count, or 0.
int GetStrongWord(const char* buf, int* position, int* length);

// Given in *position the offset of a word, finds the Strong's tag that
// follows it within the word's markup: returns 1 with *position at the tag's
// "|" and *length the length of the whole tag ("|RH", number, "|Rh"), or 0.
int GetWordNextStrong(const char* buf, int* position, int* length);

// The number of a tag value as atoi reads it (leading white space, a sign,
// digits), but saturating instead of overflowing. At most length bytes are
// read.
int32_t SEARCH_TagNumber(const char* value, int length);

// Walks the NUL-terminated text as the Strong's and reference searches do:
// at "|R" followed by letter the value (the bytes up to the next "|", of
// which at most 256 count) is handed to found(context, offset of the "|",
// value, value length) and the walk continues after the "|" that ends it;
// at "|R" and another byte the walk steps 3 bytes, at "|" and any other byte
// 2, else 1. It never steps over the terminating NUL.
template <typename F>
void SEARCH_WalkTags(const char* text, char letter, F&& found)
{
    int32_t p = 0;
    while (text[p]) {
        if (text[p] != '|') {
            // Ordinary bytes step by one: straight to the next "|".
            const char* bar = std::strchr(text + p, '|');
            if (!bar) return;
            p = static_cast<int32_t>(bar - text);
        }
        if (text[p + 1] == 'R' && text[p + 2] == letter) {
            int32_t v = p + 3;
            int32_t e = v;
            while (text[e] && text[e] != '|') ++e;
            found(p, text + v, e - v < 256 ? e - v : 256);
            if (!text[e]) return;
            p = e + 1;
            continue;
        }
        if (!text[p + 1]) return;
        if (text[p + 1] == 'R') {
            if (!text[p + 2]) return;
            p += 3;
        } else {
            p += 2;
        }
    }
}
