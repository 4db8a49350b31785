// Turning the UTF-8 of the sources into the 8-bit text of modules.
#pragma once

#include <string>
#include <string_view>

#include "text/display_codes.h"

namespace importer {

// UTF-8 is decoded by the display-code layer's DecodeUtf8 (malformed
// sequences become U+FFFD, which has no 8-bit form and is counted as dropped).
using ::DecodeUtf8;

enum class Script { Latin, Hebrew, Greek, Other };
// The script a character belongs to, for splitting mixed text into runs.
Script ScriptOf(char32_t c);

struct EncodeStats {
    int substituted = 0;  // characters written as a near equivalent
    int dropped = 0;      // characters that have no 8-bit form at all
};

// Windows code page 1252. Characters outside it lose their diacritics
// ("ā" -> "a") or are replaced by the nearest plain form; what has none is
// dropped and counted.
std::string ToCp1252(std::u32string_view s, EncodeStats* stats = nullptr);

// Hebrew and Greek display codes, through the code tables of the display
// fonts. Hebrew comes in reading order; cantillation marks are dropped.
std::string ToHebrewCodes(std::u32string_view s, EncodeStats* stats = nullptr);
std::string ToGreekCodes(std::u32string_view s, EncodeStats* stats = nullptr);

}  // namespace importer
