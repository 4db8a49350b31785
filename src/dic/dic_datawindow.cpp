#include "dic/dic_datawindow.h"

#include <cstring>

#include "app/data_windows.h"
#include "app/message.h"
#include "app/records.h"
#include "dic/dic_list.h"
#include "dic/dic_reader.h"

namespace {

int GiveBack(int id, int id_file)
{
    FreeDatawindowMemory(id);
    std::memset(&datawindow[id], 0, sizeof datawindow[id]);
    --status.num_windows;
    ReleaseModuleFile(id_file, id);
    return -1;
}

} // namespace

int DIC_OpenDatawindow(int id_file)
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
    w.type = MODULE_DICTIONARY;
    w.book_position.number = id;

    if (!ScanDICInfoEx(datafile[id_file].file, id)) {
        ShowMessageBoxId(nullptr, 10008, 10009, SV_MB_OK | SV_MB_ICONERROR, datafile[id_file].filename);
        return GiveBack(id, id_file);
    }
    // A dictionary header has no switches: the window takes part in lookups
    // from other windows and follows its own until the user says otherwise.
    w.sync = 1;
    w.no_jumps = 0;
    w.dic_direction = 0;
    w.dic_lb_width_note = 25;
    w.dic_lb_from_ratio = 50;
    if (!DIC_AllocLines(id)) {
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR, 13600);
        return GiveBack(id, id_file);
    }
    return id;
}
