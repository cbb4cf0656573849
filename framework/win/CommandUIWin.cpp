#include "framework/win/CommandUIWin.h"

#include "framework/win/StatusBar.h"
#include "framework/win/ToolBar.h"

void CMenuItemUI::Enable(bool on) {
    CCommandUI::Enable(on);
    EnableMenuItem(m_menu, m_position, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

void CMenuItemUI::SetCheck(int check) {
    CCommandUI::SetCheck(check);
    CheckMenuItem(m_menu, m_position, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void CMenuItemUI::SetText(const std::string& text) {
    CCommandUI::SetText(text);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(m_menu, m_position, TRUE, &info);
}

void CToolButtonUI::Enable(bool on) {
    CCommandUI::Enable(on);
    m_toolBar.EnableButton(Id(), on);
}

void CToolButtonUI::SetCheck(int check) {
    CCommandUI::SetCheck(check);
    m_toolBar.CheckButton(Id(), check != 0);
}

void CStatusPaneUI::Enable(bool on) {
    CCommandUI::Enable(on);
    if (!on)
        m_statusBar.SetPaneText(m_index, std::string());
}

void CStatusPaneUI::SetText(const std::string& text) {
    CCommandUI::SetText(text);
    m_statusBar.SetPaneText(m_index, text);
}
