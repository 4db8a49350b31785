#include "text/copy_text.h"

#include <algorithm>

#include "text/display_codes.h"

namespace {

void AppendUtf16(std::u16string& out, const std::u32string& text)
{
    for (char32_t c : text) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
}

// Display codes of one script to Unicode; Hebrew lines are reversed first.
void AppendScript(std::u16string& out, int script, const std::string& text)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (script == SV_SCRIPT_HEBREW) std::reverse(line.begin(), line.end());
        std::u32string u;
        DisplayToUnicode(script, line, u);
        AppendUtf16(out, u);
        if (end >= text.size()) break;
        // Line ends pass through as they are.
        std::size_t next = end;
        while (next < text.size() && (text[next] == '\r' || text[next] == '\n')) out += static_cast<char16_t>(text[next++]);
        start = next;
        if (start == text.size()) break;
    }
}

} // namespace

std::u16string Cp1252ToUnicode(const std::string& text, int)
{
    static const char16_t k80[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                     0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::u16string out;
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        out += c >= 0x80 && c < 0xA0 ? k80[c - 0x80] : static_cast<char16_t>(c);
    }
    return out;
}

std::u16string CopiedTextToUnicode(const std::vector<COPY_RUN>& runs, LatinToUnicode latin)
{
    std::u16string out;
    for (const COPY_RUN& r : runs) {
        if (r.script == SV_SCRIPT_HEBREW || r.script == SV_SCRIPT_GREEK) {
            // Blanks and line ends are the same in every font.
            AppendScript(out, r.script, r.text);
        } else {
            out += (latin ? latin : Cp1252ToUnicode)(r.text, r.codepage);
        }
    }
    return out;
}
