// Runs the GUI tests and ends with the plain line "N passed, N failed".
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

class SummaryPrinter : public ::testing::EmptyTestEventListener {
    void OnTestProgramEnd(const ::testing::UnitTest& unit) override
    {
        std::printf("%d passed, %d failed\n", unit.successful_test_count(), unit.failed_test_count());
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(color) = "no";
    ::testing::UnitTest::GetInstance()->listeners().Append(new SummaryPrinter);
    return RUN_ALL_TESTS();
}
