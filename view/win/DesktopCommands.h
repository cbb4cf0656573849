#pragma once
#include <windows.h>

#include <string>

// The commands of the list window that act outside the list: minimising
// and restoring every window of the desktop through the taskbar, and
// opening the help file.

// Minimize All Windows: the taskbar minimises every window; the desktop
// counts as shown.
void MinimizeAllWindows(int& desktopShown);
// Restore All Windows: the taskbar brings them back; without "Keep On Top"
// the main window is then put above them.
void RestoreAllWindows(int& desktopShown, bool keepOnTop, HWND mainWindow);
// Help Contents: the help file of the program's folder in the HTML Help
// viewer, or a box owned by the list window when it does not open.
void ShowHelpContents(HWND listWindow, const std::string& programFolder);

// The help box's text for the path of the help file.
std::string HelpFileErrorText(const std::string& path);
