// Reference subcommands: recognising a typed reference against a book module,
// and the range test.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "cli/cli.h"
#include "cli/lang_setup.h"
#include "cmdline/reference.h"

namespace {

bool ParseInt(const char* text, int32_t* out)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!*text || *end || value < -2147483647L || value > 2147483647L) return false;
    *out = static_cast<int32_t>(value);
    return true;
}

int Quiet(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

// Opens path as book module 0 in data window 0, the way a book window does.
bool OpenBookWindow(const char* path)
{
    DATAFILE& f = datafile[0];
    const char* slash = std::strrchr(path, '/');
    std::snprintf(f.filename, sizeof f.filename, "%s", slash ? slash + 1 : path);
    f.type = MODULE_BOOK;
    f.file = SvOpenRead(path);
    const MessageBoxHandler previous = SetMessageBoxHandler(Quiet);
    const int id = f.file ? OpenBookDatawindow(0) : -1;
    SetMessageBoxHandler(previous);
    if (id != 0) {
        std::fprintf(stderr, "sevir-cli: %s is not a book module\n", path);
        return false;
    }
    return true;
}

int Ref(int argc, char** argv)
{
    ResetGlobalRecords();
    const char* file = nullptr;
    const char* text = nullptr;
    const char* lang = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            lang = argv[++i];
        } else if (!file) {
            file = argv[i];
        } else if (!text) {
            text = argv[i];
        } else {
            file = nullptr;
            break;
        }
    }
    if (!file || !text) {
        std::fprintf(stderr, "usage: sevir-cli ref FILE TEXT [--lang LNGFILE]\n");
        return 2;
    }
    int rc = 1;
    if ((!lang || CliUseLanguageFile(lang)) && OpenBookWindow(file)) {
        BOOK_POSITION position{0, 0, 0, 0};
        const int state = CMD_RecognizeReference(text, &position);
        std::printf("%d %d %d %d\n", state, position.book, position.chapter, position.verse);
        rc = 0;
    }
    ResetGlobalRecords();
    LANG_FreeAll();
    return rc;
}

int InRange(int argc, char** argv)
{
    int32_t v[9];
    if (argc != 10) {
        std::fprintf(stderr, "usage: sevir-cli inrange B C V FB FC FV TB TC TV\n");
        return 2;
    }
    for (int i = 0; i < 9; ++i)
        if (!ParseInt(argv[i + 1], &v[i])) {
            std::fprintf(stderr, "sevir-cli: not a number: %s\n", argv[i + 1]);
            return 2;
        }
    const BOOK_POSITION position{0, v[0], v[1], v[2]};
    const BOOK_POSITION from{0, v[3], v[4], v[5]};
    const BOOK_POSITION to{0, v[6], v[7], v[8]};
    std::printf("%d\n", CompareReference(position, from, to));
    return 0;
}

} // namespace

SEVIR_CLI_COMMAND("ref", "FILE TEXT [--lang LNGFILE]", Ref);
SEVIR_CLI_COMMAND("inrange", "B C V FB FC FV TB TC TV", InRange);
