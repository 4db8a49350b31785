// Entry point of sevir.exe.
#include <windows.h>

#include "app/win/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    return SevirMain(instance, show);
}
