// Identifiers the framework itself uses: its standard commands, its own
// strings, the control bars of a frame and the resource type of a toolbar
// layout. A program's resource script includes this header, so it holds
// plain numbers only.
#pragma once

// Standard commands: documents, recent files, the application, control bars.
#define ID_FILE_NEW        57600
#define ID_FILE_OPEN       57601
#define ID_FILE_SAVE       57603
#define ID_FILE_SAVE_AS    57604
#define ID_FILE_MRU_FIRST  57616
#define ID_FILE_MRU_LAST   57619
#define ID_APP_ABOUT       57664
#define ID_APP_EXIT        57665
#define ID_VIEW_TOOLBAR    59392
#define ID_VIEW_STATUS_BAR 59393

// Strings the framework reads from the program's string table.
#define IDS_APP_TITLE    57344  // the application title
#define IDS_IDLE_MESSAGE 57345  // the message pane's idle text

// Control bars and the view inside a frame.
#define IDW_TOOLBAR    0xE800
#define IDW_STATUS_BAR 0xE801
#define IDW_VIEW       0xE900

// Resource type of a toolbar layout (WORD version 1, button width, button
// height, item count, then one command id per item, 0 = separator).
#define RT_TOOLBAR_LAYOUT 241
