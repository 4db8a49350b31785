// The default language file, english.lng, made from the built-in tables: the
// label and character-set lines, a header that tells a translator how to make
// a new language file, then every menu command id, every dialog control id
// and every string with its English text.
#pragma once

#include <string>

// Longest text a language file can hold on one string line.
constexpr int LANG_MAX_TEXT = 127;

// The whole file, 8-bit text with carriage return and line feed.
std::string LANG_MakeEnglishLngText();

// Writes it to path under a temporary name renamed over the old file.
// Returns 1 on success.
int LANG_WriteEnglishLng(const char* path);

// A text as a language file line holds it: line feed, tab and carriage return
// become the two-character escapes.
std::string LANG_EscapeText(const char* text);
