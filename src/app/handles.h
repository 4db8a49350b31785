// Handles of window-system objects. The portable code only stores them and
// passes them along; the Win32 layer casts them to HWND, HFONT, HTREEITEM, ...
#pragma once

#include <cstdint>

using WINDOW_HANDLE = void*;    // HWND
using FONT_HANDLE = void*;      // HFONT
using TREEITEM_HANDLE = void*;  // HTREEITEM
using PROC_HANDLE = void*;      // a window procedure (WNDPROC)
using SOUND_HANDLE = void*;     // a stream or sample of the sound library

// A rectangle laid out as the Windows RECT.
struct SV_RECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
