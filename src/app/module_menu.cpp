#include "app/module_menu.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "app/catalogue.h"
#include "app/records.h"

namespace {

int SectionOfType(int type)
{
    switch (type) {
    case MODULE_BOOK: return MENU_SECTION_BOOK;
    case MODULE_LEXICON: return MENU_SECTION_LEXICON;
    case MODULE_DICTIONARY: return MENU_SECTION_DICTIONARY;
    default: return -1;
    }
}

void AddModule(std::vector<MODULE_MENU_ENTRY>* out, int section, int level, int id_file)
{
    MODULE_MENU_ENTRY e;
    e.kind = MODULE_MENU_ENTRY::MODULE;
    e.section = section;
    e.level = level;
    e.id_file = id_file;
    e.text = ModuleMenuLabel(id_file);
    out->push_back(e);
}

// Every catalogue module of the section whose flag is still 0.
void AddRemaining(std::vector<MODULE_MENU_ENTRY>* out, int section)
{
    for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i)
        if (SectionOfType(datafile[i].type) == section && datafile[i].flag == 0) AddModule(out, section, 0, i);
}

} // namespace

std::string ModuleMenuLabel(int id_file)
{
    if (id_file < 0 || id_file >= MAX_DATAFILES) return "";
    char text[128];
    std::snprintf(text, sizeof text, "[%.15s] %.63s", datafile[id_file].abbrev, datafile[id_file].title);
    return text;
}

int BuildModuleMenuEntries(const std::string& library_cfg, std::vector<MODULE_MENU_ENTRY>* out,
                           std::vector<int>* section_order)
{
    out->clear();
    if (section_order) section_order->clear();
    std::ifstream in(library_cfg, std::ios::binary);
    if (!in) {
        for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i) datafile[i].flag = 0;
        for (int s = MENU_SECTION_BOOK; s <= MENU_SECTION_DICTIONARY; ++s) AddRemaining(out, s);
        return 0;
    }
    for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i) datafile[i].flag = 0;
    static const char* const kSections[4] = {"#book", "#lexicon", "#dictionary", "#audio"};
    int section = -1;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > 300) line.resize(300);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        bool header = false;
        for (int s = 0; s < 4; ++s)
            if (line.find(kSections[s]) != std::string::npos) {
                section = s;
                header = true;
                if (section_order && std::find(section_order->begin(), section_order->end(), s) == section_order->end())
                    section_order->push_back(s);
            }
        if (header || section < 0 || line.size() < 2) continue;
        const char kind = line[0];
        if ((kind != '&' && kind != '%') || line[1] < '0' || line[1] > '9') continue;
        const int level = line[1] - '0';
        const std::string rest = line.substr(2);
        if (kind == '&') {
            if (level < 1) continue;
            MODULE_MENU_ENTRY e;
            e.kind = MODULE_MENU_ENTRY::FOLDER;
            e.section = section;
            e.level = level;
            e.text = rest;
            out->push_back(e);
        } else if (section != MENU_SECTION_AUDIO) {
            const int i = IsFileInDATAFILEArray(rest.c_str(), status.files_all);
            if (i < 0 || SectionOfType(datafile[i].type) != section) continue;
            AddModule(out, section, level, i);
            datafile[i].flag = 1;
        }
    }
    for (int s = MENU_SECTION_BOOK; s <= MENU_SECTION_AUDIO; ++s) {
        MODULE_MENU_ENTRY sep;
        sep.kind = MODULE_MENU_ENTRY::SEPARATOR;
        sep.section = s;
        out->push_back(sep);
        AddRemaining(out, s);
    }
    return 1;
}
