// A small portable file layer: binary read-only files with buffered byte
// reads, file sizes, directory listings and the read-only attribute.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SvFile;  // an open file; the reader owns a buffer for byte-wise reads

// Opens a file for binary reading; null when it cannot be opened.
SvFile* SvOpenRead(const char* path);
void SvClose(SvFile* file);

// Positions and reads. SvSeek returns 0 on success. SvGetc returns the next
// byte (0..255) or -1 at end of file; SvRead returns the bytes read.
int SvSeek(SvFile* file, int64_t offset);
int64_t SvTell(SvFile* file);
int SvGetc(SvFile* file);
std::size_t SvRead(SvFile* file, void* buffer, std::size_t count);
int64_t SvFileSize(SvFile* file);

// <dir><separator><name>, with the platform's separator ("\" on Windows).
std::string SvJoinPath(const std::string& dir, const std::string& name);

// Names of the regular files in dir whose names match pattern ("*.sbk"),
// compared without regard to case as on Windows, in the order in which the
// file system lists them.
std::vector<std::string> SvListFiles(const std::string& dir, const char* pattern);

// 1 when the path carries the read-only attribute (not writable), else 0.
int SvIsReadOnly(const std::string& path);
