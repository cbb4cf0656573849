#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/SystemServices.h"

// An image decoded for one application. Freed when the application ends.
class IDecodedImage {
public:
    virtual ~IDecodedImage() = default;
    // Writes the image as a bitmap file at path, replacing what is there;
    // returns 0 on success, else an HRESULT-style code saying why not.
    virtual std::uint32_t WriteBitmap(const std::string& path) = 0;
};

// What applying a wallpaper needs of the system: on Windows GetFileAttributes,
// the wait cursor, GDI+, the registry and SystemParametersInfo (see
// WallpaperServicesWin.h); in tests a fake.
class IWallpaperServices : public ISystemServices {
public:
    // The folder of the running program's file, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;

    // Decodes the image file; returns 0 and sets image on success, else an
    // HRESULT-style code (0x80004005 when the file cannot be decoded,
    // 0x8007000E when memory runs out) and leaves image empty.
    virtual std::uint32_t DecodeImage(const std::string& path,
                                      std::unique_ptr<IDecodedImage>& image) = 0;

    // Sets a REG_SZ value under HKEY_CURRENT_USER\Control Panel\Desktop;
    // a key that cannot be opened or a value that cannot be set is skipped.
    virtual void SetDesktopValue(const std::string& name, const std::string& value) = 0;

    // Asks the system to make the bitmap file the wallpaper; returns true on
    // success, else false with the system's error code, read at once after
    // the call (it may be 0).
    virtual bool SetDesktopWallpaper(const std::string& bitmapPath, std::uint32_t& lastError) = 0;

    // The system's message text for a code; none when it has no text.
    virtual std::optional<std::string> SystemMessageText(std::uint32_t code) = 0;
};
