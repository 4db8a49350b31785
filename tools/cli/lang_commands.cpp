// Language subcommands: the default language file, string lookup, the
// language directory.
#include <cstdio>

#include "app/lang_writer.h"
#include "cli/cli.h"

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

} // namespace

SEVIR_CLI_COMMAND("make-lng", "OUTFILE", MakeLng);
