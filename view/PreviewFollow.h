#pragma once

// How the preview window follows the selection of the list. The list
// window feeds it what it knows at each step; these rules decide. Row
// states use the bits of RowStore.h.
namespace preview_follow {

enum class Action {
    kNothing,            // the preview keeps what it shows
    kClear,              // the preview shows nothing
    kShowFirstSelected,  // the preview shows the first selected row's image
};

// A row's state changed from oldState to newState while selectedCount rows
// are selected: two or more clear the preview; a row that became selected
// while at most one is selected shows the first selected row; anything else
// (no row selected, the focus alone, a row that was selected already)
// leaves the preview as it is.
Action OnRowStateChanged(unsigned oldState, unsigned newState, int selectedCount);

// The Preview Window command, after the window is shown: two or more
// selected rows clear it, one shows its image, none leaves it as it is.
Action OnPreviewCommand(int selectedCount);

}  // namespace preview_follow
