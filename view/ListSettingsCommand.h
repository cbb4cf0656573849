#pragma once
#include "dialogs/ListSettingsFields.h"
#include "wallpaper/ChangeTimer.h"

class CListSettings;

// The List Settings command's bookkeeping around its dialog: the dialog is
// filled from the open list's settings, and on OK the dialog's values are
// stored, the interval timer is brought in line and the list is marked
// modified when something changed.
namespace list_settings_command {

// The dialog's fields for the list's settings.
CListSettingsFields FieldsFrom(const CListSettings& settings);

// What confirming the dialog asks of the list window.
struct Outcome {
    change_timer::SettingsAction timer = change_timer::SettingsAction::kNone;
    bool modified = false;
};

// Stores the confirmed fields into the settings and says what to do with
// the timer and the modified mark. A flag set with no time (0 hours and 0
// minutes) is stored as off. The list counts as modified when the dialog's
// flag differs from the old one, or the position (compared exactly), the
// hours or the minutes do.
Outcome Store(CListSettings& settings, const CListSettingsFields& fields);

}  // namespace list_settings_command
