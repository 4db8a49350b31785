/*
 * resource.h - numeric ids of Sevir's resources, commands and controls.
 *
 * Shared by the resource script (windres) and the C++ sources, so it holds
 * nothing but an include guard, #define lines and C block comments.
 */
#ifndef SEVIR_RESOURCE_H
#define SEVIR_RESOURCE_H

/* ===================================================================== */
/* Main window and menus                                                 */
/* ===================================================================== */

#define IDR_MAINMENU                1000   /* main menu */
#define IDR_ACCEL                   9800   /* main accelerator table */

/* menu popup labels (translated by their number) */
#define IDM_POPUP_PROGRAM           1100   /* "Program" popup */
#define IDM_POPUP_LANGUAGE          1131   /* popup after item 1130: language submenu */

/* Program menu */
#define IDM_SHOW_TREE               1102   /* show/hide library tree */
#define IDM_SHOW_TABLE              1104   /* character table on/off */
#define IDM_SHOW_INFO               1106   /* information window on/off */
#define IDM_LIBRARY_MANAGER         1108   /* Library Manager... */
#define IDM_SHOW_VERSE_LIST         1110   /* Verse List... on/off */
#define IDM_FILE_INFO               1130   /* Informations about <module> */
#define IDM_EXIT                    1230   /* Exit */

/* Lexicon and Dictionary menus */
#define IDM_MENU_LEX_RELOAD         1320   /* Lexicon, Reload */
#define IDM_MENU_DIC_RELOAD         1410   /* Dictionary, Reload */
#define IDM_MENU_DIC_OPPOSITE       1420   /* Dictionary, Opposite */

/* Window menu */
#define IDM_WINDOW_CASCADE          1610   /* Cascade */
#define IDM_WINDOW_TILE_VERTICAL    1620   /* Tile vertical */
#define IDM_WINDOW_TILE_HORIZONTAL  1630   /* Tile horizontal */
#define IDM_WINDOW_AUTO_ARRANGE     1640   /* Auto arrange tile */
#define IDM_WINDOW_CLOSE            1650   /* Close window */
#define IDM_WINDOW_CLOSE_ALL        1700   /* Close all windows */

/* Help menu */
#define IDM_TIP_OF_THE_DAY          1710   /* Tip of the Day... */
#define IDM_HOME_PAGE               1720   /* project home page */
#define IDM_BUG_REPORT_PAGE         1730   /* bug-report page */
#define IDM_FORUM_PAGE              1740   /* testers' forum page */
#define IDM_ABOUT                   1750   /* About... */

/* main tool bar */
#define IDM_COMPARE                 1800   /* compare texts of opened books */
#define IDM_REUSABLE                1810   /* reusable window switch */
#define IDM_SHOW_ALL_TAGS           1820   /* show all tags */
#define IDM_HIDE_ALL_TAGS           1830   /* hide all tags */

/* search tool bar and accelerator */
#define IDM_SEARCH                  1840   /* search in actual book or lexicon */
#define IDM_SEARCH_IN_RESULTS       1850   /* search in results */
#define IDM_RESULTS_LIST            1860   /* list of results of last search */
#define IDM_SEARCH_ACCEL            9810   /* Ctrl+F */

/* command ranges of the main window */
#define IDM_WINDOW_BASE             50000  /* + i: window list entry */
#define IDM_FIRST_MDI_CHILD         50000  /* first MDI child id */
#define IDM_LANGUAGE_BASE           50100  /* + i: language file */
#define IDM_MODULE_BASE             55000  /* + id_file: open module */

/* frame children */
#define IDC_MDICLIENT               101    /* MDI client */
#define IDC_STATUSBAR               103    /* status bar */
#define IDC_TREEVIEW                112    /* library tree pane */
#define IDC_REBAR                   114    /* rebar */
#define IDC_BAND_NAVIGATOR          116    /* navigator band */
#define IDC_BAND_MAIN_TOOLBAR       117    /* main tool bar band */
#define IDC_BAND_SEARCH_TOOLBAR     118    /* search tool bar band */
#define IDC_BAND_CMDLINE            119    /* command-line band */
#define IDC_BAND_AUDIO_TOOLBAR      140    /* audio tool bar band */
#define IDC_NAV_BOOK                120    /* navigator book box */
#define IDC_NAV_CHAPTER             121    /* navigator chapter box */
#define IDC_NAV_VERSE               122    /* navigator verse box */
#define IDC_NAV_BACK                123    /* one-button bar: back in history */
#define IDC_NAV_FORWARD             125    /* one-button bar: forward in history */
#define IDC_NAV_HISTORY             126    /* one-button bar: history list */

/* ===================================================================== */
/* Data windows and book window                                          */
/* ===================================================================== */

#define IDC_BOOK_RICHEDIT           200    /* book text view */
#define IDC_BOOK_SCROLLBAR          202    /* book vertical scroll bar */

/* context menu of a book window */
#define IDM_BK_SYNC                 1      /* Synchronize book */
#define IDM_BK_SCROLL_BY_LINES      2      /* Scroll down by lines */
#define IDM_BK_REFERENCE_JUMPS      3      /* Reference jumps inside book */
#define IDM_BK_SEARCH               20     /* Search (fulltext)... */
#define IDM_BK_GEMATRIA1            21     /* "Value  I" line */
#define IDM_BK_GEMATRIA2            22     /* "Value II" line */
#define IDM_BK_COMPARE              23     /* Compare mode */
#define IDM_BK_LOOK_AT              24     /* Look at */
#define IDM_BK_MORPH_NEW_LINES      25     /* Morphology on new lines */
#define IDM_BK_ADD_TO_VERSE_LIST    26     /* Add to verse list [%s] */

/* tag menu */
#define IDM_TAG_FIRST               5      /* first tag menu command */
#define IDM_TAG_LAST                16     /* last tag menu command */
#define IDM_TAGS_ALL_ON             5      /* All tags enabled */
#define IDM_TAGS_ALL_OFF            6      /* All tags disabled */
#define IDM_TAG_REFERENCES          7      /* references */
#define IDM_TAG_STRONG_HEBREW       8      /* Hebrew Strong's numbers */
#define IDM_TAG_STRONG_GREEK        9      /* Greek Strong's numbers */
#define IDM_TAG_CHRIST              10     /* words of Christ */
#define IDM_TAG_PREFACE             11     /* preface */
#define IDM_TAG_UNUSED              12     /* words not in the original */
#define IDM_TAG_NOTES               13     /* translator notes */
#define IDM_TAG_VARIANTS            14     /* variants */
#define IDM_TAG_MORPH_HEBREW        15     /* Hebrew morphology */
#define IDM_TAG_MORPH_GREEK         16     /* Greek morphology */
#define IDM_TAG_DECODE_MORPH_GREEK  19     /* Decode Greek morphology (all book windows) */

/* ===================================================================== */
/* Command line and history                                              */
/* ===================================================================== */

#define IDC_CMDLINE                 130    /* command-line combo box */
#define IDC_CMDLINE_LED             131    /* state lamp */
#define IDM_HISTORY_BACK            1235   /* Back in history */
#define IDM_HISTORY_FORWARD         1240   /* Forward in history */
#define IDM_HISTORY_LIST            1245   /* Browse history list... */
#define IDM_HISTORY_BASE            49900  /* + i: history entry */

/* ===================================================================== */
/* Library manager                                                       */
/* ===================================================================== */

#define IDD_LIBMAN                  3600   /* library manager dialog */
#define IDC_LIBMAN_TREE_LIBRARY     3630   /* left tree: folders */
#define IDC_LIBMAN_TREE_FILES       3640   /* right tree: files */
#define IDC_LIBMAN_HINT             3650   /* hint text */
#define IDC_LIBMAN_NEW_FOLDER       3660   /* New folder */
#define IDC_LIBMAN_EDIT_FOLDER      3670   /* Edit folder */
#define IDC_LIBMAN_DELETE_FOLDER    3680   /* Delete folder */
#define IDC_LIBMAN_CANCEL           3690   /* Cancel */
#define IDC_LIBMAN_SAVE             3695   /* Save */
#define IDC_LIBMAN_CORNER           3698   /* control kept at bottom-right corner */

/* ===================================================================== */
/* Lexicon window                                                        */
/* ===================================================================== */

#define IDC_LX_RICHEDIT             300    /* article view */
#define IDC_LX_SCROLLBAR            303    /* keyword list scroll bar */
#define IDC_LX_LISTBOX              304    /* keyword list */
#define IDC_LX_COMBO                306    /* key search combo box */
#define IDC_LX_RELOAD               308    /* Reload button */
#define IDM_LX_RELOAD               308    /* reload (clear filter) command */
#define IDM_LX_SEARCH               17     /* open search dialog for lexicon */
#define IDM_LX_LOOK_AT              310    /* Look at (list and article menus) */
#define IDM_LX_COPY                 311    /* Copy to clipboard (list menu) */
#define IDM_LX_JUMPS                312    /* Jumps inside lexicon */
#define IDM_LX_SYNC                 313    /* Synchronize with other dict/lex */
#define IDM_LX_GEMATRIA1            314    /* "Value  I" line */
#define IDM_LX_GEMATRIA2            315    /* "Value II" line */

/* ===================================================================== */
/* Dictionary window                                                     */
/* ===================================================================== */

#define IDC_DIC_OPPOSITE            350    /* Opposite bitmap button */
#define IDC_DIC_RELOAD              352    /* Reload button */
#define IDC_DIC_COMBO               354    /* key search combo box */
#define IDC_DIC_SCROLLBAR           356    /* list scroll bar */
#define IDC_DIC_LIST_FROM           358    /* "from" list */
#define IDC_DIC_LIST_TO             360    /* "to" list */
#define IDC_DIC_LIST_NOTE           362    /* "note" list */
#define IDM_DIC_OPPOSITE            350    /* switch direction command */
#define IDM_DIC_RELOAD              352    /* reload (clear filter) command */

/* ===================================================================== */
/* Character table                                                       */
/* ===================================================================== */

#define IDD_TABLE                   3550   /* character table dialog */
#define IDC_TABLE_PICTURE           3551   /* character picture */
#define IDC_TABLE_HEBREW            3553   /* Hebrew radio button */
#define IDC_TABLE_GREEK             3554   /* Greek radio button */

/* ===================================================================== */
/* Information window                                                    */
/* ===================================================================== */

#define IDC_INFO_RICHEDIT           250    /* information text view */
#define IDM_INFO_GEMATRIA           251    /* Show calculated Hebrew gematria */
#define IDM_INFO_MORPHOLOGY         252    /* Show morphology informations */
#define IDM_INFO_SELECT_ALL         253    /* Select all */
#define IDM_INFO_COPY               254    /* Copy to clipboard */

/* ===================================================================== */
/* Search dialog                                                         */
/* ===================================================================== */

#define IDD_SEARCH                  3000   /* frame with the tab strip */
#define IDD_SEARCH_TEXT             3015   /* Text tab */
#define IDD_SEARCH_STRONG           3020   /* Strong's tab */
#define IDD_SEARCH_REFERENCE        3025   /* Reference tab */
#define IDD_SEARCH_RESULTS          3027   /* Results tab */
#define IDC_SEARCH_TAB              3001   /* tab strip of the frame */

/* Text tab */
#define IDC_ST_FIND                 3005   /* Find */
#define IDC_ST_CLOSE                3010   /* Close */
#define IDC_ST_PATTERN              3030   /* pattern combo box */
#define IDC_ST_LATIN                3032   /* Latin script */
#define IDC_ST_HEBREW               3033   /* Hebrew script */
#define IDC_ST_GREEK                3034   /* Greek script */
#define IDC_ST_INSERT_STAR          3040   /* Wildcard symbol * */
#define IDC_ST_INSERT_QUESTION      3042   /* Any character ? */
#define IDC_ST_CASE_SENSITIVE       3043   /* case sensitive */
#define IDC_ST_IGNORE_VOWELS        3044   /* ignore vowels */
#define IDC_ST_IN_LEX_RESULTS       3045   /* search in lexicon results */
#define IDC_ST_BOOKS                3046   /* Books */
#define IDC_ST_LEXICONS             3047   /* Lexicons */
#define IDC_ST_MODULE               3058   /* module combo box */
#define IDC_ST_RANGE                3060   /* range combo box */
#define IDC_ST_NEW_RANGE            3062   /* New range... */
#define IDC_ST_ANY_WORD             3066   /* any word */
#define IDC_ST_ALL_WORDS            3068   /* all words */
#define IDC_ST_PHRASE               3070   /* phrase */
#define IDC_ST_CLOSE_AFTER          3074   /* close dialog after search */
#define IDC_ST_PROGRESS             3075   /* progress bar */
#define IDC_ST_TO_VERSE_LIST        3076   /* results to verse list */
#define IDC_ST_SHOW_IN_LEX          3080   /* Display text in LEX */

/* Strong's tab */
#define IDC_SS_FIND                 3105   /* Find */
#define IDC_SS_CLOSE                3110   /* Close */
#define IDC_SS_PATTERN              3130   /* pattern combo box */
#define IDC_SS_LATIN                3132   /* Latin script */
#define IDC_SS_HEBREW               3133   /* Hebrew script */
#define IDC_SS_GREEK                3134   /* Greek script */
#define IDC_SS_INSERT_STAR          3140   /* Wildcard symbol * */
#define IDC_SS_INSERT_QUESTION      3142   /* Any character ? */
#define IDC_SS_CASE_SENSITIVE       3144   /* case sensitive */
#define IDC_SS_IGNORE_VOWELS        3145   /* ignore vowels */
#define IDC_SS_IN_LEX_RESULTS       3147   /* search in lexicon results */
#define IDC_SS_BOOKS                3148   /* Books */
#define IDC_SS_LEXICONS             3149   /* Lexicons */
#define IDC_SS_CLOSE_AFTER          3158   /* close dialog after search */
#define IDC_SS_TO_VERSE_LIST        3159   /* results to verse list */
#define IDC_SS_MODULE               3160   /* module combo box */
#define IDC_SS_RANGE                3162   /* range combo box */
#define IDC_SS_NEW_RANGE            3164   /* New range... */
#define IDC_SS_PROGRESS             3170   /* progress bar */
#define IDC_SS_BY_NUMBER            3182   /* Strong# */
#define IDC_SS_BY_WORD              3184   /* Word (Strong) */
#define IDC_SS_SHOW_IN_LEX          3190   /* Display # in LEX */
#define IDC_SS_PREV_NUMBER          3192   /* << # */
#define IDC_SS_NEXT_NUMBER          3194   /* # >> */

/* Reference tab */
#define IDC_SR_FIND                 3205   /* Find */
#define IDC_SR_CLOSE                3210   /* Close */
#define IDC_SR_REFERENCE            3220   /* reference combo box */
#define IDC_SR_NEW_REFERENCE        3222   /* New reference... */
#define IDC_SR_CLOSE_AFTER          3230   /* close dialog after search */
#define IDC_SR_TO_VERSE_LIST        3232   /* results to verse list */
#define IDC_SR_IN_LEX_RESULTS       3237   /* search in lexicon results */
#define IDC_SR_BOOKS                3240   /* Books */
#define IDC_SR_LEXICONS             3245   /* Lexicons */
#define IDC_SR_REF_BOOK             3248   /* book that interprets the reference */
#define IDC_SR_MODULE               3250   /* module combo box */
#define IDC_SR_RANGE                3255   /* range combo box */
#define IDC_SR_NEW_RANGE            3260   /* New range... */
#define IDC_SR_PROGRESS             3265   /* progress bar */

/* ===================================================================== */
/* Ranges                                                                */
/* ===================================================================== */

#define IDD_RANGE                   3500   /* Select range dialog */
#define IDC_RANGE_OK                3502   /* OK */
#define IDC_RANGE_FROM_LABEL        3504   /* start bound text */
#define IDC_RANGE_TO_LABEL          3506   /* end bound text */
#define IDC_RANGE_FROM_BOOK         3508   /* start book list */
#define IDC_RANGE_FROM_CHAPTER      3509   /* start chapter list */
#define IDC_RANGE_FROM_VERSE        3510   /* start verse list */
#define IDC_RANGE_TO_BOOK           3511   /* end book list */
#define IDC_RANGE_TO_CHAPTER        3512   /* end chapter list */
#define IDC_RANGE_TO_VERSE          3513   /* end verse list */

/* ===================================================================== */
/* Results                                                               */
/* ===================================================================== */

#define IDC_RESULTS_LIST            3300   /* results list view (Results tab) */
#define IDC_RES_RICHEDIT            210    /* results window text view */
#define IDC_RES_SCROLLBAR           212    /* results window scroll bar */

/* context menu of the results window */
#define IDM_RES_SEARCH              220    /* Search (fulltext)... */
#define IDM_RES_SEARCH_IN_RESULTS   222    /* Search in results... */
#define IDM_RES_LOOK_AT             224    /* Look at */
#define IDM_RES_ADD_TO_VERSE_LIST   225    /* Add to verse list [%s] */
#define IDM_RES_SCROLL_BY_LINES     226    /* Scroll down by lines */
#define IDM_RES_GOTO_VERSE          228    /* go to the result's verse */

/* ===================================================================== */
/* Verse lists                                                           */
/* ===================================================================== */

#define IDD_VERSELIST               3900   /* List of verses dialog */
#define IDC_VL_COMMAND              3940   /* command combo box */
#define IDC_VL_PREVIEW              3964   /* preview module combo box */

/* codes of the command combo box */
#define IDM_VL_DELETE_ALL           0      /* Delete all verses */
#define IDM_VL_INSERT_RANGE         1      /* Insert range of verses */
#define IDM_VL_INSERT_RESULTS       2      /* Insert results of search in book */
#define IDM_VL_MOVE_SELECTED        3      /* Move selected verses */
#define IDM_VL_COPY_SELECTED        4      /* Copy selected verses */
#define IDM_VL_DELETE_SELECTED      5      /* Delete selected verses */
#define IDM_VL_SELECT_ALL           6      /* Select all verses */
#define IDM_VL_INVERT_SELECTION     7      /* Invert selection */
#define IDM_VL_SELECT_COMMON        8      /* Select common verses */
#define IDM_VL_SELECT_NOT_COMMON    9      /* Select NOT common verses */

/* ===================================================================== */
/* Audio and indexing tool                                               */
/* ===================================================================== */

#define IDM_MM_OPEN_MP3             1540   /* Open MP3 audio... */
#define IDM_MM_VERSE_SOUND          1550   /* Verse sound */
#define IDM_MM_PLAY                 1560   /* Play */
#define IDM_MM_PAUSE                1565   /* Pause */
#define IDM_MM_STOP                 1570   /* Stop */
#define IDM_MM_REWIND               1575   /* Rewind back */
#define IDM_MM_FORWARD              1580   /* Rewind forward */
#define IDM_MM_INDEXING             1590   /* audio indexing tool */
#define IDM_AIX_BASE                50200  /* + i: open audio index */

#define IDD_AUDIO_INDEX             3700   /* audio data indexing tool */
#define IDC_AIX_SAVE                3710   /* Save */
#define IDC_AIX_CLOSE               3720   /* Close */
#define IDC_AIX_START_ADD           3730   /* start / add position button */
#define IDC_AIX_START_LABEL         3760   /* "Start position of indexing:" */
#define IDC_AIX_START_POSITION      3770   /* start-position box */

/* ===================================================================== */
/* Splash screen, tip of the day, About box                              */
/* ===================================================================== */

#define IDD_TIP                     3800   /* Tip of the Day dialog */
#define IDC_TIP_NEXT                3810   /* Next tip */
#define IDC_TIP_CLOSE               3820   /* Close */
#define IDC_TIP_SHOW_AT_STARTUP     3830   /* Show tips at startup */
#define IDC_TIP_HEADING             3850   /* heading text */
#define IDC_TIP_TEXT                3860   /* tip text */

#define IDD_ABOUT                   3560   /* About box */
#define IDC_ABOUT_OK                3562   /* OK */
#define IDC_ABOUT_VERSION           3564   /* version and build text */
#define IDC_ABOUT_TEXT              3566   /* text from resource 3568 */
#define IDR_ABOUT_TEXT              3568   /* plain-text RCDATA */
#define IDC_ABOUT_PICTURE           3570   /* owner-drawn picture */

/* ===================================================================== */
/* Icons                                                                 */
/* ===================================================================== */

#define IDI_MAIN                    9900   /* main window */
#define IDI_CHILD                   9901   /* data window */
#define IDI_RESULTS                 9902   /* results window */
#define IDI_RESULTS_IN_RESULTS      9903   /* results of search in results */
#define IDI_COMPARE                 9906   /* book window in compare mode */
#define IDI_LED_GREY                9920   /* command line: no reference */
#define IDI_LED_ORANGE              9921   /* command line: ambiguous */
#define IDI_LED_GREEN               9922   /* command line: unique */

/* ===================================================================== */
/* Bitmaps                                                               */
/* ===================================================================== */

/* library tree images, in image-list order */
#define IDB_TREE_NOT_OPEN           2000   /* module not open */
#define IDB_TREE_DIC_CLOSED         2010   /* dictionary closed */
#define IDB_TREE_DIC_OPEN           2020   /* dictionary open */
#define IDB_TREE_LEX_CLOSED         2030   /* lexicon closed */
#define IDB_TREE_LEX_OPEN           2040   /* lexicon open */
#define IDB_TREE_BOOK_CLOSED        2050   /* book closed */
#define IDB_TREE_BOOK_OPEN          2055   /* book open */
#define IDB_TREE_FOLDER_CLOSED      2060   /* folder closed */
#define IDB_TREE_FOLDER_OPEN        2065   /* folder open */
#define IDB_TREE_AUDIO_GREY         2067   /* audio index not open */
#define IDB_TREE_AUDIO              2068   /* audio index open */

#define IDB_TABLE_HEBREW            2095   /* Hebrew character table */
#define IDB_TABLE_GREEK             2096   /* Greek character table */
#define IDB_TOOLBAR_MAIN            2100   /* main tool bar buttons */
#define IDB_TOOLBAR_SEARCH          2105   /* search tool bar buttons */
#define IDB_TOOLBAR_AUDIO           2110   /* audio tool bar buttons */
#define IDB_TOOLBAR_HISTORY         2115   /* navigator: back and forward */
#define IDB_HISTORY_DROP            2116   /* navigator: history list mark, 8 x 16 */
#define IDB_STATUS_NO_FILTER        2200   /* status bar image 0 */
#define IDB_STATUS_FILTER           2205   /* status bar image 1: filter on */
#define IDB_OPPOSITE                2300   /* dictionary Opposite button */
#define IDB_ABOUT                   2980   /* About box picture */
#define IDB_SPLASH                  2990   /* splash screen, 400 x 300 */

/* ===================================================================== */
/* Strings                                                               */
/* ===================================================================== */

/* library tree roots */
#define IDS_TREE_DICTIONARIES       10001  /* "Dictionaries" */
#define IDS_TREE_LEXICONS           10002  /* "Lexicons" */
#define IDS_TREE_BOOKS              10003  /* "Books" */
#define IDS_TREE_AUDIO              10130  /* "Audio" */

/* general messages */
#define IDS_MAX_WINDOWS             10004  /* "Maximum number of opened windows can be %d" */
#define IDS_MAX_WINDOWS_CAPTION     10005  /* "Warning" */
#define IDS_NO_MEMORY               10006  /* "Cannot allocate %d bytes in memory..." */
#define IDS_NO_MEMORY_CAPTION       10007  /* "Error" */
#define IDS_FILE_OPEN_ERROR         10008  /* "Error happened when openning file %s..." */
#define IDS_FILE_OPEN_ERROR_CAPTION 10009  /* "Error" */
#define IDS_NO_RICHED32             10010  /* "Cannot open library RICHED32.DLL..." */
#define IDS_NO_RICHED32_CAPTION     10011  /* "Error" */
#define IDS_FILE_CORRUPTED          10015  /* "File is corrupted!..." */
#define IDS_FILE_CORRUPTED_CAPTION  10016  /* "Error in file" */
#define IDS_SYSTEM_ERROR_CAPTION    10062  /* "System error" */
#define IDS_CFG_NOT_FOUND           10148  /* "Configuration file %s was not found..." */
#define IDS_CFG_NOT_FOUND_CAPTION   10149  /* "Information" */
#define IDS_LIBCFG_WRITE_ERROR      10115  /* "Cannot write library configuration file" */
#define IDS_LIBCFG_WRITE_ERROR_CAPTION 10116 /* "Error" */
#define IDS_LANG_CORRUPTED          10117  /* "Language file is corrupted. Item %d..." */
#define IDS_LANG_CORRUPTED_CAPTION  10118  /* "Error" */
#define IDS_CANNOT_OPEN_FILE        10131  /* "Cannot open file %s" */
#define IDS_CANNOT_OPEN_FILE_CAPTION 10132 /* "Error" */

/* tool-tips */
#define IDS_TT_HISTORY_BACK         10012  /* "Back in history" */
#define IDS_TT_HISTORY_FORWARD      10013  /* "Forward in history" */
#define IDS_TT_HISTORY_LIST         10014  /* "Browse history list..." */
#define IDS_TT_SHOW_TREE            10064  /* "Show/hide tree of available modules" */
#define IDS_TT_SHOW_TABLE           10065  /* "Show/hide table of Greek/Hebrew characters" */
#define IDS_TT_SHOW_INFO            10066  /* "Show/hide information window" */
#define IDS_TT_SHOW_ALL_TAGS        10067  /* "Show all tags" */
#define IDS_TT_HIDE_ALL_TAGS        10068  /* "Hide all tags" */
#define IDS_TT_COMPARE              10069  /* "Compare texts of opened books" */
#define IDS_TT_REUSABLE             10071  /* "Reusable window" */
#define IDS_TT_SEARCH               10098  /* "Search in actual book or lexicon [Ctrl+F]" */
#define IDS_TT_SEARCH_IN_RESULTS    10099  /* "Search in results of book searching" */
#define IDS_TT_RESULTS_LIST         10100  /* "List of results of last book searching" */
#define IDS_TT_PLAY                 10124  /* "Play audio file" */
#define IDS_TT_STOP                 10125  /* "Stop playing of audio file" */
#define IDS_TT_AUDIO_INDEXING       10126  /* "Open dialog indexing of audio file" */
#define IDS_TT_VERSE_SOUND          10135  /* "Verse sound" */
#define IDS_TT_PAUSE                10136  /* "Pause playing audio" */
#define IDS_TT_REWIND               10137  /* "Revind audio back" */
#define IDS_TT_FORWARD              10138  /* "Revind audio forward" */
#define IDS_TT_LIBMAN               10150  /* "Show library manager" */
#define IDS_TT_VERSE_LIST           10157  /* "Show/hide verse list" */

/* main menu labels */
#define IDS_MENU_INFORMATIONS_ABOUT 10063  /* "Informations about" */
#define IDS_MENU_OPEN_BOOK          10112  /* "Open book" */
#define IDS_MENU_OPEN_LEXICON       10113  /* "Open lexicon" */
#define IDS_MENU_OPEN_DICTIONARY    10114  /* "Open dictionary" */
#define IDS_MENU_LANGUAGE           10119  /* "Language" */
#define IDS_MENU_OPEN_AUDIO_INDEX   10139  /* "Open audio index" */

/* status bar */
#define IDS_STATUS_LIBRARY          10074  /* "Library titles: %d  [Opened: %d]" */
#define IDS_STATUS_RECORD           10075  /* "%d/%d [%s] %d/%d" */
#define IDS_STATUS_RESULTS          10080  /* "[%s] %d/%d results" */

/* book window context and tag menus */
#define IDS_MENU_SYNC_BOOK          10017  /* "Synchronize book" */
#define IDS_MENU_SCROLL_BY_LINES    10018  /* "Scroll down by lines" */
#define IDS_MENU_REFERENCE_JUMPS    10019  /* "Reference jumps inside book" */
#define IDS_MENU_TAG_OPTIONS        10020  /* "Tag options..." */
#define IDS_MENU_ALL_TAGS_ON        10021  /* "All tags enabled" */
#define IDS_MENU_ALL_TAGS_OFF       10022  /* "All tags disabled" */
#define IDS_MENU_SHOW_REFERENCES    10023  /* "Show references (underlined)" */
#define IDS_MENU_SHOW_STRONG_HEBREW 10024  /* "Show Hebrew Strongs (underlined)" */
#define IDS_MENU_SHOW_STRONG_GREEK  10025  /* "Show Greek Strongs (underlined)" */
#define IDS_MENU_SHOW_CHRIST        10026  /* "Show colored Jesus words" */
#define IDS_MENU_SHOW_PREFACE       10027  /* "Show preface" */
#define IDS_MENU_SHOW_UNUSED        10028  /* "Show words unused in original text" */
#define IDS_MENU_SHOW_NOTES         10029  /* "Show translator notes" */
#define IDS_MENU_SHOW_VARIANTS      10030  /* "Show variants of the text (in bracketts)" */
#define IDS_MENU_SWITCH_BOOK        10031  /* "Switch to book..." */
#define IDS_MENU_SEARCH_FULLTEXT    10032  /* "Search (fulltext)... \t Ctrl+F" */
#define IDS_MENU_SEARCH_IN_RESULTS  10049  /* "Search in results..." */
#define IDS_MENU_SHOW_MORPH_HEBREW  10053  /* "Show Hebrew morphology (in bracketts)" */
#define IDS_MENU_SHOW_MORPH_GREEK   10054  /* "Show Greek morphology (in bracketts)" */
#define IDS_MENU_COMPARE_MODE       10070  /* "Compare mode" */
#define IDS_MENU_LOOK_AT            10073  /* "Look at" */
#define IDS_MENU_MORPH_NEW_LINES    10151  /* "Morphology on new lines" */
#define IDS_MENU_DECODE_MORPH_GREEK 10190  /* "Decode Greek morphology" */
#define IDS_MENU_ADD_TO_VERSE_LIST  10156  /* "Add to verse list [%s]" */

/* gematria lines */
#define IDS_GEMATRIA_VALUE1         10056  /* "Value  I: " */
#define IDS_GEMATRIA_VALUE2         10057  /* "Value II: " */

/* information window */
#define IDS_INFO_WINDOW_CAPTION     10055  /* "Information window" */
#define IDS_MENU_INFO_GEMATRIA      10058  /* "Show calculated Hebrew gematria" */
#define IDS_MENU_INFO_SELECT_ALL    10059  /* "Select all" */
#define IDS_MENU_INFO_COPY          10060  /* "Copy to clipboard" */
#define IDS_MENU_INFO_MORPHOLOGY    10061  /* "Show morphology informations" */

/* lexicon window */
#define IDS_LX_RELOAD               10072  /* "Reload" */
#define IDS_MENU_LX_JUMPS           10077  /* "Jumps inside lexicon" */
#define IDS_MENU_LX_SYNC            10078  /* "Synchronize with other dict/lex" */
#define IDS_MENU_LX_COPY            10083  /* "Copy to clipboard" */
#define IDS_MENU_LX_LOOK_AT         10084  /* "Look at" */

/* dictionary window */
#define IDS_DIC_RELOAD              10079  /* "Reload" */
#define IDS_MENU_DIC_COPY           10081  /* "Copy to clipboard" */
#define IDS_MENU_DIC_LOOK_AT        10082  /* "Look at" */
#define IDS_MENU_DIC_JUMPS          10085  /* "Jumps inside dictionary" */
#define IDS_MENU_DIC_SYNC           10086  /* "Synchronize with other dict/lex" */

/* dialog captions */
#define IDS_SEARCH_CAPTION          10051  /* "Search" */
#define IDS_SEARCH_IN_RESULTS_CAPTION 10052 /* "Search in results" */
#define IDS_RANGE_CAPTION           10120  /* "Select range" */
#define IDS_TABLE_CAPTION           10121  /* "Table" */
#define IDS_LIBMAN_CAPTION          10122  /* "Library modules manager" */
#define IDS_ABOUT_CAPTION           10123  /* About box caption */
#define IDS_AUDIO_INDEX_CAPTION     10129  /* "Audio data indexing tool" */
#define IDS_TIP_CAPTION             10152  /* "Tip of the Day" */
#define IDS_VERSELIST_CAPTION       10153  /* "List of verses" */

/* search dialog */
#define IDS_TAB_TEXT                10033  /* "Text" */
#define IDS_TAB_STRONGS             10034  /* "Strongs" */
#define IDS_TAB_REFERENCE           10035  /* "Reference" */
#define IDS_TAB_RESULTS             10036  /* "Results" */
#define IDS_SEARCH_NO_MEMORY        10045  /* "Operation aborted, insufficient amount of memory" */
#define IDS_SEARCH_NO_MEMORY_CAPTION 10046 /* "System error" */
#define IDS_SEARCH_TITLE_BOOK       10047  /* "%s %d hits, %d verses, %2.2f seconds" */
#define IDS_SEARCH_TITLE_LEX        10101  /* "%s %d hits, %d records, %2.2f seconds" */
#define IDS_NO_VERSES_FOUND         10090  /* "No verses matching your criteria found..." */
#define IDS_NO_VERSES_FOUND_CAPTION 10091  /* "Information" */
#define IDS_BAD_STRONG_NUMBER       10092  /* "Bad numeric value for Strong# search" */
#define IDS_BAD_STRONG_NUMBER_CAPTION 10093 /* "Warning" */
#define IDS_SORT_WARNING            10107  /* "You have %d hits to sort..." */
#define IDS_SORT_WARNING_CAPTION    10108  /* "Warning" */
#define IDS_REF_BOOK_NOT_OPEN       10109  /* "Warning: --- Book file is not open ---" */
#define IDS_NO_REFERENCE            10110  /* no reference chosen: aborted */
#define IDS_NO_REFERENCE_CAPTION    10111  /* "Warning" */

/* ranges */
#define IDS_RANGE_ALL               10040  /* "ALL [%s 1:1 - %s %d:%d]" */
#define IDS_RANGE_OT                10041  /* "OT [%s 1:1 - %s %d:%d]" */
#define IDS_RANGE_NT                10042  /* "NT [%s 1:1 - %s %d:%d]" */
#define IDS_RANGE_ALL_RESULTS       10050  /* "ALL RESULTS" */
#define IDS_RANGE_ALL_LEXICON       10076  /* "ALL LEXICON" */

/* results list columns and results window */
#define IDS_COL_REFERENCE           10043  /* "Reference" */
#define IDS_COL_PREVIEW             10044  /* "Preview" */
#define IDS_COL_STRNUM_REFERENCE    10087  /* "Reference" */
#define IDS_COL_STRNUM_WORD         10088  /* "Word" */
#define IDS_COL_STRNUM_PREVIEW      10089  /* "Preview" */
#define IDS_COL_STRWORD_REFERENCE   10094  /* "Reference" */
#define IDS_COL_STRWORD_WORD        10095  /* "Word" */
#define IDS_COL_STRWORD_STRONG      10096  /* "Strong" */
#define IDS_COL_STRWORD_PREVIEW     10097  /* "Preview" */
#define IDS_RESULTS_TITLE           10048  /* "%s %d/%d results" */

/* About box */
#define IDS_ABOUT_VERSION           10104  /* label before the version */
#define IDS_ABOUT_BUILD             10105  /* label before the build date */

/* audio */
#define IDS_NO_FMOD                 10127  /* "Cannot open library FMOD.DLL..." */
#define IDS_NO_FMOD_CAPTION         10128  /* "Error" */
#define IDS_MP3_FILTER_NAME         10133  /* "Audio MP3 files" */
#define IDS_MP3_FILTER_PATTERN      10134  /* "*.mp3" */
#define IDS_INDEXING_NOT_READY      10140  /* "For indexing must be opened audio index file..." */
#define IDS_INDEXING_NOT_READY_CAPTION 10141 /* "Warning" */
#define IDS_INDEXING_START          10142  /* "Start indexing of MP3" */
#define IDS_INDEXING_ADD            10143  /* "Add position" */
#define IDS_INDEXING_BOOK_NOT_FOUND 10144  /* "Book %s selected from AIX file was not found..." */
#define IDS_INDEXING_BOOK_NOT_FOUND_CAPTION 10145 /* "Error" */
#define IDS_INDEXING_SAVE_ASK       10146  /* "Do you want to save created index data?..." */
#define IDS_INDEXING_SAVE_ASK_CAPTION 10147 /* "Warning" */

/* verse lists */
#define IDS_VERSELIST_MAIN_COUNT    10154  /* "%s[%d] [%d] Main" */
#define IDS_VERSELIST_SECOND_COUNT  10155  /* "%s[%d] [%d] Secondary" */
#define IDS_VLCMD_DELETE_ALL        10160  /* "Delete all verses" */
#define IDS_VLCMD_INSERT_RANGE      10161  /* "Insert range of verses" */
#define IDS_VLCMD_INSERT_RESULTS    10162  /* "Insert results of search in book" */
#define IDS_VLCMD_MOVE_SELECTED     10163  /* "Move selected verses" */
#define IDS_VLCMD_COPY_SELECTED     10164  /* "Copy selected verses" */
#define IDS_VLCMD_DELETE_SELECTED   10165  /* "Delete selected verses" */
#define IDS_VLCMD_SELECT_ALL        10166  /* "Select all verses" */
#define IDS_VLCMD_INVERT_SELECTION  10167  /* "Invert selection" */
#define IDS_VLCMD_SELECT_COMMON     10168  /* "Select common verses" */
#define IDS_VLCMD_SELECT_NOT_COMMON 10169  /* "Select NOT common verses" */
#define IDS_VERSELIST_FIRST         10300  /* file filter, extension, save questions */
#define IDS_VERSELIST_LAST          10305

/* book names: entry n (1..66) is IDS_BOOKNAME_BASE + n */
#define IDS_BOOKNAME_BASE           10200
#define IDS_BOOKNAME_FIRST          10201  /* OTGen */
#define IDS_BOOKNAME_LAST           10266  /* NTRevel */

/* character table tool-tips: cell n is base + n */
#define IDS_TABLE_TIP_FIRST         20000
#define IDS_TABLE_TIP_HEBREW_BASE   20000
#define IDS_TABLE_TIP_HEBREW_LAST   20041
#define IDS_TABLE_TIP_GREEK_BASE    20100
#define IDS_TABLE_TIP_LAST          20141

/* Greek morphology words */
#define IDS_MORPH_FIRST             21000
#define IDS_LEMMA                   21099  /* "Lemma:" */
#define IDS_MORPH_LAST              21558

/* module information texts */
#define IDS_INFO_FIRST              22001  /* "File:" */
#define IDS_INFO_LAST               22027  /* "Full path to file:" */

/* tips of the day: tip n (1..24) is IDS_TIP_BASE + n */
#define IDS_TIP_BASE                22100
#define IDS_TIP_FIRST               22101
#define IDS_TIP_LAST                22124

/* ===================================================================== */
/* Timers                                                                */
/* ===================================================================== */

#define IDT_SPLASH                  0      /* splash screen display time */
#define IDT_VERSE_AUDIO             400    /* verse playback timer, main window */

#endif /* SEVIR_RESOURCE_H */
