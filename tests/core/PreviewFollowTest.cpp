#include <gtest/gtest.h>

#include "list/RowStore.h"
#include "view/PreviewFollow.h"

using namespace preview_follow;

namespace {
constexpr unsigned kOff = 0;
constexpr unsigned kOn = kRowSelected;
constexpr unsigned kFocus = kRowFocused;
}  // namespace

// Clicking rows one after another: each newly selected row shows.
TEST(PreviewFollow, ANewlySelectedSingleRowShows) {
    EXPECT_EQ(OnRowStateChanged(kOff, kOn | kFocus, 1), Action::kShowFirstSelected);
    EXPECT_EQ(OnRowStateChanged(kFocus, kOn | kFocus, 1), Action::kShowFirstSelected);
    // The old row losing its selection and focus changes nothing.
    EXPECT_EQ(OnRowStateChanged(kOn | kFocus, kOff, 1), Action::kNothing);
    // The focus alone, or a row selected before and after, changes nothing.
    EXPECT_EQ(OnRowStateChanged(kOn, kOn | kFocus, 1), Action::kNothing);
    EXPECT_EQ(OnRowStateChanged(kOff, kFocus, 1), Action::kNothing);
}

// Ctrl+click on a second row clears; going back to one row by deselecting
// the other leaves the preview empty; a third row clicked alone shows.
TEST(PreviewFollow, TwoSelectedRowsClearAndDeselectingKeepsItEmpty) {
    EXPECT_EQ(OnRowStateChanged(kOff, kOn, 2), Action::kClear);
    EXPECT_EQ(OnRowStateChanged(kOn, kOff, 1), Action::kNothing);
    EXPECT_EQ(OnRowStateChanged(kOff, kOn, 1), Action::kShowFirstSelected);
    EXPECT_EQ(OnRowStateChanged(kFocus, kFocus, 5), Action::kClear);
}

// Deselecting every row keeps the last image on show.
TEST(PreviewFollow, NoSelectionKeepsTheImage) {
    EXPECT_EQ(OnRowStateChanged(kOn, kOff, 0), Action::kNothing);
    EXPECT_EQ(OnRowStateChanged(kOff, kOn, 0), Action::kNothing);
    EXPECT_EQ(OnPreviewCommand(0), Action::kNothing);
    EXPECT_EQ(OnPreviewCommand(1), Action::kShowFirstSelected);
    EXPECT_EQ(OnPreviewCommand(2), Action::kClear);
}
