// A small portable file layer: binary read-only files with buffered byte
// reads, file sizes, directory listings and the read-only attribute.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SvFile;  // an open file; the reader owns a buffer for byte-wise reads

// Opens a file for binary reading; null when it cannot be opened.
SvFile* SvOpenRead(const char* path);
// A read-only file over a copy of size bytes of data (tests, fuzzing).
SvFile* SvOpenMemory(const void* data, std::size_t size);
void SvClose(SvFile* file);

// Positions and reads. SvSeek returns 0 on success (a negative offset fails).
// SvGetc returns the next byte (0..255) or -1 at end of file; SvRead returns
// the bytes read. Reads at or past the end of the file read nothing.
int SvSeek(SvFile* file, int64_t offset);
int64_t SvTell(SvFile* file);
int SvGetc(SvFile* file);
std::size_t SvRead(SvFile* file, void* buffer, std::size_t count);
int64_t SvFileSize(SvFile* file);

// Reads a 32-bit signed little-endian integer at offset; 0 on success.
int SvReadInt32At(SvFile* file, int64_t offset, int32_t* value);

// Record markers of the module files: "|S0" books, "|S1" lexicons, "|S2"
// dictionaries. The first marker "|S<kind>" starting at or after from and
// before limit (limit < 0: the end of the file), or -1.
int64_t SvFindMarker(SvFile* file, int64_t from, int64_t limit, char kind);
// The last marker lying wholly inside [lowest, before), or -1.
int64_t SvFindMarkerBackward(SvFile* file, int64_t before, int64_t lowest, char kind);

// The platform's path separator.
#ifdef _WIN32
constexpr char SV_PATH_SEPARATOR = '\\';
#else
constexpr char SV_PATH_SEPARATOR = '/';
#endif

// <dir><separator><name>, with the platform's separator ("\" on Windows).
std::string SvJoinPath(const std::string& dir, const std::string& name);

// The process's current directory, without a trailing separator (except for
// a root such as "/" or "C:\").
std::string SvCurrentDirectory();

// Names of the regular files in dir whose names match pattern ("*.sbk"),
// compared without regard to case as on Windows, in the order in which the
// file system lists them. A missing directory gives an empty list.
std::vector<std::string> SvListFiles(const std::string& dir, const char* pattern);

// Wildcard match of a file name ('*' any run, '?' one character), without
// regard to case.
bool SvMatchPattern(const char* name, const char* pattern);

// 1 when the path carries the read-only attribute (not writable), else 0.
int SvIsReadOnly(const std::string& path);
