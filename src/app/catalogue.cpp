#include "app/catalogue.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "books/sbk_reader.h"
#include "dic/dic_reader.h"
#include "lex/lex_reader.h"

int SvCompareNoCase(const char* a, const char* b, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
    return 0;
}

int IsFileInDATAFILEArray(const char* name, int count)
{
    if (!name) return -1;
    if (count > MAX_DATAFILES) count = MAX_DATAFILES;
    for (int i = 0; i < count; ++i) {
        if (datafile[i].filename[0] == '\0') break;
        if (SvCompareNoCase(datafile[i].filename, name, sizeof datafile[i].filename - 1) == 0) return i;
    }
    return -1;
}

int compare_datafile(const void* a, const void* b)
{
    const DATAFILE* x = static_cast<const DATAFILE*>(a);
    const DATAFILE* y = static_cast<const DATAFILE*>(b);
    auto rank = [](int32_t type) { return type == MODULE_DICTIONARY ? 1 : type == MODULE_LEXICON ? 2 : 3; };
    int rx = rank(x->type), ry = rank(y->type);
    if (rx != ry) return rx < ry ? -1 : 1;
    return SvCompareNoCase(x->abbrev, y->abbrev, sizeof x->abbrev);
}

std::string ModuleFilePath(int id_file)
{
    if (id_file < 0 || id_file >= MAX_DATAFILES) return std::string();
    const DATAFILE& f = datafile[id_file];
    int p = f.path_index >= 0 && f.path_index < MAX_PATHS ? f.path_index : 0;
    return SvJoinPath(SvJoinPath(status.path_data[p].path, "data"), f.filename);
}

int ScanDataFiles()
{
    status.files_book_count = 0;
    status.files_dic_count = 0;
    status.files_lex_count = 0;
    status.files_all = 0;
    for (DATAFILE& f : datafile) {
        if (f.file) SvClose(f.file);
        std::memset(&f, 0, sizeof f);
    }

    struct Kind {
        const char* pattern;
        int32_t type;
        int (*probe)(SvFile*, int);
        int32_t* counter;
    } const kinds[3] = {
        {"*.dic", MODULE_DICTIONARY, ScanDICInfo, &status.files_dic_count},
        {"*.lex", MODULE_LEXICON, ScanLEXInfo, &status.files_lex_count},
        {"*.sbk", MODULE_BOOK, ScanSBKInfo, &status.files_book_count},
    };
    int next = 0;
    int paths = status.path_used < MAX_PATHS ? status.path_used : MAX_PATHS;
    bool full = false;
    for (int i = 0; i < paths && !full; ++i) {
        std::string dir = SvJoinPath(status.path_data[i].path, "data");
        for (const Kind& kind : kinds) {
            for (const std::string& name : SvListFiles(dir, kind.pattern)) {
                if (IsFileInDATAFILEArray(name.c_str(), MAX_DATAFILES) >= 0) continue;
                if (next >= MAX_DATAFILES) {
                    full = true;
                    break;
                }
                DATAFILE& entry = datafile[next];
                std::strncpy(entry.filename, name.c_str(), sizeof entry.filename - 1);
                entry.filename[sizeof entry.filename - 1] = '\0';
                SvFile* file = SvOpenRead(SvJoinPath(dir, entry.filename).c_str());
                if (file && kind.probe(file, next)) {
                    entry.id_file = next;
                    entry.type = kind.type;
                    entry.path_index = i;
                    ++*kind.counter;
                    ++next;
                } else {
                    std::memset(&entry, 0, sizeof entry);  // the entry is given back
                }
                SvClose(file);
            }
            if (full) break;
        }
    }
    status.files_all = status.files_book_count + status.files_dic_count + status.files_lex_count;
    if (status.files_all > 1) std::qsort(datafile, static_cast<std::size_t>(status.files_all), sizeof datafile[0], compare_datafile);
    for (int i = 0; i < status.files_all; ++i) datafile[i].id_file = i;
    return 1;
}

#ifndef _WIN32
int IsSevirMediaReadOnly()
{
    return SvIsReadOnly("/");
}
#endif
