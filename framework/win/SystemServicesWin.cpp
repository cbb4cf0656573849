#include "framework/win/SystemServicesWin.h"

#include <windows.h>

namespace {
int g_waitCount = 0;
int g_timesShown = 0;
HCURSOR g_previousCursor = nullptr;
}  // namespace

namespace wait_cursor {

void Show() {
    if (g_waitCount++ == 0) {
        ++g_timesShown;
        g_previousCursor = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    }
}

void Hide() {
    if (g_waitCount == 0)
        return;
    if (--g_waitCount == 0) {
        SetCursor(g_previousCursor ? g_previousCursor
                                   : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        g_previousCursor = nullptr;
    }
}

bool IsShown() {
    return g_waitCount > 0;
}

int TimesShown() {
    return g_timesShown;
}

}  // namespace wait_cursor
