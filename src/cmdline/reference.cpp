#include "cmdline/reference.h"

#include <cstring>

#include "app/codepage.h"
#include "app/lang.h"
#include "app/records.h"
#include "books/verse_location.h"
#include "cmdline/sync_names.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the decimal number at text[*i]; large numbers stop growing (they
// never name a chapter or verse) instead of overflowing.
int32_t ReadNumber(const char* text, int* i)
{
    int32_t value = 0;
    for (; IsDigit(text[*i]); ++*i)
        if (value < 100000000) value = value * 10 + (text[*i] - '0');
    return value;
}

} // namespace

int CMD_IsCmdlineSeparator(int c)
{
    return c == ' ' || c == ':' || c == ';' || c == ',' || c == '.' || c == '-';
}

void CMD_SimplifyBookName(char* text)
{
    if (!text) return;
    char* out = text;
    for (const char* in = text; *in; ++in)
        if (!CMD_IsCmdlineSeparator(static_cast<unsigned char>(*in))) *out++ = *in;
    *out = '\0';
    LowerText8(text, CurrentCodePage());
}

int CMD_ParseInput(char* text, int32_t* chapter, int32_t* verse)
{
    int32_t c = 0, v = 0;
    if (text) {
        // The name starts at the first character that is neither a
        // separator nor a digit (so "1 Kings" keeps its 1) ...
        int i = 0;
        while (text[i] && (CMD_IsCmdlineSeparator(static_cast<unsigned char>(text[i])) || IsDigit(text[i]))) ++i;
        // ... and ends at the next digit after it.
        int end = text[i] ? i + 1 : i;
        while (text[end] && !IsDigit(text[end])) ++end;
        int p = end;
        c = ReadNumber(text, &p);
        while (text[p] && !IsDigit(text[p])) ++p;
        v = ReadNumber(text, &p);
        text[end] = '\0';
        CMD_SimplifyBookName(text);
    }
    if (c == 0 && v == 0) {
        c = 1;
        v = 1;
    }
    if (c < 1) c = 1;
    if (v < 1) v = 1;
    if (chapter) *chapter = c;
    if (verse) *verse = v;
    return 1;
}

int CMD_SeparateLNGString(_CMD_STRINGS* entry)
{
    if (!entry) return 0;
    std::memset(entry->sync_name, 0, sizeof entry->sync_name);
    std::memset(entry->text, 0, sizeof entry->text);
    if (entry->number < SYNC_NAME_FIRST_STRING || entry->number >= SYNC_NAME_FIRST_STRING + SYNC_NAME_COUNT)
        return 0;
    // The translation, or the built-in English entry when the language file
    // has none: without it no reference could be typed at all.
    char line[LANG_STRING_MAX + 1];
    if (LANG_LoadString(nullptr, entry->number, line, sizeof line) == 0) return 0;

    const char* comma = std::strchr(line, ',');
    if (!comma || comma == line || comma - line > 7) return 0;
    std::memcpy(entry->sync_name, line, static_cast<std::size_t>(comma - line));

    const char* p = comma + 1;
    for (int slot = 0; slot < CMD_NAMES - 1 && *p; ++slot) {
        int n = 0;
        while (*p && *p != ',') {
            if (n == CMD_NAME_MAX) return 0;
            entry->text[slot][n++] = *p++;
        }
        if (*p == ',') ++p;
    }
    return 1;
}

int CMD_RecognizeReference(const char* text, BOOK_POSITION* position)
{
    if (!position) return 0;
    position->book = position->chapter = position->verse = 0;
    if (!text || !text[0]) return 0;

    char typed[CMD_TEXT_MAX];
    std::strncpy(typed, text, sizeof typed - 1);
    typed[sizeof typed - 1] = '\0';

    const int w = position->number;
    if (w < 0 || w >= MAX_DATAWINDOWS || w >= status.num_windows) return 0;
    const DATAWINDOW& window = datawindow[w];
    if (window.type != MODULE_BOOK || window.books < 1 || !window.book_info) return 0;

    int32_t chapter = 0, verse = 0;
    CMD_ParseInput(typed, &chapter, &verse);
    const std::size_t typed_len = std::strlen(typed);
    // A text of nothing but separators and numbers names no book.
    if (typed_len == 0) return 0;

    int matches = 0;
    int found = -1;
    for (int id = SYNC_NAME_FIRST_STRING; id < SYNC_NAME_FIRST_STRING + SYNC_NAME_COUNT && matches < 2; ++id) {
        _CMD_STRINGS entry{};
        entry.number = id;
        if (!CMD_SeparateLNGString(&entry)) continue;
        bool match = false;
        for (int slot = 0; slot < CMD_NAMES - 1 && !match; ++slot) {
            char name[16];
            std::memcpy(name, entry.text[slot], sizeof name);
            name[sizeof name - 1] = '\0';
            CMD_SimplifyBookName(name);
            const std::size_t name_len = std::strlen(name);
            if (name_len == 0) continue;
            const std::size_t n = name_len < typed_len ? name_len : typed_len;
            match = std::strncmp(typed, name, n) == 0;
        }
        if (!match) continue;
        ++matches;
        if (found < 0) found = GetIndexOfSyncname(w, entry.sync_name);
    }
    if (matches == 0 || found < 0) return 0;

    const BOOK_INFO& book = window.book_info[found];
    if (chapter > book.chapters) return 0;
    BOOK_POSITION result{w, found + 1, chapter, verse};
    if (verse > BK_PocetVersu(result)) return 0;
    *position = result;
    return matches == 1 ? 2 : 1;
}

int CompareReference(const BOOK_POSITION& position, const BOOK_POSITION& from, const BOOK_POSITION& to)
{
    auto before = [](const BOOK_POSITION& a, const BOOK_POSITION& b) {
        if (a.book != b.book) return a.book < b.book;
        if (a.chapter != b.chapter) return a.chapter < b.chapter;
        return a.verse < b.verse;
    };
    return !before(position, from) && !before(to, position) ? 1 : 0;
}
