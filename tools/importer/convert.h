// Converting the markup of one verse of a source into the tagged 8-bit text
// of a module record.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "markup.h"

namespace importer {

// What the converter writes, one kind of source markup at a time.
enum class Profile {
    Strongs,     // Strong's numbers, words of Christ, added words, notes, Psalm titles (KJV, RV1909)
    Morphology,  // as Strongs, plus Greek morphology and the Greek word as lemma (KJV of kjv.xml)
    Study,       // cross references, alternative readings, notes; no Strong's (WEB)
    GreekText,   // the Greek words behind a tagged translation, in the original's order
    HebrewText,  // OSHB verses: pointed consonants only, untagged
    Commentary,  // a commentary's text: paragraphs, bold and italic, verse references
};

// Tag classes in the order of the capability bytes of a book module.
enum TagClass {
    kPreface, kChrist, kNote, kVariant, kUnused, kReference, kStrongHebrew, kStrongGreek, kBold,
    kItalic, kMorphHebrew, kMorphGreek, kTagClasses
};
const char* TagClassName(int cls);

struct ConvertStats {
    std::array<long, kTagClasses> tags{};  // opening tags written, per class
    long lemmas = 0;
    long verses = 0;
    long repaired = 0;       // verses whose markup had to be mended
    long substituted = 0;    // characters written as a near equivalent
    long dropped_chars = 0;  // characters without an 8-bit form
    long unknown_refs = 0;   // cross references naming books outside the canon
};

// State carried from verse to verse (quotations that run across verses).
struct ConvertState {
    int book = 0;                     // current book, for references without one
    std::vector<std::string> q_open;  // sIDs of open milestone quotations; "J" marks Christ's words
};

class VerseConverter {
public:
    VerseConverter(Profile profile, ConvertStats& stats) : profile_(profile), stats_(stats) {}
    // Converts one verse. `book` is the verse's book (1-66).
    std::string Convert(std::string_view markup, int book, ConvertState& state);

private:
    Profile profile_;
    ConvertStats& stats_;
};

// Counts the tags of a finished text, class by class (for the summary).
void CountTags(std::string_view text, ConvertStats& stats);

}  // namespace importer
