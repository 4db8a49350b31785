#include "books/book_window.h"

#include <cstdio>
#include <cstring>

#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "books/tag_parser.h"
#include "books/verse_location.h"
#include "resource.h"
#include "cmdline/sync_names.h"

BOOK_WINDOW_HOOKS g_book_window_hooks = {};

namespace {

bool ValidWindow(int id)
{
    return id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS;
}

void Redraw(int id)
{
    if (g_book_window_hooks.redraw_window) g_book_window_hooks.redraw_window(id);
}

// The ten tag classes of the tag menu, by command 7 .. 16.
struct TagClass {
    int command;
    int32_t DATAWINDOW::*has;
    int32_t DATAWINDOW::*show;
};
const TagClass kTagClasses[10] = {
    {7, &DATAWINDOW::tag_reference, &DATAWINDOW::show_tag_reference},
    {8, &DATAWINDOW::tag_strong_hebrew, &DATAWINDOW::show_tag_strong_hebrew},
    {9, &DATAWINDOW::tag_strong_greek, &DATAWINDOW::show_tag_strong_greek},
    {10, &DATAWINDOW::tag_christ, &DATAWINDOW::show_tag_christ},
    {11, &DATAWINDOW::tag_preface, &DATAWINDOW::show_tag_preface},
    {12, &DATAWINDOW::tag_unused, &DATAWINDOW::show_tag_unused},
    {13, &DATAWINDOW::tag_note, &DATAWINDOW::show_tag_note},
    {14, &DATAWINDOW::tag_variant, &DATAWINDOW::show_tag_variant},
    {15, &DATAWINDOW::tag_morph_hebrew, &DATAWINDOW::show_tag_morph_hebrew},
    {16, &DATAWINDOW::tag_morph_greek, &DATAWINDOW::show_tag_morph_greek},
};

const TagClass* FindClass(int command)
{
    for (const TagClass& c : kTagClasses)
        if (c.command == command) return &c;
    return nullptr;
}

// Stores a located position as the window's new place.
int Move(int id, const BOOK_POSITION& p, int32_t offset)
{
    DATAWINDOW& w = datawindow[id];
    if (offset <= 0) return 0;
    w.book_position = p;
    w.book_position.number = id;
    w.offset = offset;
    w.rtf_line = 0;
    return 1;
}

// Locates p in window id and moves there; 0 when the verse is not found.
int Locate(int id, BOOK_POSITION p)
{
    p.number = id;
    return Move(id, p, BK_HledejVers(p));
}

// The record the window shows now: its offset, found again from the position
// when the stored one is not set.
int32_t CurrentOffset(int id)
{
    DATAWINDOW& w = datawindow[id];
    if (w.offset > 0) return w.offset;
    BOOK_POSITION p = w.book_position;
    p.number = id;
    return BK_HledejVers(p);
}

} // namespace

int BK_IsBookWindow(int id)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    return w.type == MODULE_BOOK && !w.results && !w.infowindow ? 1 : 0;
}

const char* BK_CurrentSyncName(int id)
{
    if (!ValidWindow(id)) return nullptr;
    const DATAWINDOW& w = datawindow[id];
    const int b = w.book_position.book;
    if (!w.book_info || b < 1 || b > w.books) return nullptr;
    return w.book_info[b - 1].sync_name;
}

int BK_StepVerse(int id, int step)
{
    if (!BK_IsBookWindow(id) || !BK_WindowFile(id)) return 0;
    const int32_t from = CurrentOffset(id);
    if (from <= 0) return 0;
    BOOK_POSITION p = datawindow[id].book_position;
    p.number = id;
    const int32_t to = BK_PosunOffset(&p, from, step < 0 ? -1 : 1);
    if (to <= 0 || to == from) return 0;
    return Move(id, p, to);
}

int BK_PageUp(int id)
{
    if (!BK_IsBookWindow(id) || !BK_WindowFile(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    BOOK_POSITION p = w.book_position;
    if (p.verse != 1) {
        p.verse = 1;
    } else if (p.chapter > 1) {
        p.chapter -= 1;
    } else if (p.book > 1 && w.book_info) {
        p.book -= 1;
        p.chapter = w.book_info[p.book - 1].chapters > 0 ? w.book_info[p.book - 1].chapters : 1;
    } else {
        p.book = 1;
        p.chapter = 1;
    }
    p.verse = 1;
    const int32_t before = w.offset;
    if (!Locate(id, p)) return 0;
    return w.offset != before ? 1 : 0;
}

int BK_PageDown(int id)
{
    if (!BK_IsBookWindow(id) || !BK_WindowFile(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    const int32_t before = CurrentOffset(id);
    BOOK_POSITION p = w.book_position;
    p.number = id;
    const int chapters = w.book_info && p.book >= 1 && p.book <= w.books ? w.book_info[p.book - 1].chapters : 0;
    p.verse = 1;
    if (p.chapter < chapters) {
        p.chapter += 1;
    } else if (p.book < w.books) {
        p.book += 1;
        p.chapter = 1;
    } else {
        // After the last book: the module's last verse.
        const int32_t last = BK_PosunOffset(&p, w.filesize, 0);
        return last > 0 && last != before ? Move(id, p, last) : 0;
    }
    const int32_t to = BK_HledejVers(p);
    if (to <= 0 || to == before) return BK_StepVerse(id, 1);
    return Move(id, p, to);
}

int BK_GoToOffset(int id, int32_t offset)
{
    if (!BK_IsBookWindow(id) || !BK_WindowFile(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    if (offset < w.tag_data) offset = w.tag_data;
    if (offset > w.filesize) offset = w.filesize;
    BOOK_POSITION p = w.book_position;
    p.number = id;
    const int32_t to = BK_PosunOffset(&p, offset, 0);
    return Move(id, p, to);
}

BK_SCROLL_RANGE BK_ScrollRange(int id)
{
    BK_SCROLL_RANGE r{0, 0, 0};
    if (!ValidWindow(id)) return r;
    const DATAWINDOW& w = datawindow[id];
    r.min = w.tag_data;
    r.max = w.filesize > w.tag_data ? w.filesize : w.tag_data;
    r.pos = w.offset < r.min ? r.min : (w.offset > r.max ? r.max : w.offset);
    return r;
}

int BK_LineDownScrollsView(int line_length, int begins_verse)
{
    return line_length > 2 && !begins_verse ? 1 : 0;
}

int BK_NewLineProbe(int language, int line_start, int line_length)
{
    if (language == SCRIPT_LATIN || language == SCRIPT_GREEK || line_length <= 0) return line_start;
    return line_start + line_length - 1;
}

// Moves book window k to the book of sync name `sync` at chapter:verse.
// A module without that book stays; a verse it lacks gives the window the
// new position but keeps the old text. Returns 1 when the window was redrawn.
static int FollowTo(int k, const char* sync, int32_t chapter, int32_t verse)
{
    const int j = GetIndexOfSyncname(k, sync);
    if (j < 0) return 0;
    DATAWINDOW& w = datawindow[k];
    w.book_position = BOOK_POSITION{k, j + 1, chapter, verse};
    const int32_t offset = BK_HledejVers(w.book_position);
    if (offset <= 0) return 0;
    w.offset = offset;
    w.rtf_line = 0;
    Redraw(k);
    return 1;
}

int BK_SyncBooks(int id)
{
    const char* name = BK_CurrentSyncName(id);
    if (!name || !name[0]) return 0;
    char sync[sizeof(BOOK_INFO::sync_name) + 1] = {};
    std::memcpy(sync, name, sizeof(BOOK_INFO::sync_name));
    const BOOK_POSITION source = datawindow[id].book_position;
    int redrawn = 0;
    for (int k = 0; k < status.num_windows && k < MAX_DATAWINDOWS; ++k) {
        if (k == id || !BK_IsBookWindow(k) || !BK_WindowFile(k) || datawindow[k].sync != 1) continue;
        redrawn += FollowTo(k, sync, source.chapter, source.verse);
    }
    return redrawn;
}

int BK_SyncBooks2(BOOK_POSITION position, const char* sync_name)
{
    if (!sync_name || !sync_name[0]) return 0;
    char sync[sizeof(BOOK_INFO::sync_name) + 1] = {};
    std::strncpy(sync, sync_name, sizeof(BOOK_INFO::sync_name));
    int redrawn = 0;
    for (int k = 0; k < status.num_windows && k < MAX_DATAWINDOWS; ++k) {
        if (!BK_IsBookWindow(k) || !BK_WindowFile(k)) continue;
        DATAWINDOW& w = datawindow[k];
        if (w.sync != 1 || w.no_jumps == 1) continue;
        redrawn += FollowTo(k, sync, position.chapter, position.verse);
    }
    return redrawn;
}

int GetAllTagsState(int id)
{
    if (status.num_windows <= 0 || !ValidWindow(id)) return -1;
    const DATAWINDOW& w = datawindow[id];
    if (w.tag_advanced == 0) return -1;
    int has = 0, shown = 0;
    for (const TagClass& c : kTagClasses) {
        if (w.*c.has != 1) continue;
        ++has;
        if (w.*c.show) ++shown;
    }
    if (has == 0) return 0;
    if (shown == has) return 1;
    if (shown == 0) return 2;
    return 0;
}

int CloneShowTagFlags(DATAWINDOW* destination, const DATAWINDOW* source)
{
    if (!destination || !source) {
        ReportBug(2, "CloneShowTagFlags: NULL pointer to DATAWINDOW");
        return 0;
    }
    for (const TagClass& c : kTagClasses) destination->*c.show = source->*c.show;
    destination->show_tag_bold = source->show_tag_bold;
    destination->show_tag_italic = source->show_tag_italic;
    return 1;
}

int ProcessTagMenuCommand(int id, int command)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    switch (command) {
    case 1: w.sync = !w.sync; return 1;
    case 2: w.scroll_verse = !w.scroll_verse; return 1;
    case 3: w.no_jumps = !w.no_jumps; return 1;
    case 5:
        for (const TagClass& c : kTagClasses) w.*c.show = w.*c.has == 1 ? 1 : 0;
        return 1;
    case 6:
        for (const TagClass& c : kTagClasses) w.*c.show = 0;
        return 1;
    case IDM_TAG_DECODE_MORPH_GREEK:
        status.opt_decode_morphology = status.opt_decode_morphology == 1 ? 0 : 1;
        return 1;
    default:
        break;
    }
    if (const TagClass* c = FindClass(command)) {
        w.*c->show = !(w.*c->show);
        return 1;
    }
    return 0;
}

BK_MENU_STATE BK_TagMenuItemState(int id, int command)
{
    BK_MENU_STATE s{0, 0};
    if (!ValidWindow(id)) return s;
    const DATAWINDOW& w = datawindow[id];
    if (command == 5 || command == 6) {
        s.enabled = 1;
        return s;
    }
    if (command == IDM_TAG_DECODE_MORPH_GREEK) {
        s.enabled = w.tag_morph_greek == 1 ? 1 : 0;
        s.checked = status.opt_decode_morphology == 1 ? 1 : 0;
        return s;
    }
    if (const TagClass* c = FindClass(command)) {
        s.enabled = w.*c->has == 1 ? 1 : 0;
        s.checked = w.*c->show ? 1 : 0;
    }
    return s;
}

int BK_WindowOptionChecked(int id, int command)
{
    if (!ValidWindow(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    switch (command) {
    case 23: return w.compare == 1;
    case 1: return w.sync == 1;
    case 2: return w.scroll_verse == 0;
    case 25: return w.morph_line == 1;
    case 3: return w.no_jumps == 0;
    default: return 0;
    }
}

int BK_ToggleWindowOption(int id, int command)
{
    if (!ValidWindow(id)) return 0;
    DATAWINDOW& w = datawindow[id];
    switch (command) {
    case 1:
    case 2:
    case 3: return ProcessTagMenuCommand(id, command);
    case 23: w.compare = !w.compare; return 1;
    case 25: w.morph_line = !w.morph_line; return 1;
    default: return 0;
    }
}

int IsSelectionSeparator(int language, unsigned char c)
{
    switch (language) {
    case SCRIPT_LATIN:
        if (c < 0x21) return 1;
        return std::strchr(".,;\"-:()!?", c) && c != 0 ? 1 : 0;
    case SCRIPT_HEBREW:
        return c < 0x30 || (c >= 0x3A && c <= 0x3F) ? 1 : 0;
    case SCRIPT_GREEK:
        if (c <= 0x21) return 1;
        return c == 0x3F || c == 0x5C || c == 0x26 || c == 0x28 || c == 0x29 || c == 0xC5 || c == 0xC8 ||
                       c == 0xCE || c == 0xD0
                   ? 1
                   : 0;
    default:
        return 1;
    }
}

BUTTON_STATES BK_ComputeButtonStates()
{
    BUTTON_STATES b{};
    b.tree = status.tree_visible ? BUTTON_PRESSED : BUTTON_NORMAL;
    b.table = status.table_visible ? BUTTON_PRESSED : BUTTON_NORMAL;
    b.info = status.info_visible ? BUTTON_PRESSED : BUTTON_NORMAL;
    b.verse_list = status.verse_visible ? BUTTON_PRESSED : BUTTON_NORMAL;
    const int id = status.bk_last_book;
    const bool any = status.num_windows > 0 && ValidWindow(id);
    const DATAWINDOW* w = any ? &datawindow[id] : nullptr;
    const bool book = w && w->type == MODULE_BOOK && !w->results && !w->infowindow;
    b.compare = !book ? BUTTON_INDETERMINATE : (w->compare == 1 ? BUTTON_PRESSED : BUTTON_NORMAL);
    b.reusable = !book || w->compare == 1 ? BUTTON_INDETERMINATE
                                          : (w->reusable == 1 ? BUTTON_PRESSED : BUTTON_NORMAL);
    const int tags = book ? GetAllTagsState(id) : -1;
    if (tags < 0) {
        b.show_all_tags = b.hide_all_tags = BUTTON_INDETERMINATE;
    } else {
        b.show_all_tags = tags == 1 ? BUTTON_PRESSED : BUTTON_NORMAL;
        b.hide_all_tags = tags == 2 ? BUTTON_PRESSED : BUTTON_NORMAL;
    }
    b.search = any && !w->infowindow && w->type != MODULE_DICTIONARY ? 1 : 0;
    b.search_in_results = any && status.res_visible && w->results ? 1 : 0;
    b.results_list = search_out_bk.hit_verses > 0 ? 1 : 0;
    return b;
}

int BK_NavigatorContents(const BOOK_POSITION& position, int id, int mode, BK_NAVIGATOR* out)
{
    if (!out) return 0;
    std::memset(out, 0, sizeof *out);
    // The results window shows the place of its current result.
    const bool results = id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS && datawindow[id].results == 1;
    if ((!BK_IsBookWindow(id) && !results) || !BK_WindowFile(id)) return 0;
    const DATAWINDOW& w = datawindow[id];
    if (!w.book_info || position.book < 1 || position.book > w.books) return 0;
    const BOOK_INFO& b = w.book_info[position.book - 1];
    std::snprintf(out->single_book, sizeof out->single_book, "%.31s", b.name);
    BOOK_POSITION p = position;
    p.number = id;
    const int verses = BK_PocetVersu(p);
    if (verses <= 0) return 0;
    if (mode == 0) {
        out->books = out->chapters = out->verses = 1;
        return 1;
    }
    out->books = w.books;
    out->chapters = b.chapters > 0 ? b.chapters : 1;
    out->verses = verses;
    out->book_sel = position.book - 1;
    out->chapter_sel = position.chapter - 1;
    out->verse_sel = position.verse - 1;
    return 1;
}

int BK_StatusBarTexts(int id, char* part0, int size0, char* part1, int size1)
{
    if (part0 && size0 > 0) {
        int open = 0;
        for (int i = 0; i < status.files_all && i < MAX_DATAFILES; ++i)
            if (datafile[i].opened) ++open;
        char format[128];
        LANG_LoadString(nullptr, 10074, format, sizeof format);
        std::snprintf(part0, static_cast<std::size_t>(size0), format, status.files_all, open);
    }
    if (part1 && size1 > 0) {
        part1[0] = '\0';
        if (BK_IsBookWindow(id)) {
            static BOOK_RECORD label;
            label.book_position = datawindow[id].book_position;
            BK_GenerujPopisku(&label, id, 1);
            std::snprintf(part1, static_cast<std::size_t>(size1), "[%s]  %s", datawindow[id].abbrev, label.name);
        } else if (id >= 0 && id < status.num_windows && id < MAX_DATAWINDOWS && datawindow[id].results == 1) {
            char format[128];
            LANG_LoadString(nullptr, 10080, format, sizeof format);
            std::snprintf(part1, static_cast<std::size_t>(size1), format, datawindow[id].abbrev,
                          search_out_bk.res_hitnumber + 1, search_out_bk.hit_verses);
        }
    }
    return 1;
}
