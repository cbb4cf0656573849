#pragma once
#include <cstdint>

class CWallpaperItem;
class IRowStore;

// Sort direction: 1 ascending, 0 descending. Process-wide because the list
// control calls the compare function without an object.
extern int g_bSortAscending;

// Compares two rows' items by column (0 file name without regard to case,
// 1 folder, 2 position, 3 count), in the direction of g_bSortAscending.
// Returns -1 for every pair for a column outside 0 to 3.
int CompareItems(const CWallpaperItem* a, const CWallpaperItem* b, std::intptr_t column);

// True for the columns the rows can be sorted by (0 to 3).
bool IsSortColumn(int column);

// Sorts the rows by the column in the current direction. A column outside
// 0 to 3 leaves the rows in their current order.
void SortByColumn(IRowStore& rows, int column);
