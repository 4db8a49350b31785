#include "cmdline/sync_names.h"

#include <cstring>

#include "app/records.h"

const char g_verse_sort[SYNC_NAME_COUNT][8] = {
    "OTGen",   "OTExod",  "OTLev",   "OTNum",   "OTDeut",  "OTJosh",  "OTJudg",  "OTRuth",  "OT1Sam",
    "OT2Sam",  "OT1Kgs",  "OT2Kgs",  "OT1Chr",  "OT2Chr",  "OTEzra",  "OTNeh",   "OTEsth",  "OTJob",
    "OTPss",   "OTProv",  "OTQoh",   "OTCant",  "OTIsa",   "OTJer",   "OTLam",   "OTEzek",  "OTDan",
    "OTHos",   "OTJoel",  "OTAmos",  "OTObad",  "OTJonah", "OTMic",   "OTNahum", "OTHab",   "OTZeph",
    "OTHag",   "OTZech",  "OTMal",   "NTMatt",  "NTMark",  "NTLuke",  "NTJohn",  "NTActs",  "NTRoma",
    "NT1Cor",  "NT2Cor",  "NTGalat", "NTEphes", "NTPhili", "NTColos", "NT1Thes", "NT2Thes", "NT1Tim",
    "NT2Tim",  "NTTitus", "NTPhile", "NTHebre", "NTJames", "NT1Pet",  "NT2Pet",  "NT1John", "NT2John",
    "NT3John", "NTJude",  "NTRevel",
};

int GetIndexOfSyncname(int window, const char* sync_name)
{
    if (!sync_name || !sync_name[0]) return -1;
    if (window < 0 || window >= MAX_DATAWINDOWS) return -1;
    const DATAWINDOW& w = datawindow[window];
    if (w.type != MODULE_BOOK && w.type != MODULE_LEXICON) return -1;
    if (!w.book_info || w.books <= 0) return -1;
    for (int i = 0; i < w.books; ++i)
        if (std::strncmp(w.book_info[i].sync_name, sync_name, sizeof w.book_info[i].sync_name) == 0) return i;
    return -1;
}
