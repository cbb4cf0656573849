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

void CItemCommands::OpenContainingFolder() {
    CWallpaperRows& rows = m_host.Rows();
    int row = rows.Store().NextSelected(-1);
    const CWallpaperItem* item = row >= 0 ? rows.Item(row) : nullptr;
    if (!item)
        return;
    std::string folder = FolderPart(item->GetPath());
    if (m_services.PathExists(folder))
        m_services.OpenFolder(folder);
    else
        ShowMessage(m_host.Owner(), FolderNotFoundText(folder), texts::kPathNotFoundCaption,
                    mb::kOk | mb::kIconError);
}
