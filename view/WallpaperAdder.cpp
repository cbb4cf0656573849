#include "view/WallpaperAdder.h"

#include "base/PathParts.h"
#include "list/ListSettings.h"
#include "list/WallpaperRows.h"
#include "view/EditServices.h"
#include "view/FolderScan.h"
#include "view/ListEditHost.h"

// Appends the picked files, remembering the folder of the first one added.
int CWallpaperAdder::AddPickedFiles(const std::vector<std::string>& paths) {
    CBulkUpdate bulk(m_host);
    CWallpaperRows& rows = m_host.Rows();
    std::string position = DefaultPosition();
    int added = 0;
    for (const std::string& path : paths) {
        if (rows.IsInList(path) || IsFolder(path))
            continue;
        if (added == 0 && m_host.Settings())
            m_host.Settings()->SetLastFolder(FolderPart(path));
        if (rows.AppendNew(path, position) >= 0)
            ++added;
    }
    Finish(added);
    return added;
}

// Stores the dialog's choices, scans the folder, then sorts and marks.
int CWallpaperAdder::AddFromFolder(IFileFinder& finder, const std::string& folder,
                                   bool includeSubfolders, IScanProgress* progress) {
    CBulkUpdate bulk(m_host);
    if (CListSettings* settings = m_host.Settings()) {
        settings->SetLastFolder(folder);
        settings->SetIncludeSubfolders(includeSubfolders ? 1 : 0);
    }
    const int before = m_host.Rows().Count();
    CFolderScan scan(m_host.Rows(), finder, DefaultPosition(), progress);
    int added = 0;
    try {
        added = scan.ScanFolder(folder, includeSubfolders);
    } catch (...) {
        // Memory ran out part way: the rows added so far stay, marked.
        if (m_host.Rows().Count() > before)
            m_host.MarkModified();
        throw;
    }
    if (m_host.AutoSort())
        m_host.SortNow();
    if (added > 0)
        m_host.MarkModified();
    return added;
}

// Appends the dropped image files; a folder named like one is left out.
int CWallpaperAdder::AddDroppedFiles(const std::vector<std::string>& paths) {
    CBulkUpdate bulk(m_host);
    CWallpaperRows& rows = m_host.Rows();
    std::string position = DefaultPosition();
    int added = 0;
    for (const std::string& path : paths) {
        if (path.empty() || !HasImageExtension(path) || rows.IsInList(path) || IsFolder(path))
            continue;
        if (rows.AppendNew(path, position) >= 0)
            ++added;
    }
    Finish(added);
    return added;
}

std::string CWallpaperAdder::DefaultPosition() {
    CListSettings* settings = m_host.Settings();
    return settings ? settings->GetDefaultPosition() : CListSettings().GetDefaultPosition();
}

void CWallpaperAdder::Finish(int added) {
    if (added == 0)
        return;
    if (m_host.AutoSort())
        m_host.SortNow();
    m_host.MarkModified();
}

bool CWallpaperAdder::IsFolder(const std::string& path) {
    return m_services.KindOf(path) == PathKind::Folder;
}
