// sevir-cli: runs one subcommand over the portable core and prints plain text.
#include <cstdio>
#include <cstring>
#include <vector>

#include "cli/cli.h"

namespace {

std::vector<CliCommand>& Commands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

void Usage(FILE* out)
{
    std::fprintf(out, "usage: sevir-cli --version\n");
    for (const CliCommand& c : Commands()) std::fprintf(out, "       sevir-cli %s %s\n", c.name, c.usage);
}

} // namespace

bool RegisterCliCommand(const CliCommand& command)
{
    Commands().push_back(command);
    return true;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        Usage(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("sevir-cli %s\n", SEVIR_VERSION_STRING);
        return 0;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        Usage(stdout);
        return 0;
    }
    for (const CliCommand& c : Commands())
        if (std::strcmp(argv[1], c.name) == 0) return c.run(argc - 1, argv + 1);
    std::fprintf(stderr, "sevir-cli: unknown command %s\n", argv[1]);
    Usage(stderr);
    return 2;
}
