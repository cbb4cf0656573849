#include "view/win/ScanProgressWin.h"

#include "framework/win/FrameWindow.h"
#include "framework/win/StatusBar.h"
#include "view/EditTexts.h"

CScanProgressWin::CScanProgressWin(CFrameWindow* frame)
    : m_pFrame(frame), m_nNextCheck(GetTickCount64() + kShowAfterMs) {}

CScanProgressWin::~CScanProgressWin() {
    if (m_bShown && m_pFrame && m_pFrame->IsWindow())
        m_pFrame->SetIdleMessage();
}

bool CScanProgressWin::Continue(const std::string& folder, int added) {
    ULONGLONG now = GetTickCount64();
    if (now < m_nNextCheck)
        return true;
    m_nNextCheck = now + kCheckEveryMs;
    ShowProgress(folder, added);
    return !EscapePressed();
}

// Looking at the queue also answers messages that other programs send the
// windows of this thread (a request for the status text, for one).
bool CScanProgressWin::EscapePressed() {
    bool escape = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            escape = true;
    return escape;
}

// Sets the message pane's text and paints it at once: the scan leaves the
// loop no time to.
void CScanProgressWin::ShowProgress(const std::string& folder, int added) {
    if (!m_pFrame || !m_pFrame->IsWindow())
        return;
    m_pFrame->SetMessageText(ScanProgressText(folder, added));
    m_bShown = true;
    if (CStatusBar* bar = m_pFrame->GetStatusBar())
        if (bar->IsWindow())
            UpdateWindow(bar->GetHwnd());
}
