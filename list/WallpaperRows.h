#pragma once
#include <memory>
#include <string>

#include "list/KeyMultiset.h"
#include "list/RowStore.h"

class CWallpaperItem;

// The list operations on the rows of a wallpaper list. Each row owns the
// item attached to it: rows are added and removed only through this class,
// which creates and frees the items and keeps an index of the (file name,
// folder) texts so that the duplicate test does not scan every row. The
// index holds a 64-bit key for each row's pair of texts (TextPairKey), not
// the texts: ten to twenty bytes a row.
class CWallpaperRows {
public:
    explicit CWallpaperRows(IRowStore& store);
    CWallpaperRows(const CWallpaperRows&) = delete;
    CWallpaperRows& operator=(const CWallpaperRows&) = delete;

    IRowStore& Store() const { return m_store; }
    int Count() const { return m_store.RowCount(); }
    CWallpaperItem* Item(int row) const { return m_store.GetItem(row); }

    // Inserts a row at index with the given column 0 and 1 texts, the
    // item's position and count as columns 2 and 3, and attaches the item,
    // which the row then owns. Returns the row index, or -1 (item freed).
    int InsertRow(int index, const std::string& text0, const std::string& text1,
                  std::unique_ptr<CWallpaperItem> item);
    // Appends a row for the item, with the texts taken from its path.
    int AppendItem(std::unique_ptr<CWallpaperItem> item);
    // Appends a new item as the user adds it: count 0, pending flag 1.
    int AppendNew(const std::string& path, const std::string& position);

    // Frees the row's item, then deletes the row.
    void RemoveRow(int row);
    // Frees every row's item, then deletes all rows at once.
    void DeleteAllRows();

    // The duplicate test: some row's column 0 text equals FileNamePart(path)
    // and its column 1 text equals FolderPart(path), both compared exactly.
    bool IsInList(const std::string& path) const;

    // Gives every selected row the position (column 2 and item); returns how
    // many rows were selected.
    int SetSelectedPosition(const std::string& name);
    // True when at least one row is selected and every selected row's item
    // has the position (the check mark of a Position command).
    bool SelectionHasPosition(const std::string& name) const;
    // A successful application: count + 1, pending flag 0, column 3 rewritten.
    void MarkApplied(int row);
    // Reset Count on every selected row: count 0, pending flag 1, column 3
    // "0"; returns how many rows were selected.
    int ResetSelectedCounts();

    // Rebuilds the duplicate index from the row texts.
    void RebuildIndex();

private:
    void IndexAdd(const std::string& text0, const std::string& text1);
    void IndexRemove(const std::string& text0, const std::string& text1);

    IRowStore& m_store;
    CKeyMultiset m_index;  // one key for each row
};
