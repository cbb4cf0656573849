#include <gtest/gtest.h>

#include "framework/DpiScale.h"

namespace {

// Halves round away from zero, as MulDiv rounds; of two image scales as
// near, the larger (125 % takes 150, 175 % takes 200).
TEST(DpiScale, RoundsLikeMulDivAndTakesTheNearestImageScale) {
    EXPECT_EQ(ScaleForDpi(9, 144), 14);
    EXPECT_EQ(ScaleLength(-9, 3, 2), -14);
    EXPECT_EQ(ScaleLength(5, 1, 0), 5);
    const int expected[][2] = {{96, 100},  {119, 100}, {120, 150},
                               {167, 150}, {168, 200}, {384, 200}};
    for (const auto& [dpi, scale] : expected)
        EXPECT_EQ(kImageScales[NearestImageScale(dpi)], scale) << dpi;
}

}  // namespace
