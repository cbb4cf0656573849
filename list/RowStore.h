#pragma once
#include <cstdint>
#include <string>
#include <vector>

class CWallpaperItem;

// Row state bits, with the values the list control uses.
enum RowState : unsigned {
    kRowFocused = 0x0001,
    kRowSelected = 0x0002,
};

// Compares the items of two rows for sorting: negative when a comes first,
// positive when b comes first, 0 when they tie.
using RowCompareFn = int (*)(const CWallpaperItem* a, const CWallpaperItem* b, std::intptr_t param);

// The rows of a wallpaper list. Each row shows four texts (file name, folder,
// position, count) and carries one item pointer. The store does not own the
// items: the list operations (WallpaperRows.h) create and free them.
// Implemented by the list control of the list window and by MemoryRowStore.
class IRowStore {
public:
    virtual ~IRowStore() = default;

    virtual int RowCount() const = 0;
    // Inserts a row at index (rows after it move down) with its column 0 text;
    // returns the new row's index, or -1 on failure.
    virtual int InsertRow(int index, const std::string& text0) = 0;
    // Inserts a row at index with its column 0 and 1 texts, the item's
    // position and count as columns 2 and 3, and the item attached; returns
    // the new row's index, or -1 on failure (the item is not attached). The
    // store does all of it in one step where it can.
    virtual int InsertRowWithItem(int index, const std::string& text0, const std::string& text1,
                                  CWallpaperItem* item);
    virtual void SetText(int row, int column, const std::string& text) = 0;
    virtual std::string GetText(int row, int column) const = 0;
    virtual void SetItem(int row, CWallpaperItem* item) = 0;
    virtual CWallpaperItem* GetItem(int row) const = 0;
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;

    virtual int SelectedCount() const = 0;
    // The next selected row after `after` (start with -1); -1 when none.
    virtual int NextSelected(int after) const = 0;
    // Sets the state bits given in mask to those in state, for one row or,
    // with row -1, for every row.
    virtual void SetRowState(int row, unsigned state, unsigned mask) = 0;
    virtual unsigned GetRowState(int row) const = 0;
    // Scrolls the row into full view.
    virtual void EnsureVisible(int row) = 0;

    // Puts the rows in a new order: order[i] is the former index of the row
    // that goes to place i. The rows keep their texts, items and states. An
    // order that does not name every row exactly once leaves them as they are.
    virtual void ReorderRows(const std::vector<int>& order) = 0;

    // Sorts every row with the compare function, which receives the rows'
    // items; rows that compare equal keep their order.
    void SortRows(RowCompareFn compare, std::intptr_t param);

protected:
    // Maps each former index to its place in order (newIndex[order[i]] = i);
    // false when order does not hold each of the count rows' indices once.
    static bool PlacesOfOrder(const std::vector<int>& order, int count, std::vector<int>& newIndex);
};
