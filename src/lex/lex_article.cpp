#include "lex/lex_article.h"

#include <cstdio>
#include <algorithm>
#include <cstring>

#include "app/records.h"
#include "books/rtf_tags.h"
#include "books/tag_parser.h"
#include "lex/lex_hits.h"
#include "lex/lex_reader.h"
#include "text/display_codes.h"

namespace {

// Appends text at *at, cut so that one byte stays for the NUL.
void Put(char* buf, int size, int* at, const char* text)
{
    if (*at >= size - 1) return;
    const int n = std::snprintf(buf + *at, static_cast<std::size_t>(size - *at), "%s", text);
    *at = n < 0 ? *at : std::min(*at + n, size - 1);
}

} // namespace

int LX_ZobrazComment(int id)
{
    RTFDATA& doc = bk_rtfdata;
    doc.count = 0;
    doc.offset = 0;
    doc.buffer[0] = '\0';
    if (id < 0 || id >= MAX_DATAWINDOWS) return 0;
    DATAWINDOW& w = datawindow[id];
    if (!w.lx_radek || w.lx_radku_filled <= 0 || w.lx_radek[0].record <= 0) return 0;
    LXRECORD& r = g_lx_record;
    r.id_file = w.id_file;
    r.offset = w.lx_radek[0].offset;
    if (!LX_CtiRecord(&r, 0, 1)) return 0;

    char* buf = doc.buffer;
    const int size = RTFDATA_BUFFER;
    int at = 0;
    BK_InicRTFheader(w.lx_charset);
    Put(buf, size, &at, BK_RTFhead);
    Put(buf, size, &at, " ");
    Put(buf, size, &at, rtftag[RTF_DEF_CZ].rtf1);
    // The hits of the window's last search are marked in copies: the
    // record keeps its text for the click analysis.
    const bool hits = w.search_out_lx.hit_verses > 0;
    static char body[sizeof r.buffer];
    for (int n = 0; n < w.lx_pocet_zahlavi && n < 10; ++n) {
        Put(buf, size, &at, rtftag[RTF_LX_HEADER].rtf1);
        Put(buf, size, &at, w.lx_zahlavi[n].zah_label);
        char item[sizeof r.item[n]];
        std::memcpy(item, r.item[n], sizeof item);
        item[sizeof item - 1] = '\0';
        if (hits) LX_SelectHits(id, item, static_cast<int>(sizeof item));
        at = BK_ParseTagsCZ(item, id, buf, size - 1, at, 1);
        Put(buf, size, &at, w.lx_zahlavi[n].zah_flag1 == 0 ? "\r\n\\par" : " ");
    }
    Put(buf, size, &at, rtftag[RTF_DEF_CZ].rtf1);
    const char* text = r.buffer;
    if (hits) {
        std::memcpy(body, r.buffer, sizeof body);
        body[sizeof body - 1] = '\0';
        LX_SelectHits(id, body, static_cast<int>(sizeof body));
        text = body;
    }
    at = BK_ParseTagsCZ(text, id, buf, size - 1, at, 1);
    Put(buf, size, &at, BK_RTF_end);
    Put(buf, size, &at, " ");
    buf[at] = '\0';
    doc.count = at;
    return at;
}

std::u16string LX_KeywordUnicode(const char* keyword, int language)
{
    std::u16string out;
    if (!keyword || (language != SV_SCRIPT_HEBREW && language != SV_SCRIPT_GREEK)) return out;
    std::u32string text;
    DisplayToUnicode(language, keyword, text);
    for (char32_t c : text) {
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
    }
    return out;
}
