#pragma once

// Snapping a window to the edges of the desktop's work area while the user
// drags it. Screen coordinates in pixels; right and bottom are exclusive,
// as in a Windows RECT.
struct SnapRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct SnapPoint {
    int x = 0;
    int y = 0;
};

// Where a dragged window goes: its top-left corner follows the cursor at the
// offset taken when the move started (its size kept), so an earlier snap
// never sticks; then, when an edge lies less than limit pixels from the
// work area's edge, the window is moved onto that edge: left before right,
// top before bottom. A limit of 0 or less never snaps.
SnapRect SnapDraggedWindow(const SnapRect& proposed, SnapPoint cursor, SnapPoint dragOffset,
                           const SnapRect& workArea, int limit);
