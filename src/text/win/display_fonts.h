// The Hebrew and Greek display fonts. The program brings its own copies in
// the "fonts" folder next to the executable and loads them for this process
// when the faces are not installed on the machine.
#pragma once

#include <windows.h>

constexpr int kDisplayFontCount = 3;
// "HebrewUniversal", "HebrewUniversalS", "GreekUniversal"
extern const char* const kDisplayFontFaces[kDisplayFontCount];

// 1 when a font of that face exists for character set 0 (ANSI_CHARSET).
int DisplayFontAvailable(const char* face);

// For each face that is missing, adds "<exe folder>\fonts\<face>.ttf" as a
// private font of the process. Returns the number of faces available
// afterwards (3 when all are there). Call before any window is drawn.
int LoadDisplayFonts();

// Removes the fonts that LoadDisplayFonts added.
void UnloadDisplayFonts();

// 1 when LoadDisplayFonts added the face from the program's folder.
int DisplayFontLoadedPrivately(const char* face);
