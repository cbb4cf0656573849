#include "list/RowStore.h"

#include <algorithm>
#include <numeric>

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

// Sorts the rows' indices, then moves the rows once.
void IRowStore::SortRows(RowCompareFn compare, std::intptr_t param) {
    const int count = RowCount();
    if (count < 2)
        return;
    std::vector<CWallpaperItem*> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items[static_cast<std::size_t>(i)] = GetItem(i);
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return compare(items[static_cast<std::size_t>(a)], items[static_cast<std::size_t>(b)],
                       param) < 0;
    });
    ReorderRows(order);
}

bool IRowStore::PlacesOfOrder(const std::vector<int>& order, int count,
                              std::vector<int>& newIndex) {
    if (count < 0 || order.size() != static_cast<std::size_t>(count))
        return false;
    newIndex.assign(static_cast<std::size_t>(count), -1);
    for (int place = 0; place < count; ++place) {
        const int from = order[static_cast<std::size_t>(place)];
        if (from < 0 || from >= count || newIndex[static_cast<std::size_t>(from)] != -1)
            return false;
        newIndex[static_cast<std::size_t>(from)] = place;
    }
    return true;
}
