#include "dialogs/win/OptionsDlg.h"

#include "res/resource.h"

const CommandEntry<COptionsDlg> COptionsDlg::kCommands[] = {
    {IDC_RELOAD_LAST_LIST, &COptionsDlg::OnReloadLastList, nullptr},
    {IDC_CHANGE_ON_START, nullptr, &COptionsDlg::OnUpdateStartupAction},
    {IDC_SCAN_DEAD_ON_START, nullptr, &COptionsDlg::OnUpdateStartupAction},
};

COptionsDlg::COptionsDlg() : CDialog(IDD_OPTIONS) {}

bool COptionsDlg::OnCommand(unsigned id) {
    return RunCommand(this, kCommands, id);
}

bool COptionsDlg::HasCommand(unsigned id) const {
    return TableHasCommand(kCommands, id);
}

bool COptionsDlg::OnUpdateCommand(CCommandUI& ui) {
    return UpdateCommand(this, kCommands, ui);
}

void COptionsDlg::OnReloadLastList() {
    UpdateData(true);
}

void COptionsDlg::OnUpdateStartupAction(CCommandUI& ui) {
    ui.Enable(m_fields.StartupActionsEnabled());
}
