// Measuring text for the page layout of book windows. The Windows program
// measures with the real fonts; the command-line tool and the tests use the
// deterministic measurer of the core.
#pragma once

// Fonts the renderer measures with.
enum : int {
    MEASURE_HEBREW = 0,  // the Hebrew display font, at RTFHebFontSize
    MEASURE_TEXT = 1,    // the module's text font, at RTFCzechFontSize
    MEASURE_GREEK = 2,   // the Greek font, at RTFGreekFontSize
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Prepares measuring for data window id (fonts, device context). false:
    // the window shows nothing now (it is minimised) and nothing is rendered.
    virtual bool Begin(int id) = 0;
    // Width in pixels of length bytes of text in font.
    virtual int Width(int font, const char* text, int length) = 0;
    // Releases what Begin took.
    virtual void End() = 0;
};

// Every byte is as wide as half the font's pixel height (the height the
// measuring fonts get: trunc(0.8181818 x size)), at least one pixel.
class CoreTextMeasurer : public TextMeasurer {
public:
    bool Begin(int id) override;
    int Width(int font, const char* text, int length) override;
    void End() override {}
};

// Pixel height of the measuring font for an RTF size in half points.
int BK_MeasureFontHeight(int rtf_size);

// The measurer the renderer uses; null selects the core measurer. Returns the
// previous one.
TextMeasurer* BK_SetTextMeasurer(TextMeasurer* measurer);
TextMeasurer* BK_GetTextMeasurer();
