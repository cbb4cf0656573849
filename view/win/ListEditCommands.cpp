#include "view/win/ListEditCommands.h"

#include <commdlg.h>

#include "dialogs/win/AddFromFolderDlg.h"
#include "framework/win/Application.h"
#include "framework/win/FileDialog.h"
#include "view/EditTexts.h"
#include "view/ItemCommands.h"
#include "view/RemoveCommands.h"
#include "view/WallpaperAdder.h"
#include "view/win/FileFinderWin.h"
#include "view/win/ListDropTarget.h"
#include "view/win/ScanProgressWin.h"
#include "view/win/VarnelloView.h"

CListEditCommands::CListEditCommands(CVarnelloView& view, UINT privateClipboardFormat)
    : m_view(view), m_cfPrivate(privateClipboardFormat) {}

CListEditCommands::~CListEditCommands() {
    RevokeDropTarget();
}

// The multi-selection open dialog; a selection too large for its buffer is
// reported and nothing is added.
void CListEditCommands::AddFiles() {
    CListSettings* settings = Settings();
    FileDialogOptions options;
    options.owner = m_view.MainWindow();
    options.title = texts::kAddFilesTitle;
    options.filter = texts::kAddFilesFilter;
    options.flags = OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    options.initialFolder = settings ? settings->GetLastFolder() : std::string();
    options.bufferSize = kAddFilesBufferSize;
    std::vector<std::string> paths;
    FileDialogResult result = AskOpenFiles(options, paths);
    if (result == FileDialogResult::BufferTooSmall) {
        ShowMessage(Owner(), texts::kTooManyFilesText, texts::kTooManyFilesCaption,
                    mb::kOk | mb::kIconError);
        return;
    }
    if (result != FileDialogResult::Ok)
        return;
    CWallpaperAdder(*this, m_services).AddPickedFiles(paths);
}

// The Add Folder dialog, filled from the list's settings, then the scan.
void CListEditCommands::AddFromFolder() {
    CListSettings* settings = Settings();
    CAddFromFolderDlg dialog;
    if (settings) {
        dialog.m_strFolderPath = settings->GetLastFolder();
        dialog.m_bIncludeSubfolders = settings->GetIncludeSubfolders();
    }
    if (dialog.DoModal(m_view.MainWindow()) != IDOK)
        return;
    CFileFinderWin finder;
    CApplication* app = CApplication::Get();
    CScanProgressWin progress(app ? app->MainFrame() : nullptr);
    CWallpaperAdder(*this, m_services)
        .AddFromFolder(finder, dialog.m_strFolderPath, dialog.m_bIncludeSubfolders != 0, &progress);
}

void CListEditCommands::AddDroppedFiles(const std::vector<std::string>& paths) {
    CWallpaperAdder(*this, m_services).AddDroppedFiles(paths);
}

void CListEditCommands::RemoveSelected() {
    CRemoveCommands(*this, m_services).RemoveSelected();
}

void CListEditCommands::RemoveAll() {
    CRemoveCommands(*this, m_services).RemoveAll();
}

void CListEditCommands::RemoveAndRecycle() {
    CRemoveCommands(*this, m_services).RemoveAndRecycle();
}

void CListEditCommands::RemoveDeadItems() {
    CRemoveCommands(*this, m_services).RemoveDeadItems();
}

void CListEditCommands::SetPosition(const std::string& name) {
    CItemCommands(*this, m_services).SetPosition(name);
}

void CListEditCommands::ResetCount() {
    CItemCommands(*this, m_services).ResetCount();
}

void CListEditCommands::OpenContainingFolder() {
    CItemCommands(*this, m_services).OpenContainingFolder();
}

void CListEditCommands::RegisterDropTarget() {
    HWND list = m_view.GetHwnd();
    if (m_pDropTarget || !list)
        return;
    auto* target = new CListDropTarget(
        m_cfPrivate, [this](const std::vector<std::string>& paths) { AddDroppedFiles(paths); });
    if (SUCCEEDED(RegisterDragDrop(list, target))) {
        m_pDropTarget = target;
        m_hDropWindow = list;
    } else {
        target->Release();
    }
}

void CListEditCommands::RevokeDropTarget() {
    if (!m_pDropTarget)
        return;
    RevokeDragDrop(m_hDropWindow);
    m_pDropTarget->Release();
    m_pDropTarget = nullptr;
    m_hDropWindow = nullptr;
}

IDropTarget* CListEditCommands::DropTarget() const {
    return m_pDropTarget;
}

CWallpaperRows& CListEditCommands::Rows() {
    return m_view.Rows();
}

WindowHandle CListEditCommands::Owner() {
    return m_view.GetHwnd();
}

CListSettings* CListEditCommands::Settings() {
    CVarnelloDoc* document = m_view.GetDocument();
    return document ? document->GetSettings() : nullptr;
}

bool CListEditCommands::AutoSort() {
    return m_view.Options().m_bAutoSort != 0;
}

bool CListEditCommands::WarnOnRecycle() {
    return m_view.Options().m_bWarnOnRecycle != 0;
}

void CListEditCommands::SortNow() {
    m_view.SortNow();
}

void CListEditCommands::MarkModified() {
    if (CVarnelloDoc* document = m_view.GetDocument())
        document->SetModifiedFlag(true);
}

void CListEditCommands::BeginBulkUpdate() {
    m_view.BeginBulkUpdate();
}

void CListEditCommands::EndBulkUpdate() {
    m_view.EndBulkUpdate();
}
