#include "BarProbe.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "RemoteMemory.h"

namespace {

// The screen's pixels in a rectangle, top-down, 32 bits each.
std::vector<DWORD> ScreenPixels(const RECT& rect) {
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<DWORD> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        const DWORD* p = static_cast<const DWORD*>(bits);
        pixels.assign(p, p + static_cast<std::size_t>(width) * height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

bool CBarProbe::ToolbarSizes(HWND toolbar, SIZE& button, SIZE& image) {
    DWORD size = static_cast<DWORD>(SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0));
    button = {LOWORD(size), HIWORD(size)};
    image = {0, 0};
    RECT window = {};
    GetWindowRect(toolbar, &window);
    std::vector<DWORD> pixels = ScreenPixels(window);
    const int stride = window.right - window.left;
    CRemoteMemory memory(toolbar, sizeof(TBBUTTON) + sizeof(RECT));
    int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    if (pixels.empty() || !memory.IsValid() || count <= 0)
        return false;
    for (int i = 0; i < count; ++i) {
        TBBUTTON info = {};
        RECT rect = {};
        if (!SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(memory.Address())) ||
            !memory.Read(0, &info, sizeof info) ||
            !SendMessageA(toolbar, TB_GETITEMRECT, i,
                          reinterpret_cast<LPARAM>(memory.AddressAt(sizeof(TBBUTTON)))) ||
            !memory.Read(sizeof(TBBUTTON), &rect, sizeof rect))
            return false;
        if ((info.fsStyle & BTNS_SEP) || !(info.fsState & TBSTATE_ENABLED))
            continue;
        // Inside the button's edge (a hot button has a frame), the pixels
        // that differ from the face colour are the image's.
        MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        OffsetRect(&rect, -window.left, -window.top);
        InflateRect(&rect, -2, -2);
        DWORD face = pixels[static_cast<std::size_t>(rect.top) * stride + rect.left];
        RECT drawn = {rect.right, rect.bottom, rect.left, rect.top};
        for (LONG y = rect.top; y < rect.bottom; ++y)
            for (LONG x = rect.left; x < rect.right; ++x)
                if (pixels[static_cast<std::size_t>(y) * stride + x] != face)
                    drawn = {std::min(drawn.left, x), std::min(drawn.top, y),
                             std::max(drawn.right, x + 1), std::max(drawn.bottom, y + 1)};
        image.cx = std::max(image.cx, drawn.right - drawn.left);
        image.cy = std::max(image.cy, drawn.bottom - drawn.top);
    }
    return true;
}

int CBarProbe::LastPaneWidth(HWND statusBar) {
    CRemoteMemory memory(statusBar, sizeof(RECT));
    int parts = static_cast<int>(SendMessageA(statusBar, SB_GETPARTS, 0, 0));
    RECT rect = {};
    if (parts <= 0 || !memory.IsValid() ||
        !SendMessageA(statusBar, SB_GETRECT, parts - 1, reinterpret_cast<LPARAM>(memory.Address())))
        return -1;
    memory.Read(0, &rect, sizeof rect);
    return rect.right - rect.left;
}
