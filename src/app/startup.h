// Start-up and shutdown work that needs no window.
#pragma once

#include <string>

struct VERZE {
    int v1, v2, v3, v4;
};

// Program version, set at start-up.
extern VERZE verze;

// Prepares all global state; returns 1.
int Iniciace();

// Shutdown work; returns 1.
int Ukonceni();

// The steps of Iniciace that need no window, each usable on its own.

// Read-only media: sets sevir_cd and, when read_only, the configuration
// paths in windows_dir, copying "library.cfg" from current_dir there when the
// copy there cannot be opened.
void SetupReadOnlyMedia(int read_only, const std::string& windows_dir, const std::string& current_dir);

// Data path 0 is current_dir (read_only from its attribute), path_used 1,
// path_lang "<current_dir>/language/".
void SetupDataPaths(const std::string& current_dir);

// The Windows directory (natively: $WINDIR, else the current directory).
std::string SvWindowsDirectory();
