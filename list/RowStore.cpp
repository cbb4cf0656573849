#include "list/RowStore.h"

#include "base/PathParts.h"
#include "list/WallpaperItem.h"

// Row by row: the row with its column 0 text, the other three texts, then
// the item.
int IRowStore::InsertRowWithItem(int index, const std::string& text0, const std::string& text1,
                                 CWallpaperItem* item) {
    int row = InsertRow(index, text0);
    if (row < 0)
        return -1;
    SetText(row, 1, text1);
    SetText(row, 2, item ? item->GetPosition() : std::string());
    SetText(row, 3, item ? DecimalText(item->GetCount()) : std::string());
    SetItem(row, item);
    return row;
}
