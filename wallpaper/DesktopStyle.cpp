#include "wallpaper/DesktopStyle.h"

#include "list/WallpaperItem.h"

// Looks the position name up in the table of the known positions.
std::optional<DesktopStyle> DesktopStyleFor(const std::string& position) {
    struct Entry {
        const char* position;
        const char* tile;
        const char* style;
    };
    static const Entry kTable[] = {
        {kPositionCenter, "0", "0"}, {kPositionStretch, "0", "2"}, {kPositionTile, "1", "0"},
        {kPositionFill, "0", "10"},  {kPositionFit, "0", "6"},     {kPositionSpan, "0", "22"},
    };
    for (const Entry& entry : kTable) {
        if (position == entry.position)
            return DesktopStyle{entry.tile, entry.style};
    }
    return std::nullopt;
}
