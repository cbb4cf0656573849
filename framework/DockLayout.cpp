#include "framework/DockLayout.h"

#include <algorithm>

bool operator==(const DockRect& a, const DockRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {
// The squared distance of a point to a horizontal or vertical edge.
long long EdgeDistance(int along, int from, int to, int across, int edge) {
    long long outside = along < from ? from - along : (along > to ? along - to : 0);
    long long off = across - edge;
    return outside * outside + off * off;
}
}  // namespace

DockSide NearestDockSide(const DockRect& area, int x, int y) {
    const long long top = EdgeDistance(x, area.left, area.right, y, area.top);
    const long long bottom = EdgeDistance(x, area.left, area.right, y, area.bottom);
    const long long left = EdgeDistance(y, area.top, area.bottom, x, area.left);
    const long long right = EdgeDistance(y, area.top, area.bottom, x, area.right);
    const long long nearest = std::min(std::min(top, bottom), std::min(left, right));
    if (top == nearest)
        return DockSide::Top;
    if (bottom == nearest)
        return DockSide::Bottom;
    if (left == nearest)
        return DockSide::Left;
    return DockSide::Right;
}

DockLayout LayOutDockedBar(const DockRect& client, DockSide side, int thickness, int statusHeight) {
    DockRect rest = client;
    rest.bottom = std::max(rest.top, rest.bottom - std::max(statusHeight, 0));
    thickness = std::max(thickness, 0);
    DockLayout layout;
    layout.bar = rest;
    switch (side) {
    case DockSide::Top:
        layout.bar.bottom = std::min(rest.bottom, rest.top + thickness);
        rest.top = layout.bar.bottom;
        break;
    case DockSide::Bottom:
        layout.bar.top = std::max(rest.top, rest.bottom - thickness);
        rest.bottom = layout.bar.top;
        break;
    case DockSide::Left:
        layout.bar.right = std::min(rest.right, rest.left + thickness);
        rest.left = layout.bar.right;
        break;
    case DockSide::Right:
        layout.bar.left = std::max(rest.left, rest.right - thickness);
        rest.right = layout.bar.left;
        break;
    }
    if (thickness == 0)
        layout.bar = DockRect{};
    layout.view = rest;
    return layout;
}
