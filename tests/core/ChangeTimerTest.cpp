#include <gtest/gtest.h>

#include "wallpaper/ChangeTimer.h"

using namespace change_timer;

TEST(ChangeTimer, TimerIdentifier) {
    EXPECT_EQ(kTimerId, 1246u);
}

TEST(ChangeTimer, PeriodInMilliseconds) {
    EXPECT_EQ(Period(1, 30), 5400000u);
    EXPECT_EQ(Period(24, 59), 89940000u);
    EXPECT_EQ(Period(0, 1), 60000u);
    EXPECT_EQ(Period(1, 0), 3600000u);
    EXPECT_EQ(Period(0, 0), 0u);  // never armed
}

// A list file may carry any values; they are brought into the dialog's ranges.
TEST(ChangeTimer, PeriodClampsValuesFromAFile) {
    EXPECT_EQ(Period(25, 0), 86400000u);
    EXPECT_EQ(Period(2147483647, 2147483647), 89940000u);
    EXPECT_EQ(Period(0, 60), 3540000u);
    EXPECT_EQ(Period(1, -5), 3600000u);
    EXPECT_EQ(Period(-3, 10), 600000u);
    EXPECT_EQ(Period(-1, -1), 0u);
    EXPECT_EQ(Period(-2147483647 - 1, 0), 0u);
}

TEST(ChangeTimer, TickChangesOnlyWhileTheFlagIsOn) {
    EXPECT_EQ(OnTick(1), TickAction::kChangeWallpaper);
    EXPECT_EQ(OnTick(-7), TickAction::kChangeWallpaper);
    EXPECT_EQ(OnTick(0), TickAction::kKillTimer);
}

TEST(ChangeTimer, SettingsConfirmed) {
    // flag on with 0:00 turns the flag off and stops the timer
    EXPECT_EQ(OnSettingsConfirmed(0, 1, 0, 1, 0, 0), SettingsAction::kKillAndClear);
    EXPECT_EQ(OnSettingsConfirmed(1, 1, 0, 1, 0, 0), SettingsAction::kKillAndClear);
    // off -> on starts it
    EXPECT_EQ(OnSettingsConfirmed(0, 1, 30, 1, 1, 30), SettingsAction::kArm);
    // on -> on: unchanged values leave it running, any change restarts it
    EXPECT_EQ(OnSettingsConfirmed(1, 1, 30, 1, 1, 30), SettingsAction::kNone);
    EXPECT_EQ(OnSettingsConfirmed(1, 1, 30, 1, 1, 31), SettingsAction::kRestart);
    EXPECT_EQ(OnSettingsConfirmed(1, 1, 30, 1, 2, 30), SettingsAction::kRestart);
    // on -> off stops it; off -> off does nothing
    EXPECT_EQ(OnSettingsConfirmed(1, 1, 30, 0, 1, 30), SettingsAction::kKill);
    EXPECT_EQ(OnSettingsConfirmed(0, 1, 30, 0, 0, 0), SettingsAction::kNone);
}
