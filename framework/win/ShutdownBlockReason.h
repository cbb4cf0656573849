#pragma once
#include <windows.h>

#include <string>

// The reason a program gives the system for holding up the end of the
// session (log-off, shut-down); the system shows it to the user beside the
// program's name. The system asks top-level windows only, so the reason
// goes to the window's top-level window (a window parked under a hidden
// window gives it through that one).
class CShutdownBlockReason {
public:
    CShutdownBlockReason() = default;
    ~CShutdownBlockReason() { Clear(); }
    CShutdownBlockReason(const CShutdownBlockReason&) = delete;
    CShutdownBlockReason& operator=(const CShutdownBlockReason&) = delete;

    // Gives the reason for the window (replacing one given before).
    void Set(HWND window, const std::string& reason);
    // Takes a reason given before back; nothing when there is none.
    void Clear();

private:
    HWND m_hWnd = nullptr;  // the window the reason was given for
};
