// How dense a screen is, and twips geometry on it: 1440 twips to the inch,
// so a 96-dpi screen has 15 twips per pixel. Forms and controls keep their
// positions in twips like the hosts that style them, and talk to Windows in
// pixels of the density their form is laid out at.
#pragma once
#include <windows.h>

namespace vestrel::forms {

class Density {
public:
    constexpr Density() noexcept = default;
    constexpr Density(int x, int y) noexcept : x_(x > 0 ? x : 96), y_(y > 0 ? y : 96) {}
    // The screen's, as a window of this process is laid out at unless the
    // host is aware of each monitor's density.
    static Density Screen() noexcept;
    // A window's: its monitor's, for a host aware of each monitor's.
    static Density Of(HWND window) noexcept;

    int X() const noexcept { return x_; }
    int Y() const noexcept { return y_; }
    float TwipsPerPixelX() const noexcept { return 1440.0f / static_cast<float>(x_); }
    float TwipsPerPixelY() const noexcept { return 1440.0f / static_cast<float>(y_); }
    // A position or size that is not a number, infinite, or beyond the
    // 32-bit pixel range has no place on a screen: it is refused as an
    // invalid property value rather than rounded to an arbitrary one.
    int PixelsX(float twips) const;
    int PixelsY(float twips) const;
    float TwipsX(int pixels) const noexcept { return static_cast<float>(pixels) * TwipsPerPixelX(); }
    float TwipsY(int pixels) const noexcept { return static_cast<float>(pixels) * TwipsPerPixelY(); }
    // A size given in pixels of a 96-dpi screen, at this density.
    SIZE Scaled(SIZE at96) const noexcept;

    bool operator==(const Density&) const = default;

private:
    int x_ = 96, y_ = 96;
};

}  // namespace vestrel::forms
