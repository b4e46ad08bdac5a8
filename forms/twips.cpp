#include "twips.h"
#include <windows.h>
#include <cmath>

namespace vestrel::forms {
namespace {

float TwipsPerPixel(int axis) noexcept {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, axis) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? 1440.0f / static_cast<float>(dpi) : 15.0f;
}

}  // namespace

float TwipsPerPixelX() noexcept { return TwipsPerPixel(LOGPIXELSX); }
float TwipsPerPixelY() noexcept { return TwipsPerPixel(LOGPIXELSY); }

int ToPixelsX(float twips) noexcept { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int ToPixelsY(float twips) noexcept { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }
float ToTwipsX(int pixels) noexcept { return static_cast<float>(pixels) * TwipsPerPixelX(); }
float ToTwipsY(int pixels) noexcept { return static_cast<float>(pixels) * TwipsPerPixelY(); }

}  // namespace vestrel::forms
