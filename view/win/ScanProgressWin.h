#pragma once
#include <windows.h>

#include <string>

#include "view/ScanProgress.h"

class CFrameWindow;

// The progress of a folder scan on the user-interface thread: once the scan
// has run for kShowAfterMs, the frame's message pane shows the folder being
// listed and the rows added so far, and Esc stops the scan. The clock is
// read at every entry; the keyboard and the status bar only every
// kCheckEveryMs, so that a scan of many small folders costs no more. Keys
// pressed during the scan are taken off the queue; other input waits for
// the end of the scan. The message pane gets its idle text back when the
// object goes.
//
// Use: CScanProgressWin progress(frame);
//      scan.ScanFolder(folder, includeSubfolders) with &progress;
class CScanProgressWin : public IScanProgress {
public:
    static constexpr ULONGLONG kShowAfterMs = 500;
    static constexpr ULONGLONG kCheckEveryMs = 50;

    explicit CScanProgressWin(CFrameWindow* frame);
    ~CScanProgressWin() override;
    CScanProgressWin(const CScanProgressWin&) = delete;
    CScanProgressWin& operator=(const CScanProgressWin&) = delete;

    bool Continue(const std::string& folder, int added) override;

private:
    // Takes the keys off the queue; true when Esc was among them.
    static bool EscapePressed();
    void ShowProgress(const std::string& folder, int added);

    CFrameWindow* m_pFrame;
    ULONGLONG m_nNextCheck;
    bool m_bShown = false;
};
