// The lexicon window after a search of its lexicon: the list filtered to the
// records found, the article with the hits marked.
#pragma once

// Shows lexicon window id after a search changed its filter and its
// search_out_lx: the list from the first record found, the article, the
// scroll bar, the key box's filter colour and the status bar.
void LX_ShowSearchResults(int id);
