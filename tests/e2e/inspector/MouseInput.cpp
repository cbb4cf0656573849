#include "MouseInput.h"

#include <vector>

namespace {
// One mouse event at an absolute position of the primary screen.
INPUT MouseEvent(int x, int y, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}
}  // namespace

bool CMouseInput::Click(int x, int y, const std::string& button) {
    DWORD down = MOUSEEVENTF_LEFTDOWN, up = MOUSEEVENTF_LEFTUP;
    int clicks = 1;
    if (button == "right") {
        down = MOUSEEVENTF_RIGHTDOWN;
        up = MOUSEEVENTF_RIGHTUP;
    } else if (button == "double") {
        clicks = 2;
    } else if (button != "left") {
        return false;
    }
    std::vector<INPUT> inputs{MouseEvent(x, y, 0)};
    for (int i = 0; i < clicks; ++i) {
        inputs.push_back(MouseEvent(x, y, down));
        inputs.push_back(MouseEvent(x, y, up));
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}
