// Search subcommands: text, Strong's number, Strong's word and reference
// search of a book module, the range combo box, and showing a typed reference.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "cli/cli.h"
#include "cmdline/reference.h"
#include "search/book_search.h"
#include "search/lex_search.h"
#include "search/ranges.h"
#include "search/results.h"
#include "search/search_request.h"
#include "text/display_codes.h"
#include "text/matching.h"

namespace {

int Quiet(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

bool ParseInt(const char* text, int32_t* value)
{
    if (!text || !*text) return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text, &end, 10);
    if (errno || *end || v < INT32_MIN || v > INT32_MAX) return false;
    *value = static_cast<int32_t>(v);
    return true;
}

// Opens path as book module 0 in data window 0, as a book window does.
bool OpenBook(const char* path)
{
    ResetGlobalRecords();
    DATAFILE& f = datafile[0];
    const char* base = std::strrchr(path, '/');
    std::snprintf(f.filename, sizeof f.filename, "%s", base ? base + 1 : path);
    f.type = MODULE_BOOK;
    f.file = SvOpenRead(path);
    int id = f.file ? OpenBookDatawindow(0) : -1;
    if (id != 0) {
        std::fprintf(stderr, "sevir-cli: %s is not a book module\n", path);
        return false;
    }
    return true;
}

// The options common to the searches.
struct Options {
    int search_for = 1;
    int case_sensitive = 0;
    int script = -1;
    int keep_vowels = 0;
    int range = 0;  // 0 whole module, 1 OT, 2 NT, 3 --range
    int32_t bounds[6] = {0, 0, 0, 0, 0, 0};
    std::vector<const char*> then;
    bool text = false;
    bool unicode = false;
    int sort = -1;
    std::vector<const char*> positional;
};

// Parses argv[1..]; allowed lists the options the command takes.
bool ParseOptions(int argc, char** argv, const char* allowed, Options* o)
{
    auto allows = [&](const char* name) { return std::strstr(allowed, name) != nullptr; };
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strncmp(a, "--", 2) != 0 || std::strlen(a) == 2) {
            o->positional.push_back(a);
            continue;
        }
        if (!allows(a)) {
            std::fprintf(stderr, "sevir-cli %s: unknown option %s\n", argv[0], a);
            return false;
        }
        if (!std::strcmp(a, "--any")) o->search_for = 0;
        else if (!std::strcmp(a, "--all")) o->search_for = 1;
        else if (!std::strcmp(a, "--phrase")) o->search_for = 2;
        else if (!std::strcmp(a, "--case")) o->case_sensitive = 1;
        else if (!std::strcmp(a, "--keep-vowels")) o->keep_vowels = 1;
        else if (!std::strcmp(a, "--ot")) o->range = 1;
        else if (!std::strcmp(a, "--nt")) o->range = 2;
        else if (!std::strcmp(a, "--text")) o->text = true;
        else if (!std::strcmp(a, "--unicode")) o->unicode = true;
        else if (!std::strcmp(a, "--script")) {
            int32_t s;
            if (i + 1 >= argc || !ParseInt(argv[++i], &s) || s < 0 || s > 2) {
                std::fprintf(stderr, "sevir-cli %s: --script takes 0, 1 or 2\n", argv[0]);
                return false;
            }
            o->script = s;
        } else if (!std::strcmp(a, "--range")) {
            if (i + 6 >= argc) {
                std::fprintf(stderr, "sevir-cli %s: --range takes six numbers\n", argv[0]);
                return false;
            }
            for (int k = 0; k < 6; ++k)
                if (!ParseInt(argv[++i], &o->bounds[k])) {
                    std::fprintf(stderr, "sevir-cli %s: not a number: %s\n", argv[0], argv[i]);
                    return false;
                }
            o->range = 3;
        } else if (!std::strcmp(a, "--then")) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "sevir-cli %s: --then takes a pattern\n", argv[0]);
                return false;
            }
            o->then.push_back(argv[++i]);
        } else if (!std::strcmp(a, "--sort")) {
            const char* m = i + 1 < argc ? argv[++i] : "";
            if (!std::strcmp(m, "ref")) o->sort = 0;
            else if (!std::strcmp(m, "strong")) o->sort = 1;
            else if (!std::strcmp(m, "word")) o->sort = 2;
            else {
                std::fprintf(stderr, "sevir-cli %s: --sort takes ref, word or strong\n", argv[0]);
                return false;
            }
        }
    }
    return true;
}

// Sets up the request's range and common options for data window 0.
bool SetUpRequest(const Options& o, const char* command)
{
    const DATAWINDOW& w = datawindow[0];
    search_in.datawindow = 0;
    search_in.mode = 0;
    search_in.in_results = 0;
    search_in.type = o.script >= 0 ? o.script : w.language;
    search_in.search_for = o.search_for;
    search_in.case_sensitive = o.case_sensitive;
    search_in.ignore_vowels = o.keep_vowels ? 0 : 1;
    SEARCH_FillRangeRows(0, nullptr, 0);
    if (o.range == 1 || o.range == 2) {
        if (search_in.range[o.range].book_from == 0) {
            std::fprintf(stderr, "sevir-cli %s: the module has no %s Testament\n", command,
                         o.range == 1 ? "Old" : "New");
            return false;
        }
        search_in.range_last = o.range;
    } else if (o.range == 3) {
        const int32_t* b = o.bounds;
        int index = SEARCH_AddUserRange(BOOK_POSITION{0, b[0], b[1], b[2]}, BOOK_POSITION{0, b[3], b[4], b[5]});
        if (index < 0 || !TestRange(index, 0)) {
            std::fprintf(stderr, "sevir-cli %s: the range is not in the module\n", command);
            return false;
        }
    } else {
        search_in.range_last = 0;
    }
    return true;
}

bool ReadRecord(int32_t offset, BOOK_RECORD* record)
{
    record->offset = offset;
    record->book_position.number = 0;
    return BK_CtiRecord(record) == 1;
}

// The plain text of a verse, optionally with Hebrew and Greek as UTF-8.
std::string PlainText(const char* text, bool unicode)
{
    std::string masked(text);
    StripTags(masked.c_str(), masked.data(), -1);
    const int module_script = datawindow[0].language;
    if (!unicode) {
        std::string out;
        for (char c : masked)
            if (c != '\x01') out += c;
        return out;
    }
    // The script of each byte: the module's, or Hebrew and Greek inside
    // their tags (masking keeps the length, so positions agree).
    std::string out, run;
    int run_script = -1;
    auto flush = [&]() {
        if (run.empty()) return;
        if (run_script == 1 || run_script == 2) {
            std::u32string u;
            DisplayToUnicode(run_script, run, u);
            out += EncodeUtf8(u);
        } else {
            out += run;
        }
        run.clear();
    };
    int script = module_script;
    const bool tagged = datawindow[0].tag_advanced == 1;
    for (std::size_t i = 0; i < masked.size(); ++i) {
        if (tagged && text[i] == '|' && text[i + 1] == 'T' && text[i + 2]) {
            const char c = text[i + 2];
            if (c == 'H') script = 1;
            else if (c == 'G') script = 2;
            else if (c == 'h' || c == 'g') script = module_script;
        }
        if (masked[i] == '\x01') continue;
        if (script != run_script) {
            flush();
            run_script = script;
        }
        run += masked[i];
    }
    flush();
    return out;
}

void PrintVerseText(const BOOK_RECORD& r, bool unicode)
{
    const DATAWINDOW& w = datawindow[0];
    const BOOK_POSITION& p = r.book_position;
    const char* abbrev = (p.book >= 1 && p.book <= w.books) ? w.book_info[p.book - 1].abbrev_name : "?";
    std::printf("%s %d:%d\t%s\n", abbrev, p.chapter, p.verse, PlainText(r.buffer, unicode).c_str());
}

void PrintVerses(const Options& o)
{
    const SEARCH_OUT_BK& out = search_out_bk;
    static BOOK_RECORD record;
    for (int i = 0; i < out.hit_verses && out.results_array; ++i) {
        if (!ReadRecord(out.results_array[i], &record)) {
            std::printf("%d none\n", out.results_array[i]);
            continue;
        }
        if (o.text)
            PrintVerseText(record, o.unicode);
        else
            std::printf("%d %d %d %d\n", record.offset, record.book_position.book, record.book_position.chapter,
                        record.book_position.verse);
    }
}

void PrintHeader()
{
    std::printf("hits=%d verses=%d\n", search_out_bk.hit_patterns, search_out_bk.hit_verses);
}

void PrintOccurrences(int sort)
{
    SEARCH_OUT_BK& out = search_out_bk;
    if (sort >= 0 && out.hit_patterns > 0) SortExResultsArray(0, sort);
    std::printf("occurrences\n");
    for (int i = 0; i < out.hit_patterns && out.ex_results_array; ++i)
        std::printf("%d %d\n", out.ex_results_array[i].off_record, out.ex_results_array[i].off_hit);
}

// Runs search (a fresh one, then one in its results per --then pattern).
void RunWithThen(const Options& o, const char* pattern, int (*search)())
{
    SEARCH_SetTypedPattern(pattern);
    search();
    for (const char* p : o.then) {
        search_in.in_results = 1;
        SEARCH_SetTypedPattern(p);
        search();
    }
    search_in.in_results = 0;
}

int Search(int argc, char** argv)
{
    Options o;
    if (!ParseOptions(argc, argv, "--any --all --phrase --case --script --keep-vowels --range --ot --nt --then --text --unicode", &o))
        return 2;
    if (o.positional.size() != 2) {
        std::fprintf(stderr, "usage: sevir-cli search FILE PATTERN [options]\n");
        return 2;
    }
    if (!OpenBook(o.positional[0])) return 1;
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    if (!SetUpRequest(o, "search")) return 2;
    RunWithThen(o, o.positional[1], SEARCH_BookText);
    SetMessageBoxHandler(previous);
    PrintHeader();
    PrintVerses(o);
    return 0;
}

int Strong(int argc, char** argv)
{
    Options o;
    if (!ParseOptions(argc, argv, "--range --ot --nt --sort", &o)) return 2;
    if (o.positional.size() != 3 || (std::strcmp(o.positional[1], "h") && std::strcmp(o.positional[1], "g"))) {
        std::fprintf(stderr, "usage: sevir-cli strong FILE h|g NUMBER [--range ...] [--sort ref|word|strong]\n");
        return 2;
    }
    if (!OpenBook(o.positional[0])) return 1;
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    if (!SetUpRequest(o, "strong")) return 2;
    int32_t number = 0;
    if (!SEARCH_ReadStrongNumber(o.positional[2], &number)) {
        SetMessageBoxHandler(previous);
        std::fprintf(stderr, "sevir-cli strong: no number in %s\n", o.positional[2]);
        return 2;
    }
    search_in.str_type = 0;
    search_in.str_language = o.positional[1][0] == 'g' ? 2 : 1;
    search_in.str_number = number;
    SEARCH_SetTypedPattern(o.positional[2]);
    SEARCH_BookStrong();
    status.opt_sort_results_warning = 0;
    PrintHeader();
    PrintVerses(o);
    PrintOccurrences(o.sort);
    SetMessageBoxHandler(previous);
    return 0;
}

int StrongWord(int argc, char** argv)
{
    Options o;
    if (!ParseOptions(argc, argv, "--case --script --keep-vowels --range --ot --nt --then --sort", &o)) return 2;
    if (o.positional.size() != 2) {
        std::fprintf(stderr, "usage: sevir-cli strongword FILE PATTERN [options] [--sort ref|word|strong]\n");
        return 2;
    }
    if (!OpenBook(o.positional[0])) return 1;
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    if (!SetUpRequest(o, "strongword")) return 2;
    search_in.str_type = 1;
    search_in.str_language = search_in.type;
    RunWithThen(o, o.positional[1], SEARCH_BookStrong);
    status.opt_sort_results_warning = 0;
    PrintHeader();
    PrintVerses(o);
    PrintOccurrences(o.sort);
    SetMessageBoxHandler(previous);
    return 0;
}

int RefSearch(int argc, char** argv)
{
    Options o;
    if (!ParseOptions(argc, argv, "--range --ot --nt --sort", &o)) return 2;
    int32_t b[6];
    bool numbers = o.positional.size() == 7;
    for (int k = 0; numbers && k < 6; ++k) numbers = ParseInt(o.positional[1 + k], &b[k]);
    if (!numbers) {
        std::fprintf(stderr, "usage: sevir-cli refsearch FILE B C V B C V [--range ...]\n");
        return 2;
    }
    if (!OpenBook(o.positional[0])) return 1;
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    if (!SetUpRequest(o, "refsearch")) return 2;
    const DATAWINDOW& w = datawindow[0];
    if (b[0] < 1 || b[0] > w.books || b[3] < 1 || b[3] > w.books) {
        std::fprintf(stderr, "sevir-cli refsearch: no such book in the module\n");
        return 2;
    }
    search_in.ref_bp_from = BOOK_POSITION{0, b[0], b[1], b[2]};
    search_in.ref_bp_to = BOOK_POSITION{0, b[3], b[4], b[5]};
    std::snprintf(search_in.ref_syncname_from, sizeof search_in.ref_syncname_from, "%s",
                  w.book_info[b[0] - 1].sync_name);
    std::snprintf(search_in.ref_syncname_to, sizeof search_in.ref_syncname_to, "%s", w.book_info[b[3] - 1].sync_name);
    AddReferenceToHistory();
    SEARCH_BookReference(0);
    status.opt_sort_results_warning = 0;
    PrintHeader();
    PrintVerses(o);
    PrintOccurrences(o.sort);
    SetMessageBoxHandler(previous);
    return 0;
}

int Ranges(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: sevir-cli ranges FILE [--user SYNC C V SYNC C V]...\n");
        return 2;
    }
    if (!OpenBook(argv[1])) return 1;
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    for (int i = 2; i < argc; ++i) {
        int32_t n[4];
        if (std::strcmp(argv[i], "--user") != 0 || i + 6 >= argc || !ParseInt(argv[i + 2], &n[0]) ||
            !ParseInt(argv[i + 3], &n[1]) || !ParseInt(argv[i + 5], &n[2]) || !ParseInt(argv[i + 6], &n[3])) {
            std::fprintf(stderr, "usage: sevir-cli ranges FILE [--user SYNC C V SYNC C V]...\n");
            return 2;
        }
        // As the range dialog stores it: sync names with their positions.
        if (search_in.range_count > SEARCH_RANGES - 1) search_in.range_count = SEARCH_FIRST_USER_RANGE;
        RANGE& r = search_in.range[search_in.range_count];
        std::memset(&r, 0, sizeof r);
        std::snprintf(r.sync_name_from, sizeof r.sync_name_from, "%.7s", argv[i + 1]);
        r.chapter_from = n[0];
        r.verse_from = n[1];
        std::snprintf(r.sync_name_to, sizeof r.sync_name_to, "%.7s", argv[i + 4]);
        r.chapter_to = n[2];
        r.verse_to = n[3];
        search_in.range_last = search_in.range_count;
        ++search_in.range_count;
        i += 6;
    }
    char rows[SEARCH_RANGES][SEARCH_RANGE_ROW];
    const int count = SEARCH_FillRangeRows(0, rows, SEARCH_RANGES);
    for (int i = 0; i < count; ++i) std::printf("%d\t%s\n", search_in.combo_ranges_index[i], rows[i]);
    SetMessageBoxHandler(previous);
    return 0;
}

// 1 when the typed reference names a verse (two numbers after the name).
bool NamesVerse(const char* text)
{
    int i = 0;
    while (text[i] && (CMD_IsCmdlineSeparator(static_cast<unsigned char>(text[i])) || (text[i] >= '0' && text[i] <= '9')))
        ++i;
    int end = text[i] ? i + 1 : i;
    while (text[end] && !(text[end] >= '0' && text[end] <= '9')) ++end;
    int numbers = 0;
    for (int p = end; text[p];) {
        if (text[p] >= '0' && text[p] <= '9') {
            ++numbers;
            while (text[p] >= '0' && text[p] <= '9') ++p;
        } else {
            ++p;
        }
    }
    return numbers >= 2;
}

int Show(int argc, char** argv)
{
    bool unicode = false;
    std::vector<const char*> positional;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--unicode"))
            unicode = true;
        else
            positional.push_back(argv[i]);
    }
    if (positional.size() != 2) {
        std::fprintf(stderr, "usage: sevir-cli show FILE REFERENCE [--unicode]\n");
        return 2;
    }
    if (!OpenBook(positional[0])) return 1;
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    BOOK_POSITION p{0, 0, 0, 0};
    if (CMD_RecognizeReference(positional[1], &p) == 0) {
        SetMessageBoxHandler(previous);
        std::fprintf(stderr, "sevir-cli show: not a reference in this module: %s\n", positional[1]);
        return 1;
    }
    const bool verse = NamesVerse(positional[1]);
    static BOOK_RECORD record;
    const int32_t first = BK_HledejVers(BOOK_POSITION{0, p.book, p.chapter, verse ? p.verse : 1});
    int32_t offset = first;
    int shown = 0;
    while (offset > 0 && ReadRecord(offset, &record)) {
        const BOOK_POSITION& at = record.book_position;
        if (at.book != p.book || at.chapter != p.chapter) break;
        if (!verse || at.verse == p.verse) {
            PrintVerseText(record, unicode);
            ++shown;
        }
        if (verse) break;
        offset = record.offset + 12 + record.delka;
    }
    SetMessageBoxHandler(previous);
    if (!shown) {
        std::fprintf(stderr, "sevir-cli show: the module has no %s\n", positional[1]);
        return 1;
    }
    return 0;
}

// The outcome of a lexicon search: counts, then the records found.
void PrintLexResults()
{
    const DATAWINDOW& w = datawindow[0];
    std::printf("hits=%d records=%d\n", w.search_out_lx.hit_patterns, w.search_out_lx.hit_verses);
    if (w.search_out_lx.hit_verses <= 0 || !w.lx_filter) return;
    for (int r = 0; r < w.lx_records_all; ++r)
        if (w.lx_filter[r] == 0) std::printf("%d\n", r + 1);
}

} // namespace

// sevir-cli lex search FILE PATTERN [options]; the lexicon is open in data
// window 0. argv[0] is "lex", argv[1] "search".
int CliLexSearch(int argc, char** argv)
{
    Options o;
    if (!ParseOptions(argc - 1, argv + 1, "--any --all --phrase --case --script --keep-vowels --then", &o)) return 2;
    if (o.positional.size() != 2) {
        std::fprintf(stderr, "usage: sevir-cli lex search FILE PATTERN [options]\n");
        return 2;
    }
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    search_in.datawindow = 0;
    search_in.mode = 1;
    search_in.in_lex_results = 0;
    search_in.type = o.script >= 0 ? o.script : datawindow[0].language;
    search_in.search_for = o.search_for;
    search_in.case_sensitive = o.case_sensitive;
    search_in.ignore_vowels = o.keep_vowels ? 0 : 1;
    SEARCH_SetTypedPattern(o.positional[1]);
    int found = SEARCH_LexText();
    for (const char* p : o.then) {
        // Within the records found, as long as there are any.
        search_in.in_lex_results = found == 1 ? 1 : 0;
        SEARCH_SetTypedPattern(p);
        found = SEARCH_LexText();
    }
    SetMessageBoxHandler(previous);
    PrintLexResults();
    return 0;
}

int CliLexStrongSearch(int argc, char** argv)
{
    if (argc != 5 || (std::strcmp(argv[3], "h") && std::strcmp(argv[3], "g"))) {
        std::fprintf(stderr, "usage: sevir-cli lex strongsearch FILE h|g NUMBER\n");
        return 2;
    }
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    int32_t number = 0;
    if (!SEARCH_ReadStrongNumber(argv[4], &number)) {
        SetMessageBoxHandler(previous);
        std::fprintf(stderr, "sevir-cli lex strongsearch: no number in %s\n", argv[4]);
        return 2;
    }
    search_in.datawindow = 0;
    search_in.mode = 1;
    search_in.in_lex_results = 0;
    search_in.str_type = 0;
    search_in.str_language = argv[3][0] == 'g' ? 2 : 1;
    search_in.str_number = number;
    SEARCH_SetTypedPattern(argv[4]);
    SEARCH_LexStrong();
    SetMessageBoxHandler(previous);
    PrintLexResults();
    return 0;
}

SEVIR_CLI_COMMAND("search", "FILE PATTERN [--any|--all|--phrase] [--case] [--script N] [--keep-vowels] "
                            "[--range B C V B C V|--ot|--nt] [--then PATTERN]... [--text [--unicode]]",
                  Search);
SEVIR_CLI_COMMAND("strong", "FILE h|g NUMBER [--range B C V B C V|--ot|--nt] [--sort ref|word|strong]", Strong);
SEVIR_CLI_COMMAND("strongword", "FILE PATTERN [options] [--sort ref|word|strong]", StrongWord);
SEVIR_CLI_COMMAND("refsearch", "FILE B C V B C V [--range B C V B C V|--ot|--nt]", RefSearch);
SEVIR_CLI_COMMAND("ranges", "FILE [--user SYNC C V SYNC C V]...", Ranges);
SEVIR_CLI_COMMAND("show", "FILE REFERENCE [--unicode]", Show);
