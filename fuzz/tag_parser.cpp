// Arbitrary verse text through the tag parser, with show flags, mode and
// output capacity taken from the first bytes of the input.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/message.h"
#include "app/records.h"
#include "books/rtf_tags.h"
#include "books/tag_parser.h"

namespace {

int Quiet(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

BOOK_INFO g_books[1] = {{"Genesis", "Gn", "OTGen", 0, 0, 50}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = [] {
        ResetGlobalRecords();
        SetMessageBoxHandler(Quiet);
        return true;
    }();
    (void)ready;
    if (size < 3) return 0;
    uint8_t flags = data[0];
    uint8_t more = data[1];
    DATAWINDOW& w = datawindow[0];
    w.language = (more & 3) == 3 ? 0 : more & 3;
    w.show_tag_preface = flags & 1;
    w.show_tag_christ = (flags >> 1) & 1;
    w.show_tag_note = (flags >> 2) & 1;
    w.show_tag_variant = (flags >> 3) & 1;
    w.show_tag_unused = (flags >> 4) & 1;
    w.show_tag_reference = (flags >> 5) & 1;
    w.show_tag_strong_hebrew = (flags >> 6) & 1;
    w.show_tag_strong_greek = (flags >> 7) & 1;
    w.show_tag_morph_greek = (more >> 2) & 1;
    w.morph_line = (more >> 3) & 1;
    // Morphology codes decoded in one of the coding systems (0 to 3).
    status.opt_decode_morphology = (data[2] >> 6) & 1;
    w.tag_morph_greek_type = data[2] & 3;
    w.books = 1;
    w.book_info = g_books;
    int mode = (more >> 4) & 1;
    int capacity = 2048 + static_cast<int>(data[2]) * 64;

    std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
    std::vector<char> out(static_cast<std::size_t>(capacity));
    int end = BK_ParseTagsCZ(text.c_str(), 0, out.data(), capacity, static_cast<int>(more >> 5) * 8, mode);
    if (end < 0 || end > capacity) __builtin_trap();
    return 0;
}
