#pragma once
#include <optional>
#include <string>

// The desktop's two style values, REG_SZ under
// HKEY_CURRENT_USER\Control Panel\Desktop, that lay the wallpaper out.
struct DesktopStyle {
    static constexpr const char kDesktopKey[] = "Control Panel\\Desktop";
    static constexpr const char kTileName[] = "TileWallpaper";
    static constexpr const char kStyleName[] = "WallpaperStyle";

    std::string tileWallpaper;   // "TileWallpaper"
    std::string wallpaperStyle;  // "WallpaperStyle"
};

// The style values for a position name, matched exactly and with case, in
// the order "Center", "Stretch", "Tile", "Fill", "Fit", "Span". Any other
// name has none: the wallpaper is then set and the desktop's style values
// are left as they are.
std::optional<DesktopStyle> DesktopStyleFor(const std::string& position);
