#include "app/config.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/copy_cut.h"
#include "app/file_io.h"
#include "app/message.h"
#include "books/rtf_tags.h"
#include "resource.h"

CFG_WRITE_HOOKS g_cfg_write_hooks = {nullptr, nullptr};

namespace {

// A configuration file is a few kilobytes; anything beyond this is not one.
constexpr std::size_t kMaxCfgBytes = 4u << 20;

// "PathData[%d]" entries looked at, however many "PathUsed" claims.
constexpr int32_t kMaxPathEntries = 100;

// Coordinates and sizes of windows as the window system takes them.
constexpr int32_t kCoordMin = -32768;
constexpr int32_t kCoordMax = 32767;
constexpr int32_t kSizeMax = 32767;

enum KeyKind {
    KEY_FLAG,   // 0 or 1; on only when the value read is exactly 1
    KEY_INT,    // one number, clamped to min..max
    KEY_RGB,    // red,green,blue, each clamped to 0..255
    KEY_TEXT,   // the rest of the line, cut to the field
    KEY_RECT,   // x,y,width,height into a rectangle
};

struct CfgKey {
    std::string name;
    KeyKind kind;
    void* target;
    int32_t min = 0;
    int32_t max = 0;
    std::size_t size = 0;  // KEY_TEXT: size of the field
};

struct TagClass {
    const char* name;
    int row;
};

// The tag classes in the order the file lists them.
const TagClass kTagClasses[] = {
    {"DEF_CZ", RTF_DEF_CZ},     {"DEF_HE", RTF_DEF_HE},       {"DEF_GR", RTF_DEF_GR},       {"TE", RTF_TE},
    {"TH", RTF_TH},             {"TG", RTF_TG},               {"LABEL", RTF_LABEL},         {"TJ", RTF_TJ},
    {"TP", RTF_TP},             {"TU", RTF_TU},               {"TN", RTF_TN},               {"TV", RTF_TV},
    {"RR", RTF_RR},             {"RH", RTF_RH},               {"RG", RTF_RG},               {"MORPH_GR", RTF_MORPH_GR},
    {"MORPH_HE", RTF_MORPH_HE}, {"LEMMA_GR", RTF_LEMMA_GR},   {"LX_HEADER", RTF_LX_HEADER}, {"LX_CZ", RTF_LX_CZ},
    {"LX_HE", RTF_LX_HE},       {"LX_GR", RTF_LX_GR},         {"LX_KEYWORD", RTF_LX_KEYWORD},
};

CfgKey Flag(const char* name, int32_t* target)
{
    return CfgKey{name, KEY_FLAG, target};
}

CfgKey Int(const char* name, int32_t* target, int32_t min, int32_t max)
{
    return CfgKey{name, KEY_INT, target, min, max};
}

CfgKey Colour(const char* name, uint32_t* target)
{
    return CfgKey{name, KEY_RGB, target};
}

CfgKey Rect(const char* name, SV_RECT* target)
{
    return CfgKey{name, KEY_RECT, target};
}

// Every key with a plain format, in the writer's order. "NumChildWindows",
// "ChildWindow[%d]", "PathUsed", "PathData[%d]" and "VerseListPosition" are
// handled on their own.
const std::vector<CfgKey>& Keys()
{
    static const std::vector<CfgKey> keys = [] {
        STATUS& s = status;
        std::vector<CfgKey> k;
        k.push_back(Flag("SaveOnExit", &s.opt_save_on_exit));
        k.push_back(CfgKey{"RTFCzechFontName", KEY_TEXT, RTFCzechFontName, 0, 0, sizeof RTFCzechFontName});
        k.push_back(Int("RTFCzechFontSize", &RTFCzechFontSize, 2, 200));
        k.push_back(Int("RTFGreekFontSize", &RTFGreekFontSize, 2, 200));
        k.push_back(Int("RTFHebrewFontSize", &RTFHebFontSize, 2, 200));
        for (const TagClass& t : kTagClasses) {
            const std::string base = std::string("TAG_") + t.name;
            k.push_back(Colour((base + "_Color").c_str(), &rtftag[t.row].color));
            k.push_back(Flag((base + "_Bold").c_str(), &rtftag[t.row].bold));
            k.push_back(Flag((base + "_Italic").c_str(), &rtftag[t.row].italic));
        }
        k.push_back(Rect("MainWindow", &s.hMain_position));
        k.push_back(CfgKey{"LangFilenameDefault", KEY_TEXT, s.lang_filename_default, 0, 0,
                           sizeof s.lang_filename_default});
        k.push_back(Flag("TableVisible", &s.table_visible));
        k.push_back(Rect("TablePosition", &s.table_position));
        k.push_back(Int("TableLanguage", &s.table_language, 1, 2));
        k.push_back(Flag("TableTooltip", &s.tooltip_table));
        k.push_back(Colour("TableFrameColorHE", &s.table_frame_color[0]));
        k.push_back(Colour("TableFrameColorGR", &s.table_frame_color[1]));
        k.push_back(Flag("TreeVisible", &s.tree_visible));
        k.push_back(Int("TreeWidth", &s.tree_width, 0, 4000));
        k.push_back(Flag("ArrangeTile", &s.opt_tile));
        k.push_back(Flag("ArrangeTileVertical", &s.opt_tile_vertical));
        k.push_back(Flag("ArrangeResizing", &s.opt_resizing));
        k.push_back(Flag("TooltipToolbar", &s.tooltip_toolbar));
        k.push_back(Flag("HebrewAutoEnd", &s.autoend));
        k.push_back(Int("LexListBoxWidthMin", &s.lx_lb_min_width, 0, 4000));
        k.push_back(Flag("LexKeyIgnoreVowels", &s.opt_lx_key_ignore_vowels));
        k.push_back(Flag("LexClearFilterBeforeLook", &s.opt_lx_clrfltr_before_look));
        k.push_back(Flag("LexHighlightLine", &s.opt_lx_highlight_line));
        k.push_back(Colour("LexHighlightLineColor1", &s.lx_highlight_line_color[0]));
        k.push_back(Colour("LexHighlightLineColor2", &s.lx_highlight_line_color[1]));
        k.push_back(Flag("LexHighlightCombo", &s.opt_lx_highlight_combo));
        k.push_back(Colour("LexHighlightComboColor", &s.opt_lx_highlight_combo_color));
        k.push_back(Flag("DicKeyIgnoreVowels", &s.opt_dic_key_ignore_vowels));
        k.push_back(Flag("DicClearFilterBeforeLook", &s.opt_dic_clrfltr_before_look));
        k.push_back(Flag("DicLookAutoOpposite", &s.opt_dic_look_autoopposite));
        k.push_back(Flag("DicHighlightLine", &s.opt_dic_highlight_line));
        k.push_back(Colour("DicHighlightLineColor1", &s.dic_highlight_line_color[0]));
        k.push_back(Colour("DicHighlightLineColor2", &s.dic_highlight_line_color[1]));
        k.push_back(Flag("DicHighlightCombo", &s.opt_dic_highlight_combo));
        k.push_back(Colour("DicHighlightComboColor", &s.opt_dic_highlight_combo_color));
        k.push_back(Flag("ScrollTip", &s.opt_scrolltip));
        k.push_back(Colour("ScrollTipBackColor", &s.opt_scrolltip_color));
        k.push_back(Int("ScrollTipWidth", &s.opt_scrolltip_width, 0, 4000));
        k.push_back(Int("SortResultsWarning", &s.opt_sort_results_warning, 0, INT32_MAX));
        k.push_back(Int("RevFFSeconds", &s.opt_revff_sec, 0, 3600));
        k.push_back(Flag("OpenMP3Autoplay", &s.opt_open_mp3_autoplay));
        k.push_back(Int("AudioTimerMilisec", &s.opt_audio_timer, 10, 60000));
        k.push_back(Int("AudioBufferPlay", &s.opt_buffer_play, 0, 100000));
        k.push_back(Int("AudioBufferIndexing", &s.opt_buffer_indexing, 0, 100000));
        k.push_back(Flag("AudioDeleteTmpFileAfterMerge", &s.opt_delete_temp_index));
        k.push_back(Flag("TipOfDayShow", &s.opt_show_tip));
        k.push_back(Int("TipOfDayNumber", &s.tip_to_show, 0, 100000));
        k.push_back(Flag("VerseListVisible", &s.verse_visible));
        k.push_back(Flag("VerseListAbbreviations", &s.opt_verselist_abbrev));
        k.push_back(Flag("VerseListAskSaveChanges", &s.opt_ask_save_verse_list));
        k.push_back(Flag("SplashScreen", &s.opt_splash));
        k.push_back(Int("SplashScreenDelayMs", &s.opt_splash_delay_ms, 0, 60000));
        return k;
    }();
    return keys;
}

const CfgKey& Key(std::string_view name)
{
    for (const CfgKey& k : Keys())
        if (k.name == name) return k;
    std::abort();  // the writer names only keys of the table
}

int32_t Clamp(int64_t v, int32_t min, int32_t max)
{
    return v < min ? min : (v > max ? max : static_cast<int32_t>(v));
}

uint32_t Rgb(int32_t r, int32_t g, int32_t b)
{
    return static_cast<uint32_t>(r & 0xFF) | (static_cast<uint32_t>(g & 0xFF) << 8) |
           (static_cast<uint32_t>(b & 0xFF) << 16);
}

// ---------------------------------------------------------------------------
// Reading.

// The text of one value: from just after "Name=" to the end of its line.
class Cursor {
public:
    Cursor(const char* p, const char* end) : p_(p), end_(end) {}

    // One decimal number with optional spaces and sign before it; values
    // beyond the int32 range saturate. False when there are no digits.
    bool Number(int64_t* out)
    {
        SkipBlanks();
        bool negative = false;
        if (p_ < end_ && (*p_ == '-' || *p_ == '+')) negative = *p_++ == '-';
        if (p_ >= end_ || *p_ < '0' || *p_ > '9') return false;
        int64_t v = 0;
        while (p_ < end_ && *p_ >= '0' && *p_ <= '9') {
            if (v < (int64_t{1} << 40)) v = v * 10 + (*p_ - '0');
            ++p_;
        }
        *out = negative ? -v : v;
        return true;
    }

    // A comma (after optional spaces).
    bool Comma()
    {
        SkipBlanks();
        if (p_ < end_ && *p_ == ',') {
            ++p_;
            return true;
        }
        return false;
    }

    // count numbers separated by commas.
    bool Numbers(int64_t* out, int count)
    {
        for (int i = 0; i < count; ++i)
            if ((i > 0 && !Comma()) || !Number(&out[i])) return false;
        return true;
    }

    // The rest of the line without the blanks around it.
    std::string_view Rest() const
    {
        const char* b = p_;
        const char* e = end_;
        while (b < e && (*b == ' ' || *b == '\t')) ++b;
        while (e > b && (e[-1] == ' ' || e[-1] == '\t')) --e;
        return std::string_view(b, static_cast<std::size_t>(e - b));
    }

private:
    void SkipBlanks()
    {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t')) ++p_;
    }

    const char* p_;
    const char* end_;
};

// Whole-number text: an optional sign, digits, nothing else but blanks.
bool ParseWholeNumber(std::string_view text, int64_t* out)
{
    Cursor c(text.data(), text.data() + text.size());
    if (!c.Number(out)) return false;
    return c.Rest().empty();
}

class CfgText {
public:
    CfgText(const char* data, std::size_t size) : text_(data, size) {}

    // The value of the first "name=" anywhere in the text (a key inside a
    // comment counts), up to the end of its line; false when absent.
    bool Find(std::string_view name, Cursor* value) const
    {
        std::string key(name);
        key += '=';
        const std::size_t at = text_.find(key);
        if (at == std::string_view::npos) return false;
        const std::size_t from = at + key.size();
        std::size_t to = from;
        while (to < text_.size() && text_[to] != '\r' && text_[to] != '\n' && text_[to] != '\0') ++to;
        *value = Cursor(text_.data() + from, text_.data() + to);
        return true;
    }

private:
    std::string_view text_;
};

void ReadKey(const CfgText& text, const CfgKey& k)
{
    Cursor c(nullptr, nullptr);
    if (!text.Find(k.name, &c)) return;
    int64_t v[4];
    switch (k.kind) {
    case KEY_FLAG:
        if (c.Number(&v[0])) *static_cast<int32_t*>(k.target) = v[0] == 1 ? 1 : 0;
        break;
    case KEY_INT:
        if (c.Number(&v[0])) *static_cast<int32_t*>(k.target) = Clamp(v[0], k.min, k.max);
        break;
    case KEY_RGB:
        if (c.Numbers(v, 3))
            *static_cast<uint32_t*>(k.target) = Rgb(Clamp(v[0], 0, 255), Clamp(v[1], 0, 255), Clamp(v[2], 0, 255));
        break;
    case KEY_TEXT: {
        const std::string_view rest = c.Rest();
        if (!rest.empty()) CopyCut(static_cast<char*>(k.target), k.size, std::string(rest));
        break;
    }
    case KEY_RECT:
        if (c.Numbers(v, 4)) {
            SV_RECT& r = *static_cast<SV_RECT*>(k.target);
            r.left = Clamp(v[0], kCoordMin, kCoordMax);
            r.top = Clamp(v[1], kCoordMin, kCoordMax);
            r.right = r.left + Clamp(v[2], 0, kSizeMax);
            r.bottom = r.top + Clamp(v[3], 0, kSizeMax);
        }
        break;
    }
}

void ReadVerseListPosition(const CfgText& text)
{
    Cursor c(nullptr, nullptr);
    if (!text.Find("VerseListPosition", &c)) return;
    int64_t v[8];
    if (!c.Numbers(v, 4)) return;
    SV_RECT& r = status.verse_position;
    r.left = Clamp(v[0], kCoordMin, kCoordMax);
    r.top = Clamp(v[1], kCoordMin, kCoordMax);
    r.right = r.left + Clamp(v[2], 0, kSizeMax);
    r.bottom = r.top + Clamp(v[3], 0, kSizeMax);
    if (!c.Comma() || !c.Numbers(v + 4, 4)) return;
    status.verse_lv_width[0] = Clamp(v[4], 0, kSizeMax);
    status.verse_lv_width[1] = Clamp(v[5], 0, kSizeMax);
    status.verse_ref_width[0] = Clamp(v[6], 0, kSizeMax);
    status.verse_ref_width[1] = Clamp(v[7], 0, kSizeMax);
}

// Data paths 1 and up. Entry 0 stays the current directory found at
// start-up. A missing, empty or too long path is left out and the paths
// after it move up, so that no path is ever cut or left empty; at most ten
// paths are kept.
void ReadPaths(const CfgText& text)
{
    Cursor c(nullptr, nullptr);
    int64_t used = 0;
    if (!text.Find("PathUsed", &c) || !c.Number(&used)) return;
    // Entries past a gap may fill it, up to the ten paths the program keeps.
    used = Clamp(used, 1, kMaxPathEntries);
    int kept = 1;
    for (int i = 1; i < used && kept < MAX_PATHS; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "PathData[%d]", i);
        if (!text.Find(key, &c)) continue;
        std::string_view value = c.Rest();
        // "path,read_only": the flag follows the last comma, so that a path
        // may hold commas itself.
        int64_t read_only = 0;
        const std::size_t comma = value.rfind(',');
        if (comma != std::string_view::npos && ParseWholeNumber(value.substr(comma + 1), &read_only)) {
            value = value.substr(0, comma);
            while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
        } else {
            read_only = 0;
        }
        if (value.empty() || value.size() >= sizeof status.path_data[0].path) continue;
        PATH& p = status.path_data[kept++];
        CopyCut(p.path, sizeof p.path, std::string(value));
        p.read_only = read_only == 1 ? 1 : 0;
    }
    for (int i = kept; i < MAX_PATHS; ++i) status.path_data[i] = PATH{};
    status.path_used = kept;
}

// "filename,type,offset,left,top,width,height,param". The seven numbers are
// the last seven fields, so a file name may hold commas. A file name of 32
// characters or more, a type other than 0 to 3 or a missing number leaves
// the entry empty.
void ReadChildWindow(const CfgText& text, int i, CFG_WINDOW* entry)
{
    char key[32];
    std::snprintf(key, sizeof key, "ChildWindow[%d]", i);
    Cursor c(nullptr, nullptr);
    if (!text.Find(key, &c)) return;
    std::string_view value = c.Rest();
    int64_t v[7];
    for (int f = 6; f >= 0; --f) {
        const std::size_t comma = value.rfind(',');
        if (comma == std::string_view::npos || !ParseWholeNumber(value.substr(comma + 1), &v[f])) return;
        value = value.substr(0, comma);
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    if (value.size() >= sizeof entry->filename) return;
    if (v[0] < MODULE_BOOK || v[0] > MODULE_INFO) return;
    CopyCut(entry->filename, sizeof entry->filename, std::string(value));
    entry->type = static_cast<int32_t>(v[0]);
    entry->offset = Clamp(v[1], 0, INT32_MAX);
    entry->left = Clamp(v[2], kCoordMin, kCoordMax);
    entry->top = Clamp(v[3], kCoordMin, kCoordMax);
    entry->width = Clamp(v[4], 0, kSizeMax);
    entry->height = Clamp(v[5], 0, kSizeMax);
    entry->param = Clamp(v[6], 0, kSizeMax);
}

// ---------------------------------------------------------------------------
// Writing.

std::string FormatKey(const CfgKey& k)
{
    char buf[160];
    switch (k.kind) {
    case KEY_FLAG:
        std::snprintf(buf, sizeof buf, "%d", *static_cast<const int32_t*>(k.target) == 1 ? 1 : 0);
        break;
    case KEY_INT:
        std::snprintf(buf, sizeof buf, "%d", static_cast<int>(*static_cast<const int32_t*>(k.target)));
        break;
    case KEY_RGB: {
        const uint32_t c = *static_cast<const uint32_t*>(k.target);
        std::snprintf(buf, sizeof buf, "%u,%u,%u", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        break;
    }
    case KEY_TEXT: {
        const char* t = static_cast<const char*>(k.target);
        return k.name + "=" + std::string(t, strnlen(t, k.size));
    }
    case KEY_RECT: {
        const SV_RECT& r = *static_cast<const SV_RECT*>(k.target);
        // A rectangle never has a negative size in the file (the character
        // table's default has only its corner).
        const int64_t w = int64_t{r.right} - r.left;
        const int64_t h = int64_t{r.bottom} - r.top;
        std::snprintf(buf, sizeof buf, "%d,%d,%d,%d", static_cast<int>(r.left), static_cast<int>(r.top),
                      static_cast<int>(Clamp(w, 0, INT32_MAX)), static_cast<int>(Clamp(h, 0, INT32_MAX)));
        break;
    }
    }
    return k.name + "=" + buf;
}

std::string FormatChildWindow(int i, const CFG_WINDOW& e)
{
    char buf[192];
    std::snprintf(buf, sizeof buf, "ChildWindow[%d]=%.*s,%d,%d,%d,%d,%d,%d,%d", i,
                  static_cast<int>(strnlen(e.filename, sizeof e.filename)), e.filename, static_cast<int>(e.type),
                  static_cast<int>(e.offset), static_cast<int>(e.left), static_cast<int>(e.top),
                  static_cast<int>(e.width), static_cast<int>(e.height), static_cast<int>(e.param));
    return buf;
}

bool WriteAll(std::FILE* f, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), f) != line.size()) return false;
        if (std::fwrite("\r\n", 1, 2, f) != 2) return false;
    }
    return std::fflush(f) == 0;
}

} // namespace

std::string SevirCfgPath()
{
    if (status.sevir_cd == 1) return std::string(status.sevir_cd_cfg_path, strnlen(status.sevir_cd_cfg_path, 200));
    return SvJoinPath(std::string(status.path_data[0].path, strnlen(status.path_data[0].path, 200)), "sevir.cfg");
}

int ReadSevirCfgData(const char* data, std::size_t size, CFG_WINDOW* list, int count)
{
    if (!data) size = 0;
    const CfgText text(data, size);
    for (const CfgKey& k : Keys()) ReadKey(text, k);
    ReadVerseListPosition(text);
    ReadPaths(text);

    if (!list || count < 0) count = 0;
    for (int i = 0; i < count; ++i) {
        list[i] = CFG_WINDOW{};
        list[i].id = i;
    }
    Cursor c(nullptr, nullptr);
    if (!text.Find("NumChildWindows", &c)) return -1;
    int64_t n = 0;
    if (!c.Number(&n)) n = 0;
    n = Clamp(n, 0, count);
    for (int i = 0; i < n; ++i) ReadChildWindow(text, i, &list[i]);
    return static_cast<int>(n);
}

int ReadSevirCfgFile(const char* path, CFG_WINDOW* list, int count)
{
    SvFile* f = path ? SvOpenRead(path) : nullptr;
    if (!f) return -1;
    int64_t size = SvFileSize(f);
    if (size < 0) size = 0;
    if (static_cast<uint64_t>(size) > kMaxCfgBytes) size = static_cast<int64_t>(kMaxCfgBytes);
    std::string block;
    try {
        block.resize(static_cast<std::size_t>(size));
    } catch (...) {
        SvClose(f);
        return -1;
    }
    const std::size_t got = size > 0 ? SvRead(f, block.data(), block.size()) : 0;
    SvClose(f);
    block.resize(got);
    return ReadSevirCfgData(block.data(), block.size(), list, count);
}

int ReadSevirCfg(CFG_WINDOW* list, int count)
{
    return ReadSevirCfgFile(SevirCfgPath().c_str(), list, count);
}

std::vector<std::string> SevirCfgLines(const CFG_WINDOW* windows, int n)
{
    if (!windows || n < 0) n = 0;
    std::vector<std::string> L;
    auto key = [&L](const char* name) { L.push_back(FormatKey(Key(name))); };
    auto empty = [&L] { L.emplace_back(); };

    L.emplace_back(";Sevir3 program configuration file.");
    L.emplace_back(";Do NOT edit, unless you REALLY know what you do.");
    L.emplace_back(";Bad values can crash Sevir3 easily!");
    L.emplace_back(";Syntax: NameOfParameter=value1(,value2,...)");
    L.emplace_back(";" + std::string(53, '='));

    key("SaveOnExit");
    empty();
    key("RTFCzechFontName");
    key("RTFCzechFontSize");
    key("RTFGreekFontSize");
    key("RTFHebrewFontSize");
    empty();

    for (const TagClass& t : kTagClasses) {
        if (t.row == RTF_LABEL) L.emplace_back(";IMPORTANT: following RGB color must be unique among all tag colors!");
        const std::string base = std::string("TAG_") + t.name;
        key((base + "_Color").c_str());
        key((base + "_Bold").c_str());
        key((base + "_Italic").c_str());
        empty();
    }

    key("MainWindow");
    empty();
    L.push_back("NumChildWindows=" + std::to_string(n));
    empty();
    L.emplace_back(";Note: Child windows are described by: id of window");
    L.emplace_back(";opened file name (nothing for info window)");
    L.emplace_back(";type of window (0=book, 1=lex, 2=dic, 3=info)");
    L.emplace_back(";position-offset in SBK/record number LEX or DIC (0 for info window)");
    L.emplace_back(";xpos,ypos, width, height of window - relative to MDI frame parent");
    L.emplace_back(";additional parameter: DIC-direction, LEX-width of word column");
    empty();
    for (int i = 0; i < n; ++i) L.push_back(FormatChildWindow(i, windows[i]));
    empty();

    L.emplace_back(";Note: PathData[0] is main path, actualised on startup.");
    L.emplace_back(";Rest of paths are user-defined. Second parameter is read-only flag of path.");
    const int used = status.path_used < 1 ? 1 : (status.path_used > MAX_PATHS ? MAX_PATHS : status.path_used);
    L.push_back("PathUsed=" + std::to_string(used));
    for (int i = 0; i < used; ++i) {
        const PATH& p = status.path_data[i];
        L.push_back("PathData[" + std::to_string(i) + "]=" + std::string(p.path, strnlen(p.path, sizeof p.path)) +
                    "," + std::to_string(p.read_only == 1 ? 1 : 0));
    }
    empty();

    key("LangFilenameDefault");
    empty();
    key("TableVisible");
    empty();

    for (const char* name :
         {"TablePosition", "TableLanguage", "TableTooltip", "TableFrameColorHE", "TableFrameColorGR", "TreeVisible",
          "TreeWidth", "ArrangeTile", "ArrangeTileVertical", "ArrangeResizing", "TooltipToolbar", "HebrewAutoEnd",
          "LexListBoxWidthMin", "LexKeyIgnoreVowels", "LexClearFilterBeforeLook", "LexHighlightLine",
          "LexHighlightLineColor1", "LexHighlightLineColor2", "LexHighlightCombo", "LexHighlightComboColor",
          "DicKeyIgnoreVowels", "DicClearFilterBeforeLook", "DicLookAutoOpposite", "DicHighlightLine",
          "DicHighlightLineColor1", "DicHighlightLineColor2", "DicHighlightCombo", "DicHighlightComboColor",
          "ScrollTip", "ScrollTipBackColor", "ScrollTipWidth", "SortResultsWarning", "RevFFSeconds",
          "OpenMP3Autoplay", "AudioTimerMilisec", "AudioBufferPlay", "AudioBufferIndexing",
          "AudioDeleteTmpFileAfterMerge", "TipOfDayShow", "TipOfDayNumber", "VerseListVisible",
          "VerseListAbbreviations", "VerseListAskSaveChanges"})
        key(name);
    empty();

    L.emplace_back(";Note: Verse list position: X-pos,Y-pos,Width,Height,");
    L.emplace_back(";left list width, right list width, left reference width, right reference width");
    {
        const SV_RECT& r = status.verse_position;
        const int64_t w = int64_t{r.right} - r.left;
        const int64_t h = int64_t{r.bottom} - r.top;
        char buf[160];
        std::snprintf(buf, sizeof buf, "VerseListPosition=%d,%d,%d,%d,%d,%d,%d,%d", static_cast<int>(r.left),
                      static_cast<int>(r.top), static_cast<int>(Clamp(w, 0, INT32_MAX)),
                      static_cast<int>(Clamp(h, 0, INT32_MAX)), static_cast<int>(status.verse_lv_width[0]),
                      static_cast<int>(status.verse_lv_width[1]), static_cast<int>(status.verse_ref_width[0]),
                      static_cast<int>(status.verse_ref_width[1]));
        L.emplace_back(buf);
    }
    empty();

    key("SplashScreen");
    key("SplashScreenDelayMs");
    empty();
    empty();
    return L;
}

int WriteSevirCfgFile(const char* path, const CFG_WINDOW* windows, int n)
{
    if (!path || !*path) return 0;
    const std::vector<std::string> lines = SevirCfgLines(windows, n);
    // Written under a temporary name in the same folder and renamed over the
    // old file only when complete: a full disk or a crash while writing never
    // costs the user the configuration he has.
    const std::string temp = std::string(path) + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return 0;
    bool ok = WriteAll(f, lines);
    if (std::fclose(f) != 0) ok = false;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temp, path, ec);
        ok = !ec;
    }
    if (!ok) std::remove(temp.c_str());
    return ok ? 1 : 0;
}

CFG_WINDOW DescribeDatawindowForCfg(int id)
{
    CFG_WINDOW e{};
    e.id = id;
    if (id < 0 || id >= MAX_DATAWINDOWS) return e;
    const DATAWINDOW& w = datawindow[id];
    e.type = w.type;
    if (w.infowindow != 1 && w.type != MODULE_INFO && w.id_file >= 0 && w.id_file < MAX_DATAFILES)
        CopyCut(e.filename, sizeof e.filename, datafile[w.id_file].filename);
    e.offset = w.type == MODULE_BOOK ? w.offset : 0;
    e.left = w.position.left;
    e.top = w.position.top;
    e.width = w.position.right - w.position.left;
    e.height = w.position.bottom - w.position.top;
    e.param = w.type == MODULE_LEXICON ? w.lx_listbox_width : (w.type == MODULE_DICTIONARY ? w.dic_direction : 0);
    return e;
}

int WriteSevirCfg()
{
    if (g_cfg_write_hooks.before_write) g_cfg_write_hooks.before_write();
    const int n = status.num_windows < 0 ? 0 : (status.num_windows > MAX_DATAWINDOWS ? MAX_DATAWINDOWS : status.num_windows);
    std::vector<CFG_WINDOW> windows;
    for (int i = 0; i < n; ++i) {
        CFG_WINDOW e = DescribeDatawindowForCfg(i);
        if (g_cfg_write_hooks.describe_window) g_cfg_write_hooks.describe_window(i, &e);
        windows.push_back(e);
    }
    return WriteSevirCfgFile(SevirCfgPath().c_str(), windows.data(), n);
}

int ReadConfigurationAtStartup()
{
    FreeConfiguredWindows();
    const std::size_t bytes = sizeof(CFG_WINDOW) * MAX_CFG_WINDOWS;
    status.cfg_window = static_cast<CFG_WINDOW*>(std::calloc(MAX_CFG_WINDOWS, sizeof(CFG_WINDOW)));
    if (!status.cfg_window) {
        ShowMessageBoxId(nullptr, IDS_NO_MEMORY, IDS_NO_MEMORY_CAPTION, SV_MB_OK | SV_MB_ICONERROR,
                         static_cast<int>(bytes));
        status.result_cfg_read = 0;
        return 0;
    }
    status.result_cfg_read = ReadSevirCfg(status.cfg_window, MAX_CFG_WINDOWS);
    if (status.result_cfg_read == -1)
        ShowMessageBoxId(nullptr, IDS_CFG_NOT_FOUND, IDS_CFG_NOT_FOUND_CAPTION, SV_MB_OK | SV_MB_ICONINFORMATION,
                         "sevir.cfg");
    return status.result_cfg_read;
}

void FreeConfiguredWindows()
{
    std::free(status.cfg_window);
    status.cfg_window = nullptr;
}
