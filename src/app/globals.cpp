#include <cstdlib>
#include <cstring>

#include "app/file_io.h"
#include "app/records.h"
#include "books/rtf_tags.h"

DATAFILE datafile[MAX_DATAFILES];
DATAWINDOW datawindow[MAX_DATAWINDOWS];
STATUS status;
BOOK_RECORD g_book_record;

namespace {

uint32_t Rgb(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

} // namespace

void SetStatusDefaults(STATUS& s)
{
    // Options with a key in the configuration file.
    s.opt_save_on_exit = 1;
    s.path_used = s.path_used > 0 ? s.path_used : 1;
    std::strcpy(s.lang_filename_default, "english.lng");
    s.table_visible = 0;
    s.table_position = SV_RECT{100, 100, 0, 0};
    s.table_language = 1;
    s.tooltip_table = 1;
    s.table_frame_color[0] = Rgb(255, 0, 0);
    s.table_frame_color[1] = Rgb(0, 0, 255);
    s.tree_visible = 1;
    s.tree_width = 160;
    s.opt_tile = 1;
    s.opt_tile_vertical = 1;
    s.opt_resizing = 1;
    s.tooltip_toolbar = 1;
    s.autoend = 1;
    s.lx_lb_min_width = 40;
    s.opt_lx_key_ignore_vowels = 1;
    s.opt_lx_clrfltr_before_look = 1;
    s.opt_lx_highlight_line = 1;
    s.lx_highlight_line_color[0] = Rgb(255, 255, 255);
    s.lx_highlight_line_color[1] = Rgb(240, 240, 240);
    s.opt_lx_highlight_combo = 1;
    s.opt_lx_highlight_combo_color = Rgb(255, 192, 192);
    s.opt_dic_key_ignore_vowels = 1;
    s.opt_dic_clrfltr_before_look = 1;
    s.opt_dic_look_autoopposite = 1;
    s.opt_dic_highlight_line = 1;
    s.dic_highlight_line_color[0] = Rgb(255, 255, 255);
    s.dic_highlight_line_color[1] = Rgb(240, 240, 240);
    s.opt_dic_highlight_combo = 1;
    s.opt_dic_highlight_combo_color = Rgb(255, 192, 192);
    s.opt_scrolltip = 1;
    s.opt_scrolltip_color = Rgb(255, 192, 192);
    s.opt_scrolltip_width = 130;
    s.opt_sort_results_warning = 10000;
    s.opt_revff_sec = 5;
    s.opt_open_mp3_autoplay = 1;
    s.opt_audio_timer = 100;
    s.opt_buffer_play = 100;
    s.opt_buffer_indexing = 100;
    s.opt_delete_temp_index = 1;
    s.opt_show_tip = 1;
    s.tip_to_show = 1;
    s.verse_visible = 0;
    s.opt_verselist_abbrev = 0;
    s.opt_ask_save_verse_list = 1;
    s.verse_position = SV_RECT{100, 100, 262, 346};
    s.verse_lv_width[0] = s.verse_lv_width[1] = 0;
    s.verse_ref_width[0] = s.verse_ref_width[1] = 100;
    s.opt_splash = 1;
    s.opt_splash_delay_ms = 5000;

    // Fields without a key start every run with these.
    s.wheel = 1;
    s.script = 0;
    s.opt_bk_label = 1;
    s.koduj_znak = 1;
    s.opt_decode_morphology = 0;
    s.opt_info_gematria = 1;
    s.opt_info_morphology = 1;
    s.tree_width_backup = 160;
    s.rebar_height = 30;
    s.mm_revff_offset = 50000;
    s.num_windows = 0;
    s.lx_resizing = 0;
    s.lang_found = 0;
    s.lang_array_size = 0;
    s.aix_found = 0;
    s.aix_id = 0;
    s.mp3_mode = 0;
    s.mm_status = 0;
    s.mm_timer = 0;
    s.mm_position = 0;
    s.aix_verse_sound = 0;
    s.aix_verse_autoplay = 0;
    s.search_visible = s.new_range_visible = s.res_visible = s.info_visible = 0;
    s.index_visible = s.tip_visible = s.scrolltip_visible = 0;
    s.id_results = 0;
    s.id_info = 0;
    s.mm_stream = nullptr;
    s.sptr = nullptr;
}

void ResetGlobalRecords()
{
    for (DATAFILE& f : datafile)
        if (f.file) SvClose(f.file);
    for (DATAWINDOW& w : datawindow) {
        std::free(w.book_info);
        std::free(w.lx_strong_index);
        std::free(w.lx_filter);
        std::free(w.lx_radek);
        std::free(w.dic_index);
        std::free(w.dic_filter);
        std::free(w.dic_radek);
    }
    std::free(status.cfg_window);  // the configured windows' list, if start-up left it
    std::memset(datafile, 0, sizeof datafile);
    std::memset(datawindow, 0, sizeof datawindow);
    std::memset(&status, 0, sizeof status);
    std::memset(&g_book_record, 0, sizeof g_book_record);
    SetStatusDefaults(status);
    BK_SetRTFTagDefaults();
    BK_BuildRTFTags();
    std::memset(&bk_rtfdata, 0, sizeof bk_rtfdata);
}
