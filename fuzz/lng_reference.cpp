// An arbitrary language file, then an arbitrary typed reference recognised
// with its book names against a small book module. The input is split at
// the first 0xFF byte: file bytes before it, typed text after it.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "app/file_io.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "cmdline/history.h"
#include "cmdline/reference.h"
#include "modwriter/modwriter.h"

namespace {

int Quiet(void*, const char*, const char*, unsigned)
{
    return SV_IDOK;
}

std::string g_module;
std::string g_dir;

void OpenModule()
{
    modwriter::BookModule m;
    modwriter::Book gen{"Genesis", "Gen", "OTGen"};
    for (int c = 1; c <= 3; ++c)
        for (int v = 1; v <= 4; ++v) gen.verses.push_back({c, v, "text"});
    modwriter::Book jude{"Jude", "Jude", "NTJude"};
    jude.verses = {{1, 1, "Jude"}};
    m.books = {gen, jude};
    g_module = modwriter::BuildBookModule(m);
    datafile[0].file = SvOpenMemory(g_module.data(), g_module.size());
    datafile[0].opened = 1;
    datafile[0].type = MODULE_BOOK;
    datawindow[0].type = MODULE_BOOK;
    status.num_windows = 1;
    ScanSBKInfoEx(datafile[0].file, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = [] {
        ResetGlobalRecords();
        SetMessageBoxHandler(Quiet);
        g_dir = (std::filesystem::temp_directory_path() / ("sevir-fuzz-lng-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(g_dir);
        std::snprintf(status.path_lang, sizeof status.path_lang, "%s/", g_dir.c_str());
        std::strcpy(status.lang_filename_default, "f.lng");
        OpenModule();
        return true;
    }();
    (void)ready;
    const uint8_t* split = static_cast<const uint8_t*>(std::memchr(data, 0xFF, size));
    const size_t file_size = split ? static_cast<size_t>(split - data) : size;
    std::FILE* f = std::fopen((g_dir + "/f.lng").c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, file_size, f);
    std::fclose(f);
    LANG_Scan_LNG_Files();
    LANG_ReadStringsFromFile(status.lang_index);
    char buf[256];
    for (int id : {10005, 10010, 10201, 10265}) LANG_LoadString(nullptr, id, buf, sizeof buf);

    std::string typed = split ? std::string(reinterpret_cast<const char*>(split + 1), size - file_size - 1) : "";
    typed = typed.c_str();  // up to the first NUL, as a text field holds it
    BOOK_POSITION p{0, 0, 0, 0};
    if (CMD_RecognizeReference(typed.c_str(), &p)) AddToHistory(p);
    CMD_AddReferenceToHistory(typed.c_str());
    if (history_used > 0) RefreshAccordingHistory(history_used - 1);
    return 0;
}
