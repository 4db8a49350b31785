// Decoding of Greek morphology codes ("V-PAI-3S", "N-NSM") into words of the
// user-interface language.
#pragma once

// Greek morphology coding systems (DATAWINDOW.tag_morph_greek_type).
enum : int { MORPH_GR_SYSTEM1 = 1, MORPH_GR_ROBINSON = 2, MORPH_GR_PACKARD = 3 };

// Writes the decoding of code in coding system type into out (from its
// start, NUL-terminated, never more than size bytes). mode 0: the values
// only, each followed by a space, for inline display; mode 1: labelled lines
// of rich text for the information window. An unknown type writes an empty
// text. Returns the length written.
int DecodeMorphologyGR(int type, int mode, const char* code, char* out, int size);
