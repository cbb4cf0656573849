#include "view/SortOrder.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/CodePage.h"
#include "list/RowStore.h"
#include "list/WallpaperItem.h"

int g_bSortAscending = 1;

namespace {

// Compares two texts byte by byte as unsigned values: -1, 0 or 1.
int CompareBytes(const std::string& a, const std::string& b) {
    std::size_t common = a.size() < b.size() ? a.size() : b.size();
    int result = common > 0 ? std::memcmp(a.data(), b.data(), common) : 0;
    if (result == 0)
        return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
    return result < 0 ? -1 : 1;
}

}  // namespace

// The sort order of two items by column; descending swaps them.
int CompareItems(const CWallpaperItem* a, const CWallpaperItem* b, std::intptr_t column) {
    if (column < 0 || column > 3)
        return -1;
    if (!g_bSortAscending)
        std::swap(a, b);
    if (a == nullptr || b == nullptr)
        return (a != nullptr) - (b != nullptr);  // rows without an item come first
    switch (column) {
    case 0: {
        const ICodePage& codePage = CurrentCodePage();
        return CompareBytes(codePage.ToLower(a->GetFileName()), codePage.ToLower(b->GetFileName()));
    }
    case 1:
        return CompareBytes(a->GetFolder(), b->GetFolder());
    case 2:
        return CompareBytes(a->GetPosition(), b->GetPosition());
    default:
        return a->GetCount() < b->GetCount() ? -1 : (a->GetCount() > b->GetCount() ? 1 : 0);
    }
}

// True for the columns 0 to 3.
bool IsSortColumn(int column) {
    return column >= 0 && column <= 3;
}

namespace {

// The text keys of the items for a text column (0 to 2), each computed once.
std::vector<std::string> TextKeys(const std::vector<const CWallpaperItem*>& items, int column) {
    std::vector<std::string> keys(items.size());
    if (column > 2)
        return keys;
    const ICodePage& codePage = CurrentCodePage();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i])
            continue;
        if (column == 0)
            keys[i] = codePage.ToLower(items[i]->GetFileName());
        else if (column == 1)
            keys[i] = items[i]->GetFolder();
        else
            keys[i] = items[i]->GetPosition();
    }
    return keys;
}

}  // namespace

// Sorts the rows by the column; any other column leaves them as they are.
// The result is the order a stable sort with CompareItems gives, reached on
// keys computed once per item; the store then moves its rows once.
void SortByColumn(IRowStore& rows, int column) {
    if (!IsSortColumn(column))
        return;
    const int n = rows.RowCount();
    if (n < 2)
        return;
    std::vector<const CWallpaperItem*> items(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        items[static_cast<std::size_t>(i)] = rows.GetItem(i);
    std::vector<std::string> keys = TextKeys(items, column);
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        order[static_cast<std::size_t>(i)] = i;

    // The same comparison as CompareItems, on the precomputed keys.
    const bool ascending = g_bSortAscending != 0;
    auto compare = [&](int i, int j) {
        if (!ascending)
            std::swap(i, j);
        const CWallpaperItem* a = items[static_cast<std::size_t>(i)];
        const CWallpaperItem* b = items[static_cast<std::size_t>(j)];
        if (a == nullptr || b == nullptr)
            return (a != nullptr) - (b != nullptr);
        if (column == 3)
            return a->GetCount() < b->GetCount() ? -1 : (a->GetCount() > b->GetCount() ? 1 : 0);
        return CompareBytes(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
    };
    std::stable_sort(order.begin(), order.end(), [&](int i, int j) { return compare(i, j) < 0; });

    rows.ReorderRows(order);
}
