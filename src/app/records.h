// The global records of the program: the module catalogue, the data paths,
// the options and run state, and the table of data windows.
#pragma once

#include <cstdint>

#include "app/handles.h"
#include "books/book_types.h"
#include "dic/dic_types.h"
#include "lex/lex_types.h"
#include "search/search_types.h"

struct SvFile;  // an open module file (app/file_io.h)

// Module type codes, in DATAFILE.type and DATAWINDOW.type.
enum : int32_t {
    MODULE_BOOK = 0,
    MODULE_LEXICON = 1,
    MODULE_DICTIONARY = 2,
    MODULE_INFO = 3,  // data windows only: the information window
};

// Script codes.
enum : int32_t {
    SCRIPT_LATIN = 0,
    SCRIPT_HEBREW = 1,
    SCRIPT_GREEK = 2,
};

constexpr int MAX_DATAFILES = 500;
constexpr int MAX_PATHS = 10;
constexpr int MAX_DATAWINDOWS = 30;
constexpr int MAX_CFG_WINDOWS = 30;

// One data path.
struct PATH {
    int32_t read_only;  // 1 if the directory is read-only
    char path[200];     // the directory, without a trailing separator
};

// One entry of the module catalogue.
struct DATAFILE {
    int32_t id_file;     // own index after sorting: the module's identity everywhere
    int32_t path_index;  // index into status.path_data of the path it was found in
    int32_t type;        // MODULE_BOOK, MODULE_LEXICON or MODULE_DICTIONARY
    int32_t opened;      // 1 while at least one data window shows this module
    SvFile* file;        // open for binary reading while a window shows it, shared
    char filename[32];   // bare file name
    char title[64];      // module title, from the header probe
    char abbrev[16];     // module abbreviation, from the header probe
    TREEITEM_HANDLE hTreeItem;  // the module's item in the library tree
    int32_t flag;        // working mark for building the tree and the menus
};

// One child window as listed in the configuration file.
struct CFG_WINDOW {
    int32_t id;
    int32_t type;  // 0 book, 1 lexicon, 2 dictionary, 3 information window
    char filename[32];
    int32_t offset;
    int32_t left, top, width, height;  // relative to the MDI client
    int32_t param;
};

// All options and run state.
struct STATUS {
    int32_t num_windows;
    CFG_WINDOW* cfg_window;
    int32_t result_cfg_read;
    SV_RECT hMain_position;
    int32_t path_used;
    PATH path_data[MAX_PATHS];
    int32_t sevir_cd;
    char sevir_cd_cfg_path[200];
    char sevir_cd_cfglib_path[200];
    int32_t lang_found;
    int32_t lang_index;
    char lang_filename_default[32];
    char path_lang[200];
    int32_t files_book_count;
    int32_t files_dic_count;
    int32_t files_lex_count;
    int32_t files_all;
    int32_t search_visible;
    int32_t new_range_visible;
    int32_t res_visible;
    int32_t id_results;
    int32_t info_visible;
    int32_t id_info;
    int32_t index_visible;
    int32_t tip_visible;
    int32_t opt_show_tip;
    int32_t tip_to_show;
    SV_RECT table_position;
    int32_t table_visible;
    int32_t table_language;
    int32_t tooltip_table;
    uint32_t table_frame_color[2];
    int32_t tree_visible;
    int32_t tree_width;
    int32_t tree_width_backup;
    int32_t opt_tile;
    int32_t opt_tile_vertical;
    int32_t opt_resizing;
    int32_t opt_bk_label;
    int32_t opt_decode_morphology;
    int32_t opt_info_gematria;
    int32_t opt_info_morphology;
    int32_t wheel;
    int32_t script;
    int32_t statusbar_height;
    int32_t rebar_height;
    int32_t bk_last_book;
    int32_t tooltip_toolbar;
    int32_t koduj_znak;
    int32_t last_char;
    int32_t autoend;
    int32_t lx_resizing;
    int32_t lx_lb_min_width;
    int32_t opt_lx_key_ignore_vowels;
    int32_t opt_lx_clrfltr_before_look;
    int32_t opt_lx_highlight_line;
    uint32_t lx_highlight_line_color[2];
    int32_t opt_lx_highlight_combo;
    uint32_t opt_lx_highlight_combo_color;
    int32_t dic_resizing;
    int32_t opt_dic_key_ignore_vowels;
    int32_t opt_dic_clrfltr_before_look;
    int32_t opt_dic_look_autoopposite;
    int32_t opt_dic_highlight_line;
    uint32_t dic_highlight_line_color[2];
    int32_t opt_dic_highlight_combo;
    uint32_t opt_dic_highlight_combo_color;
    int32_t opt_sort_results_warning;
    int32_t lang_array_size;
    BOOK_POSITION cmdline_bp;
    int32_t cmdline_led;
    int32_t mm_position;
    SOUND_HANDLE mm_stream;
    SOUND_HANDLE sptr;
    int32_t mp3_mode;
    int32_t mm_status;
    int32_t mm_timer;
    int32_t aix_found;
    int32_t aix_id;
    int32_t aix_verse_sound;
    int32_t aix_verse_autoplay;
    int32_t opt_revff_sec;
    int32_t mm_revff_offset;
    int32_t opt_open_mp3_autoplay;
    int32_t opt_audio_timer;
    int32_t opt_buffer_play;
    int32_t opt_buffer_indexing;
    int32_t opt_delete_temp_index;
    int32_t opt_save_on_exit;
    int32_t verse_visible;
    int32_t opt_verselist_abbrev;
    SV_RECT verse_position;
    int32_t verse_ref_width[2];
    int32_t verse_lv_width[2];
    int32_t scrolltip_visible;
    int32_t opt_scrolltip;
    uint32_t opt_scrolltip_color;
    int32_t opt_scrolltip_width;
    int32_t opt_ask_save_verse_list;
    int32_t opt_splash;
    int32_t opt_splash_delay_ms;
};

// One data window: a book, lexicon, dictionary, information or results window.
// Its heap blocks (book_info, lx_strong_index, lx_filter, lx_radek, dic_index,
// dic_filter, dic_radek) are allocated with malloc/calloc and released with free.
struct DATAWINDOW {
    // Identity and kind
    int32_t id;
    int32_t id_file;
    int32_t type;
    int32_t results;
    int32_t compare;
    int32_t reusable;
    int32_t infowindow;

    // Window and view
    WINDOW_HANDLE hwnd;
    SV_RECT position;
    WINDOW_HANDLE hrichedit;
    int32_t offset;
    int32_t filesize;
    int32_t language;
    int32_t no_jumps;
    int32_t sync;

    // Book module header and position
    char razeni[4][512];
    int32_t books;
    BOOK_INFO* book_info;
    int32_t charset[8];
    int32_t tag_info;
    int32_t tag_data;
    BOOK_POSITION book_position;
    int32_t scroll_verse;
    int32_t rtf_line;
    int32_t morph_line;
    PROC_HANDLE OldRichProc;
    WINDOW_HANDLE hscroll;
    int32_t line_width;
    int32_t selection_index[2];

    // Lexicon window
    int32_t lx_keyword_charset;
    int32_t lx_header_charset;
    int32_t lx_charset[8];
    int32_t lx_keyword_strong;
    int32_t lx_extra_data;
    int32_t lx_strong_records;
    int32_t lx_book_info_offset;
    int32_t lx_strong_offset;
    int32_t lx_tag_info_offset;
    int32_t lx_tag_data_offset;
    int32_t lx_records_all;
    int32_t lx_deleted_records;
    int32_t lx_pocet_zahlavi;
    LX_ZAHLAVI lx_zahlavi[10];
    LX_STRONG_INDEX* lx_strong_index;
    char* lx_filter;
    int32_t lx_filter_hits;
    LX_RADEK* lx_radek;
    int32_t lx_listbox_lines;
    int32_t lx_radku_filled;
    SEARCH_OUT_LX search_out_lx;
    PROC_HANDLE lx_OldRichProc;
    WINDOW_HANDLE lx_hcombo;
    WINDOW_HANDLE lx_hcomboEdit;
    PROC_HANDLE lx_OldcomboEditProc;
    FONT_HANDLE lx_hfont;
    WINDOW_HANDLE lx_hscroll_data;
    WINDOW_HANDLE lx_hlistbox;
    int32_t lx_listbox_width;
    PROC_HANDLE lx_Old_lb_Proc;
    int32_t lx_rtf_width;
    WINDOW_HANDLE lx_hbutton;
    int32_t lx_patt_hist_count;
    PATT_HIST lx_patt_hist[20];

    // Dictionary window
    int32_t dic_direction;
    int32_t dic_lang_from;
    int32_t dic_lang_to;
    int32_t dic_charset_from;
    int32_t dic_charset_to;
    int32_t dic_charset_note;
    int32_t dic_tag_info_offset;
    int32_t dic_index_offset;
    int32_t dic_data_offset;
    int32_t dic_records_all;
    FONT_HANDLE dic_hfont_from;
    FONT_HANDLE dic_hfont_to;
    FONT_HANDLE dic_hfont_note;
    WINDOW_HANDLE dic_hbutton_reload;
    WINDOW_HANDLE dic_hbutton_opposite;
    DIC_RADEK* dic_radek;
    int32_t dic_listbox_lines;
    int32_t dic_radku_filled;
    WINDOW_HANDLE dic_hcombo;
    WINDOW_HANDLE dic_hcomboEdit;
    PROC_HANDLE dic_OldcomboEditProc;
    WINDOW_HANDLE dic_hscroll_data;
    WINDOW_HANDLE dic_hlistbox_from;
    WINDOW_HANDLE dic_hlistbox_to;
    WINDOW_HANDLE dic_hlistbox_note;
    PROC_HANDLE dic_Old_lb_from_Proc;
    PROC_HANDLE dic_Old_lb_to_Proc;
    int32_t dic_lb_width_from;
    int32_t dic_lb_width_to;
    int32_t dic_lb_width_note;
    int32_t dic_lb_from_ratio;
    int32_t dic_lb_height;
    int32_t dic_patt_hist_count;
    PATT_HIST dic_patt_hist[40];
    char* dic_filter;
    int32_t dic_filter_hits;
    int32_t* dic_index;
    char dic_dicname[2][64];

    // Tag display: what the user wants shown
    int32_t show_tag_preface;
    int32_t show_tag_christ;
    int32_t show_tag_note;
    int32_t show_tag_variant;
    int32_t show_tag_unused;
    int32_t show_tag_reference;
    int32_t show_tag_strong_hebrew;
    int32_t show_tag_strong_greek;
    int32_t show_tag_morph_hebrew;
    int32_t show_tag_morph_greek;
    int32_t show_tag_bold;
    int32_t show_tag_italic;
    int32_t show_tag_keyword_reference;
    int32_t tag_advanced;
    // ... and the tag classes the module has
    int32_t tag_preface;
    int32_t tag_christ;
    int32_t tag_note;
    int32_t tag_variant;
    int32_t tag_unused;
    int32_t tag_reference;
    int32_t tag_strong_hebrew;
    int32_t tag_strong_greek;
    int32_t tag_morph_hebrew;
    int32_t tag_morph_greek;
    int32_t tag_morph_greek_type;
    int32_t tag_bold;
    int32_t tag_italic;
    int32_t tag_keyword_reference;

    // Module description, from the module header
    char abbrev[16];
    char title[64];
    char info[4096];
    char copyright[4096];
    char contact[256];
    char url[256];
};

// The module catalogue: entries 0 .. status.files_all - 1 are valid.
extern DATAFILE datafile[MAX_DATAFILES];
// The data windows: entries 0 .. status.num_windows - 1 are in use.
extern DATAWINDOW datawindow[MAX_DATAWINDOWS];
// Options and run state.
extern STATUS status;
// The search request of the search dialog, and the outcome of the last book
// search (its arrays are heap blocks released with free).
extern SEARCH_IN search_in;
extern SEARCH_OUT_BK search_out_bk;

// Gives every option of status the default it has at start-up (before the
// configuration file is read), without touching the data paths.
void SetStatusDefaults(STATUS& s);

// Clears every global record and gives status its defaults: the state of a
// freshly started program before any window, module or file is opened. For
// tests and tools. Open module files are closed first.
void ResetGlobalRecords();
