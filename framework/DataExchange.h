#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "framework/Prompter.h"

// The controls of a dialog, as the data exchange reads and writes them.
// On Windows the dialog's child windows (Dialog.h); in tests a fake.
class IDialogControls {
public:
    virtual ~IDialogControls() = default;
    virtual std::string GetControlText(int id) = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    // Check state: 0 clear, 1 checked, 2 indeterminate.
    virtual int GetCheck(int id) = 0;
    virtual void SetCheck(int id, int state) = 0;
};

// One transfer between a dialog's fields and its controls: into the
// controls when the dialog opens (loading), back into the fields with
// validation on OK (saving). The first failed validation shows the
// framework's message through the prompter, remembers the control and
// stops the rest of the transfer; the dialog then stays open and gives
// that control the focus.
class CDataExchange {
public:
    CDataExchange(IDialogControls& controls, bool saving, WindowHandle owner, std::string caption);

    bool IsSaving() const { return m_bSaving; }
    bool Failed() const { return m_nFailedControl != 0; }
    // The control whose value was refused; 0 when none was.
    int FailedControl() const { return m_nFailedControl; }

    // Plain text, no validation.
    void Text(int id, std::string& value);
    // A check box as 0 or 1 (an indeterminate box counts as 2).
    void Check(int id, std::int32_t& value);
    // A whole number; refused with "Please enter an integer." when the
    // text is not one.
    void Integer(int id, std::int32_t& value);
    // A whole number from min to max; refused with "Please enter an
    // integer." when the text is not a number, and with "Please enter an
    // integer between %1 and %2." when it lies outside the range.
    void Integer(int id, std::int32_t& value, std::int32_t min, std::int32_t max);

    // Reads a whole number: blanks around it, an optional sign, decimal
    // digits. Numbers beyond 32 bits come back as the nearest 32-bit limit
    // with `overflow` set; anything else gives none.
    static std::optional<std::int32_t> ParseInteger(const std::string& text,
                                                    bool* overflow = nullptr);
    // The range message with its two numbers put in.
    static std::string RangeMessage(std::int32_t min, std::int32_t max);

private:
    void Fail(int id, const std::string& message);

    IDialogControls& m_controls;
    bool m_bSaving;
    WindowHandle m_owner;
    std::string m_strCaption;
    int m_nFailedControl = 0;
};
