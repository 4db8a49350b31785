// Search-hit marks in lexicon articles: the hits of the window's last search
// (search_out_lx) in a header item or the body, before it is rendered.
#pragma once

// Each marks the hits of lexicon window id's last search in text, which
// holds size bytes; no mark pair is inserted once the text would not fit.
// Return 1.
int LX_SelectTextHits(int id, char* text, int size);
int LX_SelectStrongHits(int id, char* text, int size);
int LX_SelectReferenceHits(int id, char* text, int size);

// The marking that fits the window's last search; nothing when it found
// nothing.
void LX_SelectHits(int id, char* text, int size);
