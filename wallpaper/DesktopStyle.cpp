#include "wallpaper/DesktopStyle.h"

// Looks the position name up in the table of the three known positions.
std::optional<DesktopStyle> DesktopStyleFor(const std::string& position) {
    struct Entry {
        const char* position;
        const char* tile;
        const char* style;
    };
    static const Entry kTable[] = {
        {"Center", "0", "0"},
        {"Stretch", "0", "2"},
        {"Tile", "1", "0"},
    };
    for (const Entry& entry : kTable) {
        if (position == entry.position)
            return DesktopStyle{entry.tile, entry.style};
    }
    return std::nullopt;
}
