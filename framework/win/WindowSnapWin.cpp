#include "framework/win/WindowSnapWin.h"

#include "framework/WindowSnap.h"

void TakeDragOffset(HWND window, POINT& offset) {
    POINT cursor;
    RECT rect;
    if (GetCursorPos(&cursor) && GetWindowRect(window, &rect))
        offset = {cursor.x - rect.left, cursor.y - rect.top};
}

void SnapWhileMoving(RECT* proposed, POINT dragOffset, int limit) {
    POINT cursor;
    RECT work;
    if (!proposed || !GetCursorPos(&cursor) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        return;
    SnapRect snapped = SnapDraggedWindow(
        {proposed->left, proposed->top, proposed->right, proposed->bottom}, {cursor.x, cursor.y},
        {dragOffset.x, dragOffset.y}, {work.left, work.top, work.right, work.bottom}, limit);
    *proposed = {snapped.left, snapped.top, snapped.right, snapped.bottom};
}
