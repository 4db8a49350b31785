// sevir-cli dic ...: dictionary modules through the reader and the list logic
// of the dictionary window. Texts are written as stored (Hebrew in display
// order, in the display codes of the fonts).
//   dic info FILE
//   dic record FILE NUMBER
//   dic key FILE 0|1 KEY
//   dic opposite FILE OFFSET
//   dic filter FILE 0|1 TEXT
//   dic list FILE 0|1 FROM COUNT
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "cli/cli.h"
#include "dic/dic_datawindow.h"
#include "dic/dic_list.h"
#include "dic/dic_reader.h"

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

bool ParseDirection(const char* text, int* direction)
{
    if (std::strcmp(text, "0") == 0) *direction = 0;
    else if (std::strcmp(text, "1") == 0) *direction = 1;
    else return false;
    return true;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: sevir-cli dic info FILE\n"
                 "       sevir-cli dic record FILE NUMBER\n"
                 "       sevir-cli dic key FILE 0|1 KEY\n"
                 "       sevir-cli dic opposite FILE OFFSET\n"
                 "       sevir-cli dic filter FILE 0|1 TEXT\n"
                 "       sevir-cli dic list FILE 0|1 FROM COUNT\n");
    return 2;
}

// Opens path as dictionary 0 in data window 0, the way a dictionary window
// opens it.
bool OpenDictionary(const char* path)
{
    ResetGlobalRecords();
    DATAFILE& f = datafile[0];
    const char* base = std::strrchr(path, '/');
    std::snprintf(f.filename, sizeof f.filename, "%s", base ? base + 1 : path);
    f.type = MODULE_DICTIONARY;
    f.file = SvOpenRead(path);
    MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    const int id = f.file ? DIC_OpenDatawindow(0) : -1;
    SetMessageBoxHandler(previous);
    if (id != 0) {
        std::fprintf(stderr, "error: not a dictionary\n");
        return false;
    }
    return true;
}

void Put(const char* key, const char* text)
{
    std::fputs(key, stdout);
    std::fwrite(text, 1, std::strlen(text), stdout);
    std::fputc('\n', stdout);
}

int Info()
{
    const DATAWINDOW& w = datawindow[0];
    Put("abbrev=", w.abbrev);
    Put("title=", w.title);
    std::printf("lang_from=%d\nlang_to=%d\n", w.dic_lang_from, w.dic_lang_to);
    std::printf("charset_from=%d\ncharset_to=%d\ncharset_note=%d\n", w.dic_charset_from, w.dic_charset_to,
                w.dic_charset_note);
    std::printf("records_all=%d\n", w.dic_records_all);
    Put("dicname0=", w.dic_dicname[0]);
    Put("dicname1=", w.dic_dicname[1]);
    std::printf("no_jumps=%d\nsync=%d\nfilesize=%d\n", w.no_jumps, w.sync, w.filesize);
    return 0;
}

int Record(const char* number_text)
{
    int32_t number = 0;
    if (!ParseInt(number_text, &number)) return Usage();
    const int offset = DIC_SearchRecord(0, number);
    if (offset <= 0) {
        std::printf("none\n");
        return 0;
    }
    DICRECORD& r = g_dic_record;
    r.id_file = 0;
    r.offset = offset;
    if (!DIC_CtiRecord(&r, 0)) {
        std::printf("none\n");
        return 0;
    }
    std::printf("offset=%d\nnumber=%d\n", r.offset, r.cislo);
    Put("from=", r.from);
    Put("to=", r.to);
    Put("note=", r.note);
    return 0;
}

int Filter(const char* text)
{
    const DATAWINDOW& w = datawindow[0];
    const int count = DIC_SearchAllKeysForSubstring(0, text, 1);
    std::printf("%d\n", count);
    if (count > 0)
        for (int32_t k = 1; k <= w.dic_records_all; ++k)
            if (w.dic_filter[k - 1] == 0) std::printf("%d\n", k);
    return 0;
}

int List(const char* from_text, const char* count_text)
{
    int32_t from = 0, count = 0;
    if (!ParseInt(from_text, &from) || !ParseInt(count_text, &count) || count < 0) return Usage();
    DATAWINDOW& w = datawindow[0];
    w.dic_listbox_lines = count > DIC_MAX_LINES ? DIC_MAX_LINES : count;
    if (!DIC_NaplnRadky(0, from)) return 0;
    for (int i = 0; i < w.dic_radku_filled; ++i) {
        const DIC_RADEK& line = w.dic_radek[i];
        std::printf("%d\t", line.record);
        const char* source = DIC_SourceText(0, line.from, line.to, 0);
        const char* target = DIC_SourceText(0, line.from, line.to, 1);
        std::fwrite(source, 1, std::strlen(source), stdout);
        std::fputc('\t', stdout);
        std::fwrite(target, 1, std::strlen(target), stdout);
        std::fputc('\t', stdout);
        std::fwrite(line.note, 1, strnlen(line.note, sizeof line.note), stdout);
        std::fputc('\n', stdout);
    }
    return 0;
}

int CmdDic(int argc, char** argv)
{
    if (argc < 3) return Usage();
    const char* sub = argv[1];
    const int args = argc - 3;  // after "dic SUB FILE"
    int want = -1;
    if (std::strcmp(sub, "info") == 0) want = 0;
    else if (std::strcmp(sub, "record") == 0 || std::strcmp(sub, "opposite") == 0) want = 1;
    else if (std::strcmp(sub, "key") == 0 || std::strcmp(sub, "filter") == 0) want = 2;
    else if (std::strcmp(sub, "list") == 0) want = 3;
    if (want < 0 || args != want) return Usage();
    int direction = 0;
    if (want >= 2 && !ParseDirection(argv[3], &direction)) return Usage();
    if (!OpenDictionary(argv[2])) return 1;
    datawindow[0].dic_direction = direction;

    int rc = 0;
    if (std::strcmp(sub, "info") == 0) {
        rc = Info();
    } else if (std::strcmp(sub, "record") == 0) {
        rc = Record(argv[3]);
    } else if (std::strcmp(sub, "opposite") == 0) {
        int32_t offset = 0;
        rc = ParseInt(argv[3], &offset) ? (std::printf("%d\n", DIC_GetOppositeIndexFromOffset(0, offset)), 0) : Usage();
    } else if (std::strcmp(sub, "key") == 0) {
        std::printf("%d\n", DIC_SearchKey(0, argv[4], 1));
    } else if (std::strcmp(sub, "filter") == 0) {
        rc = Filter(argv[4]);
    } else {
        rc = List(argv[4], argv[5]);
    }
    ResetGlobalRecords();
    return rc;
}

} // namespace

SEVIR_CLI_COMMAND("dic", "info|record|key|opposite|filter|list FILE ...", CmdDic);
