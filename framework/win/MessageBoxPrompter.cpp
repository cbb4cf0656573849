#include "framework/win/MessageBoxPrompter.h"

#include <windows.h>

int CMessageBoxPrompter::Show(WindowHandle owner, const std::string& text,
                              const std::string& caption, unsigned style) {
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
}
