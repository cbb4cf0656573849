#pragma once
#include <windows.h>

#include <string>

// The HTML Help viewer, loaded when it is first needed: the module the
// system registers for the HTML Help control, else "hhctrl.ocx". Once it
// cannot be loaded it is not tried again.

// HH_DISPLAY_TOC: the viewer with the table of contents.
constexpr UINT kHelpDisplayToc = 1;

// Calls the viewer's HtmlHelpW with the path in UTF-16 (data is passed as
// it is: HH_DISPLAY_TOC takes none); returns its window, or null when the viewer
// is unavailable or did not open.
HWND CallHtmlHelp(HWND owner, const std::string& path, UINT command, DWORD_PTR data);
