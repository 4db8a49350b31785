#include "sources.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <string_view>

#include "books.h"
#include "markup.h"

namespace importer {

static bool Slurp(const std::string& path, std::string& data, std::string& error) {
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

// "12:5" -> 12, 5.
static bool ParseChapterVerse(std::string_view s, int& chapter, int& verse) {
    size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 >= s.size()) return false;
    long c = 0, v = 0;
    for (size_t i = 0; i < colon; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])) || c > 9999) return false;
        c = c * 10 + (s[i] - '0');
    }
    for (size_t i = colon + 1; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])) || v > 9999) return false;
        v = v * 10 + (s[i] - '0');
    }
    chapter = static_cast<int>(c);
    verse = static_cast<int>(v);
    return true;
}

static std::string Where(const std::string& name, long line) { return name + ":" + std::to_string(line) + ": "; }

bool ReadImpText(const std::string& name, const std::string& data, std::vector<SourceVerse>& out, SourceStats& stats,
                 std::string& error) {
    size_t pos = 0;
    long line = 0;
    SourceVerse* current = nullptr;
    bool any_key = false;
    while (pos < data.size()) {
        size_t eol = data.find('\n', pos);
        std::string_view l(data.data() + pos, (eol == std::string::npos ? data.size() : eol) - pos);
        pos = eol == std::string::npos ? data.size() : eol + 1;
        ++line;
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        if (l.rfind("$$$", 0) == 0) {
            any_key = true;
            current = nullptr;
            std::string_view key = l.substr(3);
            if (key.empty() || key.front() == '[') {
                ++stats.skipped_entries;
                continue;
            }
            size_t sp = key.rfind(' ');
            int chapter = 0, verse = 0;
            if (sp == std::string_view::npos || !ParseChapterVerse(key.substr(sp + 1), chapter, verse)) {
                // "Genesis" alone is the book's introduction.
                if (BookFromSwordName(key)) { ++stats.skipped_entries; continue; }
                error = Where(name, line) + "cannot read the verse key \"" + std::string(key) + "\"";
                return false;
            }
            int book = BookFromSwordName(key.substr(0, sp));
            if (book == 0 || chapter == 0 || verse == 0) {
                ++stats.skipped_entries;
                continue;
            }
            out.push_back(SourceVerse{book, chapter, verse, {}, line});
            current = &out.back();
            continue;
        }
        if (!current) {
            if (!any_key && !l.empty()) {
                error = Where(name, line) + "text before the first \"$$$\" key: not an IMP file";
                return false;
            }
            continue;
        }
        if (!current->markup.empty()) current->markup += ' ';
        current->markup += l;
    }
    if (!any_key) {
        error = Where(name, line) + "no \"$$$\" keys: not an IMP file";
        return false;
    }
    return true;
}

// "Gen.1.1" -> book, chapter, verse.
static bool ParseOsisId(std::string_view id, int& book, int& chapter, int& verse) {
    size_t d1 = id.find('.');
    if (d1 == std::string_view::npos) return false;
    size_t d2 = id.find('.', d1 + 1);
    if (d2 == std::string_view::npos) return false;
    book = BookFromOsis(id.substr(0, d1));
    std::string cv(id.substr(d1 + 1));
    cv[d2 - d1 - 1] = ':';
    // A verse ID may name a range ("Gen.1.1-Gen.1.2"): the first verse counts.
    size_t dash = cv.find_first_of("- ");
    if (dash != std::string::npos) cv.resize(dash);
    return ParseChapterVerse(cv, chapter, verse);
}

bool ReadOsisText(const std::string& name, const std::string& data, std::vector<SourceVerse>& out,
                  SourceStats& stats, std::string& error) {
    if (data.find("<osis") == std::string::npos) {
        error = Where(name, 1) + "no <osis> element: not an OSIS file";
        return false;
    }
    // Lines are counted as the scan goes, for messages.
    long line = 1;
    size_t counted = 0;
    auto line_at = [&](size_t p) {
        for (; counted < p && counted < data.size(); ++counted)
            if (data[counted] == '\n') ++line;
        return line;
    };
    std::string pending_title;  // a Psalm title standing before its verse's start
    size_t pos = 0;
    while (true) {
        size_t v = data.find("<verse", pos);
        if (v == std::string::npos) break;
        size_t gt = data.find('>', v);
        if (gt == std::string::npos) {
            error = Where(name, line_at(v)) + "unfinished <verse> tag";
            return false;
        }
        // Text between verses: keep canonical titles for the next verse.
        std::string_view between(data.data() + pos, v - pos);
        size_t t = between.find("<title");
        while (t != std::string_view::npos) {
            size_t te = between.find("</title>", t);
            if (te == std::string_view::npos) break;
            std::string_view title = between.substr(t, te + 8 - t);
            if (title.find("canonical=\"true\"") != std::string_view::npos ||
                title.find("type=\"psalm\"") != std::string_view::npos)
                pending_title += std::string(title);
            t = between.find("<title", te);
        }
        std::vector<Token> tag = Tokenize(std::string_view(data.data() + v, gt + 1 - v));
        pos = gt + 1;
        if (tag.empty() || tag[0].name != "verse") continue;
        const Token& vt = tag[0];
        if (vt.Has("eID")) continue;
        std::string id(vt.Attr("osisID"));
        int book = 0, chapter = 0, verse = 0;
        if (!ParseOsisId(id, book, chapter, verse)) {
            error = Where(name, line_at(v)) + "cannot read the verse reference \"" + id + "\"";
            return false;
        }
        // The verse runs to its end milestone, or to the end of its element.
        size_t end;
        if (vt.kind == Token::Empty) {
            // Milestones: the verse ends where the next verse tag (normally its own end) stands.
            end = data.find("<verse", pos);
            if (end == std::string::npos) end = data.size();
        } else {
            end = data.find("</verse>", pos);
            if (end == std::string::npos) end = data.size();
        }
        if (book == 0 || chapter == 0 || verse == 0) {
            ++stats.skipped_entries;
            pending_title.clear();
            pos = end;
            continue;
        }
        SourceVerse sv{book, chapter, verse, pending_title + data.substr(pos, end - pos), line_at(v)};
        pending_title.clear();
        out.push_back(std::move(sv));
        pos = end;
    }
    return true;
}

bool ReadImp(const std::string& path, std::vector<SourceVerse>& out, SourceStats& stats, std::string& error) {
    std::string data;
    return Slurp(path, data, error) && ReadImpText(path, data, out, stats, error);
}

bool ReadOsis(const std::string& path, std::vector<SourceVerse>& out, SourceStats& stats, std::string& error) {
    std::string data;
    return Slurp(path, data, error) && ReadOsisText(path, data, out, stats, error);
}

}  // namespace importer
