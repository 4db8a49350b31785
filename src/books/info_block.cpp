#include "books/info_block.h"

#include <cstdlib>
#include <cstring>

#include "app/file_io.h"

InfoBlock::~InfoBlock()
{
    std::free(data);
}

int ReadInfoBlock(SvFile* file, int32_t begin, int32_t end, InfoBlock* block, bool* alloc_failed)
{
    if (alloc_failed) *alloc_failed = false;
    if (!file || !block || begin < 0 || end < begin || end > SvFileSize(file)) return 0;
    std::size_t size = static_cast<std::size_t>(end - begin);
    char* data = static_cast<char*>(std::malloc(size + 1));
    if (!data) {
        if (alloc_failed) *alloc_failed = true;
        return 0;
    }
    if (SvSeek(file, begin) != 0 || SvRead(file, data, size) != size) {
        std::free(data);
        return 0;
    }
    data[size] = '\0';
    std::free(block->data);
    block->data = data;
    block->size = size;
    return 1;
}

int GetInfoItem(const InfoBlock& block, const char* key, char* out, std::size_t size)
{
    if (!out || size == 0) return 0;
    std::memset(out, 0, size);
    if (!block.data || !key || std::strlen(key) != 3 || block.size < 3) return 0;
    const char* data = block.data;
    const std::size_t n = block.size;
    for (std::size_t i = 0; i + 3 <= n; ++i) {
        if (data[i] != key[0] || data[i + 1] != key[1] || data[i + 2] != key[2]) continue;
        std::size_t k = 0;
        for (std::size_t j = i + 3; j < n && data[j] != '|' && k + 1 < size; ++j) out[k++] = data[j];
        return 1;
    }
    return 0;
}
