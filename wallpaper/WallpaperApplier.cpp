#include "wallpaper/WallpaperApplier.h"

#include <memory>

#include "framework/WaitCursor.h"
#include "wallpaper/DesktopStyle.h"
#include "wallpaper/ErrorText.h"
#include "wallpaper/WallpaperServices.h"
#include "wallpaper/WallpaperTexts.h"

namespace {

constexpr unsigned kErrorBox = mb::kOk | mb::kIconError;

}  // namespace

CWallpaperApplier::CWallpaperApplier(IWallpaperServices& services) : m_services(services) {}

// CurrentPaper.bmp in the program's folder.
std::string CWallpaperApplier::BitmapPath() const {
    return m_services.ProgramFolder() + "\\" + wallpaper_texts::kCurrentPaperFile;
}

// Runs the whole application; see the header.
bool CWallpaperApplier::ApplyWallpaper(WindowHandle owner, const std::string& path,
                                       const std::string& position) {
    if (!m_services.PathExists(path)) {
        ShowMessage(owner, wallpaper_texts::kFileNotFoundText + path,
                    wallpaper_texts::kFileNotFoundCaption, kErrorBox);
        return false;
    }

    // The wait cursor stays up until the end, also while a box is open.
    CWaitCursor wait(m_services);
    std::string bitmapPath = BitmapPath();
    if (!WriteBitmapFile(owner, path, bitmapPath))
        return false;
    WriteDesktopStyle(position);
    return SetWallpaper(owner, bitmapPath);
}

// Decodes the image and writes it to the bitmap file; reports a failure of
// either step and returns false then.
bool CWallpaperApplier::WriteBitmapFile(WindowHandle owner, const std::string& path,
                                        const std::string& bitmapPath) {
    std::unique_ptr<IDecodedImage> image;
    std::uint32_t code = m_services.DecodeImage(path, image);
    if (code != 0 || !image) {
        if (code == 0)
            code = 0x80004005u;  // no image without a reason: the generic failure
        ShowMessage(owner, LoadErrorText(code, m_services.SystemMessageText(code)),
                    wallpaper_texts::kLoadErrorCaption, kErrorBox);
        return false;
    }

    // Without the new bitmap the system would be handed the previous one.
    code = image->WriteBitmap(bitmapPath);
    if (code != 0) {
        std::string text = wallpaper_texts::kSaveErrorText + bitmapPath + "\n\n" +
                           ErrorDescription(code, m_services.SystemMessageText(code));
        ShowMessage(owner, text, wallpaper_texts::kSaveErrorCaption, kErrorBox);
        return false;
    }
    return true;
}

// Writes "TileWallpaper" and then "WallpaperStyle" for a known position;
// leaves both alone for any other name.
void CWallpaperApplier::WriteDesktopStyle(const std::string& position) {
    std::optional<DesktopStyle> style = DesktopStyleFor(position);
    if (!style)
        return;
    m_services.SetDesktopValue(DesktopStyle::kTileName, style->tileWallpaper);
    m_services.SetDesktopValue(DesktopStyle::kStyleName, style->wallpaperStyle);
}

// Hands the bitmap to the system; reports its refusal and returns false then.
bool CWallpaperApplier::SetWallpaper(WindowHandle owner, const std::string& bitmapPath) {
    std::uint32_t error = 0;
    if (m_services.SetDesktopWallpaper(bitmapPath, error))
        return true;
    std::string text = std::string(wallpaper_texts::kSetErrorText) +
                       wallpaper_texts::kSetErrorCodeText + LowerHex(error);
    ShowMessage(owner, text, wallpaper_texts::kSetErrorCaption, kErrorBox);
    return false;
}
