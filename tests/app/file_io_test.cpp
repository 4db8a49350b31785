#include "app/file_io.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string TempDir(const char* name)
{
    const char* base = std::getenv("SEVIR_TEST_TMP");
    fs::path dir = fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(FileIoTest, PatternsMatchWithoutRegardToCase)
{
    EXPECT_TRUE(SvMatchPattern("kjv.sbk", "*.sbk"));
    EXPECT_TRUE(SvMatchPattern("KJV.SBK", "*.sbk"));
    EXPECT_TRUE(SvMatchPattern("a.b.Sbk", "*.sbk"));
    EXPECT_TRUE(SvMatchPattern(".sbk", "*.sbk"));
    EXPECT_FALSE(SvMatchPattern("kjv.sbk.bak", "*.sbk"));
    EXPECT_FALSE(SvMatchPattern("kjv.sb", "*.sbk"));
    EXPECT_TRUE(SvMatchPattern("x1.lex", "x?.LEX"));
    EXPECT_FALSE(SvMatchPattern("x12.lex", "x?.lex"));

    std::string dir = TempDir("listing");
    for (const char* name : {"a.sbk", "B.SBK", "c.Sbk", "d.lex", "e.sbk.old"}) WriteFile(dir + "/" + name, "x");
    fs::create_directory(dir + "/dir.sbk");
    std::vector<std::string> names = SvListFiles(dir, "*.sbk");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.SBK", "a.sbk", "c.Sbk"}));
    EXPECT_TRUE(SvListFiles(dir + "/missing", "*.sbk").empty());
}

TEST(FileIoTest, BufferedReadsSeeTheFileAsItIs)
{
    std::string bytes;
    for (int i = 0; i < 30000; ++i) bytes += static_cast<char>((i * 7 + i / 251) & 0xFF);
    std::string path = TempDir("reads") + "/f.bin";
    WriteFile(path, bytes);
    for (SvFile* f : {SvOpenRead(path.c_str()), SvOpenMemory(bytes.data(), bytes.size())}) {
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(SvFileSize(f), 30000);
        // Byte by byte across the buffer boundaries.
        SvSeek(f, 8000);
        for (int i = 8000; i < 17000; ++i) ASSERT_EQ(SvGetc(f), static_cast<unsigned char>(bytes[i])) << i;
        EXPECT_EQ(SvTell(f), 17000);
        // Mixed reads after seeks backwards and forwards, small and large.
        struct Step {
            int64_t at;
            std::size_t n;
        } steps[] = {{29990, 100}, {5, 3}, {100, 20000}, {8190, 4}, {0, 1}, {29999, 1}};
        for (const Step& s : steps) {
            std::string got(s.n, '\0');
            ASSERT_EQ(SvSeek(f, s.at), 0);
            std::size_t n = SvRead(f, got.data(), s.n);
            std::size_t want = std::min<std::size_t>(s.n, bytes.size() - static_cast<std::size_t>(s.at));
            ASSERT_EQ(n, want);
            EXPECT_EQ(got.substr(0, n), bytes.substr(static_cast<std::size_t>(s.at), n));
        }
        EXPECT_EQ(SvGetc(f), -1);  // at the end
        SvSeek(f, 40000);
        EXPECT_EQ(SvGetc(f), -1);
        EXPECT_EQ(SvSeek(f, -1), -1);
        int32_t v = 0;
        EXPECT_EQ(SvReadInt32At(f, 29998, &v), -1);
        ASSERT_EQ(SvReadInt32At(f, 0, &v), 0);
        EXPECT_EQ(static_cast<uint32_t>(v), 0x15'0E'07'00u);
        SvClose(f);
    }
    EXPECT_EQ(SvOpenRead((path + ".missing").c_str()), nullptr);
    EXPECT_EQ(SvGetc(nullptr), -1);
}

TEST(FileIoTest, PathsAndTheReadOnlyAttribute)
{
    EXPECT_EQ(SvJoinPath("/x/y", "data"), "/x/y/data");
    EXPECT_EQ(SvJoinPath("/x/y/", "data"), "/x/y/data");
    std::string dir = TempDir("readonly");
    EXPECT_EQ(SvIsReadOnly(dir), 0);
    fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(SvIsReadOnly(dir), 1);
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(SvIsReadOnly(dir + "/missing"), 1);  // a failed query counts as read-only
}

TEST(FileIo, RecordMarkersAreFoundAcrossBlockSeamsInBothDirections)
{
    // Markers at every position around the read blocks' seams (2048 forward,
    // 1024 backward), with "|S1" decoys of another kind.
    for (int64_t at : {0, 1, 1021, 1022, 1023, 2045, 2046, 2047, 4000}) {
        std::string bytes(5000, 'x');
        bytes.replace(static_cast<std::size_t>(at), 3, "|S2");
        bytes.replace(4500, 3, "|S1");
        SvFile* f = SvOpenMemory(bytes.data(), bytes.size());
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(SvFindMarker(f, 0, -1, '2'), at);
        EXPECT_EQ(SvFindMarker(f, at + 1, -1, '2'), -1);
        EXPECT_EQ(SvFindMarker(f, 0, at, '2'), -1);      // starts at the limit: outside
        EXPECT_EQ(SvFindMarker(f, 0, at + 1, '2'), at);  // may end past the limit
        EXPECT_EQ(SvFindMarkerBackward(f, 5000, 0, '2'), at);
        EXPECT_EQ(SvFindMarkerBackward(f, at + 3, at, '2'), at);
        EXPECT_EQ(SvFindMarkerBackward(f, at + 2, 0, '2'), -1);  // must lie wholly before
        EXPECT_EQ(SvFindMarkerBackward(f, 5000, at + 1, '2'), -1);
        EXPECT_EQ(SvFindMarkerBackward(f, 5000, 0, '1'), 4500);
        SvClose(f);
    }
}
