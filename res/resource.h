// Resource identifiers of varnello.exe: menus, dialogs, strings, bitmaps,
// icons, controls and commands. Plain numbers only, so that portable code
// can use the command ids too. The framework's own identifiers (standard
// commands, its strings, the control bars) come from its header.
#pragma once

#include "framework/StandardIds.h"

// Main frame: menu, accelerators, toolbar, icon and document string.
#define IDR_MAINFRAME          128
#define IDI_DOCUMENT           129  // icon group of list files
#define IDS_STATUS_COUNT_WIDTH 129  // "00000 Wallpaper Files"
#define ID_INDICATOR_COUNT     129  // status-bar pane of the row count
#define IDS_LIST_SIGNATURE     130  // "VLD Version 3"
#define IDB_SORT_UP            131
#define IDB_SORT_DOWN          132
#define IDD_OPTIONS            133
#define IDR_CONTEXT_MENU       136
#define IDD_LIST_SETTINGS      137
#define IDI_TRAY               141
#define IDR_TRAY_MENU          142  // also the tray icon's id
#define IDD_PREVIEW            143
#define IDB_TOOLBAR_HOT        144
#define IDB_TOOLBAR            145
#define IDB_ABOUT_BANNER       147
// The bitmaps drawn for 150 and 200 % display scales (tools/resgen).
#define IDB_SORT_UP_150        1131
#define IDB_SORT_DOWN_150      1132
#define IDB_TOOLBAR_HOT_150    1144
#define IDB_TOOLBAR_150        1145
#define IDB_ABOUT_BANNER_150   1147
#define IDB_SORT_UP_200        2131
#define IDB_SORT_DOWN_200      2132
#define IDB_TOOLBAR_HOT_200    2144
#define IDB_TOOLBAR_200        2145
#define IDB_ABOUT_BANNER_200   2147
#define IDD_ADD_FOLDER         9
#define IDD_ABOUTBOX           100
#define IDS_OLE_INIT_FAILED    100

// Dialog controls.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDC_FOLDER_PATH        1000
#define IDC_BROWSE             1001
#define IDC_INCLUDE_SUBFOLDERS 1002
#define IDC_MINIMIZE_ON_START  1002
#define IDC_INTERVAL_CHANGE    1002
#define IDC_RELOAD_LAST_LIST   1003
#define IDC_CHANGE_ON_START    1004
#define IDC_KEEP_ON_TOP        1005
#define IDC_WARN_ON_RECYCLE    1006
#define IDC_SNAP_WINDOW        1007
#define IDC_SNAP_LIMIT         1008
#define IDC_AUTO_SAVE          1009
#define IDC_AUTO_SORT          1010
#define IDC_DEFAULT_POSITION   1011
#define IDC_HOURS              1012
#define IDC_HOURS_SPIN         1013
#define IDC_MINUTES            1014
#define IDC_MINUTES_SPIN       1015
#define IDC_PREVIEW_AREA       1019
#define IDC_SCAN_DEAD_ON_START 1020
#define IDC_LINK_HOME          1021
#define IDC_LINK_MAIL          1022

// Commands of the list window.
#define ID_ADD_FILES        32771
#define ID_ADD_FOLDER       32772
#define ID_REMOVE_SELECTED  32774
#define ID_REMOVE_RECYCLE   32775
#define ID_REMOVE_ALL       32777
#define ID_RESET_COUNT      32782
#define ID_LIST_SETTINGS    32783
#define ID_PREVIEW_WINDOW   32784
#define ID_MINIMIZE_ALL     32785
#define ID_RESTORE_ALL      32786
#define ID_HELP_CONTENTS    32787
#define ID_APPLY_SELECTED   32788
#define ID_CLEAR_WALLPAPER  32791
#define ID_OPEN_FOLDER      32792
#define ID_OPTIONS          32793
#define ID_POSITION_CENTER  32798
#define ID_POSITION_STRETCH 32800
#define ID_POSITION_TILE    32801
#define ID_REMOVE_DEAD      32810
#define ID_SELECT_ALL       32812
#define ID_APPLY_RANDOM     32813
#define ID_POSITION_FILL    32814
#define ID_POSITION_FIT     32815
#define ID_POSITION_SPAN    32816

// Timers and messages.
#define IDT_CHANGE_TIMER   1246
#define WM_TRAY_NOTIFY     0x800A  // WM_APP + 10
#define WM_RESTORE_REQUEST 0x466   // WM_USER + 102
