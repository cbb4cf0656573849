#include "framework/WindowSnap.h"

#include <cstdlib>

namespace {

// The shift that puts the low or else the high edge of [low, high) onto
// the matching edge of [areaLow, areaHigh) when it lies less than limit away.
int SnapShift(int low, int high, int areaLow, int areaHigh, int limit) {
    if (std::abs(low - areaLow) < limit)
        return areaLow - low;
    if (std::abs(high - areaHigh) < limit)
        return areaHigh - high;
    return 0;
}

}  // namespace

SnapRect SnapDraggedWindow(const SnapRect& proposed, SnapPoint cursor, SnapPoint dragOffset,
                           const SnapRect& workArea, int limit) {
    const int width = proposed.right - proposed.left;
    const int height = proposed.bottom - proposed.top;
    SnapRect r;
    r.left = cursor.x - dragOffset.x;
    r.top = cursor.y - dragOffset.y;
    r.right = r.left + width;
    r.bottom = r.top + height;
    const int dx = SnapShift(r.left, r.right, workArea.left, workArea.right, limit);
    const int dy = SnapShift(r.top, r.bottom, workArea.top, workArea.bottom, limit);
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
    return r;
}
