#pragma once

// Where a frame's toolbar is docked, and how the frame lays out its client
// area around it: the toolbar takes a strip along its side, the status bar
// the bottom, and the view what is left. Coordinates in pixels, right and
// bottom exclusive.
enum class DockSide { Top, Bottom, Left, Right };

struct DockRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

bool operator==(const DockRect& a, const DockRect& b);

// The side of the area that lies nearest to the point (inside or outside
// the area); on a tie top wins, then bottom, then left.
DockSide NearestDockSide(const DockRect& area, int x, int y);

struct DockLayout {
    DockRect bar;   // the toolbar's strip; empty when it is hidden
    DockRect view;  // the rest, for the view
};

// Lays out a client area: the status bar (statusHeight, 0 when hidden) at
// the bottom, then the toolbar's strip of the given thickness (0 when
// hidden) along its side of what is left, then the view. Sizes never go
// below zero.
DockLayout LayOutDockedBar(const DockRect& client, DockSide side, int thickness, int statusHeight);
