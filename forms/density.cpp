#include "forms/density.h"
#include <olectl.h>
#include <cmath>
#include "com/errors.h"
#include "com/unique_handle.h"

namespace vestrel::forms {
namespace {

int ToPixels(float twips, float perPixel) {
    const float pixels = twips / perPixel;
    // 2^31 is exact in a float; anything from there on has no int.
    if (!std::isfinite(pixels) || pixels >= 2147483648.0f || pixels < -2147483648.0f)
        throw vestrel::ComError(CTL_E_INVALIDPROPERTYVALUE,
                                L"La posición o el tamaño no es válido: debe ser un número finito que quepa en la pantalla.");
    return static_cast<int>(std::lround(pixels));
}

}  // namespace

Density Density::Screen() noexcept {
    WindowDC screen(nullptr);
    if (!screen.get()) return {};
    return {GetDeviceCaps(screen.get(), LOGPIXELSX), GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

Density Density::Of(HWND window) noexcept {
    // Windows 10's call; older systems have one density for every window.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const Density screen = Screen();
    if (!dpiForWindow || !window) return screen;
    const int dpi = static_cast<int>(dpiForWindow(window));
    // A square density: the screen's own when it is not.
    return dpi > 0 && screen.X() == screen.Y() ? Density(dpi, dpi) : screen;
}

int Density::PixelsX(float twips) const { return ToPixels(twips, TwipsPerPixelX()); }
int Density::PixelsY(float twips) const { return ToPixels(twips, TwipsPerPixelY()); }

SIZE Density::Scaled(SIZE at96) const noexcept {
    return {static_cast<LONG>(std::lround(at96.cx * x_ / 96.0)), static_cast<LONG>(std::lround(at96.cy * y_ / 96.0))};
}

}  // namespace vestrel::forms
