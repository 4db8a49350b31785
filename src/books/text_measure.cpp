#include "books/text_measure.h"

#include "books/rtf_tags.h"

namespace {

CoreTextMeasurer g_core;
TextMeasurer* g_measurer = &g_core;

} // namespace

int BK_MeasureFontHeight(int rtf_size)
{
    return static_cast<int>(0.8181818 * rtf_size);
}

bool CoreTextMeasurer::Begin(int)
{
    return true;
}

int CoreTextMeasurer::Width(int font, const char*, int length)
{
    int size = font == MEASURE_HEBREW ? RTFHebFontSize : font == MEASURE_GREEK ? RTFGreekFontSize : RTFCzechFontSize;
    int per_byte = BK_MeasureFontHeight(size) / 2;
    if (per_byte < 1) per_byte = 1;
    return length > 0 ? length * per_byte : 0;
}

TextMeasurer* BK_SetTextMeasurer(TextMeasurer* measurer)
{
    TextMeasurer* previous = g_measurer;
    g_measurer = measurer ? measurer : &g_core;
    return previous;
}

TextMeasurer* BK_GetTextMeasurer()
{
    return g_measurer;
}
