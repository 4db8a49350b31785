#include "lex/lookup.h"

#include "app/records.h"
#include "lex/lex_list.h"
#include "lex/lex_reader.h"

void (*g_lx_show_key)(int id, const char* word) = nullptr;
void (*g_lx_show_list)(int id) = nullptr;
void (*g_dic_lookup)(int id, const char* word, int language, int source) = nullptr;

int LookupTakesPart(int v, int source)
{
    if (v < 0 || v >= status.num_windows || v >= MAX_DATAWINDOWS) return 0;
    const DATAWINDOW& w = datawindow[v];
    return v == source ? (w.no_jumps != 1 ? 1 : 0) : (w.sync != 0 ? 1 : 0);
}

int LookupWord(const char* word, int language, int source)
{
    if (!word) return 0;
    int moved = 0;
    for (int v = 0; v < status.num_windows && v < MAX_DATAWINDOWS; ++v) {
        const DATAWINDOW& w = datawindow[v];
        if (w.type == MODULE_DICTIONARY) {
            if (g_dic_lookup) g_dic_lookup(v, word, language, source);
            continue;
        }
        if (w.type != MODULE_LEXICON || w.language != language || !LookupTakesPart(v, source)) continue;
        LX_AddPatternToHistory(v, word);
        if (status.opt_lx_clrfltr_before_look == 1) LX_ClearFilter(v);
        if (g_lx_show_key) g_lx_show_key(v, word);
        else LX_KeySearchFromEdit(v, word);
        ++moved;
    }
    return moved;
}

int LookupStrong(int language, int number, int source)
{
    int moved = 0;
    for (int v = 0; v < status.num_windows && v < MAX_DATAWINDOWS; ++v) {
        if (datawindow[v].type != MODULE_LEXICON || !LookupTakesPart(v, source)) continue;
        const int record = LX_SearchFirstStrong(v, language, number, 1);
        if (record <= 0) continue;
        if (!LX_IsValidRecordFromFilter(v, record)) LX_ClearFilter(v);
        if (!LX_NaplnRadky(v, record)) continue;
        if (g_lx_show_list) g_lx_show_list(v);
        ++moved;
    }
    return moved;
}
