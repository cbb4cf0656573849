#pragma once
#include <cstddef>
#include <string>

// The state of one place a command appears in (menu item, toolbar button,
// status-bar pane), which the command's enabling rule sets.
class CCommandUI {
public:
    explicit CCommandUI(unsigned id) : m_nId(id) {}
    virtual ~CCommandUI() = default;
    unsigned Id() const { return m_nId; }
    virtual void Enable(bool on) { m_bEnabled = on; }
    virtual void SetCheck(int check) { m_nCheck = check; }
    virtual void SetText(const std::string& text) { m_strText = text; }
    bool IsEnabled() const { return m_bEnabled; }
    int GetCheck() const { return m_nCheck; }
    const std::string& GetText() const { return m_strText; }

private:
    unsigned m_nId;
    bool m_bEnabled = true;
    int m_nCheck = 0;
    std::string m_strText;
};

// Something that handles commands: the view, the document, the application
// and the frame, asked in that order.
class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;
    // Runs the command if this target handles it.
    virtual bool OnCommand(unsigned id) { return false; }
    // True when this target would run the command.
    virtual bool HasCommand(unsigned id) const { return false; }
    // Applies this target's enabling rule for the command, if it has one.
    virtual bool OnUpdateCommand(CCommandUI& ui) { return false; }
};

// One line of a command table: the command, what runs it, and its enabling
// rule (none: always enabled).
template <class T>
struct CommandEntry {
    unsigned id;
    void (T::*onCommand)();
    void (T::*onUpdate)(CCommandUI&);
};

template <class T, std::size_t N>
bool RunCommand(T* target, const CommandEntry<T> (&table)[N], unsigned id) {
    for (const CommandEntry<T>& entry : table) {
        if (entry.id == id && entry.onCommand) {
            (target->*entry.onCommand)();
            return true;
        }
    }
    return false;
}

template <class T, std::size_t N>
bool TableHasCommand(const CommandEntry<T> (&table)[N], unsigned id) {
    for (const CommandEntry<T>& entry : table)
        if (entry.id == id && entry.onCommand)
            return true;
    return false;
}

template <class T, std::size_t N>
bool UpdateCommand(T* target, const CommandEntry<T> (&table)[N], CCommandUI& ui) {
    for (const CommandEntry<T>& entry : table) {
        if (entry.id == ui.Id() && entry.onUpdate) {
            (target->*entry.onUpdate)(ui);
            return true;
        }
    }
    return false;
}
