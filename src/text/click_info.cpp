#include "text/click_info.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/records.h"
#include "books/book_window.h"
#include "books/verse_location.h"
#include "text/word_tags.h"

RTFCLICK rtfclick;
ResultsClickVerse g_results_click_verse = nullptr;

namespace {

using uchar = unsigned char;

bool Blank(uchar c)
{
    return c == ' ' || c == 0xA0 || c == '\t';
}

bool Digit(uchar c)
{
    return c >= '0' && c <= '9';
}

// Paragraph [start, end) of the text around position: end is the CR of its
// CR LF (or the end of the text).
void ParagraphAround(const char* text, int length, int position, int* start, int* end)
{
    int s = position;
    while (s > 0 && text[s - 1] != '\n' && text[s - 1] != '\r') --s;
    int e = position;
    while (e < length && text[e] != '\r' && text[e] != '\n') ++e;
    *start = s;
    *end = e;
}

// Verses whose label lies in the text before the end of the clicked
// paragraph. Labels open the paragraph of a verse in left-to-right modules;
// in Hebrew modules they close the first line of the verse.
int LabelsUpTo(const char* text, int length, int paragraph_end, bool hebrew, RICH_VIEW& view)
{
    int labels = 0;
    int s = 0;
    while (s <= paragraph_end && s < length) {
        int e = s;
        while (e < length && text[e] != '\r' && text[e] != '\n') ++e;
        if (e > s) {
            int probe = hebrew ? e - 1 : s;
            if (hebrew)
                while (probe > s && Blank(static_cast<uchar>(text[probe]))) --probe;
            if (view.IsLabel(probe)) ++labels;
        }
        // Past the CR LF of this paragraph.
        if (e < length && text[e] == '\r') ++e;
        if (e < length && text[e] == '\n') ++e;
        if (e == s) break;
        s = e;
    }
    return labels;
}

bool IsTagAt(const char* t, int k)
{
    return t[k] == '|' && t[k + 1] && t[k + 2];
}

// Tag pairs whose content is not text of the verse as shown.
bool SkippedContent(const char* t, int k, int id)
{
    const char a = t[k + 1], b = t[k + 2];
    if (a == 'R' && (b == 'H' || b == 'G' || b == 'R' || b == 'K')) return true;
    if ((a == 'M' || a == 'L') && (b == 'G' || b == 'H')) return true;
    if (a != 'T' || id < 0 || id >= MAX_DATAWINDOWS) return false;
    const DATAWINDOW& w = datawindow[id];
    switch (b) {
    case 'N': return w.show_tag_note != 1;
    case 'P': return w.show_tag_preface != 1;
    case 'V': return w.show_tag_variant != 1;
    case 'U': return w.show_tag_unused != 1;
    default: return false;
    }
}

bool WordByte(uchar c)
{
    // Separators of every script; the display codes of Hebrew and Greek
    // letters lie above them.
    return !(c <= 0x20 || c == '|' || c == ',' || c == '.' || c == ';' || c == ':' || c == '"' || c == '(' ||
             c == ')' || c == '!' || c == '?' || c == 0xA0 || c == 1);
}

} // namespace

int ParseLinkRun(const char* run, int length, int* strong_language, int* strong_number, char* name, int name_size,
                 int* chapter, int* verse)
{
    if (!run || length <= 0) return 0;
    int l = 0, r = length;
    while (l < r && Blank(static_cast<uchar>(run[l]))) ++l;
    while (r > l && (Blank(static_cast<uchar>(run[r - 1])) || run[r - 1] == '\r' || run[r - 1] == '\n')) --r;
    if (l >= r) return 0;
    const char* colon = static_cast<const char*>(std::memchr(run + l, ':', static_cast<std::size_t>(r - l)));
    if (!colon) {
        const char letter = run[l];
        if (letter != 'H' && letter != 'G') return 0;
        int k = l + 1;
        if (k >= r) return 0;
        long value = 0;
        for (; k < r && Digit(static_cast<uchar>(run[k])); ++k) {
            value = value * 10 + (run[k] - '0');
            if (value > 99999999L) return 0;
        }
        if (k != r) return 0;
        if (strong_language) *strong_language = letter == 'H' ? 1 : 2;
        if (strong_number) *strong_number = static_cast<int>(value);
        return 1;
    }
    // name, blank, chapter ":" verse; the verse may be followed by more
    // (a range "16-18"), which is not part of the place.
    const int c = static_cast<int>(colon - run);
    int v = c + 1, v_end = v;
    long vv = 0;
    while (v_end < r && Digit(static_cast<uchar>(run[v_end])) && vv < 100000) vv = vv * 10 + (run[v_end++] - '0');
    if (v_end == v) return 0;
    int ch_start = c;
    while (ch_start > l && Digit(static_cast<uchar>(run[ch_start - 1]))) --ch_start;
    if (ch_start == c || c - ch_start > 6) return 0;
    long cc = 0;
    for (int k = ch_start; k < c; ++k) cc = cc * 10 + (run[k] - '0');
    int n_end = ch_start;
    while (n_end > l && Blank(static_cast<uchar>(run[n_end - 1]))) --n_end;
    if (n_end <= l) return 0;
    if (name && name_size > 0) {
        const int n = n_end - l < name_size - 1 ? n_end - l : name_size - 1;
        std::memcpy(name, run + l, static_cast<std::size_t>(n));
        name[n] = '\0';
    }
    if (chapter) *chapter = static_cast<int>(cc);
    if (verse) *verse = static_cast<int>(vv);
    return 2;
}

int CountWordOccurrences(const char* text, int from, int to, const char* word, int length, int language)
{
    if (!text || !word || length <= 0) return 0;
    int count = 0;
    for (int k = from; k + length <= to; ++k) {
        if (std::memcmp(text + k, word, static_cast<std::size_t>(length)) != 0) continue;
        const bool left = k == from || IsSelectionSeparator(language, static_cast<uchar>(text[k - 1]));
        const bool right = k + length >= to || IsSelectionSeparator(language, static_cast<uchar>(text[k + length]));
        if (left && right) ++count;
    }
    return count;
}

int FindWordInRecord(const char* record, const char* word, int length, int k, int id)
{
    if (!record || !word || length <= 0) return -1;
    const int n = static_cast<int>(std::strlen(record));
    int found = 0, last = -1;
    int skip_until = -1;  // inside a skipped tag pair: index of its closing tag
    for (int i = 0; i < n; ++i) {
        if (i < skip_until) continue;
        if (IsTagAt(record, i)) {
            const char b = record[i + 2];
            if (b >= 'A' && b <= 'Z' && SkippedContent(record, i, id)) {
                // Jump to the matching closing tag.
                const char close = static_cast<char>(b | 0x20);
                int j = i + 3;
                while (j < n && !(record[j] == '|' && record[j + 1] == record[i + 1] && record[j + 2] == close)) ++j;
                skip_until = j;
            } else {
                i += 2;
            }
            continue;
        }
        if (i + length > n || std::memcmp(record + i, word, static_cast<std::size_t>(length)) != 0) continue;
        const bool left = i == 0 || !WordByte(static_cast<uchar>(record[i - 1])) || record[i - 1] == '|' ||
                          (i >= 3 && record[i - 3] == '|');
        const bool right = i + length >= n || !WordByte(static_cast<uchar>(record[i + length]));
        if (!left || !right) continue;
        last = i + length;
        if (++found == k) return last;
        i += length - 1;
    }
    return last;
}

int FindLemmaWord(const char* record, const char* word, int length, int k)
{
    if (!record || !word || length <= 0) return -1;
    const std::string pattern = "|LG" + std::string(word, static_cast<std::size_t>(length)) + "|Lg";
    const std::string text = record;
    int found = 0, last = -1;
    for (std::size_t q = text.find(pattern); q != std::string::npos; q = text.find(pattern, q + 1)) {
        // Back over the tag pairs written directly before the lemma.
        std::size_t j = q;
        while (j >= 3 && text[j - 3] == '|' && text[j - 1] >= 'a' && text[j - 1] <= 'z') {
            const char open[4] = {'|', text[j - 2], static_cast<char>(text[j - 1] - 0x20), '\0'};
            const std::size_t o = text.rfind(open, j - 3);
            if (o == std::string::npos) break;
            j = o;
        }
        last = static_cast<int>(j);
        if (++found == k) break;
    }
    return last;
}

int AnalyseClick(RTFCLICK* click, RICH_VIEW& view, ClickRecordReader read_record)
{
    if (!click) return 0;
    RTFCLICK& r = *click;
    r.flag_reference = r.flag_strong = r.flag_id = r.flag_results_index = 0;
    r.flag_word = r.flag_language = r.flag_tag_area = r.flag_ref_clicked = 0;
    const int w = r.in_id;
    r.out_id = w;
    if (w < 0 || w >= status.num_windows || w >= MAX_DATAWINDOWS) return 1;
    const DATAWINDOW& dw = datawindow[w];
    const bool lexicon = dw.type == MODULE_LEXICON;
    const bool book = dw.type == MODULE_BOOK && dw.infowindow != 1;
    if (lexicon) r.flag_id = 1;

    const char* text = r.in_buf ? r.in_buf : "";
    const int length = r.in_buf ? static_cast<int>(strnlen(r.in_buf, r.in_size > 0 ? r.in_size : 0)) : 0;
    const int c = view.CharFromPoint(r.in_pointl[0], r.in_pointl[1]);
    if (c < 0 || c >= length) return 1;
    const bool on_label = book && view.IsLabel(c);

    // 2. Verse labels.
    if (book) {
        r.flag_ref_clicked = 1;
        r.out_ref_clicked = on_label ? 1 : 0;
    }

    // 3. The verse of the click (ordinary book windows; the comparison and
    // results views come with their windows).
    int para_start = 0, para_end = 0;
    ParagraphAround(text, length, c, &para_start, &para_end);
    if (book && dw.results != 1 && dw.compare != 1) {
        const int labels = LabelsUpTo(text, length, para_end, dw.language == SCRIPT_HEBREW, view);
        BOOK_POSITION p = dw.book_position;
        p.number = w;
        int32_t offset = dw.offset;
        if (labels > 1) offset = BK_PosunOffset(&p, dw.offset, labels - 1);
        if (offset > 0 && p.book >= 1 && p.book <= dw.books && dw.book_info) {
            r.out_bp = p;
            std::snprintf(r.out_syncname, sizeof r.out_syncname, "%.7s", dw.book_info[p.book - 1].sync_name);
            r.flag_id = 1;
        }
    } else if (book && dw.results == 1 && g_results_click_verse) {
        BOOK_POSITION p{};
        int index = 0;
        if (g_results_click_verse(w, text, length, para_end, &p, &index) && dw.book_info && p.book >= 1 &&
            p.book <= dw.books) {
            p.number = w;
            r.out_bp = p;
            std::snprintf(r.out_syncname, sizeof r.out_syncname, "%.7s", dw.book_info[p.book - 1].sync_name);
            r.flag_id = 1;
            r.out_results_index = index;
            r.flag_results_index = 1;
        }
    }

    // 4. Links.
    if (view.IsUnderline(c)) {
        int l = c, e = c;
        while (l > para_start && view.IsUnderline(l - 1)) --l;
        while (e + 1 < para_end && view.IsUnderline(e + 1)) ++e;
        int strong_language = 0, strong_number = 0, chapter = 0, verse = 0;
        char name[64] = "";
        const int kind =
            ParseLinkRun(text + l, e - l + 1, &strong_language, &strong_number, name, sizeof name, &chapter, &verse);
        if (kind == 1) {
            r.out_strong_language = strong_language;
            r.out_strong_number = strong_number;
            r.flag_strong = 1;
        } else if (kind == 2 && dw.book_info) {
            for (int b = 0; b < dw.books; ++b) {
                const BOOK_INFO& bi = dw.book_info[b];
                if (std::strncmp(bi.abbrev_name, name, sizeof bi.abbrev_name) != 0 ||
                    std::strlen(name) > sizeof bi.abbrev_name)
                    continue;
                std::snprintf(r.out_ref_syncname, sizeof r.out_ref_syncname, "%.7s", bi.sync_name);
                r.out_ref_bp = BOOK_POSITION{w, b + 1, chapter, verse};
                r.flag_reference = 1;
                break;
            }
        }
    }

    // 5. The word.
    if (on_label) return 1;
    const int language = view.ScriptAt(c);
    if (IsSelectionSeparator(language, static_cast<uchar>(text[c]))) return 1;
    int l = c, e = c;
    while (l > para_start && view.ScriptAt(l - 1) == language &&
           !IsSelectionSeparator(language, static_cast<uchar>(text[l - 1])))
        --l;
    while (e + 1 < para_end && view.ScriptAt(e + 1) == language &&
           !IsSelectionSeparator(language, static_cast<uchar>(text[e + 1])))
        ++e;
    r.out_word_l = l;
    r.out_word_r = e;
    r.out_language = language;
    r.flag_word = r.flag_language = 1;

    // 6. The tags that follow the word in the record text.
    if (!r.flag_id || !read_record || (!book && !lexicon)) return 1;
    const char* record = read_record(r);
    if (!record) return 1;
    char word[256];
    int n = e - l + 1;
    if (n >= static_cast<int>(sizeof word)) return 1;
    std::memcpy(word, text + l, static_cast<std::size_t>(n));
    word[n] = '\0';
    // Hebrew runs of tagged text are shown reversed; the record holds them
    // in reading order.
    if (language == SCRIPT_HEBREW)
        for (int i = 0, j = n - 1; i < j; ++i, --j) {
            const char t = word[i];
            word[i] = word[j];
            word[j] = t;
        }
    // Occurrences from the start of the clicked paragraph (after its verse
    // label) up to the clicked one.
    int from = para_start;
    if (book)
        while (from < l && from < para_start + 64 && view.IsLabel(from)) ++from;
    const int k = CountWordOccurrences(text, from, e + 1, text + l, n, language);
    int after = FindWordInRecord(record, word, n, k > 0 ? k : 1, w);
    // A Greek word shown from the lemma tag of a translation's word: the
    // tags of that word are its tags.
    if (after < 0 && language == SCRIPT_GREEK) after = FindLemmaWord(record, word, n, k > 0 ? k : 1);
    if (after < 0) return 1;
    int tags = GetTagsOfWord(record + after);
    const int limit = r.in_size - 2;
    if (tags > limit) tags = limit > 0 ? limit : 0;
    r.out_tag_area_l = after;
    r.out_tag_area_r = tags;
    r.flag_tag_area = 1;
    return 1;
}
