// The documents of the information window: what a clicked word yields
// (gematria, decoded Greek morphology and the lemma) and the description of
// a module ("Informations about").
#pragma once

#include <string>

struct RTFCLICK;

// The gematria lines of a word (display codes; the order of the letters does
// not matter): for Hebrew (language 1) "Value  I: " with method 0 and
// "Value II: " with method 1, for Greek (2) only the first. Each line is the
// label and " %d  %d  %d". Returns the number of lines written (0 for other
// scripts or an empty word).
int INFO_GematriaValues(int language, const char* word, int length, char lines[2][160]);

// The information window's document for click (its in_buf holding the view
// text): the RTF header for the information window's character sets, the
// gematria lines of the clicked Hebrew or Greek word when opt_info_gematria
// is 1, and for a Greek word with a tag area (tag_area, tag_length bytes of
// the record text) the decoded "|MG" code and the "|LG" lemma when
// opt_info_morphology is 1. Writes at most size bytes (NUL-terminated) into
// out; returns the length.
int INFO_BuildClickText(const RTFCLICK& click, const char* tag_area, int tag_length, char* out, int size);

// Writes the RTF description of the module of data window id into buffer
// (at most size bytes, NUL-terminated). Returns 1 (0 for a window without a
// module).
int DecodeTagInfo(int id, char* buffer, int size);

// Text of module descriptions made safe for RTF: backslashes and braces
// escaped, line ends turned into paragraph ends.
std::string RtfEscape(const char* text);
