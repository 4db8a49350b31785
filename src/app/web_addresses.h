// The project's web addresses, a setting of the deployment: the Help menu
// opens them. Change them here for another deployment.
#pragma once

// The project's home page (downloads of modules and of the program).
constexpr const char* SEVIR_URL_HOME = "https://sevir.example.org/";
// Where users report bugs.
constexpr const char* SEVIR_URL_BUG_REPORT = "https://sevir.example.org/bugs/";
// The testers' forum.
constexpr const char* SEVIR_URL_FORUM = "https://sevir.example.org/forum/";

// Doubles every backslash of text in place as long as the result stays below
// max characters. Returns 1 when done, 0 when max was reached (the text is
// then left as it was).
int ZdvojLomitka(char* text, int max);
