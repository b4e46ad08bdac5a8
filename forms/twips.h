// Twips geometry: 1440 twips to the inch, so a 96-dpi screen has 15 twips
// per pixel. Forms and controls keep their positions in twips like the
// hosts that style them, and talk to Windows in pixels.
#pragma once

namespace vestrel::forms {

float TwipsPerPixelX() noexcept;
float TwipsPerPixelY() noexcept;

// A position or size that is not a number, infinite, or beyond the 32-bit
// pixel range has no place on a screen: it is refused as an invalid
// property value rather than rounded to an arbitrary one.
int ToPixelsX(float twips);
int ToPixelsY(float twips);
float ToTwipsX(int pixels) noexcept;
float ToTwipsY(int pixels) noexcept;

}  // namespace vestrel::forms
