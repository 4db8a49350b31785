// StripTags in every mode over arbitrary records: the length never changes,
// and vowel folding and the removal of masked bytes never grow the text.
#include <cstdint>
#include <cstring>
#include <string>

#include "text/matching.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string record(reinterpret_cast<const char*>(data), size);
    record = record.c_str();
    const std::size_t length = record.size();
    for (int mode = -4; mode <= -1; ++mode) {
        std::string buf = record;
        StripTags(buf.data(), buf.data(), mode);
        if (std::strlen(buf.c_str()) != length) __builtin_trap();
        for (std::size_t i = 0; i < length; ++i)
            if (buf[i] != record[i] && buf[i] != '\x01') __builtin_trap();
        StripIgnoreTags(buf.data(), buf.data());
        if (std::strlen(buf.c_str()) > length) __builtin_trap();
    }
    std::string folded = record;
    Strip_he_vocals(folded.data(), folded.data());
    std::string again = folded.c_str();
    Strip_he_vocals(again.data(), again.data());
    if (std::strcmp(again.c_str(), folded.c_str()) != 0) __builtin_trap();
    return 0;
}
