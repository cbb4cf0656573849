#include "view/ListSettingsCommand.h"

#include "list/ListSettings.h"

namespace list_settings_command {

CListSettingsFields FieldsFrom(const CListSettings& settings) {
    CListSettingsFields fields;
    fields.m_bIntervalChange = settings.GetIntervalChange();
    fields.m_strDefaultPosition = settings.GetDefaultPosition();
    fields.m_nHours = settings.GetHours();
    fields.m_nMinutes = settings.GetMinutes();
    return fields;
}

Outcome Store(CListSettings& settings, const CListSettingsFields& fields) {
    const CListSettings old = settings;
    settings.SetIntervalChange(fields.m_bIntervalChange);
    settings.SetDefaultPosition(fields.m_strDefaultPosition);
    settings.SetHours(fields.m_nHours);
    settings.SetMinutes(fields.m_nMinutes);

    Outcome outcome;
    outcome.timer = change_timer::OnSettingsConfirmed(old.GetIntervalChange(), old.GetHours(),
                                                      old.GetMinutes(), fields.m_bIntervalChange,
                                                      fields.m_nHours, fields.m_nMinutes);
    if (outcome.timer == change_timer::SettingsAction::kKillAndClear)
        settings.SetIntervalChange(0);

    outcome.modified = old.GetIntervalChange() != fields.m_bIntervalChange ||
                       old.GetDefaultPosition() != fields.m_strDefaultPosition ||
                       old.GetHours() != fields.m_nHours || old.GetMinutes() != fields.m_nMinutes;
    return outcome;
}

}  // namespace list_settings_command
