// Configuration subcommands: what the program reads from a "sevir.cfg", and
// the file the program writes from it.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/file_io.h"
#include "app/records.h"
#include "app/startup.h"
#include "cli/cli.h"

namespace {

// The state of a program just started in the current directory, before it
// reads its configuration: a main window of its size at creation.
void SetStartupDefaults()
{
    ResetGlobalRecords();
    SetupDataPaths(SvCurrentDirectory());
    status.hMain_position = SV_RECT{0, 0, 580, 340};
}

int Config(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sevir-cli config FILE\n");
        return 2;
    }
    SetStartupDefaults();
    CFG_WINDOW list[MAX_CFG_WINDOWS];
    const int result = ReadSevirCfgFile(argv[1], list, MAX_CFG_WINDOWS);
    const int n = result > 0 ? result : 0;
    std::printf("result=%d\n", result);
    // The keys as the writer writes them, the windows at the end.
    std::vector<std::string> windows;
    for (const std::string& line : SevirCfgLines(list, n)) {
        if (line.empty() || line[0] == ';') continue;
        if (line.rfind("ChildWindow[", 0) == 0)
            windows.push_back(line);
        else
            std::printf("%s\n", line.c_str());
    }
    for (const std::string& line : windows) std::printf("%s\n", line.c_str());
    return 0;
}

int ConfigWrite(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: sevir-cli config-write OUT [IN]\n");
        return 2;
    }
    SetStartupDefaults();
    if (argc == 3) {
        CFG_WINDOW list[MAX_CFG_WINDOWS];
        ReadSevirCfgFile(argv[2], list, MAX_CFG_WINDOWS);
    }
    // No data windows exist here.
    const int ok = WriteSevirCfgFile(argv[1], nullptr, 0);
    std::printf("%d\n", ok);
    return ok ? 0 : 1;
}

} // namespace

SEVIR_CLI_COMMAND("config", "FILE", Config);
SEVIR_CLI_COMMAND("config-write", "OUT [IN]", ConfigWrite);
