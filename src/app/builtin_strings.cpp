#include "app/builtin_strings.h"

#include <algorithm>
#include <iterator>

#include "resource.h"

namespace {

// Menu labels: popups by their translation number, items by command id.
const BUILTIN_STRING g_menu[] = {
#define MENU_POPUP(id, text) {id, text},
#define MENU_POPUP_GRAYED(id, text) {id, text},
#define MENU_ITEM(id, text) {id, text},
#define MENU_ITEM_GRAYED(id, text) {id, text},
#define MENU_SEPARATOR()
#define MENU_END()
#include "menu.def"
#undef MENU_POPUP
#undef MENU_POPUP_GRAYED
#undef MENU_ITEM
#undef MENU_ITEM_GRAYED
#undef MENU_SEPARATOR
#undef MENU_END
};

// Dialog controls, by control id.
const BUILTIN_STRING g_dialog[] = {
#define DLG_TEXT(id, text) {id, text},
#include "dialogs.def"
#undef DLG_TEXT
};

const BUILTIN_STRING g_strings[] = {
#define STR(id, text) {id, text},
#include "app/strings_en.inc"
#undef STR
};

constexpr std::size_t kAll = std::size(g_menu) + std::size(g_dialog) + std::size(g_strings);

struct SortedTable {
    BUILTIN_STRING entries[kAll];
    SortedTable()
    {
        BUILTIN_STRING* end = std::copy(std::begin(g_menu), std::end(g_menu), entries);
        end = std::copy(std::begin(g_dialog), std::end(g_dialog), end);
        std::copy(std::begin(g_strings), std::end(g_strings), end);
        std::stable_sort(std::begin(entries), std::end(entries),
                         [](const BUILTIN_STRING& a, const BUILTIN_STRING& b) { return a.id < b.id; });
    }
};

const SortedTable& Sorted()
{
    static const SortedTable table;
    return table;
}

} // namespace

const char* BuiltinString(int id)
{
    const SortedTable& t = Sorted();
    auto it = std::lower_bound(std::begin(t.entries), std::end(t.entries), id,
                               [](const BUILTIN_STRING& e, int key) { return e.id < key; });
    if (it == std::end(t.entries) || it->id != id) return nullptr;
    return it->text;
}

const BUILTIN_STRING* BuiltinStringTable(int* count)
{
    if (count) *count = static_cast<int>(kAll);
    return Sorted().entries;
}

const BUILTIN_STRING* BuiltinStringGroup(BUILTIN_GROUP group, int* count)
{
    const BUILTIN_STRING* first = group == BUILTIN_MENU ? g_menu : group == BUILTIN_DIALOG ? g_dialog : g_strings;
    const std::size_t n = group == BUILTIN_MENU     ? std::size(g_menu)
                          : group == BUILTIN_DIALOG ? std::size(g_dialog)
                                                    : std::size(g_strings);
    if (count) *count = static_cast<int>(n);
    return first;
}
