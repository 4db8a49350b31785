// sevir-cli checks of whole modules, as the sample library build runs them.
//   lexcheck FILE...     every record of each lexicon read back in full and
//                        rendered by the tag parser, body and header items;
//                        prints the records and the messages it caused
//   diccheck FILE...     every record of each dictionary read forwards and
//                        through the opposite-direction index
//   strongcover BOOK GREEK HEBREW
//                        the Strong's numbers of a book module's text looked
//                        up in a Greek and a Hebrew lexicon; prints how many
//                        links find an entry and the numbers that find none
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "cli/cli.h"
#include "dic/dic_datawindow.h"
#include "dic/dic_reader.h"
#include "lex/lex_datawindow.h"
#include "lex/lex_reader.h"

namespace {

int g_messages = 0;
std::string g_first_message;

int Count(void*, const char* text, const char* caption, unsigned)
{
    if (g_messages++ == 0) g_first_message = std::string(caption) + ": " + text;
    return SV_IDOK;
}

// Opens path as catalogue entry id of the given type; returns the data window or -1.
int Open(const char* path, int id, int type)
{
    DATAFILE& f = datafile[id];
    const char* base = std::strrchr(path, '/');
    std::snprintf(f.filename, sizeof f.filename, "%s", base ? base + 1 : path);
    f.type = type;
    f.id_file = id;
    f.file = SvOpenRead(path);
    if (!f.file) return -1;
    if (type == MODULE_DICTIONARY) return DIC_OpenDatawindow(id);
    return type == MODULE_LEXICON ? LX_OpenDatawindow(id) : OpenBookDatawindow(id);
}

int LexCheck(int argc, char** argv)
{
    if (argc < 2) return std::fprintf(stderr, "usage: sevir-cli lexcheck FILE...\n"), 2;
    int bad = 0;
    std::vector<char> rtf(1 << 20);
    for (int a = 1; a < argc; ++a) {
        ResetGlobalRecords();
        g_messages = 0;
        MessageBoxHandler previous = SetMessageBoxHandler(Count);
        const int w = Open(argv[a], 0, MODULE_LEXICON);
        if (w < 0) {
            SetMessageBoxHandler(previous);
            std::fprintf(stderr, "%s: not a lexicon\n", argv[a]);
            ++bad;
            continue;
        }
        static LXRECORD r;
        std::memset(&r, 0, sizeof r);
        r.id_file = 0;
        r.offset = datawindow[w].lx_tag_data_offset;
        long records = 0, strongs = 0, numbering = 0;
        while (LX_CtiRecord(&r, 0, 1)) {
            ++records;
            if (r.cislo != records) ++numbering;
            if (r.strong[0]) ++strongs;
            BK_ParseTagsCZ(r.buffer, w, rtf.data(), static_cast<int>(rtf.size()), 0, 1);
            for (int n = 0; n < 10; ++n)
                if (r.item[n][0]) BK_ParseTagsCZ(r.item[n], w, rtf.data(), static_cast<int>(rtf.size()), 0, 1);
            r.offset += r.delka;
        }
        SetMessageBoxHandler(previous);
        const bool whole = records == datawindow[w].lx_records_all && numbering == 0;
        std::printf("%s: records=%ld of %d strong=%ld messages=%d%s\n", datafile[0].filename, records,
                    datawindow[w].lx_records_all, strongs, g_messages, whole ? "" : " INCOMPLETE");
        if (g_messages) std::printf("  first message: %s\n", g_first_message.c_str());
        if (g_messages || !whole) ++bad;
    }
    return bad ? 1 : 0;
}

int DicCheck(int argc, char** argv)
{
    if (argc < 2) return std::fprintf(stderr, "usage: sevir-cli diccheck FILE...\n"), 2;
    int bad = 0;
    for (int a = 1; a < argc; ++a) {
        ResetGlobalRecords();
        g_messages = 0;
        MessageBoxHandler previous = SetMessageBoxHandler(Count);
        const int w = Open(argv[a], 0, MODULE_DICTIONARY);
        if (w < 0) {
            SetMessageBoxHandler(previous);
            std::fprintf(stderr, "%s: not a dictionary\n", argv[a]);
            ++bad;
            continue;
        }
        DICRECORD r{};
        r.id_file = 0;
        r.offset = datawindow[w].dic_data_offset;
        long records = 0, numbering = 0, empty = 0, opposite = 0;
        while (DIC_CtiRecord(&r, 0)) {
            ++records;
            if (r.cislo != records) ++numbering;
            if (!r.from[0] || !r.to[0]) ++empty;
            r.offset += r.delka_recordu;
        }
        for (int k = 1; k <= datawindow[w].dic_records_all; ++k)
            if (DIC_ReadIndexRecord(w, k, &r)) ++opposite;
        SetMessageBoxHandler(previous);
        const int all = datawindow[w].dic_records_all;
        const bool whole = records == all && opposite == all && numbering == 0 && empty == 0;
        std::printf("%s: records=%ld of %d opposite=%ld messages=%d%s\n", datafile[0].filename, records, all, opposite,
                    g_messages, whole ? "" : " INCOMPLETE");
        if (g_messages || !whole) ++bad;
    }
    return bad ? 1 : 0;
}

int StrongCover(int argc, char** argv)
{
    if (argc != 4) return std::fprintf(stderr, "usage: sevir-cli strongcover BOOK GREEK HEBREW\n"), 2;
    ResetGlobalRecords();
    MessageBoxHandler previous = SetMessageBoxHandler(Count);
    const int book = Open(argv[1], 0, MODULE_BOOK);
    const int greek = Open(argv[2], 1, MODULE_LEXICON);
    const int hebrew = Open(argv[3], 2, MODULE_LEXICON);
    if (book < 0 || greek < 0 || hebrew < 0) {
        SetMessageBoxHandler(previous);
        std::fprintf(stderr, "sevir-cli strongcover: a module cannot be opened\n");
        return 1;
    }
    // Every link of the text, by language and number.
    std::map<std::pair<char, long>, long> links;
    BOOK_RECORD& rec = g_book_record;
    rec.book_position.number = book;
    rec.offset = datawindow[book].tag_data;
    while (BK_CtiRecord(&rec)) {
        const char* t = rec.buffer;
        for (const char* p = std::strstr(t, "|R"); p; p = std::strstr(p + 1, "|R")) {
            if (p[2] != 'G' && p[2] != 'H') continue;
            long n = 0;
            const char* d = p + 3;
            while (*d >= '0' && *d <= '9') n = n * 10 + (*d++ - '0');
            if (d != p + 3) ++links[{p[2], n}];
        }
        rec.offset += 4;
    }
    long total = 0, found = 0;
    std::vector<std::string> missing;
    for (const auto& [key, count] : links) {
        total += count;
        const int w = key.first == 'G' ? greek : hebrew;
        if (LX_SearchFirstStrong(w, key.first == 'G' ? 2 : 1, static_cast<int>(key.second), 1) > 0)
            found += count;
        else
            missing.push_back(std::string(1, key.first) + std::to_string(key.second) + "x" + std::to_string(count));
    }
    SetMessageBoxHandler(previous);
    std::printf("links=%ld found=%ld not_found=%ld numbers=%zu numbers_not_found=%zu\n", total, found, total - found,
                links.size(), missing.size());
    for (const std::string& m : missing) std::printf("%s\n", m.c_str());
    return 0;
}

} // namespace

SEVIR_CLI_COMMAND("lexcheck", "FILE...", LexCheck);
SEVIR_CLI_COMMAND("diccheck", "FILE...", DicCheck);
SEVIR_CLI_COMMAND("strongcover", "BOOK GREEK HEBREW", StrongCover);
