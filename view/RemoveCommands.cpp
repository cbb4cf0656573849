#include "view/RemoveCommands.h"

#include "framework/Prompter.h"
#include "framework/WaitCursor.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "view/EditServices.h"
#include "view/EditTexts.h"
#include "view/ListEditHost.h"

int CRemoveCommands::RemoveSelected() {
    int last = -1;
    int removed = RemoveSelectedRows(nullptr, last);
    Reselect(removed, last);
    return removed;
}

// Remove All Items: a question with No as the default answer.
int CRemoveCommands::RemoveAll() {
    if (ShowMessage(m_host.Owner(), texts::kRemoveAllQuestion, texts::kRemoveAllCaption,
                    mb::kYesNo | mb::kIconQuestion | mb::kDefButton2) != mb::kIdYes)
        return 0;
    CWaitCursor wait(m_services);
    CBulkUpdate bulk(m_host);
    CWallpaperRows& rows = m_host.Rows();
    int removed = rows.Count();
    rows.DeleteAllRows();
    m_host.MarkModified();
    return removed;
}

// Remove Selected Items and Recycle Files.
int CRemoveCommands::RemoveAndRecycle() {
    if (m_host.WarnOnRecycle() &&
        ShowMessage(m_host.Owner(), texts::kRecycleQuestion, texts::kRecycleCaption,
                    mb::kYesNo | mb::kIconQuestion) != mb::kIdYes)
        return 0;
    int errors = 0;
    int last = -1;
    int removed = RemoveSelectedRows(
        [&](const CWallpaperItem* item) {
            if (!item || m_services.RecycleFile(item->GetPath()) != 0)
                ++errors;
        },
        last);
    if (errors > 0)
        ShowMessage(m_host.Owner(), RecycleErrorText(errors), texts::kRecycleErrorCaption,
                    mb::kOk | mb::kIconError);
    Reselect(removed, last);
    return removed;
}

// Remove All Dead Items: walks from the last row up, so the rows still to
// be tested keep their indices; the selection is left alone.
int CRemoveCommands::RemoveDeadItems() {
    CWaitCursor wait(m_services);
    CWallpaperRows& rows = m_host.Rows();
    int removed = 0;
    m_host.BeginBulkUpdate();
    for (int row = rows.Count() - 1; row >= 0; --row) {
        const CWallpaperItem* item = rows.Item(row);
        if (!item || m_services.PathExists(item->GetPath()))
            continue;
        rows.RemoveRow(row);
        m_host.MarkModified();
        ++removed;
    }
    m_host.EndBulkUpdate();  // the list shows the outcome before the box
    if (removed == 0)
        ShowMessage(m_host.Owner(), texts::kNoDeadFilesText, texts::kNoDeadFilesCaption, mb::kOk);
    else
        ShowMessage(m_host.Owner(), DeadFilesRemovedText(removed), texts::kDeadFilesRemovedCaption,
                    mb::kOk);
    return removed;
}

int CRemoveCommands::RemoveSelectedRows(
    const std::function<void(const CWallpaperItem*)>& beforeRemove, int& last) {
    CBulkUpdate bulk(m_host);
    CWallpaperRows& rows = m_host.Rows();
    IRowStore& store = rows.Store();
    int removed = 0;
    last = -1;
    for (int row = store.NextSelected(-1); row != -1; row = store.NextSelected(-1)) {
        if (beforeRemove)
            beforeRemove(rows.Item(row));
        int before = rows.Count();
        rows.RemoveRow(row);
        if (rows.Count() == before)
            break;  // the row would not go; stop rather than loop for ever
        last = row;
        ++removed;
    }
    if (removed > 0)
        m_host.MarkModified();
    return removed;
}

// The row that took the place of the last one removed is selected, or the
// new last row when the last one removed was the final row.
void CRemoveCommands::Reselect(int removed, int last) {
    int count = m_host.Rows().Count();
    if (removed == 0 || count == 0 || last < 0)
        return;
    int select = last < count ? last : count - 1;
    m_host.Rows().Store().SetRowState(select, kRowSelected, kRowSelected);
}
