#include "books/rtf_tags.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "app/records.h"

RTFTAG rtftag[RTFTAG_ROWS];

char RTFCzechFontName[32];
int32_t RTFCzechFontSize;
char RTFGreekFontName[32];
int32_t RTFGreekFontSize;
int32_t RTFHebFontSize;

char BK_RTFhead[RTF_HEAD_SIZE];
char BK_RTF_end[RTF_HEAD_SIZE];

RTFDATA bk_rtfdata;

namespace {

uint32_t Rgb(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

constexpr const char* kPlain = "\\plain\\f%d\\fs%d\\cf%d%s ";
// A space ends the control word, so that a text starting with a digit ("2Sam")
// is not read as part of the colour number.
constexpr const char* kLink = " {\\ul\\f%d\\fs%d\\cf%d%s ";
constexpr const char* kStrong = " {\\up\\ul\\f%d\\fs%d\\cf%d%s";

enum SizeKind { SIZE_NONE, SIZE_C, SIZE_G, SIZE_H, SIZE_07C, SIZE_08C };

// How each row's rtf1 is made. font -1: the Hebrew font of the script option.
struct RowFormat {
    const char* format;  // null: a fixed string (fixed) or empty
    const char* fixed;
    int font;
    SizeKind size;
};

const RowFormat kRows[RTFTAG_ROWS] = {
    {"\\ql\\plain\\f%d\\fs%d\\cf%d%s ", nullptr, RTF_FONT_MODULE, SIZE_C},  // 0 DEF_CZ
    {"\\qr\\plain\\f%d\\fs%d\\cf%d%s ", nullptr, -1, SIZE_H},               // 1 DEF_HE
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 2 LABEL
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 3 TE
    {kPlain, nullptr, RTF_FONT_GREEK, SIZE_G},                               // 4 TG
    {kPlain, nullptr, -1, SIZE_H},                                           // 5 TH
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 6 TP
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 7 TJ
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 8 TN
    {"\\plain\\f%d\\fs%d\\cf%d%s ", nullptr, RTF_FONT_MODULE, SIZE_07C},     // 9 TV
    {nullptr, "\\b ", 0, SIZE_NONE},                                         // 10 bold
    {nullptr, "\\i ", 0, SIZE_NONE},                                         // 11 italic
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 12 TU
    {kLink, nullptr, RTF_FONT_MODULE, SIZE_08C},                             // 13 RR
    {kStrong, nullptr, RTF_FONT_MODULE, SIZE_07C},                           // 14 RH
    {kStrong, nullptr, RTF_FONT_MODULE, SIZE_07C},                           // 15 RG
    {nullptr, nullptr, 0, SIZE_NONE},                                        // 16 hits: "{\cf16 "
    {"\\ql\\plain\\f%d\\fs%d\\cf%d%s ", nullptr, RTF_FONT_GREEK, SIZE_G},    // 17 DEF_GR
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_07C},                            // 18 MORPH_GR
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 19 MORPH_HE
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_07C},                            // 20 LEMMA_GR
    {nullptr, "", 0, SIZE_NONE},                                             // 21 not used
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 22 LX_HEADER
    {kPlain, nullptr, RTF_FONT_MODULE, SIZE_C},                              // 23 LX_CZ
    {kPlain, nullptr, RTF_FONT_HEBREW, SIZE_H},                              // 24 LX_HE
    {kPlain, nullptr, RTF_FONT_GREEK, SIZE_G},                               // 25 LX_GR
    {kLink, nullptr, RTF_FONT_MODULE, SIZE_07C},                             // 26 LX_KEYWORD
    {nullptr, "\\super ", 0, SIZE_NONE},                                     // 27 superscript
};

// The order in which the rows are built at start-up.
const int kBuildOrder[] = {0, 1, 17, 3, 5, 4, 2, 7, 6, 12, 8, 9, 10, 11, 27, 13, 14, 15, 16, 18, 19, 20, 22, 23, 24, 25, 26};

int RowFont(int row)
{
    int font = kRows[row].font;
    return font < 0 ? BK_HebrewFontNumber() : font;
}

int RowSize(int row)
{
    switch (kRows[row].size) {
    case SIZE_C:
        return RTFCzechFontSize;
    case SIZE_G:
        return RTFGreekFontSize;
    case SIZE_H:
        return RTFHebFontSize;
    case SIZE_07C:
        return static_cast<int>(0.7 * RTFCzechFontSize);
    case SIZE_08C:
        return static_cast<int>(0.8 * RTFCzechFontSize);
    default:
        return 0;
    }
}

void BuildRow(int row)
{
    RTFTAG& t = rtftag[row];
    t.fontsize = RowSize(row);
    t.rtf2_bi[0] = '\0';
    if (t.bold) std::strcat(t.rtf2_bi, "\\b");
    if (t.italic) std::strcat(t.rtf2_bi, "\\i");
    BK_FormatRTFRow(row, row, t.rtf1, sizeof t.rtf1);
}

// Appends the printf result to buffer (capacity size), cut at the end.
void Append(char* buffer, int size, const char* format, ...) __attribute__((format(printf, 3, 4)));
void Append(char* buffer, int size, const char* format, ...)
{
    int used = static_cast<int>(std::strlen(buffer));
    if (used >= size - 1) return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer + used, static_cast<std::size_t>(size - used), format, args);
    va_end(args);
}

} // namespace

int BK_HebrewFontNumber()
{
    return status.script == 1 ? RTF_FONT_HEBREW_S : RTF_FONT_HEBREW;
}

const char* BK_HebrewFontName()
{
    return status.script == 1 ? "HebrewUniversalS" : "HebrewUniversal";
}

void BK_FormatRTFRow(int row, int colour_index, char* out, int size)
{
    if (!out || size <= 0) return;
    out[0] = '\0';
    if (row < 0 || row >= RTFTAG_ROWS) return;
    const RowFormat& f = kRows[row];
    if (row == RTF_HIT) {
        std::snprintf(out, static_cast<std::size_t>(size), "{\\cf%d ", colour_index);
    } else if (f.format) {
        std::snprintf(out, static_cast<std::size_t>(size), f.format, RowFont(row), rtftag[row].fontsize, colour_index,
                      rtftag[row].rtf2_bi);
    } else if (f.fixed) {
        std::snprintf(out, static_cast<std::size_t>(size), "%s", f.fixed);
    }
}

void BK_SetRTFTagDefaults()
{
    std::memset(rtftag, 0, sizeof rtftag);
    std::strcpy(RTFCzechFontName, "Arial");
    RTFCzechFontSize = 21;
    std::strcpy(RTFGreekFontName, "GreekUniversal");
    RTFGreekFontSize = 27;
    RTFHebFontSize = 36;

    rtftag[RTF_LABEL].color = Rgb(0, 0, 254);
    rtftag[RTF_TP].color = Rgb(128, 128, 0);
    rtftag[RTF_TJ].color = Rgb(255, 0, 0);
    rtftag[RTF_TN].color = Rgb(102, 153, 204);
    rtftag[RTF_TV].color = Rgb(153, 102, 0);
    rtftag[RTF_TU].italic = 1;
    rtftag[RTF_RR].color = Rgb(20, 155, 0);
    rtftag[RTF_RH].color = Rgb(204, 153, 0);
    rtftag[RTF_RG].color = Rgb(204, 153, 0);
    rtftag[RTF_HIT].color = Rgb(255, 0, 255);
    rtftag[RTF_MORPH_GR].color = Rgb(153, 102, 255);
    rtftag[RTF_MORPH_HE].color = Rgb(128, 0, 0);
    rtftag[RTF_LEMMA_GR].color = Rgb(153, 102, 255);
    rtftag[RTF_LX_HEADER].color = Rgb(255, 0, 0);
    rtftag[RTF_LX_HEADER].bold = 1;
    rtftag[RTF_LX_HE].color = Rgb(0, 0, 192);
    rtftag[RTF_LX_GR].color = Rgb(0, 0, 192);
    rtftag[RTF_LX_KEYWORD].color = Rgb(204, 102, 0);
}

void BK_BuildRTFTags()
{
    for (int row : kBuildOrder) BuildRow(row);
}

void BK_InicRTFheader(const int32_t charset[8])
{
    BK_RTFhead[0] = '\0';
    Append(BK_RTFhead, RTF_HEAD_SIZE, "%s",
           "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}"
           "{\\f1\\fnil\\fcharset2{\\*\\fname Symbol;}MT Symbol;}{\\f2\\fswiss\\fprq2 System;}");
    for (int k = 0; k < 8; ++k)
        Append(BK_RTFhead, RTF_HEAD_SIZE, "{\\f%d\\fnil\\fcharset%d\\fprq2 %s;}", RTF_FONT_MODULE + k,
               charset ? static_cast<int>(charset[k]) : 0, RTFCzechFontName);
    Append(BK_RTFhead, RTF_HEAD_SIZE, "{\\f11\\fnil\\fcharset%d\\fprq2 %s;}", 0, "GreekUniversal");
    Append(BK_RTFhead, RTF_HEAD_SIZE, "{\\f12\\fnil\\fcharset%d\\fprq2 %s;}", 0, "HebrewUniversal");
    Append(BK_RTFhead, RTF_HEAD_SIZE, "{\\f13\\fnil\\fcharset%d\\fprq2 %s;}", 0, "HebrewUniversalS");
    Append(BK_RTFhead, RTF_HEAD_SIZE, "%s", "}\r\n{\\colortbl");
    for (int row = 0; row < RTFTAG_ROWS; ++row) {
        uint32_t c = rtftag[row].color;
        Append(BK_RTFhead, RTF_HEAD_SIZE, "\\red%d\\green%d\\blue%d;", static_cast<int>(c & 0xFF),
               static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
    }
    Append(BK_RTFhead, RTF_HEAD_SIZE, "%s", "}\r\n\\deflang1033\\pard");

    BK_RTF_end[0] = '\0';
    Append(BK_RTF_end, RTF_HEAD_SIZE, "%s%d%s", "\r\n\\par \r\n\\par \\pard\\plain\\f2\\fs",
           static_cast<int>(rtftag[RTF_DEF_CZ].fontsize), "\\b \r\n\\par }");

    // Rows 1 and 5 follow the Hebrew font of the current script option.
    BK_FormatRTFRow(RTF_DEF_HE, RTF_DEF_HE, rtftag[RTF_DEF_HE].rtf1, sizeof rtftag[RTF_DEF_HE].rtf1);
    BK_FormatRTFRow(RTF_TH, RTF_TH, rtftag[RTF_TH].rtf1, sizeof rtftag[RTF_TH].rtf1);
}
