// The per-class display formats of rich text (the tag display table), the
// RTF document header and ending, the text fonts and the shared output buffer
// of all book rendering.
#pragma once

#include <cstdint>

// Rows of rtftag. The colour of row N is RTF colour N (\cfN).
enum : int {
    RTF_DEF_CZ = 0,
    RTF_DEF_HE = 1,
    RTF_LABEL = 2,
    RTF_TE = 3,
    RTF_TG = 4,
    RTF_TH = 5,
    RTF_TP = 6,
    RTF_TJ = 7,
    RTF_TN = 8,
    RTF_TV = 9,
    RTF_BOLD = 10,
    RTF_ITALIC = 11,
    RTF_TU = 12,
    RTF_RR = 13,
    RTF_RH = 14,
    RTF_RG = 15,
    RTF_HIT = 16,
    RTF_DEF_GR = 17,
    RTF_MORPH_GR = 18,
    RTF_MORPH_HE = 19,
    RTF_LEMMA_GR = 20,
    RTF_UNUSED = 21,
    RTF_LX_HEADER = 22,
    RTF_LX_CZ = 23,
    RTF_LX_HE = 24,
    RTF_LX_GR = 25,
    RTF_LX_KEYWORD = 26,
    RTF_SUPER = 27,
    RTFTAG_ROWS = 28,
};

// RTF font numbers of the header's font table.
enum : int {
    RTF_FONT_MODULE = 3,  // module fonts 0..7 are 3..10
    RTF_FONT_GREEK = 11,
    RTF_FONT_HEBREW = 12,
    RTF_FONT_HEBREW_S = 13,
};

// One display class.
struct RTFTAG {
    int32_t fontsize;   // RTF half-points
    int32_t bold;
    int32_t italic;
    int32_t underline;  // kept, not applied
    uint32_t color;     // 0x00BBGGRR
    char rtf1[256];     // the control string that switches to this class
    char rtf2_bi[8];    // "\b", "\i", both or empty; the last %s of rtf1
};

extern RTFTAG rtftag[RTFTAG_ROWS];

// Text fonts (the configuration file keeps them).
extern char RTFCzechFontName[32];
extern int32_t RTFCzechFontSize;
extern char RTFGreekFontName[32];
extern int32_t RTFGreekFontSize;
extern int32_t RTFHebFontSize;

constexpr int RTF_HEAD_SIZE = 4096;
extern char BK_RTFhead[RTF_HEAD_SIZE];
extern char BK_RTF_end[RTF_HEAD_SIZE];

constexpr int RTFDATA_BUFFER = 128000;

// The stream source of a rendered document.
struct RTFDATA {
    int32_t count;   // bytes to stream
    int32_t offset;  // bytes already streamed
    char buffer[RTFDATA_BUFFER];
};

extern RTFDATA bk_rtfdata;

// Clears rtftag and the text fonts and gives them their start-up defaults
// (colours, bold, italic, font names and sizes); the rows are not built.
void BK_SetRTFTagDefaults();

// Builds every row's fontsize, rtf2_bi and rtf1 from the fonts, sizes and
// styles, in the fixed order of rows.
void BK_BuildRTFTags();

// Writes row's rtf1 as it reads with colour index colour_index (the row's own
// number normally, 16 for a search hit) into out (cut to size).
void BK_FormatRTFRow(int row, int colour_index, char* out, int size);

// The face and RTF font number (12 or 13) of the Hebrew font for the current
// script option.
const char* BK_HebrewFontName();
int BK_HebrewFontNumber();

// Builds BK_RTFhead from the eight character sets of the window being
// rendered and BK_RTF_end; rewrites rows 1 and 5 for the current Hebrew font.
void BK_InicRTFheader(const int32_t charset[8]);
