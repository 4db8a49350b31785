// The GUI test harness: the real frame and windows of sevir.exe, created in
// this process under Wine and driven by messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace gui {

// Pumps the program's messages (through the same filter chain as its message
// loop) until none arrives for idle_ms milliseconds, at most max_ms. Returns
// true when WM_QUIT was seen; its exit code goes to *exit_code.
bool PumpUntilIdle(int idle_ms = 30, int max_ms = 5000, int* exit_code = nullptr);

// A message box shown through the program's message-box function.
struct RecordedBox {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

// While it lives, every message box is recorded instead of shown and answered
// with `answer`.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = 1);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<RecordedBox>& boxes() const;
    void clear();
};

std::string WindowText(HWND hwnd);

// Saves what the screen shows in rc (screen coordinates), or of the whole
// window hwnd, as a 24-bit BMP file. Returns false when it could not.
bool SaveScreen(const RECT& rc, const std::string& path);
bool SaveWindowImage(HWND hwnd, const std::string& path);
std::string MenuItemText(HMENU menu, UINT position);

// Registers the program's window classes unless a test did already.
bool EnsureSevirClasses();

// Fixture: a fresh frame for every test, message boxes recorded.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND frame() const { return frame_; }
    MessageBoxRecorder& boxes() { return *boxes_; }

    // Sends WM_COMMAND id to the frame and pumps until idle.
    void Command(int id);

private:
    HWND frame_ = nullptr;
    MessageBoxRecorder* boxes_ = nullptr;
};

} // namespace gui
