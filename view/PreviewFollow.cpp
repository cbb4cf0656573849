#include "view/PreviewFollow.h"

#include "list/RowStore.h"

namespace preview_follow {

Action OnRowStateChanged(unsigned oldState, unsigned newState, int selectedCount) {
    if (selectedCount >= 2)
        return Action::kClear;
    if (selectedCount == 0)
        return Action::kNothing;
    bool becameSelected = (oldState & kRowSelected) == 0 && (newState & kRowSelected) != 0;
    return becameSelected ? Action::kShowFirstSelected : Action::kNothing;
}

Action OnPreviewCommand(int selectedCount) {
    if (selectedCount >= 2)
        return Action::kClear;
    return selectedCount == 1 ? Action::kShowFirstSelected : Action::kNothing;
}

}  // namespace preview_follow
