#pragma once
#include <string>

#include "framework/Prompter.h"

class IWallpaperServices;

// Makes an image file the desktop wallpaper: decodes it, writes it as
// CurrentPaper.bmp in the program's folder, sets the desktop's style values
// for the position and hands the bitmap to the system. Every failure is
// shown in an error box owned by the given window.
class CWallpaperApplier {
public:
    explicit CWallpaperApplier(IWallpaperServices& services);

    // Applies the image at path with the position name ("Center", "Stretch",
    // "Tile", "Fill", "Fit", "Span"). Returns true when the system took the new wallpaper, false
    // after a failure that has already been reported. Touches no item, row
    // or document; the caller does the row bookkeeping on true.
    bool ApplyWallpaper(WindowHandle owner, const std::string& path, const std::string& position);

    // The path of the bitmap file handed to the system.
    std::string BitmapPath() const;

private:
    bool WriteBitmapFile(WindowHandle owner, const std::string& path,
                         const std::string& bitmapPath);
    void WriteDesktopStyle(const std::string& position);
    bool SetWallpaper(WindowHandle owner, const std::string& bitmapPath);

    IWallpaperServices& m_services;
};
