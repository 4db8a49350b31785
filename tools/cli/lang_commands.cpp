// Language subcommands: the default language file, string lookup, the
// language directory.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/lang.h"
#include "app/lang_writer.h"
#include "app/records.h"
#include "cli/cli.h"
#include "cli/lang_setup.h"

namespace {

int MakeLng(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sevir-cli make-lng OUTFILE\n");
        return 2;
    }
    if (!LANG_WriteEnglishLng(argv[1])) {
        std::fprintf(stderr, "sevir-cli: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

void SetLanguageDirectory(const char* dir)
{
    std::snprintf(status.path_lang, sizeof status.path_lang, "%s", dir);
}

bool ParseId(const char* text, int* id)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!*text || *end || value < 0 || value > 0x7FFFFFFF) return false;
    *id = static_cast<int>(value);
    return true;
}

int Strings(int argc, char** argv)
{
    ResetGlobalRecords();
    int first = 1;
    if (argc >= 3 && std::strcmp(argv[1], "--lang") == 0) {
        if (!CliUseLanguageFile(argv[2])) return 1;
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: sevir-cli strings [--lang LNGFILE] ID...\n");
        return 2;
    }
    int rc = 0;
    for (int i = first; i < argc; ++i) {
        int id = 0;
        if (!ParseId(argv[i], &id)) {
            std::fprintf(stderr, "sevir-cli: not a string number: %s\n", argv[i]);
            rc = 2;
            continue;
        }
        char text[4096];
        LANG_LoadString(nullptr, id, text, sizeof text);
        std::printf("%s\n", text);
    }
    LANG_FreeAll();
    return rc;
}

int Languages(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sevir-cli languages DIR\n");
        return 2;
    }
    ResetGlobalRecords();
    SetLanguageDirectory(argv[1]);
    LANG_Scan_LNG_Files();
    for (int i = 0; i < status.lang_found; ++i)
        std::printf("%s%s\t%s\t%d\n", i == status.lang_index ? "*" : "", g_lang_files[i].filename,
                    g_lang_files[i].label, g_lang_files[i].charset);
    LANG_FreeAll();
    return 0;
}

} // namespace

int CliUseLanguageFile(const char* path)
{
    const std::string p = path;
    const std::size_t slash = p.find_last_of("/\\");
    const std::string dir = slash == std::string::npos ? "." : p.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
    SetLanguageDirectory(dir.c_str());
    std::snprintf(status.lang_filename_default, sizeof status.lang_filename_default, "%s", name.c_str());
    if (!LANG_Scan_LNG_Files() || status.lang_filename_default != name) {
        std::fprintf(stderr, "sevir-cli: %s is not a language file\n", path);
        return 0;
    }
    LANG_ReadStringsFromFile(status.lang_index);
    return 1;
}

SEVIR_CLI_COMMAND("make-lng", "OUTFILE", MakeLng);
SEVIR_CLI_COMMAND("strings", "[--lang LNGFILE] ID...", Strings);
SEVIR_CLI_COMMAND("languages", "DIR", Languages);
