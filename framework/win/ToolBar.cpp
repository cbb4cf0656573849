#include "framework/win/ToolBar.h"

#include "framework/ToolbarResource.h"

bool CToolBar::Create(HWND parent, DWORD style, UINT id, UINT resourceId) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(241));
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

void CToolBar::SetImageList(HIMAGELIST images) {
    SendMessageA(GetHwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(GetHwnd(), TB_AUTOSIZE, 0, 0);
}

void CToolBar::SetHotImageList(HIMAGELIST images) {
    SendMessageA(GetHwnd(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
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

int CToolBar::Height() const {
    if (!GetHwnd() || !IsWindowVisible(GetHwnd()))
        return 0;
    RECT rect;
    GetWindowRect(GetHwnd(), &rect);
    return rect.bottom - rect.top;
}
