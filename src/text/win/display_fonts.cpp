#include "text/win/display_fonts.h"

#include <cstring>
#include <string>

const char* const kDisplayFontFaces[kDisplayFontCount] = {"HebrewUniversal", "HebrewUniversalS", "GreekUniversal"};

namespace {

// The files added for this process, to be removed at shutdown.
std::string g_added[kDisplayFontCount];

int CALLBACK FoundFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<int*>(found) = 1;
    return 0;  // one is enough
}

std::string FontFolder()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return "fonts\\";
    std::string dir(path, n);
    size_t slash = dir.find_last_of("\\/");
    dir = slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
    return dir + "fonts\\";
}

int FaceIndex(const char* face)
{
    for (int i = 0; i < kDisplayFontCount; ++i)
        if (std::strcmp(kDisplayFontFaces[i], face) == 0) return i;
    return -1;
}

}  // namespace

int DisplayFontAvailable(const char* face)
{
    LOGFONTA lf = {};
    lf.lfCharSet = ANSI_CHARSET;
    strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    HDC dc = GetDC(nullptr);
    if (!dc) return 0;
    int found = 0;
    EnumFontFamiliesExA(dc, &lf, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

int LoadDisplayFonts()
{
    const std::string folder = FontFolder();
    int available = 0;
    for (int i = 0; i < kDisplayFontCount; ++i) {
        if (!g_added[i].empty() || DisplayFontAvailable(kDisplayFontFaces[i])) {
            ++available;
            continue;
        }
        std::string file = folder + kDisplayFontFaces[i] + ".ttf";
        if (AddFontResourceExA(file.c_str(), FR_PRIVATE, nullptr) > 0) {
            g_added[i] = file;
            if (DisplayFontAvailable(kDisplayFontFaces[i])) ++available;
        }
    }
    return available;
}

void UnloadDisplayFonts()
{
    for (std::string& file : g_added) {
        if (file.empty()) continue;
        RemoveFontResourceExA(file.c_str(), FR_PRIVATE, nullptr);
        file.clear();
    }
}

int DisplayFontLoadedPrivately(const char* face)
{
    int i = FaceIndex(face);
    return i >= 0 && !g_added[i].empty() ? 1 : 0;
}
