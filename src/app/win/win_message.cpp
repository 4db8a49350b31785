#include "app/win/win_message.h"

#include <windows.h>

#include "app/message.h"
#include "app/win/main_window.h"

namespace {

int Win32MessageBox(void* owner, const char* text, const char* caption, unsigned flags)
{
    HWND parent = owner ? static_cast<HWND>(owner) : hMain;
    if (parent && !IsWindow(parent)) parent = nullptr;
    return MessageBoxA(parent, text, caption, flags);
}

} // namespace

void InstallWin32MessageBox()
{
    SetMessageBoxHandler(Win32MessageBox);
}
