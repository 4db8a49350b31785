#include "app/startup.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/lang.h"
#include "app/records.h"

VERZE verze = {0, 0, 0, 0};

namespace {

// Language files live in <current directory>\language\.
void SetLanguagePath()
{
    if (status.path_lang[0]) return;
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec) / "language";
    std::string text = dir.string();
    text += static_cast<char>(std::filesystem::path::preferred_separator);
    std::snprintf(status.path_lang, sizeof status.path_lang, "%s", text.c_str());
}

} // namespace

int Iniciace()
{
    verze = VERZE{3, 0, 0, 238};
    SetLanguagePath();
    LANG_Scan_LNG_Files();
    LANG_ReadStringsFromFile(status.lang_index);
    return 1;
}

int Ukonceni()
{
    LANG_FreeAll();
    return 1;
}
