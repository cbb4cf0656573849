#pragma once
#include <cstdint>
#include <string>

#include "framework/win/Dialog.h"

// The Add Folder dialog (template 9): the folder to add, typed or picked in
// the shell's folder browser, and whether its subfolders are searched too.
// Fill the two fields, run it modally, read them back after OK; OK is
// refused while the folder text is empty.
class CAddFromFolderDlg : public CDialog {
public:
    CAddFromFolderDlg();

    std::string m_strFolderPath;            // edit 1000, plain text
    std::int32_t m_bIncludeSubfolders = 0;  // check box 1002

    // The browser's prompt and caption.
    static constexpr char kBrowsePrompt[] = "Select the folder that you would like to parse:";
    static constexpr char kBrowseCaption[] = "Select Folder";

    bool OnCommand(unsigned id) override;
    bool HasCommand(unsigned id) const override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    // OK: refuses a folder text that names no folder (AddFolderRules.h).
    void OnOK() override;

private:
    // Browse... (1001): picks a folder, starting at the field's folder.
    void OnBrowse();
    // Include all subfolders (1002): takes the controls into the fields.
    void OnIncludeSubfolders();

    static const CommandEntry<CAddFromFolderDlg> kCommands[];
};
