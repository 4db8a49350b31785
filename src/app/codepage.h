// Lower-casing of 8-bit text in the Windows code pages that the character
// sets of language files select. Both builds use these tables, so that the
// same text gives the same result everywhere.
#pragma once

// The Windows code page of a font character set number (0 Western -> 1252,
// 238 -> 1250, 204 -> 1251, 161 -> 1253, 162 -> 1254, 177 -> 1255,
// 178 -> 1256, 186 -> 1257, 163 -> 1258, 222 -> 874); 1252 for any other.
int CodePageOfCharset(int charset);

// The lower-case form of byte c in code page codepage. Code pages without a
// table lower-case only A-Z.
unsigned char LowerChar8(unsigned char c, int codepage);

// Lower-cases the NUL-terminated text in place.
void LowerText8(char* text, int codepage);

// The code page of the current user-interface language.
int CurrentCodePage();
