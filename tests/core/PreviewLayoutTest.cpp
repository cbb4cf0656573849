#include <gtest/gtest.h>

#include <string>

#include "wallpaper/PreviewLayout.h"

namespace {

std::string Text(const PreviewRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

// The image rectangle, then each strip, separated by " | ".
std::string Lay(int width, int height, const PreviewRect& area = {3, 5, 400, 300}) {
    PreviewLayout layout = LayOutPreview(area, width, height);
    std::string out = Text(layout.image);
    for (int i = 0; i < layout.stripCount; ++i)
        out += " | " + Text(layout.strips[i]);
    return out;
}

}  // namespace

// The three examples in a 400 x 300 area at (3, 5).
TEST(PreviewLayout, ScaledDownCentredNeverEnlarged) {
    // Wide: full width, a 100-pixel strip below.
    EXPECT_EQ(Lay(1000, 500), "3,5 400x200 | 3,205 400x100");
    // Tall: 150 x 300 at X = 125, strips of 125 left and right, none below.
    EXPECT_EQ(Lay(300, 600), "128,5 150x300 | 3,5 125x300 | 278,5 125x300");
    // Small: its own size at X = 100, not centred vertically.
    EXPECT_EQ(Lay(200, 100), "103,5 200x100 | 3,5 100x300 | 303,5 100x300 | 3,105 400x200");
}

TEST(PreviewLayout, EdgesOfTheArithmetic) {
    // No image: the area is filled.
    EXPECT_EQ(Lay(0, 0), "0,0 0x0 | 3,5 400x300");
    // Exactly the area's size: nothing left to fill.
    EXPECT_EQ(Lay(400, 300), "3,5 400x300");
    // Sizes are truncated, and an odd free width leaves the extra pixel right.
    EXPECT_EQ(Lay(3, 2, {0, 0, 2, 2}), "0,0 2x1 | 0,1 2x1");
    EXPECT_EQ(Lay(1, 1, {0, 0, 4, 1}), "1,0 1x1 | 0,0 1x1 | 2,0 2x1");
    EXPECT_EQ(Lay(3, 1, {0, 0, 4, 1}), "0,0 3x1 | 3,0 1x1");
}
