#include "framework/WaitCursor.h"

#include <windows.h>

namespace {
int g_waitCount = 0;
int g_timesShown = 0;
HCURSOR g_previousCursor = nullptr;
}  // namespace

CWaitCursor::CWaitCursor() {
    if (g_waitCount++ == 0) {
        ++g_timesShown;
        g_previousCursor = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    }
}

CWaitCursor::~CWaitCursor() {
    if (--g_waitCount == 0) {
        SetCursor(g_previousCursor ? g_previousCursor
                                   : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        g_previousCursor = nullptr;
    }
}

bool CWaitCursor::IsWaiting() {
    return g_waitCount > 0;
}

int CWaitCursor::TimesShown() {
    return g_timesShown;
}
