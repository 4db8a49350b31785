// sevir-cli subcommands over book modules and the catalogue:
//   info, locate, step, versecount, verseend, read, catalog.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/catalogue.h"
#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "cli/cli.h"

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

// Opens path as book module 0 in data window 0, through the same path as a
// book window. Prints the error and returns false when it is not one.
bool OpenBook(const char* path)
{
    ResetGlobalRecords();
    DATAFILE& f = datafile[0];
    const char* base = std::strrchr(path, '/');
    std::snprintf(f.filename, sizeof f.filename, "%s", base ? base + 1 : path);
    f.type = MODULE_BOOK;
    f.file = SvOpenRead(path);
    MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    int id = f.file ? OpenBookDatawindow(0) : -1;
    SetMessageBoxHandler(previous);
    if (id != 0) {
        std::fprintf(stderr, "error: not a book module\n");
        return false;
    }
    return true;
}

bool Args(int argc, char** argv, int want, int32_t* numbers)
{
    if (argc != want + 2) {
        std::fprintf(stderr, "sevir-cli %s: wrong number of arguments\n", argv[0]);
        return false;
    }
    for (int i = 0; i < want; ++i) {
        if (!ParseInt(argv[2 + i], &numbers[i])) {
            std::fprintf(stderr, "sevir-cli %s: not a number: %s\n", argv[0], argv[2 + i]);
            return false;
        }
    }
    return true;
}

int Info(int argc, char** argv)
{
    if (argc != 2) return std::fprintf(stderr, "sevir-cli info: wrong number of arguments\n"), 2;
    if (!OpenBook(argv[1])) return 1;
    const DATAWINDOW& w = datawindow[0];
    std::printf("abbrev=%s\ntitle=%s\nlanguage=%d\nbooks=%d\n", w.abbrev, w.title, w.language, w.books);
    std::printf("tag_info=%d\ntag_data=%d\ntag_advanced=%d\n", w.tag_info, w.tag_data, w.tag_advanced);
    std::printf("sync=%d\nscroll_verse=%d\nno_jumps=%d\nfilesize=%d\n", w.sync, w.scroll_verse, w.no_jumps,
                w.filesize);
    struct Class {
        const char* name;
        int32_t tag, show;
    } const classes[12] = {
        {"preface", w.tag_preface, w.show_tag_preface},
        {"christ", w.tag_christ, w.show_tag_christ},
        {"note", w.tag_note, w.show_tag_note},
        {"variant", w.tag_variant, w.show_tag_variant},
        {"unused", w.tag_unused, w.show_tag_unused},
        {"reference", w.tag_reference, w.show_tag_reference},
        {"strong_hebrew", w.tag_strong_hebrew, w.show_tag_strong_hebrew},
        {"strong_greek", w.tag_strong_greek, w.show_tag_strong_greek},
        {"bold", w.tag_bold, w.show_tag_bold},
        {"italic", w.tag_italic, w.show_tag_italic},
        {"morph_hebrew", w.tag_morph_hebrew, w.show_tag_morph_hebrew},
        {"morph_greek", w.tag_morph_greek, w.show_tag_morph_greek},
    };
    for (const Class& c : classes) std::printf("tag.%s=%d %d\n", c.name, c.tag, c.show);
    for (int b = 0; b < w.books; ++b) {
        const BOOK_INFO& info = w.book_info[b];
        std::printf("book.%d=%s|%s|%s|%d|%d|%d\n", b + 1, info.name, info.abbrev_name, info.sync_name, info.length,
                    info.offset, info.chapters);
    }
    return 0;
}

int Locate(int argc, char** argv)
{
    int32_t n[3];
    if (!Args(argc, argv, 3, n)) return 2;
    if (!OpenBook(argv[1])) return 1;
    std::printf("%d\n", BK_HledejVers(BOOK_POSITION{0, n[0], n[1], n[2]}));
    return 0;
}

int Step(int argc, char** argv)
{
    int32_t n[2];
    if (!Args(argc, argv, 2, n)) return 2;
    if (!OpenBook(argv[1])) return 1;
    BOOK_POSITION p{0, 0, 0, 0};
    int32_t offset = BK_PosunOffset(&p, n[0], n[1]);
    std::printf("%d %d %d %d\n", offset, p.book, p.chapter, p.verse);
    return 0;
}

int VerseCount(int argc, char** argv)
{
    int32_t n[2];
    if (!Args(argc, argv, 2, n)) return 2;
    if (!OpenBook(argv[1])) return 1;
    std::printf("%d\n", BK_PocetVersu(BOOK_POSITION{0, n[0], n[1], 1}));
    return 0;
}

int VerseEnd(int argc, char** argv)
{
    int32_t n[1];
    if (!Args(argc, argv, 1, n)) return 2;
    if (!OpenBook(argv[1])) return 1;
    std::printf("%d\n", OffsetOfVerseEnd(n[0], datafile[0].file));
    return 0;
}

int Read(int argc, char** argv)
{
    int32_t n[1];
    if (!Args(argc, argv, 1, n)) return 2;
    if (!OpenBook(argv[1])) return 1;
    BOOK_RECORD& r = g_book_record;
    r.book_position.number = 0;
    r.offset = n[0];
    if (!BK_CtiRecord(&r)) {
        std::printf("none\n");
        return 0;
    }
    std::printf("%d %d %d %d %d\n", r.offset, r.book_position.book, r.book_position.chapter, r.book_position.verse,
                r.delka);
    std::size_t kept = r.delka < BOOK_RECORD_BUFFER ? static_cast<std::size_t>(r.delka) : BOOK_RECORD_BUFFER - 1;
    std::fwrite(r.buffer, 1, kept, stdout);
    std::printf("\n");
    return 0;
}

int Catalog(int argc, char** argv)
{
    if (argc < 2) return std::fprintf(stderr, "sevir-cli catalog: no directory\n"), 2;
    if (argc - 1 > MAX_PATHS) return std::fprintf(stderr, "sevir-cli catalog: at most %d directories\n", MAX_PATHS), 2;
    ResetGlobalRecords();
    status.path_used = argc - 1;
    for (int i = 1; i < argc; ++i) {
        std::string dir = argv[i];
        while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
        std::snprintf(status.path_data[i - 1].path, sizeof status.path_data[i - 1].path, "%s", dir.c_str());
        status.path_data[i - 1].read_only = SvIsReadOnly(dir);
    }
    ScanDataFiles();
    for (int i = 0; i < status.files_all; ++i) {
        const DATAFILE& f = datafile[i];
        std::printf("%d\t%d\t%s\t%s\t%d\t%s\n", f.id_file, f.type, f.abbrev, f.filename, f.path_index, f.title);
    }
    return 0;
}

} // namespace

SEVIR_CLI_COMMAND("info", "FILE", Info);
SEVIR_CLI_COMMAND("locate", "FILE BOOK CHAPTER VERSE", Locate);
SEVIR_CLI_COMMAND("step", "FILE OFFSET STEP", Step);
SEVIR_CLI_COMMAND("versecount", "FILE BOOK CHAPTER", VerseCount);
SEVIR_CLI_COMMAND("verseend", "FILE OFFSET", VerseEnd);
SEVIR_CLI_COMMAND("read", "FILE OFFSET", Read);
SEVIR_CLI_COMMAND("catalog", "DIR [DIR...]", Catalog);
