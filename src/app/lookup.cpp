#include "app/lookup.h"

#include "app/records.h"

namespace {

constexpr int kKinds = 4;
LookupHandler g_handlers[kKinds] = {};

} // namespace

void RegisterLookupHandler(int type, LookupHandler handler)
{
    if (type >= 0 && type < kKinds) g_handlers[type] = handler;
}

int LookupDispatch(const char* word, int language, int source)
{
    if (!word) return 0;
    int took = 0;
    for (int v = 0; v < status.num_windows && v < MAX_DATAWINDOWS; ++v) {
        const int type = datawindow[v].type;
        if (type < 0 || type >= kKinds || !g_handlers[type]) continue;
        took += g_handlers[type](v, word, language, source) ? 1 : 0;
    }
    return took;
}

int LookupTakesPart(int v, int source)
{
    if (v < 0 || v >= MAX_DATAWINDOWS) return 0;
    const DATAWINDOW& w = datawindow[v];
    return v == source ? (w.no_jumps != 1 ? 1 : 0) : (w.sync != 0 ? 1 : 0);
}
