#pragma once
#include <windows.h>

// The Win32 side of snapping a dragged window (see WindowSnap.h), shared by
// every window that snaps.

// At WM_ENTERSIZEMOVE: the cursor's distance from the window's top-left
// corner; offset is left as it is when either cannot be read.
void TakeDragOffset(HWND window, POINT& offset);

// At WM_MOVING: moves the proposed rectangle so that it follows the cursor
// at the drag offset and snaps to the work area's edges within limit
// pixels; leaves it alone when the cursor or the work area cannot be read.
void SnapWhileMoving(RECT* proposed, POINT dragOffset, int limit);
