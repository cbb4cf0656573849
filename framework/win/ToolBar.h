#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "framework/DockLayout.h"
#include "framework/DpiScale.h"
#include "framework/win/Window.h"

// A toolbar control whose buttons come from a toolbar resource (button size
// and the command of each button, 0 for a separator). It docks on any side
// of its frame: dragged by its gripper, it goes to the side nearest the
// cursor, across the frame's top and bottom or down its left and right.
class CToolBar : public CWindow {
public:
    // Creates the control as a child of the frame with the buttons of the
    // resource, at the frame's dpi.
    bool Create(HWND parent, DWORD style, UINT id, UINT resourceId);
    // The buttons' images; the buttons take their size from them.
    void SetImageList(HIMAGELIST images);
    void SetHotImageList(HIMAGELIST images);
    // The frame moved to a display of another scale: the gripper and the
    // borders follow the dpi. New images come from the frame.
    void SetDpi(int dpi);
    int Dpi() const { return m_nDpi; }
    // The commands of the buttons in order (separators left out).
    const std::vector<UINT>& Commands() const { return m_commands; }
    void EnableButton(UINT id, bool enable);
    void CheckButton(UINT id, bool check);
    bool IsButtonEnabled(UINT id) const;

    // The side of the frame it is docked on, and docking it on another:
    // the buttons go in a row or a column, and the frame is told to lay
    // itself out again.
    DockSide GetDockSide() const { return m_side; }
    void DockOn(DockSide side);
    // The width of the strip the toolbar takes along its side (0 when hidden).
    int Thickness() const;
    // Called after the toolbar moved to another side.
    void SetOnDocked(std::function<void()> onDocked) { m_onDocked = std::move(onDocked); }
    // The gripper's strip in screen coordinates.
    RECT GripperRect() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsVertical() const { return m_side == DockSide::Left || m_side == DockSide::Right; }
    void PaintGripper();
    int GripperSize() const;
    int Border() const;
    // While dragged: docks on the side nearest this screen point.
    void DragTo(POINT screen);

    std::vector<UINT> m_commands;
    DockSide m_side = DockSide::Top;
    bool m_bDragging = false;
    int m_nDpi = kDefaultDpi;
    std::function<void()> m_onDocked;
};
