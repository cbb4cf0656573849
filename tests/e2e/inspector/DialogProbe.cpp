#include "DialogProbe.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr UINT kTimeoutMs = 5000;

struct FindData {
    DWORD processId;
    HWND found;
};

// Picks the first (topmost) visible, enabled dialog window of the process.
BOOL CALLBACK FindDialogProc(HWND hwnd, LPARAM lParam) {
    auto* data = reinterpret_cast<FindData*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId != data->processId || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd))
        return TRUE;
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0)
        return TRUE;
    data->found = hwnd;
    return FALSE;
}

// Collects the visible children of the dialog, grandchildren included.
BOOL CALLBACK CollectProc(HWND hwnd, LPARAM lParam) {
    if (IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

// Reads a window's current text by asking the window itself.
std::string WindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length))
        return std::string();
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, kTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

// A combo box's list entries, "|" between them. The UTF-16 form of the
// request is the one whose text the system carries across processes.
std::string ComboItems(HWND combo) {
    DWORD_PTR count = 0;
    SendMessageTimeoutA(combo, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &count);
    std::string items;
    for (DWORD_PTR i = 0; i < count && i < 100; ++i) {
        wchar_t text[256] = {};
        DWORD_PTR length = 0;
        SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length);
        if (length < 256)
            SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text),
                                SMTO_ABORTIFHUNG, kTimeoutMs, &length);
        items += (i ? "|" : "");
        for (const wchar_t* c = text; *c; ++c)
            items += *c < 0x80 ? static_cast<char>(*c) : '?';
    }
    return items;
}

// The text without its access-key marks ("&Yes" reads "Yes", "&&" reads "&").
std::string WithoutMarks(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

// Tells a button's kind from its style.
std::string ButtonKind(LONG style) {
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return "checkbox";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return "radio";
    case BS_GROUPBOX:
        return "groupbox";
    default:
        return "button";
    }
}
}  // namespace

HWND CDialogProbe::FindDialog(DWORD processId) {
    FindData data{processId, nullptr};
    EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

std::string CDialogProbe::Caption() const {
    return WindowText(m_dialog);
}

std::vector<CDialogProbe::Control> CDialogProbe::Controls() const {
    std::vector<HWND> children;
    EnumChildWindows(m_dialog, CollectProc, reinterpret_cast<LPARAM>(&children));
    std::vector<Control> controls;
    for (HWND hwnd : children) {
        Control control;
        control.hwnd = hwnd;
        control.id = GetDlgCtrlID(hwnd);
        char className[64] = {};
        GetClassNameA(hwnd, className, sizeof className);
        LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        control.text = WindowText(hwnd);
        if (_stricmp(className, "Button") == 0) {
            control.kind = ButtonKind(style);
            if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                control.flags.push_back("default");
            if (control.kind == "checkbox" || control.kind == "radio") {
                DWORD_PTR state = 0;
                SendMessageTimeoutA(hwnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &state);
                control.flags.push_back(state == BST_CHECKED ? "checked" : "clear");
            }
        } else if (_stricmp(className, "Static") == 0) {
            control.kind = "static";
            if ((style & SS_TYPEMASK) == SS_ICON)
                control.flags.push_back("icon");
        } else if (_stricmp(className, "Edit") == 0) {
            control.kind = "edit";
        } else if (_stricmp(className, "ComboBox") == 0) {
            control.kind = className;
            control.flags.push_back("items " + ComboItems(hwnd));
        } else {
            control.kind = className;
        }
        if (!IsWindowEnabled(hwnd))
            control.flags.push_back("disabled");
        controls.push_back(control);
    }
    return controls;
}

HWND CDialogProbe::FindControl(const std::string& name) const {
    char* end = nullptr;
    long id = std::strtol(name.c_str(), &end, 0);
    bool numeric = !name.empty() && end && *end == '\0';
    for (const Control& control : Controls()) {
        if (numeric ? control.id == id : WithoutMarks(control.text) == name)
            return control.hwnd;
    }
    return nullptr;
}

bool CDialogProbe::Press(const std::string& name) const {
    HWND button = FindControl(name);
    if (!button || !IsWindowEnabled(button))
        return false;
    return PostMessageA(button, BM_CLICK, 0, 0) != 0;
}

bool CDialogProbe::SetText(const std::string& name, const std::string& text) const {
    HWND control = FindControl(name);
    if (!control)
        return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, kTimeoutMs, &result) &&
           result;
}

bool CDialogProbe::SetCheck(const std::string& name, bool checked) const {
    HWND control = FindControl(name);
    if (!control)
        return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0,
                               SMTO_ABORTIFHUNG, kTimeoutMs, &result) != 0;
}

std::vector<std::string> CDialogProbe::Misfits() const {
    std::vector<std::pair<int, RECT>> placed;
    std::vector<std::string> misfits;
    for (const Control& control : Controls()) {
        RECT rect = {}, common = {};
        // Group boxes hold other controls; controls that abut in dialog
        // units may share a pixel once the units are rounded.
        if (control.kind == "groupbox" || !GetWindowRect(control.hwnd, &rect))
            continue;
        for (const auto& [id, other] : placed)
            if (IntersectRect(&common, &rect, &other) && common.right - common.left > 1 &&
                common.bottom - common.top > 1)
                misfits.push_back("overlap: " + std::to_string(id) + " " +
                                  std::to_string(control.id));
        placed.emplace_back(control.id, rect);
    }
    return misfits;
}
