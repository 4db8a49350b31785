// Tolerant reader of the XML-like markup found in SWORD IMP exports and OSIS
// files. It never fails: whatever cannot be read as a tag is kept as text and
// counted, so one damaged verse never spoils its neighbours.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace importer {

struct Token {
    enum Kind { Text, Open, Close, Empty };
    Kind kind = Text;
    std::string name;   // element name for tags
    std::string text;   // text with entities decoded (UTF-8)
    std::vector<std::pair<std::string, std::string>> attrs;

    // The value of attribute `key`, or "" when absent.
    std::string_view Attr(std::string_view key) const;
    bool Has(std::string_view key) const;
};

struct TokenizeStats {
    int bad_tags = 0;      // "<" that did not start a readable tag
    int bad_entities = 0;  // "&" that did not start a known entity
};

// Splits `src` into text runs and tags. Comments, processing instructions and
// CDATA markers are dropped.
std::vector<Token> Tokenize(std::string_view src, TokenizeStats* stats = nullptr);

// Decodes &amp; &lt; &gt; &quot; &apos; and numeric character references.
std::string DecodeEntities(std::string_view s, int* bad = nullptr);

// Splits on blanks: "strong:G3588 strong:G4151" -> two items.
std::vector<std::string> SplitWords(std::string_view s);

}  // namespace importer
