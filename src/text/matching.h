// Matching and stripping of module text: the word-separator test, the three
// wildcard matchers, folding of Hebrew to its consonants, and the masking of
// tag markup. Markup is first turned into the masked byte 0x01 without
// changing the length of the text, so that offsets found in masked text are
// offsets in the record; the 0x01 bytes are removed only where plain text is
// wanted. None of these functions allocates or keeps state.
#pragma once

// The masked byte: a word separator in text, any one byte in a pattern.
constexpr char MASKED_BYTE = '\x01';

// The separator tables of the three scripts, one flag per byte. Searches
// test every byte of a module, so the test is inline.
struct WORD_SEPARATORS {
    unsigned char is[3][256];
};
extern const WORD_SEPARATORS g_word_separators;

// 1 when the byte separates words in the script (0 Latin, 1 Hebrew,
// 2 Greek), else 0.
inline int IsWordSeparator(unsigned char separator, int language)
{
    if (language < 0 || language > 2) return 0;
    return g_word_separators.is[language][separator];
}

// The matchers after their quick reject (a first byte that differs from a
// first pattern byte other than '*' and '?').
int WildcardMatchRest(const char* string, const char* wild, int* end);
int WildcardMatch2Rest(const char* string, const char* wild, int* end);

// Word-aware match of wild ('*' any run within a word, '?' one byte of a
// word, 0x01 any byte) at the start of string. Returns 1 on a match ending at
// a Latin word boundary; *end is then the length matched (a trailing star
// counts nothing). A quick reject sets *end to 1.
inline int WildcardMatch(const char* string, const char* wild, int* end)
{
    if (*string != *wild && *wild != '*' && *wild != '?') {
        *end = 1;
        return 0;
    }
    return WildcardMatchRest(string, wild, end);
}

// As WildcardMatch, blind to word boundaries: '?' matches any byte, a star
// any run, and the match may end anywhere.
inline int WildcardMatch2(const char* string, const char* wild, int* end)
{
    if (*string != *wild && *wild != '*' && *wild != '?') {
        *end = 1;
        return 0;
    }
    return WildcardMatch2Rest(string, wild, end);
}

// 1 when wild matches a prefix of string (the shortest one); *end is the
// index of its last byte (-1 for an empty pattern).
int WildcardMatchSubstring(const char* string, const char* wild, int* end);

// Copies Hebrew text without its vowel points and with letter variants
// folded to the plain consonant. output may be input. Returns 1.
int Strip_he_vocals(const char* input, char* output);

// Masks the markup of a tagged record: output has the length of input, with
// the tags (and, by mode, the text they enclose) as 0x01 bytes. tag is -1
// (plain text with the original-language words), -2 (without them), -3 (only
// the Hebrew words) or -4 (only the Greek words). output may be input.
// Returns 1.
int StripTags(const char* input, char* output, int tag);

// Copies input without its 0x01 bytes. output may be input. Returns 1.
int StripIgnoreTags(const char* input, char* output);
