// Read-only media detection and the Windows directory.
#include <windows.h>

#include <cstring>
#include <string>

#include "app/catalogue.h"
#include "app/startup.h"

int IsSevirMediaReadOnly()
{
    char dir[MAX_PATH + 1] = {};
    DWORD n = GetCurrentDirectoryA(sizeof dir, dir);
    if (n == 0 || n >= sizeof dir) return 1;
    // The drive's root: everything up to and including the first backslash.
    char* slash = std::strchr(dir, '\\');
    if (slash) slash[1] = '\0';
    DWORD attributes = GetFileAttributesA(dir);  // INVALID_FILE_ATTRIBUTES has every bit set
    return (attributes & FILE_ATTRIBUTE_READONLY) ? 1 : 0;
}

std::string SvWindowsDirectory()
{
    char dir[MAX_PATH + 1] = {};
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) return std::string("C:\\Windows");
    return std::string(dir);
}
