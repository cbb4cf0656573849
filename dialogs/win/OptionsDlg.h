#pragma once
#include "dialogs/OptionsFields.h"
#include "framework/win/Dialog.h"

// The Options dialog (template 133): the program options that belong to no
// list. Fill m_fields, run it modally, read m_fields back after OK.
class COptionsDlg : public CDialog {
public:
    COptionsDlg();

    COptionsFields m_fields;

    bool OnCommand(unsigned id) override;
    bool HasCommand(unsigned id) const override;
    bool OnUpdateCommand(CCommandUI& ui) override;

protected:
    void DoDataExchange(CDataExchange& dx) override { m_fields.Exchange(dx); }

private:
    // "Reload last wallpaper list" clicked: the controls go into the fields,
    // so that the two boxes under it follow at the next idle time.
    void OnReloadLastList();
    // "Change wallpaper on startup" and "Scan for dead items on startup".
    void OnUpdateStartupAction(CCommandUI& ui);

    static const CommandEntry<COptionsDlg> kCommands[];
};
