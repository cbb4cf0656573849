#include "app/win/VarnelloApp.h"

#include <ole2.h>
#include <commctrl.h>
#include <shellapi.h>

#include "app/InstanceChecker.h"
#include "app/win/InstanceSystemWin.h"
#include "app/win/MainFrame.h"
#include "base/PathParts.h"
#include "base/win/AnsiCodePage.h"
#include "base/win/FullPathName.h"
#include "dialogs/win/AboutDlg.h"
#include "framework/Profile.h"
#include "framework/win/MessageBoxPrompter.h"
#include "framework/win/ResourceText.h"
#include "framework/win/ShellRegistration.h"
#include "framework/win/SingleDocTemplate.h"
#include "list/VarnelloDoc.h"
#include "res/resource.h"
#include "view/ProgramSettings.h"
#include "view/win/VarnelloView.h"

UINT g_cfVarnelloList = RegisterClipboardFormatA("Varnello_D53C4BE0_D072_11DC_95FF_0800200C9A66");

const char kInstanceName[] = "Varnello-619438ce-c736-4ac7-a835-59b2591670ba";

namespace {
constexpr char kCompanyKey[] = "Quillfen";
constexpr std::uint32_t kActivationTimeoutMs = 30000;
// How long a start waits for another start to publish its window.
constexpr std::uint32_t kStartupLockTimeoutMs = 10000;

constexpr int kRecentFileCount = 4;
}  // namespace

const CommandEntry<CVarnelloApp> CVarnelloApp::kCommands[] = {
    {ID_APP_ABOUT, &CVarnelloApp::OnAppAbout, nullptr},
};

CVarnelloApp::CVarnelloApp() {
    g_bClosing = 0;
}

bool CVarnelloApp::OnCommand(unsigned id) {
    return RunCommand(this, kCommands, id) || CApplication::OnCommand(id);
}

bool CVarnelloApp::HasCommand(unsigned id) const {
    return TableHasCommand(kCommands, id) || CApplication::HasCommand(id);
}

void CVarnelloApp::OnAppAbout() {
    CAboutDlg dialog;
    dialog.DoModal(MainWindow());
}

// The start-up routine; the order of the steps matters.
bool CVarnelloApp::InitInstance() {
    // Text in the process's code page, the system's for what other programs
    // and list files hold; a second start hands its list over in them.
    InstallWindowsTextServices();

    // 1. The single-instance guard: a start that overlaps another waits here
    // until that one has published its window (or failed). A start that
    // waits longer (the other is held up, say by a box before its window
    // shows) ends quietly, as when it finds another instance: the other
    // one's window comes.
    CInstanceChecker guard(InstanceSystem(), kInstanceName);
    if (!guard.IsValid() || !guard.TakeStartupLock(kStartupLockTimeoutMs))
        return false;
    const CommandLineInfo info = ParseCommandLine(m_arguments);

    // 2. Another instance runs: bring it forward, hand it our list, and end.
    // "/random" only asks it for a random change from its open list, and
    // ends with exit code 0 once it has the request (a scheduled task shows
    // that as success).
    if (guard.IsAnotherInstanceRunning()) {
        if (info.randomChange) {
            if (guard.SendRequestToRunningInstance(kRandomChangeRequest, kActivationTimeoutMs))
                SetStartupExitCode(0);
            return false;
        }
        std::string fileName = info.fileName.empty() ? std::string() : FullPathName(info.fileName);
        guard.ActivateRunningInstance(fileName, 0, kActivationTimeoutMs);
        return false;
    }

    // 3. Common controls.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    // 4. The base set-up: message boxes.
    static CMessageBoxPrompter prompter;
    SetPlatformPrompter(&prompter);

    // 5. OLE, for drag and drop.
    if (FAILED(OleInitialize(nullptr))) {
        ShowMessage(nullptr, LoadResourceString(IDS_OLE_INIT_FAILED), AppTitle(),
                    mb::kOk | mb::kIconError);
        return false;
    }

    // 7-8. Settings in the registry and the recent-file list.
    SetRegistryKey(kCompanyKey);
    LoadRecentFileList(kRecentFileCount);

    // 9. "Minimize On Start": the window goes straight to the notification area.
    if (Profile().GetInt(CProgramSettings::kSection, CProgramSettings::kMinimizeOnStart, 0) != 0)
        SetShowCommand(SW_SHOWMINIMIZED);

    // 10-11. The document template, and the file type for the shell.
    if (!RegisterDocumentTemplate())
        return false;

    // 12. The command line: a new list, or the named one.
    if (info.action == CommandLineInfo::Action::Register)
        return false;
    if (info.action == CommandLineInfo::Action::Unregister) {
        UnregisterShellFileTypes(DocTemplate()->Strings());
        return false;
    }
    if (!ProcessShellCommand(info))
        return false;

    // 13. Start-up actions of the options; with "/random" the start makes
    // its one change below, not also the "Change On Start" one.
    RunStartupActions(!info.randomChange);

    // 14. Show the window; its first activation has already used the show
    // command, so only a frame that was never activated is shown here.
    HWND frame = MainFrame()->GetHwnd();
    if (ShowCommand() != -1)
        ShowWindow(frame, ShowCommand());
    UpdateWindow(frame);

    // 15. Publish this instance; later starts find it from now on.
    guard.PublishThisInstance();

    // 16. Files dropped on the frame open as lists.
    DragAcceptFiles(frame, TRUE);

    // "/random": a random change from the list that is now open, made from
    // the message loop once start-up is done.
    if (info.randomChange)
        static_cast<CMainFrame*>(MainFrame())->RequestRandomChange();
    return true;
}

bool CVarnelloApp::RegisterDocumentTemplate() {
    auto docTemplate = std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CVarnelloDoc>(); },
        [] { return std::make_unique<CMainFrame>(); },
        [] { return std::make_unique<CVarnelloView>(g_cfVarnelloList); });
    if (docTemplate->Strings().windowTitle.empty())
        return false;
    char program[1024] = {};
    GetModuleFileNameA(nullptr, program, sizeof program - 1);
    RegisterShellFileTypes(program, docTemplate->Strings());
    SetDocTemplate(std::move(docTemplate));
    return true;
}

// Reopens the last list when the options ask for it, then changes the
// wallpaper (unless changeOnStart is false), starts the interval timer and
// clears out dead items as asked.
void CVarnelloApp::RunStartupActions(bool changeOnStart) {
    IProfile& profile = Profile();
    const char* section = CProgramSettings::kSection;
    if (profile.GetInt(section, CProgramSettings::kReloadLastList, 0) == 0)
        return;
    std::string lastDocument =
        profile.GetString(section, CProgramSettings::kLastDocument, std::string());
    if (lastDocument.empty())
        return;
    // Whatever happens, the steps below run on the list that is then open.
    OpenDocumentFile(lastDocument);

    auto* frame = static_cast<CMainFrame*>(MainFrame());
    CVarnelloView* view = frame ? frame->GetListView() : nullptr;
    if (!view)
        return;
    SHORT shift = GetAsyncKeyState(VK_SHIFT);
    if (changeOnStart && profile.GetInt(section, CProgramSettings::kChangeOnStart, 0) != 0 &&
        !(shift & 0x8000))
        view->ApplyRandomWallpaper();
    CVarnelloDoc* document = view->GetDocument();
    if (document && document->GetSettings() && document->GetSettings()->GetIntervalChange())
        view->ArmChangeTimer();
    if (profile.GetInt(section, CProgramSettings::kScanDeadOnStart, 0) != 0)
        view->RemoveDeadItems();
}
