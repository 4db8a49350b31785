// Arbitrary bytes as a configuration file: read into the records within
// their bounds, then the file the writer would make from them read again.
#include <cstdint>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/records.h"
#include "app/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetGlobalRecords();
    SetupDataPaths("/fuzz");
    CFG_WINDOW list[MAX_CFG_WINDOWS];
    const int n = ReadSevirCfgData(reinterpret_cast<const char*>(data), size, list, MAX_CFG_WINDOWS);
    if (n < -1 || n > MAX_CFG_WINDOWS) __builtin_trap();
    if (status.path_used < 1 || status.path_used > MAX_PATHS) __builtin_trap();
    for (int i = 0; i < (n > 0 ? n : 0); ++i) {
        const CFG_WINDOW& w = list[i];
        if (w.width < 0 || w.height < 0 || w.offset < 0 || w.type < 0 || w.type > 3) __builtin_trap();
        if (w.filename[sizeof w.filename - 1] != '\0') __builtin_trap();
    }
    // The file the writer makes from it is read again without harm. (Values
    // are not compared: a text value may itself hold "Key=".)
    std::string text;
    for (const std::string& line : SevirCfgLines(list, n > 0 ? n : 0)) text += line + "\r\n";
    CFG_WINDOW again[MAX_CFG_WINDOWS];
    const int m = ReadSevirCfgData(text.data(), text.size(), again, MAX_CFG_WINDOWS);
    if (m < 0 || m > MAX_CFG_WINDOWS) __builtin_trap();
    return 0;
}
