#include "app/message.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Box {
    std::string text, caption;
    unsigned flags;
};
std::vector<Box> g_seen;
int Recorder(void*, const char* text, const char* caption, unsigned flags)
{
    g_seen.push_back({text, caption, flags});
    return SV_IDNO;
}

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_seen.clear();
        previous_ = SetMessageBoxHandler(Recorder);
    }
    void TearDown() override { SetMessageBoxHandler(previous_); }
    MessageBoxHandler previous_ = nullptr;
};

} // namespace

TEST_F(MessageTest, BoxesByNumberAreFilledAndGoThroughTheHandler)
{
    EXPECT_EQ(ShowMessageBoxId(nullptr, 10004, 10005, SV_MB_OK, 30), SV_IDNO);
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].text, "Maximum number of opened windows can be 30");
    EXPECT_EQ(g_seen[0].caption, "Warning");

    ShowMessageBoxId(nullptr, 10008, 10009, SV_MB_OK | SV_MB_ICONERROR, "kjv.sbk");
    EXPECT_EQ(g_seen[1].text, "Error happened when openning file kjv.sbk. Operation will be terminated.");
    EXPECT_EQ(g_seen[1].flags, static_cast<unsigned>(SV_MB_OK | SV_MB_ICONERROR));
}

TEST_F(MessageTest, ReportBugUsesTheThreeCaptionsAndClampsTheLevel)
{
    EXPECT_EQ(ReportBug(0, "a"), 1);
    ReportBug(1, "b");
    ReportBug(2, "c");
    ReportBug(7, "d");
    ASSERT_EQ(g_seen.size(), 4u);
    EXPECT_EQ(g_seen[0].caption, "BUG REPORT: Error level 0 (Fatal errors)");
    EXPECT_EQ(g_seen[1].caption, "BUG REPORT: Error level 1 (Serious errors)");
    EXPECT_EQ(g_seen[2].caption, "BUG REPORT: Error level 2 (Errors)");
    EXPECT_EQ(g_seen[3].caption, "BUG REPORT: Error level 2 (Errors)");
    EXPECT_EQ(g_seen[0].text, "a");
}

TEST(MessageDefault, PrintsCaptionAndTextToStderrAndAnswersTheFirstButton)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox(nullptr, "File is corrupted!", "Error in file", SV_MB_OK), SV_IDOK);
    EXPECT_EQ(ShowMessageBox(nullptr, "Save?", "Verse list", SV_MB_YESNOCANCEL), SV_IDYES);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error in file: File is corrupted!\nVerse list: Save?\n");
}
