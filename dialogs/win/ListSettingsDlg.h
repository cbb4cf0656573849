#pragma once
#include "dialogs/ListSettingsFields.h"
#include "framework/win/Dialog.h"

// The List Settings dialog (template 137): the open list's default position
// for new items and its interval change. Fill m_fields, run it modally,
// read m_fields back after OK.
class CListSettingsDlg : public CDialog {
public:
    CListSettingsDlg();

    CListSettingsFields m_fields;

    bool OnCommand(unsigned id) override;
    bool HasCommand(unsigned id) const override;
    bool OnUpdateCommand(CCommandUI& ui) override;

protected:
    // Fills the position list and selects the field's position, and gives
    // the up-down controls their ranges.
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override { m_fields.Exchange(dx); }
    bool OnControlCommand(UINT id, UINT code, HWND control) override;

private:
    // The check box clicked: the controls go into the fields, so that the
    // hours and minutes follow at the next idle time.
    void OnIntervalChange();
    // The hours and minutes with their up-down controls.
    void OnUpdateInterval(CCommandUI& ui);
    // A position chosen in the combo box becomes the field's.
    void OnPositionChosen();

    static const CommandEntry<CListSettingsDlg> kCommands[];
};
