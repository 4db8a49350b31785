#include "app/lang.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "app/builtin_strings.h"
#include "app/message.h"
#include "app/records.h"

LANG_FILE* g_lang_files = nullptr;
LANG_STRING* g_lang_array = nullptr;

namespace {

// Copies src into dst of size bytes, cut to size - 1 characters.
void CopyCut(char* dst, std::size_t size, const char* src)
{
    std::size_t n = std::strlen(src);
    if (n > size - 1) n = size - 1;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

int CompareNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const int ca = std::tolower(static_cast<unsigned char>(*a));
        const int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

// Reads one line of at most LANG_LINE_MAX characters into line (size
// LANG_LINE_MAX + 1). The line ends at its line feed; it is cut at its first
// carriage return, and what lies beyond LANG_LINE_MAX characters is skipped.
// Returns 0 at the end of the file.
int ReadLine(std::FILE* f, char* line)
{
    int c = std::fgetc(f);
    if (c == EOF) return 0;
    int n = 0;
    bool cut = false;
    while (c != EOF && c != '\n') {
        if (c == '\r') cut = true;
        if (!cut && n < LANG_LINE_MAX) line[n++] = static_cast<char>(c);
        c = std::fgetc(f);
    }
    line[n] = '\0';
    return 1;
}

bool IsStringLine(const char* line)
{
    return line[0] != '\0' && line[0] != ';';
}

// "number,text": the number before the first comma, the text after it.
// Returns 0 for a line without a comma or without a valid number.
int SplitStringLine(const char* line, int32_t* id, const char** text)
{
    const char* comma = std::strchr(line, ',');
    if (!comma) return 0;
    const char* p = line;
    while (p < comma && *p == ' ') ++p;
    if (p == comma) return 0;
    long value = 0;
    for (; p < comma && *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > 0x7FFFFFFF) return 0;
    }
    while (p < comma && *p == ' ') ++p;
    if (p != comma) return 0;
    *id = static_cast<int32_t>(value);
    *text = comma + 1;
    return 1;
}

// The charset number of a header line ";238": 0 to 255, anything else 0.
int32_t ParseCharset(const char* text)
{
    while (*text == ' ' || *text == '\t') ++text;
    if (*text < '0' || *text > '9') return 0;
    long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > 255) return 0;
    }
    while (*text == ' ' || *text == '\t') ++text;
    return *text == '\0' ? static_cast<int32_t>(value) : 0;
}

std::string LangPath(const char* filename)
{
    std::string path = status.path_lang;
    if (!path.empty() && path.back() != '/' && path.back() != '\\') {
#ifdef _WIN32
        path += '\\';
#else
        path += '/';
#endif
    }
    return path + filename;
}

bool HasLngExtension(const std::string& name)
{
    if (name.size() < 5) return false;
    return CompareNoCase(name.c_str() + name.size() - 4, ".lng") == 0;
}

// Reads the two header lines of a language file into entry. Returns 0 when
// the file cannot be opened or its header is missing or broken.
int ReadHeader(const std::string& path, LANG_FILE* entry)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    char line[LANG_LINE_MAX + 1];
    int ok = 0;
    if (ReadLine(f, line) && line[0] == ';' && line[1] != '\0') {
        CopyCut(entry->label, sizeof entry->label, line + 1);
        if (ReadLine(f, line) && line[0] == ';') {
            entry->charset = ParseCharset(line + 1);
            ok = 1;
        }
    }
    std::fclose(f);
    return ok;
}

// The conversions of a printf format in order, each as its length modifier
// and conversion letter ("*" for a star width or precision); flags, widths
// and precisions may differ between languages. Returns false for a "%" that
// does not end in a conversion letter.
bool FormatConversions(const char* format, std::string* out)
{
    out->clear();
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == '%') continue;
        while (*p && std::strchr("-+ #0", *p)) ++p;
        for (; *p == '*' || (*p >= '0' && *p <= '9') || *p == '.'; ++p)
            if (*p == '*') *out += '*';
        while (*p && std::strchr("hlLqjzt", *p)) *out += *p++;
        if (!*p || !std::strchr("diouxXeEfgGaAcspn", *p)) return false;
        if (*p == 'n') return false;  // writes through an argument: never from a file
        *out += *p;
        *out += ' ';
    }
    return true;
}

void FreeStrings()
{
    delete[] g_lang_array;
    g_lang_array = nullptr;
    status.lang_array_size = 0;
}

} // namespace

int LANG_Scan_LNG_Files()
{
    delete[] g_lang_files;
    g_lang_files = nullptr;
    status.lang_found = 0;
    status.lang_index = 0;

    std::vector<std::string> names;
    std::error_code ec;
    const char* dir = status.path_lang[0] ? status.path_lang : ".";
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fec;
        if (!it->is_regular_file(fec)) continue;
        const std::string name = it->path().filename().string();
        if (HasLngExtension(name)) names.push_back(name);
    }
    if (names.empty()) return 0;
    // The file system gives no particular order; name order keeps the list
    // the same from run to run where labels are equal.
    std::sort(names.begin(), names.end());

    const std::size_t bytes = names.size() * sizeof(LANG_FILE);
    g_lang_files = new (std::nothrow) LANG_FILE[names.size()]();
    if (!g_lang_files) {
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR, static_cast<int>(bytes));
        return 0;
    }
    bool reported = false;
    for (const std::string& name : names) {
        if (name.size() > sizeof(LANG_FILE::filename) - 1) {
            // The file is left out; the others stay listed.
            if (!reported)
                ShowMessageBox(nullptr, "Too long filename of language file", "Internal Error - please report!",
                               SV_MB_OK | SV_MB_ICONERROR);
            reported = true;
            continue;
        }
        LANG_FILE& entry = g_lang_files[status.lang_found];
        entry = LANG_FILE{};
        CopyCut(entry.filename, sizeof entry.filename, name.c_str());
        if (!ReadHeader(LangPath(entry.filename), &entry)) continue;
        ++status.lang_found;
    }

    std::stable_sort(g_lang_files, g_lang_files + status.lang_found,
                     [](const LANG_FILE& a, const LANG_FILE& b) { return CompareNoCase(a.label, b.label) < 0; });
    for (int i = 0; i < status.lang_found; ++i)
        if (CompareNoCase(g_lang_files[i].filename, status.lang_filename_default) == 0) {
            status.lang_index = i;
            return 1;
        }
    return 0;
}

int LANG_ReadStringsFromFile(int i)
{
    FreeStrings();
    if (i < 0 || i >= status.lang_found || !g_lang_files) return 0;
    std::FILE* f = std::fopen(LangPath(g_lang_files[i].filename).c_str(), "rb");
    if (!f) return 0;

    char line[LANG_LINE_MAX + 1];
    int32_t id = 0;
    const char* text = nullptr;
    int count = 0;
    while (ReadLine(f, line))
        if (IsStringLine(line) && SplitStringLine(line, &id, &text)) ++count;
    if (count == 0) {
        std::fclose(f);
        return 0;
    }
    g_lang_array = new (std::nothrow) LANG_STRING[count]();
    if (!g_lang_array) {
        std::fclose(f);
        ShowMessageBoxId(nullptr, 10006, 10007, SV_MB_OK | SV_MB_ICONERROR,
                         static_cast<int>(count * sizeof(LANG_STRING)));
        return 0;
    }
    std::rewind(f);
    int n = 0;
    while (n < count && ReadLine(f, line)) {
        if (!IsStringLine(line) || !SplitStringLine(line, &id, &text)) continue;
        g_lang_array[n].id = id;
        CopyCut(g_lang_array[n].text, sizeof g_lang_array[n].text, text);
        ++n;
    }
    std::fclose(f);
    status.lang_array_size = n;
    return n;
}

char* LANG_FindString(int id)
{
    if (!g_lang_array) return nullptr;
    for (int i = 0; i < status.lang_array_size; ++i)
        if (g_lang_array[i].id == id) return LANG_TranslateBackslash(g_lang_array[i].text);
    return nullptr;
}

int LANG_LoadString(void*, int id, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    const char* text = LANG_FindString(id);
    if (!text) text = BuiltinString(id);
    if (!text) text = "";
    CopyCut(buffer, static_cast<std::size_t>(size), text);
    return static_cast<int>(std::strlen(buffer));
}

int LANG_LoadFormat(void*, int id, char* buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    const char* builtin = BuiltinString(id);
    const char* text = LANG_FindString(id);
    if (text) {
        std::string want, have;
        const bool builtin_ok = !builtin || FormatConversions(builtin, &want);
        if (!builtin_ok || !FormatConversions(text, &have) || want != have) text = nullptr;
    }
    if (!text) text = builtin ? builtin : "";
    CopyCut(buffer, static_cast<std::size_t>(size), text);
    return static_cast<int>(std::strlen(buffer));
}

char* LANG_TranslateBackslash(char* text)
{
    if (!text) return text;
    for (const char* pair : {"\\n\n", "\\t\t", "\\r\r"}) {
        char* out = text;
        for (const char* in = text; *in;) {
            if (in[0] == pair[0] && in[1] == pair[1]) {
                *out++ = pair[2];
                in += 2;
            } else {
                *out++ = *in++;
            }
        }
        *out = '\0';
    }
    return text;
}

int LANG_CurrentCharset()
{
    if (!g_lang_files || status.lang_index < 0 || status.lang_index >= status.lang_found) return 0;
    return g_lang_files[status.lang_index].charset;
}

void LANG_FreeAll()
{
    FreeStrings();
    delete[] g_lang_files;
    g_lang_files = nullptr;
    status.lang_found = 0;
    status.lang_index = 0;
}
