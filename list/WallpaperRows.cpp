#include "list/WallpaperRows.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "base/PathParts.h"
#include "list/WallpaperItem.h"

// Works on the rows of the store, indexing the rows it already holds.
CWallpaperRows::CWallpaperRows(IRowStore& store) : m_store(store) {
    RebuildIndex();
}

// Inserts a row with its four texts and hands it the item.
int CWallpaperRows::InsertRow(int index, const std::string& text0, const std::string& text1,
                              std::unique_ptr<CWallpaperItem> item) {
    if (!item)
        return -1;
    int row = m_store.InsertRowWithItem(index, text0, text1, item.get());
    if (row < 0)
        return -1;
    item.release();  // the row owns it now
    IndexAdd(text0, text1);
    return row;
}

// Appends a row for the item, with the file name and folder of its path.
int CWallpaperRows::AppendItem(std::unique_ptr<CWallpaperItem> item) {
    if (!item)
        return -1;
    std::string name = item->GetFileName();
    std::string folder = item->GetFolder();
    return InsertRow(Count(), name, folder, std::move(item));
}

// Appends an item the user adds: never applied and pending in the random cycle.
int CWallpaperRows::AppendNew(const std::string& path, const std::string& position) {
    return AppendItem(std::make_unique<CWallpaperItem>(path, position, 0, 1));
}

// Frees the row's item, then deletes the row.
void CWallpaperRows::RemoveRow(int row) {
    if (row < 0 || row >= Count())
        return;
    IndexRemove(m_store.GetText(row, 0), m_store.GetText(row, 1));
    delete m_store.GetItem(row);
    m_store.SetItem(row, nullptr);
    m_store.DeleteRow(row);
}

// Frees every row's item, then deletes all rows in one request.
void CWallpaperRows::DeleteAllRows() {
    m_index.Clear();
    int count = Count();
    if (count == 0)
        return;
    // The rows go first, in one request; then their items.
    std::vector<CWallpaperItem*> items(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        items[static_cast<std::size_t>(row)] = m_store.GetItem(row);
    m_store.DeleteAllRows();
    for (CWallpaperItem* item : items)
        delete item;
}

// True when a row shows the path's file name and folder, compared exactly.
bool CWallpaperRows::IsInList(const std::string& path) const {
    return m_index.Contains(TextPairKey(FileNamePart(path), FolderPart(path)));
}

// Gives every selected row the position, in the item and in column 2.
int CWallpaperRows::SetSelectedPosition(const std::string& name) {
    int changed = 0;
    for (int row = m_store.NextSelected(-1); row != -1; row = m_store.NextSelected(row)) {
        if (CWallpaperItem* item = m_store.GetItem(row))
            item->SetPosition(name);
        m_store.SetText(row, 2, name);
        ++changed;
    }
    return changed;
}

// Whether the selection is not empty and all of it has the position; stops
// at the first row that has another.
bool CWallpaperRows::SelectionHasPosition(const std::string& name) const {
    int row = m_store.NextSelected(-1);
    if (row == -1)
        return false;
    for (; row != -1; row = m_store.NextSelected(row)) {
        const CWallpaperItem* item = m_store.GetItem(row);
        if (!item || item->GetPosition() != name)
            return false;
    }
    return true;
}

// Counts one more application of the row's item and ends its wait in the
// random cycle. The count stops at the largest 32-bit value instead of
// wrapping round to a negative number.
void CWallpaperRows::MarkApplied(int row) {
    CWallpaperItem* item = m_store.GetItem(row);
    if (item == nullptr)
        return;
    std::int32_t count = item->GetCount();
    if (count < std::numeric_limits<std::int32_t>::max())
        ++count;
    item->SetCount(count);
    item->SetRandomPending(0);
    m_store.SetText(row, 3, DecimalText(count));
}

// Sets the count of every selected row back to 0 and makes it pending again.
int CWallpaperRows::ResetSelectedCounts() {
    int changed = 0;
    for (int row = m_store.NextSelected(-1); row != -1; row = m_store.NextSelected(row)) {
        if (CWallpaperItem* item = m_store.GetItem(row)) {
            item->SetCount(0);
            item->SetRandomPending(1);
        }
        m_store.SetText(row, 3, "0");
        ++changed;
    }
    return changed;
}

// Indexes the column 0 and 1 texts of every row anew.
void CWallpaperRows::RebuildIndex() {
    m_index.Clear();
    for (int row = 0; row < Count(); ++row)
        IndexAdd(m_store.GetText(row, 0), m_store.GetText(row, 1));
}

// Counts one more row with these texts.
void CWallpaperRows::IndexAdd(const std::string& text0, const std::string& text1) {
    m_index.Add(TextPairKey(text0, text1));
}

// Counts one row less with these texts.
void CWallpaperRows::IndexRemove(const std::string& text0, const std::string& text1) {
    m_index.Remove(TextPairKey(text0, text1));
}
