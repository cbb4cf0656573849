#include <gtest/gtest.h>

#include "view/CommandRules.h"

namespace {

// Command ids of the list window, as the menus send them.
enum : unsigned {
    kAddFiles = 32771,
    kAddFolder = 32772,
    kRemoveSelected = 32774,
    kRemoveRecycle = 32775,
    kRemoveDead = 32810,
    kRemoveAll = 32777,
    kCenter = 32798,
    kStretch = 32800,
    kTile = 32801,
    kResetCount = 32782,
    kSelectAll = 32812,
    kListSettings = 32783,
    kApplySelected = 32788,
    kApplyRandom = 32813,
    kClearWallpaper = 32791,
    kOpenFolder = 32792,
    kOptions = 32793,
    kPreview = 32784,
    kMinimizeAll = 32785,
    kRestoreAll = 32786,
    kHelpContents = 32787,
    kStatusPane = 129,
};

}  // namespace

TEST(CommandRules, SelectionCommands) {
    for (unsigned id : {kRemoveSelected, kRemoveRecycle, kCenter, kStretch, kTile, kResetCount}) {
        EXPECT_FALSE(IsListCommandEnabled(id, 5, 0)) << id;
        EXPECT_TRUE(IsListCommandEnabled(id, 5, 1)) << id;
        EXPECT_TRUE(IsListCommandEnabled(id, 5, 2)) << id;
    }
}

TEST(CommandRules, SingleSelectionCommands) {
    for (unsigned id : {kApplySelected, kOpenFolder}) {
        EXPECT_FALSE(IsListCommandEnabled(id, 5, 0)) << id;
        EXPECT_TRUE(IsListCommandEnabled(id, 5, 1)) << id;
        EXPECT_FALSE(IsListCommandEnabled(id, 5, 2)) << id;
    }
}

TEST(CommandRules, RowCommands) {
    for (unsigned id : {kApplyRandom, kRemoveAll, kRemoveDead}) {
        EXPECT_FALSE(IsListCommandEnabled(id, 0, 0)) << id;
        EXPECT_TRUE(IsListCommandEnabled(id, 1, 0)) << id;
        EXPECT_TRUE(IsListCommandEnabled(id, 3, 2)) << id;
    }
}

TEST(CommandRules, CommandsWithoutARuleStayEnabled) {
    const std::initializer_list<unsigned> ids = {
        kAddFiles, kAddFolder, kSelectAll,    kListSettings, kClearWallpaper,
        kOptions,  kPreview,   kHelpContents, kStatusPane,   57600u};
    for (unsigned id : ids) {
        EXPECT_TRUE(IsListCommandEnabled(id, 0, 0)) << id;
        EXPECT_TRUE(IsListCommandEnabled(id, 0, 0, true)) << id;
    }
}

TEST(CommandRules, DesktopCommandsFollowTheShownFlag) {
    EXPECT_TRUE(IsListCommandEnabled(kMinimizeAll, 0, 0));
    EXPECT_FALSE(IsListCommandEnabled(kRestoreAll, 0, 0));
    EXPECT_FALSE(IsListCommandEnabled(kMinimizeAll, 0, 0, true));
    EXPECT_TRUE(IsListCommandEnabled(kRestoreAll, 0, 0, true));
}

TEST(StatusCountText, SingularOnlyForOne) {
    EXPECT_EQ(StatusCountText(0), "\t\t0 Wallpaper Files");
    EXPECT_EQ(StatusCountText(1), "\t\t1 Wallpaper File");
    EXPECT_EQ(StatusCountText(2), "\t\t2 Wallpaper Files");
    EXPECT_EQ(StatusCountText(12345), "\t\t12345 Wallpaper Files");
}
