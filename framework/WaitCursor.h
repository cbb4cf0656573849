#pragma once

// Shows the wait cursor while it lives (nested ones count). Windows of the
// program keep showing it while any is alive.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // True while a wait cursor is alive.
    static bool IsWaiting();
    // How many wait cursors were ever shown (for tests).
    static int TimesShown();
};
