#include "app/win/file_dialog.h"

#include <commdlg.h>

namespace {

FileDialogHandler g_handler = nullptr;

using GetFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The common-dialog library is loaded only for the call.
int RunDialog(FileDialogMode mode, HWND owner, char* buffer, int size, const char* filter, const char* default_ext)
{
    HMODULE lib = LoadLibraryA("comdlg32.dll");
    if (!lib) return 0;
    auto fn = reinterpret_cast<GetFileNameFn>(reinterpret_cast<void*>(
        GetProcAddress(lib, mode == FILE_DIALOG_OPEN ? "GetOpenFileNameA" : "GetSaveFileNameA")));
    int result = 0;
    if (fn) {
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = filter;
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = static_cast<DWORD>(size);
        ofn.lpstrDefExt = default_ext;
        ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (mode == FILE_DIALOG_OPEN)
            ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
        else
            ofn.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        result = fn(&ofn) ? 1 : 0;
    }
    FreeLibrary(lib);
    return result;
}

int Ask(FileDialogMode mode, HWND owner, char* buffer, int size, const char* filter, const char* default_ext)
{
    if (!buffer || size <= 0) return 0;
    if (mode == FILE_DIALOG_OPEN) buffer[0] = '\0';  // the open dialog starts empty
    buffer[size - 1] = '\0';
    int result = g_handler ? g_handler(mode, owner, buffer, size, filter)
                           : RunDialog(mode, owner, buffer, size, filter, default_ext);
    buffer[size - 1] = '\0';
    if (!result) buffer[0] = '\0';
    return result ? 1 : 0;
}

} // namespace

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler)
{
    FileDialogHandler previous = g_handler;
    g_handler = handler;
    return previous;
}

int Nazev_souboru_Open(HWND hwnd, char* buffer, int size, const char* filter)
{
    return Ask(FILE_DIALOG_OPEN, hwnd, buffer, size, filter, nullptr);
}

int Nazev_souboru_Save(HWND hwnd, char* buffer, int size, const char* filter, const char* default_ext)
{
    return Ask(FILE_DIALOG_SAVE, hwnd, buffer, size, filter, default_ext);
}
