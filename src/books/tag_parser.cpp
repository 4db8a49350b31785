#include "books/tag_parser.h"

#include <cstdio>
#include <cstring>

#include "app/message.h"
#include "app/records.h"
#include "books/rtf_tags.h"
#include "text/morphology.h"

namespace {

constexpr int kMorphBuffer = 32;
constexpr int kStopMargin = 2048;

// Appends to the caller's buffer and never writes at or beyond its capacity.
struct Out {
    char* buf;
    int size;
    int pos;

    void Put(const char* s, int n)
    {
        if (n <= 0) return;
        int room = size - pos;
        if (n > room) n = room;
        if (n <= 0) return;
        std::memcpy(buf + pos, s, static_cast<std::size_t>(n));
        pos += n;
    }
    void Puts(const char* s) { Put(s, static_cast<int>(std::strlen(s))); }
    void Putc(char c) { Put(&c, 1); }
};

struct Parser {
    const char* s;
    const DATAWINDOW* w;  // null when id names no data window: defaults apply
    int mode;
    Out out;
    int stack[LT_MAX];
    int sp = 0;
    bool hebrew = false;
    bool in_hit = false;  // between the search marks "|SS" and "|Ss"
    bool failed = false;

    int Flag(int DATAWINDOW::*field) const { return w ? w->*field : 1; }
    int Language() const { return w ? w->language : SCRIPT_LATIN; }

    void Corrupted()
    {
        failed = true;
        ShowMessageBoxId(nullptr, 10015, 10016, SV_MB_OK | SV_MB_ICONERROR);
    }

    void Emit(int row) { out.Puts(rtftag[row].rtf1); }

    // Pushes row; a full stack counts as a corrupted text.
    bool Push(int row)
    {
        if (sp >= LT_MAX) {
            Corrupted();
            return false;
        }
        stack[sp++] = row;
        return true;
    }
    bool Open(int row)
    {
        if (!Push(row)) return false;
        Emit(row);
        return true;
    }
    // Pops one entry and emits the format now on top (prefix first).
    void Close(const char* prefix)
    {
        if (sp > 0) --sp;
        if (prefix) out.Puts(prefix);
        if (sp > 0) Emit(stack[sp - 1]);
        HitColour();
    }
    // Inside a search hit, text classes opened or restored keep the hit colour.
    void HitColour()
    {
        if (!in_hit) return;
        char colour[16];
        std::snprintf(colour, sizeof colour, "\\cf%d ", RTF_HIT);
        out.Puts(colour);
    }

    // Copies the pending run [from, to) into the output.
    void Flush(int from, int to)
    {
        if (to <= from) return;
        if (hebrew) {
            FlushReversed(from, to);
            return;
        }
        out.Put(s + from, to - from);
    }

    // Hebrew is drawn left to right: the run goes out character by character
    // from its end, backslashes doubled, and search marks turned round.
    void FlushReversed(int from, int to)
    {
        int j = to - 1;
        while (j >= from) {
            if (j - from >= 2 && s[j - 2] == '|' && s[j - 1] == 'S' && (s[j] == 's' || s[j] == 'S')) {
                if (s[j] == 's')
                    out.Puts(rtftag[RTF_HIT].rtf1);
                else
                    out.Putc('}');
                j -= 3;
                continue;
            }
            if (s[j] == '\\') out.Putc('\\');
            out.Putc(s[j]);
            --j;
        }
    }

    // Index of the first "|" at or after from, or -1 at the end of the text.
    int FindBar(int from) const
    {
        for (int k = from; s[k]; ++k)
            if (s[k] == '|') return k;
        return -1;
    }

    // Index of the first occurrence of the three-character closing tag at or
    // after from, or -1 at the end of the text.
    int FindClosing(int from, char first, char second) const
    {
        for (int k = from; s[k]; ++k)
            if (s[k] == '|' && s[k + 1] == first && s[k + 2] == second) return k;
        return -1;
    }

    // Skips n characters from k, stopping at the end of the text.
    int Skip(int k, int n) const
    {
        while (n-- > 0 && s[k]) ++k;
        return k;
    }

    bool MorphLine() const
    {
        return mode == 0 && w && w->morph_line == 1 && (w->show_tag_morph_greek || w->show_tag_morph_hebrew);
    }

    void EmitReference(int from, int to)
    {
        int colon = -1;
        for (int k = from; k < to; ++k)
            if (s[k] == ':') {
                colon = k;
                break;
            }
        if (colon < 0) {
            out.Put(s + from, to - from);
            return;
        }
        int name_len = colon - from;
        bool found = false;
        if (w && w->book_info && name_len > 0 && name_len <= 7) {
            for (int b = 0; b < w->books; ++b) {
                const BOOK_INFO& bi = w->book_info[b];
                if (std::strncmp(bi.sync_name, s + from, static_cast<std::size_t>(name_len)) == 0 &&
                    (name_len == 8 || bi.sync_name[name_len] == '\0')) {
                    out.Put(bi.abbrev_name, static_cast<int>(strnlen(bi.abbrev_name, sizeof bi.abbrev_name)));
                    out.Puts("\\~");
                    found = true;
                    break;
                }
            }
        }
        if (!found) out.Put(s + from, name_len);
        out.Put(s + colon + 1, to - colon - 1);
    }

    void EmitStrong(int from, int to, char letter)
    {
        long value = 0;
        int k = from;
        while (k < to && (s[k] == ' ' || s[k] == '\t')) ++k;
        bool negative = false;
        if (k < to && (s[k] == '-' || s[k] == '+')) negative = s[k++] == '-';
        for (; k < to && s[k] >= '0' && s[k] <= '9'; ++k) {
            value = value * 10 + (s[k] - '0');
            if (value > 2147483647L) value = 2147483647L;
        }
        if (negative) value = -value;
        char text[24];
        std::snprintf(text, sizeof text, " %c%ld", letter, value);
        out.Puts(text);
    }

    // Acts on the tag at i (s[i] == '|'); the pending run [run, i) has not
    // been emitted yet. Returns where parsing goes on, or -1 to stop.
    int Tag(int run, int i)
    {
        char a = s[i + 1];
        char b = a ? s[i + 2] : '\0';
        int next = Skip(i, 3);
        bool open = b >= 'A' && b <= 'Z';

        // Closing tags that consume the pending run themselves.
        if (a == 'T' && b == 'h') {
            hebrew = true;
            Flush(run, i);
            hebrew = false;
            Close(nullptr);
            return next;
        }
        if (a == 'R' && (b == 'r' || b == 'h' || b == 'g')) {
            int DATAWINDOW::*flag = b == 'r' ? &DATAWINDOW::show_tag_reference
                                    : b == 'h' ? &DATAWINDOW::show_tag_strong_hebrew
                                               : &DATAWINDOW::show_tag_strong_greek;
            if (!Flag(flag)) {
                // Hidden: a reference is still written, resolved, in the
                // surrounding format; a Strong's number is left out (its
                // digits would stick to the word before them).
                if (b == 'r') EmitReference(run, i);
                return next;
            }
            if (b == 'r')
                EmitReference(run, i);
            else
                EmitStrong(run, i, b == 'h' ? 'H' : 'G');
            Close("}");
            return next;
        }

        Flush(run, i);

        if (a == 'T') {
            int row = -1;
            int DATAWINDOW::*flag = nullptr;
            bool skip_hidden = false;
            switch (b | 0x20) {
            case 'j': row = RTF_TJ; flag = &DATAWINDOW::show_tag_christ; break;
            case 'p': row = RTF_TP; flag = &DATAWINDOW::show_tag_preface; skip_hidden = true; break;
            case 'u': row = RTF_TU; flag = &DATAWINDOW::show_tag_unused; skip_hidden = true; break;
            case 'n': row = RTF_TN; flag = &DATAWINDOW::show_tag_note; skip_hidden = true; break;
            case 'v': row = RTF_TV; flag = &DATAWINDOW::show_tag_variant; skip_hidden = true; break;
            case 'e': row = RTF_TE; break;
            case 'g': row = mode == 1 ? RTF_LX_GR : RTF_TG; break;
            case 'h': row = mode == 1 ? RTF_LX_HE : RTF_TH; break;
            case 'b': row = RTF_BOLD; break;
            case 'i': row = RTF_ITALIC; break;
            case 'r': row = RTF_SUPER; break;
            default: return next;  // unknown tag
            }
            if (flag && !Flag(flag)) {
                if (open && skip_hidden) {
                    int close = FindClosing(next, 'T', static_cast<char>(b | 0x20));
                    if (close < 0) {
                        Corrupted();
                        return -1;
                    }
                    return Skip(close, 3);
                }
                return next;  // the tags alone are dropped
            }
            if (open) {
                if (!Open(row)) return -1;
                HitColour();
                if (row == RTF_TH || row == RTF_LX_HE) hebrew = true;
            } else {
                const char* prefix = row == RTF_BOLD ? "\\b0" : row == RTF_ITALIC ? "\\i0" : row == RTF_SUPER ? "\\nosupersub" : nullptr;
                Close(prefix);
            }
            return next;
        }

        if (a == 'R' && (b == 'R' || b == 'H' || b == 'G')) {
            int row = b == 'R' ? RTF_RR : b == 'H' ? RTF_RH : RTF_RG;
            int DATAWINDOW::*flag = b == 'R' ? &DATAWINDOW::show_tag_reference
                                    : b == 'H' ? &DATAWINDOW::show_tag_strong_hebrew
                                               : &DATAWINDOW::show_tag_strong_greek;
            if (!Flag(flag)) return next;
            if (i >= 3 && s[i - 3] == '|' && s[i - 2] == 'S' && s[i - 1] == 'S') {
                char hit[256];
                BK_FormatRTFRow(row, RTF_HIT, hit, sizeof hit);
                if (!Push(row)) return -1;
                out.Puts(hit);
                return next;
            }
            return Open(row) ? next : -1;
        }

        if (a == 'M' && (b == 'G' || b == 'g')) {
            bool shown = Flag(&DATAWINDOW::show_tag_morph_greek) != 0;
            if (b == 'g') {
                if (shown) Close(")");
                return next;
            }
            int end = FindBar(next);
            if (end < 0) {
                Corrupted();
                return -1;
            }
            if (!shown) return end;  // the code is left out, the closing tag dropped
            if (!Push(RTF_MORPH_GR)) return -1;
            Emit(RTF_MORPH_GR);
            out.Putc('(');
            int len = end - next;
            int resume = end;
            if (len >= kMorphBuffer) {
                ShowMessageBox(nullptr, "Too small buffer for Greek morphology", "Internal Error - please report!",
                               SV_MB_OK | SV_MB_ICONERROR);
                len = kMorphBuffer - 1;
                resume = next + kMorphBuffer;  // the 32nd character is lost
            }
            char code[kMorphBuffer];
            std::memcpy(code, s + next, static_cast<std::size_t>(len));
            code[len] = '\0';
            // Decoded in the window's coding system when the option is on; a
            // code that decodes to nothing (a module without a coding system)
            // is shown as it stands rather than as empty parentheses.
            char decoded[4096];
            if (status.opt_decode_morphology == 1 && w &&
                DecodeMorphologyGR(w->tag_morph_greek_type, 0, code, decoded, sizeof decoded) > 0)
                out.Puts(decoded);
            else
                out.Puts(code);
            return resume;
        }

        if (a == 'L' && (b == 'G' || b == 'g')) {
            if (b == 'g') return next;
            int end = FindBar(next);
            if (end < 0) {
                Corrupted();
                return -1;
            }
            if (Flag(&DATAWINDOW::show_tag_morph_greek)) {
                Emit(RTF_LEMMA_GR);
                out.Putc('(');
                char format[128];
                std::snprintf(format, sizeof format, "\\plain\\f%d\\fs%d\\cf%d%s ", RTF_FONT_GREEK,
                              static_cast<int>(rtftag[RTF_TG].fontsize), RTF_LEMMA_GR, rtftag[RTF_TG].rtf2_bi);
                out.Puts(format);
                out.Put(s + next, end - next);
                Emit(RTF_LEMMA_GR);
                out.Putc(')');
                int lang = Language();
                Emit(lang == SCRIPT_GREEK ? RTF_TG : lang == SCRIPT_HEBREW ? RTF_TH : RTF_TE);
            }
            return Skip(end, 3);
        }

        if (a == 'S' && b == 'C') {
            char d = s[next];
            int digit = d >= '0' && d <= '7' ? d - '0' : 0;
            char text[16];
            std::snprintf(text, sizeof text, "\\f%d ", RTF_FONT_MODULE + digit);
            out.Puts(text);
            return d ? next + 1 : next;
        }

        if (a == 'S' && (b == 'S' || b == 's')) {
            in_hit = b == 'S';
            if (b == 'S')
                out.Puts(rtftag[RTF_HIT].rtf1);
            else
                out.Putc('}');
            return next;
        }

        return next;  // unknown tag: dropped
    }

    int Run(int size)
    {
        int base = mode == 1 ? RTF_LX_CZ : Language() == SCRIPT_GREEK ? RTF_DEF_GR : RTF_DEF_CZ;
        for (int k = 0; k < 4; ++k) stack[sp++] = base;
        Emit(base);

        int i = 0;
        int run = 0;
        while (out.pos < size - kStopMargin && sp > 0) {
            if (sp <= PODTECENI) {
                Corrupted();
                break;
            }
            char c = s[i];
            if (c == '\0') {
                Flush(run, i);
                out.Puts(mode == 0 ? "\r\n\\par" : "\r\n");
                break;
            }
            if (c == '\r' && s[i + 1] == '\n') {
                Flush(run, i);
                out.Puts("\\par ");
                i += 2;
                run = i;
                continue;
            }
            if (c == ' ' && MorphLine()) {
                Flush(run, i);
                out.Puts("\\par ");
                run = ++i;
                continue;
            }
            if (c == '|') {
                // Search marks inside Hebrew text stay in the run.
                if (hebrew && s[i + 1] == 'S' && (s[i + 2] == 'S' || s[i + 2] == 's')) {
                    i += 3;
                    continue;
                }
                int next = Tag(run, i);
                if (next < 0) break;
                i = run = next;
                continue;
            }
            ++i;
        }
        return out.pos;
    }
};

} // namespace

int BK_ParseTagsCZ(const char* data_buf, int id, char* rtf_buf, int size, int index, int mode)
{
    if (!rtf_buf || size <= 0 || index < 0) return index < 0 ? 0 : index;
    if (index >= size) return size;
    if (!data_buf) data_buf = "";
    Parser p{};
    p.s = data_buf;
    p.w = id >= 0 && id < MAX_DATAWINDOWS ? &datawindow[id] : nullptr;
    p.mode = mode == 1 ? 1 : 0;
    p.out = Out{rtf_buf, size, index};
    return p.Run(size);
}

void BK_GenerujPopisku(BOOK_RECORD* record, int id, int full)
{
    if (!record) return;
    const BOOK_POSITION& bp = record->book_position;
    const char* name = "";
    bool hebrew = false;
    if (id >= 0 && id < MAX_DATAWINDOWS) {
        const DATAWINDOW& w = datawindow[id];
        hebrew = w.language == SCRIPT_HEBREW;
        if (w.book_info && bp.book >= 1 && bp.book <= w.books) name = w.book_info[bp.book - 1].name;
    }
    char book[sizeof(BOOK_INFO::name) + 1];
    std::snprintf(book, sizeof book, "%.*s", static_cast<int>(sizeof(BOOK_INFO::name)), name);
    char label[256];
    if (full || bp.verse == 1)
        std::snprintf(label, sizeof label, hebrew ? " %s %d:%d" : "%s %d:%d ", book, bp.chapter, bp.verse);
    else
        std::snprintf(label, sizeof label, hebrew ? " %d" : "%d ", bp.verse);
    std::snprintf(record->name, sizeof record->name, "%.63s", label);
}
