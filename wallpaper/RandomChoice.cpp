#include "wallpaper/RandomChoice.h"

#include <vector>

#include "list/RowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "wallpaper/RandomGenerator.h"

namespace {

// The rows, in row order, whose items are still pending in this cycle.
std::vector<int> PendingRows(const CWallpaperRows& rows) {
    std::vector<int> pending;
    int count = rows.Count();
    for (int row = 0; row < count; ++row) {
        const CWallpaperItem* item = rows.Item(row);
        if (item && item->GetRandomPending() != 0)
            pending.push_back(row);
    }
    return pending;
}

// Starts a new cycle: every row's item becomes pending again.
void SetAllPending(CWallpaperRows& rows) {
    int count = rows.Count();
    for (int row = 0; row < count; ++row) {
        if (CWallpaperItem* item = rows.Item(row))
            item->SetRandomPending(1);
    }
}

}  // namespace

// Cuts the time to the generator's 32-bit seed.
std::uint32_t RandomSeedFromTime(std::int64_t secondsSince1970) {
    return static_cast<std::uint32_t>(secondsSince1970);
}

// Picks the row of one choice; see the header.
int ChooseRandomRow(CWallpaperRows& rows, std::uint32_t seed) {
    int count = rows.Count();
    if (count <= 0)
        return -1;
    std::vector<int> candidates = PendingRows(rows);
    if (candidates.empty())
        SetAllPending(rows);

    CRandomGenerator generator(seed);
    int r = generator.Next();
    if (candidates.empty())
        return r % count;
    return candidates[static_cast<std::size_t>(r) % candidates.size()];
}

// One random change; see the header.
int ApplyRandomWallpaper(CWallpaperRows& rows, std::uint32_t seed,
                         const std::function<bool(const CWallpaperItem&)>& apply) {
    int row = ChooseRandomRow(rows, seed);
    if (row < 0)
        return -1;
    const CWallpaperItem* item = rows.Item(row);
    if (!item || !apply(*item))
        return -1;
    // The application may run a message loop; count the row only if it
    // still carries the item that was applied.
    if (row >= rows.Count() || rows.Item(row) != item)
        return -1;

    rows.MarkApplied(row);
    IRowStore& store = rows.Store();
    const unsigned both = kRowSelected | kRowFocused;
    store.SetRowState(-1, 0, both);
    store.SetRowState(row, both, both);
    store.EnsureVisible(row);
    return row;
}
