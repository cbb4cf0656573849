#include "framework/win/WindowDpi.h"

#include "framework/DpiScale.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// An entry of user32.dll, or null on a system without it.
template <typename Function>
Function UserEntry(const char* name) {
    HMODULE user = GetModuleHandleA("user32.dll");
    return user ? reinterpret_cast<Function>(
                      reinterpret_cast<void (*)()>(GetProcAddress(user, name)))
                : nullptr;
}

GetDpiForWindowFunction GetDpiForWindowEntry() {
    static const auto entry = UserEntry<GetDpiForWindowFunction>("GetDpiForWindow");
    return entry;
}

GetSystemMetricsForDpiFunction GetSystemMetricsForDpiEntry() {
    static const auto entry = UserEntry<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    return entry;
}

SystemParametersInfoForDpiFunction SystemParametersInfoForDpiEntry() {
    static const auto entry =
        UserEntry<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
    return entry;
}

// A font of the system's metrics, its height taken to the dpi when the
// system could give it only at its own dpi.
HFONT CreateFontAtDpi(LOGFONTW font, int fontDpi, int dpi) {
    if (fontDpi != dpi)
        font.lfHeight = ScaleLength(font.lfHeight, dpi, fontDpi);
    return CreateFontIndirectW(&font);
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDefaultDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

int WindowDpi(HWND hwnd) {
    if (GetDpiForWindowFunction entry = GetDpiForWindowEntry())
        if (UINT dpi = entry(hwnd))
            return static_cast<int>(dpi);
    return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    if (GetSystemMetricsForDpiFunction entry = GetSystemMetricsForDpiEntry())
        return entry(index, static_cast<UINT>(dpi));
    return ScaleLength(GetSystemMetrics(index), dpi, SystemDpi());
}

HFONT CreateStatusFontForDpi(int dpi) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpiFunction entry = SystemParametersInfoForDpiEntry())
        if (entry(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
            return CreateFontAtDpi(metrics.lfStatusFont, dpi, dpi);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return nullptr;
    return CreateFontAtDpi(metrics.lfStatusFont, SystemDpi(), dpi);
}

HFONT CreateIconTitleFontForDpi(int dpi) {
    LOGFONTW font = {};
    if (SystemParametersInfoForDpiFunction entry = SystemParametersInfoForDpiEntry())
        if (entry(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0, static_cast<UINT>(dpi)))
            return CreateFontAtDpi(font, dpi, dpi);
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0))
        return nullptr;
    return CreateFontAtDpi(font, SystemDpi(), dpi);
}

HIMAGELIST ImageListFromBitmaps(const UINT* bitmapIds, int count, int size, COLORREF mask,
                                int initial, int grow) {
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR16 | ILC_MASK, initial, grow);
    if (!images)
        return nullptr;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int i = 0; i < count; ++i) {
        HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapIds[i]));
        bool added = bitmap && ImageList_AddMasked(images, bitmap, mask) >= 0;
        if (bitmap)
            DeleteObject(bitmap);
        if (!added) {
            ImageList_Destroy(images);
            return nullptr;
        }
    }
    return images;
}
