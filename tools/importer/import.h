// The module importer: reads a Bible from SWORD IMP or OSIS sources and
// writes a book module. Run as "sevir-modwriter import ...".
#pragma once

#include <string>
#include <vector>

#include "importer/convert.h"
#include "importer/sources.h"
#include "modwriter/modwriter.h"

namespace importer {

enum class BookNames { English, Spanish, Hebrew, Greek };

struct ImportOptions {
    std::string format = "imp";  // "imp" or "osis"
    Profile profile = Profile::Strongs;
    BookNames names = BookNames::English;
    int language = 0;  // script: 0 Latin, 1 Hebrew, 2 Greek
    std::string abbrev, title, info, copyright, contact, url;
    std::string out;                   // the .sbk to write
    std::vector<std::string> sources;  // read in order; books may be spread over files
    bool old_testament = true;         // which testaments go into the module
    bool new_testament = true;
};

struct ImportResult {
    int books = 0;
    ConvertStats stats;
    SourceStats source;
    long empty_verses = 0;  // verses with no text left, not written
    long linked_verses = 0; // commentary verses repeating the comment of the verse before
};

// Parses "sevir-modwriter import" arguments; false with a message on error.
bool ParseImportArgs(const std::vector<std::string>& args, ImportOptions& opt, std::string& error);

// Builds the module in memory.
bool BuildImportedModule(const ImportOptions& opt, const std::vector<SourceVerse>& verses,
                         modwriter::BookModule& module, ImportResult& result, std::string& error);

// Reads, converts and writes; the file is written under a temporary name and
// renamed at the end, so a failed import never leaves half a module.
bool RunImport(const ImportOptions& opt, ImportResult& result, std::string& error);

// One line for the summary of a sample build.
std::string SummaryLine(const ImportOptions& opt, const ImportResult& result);

// Entry point of the subcommand; returns the exit status.
int ImportMain(const std::vector<std::string>& args);

}  // namespace importer
