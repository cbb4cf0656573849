#include "wallpaper/PreviewLayout.h"

PreviewLayout LayOutPreview(const PreviewRect& area, int imageWidth, int imageHeight) {
    PreviewLayout layout;
    int drawnWidth = 0;
    int drawnHeight = 0;
    int offset = 0;
    if (imageWidth > 0 && imageHeight > 0) {
        double rx = static_cast<double>(area.width) / imageWidth;
        double ry = static_cast<double>(area.height) / imageHeight;
        double ratio = rx < ry ? rx : ry;
        if (ratio < 1.0) {
            drawnWidth = static_cast<int>(imageWidth * ratio);
            drawnHeight = static_cast<int>(imageHeight * ratio);
        } else {
            drawnWidth = imageWidth;
            drawnHeight = imageHeight;
        }
        offset = drawnWidth < area.width ? (area.width - drawnWidth) / 2 : 0;
        layout.image = {area.left + offset, area.top, drawnWidth, drawnHeight};
    }
    if (imageWidth <= 0 || imageHeight <= 0) {
        layout.strips[layout.stripCount++] = area;
        return layout;
    }
    auto strip = [&layout](int left, int top, int width, int height) {
        if (width > 0 && height > 0)
            layout.strips[layout.stripCount++] = {left, top, width, height};
    };
    if (drawnWidth < area.width) {
        strip(area.left, area.top, offset, area.height);
        strip(area.left + offset + drawnWidth, area.top, area.width - offset - drawnWidth,
              area.height);
    }
    if (drawnHeight < area.height)
        strip(area.left, area.top + drawnHeight, area.width, area.height - drawnHeight);
    return layout;
}
