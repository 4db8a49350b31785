#include "app/file_io.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

constexpr std::size_t kBufferSize = 8192;

int Seek64(std::FILE* f, int64_t offset)
{
#ifdef _WIN32
    return _fseeki64(f, offset, SEEK_SET);
#else
    return fseeko(f, static_cast<off_t>(offset), SEEK_SET);
#endif
}

int64_t SizeOf(std::FILE* f)
{
#ifdef _WIN32
    if (_fseeki64(f, 0, SEEK_END) != 0) return 0;
    int64_t size = _ftelli64(f);
#else
    if (fseeko(f, 0, SEEK_END) != 0) return 0;
    int64_t size = ftello(f);
#endif
    return size < 0 ? 0 : size;
}

} // namespace

// Either a stdio stream with a read buffer of its own, or a block in memory.
// Byte-wise reads are served from buf; the stream is only touched to refill.
struct SvFile {
    std::FILE* stream = nullptr;
    unsigned char* memory = nullptr;  // the whole file, for memory files
    int64_t size = 0;
    int64_t pos = 0;        // current read position
    int64_t buf_start = 0;  // file offset of buf[0]
    std::size_t buf_len = 0;
    unsigned char buf[kBufferSize];
};

SvFile* SvOpenRead(const char* path)
{
    if (!path || !*path) return nullptr;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return nullptr;
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return nullptr;
    SvFile* file = new (std::nothrow) SvFile;
    if (!file) {
        std::fclose(f);
        return nullptr;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);
    file->stream = f;
    file->size = SizeOf(f);
    return file;
}

SvFile* SvOpenMemory(const void* data, std::size_t size)
{
    SvFile* file = new (std::nothrow) SvFile;
    if (!file) return nullptr;
    file->memory = static_cast<unsigned char*>(std::malloc(size ? size : 1));
    if (!file->memory) {
        delete file;
        return nullptr;
    }
    if (size) std::memcpy(file->memory, data, size);
    file->size = static_cast<int64_t>(size);
    return file;
}

void SvClose(SvFile* file)
{
    if (!file) return;
    if (file->stream) std::fclose(file->stream);
    std::free(file->memory);
    delete file;
}

int SvSeek(SvFile* file, int64_t offset)
{
    if (!file || offset < 0) return -1;
    file->pos = offset;
    return 0;
}

int64_t SvTell(SvFile* file)
{
    return file ? file->pos : -1;
}

int64_t SvFileSize(SvFile* file)
{
    return file ? file->size : 0;
}

namespace {

// Loads the buffer so that it starts at the current position.
bool Refill(SvFile* file)
{
    if (file->pos >= file->size) return false;
    file->buf_start = file->pos;
    file->buf_len = 0;
    if (Seek64(file->stream, file->pos) != 0) return false;
    file->buf_len = std::fread(file->buf, 1, kBufferSize, file->stream);
    return file->buf_len > 0;
}

} // namespace

int SvGetc(SvFile* file)
{
    if (!file || file->pos >= file->size) return -1;
    if (file->memory) return file->memory[file->pos++];
    if (file->pos < file->buf_start || file->pos >= file->buf_start + static_cast<int64_t>(file->buf_len)) {
        if (!Refill(file)) return -1;
    }
    return file->buf[file->pos++ - file->buf_start];
}

std::size_t SvRead(SvFile* file, void* buffer, std::size_t count)
{
    if (!file || !buffer || file->pos >= file->size) return 0;
    int64_t left = file->size - file->pos;
    if (static_cast<int64_t>(count) > left) count = static_cast<std::size_t>(left);
    unsigned char* out = static_cast<unsigned char*>(buffer);
    if (file->memory) {
        std::memcpy(out, file->memory + file->pos, count);
        file->pos += static_cast<int64_t>(count);
        return count;
    }
    std::size_t done = 0;
    while (done < count) {
        int64_t buf_end = file->buf_start + static_cast<int64_t>(file->buf_len);
        if (file->pos >= file->buf_start && file->pos < buf_end) {
            std::size_t n = static_cast<std::size_t>(buf_end - file->pos);
            if (n > count - done) n = count - done;
            std::memcpy(out + done, file->buf + (file->pos - file->buf_start), n);
            done += n;
            file->pos += static_cast<int64_t>(n);
        } else if (count - done >= kBufferSize) {
            // Large reads go straight to the caller's memory.
            if (Seek64(file->stream, file->pos) != 0) break;
            std::size_t n = std::fread(out + done, 1, count - done, file->stream);
            if (n == 0) break;
            done += n;
            file->pos += static_cast<int64_t>(n);
        } else if (!Refill(file)) {
            break;
        }
    }
    return done;
}

int SvReadInt32At(SvFile* file, int64_t offset, int32_t* value)
{
    unsigned char b[4];
    if (SvSeek(file, offset) != 0 || SvRead(file, b, 4) != 4) return -1;
    uint32_t v = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                 (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    *value = static_cast<int32_t>(v);
    return 0;
}

int64_t SvFindMarker(SvFile* file, int64_t from, int64_t limit, char kind)
{
    if (!file || from < 0) return -1;
    const int64_t size = SvFileSize(file);
    if (limit < 0 || limit > size) limit = size;
    char block[2048];
    int64_t at = from;
    while (at < limit) {
        // The block may reach 2 bytes past limit so that a marker starting
        // just before it is seen whole.
        int64_t want = limit - at + 2;
        if (want > static_cast<int64_t>(sizeof block)) want = sizeof block;
        if (SvSeek(file, at) != 0) return -1;
        const std::size_t n = SvRead(file, block, static_cast<std::size_t>(want));
        if (n < 3) return -1;
        for (std::size_t i = 0; i + 3 <= n; ++i) {
            if (at + static_cast<int64_t>(i) >= limit) return -1;
            if (block[i] == '|' && block[i + 1] == 'S' && block[i + 2] == kind) return at + static_cast<int64_t>(i);
        }
        at += static_cast<int64_t>(n) - 2;
    }
    return -1;
}

int64_t SvFindMarkerBackward(SvFile* file, int64_t before, int64_t lowest, char kind)
{
    if (!file) return -1;
    if (lowest < 0) lowest = 0;
    int64_t end = std::min<int64_t>(before, SvFileSize(file));
    char block[1024];
    while (end - lowest >= 3) {
        const int64_t a = std::min<int64_t>(sizeof block, end - lowest);
        if (SvSeek(file, end - a) != 0) return -1;
        if (SvRead(file, block, static_cast<std::size_t>(a)) != static_cast<std::size_t>(a)) return -1;
        for (int64_t i = a - 3; i >= 0; --i)
            if (block[i] == '|' && block[i + 1] == 'S' && block[i + 2] == kind) return end - a + i;
        // The next block overlaps by 2 bytes so that a marker across the seam is seen whole.
        end -= a - 2;
    }
    return -1;
}

std::string SvJoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty()) return name;
    char last = dir.back();
    if (last == SV_PATH_SEPARATOR || last == '/') return dir + name;
    return dir + SV_PATH_SEPARATOR + name;
}

std::string SvCurrentDirectory()
{
    std::error_code ec;
    std::filesystem::path p = std::filesystem::current_path(ec);
    if (ec) return std::string(".");
    return p.string();
}

bool SvMatchPattern(const char* name, const char* pattern)
{
    // Iterative wildcard match with one backtracking point for the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        unsigned char n = static_cast<unsigned char>(*name);
        unsigned char p = static_cast<unsigned char>(*pattern);
        if (p == '*') {
            star = pattern++;
            resume = name;
        } else if (p && (p == '?' || std::tolower(p) == std::tolower(n))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

std::vector<std::string> SvListFiles(const std::string& dir, const char* pattern)
{
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec);
    if (ec) return names;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code type_ec;
        if (!it->is_regular_file(type_ec)) continue;
        std::string name = it->path().filename().string();
        if (SvMatchPattern(name.c_str(), pattern)) names.push_back(name);
    }
    return names;
}

int SvIsReadOnly(const std::string& path)
{
    std::error_code ec;
    std::filesystem::file_status st = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(st)) return 1;  // a failed query counts as read-only
    using std::filesystem::perms;
    return (st.permissions() & perms::owner_write) == perms::none ? 1 : 0;
}
