#include "view/CommandRules.h"

#include "list/PathParts.h"
#include "res/resource.h"

// At least one row.
bool HasRows(int rowCount) {
    return rowCount >= 1;
}

// At least one row selected.
bool HasSelection(int selectedCount) {
    return selectedCount >= 1;
}

// Exactly one row selected.
bool HasSingleSelection(int selectedCount) {
    return selectedCount == 1;
}

// Whether the list window enables the command, run at idle time.
bool IsListCommandEnabled(unsigned commandId, int rowCount, int selectedCount, bool desktopShown) {
    switch (commandId) {
    case ID_REMOVE_SELECTED:
    case ID_REMOVE_RECYCLE:
    case ID_POSITION_CENTER:
    case ID_POSITION_STRETCH:
    case ID_POSITION_TILE:
    case ID_RESET_COUNT:
        return HasSelection(selectedCount);
    case ID_REMOVE_DEAD:
    case ID_REMOVE_ALL:
    case ID_APPLY_RANDOM:
        return HasRows(rowCount);
    case ID_APPLY_SELECTED:
    case ID_OPEN_FOLDER:
        return HasSingleSelection(selectedCount);
    case ID_MINIMIZE_ALL:
        return !desktopShown;
    case ID_RESTORE_ALL:
        return desktopShown;
    default:
        return true;
    }
}

// True for the commands whose enabling the list window decides.
bool HasListCommandRule(unsigned commandId) {
    switch (commandId) {
    case ID_REMOVE_SELECTED:
    case ID_REMOVE_RECYCLE:
    case ID_POSITION_CENTER:
    case ID_POSITION_STRETCH:
    case ID_POSITION_TILE:
    case ID_RESET_COUNT:
    case ID_REMOVE_DEAD:
    case ID_REMOVE_ALL:
    case ID_APPLY_RANDOM:
    case ID_APPLY_SELECTED:
    case ID_OPEN_FOLDER:
    case ID_MINIMIZE_ALL:
    case ID_RESTORE_ALL:
        return true;
    default:
        return false;
    }
}

// The row-count text of the status bar; the two tabs right-align it.
std::string StatusCountText(int rowCount) {
    return "\t\t" + DecimalText(rowCount) + (rowCount == 1 ? " Wallpaper File" : " Wallpaper Files");
}
