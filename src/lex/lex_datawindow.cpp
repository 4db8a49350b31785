#include "lex/lex_datawindow.h"

#include <cstring>

#include "app/data_windows.h"
#include "app/message.h"
#include "app/records.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"

int LX_OpenDatawindow(int id_file)
{
    if (status.num_windows + 1 > MAX_DATAWINDOWS - 1) {
        ShowMessageBoxId(nullptr, 10004, 10005, SV_MB_OK | SV_MB_ICONWARNING, MAX_DATAWINDOWS);
        return -1;
    }
    if (id_file < 0 || id_file >= MAX_DATAFILES || !OpenModuleFile(id_file)) return -1;

    const int id = status.num_windows++;
    DATAWINDOW& w = datawindow[id];
    FreeDatawindowMemory(id);
    std::memset(&w, 0, sizeof w);
    w.id = id;
    w.id_file = id_file;
    w.type = MODULE_LEXICON;
    w.book_position.number = id;

    if (!ScanLEXInfoEx(datafile[id_file].file, id)) {
        ShowMessageBoxId(nullptr, 10008, 10009, SV_MB_OK | SV_MB_ICONERROR, datafile[id_file].filename);
        FreeDatawindowMemory(id);
        std::memset(&w, 0, sizeof w);
        --status.num_windows;
        ReleaseModuleFile(id_file, id);
        return -1;
    }
    w.lx_listbox_width = 60;
    if (!LX_AllocLines(id)) {
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR, 7000);
        FreeDatawindowMemory(id);
        std::memset(&w, 0, sizeof w);
        --status.num_windows;
        ReleaseModuleFile(id_file, id);
        return -1;
    }
    return id;
}

int LX_PocatecniVypis(int id, int record)
{
    return LX_NaplnRadky(id, record);
}
