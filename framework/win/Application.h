#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/CommandLine.h"
#include "framework/CommandTarget.h"
#include "framework/Document.h"

class CFrameWindow;
class CRecentFileList;
class CSingleDocTemplate;
class IProfile;

// The application object: start-up hook, message loop with accelerators and
// idle-time enabling, profile settings, recent files and the document
// template. One exists per process.
class CApplication : public CCommandTarget {
public:
    CApplication();
    ~CApplication() override;

    static CApplication* Get();

    HINSTANCE Instance() const { return m_hInstance; }
    // The show command of the main window's first activation; -1 once it was used.
    int ShowCommand() const { return m_nShowCommand; }
    void SetShowCommand(int showCommand) { m_nShowCommand = showCommand; }
    // The application title (string 57344).
    const std::string& AppTitle();

    // Settings live under HKEY_CURRENT_USER\Software\<company>\<title>.
    void SetRegistryKey(const std::string& company);
    // The profile in force (an empty one before SetRegistryKey).
    IProfile& Profile();
    // Replaces the profile (tests).
    void SetProfile(std::unique_ptr<IProfile> profile);

    // Creates the recent-file list and reads it from the profile.
    void LoadRecentFileList(int size);
    CRecentFileList* RecentFiles() const { return m_pRecentFiles.get(); }
    // Writes the recent-file list to the profile (the exit step does; also
    // the end of the session, after which the process may be ended).
    void SaveRecentFileList();
    // Writes the entries of the recent-file list into the menu in place of
    // the first recent-file item.
    void UpdateRecentFileMenu(HMENU menu);

    void SetDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate* DocTemplate() const { return m_pTemplate.get(); }
    CFrameWindow* MainFrame() const;
    // The main frame's window; null while it has none.
    HWND MainWindow() const;

    // Runs what the command line asks for: a new document or opening the
    // named file; false when the program should end.
    bool ProcessShellCommand(const CommandLineInfo& info);
    // Opens a document file through the template.
    OpenOutcome OpenDocumentFile(const std::string& path);

    // The start-up hook; false ends the program, with exit code 1 unless the
    // hook set another.
    virtual bool InitInstance() = 0;
    void SetStartupExitCode(int code) { m_nStartupExitCode = code; }
    // The exit step: writes the recent-file list; returns the exit code.
    virtual int ExitInstance();
    // Start-up, message loop, exit; returns the exit code.
    int Run(HINSTANCE instance, int showCommand);
    // Idle-time work: the enabling rules of the toolbar and status bar.
    virtual bool OnIdle(int count);
    // Handles every waiting message, then the idle work (tests).
    void PumpMessages();
    // Modeless dialogs get their keyboard messages first.
    void AddModelessDialog(HWND dialog);
    void RemoveModelessDialog(HWND dialog);

    bool OnCommand(unsigned id) override;
    bool HasCommand(unsigned id) const override;
    bool OnUpdateCommand(CCommandUI& ui) override;

    // False for the messages after which the enabling rules need not run
    // again: paints, timer ticks and mouse moves that did not move.
    static bool IsIdleMessage(const MSG& msg);

protected:
    void SetInstance(HINSTANCE instance) { m_hInstance = instance; }
    bool PreTranslateMessage(MSG& msg);

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnAppExit();
    void OpenRecentFile(int index);

private:
    // OnIdle, and a message through the accelerators or to its window, with
    // any exception stopped and reported.
    bool RunIdle(int count);
    void DispatchWithAccelerators(MSG& msg);

    static const CommandEntry<CApplication> kCommands[];

    HINSTANCE m_hInstance = nullptr;
    int m_nShowCommand = SW_SHOWNORMAL;
    int m_nStartupExitCode = 1;
    std::string m_strAppTitle;
    std::unique_ptr<IProfile> m_pProfile;
    std::unique_ptr<CRecentFileList> m_pRecentFiles;
    std::unique_ptr<CSingleDocTemplate> m_pTemplate;
    std::vector<HWND> m_modeless;
};
