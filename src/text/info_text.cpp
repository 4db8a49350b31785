#include "text/info_text.h"

#include <cstdio>
#include <cstring>

#include "app/catalogue.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "books/rtf_tags.h"
#include "resource.h"
#include "text/click_info.h"
#include "text/morphology.h"
#include "text/word_tags.h"

namespace {

// An RTF document written into a fixed buffer; one byte stays for the NUL.
struct Out {
    char* buf;
    int cap;
    int pos = 0;

    Out(char* b, int size) : buf(b), cap(size > 0 ? size - 1 : 0)
    {
        if (size > 0) buf[0] = '\0';
    }
    void Puts(const char* s)
    {
        if (!buf) return;
        int n = static_cast<int>(std::strlen(s));
        if (n > cap - pos) n = cap - pos;
        if (n <= 0) return;
        std::memcpy(buf + pos, s, static_cast<std::size_t>(n));
        pos += n;
        buf[pos] = '\0';
    }
    void Puts(const std::string& s) { Puts(s.c_str()); }
    template <typename... A>
    void Printf(const char* format, A... args)
    {
        char line[4096 + 256];
        std::snprintf(line, sizeof line, format, args...);
        Puts(line);
    }
    // The document ending always fits: the last bytes make way for it.
    void Finish(const char* end)
    {
        if (!buf) return;
        const int n = static_cast<int>(std::strlen(end));
        if (pos > cap - n) pos = cap - n > 0 ? cap - n : 0;
        Puts(end);
    }
};

std::string Str(int id)
{
    char text[256];
    LANG_LoadString(nullptr, id, text, sizeof text);
    return text;
}

// The text of tag area after marker ("|MG", "|LG") up to the next "|" (or
// the end of the area), at most max bytes; false when the marker is absent.
bool TagValue(const std::string& area, const char* marker, std::size_t max, std::string* value, bool* too_long)
{
    const std::size_t at = area.find(marker);
    if (at == std::string::npos) return false;
    const std::size_t start = at + 3;
    std::size_t end = area.find('|', start);
    if (end == std::string::npos) end = area.size();
    *too_long = end - start > max;
    *value = area.substr(start, std::min(end - start, max));
    return true;
}

} // namespace

std::string RtfEscape(const char* text)
{
    std::string out;
    if (!text) return out;
    for (const char* p = text; *p; ++p) {
        const char c = *p;
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            if (p[1] == '\n') ++p;
            out += "\r\n\\par ";
        } else if (c == '\n') {
            out += "\r\n\\par ";
        } else {
            out += c;
        }
    }
    return out;
}

int INFO_GematriaValues(int language, const char* word, int length, char lines[2][160])
{
    if (!word || length <= 0 || (language != SCRIPT_HEBREW && language != SCRIPT_GREEK)) return 0;
    int a = 0, b = 0, c = 0;
    if (language == SCRIPT_GREEK) {
        EnumerateGreek(word, 0, length - 1, &a, &b, &c);
        std::snprintf(lines[0], 160, "%s %d  %d  %d", Str(IDS_GEMATRIA_VALUE1).c_str(), a, b, c);
        return 1;
    }
    EnumerateHebrew(0, word, 0, length - 1, &a, &b, &c);
    std::snprintf(lines[0], 160, "%s %d  %d  %d", Str(IDS_GEMATRIA_VALUE1).c_str(), a, b, c);
    EnumerateHebrew(1, word, 0, length - 1, &a, &b, &c);
    std::snprintf(lines[1], 160, "%s %d  %d  %d", Str(IDS_GEMATRIA_VALUE2).c_str(), a, b, c);
    return 2;
}

int INFO_BuildClickText(const RTFCLICK& click, const char* tag_area, int tag_length, char* out, int size)
{
    Out doc(out, size);
    const int info = status.info_visible == 1 ? status.id_info : -1;
    static const int32_t kAnsi[8] = {};
    BK_InicRTFheader(info >= 0 && info < MAX_DATAWINDOWS ? datawindow[info].charset : kAnsi);
    doc.Puts(BK_RTFhead);
    doc.Puts(" ");
    doc.Puts(rtftag[RTF_DEF_CZ].rtf1);

    const bool word = click.flag_word == 1 && click.flag_language == 1 && click.in_buf &&
                      click.out_word_r >= click.out_word_l && click.out_word_l >= 0;
    const int language = word ? click.out_language : 0;
    if (word && status.opt_info_gematria == 1) {
        char lines[2][160];
        const int n = INFO_GematriaValues(language, click.in_buf + click.out_word_l,
                                          click.out_word_r - click.out_word_l + 1, lines);
        // Each line: the label in bold, then the three values.
        for (int i = 0; i < n; ++i) {
            const std::string label = Str(i == 0 ? IDS_GEMATRIA_VALUE1 : IDS_GEMATRIA_VALUE2);
            doc.Printf("\\b %s \\b0 %s \r\n\\par ", label.c_str(), lines[i] + label.size() + 1);
        }
    }

    if (language == SCRIPT_GREEK && click.flag_tag_area == 1 && click.flag_id == 1 && tag_area && tag_length > 0 &&
        status.opt_info_morphology == 1) {
        const int n = tag_length < 4095 ? tag_length : 4095;
        const std::string area(tag_area, strnlen(tag_area, static_cast<std::size_t>(n)));
        std::string value;
        bool too_long = false;
        if (TagValue(area, "|MG", 32, &value, &too_long)) {
            if (too_long)
                ShowMessageBox(nullptr, "Too small buffer for Greek morphology", "Internal Error - please report!",
                               SV_MB_OK | SV_MB_ICONERROR);
            char decoded[4096];
            const int id = click.out_id;
            const int type = id >= 0 && id < MAX_DATAWINDOWS ? datawindow[id].tag_morph_greek_type : 0;
            DecodeMorphologyGR(type, 1, value.c_str(), decoded, sizeof decoded);
            doc.Puts(decoded);
        }
        if (TagValue(area, "|LG", 4095, &value, &too_long)) {
            doc.Printf("\\b %s \\b0", Str(IDS_LEMMA).c_str());
            doc.Puts(rtftag[RTF_TG].rtf1);
            doc.Puts(RtfEscape(value.c_str()));
            doc.Puts(rtftag[RTF_DEF_CZ].rtf1);
        }
    }
    doc.Finish(BK_RTF_end);
    doc.Puts(" ");
    return doc.pos;
}

int DecodeTagInfo(int id, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    if (id < 0 || id >= status.num_windows || id >= MAX_DATAWINDOWS) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (w.id_file < 0 || w.id_file >= status.files_all) return 0;
    const DATAFILE& f = datafile[w.id_file];

    int32_t charsets[8];
    const int ui = LANG_CurrentCharset();
    for (int32_t& c : charsets) c = ui;
    BK_InicRTFheader(charsets);
    Out doc(buffer, size);
    doc.Puts(BK_RTFhead);
    doc.Puts(rtftag[RTF_DEF_CZ].rtf1);

    doc.Printf("\\b %s \\b0 %s [%d bytes]  \r\n\\par", Str(IDS_INFO_FIRST).c_str(), RtfEscape(f.filename).c_str(),
               w.filesize);
    doc.Printf("\\b %s \\b0 %s [%s]  \r\n\\par", Str(IDS_INFO_FIRST + 1).c_str(), RtfEscape(f.title).c_str(),
               RtfEscape(f.abbrev).c_str());
    const char* texts[4] = {w.info, w.copyright, w.contact, w.url};
    for (int i = 0; i < 4; ++i) {
        char text[4096];
        std::snprintf(text, sizeof text, "%s", texts[i]);
        doc.Puts("\\b " + Str(IDS_INFO_FIRST + 2 + i) + " \\b0 " + RtfEscape(text) + " \r\n\\par");
    }
    doc.Printf("\r\n\\par \\b \\ul %s \\ul0 \\b0 \r\n\\par", Str(IDS_INFO_FIRST + 6).c_str());

    int32_t cs[8] = {};
    if (w.type == MODULE_LEXICON) {
        std::memcpy(cs, w.lx_charset, sizeof cs);
    } else if (w.type == MODULE_DICTIONARY) {
        cs[0] = w.dic_charset_from;
        cs[1] = w.dic_charset_to;
        cs[2] = w.dic_charset_note;
    } else {
        std::memcpy(cs, w.charset, sizeof cs);
    }
    doc.Printf("\\b %s \\b0 [%d] %d %d %d %d %d %d %d\r\n\\par", Str(IDS_INFO_FIRST + 7).c_str(), cs[0], cs[1], cs[2],
               cs[3], cs[4], cs[5], cs[6], cs[7]);
    doc.Printf("\\b %s \\b0 \r\n\\par", Str(w.tag_advanced == 1 ? IDS_INFO_FIRST + 9 : IDS_INFO_FIRST + 8).c_str());
    if (w.tag_advanced == 1) {
        const int32_t present[12] = {w.tag_preface, w.tag_christ,   w.tag_note,   w.tag_variant,
                                     w.tag_unused,  w.tag_reference, w.tag_strong_hebrew, w.tag_strong_greek,
                                     w.tag_bold,    w.tag_italic,   w.tag_morph_hebrew,   w.tag_morph_greek};
        for (int i = 0; i < 12; ++i)
            if (present[i] == 1) doc.Printf(" %s \r\n\\par", RtfEscape(Str(IDS_INFO_FIRST + 10 + i).c_str()).c_str());
        if (w.tag_morph_greek == 1) {
            doc.Printf("\\b %s \\b0 \r\n\\par", Str(IDS_INFO_FIRST + 22).c_str());
            const int system = w.tag_morph_greek_type;
            if (system >= 1 && system <= 3) doc.Printf(" %s \r\n\\par", Str(IDS_INFO_FIRST + 22 + system).c_str());
        }
    }
    const std::string path = ModuleFilePath(w.id_file);
    doc.Printf("\\b %s \\b0 %s \r\n\\par", Str(IDS_INFO_LAST).c_str(), RtfEscape(path.c_str()).c_str());
    doc.Finish(BK_RTF_end);
    return 1;
}
