#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Finds the dialog or message box that another process has open and reads
// or works its controls the way a user would.
class CDialogProbe {
public:
    struct Control {
        HWND hwnd = nullptr;
        int id = 0;
        std::string kind;  // button, checkbox, radio, groupbox, static, edit, or the class name
        std::string text;
        std::vector<std::string> flags;  // default, checked, disabled, icon
    };

    // The enabled, visible dialog of the process at the top, or null.
    static HWND FindDialog(DWORD processId);

    explicit CDialogProbe(HWND dialog) : m_dialog(dialog) {}
    HWND Handle() const { return m_dialog; }
    // The dialog's caption.
    std::string Caption() const;
    // The visible child controls in creation order.
    std::vector<Control> Controls() const;
    // The control with this id, or (when name is not a number) the button
    // whose text without its access-key marks equals name.
    HWND FindControl(const std::string& name) const;
    // Clicks a button as the mouse would; the click is posted, so that a
    // dialog which the click opens cannot block us.
    bool Press(const std::string& name) const;
    // Replaces the text of an edit control.
    bool SetText(const std::string& name, const std::string& text) const;
    // Sets a check box to checked (true) or clear (false).
    bool SetCheck(const std::string& name, bool checked) const;
    // "overlap: ID ID" for each two visible controls that cover each other
    // (group boxes left out); empty when none do.
    std::vector<std::string> Misfits() const;

private:
    HWND m_dialog;
};
