#include "app/builtin_strings.h"

#include <algorithm>
#include <iterator>

#include "resource.h"

namespace {

const BUILTIN_STRING g_table[] = {
// Menu labels: popups by their translation number, items by command id.
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

// Dialog controls, by control id.
#define DLG_TEXT(id, text) {id, text},
#include "dialogs.def"
#undef DLG_TEXT

#define STR(id, text) {id, text},
#include "app/strings_en.inc"
#undef STR
};

struct SortedTable {
    BUILTIN_STRING entries[std::size(g_table)];
    SortedTable()
    {
        std::copy(std::begin(g_table), std::end(g_table), entries);
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
    if (count) *count = static_cast<int>(std::size(g_table));
    return Sorted().entries;
}
