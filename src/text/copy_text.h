// What a copied selection of a text view becomes as Unicode text: the
// display codes of the Hebrew and Greek fonts turned into their characters,
// Hebrew (which the views show reversed, line by line) back in reading order.
#pragma once

#include <string>
#include <vector>

// A piece of the selection drawn in one font.
struct COPY_RUN {
    int script = 0;     // 0 Latin, 1 Hebrew, 2 Greek (by the font)
    int codepage = 1252;  // Latin runs: the code page of the font's character set
    std::string text;   // as the view holds it; paragraphs end with CR LF
};

// Converts Latin text of a code page to UTF-16 (the window layer passes the
// system's converter).
using LatinToUnicode = std::u16string (*)(const std::string& text, int codepage);

// The selection as UTF-16 text with CR LF line ends.
std::u16string CopiedTextToUnicode(const std::vector<COPY_RUN>& runs, LatinToUnicode latin);

// Code page 1252 to UTF-16, for hosts without a converter.
std::u16string Cp1252ToUnicode(const std::string& text, int codepage);
