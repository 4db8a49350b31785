// Records of dictionary windows.
#pragma once

#include <cstdint>

// One line of the dictionary's word lists.
struct DIC_RADEK {
    int32_t record;
    int32_t offset;
    int32_t delka;
    char from[128];
    char to[128];
    char note[2];
};
