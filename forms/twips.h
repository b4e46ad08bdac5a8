// Twips geometry: 1440 twips to the inch, so a 96-dpi screen has 15 twips
// per pixel. Forms and controls keep their positions in twips like the
// hosts that style them, and talk to Windows in pixels.
#pragma once

namespace vestrel::forms {

float TwipsPerPixelX() noexcept;
float TwipsPerPixelY() noexcept;

int ToPixelsX(float twips) noexcept;
int ToPixelsY(float twips) noexcept;
float ToTwipsX(int pixels) noexcept;
float ToTwipsY(int pixels) noexcept;

}  // namespace vestrel::forms
