#pragma once
#include <windows.h>

#include <memory>

#include "framework/win/SystemServicesWin.h"
#include "wallpaper/WallpaperServices.h"

// The system services behind applying a wallpaper on Windows: the file
// system, the wait cursor, GDI+ (CWallpaperImage), the desktop's registry
// key, SystemParametersInfo and the system's message texts.
//
// Use: CWallpaperServicesWin services;
//      CWallpaperApplier(services).ApplyWallpaper(hwndView, path, position);
class CWallpaperServicesWin : public CSystemServicesWin<IWallpaperServices> {
public:
    std::string ProgramFolder() override;
    std::uint32_t DecodeImage(const std::string& path,
                              std::unique_ptr<IDecodedImage>& image) override;
    void SetDesktopValue(const std::string& name, const std::string& value) override;
    bool SetDesktopWallpaper(const std::string& bitmapPath, std::uint32_t& lastError) override;
    std::optional<std::string> SystemMessageText(std::uint32_t code) override;
};
