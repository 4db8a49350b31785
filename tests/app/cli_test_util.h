// Runs sevir-cli from the build tree and captures what it prints.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct CliResult {
    std::string out;
    int status = -1;  // the exit status, or -1 when the program did not exit normally
};

// `redirect` says where standard error goes (" 2>&1" to capture it too).
inline CliResult RunCli(const std::string& args, const char* redirect = " 2>/dev/null")
{
    CliResult r;
    const std::string command = std::string(SEVIR_BINARY_DIR) + "/sevir-cli " + args + redirect;
    std::FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}
