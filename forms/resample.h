// A bitmap made anew at another size, smoothly: each pixel a weighted mean
// of the pixels of the source around its place (a tent filter as wide as a
// source pixel, or as a target pixel when shrinking), so that a picture
// enlarged or reduced for a screen's density shows no blocks.
#pragma once
#include <windows.h>

namespace vestrel::forms {

// A new 32-bit bitmap of size to, drawn from source; nullptr when either
// size is empty or the system has no memory for it.
HBITMAP Resampled(HBITMAP source, SIZE to) noexcept;

}  // namespace vestrel::forms
