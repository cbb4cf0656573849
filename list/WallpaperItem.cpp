#include "list/WallpaperItem.h"
