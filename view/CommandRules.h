#pragma once
#include <string>

// When the list window's commands are enabled, as functions of the list's
// row count and selected-row count; and the row-count text of the status bar.

bool HasRows(int rowCount);                  // at least one row
bool HasSelection(int selectedCount);        // at least one row selected
bool HasSingleSelection(int selectedCount);  // exactly one row selected

// Whether the command with this id is enabled. Commands without a rule of
// the list window are always enabled. The desktop flag steers Minimize All
// Windows (enabled while 0) and Restore All Windows (enabled while 1).
bool IsListCommandEnabled(unsigned commandId, int rowCount, int selectedCount,
                          bool desktopShown = false);

// True for the commands that have an enabling rule of the list window.
bool HasListCommandRule(unsigned commandId);

// The position name a Position command gives ("Center" for 32798), or null
// for any other command.
const char* PositionOfCommand(unsigned commandId);

// "\t\t" + count + " Wallpaper File" (count 1) or " Wallpaper Files".
std::string StatusCountText(int rowCount);
