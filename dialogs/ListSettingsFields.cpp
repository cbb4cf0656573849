#include "dialogs/ListSettingsFields.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

void CListSettingsFields::Exchange(CDataExchange& dx) {
    CListSettingsFields taken = *this;
    dx.Check(IDC_INTERVAL_CHANGE, taken.m_bIntervalChange);
    dx.Integer(IDC_HOURS, taken.m_nHours, 0, kMaxHours);
    dx.Integer(IDC_MINUTES, taken.m_nMinutes, 0, kMaxMinutes);
    if (dx.IsSaving() && !dx.Failed())
        *this = taken;
}
