#pragma once

// Where the preview window draws: the image scaled down to fit the drawing
// area (never enlarged), centred horizontally with its top edge on the
// area's top, and the strips of the area the image leaves free, which are
// filled with the button-face colour.
struct PreviewRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PreviewLayout {
    PreviewRect image;  // empty when there is no image
    // The free strips, in the order they are filled: left of the image and
    // right of it (when it is narrower than the area), below it (when it is
    // lower); empty ones are left out. With no image one strip is the area.
    PreviewRect strips[3];
    int stripCount = 0;
};

// Lays an image of imageWidth x imageHeight pixels out in the area; a size
// of 0 means there is no image. The scale is the smaller of the two ratios
// area / image, taken only when it is below 1; drawn sizes are truncated
// and the horizontal offset is half the free width, rounded down.
PreviewLayout LayOutPreview(const PreviewRect& area, int imageWidth, int imageHeight);
