// Text descriptions of modules, one item per line:
//
//   # a comment; empty lines are ignored
//   module book                  first item: book, lexicon or dictionary
//   abbrev KJV                   the info item "|IA"
//   title King James Version     the info item "|IT"
//   info II <text>               any info item by its key (II, IC, IP, IU, ...)
//   language 0                   0 Latin, 1 Hebrew, 2 Greek
//   charset 0 0 0 0 0 0 0 0      up to eight character-set numbers
//   tag_advanced 1
//   tags 1 1 0 0 0 0 0 0 0 0 0 0 the twelve capability bytes of a book module
//   morph_greek_type 0
//   sync 0 | scroll 0 | no_jumps 0   header bytes 42, 43, 44
//   version 2 | magic hbbk           for test files that must be wrong
//   collation a b c ch d= e      letters in sort order; "x=" sorts x equal to
//                                the letter after it
//   book Genesis|Gen|OTGen[|chapters]
//   v 1 1 In the beginning ...   chapter, verse and text of the current book
//
// Texts are written as they stand, with the escapes \n \r \t \\ and \xHH.
//
// A lexicon takes module, abbrev, title, info, language, version, magic,
// charset, collation and book as above, and:
//   keyword_charset 0 | header_charset 0 | keyword_strong 0 | extra_data 0
//   tags 1 1 0 ...               the fourteen tag-class bytes (offsets 18 to 31)
//   sync 0 | no_jumps 0          header bytes 71 and 70
//   label Pronunciation|1        a header label and its flag (1: no paragraph after the item)
//   strong_index 0               write no Strong index
//   e abba|H0001                 a record: keyword (reading order) and Strong's reference
//   item <text>                  the record's next header item
//   extra <text>                 its extra data
//   body <text>                  its body
//   deleted                      the record is deleted
// Records must come in collation order.
// A dictionary takes module, abbrev, title, info, version and magic, and:
//   lang_from 0 | lang_to 1      languages of the "from" and "to" texts ("language" = lang_from)
//   charset_from 0 | charset_to 177 | charset_note 0
//   name_from_to Latin-Hebrew    the names of the two directions
//   name_to_from Hebrew-Latin
//   collation_from a b c ...     collation A, of the "from" texts (as "collation" above)
//   collation_to @ A B ...       collation B, of the "to" texts
//   p lux|\x40\x58\x45|m         a pair: from|to|note as stored (Hebrew in
//                                display order); any order, the writer sorts
// Texts longer than 127 bytes, notes longer than 1 byte and "|S2" are refused.
#include "modwriter/modwriter.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace modwriter {

namespace {

std::string Unescape(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            out += s[i];
            continue;
        }
        char c = s[++i];
        switch (c) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        case 'x':
            if (i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
                std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
                out += static_cast<char>(std::strtol(s.substr(i + 1, 2).c_str(), nullptr, 16));
                i += 2;
            } else {
                out += "\\x";
            }
            break;
        default:
            out += '\\';
            out += c;
        }
    }
    return out;
}

bool ToInt(const std::string& s, long* value)
{
    if (s.empty()) return false;
    char* end = nullptr;
    *value = std::strtol(s.c_str(), &end, 10);
    return end && *end == '\0';
}

std::vector<std::string> Words(const std::string& s)
{
    std::istringstream in(s);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::vector<std::string> SplitBar(const std::string& s)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = s.find('|', start);
        parts.push_back(s.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return parts;
}


bool ParseCollation(const std::string& rest, Collation* collation, std::string* what)
{
    for (const std::string& w : Words(rest)) {
        bool joins = w.size() > 1 && w.back() == '=';
        std::string letter = Unescape(joins ? w.substr(0, w.size() - 1) : w);
        if (letter.empty() || letter.size() > 2) {
            *what = "a letter has one or two characters: " + w;
            return false;
        }
        collation->letters.push_back(letter);
        collation->joins_next.push_back(joins);
    }
    if (collation->letters.size() > 256) {
        *what = "more than 256 letters";
        return false;
    }
    return true;
}

bool ParseLexiconItem(const std::string& key, const std::string& rest, LexiconModule* lex, std::string* what)
{
    long n = 0;
    auto number = [&](int* field) {
        if (!ToInt(rest, &n) || n < 0 || n > 255) {
            *what = key + " needs a number from 0 to 255";
            return false;
        }
        *field = static_cast<int>(n);
        return true;
    };
    if (key == "keyword_charset") return number(&lex->keyword_charset);
    if (key == "header_charset") return number(&lex->header_charset);
    if (key == "keyword_strong") return number(&lex->keyword_strong);
    if (key == "extra_data") return number(&lex->extra_data);
    if (key == "sync") return number(&lex->sync_byte);
    if (key == "no_jumps") return number(&lex->no_jumps);
    if (key == "strong_index") {
        int v = 0;
        if (!number(&v)) return false;
        lex->strong_index = v != 0;
        return true;
    }
    if (key == "charset" || key == "tags") {
        std::vector<std::string> w = Words(rest);
        const std::size_t limit = key == "charset" ? 8 : 14;
        if (w.size() > limit) {
            *what = "too many values for " + key;
            return false;
        }
        for (std::size_t k = 0; k < w.size(); ++k) {
            if (!ToInt(w[k], &n) || n < 0 || n > 255) {
                *what = "bad value " + w[k];
                return false;
            }
            if (key == "charset") lex->charset[k] = static_cast<uint8_t>(n);
            else lex->tag_bytes[k] = static_cast<uint8_t>(n);
        }
        return true;
    }
    if (key == "collation") return ParseCollation(rest, &lex->collation, what);
    if (key == "book") {
        std::vector<std::string> parts = SplitBar(rest);
        if (parts.size() != 3) {
            *what = "book needs name|abbrev|sync";
            return false;
        }
        lex->books.emplace_back(Unescape(parts[0]), Unescape(parts[1]), parts[2]);
        return true;
    }
    if (key == "label") {
        std::vector<std::string> parts = SplitBar(rest);
        LexLabel label;
        label.text = Unescape(parts[0]);
        if (parts.size() > 1 && (!ToInt(parts[1], &n) || n < 0 || n > 255)) {
            *what = "bad label flag " + parts[1];
            return false;
        }
        if (parts.size() > 1) label.flag1 = static_cast<int>(n);
        lex->labels.push_back(label);
        return true;
    }
    if (key == "e") {
        LexEntry e;
        const std::size_t bar = rest.rfind('|');
        if (bar != std::string::npos) {
            e.keyword = Unescape(rest.substr(0, bar));
            e.strong = rest.substr(bar + 1);
        } else {
            e.keyword = Unescape(rest);
        }
        lex->entries.push_back(e);
        return true;
    }
    if (lex->entries.empty()) {
        *what = key + " before the first record";
        return false;
    }
    LexEntry& e = lex->entries.back();
    if (key == "item") e.items.push_back(Unescape(rest));
    else if (key == "extra") e.extra = Unescape(rest);
    else if (key == "body") e.body = Unescape(rest);
    else if (key == "deleted") e.deleted = true;
    else {
        *what = "unknown item " + key;
        return false;
    }
    return true;
}

bool ParseDictionaryItem(const std::string& key, const std::string& rest, DictionaryModule* dic, std::string* what)
{
    long n = 0;
    auto number = [&](int* field) {
        if (!ToInt(rest, &n) || n < 0 || n > 255) {
            *what = key + " needs a number from 0 to 255";
            return false;
        }
        *field = static_cast<int>(n);
        return true;
    };
    if (key == "lang_from") return number(&dic->lang_from);
    if (key == "lang_to") return number(&dic->lang_to);
    if (key == "charset_from") return number(&dic->charset_from);
    if (key == "charset_to") return number(&dic->charset_to);
    if (key == "charset_note") return number(&dic->charset_note);
    if (key == "name_from_to") {
        dic->name_from_to = Unescape(rest);
        return true;
    }
    if (key == "name_to_from") {
        dic->name_to_from = Unescape(rest);
        return true;
    }
    if (key == "collation_from") return ParseCollation(rest, &dic->collation_from, what);
    if (key == "collation_to") return ParseCollation(rest, &dic->collation_to, what);
    if (key == "p") {
        std::vector<std::string> parts = SplitBar(rest);
        if (parts.size() < 2 || parts.size() > 3) {
            *what = "p needs from|to[|note]";
            return false;
        }
        dic->entries.emplace_back(Unescape(parts[0]), Unescape(parts[1]), parts.size() > 2 ? Unescape(parts[2]) : "");
        return true;
    }
    *what = "unknown item " + key;
    return false;
}

} // namespace

bool ParseDescription(const std::string& text, Description* out, std::string* error)
{
    Description d;
    bool have_module = false;
    int line_no = 0;
    std::istringstream in(text);
    auto fail = [&](const std::string& what) {
        if (error) *error = "line " + std::to_string(line_no) + ": " + what;
        return false;
    };
    for (std::string line; std::getline(in, line);) {
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        line = line.substr(first);
        std::size_t space = line.find(' ');
        std::string key = line.substr(0, space);
        std::string rest = space == std::string::npos ? "" : line.substr(space + 1);

        if (!have_module) {
            if (key != "module") return fail("the first item must be \"module book|lexicon|dictionary\"");
            if (rest == "book") d.kind = Description::BOOK;
            else if (rest == "lexicon") d.kind = Description::LEXICON;
            else if (rest == "dictionary") d.kind = Description::DICTIONARY;
            else return fail("unknown module kind " + rest);
            have_module = true;
            continue;
        }
        InfoItems& info = d.kind == Description::BOOK      ? d.book.info
                          : d.kind == Description::LEXICON ? d.lexicon.info
                                                           : d.dictionary.info;
        std::string* magic = d.kind == Description::BOOK      ? &d.book.magic
                             : d.kind == Description::LEXICON ? &d.lexicon.magic
                                                              : &d.dictionary.magic;
        int* version = d.kind == Description::BOOK      ? &d.book.version
                       : d.kind == Description::LEXICON ? &d.lexicon.version
                                                        : &d.dictionary.version;
        long n = 0;
        if (key == "abbrev") {
            info.emplace_back("IA", Unescape(rest));
        } else if (key == "title") {
            info.emplace_back("IT", Unescape(rest));
        } else if (key == "info") {
            if (rest.size() < 2) return fail("info needs a two-letter key");
            std::string item = rest.substr(0, 2);
            std::string value = rest.size() > 3 ? rest.substr(3) : "";
            info.emplace_back(item, Unescape(value));
        } else if (key == "magic") {
            *magic = rest;
        } else if (key == "version") {
            if (!ToInt(rest, &n)) return fail("version needs a number");
            *version = static_cast<int>(n);
        } else if (key == "language") {
            if (!ToInt(rest, &n)) return fail("language needs a number");
            if (d.kind == Description::BOOK) d.book.language = static_cast<int>(n);
            else if (d.kind == Description::LEXICON) d.lexicon.language = static_cast<int>(n);
            else d.dictionary.lang_from = static_cast<int>(n);
        } else if (d.kind == Description::LEXICON) {
            std::string what;
            if (!ParseLexiconItem(key, rest, &d.lexicon, &what)) return fail(what);
        } else if (d.kind == Description::DICTIONARY) {
            std::string what;
            if (!ParseDictionaryItem(key, rest, &d.dictionary, &what)) return fail(what);
        } else if (d.kind != Description::BOOK) {
            return fail("unknown item " + key + " for this module kind");
        } else if (key == "charset" || key == "tags") {
            std::vector<std::string> w = Words(rest);
            std::size_t limit = key == "charset" ? 8 : 12;
            if (w.size() > limit) return fail("too many values for " + key);
            for (std::size_t k = 0; k < w.size(); ++k) {
                if (!ToInt(w[k], &n) || n < 0 || n > 255) return fail("bad value " + w[k]);
                if (key == "charset") d.book.charset[k] = static_cast<uint8_t>(n);
                else d.book.tag_caps[k] = static_cast<uint8_t>(n);
            }
        } else if (key == "tag_advanced" || key == "morph_greek_type" || key == "sync" || key == "scroll" ||
                   key == "no_jumps") {
            if (!ToInt(rest, &n)) return fail(key + " needs a number");
            int v = static_cast<int>(n);
            if (key == "tag_advanced") d.book.tag_advanced = v;
            else if (key == "morph_greek_type") d.book.morph_greek_type = v;
            else if (key == "sync") d.book.sync_byte = v;
            else if (key == "scroll") d.book.scroll_byte = v;
            else d.book.no_jumps = v;
        } else if (key == "collation") {
            for (const std::string& w : Words(rest)) {
                bool joins = w.size() > 1 && w.back() == '=';
                std::string letter = Unescape(joins ? w.substr(0, w.size() - 1) : w);
                if (letter.empty() || letter.size() > 2) return fail("a letter has one or two characters: " + w);
                d.book.collation.letters.push_back(letter);
                d.book.collation.joins_next.push_back(joins);
            }
            if (d.book.collation.letters.size() > 256) return fail("more than 256 letters");
        } else if (key == "book") {
            std::vector<std::string> parts = SplitBar(rest);
            if (parts.size() < 3 || parts.size() > 4) return fail("book needs name|abbrev|sync[|chapters]");
            Book book;
            book.name = Unescape(parts[0]);
            book.abbrev_name = Unescape(parts[1]);
            book.sync_name = parts[2];
            if (parts.size() == 4) {
                if (!ToInt(parts[3], &n) || n < 0) return fail("bad chapter count " + parts[3]);
                book.chapters = static_cast<int32_t>(n);
            }
            d.book.books.push_back(book);
        } else if (key == "v") {
            if (d.book.books.empty()) return fail("a verse before the first book");
            std::istringstream vs(rest);
            std::string c, v;
            vs >> c >> v;
            long chapter = 0, verse = 0;
            if (!ToInt(c, &chapter) || !ToInt(v, &verse) || chapter < 0 || verse < 0)
                return fail("v needs chapter, verse and text");
            std::string verse_text;
            std::getline(vs, verse_text);
            if (!verse_text.empty() && verse_text[0] == ' ') verse_text.erase(0, 1);
            d.book.books.back().verses.push_back(
                Verse{static_cast<int32_t>(chapter), static_cast<int32_t>(verse), Unescape(verse_text)});
        } else {
            return fail("unknown item " + key);
        }
    }
    if (!have_module) {
        line_no = 0;
        return fail("no module item");
    }
    *out = d;
    return true;
}

} // namespace modwriter
