#include "framework/DataExchange.h"

#include <limits>
#include <string>

#include "base/FormatText.h"
#include "framework/FrameworkTexts.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

CDataExchange::CDataExchange(IDialogControls& controls, bool saving, WindowHandle owner,
                             std::string caption)
    : m_controls(controls), m_bSaving(saving), m_owner(owner), m_strCaption(std::move(caption)) {}

// Copies plain text between field and control.
void CDataExchange::Text(int id, std::string& value) {
    if (Failed())
        return;
    if (m_bSaving)
        value = m_controls.GetControlText(id);
    else
        m_controls.SetControlText(id, value);
}

// Copies a check box state between field and control.
void CDataExchange::Check(int id, std::int32_t& value) {
    if (Failed())
        return;
    if (m_bSaving)
        value = m_controls.GetCheck(id);
    else
        m_controls.SetCheck(id, value);
}

// Copies a whole number, refusing text that is not one.
void CDataExchange::Integer(int id, std::int32_t& value) {
    if (Failed())
        return;
    if (!m_bSaving) {
        m_controls.SetControlText(id, std::to_string(value));
        return;
    }
    bool overflow = false;
    std::optional<std::int32_t> number = ParseInteger(m_controls.GetControlText(id), &overflow);
    if (!number || overflow) {
        Fail(id, texts::kEnterInteger);
        return;
    }
    value = *number;
}

// Copies a whole number, refusing text that is not one or lies outside
// min..max. The field keeps its old value when the text is refused.
void CDataExchange::Integer(int id, std::int32_t& value, std::int32_t min, std::int32_t max) {
    if (Failed())
        return;
    if (!m_bSaving) {
        m_controls.SetControlText(id, std::to_string(value));
        return;
    }
    std::optional<std::int32_t> number = ParseInteger(m_controls.GetControlText(id));
    if (!number) {
        Fail(id, texts::kEnterInteger);
        return;
    }
    if (*number < min || *number > max) {
        Fail(id, RangeMessage(min, max));
        return;
    }
    value = *number;
}

// Reads blanks, an optional sign, at least one digit, blanks; nothing else.
std::optional<std::int32_t> CDataExchange::ParseInteger(const std::string& text, bool* overflow) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && IsBlank(text[i]))
        ++i;
    while (end > i && IsBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end)
        return std::nullopt;
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    bool tooBig = false;
    for (; i < end; ++i) {
        char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        if (!tooBig) {
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > limit) {
                magnitude = limit;
                tooBig = true;
            }
        }
    }
    if (overflow)
        *overflow = tooBig;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string CDataExchange::RangeMessage(std::int32_t min, std::int32_t max) {
    return FormatText(texts::kEnterIntegerBetween, {std::to_string(min), std::to_string(max)});
}

// Shows the message and marks the control; the dialog focuses it.
void CDataExchange::Fail(int id, const std::string& message) {
    ShowMessage(m_owner, message, m_strCaption, mb::kOk | mb::kIconExclamation);
    m_nFailedControl = id == 0 ? -1 : id;
}
