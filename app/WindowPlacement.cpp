#include "app/WindowPlacement.h"

#include <cstdio>
#include <limits>

bool operator==(const WindowPlacementValues& a, const WindowPlacementValues& b) {
    return a.flags == b.flags && a.showCmd == b.showCmd && a.minX == b.minX && a.minY == b.minY &&
           a.maxX == b.maxX && a.maxY == b.maxY && a.left == b.left && a.top == b.top &&
           a.right == b.right && a.bottom == b.bottom;
}

std::string FormatWindowPlacement(const WindowPlacementValues& p) {
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d",
                  static_cast<unsigned>(p.flags), static_cast<unsigned>(p.showCmd),
                  static_cast<int>(p.minX), static_cast<int>(p.minY), static_cast<int>(p.maxX),
                  static_cast<int>(p.maxY), static_cast<int>(p.left), static_cast<int>(p.top),
                  static_cast<int>(p.right), static_cast<int>(p.bottom));
    return text;
}

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads one number at pos the way the stored format is read back: blanks
// in front, an optional sign, at least one digit. Values outside the range
// of the field count as no number.
bool ReadNumber(const std::string& text, std::size_t& pos, bool isUnsigned, std::int64_t& value) {
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    std::size_t start = pos;
    std::int64_t magnitude = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        magnitude = magnitude * 10 + (text[pos++] - '0');
        if (magnitude > 0xFFFFFFFFll)
            return false;
    }
    if (pos == start)
        return false;
    value = negative ? -magnitude : magnitude;
    if (isUnsigned)
        return !negative && value <= 0xFFFFFFFFll;
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::optional<WindowPlacementValues> ParseWindowPlacement(const std::string& text) {
    std::int64_t numbers[10] = {};
    std::size_t pos = 0;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',')
                return std::nullopt;
            ++pos;
        }
        if (!ReadNumber(text, pos, i < 2, numbers[i]))
            return std::nullopt;
    }
    WindowPlacementValues p;
    p.flags = static_cast<std::uint32_t>(numbers[0]);
    p.showCmd = static_cast<std::uint32_t>(numbers[1]);
    std::int32_t* rest[] = {&p.minX, &p.minY, &p.maxX,  &p.maxY,
                            &p.left, &p.top,  &p.right, &p.bottom};
    for (int i = 0; i < 8; ++i)
        *rest[i] = static_cast<std::int32_t>(numbers[i + 2]);
    return p;
}

WindowPlacementValues DefaultWindowPlacement(int dpi) {
    WindowPlacementValues p;
    p.flags = 0;
    p.showCmd = show_cmd::kShow;
    p.minX = p.minY = p.maxX = p.maxY = -1;
    p.left = ScaleForDpi(20, dpi);
    p.top = ScaleForDpi(20, dpi);
    p.right = p.left + ScaleForDpi(500, dpi);
    p.bottom = p.top + ScaleForDpi(300, dpi);
    return p;
}

WindowPlacementValues PlacementToStore(WindowPlacementValues current, bool minimised) {
    if (minimised) {
        current.showCmd = show_cmd::kShow;
        if (current.flags & kRestoreToMaximized)
            current.showCmd = show_cmd::kShowMaximized;
    }
    return current;
}

int ResolveActivationCommand(int n, bool visible, bool minimised) {
    if (n != show_cmd::kDefault)
        return n;
    if (!visible)
        return show_cmd::kShowNormal;
    if (minimised)
        return show_cmd::kRestore;
    return show_cmd::kDefault;
}

bool ActivationBringsToTop(int n) {
    switch (n) {
    case show_cmd::kHide:
    case show_cmd::kShowNoActivate:
    case show_cmd::kMinimize:
    case show_cmd::kShowMinNoActive:
    case show_cmd::kShowNA:
        return false;
    default:
        return true;
    }
}

bool IsStoredShowCommandUsable(std::uint32_t showCmd) {
    switch (showCmd) {
    case show_cmd::kShowNormal:
    case show_cmd::kShowMinimized:
    case show_cmd::kShowMaximized:
    case show_cmd::kShow:
        return true;
    default:
        return false;
    }
}

WindowPlacementValues PlacementToRestore(const std::optional<WindowPlacementValues>& stored, int n,
                                         int dpi) {
    if (!stored || !IsStoredShowCommandUsable(stored->showCmd))
        return DefaultWindowPlacement(dpi);
    WindowPlacementValues p = *stored;
    if (n != show_cmd::kShowNormal)
        p.showCmd = static_cast<std::uint32_t>(n);
    return p;
}
