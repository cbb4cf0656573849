#include <gtest/gtest.h>

#include "framework/WindowSnap.h"

namespace {

const SnapRect kWorkArea{0, 0, 1280, 770};

// A 500 x 300 window dragged by its caption at (50, 10), so that its
// top-left corner lands on (x, y).
SnapRect DragTo(int x, int y, int limit, const SnapRect& area = kWorkArea) {
    const SnapRect proposed{999, 999, 1499, 1299};  // only its size counts
    return SnapDraggedWindow(proposed, {x + 50, y + 10}, {50, 10}, area, limit);
}

std::string Text(const SnapRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

TEST(WindowSnap, FollowsTheCursorAndSnapsOnlyWithinTheLimit) {
    EXPECT_EQ("300,200,800,500", Text(DragTo(300, 200, 10)));
    EXPECT_EQ("0,200,500,500", Text(DragTo(9, 200, 10)));      // 9 pixels: snaps
    EXPECT_EQ("10,200,510,500", Text(DragTo(10, 200, 10)));    // 10 pixels: stays
    EXPECT_EQ("0,200,500,500", Text(DragTo(-9, 200, 10)));     // beyond the edge too
    EXPECT_EQ("780,0,1280,300", Text(DragTo(771, 5, 10)));     // right and top edges
    EXPECT_EQ("300,470,800,770", Text(DragTo(300, 461, 10)));  // bottom edge
    EXPECT_EQ("9,200,509,500", Text(DragTo(9, 200, 0)));       // limit 0: never
}

TEST(WindowSnap, LeftWinsOverRightAndTopOverBottom) {
    const SnapRect narrow{0, 0, 505, 305};
    EXPECT_EQ("0,0,500,300", Text(DragTo(3, 3, 10, narrow)));
}

TEST(WindowSnap, ASnappedWindowComesFreeOnceTheCursorMovesPastTheLimit) {
    // Each move starts again from the cursor, so the earlier snap to 0 does not stick.
    EXPECT_EQ("0,200,500,500", Text(DragTo(8, 200, 10)));
    EXPECT_EQ("11,200,511,500", Text(DragTo(11, 200, 10)));
}

}  // namespace
