#include "view/ItemCommands.h"

#include "base/PathParts.h"
#include "framework/Prompter.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "view/EditServices.h"
#include "view/EditTexts.h"
#include "view/ListEditHost.h"

void CItemCommands::SetPosition(const std::string& name) {
    CBulkUpdate bulk(m_host);
    if (m_host.Rows().SetSelectedPosition(name) > 0)
        m_host.MarkModified();
}

void CItemCommands::ResetCount() {
    CBulkUpdate bulk(m_host);
    if (m_host.Rows().ResetSelectedCounts() > 0)
        m_host.MarkModified();
}

// Only a folder goes to the shell: a file in the folder's place (an item
// "...\run.bat\x.png") would be run, not shown. A folder that cannot be
// looked at (access denied, a share that does not answer) counts as there.
void CItemCommands::OpenContainingFolder() {
    CWallpaperRows& rows = m_host.Rows();
    int row = rows.Store().NextSelected(-1);
    const CWallpaperItem* item = row >= 0 ? rows.Item(row) : nullptr;
    if (!item)
        return;
    std::string folder = FolderPart(item->GetPath());
    PathKind kind = m_services.KindOf(folder);
    if (kind == PathKind::Folder || kind == PathKind::Unknown)
        m_services.OpenFolder(folder);
    else
        ShowMessage(m_host.Owner(), FolderNotFoundText(folder), texts::kPathNotFoundCaption,
                    mb::kOk | mb::kIconError);
}
