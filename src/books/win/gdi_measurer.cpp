#include "books/win/gdi_measurer.h"

#include "app/records.h"
#include "books/rtf_tags.h"

namespace {

// The rich-text control sizes its fonts by the em (half points at the
// screen's resolution), so the measuring fonts are made by the em height too:
// a font with tall ascenders, as the pointed Hebrew faces have, would measure
// far too narrow if it were made by its cell height.
HFONT MakeFont(const char* face, int rtf_size, int weight, BOOL italic, int charset)
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    const int em = MulDiv(rtf_size, dpi > 0 ? dpi : 96, 144);
    return CreateFontA(em > 0 ? -em : BK_MeasureFontHeight(rtf_size), 0, 0, 0, weight, italic, FALSE, FALSE,
                       static_cast<DWORD>(charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                       DEFAULT_PITCH, face);
}

} // namespace

bool GdiTextMeasurer::Begin(int id)
{
    End();
    if (id < 0 || id >= MAX_DATAWINDOWS) return false;
    const DATAWINDOW& w = datawindow[id];
    HWND frame = static_cast<HWND>(w.hwnd);
    if (frame && IsIconic(frame)) return false;
    const int charset = w.charset[0];
    fonts_[MEASURE_HEBREW] = MakeFont(BK_HebrewFontName(), RTFHebFontSize, FW_NORMAL, FALSE, ANSI_CHARSET);
    fonts_[MEASURE_TEXT] = MakeFont(RTFCzechFontName, RTFCzechFontSize, rtftag[RTF_TE].bold ? FW_BOLD : FW_NORMAL,
                                    rtftag[RTF_TE].italic ? TRUE : FALSE, charset);
    fonts_[MEASURE_GREEK] = MakeFont(RTFGreekFontName, RTFGreekFontSize,
                                     rtftag[RTF_DEF_GR].bold ? FW_BOLD : FW_NORMAL,
                                     rtftag[RTF_DEF_GR].italic ? TRUE : FALSE, charset);
    HWND edit = static_cast<HWND>(w.hrichedit);
    HDC screen = GetDC(edit);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(edit, screen);
    if (!dc_) return true;  // Width() then estimates without fonts
    SetMapMode(dc_, MM_TEXT);
    original_ = SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    return true;
}

int GdiTextMeasurer::Width(int font, const char* text, int length)
{
    if (length <= 0 || !text) return 0;
    if (font < 0 || font > 2) font = MEASURE_TEXT;
    if (!dc_ || !fonts_[font]) {
        CoreTextMeasurer core;
        return core.Width(font, text, length);
    }
    SelectObject(dc_, fonts_[font]);
    SIZE extent{};
    GetTextExtentPoint32A(dc_, text, length, &extent);
    return extent.cx;
}

void GdiTextMeasurer::End()
{
    if (dc_) {
        if (original_) SelectObject(dc_, original_);
        DeleteDC(dc_);
        dc_ = nullptr;
        original_ = nullptr;
    }
    for (HFONT& f : fonts_) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
}

void BK_UseGdiMeasurer()
{
    static GdiTextMeasurer measurer;
    BK_SetTextMeasurer(&measurer);
}
