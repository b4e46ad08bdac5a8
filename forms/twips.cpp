#include "forms/twips.h"
#include <windows.h>
#include <olectl.h>
#include <cmath>
#include "com/errors.h"
#include "com/unique_handle.h"

namespace vestrel::forms {
namespace {

float TwipsPerPixel(int axis) noexcept {
    WindowDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), axis) : 0;
    return dpi > 0 ? 1440.0f / static_cast<float>(dpi) : 15.0f;
}

int ToPixels(float twips, float perPixel) {
    const float pixels = twips / perPixel;
    // 2^31 is exact in a float; anything from there on has no int.
    if (!std::isfinite(pixels) || pixels >= 2147483648.0f || pixels < -2147483648.0f)
        throw vestrel::ComError(CTL_E_INVALIDPROPERTYVALUE,
                                L"La posición o el tamaño no es válido: debe ser un número finito que quepa en la pantalla.");
    return static_cast<int>(std::lround(pixels));
}

}  // namespace

float TwipsPerPixelX() noexcept { return TwipsPerPixel(LOGPIXELSX); }
float TwipsPerPixelY() noexcept { return TwipsPerPixel(LOGPIXELSY); }

int ToPixelsX(float twips) { return ToPixels(twips, TwipsPerPixelX()); }
int ToPixelsY(float twips) { return ToPixels(twips, TwipsPerPixelY()); }
float ToTwipsX(int pixels) noexcept { return static_cast<float>(pixels) * TwipsPerPixelX(); }
float ToTwipsY(int pixels) noexcept { return static_cast<float>(pixels) * TwipsPerPixelY(); }

}  // namespace vestrel::forms
