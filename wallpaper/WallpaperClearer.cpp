#include "wallpaper/WallpaperClearer.h"

#include "wallpaper/WallpaperServices.h"
#include "wallpaper/WallpaperTexts.h"

bool ClearWallpaper(IWallpaperServices& services, WindowHandle owner) {
    using namespace wallpaper_texts;
    if (ShowMessage(owner, kClearQuestion, kClearCaption, mb::kYesNo | mb::kIconQuestion) !=
        mb::kIdYes)
        return false;
    std::uint32_t lastError = 0;  // not reported
    if (services.SetDesktopWallpaper(std::string(), lastError))
        return true;
    ShowMessage(owner, kClearErrorText, kClearErrorCaption, mb::kOk | mb::kIconError);
    return false;
}
