// Shared by the subcommands that take --lang LNGFILE.
#pragma once

// Makes the directory of path the language directory and loads the strings
// of the file; returns 0 (after a message) when it is not a language file.
int CliUseLanguageFile(const char* path);
