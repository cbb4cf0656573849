#pragma once
#include <windows.h>

#include "framework/CommandTarget.h"

class CStatusBar;
class CToolBar;

// A menu item whose state an enabling rule sets.
class CMenuItemUI : public CCommandUI {
public:
    CMenuItemUI(HMENU menu, UINT position, UINT id)
        : CCommandUI(id), m_menu(menu), m_position(position) {}
    void Enable(bool on) override;
    void SetCheck(int check) override;
    void SetText(const std::string& text) override;

private:
    HMENU m_menu;
    UINT m_position;
};

// A toolbar button whose state an enabling rule sets.
class CToolButtonUI : public CCommandUI {
public:
    CToolButtonUI(CToolBar& toolBar, UINT id) : CCommandUI(id), m_toolBar(toolBar) {}
    void Enable(bool on) override;
    void SetCheck(int check) override;

private:
    CToolBar& m_toolBar;
};

// A status-bar pane whose text an update rule sets; a disabled pane shows nothing.
class CStatusPaneUI : public CCommandUI {
public:
    CStatusPaneUI(CStatusBar& statusBar, int index, UINT id)
        : CCommandUI(id), m_statusBar(statusBar), m_index(index) {}
    void Enable(bool on) override;
    void SetText(const std::string& text) override;

private:
    CStatusBar& m_statusBar;
    int m_index;
};
