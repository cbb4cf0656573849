#pragma once
#include <windows.h>

#include <string>

#include "framework/CommandTarget.h"
#include "framework/DataExchange.h"

// Sent by a dialog's modal loop to the dialog whenever the loop runs out of
// messages (wParam MSGF_DIALOGBOX, lParam the idle count); the dialog runs
// the enabling rules of its controls then.
#ifndef WM_KICKIDLE
#define WM_KICKIDLE 0x036A
#endif

// A dialog made from a dialog template of the program's resources, modal
// (DoModal, with its own message loop) or modeless (CreateModeless). Fields
// go to the controls when it opens and back, with validation, on OK
// (DoDataExchange). Buttons that are clicked reach OnCommand, so a dialog
// can answer them from a command table; each control's enabling rule is
// asked through OnUpdateCommand whenever the loop is idle. A control that
// has a window object (CWindow) gets its own notifications and colour
// requests first (CWindow::OnReflectedMessage).
class CDialog : public CCommandTarget, private IDialogControls {
public:
    explicit CDialog(UINT templateId);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    HWND GetHwnd() const { return m_hWnd; }
    UINT TemplateId() const { return m_nTemplateId; }

    // Runs the dialog modally over the owner's top-level window, which is
    // disabled meanwhile. Returns the code it ended with (IDOK, IDCANCEL),
    // or -1 when it could not be created.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modeless; its keyboard messages are handled by the
    // application's loop. False when it could not be created.
    bool CreateModeless(HWND owner);
    // Ends a modal dialog with the code; destroys a modeless one.
    void EndDialog(INT_PTR result);

    // Copies the fields into the controls (save false), or the controls into
    // the fields with validation (save true). A refused value has been
    // reported; its control gets the focus and false comes back.
    bool UpdateData(bool save);
    // Runs the enabling rules of the dialog's controls.
    void UpdateDialogControls();

protected:
    // After the controls exist: copies the fields into them. True lets the
    // system give the focus to the first control.
    virtual bool OnInitDialog();
    // Lists the fields and their controls for UpdateData.
    virtual void DoDataExchange(CDataExchange& dx) {}
    // OK: takes the fields back with validation and closes when they pass.
    virtual void OnOK();
    // Cancel, Esc and the close box: closes without taking the fields.
    virtual void OnCancel();
    // A control's WM_COMMAND. The default handles OK and Cancel and hands a
    // click of any other button to OnCommand. True when handled.
    virtual bool OnControlCommand(UINT id, UINT code, HWND control);
    // Any other message; true (with result) when the dialog handled it.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
        return false;
    }
    // Runs when a modeless dialog's window is gone; an object that owns
    // itself may delete itself here.
    virtual void OnFinalMessage() {}
    // Refuses a control's value as the data exchange refuses one: the
    // message in the framework's box over the dialog, then the focus on the
    // control.
    void RefuseControl(int id, const std::string& message);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    // IDialogControls: the child windows of the dialog.
    std::string GetControlText(int id) override;
    void SetControlText(int id, const std::string& text) override;
    int GetCheck(int id) override;
    void SetCheck(int id, int state) override;

    UINT m_nTemplateId;
    HWND m_hWnd = nullptr;
    bool m_bModal = false;
    bool m_bEndModal = false;
    INT_PTR m_nResult = -1;
};
