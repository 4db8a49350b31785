// The program configuration file "sevir.cfg": options, tag colours, data
// paths and the layout of the child windows, kept across runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/records.h"

// The configuration file's full name: the writable copy in the Windows
// directory when the program runs from read-only media, else "sevir.cfg" in
// data path 0 (the current directory at start-up).
std::string SevirCfgPath();

// Reads the configuration file into status, the text fonts and rtftag, and at
// most count entries of list (each cleared first, id set to its index).
// Returns the number of child-window entries taken (0 to count), or -1 when
// the file does not exist, cannot be loaded or has no "NumChildWindows=".
int ReadSevirCfg(CFG_WINDOW* list, int count);
int ReadSevirCfgFile(const char* path, CFG_WINDOW* list, int count);
// The same over bytes already in memory (a damaged or binary block is read
// as far as it makes sense).
int ReadSevirCfgData(const char* data, std::size_t size, CFG_WINDOW* list, int count);

// Writes the whole file from the current state under a temporary name in the
// same folder and renames it over the old file. Returns 1, or 0 when the file
// cannot be written (the old file is then untouched).
int WriteSevirCfg();
// Writes the file path with the windows given instead of the open ones.
int WriteSevirCfgFile(const char* path, const CFG_WINDOW* windows, int n);

// The file's lines (without line ends) in the writer's sequence, with the
// windows given as the "ChildWindow[%d]" lines.
std::vector<std::string> SevirCfgLines(const CFG_WINDOW* windows, int n);

// The entry the writer makes for data window id: module file name (empty for
// the information window), type, offset (the book window's record offset),
// the window's rectangle as left, top, width, height and the parameter
// (lexicon word-column width, dictionary direction). The window layer's hook
// then puts the rectangle into MDI-client coordinates and the list positions
// of lexicon and dictionary windows.
CFG_WINDOW DescribeDatawindowForCfg(int id);

// Set by the window layer; null members are skipped.
struct CFG_WRITE_HOOKS {
    void (*before_write)();                               // refreshes status.hMain_position
    void (*describe_window)(int id, CFG_WINDOW* entry);   // rectangle and list position
};
extern CFG_WRITE_HOOKS g_cfg_write_hooks;

// Start-up: allocates the list of configured windows (status.cfg_window),
// reads the file into it and keeps the result in status.result_cfg_read;
// shows string 10148 (caption 10149) when the file was not found, or string
// 10006 (caption 10007) when the list cannot be allocated. Returns the result.
int ReadConfigurationAtStartup();
// Releases status.cfg_window after the windows were reopened.
void FreeConfiguredWindows();
