// A bitmap picture: what image controls show and forms paint behind their
// controls. Owns its bitmap.
#pragma once
#include <windows.h>
#include "com/unique_handle.h"

namespace vestrel::forms {

class Picture {
public:
    Picture() noexcept = default;
    explicit Picture(HBITMAP bitmap) noexcept;
    // Bitmap resource id of the component; throws when there is none.
    static Picture FromResource(int id);

    HBITMAP Handle() const noexcept { return bitmap_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(bitmap_); }
    // Size in pixels.
    SIZE Size() const noexcept { return size_; }

    // Draws the picture into target: stretched to it, or at its top left
    // at the picture's own size and clipped to it.
    void Draw(HDC dc, const RECT& target, bool stretch) const;

private:
    UniqueHandle<HBITMAP, DeleteObject> bitmap_;
    SIZE size_{};
};

}  // namespace vestrel::forms
