// The 8-bit display codes of the Hebrew and Greek fonts (HebrewUniversal,
// HebrewUniversalS, GreekUniversal) and the Unicode characters they stand for.
// The tables are in hebrew_codes.inc and greek_codes.inc; the font generator
// in tools/fonts reads the same files, so text and fonts cannot disagree.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Script codes as everywhere in the program.
enum : int { SV_SCRIPT_HEBREW = 1, SV_SCRIPT_GREEK = 2 };

enum DisplayKind : unsigned char {
    DK_LETTER,  // a spacing glyph that a reader sees as a letter
    DK_MARK,    // point, accent, breathing: no advance of its own
    DK_SIGN,    // spacing punctuation, digits, blank
    DK_ALIAS,   // drawn like another code; never produced from Unicode
};

struct DISPLAY_CODE {
    unsigned char code;
    DisplayKind kind;
    const char* name;
    char32_t uni[4];  // the characters, decomposed, ended by 0 when shorter
};

// The whole table of a script, in code order; count receives its length.
const DISPLAY_CODE* DisplayCodeTable(int script, int* count);

// The entry of one code, or null when the script has no such code.
const DISPLAY_CODE* FindDisplayCode(int script, unsigned char code);

// Full canonical decomposition of one character (Greek and Hebrew
// precomposed forms; others stand for themselves). Returns the number of
// characters written to out (1 to 4).
int DecomposeChar(char32_t c, char32_t out[4]);

// What UnicodeToDisplay did with its input.
struct DISPLAY_CONVERSION {
    int dropped = 0;            // characters that have no code (cantillation, Latin letters, ...)
    char32_t first_dropped = 0; // the first of them, for a message
};

// Unicode text (precomposed or decomposed, in reading order) to display codes
// in the same order; appends to out. Hebrew: letters with dagesh, mappiq,
// shin and sin dots, holam male and the final kaf forms become their own
// codes, the vowel points follow their letter. Greek: breathings and accents
// follow a small letter, precede a capital; the iota subscript follows
// either. Characters without a code are left out and counted.
DISPLAY_CONVERSION UnicodeToDisplay(int script, std::u32string_view text, std::string& out);

// Display codes to Unicode, decomposed and in canonical order (NFD).
// Codes the script lacks become U+FFFD. Appends to out.
void DisplayToUnicode(int script, std::string_view codes, std::u32string& out);

// UTF-8 helpers for the converters; a malformed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
