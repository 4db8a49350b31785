#include "import.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "importer/books.h"
#include "importer/encode.h"
#include "importer/lexicon.h"

namespace importer {

static const char kUsage[] =
    "usage: sevir-modwriter import --format imp|osis --profile strongs|morphology|study|greek|hebrew|commentary\n"
    "         [--names english|spanish|hebrew|greek] [--testaments ot|nt|both]\n"
    "         --abbrev A --title T [--info I] [--copyright C] [--contact P] [--url U]\n"
    "         --out FILE.sbk SOURCE...";

bool ParseImportArgs(const std::vector<std::string>& args, ImportOptions& opt, std::string& error) {
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
        if (a == "--format") {
            if (!value(opt.format)) return false;
            if (opt.format != "imp" && opt.format != "osis") { error = "unknown format " + opt.format; return false; }
        } else if (a == "--profile") {
            if (!value(v)) return false;
            if (v == "strongs") opt.profile = Profile::Strongs;
            else if (v == "morphology") opt.profile = Profile::Morphology;
            else if (v == "study") opt.profile = Profile::Study;
            else if (v == "commentary") opt.profile = Profile::Commentary;
            else if (v == "greek") { opt.profile = Profile::GreekText; opt.language = 2; }
            else if (v == "hebrew") { opt.profile = Profile::HebrewText; opt.language = 1; }
            else { error = "unknown profile " + v; return false; }
        } else if (a == "--names") {
            if (!value(v)) return false;
            if (v == "english") opt.names = BookNames::English;
            else if (v == "spanish") opt.names = BookNames::Spanish;
            else if (v == "hebrew") opt.names = BookNames::Hebrew;
            else if (v == "greek") opt.names = BookNames::Greek;
            else { error = "unknown book names " + v; return false; }
        } else if (a == "--testaments") {
            if (!value(v)) return false;
            opt.old_testament = v == "ot" || v == "both";
            opt.new_testament = v == "nt" || v == "both";
            if (!opt.old_testament && !opt.new_testament) { error = "unknown testaments " + v; return false; }
        } else if (a == "--abbrev") { if (!value(opt.abbrev)) return false; }
        else if (a == "--title") { if (!value(opt.title)) return false; }
        else if (a == "--info") { if (!value(opt.info)) return false; }
        else if (a == "--copyright") { if (!value(opt.copyright)) return false; }
        else if (a == "--contact") { if (!value(opt.contact)) return false; }
        else if (a == "--url") { if (!value(opt.url)) return false; }
        else if (a == "--out") { if (!value(opt.out)) return false; }
        else if (a.rfind("--", 0) == 0) { error = "unknown option " + a; return false; }
        else opt.sources.push_back(a);
    }
    if (opt.out.empty() || opt.sources.empty() || opt.abbrev.empty() || opt.title.empty()) {
        error = kUsage;
        return false;
    }
    return true;
}

static std::string Latin(const std::string& utf8) { return ToCp1252(DecodeUtf8(utf8)); }

bool BuildImportedModule(const ImportOptions& opt, const std::vector<SourceVerse>& verses,
                         modwriter::BookModule& module, ImportResult& result, std::string& error) {
    module = modwriter::BookModule{};
    module.language = opt.language;
    module.tag_advanced = opt.profile == Profile::HebrewText ? 0 : 1;
    module.morph_greek_type = opt.profile == Profile::Morphology || opt.profile == Profile::GreekText ? 2 : 0;
    // Hebrew and Greek windows scroll by lines; their verses are long.
    module.info = {{"IA", Latin(opt.abbrev)},   {"IT", Latin(opt.title)},   {"II", Latin(opt.info)},
                   {"IC", Latin(opt.copyright)}, {"IP", Latin(opt.contact)}, {"IU", Latin(opt.url)}};

    // Verses by book; a book keeps the source's order of chapters and verses.
    std::vector<std::vector<const SourceVerse*>> by_book(kCanonBooks + 1);
    for (const SourceVerse& v : verses) {
        bool nt = v.book >= 40;
        if ((nt && !opt.new_testament) || (!nt && !opt.old_testament)) continue;
        by_book[static_cast<size_t>(v.book)].push_back(&v);
    }
    VerseConverter conv(opt.profile, result.stats);
    ConvertState state;
    for (int b = 1; b <= kCanonBooks; ++b) {
        auto& list = by_book[static_cast<size_t>(b)];
        if (list.empty()) continue;
        std::stable_sort(list.begin(), list.end(), [](const SourceVerse* x, const SourceVerse* y) {
            return x->chapter != y->chapter ? x->chapter < y->chapter : x->verse < y->verse;
        });
        const CanonBook& cb = Canon(b);
        modwriter::Book book;
        switch (opt.names) {
        case BookNames::English: book.name = cb.english; book.abbrev_name = cb.english_abbr; break;
        case BookNames::Spanish: book.name = Latin(cb.spanish); book.abbrev_name = Latin(cb.spanish_abbr); break;
        case BookNames::Hebrew: book.name = cb.hebrew; book.abbrev_name = cb.english_abbr; break;
        case BookNames::Greek: book.name = cb.greek; book.abbrev_name = cb.english_abbr; break;
        }
        book.sync_name = cb.sync_name;
        state = ConvertState{};
        int last_c = 0, last_v = 0;
        for (const SourceVerse* v : list) {
            if (v->chapter == last_c && v->verse == last_v) {
                error = opt.sources.front() + ":" + std::to_string(v->line) + ": " + cb.english + " " +
                        std::to_string(v->chapter) + ":" + std::to_string(v->verse) + " occurs twice";
                return false;
            }
            last_c = v->chapter;
            last_v = v->verse;
            std::string text = conv.Convert(v->markup, b, state);
            if (text.empty()) {
                ++result.empty_verses;
                continue;
            }
            // A commentary's comment on a passage comes once for every verse
            // of the passage; the first verse keeps it.
            if (opt.profile == Profile::Commentary && !book.verses.empty() && book.verses.back().text == text) {
                ++result.linked_verses;
                continue;
            }
            if (text.find("|S0") != std::string::npos) {
                error = opt.sources.front() + ":" + std::to_string(v->line) + ": the verse text holds a record mark";
                return false;
            }
            book.verses.push_back(modwriter::Verse{v->chapter, v->verse, std::move(text)});
        }
        if (book.verses.empty()) continue;
        module.books.push_back(std::move(book));
    }
    if (module.books.empty()) {
        error = "no verses of the canon's books were found in the sources";
        return false;
    }
    result.books = static_cast<int>(module.books.size());
    // Capability bytes: the module has the class and shows it at first.
    static const int order[12] = {kPreface, kChrist, kNote,   kVariant, kUnused,       kReference,
                                  kStrongHebrew, kStrongGreek, kBold, kItalic, kMorphHebrew, kMorphGreek};
    for (int i = 0; i < 12; ++i) module.tag_caps[static_cast<size_t>(i)] = result.stats.tags[static_cast<size_t>(order[i])] ? 1 : 0;
    if (result.stats.lemmas) module.tag_caps[11] = 1;
    return true;
}

bool RunImport(const ImportOptions& opt, ImportResult& result, std::string& error) {
    std::vector<SourceVerse> verses;
    for (const std::string& src : opt.sources) {
        bool ok = opt.format == "imp" ? ReadImp(src, verses, result.source, error)
                                      : ReadOsis(src, verses, result.source, error);
        if (!ok) return false;
    }
    modwriter::BookModule module;
    if (!BuildImportedModule(opt, verses, module, result, error)) return false;
    return modwriter::WriteFileAtomic(opt.out, modwriter::BuildBookModule(module), &error);
}

std::string SummaryLine(const ImportOptions& opt, const ImportResult& r) {
    std::string name = std::filesystem::path(opt.out).filename().string();
    std::string s = name + ": books=" + std::to_string(r.books) + " verses=" +
                    std::to_string(r.stats.verses - r.empty_verses);
    for (int c = 0; c < kTagClasses; ++c)
        if (r.stats.tags[static_cast<size_t>(c)]) s += std::string(" ") + TagClassName(c) + "=" + std::to_string(r.stats.tags[static_cast<size_t>(c)]);
    if (r.stats.lemmas) s += " lemma=" + std::to_string(r.stats.lemmas);
    s += " repaired=" + std::to_string(r.stats.repaired);
    if (r.stats.substituted) s += " substituted=" + std::to_string(r.stats.substituted);
    if (r.stats.dropped_chars) s += " dropped=" + std::to_string(r.stats.dropped_chars);
    if (r.stats.unknown_refs) s += " unknown_refs=" + std::to_string(r.stats.unknown_refs);
    if (r.empty_verses) s += " empty=" + std::to_string(r.empty_verses);
    if (r.linked_verses) s += " linked=" + std::to_string(r.linked_verses);
    return s;
}

int ImportMain(const std::vector<std::string>& args) {
    // Lexicons have formats of their own.
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--format" && (args[i + 1] == "sword-lexicon" || args[i + 1] == "hebrew-strong"))
            return LexiconImportMain(args);
    ImportOptions opt;
    std::string error;
    if (!ParseImportArgs(args, opt, error)) {
        if (error.rfind("usage:", 0) == 0) error += "\n" + std::string("       sevir-modwriter import --format sword-lexicon|hebrew-strong ... (lexicons)");
        std::cerr << "sevir-modwriter import: " << error << "\n";
        return 2;
    }
    ImportResult result;
    if (!RunImport(opt, result, error)) {
        std::cerr << "sevir-modwriter import: " << error << "\n";
        return 1;
    }
    std::cout << SummaryLine(opt, result) << "\n";
    return 0;
}

}  // namespace importer
