#include "view/SortOrder.h"

#include <cstring>
#include <string>
#include <utility>

#include "list/CodePage.h"
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

// Sorts the rows by the column; any other column leaves them as they are.
void SortByColumn(IRowStore& rows, int column) {
    if (IsSortColumn(column))
        rows.SortRows(CompareItems, column);
}
