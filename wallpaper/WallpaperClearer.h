#pragma once
#include "framework/Prompter.h"

class IWallpaperServices;

// Clear Wallpaper: asks "Clear Wallpaper?" and on Yes hands the system an
// empty wallpaper. A refusal is reported in an error box; nothing else
// changes (desktop style values, the bitmap file, the list, the timer).
// Boxes are owned by owner. Returns true when the wallpaper was cleared.
bool ClearWallpaper(IWallpaperServices& services, WindowHandle owner);
