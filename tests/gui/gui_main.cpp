// Runs the GUI tests and ends with the plain line "N passed, N failed".
#include <windows.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

class SummaryPrinter : public ::testing::EmptyTestEventListener {
    void OnTestProgramEnd(const ::testing::UnitTest& unit) override
    {
        std::printf("%d passed, %d failed\n", unit.successful_test_count(), unit.failed_test_count());
        std::fflush(stdout);
    }
};

// The tests run in a folder of their own, whose "sevir.cfg" keeps the
// program's defaults and is never written at exit; the language files of
// the folder the tests were started in go with them.
void MakeTestHome()
{
    char start[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof start, start);
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string home = std::string(temp) + "sevir-gui-home";
    CreateDirectoryA(home.c_str(), nullptr);
    CreateDirectoryA((home + "\\language").c_str(), nullptr);
    WIN32_FIND_DATAA fd;
    const std::string lang = std::string(start) + "\\language\\";
    HANDLE h = FindFirstFileA((lang + "*.lng").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do CopyFileA((lang + fd.cFileName).c_str(), (home + "\\language\\" + fd.cFileName).c_str(), FALSE);
        while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    if (FILE* f = std::fopen((home + "\\sevir.cfg").c_str(), "wb")) {
        std::fputs(";Configuration of the GUI tests.\r\nSaveOnExit=0\r\nNumChildWindows=0\r\n", f);
        std::fclose(f);
    }
    SetCurrentDirectoryA(home.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    MakeTestHome();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(color) = "no";
    ::testing::UnitTest::GetInstance()->listeners().Append(new SummaryPrinter);
    return RUN_ALL_TESTS();
}
