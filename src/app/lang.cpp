#include "app/lang.h"

#include <cstring>

#include "app/builtin_strings.h"

int LANG_LoadString(void*, int id, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    const char* text = BuiltinString(id);
    if (!text) text = "";
    std::size_t n = std::strlen(text);
    if (n > static_cast<std::size_t>(size - 1)) n = static_cast<std::size_t>(size - 1);
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}
