#include "app/web_addresses.h"

#include <cstring>

int ZdvojLomitka(char* text, int max)
{
    if (!text) return 0;
    const std::size_t length = std::strlen(text);
    std::size_t slashes = 0;
    for (const char* p = text; *p; ++p)
        if (*p == '\\') ++slashes;
    if (max <= 0 || length + slashes >= static_cast<std::size_t>(max)) return 0;
    // From the end, so that every character moves once.
    std::size_t out = length + slashes;
    text[out] = '\0';
    for (std::size_t in = length; in-- > 0;) {
        text[--out] = text[in];
        if (text[in] == '\\') text[--out] = '\\';
    }
    return 1;
}
