#include "dialogs/OptionsFields.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

void COptionsFields::Exchange(CDataExchange& dx) {
    COptionsFields taken = *this;
    dx.Check(IDC_MINIMIZE_ON_START, taken.m_bMinimizeOnStart);
    dx.Check(IDC_RELOAD_LAST_LIST, taken.m_bReloadLastList);
    dx.Check(IDC_CHANGE_ON_START, taken.m_bChangeOnStart);
    dx.Check(IDC_KEEP_ON_TOP, taken.m_bKeepOnTop);
    dx.Check(IDC_WARN_ON_RECYCLE, taken.m_bWarnOnRecycle);
    dx.Check(IDC_AUTO_SAVE, taken.m_bAutoSave);
    dx.Check(IDC_AUTO_SORT, taken.m_bAutoSort);
    dx.Check(IDC_SNAP_WINDOW, taken.m_bSnapWindow);
    dx.Integer(IDC_SNAP_LIMIT, taken.m_nSnapLimit, kMinSnapLimit, kMaxSnapLimit);
    dx.Check(IDC_SCAN_DEAD_ON_START, taken.m_bScanDeadOnStart);
    if (dx.IsSaving() && !dx.Failed())
        *this = taken;
}
