// sevir-cli subcommands. Each source file of the tool registers its own with
// SEVIR_CLI_COMMAND; main() dispatches on the first argument.
#pragma once

struct CliCommand {
    const char* name;
    const char* usage;                  // arguments, for the help text
    int (*run)(int argc, char** argv);  // argv[0] is the subcommand
};

// Registers a subcommand; called by SEVIR_CLI_COMMAND before main().
bool RegisterCliCommand(const CliCommand& command);

#define SEVIR_CLI_CONCAT2(a, b) a##b
#define SEVIR_CLI_CONCAT(a, b) SEVIR_CLI_CONCAT2(a, b)
#define SEVIR_CLI_COMMAND(name, usage, fn) \
    static const bool SEVIR_CLI_CONCAT(cli_registered_, __LINE__) = RegisterCliCommand(CliCommand{name, usage, fn})
