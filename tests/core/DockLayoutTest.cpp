// Docking the toolbar: the side a dragged toolbar goes to, and the frame's
// layout around it.

#include <gtest/gtest.h>

#include "framework/DockLayout.h"

namespace {

std::string Text(const DockRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

TEST(DockLayout, NearestSideOfTheFrame) {
    const DockRect area{100, 100, 600, 400};
    EXPECT_EQ(NearestDockSide(area, 300, 110), DockSide::Top);
    EXPECT_EQ(NearestDockSide(area, 590, 250), DockSide::Right);
    EXPECT_EQ(NearestDockSide(area, 40, 250), DockSide::Left);     // outside the frame
    EXPECT_EQ(NearestDockSide(area, 300, 900), DockSide::Bottom);  // far below it
    EXPECT_EQ(NearestDockSide(area, 100, 100), DockSide::Top);     // a corner: top first
}

TEST(DockLayout, FrameLaysOutAroundTheToolbarAndTheStatusBar) {
    const DockRect client{0, 0, 500, 300};
    DockLayout top = LayOutDockedBar(client, DockSide::Top, 26, 20);
    EXPECT_EQ(Text(top.bar), "0,0,500,26");
    EXPECT_EQ(Text(top.view), "0,26,500,280");
    DockLayout bottom = LayOutDockedBar(client, DockSide::Bottom, 26, 20);
    EXPECT_EQ(Text(bottom.bar), "0,254,500,280");  // above the status bar
    EXPECT_EQ(Text(bottom.view), "0,0,500,254");

    // A hidden toolbar takes nothing; a frame too small for the bars leaves
    // the view empty, never negative.
    EXPECT_EQ(Text(LayOutDockedBar(client, DockSide::Left, 0, 20).view), "0,0,500,280");
    DockLayout tiny = LayOutDockedBar({0, 0, 20, 30}, DockSide::Top, 26, 20);
    EXPECT_EQ(Text(tiny.bar), "0,0,20,10");
    EXPECT_EQ(Text(tiny.view), "0,10,20,10");
}

}  // namespace
