// Copying text into the fixed-size character fields of the records.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

// Copies src into dst of size bytes, cut to size - 1 characters, always
// terminated. A size of 0 writes nothing.
inline void CopyCut(char* dst, std::size_t size, const char* src)
{
    if (size == 0) return;
    std::size_t n = src ? std::strlen(src) : 0;
    if (n > size - 1) n = size - 1;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

// As above; the rest of the field is cleared too.
inline void CopyCut(char* dst, std::size_t size, const std::string& src)
{
    if (size == 0) return;
    std::memset(dst, 0, size);
    std::memcpy(dst, src.data(), src.size() < size - 1 ? src.size() : size - 1);
}
