#include "lex/win/lex_hits.h"

#include <windows.h>

#include "app/records.h"
#include "app/win/frame_controls.h"
#include "lex/lex_list.h"
#include "lex/win/lex_window.h"

void LX_ShowSearchResults(int id)
{
    if (id < 0 || id >= status.num_windows || id >= MAX_DATAWINDOWS) return;
    DATAWINDOW& w = datawindow[id];
    if (w.type != MODULE_LEXICON || !w.lx_radek) return;
    // The list starts at the first record the search found.
    if (!LX_NaplnRadky(id, 1)) return;
    LX_Redisplay(id);
    if (w.lx_hcomboEdit) InvalidateRect(static_cast<HWND>(w.lx_hcomboEdit), nullptr, TRUE);
    if (status.bk_last_book == id) UpdateStatusBar(id, -1);
}
