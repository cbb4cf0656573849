#include <gtest/gtest.h>

#include "list/ListSettings.h"
#include "view/ListSettingsCommand.h"

using change_timer::SettingsAction;
using namespace list_settings_command;

// Each case: the list's flag, position, hours and minutes before, the
// dialog's, then what the timer does, whether the list is marked, and the
// flag it keeps.
TEST(ListSettingsCommand, TimerAndModifiedMark) {
    struct Case {
        CListSettingsFields before, dialog;
        SettingsAction timer;
        bool modified;
        std::int32_t storedFlag;
    } const cases[] = {
        // Nothing changed: no mark, a running timer keeps running.
        {{1, "Stretch", 1, 30}, {1, "Stretch", 1, 30}, SettingsAction::kNone, false, 1},
        // Only the position, compared exactly: marked, timer untouched.
        {{1, "Stretch", 1, 30}, {1, "Tile", 1, 30}, SettingsAction::kNone, true, 1},
        {{0, "stretch", 0, 0}, {0, "Stretch", 0, 0}, SettingsAction::kNone, true, 0},
        // Switched on with a time: armed. Only the minutes while on: restarted.
        {{0, "Tile", 1, 30}, {1, "Tile", 1, 30}, SettingsAction::kArm, true, 1},
        {{1, "Tile", 1, 30}, {1, "Tile", 1, 31}, SettingsAction::kRestart, true, 1},
        // Switched off: stopped. Off with a new time: marked only.
        {{1, "Tile", 1, 30}, {0, "Tile", 1, 30}, SettingsAction::kKill, true, 0},
        {{0, "Tile", 1, 30}, {0, "Tile", 2, 0}, SettingsAction::kNone, true, 0},
        // On with no time: stored off and stopped; marked because the dialog's
        // flag (1) differs, or because the time does.
        {{0, "Tile", 0, 0}, {1, "Tile", 0, 0}, SettingsAction::kKillAndClear, true, 0},
        {{1, "Tile", 2, 0}, {1, "Tile", 0, 0}, SettingsAction::kKillAndClear, true, 0},
    };
    for (const Case& c : cases) {
        CListSettings settings;
        settings.SetIntervalChange(c.before.m_bIntervalChange);
        settings.SetDefaultPosition(c.before.m_strDefaultPosition);
        settings.SetHours(c.before.m_nHours);
        settings.SetMinutes(c.before.m_nMinutes);
        EXPECT_EQ(FieldsFrom(settings).m_nMinutes, c.before.m_nMinutes);
        Outcome outcome = Store(settings, c.dialog);
        std::string name = c.before.m_strDefaultPosition + "->" + c.dialog.m_strDefaultPosition +
                           " " + std::to_string(c.dialog.m_bIntervalChange);
        EXPECT_EQ(outcome.timer, c.timer) << name;
        EXPECT_EQ(outcome.modified, c.modified) << name;
        EXPECT_EQ(settings.GetIntervalChange(), c.storedFlag) << name;
        EXPECT_EQ(settings.GetDefaultPosition() + std::to_string(settings.GetHours()),
                  c.dialog.m_strDefaultPosition + std::to_string(c.dialog.m_nHours));
    }
}
