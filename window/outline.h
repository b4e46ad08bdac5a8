// The outline that the checker and about windows are cut to: a closed
// polygon of 27 points in pixels of a 96-dpi screen (15 twips per pixel),
// a body with bevelled corners and a raised tab at the top right for the
// title.
#pragma once
#include <windows.h>

namespace vestrel::outline {

constexpr short kPoints = 27;

// The point's coordinates; 0 for an index outside 0 to 26.
short OutlineX(short index) noexcept;
short OutlineY(short index) noexcept;

// A new region of the outline, scaled and offset: each coordinate is
// table x scale x 15 / twips per pixel + offset, rounded half to even. A
// twips-per-pixel value of 0 is a division error, and no region is made.
HRGN BuildRegion(float scaleX, float scaleY, short offsetX, short offsetY, float twipsPerPixelX,
                 float twipsPerPixelY);

}  // namespace vestrel::outline
