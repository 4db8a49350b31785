// sevir-cli tags and render: the tag parser and the book-window renderer over
// a module file, with the deterministic text measurer.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/file_io.h"
#include "app/records.h"
#include "books/render.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "cli/cli.h"

namespace {

// Opens path as the book module of data window 0; prints why not.
bool OpenBook(const char* path)
{
    ResetGlobalRecords();
    SvFile* file = SvOpenRead(path);
    if (!file) {
        std::fprintf(stderr, "sevir-cli: cannot open %s\n", path);
        return false;
    }
    DATAFILE& f = datafile[0];
    f.file = file;
    f.opened = 1;
    f.id_file = 0;
    f.type = MODULE_BOOK;
    const char* base = std::strrchr(path, '/');
    std::snprintf(f.filename, sizeof f.filename, "%s", base ? base + 1 : path);
    DATAWINDOW& w = datawindow[0];
    w.id = 0;
    w.id_file = 0;
    w.type = MODULE_BOOK;
    status.num_windows = 1;
    if (!ScanSBKInfoEx(file, 0)) {
        std::fprintf(stderr, "sevir-cli: %s is not a book module\n", path);
        ResetGlobalRecords();
        return false;
    }
    return true;
}

bool HideClass(DATAWINDOW& w, const std::string& name)
{
    struct Class {
        const char* name;
        int32_t DATAWINDOW::*flag;
    };
    static const Class classes[] = {
        {"preface", &DATAWINDOW::show_tag_preface},
        {"christ", &DATAWINDOW::show_tag_christ},
        {"note", &DATAWINDOW::show_tag_note},
        {"variant", &DATAWINDOW::show_tag_variant},
        {"unused", &DATAWINDOW::show_tag_unused},
        {"reference", &DATAWINDOW::show_tag_reference},
        {"strong_hebrew", &DATAWINDOW::show_tag_strong_hebrew},
        {"strong_greek", &DATAWINDOW::show_tag_strong_greek},
        {"morph_hebrew", &DATAWINDOW::show_tag_morph_hebrew},
        {"morph_greek", &DATAWINDOW::show_tag_morph_greek},
    };
    for (const Class& c : classes)
        if (name == c.name) {
            w.*c.flag = 0;
            return true;
        }
    return false;
}

void ShowAll(DATAWINDOW& w)
{
    w.show_tag_preface = w.show_tag_christ = w.show_tag_note = w.show_tag_variant = 1;
    w.show_tag_unused = w.show_tag_reference = w.show_tag_strong_hebrew = w.show_tag_strong_greek = 1;
    w.show_tag_morph_hebrew = w.show_tag_morph_greek = 1;
    w.show_tag_bold = w.show_tag_italic = w.show_tag_keyword_reference = 1;
}

int RunTags(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: sevir-cli tags FILE TEXT [--show-all] [--hide CLASS[,CLASS...]] [--mode 0|1] "
                             "[--morph-line]\n");
        return 2;
    }
    bool show_all = false, morph_line = false;
    int mode = 0;
    std::vector<std::string> hide;
    for (int i = 3; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--show-all") {
            show_all = true;
        } else if (a == "--morph-line") {
            morph_line = true;
        } else if (a == "--mode" && i + 1 < argc && (std::strcmp(argv[i + 1], "0") == 0 || std::strcmp(argv[i + 1], "1") == 0)) {
            mode = std::atoi(argv[++i]);
        } else if (a == "--hide" && i + 1 < argc) {
            std::string list = argv[++i];
            std::size_t start = 0;
            while (start <= list.size()) {
                std::size_t comma = list.find(',', start);
                if (comma == std::string::npos) comma = list.size();
                if (comma > start) hide.push_back(list.substr(start, comma - start));
                start = comma + 1;
            }
        } else {
            std::fprintf(stderr, "sevir-cli tags: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    if (!OpenBook(argv[1])) return 1;
    DATAWINDOW& w = datawindow[0];
    if (show_all) ShowAll(w);
    for (const std::string& name : hide)
        if (!HideClass(w, name)) {
            std::fprintf(stderr, "sevir-cli tags: unknown class %s\n", name.c_str());
            ResetGlobalRecords();
            return 2;
        }
    if (morph_line) w.morph_line = 1;
    BK_InicRTFheader(w.charset);
    std::vector<char> out(RTFDATA_BUFFER);
    int end = BK_ParseTagsCZ(argv[2], 0, out.data(), static_cast<int>(out.size()), 0, mode);
    std::fwrite(out.data(), 1, static_cast<std::size_t>(end), stdout);
    ResetGlobalRecords();
    return 0;
}

// A book by its number in the module's book table, or by its sync name,
// abbreviation or name; 0 when there is none.
int FindBook(const DATAWINDOW& w, const char* text)
{
    char* end = nullptr;
    long n = std::strtol(text, &end, 10);
    if (end && *end == '\0' && end != text) return n >= 1 && n <= w.books ? static_cast<int>(n) : 0;
    for (int b = 0; b < w.books; ++b) {
        const BOOK_INFO& bi = w.book_info[b];
        if (strncmp(bi.sync_name, text, sizeof bi.sync_name) == 0 ||
            strncmp(bi.abbrev_name, text, sizeof bi.abbrev_name) == 0 || strncmp(bi.name, text, sizeof bi.name) == 0)
            return b + 1;
    }
    return 0;
}

bool Number(const char* text, int* value)
{
    char* end = nullptr;
    long n = std::strtol(text, &end, 10);
    if (!end || *end != '\0' || end == text || n < -1000000000L || n > 1000000000L) return false;
    *value = static_cast<int>(n);
    return true;
}

int RunRender(int argc, char** argv)
{
    const char* usage = "usage: sevir-cli render FILE BOOK CHAPTER VERSE --width W --height H [--no-labels]\n";
    if (argc < 5) {
        std::fputs(usage, stderr);
        return 2;
    }
    int chapter = 0, verse = 0, width = -1, height = -1;
    bool labels = true;
    if (!Number(argv[3], &chapter) || !Number(argv[4], &verse)) {
        std::fputs(usage, stderr);
        return 2;
    }
    for (int i = 5; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--width" && i + 1 < argc && Number(argv[i + 1], &width)) {
            ++i;
        } else if (a == "--height" && i + 1 < argc && Number(argv[i + 1], &height)) {
            ++i;
        } else if (a == "--no-labels") {
            labels = false;
        } else {
            std::fputs(usage, stderr);
            return 2;
        }
    }
    if (width < 0 || height < 0) {
        std::fputs(usage, stderr);
        return 2;
    }
    if (!OpenBook(argv[1])) return 1;
    DATAWINDOW& w = datawindow[0];
    int book = FindBook(w, argv[2]);
    if (book == 0) {
        std::fprintf(stderr, "sevir-cli render: no book %s in %s\n", argv[2], argv[1]);
        ResetGlobalRecords();
        return 1;
    }
    w.position = SV_RECT{0, 0, width, height};
    w.line_width = width - 16;
    status.opt_bk_label = labels ? 1 : 0;
    bk_rtfdata.buffer[0] = '\0';
    int verses = BK_PripravText(BOOK_POSITION{0, book, chapter, verse}, 0);
    std::fputs(bk_rtfdata.buffer, stdout);
    std::printf("\nverses=%d\n", verses);
    ResetGlobalRecords();
    return 0;
}

} // namespace

SEVIR_CLI_COMMAND("tags", "FILE TEXT [--show-all] [--hide CLASS[,CLASS...]] [--mode 0|1] [--morph-line]", RunTags);
SEVIR_CLI_COMMAND("render", "FILE BOOK CHAPTER VERSE --width W --height H [--no-labels]", RunRender);
