// The 66 books of the canon as the importer names them: sync name, the OSIS
// identifier and the English name SWORD exports use, and the names and
// abbreviations written into the book tables of the modules it makes.
#pragma once

#include <string_view>

namespace importer {

struct CanonBook {
    const char* sync_name;    // "OTGen"
    const char* osis;         // "Gen"
    const char* sword;        // "Genesis", "I Samuel"
    const char* english;      // "Genesis"
    const char* english_abbr; // "Gen"
    const char* spanish;      // "Génesis" (UTF-8)
    const char* spanish_abbr; // "Gn"
    const char* hebrew;       // "Bereshit"
    const char* greek;        // "Kata Matthaion"
};

constexpr int kCanonBooks = 66;

// Books 1..66 in canonical order; index 0 is book 1.
const CanonBook& Canon(int index_1_based);

// 1..66, or 0 when the name is not one of the canon's books.
int BookFromOsis(std::string_view osis);
int BookFromSwordName(std::string_view name);

// Recognises the book at the start of a reference such as "Exodus 30:12",
// "1 John 2:3", "Ps 23:1" or "II Kings 5:1"; returns 0 when none does, else the
// book and the number of characters it took.
int BookFromReferenceText(std::string_view text, size_t* used);

}  // namespace importer
