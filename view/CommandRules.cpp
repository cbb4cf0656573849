#include "view/CommandRules.h"

#include "base/PathParts.h"
#include "list/WallpaperItem.h"
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

namespace {

// The enabling rules of the list window's commands.
enum class Rule { Selection, SingleSelection, Rows, DesktopNotShown, DesktopShown };

struct CommandRule {
    unsigned id;
    Rule rule;
};

const CommandRule kRules[] = {
    {ID_REMOVE_SELECTED, Rule::Selection},
    {ID_REMOVE_RECYCLE, Rule::Selection},
    {ID_POSITION_CENTER, Rule::Selection},
    {ID_POSITION_STRETCH, Rule::Selection},
    {ID_POSITION_TILE, Rule::Selection},
    {ID_POSITION_FILL, Rule::Selection},
    {ID_POSITION_FIT, Rule::Selection},
    {ID_POSITION_SPAN, Rule::Selection},
    {ID_RESET_COUNT, Rule::Selection},
    {ID_REMOVE_DEAD, Rule::Rows},
    {ID_REMOVE_ALL, Rule::Rows},
    {ID_APPLY_RANDOM, Rule::Rows},
    {ID_APPLY_SELECTED, Rule::SingleSelection},
    {ID_OPEN_FOLDER, Rule::SingleSelection},
    {ID_MINIMIZE_ALL, Rule::DesktopNotShown},
    {ID_RESTORE_ALL, Rule::DesktopShown},
};

const CommandRule* FindRule(unsigned commandId) {
    for (const CommandRule& rule : kRules)
        if (rule.id == commandId)
            return &rule;
    return nullptr;
}

}  // namespace

// Whether the list window enables the command, run at idle time.
bool IsListCommandEnabled(unsigned commandId, int rowCount, int selectedCount, bool desktopShown) {
    const CommandRule* rule = FindRule(commandId);
    if (!rule)
        return true;
    switch (rule->rule) {
    case Rule::Selection:
        return HasSelection(selectedCount);
    case Rule::SingleSelection:
        return HasSingleSelection(selectedCount);
    case Rule::Rows:
        return HasRows(rowCount);
    case Rule::DesktopNotShown:
        return !desktopShown;
    case Rule::DesktopShown:
        return desktopShown;
    }
    return true;
}

// True for the commands whose enabling the list window decides.
bool HasListCommandRule(unsigned commandId) {
    return FindRule(commandId) != nullptr;
}

namespace {
// The Position commands in the order of the position names.
const unsigned kPositionCommands[kPositionCount] = {ID_POSITION_CENTER, ID_POSITION_STRETCH,
                                                    ID_POSITION_TILE,   ID_POSITION_FILL,
                                                    ID_POSITION_FIT,    ID_POSITION_SPAN};
}  // namespace

// The position name a Position command gives, or null for other commands.
const char* PositionOfCommand(unsigned commandId) {
    for (int i = 0; i < kPositionCount; ++i)
        if (kPositionCommands[i] == commandId)
            return kPositionNames[i];
    return nullptr;
}

// The row-count text of the status bar; the two tabs right-align it.
std::string StatusCountText(int rowCount) {
    return "\t\t" + DecimalText(rowCount) +
           (rowCount == 1 ? " Wallpaper File" : " Wallpaper Files");
}
