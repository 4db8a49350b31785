#include "books/win/rich_text.h"

#include <richedit.h>

#include <cstring>

#include "app/records.h"
#include "books/rtf_tags.h"

namespace {

// Selects [left, right) without showing it, reads the character format of the
// selection and puts the old selection back.
CHARFORMATA ProbeFormat(HWND hwnd, int left, int right, DWORD mask)
{
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = mask;
    if (!hwnd) return cf;
    CHARRANGE saved{};
    SendMessageA(hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    SendMessageA(hwnd, EM_HIDESELECTION, TRUE, 0);
    SendMessageA(hwnd, EM_SETSEL, static_cast<WPARAM>(left), static_cast<LPARAM>(right));
    SendMessageA(hwnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    SendMessageA(hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    SendMessageA(hwnd, EM_HIDESELECTION, FALSE, 0);
    return cf;
}

} // namespace

int BK_ZobrazText(int id)
{
    if (id < 0 || id >= MAX_DATAWINDOWS) return 0;
    HWND edit = static_cast<HWND>(datawindow[id].hrichedit);
    if (!edit) return 0;
    SetWindowTextA(edit, "");
    bk_rtfdata.buffer[RTFDATA_BUFFER - 1] = '\0';
    bk_rtfdata.offset = 0;
    bk_rtfdata.count = static_cast<int32_t>(std::strlen(bk_rtfdata.buffer));
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&bk_rtfdata);
    stream.pfnCallback = BK_EditStreamCallback;
    SendMessageA(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return 1;
}

DWORD CALLBACK BK_EditStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    RTFDATA* data = cookie ? reinterpret_cast<RTFDATA*>(cookie) : &bk_rtfdata;
    LONG left = data->count - data->offset;
    if (left < 0) left = 0;
    LONG n = cb < left ? cb : left;
    if (n > 0) {
        std::memcpy(buffer, data->buffer + data->offset, static_cast<std::size_t>(n));
        data->offset += n;
    }
    if (pcb) *pcb = n > 0 ? n : 0;
    return 0;
}

int IsRTFUnderline(HWND hwnd, int position)
{
    CHARFORMATA cf = ProbeFormat(hwnd, position, position + 1, CFM_UNDERLINE);
    return (cf.dwMask & CFM_UNDERLINE) && (cf.dwEffects & CFE_UNDERLINE) ? 1 : 0;
}

int BK_IsRTFNewLine(HWND hwnd, int position)
{
    CHARFORMATA cf = ProbeFormat(hwnd, position, position + 1, CFM_COLOR);
    if (!(cf.dwMask & CFM_COLOR) || (cf.dwEffects & CFE_AUTOCOLOR)) return rtftag[RTF_LABEL].color == 0 ? 1 : 0;
    return cf.crTextColor == rtftag[RTF_LABEL].color ? 1 : 0;
}

int BK_IsRTFHebrew(HWND hwnd, int left, int right)
{
    CHARFORMATA cf = ProbeFormat(hwnd, left, right, CFM_FACE);
    return std::strcmp(cf.szFaceName, "HebrewUniversal") == 0 || std::strcmp(cf.szFaceName, "HebrewUniversalS") == 0
               ? 1
               : 0;
}

int BK_IsRTFGreek(HWND hwnd, int left, int right)
{
    CHARFORMATA cf = ProbeFormat(hwnd, left, right, CFM_FACE);
    return std::strcmp(cf.szFaceName, "GreekUniversal") == 0 ? 1 : 0;
}

int CompareFontRTF(HWND hwnd, const char* face, int position)
{
    if (!face) return 0;
    CHARFORMATA cf = ProbeFormat(hwnd, position, position + 1, CFM_FACE);
    return std::strcmp(cf.szFaceName, face) == 0 ? 1 : 0;
}

int FindRTFCharset(HWND hwnd, int left, int right)
{
    CHARFORMATA cf = ProbeFormat(hwnd, left, right, CFM_CHARSET);
    return cf.bCharSet;
}
