#pragma once

// The display's scale. Every pixel size the program names is a size at
// 96 dpi (100 %); a window drawn at another dpi multiplies it. Bitmaps are
// drawn for a few scales, and a window takes the nearest one.

constexpr int kDefaultDpi = 96;

// value * numerator / denominator, rounded half away from zero as the
// system's MulDiv rounds; a denominator of 0 gives the value unchanged.
int ScaleLength(int value, int numerator, int denominator);

// A length of pixels at 96 dpi, at dpi.
inline int ScaleForDpi(int pixels, int dpi) {
    return ScaleLength(pixels, dpi, kDefaultDpi);
}

// The scales, in percent, that the program's bitmaps and icons are drawn at.
constexpr int kImageScales[] = {100, 150, 200};
constexpr int kImageScaleCount = 3;

// The index in kImageScales of the scale nearest to the dpi's; of two as
// near, the larger.
int NearestImageScale(int dpi);
