#include "books/render.h"

#include <cstdio>
#include <cstring>

#include "app/records.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "books/text_measure.h"
#include "books/verse_location.h"

namespace {

const BK_RESULTS_SOURCE* g_results = nullptr;

// The document in bk_rtfdata.buffer; one byte stays for the terminating NUL.
struct Doc {
    char* buf = bk_rtfdata.buffer;
    int cap = RTFDATA_BUFFER - 1;
    int pos = 0;

    void Put(const char* s, int n)
    {
        if (n > cap - pos) n = cap - pos;
        if (n <= 0) return;
        std::memcpy(buf + pos, s, static_cast<std::size_t>(n));
        pos += n;
    }
    void Puts(const char* s) { Put(s, static_cast<int>(std::strlen(s))); }
    void Putc(char c) { Put(&c, 1); }
    // Appends the ending; if a runaway verse left too little room for it,
    // the last bytes make way so that every document is closed.
    void Finish()
    {
        int n = static_cast<int>(std::strlen(BK_RTF_end));
        if (pos > cap - n) pos = cap - n;
        Puts(BK_RTF_end);
        buf[pos] = '\0';
    }
};

enum Layout { LAYOUT_HEBREW, LAYOUT_PLAIN, LAYOUT_TAGGED };

bool IsMark(const char* t, int k, int len, bool* closing)
{
    if (k + 2 < len && t[k] == '|' && t[k + 1] == 'S' && (t[k + 2] == 'S' || t[k + 2] == 's')) {
        *closing = t[k + 2] == 's';
        return true;
    }
    return false;
}

// The text a reader sees, for measuring: tags ("|" and two characters, the
// font switch with its digit) are left out.
int VisibleText(const char* t, int len, char* out)
{
    int n = 0;
    for (int k = 0; k < len; ++k) {
        if (t[k] == '|') {
            int skip = (k + 2 < len && t[k + 1] == 'S' && t[k + 2] == 'C') ? 3 : 2;
            k += skip;
            continue;
        }
        if (t[k] == '\r' || t[k] == '\n') continue;
        out[n++] = t[k];
    }
    return n;
}

// Width of a Hebrew line with its search marks removed.
int HebrewWidth(TextMeasurer* m, const char* t, int from, int to, char* scratch)
{
    int n = 0;
    bool closing;
    for (int k = from; k < to; ++k) {
        if (IsMark(t, k, to, &closing)) {
            k += 2;
            continue;
        }
        scratch[n++] = t[k];
    }
    return m->Width(MEASURE_HEBREW, scratch, n);
}

// Writes the Hebrew line [from, to) reversed, backslashes doubled. With marks
// (results view) the hit marks switch the colour: the line starts with the
// colour that holds at its logical end.
void EmitHebrewLine(Doc& doc, const char* t, int from, int to, bool marks, bool in_hit_at_end)
{
    if (marks) doc.Puts(in_hit_at_end ? "\\cf16 " : "\\cf5 ");
    bool closing;
    for (int j = to - 1; j >= from; --j) {
        if (marks && j - 2 >= from && IsMark(t, j - 2, to, &closing)) {
            doc.Puts(closing ? "\\cf16 " : "\\cf5 ");
            j -= 2;
            continue;
        }
        if (t[j] == '\\') doc.Putc('\\');
        doc.Putc(t[j]);
    }
}

} // namespace

void BK_SetResultsSource(const BK_RESULTS_SOURCE* source)
{
    g_results = source;
}

int BK_PripravText(BOOK_POSITION position, int mode)
{
    const int id = position.number;
    if (id < 0 || id >= MAX_DATAWINDOWS) return 0;
    DATAWINDOW& w = datawindow[id];
    if (!BK_WindowFile(id)) return 0;
    if (mode == 1 && (!g_results || !g_results->offset)) return 0;
    TextMeasurer* m = BK_GetTextMeasurer();
    if (!m->Begin(id)) return 0;

    BK_InicRTFheader(w.charset);
    const int h = w.position.bottom - w.position.top;
    const bool greek = w.language == SCRIPT_GREEK;
    const int base = greek ? RTF_DEF_GR : RTF_DEF_CZ;
    Layout layout;
    int size;
    double factor;
    if (w.language == SCRIPT_HEBREW) {
        layout = LAYOUT_HEBREW;
        size = RTFHebFontSize;
        factor = 1.5;
    } else {
        layout = (w.tag_advanced == 1 || mode == 1) ? LAYOUT_TAGGED : LAYOUT_PLAIN;
        size = greek ? RTFGreekFontSize : RTFCzechFontSize;
        factor = layout == LAYOUT_TAGGED ? 1.7 : 1.5;
    }
    int budget = size > 0 ? static_cast<int>(factor * h / size) : 0;
    if (layout == LAYOUT_TAGGED && (!w.show_tag_strong_hebrew || !w.show_tag_strong_greek)) budget *= 2;
    const int text_font = (layout == LAYOUT_PLAIN && greek) ? MEASURE_GREEK : MEASURE_TEXT;
    const int usable = w.line_width - 16 > 0 ? w.line_width - 16 : 1;
    const bool labels = status.opt_bk_label == 1;

    Doc doc;
    doc.Puts(BK_RTFhead);
    if (layout == LAYOUT_HEBREW) {
        doc.Puts("\\qr");
    } else {
        if (layout == LAYOUT_PLAIN) doc.Puts("\\ql");
        doc.Puts(rtftag[base].rtf1);
    }

    static char scratch[BOOK_RECORD_BUFFER];
    int verses = 0;
    int lines = 0;
    int32_t offset;
    if (mode == 0) {
        offset = BK_HledejVers(position);
        w.offset = offset;
    } else {
        offset = g_results->offset(0);
    }

    while (offset != 0) {
        if (lines >= budget) break;
        if (layout == LAYOUT_TAGGED && doc.pos > RTF_RENDER_LIMIT) break;
        g_book_record.offset = offset;
        g_book_record.book_position.number = id;
        if (!BK_CtiRecord(&g_book_record)) break;
        int len = g_book_record.delka;
        if (len < 0) len = 0;
        if (len > BOOK_RECORD_BUFFER - 1) len = BOOK_RECORD_BUFFER - 1;
        g_book_record.buffer[len] = '\0';
        if (mode == 0 && verses == 0) {
            w.book_position = g_book_record.book_position;
            w.book_position.number = id;
        }
        if (mode == 1 && g_results->mark_hits) {
            g_results->mark_hits(id);
            len = static_cast<int>(strnlen(g_book_record.buffer, BOOK_RECORD_BUFFER - 1));
        }
        ++verses;

        int label_width = 0;
        g_book_record.name[0] = '\0';
        if (labels) {
            BK_GenerujPopisku(&g_book_record, id, verses == 1 || mode == 1);
            label_width = m->Width(MEASURE_TEXT, g_book_record.name, static_cast<int>(std::strlen(g_book_record.name)));
        }
        const char* text = g_book_record.buffer;
        bool stop = false;

        if (layout == LAYOUT_HEBREW) {
            doc.Puts(rtftag[RTF_TH].rtf1);
            const bool marks = mode == 1;
            bool in_hit = false;  // at the start of the current line
            int ls = 0;
            int le = 0;
            int k = 0;
            bool first_line = true;
            for (;;) {
                int we = k;
                while (we < len && text[we] != ' ') ++we;
                int width = HebrewWidth(m, text, ls, we, scratch) + 16 + (first_line ? label_width : 0);
                bool close_before = width >= w.line_width && le > ls;
                bool last = !close_before && we >= len;
                if (!close_before) le = we;
                if (close_before || last) {
                    if (doc.pos + 2 * (le - ls) + 512 > RTF_RENDER_LIMIT) {
                        stop = true;
                        break;
                    }
                    bool hit_at_end = in_hit;
                    bool closing;
                    for (int q = ls; q < le; ++q)
                        if (IsMark(text, q, le, &closing)) {
                            hit_at_end = !closing;
                            q += 2;
                        }
                    EmitHebrewLine(doc, text, ls, le, marks, hit_at_end);
                    if (first_line && labels) {
                        doc.Puts(rtftag[RTF_LABEL].rtf1);
                        doc.Puts(g_book_record.name);
                        doc.Puts("\r\n\\par ");
                        doc.Puts(rtftag[RTF_TH].rtf1);
                    } else {
                        doc.Puts("\r\n\\par ");
                    }
                    ++lines;
                    in_hit = hit_at_end;
                    first_line = false;
                    if (last) break;
                    ls = le < len && text[le] == ' ' ? le + 1 : le;
                    le = ls;
                    k = ls;
                    continue;
                }
                k = we + 1;
            }
        } else {
            if (labels) {
                doc.Puts(rtftag[RTF_LABEL].rtf1);
                doc.Puts(g_book_record.name);
            }
            if (layout == LAYOUT_PLAIN) {
                int row_len = static_cast<int>(std::strlen(rtftag[base].rtf1));
                if (doc.pos + row_len + len + 6 > RTF_RENDER_LIMIT) {
                    stop = true;
                } else {
                    doc.Puts(rtftag[base].rtf1);
                    doc.Put(text, len);
                    doc.Puts("\r\n\\par");
                }
            } else {
                doc.pos = BK_ParseTagsCZ(text, id, doc.buf, RTFDATA_BUFFER, doc.pos, 0);
                if (doc.pos > doc.cap) doc.pos = doc.cap;
            }
            if (!stop) {
                int visible = layout == LAYOUT_PLAIN ? len : VisibleText(text, len, scratch);
                const char* measured = layout == LAYOUT_PLAIN ? text : scratch;
                int estimate = (label_width + m->Width(text_font, measured, visible)) / usable;
                lines += estimate > 0 ? estimate : 1;
            }
        }
        if (stop) break;

        if (mode == 0)
            offset = g_book_record.offset + g_book_record.delka + 12;
        else
            offset = g_results->offset(verses);
    }

    doc.Finish();
    m->End();
    return verses;
}
