#include <gtest/gtest.h>

#include "list/RowStore.h"
#include "view/PreviewFollow.h"

using namespace preview_follow;

namespace {
constexpr unsigned kOff = 0, kOn = kRowSelected, kFocus = kRowFocused;
}  // namespace

// Clicking rows one after another shows each; the old row losing its
// selection, the focus alone or a row selected before and after do nothing.
// A second selected row clears; going back to one by deselecting the other
// leaves it empty; deselecting all keeps the image.
TEST(PreviewFollow, RowStateChanges) {
    EXPECT_EQ(OnRowStateChanged(kOff, kOn | kFocus, 1), Action::kShowFirstSelected);
    EXPECT_EQ(OnRowStateChanged(kOn | kFocus, kOff, 1), Action::kNothing);
    EXPECT_EQ(OnRowStateChanged(kOn, kOn | kFocus, 1), Action::kNothing);
    EXPECT_EQ(OnRowStateChanged(kOff, kFocus, 1), Action::kNothing);
    EXPECT_EQ(OnRowStateChanged(kOff, kOn, 2), Action::kClear);
    EXPECT_EQ(OnRowStateChanged(kFocus, kFocus, 5), Action::kClear);
    EXPECT_EQ(OnRowStateChanged(kOn, kOff, 1), Action::kNothing);
    EXPECT_EQ(OnRowStateChanged(kOn, kOff, 0), Action::kNothing);
}

TEST(PreviewFollow, PreviewCommand) {
    EXPECT_EQ(OnPreviewCommand(0), Action::kNothing);
    EXPECT_EQ(OnPreviewCommand(1), Action::kShowFirstSelected);
    EXPECT_EQ(OnPreviewCommand(2), Action::kClear);
}
