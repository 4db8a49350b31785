// Arbitrary bytes as UTF-8 text through the conversion to display codes, and
// as display codes back to Unicode, for both scripts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/display_codes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::u32string text = DecodeUtf8(bytes);
    for (int script : {SV_SCRIPT_HEBREW, SV_SCRIPT_GREEK}) {
        std::string codes;
        DISPLAY_CONVERSION r = UnicodeToDisplay(script, text, codes);
        if (r.dropped < 0 || codes.size() > text.size() * 4 + 4) __builtin_trap();
        std::u32string back;
        DisplayToUnicode(script, bytes, back);
        if (back.size() > size * 4) __builtin_trap();
    }
    if (DecodeUtf8(EncodeUtf8(text)) != text) __builtin_trap();
    return 0;
}
