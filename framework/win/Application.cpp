#include "framework/win/Application.h"

#include "framework/MemoryProfile.h"
#include "framework/RecentFileList.h"
#include "framework/StandardIds.h"
#include "framework/win/ExceptionBarrier.h"
#include "framework/win/FrameWindow.h"
#include "framework/win/RegistryProfile.h"
#include "framework/win/ResourceText.h"
#include "framework/win/SingleDocTemplate.h"

namespace {
CApplication* g_application = nullptr;
constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kRecentFileEntry[] = "File%d";
constexpr int kRecentFileTextLength = 30;
}  // namespace

const CommandEntry<CApplication> CApplication::kCommands[] = {
    {ID_FILE_NEW, &CApplication::OnFileNew, nullptr},
    {ID_FILE_OPEN, &CApplication::OnFileOpen, nullptr},
    {ID_FILE_SAVE, &CApplication::OnFileSave, nullptr},
    {ID_FILE_SAVE_AS, &CApplication::OnFileSaveAs, nullptr},
    {ID_APP_EXIT, &CApplication::OnAppExit, nullptr},
};

CApplication::CApplication() : m_pProfile(std::make_unique<CMemoryProfile>()) {
    g_application = this;
}

CApplication::~CApplication() {
    m_pTemplate.reset();
    if (g_application == this)
        g_application = nullptr;
}

CApplication* CApplication::Get() {
    return g_application;
}

const std::string& CApplication::AppTitle() {
    if (m_strAppTitle.empty())
        m_strAppTitle = LoadResourceString(IDS_APP_TITLE);
    return m_strAppTitle;
}

void CApplication::SetRegistryKey(const std::string& company) {
    m_pProfile = std::make_unique<CRegistryProfile>(company, AppTitle());
}

IProfile& CApplication::Profile() {
    return *m_pProfile;
}

void CApplication::SetProfile(std::unique_ptr<IProfile> profile) {
    m_pProfile = std::move(profile);
}

void CApplication::LoadRecentFileList(int size) {
    m_pRecentFiles = std::make_unique<CRecentFileList>(kRecentFileSection, kRecentFileEntry, size,
                                                       kRecentFileTextLength);
    m_pRecentFiles->ReadFrom(Profile());
}

void CApplication::UpdateRecentFileMenu(HMENU menu) {
    if (!m_pRecentFiles)
        return;
    // Find where the recent files stand: the first item in their id range.
    int count = GetMenuItemCount(menu);
    int first = -1;
    for (int i = 0; i < count; ++i) {
        UINT id = GetMenuItemID(menu, i);
        if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
            first = i;
            break;
        }
    }
    if (first < 0)
        return;
    while (first < GetMenuItemCount(menu)) {
        UINT id = GetMenuItemID(menu, first);
        if (id < ID_FILE_MRU_FIRST || id > ID_FILE_MRU_LAST)
            break;
        DeleteMenu(menu, first, MF_BYPOSITION);
    }
    if (m_pRecentFiles->Count() == 0) {
        InsertMenuA(menu, first, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FIRST,
                    "Recent File");
        return;
    }
    for (int i = 0; i < m_pRecentFiles->Count(); ++i) {
        std::string text = m_pRecentFiles->MenuText(i);
        InsertMenuA(menu, first + i, MF_BYPOSITION | MF_STRING, ID_FILE_MRU_FIRST + i,
                    text.c_str());
    }
}

void CApplication::SetDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    m_pTemplate = std::move(docTemplate);
}

CFrameWindow* CApplication::MainFrame() const {
    return m_pTemplate ? m_pTemplate->Frame() : nullptr;
}

HWND CApplication::MainWindow() const {
    CFrameWindow* frame = MainFrame();
    return frame && frame->IsWindow() ? frame->GetHwnd() : nullptr;
}

bool CApplication::ProcessShellCommand(const CommandLineInfo& info) {
    if (!m_pTemplate)
        return false;
    if (!m_pTemplate->CreateDocumentAndFrame(WS_OVERLAPPEDWINDOW))
        return false;
    CDocumentManager& manager = m_pTemplate->Manager();
    bool done = true;
    if (info.fileName.empty()) {
        done = manager.FileNew();
    } else {
        OpenOutcome outcome = manager.OpenDocumentFile(info.fileName);
        // A file that is no document of ours (its box was shown) leaves the
        // program with a new, empty document; a file that cannot be opened
        // at all ends the start (its error was shown too).
        if (outcome == OpenOutcome::Rejected)
            done = manager.FileNew();
        else
            done = outcome == OpenOutcome::Opened;
    }
    if (!done)
        return false;
    // The first activation takes the start's show command; later ones
    // choose for themselves.
    MainFrame()->ActivateFrame(m_nShowCommand);
    m_nShowCommand = -1;
    return true;
}

OpenOutcome CApplication::OpenDocumentFile(const std::string& path) {
    if (!m_pTemplate || !m_pTemplate->Document())
        return OpenOutcome::Refused;
    return m_pTemplate->Manager().OpenDocumentFile(path);
}

void CApplication::SaveRecentFileList() {
    if (m_pRecentFiles)
        m_pRecentFiles->WriteTo(Profile());
}

int CApplication::ExitInstance() {
    SaveRecentFileList();
    return 0;
}

int CApplication::Run(HINSTANCE instance, int showCommand) {
    m_hInstance = instance;
    m_nShowCommand = showCommand;
    // "Default" means what the process was started with: the start-up
    // information's show command, else a normal window.
    if (showCommand == SW_SHOWDEFAULT) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        GetStartupInfoA(&startup);
        m_nShowCommand =
            (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    }
    bool started = false;
    try {
        started = InitInstance();
    } catch (...) {
        ReportException(nullptr);
    }
    if (!started) {
        ExitInstance();
        return m_nStartupExitCode;
    }
    MSG msg;
    bool idle = true;
    int idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!RunIdle(idleCount++))
                idle = false;
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        DispatchWithAccelerators(msg);
        if (IsIdleMessage(msg)) {
            idle = true;
            idleCount = 0;
        }
    }
    int code = ExitInstance();
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : code;
}

bool CApplication::OnIdle(int count) {
    if (count == 0 && MainFrame() && MainFrame()->IsWindow())
        MainFrame()->UpdateControlBars();
    return false;
}

void CApplication::PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchWithAccelerators(msg);
    }
    RunIdle(0);
}

// The loop's own calls into the program stop exceptions like the window
// procedures do (ExceptionBarrier.h); after a failure the idle work waits
// for the next message.
bool CApplication::RunIdle(int count) {
    try {
        return OnIdle(count);
    } catch (...) {
        ReportException(nullptr);
        return false;
    }
}

void CApplication::DispatchWithAccelerators(MSG& msg) {
    bool translated = false;
    try {
        translated = PreTranslateMessage(msg);
    } catch (...) {
        ReportException(msg.hwnd);
        return;
    }
    if (!translated) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool CApplication::PreTranslateMessage(MSG& msg) {
    for (HWND dialog : m_modeless)
        if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg))
            return true;
    CFrameWindow* frame = MainFrame();
    return frame && frame->IsWindow() && frame->PreTranslateMessage(msg);
}

// Messages after which the enabling rules need not run again: paints, timer
// ticks and mouse moves that did not move.
bool CApplication::IsIdleMessage(const MSG& msg) {
    static POINT lastPoint = {-1, -1};
    switch (msg.message) {
    case WM_PAINT:
    case WM_TIMER:
    case 0x0118:  // the system's caret timer
        return false;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        if (msg.pt.x == lastPoint.x && msg.pt.y == lastPoint.y)
            return false;
        lastPoint = msg.pt;
        return true;
    default:
        return true;
    }
}

void CApplication::AddModelessDialog(HWND dialog) {
    m_modeless.push_back(dialog);
}

void CApplication::RemoveModelessDialog(HWND dialog) {
    for (auto it = m_modeless.begin(); it != m_modeless.end(); ++it) {
        if (*it == dialog) {
            m_modeless.erase(it);
            return;
        }
    }
}

bool CApplication::OnCommand(unsigned id) {
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        OpenRecentFile(static_cast<int>(id - ID_FILE_MRU_FIRST));
        return true;
    }
    return RunCommand(this, kCommands, id);
}

bool CApplication::HasCommand(unsigned id) const {
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST)
        return m_pRecentFiles && static_cast<int>(id - ID_FILE_MRU_FIRST) < m_pRecentFiles->Count();
    return TableHasCommand(kCommands, id);
}

bool CApplication::OnUpdateCommand(CCommandUI& ui) {
    unsigned id = ui.Id();
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        ui.Enable(HasCommand(id));
        return true;
    }
    return UpdateCommand(this, kCommands, ui);
}

void CApplication::OnFileNew() {
    if (m_pTemplate)
        m_pTemplate->Manager().FileNew();
}

void CApplication::OnFileOpen() {
    if (m_pTemplate)
        m_pTemplate->Manager().FileOpen();
}

void CApplication::OnFileSave() {
    if (m_pTemplate)
        m_pTemplate->Manager().FileSave();
}

void CApplication::OnFileSaveAs() {
    if (m_pTemplate)
        m_pTemplate->Manager().FileSaveAs();
}

void CApplication::OnAppExit() {
    if (MainFrame() && MainFrame()->IsWindow())
        SendMessageA(MainFrame()->GetHwnd(), WM_CLOSE, 0, 0);
}

void CApplication::OpenRecentFile(int index) {
    if (!m_pRecentFiles || index < 0 || index >= m_pRecentFiles->Count())
        return;
    std::string path = m_pRecentFiles->Entry(index);
    OpenOutcome outcome = OpenDocumentFile(path);
    // An entry whose file is gone is taken off the list.
    if (outcome != OpenOutcome::Opened &&
        GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        for (int i = 0; i < m_pRecentFiles->Count(); ++i) {
            if (m_pRecentFiles->Entry(i) == path) {
                m_pRecentFiles->Remove(i);
                break;
            }
        }
    }
}
