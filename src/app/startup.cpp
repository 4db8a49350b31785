#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <string>

#include "app/catalogue.h"
#include "app/config.h"
#include "app/copy_cut.h"
#include "app/data_windows.h"
#include "app/file_io.h"
#include "app/lang.h"
#include "app/records.h"
#include "search/search_request.h"
#include "books/rtf_tags.h"

VERZE verze = {0, 0, 0, 0};

namespace {

// Copies from to to byte for byte, under a temporary name renamed over to.
bool CopyFileBytes(const std::string& from, const std::string& to)
{
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (!in) return false;
    const std::string temp = to + ".tmp";
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buf[8192];
    bool ok = true;
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;)
        if (std::fwrite(buf, 1, n, out) != n) ok = false;
    if (std::ferror(in)) ok = false;
    std::fclose(in);
    if (std::fclose(out) != 0) ok = false;
    if (ok) {
        // Replaces the old copy in one step (on Windows too), so that a failed
        // copy never leaves the user without one.
        std::error_code ec;
        std::filesystem::rename(temp, to, ec);
        ok = !ec;
    }
    if (!ok) std::remove(temp.c_str());
    return ok;
}

} // namespace

void SetupReadOnlyMedia(int read_only, const std::string& windows_dir, const std::string& current_dir)
{
    if (!read_only) {
        status.sevir_cd = 0;
        return;
    }
    status.sevir_cd = 1;
    CopyCut(status.sevir_cd_cfg_path, sizeof status.sevir_cd_cfg_path, SvJoinPath(windows_dir, "sevir.cfg"));
    CopyCut(status.sevir_cd_cfglib_path, sizeof status.sevir_cd_cfglib_path, SvJoinPath(windows_dir, "library.cfg"));
    SvFile* copy = SvOpenRead(status.sevir_cd_cfglib_path);
    if (copy) {
        SvClose(copy);
        return;
    }
    CopyFileBytes(SvJoinPath(current_dir, "library.cfg"), status.sevir_cd_cfglib_path);
}

void SetupDataPaths(const std::string& current_dir)
{
    std::memset(status.path_data, 0, sizeof status.path_data);
    CopyCut(status.path_data[0].path, sizeof status.path_data[0].path, current_dir);
    status.path_data[0].read_only = SvIsReadOnly(current_dir);
    status.path_used = 1;
    std::string lang = SvJoinPath(SvJoinPath(current_dir, "language"), "");
    if (lang.empty() || lang.back() != SV_PATH_SEPARATOR) lang += SV_PATH_SEPARATOR;
    CopyCut(status.path_lang, sizeof status.path_lang, lang);
}

int Iniciace()
{
    const std::string current = SvCurrentDirectory();
    SetupReadOnlyMedia(IsSevirMediaReadOnly(), SvWindowsDirectory(), current);
    verze = VERZE{3, 0, 0, 238};

    // No data windows yet.
    for (int i = 0; i < MAX_DATAWINDOWS; ++i) FreeDatawindowMemory(i);
    std::memset(datawindow, 0, sizeof datawindow);
    status.num_windows = 0;

    SetStatusDefaults(status);
    SetSearchInDefaults(search_in);
    BK_SetRTFTagDefaults();
    SetupDataPaths(current);
    // Options, tag colours, further data paths and the windows to reopen,
    // before the tag rows, the language and the catalogue are built.
    ReadConfigurationAtStartup();
    BK_BuildRTFTags();
    LANG_Scan_LNG_Files();
    LANG_ReadStringsFromFile(status.lang_index);
    ScanDataFiles();
    return 1;
}

int Ukonceni()
{
    if (status.opt_save_on_exit == 1) WriteSevirCfg();
    LANG_FreeAll();
    return 1;
}

#ifndef _WIN32
std::string SvWindowsDirectory()
{
    const char* dir = std::getenv("WINDIR");
    return dir && *dir ? std::string(dir) : SvCurrentDirectory();
}
#endif
