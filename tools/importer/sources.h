// Readers of the source formats the importer takes: SWORD IMP exports and
// OSIS XML files (verse milestones as in tagged KJV sources, or verse
// elements as in the OSHB books).
#pragma once

#include <string>
#include <vector>

namespace importer {

struct SourceVerse {
    int book = 0;  // 1-66
    int chapter = 0;
    int verse = 0;
    std::string markup;  // the verse's own markup, UTF-8
    long line = 0;       // where it starts in the source, for messages
};

struct SourceStats {
    long skipped_entries = 0;  // headings, introductions, books outside the canon
};

// On failure returns false and sets `error` to "<file>:<line>: <what>".
bool ReadImp(const std::string& path, std::vector<SourceVerse>& out, SourceStats& stats, std::string& error);
bool ReadOsis(const std::string& path, std::vector<SourceVerse>& out, SourceStats& stats, std::string& error);

// The text of `data` as lines; used by the readers and their tests.
bool ReadImpText(const std::string& name, const std::string& data, std::vector<SourceVerse>& out, SourceStats& stats,
                 std::string& error);
bool ReadOsisText(const std::string& name, const std::string& data, std::vector<SourceVerse>& out,
                  SourceStats& stats, std::string& error);

}  // namespace importer
