#include "list/WallpaperRows.h"
