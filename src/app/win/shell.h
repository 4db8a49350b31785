// Opening a web page, and the anchoring of dialog controls on resize.
#pragma once

#include <windows.h>

// Opens url in the browser: through the shell, else through the program
// registered for ".htm". Returns 1 on success.
int ShowURL(const char* url);

// Anchoring flags of dialog controls.
enum : UINT {
    DAI_TOP = 0x1,
    DAI_LEFT = 0x2,
    DAI_RIGHT = 0x4,
    DAI_BOTTOM = 0x8,
    DAI_LEFT_CENTER = 0x1000,
    DAI_RIGHT_CENTER = 0x2000,
    DAI_BOTTOM_CENTER = 0x4000,
    DAI_TOP_CENTER = 0x8000,
    DAI_SNAP_TOP = 0x100,
    DAI_SNAP_LEFT = 0x200,
    DAI_SNAP_RIGHT = 0x400,
    DAI_SNAP_BOTTOM = 0x800,
};

// One anchored control; the list ends in an empty sentinel node.
struct _DlgAncItem {
    HWND hDlg;
    RECT m_pRect;  // the dialog's client rectangle at the last layout
    HWND hWnd;     // the control
    UINT uFlag;
    RECT pRect;    // the control in dialog client coordinates
    _DlgAncItem* pNext;
};

_DlgAncItem* DAI_Init(_DlgAncItem* list, HWND hDlg);
_DlgAncItem* DAI_Add(_DlgAncItem* list, HWND hDlg, int control, UINT flags);
int DAI_Update(_DlgAncItem* list, HWND hDlg, int control);
int DAI_Remove(_DlgAncItem* list, HWND hDlg, int control);
int DAI_OnSize(_DlgAncItem* list, HWND hDlg, BOOL repaint);
void DAI_Free(_DlgAncItem* list);
