#pragma once
#include <windows.h>
#include <commctrl.h>

// The dpi of windows and the system's metrics and fonts at a dpi. The
// functions that know a window's own dpi came with later systems; they are
// looked up when first needed, and without them every window has the
// system's dpi.

// The system's dpi: the primary display's scale when the user logged on.
int SystemDpi();
// The dpi a window is drawn at: its monitor's, or the system's.
int WindowDpi(HWND hwnd);
// A system metric (SM_CXSMICON, SM_CXVSCROLL, ...) at a dpi.
int SystemMetricForDpi(int index, int dpi);
// The font of status bars, and the font of icon titles that list views
// take, at a dpi; the caller deletes it. Null when the system gives none.
HFONT CreateStatusFontForDpi(int dpi);
HFONT CreateIconTitleFontForDpi(int dpi);

// An image list of square images, size by size pixels, 16-bit with a mask,
// from the bitmap strips (each a row of images) with the mask colour left
// out; initial and grow as ImageList_Create takes them. Null when a bitmap
// cannot be loaded or added.
HIMAGELIST ImageListFromBitmaps(const UINT* bitmapIds, int count, int size, COLORREF mask,
                                int initial, int grow);
