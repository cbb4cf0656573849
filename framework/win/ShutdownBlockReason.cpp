#include "framework/win/ShutdownBlockReason.h"

#include "base/win/WideText.h"

void CShutdownBlockReason::Set(HWND window, const std::string& reason) {
    Clear();
    HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (top && ShutdownBlockReasonCreate(top, Widen(reason).c_str()))
        m_hWnd = top;
}

void CShutdownBlockReason::Clear() {
    if (m_hWnd && IsWindow(m_hWnd))
        ShutdownBlockReasonDestroy(m_hWnd);
    m_hWnd = nullptr;
}
