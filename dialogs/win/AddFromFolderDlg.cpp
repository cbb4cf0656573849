#include "dialogs/win/AddFromFolderDlg.h"

#include "dialogs/AddFolderRules.h"
#include "dialogs/win/FolderPicker.h"
#include "res/resource.h"

const CommandEntry<CAddFromFolderDlg> CAddFromFolderDlg::kCommands[] = {
    {IDC_BROWSE, &CAddFromFolderDlg::OnBrowse, nullptr},
    {IDC_INCLUDE_SUBFOLDERS, &CAddFromFolderDlg::OnIncludeSubfolders, nullptr},
};

CAddFromFolderDlg::CAddFromFolderDlg() : CDialog(IDD_ADD_FOLDER) {}

void CAddFromFolderDlg::DoDataExchange(CDataExchange& dx) {
    dx.Text(IDC_FOLDER_PATH, m_strFolderPath);
    dx.Check(IDC_INCLUDE_SUBFOLDERS, m_bIncludeSubfolders);
}

bool CAddFromFolderDlg::OnCommand(unsigned id) {
    return RunCommand(this, kCommands, id);
}

bool CAddFromFolderDlg::HasCommand(unsigned id) const {
    return TableHasCommand(kCommands, id);
}

// The browser starts at the folder of the last transfer; text typed since
// then is not looked at. A chosen folder goes into the edit.
void CAddFromFolderDlg::OnBrowse() {
    CFolderPicker picker;
    picker.SetInitialFolder(m_strFolderPath);
    picker.SetPrompt(kBrowsePrompt);
    picker.SetCaption(kBrowseCaption);
    if (picker.Browse(nullptr) == 1) {
        m_strFolderPath = picker.GetPath();
        UpdateData(false);
    }
}

// A folder text that names no folder is refused; the dialog stays open.
void CAddFromFolderDlg::OnOK() {
    if (!UpdateData(true))
        return;
    if (add_folder_rules::NamesNoFolder(m_strFolderPath)) {
        RefuseControl(IDC_FOLDER_PATH, add_folder_rules::kNoFolderText);
        return;
    }
    EndDialog(IDOK);
}

void CAddFromFolderDlg::OnIncludeSubfolders() {
    UpdateData(true);
}
