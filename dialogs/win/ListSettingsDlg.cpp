#include "dialogs/win/ListSettingsDlg.h"

#include <commctrl.h>

#include <string>

#include "list/WallpaperItem.h"
#include "res/resource.h"

const CommandEntry<CListSettingsDlg> CListSettingsDlg::kCommands[] = {
    {IDC_INTERVAL_CHANGE, &CListSettingsDlg::OnIntervalChange, nullptr},
    {IDC_HOURS, nullptr, &CListSettingsDlg::OnUpdateInterval},
    {IDC_HOURS_SPIN, nullptr, &CListSettingsDlg::OnUpdateInterval},
    {IDC_MINUTES, nullptr, &CListSettingsDlg::OnUpdateInterval},
    {IDC_MINUTES_SPIN, nullptr, &CListSettingsDlg::OnUpdateInterval},
};

CListSettingsDlg::CListSettingsDlg() : CDialog(IDD_LIST_SETTINGS) {}

bool CListSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    HWND dialog = GetHwnd();
    for (const char* position : kPositionNames)
        SendDlgItemMessageA(dialog, IDC_DEFAULT_POSITION, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(position));
    SendDlgItemMessageA(dialog, IDC_DEFAULT_POSITION, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(m_fields.m_strDefaultPosition.c_str()));
    SendDlgItemMessageA(dialog, IDC_HOURS_SPIN, UDM_SETRANGE32, 0, CListSettingsFields::kMaxHours);
    SendDlgItemMessageA(dialog, IDC_MINUTES_SPIN, UDM_SETRANGE32, 0,
                        CListSettingsFields::kMaxMinutes);
    return true;
}

bool CListSettingsDlg::OnControlCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_DEFAULT_POSITION && code == CBN_SELCHANGE) {
        OnPositionChosen();
        return true;
    }
    return CDialog::OnControlCommand(id, code, control);
}

bool CListSettingsDlg::OnCommand(unsigned id) {
    return RunCommand(this, kCommands, id);
}

bool CListSettingsDlg::HasCommand(unsigned id) const {
    return TableHasCommand(kCommands, id);
}

bool CListSettingsDlg::OnUpdateCommand(CCommandUI& ui) {
    return UpdateCommand(this, kCommands, ui);
}

void CListSettingsDlg::OnIntervalChange() {
    UpdateData(true);
}

void CListSettingsDlg::OnUpdateInterval(CCommandUI& ui) {
    ui.Enable(m_fields.IntervalEnabled());
}

void CListSettingsDlg::OnPositionChosen() {
    HWND combo = GetDlgItem(GetHwnd(), IDC_DEFAULT_POSITION);
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    m_fields.m_strDefaultPosition = text;
}
