#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Runs the inspector's commands one after another against the running
// Varnello: finds its main window, reads the title, the list's rows and
// selection, the status bar and any open dialog, works dialogs, sends keys
// and commands, and reads or changes the registry. The first command that
// fails stops the run.
class CInspector {
public:
    // Runs the commands given on the command line; returns the exit code.
    int Run(const std::vector<std::string>& args);

private:
    // Runs one command taking its arguments from args at pos.
    bool RunCommand(const std::string& name, const std::vector<std::string>& args,
                    std::size_t& pos);
    // Waits for the main window (visible or not) at most timeoutMs.
    bool FindFrame(DWORD timeoutMs, bool visibleOnly);
    // Makes sure the main window is known, waiting the default time.
    bool NeedFrame();
    // The list control inside the main window.
    HWND ListControl() const;
    // The status bar of the main window.
    HWND StatusBar() const;
    // The main window's title.
    std::string Title() const;
    // Waits at most timeoutMs for an open dialog of the program.
    HWND WaitDialog(DWORD timeoutMs) const;

    bool PrintRows();
    bool PrintSelection();
    bool PrintHeader();
    bool PrintStatus();
    // The text of a status-bar pane, read in the program's memory.
    static std::string PaneText(HWND bar, int index);
    bool PrintDialog(HWND dialog);
    bool SendKey(const std::string& keys);
    bool WaitExit(DWORD timeoutMs);
    bool SendHandled(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string m_frameClass = "VarnelloFrame";  // the main window's class
    LARGE_INTEGER m_mark = {};                   // set by the mark command
    DWORD m_pollMs = 50;                         // interval of the waiting commands (poll)
    HWND m_frame = nullptr;
    DWORD m_processId = 0;
    HANDLE m_process = nullptr;
};
