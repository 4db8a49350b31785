// Runs sevir-cli from the build tree and captures what it prints.
#pragma once

#include <cstdio>
#include <string>

struct CliResult {
    std::string out;
    int status = -1;
};

inline CliResult RunCli(const std::string& args)
{
    CliResult r;
    const std::string command = std::string(SEVIR_BINARY_DIR) + "/sevir-cli " + args + " 2>/dev/null";
    std::FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    r.status = pclose(p);
    return r;
}
