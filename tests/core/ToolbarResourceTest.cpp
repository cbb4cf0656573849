#include <gtest/gtest.h>

#include <vector>

#include "framework/ToolbarResource.h"

namespace {

// The main toolbar's layout as the resource script stores it: version 1,
// 16 x 16 buttons, 16 items.
const std::vector<unsigned char> kMainToolbar = {
    0x01, 0x00, 0x10, 0x00, 0x10, 0x00, 0x10, 0x00,
    0x00, 0xE1, 0x01, 0xE1, 0x03, 0xE1, 0x00, 0x00,  // 57600 57601 57603 |
    0x03, 0x80, 0x04, 0x80, 0x00, 0x00,              // 32771 32772 |
    0x06, 0x80, 0x07, 0x80, 0x00, 0x00,              // 32774 32775 |
    0x14, 0x80, 0x2D, 0x80, 0x00, 0x00,              // 32788 32813 |
    0x10, 0x80, 0x00, 0x00,                          // 32784 |
    0x18, 0x80,                                      // 32792
};

const std::vector<unsigned short> kMainItems = {57600, 57601, 57603, 0,     32771, 32772, 0, 32774,
                                                32775, 0,     32788, 32813, 0,     32784, 0, 32792};

}  // namespace

TEST(ToolbarResource, ParsesTheMainToolbar) {
    auto layout = ParseToolbarResource(kMainToolbar.data(), kMainToolbar.size());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->width, 16);
    EXPECT_EQ(layout->height, 16);
    EXPECT_EQ(layout->items, kMainItems);
}

TEST(ToolbarResource, FailsWhenTruncatedAnywhere) {
    for (size_t size = 0; size < kMainToolbar.size(); ++size)
        EXPECT_FALSE(ParseToolbarResource(kMainToolbar.data(), size).has_value()) << size;
    EXPECT_FALSE(ParseToolbarResource(nullptr, 100).has_value());
}

TEST(ToolbarResource, IgnoresPaddingAfterTheItems) {
    auto padded = kMainToolbar;
    padded.insert(padded.end(), {0xAA, 0xBB, 0xCC});
    auto layout = ParseToolbarResource(padded.data(), padded.size());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->items, kMainItems);
}

TEST(ToolbarResource, RejectsOtherVersionsAndEmptyButtons) {
    auto data = kMainToolbar;
    data[0] = 2;
    EXPECT_FALSE(ParseToolbarResource(data.data(), data.size()).has_value());
    data = kMainToolbar;
    data[1] = 1;  // version 0x0101
    EXPECT_FALSE(ParseToolbarResource(data.data(), data.size()).has_value());
    data = kMainToolbar;
    data[2] = 0;  // width 0
    EXPECT_FALSE(ParseToolbarResource(data.data(), data.size()).has_value());
    data = kMainToolbar;
    data[4] = 0;  // height 0
    EXPECT_FALSE(ParseToolbarResource(data.data(), data.size()).has_value());
}

TEST(ToolbarResource, CountBeyondTheDataFails) {
    auto data = kMainToolbar;
    data[6] = 17;
    EXPECT_FALSE(ParseToolbarResource(data.data(), data.size()).has_value());
    data[6] = 0xFF;
    data[7] = 0xFF;  // 65535 items in a 40-byte block
    EXPECT_FALSE(ParseToolbarResource(data.data(), data.size()).has_value());
}

TEST(ToolbarResource, EmptyToolbarAndLargeButtons) {
    const unsigned char empty[] = {0x01, 0x00, 0x30, 0x00, 0x18, 0x00, 0x00, 0x00};
    auto layout = ParseToolbarResource(empty, sizeof empty);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->width, 48);
    EXPECT_EQ(layout->height, 24);
    EXPECT_TRUE(layout->items.empty());
}
