#include "view/RemoveCommands.h"

#include <unordered_map>

#include "base/PathParts.h"
#include "framework/Prompter.h"
#include "framework/WaitCursor.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "view/EditServices.h"
#include "view/EditTexts.h"
#include "view/ListEditHost.h"

int CRemoveCommands::RemoveSelected() {
    int last = -1;
    int removed = RemoveHeldRows(SelectedItems(), nullptr, last);
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

// Remove Selected Items and Recycle Files. The items are taken before the
// question: while it is open the interval timer can apply another row and
// select that one instead, and the answer is about the files the user saw
// selected.
int CRemoveCommands::RemoveAndRecycle() {
    std::vector<HeldItem> chosen = SelectedItems();
    if (m_host.WarnOnRecycle() &&
        ShowMessage(m_host.Owner(), texts::kRecycleQuestion, texts::kRecycleCaption,
                    mb::kYesNo | mb::kIconQuestion) != mb::kIdYes)
        return 0;
    int errors = 0;
    int last = -1;
    int removed = RemoveHeldRows(
        chosen,
        [&](const CWallpaperItem& item) {
            if (m_services.RecycleFile(item.GetPath()) != 0)
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
// be tested keep their indices; the selection is left alone. A missing file
// on a drive or share that is not there (an unplugged USB drive, a share
// that is offline) is not known to be gone: its row stays and is counted.
int CRemoveCommands::RemoveDeadItems() {
    CWaitCursor wait(m_services);
    CWallpaperRows& rows = m_host.Rows();
    int removed = 0;
    int kept = 0;
    std::unordered_map<std::string, bool> roots;  // each root is asked once
    m_host.BeginBulkUpdate();
    for (int row = rows.Count() - 1; row >= 0; --row) {
        const CWallpaperItem* item = rows.Item(row);
        if (!item || m_services.PathExists(item->GetPath()))
            continue;
        std::string root = RootPart(item->GetPath());
        if (!root.empty()) {
            auto found = roots.find(root);
            if (found == roots.end())
                found = roots.emplace(root, m_services.RootAvailable(root)).first;
            if (!found->second) {
                ++kept;
                continue;
            }
        }
        rows.RemoveRow(row);
        m_host.MarkModified();
        ++removed;
    }
    m_host.EndBulkUpdate();  // the list shows the outcome before the box
    std::string keptText = kept > 0 ? "\n\n" + ItemsKeptText(kept) : std::string();
    if (removed == 0)
        ShowMessage(m_host.Owner(), texts::kNoDeadFilesText + keptText, texts::kNoDeadFilesCaption,
                    mb::kOk);
    else
        ShowMessage(m_host.Owner(), DeadFilesRemovedText(removed) + keptText,
                    texts::kDeadFilesRemovedCaption, mb::kOk);
    return removed;
}

std::vector<CRemoveCommands::HeldItem> CRemoveCommands::SelectedItems() const {
    const CWallpaperRows& rows = m_host.Rows();
    std::vector<HeldItem> held;
    for (int row = rows.Store().NextSelected(-1); row != -1; row = rows.Store().NextSelected(row))
        if (const CWallpaperItem* item = rows.Item(row))
            held.push_back({item, item->GetPath()});
    return held;
}

int CRemoveCommands::RemoveHeldRows(const std::vector<HeldItem>& held,
                                    const std::function<void(const CWallpaperItem&)>& beforeRemove,
                                    int& last) {
    last = -1;
    if (held.empty())
        return 0;
    CBulkUpdate bulk(m_host);
    CWallpaperRows& rows = m_host.Rows();
    // The rows that still carry a held item. A pointer alone could name a
    // newer item made where a removed one lay, so the path must match too.
    std::unordered_map<const CWallpaperItem*, const std::string*> paths;
    for (const HeldItem& entry : held)
        paths[entry.item] = &entry.path;
    std::vector<int> targets;
    for (int row = 0; row < rows.Count(); ++row) {
        const CWallpaperItem* item = rows.Item(row);
        auto found = paths.find(item);
        if (item && found != paths.end() && item->GetPath() == *found->second)
            targets.push_back(row);
    }
    int removed = 0;
    for (int row : targets) {
        int index = row - removed;  // the rows removed before it moved it up
        if (beforeRemove)
            beforeRemove(*rows.Item(index));
        int before = rows.Count();
        rows.RemoveRow(index);
        if (rows.Count() == before)
            continue;  // the row would not go; it keeps its place
        last = index;
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
