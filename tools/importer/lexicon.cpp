#include "lexicon.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "importer/books.h"
#include "importer/encode.h"
#include "importer/markup.h"
#include "text/collation.h"
#include "text/display_codes.h"

namespace importer {

// ---------------------------------------------------------------- collations

namespace {

// Letters of a display-code script grouped by the letter they are a form of.
modwriter::Collation ScriptCollation(int script, char32_t (*base_of)(char32_t)) {
    int count = 0;
    const DISPLAY_CODE* table = DisplayCodeTable(script, &count);
    std::vector<std::pair<char32_t, unsigned char>> letters;
    for (int i = 0; i < count; ++i) {
        if (table[i].kind != DK_LETTER) continue;
        char32_t base = base_of(table[i].uni[0]);
        if (base) letters.emplace_back(base, table[i].code);
    }
    std::sort(letters.begin(), letters.end());
    modwriter::Collation c;
    c.letters.push_back(" ");
    c.joins_next.push_back(false);
    for (size_t i = 0; i < letters.size(); ++i) {
        c.letters.push_back(std::string(1, static_cast<char>(letters[i].second)));
        c.joins_next.push_back(i + 1 < letters.size() && letters[i + 1].first == letters[i].first);
    }
    return c;
}

char32_t GreekBase(char32_t c) {
    if (c >= 0x391 && c <= 0x3A9) c += 0x20;
    if (c == 0x3C2) c = 0x3C3;  // final sigma
    return c >= 0x3B1 && c <= 0x3C9 ? c : 0;
}

char32_t HebrewBase(char32_t c) {
    switch (c) {  // final forms sort as their letter
    case 0x5DA: return 0x5DB;
    case 0x5DD: return 0x5DE;
    case 0x5DF: return 0x5E0;
    case 0x5E3: return 0x5E4;
    case 0x5E5: return 0x5E6;
    default: return c >= 0x5D0 && c <= 0x5EA ? c : 0;
    }
}

}  // namespace

modwriter::Collation GreekCollation() { return ScriptCollation(SV_SCRIPT_GREEK, GreekBase); }
modwriter::Collation HebrewCollation() { return ScriptCollation(SV_SCRIPT_HEBREW, HebrewBase); }

modwriter::Collation LatinCollation() {
    // Code page 1252 forms of each letter after its capital and small letter.
    static const struct {
        char plain;
        const char* forms;
    } accented[] = {{'a', "\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5"},
                    {'c', "\xC7\xE7"},
                    {'e', "\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB"},
                    {'i', "\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF"},
                    {'n', "\xD1\xF1"},
                    {'o', "\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8"},
                    {'s', "\x8A\x9A"},
                    {'u', "\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC"},
                    {'y', "\xDD\xFD\xFF\x9F"},
                    {'z', "\x8E\x9E"}};
    modwriter::Collation c;
    auto add = [&](char ch, bool joins) {
        c.letters.push_back(std::string(1, ch));
        c.joins_next.push_back(joins);
    };
    add(' ', false);
    for (char d = '0'; d <= '9'; ++d) add(d, false);
    for (char l = 'a'; l <= 'z'; ++l) {
        std::string forms;
        for (const auto& a : accented)
            if (a.plain == l) forms = a.forms;
        add(static_cast<char>(l - 32), true);
        add(l, !forms.empty());
        for (size_t i = 0; i < forms.size(); ++i) add(forms[i], i + 1 < forms.size());
    }
    return c;
}

// ---------------------------------------------------------------- numbers and references

bool ParseStrongNumber(std::string_view t, char default_letter, char& letter, long& number) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    if (t.rfind("strong:", 0) == 0) t.remove_prefix(7);
    if (t.rfind("StrongsGreek:", 0) == 0) { t.remove_prefix(13); default_letter = 'G'; }
    else if (t.rfind("StrongsHebrew:", 0) == 0) { t.remove_prefix(14); default_letter = 'H'; }
    char l = default_letter;
    if (!t.empty() && (t.front() == 'G' || t.front() == 'H' || t.front() == 'g' || t.front() == 'h')) {
        l = static_cast<char>(std::toupper(static_cast<unsigned char>(t.front())));
        t.remove_prefix(1);
    }
    if (t.empty() || t.size() > 12 || (l != 'G' && l != 'H')) return false;
    long n = 0;
    for (char c : t) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        n = n * 10 + (c - '0');
        if (n > 9999999) return false;
    }
    if (n == 0) return false;
    letter = l;
    number = n;
    return true;
}

namespace {

// "Exod.6.16" -> book, chapter, verse (verse 0 when absent).
bool ParseOsisPoint(std::string_view s, int& book, int& chapter, int& verse) {
    size_t d1 = s.find('.');
    if (d1 == std::string_view::npos) return false;
    book = BookFromOsis(s.substr(0, d1));
    if (!book) return false;
    std::string_view rest = s.substr(d1 + 1);
    size_t d2 = rest.find('.');
    std::string_view cs = rest.substr(0, d2);
    std::string_view vs = d2 == std::string_view::npos ? std::string_view() : rest.substr(d2 + 1);
    auto num = [](std::string_view x, int& out) {
        if (x.empty() || x.size() > 4) return false;
        int n = 0;
        for (char c : x) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
            n = n * 10 + (c - '0');
        }
        out = n;
        return true;
    };
    verse = 0;
    if (!num(cs, chapter)) return false;
    if (!vs.empty() && !num(vs, verse)) return false;
    return true;
}

}  // namespace

std::string OsisRefToTag(std::string_view osis) {
    size_t blank = osis.find(' ');
    if (blank != std::string_view::npos) osis = osis.substr(0, blank);
    size_t dash = osis.find('-');
    int b1, c1, v1;
    if (!ParseOsisPoint(osis.substr(0, dash), b1, c1, v1)) return "";
    std::string s = std::string(Canon(b1).sync_name) + ":" + std::to_string(c1);
    if (v1) s += ":" + std::to_string(v1);
    if (dash != std::string_view::npos) {
        int b2, c2, v2;
        if (ParseOsisPoint(osis.substr(dash + 1), b2, c2, v2) && b2 == b1) {
            if (c2 == c1 && v1 && v2) s += "-" + std::to_string(v2);
            else if (c2 != c1) s += "-" + std::to_string(c2) + (v2 ? ":" + std::to_string(v2) : "");
        }
    }
    return s;
}

// ---------------------------------------------------------------- source readers

bool ReadLexiconImp(const std::string& name, const std::string& data, std::vector<LexSource>& out,
                    std::string& error) {
    size_t pos = 0;
    long line = 0;
    LexSource* current = nullptr;
    while (pos < data.size()) {
        size_t end = data.find('\n', pos);
        if (end == std::string::npos) end = data.size();
        std::string_view l(data.data() + pos, end - pos);
        pos = end + 1;
        ++line;
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        if (l.rfind("$$$", 0) == 0) {
            std::string_view key = l.substr(3);
            while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
            if (key.empty()) {
                error = name + ":" + std::to_string(line) + ": an entry without a key";
                return false;
            }
            out.push_back(LexSource{std::string(key), "", line});
            current = &out.back();
            continue;
        }
        if (!current) {
            if (l.find_first_not_of(" \t") == std::string_view::npos) continue;
            error = name + ":" + std::to_string(line) + ": text before the first \"$$$\" key";
            return false;
        }
        if (!current->markup.empty()) current->markup += '\n';
        current->markup += l;
    }
    if (out.empty()) {
        error = name + ":1: no \"$$$\" entries";
        return false;
    }
    return true;
}

bool ReadHebrewStrongXml(const std::string& name, const std::string& data, std::vector<LexSource>& out,
                         std::string& error) {
    size_t pos = 0;
    size_t before = out.size();
    long line = 1;
    size_t counted = 0;  // line holds the number of the line at offset counted
    while (true) {
        size_t open = data.find("<entry ", pos);
        if (open == std::string::npos) break;
        size_t head_end = data.find('>', open);
        size_t close = data.find("</entry>", open);
        line += static_cast<long>(std::count(data.begin() + static_cast<long>(counted),
                                             data.begin() + static_cast<long>(open), '\n'));
        counted = open;
        if (head_end == std::string::npos || close == std::string::npos || head_end > close) {
            error = name + ":" + std::to_string(line) + ": an entry that does not end";
            return false;
        }
        std::string head = data.substr(open, head_end - open);
        size_t id = head.find("id=\"");
        if (id == std::string::npos) {
            error = name + ":" + std::to_string(line) + ": an entry without an id";
            return false;
        }
        size_t id_end = head.find('"', id + 4);
        out.push_back(LexSource{head.substr(id + 4, id_end - id - 4), data.substr(head_end + 1, close - head_end - 1),
                                line});
        pos = close + 8;
    }
    if (out.size() == before) {
        error = name + ":1: no <entry> elements";
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- text of the records

namespace {

// Characters of transliterations that code page 1252 lacks, by the nearest it has.
char32_t Nearest(char32_t c) {
    switch (c) {
    case 0x2192: return 0x2022;  // the arrows that open the lines of a topic: bullets
    case 0x02BC: return 0x2019;  // modifier apostrophe (alef)
    case 0x02BB: return 0x2018;  // turned comma (ayin)
    case 0x1D49: return U'e';    // superscript e (shewa)
    case 0x02E2: return U's';
    default: return c;
    }
}

// Tagged 8-bit text: Latin in code page 1252, Hebrew and Greek runs in
// display codes inside |TH and |TG; blanks collapse.
class TextOut {
public:
    explicit TextOut(LexImportStats& stats) : stats_(stats) {}

    void Text(std::string_view utf8) {
        for (char32_t c : DecodeUtf8(utf8)) {
            c = Nearest(c);
            if (c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == 0xA0) {
                run_space_ = true;
                continue;
            }
            Script s = c < 0x80 ? Script::Latin : ScriptOf(c);
            if (s == Script::Other) s = run_.empty() ? Script::Latin : rs_;
            if (!run_.empty() && s == rs_) {
                if (run_space_) {
                    if (rs_ == Script::Latin) { Flush(); pending_ = true; }
                    else run_ += U' ';
                }
            } else {
                Flush();
                if (run_space_) pending_ = true;
                rs_ = s;
            }
            run_space_ = false;
            run_ += c;
        }
    }
    // An opening tag or a tag that stands for a word: a pending blank comes first.
    void Open(std::string_view tag) {
        Flush();
        if (run_space_) { pending_ = true; run_space_ = false; }
        Blank();
        out_ += tag;
    }
    // A Strong's number: rendered with a blank of its own in front, so it
    // follows the word directly.
    void Link(std::string_view tag) {
        Flush();
        run_space_ = pending_ = false;
        out_ += tag;
    }
    // A closing tag: the blank waits for the next word.
    void Close(std::string_view tag) {
        Flush();
        if (run_space_) { pending_ = true; run_space_ = false; }
        out_ += tag;
    }
    void Break() {
        Flush();
        run_space_ = false;
        pending_ = false;
        while (!out_.empty() && out_.back() == ' ') out_.pop_back();
        if (!out_.empty() && !EndsWithBreak()) out_ += "\r\n";
    }
    void Space() { Flush(); pending_ = true; }
    std::string Take() {
        Flush();
        std::string s = out_;
        while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\n')) s.pop_back();
        size_t b = 0;
        while (b < s.size() && s[b] == ' ') ++b;
        out_.clear();
        pending_ = run_space_ = false;
        return s.substr(b);
    }

private:
    bool EndsWithBreak() const { return out_.size() >= 2 && out_.compare(out_.size() - 2, 2, "\r\n") == 0; }
    void Blank() {
        if (pending_ && !out_.empty() && out_.back() != ' ' && !EndsWithBreak()) out_ += ' ';
        pending_ = false;
    }
    void Flush() {
        if (run_.empty()) return;
        Blank();
        EncodeStats es;
        if (rs_ == Script::Hebrew) {
            out_ += "|TH" + ToHebrewCodes(run_, &es) + "|Th";
        } else if (rs_ == Script::Greek) {
            std::string codes = ToGreekCodes(run_, &es);
            // The ano teleia's code is the rich text's escape character.
            codes.erase(std::remove(codes.begin(), codes.end(), '\\'), codes.end());
            out_ += "|TG" + codes + "|Tg";
        } else {
            std::string s = ToCp1252(run_, &es);
            for (char& c : s) {
                // These would be read as tags or as rich-text syntax.
                if (c == '|' || c == '\\') { c = '/'; ++es.substituted; }
                else if (c == '{') { c = '('; ++es.substituted; }
                else if (c == '}') { c = ')'; ++es.substituted; }
            }
            out_ += s;
        }
        stats_.substituted += es.substituted;
        stats_.dropped_chars += es.dropped;
        run_.clear();
    }

    LexImportStats& stats_;
    std::string out_;
    std::u32string run_;
    Script rs_ = Script::Latin;
    bool run_space_ = false;
    bool pending_ = false;
};

std::string Latin(std::string_view utf8, LexImportStats* stats = nullptr) {
    EncodeStats es;
    std::u32string u = DecodeUtf8(utf8);
    for (char32_t& c : u) c = Nearest(c);
    std::string s = ToCp1252(u, &es);
    for (char& c : s)
        if (c == '|' || c == '\\') c = '/';
    if (stats) {
        stats->substituted += es.substituted;
        stats->dropped_chars += es.dropped;
    }
    std::string out;
    for (char c : s) {  // collapse blanks
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The concatenated text of tokens [from, to) (markup dropped).
std::string PlainText(const std::vector<Token>& t, size_t from, size_t to) {
    std::string s;
    for (size_t i = from; i < to && i < t.size(); ++i)
        if (t[i].kind == Token::Text) s += t[i].text;
    return s;
}

// Index of the token that closes the element opened at `open`.
size_t Closing(const std::vector<Token>& t, size_t open) {
    int depth = 0;
    for (size_t i = open; i < t.size(); ++i) {
        if (t[i].name != t[open].name) continue;
        if (t[i].kind == Token::Open) ++depth;
        else if (t[i].kind == Token::Close && --depth == 0) return i;
    }
    return t.size();
}

struct Converted {
    std::string keyword;
    std::vector<std::string> items;
    std::string body;
    std::string gloss;  // plain text of the first definition
};

// The plain text of the first <def> (leaving out what <orig> holds); "" when
// the entry has none.
std::string FirstDefinition(const std::vector<Token>& t) {
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].kind != Token::Open || t[i].name != "def") continue;
        size_t e = Closing(t, i);
        std::string s;
        for (size_t k = i + 1; k < e; ++k) {
            if (t[k].kind == Token::Open && (t[k].name == "orig" || t[k].name == "note")) { k = Closing(t, k); continue; }
            if (t[k].kind == Token::Text) s += t[k].text;
        }
        if (s.find_first_not_of(" \t\r\n") != std::string::npos) return s;
        i = e;
    }
    return "";
}

class EntryConverter {
public:
    EntryConverter(LexKind kind, LexImportStats& stats) : kind_(kind), stats_(stats), out_(stats) {}

    char Letter() const { return kind_ == LexKind::StrongsHebrew ? 'H' : 'G'; }

    // Writes tokens [from, to) as tagged text into out_.
    void Write(const std::vector<Token>& t, size_t from, size_t to, const std::vector<bool>* skip = nullptr) {
        for (size_t i = from; i < to; ++i) {
            if (skip && (*skip)[i]) continue;
            const Token& k = t[i];
            if (k.kind == Token::Text) { out_.Text(k.text); continue; }
            const std::string& n = k.name;
            if (n == "lb" && k.kind == Token::Empty) { out_.Break(); continue; }
            if (n == "item" && k.kind == Token::Open) { out_.Break(); out_.Text("\xE2\x80\xA2 "); continue; }
            if (n == "list" && k.kind == Token::Close) { out_.Break(); continue; }
            if (n == "note" && k.kind == Token::Open) { i = Closing(t, i); continue; }  // editors' notes
            if (n == "orth" && k.kind == Token::Open && k.Attr("type") == "writing") { i = Closing(t, i); continue; }
            if (n == "orth" && k.kind == Token::Open && k.Attr("type") == "trans") {
                size_t e = Closing(t, i);
                out_.Open("|TI");
                out_.Text(PlainText(t, i, e));
                out_.Close("|Ti");
                i = e;
                continue;
            }
            if (n == "pron" && k.kind == Token::Open) { i = Closing(t, i); continue; }
            if ((n == "ref" || n == "reference" || n == "w") && k.kind == Token::Open) {
                size_t e = Closing(t, i);
                std::string shown = PlainText(t, i, e);
                std::string target(k.Has("target") ? k.Attr("target") : k.Attr("src"));
                std::string osis(k.Attr("osisRef"));
                char letter;
                long number;
                // The letter of the shown text wins: the Greek lexicon links
                // to Hebrew entries through targets named after itself.
                size_t colon = target.find(':');
                std::string tnum = colon == std::string::npos ? target : target.substr(colon + 1);
                char def = Letter();
                if (target.rfind("StrongsHebrew", 0) == 0) def = 'H';
                if (target.rfind("StrongsGreek", 0) == 0) def = 'G';
                std::string sh = Latin(shown);
                if (!sh.empty() && (sh[0] == 'H' || sh[0] == 'G') && sh.size() > 1 &&
                    std::isdigit(static_cast<unsigned char>(sh[1])))
                    def = sh[0];
                if (!target.empty() && target.rfind("Nave", 0) != 0 && ParseStrongNumber(tnum, def, letter, number)) {
                    out_.Link(letter == 'H' ? "|RH" : "|RG");
                    out_.Close(std::to_string(number) + (letter == 'H' ? "|Rh" : "|Rg"));
                    ++stats_.strong_links;
                } else if (!osis.empty() && !OsisRefToTag(osis).empty()) {
                    out_.Open("|RR" + OsisRefToTag(osis));
                    out_.Close("|Rr");
                    ++stats_.verse_refs;
                } else if (n == "w") {
                    Write(t, i + 1, e);  // a word of the source language
                } else {
                    out_.Open("|TB");
                    out_.Text(shown);
                    out_.Close("|Tb");
                }
                i = e;
                continue;
            }
            if (n == "hi" || n == "def" || n == "emph") {
                std::string rend(k.Attr("rend"));
                bool bold = n == "def" ? kind_ == LexKind::StrongsHebrew : rend == "bold";
                bool italic = rend == "italic" || n == "emph";
                if (k.kind == Token::Open) {
                    if (bold) out_.Open("|TB");
                    else if (italic) out_.Open("|TI");
                    styles_.push_back(bold ? "|Tb" : italic ? "|Ti" : "");
                } else if (k.kind == Token::Close && !styles_.empty()) {
                    if (!styles_.back().empty()) out_.Close(styles_.back());
                    styles_.pop_back();
                }
                continue;
            }
            // Other elements (entryFree, orig, foreign, meaning, usage, ...) keep their text.
        }
        while (!styles_.empty()) {
            if (!styles_.back().empty()) out_.Close(styles_.back());
            styles_.pop_back();
        }
    }

    // Tagged text of tokens [from, to) on its own.
    std::string Fragment(const std::vector<Token>& t, size_t from, size_t to) {
        std::string keep = out_.Take();
        Write(t, from, to);
        std::string s = out_.Take();
        if (!keep.empty()) out_.Open(keep);
        return s;
    }

    // A header item; too long for a header, it goes to the start of the body.
    void Item(Converted& c, std::string text, std::string& body_front) {
        if (text.size() > 255) {
            ++stats_.long_items;
            body_front += text + "\r\n";
            text.clear();
        }
        c.items.push_back(std::move(text));
    }

    // A SWORD lexicon entry (TEI): the first headword, transliteration,
    // pronunciation and derivation go to the header.
    bool Sword(const LexSource& src, Converted& c) {
        std::vector<Token> t = Tokenize(src.markup);
        std::vector<bool> skip(t.size(), false);
        size_t orth = t.size(), trans = t.size(), pron = t.size(), orig = t.size();
        for (size_t i = 0; i < t.size(); ++i) {
            if (t[i].kind != Token::Open) continue;
            if (t[i].name == "orth" && !t[i].Has("type") && orth == t.size()) orth = i;
            if (t[i].name == "orth" && t[i].Attr("type") == "trans" && trans == t.size()) trans = i;
            if (t[i].name == "pron" && pron == t.size()) pron = i;
            if (t[i].name == "orig" && orig == t.size()) orig = i;
        }
        auto take = [&](size_t open, bool markup) -> std::string {
            if (open == t.size()) return "";
            size_t e = Closing(t, open);
            std::string s = markup ? Fragment(t, open + 1, e) : Latin(PlainText(t, open, e), &stats_);
            for (size_t k = open; k <= e && k < t.size(); ++k) skip[k] = true;
            return s;
        };
        if (kind_ == LexKind::Topical) {
            c.keyword = Latin(src.key, &stats_);
        } else {
            if (orth == t.size()) return false;
            std::u32string head = DecodeUtf8(PlainText(t, orth, Closing(t, orth)));
            EncodeStats es;
            c.keyword = kind_ == LexKind::StrongsHebrew ? ToHebrewCodes(head, &es) : ToGreekCodes(head, &es);
            c.keyword.erase(std::remove(c.keyword.begin(), c.keyword.end(), '\\'), c.keyword.end());
            stats_.dropped_chars += es.dropped;
            for (size_t k = orth; k <= Closing(t, orth) && k < t.size(); ++k) skip[k] = true;
            std::string front;
            Item(c, take(trans, false), front);
            Item(c, take(pron, false), front);
            Item(c, take(orig, true), front);
            c.body = front;
        }
        out_.Take();
        Write(t, 0, t.size(), &skip);
        c.body += out_.Take();
        c.gloss = FirstGloss(Latin(FirstDefinition(t)));
        return !c.keyword.empty();
    }

    // An entry of the XML Strong's Hebrew lexicon.
    bool HebrewStrong(const LexSource& src, Converted& c) {
        std::vector<Token> t = Tokenize(src.markup);
        size_t head = t.size();
        for (size_t i = 0; i < t.size(); ++i)
            if (t[i].kind == Token::Open && t[i].name == "w" && !t[i].Has("src")) { head = i; break; }
        if (head == t.size()) return false;
        EncodeStats es;
        c.keyword = ToHebrewCodes(DecodeUtf8(PlainText(t, head, Closing(t, head))), &es);
        stats_.dropped_chars += es.dropped;
        std::string front;
        Item(c, Latin(t[head].Attr("xlit"), &stats_), front);
        Item(c, Latin(t[head].Attr("pron"), &stats_), front);
        Item(c, PartOfSpeech(std::string(t[head].Attr("pos")), std::string(t[head].Attr("xml:lang"))), front);
        std::string source, meaning, usage;
        for (size_t i = head + 1; i < t.size(); ++i) {
            if (t[i].kind != Token::Open) continue;
            size_t e = Closing(t, i);
            if (t[i].name == "source") source = Fragment(t, i + 1, e);
            else if (t[i].name == "meaning") meaning = Fragment(t, i + 1, e);
            else if (t[i].name == "usage") usage = Fragment(t, i + 1, e);
            else continue;
            i = e;
        }
        Item(c, source, front);
        c.body = front + meaning;
        c.gloss = FirstGloss(Latin(FirstDefinition(t)));
        if (c.gloss.empty()) {
            for (size_t i = head + 1; i < t.size() && c.gloss.empty(); ++i)
                if (t[i].kind == Token::Open && t[i].name == "usage")
                    c.gloss = FirstGloss(Latin(PlainText(t, i, Closing(t, i))));
        }
        if (!usage.empty()) c.body += (c.body.empty() ? "" : "\r\n") + std::string("|TBKJV:|Tb ") + usage;
        return !c.keyword.empty();
    }

private:
    static std::string PartOfSpeech(const std::string& pos, const std::string& lang) {
        static const std::map<std::string, std::string> names = {
            {"n", "noun"},          {"n-m", "noun masculine"},    {"n-f", "noun feminine"},
            {"v", "verb"},          {"a", "adjective"},           {"adv", "adverb"},
            {"n-pr", "proper name"}, {"n-pr-m", "proper name, masculine"}, {"n-pr-f", "proper name, feminine"},
            {"n-pr-loc", "proper name of a place"}, {"prep", "preposition"}, {"conj", "conjunction"},
            {"pron", "pronoun"},    {"inj", "interjection"},      {"prt", "particle"}};
        auto it = names.find(pos);
        std::string s = it != names.end() ? it->second : pos;
        if (lang == "arc") s += s.empty() ? "Aramaic" : " (Aramaic)";
        return s;
    }

    LexKind kind_;
    LexImportStats& stats_;
    TextOut out_;
    std::vector<std::string> styles_;
};

bool IsNotUsed(const std::string& markup) {
    std::string plain;
    for (const Token& k : Tokenize(markup))
        if (k.kind == Token::Text) plain += k.text;
    size_t b = plain.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return false;
    plain = plain.substr(b);
    while (!plain.empty() && std::isspace(static_cast<unsigned char>(plain.back()))) plain.pop_back();
    return plain == "Not Used" || plain == "Not used" || plain == "not used";
}

}  // namespace

// ---------------------------------------------------------------- the module

bool BuildImportedLexicon(const LexImportOptions& opt, const std::vector<LexSource>& sources,
                          modwriter::LexiconModule& module, LexImportStats& stats, std::string& error,
                          std::vector<modwriter::DicEntry>* pairs) {
    module = modwriter::LexiconModule{};
    const bool strongs = opt.kind != LexKind::Topical;
    module.language = opt.kind == LexKind::StrongsHebrew ? 1 : opt.kind == LexKind::StrongsGreek ? 2 : 0;
    module.keyword_strong = 0;
    module.collation = opt.kind == LexKind::StrongsHebrew ? HebrewCollation()
                       : opt.kind == LexKind::StrongsGreek ? GreekCollation()
                                                           : LatinCollation();
    if (opt.kind == LexKind::StrongsHebrew && opt.format == "hebrew-strong")
        module.labels = {{"Transliteration: ", 0}, {"Pronunciation: ", 0}, {"Part of speech: ", 0}, {"Derivation: ", 0}};
    else if (strongs)
        module.labels = {{"Transliteration: ", 0}, {"Pronunciation: ", 0}, {"Derivation: ", 0}};
    auto latin = [](const std::string& s) { return ToCp1252(DecodeUtf8(s)); };
    module.info = {{"IA", latin(opt.abbrev)},   {"IT", latin(opt.title)},   {"II", latin(opt.info)},
                   {"IC", latin(opt.copyright)}, {"IP", latin(opt.contact)}, {"IU", latin(opt.url)}};
    // Book names for the references of the text.
    for (int b = 1; b <= kCanonBooks; ++b)
        module.books.emplace_back(Canon(b).english, Canon(b).english_abbr, Canon(b).sync_name);

    struct Keyed {
        modwriter::LexEntry entry;
        long number;
    };
    std::vector<Keyed> entries;
    EntryConverter conv(opt.kind, stats);
    const std::string& name = opt.sources.empty() ? std::string("source") : opt.sources.front();
    for (const LexSource& src : sources) {
        ++stats.entries;
        char letter = 0;
        long number = 0;
        if (strongs) {
            std::string key = src.key;
            if (!ParseStrongNumber(key, opt.kind == LexKind::StrongsHebrew ? 'H' : 'G', letter, number)) {
                error = name + ":" + std::to_string(src.line) + ": the key \"" + key + "\" is not a Strong's number";
                return false;
            }
            if (IsNotUsed(src.markup)) {
                ++stats.not_used;
                continue;
            }
        }
        Converted c;
        bool ok = opt.format == "hebrew-strong" ? conv.HebrewStrong(src, c) : conv.Sword(src, c);
        if (!ok || (c.body.empty() && c.items.empty())) {
            ++stats.empty;
            continue;
        }
        if (c.keyword.size() > 127) c.keyword.resize(127);
        if (c.body.size() > 128000) {
            error = name + ":" + std::to_string(src.line) + ": the entry's text is longer than 128000 bytes";
            return false;
        }
        if (pairs && !c.gloss.empty()) {
            std::string from = c.keyword;
            if (opt.kind == LexKind::StrongsHebrew) std::reverse(from.begin(), from.end());  // display order
            pairs->emplace_back(from, c.gloss);
            ++stats.pairs;
        }
        Keyed k;
        k.entry.keyword = c.keyword;
        if (strongs) k.entry.strong = std::string(1, letter) + std::to_string(number);
        k.entry.items = c.items;
        k.entry.body = c.body;
        k.number = strongs ? number : static_cast<long>(entries.size());
        entries.push_back(std::move(k));
    }
    if (entries.empty()) {
        error = name + ": no entries with text";
        return false;
    }
    // Tag classes of lexicon text, marked where the entries use them (all
    // shown): references, Strong's numbers, bold, italic.
    const std::pair<int, const char*> classes[] = {{5, "|RR"}, {7, "|RH"}, {8, "|RG"}, {9, "|TB"}, {10, "|TI"}};
    for (const auto& [byte, tag] : classes)
        for (const Keyed& k : entries) {
            bool used = k.entry.body.find(tag) != std::string::npos;
            for (const std::string& item : k.entry.items) used = used || item.find(tag) != std::string::npos;
            if (used) {
                module.tag_bytes[static_cast<std::size_t>(byte)] = 1;
                break;
            }
        }
    // Keyword order under the module's own collation; entries with the same
    // keyword in order of their Strong's numbers.
    std::string alphabet = modwriter::EncodeCollationTable(module.collation);
    std::string bitmap = modwriter::EncodeCollationBitmap(module.collation);
    std::vector<char> table(SORT_TABLE_SIZE);
    SetSortTable(reinterpret_cast<const unsigned char*>(alphabet.data()),
                 reinterpret_cast<const unsigned char*>(bitmap.data()), table.data());
    std::stable_sort(entries.begin(), entries.end(), [&](const Keyed& a, const Keyed& b) {
        int c = PorovnejRetezce(a.entry.keyword.c_str(), b.entry.keyword.c_str(), table.data());
        return c != 0 ? c < 0 : a.number < b.number;
    });
    for (Keyed& k : entries) module.entries.push_back(std::move(k.entry));
    stats.records = static_cast<long>(module.entries.size());
    std::string problem = modwriter::CheckLexicon(module);
    if (!problem.empty()) {
        error = name + ": " + problem;
        return false;
    }
    return true;
}

namespace {

bool StartsWithWord(const std::string& s, const char* word) {
    const size_t n = std::strlen(word);
    if (s.compare(0, n, word) != 0) return false;
    return s.size() == n || !std::isalpha(static_cast<unsigned char>(s[n]));
}

void TrimBlanks(std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) {
        s.clear();
        return;
    }
    s.erase(0, b);
    while (!s.empty() && (s.back() == ' ' || s.back() == '-')) s.pop_back();
}

// One clause of a definition made a gloss: its leading parentheses and
// qualifiers ("properly", "by implication", ...) go, it ends at the first
// comma, colon, full stop or bracket, and a parenthesis that closes it goes
// too. "" for a clause that tells where the word comes from.
std::string ClauseGloss(std::string c) {
    static const char* const kQualifiers[] = {"properly", "literally", "figuratively", "specially", "especially",
                                              "by implication", "by extension", "by analogy", "i.e.", "or",
                                              "and", "also", "hence", "generally", "usually", "probably",
                                              "perhaps", "apparently", "originally"};
    static const char* const kOrigins[] = {"compare", "see", "from", "of foreign origin", "of Hebrew origin",
                                           "of Latin origin", "of Chaldee origin", "of uncertain", "a primary",
                                           "a prolonged", "a form of", "the same as", "imperative", "akin",
                                           "by reduplication", "contracted", "neuter of",
                                           "feminine of", "plural of", "corresponding to", "a root"};
    for (bool again = true; again;) {
        again = false;
        TrimBlanks(c);
        if (!c.empty() && (c[0] == '(' || c[0] == '[')) {
            const char close = c[0] == '(' ? ')' : ']';
            const size_t e = c.find(close);
            c = e == std::string::npos ? "" : c.substr(e + 1);
            again = true;
            continue;
        }
        if (!c.empty() && c[0] == ',') {
            c.erase(0, 1);
            again = true;
            continue;
        }
        for (const char* q : kQualifiers)
            if (StartsWithWord(c, q)) {
                c.erase(0, std::strlen(q));
                again = true;
                break;
            }
    }
    for (const char* o : kOrigins)
        if (StartsWithWord(c, o)) return "";
    int depth = 0;
    size_t open = std::string::npos;
    for (size_t i = 0; i < c.size(); ++i) {
        const char ch = c[i];
        if (ch == '(') {
            if (depth++ == 0) open = i;
        } else if (ch == ')') {
            if (depth > 0 && --depth == 0 && c.find_first_not_of(" ,:.", i + 1) == std::string::npos) {
                c.resize(open);  // a closing parenthesis: the gloss ends before it
                break;
            }
        } else if (depth == 0 && (ch == ',' || ch == ':' || ch == '.' || ch == '[')) {
            c.resize(i);
            break;
        }
    }
    if (depth > 0 && open != std::string::npos && open < c.size()) c.resize(open);
    TrimBlanks(c);
    std::string out;
    for (char ch : c)
        if (!(ch == ' ' && !out.empty() && out.back() == ' ')) out += ch;
    return out.size() > 60 ? "" : out;
}

} // namespace

std::string FirstGloss(std::string_view definition) {
    std::string plain(definition);
    for (char& c : plain)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    // Strong's definitions end with ":--" and the translations; the gloss is
    // the first clause before them that says what the word means.
    plain = plain.substr(0, plain.find(":--"));
    // A parenthesis the derivation opened before the definition began.
    const size_t close = plain.find(')');
    if (close != std::string::npos && plain.rfind('(', close) == std::string::npos) plain.erase(0, close + 1);
    size_t from = 0;
    int depth = 0;
    for (size_t i = 0; i <= plain.size(); ++i) {
        const char ch = i < plain.size() ? plain[i] : ';';
        if (ch == '(') ++depth;
        else if (ch == ')' && depth > 0) --depth;
        else if (ch == ';' && depth == 0) {
            std::string gloss = ClauseGloss(plain.substr(from, i - from));
            if (!gloss.empty()) return gloss;
            from = i + 1;
        }
    }
    return "";
}

modwriter::DictionaryModule DerivedDictionary(const LexImportOptions& opt, std::vector<modwriter::DicEntry> pairs) {
    modwriter::DictionaryModule d;
    const bool hebrew = opt.kind == LexKind::StrongsHebrew;
    d.lang_from = hebrew ? 1 : 2;
    d.lang_to = 0;
    d.collation_from = hebrew ? HebrewCollation() : GreekCollation();
    d.collation_to = LatinCollation();
    d.name_from_to = hebrew ? "Hebrew-English" : "Greek-English";
    d.name_to_from = hebrew ? "English-Hebrew" : "English-Greek";
    auto latin = [](const std::string& s) { return ToCp1252(DecodeUtf8(s)); };
    d.info = {{"IA", latin(opt.dictionary_abbrev)},
              {"IT", latin(opt.dictionary_title)},
              {"II", "The headwords of " + latin(opt.title) + " with the first short gloss of each entry."},
              {"IC", latin(opt.copyright)},
              {"IP", latin(opt.contact)},
              {"IU", latin(opt.url)}};
    d.entries = std::move(pairs);
    return d;
}

static bool SlurpFile(const std::string& path, std::string& data, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot open the file";
        return false;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    data = ss.str();
    return true;
}

bool RunLexiconImport(const LexImportOptions& opt, LexImportStats& stats, std::string& error) {
    std::vector<LexSource> sources;
    for (const std::string& path : opt.sources) {
        std::string data;
        if (!SlurpFile(path, data, error)) return false;
        bool ok = opt.format == "hebrew-strong" ? ReadHebrewStrongXml(path, data, sources, error)
                                                : ReadLexiconImp(path, data, sources, error);
        if (!ok) return false;
    }
    modwriter::LexiconModule module;
    std::vector<modwriter::DicEntry> pairs;
    if (!BuildImportedLexicon(opt, sources, module, stats, error, opt.dictionary.empty() ? nullptr : &pairs))
        return false;
    std::string bytes = modwriter::BuildLexiconModule(module, &error);
    if (bytes.empty()) return false;
    std::string dic;
    if (!opt.dictionary.empty()) {
        dic = modwriter::BuildDictionaryModule(DerivedDictionary(opt, std::move(pairs)), &error);
        if (dic.empty()) return false;
    }
    // Both are made before either is written.
    if (!modwriter::WriteFileAtomic(opt.out, bytes, &error)) return false;
    return opt.dictionary.empty() || modwriter::WriteFileAtomic(opt.dictionary, dic, &error);
}

std::string LexSummaryLine(const LexImportOptions& opt, const LexImportStats& s) {
    std::string line = std::filesystem::path(opt.out).filename().string() + ": entries=" + std::to_string(s.entries) +
                       " records=" + std::to_string(s.records);
    if (s.not_used) line += " not_used=" + std::to_string(s.not_used);
    if (s.empty) line += " empty=" + std::to_string(s.empty);
    line += " strong_links=" + std::to_string(s.strong_links) + " references=" + std::to_string(s.verse_refs);
    if (s.long_items) line += " long_headers=" + std::to_string(s.long_items);
    if (s.substituted) line += " substituted=" + std::to_string(s.substituted);
    if (s.dropped_chars) line += " dropped=" + std::to_string(s.dropped_chars);
    if (!opt.dictionary.empty())
        line += "\n" + std::filesystem::path(opt.dictionary).filename().string() + ": pairs=" + std::to_string(s.pairs) +
                " (headwords without a short gloss: " + std::to_string(s.records - s.pairs) + ")";
    return line;
}

static const char kLexUsage[] =
    "usage: sevir-modwriter import --format sword-lexicon|hebrew-strong\n"
    "         --profile strongs-greek|strongs-hebrew|topical\n"
    "         --abbrev A --title T [--info I] [--copyright C] [--contact P] [--url U]\n"
    "         [--dictionary FILE.dic --dictionary-abbrev A --dictionary-title T]\n"
    "         --out FILE.lex SOURCE...";

int LexiconImportMain(const std::vector<std::string>& args) {
    LexImportOptions opt;
    std::string error;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                error = "missing value after " + a;
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string v;
        bool ok = true;
        if (a == "--format") {
            ok = value(opt.format);
            if (ok && opt.format != "sword-lexicon" && opt.format != "hebrew-strong") {
                error = "unknown format " + opt.format;
                ok = false;
            }
        } else if (a == "--profile") {
            ok = value(v);
            if (ok) {
                if (v == "strongs-greek") opt.kind = LexKind::StrongsGreek;
                else if (v == "strongs-hebrew") opt.kind = LexKind::StrongsHebrew;
                else if (v == "topical") opt.kind = LexKind::Topical;
                else { error = "unknown profile " + v; ok = false; }
            }
        } else if (a == "--abbrev") ok = value(opt.abbrev);
        else if (a == "--title") ok = value(opt.title);
        else if (a == "--info") ok = value(opt.info);
        else if (a == "--copyright") ok = value(opt.copyright);
        else if (a == "--contact") ok = value(opt.contact);
        else if (a == "--url") ok = value(opt.url);
        else if (a == "--out") ok = value(opt.out);
        else if (a == "--dictionary") ok = value(opt.dictionary);
        else if (a == "--dictionary-abbrev") ok = value(opt.dictionary_abbrev);
        else if (a == "--dictionary-title") ok = value(opt.dictionary_title);
        else if (a.rfind("--", 0) == 0) { error = "unknown option " + a; ok = false; }
        else opt.sources.push_back(a);
        if (!ok) {
            std::cerr << "sevir-modwriter import: " << error << "\n";
            return 2;
        }
    }
    if (opt.out.empty() || opt.sources.empty() || opt.abbrev.empty() || opt.title.empty() ||
        (!opt.dictionary.empty() && (opt.kind == LexKind::Topical || opt.dictionary_abbrev.empty() ||
                                     opt.dictionary_title.empty()))) {
        std::cerr << "sevir-modwriter import: " << kLexUsage << "\n";
        return 2;
    }
    LexImportStats stats;
    if (!RunLexiconImport(opt, stats, error)) {
        std::cerr << "sevir-modwriter import: " << error << "\n";
        return 1;
    }
    std::cout << LexSummaryLine(opt, stats) << "\n";
    return 0;
}

}  // namespace importer
