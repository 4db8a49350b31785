// The lexicon importer: SWORD lexicon exports (mod2imp of a dictionary module,
// TEI-style markup) and the XML Strong's Hebrew lexicon of the OpenScriptures
// project into lexicon modules, and the word lists derived from them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "modwriter/modwriter.h"

namespace importer {

// The alphabets the imported modules carry: Greek and Hebrew display codes
// with every form of a letter tied to it (capitals, final forms, letters with
// points), and code page 1252 with the accented letters tied to the plain
// ones. Each starts with the blank, so that "SEA OF GLASS" sorts before "SEAL".
modwriter::Collation GreekCollation();
modwriter::Collation HebrewCollation();
modwriter::Collation LatinCollation();

// A Strong's number in any spelling: "G25", "G0025", "00025", "strong:H07225",
// "StrongsGreek:5368". `default_letter` ('G' or 'H') serves when the text names
// no language. False for anything else or for 0.
bool ParseStrongNumber(std::string_view text, char default_letter, char& letter, long& number);

// An OSIS reference "Exod.6.16", "Exod.6.16-Exod.6.20", "1Chr.24" as the text
// of a reference tag: "OTExod:6:16", "OTExod:6:16-20", "OT1Chr:24". "" when
// the book is not one of the canon's.
std::string OsisRefToTag(std::string_view osis);

enum class LexKind { StrongsGreek, StrongsHebrew, Topical };

struct LexImportOptions {
    std::string format = "sword-lexicon";  // or "hebrew-strong"
    LexKind kind = LexKind::StrongsGreek;
    std::string abbrev, title, info, copyright, contact, url;
    std::string out;                   // the .lex to write
    std::vector<std::string> sources;
    std::string dictionary;  // a .dic derived from the lexicon, or ""
    std::string dictionary_abbrev, dictionary_title;
};

struct LexImportStats {
    long entries = 0;        // source entries read
    long records = 0;        // records written
    long not_used = 0;       // entries the source marks "Not Used", left out
    long empty = 0;          // entries without a headword or text, left out
    long strong_links = 0;   // |RG and |RH links written
    long verse_refs = 0;     // |RR references written
    long long_items = 0;     // header items too long for a header, moved to the body
    long substituted = 0;    // characters written as a near equivalent
    long dropped_chars = 0;  // characters without an 8-bit form
    long pairs = 0;          // word pairs of the derived dictionary
};

// One source entry: its key and markup, and where it starts.
struct LexSource {
    std::string key;
    std::string markup;
    long line = 0;
};

// "$$$KEY" lines, each followed by the entry's markup. False with
// "<name>:<line>: <what>" when the text is not such an export.
bool ReadLexiconImp(const std::string& name, const std::string& data, std::vector<LexSource>& out,
                    std::string& error);
// <entry id="H1"> ... </entry> of the XML Strong's Hebrew lexicon.
bool ReadHebrewStrongXml(const std::string& name, const std::string& data, std::vector<LexSource>& out,
                         std::string& error);

// Converts the entries and builds the module in memory (sorted, checked).
// With pairs, also gives the word pairs of the derived dictionary: each
// headword (Hebrew in display order) with its first short gloss.
bool BuildImportedLexicon(const LexImportOptions& opt, const std::vector<LexSource>& sources,
                          modwriter::LexiconModule& module, LexImportStats& stats, std::string& error,
                          std::vector<modwriter::DicEntry>* pairs = nullptr);

// The first short gloss of a definition ("to love" of "to love (in a social
// or moral sense):--(be-)love(-ed)."), code page 1252; "" when there is none.
std::string FirstGloss(std::string_view definition);

// The dictionary of the word pairs: "from" the lexicon's script "to" English.
modwriter::DictionaryModule DerivedDictionary(const LexImportOptions& opt, std::vector<modwriter::DicEntry> pairs);

// Reads, converts and writes (temporary name and rename).
bool RunLexiconImport(const LexImportOptions& opt, LexImportStats& stats, std::string& error);

std::string LexSummaryLine(const LexImportOptions& opt, const LexImportStats& stats);

// "sevir-modwriter import --format sword-lexicon|hebrew-strong ..."
int LexiconImportMain(const std::vector<std::string>& args);

}  // namespace importer
