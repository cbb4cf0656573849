#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Keyboard input made from key names in xdotool's spelling ("ctrl+s",
// "Return", "shift+Delete"), sent as system input to the foreground window.
class CKeyInput {
public:
    // Parses "mod+mod+key"; false when a name is unknown.
    bool Parse(const std::string& keys);
    // Sends the modifiers down, the key down and up, the modifiers up.
    bool Send() const;

private:
    // The virtual-key code of a key name, or 0.
    static WORD KeyCode(const std::string& name);

    std::vector<WORD> m_modifiers;
    WORD m_key = 0;
};
