#include "app/data_windows.h"

#include <cstdlib>
#include <cstring>

#include "app/catalogue.h"
#include "app/file_io.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "cmdline/sync_names.h"
#include "search/search_image.h"

void (*g_release_font)(FONT_HANDLE font) = nullptr;
void (*g_module_file_closed)(int id_file) = nullptr;

namespace {

bool ValidFile(int id_file)
{
    return id_file >= 0 && id_file < MAX_DATAFILES;
}

// Index of the first window other than except that shows id_file, or -1.
int FindDatawindowExcept(int id_file, int except)
{
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (i != except && datawindow[i].id_file == id_file && !datawindow[i].infowindow) return i;
    return -1;
}

} // namespace

int OpenModuleFile(int id_file)
{
    if (!ValidFile(id_file)) return 0;
    DATAFILE& f = datafile[id_file];
    if (!f.file) {
        if (f.filename[0] == '\0') return 0;
        f.file = SvOpenRead(ModuleFilePath(id_file).c_str());
        if (!f.file) return 0;
    }
    f.opened = 1;
    return 1;
}

void ReleaseModuleFile(int id_file, int except)
{
    if (!ValidFile(id_file)) return;
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (i != except && !datawindow[i].infowindow && datawindow[i].id_file == id_file) return;
    DATAFILE& f = datafile[id_file];
    bool was_open = f.file != nullptr || f.opened;
    SEARCH_DropModuleImage(id_file);
    if (f.file) SvClose(f.file);
    f.file = nullptr;
    f.opened = 0;
    if (was_open && g_module_file_closed) g_module_file_closed(id_file);
}

int FindDatawindow(int id_file)
{
    for (int i = 0; i < status.num_windows && i < MAX_DATAWINDOWS; ++i)
        if (datawindow[i].id_file == id_file) return i;
    return -1;
}

int OpenBookDatawindow(int id_file)
{
    if (status.num_windows + 1 > MAX_DATAWINDOWS - 1) {
        ShowMessageBoxId(nullptr, 10004, 10005, SV_MB_OK | SV_MB_ICONWARNING, MAX_DATAWINDOWS);
        return -1;
    }
    if (!ValidFile(id_file) || !OpenModuleFile(id_file)) return -1;

    const int id = status.num_windows++;
    DATAWINDOW& w = datawindow[id];
    std::free(w.book_info);
    std::memset(&w, 0, sizeof w);
    w.id = id;
    w.id_file = id_file;
    w.type = datafile[id_file].type;
    w.compare = 0;
    w.reusable = 0;
    w.sync = 1;
    w.no_jumps = 0;
    w.morph_line = 0;
    w.book_position.number = id;

    if (!ScanSBKInfoEx(datafile[id_file].file, id)) {
        ShowMessageBoxId(nullptr, 10008, 10009, SV_MB_OK | SV_MB_ICONERROR, datafile[id_file].filename);
        FreeDatawindowMemory(id);
        std::memset(&w, 0, sizeof w);
        --status.num_windows;
        // The file was opened for this window only: it does not stay open.
        ReleaseModuleFile(id_file, id);
        return -1;
    }
    w.book_position.book = 1;
    w.book_position.chapter = 1;
    w.book_position.verse = 1;
    w.offset = w.tag_data;
    return id;
}

int FreeDatawindowMemory(int id)
{
    if (id < 0 || id >= MAX_DATAWINDOWS) return 1;
    DATAWINDOW& w = datawindow[id];
    auto release = [](FONT_HANDLE& font) {
        if (font && g_release_font) g_release_font(font);
        font = nullptr;
    };
    std::free(w.book_info);
    w.book_info = nullptr;
    std::free(w.lx_strong_index);
    w.lx_strong_index = nullptr;
    std::free(w.lx_filter);
    w.lx_filter = nullptr;
    std::free(w.lx_radek);
    w.lx_radek = nullptr;
    w.lx_listbox_lines = 0;
    w.lx_radku_filled = 0;
    release(w.lx_hfont);
    release(w.dic_hfont_from);
    release(w.dic_hfont_to);
    release(w.dic_hfont_note);
    std::free(w.dic_index);
    w.dic_index = nullptr;
    std::free(w.dic_filter);
    w.dic_filter = nullptr;
    std::free(w.dic_radek);
    w.dic_radek = nullptr;
    w.dic_listbox_lines = 0;
    w.dic_radku_filled = 0;
    return 1;
}

int ZrusDatawindow(int id)
{
    if (id < 0 || id >= status.num_windows || id >= MAX_DATAWINDOWS) return 1;
    DATAWINDOW& w = datawindow[id];
    if (w.results) {
        status.res_visible = 0;
        status.id_results = 0;
    }
    if (w.infowindow) {
        status.info_visible = 0;
        status.id_info = 0;
    } else {
        ReleaseModuleFile(w.id_file, id);
    }
    FreeDatawindowMemory(id);

    const int last = status.num_windows - 1;
    for (int i = id; i < last; ++i) std::memcpy(&datawindow[i], &datawindow[i + 1], sizeof datawindow[i]);
    std::memset(&datawindow[last], 0, sizeof datawindow[last]);
    status.num_windows = last;

    for (int i = 0; i < status.num_windows; ++i) {
        datawindow[i].id = i;
        datawindow[i].book_position.number = i;
        if (datawindow[i].results) status.id_results = i;
        if (datawindow[i].infowindow) status.id_info = i;
    }
    auto check = [](int visible, int index, int32_t DATAWINDOW::*flag) {
        if (!visible) return true;
        return index >= 0 && index < status.num_windows && datawindow[index].*flag == 1 && datawindow[index].hwnd;
    };
    if (!check(status.res_visible, status.id_results, &DATAWINDOW::results) ||
        !check(status.info_visible, status.id_info, &DATAWINDOW::infowindow))
        ReportBug(0, "Fatal error in ZrusDatawindow()");
    return 1;
}

int GetFirstReusableWindow(int focus)
{
    const int n = status.num_windows < MAX_DATAWINDOWS ? status.num_windows : MAX_DATAWINDOWS;
    if (focus >= 0 && focus < n && datawindow[focus].reusable == 1) return focus;
    for (int i = 0; i < n; ++i)
        if (datawindow[i].reusable == 1) return i;
    return -1;
}

namespace {

bool IsPlainBookWindow(int i)
{
    if (i < 0 || i >= status.num_windows || i >= MAX_DATAWINDOWS) return false;
    const DATAWINDOW& w = datawindow[i];
    return w.type == MODULE_BOOK && !w.results && !w.infowindow;
}

// The sync name of window i's current book, copied (empty if none).
void CurrentSync(int i, char out[9])
{
    out[0] = '\0';
    const DATAWINDOW& w = datawindow[i];
    const int b = w.book_position.book;
    if (!w.book_info || b < 1 || b > w.books) return;
    std::memcpy(out, w.book_info[b - 1].sync_name, 8);
    out[8] = '\0';
}

void StartAtFirstVerse(int id)
{
    DATAWINDOW& w = datawindow[id];
    w.book_position = BOOK_POSITION{id, 1, 1, 1};
    w.offset = w.tag_data;
}

} // namespace

int SetStartPosition(int id)
{
    if (id < 0 || id >= status.num_windows || id >= MAX_DATAWINDOWS) return 0;
    DATAWINDOW& w = datawindow[id];
    const int last = status.bk_last_book;
    if (status.num_windows > 1 && last != id && IsPlainBookWindow(last) && datawindow[last].compare != 1) {
        char sync[9];
        CurrentSync(last, sync);
        const int j = GetIndexOfSyncname(id, sync);
        if (j >= 0) {
            const BOOK_POSITION p{id, j + 1, datawindow[last].book_position.chapter,
                                  datawindow[last].book_position.verse};
            const int32_t offset = BK_HledejVers(p);
            if (offset > 0) {
                w.book_position = p;
                w.offset = offset;
                return 1;
            }
        }
    }
    StartAtFirstVerse(id);
    return 0;
}

int GiveBookWindowModule(int wi, int k)
{
    if (wi < 0 || wi >= status.num_windows || wi >= MAX_DATAWINDOWS || !ValidFile(k)) return REPLACE_NOT_BOOK;
    if (datafile[k].type != MODULE_BOOK || !IsPlainBookWindow(wi)) return REPLACE_NOT_BOOK;
    DATAWINDOW& w = datawindow[wi];
    const BOOK_POSITION remembered = w.book_position;
    char sync[9];
    CurrentSync(wi, sync);

    const int old = w.id_file;
    if (old != k) ReleaseModuleFile(old, wi);
    std::free(w.book_info);
    w.book_info = nullptr;
    w.books = 0;

    const int shared = FindDatawindowExcept(k, wi);
    if (!(shared >= 0 && datafile[k].opened == 1 && datafile[k].file) && !OpenModuleFile(k)) {
        // The old module is gone and the new one cannot be read: the window
        // shows nothing and is closed by the caller.
        w.id_file = k;
        return REPLACE_FAILED;
    }
    datafile[k].opened = 1;
    w.id_file = k;
    w.type = datafile[k].type;
    w.sync = 1;
    w.no_jumps = 0;
    if (!ScanSBKInfoEx(datafile[k].file, wi)) {
        ShowMessageBoxId(nullptr, 10008, 10009, SV_MB_OK | SV_MB_ICONERROR, datafile[k].filename);
        std::free(w.book_info);
        w.book_info = nullptr;
        w.books = 0;
        return REPLACE_FAILED;
    }
    w.rtf_line = 0;
    const int j = GetIndexOfSyncname(wi, sync);
    int32_t offset = 0;
    if (j >= 0) {
        w.book_position = BOOK_POSITION{wi, j + 1, remembered.chapter, remembered.verse};
        offset = BK_HledejVers(w.book_position);
    }
    if (offset <= 0) {
        w.book_position = BOOK_POSITION{wi, 1, 1, 1};
        offset = BK_HledejVers(w.book_position);
        if (offset <= 0) offset = w.tag_data;
    }
    w.offset = offset;
    return REPLACE_DONE;
}
