#include "game/geometry.h"

namespace rollwell {

namespace {
int percent = 100;
} // namespace

int toPixels(int twips) {
    // Rounded to the nearest pixel, halves away from zero.
    const long scaled = static_cast<long>(twips) * percent;
    constexpr long unit = 100L * kTwipsPerPixel;
    return static_cast<int>(scaled >= 0 ? (scaled + unit / 2) / unit
                                        : -((-scaled + unit / 2) / unit));
}

int scaledPixels(int pixels) {
    return (pixels * percent + 50) / 100;
}

int pixelScale() {
    return percent;
}

void setPixelScale(int p) {
    percent = p;
}

} // namespace rollwell
