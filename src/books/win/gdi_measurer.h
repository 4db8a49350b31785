// Measuring text with the real fonts in a memory device context.
#pragma once

#include <windows.h>

#include "books/text_measure.h"

class GdiTextMeasurer : public TextMeasurer {
public:
    GdiTextMeasurer() = default;
    ~GdiTextMeasurer() override { End(); }
    GdiTextMeasurer(const GdiTextMeasurer&) = delete;
    GdiTextMeasurer& operator=(const GdiTextMeasurer&) = delete;

    bool Begin(int id) override;
    int Width(int font, const char* text, int length) override;
    void End() override;

private:
    HDC dc_ = nullptr;
    HFONT fonts_[3] = {};
    HGDIOBJ original_ = nullptr;
};

// Makes the renderer measure with GDI for the rest of the run.
void BK_UseGdiMeasurer();
