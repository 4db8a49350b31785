#include "harness.h"

#include <cstdio>

#include "app/message.h"
#include "app/win/main_window.h"

namespace gui {

namespace {

std::vector<RecordedBox> g_boxes;
int g_answer = 1;
MessageBoxHandler g_previous = nullptr;

int Record(void*, const char* text, const char* caption, unsigned flags)
{
    g_boxes.push_back(RecordedBox{text ? text : "", caption ? caption : "", flags});
    return g_answer;
}

} // namespace

MessageBoxRecorder::MessageBoxRecorder(int answer)
{
    g_answer = answer;
    g_boxes.clear();
    g_previous = SetMessageBoxHandler(Record);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(g_previous);
    g_boxes.clear();
}

const std::vector<RecordedBox>& MessageBoxRecorder::boxes() const { return g_boxes; }
void MessageBoxRecorder::clear() { g_boxes.clear(); }

bool PumpUntilIdle(int idle_ms, int max_ms, int* exit_code)
{
    DWORD start = GetTickCount();
    DWORD last = start;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                if (exit_code) *exit_code = static_cast<int>(msg.wParam);
                return true;
            }
            ProcessSevirMessage(&msg);
            last = GetTickCount();
        }
        DWORD now = GetTickCount();
        if (now - last >= static_cast<DWORD>(idle_ms) || now - start >= static_cast<DWORD>(max_ms)) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

std::string WindowText(HWND hwnd)
{
    char buf[512] = {};
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

std::string MenuItemText(HMENU menu, UINT position)
{
    char buf[256] = {};
    GetMenuStringA(menu, position, buf, sizeof buf, MF_BYPOSITION);
    return buf;
}

bool EnsureSevirClasses()
{
    WNDCLASSEXA known = {};
    known.cbSize = sizeof known;
    return GetClassInfoExA(GetModuleHandleA(nullptr), kMainClassName, &known) ||
           RegisterSevirClasses(GetModuleHandleA(nullptr));
}

void FrameTest::SetUp()
{
    boxes_ = new MessageBoxRecorder();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    hInst = instance;
    ASSERT_TRUE(EnsureSevirClasses());
    bool aborted = false;
    frame_ = CreateSevirFrame(instance, &aborted);
    ASSERT_NE(frame_, nullptr);
    ASSERT_FALSE(aborted);
    ShowWindow(frame_, SW_SHOWNORMAL);
    UpdateWindow(frame_);
    PumpUntilIdle();
}

void FrameTest::TearDown()
{
    if (frame_ && IsWindow(frame_)) {
        DestroyWindow(frame_);
    }
    PumpUntilIdle(10, 2000);
    frame_ = nullptr;
    delete boxes_;
    boxes_ = nullptr;
}

void FrameTest::Command(int id)
{
    SendMessageA(frame_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpUntilIdle();
}

bool SaveScreen(const RECT& rc, const std::string& path)
{
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(mem, old);
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * h);
    bool ok = false;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        ok = std::fwrite(&fh, sizeof fh, 1, f) == 1 && std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
             std::fwrite(bits, static_cast<std::size_t>(stride * h), 1, f) == 1;
        std::fclose(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool SaveWindowImage(HWND hwnd, const std::string& path)
{
    RECT rc;
    if (!GetWindowRect(hwnd, &rc)) return false;
    return SaveScreen(rc, path);
}

} // namespace gui
