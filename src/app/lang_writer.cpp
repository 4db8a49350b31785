#include "app/lang_writer.h"

#include <cstdio>
#include <iterator>

#include "app/builtin_strings.h"

namespace {

const char* const g_header[] = {
    "English",
    "0",
    " Sevir language file. Lines that begin with a semicolon are comments.",
    "",
    " How to make a new language file:",
    "  1. Copy this file to a new name with the extension .lng in the language",
    "     directory, for example deutsch.lng.",
    "  2. Change the first line: after the semicolon write the name of your",
    "     language as the Language menu shall show it (at most 31 characters).",
    "  3. Change the second line: after the semicolon write the character set",
    "     of your language (0 Western, 238 Central European, 204 Cyrillic,",
    "     161 Greek, 162 Turkish, 186 Baltic).",
    "  4. Translate the text after the first comma of every line. Keep the",
    "     number before the comma. A text holds at most 127 characters.",
    "  5. Keep the escapes \\n (new line), \\t (tab) and \\r as they are, keep",
    "     %d and %s in their order, and give every & (the underlined key of",
    "     a menu item) to a letter of your text.",
    "  6. The book entries 10201 to 10266 begin with the book's sync name,",
    "     which stays as it is; after it come up to seven names or",
    "     abbreviations of the book, separated by commas, each at most 15",
    "     characters. References typed on the command line are recognised",
    "     by these names.",
    "  7. Every menu item must stay in the file, or the menus stay in English.",
    "     Numbers missing from the file are shown in English.",
    "  8. Choose the new language in the menu Program - Language.",
};

void Line(std::string& out, const std::string& text)
{
    out += text;
    out += "\r\n";
}

void Section(std::string& out, const char* title, const BUILTIN_STRING* begin, const BUILTIN_STRING* end)
{
    Line(out, "");
    Line(out, std::string("; ") + title);
    for (const BUILTIN_STRING* e = begin; e != end; ++e) {
        std::string text = LANG_EscapeText(e->text);
        if (static_cast<int>(text.size()) > LANG_MAX_TEXT) {
            // Too long for a string line: the program shows its built-in text.
            Line(out, "; " + std::to_string(e->id) + " is longer than a language file can hold; it stays English.");
            continue;
        }
        Line(out, std::to_string(e->id) + "," + text);
    }
}

} // namespace

std::string LANG_EscapeText(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p) {
        switch (*p) {
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += *p; break;
        }
    }
    return out;
}

std::string LANG_MakeEnglishLngText()
{
    std::string out;
    for (const char* h : g_header) Line(out, std::string(";") + h);
    int n = 0;
    const BUILTIN_STRING* menu = BuiltinStringGroup(BUILTIN_MENU, &n);
    Section(out, "Menu: popups by the number one above the item before them, items by command id", menu, menu + n);
    const BUILTIN_STRING* dialog = BuiltinStringGroup(BUILTIN_DIALOG, &n);
    Section(out, "Dialog controls, by control id", dialog, dialog + n);
    const BUILTIN_STRING* strings = BuiltinStringGroup(BUILTIN_STRINGS, &n);
    Section(out, "Messages, captions, tool-tips, book names, character table, morphology, tips", strings,
            strings + n);
    return out;
}

int LANG_WriteEnglishLng(const char* path)
{
    if (!path || !*path) return 0;
    const std::string text = LANG_MakeEnglishLngText();
    const std::string temp = std::string(path) + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return 0;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !ok) {
        std::remove(temp.c_str());
        return 0;
    }
    if (std::rename(temp.c_str(), path) != 0) {
        std::remove(temp.c_str());
        return 0;
    }
    return 1;
}
