#include "framework/win/ToolBar.h"

#include "framework/DpiScale.h"
#include "framework/StandardIds.h"
#include "framework/ToolbarResource.h"
#include "framework/win/WindowDpi.h"

namespace {
constexpr int kGripperSize = 8;  // the strip the gripper takes at the start
constexpr int kBorder = 2;       // above and below the buttons (beside them when vertical)
constexpr int kGripperBar = 3;   // each of the gripper's two raised bars
}  // namespace

bool CToolBar::Create(HWND parent, DWORD style, UINT id, UINT resourceId) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC resource =
        FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(RT_TOOLBAR_LAYOUT));
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return false;
    std::optional<ToolbarResource> parsed =
        ParseToolbarResource(data, SizeofResource(instance, resource));
    if (!parsed)
        return false;
    const ToolbarResource& layout = *parsed;

    HWND hwnd =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, "", style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
    if (!hwnd || !Subclass(hwnd))
        return false;
    m_nDpi = WindowDpi(parent);
    SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(layout.width, layout.height));

    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (unsigned short command : layout.items) {
        TBBUTTON button = {};
        if (command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = command;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
            m_commands.push_back(command);
        }
        buttons.push_back(button);
    }
    SendMessageA(hwnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
    return true;
}

// The bitmap size follows the images, so that the buttons shrink too when
// the new images are smaller than the old ones.
void CToolBar::SetImageList(HIMAGELIST images) {
    int width = 0, height = 0;
    if (ImageList_GetIconSize(images, &width, &height))
        SendMessageA(GetHwnd(), TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    SendMessageA(GetHwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(GetHwnd(), TB_AUTOSIZE, 0, 0);
}

void CToolBar::SetHotImageList(HIMAGELIST images) {
    SendMessageA(GetHwnd(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
}

void CToolBar::SetDpi(int dpi) {
    m_nDpi = dpi;
    // The gripper's strip is part of the frame the control draws itself.
    SetWindowPos(GetHwnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CToolBar::EnableButton(UINT id, bool enable) {
    if (IsButtonEnabled(id) != enable)
        SendMessageA(GetHwnd(), TB_ENABLEBUTTON, id, MAKELPARAM(enable ? TRUE : FALSE, 0));
}

void CToolBar::CheckButton(UINT id, bool check) {
    SendMessageA(GetHwnd(), TB_CHECKBUTTON, id, MAKELPARAM(check ? TRUE : FALSE, 0));
}

bool CToolBar::IsButtonEnabled(UINT id) const {
    return SendMessageA(GetHwnd(), TB_ISBUTTONENABLED, id, 0) != 0;
}

int CToolBar::GripperSize() const {
    return ScaleForDpi(kGripperSize, m_nDpi);
}

int CToolBar::Border() const {
    return ScaleForDpi(kBorder, m_nDpi);
}

int CToolBar::Thickness() const {
    if (!GetHwnd() || !IsWindowVisible(GetHwnd()))
        return 0;
    DWORD size = static_cast<DWORD>(SendMessageA(GetHwnd(), TB_GETBUTTONSIZE, 0, 0));
    return (IsVertical() ? LOWORD(size) : HIWORD(size)) + 2 * Border();
}

void CToolBar::DockOn(DockSide side) {
    bool changed = side != m_side;
    m_side = side;
    HWND hwnd = GetHwnd();
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    style = IsVertical() ? (style | CCS_VERT) : (style & ~CCS_VERT);
    SetWindowLongA(hwnd, GWL_STYLE, style);
    // One button a row down the sides, one row across the top and bottom.
    int count = static_cast<int>(SendMessageA(hwnd, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessageA(hwnd, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        TBBUTTONINFOA info = {};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        info.fsState = static_cast<BYTE>(IsVertical() ? (button.fsState | TBSTATE_WRAP)
                                                      : (button.fsState & ~TBSTATE_WRAP));
        if (info.fsState != button.fsState)
            SendMessageA(hwnd, TB_SETBUTTONINFOA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&info));
    }
    // The gripper moves between the left end and the top end.
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (changed && m_onDocked)
        m_onDocked();
}

RECT CToolBar::GripperRect() const {
    RECT rect = {};
    GetWindowRect(GetHwnd(), &rect);
    if (IsVertical())
        rect.bottom = rect.top + GripperSize();
    else
        rect.right = rect.left + GripperSize();
    return rect;
}

void CToolBar::PaintGripper() {
    HDC dc = GetWindowDC(GetHwnd());
    if (!dc)
        return;
    RECT window = {};
    GetWindowRect(GetHwnd(), &window);
    RECT grip = GripperRect();
    OffsetRect(&grip, -window.left, -window.top);
    FillRect(dc, &grip, GetSysColorBrush(COLOR_BTNFACE));
    // Two raised bars along the toolbar's thickness.
    const int width = ScaleForDpi(kGripperBar, m_nDpi);
    const int start = ScaleForDpi(1, m_nDpi);
    for (int i = 0; i < 2; ++i) {
        RECT bar = grip;
        if (IsVertical()) {
            InflateRect(&bar, -Border(), 0);
            bar.top += start + width * i;
            bar.bottom = bar.top + width;
        } else {
            InflateRect(&bar, 0, -Border());
            bar.left += start + width * i;
            bar.right = bar.left + width;
        }
        DrawEdge(dc, &bar, BDR_RAISEDINNER, BF_RECT);
    }
    ReleaseDC(GetHwnd(), dc);
}

void CToolBar::DragTo(POINT screen) {
    HWND frame = GetParent(GetHwnd());
    RECT client = {};
    GetClientRect(frame, &client);
    MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&client), 2);
    DockRect area{client.left, client.top, client.right, client.bottom};
    DockOn(NearestDockSide(area, screen.x, screen.y));
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCALCSIZE: {
        LRESULT result = DefaultProc(message, wParam, lParam);
        RECT* rect = reinterpret_cast<RECT*>(lParam);  // also the first of NCCALCSIZE_PARAMS
        if (IsVertical())
            rect->top += GripperSize();
        else
            rect->left += GripperSize();
        return result;
    }
    case WM_NCPAINT: {
        LRESULT result = DefaultProc(message, wParam, lParam);
        PaintGripper();
        return result;
    }
    case WM_NCHITTEST: {
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT grip = GripperRect();
        if (PtInRect(&grip, point))
            return HTCAPTION;
        break;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCAPTION) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEALL)));
            return TRUE;
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION) {
            m_bDragging = true;
            SetCapture(GetHwnd());
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        if (m_bDragging) {
            POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(GetHwnd(), &point);
            DragTo(point);
            if (message == WM_LBUTTONUP) {
                m_bDragging = false;
                ReleaseCapture();
            }
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        m_bDragging = false;
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
