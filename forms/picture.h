// A bitmap picture: what image controls show and forms paint behind their
// controls. It has a size in pixels of a 96-dpi screen and is drawn at that
// size times the density of the screen it is shown on: a picture of the
// component from its own variant drawn for that density or the nearest
// denser one, any other smoothly resampled. Owns its bitmaps.
#pragma once
#include <windows.h>
#include <array>
#include "com/unique_handle.h"
#include "forms/density.h"

namespace vestrel::forms {

class Picture {
public:
    Picture() noexcept = default;
    // A bitmap of its own, drawn for 96 dpi.
    explicit Picture(HBITMAP bitmap) noexcept;
    // Bitmap resource id of the component, with the variants drawn for
    // denser screens that the component carries; throws when there is none.
    static Picture FromResource(int id);

    explicit operator bool() const noexcept { return static_cast<bool>(variants_[0].bitmap); }
    // Size in pixels of a 96-dpi screen.
    SIZE Size() const noexcept { return variants_[0].size; }

    // The picture as a bitmap of size (its variant of that size, or one made
    // and kept until another size is asked for); owned by the picture.
    HBITMAP BitmapOfSize(SIZE size) const;
    // Draws the picture into target: stretched to it, or at its top left at
    // its size at density and clipped to it.
    void Draw(HDC dc, const RECT& target, bool stretch, const Density& density) const;

private:
    struct Variant {
        UniqueHandle<HBITMAP, DeleteObject> bitmap;
        SIZE size{};
    };
    // The densities a component picture is drawn for, in hundredths of 96 dpi.
    static constexpr std::array<int, 3> kScales{100, 150, 200};
    const Variant& VariantAt(size_t index) const;

    int id_ = 0;
    // Index by kScales; loaded when first needed.
    mutable std::array<Variant, kScales.size()> variants_;
    mutable Variant made_;
};

}  // namespace vestrel::forms
