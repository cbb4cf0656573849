#include "framework/win/SingleDocTemplate.h"

#include <commdlg.h>

#include "base/win/FullPathName.h"
#include "framework/RecentFileList.h"
#include "framework/win/Application.h"
#include "framework/win/DocumentFilesWin.h"
#include "framework/win/FileDialog.h"
#include "framework/win/FrameWindow.h"
#include "framework/win/ResourceText.h"
#include "framework/win/View.h"

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument,
                                       FrameFactory makeFrame, ViewFactory makeView)
    : m_nResourceId(resourceId),
      m_makeDocument(std::move(makeDocument)),
      m_makeFrame(std::move(makeFrame)),
      m_makeView(std::move(makeView)),
      m_strings(DocumentStrings::Parse(LoadResourceString(resourceId))),
      m_pFiles(std::make_unique<CDocumentFilesWin>()) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    DestroyFrame();
    m_pManager.reset();
    m_pDocument.reset();
}

CView* CSingleDocTemplate::View() const {
    return m_pFrame ? m_pFrame->GetActiveView() : nullptr;
}

bool CSingleDocTemplate::CreateDocumentAndFrame(DWORD frameStyle) {
    if (m_pFrame)
        return true;
    m_pDocument = m_makeDocument();
    if (!m_pDocument)
        return false;
    m_pDocument->SetHost(this);
    m_pManager = std::make_unique<CDocumentManager>(*m_pDocument, *this);
    m_pFrame = m_makeFrame();
    if (!m_pFrame || !m_pFrame->LoadFrame(m_nResourceId, frameStyle, this)) {
        m_pFrame.reset();
        return false;
    }
    return true;
}

void CSingleDocTemplate::DestroyFrame() {
    if (m_pFrame && m_pFrame->IsWindow())
        DestroyWindow(m_pFrame->GetHwnd());
    m_pFrame.reset();
}

void CSingleDocTemplate::DocumentTitleChanged() {
    if (m_pFrame && m_pFrame->IsWindow())
        m_pFrame->UpdateFrameTitle();
}

std::optional<std::string> CSingleDocTemplate::AskSavePath(const std::string& suggestedName) {
    FileDialogOptions options;
    options.owner = static_cast<HWND>(MessageOwner());
    options.filter = m_strings.FileDialogFilter();
    std::string extension = m_strings.filterExtension;
    options.defaultExtension =
        !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
    options.fileName = suggestedName;
    options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    std::string path;
    if (AskSaveFile(options, path) != FileDialogResult::Ok)
        return std::nullopt;
    return path;
}

WindowHandle CSingleDocTemplate::MessageOwner() {
    if (!m_pFrame || !m_pFrame->IsWindow())
        return nullptr;
    return GetLastActivePopup(m_pFrame->GetHwnd());
}

std::string CSingleDocTemplate::MessageCaption() {
    CApplication* app = CApplication::Get();
    return app ? app->AppTitle() : m_strings.windowTitle;
}

std::string CSingleDocTemplate::DefaultTitle() {
    return m_strings.documentName.empty() ? std::string("Untitled") : m_strings.documentName;
}

std::string CSingleDocTemplate::DefaultExtension() {
    return m_strings.filterExtension;
}

void CSingleDocTemplate::AddToRecentFiles(const std::string& path) {
    CApplication* app = CApplication::Get();
    if (app && app->RecentFiles())
        app->RecentFiles()->Add(path);
}

IDocumentFiles& CSingleDocTemplate::Files() {
    return m_pFilesOverride ? *m_pFilesOverride : *m_pFiles;
}

void CSingleDocTemplate::InitialUpdate() {
    if (CView* view = View())
        view->OnInitialUpdate();
}

void CSingleDocTemplate::DocumentOpened() {
    if (m_pFrame && m_pFrame->IsWindow() && m_pFrame->HasBeenActivated())
        m_pFrame->ActivateFrame(-1);
}

std::optional<std::string> CSingleDocTemplate::AskOpenPath() {
    FileDialogOptions options;
    options.owner = static_cast<HWND>(MessageOwner());
    options.filter = m_strings.FileDialogFilter();
    options.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    std::vector<std::string> paths;
    if (AskOpenFiles(options, paths) != FileDialogResult::Ok || paths.empty())
        return std::nullopt;
    return paths.front();
}

std::string CSingleDocTemplate::FullPath(const std::string& path) {
    return FullPathName(path);
}
