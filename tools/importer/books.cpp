#include "books.h"

#include <cctype>
#include <string>

namespace importer {

static const CanonBook kBooks[kCanonBooks] = {
#include "books_table.inc"
};

const CanonBook& Canon(int index_1_based) {
    if (index_1_based < 1 || index_1_based > kCanonBooks) return kBooks[0];
    return kBooks[index_1_based - 1];
}

int BookFromOsis(std::string_view osis) {
    for (int i = 0; i < kCanonBooks; ++i)
        if (osis == kBooks[i].osis) return i + 1;
    return 0;
}

int BookFromSwordName(std::string_view name) {
    for (int i = 0; i < kCanonBooks; ++i)
        if (name == kBooks[i].sword) return i + 1;
    return 0;
}

// Lower case, blanks dropped, leading roman numerals I/II/III as digits.
static std::string Key(std::string_view s) {
    std::string k;
    for (char c : s)
        if (c != ' ' && c != '.') k += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (k.rfind("iii", 0) == 0 && k.size() > 3) k = "3" + k.substr(3);
    else if (k.rfind("ii", 0) == 0 && k.size() > 2 && k != "ii") k = "2" + k.substr(2);
    else if (k.size() > 1 && k[0] == 'i' && k[1] != 's') k = "1" + k.substr(1);
    return k;
}

int BookFromReferenceText(std::string_view text, size_t* used) {
    // The book name is everything before the first blank that is followed by
    // a digit ("2 Kings 23:21": "2 Kings").
    size_t end = 0;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == ' ' && std::isdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isalpha(static_cast<unsigned char>(text[i - 1]))) {
            end = i;
            break;
        }
    }
    if (end == 0) return 0;
    std::string key = Key(text.substr(0, end));
    if (key == "psalm") key = "psalms";
    if (key == "songofsongs") key = "songofsolomon";
    if (key == "revelation") key = "revelationofjohn";
    for (int i = 0; i < kCanonBooks; ++i) {
        if (key == Key(kBooks[i].sword) || key == Key(kBooks[i].english) || key == Key(kBooks[i].osis) ||
            key == Key(kBooks[i].english_abbr)) {
            if (used) *used = end + 1;
            return i + 1;
        }
    }
    return 0;
}

}  // namespace importer
