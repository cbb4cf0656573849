#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/win/Window.h"

// A toolbar control whose buttons come from a toolbar resource (button size
// and the command of each button, 0 for a separator).
class CToolBar : public CWindow {
public:
    // Creates the control as a child of the frame with the buttons of the resource.
    bool Create(HWND parent, DWORD style, UINT id, UINT resourceId);
    void SetImageList(HIMAGELIST images);
    void SetHotImageList(HIMAGELIST images);
    // The commands of the buttons in order (separators left out).
    const std::vector<UINT>& Commands() const { return m_commands; }
    void EnableButton(UINT id, bool enable);
    void CheckButton(UINT id, bool check);
    bool IsButtonEnabled(UINT id) const;
    // The height the toolbar takes at the top of the frame (0 when hidden).
    int Height() const;

private:
    std::vector<UINT> m_commands;
};
