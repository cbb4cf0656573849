#include "KeyInput.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {
struct KeyName {
    const char* name;
    WORD code;
};

const KeyName kKeyNames[] = {
    {"Return", VK_RETURN}, {"Enter", VK_RETURN},  {"KP_Enter", VK_RETURN}, {"Delete", VK_DELETE},
    {"Insert", VK_INSERT}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},         {"BackSpace", VK_BACK},
    {"space", VK_SPACE},   {"Home", VK_HOME},     {"End", VK_END},         {"Prior", VK_PRIOR},
    {"Page_Up", VK_PRIOR}, {"Next", VK_NEXT},     {"Page_Down", VK_NEXT},  {"Up", VK_UP},
    {"Down", VK_DOWN},     {"Left", VK_LEFT},     {"Right", VK_RIGHT},
};

// Keys that need the extended-key flag in a scan-code world.
bool IsExtended(WORD code) {
    switch (code) {
    case VK_DELETE:
    case VK_INSERT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
        return true;
    default:
        return false;
    }
}

// One key event with its scan code.
INPUT KeyEvent(WORD code, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(code) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}
}  // namespace

WORD CKeyInput::KeyCode(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int number = std::atoi(name.c_str() + 1);
        if (number >= 1 && number <= 24)
            return static_cast<WORD>(VK_F1 + number - 1);
    }
    for (const KeyName& key : kKeyNames)
        if (_stricmp(key.name, name.c_str()) == 0)
            return key.code;
    return 0;
}

bool CKeyInput::Parse(const std::string& keys) {
    m_modifiers.clear();
    m_key = 0;
    std::size_t start = 0;
    while (start <= keys.size()) {
        std::size_t plus = keys.find('+', start);
        std::string part =
            keys.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        if (part.empty())
            return false;
        if (plus == std::string::npos) {
            m_key = KeyCode(part);
            return m_key != 0;
        }
        if (_stricmp(part.c_str(), "ctrl") == 0 || _stricmp(part.c_str(), "control") == 0)
            m_modifiers.push_back(VK_CONTROL);
        else if (_stricmp(part.c_str(), "shift") == 0)
            m_modifiers.push_back(VK_SHIFT);
        else if (_stricmp(part.c_str(), "alt") == 0)
            m_modifiers.push_back(VK_MENU);
        else
            return false;
        start = plus + 1;
    }
    return false;
}

bool CKeyInput::Send() const {
    std::vector<INPUT> inputs;
    for (WORD modifier : m_modifiers)
        inputs.push_back(KeyEvent(modifier, false));
    inputs.push_back(KeyEvent(m_key, false));
    inputs.push_back(KeyEvent(m_key, true));
    for (auto it = m_modifiers.rbegin(); it != m_modifiers.rend(); ++it)
        inputs.push_back(KeyEvent(*it, true));
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}
