#include <gtest/gtest.h>

#include "list/ListSettings.h"
#include "view/ListSettingsCommand.h"

using change_timer::SettingsAction;
using namespace list_settings_command;

namespace {

struct Values {
    std::int32_t flag;
    const char* position;
    std::int32_t hours;
    std::int32_t minutes;
};

CListSettings SettingsWith(const Values& v) {
    CListSettings settings;
    settings.SetIntervalChange(v.flag);
    settings.SetDefaultPosition(v.position);
    settings.SetHours(v.hours);
    settings.SetMinutes(v.minutes);
    return settings;
}

}  // namespace

// Each case: the list before, the dialog's values, then what the timer does,
// whether the list is marked and the flag it keeps.
TEST(ListSettingsCommand, TimerAndModifiedMark) {
    struct Case {
        Values before, dialog;
        SettingsAction timer;
        bool modified;
        std::int32_t storedFlag;
    };
    const Case cases[] = {
        // Nothing changed: no mark, a running timer keeps running.
        {{1, "Stretch", 1, 30}, {1, "Stretch", 1, 30}, SettingsAction::kNone, false, 1},
        {{0, "Stretch", 0, 0}, {0, "Stretch", 0, 0}, SettingsAction::kNone, false, 0},
        // Only the position: marked, timer untouched; compared exactly.
        {{1, "Stretch", 1, 30}, {1, "Tile", 1, 30}, SettingsAction::kNone, true, 1},
        {{0, "stretch", 0, 0}, {0, "Stretch", 0, 0}, SettingsAction::kNone, true, 0},
        // Switched on with a time: armed and marked.
        {{0, "Tile", 1, 30}, {1, "Tile", 1, 30}, SettingsAction::kArm, true, 1},
        // Only the minutes while on: restarted with the new period.
        {{1, "Tile", 1, 30}, {1, "Tile", 1, 31}, SettingsAction::kRestart, true, 1},
        // Switched off: stopped and marked.
        {{1, "Tile", 1, 30}, {0, "Tile", 1, 30}, SettingsAction::kKill, true, 0},
        // Off with a new time: nothing for the timer, but marked.
        {{0, "Tile", 1, 30}, {0, "Tile", 2, 0}, SettingsAction::kNone, true, 0},
        // On with no time: stored off, stopped; marked because the dialog's
        // flag (1) differs, or because the time differs.
        {{0, "Tile", 0, 0}, {1, "Tile", 0, 0}, SettingsAction::kKillAndClear, true, 0},
        {{1, "Tile", 2, 0}, {1, "Tile", 0, 0}, SettingsAction::kKillAndClear, true, 0},
    };
    for (const Case& c : cases) {
        CListSettings settings = SettingsWith(c.before);
        CListSettingsFields fields = FieldsFrom(settings);
        EXPECT_EQ(fields.m_bIntervalChange, c.before.flag);
        fields.m_bIntervalChange = c.dialog.flag;
        fields.m_strDefaultPosition = c.dialog.position;
        fields.m_nHours = c.dialog.hours;
        fields.m_nMinutes = c.dialog.minutes;
        Outcome outcome = Store(settings, fields);
        std::string name = std::string(c.before.position) + "->" + c.dialog.position + " " +
                           std::to_string(c.before.flag) + "->" + std::to_string(c.dialog.flag);
        EXPECT_EQ(outcome.timer, c.timer) << name;
        EXPECT_EQ(outcome.modified, c.modified) << name;
        EXPECT_EQ(settings.GetIntervalChange(), c.storedFlag) << name;
        EXPECT_EQ(settings.GetDefaultPosition(), c.dialog.position);
        EXPECT_EQ(settings.GetHours(), c.dialog.hours);
        EXPECT_EQ(settings.GetMinutes(), c.dialog.minutes);
    }
}
