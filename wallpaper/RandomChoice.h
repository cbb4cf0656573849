#pragma once
#include <cstdint>
#include <functional>

class CWallpaperItem;
class CWallpaperRows;

// The random choice of a wallpaper from the open list. Choices go in cycles:
// every row is applied once, in random order, before any row comes again;
// a row waits for its turn while its item's random-pending flag is set.

// The seed of a choice: the current time in whole seconds since 1970,
// cut to 32 bits.
std::uint32_t RandomSeedFromTime(std::int64_t secondsSince1970);

// Picks the row for one choice: a random one of the pending rows, or, when
// none is pending, sets every row's flag and picks among all rows. Uses one
// draw of a generator seeded with seed. Returns -1 for an empty list.
int ChooseRandomRow(CWallpaperRows& rows, std::uint32_t seed);

// One random change: chooses a row, applies its item with apply, and on
// success counts it as applied (count + 1, flag 0, Count text), makes it
// the only selected and focused row and scrolls it into view. Returns the
// row on success, else -1 (empty list or a failed application, which leaves
// the row pending and any flags set for a new cycle as they are). The caller
// marks the document modified when the result is not -1.
int ApplyRandomWallpaper(CWallpaperRows& rows, std::uint32_t seed,
                         const std::function<bool(const CWallpaperItem&)>& apply);
