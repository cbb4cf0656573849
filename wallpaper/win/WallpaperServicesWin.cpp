#include "wallpaper/win/WallpaperServicesWin.h"

#include <vector>

#include "base/PathParts.h"
#include "base/win/SystemText.h"
#include "wallpaper/DesktopStyle.h"
#include "wallpaper/win/WallpaperImage.h"

namespace {

// A decoded image waiting to be written as the wallpaper bitmap.
class CDecodedImageWin : public IDecodedImage {
public:
    CWallpaperImage& Image() { return m_image; }
    std::uint32_t WriteBitmap(const std::string& path) override {
        return static_cast<std::uint32_t>(m_image.Save(path));
    }

private:
    CWallpaperImage m_image;
};

}  // namespace

std::string CWallpaperServicesWin::ProgramFolder() {
    return ::ProgramFolder();
}

// Decodes the file with GDI+.
std::uint32_t CWallpaperServicesWin::DecodeImage(const std::string& path,
                                                 std::unique_ptr<IDecodedImage>& image) {
    auto decoded = std::make_unique<CDecodedImageWin>();
    HRESULT result = decoded->Image().Load(path, CWallpaperImage::ImageUse::Writing);
    if (FAILED(result))
        return static_cast<std::uint32_t>(result);
    image = std::move(decoded);
    return 0;
}

// Opens the desktop key for this one value; skips it silently on failure.
void CWallpaperServicesWin::SetDesktopValue(const std::string& name, const std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, DesktopStyle::kDesktopKey, 0, KEY_WRITE, &key) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

// Sets the wallpaper, updating the user's profile only (no broadcast).
bool CWallpaperServicesWin::SetDesktopWallpaper(const std::string& bitmapPath,
                                                std::uint32_t& lastError) {
    std::vector<char> path(bitmapPath.begin(), bitmapPath.end());
    path.push_back('\0');
    if (SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.data(), SPIF_UPDATEINIFILE))
        return true;
    lastError = GetLastError();
    return false;
}

// The system's text for the code in the default language, as it comes
// (line break included). Inserts are left as they are, since no arguments
// are given for them.
std::optional<std::string> CWallpaperServicesWin::SystemMessageText(std::uint32_t code) {
    return ::SystemMessageText(code);
}
