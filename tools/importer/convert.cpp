#include "convert.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>

#include "books.h"
#include "encode.h"
#include "lexicon.h"

namespace importer {

const char* TagClassName(int cls) {
    static const char* const names[kTagClasses] = {
        "preface", "christ",        "note",         "variant", "unused", "reference",
        "strong_hebrew", "strong_greek", "bold", "italic", "morph_hebrew", "morph_greek"};
    return cls >= 0 && cls < kTagClasses ? names[cls] : "?";
}

void CountTags(std::string_view text, ConvertStats& stats) {
    static const struct {
        const char* tag;
        int cls;
    } opens[] = {{"|TP", kPreface}, {"|TJ", kChrist},       {"|TN", kNote},        {"|TV", kVariant},
                 {"|TU", kUnused},  {"|RR", kReference},    {"|RH", kStrongHebrew}, {"|RG", kStrongGreek},
                 {"|TB", kBold},    {"|TI", kItalic},       {"|MG", kMorphGreek}};
    for (size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] != '|') continue;
        for (const auto& o : opens)
            if (text.compare(i, 3, o.tag) == 0) ++stats.tags[o.cls];
        if (text.compare(i, 3, "|LG") == 0) ++stats.lemmas;
    }
}

namespace {

// "strong:H07225" -> 'H', 7225. Returns false for anything else.
bool ParseStrong(std::string_view item, char& kind, long& number) {
    if (item.rfind("strong:", 0) == 0) item.remove_prefix(7);
    if (item.size() < 2 || (item[0] != 'H' && item[0] != 'G')) return false;
    kind = item[0];
    long n = 0;
    size_t i = 1;
    for (; i < item.size() && std::isdigit(static_cast<unsigned char>(item[i])); ++i) {
        n = n * 10 + (item[i] - '0');
        if (n > 99999) return false;
    }
    if (i == 1 || n == 0) return false;
    number = n;
    return true;
}

std::string Prefixed(std::string_view item, std::string_view prefix) {
    if (item.rfind(prefix, 0) == 0) return std::string(item.substr(prefix.size()));
    return {};
}

struct WordInfo {
    std::vector<std::pair<char, long>> strongs;
    std::vector<std::string> morphs;   // Robinson codes
    std::vector<std::string> lemmas;   // Greek words (UTF-8)
    std::vector<int> src;              // positions in the Greek text
};

WordInfo ReadWord(const Token& t) {
    WordInfo w;
    for (const auto& item : SplitWords(t.Attr("lemma"))) {
        char kind;
        long n;
        if (ParseStrong(item, kind, n)) w.strongs.emplace_back(kind, n);
        std::string lemma = Prefixed(item, "lemma.TR:");
        if (!lemma.empty()) w.lemmas.push_back(lemma);
    }
    for (const auto& item : SplitWords(t.Attr("morph"))) {
        std::string code = Prefixed(item, "robinson:");
        if (!code.empty()) w.morphs.push_back(code);
    }
    for (const auto& item : SplitWords(t.Attr("src"))) w.src.push_back(std::atoi(item.c_str()));
    return w;
}

// Text and tags of a module verse; keeps the spacing tidy.
class Out {
public:
    explicit Out(ConvertStats& stats) : stats_(stats) {}

    void Tag(std::string_view tag) {
        text_ += tag;
    }
    // Source text: blanks collapse; Hebrew and Greek get runs of their own,
    // blanks inside such a run stay in it so that a phrase reverses as a whole.
    void Text(std::string_view utf8, bool upper) {
        std::u32string u = DecodeUtf8(utf8);
        std::u32string run;
        Script rs = Script::Latin;
        auto flush = [&] {
            if (run.empty()) return;
            EncodeStats es;
            if (rs == Script::Hebrew) {
                text_ += "|TH" + ToHebrewCodes(run, &es) + "|Th";
            } else if (rs == Script::Greek) {
                text_ += "|TG" + ToGreekCodes(run, &es) + "|Tg";
            } else {
                std::string s = ToCp1252(run, &es);
                for (char& c : s) {
                    // These would be read as tags or as rich-text syntax.
                    if (c == '|' || c == '\\') { c = '/'; ++es.substituted; }
                    else if (c == '{') { c = '('; ++es.substituted; }
                    else if (c == '}') { c = ')'; ++es.substituted; }
                    else if (upper) c = Upper(c);
                }
                text_ += s;
            }
            stats_.substituted += es.substituted;
            stats_.dropped_chars += es.dropped;
            run.clear();
        };
        auto blank = [&] {
            if (!AtBlank()) text_ += ' ';
        };
        for (char32_t c : u) {
            if (c == U'\t' || c == U'\r' || c == U'\n' || c == 0xA0) c = U' ';
            if (c == U' ') {
                if (rs != Script::Latin && !run.empty()) {
                    if (run.back() != U' ') run += c;
                } else {
                    flush();
                    blank();
                }
                space_pending_ = false;
                continue;
            }
            if (space_pending_) {
                if (c >= 0x80 || std::isalnum(static_cast<int>(c)) || c == '(' || c == '"') {
                    flush();
                    blank();
                }
                space_pending_ = false;
            }
            Script s = c < 0x80 ? Script::Latin : ScriptOf(c);
            if (s == Script::Other) s = rs;
            if (s != rs) {
                bool had_blank = !run.empty() && run.back() == U' ';
                while (!run.empty() && run.back() == U' ') run.pop_back();
                flush();
                if (had_blank) blank();
                rs = s;
            }
            run += c;
        }
        while (rs != Script::Latin && !run.empty() && run.back() == U' ') {
            run.pop_back();
            space_pending_ = true;
        }
        flush();
        if (space_pending_) {
            blank();
            space_pending_ = false;
        }
    }
    // After a note the next word needs a blank, which sources often leave out.
    void SpaceBeforeNextWord() { space_pending_ = !AtBlank(); }
    void Space() {
        if (!AtBlank()) text_ += ' ';
    }
    // A paragraph break, never at the start and never twice.
    void Paragraph() {
        while (!text_.empty() && text_.back() == ' ') text_.pop_back();
        if (!text_.empty() && text_.back() != '\n') text_ += "\r\n";
    }
    std::string Take() {
        // Trailing blanks go; tags at the end stay.
        size_t e = text_.size();
        while (e > 0 && text_[e - 1] == ' ') --e;
        text_.resize(e);
        size_t b = 0;
        while (b < text_.size() && text_[b] == ' ') ++b;
        return text_.substr(b);
    }

private:
    // Whether the visible text written so far ends in a blank (tags do not count).
    bool AtBlank() const {
        size_t i = text_.size();
        while (i >= 3 && text_[i - 3] == '|' && std::isupper(static_cast<unsigned char>(text_[i - 2])) &&
               std::isalpha(static_cast<unsigned char>(text_[i - 1])))
            i -= 3;  // tags do not end the text
        return i == 0 || text_[i - 1] == ' ' || text_[i - 1] == '\n';
    }
    static char Upper(char c) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
        if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
        return c;
    }

    ConvertStats& stats_;
    std::string text_;
    bool space_pending_ = false;
};

void AppendWordTags(Out& out, const WordInfo& w, Profile profile) {
    if (profile == Profile::Study) return;
    size_t greek = 0;
    for (size_t i = 0; i < w.strongs.size(); ++i) {
        auto [kind, n] = w.strongs[i];
        out.Tag(kind == 'H' ? "|RH" : "|RG");
        out.Tag(std::to_string(n));
        out.Tag(kind == 'H' ? "|Rh" : "|Rg");
        if (profile == Profile::Morphology && kind == 'G') {
            if (greek < w.morphs.size()) out.Tag("|MG" + w.morphs[greek] + "|Mg");
            if (greek < w.lemmas.size()) {
                EncodeStats es;
                std::string codes = ToGreekCodes(DecodeUtf8(w.lemmas[greek]), &es);
                if (!codes.empty() && codes.find('|') == std::string::npos) out.Tag("|LG" + codes + "|Lg");
            }
            ++greek;
        }
    }
    if (profile == Profile::Morphology)
        for (size_t i = greek; i < w.morphs.size() && w.strongs.empty(); ++i) out.Tag("|MG" + w.morphs[i] + "|Mg");
}

// A cross-reference note's text, "Exodus 23:13; Psalm 16:4", as reference tags.
void AppendReferences(Out& out, std::string_view text, int book, ConvertStats& stats) {
    bool first = true;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t semi = text.find(';', pos);
        std::string_view part = text.substr(pos, semi == std::string_view::npos ? std::string_view::npos : semi - pos);
        pos = semi == std::string_view::npos ? text.size() : semi + 1;
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '.')) part.remove_suffix(1);
        if (part.rfind("See ", 0) == 0) part.remove_prefix(4);
        if (part.empty()) continue;
        size_t used = 0;
        int b = BookFromReferenceText(part, &used);
        std::string_view place = part;
        bool has_book_word = std::isalpha(static_cast<unsigned char>(part.front())) ||
                             (part.size() > 1 && part[1] == ' ');
        if (b) {
            book = b;
            place = part.substr(used);
        } else if (has_book_word) {
            // A book outside the canon: keep it as plain text.
            ++stats.unknown_refs;
            if (!first) out.Text("; ", false);
            out.Text(part, false);
            first = false;
            continue;
        }
        // chapter:verse[-verse][,verse]
        size_t colon = place.find(':');
        if (colon == std::string_view::npos || colon == 0 || book == 0) {
            if (!first) out.Text("; ", false);
            out.Text(part, false);
            first = false;
            continue;
        }
        std::string spec;
        for (char c : place)
            if (std::isdigit(static_cast<unsigned char>(c)) || c == ':' || c == '-' || c == ',') spec += c;
        if (!first) out.Text("; ", false);
        out.Tag("|RR" + std::string(Canon(book).sync_name) + ":" + spec + "|Rr");
        first = false;
    }
}

struct Frame {
    std::string name;
    std::string close;   // tags written when the element ends
    bool skip = false;   // content left out
    bool upper = false;  // divine name
    bool note = false;
    bool collect = false;  // cross-reference text is gathered, not written
    WordInfo word;
    bool is_word = false;
};

// The Greek words behind a translation, in the order of the Greek text
// (the "src" positions of the words). Words of Christ are not marked: their
// format is the translation's text font, which cannot draw Greek codes.
std::string GreekVerse(const std::vector<Token>& tokens, ConvertStats& stats) {
    struct GreekWord {
        int pos;
        std::string word;
        long strong = 0;
        std::string morph;
    };
    std::vector<GreekWord> words;
    for (const Token& t : tokens) {
        if (t.name != "w" || (t.kind != Token::Open && t.kind != Token::Empty)) continue;
        WordInfo w = ReadWord(t);
        std::vector<long> greek_numbers;
        for (auto [kind, n] : w.strongs)
            if (kind == 'G') greek_numbers.push_back(n);
        for (size_t i = 0; i < w.lemmas.size(); ++i) {
            GreekWord g;
            g.pos = i < w.src.size() ? w.src[i] : 1000 + static_cast<int>(words.size());
            g.word = w.lemmas[i];
            if (i < greek_numbers.size()) g.strong = greek_numbers[i];
            if (i < w.morphs.size()) g.morph = w.morphs[i];
            words.push_back(std::move(g));
        }
    }
    std::stable_sort(words.begin(), words.end(), [](const GreekWord& a, const GreekWord& b) { return a.pos < b.pos; });
    std::string out;
    int last_pos = -1;
    for (const GreekWord& g : words) {
        if (g.pos == last_pos) continue;  // one Greek word rendered by two English ones
        last_pos = g.pos;
        EncodeStats es;
        std::string codes = ToGreekCodes(DecodeUtf8(g.word), &es);
        stats.dropped_chars += es.dropped;
        if (codes.empty()) continue;
        if (!out.empty()) out += ' ';
        out += codes;
        if (g.strong) out += "|RG" + std::to_string(g.strong) + "|Rg";
        if (!g.morph.empty()) out += "|MG" + g.morph + "|Mg";
    }
    return out;
}

// An OSHB verse: the words with their points, maqqef joining words, the end
// of verse mark; notes and alternative readings are left out.
std::string HebrewVerse(const std::vector<Token>& tokens, ConvertStats& stats) {
    std::string out;
    int skip = 0;
    bool join = false;
    auto add = [&](const std::string& utf8, bool word) {
        EncodeStats es;
        std::string codes = ToHebrewCodes(DecodeUtf8(utf8), &es);
        stats.dropped_chars += es.dropped;
        if (codes.empty()) return;
        if (!out.empty() && !join && word) out += ' ';
        out += codes;
        join = false;
    };
    std::string seg_type;
    bool in_word = false;
    for (const Token& t : tokens) {
        if (t.kind == Token::Open && (t.name == "note" || t.name == "rdg")) { ++skip; continue; }
        if (t.kind == Token::Close && (t.name == "note" || t.name == "rdg")) { if (skip) --skip; continue; }
        if (skip) continue;
        if (t.kind == Token::Open && t.name == "w") { in_word = true; continue; }
        if (t.kind == Token::Close && t.name == "w") { in_word = false; continue; }
        if (t.kind == Token::Open && t.name == "seg") { seg_type = std::string(t.Attr("type")); continue; }
        if (t.kind == Token::Close && t.name == "seg") { seg_type.clear(); continue; }
        if (t.kind != Token::Text) continue;
        if (in_word) {
            add(t.text, true);
        } else if (seg_type == "x-maqqef") {
            add(t.text, false);
            join = true;
        } else if (seg_type == "x-sof-pasuq") {
            add(t.text, false);
        } else if (seg_type == "x-pe" || seg_type == "x-samekh" || seg_type == "x-reversednun") {
            add(t.text, true);
        }
    }
    return out;
}

}  // namespace

std::string VerseConverter::Convert(std::string_view markup, int book, ConvertState& state) {
    ++stats_.verses;
    state.book = book;
    // Leftover character styles of another format ("\nd LORD\+nd*") become
    // the elements they stand for; other such codes are dropped.
    std::string mended;
    bool had_codes = profile_ != Profile::GreekText && profile_ != Profile::HebrewText &&
                     markup.find('\\') != std::string_view::npos;
    if (had_codes) {
        for (size_t i = 0; i < markup.size(); ++i) {
            if (markup[i] != '\\') {
                mended += markup[i];
                continue;
            }
            size_t j = i + 1;
            if (j < markup.size() && markup[j] == '+') ++j;
            size_t ns = j;
            while (j < markup.size() && std::isalpha(static_cast<unsigned char>(markup[j]))) ++j;
            std::string_view code = markup.substr(ns, j - ns);
            bool end = j < markup.size() && markup[j] == '*';
            if (code.empty()) continue;
            if (end) ++j;
            else if (j < markup.size() && markup[j] == ' ') ++j;
            if (code == "nd") mended += end ? "</divineName>" : "<divineName>";
            i = j - 1;
        }
        markup = mended;
    }
    TokenizeStats ts;
    std::vector<Token> tokens = Tokenize(markup, &ts);
    bool repaired = had_codes || ts.bad_tags > 0 || ts.bad_entities > 0;
    if (profile_ == Profile::GreekText || profile_ == Profile::HebrewText) {
        std::string text = profile_ == Profile::GreekText ? GreekVerse(tokens, stats_) : HebrewVerse(tokens, stats_);
        if (repaired) ++stats_.repaired;
        CountTags(text, stats_);
        return text;
    }

    Out out(stats_);
    std::vector<Frame> stack;
    std::string collected;  // text of a cross-reference note

    bool christ_open = false;
    auto christ_wanted = [&] {
        for (const auto& q : state.q_open)
            if (q == "J") return true;
        return false;
    };
    auto sync_christ = [&] {
        bool want = christ_wanted();
        for (const auto& f : stack)
            if (f.name == "q" && f.close == "|Tj") want = false;  // a container already wrote it
        if (want && !christ_open) out.Tag("|TJ");
        if (!want && christ_open) out.Tag("|Tj");
        christ_open = want;
    };
    sync_christ();

    auto skipping = [&] {
        for (const auto& f : stack)
            if (f.skip) return true;
        return false;
    };
    auto collecting = [&] {
        for (const auto& f : stack)
            if (f.collect) return true;
        return false;
    };
    auto in_note = [&] {
        for (const auto& f : stack)
            if (f.note) return true;
        return false;
    };
    auto upper = [&] {
        for (const auto& f : stack)
            if (f.upper) return true;
        return false;
    };

    auto close_frame = [&](Frame& f) {
        if (f.collect) {
            AppendReferences(out, collected, state.book, stats_);
            collected.clear();
            out.SpaceBeforeNextWord();
            return;
        }
        if (f.is_word) AppendWordTags(out, f.word, profile_);
        out.Tag(f.close);
        if (f.note) out.SpaceBeforeNextWord();
    };

    for (const Token& t : tokens) {
        if (t.kind == Token::Text) {
            if (skipping()) continue;
            if (collecting()) {
                collected += t.text;
                continue;
            }
            out.Text(t.text, upper());
            continue;
        }
        const std::string& n = t.name;
        // The end of the chapter ends the verse: what follows (a glossary after
        // the last verse of a Bible) belongs to no verse.
        if (n == "chapter" && (t.kind == Token::Close || (t.kind == Token::Empty && t.Has("eID")))) break;
        if (t.kind == Token::Close) {
            // Close the innermost matching element; elements left open inside it are mended.
            auto it = std::find_if(stack.rbegin(), stack.rend(), [&](const Frame& f) { return f.name == n; });
            if (it == stack.rend()) {
                if (n == "q" && !state.q_open.empty()) {
                    // The end of a quotation that began in an earlier verse.
                    state.q_open.pop_back();
                    sync_christ();
                } else {
                    repaired = true;
                }
                continue;
            }
            size_t keep = static_cast<size_t>(stack.rend() - it) - 1;
            if (keep + 1 != stack.size()) repaired = true;
            while (stack.size() > keep) {
                close_frame(stack.back());
                stack.pop_back();
            }
            continue;
        }
        // Milestone quotations: <q sID=".." who="Jesus"/> ... <q eID=".."/>.
        if (n == "q" && t.kind == Token::Empty) {
            if (t.Has("sID")) state.q_open.push_back(t.Attr("who") == "Jesus" ? "J" : std::string(t.Attr("sID")));
            else if (t.Has("eID") && !state.q_open.empty()) state.q_open.pop_back();
            sync_christ();
            continue;
        }
        if (n == "w" && t.kind == Token::Empty) continue;  // a source word the translation leaves out
        if (t.kind == Token::Empty) {
            if (profile_ == Profile::Commentary && !skipping() &&
                ((n == "div" && t.Has("sID") && t.Attr("type") == "x-p") || n == "lb"))
                out.Paragraph();
            else if (n == "lb" || n == "l" || n == "lg") out.Space();
            continue;
        }
        Frame f;
        f.name = n;
        if (skipping() || collecting()) {
            f.skip = skipping() || (n == "reference" && t.Attr("type") == "annotateRef");
            if (!f.skip && n == "reference") collected += ";";
            stack.push_back(std::move(f));
            continue;
        }
        if (n == "w") {
            f.is_word = true;
            f.word = ReadWord(t);
        } else if (n == "transChange") {
            if (t.Attr("type") == "added") {
                out.Tag("|TU");
                f.close = "|Tu";
            }
        } else if (n == "q") {
            if (t.Attr("who") == "Jesus" && !christ_open) {
                out.Tag("|TJ");
                f.close = "|Tj";
            }
        } else if (n == "note") {
            if (t.Attr("type") == "crossReference") {
                f.collect = profile_ == Profile::Study;
                f.skip = !f.collect;
                collected.clear();
                if (f.collect) out.Space();
            } else if (in_note()) {
                // notes do not nest
            } else {
                f.note = true;
                out.Tag("|TN");
                f.close = "|Tn";
                out.Text(" ", false);
            }
        } else if (n == "reference") {
            if (t.Attr("type") == "annotateRef") f.skip = true;
            if (profile_ == Profile::Commentary && t.Has("osisRef")) {
                // A verse the commentary names: a reference tag in place of its shown text.
                std::string ref = OsisRefToTag(t.Attr("osisRef"));
                if (!ref.empty()) {
                    out.Space();
                    out.Tag("|RR" + ref + "|Rr");
                    out.SpaceBeforeNextWord();
                    f.skip = true;
                } else {
                    ++stats_.unknown_refs;
                }
            }
        } else if (n == "rdg") {
            out.Tag("|TV");
            f.close = "|Tv";
        } else if (n == "title") {
            if (profile_ == Profile::Commentary) {
                // A commentary's headings: bold paragraphs of their own.
                out.Paragraph();
                out.Tag("|TB");
                f.close = "|Tb\r\n";
            } else if (t.Attr("type") == "psalm" || t.Attr("canonical") == "true") {
                out.Tag("|TP");
                f.close = "\r\n|Tp";
            } else {
                f.skip = true;
            }
        } else if (n == "divineName") {
            f.upper = true;
        } else if (n == "hi") {
            if (t.Attr("type") == "bold") { out.Tag("|TB"); f.close = "|Tb"; }
            else if (t.Attr("type") == "italic") { out.Tag("|TI"); f.close = "|Ti"; }
        } else if (n == "catchWord") {
            out.Tag("|TI");
            f.close = "|Ti";
        }
        // Everything else (seg, foreign, inscription, abbr, divisions) keeps its text.
        stack.push_back(std::move(f));
    }
    if (!stack.empty()) {
        // Quotations may run on into the next verses; anything else left open is damage.
        for (const Frame& f : stack) {
            if (f.name == "q") state.q_open.push_back(f.close == "|Tj" ? "J" : "q");
            else repaired = true;
        }
        while (!stack.empty()) {
            close_frame(stack.back());
            stack.pop_back();
        }
    }
    if (christ_open) out.Tag("|Tj");
    if (repaired) ++stats_.repaired;
    std::string text = out.Take();
    CountTags(text, stats_);
    return text;
}

}  // namespace importer
