// What belongs to a word of module text: the tags that follow it, and the
// numeric values (gematria) of Hebrew and Greek letters.
#pragma once

// text points just after a word of a record text. Returns how many bytes of
// tag pairs and separators follow the word up to the next word's first
// letter, or 0 when the word lies inside a tag pair (a closing tag comes
// before any opening one).
int GetTagsOfWord(const char* text);

// Values of the letters text[from] to text[to] (inclusive; the scan stops at
// the end of the text) in the Hebrew display font: *first is their sum,
// *second the sum of the digits of *first, *third the sum of the digits of
// *second. method 0 counts final letters like their ordinary forms, method 1
// counts them 500 to 900. Returns 1.
int EnumerateHebrew(int method, const char* text, int from, int to, int* first, int* second, int* third);

// The same for Greek letters of the Greek display font (either case).
int EnumerateGreek(const char* text, int from, int to, int* first, int* second, int* third);
