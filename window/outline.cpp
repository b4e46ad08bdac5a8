#include "window/outline.h"
#include <olectl.h>
#include <cmath>
#include <limits>
#include "com/errors.h"
#include "com/unique_handle.h"

namespace vestrel::outline {
namespace {

constexpr POINT kTable[kPoints] = {
    {115, 6},   {317, 6},   {318, 7},   {319, 7},   {322, 10},  {323, 13},  {323, 255}, {322, 256}, {322, 257},
    {319, 260}, {316, 261}, {11, 261},  {10, 260},  {9, 260},   {6, 257},   {5, 254},   {5, 36},    {6, 35},
    {6, 34},    {9, 31},    {12, 30},   {108, 30},  {109, 29},  {109, 12},  {110, 11},  {110, 10},  {113, 7},
};


// table value x scale x 15 / twips per pixel + offset, in double precision
// from the single-precision inputs; nearbyint rounds halves to even.
LONG Scaled(short value, float scale, float twipsPerPixel, short offset) {
    if (twipsPerPixel == 0.0f) throw ComError(kDivisionByZero, L"División por cero al escalar el contorno de la ventana.");
    const double exact = static_cast<double>(value) * static_cast<double>(scale) * 15.0 /
                             static_cast<double>(twipsPerPixel) + static_cast<double>(offset);
    const double rounded = std::nearbyint(exact);
    if (!(rounded >= std::numeric_limits<LONG>::min() && rounded <= std::numeric_limits<LONG>::max()))
        throw ComError(kOverflow, L"Desbordamiento al escalar el contorno de la ventana.");
    return static_cast<LONG>(rounded);
}

}  // namespace

short OutlineX(short index) noexcept { return index >= 0 && index < kPoints ? static_cast<short>(kTable[index].x) : 0; }
short OutlineY(short index) noexcept { return index >= 0 && index < kPoints ? static_cast<short>(kTable[index].y) : 0; }

HRGN BuildRegion(float scaleX, float scaleY, short offsetX, short offsetY, float twipsPerPixelX,
                 float twipsPerPixelY) {
    // The holder: the region the window keeps; the polygon is copied into it.
    UniqueHandle<HRGN, DeleteObject> holder(CreateRectRgn(0, 0, 0, 0));
    if (!holder) throw ComError(E_OUTOFMEMORY, L"No se pudo crear la región de la ventana.");
    POINT points[kPoints];
    for (short i = 0; i < kPoints; ++i) {
        points[i].x = Scaled(OutlineX(i), scaleX, twipsPerPixelX, offsetX);
        points[i].y = Scaled(OutlineY(i), scaleY, twipsPerPixelY, offsetY);
    }
    UniqueHandle<HRGN, DeleteObject> polygon(CreatePolygonRgn(points, kPoints, ALTERNATE));
    if (!polygon) throw ComError(E_OUTOFMEMORY, L"No se pudo crear la región de la ventana.");
    if (CombineRgn(holder.get(), polygon.get(), polygon.get(), RGN_COPY) == ERROR)
        throw ComError(E_FAIL, L"No se pudo copiar la región de la ventana.");
    return holder.release();
}

}  // namespace vestrel::outline
