#include "lex/key_list.h"

#include <cstring>

int32_t FilterFindValid(const char* filter, int32_t count, int32_t record, int direction)
{
    if (!filter || count <= 0) return 0;
    if (direction == 0) {
        if (record < 1) record = 1;
        for (int32_t r = record; r <= count; ++r)
            if (filter[r - 1] == 0) return r;
    } else {
        if (record > count) record = count;
        for (int32_t r = record; r >= 1; --r)
            if (filter[r - 1] == 0) return r;
    }
    return 0;
}

int FilterIsValid(const char* filter, int32_t count, int32_t record)
{
    return filter && record >= 1 && record <= count && filter[record - 1] == 0 ? 1 : 0;
}

int32_t FilterOrder(const char* filter, int32_t count, int32_t record)
{
    if (!filter) return 0;
    if (record > count) record = count;
    int32_t n = 0;
    for (int32_t r = 1; r <= record; ++r)
        if (filter[r - 1] == 0) ++n;
    return n;
}

int PattHistAdd(PATT_HIST* history, int32_t* count, int capacity, const char* pattern, int32_t type)
{
    if (!history || !count || !pattern || capacity <= 0) return 0;
    char cut[sizeof history[0].pattern];
    std::strncpy(cut, pattern, sizeof cut - 1);
    cut[sizeof cut - 1] = '\0';
    if (*count < 0) *count = 0;
    if (*count > capacity) *count = capacity;
    for (int32_t i = 0; i < *count; ++i)
        if (std::strcmp(history[i].pattern, cut) == 0) return 0;
    if (*count < capacity) ++*count;
    for (int32_t i = *count - 1; i > 0; --i) history[i] = history[i - 1];
    std::memset(&history[0], 0, sizeof history[0]);
    std::memcpy(history[0].pattern, cut, sizeof cut);
    history[0].type = type;
    return 1;
}
