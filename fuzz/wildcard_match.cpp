// The three wildcard matchers over arbitrary text and pattern: the input is
// split at its first 0 byte into pattern and text. The results must stay in
// their bounds: end never reaches past the text.
#include <cstdint>
#include <cstring>
#include <string>

#include "text/matching.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const void* zero = std::memchr(bytes, 0, size);
    std::size_t split = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : size / 2;
    std::string wild(bytes, split);
    std::string text = split < size ? std::string(bytes + split + (zero ? 1 : 0), bytes + size) : std::string();
    text = text.c_str();  // up to its first 0 byte
    const int length = static_cast<int>(text.size());

    // Every start position, as a search tries them.
    for (int at = 0; at <= length; ++at) {
        const char* s = text.c_str() + at;
        int end = -2;
        int r = WildcardMatch(s, wild.c_str(), &end);
        if (r != 0 && r != 1) __builtin_trap();
        if (r == 1 && (end < 0 || end > length - at)) __builtin_trap();
        r = WildcardMatch2(s, wild.c_str(), &end);
        if (r != 0 && r != 1) __builtin_trap();
        if (r == 1 && (end < 0 || end > length - at)) __builtin_trap();
        r = WildcardMatchSubstring(s, wild.c_str(), &end);
        if (r != 0 && r != 1) __builtin_trap();
        if (r == 1 && (end < -1 || end >= length - at + (length - at == 0 ? 1 : 0))) __builtin_trap();
    }
    return 0;
}
