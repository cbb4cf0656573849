#include "framework/DpiScale.h"

#include <cstdint>
#include <cstdlib>

int ScaleLength(int value, int numerator, int denominator) {
    if (denominator == 0)
        return value;
    std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t half = std::llabs(static_cast<long long>(denominator)) / 2;
    bool negative = (product < 0) != (denominator < 0);
    std::int64_t magnitude = (std::llabs(static_cast<long long>(product)) + half) /
                             std::llabs(static_cast<long long>(denominator));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int NearestImageScale(int dpi) {
    const int percent = ScaleLength(100, dpi, kDefaultDpi);
    int best = 0;
    for (int i = 1; i < kImageScaleCount; ++i) {
        int distance = std::abs(kImageScales[i] - percent);
        if (distance <= std::abs(kImageScales[best] - percent))
            best = i;
    }
    return best;
}
