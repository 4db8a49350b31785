// sevir-cli lex ...: lexicon modules through the reader and the list logic of
// the lexicon window.
//   lex info FILE
//   lex read FILE OFFSET forward|backward
//   lex record FILE NUMBER
//   lex key FILE KEY [FROM]
//   lex strong FILE h|g NUMBER [FROM]
//   lex filter FILE TEXT
//   lex list FILE FROM COUNT
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "cli/cli.h"
#include "lex/lex_datawindow.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"

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
    const long long v = std::strtoll(text, &end, 10);
    if (errno || *end || v < INT32_MIN || v > INT32_MAX) return false;
    *value = static_cast<int32_t>(v);
    return true;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: sevir-cli lex info FILE\n"
                 "       sevir-cli lex read FILE OFFSET forward|backward\n"
                 "       sevir-cli lex record FILE NUMBER\n"
                 "       sevir-cli lex key FILE KEY [FROM]\n"
                 "       sevir-cli lex strong FILE h|g NUMBER [FROM]\n"
                 "       sevir-cli lex filter FILE TEXT\n"
                 "       sevir-cli lex list FILE FROM COUNT\n");
    return 2;
}

// Opens path as lexicon 0 in data window 0, the way a lexicon window opens it.
bool OpenLexicon(const char* path)
{
    ResetGlobalRecords();
    DATAFILE& f = datafile[0];
    const char* base = std::strrchr(path, '/');
    std::snprintf(f.filename, sizeof f.filename, "%s", base ? base + 1 : path);
    f.type = MODULE_LEXICON;
    f.file = SvOpenRead(path);
    MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    const int id = f.file ? LX_OpenDatawindow(0) : -1;
    SetMessageBoxHandler(previous);
    if (id != 0) {
        std::fprintf(stderr, "error: not a lexicon\n");
        return false;
    }
    return true;
}

int Info()
{
    const DATAWINDOW& w = datawindow[0];
    std::printf("abbrev=%s\ntitle=%s\nlanguage=%d\n", w.abbrev, w.title, w.language);
    std::printf("keyword_charset=%d\nheader_charset=%d\nkeyword_strong=%d\n", w.lx_keyword_charset,
                w.lx_header_charset, w.lx_keyword_strong);
    std::printf("records_all=%d\ndeleted_records=%d\nstrong_records=%d\n", w.lx_records_all, w.lx_deleted_records,
                w.lx_strong_records);
    std::printf("labels=%d\nno_jumps=%d\nsync=%d\nbooks=%d\nfilesize=%d\n", w.lx_pocet_zahlavi, w.no_jumps, w.sync,
                w.books, w.filesize);
    for (int n = 0; n < w.lx_pocet_zahlavi && n < 10; ++n)
        std::printf("label.%d=%s|%d\n", n, w.lx_zahlavi[n].zah_label, w.lx_zahlavi[n].zah_flag1);
    const struct {
        const char* name;
        int32_t tag;
        int32_t show;
    } classes[13] = {
        {"preface", w.tag_preface, w.show_tag_preface},
        {"christ", w.tag_christ, w.show_tag_christ},
        {"note", w.tag_note, w.show_tag_note},
        {"variant", w.tag_variant, w.show_tag_variant},
        {"unused", w.tag_unused, w.show_tag_unused},
        {"reference", w.tag_reference, w.show_tag_reference},
        {"keyword_reference", w.tag_keyword_reference, w.show_tag_keyword_reference},
        {"strong_hebrew", w.tag_strong_hebrew, w.show_tag_strong_hebrew},
        {"strong_greek", w.tag_strong_greek, w.show_tag_strong_greek},
        {"bold", w.tag_bold, w.show_tag_bold},
        {"italic", w.tag_italic, w.show_tag_italic},
        {"morph_hebrew", w.tag_morph_hebrew, w.show_tag_morph_hebrew},
        {"morph_greek", w.tag_morph_greek, w.show_tag_morph_greek},
    };
    for (const auto& c : classes) std::printf("tag.%s=%d %d\n", c.name, c.tag, c.show);
    return 0;
}

int Read(int argc, char** argv)
{
    int32_t offset = 0;
    if (argc != 5 || !ParseInt(argv[3], &offset)) return Usage();
    const std::string direction = argv[4];
    if (direction != "forward" && direction != "backward") return Usage();
    LXRECORD& r = g_lx_record;
    r.id_file = 0;
    r.offset = offset;
    if (!LX_CtiRecord(&r, direction == "forward" ? 0 : 1, 0)) {
        std::printf("none\n");
        return 0;
    }
    std::printf("%d %d %s %s\n", r.offset, r.cislo, r.slovo, r.strong[0] ? r.strong : "-");
    return 0;
}

int Record(int argc, char** argv)
{
    int32_t number = 0;
    if (argc != 4 || !ParseInt(argv[3], &number)) return Usage();
    const int offset = LX_SearchRecord(0, number);
    LXRECORD& r = g_lx_record;
    r.id_file = 0;
    r.offset = offset;
    if (offset <= 0 || !LX_CtiRecord(&r, 0, 1)) {
        std::printf("none\n");
        return 0;
    }
    std::printf("offset=%d\nnumber=%d\nkeyword=%s\nstrong=%s\n", r.offset, r.cislo, r.slovo, r.strong);
    for (int n = 0; n < 10; ++n)
        if (r.item[n][0]) std::printf("item%d=%s\n", n, r.item[n]);
    std::printf("body\n");
    std::fwrite(r.buffer, 1, std::strlen(r.buffer), stdout);
    std::printf("\n");
    return 0;
}

int Key(int argc, char** argv)
{
    int32_t from = 1;
    if (argc < 4 || argc > 5 || (argc == 5 && !ParseInt(argv[4], &from))) return Usage();
    std::printf("%d\n", LX_SearchKey(0, argv[3], from));
    return 0;
}

int Strong(int argc, char** argv)
{
    int32_t number = 0, from = 1;
    if (argc < 5 || argc > 6 || !ParseInt(argv[4], &number) || (argc == 6 && !ParseInt(argv[5], &from)))
        return Usage();
    const std::string language = argv[3];
    if (language != "h" && language != "g") return Usage();
    std::printf("%d\n", LX_SearchFirstStrong(0, language == "h" ? 1 : 2, number, from));
    return 0;
}

int Filter(int argc, char** argv)
{
    if (argc != 4) return Usage();
    const int count = LX_SearchAllKeysForSubstring(0, argv[3], 1);
    std::printf("%d\n", count);
    const DATAWINDOW& w = datawindow[0];
    for (int32_t r = 1; count > 0 && r <= w.lx_records_all; ++r)
        if (w.lx_filter[r - 1] == 0) std::printf("%d\n", r);
    return 0;
}

int List(int argc, char** argv)
{
    int32_t from = 0, count = 0;
    if (argc != 5 || !ParseInt(argv[3], &from) || !ParseInt(argv[4], &count) || count < 0) return Usage();
    DATAWINDOW& w = datawindow[0];
    w.lx_listbox_lines = count > LX_MAX_LINES ? LX_MAX_LINES : count;
    LX_NaplnRadky(0, from);
    for (int i = 0; i < w.lx_radku_filled; ++i) std::printf("%d %s\n", w.lx_radek[i].record, w.lx_radek[i].tLeft);
    return 0;
}

int Lex(int argc, char** argv)
{
    if (argc < 3) return Usage();
    const std::string what = argv[1];
    if (what != "info" && what != "read" && what != "record" && what != "key" && what != "strong" &&
        what != "filter" && what != "list")
        return Usage();
    if (!OpenLexicon(argv[2])) return 1;
    if (what == "info") return argc == 3 ? Info() : Usage();
    if (what == "read") return Read(argc, argv);
    if (what == "record") return Record(argc, argv);
    if (what == "key") return Key(argc, argv);
    if (what == "strong") return Strong(argc, argv);
    if (what == "filter") return Filter(argc, argv);
    return List(argc, argv);
}

} // namespace

SEVIR_CLI_COMMAND("lex", "info|read|record|key|strong|filter|list FILE ...", Lex);
