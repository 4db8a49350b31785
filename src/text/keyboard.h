// Hebrew and Greek keyboard maps: a typed character becomes the code of the
// display font, and for Hebrew the final-letter rule keeps word ends right.
#pragma once

// The font code for character ch typed with the given modifier state
// (shift, ctrl: 1 when held), or 0 when the map drops it. With Ctrl, ch is
// the control code the key produces (Ctrl+J is 10).
int PrekodujKeyHE(int ch, int shift, int ctrl);
int PrekodujKeyGR(int ch, int shift, int ctrl);

// Adjusts the final letters of a Hebrew text held in display order (the end
// of a word is its leftmost character), in place. mode 0: every letter that
// has a final form becomes final at a word end and ordinary elsewhere (only
// when autoend is 1); mode 1: the first letter from the start that has or is
// a final form changes to the other form. Returns 1.
int Autoend(char* text, int autoend, int mode);
